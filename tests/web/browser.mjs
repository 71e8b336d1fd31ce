// The browsers the page is tested in, behind one small interface:
//   chromium  Debian's chromium, headless, through the DevTools protocol
//   firefox   Debian's firefox-esr, headless, through WebDriver BiDi
//   webkit    WebKitGTK's MiniBrowser through WebDriver, with real X input
// Each starts with a fresh profile and fetches nothing in the background.
import puppeteer from 'puppeteer-core';
import {mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {launchWebKit} from './webkit.mjs';

// A browser through puppeteer, with a profile of its own that goes with it.
async function launch(options) {
  const profile = mkdtempSync(join(tmpdir(), `board-${options.browser || 'chromium'}-`));
  const browser = await puppeteer.launch({headless: true, userDataDir: profile, ...options});
  return {
    browser,
    async close() {
      await browser.close();
      rmSync(profile, {recursive: true, force: true});
    },
    // For a browser that may no longer answer.
    async kill() {
      const process = browser.process();
      if (process && process.exitCode === null) {
        const exited = new Promise(done => process.once('exit', done));
        process.kill('SIGKILL');
        await Promise.race([exited, new Promise(done => setTimeout(done, 5000))]);
      }
      try { rmSync(profile, {recursive: true, force: true, maxRetries: 5}); } catch (busy) { /* a temporary folder left */ }
    },
  };
}

export const launchChromium = (more = {}) => launch({
  ...more,
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  args: [
    ...(process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : []),
    '--disable-gpu', '--no-first-run', '--disable-background-networking', '--disable-component-update',
    '--disable-sync', '--disable-dev-shm-usage',
  ],
});

const launchFirefox = () => launch({
  browser: 'firefox',
  executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr',
  extraPrefsFirefox: {'network.captive-portal-service.enabled': false, 'app.update.enabled': false},
});

// Waits until the page has drawn two more frames.
export function frames(page) {
  return page.evaluate(() => new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r))));
}

// Runs in the page before its own scripts: what went wrong inside it, and a
// count of the pointer events it was sent (for input that arrives from
// outside the browser).
export const WATCHER = `(function () {
  var problems = window.__problems = [];
  addEventListener('error', function (e) { problems.push('uncaught: ' + e.message); });
  addEventListener('unhandledrejection', function (e) { problems.push('unhandled rejection: ' + e.reason); });
  document.addEventListener('securitypolicyviolation', function (e) { problems.push('refused: ' + e.blockedURI); });
  ['error', 'warn'].forEach(function (level) {
    var original = console[level];
    console[level] = function () {
      problems.push(level + ': ' + Array.prototype.join.call(arguments, ' '));
      return original.apply(console, arguments);
    };
  });
  window.__inputs = 0;
  ['pointerdown', 'pointermove', 'pointerup', 'pointercancel'].forEach(function (type) {
    addEventListener(type, function (e) { ++window.__inputs; window.__lastPointer = [e.clientX, e.clientY]; }, true);
  });
})();`;

// A pen's steps as the DevTools protocol sends them: the type, the buttons
// held after it, and the button it is of where that is not the tip.
const PEN_STEPS = {down: ['mousePressed', 1], move: ['mouseMoved', 1], up: ['mouseReleased', 0], hover: ['mouseMoved', 0],
                   barrel: ['mousePressed', 3, 'right'], 'barrel-move': ['mouseMoved', 3],
                   'barrel-up': ['mouseReleased', 1, 'right']};

// As tall as the window: the page shows it at scale 1, with room beside it.
export const VIEWPORT = {width: 851, height: 702};

