// serve.js FOLDER [PORT]: the folder over HTTP on 127.0.0.1, gzip when asked (as any web host
// does), and a line "port N" on stdout once it listens. Port 0 takes a free one.
'use strict';
const http = require('http');
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.json': 'application/json', '.webmanifest': 'application/manifest+json', '.png': 'image/png',
  '.data': 'application/octet-stream', '.kvt': 'application/octet-stream',
};

function start(folder, port, onListening) {
  const root = path.resolve(folder);
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(root, name.endsWith('/') ? name + 'index.html' : name);
    if (!file.startsWith(root)) { response.writeHead(403).end(); return; }
    fs.readFile(file, (error, bytes) => {
      if (error) { response.writeHead(404).end(); return; }
      const headers = { 'Content-Type': types[path.extname(file)] || 'application/octet-stream',
                        'Cache-Control': 'no-cache' };
      if (/\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
        bytes = zlib.gzipSync(bytes, { level: 9 });
        headers['Content-Encoding'] = 'gzip';
      }
      headers['Content-Length'] = bytes.length;
      response.writeHead(200, headers).end(bytes);
    });
  });
  server.listen(port, '127.0.0.1', () => onListening(server.address().port));
  return server;
}

if (require.main === module) {
  start(process.argv[2] || '.', Number(process.argv[3] || 0), (port) => console.log('port ' + port));
}
module.exports = { start };
