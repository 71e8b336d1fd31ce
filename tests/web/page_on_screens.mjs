// Sections of page_in_browser.mjs: the page on screens of every shape. The
// whole window is shown scaled uniformly, as large as the viewport allows and
// centred; its canvases have a pixel for each device pixel; the pointer lands
// where it is seen; the figure and the chalk outlive a resize or a rotation;
// and a repaint at a fractional scale leaves no trail.

const RED = [255, 0, 0], GREEN = [0, 128, 0];

// CSS viewports and device pixel ratios: smaller and larger than the window,
// wide and tall. WebKitGTK takes every row at the ratio it was launched with.
const SCREENS = [
  ["the window's own size", 811, 702, 1],
  ['a projector', 1920, 1080, 1],
  ['a Chromebook tab', 1366, 635, 1.5],
  ['an iPad 10.2" Safari tab, landscape', 1080, 716, 2],
  ['a tall window', 600, 900, 2],
  ['a portrait whiteboard', 900, 1200, 1],
];

// The window, the board and two controls as the page places them.
function measure() {
  const root = document.documentElement, gamen = document.getElementById('gamen');
  const box = id => {
    const r = document.getElementById(id).getBoundingClientRect();
    return [r.left, r.top, r.width, r.height];
  };
  return {viewport: [root.clientWidth, root.clientHeight], scroll: [root.scrollWidth, root.scrollHeight],
          ratio: devicePixelRatio, form: box('Form1'), board: box('gamen'), canvas: [gamen.width, gamen.height],
          command: box('Command1'), option: box('Option1_7')};
}

// What is wrong with the fit, if anything.
function misfit(m, exact) {
  const [vw, vh] = m.viewport, [left, top, width, height] = m.form, s = width / 811, slack = 1 / m.ratio + 0.02;
  const wrong = [];
  if (exact && JSON.stringify([m.form, m.board, m.canvas.map(v => v / m.ratio)]) !== '[[0,0,811,702],[8,48,793,641],[793,641]]')
    wrong.push('not exactly the window at (0, 0)');
  if (left < -0.01 || top < -0.01 || left + width > vw + 0.01 || top + height > vh + 0.01) wrong.push('not inside');
  if (Math.abs(left - (vw - left - width)) > slack || Math.abs(top - (vh - top - height)) > slack) wrong.push('not centred');
  if (Math.abs(width - vw) > 0.5 && Math.abs(height - vh) > 0.5) wrong.push('not as large as fits');
  if (Math.abs(height / 702 - s) > 0.001) wrong.push('not uniform');
  if (m.scroll[0] > vw || m.scroll[1] > vh) wrong.push('scrolls');
  const [bl, bt, bw, bh] = m.board, onPixel = v => Math.abs(v * m.ratio - Math.round(v * m.ratio)) < 0.02;
  if (m.canvas[0] !== Math.round(bw * m.ratio) || m.canvas[1] !== Math.round(bh * m.ratio) || !onPixel(bl) || !onPixel(bt))
    wrong.push('the board canvas is not on device pixels');
  if (Math.abs(bw - 793 * s) > 1 || Math.abs(m.command[0] - left - 176 * s) > 0.5 || Math.abs(m.command[2] - 73 * s) > 0.5 ||
      Math.abs(m.option[1] - top - 8 * s) > 0.5 || Math.abs(m.option[3] - 17 * s) > 0.5)
    wrong.push('the controls are not at the scale');
  return wrong;
}

// One column of the board's canvas, in its device pixels, from board row `top`
// to `bottom`: how many board pixels the red channel covers, and how many
// device pixels are neither red nor bare (an edge's blur). The canvas, not a
// screenshot: chromium's emulated device pixel ratios place composited
// canvases on whole CSS pixels, which a real screen of that ratio does not.
function stripe(x, top, bottom) {
  const gamen = document.getElementById('gamen'), kx = gamen.width / 793, ky = gamen.height / 641;
  const from = Math.floor(top * ky), rows = Math.ceil(bottom * ky) - from;
  const data = gamen.getContext('2d').getImageData(Math.floor((x + 0.5) * kx), from, 1, rows).data;
  let covered = 0, blurred = 0;
  for (let i = 0; i < data.length; i += 4) {
    covered += data[i] / 255;
    if (data[i] > 25 && data[i] < 230) ++blurred;
  }
  return {width: covered / ky, blurred};
}

