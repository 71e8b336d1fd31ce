// The built page in one browser engine, driven with real input and judged by
// screenshots:
//   node page_in_browser.mjs chromium|firefox|webkit PAGE.html [SHOT_DIR [SITE_DIR]]
// One body of checks for every engine; what an engine's automation cannot
// drive is printed as skipped, with the reason.
import {WATCHER, openEngine} from './browser.mjs';
import {checkKept} from './page_kept.mjs';
import {checkScreens} from './page_on_screens.mjs';
import {decodePng} from './png.mjs';
import {cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {createServer} from 'node:http';
import {createRequire} from 'node:module';
import {tmpdir} from 'node:os';
import {join, resolve} from 'node:path';

const [engineName, pageArg, shotDir = '.', siteDir] = process.argv.slice(2);
const url = 'file://' + resolve(pageArg);
let failures = 0, passes = 0, skips = 0;

function expect(ok, what) {
  console.log(`${ok ? 'PASS' : 'FAIL'}: ${what}`);
  ok ? ++passes : ++failures;
}
function skip(what, why) {
  console.log(`SKIP: ${what} (${engineName}: ${why})`);
  ++skips;
}

const WHITE = [255, 255, 255], RED = [255, 0, 0], YELLOW = [255, 255, 0], MAGENTA = [255, 0, 255],
      GREEN = [0, 128, 0];
const near = (got, want, slack = 0) => got.every((c, i) => Math.abs(c - want[i]) <= slack);
const sleep = ms => new Promise(r => setTimeout(r, ms));

// Whether `test` comes true in the page within a few seconds.
async function waitFor(tab, test, arg) {
  for (const end = Date.now() + 5000; Date.now() < end; await sleep(50))
    if (await tab.evaluate(test, arg)) return true;
  return false;
}

// A tab with the page started; `prelude` runs before the page's own scripts.
async function open(prelude, address = url, from = engine) {
  const tab = await from.open(address, prelude);
  const start = () => waitFor(tab, () => document.title === '平行線ボード (by n.Tavio)' ||
                                         [].some.call(document.querySelectorAll('.notice'), p => !p.hidden));
  if (!(await start())) throw new Error('the page neither started nor said why');
  // Where the board is in the viewport, and its CSS pixels per board pixel,
  // again after a zoom or a resize.
  let board = null;
  const locate = async () => {
    board = await tab.evaluate(() => {
      const gamen = document.getElementById('gamen'), r = gamen && gamen.getBoundingClientRect();
      return gamen && [r.left, r.top, r.width / 793];
    });
  };
  await locate();
  const resize = tab.viewport, tablet = tab.tablet, reload = tab.reload;
  // The page is fitted again at the next frame, after the browser's resize event.
  const frames = () => tab.evaluate(() => new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r))));
  const settled = async () => {
    await frames();
    await locate();
  };
  tab.viewport = async (...size) => {
    await resize(...size);
    await settled();
  };
  tab.reload = async () => {
    await reload();
    if (!(await start())) throw new Error('the page reloaded neither started nor said why');
    await locate();
  };
  if (typeof tablet !== 'string') {
    tab.tablet = async (...size) => { // the page may start again
      await tablet(...size);
      await start();
      await settled();
    };
  }
  tab.at = (x, y) => [board[0] + x * board[2], board[1] + y * board[2]];
  tab.scale = () => board[2];
  // The colours at board points (the middle of each board pixel), from a
  // screenshot of what the page shows.
  tab.colours = async (points, name) => {
    await settled();
    const png = await tab.screenshot();
    if (name) writeFileSync(join(shotDir, `page-${engineName}-${name}.png`), png);
    const ratio = await tab.evaluate(() => devicePixelRatio);
    const image = decodePng(png);
    const device = (origin, v) => Math.floor((origin + (v + 0.5) * board[2]) * ratio);
    return points.map(([x, y]) => image.rgb(device(board[0], x), device(board[1], y)));
  };
  // A click in the middle of a control, or of a part of it ('input': a radio's circle).
  tab.clickControl = async (id, part = '') => {
    const [x, y] = await tab.evaluate(selector => {
      const b = document.querySelector(selector).getBoundingClientRect();
      return [b.left + b.width / 2, b.top + b.height / 2];
    }, `#${id} ${part}`);
    await tab.clickAt(x, y);
  };
  tab.clickAt = async (x, y) => {
    await tab.mouse.move(x, y);
    await tab.mouse.down();
    await tab.mouse.up();
  };
  tab.press = async (button, x, y) => {
    await tab.mouse.move(...tab.at(x, y));
    await tab.mouse.down(button);
  };
  tab.drag = async (points, button = 'left') => {
    await tab.press(button, ...points[0]);
    for (const [x, y] of points.slice(1)) await tab.mouse.move(...tab.at(x, y));
    await tab.mouse.up(button);
  };
  tab.reset = async () => {
    await tab.press('right', 600, 600);
    await tab.mouse.up('right');
  };
  return tab;
}

