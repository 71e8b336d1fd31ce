// A section of page_in_browser.mjs: the site from a web server. Kept by its
// service worker on the first visit, it opens with no network and DE can be
// dragged there; a new release on the server is shown at a later visit, and
// the old one's cache goes.
import {WATCHER} from './browser.mjs';
import {folderServer} from './folder_server.mjs';
import {STORED} from './page_start.mjs';
import {cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

// Whether the site's service worker is active and keeps the five files of one release.
const KEPT = () => navigator.serviceWorker.ready.then(async registration => {
  const names = await caches.keys();
  return registration.active.state === 'activated' && names.length === 1 &&
         (await (await caches.open(names[0])).keys()).length === 5;
});

export async function checkSite({engine, open, expect, skip, waitFor, expectColours}, siteDir) {
  const site = folderServer('/parallel-board/', engine === 'webkit' ? WATCHER : null);
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
  await expectColours(offline, 'the site, kept on its first visit, opens with no network and DE moves',
                      [[300, 490, 'red'], [300, 410, 'green']], {shot: 'site-offline'});
  const problems = onlineProblems.concat(await offline.problems());
  expect(kept && problems.length === 0, `the site was kept on its first visit, with no error (${kept}, ${JSON.stringify(problems)})`);
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
