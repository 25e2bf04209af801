// The browser module (kelvdate-web.js) under node, with a stand-in for the
// page's localStorage: its answers are those every other build gives, byte
// for byte, and a preference set in one load holds in the next.
//
// The answers come from the end-to-end cases (tests/e2e/*.jsonl), which the
// native, Windows and node-run kelvhost builds all pass: every case made of
// plain external calls is replayed through the module's one call, a fresh
// load (with empty storage) for each session, and every expected response is
// compared with the answer. Cases that need what a page's host cannot do
// (set-up commands, events between calls, failed memory, the dialog) are
// left out, and the run says which.
//
//   node module-test.js KELVDATE_WEB_JS CASE.jsonl...
'use strict';

const fs = require('fs');
const path = require('path');

const [modulePath, ...caseFiles] = process.argv.slice(2);
const loadModule = require(path.resolve(modulePath));
const { readCase, functionCount } = require('./cases.js');

let failures = 0;
let checks = 0;
function check(name, expected, actual) {
  checks++;
  const want = JSON.stringify(expected);
  const got = JSON.stringify(actual);
  if (want !== got) {
    failures++;
    console.log(`FAIL ${name}\n  expected ${want}\n  got      ${got}`);
  }
}

// The page's storage, as a browser keeps it: texts under keys.
function fakeStorage() {
  const items = new Map();
  return {
    items,
    getItem: (key) => (items.has(key) ? items.get(key) : null),
    setItem: (key, value) => { items.set(key, String(value)); },
    removeItem: (key) => { items.delete(key); },
  };
}

async function load(storage) {
  if (storage === undefined) delete globalThis.localStorage;
  else globalThis.localStorage = storage;
  return loadModule();
}

// What the module should answer for a kelvhost response.
function expectedAnswer(response) {
  const boxes = (response.message_boxes || []).map((box) => ({ title: box.caption, text: box.text }));
  if (response.outcome === 'none') return { result: null, boxes };
  if (response.outcome === 'result') {
    if ('result_length' in response) return { result_length: response.result_length, boxes };
    return { result: response.result, boxes };
  }
  return null;
}

function answerAsCompared(answer, expected) {
  const shown = { result: answer.result, boxes: answer.boxes };
  if (expected !== null && 'result_length' in expected && typeof answer.result === 'string')
    return { result_length: answer.result.length, boxes: answer.boxes };
  if ('error' in answer) shown.error = answer.error;
  return shown;
}

async function replayCases() {
  let calls = 0;
  let unchecked = 0;
  for (const file of caseFiles) {
    const name = path.basename(file);
    const kase = readCase(file);
    if (kase.reason) {
      console.log(`skip ${name}: ${kase.reason}`);
      continue;
    }
    let fileCalls = 0;
    let sessionsSkipped = 0;
    for (const session of kase.sessions) {
      if (session.skipped) {
        sessionsSkipped++;
        continue;
      }
      const kelv = await load(fakeStorage());
      for (const { request, expected, line } of session) {
        const answer = kelv.externalCall(request.call, request.param === undefined ? '' : request.param);
        // A call the host refused memory for still runs (its preference
        // changes follow), but a page's host never refuses: no answer to compare.
        if (request.memory_error) {
          unchecked++;
          continue;
        }
        const want = expectedAnswer(expected);
        if (want === null) {
          check(`${name}:${line} has an answer kelvhost gives`, 'result or none', expected);
          continue;
        }
        check(`${name}:${line} ${JSON.stringify(request.call)}`, want, answerAsCompared(answer, want));
        fileCalls++;
      }
    }
    const left = sessionsSkipped > 0 ? ` (${sessionsSkipped} of its ${kase.sessions.length} sessions left out: they open the dialog)` : '';
    console.log(`ok   ${name}: ${fileCalls} answers compared${left}`);
    calls += fileCalls;
  }
  console.log(`${calls} answers compared with the other builds' (${unchecked} refused-memory calls run unchecked)`);
  return calls;
}

// The file a first start writes, then one with the preferences of
// tests/e2e/prefs_persist.jsonl, as its expect_file lines spell them.
function prefsBytes(timeFormat, dateFormat, timeSep, dateSep, minuteStep, timePad) {
  const bytes = Buffer.alloc(280);
  bytes.writeInt32LE(timeFormat, 0);
  bytes.writeInt32LE(dateFormat, 4);
  bytes[8] = timeSep.charCodeAt(0);
  bytes[9] = dateSep.charCodeAt(0);
  bytes.writeInt32LE(minuteStep, 12);
  bytes.writeInt32LE(1, 16);
  bytes[20] = timePad;
  bytes[21] = 1;
  bytes[22] = 0;
  bytes.write('The date range specified is too large.\nSpecify a smaller date range and try again.', 23, 'latin1');
  return bytes;
}

function storedPrefs(storage) {
  const saved = storage.getItem('KELVDATE.FMX/DateTimePrefs.dtp');
  return saved === null ? null : Buffer.from(saved, 'base64').toString('hex');
}

