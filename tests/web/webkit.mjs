// WebKitGTK, the engine behind Safari: its MiniBrowser driven by Debian's
// WebKitWebDriver in an Xvfb of its own. WebDriver opens the page, runs
// scripts and takes screenshots; the mouse and the keyboard are real X input
// from xdotool, because WebKitGTK's WebDriver reports a right-button release
// as a left one and garbles every later input. Its pen actions arrive as a
// pen. It has no touch device under Xvfb. Its device pixel ratio is set at
// launch (GDK_SCALE), as an iPad's 2 is, and stays.
import {spawn, spawnSync} from 'node:child_process';
import {existsSync} from 'node:fs';
import {createServer} from 'node:net';

const X_BUTTON = {left: 1, middle: 2, right: 3};
const sleep = ms => new Promise(r => setTimeout(r, ms));

function freeDisplay() {
  for (let n = 140; n < 200; ++n)
    if (!existsSync(`/tmp/.X11-unix/X${n}`) && !existsSync(`/tmp/.X${n}-lock`)) return n;
  throw new Error('no free X display number');
}

function freePort() {
  return new Promise((resolve, reject) => {
    const server = createServer().listen(0, '127.0.0.1', () => {
      const {port} = server.address();
      server.close(() => resolve(port));
    }).on('error', reject);
  });
}

async function until(what, test, ms = 10000) {
  for (const end = Date.now() + ms; Date.now() < end; await sleep(25))
    if (await test()) return;
  throw new Error(`timed out waiting for ${what}`);
}

export async function launchWebKit(ratio = 1) {
  const display = freeDisplay();
  const env = {...process.env, DISPLAY: `:${display}`, GDK_BACKEND: 'x11', GDK_SCALE: String(ratio)};
  delete env.WAYLAND_DISPLAY;
  const children = [];
  const xvfb = spawn('Xvfb', [`:${display}`, '-noreset', '-screen', '0', `${2000 * ratio}x${1300 * ratio}x24`, '-nolisten', 'tcp'],
                     {stdio: 'ignore'});
  children.push(xvfb);
  await until('Xvfb', () => existsSync(`/tmp/.X11-unix/X${display}`));
  const port = await freePort();
  const driver = spawn('WebKitWebDriver', [`--port=${port}`], {env, stdio: 'ignore'});
  children.push(driver);
  const base = `http://127.0.0.1:${port}`;

  async function call(method, path, body) {
    const response = await fetch(base + path, {
      method, headers: {'Content-Type': 'application/json'}, body: body ? JSON.stringify(body) : undefined});
    const json = await response.json();
    if (json.value && json.value.error) throw new Error(`WebDriver ${path}: ${json.value.error}: ${json.value.message}`);
    return json.value;
  }
  await until('WebKitWebDriver', () => call('GET', '/status').then(() => true, () => false));
  const session = await call('POST', '/session', {capabilities: {alwaysMatch: {
    'webkitgtk:browserOptions': {args: ['--automation']}}}});
  const at = path => `/session/${session.sessionId}${path}`;
  await call('POST', at('/window/rect'), {x: 0, y: 0, width: 1100, height: 900});

  const xdotool = (...args) => {
    const done = spawnSync('xdotool', args.map(String), {env});
    if (done.status !== 0) throw new Error(`xdotool ${args.join(' ')}: ${done.stderr}`);
  };

  return {
    name: 'webkit',
    ratio,
    async evaluate(fn, ...args) {
      const result = await call('POST', at('/execute/async'), {
        script: `const done = arguments[arguments.length - 1];
                 Promise.resolve().then(() => (${fn}).apply(null, Array.prototype.slice.call(arguments, 0, -1)))
                   .then(value => done({value}), e => done({error: String(e && e.stack || e)}));`,
        args});
      if (result && result.error) throw new Error(result.error);
      return result ? result.value : undefined;
    },
    async goto(url) {
      await call('POST', at('/url'), {url});
    },
    async screenshot() {
      return Buffer.from(await call('GET', at('/screenshot')), 'base64');
    },
    xdotool,
    // The window grown or shrunk until its viewport has this size.
    async viewport(width, height) {
      for (let i = 0; i < 3; ++i) {
        const inner = await this.evaluate(() => [innerWidth, innerHeight]);
        if (inner[0] === width && inner[1] === height) return;
        const outer = await call('GET', at('/window/rect'));
        await call('POST', at('/window/rect'), {x: 0, y: 0, width: outer.width + width - inner[0],
                                                height: outer.height + height - inner[1]});
        await sleep(100);
      }
    },
    // A pen stroke through WebDriver's actions, in viewport pixels.
    async pen(points) {
      const actions = [{type: 'pointerMove', x: Math.round(points[0][0]), y: Math.round(points[0][1]), origin: 'viewport'},
                       {type: 'pointerDown', button: 0}];
      for (const [x, y] of points.slice(1))
        actions.push({type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport', duration: 20});
      actions.push({type: 'pointerUp', button: 0});
      await call('POST', at('/actions'), {actions: [{type: 'pointer', id: 'pen', parameters: {pointerType: 'pen'}, actions}]});
      await call('DELETE', at('/actions'));
    },
    // The window minimized, which hides the page, and shown again.
    hide: () => call('POST', at('/window/minimize'), {}),
    show: () => call('POST', at('/window/rect'), {x: 0, y: 0, width: 1100, height: 900}),
    reload: () => call('POST', at('/refresh'), {}),
    // Whether the session still answers (it goes when the web process crashes or hangs).
    alive: () => call('GET', at('/url')).then(() => true, () => false),
    X_BUTTON,
    // The MiniBrowser goes with its session, but not where its web process
    // crashed (WebKitGTK leaves it running then): the driver's children go first.
    async close() {
      await call('DELETE', at('')).catch(() => {});
      spawnSync('pkill', ['-P', String(driver.pid)]);
      for (const child of children.reverse()) child.kill();
    },
  };
}
