// The end-to-end cases (tests/e2e/*.jsonl) as sessions of plain external
// calls, for the tests that replay them through the browser module.
'use strict';

const fs = require('fs');
const path = require('path');

// The number of functions: the rows of the plug-in's function table.
function functionCount() {
  const registry = fs.readFileSync(path.join(__dirname, '..', '..', 'resources', 'FunctionRegistry.h'), 'utf8');
  return registry.split('\n').filter((line) => /^  X\(\d+, /.test(line)).length;
}

// A case file as {sessions}: each a list of {request, expected, line}, or
// {reason} when a module's one call cannot replay the case at all (set-up
// commands, events between calls). A NUL byte in a parameter is a byte like
// any other: the module hands the plug-in the whole text.
//
// In a "--manual" file every Init starts a session, and those sessions are
// independent while nothing saves the preferences (no Shutdown, no other
// event): each starts from the file a first start writes, as a fresh load
// does. A session there that opens the dialog (which changes the
// preferences in memory only) is left out alone: its `skipped` says why. A call the host refuses memory for stays in; its
// request says so (memory_error), for the caller to decide.
function readCase(file) {
  const lines = fs.readFileSync(file, 'utf8').split('\n');
  const manual = lines.some((l) => l.startsWith('#! --manual'));
  const directive = lines.find((l) => l.startsWith('#!') && !l.startsWith('#! --manual'));
  if (directive) return { reason: `needs "${directive.slice(0, 40)}..."` };
  const sessions = manual ? [] : [[]];
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
      sessions.push([]);
      continue;
    }
    let why = null;
    if (!('call' in request)) {
      if (!manual || request.event !== 'preferences') return { reason: `has the request ${text.slice(0, 40)}` };
      why = 'opens the dialog';
    }
    if (sessions.length === 0) return { reason: 'calls before its first Init' };
    const session = sessions[sessions.length - 1];
    if (why !== null) {
      session.skipped = why;
      continue;
    }
    pending = { request, expected: null, line: i + 1 };
    session.push(pending);
  }
  return { sessions };
}

module.exports = { readCase, functionCount };
