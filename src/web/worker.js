// The page's worker: judges the files with the core compiled to WebAssembly, off the page's
// own thread. Every answer carries the judgement (`generation`) it belongs to, so that the
// page shows nothing of a judgement it has since replaced.
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

// Copies `bytes` into the module's memory; 0 when there is no room for them.
function copyIn(module, bytes) {
  const at = module._malloc(Math.max(bytes.byteLength, 1));
  if (at !== 0) module.HEAPU8.set(new Uint8Array(bytes), at);
  return at;
}

// A string into the module's memory as UTF-8, ended by a NUL.
function copyInText(module, text) {
  return copyIn(module, new TextEncoder().encode(text + '\0'));
}

// The module's answer to its last call, as bytes or as parsed JSON.
function answerBytes(module) {
  const at = module._pelvano_text();
  return module.HEAPU8.slice(at, at + module._pelvano_text_size());
}
function answerJson(module) {
  return JSON.parse(new TextDecoder().decode(answerBytes(module)));
}

// Judges the warm-up files until the optimised code has taken over: until two rounds in a
// row take less than half the first one's time (the browser compiles in the background), or
// for twelve rounds at the most.
async function warmUp(module) {
  const [task, submission] = warmUpFiles();
  const taskAt = copyIn(module, task);
  const submissionAt = copyIn(module, submission);
  const nameAt = copyInText(module, 'warm-up');
  const times = [];
  for (let round = 0; round < 12; ++round) {
    const started = performance.now();
    module._pelvano_task(taskAt, task.byteLength, 0);
    module._pelvano_run(nameAt, submissionAt, submission.byteLength, 0, 0);
    times.push(performance.now() - started);
    const fast = times.filter((time, i) => i > 0 && time < times[0] / 2);
    if (fast.length >= 2 && times[times.length - 1] < times[0] / 2) break;
    // Leaves the background compilation a moment between rounds.
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
  for (const at of [taskAt, submissionAt, nameAt]) module._free(at);
}

const pelvanoModule = createPelvano().then(async (module) => {
  await warmUp(module);
  module._pelvano_check_codes();
  postMessage({kind: 'ready', codes: answerJson(module)});
  return module;
});

const kTooLarge = 'too-large';

// Each of `buffers` in the module's memory for the time of `work`, then freed; the work is
// given their addresses, or kTooLarge is thrown when there is no room.
function withCopies(module, buffers, work) {
  const addresses = [];
  try {
    for (const buffer of buffers) {
      const at = copyIn(module, buffer);
      if (at === 0) throw new Error(kTooLarge);
      addresses.push(at);
    }
    return work(addresses);
  } finally {
    for (const at of addresses) module._free(at);
  }
}

function call(result) {
  if (!result) throw new Error(kTooLarge);
}

// The task, then every run against it; the runs compared; the first run drawn.
function judge(module, message) {
  const {generation, task, runs, reference, pictureLimit, slovene} = message;
  const total = task.bytes.byteLength + runs.reduce((sum, run) => sum + run.bytes.byteLength, 0);
  // The judging's own time, not the copying into the module's memory; the first run's time
  // counts the task's reading too, as `Pelvano eval`'s would.
  let taskSeconds = 0;
  withCopies(module, [task.bytes], ([taskAt]) => {
    const started = performance.now();
    call(module._pelvano_task(taskAt, task.bytes.byteLength, total));
    taskSeconds = (performance.now() - started) / 1000;
  });
  let offset = task.bytes.byteLength;
  runs.forEach((run, index) => {
    let seconds = index === 0 ? taskSeconds : 0;
    withCopies(module, [run.bytes, new TextEncoder().encode(run.name + '\0')], ([at, nameAt]) => {
      const started = performance.now();
      call(module._pelvano_run(nameAt, at, run.bytes.byteLength, offset, total));
      seconds += (performance.now() - started) / 1000;
    });
    const report = answerBytes(module);
    call(module._pelvano_blocks(index));
    postMessage({kind: 'report', generation, run: index, report: report.buffer, seconds,
                 blocks: answerJson(module), taskPassed: module._pelvano_task_passed() === 1},
                [report.buffer]);
    offset += run.bytes.byteLength;
  });
  withCopies(module, [reference || new ArrayBuffer(0)], ([at]) => {
    call(module._pelvano_comparison(at, reference ? reference.byteLength : 0, reference ? 1 : 0));
  });
  postMessage({kind: 'comparison', generation, comparison: answerJson(module)});
  if (runs.length > 0) draw(module, {generation, run: 0, bytes: runs[0].bytes, pictureLimit, slovene});
}

function draw(module, {generation, run, bytes, pictureLimit, slovene}) {
  withCopies(module, [bytes], ([at]) => {
    call(module._pelvano_draw(at, bytes.byteLength, pictureLimit, slovene ? 1 : 0));
  });
  const pictures = [];
  for (let i = 0; i < module._pelvano_picture_count(); ++i) {
    pictures.push(module.UTF8ToString(module._pelvano_picture(i)));
  }
  postMessage({kind: 'pictures', generation, run, pictures, hints: answerJson(module),
               blocks: module._pelvano_block_count(), slovene});
}

function best(module, {generation, runs}) {
  withCopies(module, runs, (addresses) => {
    const pointers = module._malloc(4 * runs.length + 4);
    const sizes = module._malloc(4 * runs.length + 4);
    try {
      const pointerView = new Uint32Array(module.HEAPU8.buffer, pointers, runs.length);
      const sizeView = new Uint32Array(module.HEAPU8.buffer, sizes, runs.length);
      runs.forEach((bytes, i) => {
        pointerView[i] = addresses[i];
        sizeView[i] = bytes.byteLength;
      });
      call(module._pelvano_best(pointers, sizes, runs.length));
    } finally {
      module._free(pointers);
      module._free(sizes);
    }
  });
  const at = module._pelvano_best_file();
  const file = module.HEAPU8.slice(at, at + module._pelvano_best_size());
  postMessage({kind: 'best', generation, file: file.buffer, ...answerJson(module)}, [file.buffer]);
}

onmessage = async (event) => {
  const message = event.data;
  self.generation = message.generation;
  let module;
  try {
    module = await pelvanoModule;
  } catch (error) {
    postMessage({kind: 'error', generation: message.generation, message: 'no-start',
                 detail: String(error)});
    return;
  }
  try {
    if (message.kind === 'judge') judge(module, message);
    if (message.kind === 'draw') draw(module, message);
    if (message.kind === 'best') best(module, message);
    if (message.kind === 'cell') {
      const {caseNumber, row, column} = message;
      postMessage({kind: 'cell', generation: message.generation, caseNumber, row, column,
                   population: module._pelvano_cell(caseNumber, row, column)});
    }
  } catch (error) {
    postMessage({kind: 'error', generation: message.generation, message: kTooLarge,
                 detail: String(error)});
  }
};