// Keeps the board's pixels, or tells how far they are from those kept: how
// many channel values differ at all, how many by more than 24 (`marked`, the
// board pixels of the first few in `where`), and the most any does.
function keepPixels() {
  const gamen = document.getElementById('gamen');
  window.__kept = gamen.getContext('2d').getImageData(0, 0, gamen.width, gamen.height).data;
}
function changeFromKept() {
  const gamen = document.getElementById('gamen'), kept = window.__kept;
  const now = gamen.getContext('2d').getImageData(0, 0, gamen.width, gamen.height).data;
  if (now.length !== kept.length) return {differing: -1, marked: -1, most: 255};
  let differing = 0, marked = 0, most = 0;
  const where = [];
  for (let i = 0; i < now.length; ++i) {
    const d = Math.abs(now[i] - kept[i]);
    if (d) ++differing;
    if (d > 24 && ++marked <= 8) where.push([Math.floor((i >> 2) % gamen.width * 793 / gamen.width),
                                            Math.floor(Math.floor((i >> 2) / gamen.width) * 641 / gamen.height)]);
    if (d > most) most = d;
  }
  return {differing, marked, most, where};
}

// The device pixel ratio of an engine that has only the one it was launched
// with (WebKitGTK), or null where any can be emulated.
function launchedRatio(tab) {
  return typeof tab.zoom === 'string' ? tab.evaluate(() => devicePixelRatio) : null;
}

export async function checkScreens(t) {
  const {open, expect, skip, near} = t;
  const tab = await open();
  const launched = await launchedRatio(tab);
  if (launched) skip(`device pixel ratios other than ${launched} on screens of every shape`, tab.zoom);
  for (const [name, width, height, wanted] of SCREENS) {
    const ratio = launched || wanted;
    await tab.viewport(width, height, ratio);
    await tab.reset();
    const m = await tab.evaluate(measure);
    const wrong = misfit(m, width === 811 && height === 702);
    // A drag of DE and a thick yellow stroke, where the pointer is seen (to a
    // CSS pixel, where the automation rounds the pointer's position).
    await tab.play('D1:300,405 M:300,440 M:300,475 U1');
    const [left, ...around] = await tab.colours([[300, 410], ...[477, 478, 479, 480, 481, 482, 483].map(y => [300, y])]);
    await tab.play('memo opt5 D1:100,100 M:150,100 M:200,100 M:250,100 M:300,100 U1');
    await tab.colours([]); // two frames
    const chalk = await tab.evaluate(stripe, 220, 90, 110);
    await tab.clickControl('Command3');
    const screen = `${name} (${width} × ${height} at ${ratio})`;
    expect(wrong.length === 0,
           `${screen}: the whole window, centred, as large as fits, on device pixels ${JSON.stringify({wrong, m})}`);
    expect(around.some(c => near(c, RED, 40)) && near(left, GREEN, 40) && Math.abs(chalk.width - 6) < 0.5 &&
           chalk.blurred <= 2, `${screen}: DE and the chalk land where the pointer is, sharp ` +
           JSON.stringify({de: [left, around], chalk}));
    await tab.colours([], `screen-${width}x${height}${ratio === 1 ? '' : '@' + ratio}`);
  }
  await tab.close();
  await checkNoTrails(t);
  await checkTablet(t);
}

