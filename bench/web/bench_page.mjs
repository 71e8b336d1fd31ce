// The page against bare pages in the same browser run, every figure a ratio,
// on a screen the window's size (scale 1) and on a 1920 × 1080 projector:
//   node bench/web/bench_page.mjs PAGE.html           the full run, with a table
//   node bench/web/bench_page.mjs PAGE.html --smoke   each measurement once, briefly
// Each section runs in a browser of its own (in the smoke run, a tab of its
// own), and the renderers' memory is printed after it. A tab or browser lost
// in a section is named with it, and the section runs once more in a fresh
// browser; a figure still missing at the end is marked so in the table, and
// the run exits with status 1.
import {launchChromium, frames} from '../../tests/web/browser.mjs';
import {rendererMegabytes} from './memory.mjs';
import {FIT_BOARD, LATENCY} from './preludes.mjs';
import {statSync} from 'node:fs';
import {dirname, join, resolve} from 'node:path';
import {fileURLToPath} from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const board = 'file://' + resolve(process.argv[2]);
const smoke = process.argv.includes('--smoke');
// The first section's tab crashes at its first try, to show that the run goes on.
let crashOnce = process.argv.includes('--crash-once');
const floorStart = 'file://' + join(here, 'floor_start.html');
const floorStroke = 'file://' + join(here, 'floor_stroke.html');
const rounds = smoke ? 1 : 5, moves = smoke ? 40 : 600;
const starts = smoke ? 1 : 15; // start-up is short and noisy: more tries
// No protocol call takes long, and no section half an hour: past either, the
// browser is taken as lost rather than waited for.
const callLimitMs = 120000, sectionLimitMs = smoke ? 120000 : 1800000;

// A browser and one tab in it, as every section uses them.
async function openTab(chromium) {
  const page = await chromium.browser.newPage();
  const cdp = await page.createCDPSession();
  await page.evaluateOnNewDocument(FIT_BOARD);
  await page.evaluateOnNewDocument(LATENCY);
  await cdp.send('Performance.enable');
  return {chromium, page, cdp};
}

// Milliseconds from the start of the navigation to the first frame with the board drawn.
async function shownAfter({page}, url) {
  // Each start as in a new tab: the page would otherwise show the board it
  // kept as it went.
  await page.evaluate(() => {
    Storage.prototype.setItem = function () {};
    sessionStorage.clear();
  }).catch(() => {});
  await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName('board-shown').length > 0);
  return page.evaluate(() => performance.getEntriesByName('board-shown')[0].startTime);
}

async function origin({page}, selector) {
  return page.evaluate(s => {
    const r = document.querySelector(s).getBoundingClientRect();
    return [r.left, r.top, r.width / 793];
  }, selector);
}

async function mainThreadSeconds({cdp}) {
  const {metrics} = await cdp.send('Performance.getMetrics');
  return metrics.find(m => m.name === 'TaskDuration').value;
}

// Main-thread microseconds per move along `path`, the button held from its first point.
async function perMove(tab, url, selector, prepare, path) {
  await shownAfter(tab, url);
  if (prepare) await prepare(tab);
  return sweep(tab, selector, path);
}

async function sweep(tab, selector, path) {
  const {page} = tab, [x0, y0, scale] = await origin(tab, selector);
  await page.mouse.move(x0 + path[0][0] * scale, y0 + path[0][1] * scale);
  await page.mouse.down();
  await frames(page);
  const before = await mainThreadSeconds(tab);
  for (let i = 1; i < path.length; ++i) await page.mouse.move(x0 + path[i][0] * scale, y0 + path[i][1] * scale);
  await frames(page);
  const spent = (await mainThreadSeconds(tab)) - before;
  await page.mouse.up();
  return spent * 1e6 / (path.length - 1);
}

// Milliseconds from pen moves to the frames that show their chalk: a pen
// writing at 120 moves a second along `path`, in memo mode.
async function penLatency(tab, path) {
  await shownAfter(tab, board);
  await memo(tab);
  const [x0, y0, scale] = await origin(tab, '#gamen');
  const pen = (type, [x, y], buttons) => tab.cdp.send('Input.dispatchMouseEvent',
    {type, x: x0 + x * scale, y: y0 + y * scale, button: 'left', buttons, clickCount: 1, pointerType: 'pen'});
  await pen('mousePressed', path[0], 1);
  for (const point of path.slice(1)) {
    const next = Date.now() + 8;
    await pen('mouseMoved', point, 1);
    await new Promise(r => setTimeout(r, Math.max(0, next - Date.now())));
  }
  await pen('mouseReleased', path[path.length - 1], 0);
  await frames(tab.page);
  return tab.page.evaluate(() => __latency);
}

