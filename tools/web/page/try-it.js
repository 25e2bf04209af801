// The "Try it" boxes of the HTML manual. Under every function stands a field
// for its parameter and the answer of the plug-in itself: kelvdate-web.js,
// the plug-in's own code compiled to WebAssembly and inlined in this page,
// called through the host's external call. Under every example of a
// function a "Try this" button types the example's calls into their boxes
// and makes them. Above the functions a panel sets the preferences through
// the five preference functions, and shows the preferences in force after
// every call that changed them, made from a box or from the panel. The
// preference file is kept in this browser's storage, so what is set holds
// when the page is opened again.
//
// A formula writes a carriage return as ¶ and a line feed as ␊, and so do
// the fields; a legend under every box says so and its two buttons type the
// signs, and a line end pasted into a field becomes its sign. No font a
// Debian machine installs covers ␊: the page brings its own (the "Kelv LF"
// font of make-manual-html.sh). A field holds the parameter's text itself,
// not a formula's: a quote is typed once where a formula doubles it. Texts
// are the plug-in's 8-bit bytes as the characters U+0000..U+00FF.
//
// window.kelvTryIt is the page's state for a script (the browser test):
//   loaded()   a promise settled when the plug-in (re)loaded, with true, or
//              false when it cannot run in this browser
(function () {
  'use strict';

  var kStorageKey = 'KELVDATE.FMX/DateTimePrefs.dtp';  // where the module keeps the file
  var kNoticeMs = 8000;
  var kCR = '\u00b6';
  var kLF = '\u240a';

  var plugin = null;
  var loading = null;
  var boxes = [];
  var firstExamples = window.kelvFirstExamples || {};

  function fieldToText(field) { return field.split(kCR).join('\r').split(kLF).join('\n'); }
  function textToField(text) { return text.replace(/\r/g, kCR).replace(/\n/g, kLF); }
  // An answer as it is shown: a CR as a line break, a line feed as ␊.
  function shownText(text) { return text.replace(/\n/g, kLF).replace(/\r/g, '\n'); }

  // The field's selection replaced by text, the cursor after it.
  function typeInto(input, text) {
    input.setRangeText(text, input.selectionStart, input.selectionEnd, 'end');
    input.dispatchEvent(new Event('input', { bubbles: true }));
  }

  // A one-line field drops a pasted line end: the field keeps it as its sign.
  function keepPastedLineEnds(input) {
    input.addEventListener('paste', function (event) {
      var text = event.clipboardData ? event.clipboardData.getData('text/plain') : '';
      if (!/[\r\n]/.test(text)) return;
      event.preventDefault();
      typeInto(input, textToField(text));
    });
  }

  // What an answer is, and the words the manual gives the three that are no text.
  function describe(answer) {
    if (answer.error !== undefined) return { kind: 'refused', label: 'Not called: ' + answer.error };
    if (answer.result === null) return { kind: 'no result', label: '(no result: the field keeps what it had)' };
    if (answer.result === '') return { kind: 'empty', label: '(an empty text)' };
    if (answer.result === '??') return { kind: 'error', label: '?? is the error answer: see ', link: 'Why do I get ??' };
    return { kind: 'text', label: '' };
  }

  // The troubleshooting page's title, as a link to it, in quotation marks.
  function showLabel(target, d) {
    target.textContent = d.label;
    if (d.link === undefined) return;
    var a = element('a', null, d.link);
    a.href = '#troubleshooting';
    target.appendChild(document.createTextNode('\u201c'));
    target.appendChild(a);
    target.appendChild(document.createTextNode('\u201d'));
  }

  function element(tag, className, text) {
    var e = document.createElement(tag);
    if (className) e.className = className;
    if (text !== undefined) e.textContent = text;
    return e;
  }

  // ---- the notice: the plug-in's message box, shown by the page ----

  var notice = null;
  var noticeTimer = 0;
  var noticesShown = 0;

  function showNotice(box) {
    if (notice === null) {
      notice = element('div', 'try-notice');
      notice.setAttribute('role', 'alert');
      notice.hidden = true;
      document.body.appendChild(notice);
    }
    notice.textContent = '';
    notice.appendChild(element('strong', 'try-notice-title', box.title));
    // The message box breaks its lines at a CR, a line feed or both.
    notice.appendChild(element('div', 'try-notice-text', box.text.replace(/\r\n?/g, '\n')));
    var ok = element('button', 'try-notice-ok', 'OK');
    ok.type = 'button';
    ok.addEventListener('click', function () { notice.hidden = true; });
    notice.appendChild(ok);
    notice.hidden = false;
    noticesShown++;
    notice.setAttribute('data-shown', String(noticesShown));
    clearTimeout(noticeTimer);
    noticeTimer = setTimeout(function () { notice.hidden = true; }, kNoticeMs);
  }

  // One external call; the message boxes it showed become notices.
  // The panel then shows the preferences in force, whoever changed them.
  function call(name, parameter) {
    var answer = plugin.externalCall(name, parameter);
    (answer.boxes || []).forEach(showNotice);
    showPrefs(false);
    return answer;
  }

  // ---- the boxes ----

  // The legend of a field: what the two signs stand for, each a button that
  // types its sign, and how a quote is typed.
  function legend(input, id, whose) {
    var l = element('div', 'try-legend');
    l.id = id;
    [[kCR, 'a carriage return'], [kLF, 'a line feed']].forEach(function (sign) {
      var b = element('button', 'try-sign', sign[0]);
      b.type = 'button';
      b.setAttribute('aria-label', 'type ' + sign[1] + ' (' + sign[0] + ') into ' + whose);
      b.addEventListener('click', function () {
        input.focus();
        typeInto(input, sign[0]);
      });
      l.appendChild(b);
      l.appendChild(document.createTextNode(' ' + sign[1] + ' '));
    });
    l.appendChild(document.createTextNode('\u00b7 a quote is typed once (a formula doubles it)'));
    return l;
  }

  function makeBox(name) {
    var box = element('div', 'try-it');
    box.setAttribute('data-function', name);
    var form = element('form', 'try-form');
    form.appendChild(element('span', 'try-head', 'Try it'));
    form.appendChild(element('code', 'try-name', name + '("'));
    var input = element('input', 'try-param');
    input.type = 'text';
    input.spellcheck = false;
    input.setAttribute('aria-label', 'the parameter of ' + name);
    input.value = textToField(firstExamples[name] || '');
    keepPastedLineEnds(input);
    form.appendChild(input);
    form.appendChild(element('code', 'try-name', '")'));
    var button = element('button', 'try-call', 'Call');
    button.type = 'submit';
    button.disabled = true;
    button.setAttribute('aria-label', 'Call ' + name);
    form.appendChild(button);
    var legendId = 'try-legend-' + boxes.length;
    input.setAttribute('aria-describedby', legendId);
    form.appendChild(legend(input, legendId, 'the parameter of ' + name));
    var answer = element('div', 'try-answer');
    answer.setAttribute('aria-live', 'polite');
    var outcome = element('div', 'try-outcome', 'The plug-in is loading\u2026');
    var result = element('pre', 'try-result');
    answer.appendChild(outcome);
    answer.appendChild(result);
    box.appendChild(form);
    box.appendChild(answer);
    form.addEventListener('submit', function (event) {
      event.preventDefault();
      if (plugin === null) return;
      var a = call(name, fieldToText(input.value));
      var d = describe(a);
      box.setAttribute('data-outcome', d.kind);
      showLabel(outcome, d);
      result.textContent = a.result === null || a.result === undefined ? '' : shownText(a.result);
      result.hidden = d.kind !== 'text' && d.kind !== 'error';
    });
    boxes.push({ name: name, box: box, form: form, input: input, button: button, outcome: outcome });
    return box;
  }

  function boxOf(name) {
    for (var i = 0; i < boxes.length; i++) if (boxes[i].name === name) return boxes[i];
    return null;
  }

  // A formula's text literal as a field holds it: the formula doubles a
  // quote inside the text, the field holds the text itself. The signs ¶
  // and ␊ mean the same in both.
  function formulaToField(literal) { return literal.split('""').join('"'); }

  // The calls of an example block ("Kelv-DatePrefs("DDMMYYYY|.|1")" lines,
  // then the answer after "=>") as [{name, field}], or null when the block
  // is no example.
  function exampleCalls(text, names) {
    var lines = text.split('\n');
    if (!lines.some(function (l) { return /^\s*=>/.test(l); })) return null;
    var calls = [];
    lines.forEach(function (line) {
      var name = null;
      names.forEach(function (n) {  // the longest name the line opens with: names hold parentheses
        if (line.lastIndexOf(n + '("', 0) === 0 && (name === null || n.length > name.length)) name = n;
      });
      if (name !== null && /"\)$/.test(line))
        calls.push({ name: name, field: formulaToField(line.slice(name.length + 2, -2)) });
    });
    return calls.length > 0 ? calls : null;
  }

  // Under every example of a function's section, a button that types its
  // calls into their boxes, in the field's form, and makes them. One code
  // block holds the examples that follow each other, a blank line between
  // two: each becomes a block of its own, with its button. A section of the
  // functions' page that is no function's (owner null) gives a button to
  // every example whose last call is a function's.
  function addExampleButtons(heading, end, names, owner) {
    var n = 0;
    var blocks = [];
    for (var e = heading.nextElementSibling; e !== null && e !== end; e = e.nextElementSibling)
      if (e.tagName === 'PRE') blocks.push(e);
    blocks.forEach(function (block) {
      block.textContent.replace(/\n$/, '').split(/\n\s*\n/).forEach(function (text) {
        var pre = element('pre');
        pre.appendChild(element('code', null, text));
        block.parentNode.insertBefore(pre, block);
        var calls = exampleCalls(text, names);
        if (calls === null || (owner !== null && calls[calls.length - 1].name !== owner)) return;
        var b = element('button', 'try-example', 'Try this');
        b.type = 'button';
        b.dataset.function = calls[calls.length - 1].name;  // the box it answers in
        b.setAttribute('aria-label', 'Try example ' + ++n + ' of ' + heading.textContent + ' in its box');
        b.addEventListener('click', tryExample.bind(null, calls));
        block.parentNode.insertBefore(b, block);
      });
      block.parentNode.removeChild(block);
    });
  }

  function tryExample(calls) {
    if (plugin === null) return;
    var last = null;
    calls.forEach(function (c) {
      last = boxOf(c.name);
      last.input.value = c.field;
      last.form.requestSubmit();
    });
    last.box.scrollIntoView({ block: 'nearest' });
    last.input.focus({ preventScroll: true });
  }

  // A function's section runs from its heading to the next heading or the
  // anchor in front of one.
  function sectionEnd(heading) {
    var e = heading.nextElementSibling;
    while (e !== null) {
      if (/^H[1-3]$/.test(e.tagName)) return e;
      if (e.tagName === 'P' && e.children.length === 1 && e.children[0].tagName === 'A' &&
          e.children[0].id && e.textContent === '') return e;
      e = e.nextElementSibling;
    }
    return null;
  }

  function addBoxes() {
    var headings = Array.prototype.filter.call(document.querySelectorAll('h3'), function (h) {
      return /^Kelv-/.test(h.textContent);
    });
    var names = headings.map(function (h) { return h.textContent; });
    headings.forEach(function (heading) {
      var end = sectionEnd(heading);
      var box = makeBox(heading.textContent);
      heading.parentNode.insertBefore(box, end);
      addExampleButtons(heading, box, names, heading.textContent);
    });
    // The functions' page's own sections (dates and times, ...) between its
    // title and the next page's.
    var title = Array.prototype.find.call(document.querySelectorAll('h1'), function (h) {
      return h.textContent === 'Functions';
    });
    for (var e = title ? title.nextElementSibling : null; e !== null && e.tagName !== 'H1'; e = e.nextElementSibling)
      if (e.tagName === 'H2') addExampleButtons(e, sectionEnd(e), names, null);
  }

  // ---- the preferences panel ----

  var kDateOrders = { 13: 'MMDDYYYY', 14: 'MMDDYY', 15: 'DDMMYYYY', 16: 'DDMMYY', 17: 'YYYYMMDD', 18: 'YYMMDD', 19: 'FMDATE' };
  var kClocks = { 6: '12', 7: '24', 8: 'FMTIME' };

  function storage() {
    try {
      return window.localStorage || null;
    } catch (e) {
      return null;  // storage refused: the preferences last as long as the page
    }
  }

  // The preferences in force, read from the file's 280 bytes as the last
  // call saved them (the plug-in's record: formats at 0 and 4, separators at
  // 8 and 9, steps at 12 and 16, padding at 20 and 21, the message switch at
  // 22 and its text at 23).
  function prefsFrom(b) {
    if (b === null || b.length !== 280) return null;
    function int32(at) {
      return (b.charCodeAt(at) | (b.charCodeAt(at + 1) << 8) | (b.charCodeAt(at + 2) << 16) | (b.charCodeAt(at + 3) << 24));
    }
    var end = b.indexOf('\0', 23);
    return {
      clock: kClocks[int32(0)], dateOrder: kDateOrders[int32(4)],
      timeSeparator: b.charAt(8) === '\0' ? '' : b.charAt(8), dateSeparator: b.charAt(9) === '\0' ? '' : b.charAt(9),
      minuteStep: int32(12), hourStep: int32(16),
      timePad: b.charCodeAt(20) !== 0, datePad: b.charCodeAt(21) !== 0,
      messageOn: b.charCodeAt(22) !== 0, message: b.substring(23, end < 0 ? 279 : end),
    };
  }

  var panel = {};

  function select(id, values) {
    var s = element('select');
    s.id = id;
    values.forEach(function (v) { var o = element('option', null, v); o.value = v; s.appendChild(o); });
    return s;
  }
  function field(id, size, maxLength) {
    var f = element('input');
    f.type = 'text';
    f.id = id;
    f.size = size;
    if (maxLength) f.maxLength = maxLength;
    f.spellcheck = false;
    return f;
  }
  function checkbox(id) {
    var c = element('input');
    c.type = 'checkbox';
    c.id = id;
    return c;
  }
  // A control with its visible label; its name says the row as well, since
  // the rows repeat their labels.
  function labelled(row, text, control) {
    var l = element('label', null, text + ' ');
    l.appendChild(control);
    control.setAttribute('aria-label', row + ': ' + text);
    return l;
  }

  // One row of the panel, a form of its own: its Set button, or Enter in
  // one of its fields, makes the row's preference call.
  function row(title, controls, id, parameter, functionName) {
    var r = element('form', 'try-panel-row');
    r.appendChild(element('span', 'try-panel-what', title));
    controls.forEach(function (c) { r.appendChild(c); r.appendChild(document.createTextNode(' ')); });
    var set = element('button', 'try-set', 'Set');
    set.type = 'submit';
    set.id = id;
    set.disabled = true;
    set.setAttribute('aria-label', 'Set: ' + title);
    // A text field submits on Enter by itself; a list or a checkbox does not.
    r.addEventListener('keydown', function (event) {
      var t = event.target;
      if (event.key !== 'Enter' || (t.tagName !== 'SELECT' && t.type !== 'checkbox')) return;
      event.preventDefault();
      r.requestSubmit();
    });
    r.addEventListener('submit', function (event) {
      event.preventDefault();
      if (plugin === null) return;
      var p = fieldToText(parameter());
      var a = call(functionName, p);
      var d = describe(a);
      panel.status.textContent = functionName + '("' + textToField(p) + '") \u2192 ' +
                                 (d.kind === 'text' || d.kind === 'error' ? a.result : d.label);
      showPrefs(true);  // a refused value gives way to the one in force
    });
    r.appendChild(set);
    return r;
  }

  // The row of a format, its separator and its padding: "format|separator|1 or 0".
  function formatRow(title, what, format, separator, pad, id, functionName) {
    return row(title, [labelled(title, what, format), labelled(title, 'separator', separator),
                       labelled(title, 'zero padding', pad)], id,
               function () { return format.value + '|' + separator.value + '|' + (pad.checked ? '1' : '0'); },
               functionName);
  }

  function makePanel() {
    var p = element('div', 'try-panel');
    p.id = 'try-preferences';
    p.appendChild(element('div', 'try-panel-title', 'Preferences for the Try it boxes'));
    p.appendChild(element('p', null, 'Each Set calls a preference function, as a formula would. The preferences are ' +
                                     'kept in this browser, so they hold when the page is opened again.'));
    panel.dateOrder = select('try-date-order', ['MMDDYYYY', 'MMDDYY', 'DDMMYYYY', 'DDMMYY', 'YYYYMMDD', 'YYMMDD', 'FMDATE']);
    panel.dateSeparator = field('try-date-separator', 2, 1);
    panel.datePad = checkbox('try-date-pad');
    p.appendChild(formatRow('Dates', 'order', panel.dateOrder, panel.dateSeparator, panel.datePad, 'try-set-date',
                            'Kelv-DatePrefs'));
    panel.clock = select('try-clock', ['12', '24', 'FMTIME']);
    panel.timeSeparator = field('try-time-separator', 2, 1);
    panel.timePad = checkbox('try-time-pad');
    p.appendChild(formatRow('Times', 'clock', panel.clock, panel.timeSeparator, panel.timePad, 'try-set-time',
                            'Kelv-TimePrefs'));
    panel.minuteStep = field('try-minute-step', 5);
    p.appendChild(row('Minute lists', [labelled('Minute lists', 'step in minutes', panel.minuteStep)],
                      'try-set-minutes', function () { return panel.minuteStep.value; }, 'Kelv-MinuteIncrementPrefs'));
    panel.hourStep = field('try-hour-step', 5);
    p.appendChild(row('Hour lists', [labelled('Hour lists', 'step in hours', panel.hourStep)], 'try-set-hours',
                      function () { return panel.hourStep.value; }, 'Kelv-HourIncrementPrefs'));
    panel.message = field('try-overflow-message', 40, 255);
    panel.message.setAttribute('aria-label', 'Overflow message: the message\u2019s text');
    panel.message.setAttribute('aria-describedby', 'try-legend-message');
    keepPastedLineEnds(panel.message);
    panel.messageState = element('span', 'try-panel-note');
    var messageRow = row('Overflow message', [panel.message, panel.messageState], 'try-set-message',
                         function () { return panel.message.value; }, 'Kelv-OverflowMessagePrefs');
    messageRow.appendChild(legend(panel.message, 'try-legend-message', 'the overflow message'));
    p.appendChild(messageRow);
    var reset = element('button', 'try-reset', 'Back to the defaults');
    reset.type = 'button';
    reset.id = 'try-reset';
    reset.disabled = true;
    reset.addEventListener('click', function () {
      var s = storage();
      if (s !== null) s.removeItem(kStorageKey);
      panel.status.textContent = 'The preferences are back to the defaults.';
      load();
    });
    p.appendChild(reset);
    panel.status = element('div', 'try-panel-status');
    panel.status.setAttribute('aria-live', 'polite');
    p.appendChild(panel.status);
    return p;
  }

  // The panel's fields show the preferences in force: after a call that
  // changed the file, or always when asked. A call that changed nothing
  // leaves what is being typed into the panel alone.
  var shownFile = null;
  function showPrefs(always) {
    var file = plugin !== null ? plugin.preferenceFile() : null;
    if (file === shownFile && !always) return;
    shownFile = file;
    var prefs = prefsFrom(file);
    if (prefs === null) return;
    if (prefs.dateOrder) panel.dateOrder.value = prefs.dateOrder;
    panel.dateSeparator.value = prefs.dateSeparator;
    panel.datePad.checked = prefs.datePad;
    if (prefs.clock) panel.clock.value = prefs.clock;
    panel.timeSeparator.value = prefs.timeSeparator;
    panel.timePad.checked = prefs.timePad;
    panel.minuteStep.value = String(prefs.minuteStep);
    panel.hourStep.value = String(prefs.hourStep);
    panel.message.value = textToField(prefs.message);
    panel.messageState.textContent = prefs.messageOn ? '(on)' : '(off: Set switches it on)';
  }

  // The panel stands above the functions' first group, and first in the
  // contents under the functions.
  function addPanel() {
    var list = document.getElementById('dates-and-times');
    var before = list !== null ? list.parentNode : null;
    var p = makePanel();
    if (before !== null) before.parentNode.insertBefore(p, before);
    else document.body.insertBefore(p, document.body.firstChild);
    var entry = document.querySelector('nav#contents a[href="#dates-and-times-1"]');
    var item = element('li');
    var link = element('a', null, 'Preferences for the Try it boxes');
    link.href = '#' + p.id;
    item.appendChild(link);
    if (entry !== null) entry.parentNode.parentNode.insertBefore(item, entry.parentNode);
  }

  // ---- loading the plug-in ----

  function enable(on) {
    boxes.forEach(function (b) {
      b.button.disabled = !on;
      if (!b.box.hasAttribute('data-outcome')) b.outcome.textContent = on ? '' : 'The plug-in is loading\u2026';
    });
    document.querySelectorAll('.try-panel button, .try-example').forEach(function (b) { b.disabled = !on; });
  }

  // A fresh start of the plug-in: Init reads the stored preference file, or
  // writes the defaults when there is none.
  function load() {
    plugin = null;
    enable(false);
    loading = Promise.resolve().then(function () {
      if (typeof window.KelvDateWeb !== 'function') throw new Error('the plug-in\u2019s code is missing from the page');
      return window.KelvDateWeb();
    }).then(function (instance) {
      plugin = instance;
      enable(true);
      showPrefs(true);
      return true;
    }, function (e) {
      boxes.forEach(function (b) {
        b.outcome.textContent = 'The plug-in cannot run in this browser: ' + (e && e.message ? e.message : e);
      });
      return false;
    });
    return loading;
  }

  function start() {
    addPanel();
    addBoxes();
    load();
  }

  window.kelvTryIt = { loaded: function () { return loading; } };
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
  else start();
})();
