// browser_test.js SCENARIO WEB_DIR NATIVE_SIM [DESKTOP_FRAME.ppm]: the game's page in headless
// Chromium, served from 127.0.0.1, played through taps, clicks and keys and read off
// screenshots. Scenarios:
//   phone    360 x 640 at 3 device pixels per CSS pixel, touch: the first frame (against the
//            desktop's), a ball selected and moved by taps, a game ended and the best score
//            kept over a reload
//   desktop  1280 x 800, mouse: the first frame, a ball selected and moved by clicks, taken
//            back with Ctrl+Z
//   offline  the page plays again from its service worker with the server gone
//   kvt      a desktop-saved game loads in the page, and the page's download in the desktop's
//   german   the page in a German browser, against the desktop game in German
//   refused  without the browser's storage the game plays, and says once that scores will not
//            be kept
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const { Browser } = require('./Browser.js');
const { GamePage, cellOrigin, differences, sleep } = require('./GamePage.js');
const { decodePpm, encodePng, image } = require('./Png.js');
const { start } = require('./serve.js');

const [scenario, webDir, nativeSim, frameArgument] = process.argv.slice(2);
// The desktop's frame to compare with; the German scenario is given the German one.
const desktopFrame = process.env.KORVAT_DESKTOP_FRAME || frameArgument;
const phone = { width: 360, height: 640, scale: 3, mobile: true };
const desktop = { width: 1280, height: 800, scale: 1, mobile: false };
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'korvat-web-test-'));

function check(condition, message) {
  if (!condition) throw new Error(message);
  console.log('ok: ' + message);
}

function serve() {
  return new Promise((resolve) => {
    const server = start(webDir, 0, (port) => resolve({ server, url: `http://127.0.0.1:${port}/` }));
  });
}

// What differs from one start to the next: the next balls and the clock, and the cells that
// hold a ball or a hint in either frame.
function randomParts(...boards) {
  const parts = [[84, 26, 72, 33]];
  for (let x = 0; x < 9; ++x) {
    for (let y = 0; y < 9; ++y) {
      if (boards.some((board) => board[x][y] !== 'empty')) parts.push([...cellOrigin(x, y), 21, 21]);
    }
  }
  return parts;
}

// The first frame once its turn has played: two screens in a row alike but for the clock.
async function firstFrame(page) {
  await page.waitForFrame();
  let screen = await page.screen();
  for (const until = Date.now() + 10000; Date.now() < until;) {
    await sleep(150);
    const next = await page.screen();
    const settled = differences(next, screen, [[84, 26, 72, 33]]).length === 0;
    screen = next;
    if (settled && GamePage.balls(GamePage.board(screen)).length === 3) break;
  }
  check(true, `the device screen is crisp at factor ${page.factor}, centred`);
  const board = GamePage.board(screen);
  check(GamePage.balls(board).length === 3, 'the first frame has three balls');
  if (desktopFrame && fs.existsSync(desktopFrame)) {
    const reference = decodePpm(fs.readFileSync(desktopFrame));
    const wrong = differences(screen, reference, randomParts(board, GamePage.board(reference)));
    if (wrong.length) {
      // What was seen, and where it differs (red), beside the test's working folder.
      const marked = new Set(wrong.map((p) => p.join()));
      fs.writeFileSync(`first-frame-${scenario}.png`, encodePng(screen));
      fs.writeFileSync(`first-frame-${scenario}-diff.png`, encodePng(image(screen.width,
          screen.height, (x, y) => (marked.has(x + ',' + y) ? [255, 0, 0] : reference.at(x, y)))));
    }
    check(wrong.length === 0, 'the first frame is the desktop\'s, pixel for pixel, but for the ' +
          'random balls and the clock' + (wrong.length ? ` (${wrong.length} differ, first ${wrong[0]})` : ''));
  }
  return { screen, board };
}

// Whether the screen comes to pass the test within a deadline: a loaded machine may take seconds
// to show the next frame, so waits are by time, not by a count of looks.
// The last screen looked at is kept, to be written out if it fails.
let lastSeen = null;
async function comesToPass(page, test, ms = 10000) {
  const until = Date.now() + ms;
  do {
    await sleep(50);
    lastSeen = await page.screen();
    if (test(lastSeen)) return true;
  } while (Date.now() < until);
  return false;
}

