"""pelvano.html in a real headless Chromium, opened from the disk: for the examples and for
generated files of every verdict, the report the page shows and the report.txt it offers are
byte for byte what the native `Pelvano eval` writes, and the page draws every block read.

    page_test.py PAGE NATIVE_PELVANO EXAMPLES
"""
import base64
import os
import subprocess
import sys
import tempfile
import time

from selenium.webdriver.common.by import By

from browser import start_browser, wait_for

PAGE, NATIVE, EXAMPLES = sys.argv[1:4]
TASK = b'Tolvarustepnik\n3\n\n1 2 2 2\n5 1\n5 1\n\n2 4 3 3\n1 2 3 4\n5 6 7 8\n9 10 11 12\n\n3 3 3 2\n1 1 1\n1 9 1\n1 1 1\n'
HEAD = b'123456\nTolvarustepnik\n'

# (name, task, submission, pictures drawn): a file of every verdict the checks give.
CASES = [
    ('accepted', TASK, HEAD + b'2\n1 1 1 2\n1 1 3 2\n1 3 3 2\n1\n1 1\n2 2\n', 2),
    ('CR LF and tabs', TASK.replace(b'\n', b'\r\n'), (HEAD + b'3\n1\t1 1\n1 2 1\n1 1 1\n').replace(b'\n', b'\r\n'), 1),
    ('header only', TASK, HEAD, 0),
    ('empty submission', TASK, b'', 0),
    ('short contestant', TASK, b'12345\nTolvarustepnik\n', 0),
    ('wrong task name', TASK, b'123456\ntolvarustepnik\n', 0),
    ('no case number', TASK, HEAD + b'x\xc4\x8d\xff\n', 0),
    ('no such case', TASK, HEAD + b'4\n', 0),
    ('missing row', TASK, HEAD + b'1\n1 1\n', 1),
    ('short row', TASK, HEAD + b'1\n1 1\n2\n', 1),
    ('control-Z in a row', TASK, HEAD + b'1\n1 1\n2 \x1a\n', 1),
    ('label overflow', TASK, HEAD + b'1\n1 1\n2 99999999999\n', 1),
    ('label too large', TASK, HEAD + b'1\n1 1\n2 1000000000\n', 1),
    ('too many labels', TASK, HEAD + b'1\n1 1 1\n', 1),
    ('region count', TASK, HEAD + b'3\n1 1 1\n1 1 1\n1 1 1\n', 1),
    ('failing task', b'Tolvarustepnik\n1\n\n1 301 1 1\n', HEAD, 0),
    ('empty task', b'', HEAD, 0),
]


def native_report(folder, task, submission):
    report = os.path.join(folder, 'native-report.txt')
    subprocess.run([NATIVE, 'eval', task, submission, report], check=True)
    with open(report, 'rb') as file:
        return file.read()


def page_report(driver, task, submission):
    """Judges the pair in the page; the report as the page shows it and as it offers it."""
    driver.get('file://' + PAGE)
    driver.find_element(By.ID, 'task').send_keys(task)
    driver.find_element(By.ID, 'submission').send_keys(submission)
    state = wait_for(driver, "const s = document.body.dataset.state;"
                             "return s === 'done' || s === 'failed' ? s : null;")
    if state != 'done':
        raise AssertionError(driver.find_element(By.ID, 'status').text)
    shown = driver.find_element(By.ID, 'report').get_attribute('textContent')
    offered = driver.execute_async_script(
        "const done = arguments[0];"
        "fetch(document.getElementById('download').href).then(r => r.arrayBuffer()).then(b => {"
        "  let s = ''; for (const x of new Uint8Array(b)) s += String.fromCharCode(x);"
        "  done(btoa(s)); });")
    wait_for(driver, 'return document.body.dataset.pictures')
    pictures = len(driver.find_elements(By.CSS_SELECTOR, '#pictures svg'))
    return shown, base64.b64decode(offered), pictures


def as_shown(report):
    """The report as the page shows it: UTF-8 where it is that, else one character a byte."""
    try:
        return report.decode('utf-8')
    except UnicodeDecodeError:
        return report.decode('latin-1')


def main():
    failures = []
    failed = set()
    with tempfile.TemporaryDirectory() as folder:
        driver = start_browser(os.path.join(folder, 'profile'))
        try:
            pairs = []
            for example in sorted(os.listdir(EXAMPLES)):
                task = os.path.join(EXAMPLES, example, 'input.txt')
                submission = os.path.join(EXAMPLES, example, 'submission.txt')
                if os.path.exists(task) and os.path.exists(submission):
                    pairs.append((example, task, submission, None))
            for name, task_bytes, submission_bytes, pictures in CASES:
                task = os.path.join(folder, name.replace(' ', '-') + '.in')
                submission = os.path.join(folder, name.replace(' ', '-') + '.out')
                with open(task, 'wb') as file:
                    file.write(task_bytes)
                with open(submission, 'wb') as file:
                    file.write(submission_bytes)
                pairs.append((name, task, submission, pictures))
            for name, task, submission, pictures in pairs:
                expected = native_report(folder, task, submission)
                shown, offered, drawn = page_report(driver, task, submission)
                if offered != expected:
                    failures.append(f'{name}: report.txt {offered!r} != {expected!r}')
                if shown != as_shown(expected):
                    failures.append(f'{name}: shown {shown!r} != {expected!r}')
                if pictures is not None and drawn != pictures:
                    failures.append(f'{name}: {drawn} pictures, not {pictures}')
                if failures and failures[-1].startswith(name + ':'):
                    failed.add(name)
            # A file larger than the browser can hold: a message, not a frozen or blank page.
            huge = os.path.join(folder, 'huge.txt')
            with open(huge, 'wb') as file:
                file.truncate(5 << 30)
            driver.get('file://' + PAGE)
            driver.find_element(By.ID, 'task').send_keys(pairs[0][1])
            driver.find_element(By.ID, 'submission').send_keys(huge)
            wait_for(driver, "return document.body.dataset.state === 'failed'", 120)
            if 'too large' not in driver.find_element(By.ID, 'status').text:
                failures.append('huge: ' + driver.find_element(By.ID, 'status').text)
                failed.add('huge')
            print(f'{len(pairs) + 1 - len(failed)} passed, {len(failed)} failed')
        finally:
            driver.quit()
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
