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

// Revalidated on every use, answered 304 while unchanged, as a plain static host does.
function start(folder, port, onListening) {
  const root = path.resolve(folder);
  const compressed = new Map();
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(root, name.endsWith('/') ? name + 'index.html' : name);
    if (!file.startsWith(root)) { response.writeHead(403).end(); return; }
    fs.readFile(file, (error, bytes) => {
      if (error) { response.writeHead(404).end(); return; }
      const stat = fs.statSync(file);
      const tag = `"${stat.size}-${stat.mtimeMs}"`;
      if (request.headers['if-none-match'] === tag) {
        response.writeHead(304, { ETag: tag }).end();
        return;
      }
      const headers = { 'Content-Type': types[path.extname(file)] || 'application/octet-stream',
                        'Cache-Control': 'no-cache', ETag: tag };
      if (/\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
        // Compressed once per version of the file, as a host that serves .gz files does.
        if (!compressed.has(file) || compressed.get(file).tag !== tag) {
          compressed.set(file, { tag, bytes: zlib.gzipSync(bytes, { level: 9 }) });
        }
        bytes = compressed.get(file).bytes;
        headers['Content-Encoding'] = 'gzip';
      }
      headers['Content-Length'] = bytes.length;
      response.writeHead(200, headers).end(bytes);
    });
  });
  // Every byte sent, headers and all, for the transfer-size measurement.
  server.sentBytes = 0;
  server.on('connection', (socket) => {
    socket.on('close', () => { server.sentBytes += socket.bytesWritten; });
  });
  server.sentSoFar = () => {
    let open = 0;
    for (const socket of server.openSockets || []) open += socket.bytesWritten;
    return server.sentBytes + open;
  };
  server.openSockets = new Set();
  server.on('connection', (socket) => {
    server.openSockets.add(socket);
    socket.on('close', () => server.openSockets.delete(socket));
  });
  server.listen(port, '127.0.0.1', () => onListening(server.address().port));
  return server;
}

if (require.main === module) {
  start(process.argv[2] || '.', Number(process.argv[3] || 0), (port) => console.log('port ' + port));
}
module.exports = { start };
