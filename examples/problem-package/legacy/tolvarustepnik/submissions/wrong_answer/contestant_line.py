# A contestant number of five digits where six are asked for (check code 216).
print("12345\nTolvarustepnik")
