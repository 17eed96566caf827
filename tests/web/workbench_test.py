"""pelvano.html as a contestant's workbench, in a real headless Chromium: picks in quick
succession, a file rewritten and picked again, "Judge again", several runs against a best.csv
compared as `pelvano-judge compare` compares them, a failure past the fiftieth block drawn
and named, and the page in Slovene and in English (screenshots beside the test's output).

    workbench_test.py PAGE NATIVE_PELVANO NATIVE_JUDGE SCREENSHOT_FOLDER
"""
import csv
import io
import os
import subprocess
import sys
import tempfile
import time

from selenium.webdriver.common.by import By

from browser import start_browser, wait_for

PAGE, NATIVE, JUDGE, SHOTS = sys.argv[1:5]
TASK = (b'Tolvarustepnik\n3\n\n1 2 2 2\n5 1\n5 1\n\n2 4 3 3\n1 2 3 4\n5 6 7 8\n9 10 11 12\n\n'
        b'3 3 3 2\n1 1 1\n1 9 1\n1 1 1\n')
HEAD = b'123456\nTolvarustepnik\n'
PASSING = HEAD + b'2\n1 1 2 2\n1 1 2 2\n3 3 3 3\n1\n1 2\n1 2\n'
BLOCK = b'1\n1 2\n1 2\n'
# A large submission that fails at its very end, and one that fails at block 121.
LARGE_FAILING = HEAD + BLOCK * 3000000 + b'1\n1 1\n1 1\n'
FAILS_AT_121 = HEAD + BLOCK * 120 + b'3\n1 1 1\n1 1 1\n1 1 1\n'
RUNS = {
    'run1.txt': PASSING,
    'run2.txt': b'000000\nTolvarustepnik\n1\n0 1\n1 1\n2\n0 1 2 2\n2 2 2 2\n2 2 2 2\n3\n0 1 1\n'
                b'1 1 1\n1 1 1\n',
    'run3.txt': b'111111\nTolvarustepnik\n2\n1 1 1 2\r\n1 1 3 2\r\n1 3 3 2\n\n1\n1 1\n2 2\n1\n'
                b'1 1\n1 2\n',
}
BESTS = b'case,spread,submission\r\n1,0,jury\r\n2,4,jury\r\n3,1,jury\r\n'


def opened(driver, task):
    """The page, opened afresh once it is ready, with `task` picked."""
    driver.get('file://' + PAGE)
    wait_for(driver, 'return document.body.dataset.ready')
    driver.find_element(By.ID, 'task').send_keys(task)


def native_report(folder, task, submission):
    report = os.path.join(folder, 'native-report.txt')
    subprocess.run([NATIVE, 'eval', task, submission, report], check=True)
    with open(report, 'rb') as file:
        return file.read().decode('latin-1')


class Page:
    def __init__(self, driver, folder, task):
        self.driver, self.folder, self.task = driver, folder, task
        self.expected = {}  # a submission's file name: its native report

    def write(self, name, content):
        path = os.path.join(self.folder, name)
        with open(path, 'wb') as file:
            file.write(content)
        self.expected[name] = native_report(self.folder, self.task, path)
        return path

    def shown(self):
        """The report shown and the submission the page names, at this moment."""
        return self.driver.execute_script(
            "const r = document.getElementById('report').textContent;"
            "const s = document.getElementById('run').selectedOptions[0];"
            "return [r, s ? s.textContent : null, document.body.dataset.pictures || ''];")

    def check_never_stale(self, seconds, failures, what):
        """Watches the page: any report it shows is the native report of the file it names."""
        deadline = time.time() + seconds
        while time.time() < deadline:
            report, name, _ = self.shown()
            if report and (name not in self.expected or
                           report.encode('latin-1', 'replace') !=
                           self.expected[name].encode('latin-1', 'replace')):
                failures.append(f'{what}: shows {report[:60]!r} for {name}')
                return
            time.sleep(0.01)

    def settled(self, name):
        wait_for(self.driver, "return document.body.dataset.pictures === 'drawn' || "
                              "document.body.dataset.state === 'failed'")
        report, shown_name, _ = self.shown()
        return shown_name == name and report == self.expected[name]


