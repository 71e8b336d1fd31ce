// A section of page_in_browser.mjs: the browser's ink trail, which the page
// hands the pen's moves that drew chalk.
import {picture} from './page_kept.mjs';

// A stand-in for the browser's ink trail that keeps what the page asks of it,
// and a browser without one.
const INK = `window.__ink = {calls: []};
  Object.defineProperty(Navigator.prototype, 'ink', {configurable: true, get: function () {
    return {requestPresenter: function (options) {
      __ink.area = options.presentationArea;
      return Promise.resolve({updateInkTrailStartPoint: function (e, style) {
        __ink.calls.push([e.type, e.pointerType, style.color, style.diameter]);
      }});
    }};
  }});`;
const NO_INK = 'delete Navigator.prototype.ink;';

// A pen over a hand in memo mode and in figure mode, at a scale of 1.1396,
// each step with the trail's calls it must bring: one a move that drew, with
// the chalk's colour and its width as shown, and none for anything else.
const TRAIL = [
  ['thick red: one call for each move that drew', 'memo opt4 P:100,200 p:150,200 p:200,200 p:250,200 p~',
   ['rgb(255,0,0)', 6], 3],
  ['a hovering pen', 'h:300,250 h:350,250', null, 0],
  ['a palm set aside while the pen writes', 'P:100,300 T:500,350 t:600,350 p:200,300 p~ t~', ['rgb(255,0,0)', 6], 1],
  ['a move that was not trusted', 'P:100,350 u:200,350 p~', null, 0],
  ['a drag of DE in figure mode', 'memo P:300,405 p:300,425 p:300,445 p~', null, 0],
  ["the thick eraser's trail in the board's green", 'memo opt7 P:150,150 p:150,250 p~', ['rgb(0,128,0)', 20], 1],
];

async function drawTrail(tab) {
  const steps = {P: 'down', p: 'move', h: 'hover'}, finger = {T: 'start', t: 'move'}, calls = [];
  const ink = () => tab.evaluate(() => (window.__ink ? __ink.calls : []));
  let pen = null;
  await tab.evaluate(() => addEventListener('pointerdown', e => { window.__penId = e.pointerId; }, true));
  for (const [, events] of TRAIL) {
    const before = (await ink()).length;
    for (const word of events.split(' ')) {
      const [what, at] = word.split(':'), point = at && tab.at(...at.split(',').map(Number));
      if (what === 'p~') await tab.penStep('up', ...pen);
      else if (what === 't~') await tab.touch.end();
      else if (steps[what]) await tab.penStep(steps[what], ...(pen = point));
      else if (finger[what]) await tab.touch[finger[what]](...point);
      else if (what === 'u') {
        await tab.evaluate(([x, y]) => document.getElementById('gamen').dispatchEvent(new PointerEvent('pointermove',
          {pointerId: window.__penId, pointerType: 'pen', buttons: 1, clientX: x, clientY: y, bubbles: true})), point);
      } else await tab.play(word);
    }
    calls.push((await ink()).slice(before));
  }
  return calls;
}

// The trail where the browser has one: asked for in the board's canvas, and
// never touching the chalk, whose pixels are the same with a stand-in, with
// the browser's own trail, and with none. Elsewhere, nothing is asked of it.
export async function checkInkTrail({open, expect}) {
  const pictures = {};
  for (const [name, prelude] of [["the browser's own trail", ''], ['a stand-in', INK], ['no trail', NO_INK]]) {
    const tab = await open(prelude);
    const has = await tab.evaluate(() => 'ink' in navigator);
    if (typeof tab.penStep === 'string' || typeof tab.touch === 'string') { // no pen and palm to drive here
      await tab.close();
      return expect(!has, `no navigator.ink here (${has}): nothing to ask of it, the chalk drawn as before`);
    }
    await tab.viewport(1000, 800);
    const calls = await drawTrail(tab), scale = tab.scale();
    pictures[name] = await picture(tab);
    const problems = await tab.problems();
    if (name === 'a stand-in') {
      expect(await tab.evaluate(() => __ink.area === document.getElementById('gamen')),
             "the ink trail is asked for in the board's canvas");
      // As wide as the chalk is shown: the board's box has whole device pixels, a little off the scale.
      TRAIL.forEach(([what, , style, count], i) => expect(calls[i].length === count && calls[i].every(([type, kind, colour, width]) =>
        type === 'pointermove' && kind === 'pen' && colour === style[0] && Math.abs(width / (style[1] * scale) - 1) < 0.003),
        `the ink trail: ${what} ${JSON.stringify(calls[i])}`));
    }
    const own = "the browser's own trail";
    expect(pictures[name] === pictures[own] && problems.length === 0, `with ${name} (navigator.ink ` +
           `${has ? 'here' : 'not here'}): no error${name === own ? '' : ', and the chalk as with it, bit for bit'} ` +
           JSON.stringify(problems));
    await tab.close();
  }
}
