// A section of page_in_browser.mjs: the mouse, a finger and a pen on the
// board, the chalk they write, and the same without Pointer Events.
import {VIEWPORT} from './browser.mjs';

// The mouse holding the board, each row from a reset board: what is checked,
// the events (as tab.play takes them), the colours they leave, a screenshot's
// name, and the events that end it. A second button is pressed on the board,
// and off it to the left, where Firefox sends the chord to the element under
// the pointer instead; the moves and the release off the board still reach it.
const MOUSE = [
  ['a drag followed off the board until its release', 'D1:300,405 M:-14,440 M:-14,470 U1 M:300,300',
   [[300, 475, 'red'], [300, 410, 'green']], null, ''],
  ...[['on the board', 300], ['off the board', -14]].flatMap(([where, x]) => [
    [`a right press ${where} during a drag restores the figure, keeps DE magenta, and ends the drag`,
     `D1:300,405 M:${x},500 D2 U2 M:${x},450 M:300,480`,
     [[300, 410, 'magenta'], [300, 550, 'white'], [300, 505, 'green'], [300, 485, 'green']], 'right-press', 'U1'],
    [`the middle button pressed and let go ${where} ends a drag`, `D1:300,405 M:${x},455 D4 U4 M:${x},500 M:300,520`,
     [[300, 460, 'red'], [300, 505, 'green'], [300, 525, 'green']], null, 'U1'],
    [`in memo mode the left pressed ${where} while the middle is held puts the chalk down`,
     `memo D4:100,300 M:${x},300 D1 M:200,300 U1`,
     [[Math.round((x + 200) / 2), 300, '!green'], [Math.round((x + 600) / 4), 300, '!green']], 'middle-chord', 'U4'],
  ]),
];

async function checkMouse({expectColours}, tab, how) {
  for (const [what, events, colours, shot, after] of MOUSE) {
    await tab.play('reset ' + events);
    await expectColours(tab, `${how}: ${what}`, colours, {shot});
    await tab.play(after);
  }
}

async function checkFinger({expect, skip, expectColours}, tab, how) {
  if (typeof tab.touch === 'string') return skip(`${how}: a finger drags DE`, tab.touch);
  await tab.reset();
  await tab.swipe([[300, 405], [300, 440], [300, 475]]);
  await expectColours(tab, `${how}: a finger drags DE`, [[300, 480, 'red'], [300, 410, 'green']]);
  expect(await tab.evaluate(() => scrollY === 0), `${how}: a finger on the board does not scroll the page`);
}

// A pen drags DE as the left button does, and is let go; and it writes.
async function checkPen({skip, expectColours}, tab) {
  if (typeof tab.pen === 'string') return skip('a pen drags DE', tab.pen);
  await tab.reset();
  await tab.pen([tab.at(300, 405), tab.at(300, 425), tab.at(300, 445), tab.at(300, 465)]);
  await expectColours(tab, 'a pen drags DE and lets it go', [[300, 470, 'red'], [300, 410, 'green']], {shot: 'pen'});
  await tab.clickControl('Command3');
  await tab.pen([tab.at(100, 300), tab.at(200, 300), tab.at(300, 300)]);
  await expectColours(tab, 'a pen writes chalk', [[150, 300, 'red'], [250, 300, 'red']], {slack: 40, shot: 'pen-chalk'});
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
  ['a finger writes a second after a pen that hovered and stopped, with no leave',
   [['pen', 'hover', 100, 500], ['pen', 'hover', 150, 500], ['wait', 1100], ['touch', 'down', 500, 500],
    ['touch', 'move', 600, 500], ['touch', 'up', 600, 500]], [[550, 500]], [[125, 500]]],
  ["a finger whose lift the page never heard: the next finger alone on the glass writes",
   [['touch', 'down', 450, 120], ['touch', 'move', 550, 120], ['touch', 'lost', 550, 120], ['touch', 'down', 450, 170],
    ['touch', 'move', 550, 170], ['touch', 'up', 550, 170]], [[500, 120], [500, 170]], []],
  ["the pen's barrel pressed and let go under the tip: the line goes on, and nothing is wiped",
   [['pen', 'down', 100, 150], ['pen', 'move', 200, 150], ['pen', 'barrel', 250, 150], ['pen', 'barrel-move', 300, 150],
    ['pen', 'barrel-up', 350, 150], ['pen', 'move', 400, 150], ['pen', 'up', 400, 150]],
   [[150, 150], [275, 150], [325, 150], [375, 150]], []],
];