// What axe-core finds wrong in the page, at WCAG 2.1 A and AA and best practice.
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
function axeViolations(tab) {
  return tab.evaluate(async source => {
    if (!window.axe) (0, eval)(source);
    const tags = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice'];
    const result = await window.axe.run(document, {runOnly: {type: 'tag', values: tags}});
    return result.violations.map(v => `${v.id}: ${v.nodes.map(n => n.target.join(' ')).join(', ')}`);
  }, axeSource);
}

// The names, roles and levels in the browser's accessibility tree.
function treeNodes(node, found = []) {
  found.push(node);
  for (const child of node.children || []) treeNodes(child, found);
  return found;
}

// Where a press may come before the remote's Page Down, none of them on the board.
const REMOTE = [
  ['right after start', async () => {}],
  ['after a click on 初期画面', tab => tab.clickControl('Command1')],
  ["after clicks on a palette radio's circle and on another's caption, memo mode on and off", async tab => {
    await tab.clickControl('Command3');
    await tab.clickControl('Option1_5', 'input');
    await tab.clickControl('Option1_6');
    await tab.clickControl('Command3');
  }],
  ['after a click on the margin beside the board', tab => tab.clickAt(...tab.at(-4, 300))],
  ['after a click on the page outside the window', tab => tab.clickAt(40, 300)],
  ['after a right press off the board during a drag', async tab => {
    await tab.press('left', 300, 405);
    await tab.mouse.move(...tab.at(-14, 500));
    await tab.mouse.down('right');
    await tab.mouse.up('right');
    await tab.mouse.up();
  }],
];

// The focus ring: a column of pixels just left of the board.
const ringColumn = Array.from({length: 6}, (_, i) => [-6 + i, 300]);
const blue = colours => colours.some(c => near(c, [0, 0, 255], 60));

// DE on the board: the colour at (300, y) for each y asked.
async function deAt(tab, ys, name) {
  return tab.colours(ys.map(y => [300, y]), name);
}

// DE taken by a press at 405 and let go off the board, left of it: the moves
// and the release out there still reach the board, so DE stays at 475, red.
async function checkDragOffTheBoard(tab, how) {
  await tab.reset();
  await tab.press('left', 300, 405);
  await tab.mouse.move(...tab.at(-14, 440));
  await tab.mouse.move(...tab.at(-14, 470));
  await tab.mouse.up();
  await tab.mouse.move(...tab.at(300, 300));
  const got = await deAt(tab, [475, 410]);
  expect(near(got[0], RED) && near(got[1], GREEN), `${how}: a drag followed off the board until its release`);
}

// Where a second button is pressed while the board holds the pointer: on the
// board, and off it to the left, where Firefox sends the chord to the element
// under the pointer instead.
const CHORDS = [['on the board', 300], ['off the board', -14]];

// The right button pressed and released while the left holds DE: the figure
// goes back, DE stays magenta, and moves after it move nothing.
async function checkRightPressInDrag(tab, how, where, x) {
  await tab.reset();
  await tab.press('left', 300, 405);
  await tab.mouse.move(...tab.at(x, 500));
  await tab.mouse.down('right');
  await tab.mouse.up('right');
  await tab.mouse.move(...tab.at(x, 450));
  await tab.mouse.move(...tab.at(300, 480));
  const got = await tab.colours([[300, 410], [300, 550], [300, 505], [300, 485]], 'right-press');
  await tab.mouse.up();
  expect(near(got[0], MAGENTA) && near(got[1], WHITE) && near(got[2], GREEN) && near(got[3], GREEN),
         `${how}: a right press ${where} during a drag restores the figure, keeps DE magenta, and ends the drag`);
}