// At a fractional scale, DE moved up and down in many steps over chalk
// leaves the board as a full repaint shows it: every repaint covered what it
// replaced. The engines' rasterisers shade a line's anti-aliased edge a step
// or two of their coverage differently against each repaint's clip, and
// Cairo's at a vertex or a line's end by up to a sixth of the range: a few
// pixels, apart. A trail of DE, its marks or its letters runs along them.
async function checkNoTrails({open, expect, skip, near}) {
  const tab = await open();
  const ratio = (await launchedRatio(tab)) || 1.5;
  await tab.viewport(1000, 800, ratio); // scale 1.1396
  await tab.play('memo opt5 D1:150,350 M:450,560 U1 memo');
  const path = [[300, 405]];
  for (let y = 407; y <= 545; y += 2) path.push([300, y]);
  for (let y = 543; y >= 475; y -= 2) path.push([300, y]);
  await tab.drag(path);
  const [left, ...around] = await tab.colours([[300, 410], ...[477, 478, 479, 480, 481, 482, 483].map(y => [300, y])],
                                              'no-trails');
  await tab.evaluate(keepPixels);
  await tab.viewport(1000, 799, ratio); // a new canvas, drawn whole
  await tab.viewport(1000, 800, ratio);
  await tab.colours([]);
  const change = await tab.evaluate(changeFromKept);
  expect(near(left, GREEN, 40) && around.some(c => near(c, RED, 40)) && change.differing >= 0 && change.marked <= 16 &&
         change.most <= 64,
         `at a scale of 1.1396 and a device pixel ratio of ${ratio}, ${path.length - 1} moves of DE over chalk leave the ` +
         `board as a full repaint shows it, but for anti-aliasing at a few pixels ` +
         `(${JSON.stringify({change, de: [left, around]})})`);
  if (ratio !== 1.5) skip('no trails at a device pixel ratio of 1.5', tab.zoom);
  await tab.close();
}

// A tablet's browser lays the page out at the device's width: a finger drags
// DE and writes, and turning the tablet round refits the window and keeps both.
async function checkTablet({open, expect, skip, expectColours}) {
  const tab = await open();
  if (typeof tab.tablet === 'string') {
    await tab.close();
    return skip('a tablet: a finger drags and writes, and turning it round keeps both', tab.tablet);
  }
  await tab.tablet(810, 1080); // an iPad 10.2" upright
  const upright = await tab.evaluate(measure);
  await tab.swipe([[300, 405], [300, 440], [300, 475]]);
  await tab.clickControl('Command3');
  await tab.swipe([[100, 100], [200, 100], [300, 100]]);
  await expectColours(tab, 'a tablet: a finger drags DE and writes', [[300, 480, 'red'], [200, 100, 'red']],
                      {slack: 40, shot: 'tablet-upright'});
  await tab.tablet(1080, 810);
  const turned = await tab.evaluate(measure);
  const fits = misfit(upright).concat(misfit(turned));
  expect(upright.viewport[0] === 810 && turned.viewport[0] === 1080 && fits.length === 0,
         `a tablet lays the page out at its width, and turned round the window is fitted again ` +
         JSON.stringify({fits, upright: upright.viewport, turned: turned.viewport}));
  await expectColours(tab, 'turned round, the tablet keeps DE and the chalk',
                      [[300, 480, 'red'], [200, 100, 'red'], [300, 410, 'green']], {slack: 40, shot: 'tablet-turned'});
  await tab.close();
}

// Where the engine reports no change of resolution (imitated: a matchMedia
// that never tells), a resize tells of the new device pixels, and the chalk stays.
export async function checkDeafToResolution({open, expect, skip, waitFor, expectColours}) {
  const tab = await open(`window.matchMedia = function (q) {
    return {matches: false, media: q, addEventListener: function () {}, removeEventListener: function () {},
            addListener: function () {}, removeListener: function () {}};
  };`);
  if (typeof tab.zoom === 'string') {
    await tab.close();
    return skip('a change of device pixels is noticed without matchMedia', tab.zoom);
  }
  await tab.play('memo D1:100,200 M:300,200 U1');
  await tab.zoom(2);
  expect(await waitFor(tab, () => document.getElementById('gamen').width === 2 * 793),
         'without matchMedia, a resize tells of the new device pixels');
  await expectColours(tab, 'without matchMedia, the chalk stays through a change of device pixels', [[200, 200, 'red']]);
  await tab.close();
}
