// The HTML manual's "Try it" boxes in a real browser (headless Chromium):
// every checked example of the manual is typed into its function's box, its
// session's preference calls into theirs, and the answer the box shows must
// be the example's exact answer. Then a preference set in the panel must
// hold when the page is reloaded, the panel must follow a preference call
// made in a box, and the overflow message must come as the page's notice,
// with its line breaks, once within three seconds. The fields keep a pasted
// line end as its sign, the line feed sign has its glyph, every control has
// a name of its own and Enter sets a panel row. At 1280 px and as a phone
// of 390 px nothing may stand wider than the window; at both it writes a
// picture of one box and one of the panel: PICTURE.png, PICTURE-panel.png,
// PICTURE-390.png and PICTURE-panel-390.png.
//
//   node check-try-it.js MANUAL.html PICTURE.png CASE.jsonl...
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const { Browser } = require('./browser.js');
const { readCase, functionCount } = require('./cases.js');

const [manual, picture, ...caseFiles] = process.argv.slice(2);
const kNoResult = '(no result: the field keeps what it had)';
const kEmpty = '(an empty text)';
const kError = '?? is the error answer: see \u201cWhy do I get ??\u201d';
const kDesktopWidth = 1280;
const kPhoneWidth = 390;  // a phone's screen in CSS pixels (an iPhone 12 to 15)

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

// The "Try this" buttons under the functions' examples: each types its calls
// in the field's form (a quote once, where the formula doubles it), and the
// function's box answers as the example says. The examples' own case (made
// from the same registry) holds each once.
async function exampleButtons(page, file) {
  if (file === undefined) return fault('no manual_examples.jsonl among the cases: the Try this buttons go unchecked');
  const sessions = readCase(file).sessions.slice();
  const seen = await page.evaluate(`(async function () {
    const answers = [];
    const buttons = document.querySelectorAll('.try-example');
    for (const button of buttons) {
      document.getElementById('try-reset').click();
      await kelvTryIt.loaded();
      button.click();
      const box = Array.prototype.find.call(document.querySelectorAll('.try-it'),
                                            (b) => b.dataset.function === button.dataset.function);
      const result = box.querySelector('.try-result');
      answers.push({ call: box.dataset.function, field: box.querySelector('.try-param').value, kind: box.dataset.outcome,
                     outcome: box.querySelector('.try-outcome').textContent, result: result.hidden ? '' : result.textContent,
                     focused: document.activeElement === box.querySelector('.try-param') });
    }
    return answers;
  })()`);
  for (const got of seen) {
    const at = sessions.findIndex((session) => {
      const last = session[session.length - 1].request;
      return last.call === got.call && typed(last.param || '') === got.field;
    });
    const where = `Try this: ${got.call}(${JSON.stringify(got.field)})`;
    if (at < 0) {
      fault(`${where} typed no example of the manual`);
      continue;
    }
    const want = expectedBox(sessions[at][sessions[at].length - 1].expected);
    sessions.splice(at, 1);
    const actual = { kind: got.kind, outcome: got.outcome };
    if ('length' in want) actual.length = got.result.length;
    else actual.result = got.result;
    check(where, { ...want, focused: true }, { ...actual, focused: got.focused });
  }
  check('every example of the functions has its Try this button', [],
        sessions.map((session) => session[session.length - 1].request));
  console.log(`${seen.length} Try this buttons pressed`);
}