// A touch lifted while its pointerup is kept from the page.
async function loseLift(tab) {
  await tab.evaluate(() => {
    window.__unheard = e => { if (e.pointerType === 'touch') e.stopImmediatePropagation(); };
    addEventListener('pointerup', __unheard, true);
  });
  await tab.touch.end();
  await tab.evaluate(() => removeEventListener('pointerup', __unheard, true));
}

async function checkPalm({expect, skip, sleep, expectColours}, tab) {
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
      else if (step === 'lost') await loseLift(tab);
      else await tab.touch[touch[step]](...tab.at(x, y));
    }
    const points = chalk.map(([x, y]) => [x, y, '!green']).concat(bare.map(([x, y]) => [x, y, 'green']));
    await expectColours(tab, what, points, {slack: 40, shot: 'palm'});
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

// How wide a horizontal stroke of red or yellow chalk is at x = 210, from the
// red channel of the column around `y` (between two joins of a stroke).
async function chalkWidth(tab, y, shot) {
  const got = await tab.colours(Array.from({length: 21}, (_, i) => [210, y - 10 + i]), shot);
  return got.reduce((sum, c) => sum + c[0] / 255, 0);
}

// Chalk of each width, a chord that lifts it, a right press that wipes it,
// and a greyed palette; then a change of device pixels, which keeps it.
async function checkChalk({expect, skip, waitFor, expectColours}, tab) {
  await tab.play('reset memo opt5');
  await tab.drag([[100, 100], [120, 100], [160, 100], [200, 100], [240, 100], [280, 100], [300, 100]]);
  const thick = await chalkWidth(tab, 100, 'chalk');
  expect(Math.abs(thick - 6) < 0.6, `thick yellow chalk is 6 pixels wide (${thick.toFixed(2)})`);
  // The middle button let go while the left is held lifts the chalk.
  await tab.play('D1:100,150 M:200,150 D4 U4 M:300,150 M:350,150 U1');
  await expectColours(tab, 'releasing the middle button during a stroke lifts the chalk',
                      [[150, 150, 'yellow'], [250, 150, 'green'], [320, 150, 'green']], {shot: 'middle'});
  // A right press wipes the chalk and brings the figure back; no menu opens.
  await tab.evaluate(() => {
    window.menusLeftOpen = 0;
    document.addEventListener('contextmenu', e => { if (!e.defaultPrevented) ++window.menusLeftOpen; });
  });
  await tab.reset();
  await expectColours(tab, 'a right press wipes the chalk and restores the figure',
                      [[200, 100, 'green'], [300, 410, 'red'], [300, 480, 'green']], {shot: 'reset'});
  expect(await tab.evaluate(() => window.menusLeftOpen === 0), 'a right press opens no context menu');
  // The greyed palette takes no click: the next memo mode draws yellow, 3 wide.
  await tab.clickControl('Option1_6');
  const checked = await tab.evaluate(() => [5, 6].map(i => document.querySelector(`#Option1_${i} input`).checked));
  await tab.play('memo D1:100,200 M:300,200 U1');
  const thin = await chalkWidth(tab, 200);
  expect(checked[0] && !checked[1] && Math.abs(thin - 3) < 0.6,
         `a greyed palette button ignores a click (${JSON.stringify(checked)}, ${thin.toFixed(2)} wide)`);
  await expectColours(tab, 'and the chalk stays yellow', [[210, 200, 'yellow']]);
  if (typeof tab.zoom === 'string') return skip('a change of device pixels keeps the chalk', tab.zoom);
  await tab.zoom(2); // twice the pixels: the chalk is kept, DE drawn sharp
  expect(await waitFor(tab, () => document.getElementById('gamen').width === 2 * 793),
         'a change of device pixels gives the board a pixel for each');
  await expectColours(tab, 'a change of device pixels keeps the chalk', [[200, 200, 'yellow'], [300, 410, 'red']],
                      {shot: 'zoomed'});
  await tab.zoom(1);
}

