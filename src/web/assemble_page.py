"""Puts the worker (the module's glue with the WebAssembly inside, then worker.js) into the
page, which then needs nothing else: it works opened from the disk, with no server."""
import sys

page_path, glue_path, worker_path, out_path = sys.argv[1:5]
worker = open(glue_path, encoding='utf-8').read() + '\n' + open(worker_path, encoding='utf-8').read()
# The worker stands in a <script> element: no "</script" may end it early.
worker = worker.replace('</script', '<\\/script')
if '</script' in worker.lower():
    sys.exit('the worker holds "</script" in a form that cannot be escaped')
page = open(page_path, encoding='utf-8').read()
assert page.count('@WORKER_SOURCE@') == 1
open(out_path, 'w', encoding='utf-8').write(page.replace('@WORKER_SOURCE@', worker))
