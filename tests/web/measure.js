// measure.js WEB_DIR [RUNS]: the game's page against a bare page that draws a 240 x 320
// canvas, both served by serve.js from 127.0.0.1 in one run, each first visit in a fresh
// Chromium profile: the bytes the server sends (gzip, headers included, the service worker's
// own fetches too), and the time from navigation to the first drawn frame. Then the frames of
// one move's animation against the game's move delay.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { Browser } = require('./Browser.js');
const { GamePage, sleep } = require('./GamePage.js');
const { start } = require('./serve.js');

const webDir = path.resolve(process.argv[2] || 'build-web');
const runs = Number(process.argv[3] || 5);
const viewport = { width: 360, height: 640, scale: 3, mobile: true };

const barePage = `<!doctype html>
<meta charset="utf-8"><meta name="viewport" content="width=device-width, initial-scale=1">
<title>bare</title>
<canvas id="canvas" width="240" height="320" style="image-rendering: pixelated"></canvas>
<script>
const context = document.getElementById('canvas').getContext('2d');
const image = context.createImageData(240, 320);
for (let i = 0; i < image.data.length; i += 4) {
  image.data[i] = 192; image.data[i + 1] = 192; image.data[i + 2] = 192; image.data[i + 3] = 255;
}
context.putImageData(image, 0, 0);
</script>
`;

// Every putImageData with its time since navigation: the first is the first frame.
const recordDraws = `
  window.korvatDraws = [];
  const put = CanvasRenderingContext2D.prototype.putImageData;
  CanvasRenderingContext2D.prototype.putImageData = function () {
    window.korvatDraws.push(performance.now());
    return put.apply(this, arguments);
  };`;

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

async function visit(server, url, waitForFirst) {
  const browser = new Browser();
  try {
    await browser.openPage(viewport);
    await browser.send('Page.addScriptToEvaluateOnNewDocument', { source: recordDraws });
    const before = server.sentSoFar();
    await browser.navigate(url);
    await browser.waitFor('window.korvatDraws.length > 0');
    const firstFrameMs = await browser.evaluate('window.korvatDraws[0]');
    if (waitForFirst) await waitForFirst(browser);
    await sleep(500);  // what the page still fetches after its first frame
    return { bytes: server.sentSoFar() - before, firstFrameMs };
  } finally {
    await browser.close();
  }
}

// The service worker has kept every file: the first visit's whole transfer is done.
async function cached(browser) {
  await browser.waitFor(`(async () => {
    const names = await caches.keys();
    return names.length === 1 && (await (await caches.open(names[0])).keys()).length >= 7;
  })()`);
}

// A ball moved across the empty board: the times of the frames it is drawn in.
async function moveFrames(url, server) {
  const browser = new Browser();
  try {
    await browser.openPage(viewport);
    await browser.send('Page.addScriptToEvaluateOnNewDocument', { source: recordDraws });
    const page = new GamePage(browser, viewport);
    await browser.navigate(url);
    await page.waitForFrame();
    const board = GamePage.board(await page.screen());
    // The ball and the empty cell farthest apart along one clear row or column.
    let best = null;
    for (const [x, y] of GamePage.balls(board)) {
      for (const [dx, dy] of [[1, 0], [-1, 0], [0, 1], [0, -1]]) {
        let n = 0;
        while (board[x + dx * (n + 1)] && board[x + dx * (n + 1)][y + dy * (n + 1)] === 'empty') ++n;
        if (n > 0 && (!best || n > best.steps)) best = { from: [x, y], to: [x + dx * n, y + dy * n], steps: n };
      }
    }
    await page.tapCell(...best.from);
    await sleep(600);
    await page.tapCell(...best.to);
    const start = await browser.evaluate('performance.now()');
    await sleep(best.steps * 100 + 1500);
    const draws = await browser.evaluate(`window.korvatDraws.filter((t) => t >= ${start})`);
    return { steps: best.steps, draws };
  } finally {
    await browser.close();
    void server;
  }
}

async function main() {
  const root = fs.mkdtempSync(path.join(os.tmpdir(), 'korvat-measure-'));
  fs.symlinkSync(webDir, path.join(root, 'game'));
  fs.mkdirSync(path.join(root, 'bare'));
  fs.writeFileSync(path.join(root, 'bare', 'index.html'), barePage);
  const { server, url } = await new Promise((resolve) => {
    const s = start(root, 0, (port) => resolve({ server: s, url: `http://127.0.0.1:${port}/` }));
  });
  try {
    const bare = [], game = [];
    for (let i = 0; i < runs; ++i) {
      bare.push(await visit(server, url + 'bare/'));
      game.push(await visit(server, url + 'game/', cached));
    }
    const row = (name, list) => console.log(
      `${name.padEnd(6)} transfer ${(median(list.map((r) => r.bytes)) / 1024).toFixed(1).padStart(7)} KiB` +
      `   first frame ${median(list.map((r) => r.firstFrameMs)).toFixed(0).padStart(5)} ms (median of ${runs})`);
    row('bare', bare);
    row('game', game);
    console.log(`ratio  first frame ${(median(game.map((r) => r.firstFrameMs)) /
                                       median(bare.map((r) => r.firstFrameMs))).toFixed(2)}`);
    const { steps, draws } = await moveFrames(url + 'game/', server);
    const gaps = draws.slice(1).map((t, i) => t - draws[i]);
    const steady = gaps.filter((g) => g > 50 && g < 150);
    console.log(`move   ${steps} steps, frames ${draws.length}, gaps between them (ms): ` +
                gaps.map((g) => g.toFixed(0)).join(' '));
    if (steady.length) {
      console.log(`move   step gaps against the 100 ms delay: ${Math.min(...steady).toFixed(1)} to ` +
                  `${Math.max(...steady).toFixed(1)} ms`);
    }
  } finally {
    server.close();
    server.closeAllConnections();
    fs.rmSync(root, { recursive: true, force: true });
  }
}

main().then(() => process.exit(0), (error) => { console.error(error); process.exit(1); });
