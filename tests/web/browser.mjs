// Debian's chromium, headless, as the page's test and its benchmark start it:
// a fresh profile, nothing fetched in the background, no sandbox as root.
import puppeteer from 'puppeteer-core';
import {mkdtempSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

export async function launchChromium() {
  const profile = mkdtempSync(join(tmpdir(), 'board-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: [
      ...(process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : []),
      '--disable-gpu', '--no-first-run', '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--disable-dev-shm-usage',
    ],
  });
  return {
    browser,
    async close() {
      await browser.close();
      rmSync(profile, {recursive: true, force: true});
    },
  };
}

// Waits until the page has drawn two more frames.
export function frames(page) {
  return page.evaluate(() => new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r))));
}
