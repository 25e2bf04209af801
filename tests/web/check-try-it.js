// The HTML manual's "Try it" boxes in a real browser (headless Chromium):
// every checked example of the manual is typed into its function's box, its
// session's preference calls into theirs, and the answer the box shows must
// be the example's exact answer. Then a preference set in the panel must
// hold when the page is reloaded, and the overflow message must come as the
// page's notice, once within three seconds. Writes a picture of one box.
//
//   node check-try-it.js MANUAL.html PICTURE.png CASE.jsonl...
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const { Browser } = require('./browser.js');
const { readCase } = require('./cases.js');

const [manual, picture, ...caseFiles] = process.argv.slice(2);
const kNoResult = '(no result: the field keeps what it had)';
const kEmpty = '(an empty text)';
const kError = '?? is the error answer: see \u201cWhy do I get ??\u201d';

let failures = 0;
function fault(text) {
  failures++;
  console.log(`FAIL ${text}`);
}
function check(what, expected, actual) {
  const want = JSON.stringify(expected);
  const got = JSON.stringify(actual);
  if (want !== got) fault(`${what}\n  expected ${want}\n  got      ${got}`);
}

// What a person types for a parameter: a formula's ¶ for CR, ␊ for LF.
function typed(param) { return param.replace(/\r/g, '\u00b6').replace(/\n/g, '\u240a'); }
// What the box shows for a result: CR as a line break, LF as ␊.
function shown(result) { return result.replace(/\n/g, '\u240a').replace(/\r/g, '\n'); }

// What the box should show for a kelvhost response.
function expectedBox(response) {
  if (response.outcome === 'none') return { kind: 'no result', outcome: kNoResult, result: '' };
  if (response.outcome !== 'result') return null;
  if ('result_length' in response) return { kind: 'text', outcome: '', length: response.result_length };
  if (response.result === '') return { kind: 'empty', outcome: kEmpty, result: '' };
  if (response.result === '??') return { kind: 'error', outcome: kError, result: '??' };
  return { kind: 'text', outcome: '', result: shown(response.result) };
}

// In the page: back to the default preferences, as the Reset button does it,
// then each call typed into its box and the box's answer read.
const kDriver = `async function (steps) {
  document.getElementById('try-reset').click();
  if (!(await kelvTryIt.loaded())) return 'the plug-in did not load';
  const notice = () => { const n = document.querySelector('.try-notice'); return n ? Number(n.dataset.shown) : 0; };
  return steps.map(function (step) {
    const box = document.querySelector('.try-it[data-function="' + CSS.escape(step.call) + '"]');
    if (box === null) return null;
    box.querySelector('.try-param').value = step.typed;
    const before = notice();
    box.querySelector('.try-call').click();
    const result = box.querySelector('.try-result');
    return { kind: box.dataset.outcome, outcome: box.querySelector('.try-outcome').textContent,
             result: result.hidden ? '' : result.textContent, notices: notice() - before };
  });
}`;

async function examples(page) {
  let compared = 0;
  for (const file of caseFiles) {
    const name = path.basename(file);
    const kase = readCase(file);
    if (kase.reason) {
      fault(`${name} ${kase.reason}: the manual's examples must be plain calls`);
      continue;
    }
    let skipped = 0;
    for (const session of kase.sessions) {
      // The page's host never refuses memory, so such a session's answers differ.
      const why = session.skipped || (session.some((s) => s.request.memory_error) ? 'refuses memory to a call' : null);
      if (why) {
        console.log(`skip ${name}: a session that ${why}`);
        skipped++;
        continue;
      }
      const steps = session.map((s) => ({ call: s.request.call, typed: typed(s.request.param || '') }));
      const seen = await page.evaluate(`(${kDriver})(${JSON.stringify(steps)})`);
      if (typeof seen === 'string') {
        fault(`${name}: ${seen}`);
        return compared;
      }
      session.forEach((step, i) => {
        const where = `${name}:${step.line} ${step.request.call}(${JSON.stringify(step.request.param || '')})`;
        const want = expectedBox(step.expected);
        const got = seen[i];
        if (got === null) return fault(`${where}: the page has no box for it`);
        if (want === null) return fault(`${where}: expected ${JSON.stringify(step.expected)} is no answer`);
        const boxes = (step.expected.message_boxes || []).length;
        const actual = { kind: got.kind, outcome: got.outcome };
        if ('length' in want) actual.length = got.result.length;
        else actual.result = got.result;
        check(where, { ...want, notices: boxes }, { ...actual, notices: got.notices });
        compared++;
      });
    }
    console.log(`ok   ${name}: ${kase.sessions.length - skipped} sessions typed into the boxes, ${skipped} skipped`);
  }
  return compared;
}

// A box's call, typed and clicked.
function callExpression(fn, param) {
  return `(function () {
    const box = document.querySelector('.try-it[data-function="' + CSS.escape(${JSON.stringify(fn)}) + '"]');
    box.querySelector('.try-param').value = ${JSON.stringify(typed(param))};
    box.querySelector('.try-call').click();
    const n = document.querySelector('.try-notice');
    return { result: box.querySelector('.try-result').textContent, kind: box.dataset.outcome,
             notice: n && !n.hidden ? n.textContent : null, notices: n ? Number(n.dataset.shown) : 0 };
  })()`;
}