// A tab of chromium or firefox, through puppeteer.
async function puppeteerTab(launched, engine, url, prelude) {
  const page = await launched.browser.newPage();
  // A screen of that many CSS pixels and device pixels per CSS pixel; a
  // tablet's browser (chromium only) honours the page's viewport tag.
  const screen = (width, height, ratio = 1, tablet = false) => page.setViewport(
    {width, height, deviceScaleFactor: ratio, hasTouch: true, ...(tablet ? {isMobile: true, isLandscape: width > height} : {})});
  await screen(VIEWPORT.width, VIEWPORT.height);
  const problems = [], requests = [];
  page.on('console', m => { if (m.type() === 'error' || m.type() === 'warn') problems.push(`${m.type()}: ${m.text()}`); });
  page.on('pageerror', e => problems.push(String(e)));
  page.on('request', r => { if (!r.url().startsWith('data:')) requests.push(r.url()); });
  await page.evaluateOnNewDocument(WATCHER + (prelude || ''));
  await page.goto(url);
  const cdp = engine === 'chromium' ? await page.createCDPSession() : null;
  let hidden = null;
  const penEvent = (type, x, y, buttons, button = buttons || type !== 'mouseMoved' ? 'left' : 'none') =>
    cdp.send('Input.dispatchMouseEvent', {type, x, y, button, buttons, clickCount: 1, pointerType: 'pen'});
  return {
    engine, page,
    evaluate: (fn, ...args) => page.evaluate(fn, ...args),
    screenshot: () => page.screenshot(),
    mouse: {
      move: (x, y) => page.mouse.move(x, y),
      down: (button = 'left') => page.mouse.down({button}),
      up: (button = 'left') => page.mouse.up({button}),
    },
    // A key, or a chord such as 'Shift+Tab'.
    async key(chord) {
      const keys = chord.split('+');
      for (const k of keys.slice(0, -1)) await page.keyboard.down(k);
      await page.keyboard.press(keys[keys.length - 1]);
      for (const k of keys.slice(0, -1).reverse()) await page.keyboard.up(k);
    },
    touch: {
      start: (x, y) => page.touchscreen.touchStart(x, y),
      move: (x, y) => page.touchscreen.touchMove(x, y),
      end: () => page.touchscreen.touchEnd(),
    },
    // One step of a pen: 'down', 'move' (pressed), 'up' or 'hover' (a move
    // with no button); under the tip, the barrel pressed, moved and let go.
    penStep: cdp ? (what, x, y) => {
      const [type, buttons, button] = PEN_STEPS[what];
      return penEvent(type, x, y, buttons, button);
    } : "puppeteer-core's WebDriver BiDi has no pen",
    pen: cdp ? async points => {
      await penEvent('mousePressed', ...points[0], 1);
      for (const [x, y] of points.slice(1)) await penEvent('mouseMoved', x, y, 1);
      await penEvent('mouseReleased', ...points[points.length - 1], 0);
    } : "puppeteer-core's WebDriver BiDi has no pen",
    viewport: (width, height, ratio = 1) => screen(width, height, ratio),
    // Reloads the page when it was no tablet before.
    tablet: cdp ? (width, height) => screen(width, height, 2, true)
                : "only chromium's automation emulates a tablet, whose browser honours the page's viewport tag",
    // Browser zoom changes the device pixels and the viewport's CSS width
    // together (here a little, so that the board stays whole in view).
    zoom: ratio => page.setViewport({width: VIEWPORT.width + (ratio === 1 ? 0 : 10), height: VIEWPORT.height,
                                     deviceScaleFactor: ratio, hasTouch: true}),
    accessibility: cdp ? () => page.accessibility.snapshot({interestingOnly: false})
                       : "puppeteer-core reads the accessibility tree through CDP only, which firefox does not offer",
    installability: cdp ? async () => (await cdp.send('Page.getInstallabilityErrors')).installabilityErrors
                        : 'only the DevTools protocol of chromium tells what keeps a site from being installed',
    // Another tab brought to the front hides this page; this one in front shows it.
    async hide() {
      hidden = await launched.browser.newPage();
      await hidden.bringToFront();
    },
    async show() {
      await page.bringToFront();
      await hidden.close();
    },
    reload: () => page.reload(),
    requests: () => requests,
    problems: async () => problems.concat(await page.evaluate(() => window.__problems || [])),
    closed: () => page.isClosed(),
    close: async () => { if (!page.isClosed()) await page.close(); },
  };
}

// Key names as X knows them.
const X_KEYS = {ArrowUp: 'Up', ArrowDown: 'Down', PageUp: 'Page_Up', PageDown: 'Page_Down', Shift: 'shift'};