// The middle button pressed and let go while the left holds DE ends the drag;
// in memo mode, the left pressed while the middle holds the board puts the
// chalk down, and the way back onto the board is drawn.
async function checkMiddleChords(tab, how, where, x) {
  await tab.reset();
  await tab.press('left', 300, 405);
  await tab.mouse.move(...tab.at(x, 455));
  await tab.mouse.down('middle');
  await tab.mouse.up('middle');
  await tab.mouse.move(...tab.at(x, 500));
  await tab.mouse.move(...tab.at(300, 520));
  const dragged = await tab.colours([[300, 460], [300, 505], [300, 525]]);
  await tab.mouse.up();
  expect(near(dragged[0], RED) && near(dragged[1], GREEN) && near(dragged[2], GREEN),
         `${how}: the middle button pressed and let go ${where} ends a drag`);

  await tab.reset();
  await tab.clickControl('Command3');
  await tab.press('middle', 100, 300);
  await tab.mouse.move(...tab.at(x, 300));
  await tab.mouse.down('left');
  await tab.mouse.move(...tab.at(200, 300));
  await tab.mouse.up('left');
  await tab.mouse.up('middle');
  const drawn = await tab.colours([[Math.round((x + 200) / 2), 300], [Math.round((x + 600) / 4), 300]], 'middle-chord');
  expect(drawn.every(c => !near(c, GREEN, 40)),
         `${how}: in memo mode the left pressed ${where} while the middle is held puts the chalk down`);
}

async function checkChords(tab, how) {
  for (const [where, x] of CHORDS) {
    await checkRightPressInDrag(tab, how, where, x);
    await checkMiddleChords(tab, how, where, x);
  }
}

async function checkFinger(tab, how) {
  if (typeof tab.touch === 'string') return skip(`${how}: a finger drags DE`, tab.touch);
  await tab.reset();
  await tab.touch.start(...tab.at(300, 405));
  await tab.touch.move(...tab.at(300, 440));
  await tab.touch.move(...tab.at(300, 475));
  await tab.touch.end();
  const got = await deAt(tab, [480, 410]);
  expect(near(got[0], RED) && near(got[1], GREEN) && (await tab.evaluate(() => scrollY === 0)),
         `${how}: a finger drags DE, and the page does not scroll`);
}

// A pen and a hand on the glass in memo mode, from a quiet start: the steps
// ([who, what, x, y] in board pixels, or ['wait', ms]), where there must be
// chalk, and where none may be.
const PALM = [
  ['a palm first: the pen takes the board, and the palm leaves only its first mark',
   [['touch', 'down', 500, 300], ['touch', 'move', 540, 300], ['pen', 'down', 100, 200], ['touch', 'move', 620, 300],
    ['pen', 'move', 300, 200], ['pen', 'up', 300, 200], ['touch', 'up', 620, 300]], [[200, 200], [520, 300]], [[580, 300]]],
  ['a palm put down while the pen writes draws nothing',
   [['pen', 'down', 100, 250], ['touch', 'down', 500, 350], ['touch', 'move', 600, 350], ['pen', 'move', 300, 250],
    ['pen', 'up', 300, 250], ['touch', 'up', 600, 350]], [[200, 250]], [[550, 350]]],
  ['a finger right after the pen draws nothing',
   [['pen', 'down', 100, 400], ['pen', 'move', 300, 400], ['pen', 'up', 300, 400], ['touch', 'down', 500, 400],
    ['touch', 'move', 600, 400], ['touch', 'up', 600, 400]], [[200, 400]], [[550, 400]]],
  ['a finger writes after a quiet second',
   [['pen', 'down', 100, 450], ['pen', 'move', 300, 450], ['pen', 'up', 300, 450], ['wait', 1100],
    ['touch', 'down', 500, 450], ['touch', 'move', 600, 450], ['touch', 'up', 600, 450]], [[200, 450], [550, 450]], []],
];

