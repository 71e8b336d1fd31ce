// A section of page_in_browser.mjs: the board kept in the tab while the page
// is hidden. The page is hidden as the engine can be made to hide it and
// reloaded, as a tab the browser threw away is: the board comes back as it
// was, and goes on as a page that never left. A new tab, 終了, storage that
// throws or refuses, and a record that does not read back all give the
// initial board, with no error.
import {VIEWPORT} from './browser.mjs';
import {folderServer} from './folder_server.mjs';
import {basename, dirname} from 'node:path';
import {fileURLToPath} from 'node:url';

const KEY = 'parallel-board';

// The board's canvas after a whole repaint at the first size, and the palette.
export async function picture(tab) {
  await tab.evaluate(() => new Promise(shown => (function wait() { // a kept board's chalk comes back first
    if (performance.getEntriesByName('board-shown').length && !(window.__refusing && __refusing())) shown();
    else setTimeout(wait, 20);
  })()));
  await tab.viewport(VIEWPORT.width, VIEWPORT.height + 1);
  await tab.viewport(VIEWPORT.width, VIEWPORT.height);
  return tab.evaluate(() => {
    const gamen = document.getElementById('gamen'), copy = document.createElement('canvas');
    copy.width = gamen.width;
    copy.height = gamen.height;
    const ctx = copy.getContext('2d', {willReadFrequently: true}); // read here, not from the board
    ctx.drawImage(gamen, 0, 0);
    const data = ctx.getImageData(0, 0, gamen.width, gamen.height).data;
    let hash = 2166136261;
    for (let i = 0; i < data.length; ++i) hash = Math.imul(hash ^ data[i], 16777619) >>> 0;
    const radios = [].map.call(document.querySelectorAll('#Form1 input'),
                               r => (r.checked ? 'x' : '-') + (r.disabled ? 'd' : 'e')).join('');
    return `${gamen.width}x${gamen.height} ${hash.toString(16)} ${radios}`;
  });
}

// A board built up in front of the class: thick blue writing, DE dragged
// down, and memo mode on again with thin yellow chosen.
const buildUp = tab => tab.play('memo opt6 D1:100,150 M:200,180 M:300,150 U1 memo D1:300,405 M:300,425 M:300,440 U1 ' +
                                'memo opt1');

// What comes after: a stroke, then a drag of DE.
const goOn = tab => tab.play('D1:100,250 M:250,280 M:400,250 U1 memo D1:300,440 M:300,400 M:300,380 U1');

// Puts `record` in the tab's storage before the page's first start, and not
// again when it is reloaded.
const seed = record => `try {
  if (sessionStorage.getItem('seeded') === null) {
    sessionStorage.setItem('seeded', '1');
    sessionStorage.setItem('${KEY}', ${JSON.stringify(record)});
  }
} catch (e) {}`;

// At the page's first start, the browser refuses every canvas a context for
// a second and until the board is first shown: the kept board is read back
// meanwhile.
const refusingCanvases = `try {
  if (sessionStorage.getItem('refused') === null) {
    sessionStorage.setItem('refused', '1');
    var until = Date.now() + 1000, getContext = HTMLCanvasElement.prototype.getContext;
    window.__refusing = function () {
      return Date.now() < until || !performance.getEntriesByName('board-shown').length;
    };
    HTMLCanvasElement.prototype.getContext = function () {
      return __refusing() ? null : getContext.apply(this, arguments);
    };
  }
} catch (e) {}`;

// Chromium keeps the session storage of a page opened from a file less surely
// than one from a server: now and then a reload finds it empty (about one in
// forty here). So the page comes from 127.0.0.1 where the harness can put a
// script before the page's own at any address; WebKit's, only in a file.
export async function checkKept(t) {
  const server = t.engine === 'webkit' ? null : folderServer('/kept/'), page = fileURLToPath(t.url);
  if (server) await server.start(dirname(page));
  try {
    await checkKeptFrom(t, prelude => t.open(prelude, server ? server.url(basename(page)) : t.url));
  } finally {
    if (server) await server.stop();
  }
}

async function checkKeptFrom({engine, expect, skip}, open) {
  const tab = await open();
  const start = await picture(tab);
  await buildUp(tab);
  const built = await picture(tab);
  await tab.hide();
  const record = await tab.evaluate(key => sessionStorage.getItem(key), KEY);
  await tab.reload();
  await tab.show();
  const back = await picture(tab);
  expect(record && back === built && back !== start,
         `hidden and reloaded, the board comes back as it was left (${record && record.length} characters kept)`);
  await goOn(tab);
  const wentOn = await picture(tab);
  await tab.evaluate(() => { location.hash = 'again'; }); // a tab that 終了 cannot close
  await tab.clickControl('Command2');
  const forgotten = await tab.evaluate(key => sessionStorage.getItem(key) === null, KEY);
  await tab.reload();
  expect(forgotten && (await picture(tab)) === start, '終了 forgets the board: opened again, the page starts afresh');
  const problems = await tab.problems();
  await tab.close();

  const fresh = await open();
  const freshStart = await picture(fresh);
  await buildUp(fresh);
  await goOn(fresh);
  expect((await picture(fresh)) === wentOn, 'a stroke and a drag then give the board of a page that never left');
  expect(problems.concat(await fresh.problems()).length === 0, 'keeping the board: no errors or warnings');
  if (engine === 'webkit') skip('a new tab starts afresh', 'the MiniBrowser is driven in one window');
  else expect(freshStart === start, 'a new tab starts with the initial board');
  await fresh.close();

  const older = JSON.parse(record), spoiled = (what, value) => JSON.stringify(Object.assign({}, older, {[what]: value}));
  for (const [why, prelude, keeps] of [
    ['storage that throws', `Object.defineProperty(window, 'sessionStorage', {get: function () {
       throw new DOMException('denied', 'SecurityError'); }});`, 'none'],
    ['storage that refuses a board, an older one kept', seed(record) + `
       Storage.prototype.setItem = function () { throw new DOMException('full', 'QuotaExceededError'); };`, 'older'],
    ['a record of another release', seed(spoiled('release', '0123456789abcdef'))],
    ['a cut-off record', seed(record.slice(0, record.length / 2))],
    ['a record edited by hand', seed(spoiled('board', older.board.replace('3f800000', '40000000')))],
    ['chalk that is no picture', seed(spoiled('chalk', 'data:image/png;base64,AAAA'))],
    ['chalk that is a picture cut off', seed(spoiled('chalk', older.chalk.slice(0, 200)))],
    ['canvases refused as the board is read back', seed(record) + refusingCanvases],
  ]) {
    // Refused, the record is no more; the board works, and comes back when
    // the tab can keep it, and never older than it was left.
    const odd = await open(prelude);
    const first = await picture(odd);
    const gone = await odd.evaluate(key => { try { return sessionStorage.getItem(key) === null; } catch (e) { return true; } }, KEY);
    await goOn(odd);
    const left = await picture(odd);
    await odd.hide();
    await odd.reload();
    await odd.show();
    const again = await picture(odd);
    const oddProblems = await odd.problems();
    expect(first === (keeps === 'older' ? built : start) && (keeps || gone) && left !== first &&
           again === (keeps ? start : left) && oddProblems.length === 0,
           `${why}: the board works, comes back no older than it was left, and no error escapes ` +
           JSON.stringify([first === start, gone, again === left, oddProblems]));
    await odd.close();
  }
}