def quick_picks(page, failures):
    driver = page.driver
    large = page.write('large-failing.txt', LARGE_FAILING)
    small = page.write('small-passing.txt', PASSING)
    for delay in [0, 0.02, 0.1]:
        for first, second in [(large, small), (small, large)]:
            opened(driver, page.task)
            driver.find_element(By.ID, 'submission').send_keys(first)
            time.sleep(delay)
            driver.find_element(By.ID, 'submission').send_keys(second)
            page.check_never_stale(0.5, failures, f'picks {delay}')
            if not page.settled(os.path.basename(second)):
                failures.append(f'picks at {delay} s: {page.shown()[:2]} after '
                                f'{os.path.basename(second)}')


def repicks(page, failures):
    driver = page.driver
    path = page.write('rewritten.txt', PASSING)
    opened(driver, page.task)
    driver.find_element(By.ID, 'submission').send_keys(path)
    if not page.settled('rewritten.txt'):
        failures.append('rewritten: first pick')
    # The program rewrites the file; picked again, it is read again.
    page.write('rewritten.txt', HEAD + b'1\n1 1\n1 1\n')
    driver.find_element(By.ID, 'submission').send_keys(path)
    page.check_never_stale(0.3, failures, 'repick')
    if not page.settled('rewritten.txt'):
        failures.append(f'rewritten: the second pick shows {page.shown()[0]!r}')
    # Rewritten again, then "Judge again": the new report, or word that it changed; never
    # the old report.
    page.write('rewritten.txt', PASSING)
    driver.find_element(By.ID, 'again').click()
    wait_for(driver, "return document.body.dataset.pictures === 'drawn' || "
                     "document.body.dataset.state === 'failed'")
    report, _, _ = page.shown()
    status = driver.find_element(By.ID, 'status').text
    if report and report != page.expected['rewritten.txt']:
        failures.append(f'judge again: shows {report!r}')
    if not report and 'changed' not in status:
        failures.append(f'judge again: {status}')


def comparison(page, failures):
    driver = page.driver
    paths = [page.write(name, content) for name, content in RUNS.items()]
    bests = os.path.join(page.folder, 'best.csv')
    with open(bests, 'wb') as file:
        file.write(BESTS)
    opened(driver, page.task)
    driver.find_element(By.ID, 'reference').send_keys(bests)
    driver.find_element(By.ID, 'submission').send_keys('\n'.join(paths))
    wait_for(driver, "return document.body.dataset.pictures === 'drawn'")
    shown = driver.execute_script(
        "return Array.from(document.querySelectorAll('#comparison tr')).map("
        "  (row) => Array.from(row.cells).map((cell) => cell.textContent));")
    table = subprocess.run([JUDGE, 'compare', page.task, '--reference', bests, '--csv', *paths],
                           check=True, capture_output=True, text=True).stdout
    rows = list(csv.reader(io.StringIO(table)))
    expected = [['Case', 'best', 'run1', 'run2', 'run3']]
    for row in rows[1:-2]:
        cells = [row[0], row[1] or '-']
        for spread, points in zip(row[2::2], row[3::2]):
            cells.append(f'{spread} ({points})' if spread else '-')
        expected.append(cells)
    expected.append(['', ''] + [points for points in rows[-2][3::2]])
    # The page adds "+N" for the blocks that do not count, and names the total in its language.
    shown = [[cell.split(' +')[0] for cell in row] for row in shown]
    shown[-1][0] = ''
    if shown[1:] != expected[1:]:
        failures.append(f'comparison: the page shows {shown}, compare prints {expected}')