async function checkPalm(tab) {
  if (typeof tab.penStep === 'string' || typeof tab.touch === 'string')
    return skip('a pen over a resting hand', typeof tab.penStep === 'string' ? tab.penStep : tab.touch);
  const touch = {down: 'start', move: 'move', up: 'end'};
  for (const [what, steps, chalk, bare] of PALM) {
    await tab.reset();
    await tab.clickControl('Command3');
    await sleep(1100); // the last row's pen is quiet
    for (const [who, step, x, y] of steps) {
      if (who === 'wait') await sleep(step);
      else if (who === 'pen') await tab.penStep(step, ...tab.at(x, y));
      else await tab.touch[touch[step]](...tab.at(x, y));
    }
    const got = await tab.colours(chalk.concat(bare), 'palm');
    expect(got.every((c, i) => (i < chalk.length) !== near(c, GREEN, 40)), `${what}: ${JSON.stringify(got)}`);
  }
  // A touch that starts on the board is cancelled, so that iPadOS's handwriting
  // takes no stroke away; one on a button is not, and the button answers.
  await tab.reset();
  await tab.evaluate(() => {
    window.touchStarts = [];
    addEventListener('touchstart', e => touchStarts.push([e.target.id, e.defaultPrevented]));
  });
  await tab.touch.start(...tab.at(300, 300));
  await tab.touch.end();
  const [x, y] = await tab.evaluate(() => {
    const b = document.getElementById('Command3').getBoundingClientRect();
    return [b.left + b.width / 2, b.top + b.height / 2];
  });
  await tab.touch.start(x, y);
  await tab.touch.end();
  const starts = await tab.evaluate(() => [touchStarts, !document.querySelector('#Option1_0 input').disabled]);
  expect(JSON.stringify(starts) === '[[["gamen",true],["Command3",false]],true]',
         `a touch that starts on the board is cancelled, one on a button is not and presses it: ${JSON.stringify(starts)}`);
}

// A folder served from 127.0.0.1 under a sub-path, as a static host serves
// it (each file may be kept ten minutes); it can be stopped and started again
// on its port, with another folder. `inject` goes at the top of index.html.
function folderServer(prefix, inject) {
  const types = {html: 'text/html; charset=utf-8', js: 'text/javascript', webmanifest: 'application/manifest+json',
                 png: 'image/png'};
  let root = null, server = null, port = 0;
  const sockets = new Set();
  function answer(request, response) {
    const path = new URL(request.url, 'http://127.0.0.1').pathname;
    const name = path === prefix ? 'index.html' : path.startsWith(prefix) ? path.slice(prefix.length) : '';
    let body = null;
    try { if (/^[\w.-]+$/.test(name)) body = readFileSync(join(root, name)); } catch { /* not there */ }
    if (!body) return response.writeHead(404).end();
    if (name === 'index.html' && inject) body = String(body).replace('<head>', `<head>\n<script>${inject}</script>`);
    response.writeHead(200, {'Content-Type': types[name.split('.').pop()], 'Cache-Control': 'max-age=600'}).end(body);
  }
  let visits = 0;
  return {
    // Each visit by an address not asked for before, which neither the HTTP
    // cache nor an engine's memory of pages can answer: only the service worker
    // (which leaves out the query) or the server.
    url: () => `http://127.0.0.1:${port}${prefix}?visit=${++visits}`,
    async start(folder) {
      root = folder;
      server = createServer(answer).on('connection', socket => {
        sockets.add(socket);
        socket.on('close', () => sockets.delete(socket));
      });
      await new Promise((done, failed) => server.listen(port, '127.0.0.1', done).on('error', failed));
      port = server.address().port;
    },
    async stop() {
      for (const socket of sockets) socket.destroy();
      await new Promise(done => server.close(done));
    },
  };
}

// What the page keeps beside a cache: cookies, web storage, databases. While
// the page is shown, none: the tab keeps the board only once it is hidden.
const STORED = async () => document.cookie.length + localStorage.length + sessionStorage.length +
                           (indexedDB.databases ? (await indexedDB.databases()).length : 0);

// Whether the site's service worker is active and keeps the five files of one release.
const KEPT = () => navigator.serviceWorker.ready.then(async registration => {
  const names = await caches.keys();
  return registration.active.state === 'activated' && names.length === 1 &&
         (await (await caches.open(names[0])).keys()).length === 5;
});

