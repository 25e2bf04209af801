// The end-to-end cases (tests/e2e/*.jsonl) as sessions of plain external
// calls, for the tests that replay them through the browser module.
'use strict';

const fs = require('fs');

// A case file's sessions: {steps: [{request, expected, line}], reason}, the
// reason set when a module's one call cannot replay that session (an event
// other than Init, a call the host refuses memory for, a NUL byte in a
// parameter); or {reason} for the whole file (set-up commands, lines that
// are no request). A "--manual" file starts a session at every Init.
function readSessions(file) {
  const lines = fs.readFileSync(file, 'utf8').split('\n');
  const manual = lines.some((l) => l.startsWith('#! --manual'));
  const directive = lines.find((l) => l.startsWith('#!') && !l.startsWith('#! --manual'));
  if (directive) return { reason: `needs "${directive.slice(0, 40)}..."` };
  const sessions = manual ? [] : [{ steps: [], reason: null }];
  let pending = null;
  for (let i = 0; i < lines.length; i++) {
    const text = lines[i];
    if (text.startsWith('=> ')) {
      if (pending !== null) pending.expected = JSON.parse(text.slice(3));
      continue;
    }
    if (text.startsWith('#') || text.trim() === '') continue;
    let request;
    try {
      request = JSON.parse(text);
    } catch (e) {
      return { reason: 'has lines that are no request' };
    }
    pending = null;
    if (request.event === 'init' && manual) {
      sessions.push({ steps: [], reason: null });
      continue;
    }
    if (sessions.length === 0) return { reason: 'calls before its first Init' };
    const session = sessions[sessions.length - 1];
    if (!('call' in request)) session.reason = session.reason || `has the request ${text.slice(0, 40)}`;
    else if (request.memory_error) session.reason = session.reason || 'has a call the host refuses memory for';
    else if (typeof request.param === 'string' && request.param.includes('\u0000'))
      session.reason = session.reason || 'passes a NUL byte in a parameter';
    pending = { request, expected: null, line: i + 1 };
    session.steps.push(pending);
  }
  return { sessions };
}

module.exports = { readSessions };
