// A folder served from 127.0.0.1, for the page's tests: the site as a static
// host serves it, and the page itself where an engine keeps a file's session
// storage less surely than a server's.
import {readFileSync} from 'node:fs';
import {createServer} from 'node:http';
import {join} from 'node:path';

// A folder served from 127.0.0.1 under a sub-path, as a static host serves
// it (each file may be kept ten minutes); it can be stopped and started again
// on its port, with another folder. `inject` goes at the top of index.html.
export function folderServer(prefix, inject) {
  const types = {html: 'text/html; charset=utf-8', js: 'text/javascript', webmanifest: 'application/manifest+json',
                 png: 'image/png'};
  let root = null, server = null, port = 0;
  const sockets = new Set();
  function answer(request, response) {
    const path = new URL(request.url, 'http://127.0.0.1').pathname;
    const name = path === prefix ? 'index.html' : path.startsWith(prefix) ? path.slice(prefix.length) : '';
    let body = null;
    try { if (/^[\w.-]+$/.test(name)) body = readFileSync(join(root, name)); } catch { /* not there */ }
    if (!body) return response.writeHead(404).end();
    if (name === 'index.html' && inject) body = String(body).replace('<head>', `<head>\n<script>${inject}</script>`);
    response.writeHead(200, {'Content-Type': types[name.split('.').pop()], 'Cache-Control': 'max-age=600'}).end(body);
  }
  let visits = 0;
  return {
    // Each visit by an address not asked for before, which neither the HTTP
    // cache nor an engine's memory of pages can answer: only the service worker
    // (which leaves out the query) or the server.
    url: (name = '') => `http://127.0.0.1:${port}${prefix}${name}?visit=${++visits}`,
    async start(folder) {
      root = folder;
      server = createServer(answer).on('connection', socket => {
        sockets.add(socket);
        socket.on('close', () => sockets.delete(socket));
      });
      await new Promise((done, failed) => server.listen(port, '127.0.0.1', done).on('error', failed));
      port = server.address().port;
    },
    async stop() {
      for (const socket of sockets) socket.destroy();
      await new Promise(done => server.close(done));
    },
  };
}