async function preferencesPersist() {
  const storage = fakeStorage();
  const first = await load(storage);
  check('a first start keeps the default file', prefsBytes(6, 13, ':', '/', 1, 1).toString('hex'),
        storedPrefs(storage));
  check('date order set', { result: null, boxes: [] }, first.externalCall('Kelv-DatePrefs', 'DDMMYYYY|.|1'));
  check('clock set', { result: null, boxes: [] }, first.externalCall('Kelv-TimePrefs', '24|:|0'));
  check('minute step set', { result: null, boxes: [] }, first.externalCall('Kelv-MinuteIncrementPrefs', '-5'));
  check('the storage holds the file a Shutdown writes', prefsBytes(7, 15, ':', '.', -5, 0).toString('hex'),
        storedPrefs(storage));
  check('the module shows the same file to the page', prefsBytes(7, 15, ':', '.', -5, 0).toString('latin1'),
        first.preferenceFile());

  const second = await load(storage);  // the page reloaded
  check('reloaded: the date order holds', { result: '25.12.2001', boxes: [] },
        second.externalCall('Kelv-FormatDate', '25.12.2001'));
  check('reloaded: dates read day first', { result: '1', boxes: [] },
        second.externalCall('Kelv-DiffDays', '25.12.2001|26.12.2001'));
  check('reloaded: the clock holds', { result: '9:05', boxes: [] }, second.externalCall('Kelv-FormatTime', '9:05'));

  const other = await load(fakeStorage());  // another browser: its own storage
  check('other storage: the defaults', { result: '12/25/2001', boxes: [] },
        other.externalCall('Kelv-FormatDate', '12/25/2001'));

  const damaged = fakeStorage();
  damaged.setItem('KELVDATE.FMX/DateTimePrefs.dtp', '*not base64*');
  const fromDamaged = await load(damaged);
  check('storage that is not base64 counts as no file', { result: '12/25/2001', boxes: [] },
        fromDamaged.externalCall('Kelv-FormatDate', '12/25/2001'));

  const none = await load(undefined);
  check('no storage at all: the defaults, and calls answer', { result: '2', boxes: [] },
        none.externalCall('Kelv-DiffDays', '1/1/2001|1/3/2001'));
  check('no storage: a preference lasts for the page', { result: '25.12.01', boxes: [] },
        (none.externalCall('Kelv-DatePrefs', 'DDMMYY|.|1'), none.externalCall('Kelv-FormatDate', '25.12.2001')));
  check('no storage: the module still shows the file in force', [16, '.'],
        [Buffer.from(none.preferenceFile(), 'latin1').readInt32LE(4), none.preferenceFile().charAt(9)]);
}

async function theOneCall() {
  const kelv = await load(fakeStorage());
  const rows = [
    // [what, function, parameter, answer]
    ['by name, case ignored', 'kelv-diffdays', '1/1/2001|1/3/2001', { result: '2', boxes: [] }],
    ['by id', 30, '', { result: '3.02', boxes: [] }],
    ['by id as text', '3', '1/1/2001|1/3/2001', { result: '2', boxes: [] }],
    ['the first id past the table is the plug-in\'s "??"', functionCount(), '1/1/2001', { result: '??', boxes: [] }],
    ['so is the id kelvhost names for it', '(past the table)', '1/1/2001', { result: '??', boxes: [] }],
    ['a list keeps its CR separators', 'Kelv-DateList (Years)', '1/1/2001|1/1/2003',
     { result: '2001\r2002\r2003', boxes: [] }],
    ['an empty parameter is "??"', 'Kelv-DiffDays', '', { result: '??', boxes: [] }],
    ['bytes above 127 pass through both ways', 'Kelv-MakeList', 'pre=\u00ab|post=\u00bb|a\u00e9\rb',
     { result: '\u00aba\u00e9\u00bb\r\u00abb\u00bb', boxes: [] }],
    ['an unknown name is an error of the call', 'Kelv-NoSuch', '',
     { error: 'unknown function "Kelv-NoSuch"', result: null, boxes: [] }],
    ['a character above U+00FF is an error of the call', 'Kelv-DiffDays', '1/1/2001|\u20ac',
     { error: 'the parameter must be characters U+0000..U+00FF', result: null, boxes: [] }],
  ];
  for (const [what, fn, param, answer] of rows) check(what, answer, kelv.externalCall(fn, param));

  // The overflow message: a box the first time, none within 3000 ms. The
  // first comes at once, though a page's monotonic clock starts at 0 when the
  // page loads: node's is made to start at the load here, as a page's does.
  const machineClock = process.hrtime;
  const loaded = machineClock();
  process.hrtime = (since) => machineClock(since === undefined ? loaded : since);
  check('overflow message on', { result: null, boxes: [] },
        kelv.externalCall('Kelv-OverflowMessagePrefs', 'Too big! \u00e9'));
  check('an overflow shows the box', { result: '??', boxes: [{ title: 'Overflow Message', text: 'Too big! \u00e9' }] },
        kelv.externalCall('Kelv-ListNumbers', 'start=1|end=100000|inc=1'));
  check('a second overflow at once shows none', { result: '??', boxes: [] },
        kelv.externalCall('Kelv-DateList (days)', '1/1/2001|1/1/2101'));
  process.hrtime = machineClock;
}

(async () => {
  const compared = await replayCases();
  if (compared < 300) check('the cases give a few hundred answers to compare', '>= 300', compared);
  await preferencesPersist();
  await theOneCall();
  console.log(`${checks - failures} of ${checks} checks passed`);
  process.exit(failures === 0 ? 0 : 1);
})().catch((error) => {
  console.log(`FAIL ${error.stack}`);
  process.exit(1);
});