// Each row of the panel sets its preference; after a reload the panel shows
// them all and the boxes answer by them.
async function preferencesHold(page) {
  const set = await page.evaluate(`(async function () {
    document.getElementById('try-reset').click();
    await kelvTryIt.loaded();
    const statuses = [];
    const setRow = function (values, button) {
      for (const id in values) {
        const e = document.getElementById(id);
        if (e.type === 'checkbox') e.checked = values[id]; else e.value = values[id];
      }
      document.getElementById(button).click();
      statuses.push(document.querySelector('.try-panel-status').textContent);
    };
    setRow({ 'try-date-order': 'YYYYMMDD', 'try-date-separator': '-', 'try-date-pad': false }, 'try-set-date');
    setRow({ 'try-clock': '24', 'try-time-separator': '.', 'try-time-pad': true }, 'try-set-time');
    setRow({ 'try-minute-step': '15' }, 'try-set-minutes');
    setRow({ 'try-hour-step': '6' }, 'try-set-hours');
    return statuses;
  })()`);
  const none = '\u2192 ' + kNoResult;
  check('each Set calls its preference function', [
    'Kelv-DatePrefs("YYYYMMDD|-|0") ' + none, 'Kelv-TimePrefs("24|.|1") ' + none,
    'Kelv-MinuteIncrementPrefs("15") ' + none, 'Kelv-HourIncrementPrefs("6") ' + none], set);
  await page.reload();
  const after = await page.evaluate(`(async function () {
    await kelvTryIt.loaded();
    const value = (id) => { const e = document.getElementById(id); return e.type === 'checkbox' ? e.checked : e.value; };
    return ['try-date-order', 'try-date-separator', 'try-date-pad', 'try-clock', 'try-time-separator', 'try-time-pad',
            'try-minute-step', 'try-hour-step'].map(value);
  })()`);
  check('reloaded: the panel shows what was set', ['YYYYMMDD', '-', false, '24', '.', true, '15', '6'], after);
  const answers = [];
  for (const [fn, param] of [['Kelv-FormatDate', '3-5-2001'], ['Kelv-FormatTime', '1.05 pm'],
                             ['Kelv-DateList (Minutes)', '10.00|10.30'], ['Kelv-DateList (Hours)', '0.00|12.00']])
    answers.push((await page.evaluate(callExpression(fn, param))).result);
  check('reloaded: the boxes answer by the preferences set',
        ['2001-3-5', '13.05', '10.00\n10.15\n10.30', '00\n06\n12'], answers);
}

async function overflowNotice(page) {
  await page.evaluate(`(async function () {
    document.getElementById('try-reset').click();
    await kelvTryIt.loaded();
    document.getElementById('try-overflow-message').value = 'Too long for one field.';
    document.getElementById('try-set-message').click();
  })()`);
  const first = await page.evaluate(callExpression('Kelv-ListNumbers', 'start=1|end=100000|inc=1'));
  check('an overflow shows the message as the page\'s notice',
        { result: '??', kind: 'error', notice: 'Overflow MessageToo long for one field.OK', notices: 1 }, first);
  const second = await page.evaluate(callExpression('Kelv-DateList (days)', '1/1/2001|1/1/2101'));
  check('a second overflow at once shows no second notice', { result: '??', notices: 1 },
        { result: second.result, notices: second.notices });
}

async function pictureOfABox(page) {
  await page.evaluate(`(async function () {
    document.getElementById('try-reset').click();
    await kelvTryIt.loaded();
    const box = document.querySelector('.try-it[data-function="Kelv-DateList (days)"]');
    box.querySelector('.try-param').value = kelvFirstExamples['Kelv-DateList (days)'];
    box.querySelector('.try-call').click();
  })()`);
  const region = await page.evaluate(`(function () {
    const box = document.querySelector('.try-it[data-function="Kelv-DateList (days)"]');
    const r = box.getBoundingClientRect();
    return { x: r.left + scrollX - 12, y: r.top + scrollY - 12, width: r.width + 24, height: r.height + 24 };
  })()`);
  await page.picture(region, picture);
  if (!fs.existsSync(picture) || fs.statSync(picture).size === 0) fault('no picture of a box written');
  else console.log(`picture of a box: ${picture}`);
}

(async () => {
  const browserProgram = ['/usr/bin/chromium', '/usr/bin/chromium-browser'].find((p) => fs.existsSync(p));
  if (!browserProgram) {
    console.log('no chromium (tools/install-deps.sh installs it)');
    process.exit(1);
  }
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'try-it-'));
  const browser = Browser.launch(browserProgram, profile, '1024,768');
  try {
    const page = await browser.open('file://' + path.resolve(manual));
    const boxes = await page.evaluate(`(async function () {
      const loaded = await kelvTryIt.loaded();
      return { loaded, boxes: document.querySelectorAll('.try-it').length,
               functions: Array.from(document.querySelectorAll('h3')).filter((h) => /^Kelv-/.test(h.textContent)).length };
    })()`);
    check('the plug-in loads and every function has its box', { loaded: true, boxes: 31, functions: 31 }, boxes);
    const compared = await examples(page);
    if (compared < 150) fault(`only ${compared} answers compared: the manual holds more examples than that`);
    console.log(`${compared} answers of the manual's examples read from the boxes`);
    await preferencesHold(page);
    await overflowNotice(page);
    await pictureOfABox(page);
  } catch (e) {
    fault(e.stack || String(e));
  } finally {
    await browser.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
  console.log(failures === 0 ? 'every box answered as the manual says' : `${failures} faults`);
  process.exit(failures === 0 ? 0 : 1);
})();
