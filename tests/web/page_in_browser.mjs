// The built page in Debian's chromium, headless, driven with real input events
// through the DevTools protocol and judged by screenshots:
//   node page_in_browser.mjs PAGE.html [SHOT_DIR]
import {launchChromium, frames} from './browser.mjs';
import {writeFileSync} from 'node:fs';
import {join, resolve} from 'node:path';

const pagePath = resolve(process.argv[2]);
const shotDir = process.argv[3] || '.';
let failures = 0, passes = 0;

function expect(ok, what) {
  console.log(`${ok ? 'PASS' : 'FAIL'}: ${what}`);
  ok ? ++passes : ++failures;
}

const WHITE = [255, 255, 255], RED = [255, 0, 0], YELLOW = [255, 255, 0], MAGENTA = [255, 0, 255],
      GREEN = [0, 128, 0];
const near = (got, want, slack = 0) => got.every((c, i) => Math.abs(c - want[i]) <= slack);

const chromium = await launchChromium();
const browser = chromium.browser;

try {
  const decoder = await browser.newPage(); // turns screenshots back into pixels
  const page = await browser.newPage();
  await page.setViewport({width: 840, height: 720, deviceScaleFactor: 1, hasTouch: true});
  const problems = [], requests = [];
  page.on('console', m => { if (m.type() === 'error' || m.type() === 'warn') problems.push(m.text()); });
  page.on('pageerror', e => problems.push(String(e)));
  page.on('request', r => { if (!r.url().startsWith('data:')) requests.push(r.url()); });

  const url = 'file://' + pagePath;
  await page.goto(url);
  await page.waitForFunction(() => document.title === '平行線ボード (by n.Tavio)', {timeout: 10000});
  const origin = await page.evaluate(() => {
    const r = document.getElementById('gamen').getBoundingClientRect();
    return {x: r.left, y: r.top};
  });

  // The colours at board points, from a screenshot of what the page shows.
  async function colours(points, name) {
    await frames(page);
    const shot = await page.screenshot({encoding: 'base64'});
    if (name) writeFileSync(join(shotDir, `page-${name}.png`), Buffer.from(shot, 'base64'));
    const ratio = await page.evaluate(() => devicePixelRatio);
    return decoder.evaluate(async (png, points, origin, ratio) => {
      const image = new Image();
      image.src = 'data:image/png;base64,' + png;
      await image.decode();
      const canvas = document.createElement('canvas');
      canvas.width = image.width;
      canvas.height = image.height;
      const ctx = canvas.getContext('2d');
      ctx.drawImage(image, 0, 0);
      return points.map(([x, y]) => Array.from(ctx.getImageData(Math.round((origin.x + x) * ratio),
                                                                Math.round((origin.y + y) * ratio), 1, 1).data)
                                        .slice(0, 3));
    }, shot, points, origin, ratio);
  }
  const at = (x, y) => [origin.x + x, origin.y + y];
  async function clickControl(id) {
    const r = await page.evaluate(id => {
      const b = document.getElementById(id).getBoundingClientRect();
      return [b.left + b.width / 2, b.top + b.height / 2];
    }, id);
    await page.mouse.click(r[0], r[1]);
  }

  // The layout, and the figure as it first appears.
  const places = await page.evaluate(() => {
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
  let got = await colours(figure.map(([x, y]) => [x, y]), 'start');
  expect(figure.every(([, , want], i) => near(got[i], want, 40)), 'the first picture shows the figure: ' +
         JSON.stringify(got));

  // A drag of DE down onto BC: magenta while held, red after the release.
  await page.mouse.move(...at(300, 405));
  await page.mouse.down();
  for (let y = 425; y <= 545; y += 20) await page.mouse.move(...at(300, y));
  got = await colours([[300, 550], [300, 410], [150, 550]], 'drag');
  expect(near(got[0], MAGENTA) && near(got[1], GREEN), 'DE follows the pointer onto BC, magenta while held');
  await page.mouse.up();
  got = await colours([[300, 550]]);
  expect(near(got[0], RED), 'DE turns red when released');

  // The right button pressed while the left holds DE: the figure goes back, DE stays magenta.
  await page.mouse.move(...at(300, 545));
  await page.mouse.down();
  await page.mouse.move(...at(300, 500));
  await page.mouse.down({button: 'right'});
  await page.mouse.up({button: 'right'});
  await page.mouse.move(...at(300, 450));
  got = await colours([[300, 410], [300, 550], [300, 505]]);
  await page.mouse.up();
  expect(near(got[0], MAGENTA) && near(got[1], WHITE) && near(got[2], GREEN),
         'a right press during a drag restores the figure and keeps DE magenta');

  // A finger drags it as the left button does; the page neither scrolls nor zooms.
  await page.mouse.click(...at(600, 600), {button: 'right'});
  await page.touchscreen.touchStart(...at(300, 405));
  await page.touchscreen.touchMove(...at(300, 475));
  await page.touchscreen.touchEnd();
  got = await colours([[300, 480], [300, 410]]);
  expect(near(got[0], RED) && near(got[1], GREEN) && (await page.evaluate(() => scrollY === 0)),
         'a finger drags DE');

  // Thick yellow chalk: a stroke 6 pixels wide.
  await clickControl('Command3');
  await clickControl('Option1_5');
  await page.mouse.move(...at(100, 100));
  await page.mouse.down();
  for (let x = 120; x <= 300; x += 20) await page.mouse.move(...at(x, 100));
  await page.mouse.up();
  const column = Array.from({length: 21}, (_, i) => [210, 90 + i]); // between two joins
  got = await colours(column, 'chalk');
  const thickness = got.reduce((sum, c) => sum + c[0] / 255, 0);
  expect(near(got[10], YELLOW) && Math.abs(thickness - 6) < 0.6, `thick yellow chalk is 6 pixels wide (${thickness.toFixed(2)})`);

  // A right press wipes the chalk and brings the figure back; no menu opens.
  await page.evaluate(() => {
    window.menusLeftOpen = 0;
    document.addEventListener('contextmenu', e => { if (!e.defaultPrevented) ++window.menusLeftOpen; });
  });
  await page.mouse.click(...at(600, 600), {button: 'right'});
  got = await colours([[200, 100], [300, 410], [300, 480]], 'reset');
  expect(near(got[0], GREEN) && near(got[1], RED) && near(got[2], GREEN) &&
         (await page.evaluate(() => window.menusLeftOpen === 0)),
         'a right press wipes the chalk and restores the figure, with no context menu');

  // The greyed palette takes no click: the next memo mode draws yellow, 3 wide.
  await clickControl('Option1_6');
  const checked = await page.evaluate(() => [5, 6].map(i => document.querySelector(`#Option1_${i} input`).checked));
  await clickControl('Command3');
  await page.mouse.move(...at(100, 200));
  await page.mouse.down();
  await page.mouse.move(...at(300, 200));
  await page.mouse.up();
  got = await colours(Array.from({length: 21}, (_, i) => [210, 190 + i]));
  const thin = got.reduce((sum, c) => sum + c[0] / 255, 0);
  expect(checked[0] && !checked[1] && near(got[10], YELLOW) && Math.abs(thin - 3) < 0.6,
         `a greyed palette button ignores a click (${JSON.stringify(checked)}, ${thin.toFixed(2)} wide)`);

  // Zoomed to twice the pixels: the chalk is kept, DE is drawn sharp.
  await page.setViewport({width: 840, height: 720, deviceScaleFactor: 2, hasTouch: true});
  got = await colours([[200, 200], [300, 410]], 'zoomed');
  expect(near(got[0], YELLOW) && near(got[1], RED) && (await page.evaluate(() => devicePixelRatio === 2)),
         'a change of device pixels keeps the chalk');
  await page.setViewport({width: 840, height: 720, deviceScaleFactor: 1, hasTouch: true});

  // 終了: the board goes and nothing answers.
  await clickControl('Command2');
  const ended = await page.evaluate(() => !document.getElementById('Form1') && !document.getElementById('ended').hidden);
  expect(ended, '終了 ends the program and says so');

  const stored = await page.evaluate(async () =>
    document.cookie.length + localStorage.length + sessionStorage.length +
    (indexedDB.databases ? (await indexedDB.databases()).length : 0));
  expect(requests.length === 1 && requests[0] === url && stored === 0,
         `no network request and nothing stored (${JSON.stringify(requests)}, ${stored})`);
  expect(problems.length === 0, 'no console errors or warnings: ' + JSON.stringify(problems));

  // Without WebAssembly, one clear line.
  const old = await browser.newPage();
  await old.evaluateOnNewDocument(() => { delete window.WebAssembly; });
  const oldProblems = [];
  old.on('pageerror', e => oldProblems.push(String(e)));
  await old.goto(url);
  const line = await old.evaluate(() => !document.getElementById('no-wasm').hidden && !document.getElementById('Form1'));
  expect(line && oldProblems.length === 0, 'a browser without WebAssembly shows one line');
} catch (e) {
  expect(false, 'the page could be driven: ' + (e.stack || e));
} finally {
  await chromium.close();
}
console.log(`${passes} passed, ${failures} failed`);
process.exit(failures ? 1 : 0);
