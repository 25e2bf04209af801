// A headless Chromium driven over the DevTools protocol on a pipe
// (--remote-debugging-pipe): the browser reads commands from its fd 3 and
// writes answers and events to its fd 4, each message a JSON text ended by a
// NUL. Only what the page tests need: open a page, evaluate in it (awaiting
// a promise), reload it, press a key, read its accessibility tree, show it as
// a phone's screen would, and take a picture of part of it.
'use strict';

const { spawn } = require('child_process');
const fs = require('fs');

const kFlags = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--no-first-run',
                '--no-default-browser-check', '--hide-scrollbars', '--remote-debugging-pipe'];

class Browser {
  constructor(child) {
    this.child = child;
    this.nextId = 1;
    this.pending = new Map();
    this.listeners = [];
    let buffered = Buffer.alloc(0);
    child.stdio[4].on('data', (chunk) => {
      buffered = Buffer.concat([buffered, chunk]);
      let end;
      while ((end = buffered.indexOf(0)) >= 0) {
        this.receive(JSON.parse(buffered.subarray(0, end).toString('utf8')));
        buffered = buffered.subarray(end + 1);
      }
    });
    this.exited = new Promise((resolve) => child.on('exit', resolve));
  }

  // browser: the Chromium program; profile: a folder of its own for this run.
  static launch(browser, profile, windowSize) {
    const child = spawn(browser, [...kFlags, `--user-data-dir=${profile}`, `--window-size=${windowSize}`],
                        { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'] });
    child.stderr.on('data', () => {});  // its log is noise; answers come on the pipe
    return new Browser(child);
  }

  receive(message) {
    if (message.id !== undefined) {
      const waiting = this.pending.get(message.id);
      this.pending.delete(message.id);
      if (message.error) waiting.reject(new Error(`${waiting.method}: ${message.error.message}`));
      else waiting.resolve(message.result);
      return;
    }
    const waiting = [];
    for (const l of this.listeners) {
      if (l.method === message.method && l.sessionId === message.sessionId) l.resolve(message.params);
      else waiting.push(l);
    }
    this.listeners = waiting;
  }

  send(method, params = {}, sessionId = undefined) {
    const id = this.nextId++;
    const message = { id, method, params };
    if (sessionId !== undefined) message.sessionId = sessionId;
    return new Promise((resolve, reject) => {
      this.pending.set(id, { resolve, reject, method });
      this.child.stdio[3].write(JSON.stringify(message) + '\0');
    });
  }

  // The next event `method` of the session.
  event(method, sessionId) {
    return new Promise((resolve) => this.listeners.push({ method, sessionId, resolve }));
  }

  async open(url) {
    const { targetId } = await this.send('Target.createTarget', { url: 'about:blank' });
    const { sessionId } = await this.send('Target.attachToTarget', { targetId, flatten: true });
    const page = new Page(this, sessionId);
    await page.send('Page.enable');
    await page.send('Runtime.enable');
    await page.go(() => page.send('Page.navigate', { url }));
    return page;
  }

  async close() {
    try {
      await Promise.race([this.send('Browser.close'), this.exited]);
    } catch (e) {
      this.child.kill('SIGKILL');
    }
    await this.exited;
  }
}

class Page {
  constructor(browser, sessionId) {
    this.browser = browser;
    this.sessionId = sessionId;
  }

  send(method, params = {}) { return this.browser.send(method, params, this.sessionId); }

  // Starts a navigation and waits until its page has loaded.
  async go(start) {
    const loaded = this.browser.event('Page.loadEventFired', this.sessionId);
    await start();
    await loaded;
  }

  reload() { return this.go(() => this.send('Page.reload')); }

  // The page as a phone of `width` CSS pixels shows it: a mobile viewport,
  // where a page without <meta name="viewport"> is laid out 980 px wide.
  async emulatePhone(width, height) {
    await this.send('Emulation.setDeviceMetricsOverride', { width, height, deviceScaleFactor: 1, mobile: true });
    await this.send('Emulation.setTouchEmulationEnabled', { enabled: true });
  }

  // One key pressed and let go in the focused element, as a person does it.
  async press(key, code, keyCode, text) {
    await this.send('Input.dispatchKeyEvent', { type: 'keyDown', key, code, windowsVirtualKeyCode: keyCode, text });
    await this.send('Input.dispatchKeyEvent', { type: 'keyUp', key, code, windowsVirtualKeyCode: keyCode });
  }

  // The accessibility tree's nodes as {role, name, ignored}.
  async accessibleNodes() {
    await this.send('Accessibility.enable');
    const { nodes } = await this.send('Accessibility.getFullAXTree');
    return nodes.map((n) => ({ role: n.role ? n.role.value : '', name: n.name ? String(n.name.value) : '',
                               ignored: Boolean(n.ignored) }));
  }

  // The value of a JavaScript expression in the page, a promise awaited.
  async evaluate(expression) {
    const answer = await this.send('Runtime.evaluate', { expression, awaitPromise: true, returnByValue: true });
    if (answer.exceptionDetails) {
      const e = answer.exceptionDetails;
      throw new Error(`in the page: ${e.exception && e.exception.description ? e.exception.description : e.text}`);
    }
    return answer.result.value;
  }

  // A PNG of the page's region {x, y, width, height} (CSS pixels of the page).
  async picture(region, file) {
    const { data } = await this.send('Page.captureScreenshot',
                                     { format: 'png', clip: { ...region, scale: 1 }, captureBeyondViewport: true });
    fs.writeFileSync(file, Buffer.from(data, 'base64'));
  }
}

module.exports = { Browser };
