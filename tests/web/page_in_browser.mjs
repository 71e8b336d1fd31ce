// The built page in one browser engine, driven with real input and judged by
// screenshots:
//   node page_in_browser.mjs chromium|firefox|webkit PAGE.html [SHOT_DIR [SITE_DIR]]
// One body of checks for every engine, by concern in the page_*.mjs files,
// each given `t` (below); what an engine's automation cannot drive is printed
// as skipped, with the reason.
import {openEngine} from './browser.mjs';
import {checkKeys} from './page_keys.mjs';
import {checkKept} from './page_kept.mjs';
import {checkDeafToResolution, checkScreens} from './page_on_screens.mjs';
import {checkInkTrail} from './page_ink.mjs';
import {checkPointers, checkWithoutPointerEvents} from './page_pointers.mjs';
import {checkSite} from './page_site.mjs';
import {checkBrokenStarts, checkEnd, checkStart} from './page_start.mjs';
import {decodePng} from './png.mjs';
import {writeFileSync} from 'node:fs';
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

const COLOURS = {white: [255, 255, 255], red: [255, 0, 0], yellow: [255, 255, 0], magenta: [255, 0, 255],
                 green: [0, 128, 0], blue: [0, 0, 255]};
const near = (got, want, slack = 0) => got.every((c, i) => Math.abs(c - want[i]) <= slack);
const sleep = ms => new Promise(r => setTimeout(r, ms));

// Whether `test` comes true in the page within a few seconds.
async function waitFor(tab, test, arg) {
  for (const end = Date.now() + 5000; Date.now() < end; await sleep(50))
    if (await tab.evaluate(test, arg)) return true;
  return false;
}

// Whether the board shows the colours named at its points: [x, y, 'red'], or
// [x, y, '!green'] for any colour but green, each channel within `slack`. The
// screenshot is kept as `shot`; a failure names the points that differ.
async function expectColours(tab, what, points, {slack = 0, shot} = {}) {
  const got = await tab.colours(points.map(([x, y]) => [x, y]), shot);
  const wrong = points.map(([x, y, name], i) => {
    const not = name[0] === '!', matches = near(got[i], COLOURS[name.replace('!', '')], slack);
    return matches === not ? `(${x}, ${y}) is ${JSON.stringify(got[i])}, not ${name}` : null;
  }).filter(Boolean);
  expect(wrong.length === 0, what + (wrong.length ? ': ' + wrong.join('; ') : ''));
}

const BUTTONS = {1: 'left', 2: 'right', 4: 'middle'};

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
  // The mouse and the controls, written as in the board's own tests:
  // "D1:300,405 M:-14,500 D2 U2 U1 memo opt5 reset" is a press of a button
  // (1 left, 2 right, 4 middle) at a board point or where the pointer is, a
  // move, the releases, and clicks on メモ and on a palette button's caption,
  // and a right click that resets the board.
  tab.play = async events => {
    for (const word of events.split(' ').filter(Boolean)) {
      const [what, at] = word.split(':');
      if (at) await tab.mouse.move(...tab.at(...at.split(',').map(Number)));
      if (what === 'memo') await tab.clickControl('Command3');
      else if (what.startsWith('opt')) await tab.clickControl('Option1_' + what.slice(3));
      else if (what === 'reset') await tab.play('M:600,600 D2 U2');
      else if (what[0] === 'D') await tab.mouse.down(BUTTONS[what.slice(1)]);
      else if (what[0] === 'U') await tab.mouse.up(BUTTONS[what.slice(1)]);
    }
  };
  // A finger's stroke through board points, where the engine has touch.
  tab.swipe = async points => {
    await tab.touch.start(...tab.at(...points[0]));
    for (const point of points.slice(1)) await tab.touch.move(...tab.at(...point));
    await tab.touch.end();
  };
  // A left-button stroke through board points.
  tab.drag = points => tab.play(points.map(([x, y], i) => `${i ? 'M' : 'D1'}:${x},${y}`).join(' ') + ' U1');
  tab.reset = () => tab.play('reset');
  return tab;
}

// A section of checks, run once more where the engine's web process crashed
// or hung under it (WebKitGTK, whose WebDriver session goes with it): the
// engine is launched again and the log says so. A check that failed before
// the crash stands, and one that fails again fails.
async function section(name, run, from = engine) {
  try {
    await run();
  } catch (e) {
    if (!(await from.crashed(e))) throw e;
    console.log(`RERUN: ${name}: the web process crashed or hung (${e.message.split('\n')[0]}); ` +
                `${engineName} is launched again and the section run once more`);
    await from.reopen();
    await run();
  }
}

const t = {engine: engineName, url, expect, skip, near, sleep, waitFor, open, expectColours};
const engine = await openEngine(engineName);
try {
  await section('the first tab', async () => {
    const tab = await open();
    await checkStart(t, tab);
    await checkPointers(t, tab);
    await checkEnd(t, tab);
  });
  await section('without Pointer Events', () => checkWithoutPointerEvents(t));
  await section('the ink trail', () => checkInkTrail(t));
  await section('keys', () => checkKeys(t));
  await section('kept in the tab', () => checkKept(t));
  await section('screens', () => checkScreens(t));
  await section('without a change of resolution', () => checkDeafToResolution(t));
  if (engineName === 'webkit') { // again at an iPad's device pixel ratio, which WebKitGTK takes only at launch
    const sharper = await openEngine('webkit', 2);
    try {
      await section('screens at 2', () => checkScreens({...t, open: () => open(undefined, url, sharper)}), sharper);
    } finally {
      await sharper.close();
    }
  }
  if (siteDir) await section('the site', () => checkSite(t, siteDir));
  await section('starts that fail', () => checkBrokenStarts(t));
} catch (e) {
  expect(false, 'the page could be driven: ' + (e.stack || e));
} finally {
  await engine.close();
}
console.log(`${engineName}: ${passes} passed, ${failures} failed, ${skips} skipped`);
process.exit(failures ? 1 : 0);