// A preference call typed into a box shows in the panel at once; a call that
// changes no preference leaves what is typed into the panel alone.
async function panelFollows(page) {
  const message = await page.evaluate(`(async function () {
    document.getElementById('try-reset').click();
    await kelvTryIt.loaded();
    return document.getElementById('try-overflow-message').value;
  })()`);
  const panelValues = `['try-date-order', 'try-date-separator', 'try-date-pad', 'try-minute-step', 'try-hour-step',
                        'try-overflow-message'].map(function (id) {
    const e = document.getElementById(id); return e.type === 'checkbox' ? e.checked : e.value; })`;
  const rows = [
    // [call, parameter, the panel's date order, separator, padding, minute step, hour step, message]
    ['Kelv-DatePrefs', 'YYYYMMDD|-|1', ['YYYYMMDD', '-', true, '1', '1', message]],
    ['Kelv-MinuteIncrementPrefs', '45', ['YYYYMMDD', '-', true, '45', '1', message]],
    ['Kelv-HourIncrementPrefs', '3', ['YYYYMMDD', '-', true, '45', '3', message]],
    ['Kelv-OverflowMessagePrefs', 'one\rtwo', ['YYYYMMDD', '-', true, '45', '3', 'one\u00b6two']],
  ];
  for (const [fn, param, want] of rows) {
    await page.evaluate(callExpression(fn, param));
    check(`the panel follows ${fn}(${JSON.stringify(param)}) called in its box`, want, await page.evaluate(panelValues));
  }
  const kept = await page.evaluate(`(function () {
    document.getElementById('try-minute-step').value = '20';
    ${callExpression('Kelv-DiffDays', '1/1/2001|1/3/2001')};
    return document.getElementById('try-minute-step').value;
  })()`);
  check('a call that changes no preference leaves a panel field being typed', '20', kept);
}

// A notice keeps the message's line breaks (CR, LF or both).
async function noticeLines(page) {
  const text = await page.evaluate(`(async function () {
    document.getElementById('try-reset').click();
    await kelvTryIt.loaded();
    const box = document.querySelector('.try-it[data-function="Kelv-OverflowMessagePrefs"]');
    box.querySelector('.try-param').value = 'One\u00b6two\u240athree\u00b6\u240afour';
    box.querySelector('.try-call').click();
    ${callExpression('Kelv-ListNumbers', 'start=1|end=100000|inc=1')};
    return document.querySelector('.try-notice-text').innerText;
  })()`);
  check('the notice breaks its lines where the message does', 'One\ntwo\nthree\nfour', text);
}

// The fields: a pasted line end becomes its sign, the legend's buttons type
// the signs, and the page's own glyph for the line feed sign is loaded.
async function fields(page) {
  const seen = await page.evaluate(`(async function () {
    document.getElementById('try-reset').click();
    await kelvTryIt.loaded();
    const paste = function (input, text) {
      input.value = '[]';
      input.setSelectionRange(1, 1);
      const data = new DataTransfer();
      data.setData('text/plain', text);
      input.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
      return input.value;
    };
    const box = document.querySelector('.try-it[data-function="Kelv-MakeList"]');
    const input = box.querySelector('.try-param');
    const pasted = [paste(input, 'a\\r\\nb\\nc\\rd'), paste(document.getElementById('try-overflow-message'), 'x\\ny')];
    input.value = 'a';
    input.setSelectionRange(1, 1);
    box.querySelectorAll('.try-sign').forEach(function (b) { b.click(); });
    const typed = input.value;
    const legends = Array.from(document.querySelectorAll('.try-it')).filter(function (b) {
      const l = b.querySelector('.try-legend');
      return l !== null && l.offsetHeight > 0 && /\u00b6 a carriage return/.test(l.textContent) &&
             /\u240a a line feed/.test(l.textContent);
    }).length;
    const faces = await document.fonts.load('16px "Kelv LF"', '\u240a');
    // Every place that shows the sign (a field, an answer, the panel's
    // status, the manual's text) draws it with the page's own glyph.
    document.getElementById('try-overflow-message').value = 'x\u240ay';
    document.getElementById('try-set-message').click();
    const box2 = document.querySelector('.try-it[data-function="Kelv-MakeList"]');
    box2.querySelector('.try-param').value = 'pre=\u240a|a';
    box2.querySelector('.try-call').click();
    const withoutGlyph = [];
    let shown = 0;
    document.querySelectorAll('body *').forEach(function (e) {
      const own = Array.from(e.childNodes).some(function (n) { return n.nodeType === 3 && n.data.includes('\u240a'); });
      if (!own && !(e.tagName === 'INPUT' && e.value.includes('\u240a'))) return;
      shown++;
      if (!/^"Kelv LF"/.test(getComputedStyle(e).fontFamily)) withoutGlyph.push(e.tagName + '.' + e.className);
    });
    return { pasted: pasted, typed: typed, legends: legends,
             glyph: faces.map(function (f) { return f.family + ' ' + f.status; }), withoutGlyph: withoutGlyph,
             enough: shown > ${functionCount()} + 3 };
  })()`);
  check('pasted line ends kept as signs, the sign buttons type, every box has its legend, the glyph draws every sign',
        { pasted: ['[a\u00b6\u240ab\u240ac\u00b6d]', '[x\u240ay]'], typed: 'a\u00b6\u240a', legends: functionCount(),
          glyph: ['Kelv LF loaded'], withoutGlyph: [], enough: true }, seen);
}