// The one window of the MiniBrowser. Scripts cannot be put before the page's
// own through WebDriver, so a file is opened as a copy with them at its top;
// a page from a server must come with WATCHER at its top already.
async function webkitTab(webkit, url, prelude, scratch) {
  if (url.startsWith('file:')) {
    const copy = join(scratch, `page-${Date.now()}.html`);
    const html = readFileSync(new URL(url), 'utf8');
    writeFileSync(copy, html.replace('<head>', `<head>\n<script>${WATCHER}${prelude || ''}</script>`));
    url = 'file://' + copy;
  }
  await webkit.viewport(VIEWPORT.width, VIEWPORT.height);
  await webkit.goto(url);
  const inputs = () => webkit.evaluate(() => window.__inputs);
  // Real input arrives in its own time: each step waits until the page has seen it.
  async function send(...args) {
    const before = await inputs();
    webkit.xdotool(...args);
    for (const end = Date.now() + 3000; Date.now() < end;)
      if ((await inputs()) > before) return;
    throw new Error(`the page saw nothing of xdotool ${args.join(' ')}`);
  }
  // Where the viewport's origin lies on the X screen, whose pixels are device
  // pixels: the pointer is sent to a known place (from elsewhere, so that it
  // moves) and the page says where it arrived.
  webkit.xdotool('mousemove', 1, 1);
  await new Promise(r => setTimeout(r, 200));
  await webkit.evaluate(() => { window.__lastPointer = null; });
  webkit.xdotool('mousemove', 301, 303);
  let arrived = null;
  for (const end = Date.now() + 3000; !arrived && Date.now() < end;)
    arrived = await webkit.evaluate(() => window.__lastPointer);
  if (!arrived) throw new Error('the page saw no X pointer');
  const k = webkit.ratio, offset = [301 - arrived[0] * k, 303 - arrived[1] * k];
  let last = null;
  const screen = (x, y) => [Math.round(offset[0] + x * k), Math.round(offset[1] + y * k)];
  return {
    engine: 'webkit',
    evaluate: (fn, ...args) => webkit.evaluate(fn, ...args),
    screenshot: () => webkit.screenshot(),
    mouse: {
      async move(x, y) {
        const to = screen(x, y);
        if (last && to[0] === last[0] && to[1] === last[1]) return;
        last = to;
        await send('mousemove', ...to);
      },
      down: (button = 'left') => send('mousedown', webkit.X_BUTTON[button]),
      up: (button = 'left') => send('mouseup', webkit.X_BUTTON[button]),
    },
    viewport: (width, height) => webkit.viewport(width, height), // at the ratio it was launched with
    tablet: 'WebKitGTK has no mobile viewport to emulate',
    async key(chord) {
      webkit.xdotool('key', chord.split('+').map(k => X_KEYS[k] || k).join('+'));
      await new Promise(r => setTimeout(r, 150));
    },
    touch: 'WebKitGTK under Xvfb has no touch device: its touch actions arrive as mouse',
    pen: points => webkit.pen(points),
    zoom: "WebKitGTK's zoom keeps devicePixelRatio as launched (GDK_SCALE)",
    accessibility: 'WebDriver reads no accessibility tree',
    installability: 'only the DevTools protocol of chromium tells what keeps a site from being installed',
    hide: () => webkit.hide(),
    show: () => webkit.show(),
    async reload() {
      await webkit.reload();
      last = null;
    },
    requests: async () => webkit.evaluate(() => performance.getEntriesByType('resource').map(e => e.name)
                                                  .filter(name => !name.startsWith('data:'))),
    problems: () => webkit.evaluate(() => window.__problems || []),
    closed: () => false,
    // The page goes, as with a tab closed, and what the tab kept goes with it:
    // every page of this one window shares it.
    async close() {
      await webkit.evaluate(() => {
        Storage.prototype.setItem = function () {};
        sessionStorage.clear();
      }).catch(() => {});
      await webkit.goto('about:blank');
    },
  };
}

// open(url, prelude): a tab with the page loaded in a VIEWPORT, `prelude`
// (script text) run before the page's own scripts. `ratio` is WebKit's device
// pixel ratio; the others take any ratio in any tab.
export async function openEngine(engine, ratio = 1) {
  if (engine === 'webkit') {
    let webkit = await launchWebKit(ratio);
    const scratch = mkdtempSync(join(tmpdir(), 'board-webkit-'));
    return {
      engine,
      open: (url, prelude) => webkitTab(webkit, url, prelude, scratch),
      // Whether WebKitGTK's web process crashed or stopped answering under an
      // error: its WebDriver session went with it. Then the MiniBrowser is
      // launched again.
      crashed: async e => /page crash or hang|invalid session id/.test(String(e && e.message)) || !(await webkit.alive()),
      async reopen() {
        await webkit.close();
        webkit = await launchWebKit(ratio);
      },
      async close() {
        await webkit.close();
        rmSync(scratch, {recursive: true, force: true});
      },
    };
  }
  const launched = engine === 'firefox' ? await launchFirefox() : await launchChromium();
  return {
    engine,
    open: (url, prelude) => puppeteerTab(launched, engine, url, prelude),
    crashed: async () => false,
    close: () => launched.close(),
  };
}