const percentile = (values, p) => values.slice().sort((a, b) => a - b)[Math.min(values.length - 1,
                                                                             Math.floor(values.length * p))];

// A serpentine across the board in 10-pixel steps, as the desktop benchmark draws.
function chalkPath(count) {
  const path = [];
  let x = 20, y = 20, dx = 10;
  for (let i = 0; i <= count; ++i) {
    path.push([x, y]);
    x += dx;
    if (x > 770 || x < 20) { dx = -dx; x += dx; y = y >= 610 ? 20 : y + 10; }
  }
  return path;
}

// The pointer holding DE and sweeping it up and down, 3 pixels a move.
function dragPath(count) {
  const path = [];
  let y = 405, step = 3;
  for (let i = 0; i <= count; ++i) {
    path.push([300, y]);
    y += step;
    if (y > 515 || y < 245) step = -step;
  }
  return path;
}

const memo = ({page}) => page.click('#Command3');
const screens = [['811 × 702, scale 1', 811, 702], ['1920 × 1080 projector, scale 1.54', 1920, 1080]];
const best = {}, extra = {};
const keep = (name, value) => { best[name] = Math.min(best[name] ?? Infinity, value); };

// Each section: its name, and what it measures into `best` and `extra`.
const sections = [
  ...screens.flatMap(([where, width, height]) => [
    [`start-up, ${where}`, async tab => {
      await tab.page.setViewport({width, height, deviceScaleFactor: 1});
      for (let r = 0; r < starts; ++r) {
        keep(`start ${width}`, await shownAfter(tab, board));
        keep(`startFloor ${width}`, await shownAfter(tab, floorStart));
      }
    }],
    [`moves, ${where}`, async tab => {
      await tab.page.setViewport({width, height, deviceScaleFactor: 1});
      for (let r = 0; r < rounds; ++r) {
        keep(`chalk ${width}`, await perMove(tab, board, '#gamen', memo, chalkPath(moves)));
        keep(`chalkNoInk ${width}`, await perMove(tab, board + '?no-ink', '#gamen', memo, chalkPath(moves)));
        keep(`drag ${width}`, await perMove(tab, board, '#gamen', null, dragPath(moves)));
        keep(`strokeFloor ${width}`, await perMove(tab, floorStroke, '#board', null, chalkPath(moves)));
      }
    }],
  ]),
  // Pen moves to the frames that show them, at scale 1.
  ['pen latency', async tab => {
    await tab.page.setViewport({width: 811, height: 702, deviceScaleFactor: 1});
    const latency = [];
    for (let r = 0; r < rounds; ++r) latency.push(...await penLatency(tab, chalkPath(smoke ? 40 : 300)));
    extra.latency = latency;
    extra.trailed = await tab.page.evaluate(() => 'ink' in navigator && !!navigator.ink.requestPresenter);
  }],
  // Keeping the board as the page is hidden, on an iPad's screen (1080 × 810
  // at a device pixel ratio of 2): the board covered in chalk of every
  // colour, then another tab brought to the front. The time between the
  // page's own marks, and what it kept.
  ['keeping the board as the page is hidden', async tab => {
    const {page} = tab;
    await page.setViewport({width: 1080, height: 810, deviceScaleFactor: 2});
    for (let r = 0; r < Math.min(rounds, 2); ++r) { // the chalk takes a while to cover the board
      await shownAfter(tab, board);
      await memo(tab);
      for (const [option, offset] of [['#Option1_4', 0], ['#Option1_5', 3], ['#Option1_6', 6]]) {
        await page.click(option);
        // Every segment slanted, as handwriting's are: the picture compresses as chalk does.
        await sweep(tab, '#gamen', chalkPath(smoke ? 200 : 4500).map(([x, y], i) => [x, y + offset + (i * 37) % 7 - 3]));
      }
      const other = await tab.chromium.browser.newPage();
      await other.bringToFront();
      const [ms, size] = await page.evaluate(() => [
        performance.getEntriesByName('board-kept')[0].startTime - performance.getEntriesByName('board-keeping')[0].startTime,
        sessionStorage.getItem('parallel-board').length]);
      keep('hidden', ms);
      extra.keptSize = size;
      await other.close();
      await page.bringToFront();
    }
  }],
];