// The site from a web server: kept by its service worker on the first visit,
// it opens with no network and DE can be dragged there; a new release on the
// server is shown at a later visit, and the old one's cache goes.
async function checkSite() {
  const site = folderServer('/parallel-board/', engineName === 'webkit' ? WATCHER : null);
  await site.start(siteDir);
  const online = await open('', site.url());
  const kept = await waitFor(online, KEPT);
  if (typeof online.installability === 'string') {
    skip('the site can be installed', online.installability);
  } else {
    const errors = await online.installability();
    expect(errors.length === 0, 'the site can be installed: ' + JSON.stringify(errors));
  }
  const origin = new URL(site.url()).origin;
  const foreign = (await online.requests()).filter(r => !r.startsWith(origin + '/'));
  const stored = await online.evaluate(STORED);
  expect(foreign.length === 0 && stored === 0,
         `the site asks nothing of any other server and, while shown, stores nothing but its cache (${JSON.stringify(foreign)}, ${stored})`);
  const onlineProblems = await online.problems();
  await online.close();
  await site.stop();

  const offline = await open('', site.url()).catch(e => ({failed: e}));
  if (offline.failed) {
    expect(false, `the site, kept on its first visit, opens with no network (${offline.failed.message})`);
    return;
  }
  await offline.drag([[300, 405], [300, 445], [300, 485]]);
  const got = await deAt(offline, [490, 410], 'site-offline');
  const problems = onlineProblems.concat(await offline.problems());
  expect(kept && near(got[0], RED) && near(got[1], GREEN) && problems.length === 0,
         `the site, kept on its first visit, opens with no network and DE moves (${kept}, ${JSON.stringify(problems)})`);
  await offline.close();

  const next = mkdtempSync(join(tmpdir(), 'board-site-'));
  cpSync(siteDir, next, {recursive: true});
  const edit = (name, from, to) => writeFileSync(join(next, name), String(readFileSync(join(next, name))).replace(from, to));
  edit('index.html', '<head>', '<head>\n<meta name="release" content="next">');
  edit('service-worker.js', /parallel-board-\w+/, 'parallel-board-next');
  await site.start(next);
  let shownAt = 0, cachesThen = null;
  for (let visit = 1; visit <= 4 && !shownAt; ++visit) {
    const tab = await open('', site.url());
    const isNext = () => !!document.querySelector('meta[name="release"]');
    if (await tab.evaluate(isNext)) {
      shownAt = visit;
      cachesThen = await tab.evaluate(() => caches.keys());
    } else { // the new release installs beside the old one while this page is open
      await waitFor(tab, () => navigator.serviceWorker.getRegistration().then(r => !!(r && r.waiting)));
    }
    await tab.close();
  }
  await site.stop();
  rmSync(next, {recursive: true, force: true});
  expect(shownAt > 1 && JSON.stringify(cachesThen) === '["parallel-board-next"]',
         `a new release is shown at a later visit (visit ${shownAt}), and only its cache is kept (${JSON.stringify(cachesThen)})`);
}

