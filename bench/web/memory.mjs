// How much memory a browser's renderers hold, from Linux's /proc.
import {readFileSync, readdirSync} from 'node:fs';

// Megabytes the browser's renderers hold (their resident memory, from /proc).
export function rendererMegabytes(chromium) {
  const browserPid = chromium.browser.process().pid, parent = {};
  const pids = readdirSync('/proc').filter(d => /^\d+$/.test(d));
  for (const pid of pids) {
    try { parent[pid] = readFileSync(`/proc/${pid}/stat`, 'utf8').split(') ')[1].split(' ')[1]; } catch (gone) {}
  }
  const ours = pid => { for (let p = pid; p && p !== '0'; p = parent[p]) if (+p === browserPid) return true; return false; };
  let kib = 0;
  for (const pid of Object.keys(parent).filter(ours)) {
    try {
      if (!readFileSync(`/proc/${pid}/cmdline`, 'utf8').includes('--type=renderer')) continue;
      kib += +/VmRSS:\s+(\d+)/.exec(readFileSync(`/proc/${pid}/status`, 'utf8'))[1];
    } catch (gone) {}
  }
  return kib / 1024;
}