// Runs a section within its limit; the error it ends with, or null. A tab
// that crashes or closes, or a browser that goes, ends it at once: calls to a
// crashed tab would otherwise wait for ever.
async function attempt(chromium, run) {
  let timer;
  const limit = new Promise((_, fail) => {
    timer = setTimeout(() => fail(new Error(`no end after ${sectionLimitMs / 1000} s`)), sectionLimitMs);
    chromium.browser.once('disconnected', () => fail(new Error('the browser went away')));
  });
  limit.catch(() => {}); // it is raced below; until then, its end is no unhandled one
  try {
    const tab = await Promise.race([openTab(chromium), limit]);
    let closing = false;
    const gone = new Promise((_, fail) => {
      tab.page.once('error', error => fail(error)); // puppeteer's word for a crashed tab
      tab.page.once('close', () => closing || fail(new Error('the tab closed')));
    });
    gone.catch(() => {});
    const within = step => Promise.race([step, limit, gone]);
    if (crashOnce) {
      crashOnce = false;
      await within(tab.cdp.send('Page.crash'));
    }
    await within(run(tab));
    console.log(`memory: the renderers hold ${rendererMegabytes(chromium).toFixed(0)} MB`);
    closing = true;
    await within(tab.page.close());
    return null;
  } catch (error) {
    return error;
  } finally {
    clearTimeout(timer);
  }
}

const lost = [];
let shared = null; // the smoke run's one browser
for (const [name, run] of sections) {
  console.log(`section: ${name}`);
  for (let tries = 1; ; ++tries) {
    const chromium = shared ?? await launchChromium({protocolTimeout: callLimitMs});
    const error = await attempt(chromium, run);
    if (smoke && !error) shared = chromium;
    else if (error) await chromium.kill();
    else await chromium.close();
    if (!error) break;
    const why = String(error.message || error).split('\n')[0];
    console.log(`LOST: the tab or the browser, in the section "${name}" (${why})` +
                (tries < 2 ? '; it runs again in a fresh browser' : ''));
    shared = null;
    if (tries === 2) { lost.push(name); break; }
  }
}
if (shared) await shared.close();

let missing = 0;
const figure = (value, unit, width = 8) => {
  if (value === undefined || !Number.isFinite(value)) return ++missing, 'missing'.padStart(width + unit.length + 1);
  return `${value.toFixed(1).padStart(width)} ${unit}`;
};
const row = (what, measured, floor, unit, target) =>
  console.log(`| ${what.padEnd(70)} | ${figure(measured, unit)} | ${figure(floor, unit)} | ` +
              `${(Number.isFinite(measured / floor) ? (measured / floor).toFixed(2) : '-').padStart(5)} | ${target.padEnd(6)} |`);
console.log(`\n| ${'figure'.padEnd(70)} | measured    | floor       | ratio | target |`);
console.log(`|${'-'.repeat(72)}|-------------|-------------|-------|--------|`);
for (const [where, width] of screens) {
  const b = name => best[`${name} ${width}`];
  row(`page start to first drawn board vs bare canvas, ${where}`, b('start'), b('startFloor'), 'ms', '<= 1.25');
  row(`chalk per move vs bare stroke, ${where}`, b('chalk'), b('strokeFloor'), 'us', '<= 1.3');
  row(`chalk per move with no ink trail vs bare stroke, ${where}`, b('chalkNoInk'), b('strokeFloor'), 'us', '<= 1.3');
  row(`drag of DE per move vs bare stroke, ${where}`, b('drag'), b('strokeFloor'), 'us', '<= 2');
}
console.log(`| ${'keeping a board covered in chalk as the page is hidden, iPad at ratio 2'.padEnd(70)} | ${figure(best.hidden, 'ms')} | ` +
            `${figure(extra.keptSize / 1024, 'KiB', 7)} kept |`);
const latency = extra.latency || [];
console.log(`| ${'pen move to the frame that draws its chalk, median and 95th percentile'.padEnd(70)} | ` +
            `${figure(percentile(latency, 0.5), 'ms')} | ${figure(percentile(latency, 0.95), 'ms')} | ` +
            `(${latency.length} moves at 120 a second; navigator.ink ${extra.trailed ? 'here' : 'not here'}) |`);
console.log(`| ${'size of parallel-board.html'.padEnd(70)} | ${(statSync(resolve(process.argv[2])).size / 1024).toFixed(1).padStart(8)} KiB |             |       | < 150  |`);
console.log(`(fastest of ${starts} starts and of ${rounds} rounds of ${moves} moves; chromium headless, device pixel ratio 1; ` +
            'main-thread time per pointer move)');
if (lost.length) console.log(`lost twice, so not measured: ${lost.join('; ')}`);
if (missing) console.log(`FAIL: ${missing} figures missing`);
process.exit(missing ? 1 : 0); // nothing left of a lost browser keeps the run waiting