// Every field and button has a name of its own; the panel is in the contents.
async function namesAndContents(page) {
  const controls = new Set(['textbox', 'checkbox', 'combobox', 'button', 'PopUpButton']);
  const nodes = (await page.accessibleNodes()).filter((n) => !n.ignored && controls.has(n.role));
  const count = new Map();
  for (const n of nodes) count.set(n.name, (count.get(n.name) || 0) + 1);
  const unnamed = nodes.filter((n) => n.name.trim() === '').map((n) => n.role);
  const repeated = [...count].filter(([name, n]) => n > 1 && name.trim() !== '').map(([name]) => name);
  check('every control of the page has a name, none repeated', { unnamed: [], repeated: [] }, { unnamed, repeated });
  if (nodes.length < functionCount() * 4) fault(`only ${nodes.length} controls in the accessibility tree`);
  const link = await page.evaluate(`(function () {
    const a = document.querySelector('nav#contents a[href="#try-preferences"]');
    return a === null ? null : { text: a.textContent, target: document.getElementById('try-preferences') !== null };
  })()`);
  check('the contents list the panel', { text: 'Preferences for the Try it boxes', target: true }, link);
}

// Enter in a field of the panel sets its row: a text field, a list, a checkbox.
async function enterInThePanel(page) {
  const rows = [
    // [the field, its new value, the call Enter makes]
    ['try-hour-step', '4', 'Kelv-HourIncrementPrefs("4")'],
    ['try-date-order', 'DDMMYY', 'Kelv-DatePrefs("DDMMYY|/|1")'],
    ['try-time-pad', false, 'Kelv-TimePrefs("12|:|0")'],
  ];
  for (const [id, value, made] of rows) {
    await page.evaluate(`(async function () {
      document.getElementById('try-reset').click();
      await kelvTryIt.loaded();
      const f = document.getElementById(${JSON.stringify(id)});
      if (f.type === 'checkbox') f.checked = ${JSON.stringify(value)}; else f.value = ${JSON.stringify(value)};
      f.focus();
    })()`);
    await page.press('Enter', 'Enter', 13, '\r');
    const status = await page.evaluate(`document.querySelector('.try-panel-status').textContent`);
    check(`Enter in ${id} sets its row`, `${made} \u2192 ${kNoResult}`, status);
  }
}

// Nothing stands out of the window, sideways: the page does not scroll
// sideways, and no element reaches past either edge, except inside an element
// that scrolls or clips (a code block scrolls within itself). Every box
// shows an answer and the notice is up while this is measured.
const kWidthFaults = `(async function () {
  document.getElementById('try-reset').click();
  await kelvTryIt.loaded();
  document.getElementById('try-overflow-message').value = 'A message long enough to need more than one line on a phone';
  document.getElementById('try-set-message').click();
  document.querySelectorAll('.try-call').forEach(function (b) { b.click(); });
  const wide = document.querySelector('.try-it[data-function="Kelv-ListNumbers"]');
  wide.querySelector('.try-param').value = 'start=1|end=100000|inc=1';
  wide.querySelector('.try-call').click();
  const width = document.documentElement.clientWidth;
  const faults = [];
  if (document.documentElement.scrollWidth > width)
    faults.push('the page scrolls sideways: ' + document.documentElement.scrollWidth + ' px');
  const clipped = function (e) {
    for (let p = e.parentElement; p !== null && p !== document.body; p = p.parentElement)
      if (getComputedStyle(p).overflowX !== 'visible') return true;
    return false;
  };
  document.querySelectorAll('body *').forEach(function (e) {
    const r = e.getBoundingClientRect();
    if (r.width === 0 || (r.left >= -0.5 && r.right <= width + 0.5) || clipped(e)) return;
    const what = e.tagName.toLowerCase() + (e.id ? '#' + e.id : '') + (e.className ? '.' + e.className : '');
    faults.push(what + ' from ' + Math.round(r.left) + ' to ' + Math.round(r.right) + ' px');
  });
  return { width: width, faults: faults.slice(0, 5), more: Math.max(0, faults.length - 5) };
})()`;

