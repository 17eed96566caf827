"""Times pelvano.html judging a workload in headless Chromium, beside the native program.

    page_speed.py PAGE NATIVE_PELVANO WORKLOAD_FOLDER RUNS

The page readies its WebAssembly while the files are chosen, so the first judgement after
it says it is ready is what a contestant waits for; the others are the page at its best.
Prints both, the native program's median time, and the ratio of the first to it."""
import os
import statistics
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By

page, native, folder, runs = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
task = os.path.join(folder, 'task.txt')
submission = os.path.join(folder, 'submission.txt')


def wait_for(driver, script):
    while not driver.execute_script(script):
        time.sleep(0.02)


with tempfile.TemporaryDirectory() as scratch:
    native_times = []
    for _ in range(runs):
        started = time.perf_counter()
        subprocess.run([native, 'eval', task, submission, os.path.join(scratch, 'report.txt')],
                       check=True)
        native_times.append(time.perf_counter() - started)
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for flag in ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic',
                 '--no-first-run', '--disable-background-networking',
                 '--disable-component-update', '--disable-sync',
                 '--user-data-dir=' + os.path.join(scratch, 'profile')]:
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    try:
        driver.get('file://' + page)
        wait_for(driver, 'return document.body.dataset.ready')
        driver.find_element(By.ID, 'task').send_keys(task)
        driver.find_element(By.ID, 'submission').send_keys(submission)
        page_times = []
        for run in range(runs):
            if run > 0:
                driver.execute_script('judge()')
            wait_for(driver, "return document.body.dataset.state === 'done' && "
                             "document.body.dataset.pictures")
            page_times.append(float(driver.execute_script('return document.body.dataset.seconds')))
    finally:
        driver.quit()
native_median = statistics.median(native_times)
print(f'page, {os.path.basename(folder)}: first {page_times[0]:.3f} s, then median '
      f'{statistics.median(page_times[1:] or page_times):.3f} s; native median '
      f'{native_median:.3f} s; first / native {page_times[0] / native_median:.2f}')