def failure_past_fifty(page, failures):
    driver = page.driver
    path = page.write('fails-at-121.txt', FAILS_AT_121)
    opened(driver, page.task)
    driver.find_element(By.ID, 'submission').send_keys(path)
    wait_for(driver, "return document.body.dataset.pictures === 'drawn'")
    titles = driver.execute_script(
        "return Array.from(document.querySelectorAll('#pictures > svg > title')).map("
        "  (t) => t.textContent);")
    hints = driver.find_element(By.ID, 'hints').text
    status = driver.find_element(By.ID, 'status')
    if not any(title.startswith('Block 121: case 3') for title in titles):
        failures.append(f'block 121 not drawn: {titles[-2:]}')
    if 'Block 121 answers case 3: lines 363 to 366.' not in hints:
        failures.append(f'block 121 not named: {hints!r}')
    if 'error' not in status.get_attribute('class'):
        failures.append('a rejection is not shown as an error')


# The first cell of the first picture pointed at: the tooltip names its row, column and
# population and its region's label.
POINT_AT_FIRST_CELL = """
const svg = document.querySelector('#pictures > svg');
svg.scrollIntoView();
const grid = svg.querySelector('g.grid');
const d = grid.dataset;
const at = new DOMPoint(Number(d.x) + d.cellWidth / 2, Number(d.y) + d.cellHeight / 2)
    .matrixTransform(grid.getScreenCTM());
document.elementFromPoint(at.x, at.y).dispatchEvent(
    new MouseEvent('mousemove', {clientX: at.x, clientY: at.y, bubbles: true}));
"""


def pictures_speak(driver, language, failures):
    """The pictures' words and the tooltip of the cell under the pointer in `language`."""
    block, cell, label = {'sl': ('Blok 1:', 'Vrstica 1, stolpec 1: prebivalcev ', 'oznaka 1'),
                          'en': ('Block 1:', 'Row 1, column 1: population ', 'label 1')}[language]
    wait_for(driver, "return document.body.dataset.pictures === 'drawn' && "
                     f"document.querySelector('#pictures > svg > title').textContent"
                     f".startsWith('{block}')")
    driver.execute_script(POINT_AT_FIRST_CELL)
    tip = wait_for(driver, "const t = document.getElementById('cell-tip');"
                           "return !t.hidden && t.textContent;")
    if not tip.startswith(cell) or label not in tip:
        failures.append(f'{language}: the cell under the pointer shows {tip!r}')


def languages(folder, task, failures):
    for language, words in [('sl', 'Primerjava oddaj'), ('en', 'The runs compared')]:
        driver = start_browser(os.path.join(folder, 'profile-' + language), language)
        try:
            page = Page(driver, folder, task)
            comparison(page, failures)
            pictures_speak(driver, language, failures)
            text = driver.find_element(By.TAG_NAME, 'body').text
            if driver.execute_script('return document.documentElement.lang') != language or \
                    words not in text:
                failures.append(f'{language}: the page is not in its language')
            shot = os.path.join(SHOTS, f'workbench-{language}.png')
            driver.save_screenshot(shot)
            if os.path.getsize(shot) < 10000:
                failures.append(f'{language}: an empty screenshot')
            # The switch redraws the pictures in the other language.
            other = 'en' if language == 'sl' else 'sl'
            driver.execute_script(
                f"const s = document.getElementById('language'); s.value = '{other}';"
                "s.dispatchEvent(new Event('change'));")
            pictures_speak(driver, other, failures)
        finally:
            driver.quit()


def main():
    failures = []
    os.makedirs(SHOTS, exist_ok=True)
    with tempfile.TemporaryDirectory() as folder:
        task = os.path.join(folder, 'task.txt')
        with open(task, 'wb') as file:
            file.write(TASK)
        checks = [quick_picks, repicks, failure_past_fifty]
        failed = 0
        driver = start_browser(os.path.join(folder, 'profile'), 'en')
        try:
            page = Page(driver, folder, task)
            for check in checks:
                before = len(failures)
                check(page, failures)
                failed += len(failures) > before
        finally:
            driver.quit()
        before = len(failures)
        languages(folder, task, failures)
        failed += len(failures) > before
    print(f'{len(checks) + 1 - failed} passed, {failed} failed')
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