// Taps a ball, sees it bounce, taps an empty neighbour and sees it arrive.
async function selectAndMove(page, board) {
  const neighbours = [[1, 0], [-1, 0], [0, 1], [0, -1]];
  let move = null;
  for (const [x, y] of GamePage.balls(board)) {
    for (const [dx, dy] of neighbours) {
      const tx = x + dx, ty = y + dy;
      if (tx >= 0 && tx < 9 && ty >= 0 && ty < 9 && board[tx][ty] === 'empty' && !move) {
        move = { from: [x, y], to: [tx, ty], look: board[x][y] };
      }
    }
  }
  check(move !== null, 'a ball with an empty neighbour');
  await page.tapCell(...move.from);
  const bounced = await comesToPass(page, (screen) =>
    GamePage.board(screen)[move.from[0]][move.from[1]] !== move.look);
  check(bounced, `the tapped ball ${move.from} bounces`);
  await page.tapCell(...move.to);
  const arrived = await comesToPass(page, (screen) => {
    const now = GamePage.board(screen);
    return now[move.to[0]][move.to[1]] === move.look &&
           now[move.from[0]][move.from[1]] !== move.look && GamePage.balls(now).length === 6;
  });
  check(arrived, `the ball moved to ${move.to} and three more came`);
}

// A saved game of 78 balls in no line, three cells free, the score 5000: one move fills it.
function nearlyFullGame() {
  const bytes = Buffer.alloc(340);
  bytes.writeUInt32LE(61, 0);
  bytes.writeUInt32LE(5000, 4);
  bytes.writeUInt32LE(0, 8);
  bytes.writeUInt32LE(1, 12);
  const free = ['1,0', '8,7', '8,8'];
  for (let x = 0; x < 9; ++x) {
    for (let y = 0; y < 9; ++y) {
      const cell = free.includes(`${x},${y}`) ? -1 : ((x + 2 * y) % 7) + 1;
      bytes.writeInt32LE(cell, 16 + 4 * (x * 9 + y));
    }
  }
  return bytes;
}

// Load: the browser's picker, given the file as a player would choose it.
async function loadThroughPicker(browser, page, file) {
  await browser.send('Page.setInterceptFileChooserDialog', { enabled: true });
  const opened = browser.event('Page.fileChooserOpened');
  await page.tapDevice(136, 307);
  const { backendNodeId } = await opened;
  await browser.send('DOM.enable');
  await browser.send('DOM.setFileInputFiles', { files: [file], backendNodeId });
}

function bestScore(screen) {
  const pixels = [];
  for (let y = 28; y < 56; ++y) for (let x = 12; x < 64; ++x) pixels.push(screen.at(x, y).join());
  return pixels.join(';');
}

async function enter(page) {
  await page.key('Enter', 'Enter', 13);
  await sleep(300);
}

async function bestScoreKept(browser, page, initialBest) {
  const file = path.join(work, 'nearly-full.kvt');
  fs.writeFileSync(file, nearlyFullGame());
  await loadThroughPicker(browser, page, file);
  const loaded = await comesToPass(page, (screen) =>
    GamePage.balls(GamePage.board(screen)).length === 78);
  check(loaded, 'the nearly full game is loaded');
  await page.tapCell(0, 0);
  await sleep(300);
  await page.tapCell(1, 0);
  await sleep(1500);
  // "No more move!", the name (left empty), the table, each taken with Enter once it shows,
  // until the next game's board is there.
  // The name is typed on the phone's keyboard, which a tap brings up.
  let next = false, named = false;
  for (let i = 0; i < 20 && !next; ++i) {
    await sleep(400);
    next = GamePage.balls(GamePage.board(await page.screen())).length === 3;
    if (next) break;
    if (!named && await browser.evaluate('Module._korvatTypingWanted()')) {
      await page.tapDevice(60, 12);
      check(await browser.evaluate("document.activeElement === document.getElementById('typing')"),
            'a tap in the name dialog brings up the phone\'s keyboard');
      await browser.send('Input.insertText', { text: 'Zoë' });
      named = true;
      await sleep(300);
    }
    await enter(page);
  }
  check(next, 'the game ended and the next one began');
  const best = bestScore(await page.screen());
  check(best !== initialBest, 'the best score shows the ended game\'s');
  // The table as IDBFS keeps it in the browser's database, whole.
  await browser.waitFor(`new Promise((resolve) => {
    const open = indexedDB.open('/home/web_user');
    open.onerror = () => resolve(false);
    open.onsuccess = () => {
      const read = open.result.transaction(['FILE_DATA']).objectStore('FILE_DATA')
                     .get('/home/web_user/.local/share/korvat/top.ten');
      // "Zoë" in UTF-16, as the desktop stores names.
      read.onsuccess = () => {
        const c = read.result && read.result.contents;  // IDBFS keeps an Int8Array
        resolve(!!c && c.length === 480 && Array.from(new Uint8Array(c.buffer, c.byteOffset,
                                                                     c.length))
                                                 .join().includes('90,0,111,0,235,0'));
      };
      read.onerror = () => resolve(false);
    };
  })`);
  check(true, 'the high-score table, with the typed name, is in the browser\'s storage');
  await browser.reload();
  await page.waitForFrame();
  const kept = await comesToPass(page, (screen) => bestScore(screen) === best);
  check(kept, 'after a reload the best score is kept');
}