const engine = await openEngine(engineName);
try {
  const tab = await open();

  // The layout, and the figure as it first appears.
  const places = await tab.evaluate(() => {
    const form = document.getElementById('Form1').getBoundingClientRect();
    return ['Label1', 'gamen', 'Command1', 'Command2', 'Command3', 'Option1_0', 'Option1_7', 'Label4_1'].map(id => {
      const r = document.getElementById(id).getBoundingClientRect();
      return [id, r.left - form.left, r.top - form.top, r.width, r.height, document.getElementById(id).textContent];
    });
  });
  expect(JSON.stringify(places) === JSON.stringify([
    ['Label1', 16, 8, 125, 33, '相似と比'], ['gamen', 8, 48, 793, 641, ''], ['Command1', 176, 8, 73, 33, '初期画面'],
    ['Command2', 736, 8, 65, 33, '終了'], ['Command3', 304, 8, 73, 33, 'メモ'], ['Option1_0', 416, 24, 57, 17, '赤色'],
    ['Option1_7', 584, 8, 81, 17, '消しゴム'], ['Label4_1', 384, 24, 24, 12, '細字'],
  ]), 'the controls stand at their places with their captions: ' + JSON.stringify(places));
  const figure = [[200, 480, WHITE], [250, 550, WHITE], [520, 480, WHITE], [300, 410, RED], [325, 305, RED],
                  [445, 305, RED], [340, 555, YELLOW], [360, 405, YELLOW], [350, 500, GREEN], [700, 100, GREEN]];
  let got = await tab.colours(figure.map(([x, y]) => [x, y]), 'start');
  expect(figure.every(([, , want], i) => near(got[i], want, 40)), 'the first picture shows the figure: ' +
         JSON.stringify(got));

  // A drag of DE down onto BC: magenta while held, red after the release.
  await tab.press('left', 300, 405);
  for (let y = 425; y <= 545; y += 20) await tab.mouse.move(...tab.at(300, y));
  got = await tab.colours([[300, 550], [300, 410], [150, 550]], 'drag');
  expect(near(got[0], MAGENTA) && near(got[1], GREEN), 'DE follows the pointer onto BC, magenta while held');
  await tab.mouse.up();
  got = await deAt(tab, [550]);
  expect(near(got[0], RED), 'DE turns red when released');

  await checkChords(tab, 'mouse');
  await checkDragOffTheBoard(tab, 'mouse');
  await checkFinger(tab, 'touch');

  // A pen drags DE as the left button does, and is let go.
  if (typeof tab.pen === 'string') {
    skip('a pen drags DE', tab.pen);
  } else {
    await tab.reset();
    await tab.pen([tab.at(300, 405), tab.at(300, 425), tab.at(300, 445), tab.at(300, 465)]);
    got = await deAt(tab, [470, 410], 'pen');
    await tab.clickControl('Command3');
    await tab.pen([tab.at(100, 300), tab.at(200, 300), tab.at(300, 300)]);
    const written = await tab.colours([[150, 300], [250, 300]], 'pen-chalk');
    expect(near(got[0], RED) && near(got[1], GREEN) && written.every(c => near(c, RED, 40)),
           'a pen drags DE and lets it go, and writes chalk');
  }
  await checkPalm(tab);

  // Thick yellow chalk: a stroke 6 pixels wide.
  await tab.reset();
  await tab.clickControl('Command3');
  await tab.clickControl('Option1_5');
  await tab.drag([[100, 100], [120, 100], [160, 100], [200, 100], [240, 100], [280, 100], [300, 100]]);
  const column = Array.from({length: 21}, (_, i) => [210, 90 + i]); // between two joins
  got = await tab.colours(column, 'chalk');
  const thickness = got.reduce((sum, c) => sum + c[0] / 255, 0);
  expect(near(got[10], YELLOW) && Math.abs(thickness - 6) < 0.6, `thick yellow chalk is 6 pixels wide (${thickness.toFixed(2)})`);

  // The middle button let go while the left is held lifts the chalk: the
  // moves after it draw nothing.
  await tab.press('left', 100, 150);
  await tab.mouse.move(...tab.at(200, 150));
  await tab.mouse.down('middle');
  await tab.mouse.up('middle');
  await tab.mouse.move(...tab.at(300, 150));
  await tab.mouse.move(...tab.at(350, 150));
  await tab.mouse.up();
  got = await tab.colours([[150, 150], [250, 150], [320, 150]], 'middle');
  expect(near(got[0], YELLOW) && near(got[1], GREEN) && near(got[2], GREEN),
         'releasing the middle button during a stroke lifts the chalk: ' + JSON.stringify(got));

  // A right press wipes the chalk and brings the figure back; no menu opens.
  await tab.evaluate(() => {
    window.menusLeftOpen = 0;
    document.addEventListener('contextmenu', e => { if (!e.defaultPrevented) ++window.menusLeftOpen; });
  });
  await tab.reset();
  got = await tab.colours([[200, 100], [300, 410], [300, 480]], 'reset');
  expect(near(got[0], GREEN) && near(got[1], RED) && near(got[2], GREEN) &&
         (await tab.evaluate(() => window.menusLeftOpen === 0)),
         'a right press wipes the chalk and restores the figure, with no context menu');

  // The greyed palette takes no click: the next memo mode draws yellow, 3 wide.
  await tab.clickControl('Option1_6');
  const checked = await tab.evaluate(() => [5, 6].map(i => document.querySelector(`#Option1_${i} input`).checked));
  await tab.clickControl('Command3');
  await tab.drag([[100, 200], [300, 200]]);
  got = await tab.colours(Array.from({length: 21}, (_, i) => [210, 190 + i]));
  const thin = got.reduce((sum, c) => sum + c[0] / 255, 0);
  expect(checked[0] && !checked[1] && near(got[10], YELLOW) && Math.abs(thin - 3) < 0.6,
         `a greyed palette button ignores a click (${JSON.stringify(checked)}, ${thin.toFixed(2)} wide)`);

  // Zoomed to twice the pixels: the chalk is kept, DE is drawn sharp.
  if (typeof tab.zoom === 'string') {
    skip('a change of device pixels keeps the chalk', tab.zoom);
  } else {
    await tab.zoom(2);
    const sharp = await waitFor(tab, () => document.getElementById('gamen').width === 2 * 793);
    got = await tab.colours([[200, 200], [300, 410]], 'zoomed');
    expect(sharp && near(got[0], YELLOW) && near(got[1], RED), 'a change of device pixels keeps the chalk');
    await tab.zoom(1);
  }

  const stored = await tab.evaluate(STORED);
  const requests = (await tab.requests()).filter(r => r !== url);
  expect(requests.length === 0 && stored === 0, `no network request and nothing stored while the page is shown (${JSON.stringify(requests)}, ${stored})`);
  const problems = await tab.problems();
  expect(problems.length === 0, 'no errors or warnings: ' + JSON.stringify(problems));

  // 終了: the board goes and nothing answers; the tab closes itself where
  // the browser lets a script close it.
  await tab.clickControl('Command2');
  await sleep(200);
  const ended = (await tab.closed()) ? 'closed' :
    await tab.evaluate(() => !document.getElementById('Form1') && !document.getElementById('ended').hidden &&
                             document.activeElement === document.body);
  expect(ended, `終了 ends the program and says so${ended === 'closed' ? ' (the tab closed itself)' : ''}`);
  await tab.close();

  // Where the engine reports no change of resolution, a resize tells.
  if (typeof tab.zoom === 'string') {
    skip('a change of device pixels is noticed without matchMedia', tab.zoom);
  } else {
    const deaf = await open(`window.matchMedia = function (q) {
      return {matches: false, media: q, addEventListener: function () {}, removeEventListener: function () {},
              addListener: function () {}, removeListener: function () {}};
    };`);
    await deaf.clickControl('Command3');
    await deaf.drag([[100, 200], [300, 200]]);
    await deaf.zoom(2);
    const sharp = await waitFor(deaf, () => document.getElementById('gamen').width === 2 * 793);
    got = await deaf.colours([[200, 200]]);
    expect(sharp && near(got[0], RED), 'without matchMedia, a resize tells of the new device pixels, and the chalk stays');
    await deaf.close();
  }

  // Without Pointer Events, mouse and touch events do the same.
  // (The engine still makes pointer events; they are stopped before the page sees any.)
  const old = await open(`delete window.PointerEvent;
    [window, Document.prototype, HTMLElement.prototype, Element.prototype].forEach(function (o) {
      delete o.onpointerdown;
    });
    ['pointerdown', 'pointermove', 'pointerup', 'pointercancel', 'pointerover', 'pointerout', 'pointerenter',
     'pointerleave', 'gotpointercapture', 'lostpointercapture'].forEach(function (type) {
      addEventListener(type, function (e) { e.stopImmediatePropagation(); }, true);
    });`);
  const pointerless = await old.evaluate(() => !window.PointerEvent && !('onpointerdown' in document.body));
  expect(pointerless, 'a browser without Pointer Events can be imitated');
  await old.drag([[300, 405], [300, 445], [300, 485]]);
  got = await deAt(old, [490, 410]);
  expect(near(got[0], RED) && near(got[1], GREEN), 'without Pointer Events: the mouse drags DE');
  await checkChords(old, 'without Pointer Events');
  await checkDragOffTheBoard(old, 'without Pointer Events');
  await checkFinger(old, 'without Pointer Events, touch');
  const oldProblems = await old.problems();
  expect(oldProblems.length === 0, 'without Pointer Events: no errors or warnings: ' + JSON.stringify(oldProblems));
  await old.close();

  // What a screen reader and the keyboard meet, on a 1920 × 1080 screen.
  const a11y = await open();
  await a11y.viewport(1920, 1080);
  let violations = await axeViolations(a11y);
  expect(violations.length === 0, 'axe-core finds nothing at start: ' + JSON.stringify(violations));
  await a11y.clickControl('Command3');
  violations = await axeViolations(a11y);
  expect(violations.length === 0, 'axe-core finds nothing in memo mode: ' + JSON.stringify(violations));
  if (typeof a11y.accessibility === 'string') {
    skip("the accessibility tree tells the palette's buttons apart", a11y.accessibility);
  } else {
    const nodes = treeNodes(await a11y.accessibility());
    const radios = nodes.filter(n => n.role === 'radio').map(n => n.name);
    const rows = ['細字', '太字'].flatMap(row => ['赤色', '黄色', '青色', '消しゴム'].map(c => `${row} ${c}`));
    const title = nodes.find(n => n.role === 'heading' && n.level === 1);
    expect(JSON.stringify(radios) === JSON.stringify(rows) && title && title.name === '相似と比' &&
           nodes.some(n => n.role === 'main'),
           `the accessibility tree tells the palette's buttons apart, under the heading and in the main landmark: ` +
           JSON.stringify(radios));
  }
  // A ring around the board when the keyboard brings it the focus, none when a click does.
  await a11y.evaluate(() => document.getElementById('Command1').focus());
  await a11y.key('Shift+Tab');
  const byKey = (await a11y.evaluate(() => document.activeElement.id)) === 'gamen' &&
                blue(await a11y.colours(ringColumn, 'focus-ring'));
  await a11y.evaluate(() => document.activeElement.blur());
  await a11y.drag([[700, 100], [700, 100]]);
  const byClick = await a11y.evaluate(() => document.activeElement.id);
  const ringAfterClick = blue(await a11y.colours(ringColumn));
  expect(byKey && byClick === 'gamen' && !ringAfterClick,
         `the board shows a focus ring when reached with the keyboard, not when clicked (${byKey}, ${byClick}, ${ringAfterClick})`);
  await a11y.close();

  // DE from the keyboard, in a window shorter than the board, where a page
  // that did not fit would scroll: the board's keys move DE and scroll
  // nothing; Tab still leaves the board.
  const keys = await open();
  await keys.viewport(840, 600);
  await keys.drag([[700, 100], [700, 100]]); // a click gives the board the focus
  for (const key of ['ArrowDown', 'ArrowDown', 'PageDown', 'Shift+ArrowDown', 'ArrowUp']) await keys.key(key);
  got = await deAt(keys, [431, 410], 'keys');
  const ringAfterKeys = blue(await keys.colours(ringColumn));
  const keyPage = await keys.evaluate(() => [scrollY, document.getElementById('gamen').getAttribute('aria-keyshortcuts')]);
  await keys.key('Tab');
  await keys.key('PageDown');
  const afterTab = await keys.evaluate(() => document.activeElement.id);
  const stayed = await deAt(keys, [431]);
  expect(near(got[0], RED, 40) && near(got[1], GREEN, 40) && keyPage[0] === 0 && !ringAfterKeys &&
         keyPage[1] === 'ArrowUp ArrowDown PageUp PageDown' && afterTab === 'Command1' && near(stayed[0], RED, 40),
         'the arrow and page keys move DE, scroll nothing and bring no ring to a clicked board, and Tab moves on ' +
         'to a button that keeps the focus under Page Down ' + JSON.stringify([got, keyPage, ringAfterKeys, afterTab]));
  await keys.close();

  // A presenter's remote: Page Down moves DE from the start, and after presses
  // anywhere but on the board, which leave the keyboard focus where it was.
  for (const [after, act] of REMOTE) {
    const remote = await open();
    await remote.viewport(1000, 720);
    await act(remote);
    await remote.key('PageDown');
    got = await deAt(remote, [420, 410], 'remote');
    const focused = await remote.evaluate(() => document.activeElement.id);
    const ring = blue(await remote.colours(ringColumn));
    expect(near(got[0], RED) && near(got[1], GREEN) && focused === 'gamen' && !ring,
           `the remote's Page Down moves DE ${after}, with no focus ring (${JSON.stringify([got, focused, ring])})`);
    await remote.close();
  }

  await checkKept({open, engine: engineName, expect, skip});
  await checkScreens({open, expect, skip, near});
  if (engineName === 'webkit') { // again at an iPad's device pixel ratio, which WebKitGTK takes only at launch
    const sharper = await openEngine('webkit', 2);
    try {
      await checkScreens({open: () => open(undefined, url, sharper), expect, skip, near});
    } finally {
      await sharper.close();
    }
  }

  if (siteDir) await checkSite();

  // Without WebAssembly, or when the module fails to start: one clear line.
  for (const [why, prelude, notice] of [
    ['a browser without WebAssembly', 'delete window.WebAssembly;', 'no-wasm'],
    ['a module that fails to compile', `WebAssembly.Module = function () { throw new WebAssembly.CompileError('refused'); };
       WebAssembly.instantiate = function () { return Promise.reject(new WebAssembly.CompileError('refused')); };`,
     'start-failed'],
    ['a start that fails in the page', `HTMLCanvasElement.prototype.getContext = function () { return null; };`,
     'start-failed'],
  ]) {
    const broken = await open(prelude).catch(e => ({failed: e}));
    if (broken.failed) {
      expect(false, `${why} shows one line: ${broken.failed.message}`);
      continue;
    }
    const line = await broken.evaluate(id => !document.getElementById('Form1') &&
      [].filter.call(document.querySelectorAll('.notice'), p => !p.hidden).map(p => p.id).join() === id, notice);
    const brokenProblems = await broken.problems();
    expect(line && brokenProblems.length === 0, `${why} shows one line and no uncaught error: ${JSON.stringify(brokenProblems)}`);
    await broken.close();
  }
} catch (e) {
  expect(false, 'the page could be driven: ' + (e.stack || e));
} finally {
  await engine.close();
}
console.log(`${engineName}: ${passes} passed, ${failures} failed, ${skips} skipped`);
process.exit(failures ? 1 : 0);
