// A section of page_in_browser.mjs: what a screen reader and the keyboard
// meet, the keys that move DE, and a presenter's remote.
import {readFileSync} from 'node:fs';
import {createRequire} from 'node:module';

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

// The focus ring: whether the column of pixels just left of the board is blue.
async function ringShown(tab, shot) {
  const colours = await tab.colours(Array.from({length: 6}, (_, i) => [-6 + i, 300]), shot);
  return colours.some(c => c.every((v, i) => Math.abs(v - [0, 0, 255][i]) <= 60));
}

// On a 1920 × 1080 screen: axe-core, the accessibility tree, and a ring around
// the board when the keyboard brings it the focus, none when a click does.
async function checkAccessible({open, expect, skip}) {
  const tab = await open();
  await tab.viewport(1920, 1080);
  let violations = await axeViolations(tab);
  expect(violations.length === 0, 'axe-core finds nothing at start: ' + JSON.stringify(violations));
  await tab.clickControl('Command3');
  violations = await axeViolations(tab);
  expect(violations.length === 0, 'axe-core finds nothing in memo mode: ' + JSON.stringify(violations));
  if (typeof tab.accessibility === 'string') {
    skip("the accessibility tree tells the palette's buttons apart", tab.accessibility);
  } else {
    const nodes = treeNodes(await tab.accessibility());
    const radios = nodes.filter(n => n.role === 'radio').map(n => n.name);
    const rows = ['細字', '太字'].flatMap(row => ['赤色', '黄色', '青色', '消しゴム'].map(c => `${row} ${c}`));
    const title = nodes.find(n => n.role === 'heading' && n.level === 1);
    expect(JSON.stringify(radios) === JSON.stringify(rows) && title && title.name === '相似と比' &&
           nodes.some(n => n.role === 'main'),
           `the accessibility tree tells the palette's buttons apart, under the heading and in the main landmark: ` +
           JSON.stringify(radios));
  }
  await tab.evaluate(() => document.getElementById('Command1').focus());
  await tab.key('Shift+Tab');
  const focused = await tab.evaluate(() => document.activeElement.id);
  expect(focused === 'gamen' && (await ringShown(tab, 'focus-ring')),
         `the board shows a focus ring when reached with the keyboard (${focused})`);
  await tab.evaluate(() => document.activeElement.blur());
  await tab.drag([[700, 100], [700, 100]]);
  const clicked = await tab.evaluate(() => document.activeElement.id);
  expect(clicked === 'gamen' && !(await ringShown(tab)), `a click gives the board the focus with no ring (${clicked})`);
  await tab.close();
}

// DE from the keyboard, in a window shorter than the board, where a page that
// did not fit would scroll: the board's keys move DE and scroll nothing; Tab
// still leaves the board, for a button that keeps the focus under Page Down.
async function checkKeysMoveDE({open, expect, expectColours}) {
  const tab = await open();
  await tab.viewport(840, 600);
  await tab.drag([[700, 100], [700, 100]]); // a click gives the board the focus
  for (const key of ['ArrowDown', 'ArrowDown', 'PageDown', 'Shift+ArrowDown', 'ArrowUp']) await tab.key(key);
  await expectColours(tab, 'the arrow and page keys move DE', [[300, 431, 'red'], [300, 410, 'green']],
                      {slack: 40, shot: 'keys'});
  const page = await tab.evaluate(() => [scrollY, document.getElementById('gamen').getAttribute('aria-keyshortcuts')]);
  expect(page[0] === 0 && page[1] === 'ArrowUp ArrowDown PageUp PageDown' && !(await ringShown(tab)),
         `the keys scroll nothing, are named, and bring no ring to a clicked board ${JSON.stringify(page)}`);
  await tab.key('Tab');
  await tab.key('PageDown');
  const focused = await tab.evaluate(() => document.activeElement.id);
  expect(focused === 'Command1', `Tab moves on to a button (${focused})`);
  await expectColours(tab, 'which keeps the focus under Page Down', [[300, 431, 'red']], {slack: 40});
  await tab.close();
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
  ['after a right press off the board during a drag', tab => tab.play('D1:300,405 M:-14,500 D2 U2 U1')],
];

// A presenter's remote: Page Down moves DE from the start, and after presses
// anywhere but on the board, which leave the keyboard focus where it was.
async function checkRemote({open, expect, expectColours}) {
  for (const [after, act] of REMOTE) {
    const tab = await open();
    await tab.viewport(1000, 720);
    await act(tab);
    await tab.key('PageDown');
    await expectColours(tab, `the remote's Page Down moves DE ${after}`, [[300, 420, 'red'], [300, 410, 'green']],
                        {shot: 'remote'});
    const focused = await tab.evaluate(() => document.activeElement.id);
    expect(focused === 'gamen' && !(await ringShown(tab)), `${after}, the board keeps the focus, with no ring (${focused})`);
    await tab.close();
  }
}

export async function checkKeys(t) {
  await checkAccessible(t);
  await checkKeysMoveDE(t);
  await checkRemote(t);
}