// The region of an element, a margin round it, for a picture.
function regionOf(selector) {
  return `(function () {
    const r = document.querySelector(${JSON.stringify(selector)}).getBoundingClientRect();
    const x = Math.max(0, r.left - 12);
    return { x: x + scrollX, y: r.top + scrollY - 12, width: Math.min(r.width + 24, document.documentElement.clientWidth - x),
             height: r.height + 24 };
  })()`;
}

async function layoutAt(page, width, suffix) {
  const seen = await page.evaluate(kWidthFaults);
  check(`at ${width} px: the page is laid out ${width} px wide, nothing wider`, { width, faults: [], more: 0 }, seen);
  await page.evaluate(`(async function () {
    document.getElementById('try-reset').click();
    await kelvTryIt.loaded();
    const box = document.querySelector('.try-it[data-function="Kelv-DateList (days)"]');
    box.querySelector('.try-param').value = kelvFirstExamples['Kelv-DateList (days)'];
    box.querySelector('.try-call').click();
    document.activeElement.blur();  // no focus ring in the pictures
  })()`);
  const base = picture.replace(/\.png$/, '');
  for (const [file, selector] of [[`${base}${suffix}.png`, '.try-it[data-function="Kelv-DateList (days)"]'],
                                  [`${base}-panel${suffix}.png`, '#try-preferences']]) {
    await page.picture(await page.evaluate(regionOf(selector)), file);
    if (!fs.existsSync(file) || fs.statSync(file).size === 0) fault(`no picture written: ${file}`);
    else console.log(`picture at ${width} px: ${file}`);
  }
}

(async () => {
  const browserProgram = ['/usr/bin/chromium', '/usr/bin/chromium-browser'].find((p) => fs.existsSync(p));
  if (!browserProgram) {
    console.log('no chromium (tools/install-deps.sh installs it)');
    process.exit(1);
  }
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'try-it-'));
  const browser = Browser.launch(browserProgram, profile, `${kDesktopWidth},900`);
  try {
    const page = await browser.open('file://' + path.resolve(manual));
    const boxes = await page.evaluate(`(async function () {
      const loaded = await kelvTryIt.loaded();
      return { loaded, boxes: document.querySelectorAll('.try-it').length,
               functions: Array.from(document.querySelectorAll('h3')).filter((h) => /^Kelv-/.test(h.textContent)).length };
    })()`);
    check('the plug-in loads and every function has its box', { loaded: true, boxes: functionCount(), functions: functionCount() }, boxes);
    const compared = await examples(page);
    if (compared < 150) fault(`only ${compared} answers compared: the manual holds more examples than that`);
    console.log(`${compared} answers of the manual's examples read from the boxes`);
    await exampleButtons(page, caseFiles.find((f) => path.basename(f) === 'manual_examples.jsonl'));
    await preferencesHold(page);
    await panelFollows(page);
    await overflowNotice(page);
    await noticeLines(page);
    await fields(page);
    await namesAndContents(page);
    await enterInThePanel(page);
    await layoutAt(page, kDesktopWidth, '');
    await page.emulatePhone(kPhoneWidth, 844);
    await page.reload();
    await layoutAt(page, kPhoneWidth, `-${kPhoneWidth}`);
  } catch (e) {
    fault(e.stack || String(e));
  } finally {
    await browser.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
  console.log(failures === 0 ? 'every box answered as the manual says' : `${failures} faults`);
  process.exit(failures === 0 ? 0 : 1);
})();
