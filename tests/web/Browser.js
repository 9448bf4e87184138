// Debian's Chromium driven through the DevTools protocol over a pipe (--remote-debugging-pipe:
// NUL-terminated JSON on descriptors 3 and 4), with one page attached. No npm package needed.
'use strict';
const { spawn } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

const chromiumFlags = [
  '--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--disable-default-apps', '--disable-extensions', '--mute-audio', '--remote-debugging-pipe',
  '--lang=en-US',
];

class Browser {
  constructor() {
    this.profile = fs.mkdtempSync(path.join(os.tmpdir(), 'korvat-chromium-'));
    this.process = spawn(process.env.KORVAT_CHROMIUM || 'chromium',
                         [...chromiumFlags, '--user-data-dir=' + this.profile, 'about:blank'],
                         { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'] });
    this.process.stderr.on('data', () => {});  // dbus and GPU warnings
    this.next = 1;
    this.waiting = new Map();
    this.listeners = [];
    this.console = [];
    let pending = Buffer.alloc(0);
    this.process.stdio[4].on('data', (chunk) => {
      pending = Buffer.concat([pending, chunk]);
      for (let end; (end = pending.indexOf(0)) >= 0; pending = pending.subarray(end + 1)) {
        this.receive(JSON.parse(pending.subarray(0, end).toString()));
      }
    });
    this.exited = new Promise((resolve) => this.process.on('exit', resolve));
  }

  receive(message) {
    if (message.id !== undefined) {
      const call = this.waiting.get(message.id);
      this.waiting.delete(message.id);
      if (message.error) call.reject(new Error(call.method + ': ' + message.error.message));
      else call.resolve(message.result);
      return;
    }
    if (message.method === 'Runtime.consoleAPICalled') {
      this.log(message.params.args.map((a) => a.value).join(' '));
    } else if (message.method === 'Runtime.exceptionThrown') {
      const details = message.params.exceptionDetails;
      this.log('exception: ' + (details.exception ? details.exception.description : details.text));
    }
    for (const listener of this.listeners) listener(message);
  }

  // The page's last words, kept short for a failure's report.
  log(line) {
    this.console.push(line.length > 400 ? line.slice(0, 400) + '...' : line);
    if (this.console.length > 30) this.console.shift();
  }

  send(method, params = {}, sessionId = this.session) {
    const id = this.next++;
    const message = { id, method, params };
    if (sessionId) message.sessionId = sessionId;
    this.process.stdio[3].write(JSON.stringify(message) + '\0');
    return new Promise((resolve, reject) => this.waiting.set(id, { resolve, reject, method }));
  }

  event(method, timeoutMs = 20000) {
    return new Promise((resolve, reject) => {
      const timer = setTimeout(() => reject(new Error('no ' + method)), timeoutMs);
      const listener = (message) => {
        if (message.method === method) {
          clearTimeout(timer);
          this.listeners.splice(this.listeners.indexOf(listener), 1);
          resolve(message.params);
        }
      };
      this.listeners.push(listener);
    });
  }

  // A new tab: `viewport` is {width, height, scale, mobile}; a mobile one takes touch.
  async openPage(viewport) {
    const { targetId } = await this.send('Target.createTarget', { url: 'about:blank' }, null);
    const { sessionId } = await this.send('Target.attachToTarget', { targetId, flatten: true },
                                          null);
    this.session = sessionId;
    await this.send('Page.enable');
    await this.send('Runtime.enable');
    await this.send('Network.enable');
    await this.send('Emulation.setDeviceMetricsOverride', {
      width: viewport.width, height: viewport.height, deviceScaleFactor: viewport.scale,
      mobile: !!viewport.mobile });
    if (viewport.mobile) {
      await this.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 1 });
    }
  }

  async navigate(url) {
    const loaded = this.event('Page.loadEventFired');
    await this.send('Page.navigate', { url });
    await loaded;
  }

  async reload() {
    const loaded = this.event('Page.loadEventFired');
    await this.send('Page.reload', { ignoreCache: false });
    await loaded;
  }

  async evaluate(expression) {
    const { result, exceptionDetails } = await this.send('Runtime.evaluate', {
      expression, awaitPromise: true, returnByValue: true });
    if (exceptionDetails) throw new Error(expression + ': ' + JSON.stringify(exceptionDetails));
    return result.value;
  }

  async waitFor(expression, timeoutMs = 20000) {
    const until = Date.now() + timeoutMs;
    for (;;) {
      if (await this.evaluate(expression)) return;
      if (Date.now() > until) {
        throw new Error('timed out waiting for ' + expression + '\n' + this.console.join('\n'));
      }
      await new Promise((resolve) => setTimeout(resolve, 50));
    }
  }

  async screenshot() {
    const { data } = await this.send('Page.captureScreenshot', { format: 'png' });
    return Buffer.from(data, 'base64');
  }

  // A tap at CSS pixel (x, y): a touch on a mobile page, a left click otherwise.
  async tap(x, y, touch) {
    if (touch) {
      await this.send('Input.dispatchTouchEvent', { type: 'touchStart',
                                                    touchPoints: [{ x, y }] });
      await this.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
      return;
    }
    for (const type of ['mouseMoved', 'mousePressed', 'mouseReleased']) {
      await this.send('Input.dispatchMouseEvent', { type, x, y, button: type === 'mouseMoved' ? 'none' : 'left', clickCount: 1 });
    }
  }

  async close() {
    this.send('Browser.close', {}, null).catch(() => {});
    const timer = setTimeout(() => this.process.kill('SIGKILL'), 5000);
    await this.exited;
    clearTimeout(timer);
    fs.rmSync(this.profile, { recursive: true, force: true });
  }
}

module.exports = { Browser };
