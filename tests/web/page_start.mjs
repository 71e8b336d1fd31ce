// A section of page_in_browser.mjs: the page as it opens, what it asks of
// the network and of storage, 終了, and a start that cannot succeed.

// What the page keeps beside a cache: cookies, web storage, databases. While
// the page is shown, none: the tab keeps the board only once it is hidden.
export const STORED = async () => document.cookie.length + localStorage.length + sessionStorage.length +
                                  (indexedDB.databases ? (await indexedDB.databases()).length : 0);

// The layout, and the figure as it first appears.
export async function checkStart({expect, expectColours}, tab) {
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
  await expectColours(tab, 'the first picture shows the figure', [
    [200, 480, 'white'], [250, 550, 'white'], [520, 480, 'white'], [300, 410, 'red'], [325, 305, 'red'],
    [445, 305, 'red'], [340, 555, 'yellow'], [360, 405, 'yellow'], [350, 500, 'green'], [700, 100, 'green'],
  ], {slack: 40, shot: 'start'});
}

// After all that was done in the tab: nothing fetched, nothing stored, no
// error; then 終了, after which the board is gone and nothing answers. The
// tab closes itself where the browser lets a script close it.
export async function checkEnd({url, expect, sleep}, tab) {
  const stored = await tab.evaluate(STORED);
  const requests = (await tab.requests()).filter(r => r !== url);
  expect(requests.length === 0, `no network request (${JSON.stringify(requests)})`);
  expect(stored === 0, `nothing stored while the page is shown (${stored})`);
  const problems = await tab.problems();
  expect(problems.length === 0, 'no errors or warnings: ' + JSON.stringify(problems));
  await tab.clickControl('Command2');
  await sleep(200);
  const ended = (await tab.closed()) ? 'closed' :
    await tab.evaluate(() => !document.getElementById('Form1') && !document.getElementById('ended').hidden &&
                             document.activeElement === document.body);
  expect(ended, `終了 ends the program and says so${ended === 'closed' ? ' (the tab closed itself)' : ''}`);
  await tab.close();
}

// Without WebAssembly, or when the module fails to start: one clear line.
const BROKEN = [
  ['a browser without WebAssembly', 'delete window.WebAssembly;', 'no-wasm'],
  ['a module that fails to compile', `WebAssembly.Module = function () { throw new WebAssembly.CompileError('refused'); };
     WebAssembly.instantiate = function () { return Promise.reject(new WebAssembly.CompileError('refused')); };`,
   'start-failed'],
  ['a start that fails in the page', `var make = Document.prototype.createElement;
     Document.prototype.createElement = function (name) {
       if (name === 'canvas') throw new DOMException('refused', 'NotSupportedError');
       return make.apply(this, arguments);
     };`, 'start-failed'],
];

export async function checkBrokenStarts({open, expect}) {
  for (const [why, prelude, notice] of BROKEN) {
    const broken = await open(prelude).catch(e => ({failed: e}));
    if (broken.failed) {
      expect(false, `${why} shows one line: ${broken.failed.message}`);
      continue;
    }
    const line = await broken.evaluate(id => !document.getElementById('Form1') &&
      [].filter.call(document.querySelectorAll('.notice'), p => !p.hidden).map(p => p.id).join() === id, notice);
    const problems = await broken.problems();
    expect(line && problems.length === 0, `${why} shows one line and no uncaught error: ${JSON.stringify(problems)}`);
    await broken.close();
  }
}
