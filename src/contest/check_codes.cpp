#include "contest/check_codes.h"

#include <array>

namespace pelvano::contest {

std::span<const CheckCode> checkCodes() {
  static constexpr std::array<CheckCode, 33> kCodes = {{
      {195, "task", "no first line", "ni prve vrstice"},
      {196, "task", "the first line is not Tolvarustepnik", "prva vrstica ni Tolvarustepnik"},
      {199, "task", "no second line", "ni druge vrstice"},
      {201, "task", "the second line does not start with a number of at least 1",
       "druga vrstica se ne začne s številom, vsaj 1"},
      {65, "task", "a case's separator line is missing", "manjka ločilna vrstica primera"},
      {66, "task", "a case's separator line is not empty (blanks count)",
       "ločilna vrstica primera ni prazna (tudi presledki štejejo)"},
      {67, "task", "a case line is missing", "manjka vrstica primera"},
      {69, "task", "a case line does not start with four integers",
       "vrstica primera se ne začne s štirimi celimi števili"},
      {71, "task", "w is not between 1 and 300", "w ni med 1 in 300"},
      {72, "task", "h is not between 1 and 300", "h ni med 1 in 300"},
      {73, "task", "d is not between 1 and w times h", "d ni med 1 in w krat h"},
      {207, "task", "a case is not numbered by its position",
       "primer ni oštevilčen po svojem mestu"},
      {77, "task", "a grid row is missing", "manjka vrstica mreže"},
      {83, "task", "a grid row has too few numbers", "vrstica mreže ima premalo števil"},
      {87, "task", "a grid row holds a byte that is neither a digit nor white space",
       "v vrstici mreže je znak, ki ni ne števka ne presledek"},
      {90, "task", "a population does not fit a 32-bit integer",
       "število prebivalcev ne gre v 32-bitno celo število"},
      {92, "task", "a population is above 1000000", "število prebivalcev je večje od 1000000"},
      {94, "task", "the case's total population passes 2000000000",
       "skupno število prebivalcev primera preseže 2000000000"},
      {97, "task", "a grid row has more than w numbers", "vrstica mreže ima več kot w števil"},
      {215, "submission", "no first line (the contestant number)",
       "ni prve vrstice (številke tekmovalca)"},
      {216, "submission", "the first line is not exactly 6 bytes long",
       "prva vrstica nima natanko 6 bajtov"},
      {218, "submission", "the first line does not start with a number",
       "prva vrstica se ne začne s številom"},
      {219, "submission", "no second line", "ni druge vrstice"},
      {220, "submission", "the second line is not Tolvarustepnik",
       "druga vrstica ni Tolvarustepnik"},
      {228, "submission", "a block's first line does not start with a number",
       "prva vrstica bloka se ne začne s številom"},
      {230, "submission", "a block names a case the task does not have",
       "blok navaja primer, ki ga naloga nima"},
      {155, "submission", "a grid line is missing", "manjka vrstica mreže"},
      {159, "submission", "a grid line has too few labels", "vrstica mreže ima premalo oznak"},
      {163, "submission", "a grid line holds a byte that is neither a digit nor white space",
       "v vrstici mreže je znak, ki ni ne števka ne presledek"},
      {166, "submission", "a label does not fit a 32-bit integer",
       "oznaka ne gre v 32-bitno celo število"},
      {168, "submission", "a label is above 999999999", "oznaka je večja od 999999999"},
      {171, "submission", "a grid line has more than w labels",
       "vrstica mreže ima več kot w oznak"},
      {141, "submission", "a block does not form exactly d regions",
       "blok ne tvori natanko d območij"},
  }};
  return kCodes;
}

}  // namespace pelvano::contest