// The native driver on a script; its output lines.
function desktopDriver(lines) {
  const home = fs.mkdtempSync(path.join(work, 'home-'));
  const script = path.join(work, 'script');
  fs.writeFileSync(script, lines.join('\n') + '\n');
  return execFileSync(nativeSim, ['--script', script, '--home', home]).toString().split('\n');
}

// The board as the driver's dump lists it ("row Y" then the nine cells of that row).
function dumpedBoard(output) {
  const board = [];
  for (const line of output.filter((l) => l.startsWith('row '))) {
    const [, y, ...cells] = line.split(' ').map(Number);
    cells.forEach((cell, x) => { (board[x] = board[x] || [])[y] = cell; });
  }
  return board;
}

// The screen shows the dumped board: balls where it has them, one look per colour.
function showsBoard(screenBoard, dumped) {
  const looks = new Map();
  for (let x = 0; x < 9; ++x) {
    for (let y = 0; y < 9; ++y) {
      const cell = dumped[x][y], seen = screenBoard[x][y];
      const ball = seen !== 'empty' && seen !== 'hint';
      if ((cell > 0) !== ball) return false;
      if (ball && (looks.get(cell) || seen) !== seen) return false;
      if (ball) looks.set(cell, seen);
    }
  }
  return new Set(looks.values()).size === looks.size;
}

// A file that is no saved game gets the game's own message, and the game goes on.
async function foreignFileRefused(browser, page) {
  const before = await page.screen();
  const balls = GamePage.balls(GamePage.board(before)).join(' ');
  await loadThroughPicker(browser, page, path.join(webDir, 'icon-192.png'));
  const boxed = await comesToPass(page, (screen) => differences(screen, before, []).length > 2000);
  check(boxed, 'a foreign file gets a message box');
  await enter(page);
  const after = await page.screen();
  check(GamePage.balls(GamePage.board(after)).join(' ') === balls &&
        differences(after, before, randomParts(GamePage.board(after), GamePage.board(before)))
            .length === 0,
        'after the message the game goes on as it was');
}

async function savedGamesBothWays(browser, page) {
  await foreignFileRefused(browser, page);
  // A game played and saved by the desktop's own code.
  const desktopFile = path.join(work, 'desktop.kvt');
  const made = desktopDriver(['time 1000000000', 'paint', 'cell 2 0', 'cell 2 2',
                              'save ' + desktopFile, 'dump']);
  const dumped = dumpedBoard(made);
  check(fs.statSync(desktopFile).size === 340, 'the desktop saved a game');
  await loadThroughPicker(browser, page, desktopFile);
  const shown = await comesToPass(page, (screen) => showsBoard(GamePage.board(screen), dumped));
  check(shown, 'the desktop\'s saved game shows in the page');

  // Saved in the page: a download, which the desktop loads as the same game.
  await browser.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: work,
                                                      eventsEnabled: true }, null);
  const done = new Promise((resolve) => {
    const listener = (message) => {
      if (message.method === 'Browser.downloadProgress' && message.params.state === 'completed') {
        browser.listeners.splice(browser.listeners.indexOf(listener), 1);
        resolve();
      }
    };
    browser.listeners.push(listener);
  });
  await page.tapDevice(159, 307);
  await done;
  const pageFile = path.join(work, 'korvat.kvt');
  const bytes = fs.readFileSync(pageFile), desktopBytes = fs.readFileSync(desktopFile);
  check(bytes.length === 340 && bytes.subarray(4).equals(desktopBytes.subarray(4)),
        'the page\'s download is the desktop\'s file, byte for byte after the playing time');
  const reloaded = desktopDriver(['load ' + pageFile, 'dump']);
  const rows = (output) => output.filter((l) => /^(row|score|mode) /.test(l)).join('\n');
  check(rows(reloaded) === rows(made), 'the desktop loads the page\'s file as its own game');
}