// Chalk written, then the board fitted to a new size and a stroke written
// while the browser refuses every canvas a context: that stroke alone is lost,
// and the next one, once canvases are given again, draws beside the first.
async function checkRefusedCanvas({expect, expectColours}, tab) {
  await tab.play('reset memo D1:100,100 M:200,100 U1');
  await tab.evaluate(() => {
    const getContext = HTMLCanvasElement.prototype.getContext;
    window.__refuse = true;
    HTMLCanvasElement.prototype.getContext = function () { return __refuse ? null : getContext.apply(this, arguments); };
  });
  await tab.viewport(VIEWPORT.width + 60, VIEWPORT.height + 60);
  await tab.play('D1:100,200 M:200,200 U1');
  await tab.evaluate(() => { window.__refuse = false; });
  await tab.play('D1:100,300 M:200,300 U1');
  await expectColours(tab, 'a stroke while canvases are refused is lost, and only it',
                      [[150, 100, '!green'], [150, 200, 'green'], [150, 300, '!green'], [300, 410, 'red']],
                      {shot: 'refused'});
  const problems = await tab.problems();
  expect(problems.length === 0, 'canvases refused: no error escapes ' + JSON.stringify(problems));
  await tab.viewport(VIEWPORT.width, VIEWPORT.height);
}

// Without Pointer Events, mouse and touch events do the same. (The engine
// still makes pointer events; they are stopped before the page sees any.)
const POINTERLESS = `delete window.PointerEvent;
  [window, Document.prototype, HTMLElement.prototype, Element.prototype].forEach(function (o) {
    delete o.onpointerdown;
  });
  ['pointerdown', 'pointermove', 'pointerup', 'pointercancel', 'pointerover', 'pointerout', 'pointerenter',
   'pointerleave', 'gotpointercapture', 'lostpointercapture'].forEach(function (type) {
    addEventListener(type, function (e) { e.stopImmediatePropagation(); }, true);
  });`;

export async function checkWithoutPointerEvents(t) {
  const {open, expect, expectColours} = t;
  const old = await open(POINTERLESS);
  expect(await old.evaluate(() => !window.PointerEvent && !('onpointerdown' in document.body)),
         'a browser without Pointer Events can be imitated');
  await old.drag([[300, 405], [300, 445], [300, 485]]);
  await expectColours(old, 'without Pointer Events: the mouse drags DE', [[300, 490, 'red'], [300, 410, 'green']]);
  await checkMouse(t, old, 'without Pointer Events');
  await checkFinger(t, old, 'without Pointer Events, touch');
  const problems = await old.problems();
  expect(problems.length === 0, 'without Pointer Events: no errors or warnings: ' + JSON.stringify(problems));
  await old.close();
}

export async function checkPointers(t, tab) {
  const {expectColours} = t;
  // A drag of DE down onto BC: magenta while held, red after the release.
  await tab.play('D1:300,405 M:300,425 M:300,445 M:300,465 M:300,485 M:300,505 M:300,525 M:300,545');
  await expectColours(tab, 'DE follows the pointer onto BC, magenta while held',
                      [[300, 550, 'magenta'], [300, 410, 'green']], {shot: 'drag'});
  await tab.play('U1');
  await expectColours(tab, 'DE turns red when released', [[300, 550, 'red']]);
  await checkMouse(t, tab, 'mouse');
  await checkFinger(t, tab, 'touch');
  await checkPen(t, tab);
  await checkPalm(t, tab);
  await checkChalk(t, tab);
  await checkRefusedCanvas(t, tab);
}
