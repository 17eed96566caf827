// The page's worker: judges the two files with the core compiled to WebAssembly, off the
// page's own thread, and sends back the report, the answered cases and the pictures.
'use strict';

// A task and submission of the usual shapes, judged once when the worker starts: the browser
// first runs WebAssembly with a quick compiler and recompiles what runs most, so the
// contestant's own files are judged by the optimised code.
function warmUpFiles() {
  let seed = 7;
  const next = (range) => (seed = (seed * 1103515245 + 12345) % 2147483648) % range;
  const task = ['Tolvarustepnik\n2\n'];
  const submission = ['123456\nTolvarustepnik\n'];
  task.push('\n1 300 300 300\n');
  const labels = Array.from({length: 300}, () => 100000000 + next(900000000));
  let rows = [];
  for (let r = 0; r < 300; ++r) {
    const populations = [];
    const row = [];
    for (let c = 0; c < 300; ++c) {
      populations.push(next(22001));
      row.push(labels[Math.floor(r / 15) * 15 + Math.floor(c / 20)]);
    }
    task.push(populations.join(' ') + '\n');
    rows.push(row.join(' ') + '\n');
  }
  submission.push('1\n' + rows.join(''));
  task.push('\n2 3 3 3\n1 2 3\n4 5 6\n7 8 9\n');
  for (let b = 0; b < 20000; ++b) submission.push('2\n1 1 1\n2 2 2\n3 3 3\n');
  const encoder = new TextEncoder();
  return [encoder.encode(task.join('')), encoder.encode(submission.join(''))];
}

// Judges the warm-up files until the optimised code has taken over: until two rounds in a
// row take less than half the first one's time (the browser compiles in the background), or
// for twelve rounds at the most.
async function warmUp(module) {
  const [task, submission] = warmUpFiles();
  const taskAt = copyIn(module, task);
  const submissionAt = copyIn(module, submission);
  const times = [];
  for (let round = 0; round < 12; ++round) {
    const started = performance.now();
    module._pelvano_judge(taskAt, task.byteLength, submissionAt, submission.byteLength);
    times.push(performance.now() - started);
    const fast = times.filter((time, i) => i > 0 && time < times[0] / 2);
    if (fast.length >= 2 && times[times.length - 1] < times[0] / 2) break;
    // Leaves the background compilation a moment between rounds.
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
  module._free(taskAt);
  module._free(submissionAt);
}

const pelvanoModule = createPelvano().then(async (module) => {
  await warmUp(module);
  postMessage({kind: 'ready'});
  return module;
});

// Copies `bytes` into the module's memory; 0 when there is no room for them.
function copyIn(module, bytes) {
  const at = module._malloc(Math.max(bytes.byteLength, 1));
  if (at !== 0) module.HEAPU8.set(new Uint8Array(bytes), at);
  return at;
}

const kTooLarge =
    'These files are too large for this browser\'s memory. Check them with the Pelvano ' +
    'program instead.';

onmessage = async (event) => {
  const {task, submission, pictureLimit} = event.data;
  let module;
  try {
    module = await pelvanoModule;
  } catch (error) {
    postMessage({kind: 'error', message: 'The judge could not start in this browser: ' + error});
    return;
  }
  const taskAt = copyIn(module, task);
  const submissionAt = taskAt === 0 ? 0 : copyIn(module, submission);
  try {
    if (submissionAt === 0) {
      postMessage({kind: 'error', message: kTooLarge});
      return;
    }
    const started = performance.now();
    if (!module._pelvano_judge(taskAt, task.byteLength, submissionAt, submission.byteLength)) {
      postMessage({kind: 'error', message: kTooLarge});
      return;
    }
    const seconds = (performance.now() - started) / 1000;
    const reportAt = module._pelvano_report();
    const report = module.HEAPU8.slice(reportAt, reportAt + module._pelvano_report_size());
    const cases = [];
    for (let i = 0; i < module._pelvano_result_count(); ++i) {
      cases.push([module._pelvano_result_case(i), module._pelvano_result_spread(i)]);
    }
    postMessage({kind: 'report', report: report.buffer, cases, seconds}, [report.buffer]);

    const pictures = [];
    if (module._pelvano_draw(taskAt, task.byteLength, submissionAt, submission.byteLength,
                             pictureLimit)) {
      for (let i = 0; i < module._pelvano_picture_count(); ++i) {
        pictures.push(module.UTF8ToString(module._pelvano_picture(i)));
      }
    }
    postMessage({kind: 'pictures', pictures, blocks: module._pelvano_block_count()});
  } catch (error) {
    postMessage({kind: 'error', message: kTooLarge + ' (' + error + ')'});
  } finally {
    if (taskAt !== 0) module._free(taskAt);
    if (submissionAt !== 0) module._free(submissionAt);
  }
};