async function run() {
  const { server, url } = await serve();
  const browser = new Browser();
  try {
    if (scenario === 'phone' || scenario === 'desktop') {
      const viewport = scenario === 'phone' ? phone : desktop;
      await browser.openPage(viewport);
      const page = new GamePage(browser, viewport);
      await browser.navigate(url);
      const { screen, board } = await firstFrame(page);
      const initialBest = bestScore(screen);
      await selectAndMove(page, board);
      if (scenario === 'desktop') {
        // The keyboard as on the desktop: Ctrl+Z takes the move back.
        await page.ctrlKey('z', 'KeyZ', 90);
        const undone = await comesToPass(page, (screen) =>
          GamePage.balls(GamePage.board(screen)).join(' ') === GamePage.balls(board).join(' '));
        check(undone, 'Ctrl+Z takes the move back');
      }
      if (scenario === 'phone') {
        // A double tap, on the panel, neither zooms nor scrolls the page.
        await page.tapDevice(120, 40);
        await page.tapDevice(120, 40);
        await sleep(400);
        check(await browser.evaluate('visualViewport.scale === 1 && scrollX === 0 && scrollY === 0'),
              'a double tap neither zooms nor scrolls');
        await bestScoreKept(browser, page, initialBest);
      }
    } else if (scenario === 'offline') {
      await browser.openPage(desktop);
      const page = new GamePage(browser, desktop);
      await browser.navigate(url);
      await page.waitForFrame();
      await browser.waitFor(`(async () => {
        const names = await caches.keys();
        return names.length === 1 && (await (await caches.open(names[0])).keys()).length >= 7 &&
               !!navigator.serviceWorker.controller;
      })()`);
      check(true, 'the service worker keeps every file');
      server.close();
      server.closeAllConnections();
      await browser.send('Network.emulateNetworkConditions', {
        offline: true, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
      await browser.reload();
      await firstFrame(page);
      check(true, 'with the network gone the page starts again');
    } else if (scenario === 'german') {
      // A German browser: the game in German, as the desktop game under LANG=de_DE.UTF-8.
      await browser.openPage(phone);
      await browser.send('Network.setUserAgentOverride', {
        userAgent: await browser.evaluate('navigator.userAgent'), acceptLanguage: 'de-DE' });
      const page = new GamePage(browser, phone);
      await browser.navigate(url);
      await firstFrame(page);
    } else if (scenario === 'refused') {
      // As in private browsing: the browser refuses its database to the page.
      await browser.openPage(phone);
      await browser.send('Page.addScriptToEvaluateOnNewDocument', { source: `
        Object.defineProperty(window, 'indexedDB', { get: () => ({
          open() { throw new DOMException('refused', 'SecurityError'); } }) });` });
      const page = new GamePage(browser, phone);
      await browser.navigate(url);
      const { board } = await firstFrame(page);
      check(await browser.evaluate(`!document.getElementById('note').hidden &&
            /scores will not be kept/.test(document.getElementById('note').textContent)`),
            'the page says that scores will not be kept');
      await selectAndMove(page, board);
    } else if (scenario === 'kvt') {
      await browser.openPage(desktop);
      const page = new GamePage(browser, desktop);
      await browser.navigate(url);
      await firstFrame(page);
      await savedGamesBothWays(browser, page);
    } else {
      throw new Error('unknown scenario ' + scenario);
    }
  } catch (error) {
    console.error(browser.console.join('\n'));
    if (lastSeen) fs.writeFileSync(`last-seen-${scenario}.png`, encodePng(lastSeen));
    throw error;
  } finally {
    await browser.close();
    server.close();
    fs.rmSync(work, { recursive: true, force: true });
  }
}

run().then(() => process.exit(0), (error) => {
  console.error('FAIL: ' + (error.stack || error));
  process.exit(1);
});
