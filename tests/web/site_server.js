// A static file server for the built site on 127.0.0.1 and a free port,
// answering as python3 -m http.server does: each file with its date; with
// `gzipEncoded`, as some servers do, a .gz file as the file it packs, sent
// with Content-Encoding: gzip.
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
};

// Resolves to {url, close()} once listening.
function serveSite(root, {gzipEncoded = false} = {}) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    const file = path.join(root, name.endsWith('/') ? `${name}index.html` : name);
    if (!file.startsWith(root + path.sep)) {
      response.writeHead(403).end();
      return;
    }
    fs.readFile(file, (error, body) => {
      // As python3 -m http.server: the file's date, no expiry date. A file
      // gone in between (a test's copy of the site removed) is not found.
      const modified = error ? null : fs.statSync(file, {throwIfNoEntry: false})?.mtime;
      if (!modified) {
        response.writeHead(404).end();
        return;
      }
      modified.setMilliseconds(0);
      const since = Date.parse(request.headers['if-modified-since']);
      if (modified.getTime() <= since) {
        response.writeHead(304).end();
        return;
      }
      const encoded = gzipEncoded && file.endsWith('.gz');
      const type = kTypes[path.extname(encoded ? file.slice(0, -3) : file)];
      response.writeHead(200, {'Content-Type': type ?? 'application/octet-stream',
                               'Last-Modified': modified.toUTCString(),
                               ...(encoded && {'Content-Encoding': 'gzip'})});
      response.end(body);
    });
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => {
      resolve({
        url: `http://127.0.0.1:${server.address().port}/`,
        close: () => new Promise((done) => {
          server.close(done);
          server.closeAllConnections();
        }),
      });
    });
  });
}

module.exports = {serveSite};
