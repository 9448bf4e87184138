// budget.js WEB_DIR: every file of the page's first visit (the service worker's list), each
// gzip-compressed as a web host sends it, adds up to at most 1 MiB.
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');

const webDir = process.argv[2];
const worker = fs.readFileSync(path.join(webDir, 'service-worker.js'), 'utf8');
const list = worker.match(/const files = \[(.*)\];/);
if (!list) throw new Error('no file list in service-worker.js');
const files = ['service-worker.js', ...list[1].split(',').map((f) => f.trim().replace(/'/g, ''))
                                       .filter((f) => f !== './')];
let total = 0;
for (const file of files) {
  const bytes = fs.readFileSync(path.join(webDir, file));
  const sent = zlib.gzipSync(bytes, { level: 9 }).length;
  total += sent;
  console.log(`${file.padEnd(22)} ${String(bytes.length).padStart(9)} ${String(sent).padStart(9)}`);
}
console.log(`${'total (gzip)'.padEnd(32)} ${String(total).padStart(9)}`);
process.exit(total <= 1024 * 1024 ? 0 : 1);
