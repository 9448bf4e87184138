// The game's page as a player sees it: the device screen found in a screenshot, its cells read,
// taps and keys at device pixels.
'use strict';
const { decodePng, image } = require('./Png.js');

const kWidth = 240, kHeight = 320, kClientTop = 26;
const kTileGrey = '192,192,192';

// Top-left device pixel of cell (x, y)'s sprite (ui/Layout.h's cellOrigin, on the screen).
function cellOrigin(x, y) {
  return [6 + 26 * x, kClientTop + 36 + 26 * y];
}

class GamePage {
  constructor(browser, viewport) {
    this.browser = browser;
    this.viewport = viewport;  // {width, height, scale, mobile}
    const w = Math.round(viewport.width * viewport.scale);
    const h = Math.round(viewport.height * viewport.scale);
    // The largest whole factor of the screen's own pixels, centred.
    this.factor = Math.floor(Math.min(w / kWidth, h / kHeight));
    this.left = Math.floor((w - kWidth * this.factor) / 2);
    this.top = Math.floor((h - kHeight * this.factor) / 2);
  }

  async shot() {
    return decodePng(await this.browser.screenshot());
  }

  // The 240 x 320 device screen; throws unless every device pixel is a solid factor x factor
  // square (crisp, whole-factor, no smoothing) and the screen sits where it should.
  async screen() {
    const shot = await this.shot();
    const f = this.factor;
    const rows = [];
    for (let y = 0; y < kHeight; ++y) {
      const row = [];
      for (let x = 0; x < kWidth; ++x) {
        const c = shot.at(this.left + x * f, this.top + y * f);
        for (let dy = 0; dy < f; ++dy) {
          for (let dx = 0; dx < f; ++dx) {
            const d = shot.at(this.left + x * f + dx, this.top + y * f + dy);
            if (d[0] !== c[0] || d[1] !== c[1] || d[2] !== c[2]) {
              throw new Error(`device pixel ${x},${y} is not one colour at factor ${f}`);
            }
          }
        }
        row.push(c);
      }
      rows.push(row);
    }
    return image(kWidth, kHeight, (x, y) => rows[y][x]);
  }

  // Whether the screen shows the game's frame: the title bar's blue at its corner.
  async drawn() {
    const shot = await this.shot();
    const c = shot.at(this.left + 2 * this.factor, this.top + 2 * this.factor);
    return c[2] > 100 && c[0] < 40;
  }

  async waitForFrame(timeoutMs = 20000) {
    const until = Date.now() + timeoutMs;
    while (!(await this.drawn())) {
      if (Date.now() > until) throw new Error('no frame\n' + this.browser.console.join('\n'));
      await sleep(100);
    }
  }

  // Per cell: 'empty', 'hint' or the colour signature of a ball.
  static board(screen) {
    const cells = [];
    for (let x = 0; x < 9; ++x) {
      cells.push([]);
      for (let y = 0; y < 9; ++y) {
        const [ox, oy] = cellOrigin(x, y);
        const side = screen.at(ox + 4, oy + 10).join();
        const middle = screen.at(ox + 10, oy + 10).join();
        cells[x].push(side !== kTileGrey ? side : middle === kTileGrey ? 'empty' : 'hint');
      }
    }
    return cells;
  }

  static balls(board) {
    const found = [];
    board.forEach((column, x) => column.forEach((cell, y) => {
      if (cell !== 'empty' && cell !== 'hint') found.push([x, y]);
    }));
    return found;
  }

  async tapDevice(x, y) {
    const f = this.factor, s = this.viewport.scale;
    await this.browser.tap((this.left + x * f + f / 2) / s, (this.top + y * f + f / 2) / s,
                           this.viewport.mobile);
  }

  async tapCell(x, y) {
    const [ox, oy] = cellOrigin(x, y);
    await this.tapDevice(ox + 10, oy + 10);
  }

  async key(key, code, keyCode) {
    for (const type of ['keyDown', 'keyUp']) await this.keyEvent(type, key, code, keyCode, 0);
  }

  // A key with Ctrl held, pressed and released around it as a player does.
  async ctrlKey(key, code, keyCode) {
    await this.keyEvent('rawKeyDown', 'Control', 'ControlLeft', 17, 2);
    await this.keyEvent('rawKeyDown', key, code, keyCode, 2);
    await this.keyEvent('keyUp', key, code, keyCode, 2);
    await this.keyEvent('keyUp', 'Control', 'ControlLeft', 17, 0);
  }

  async keyEvent(type, key, code, keyCode, modifiers) {
    await this.browser.send('Input.dispatchKeyEvent', {
      type, key, code, modifiers, windowsVirtualKeyCode: keyCode, nativeVirtualKeyCode: keyCode });
  }
}

function sleep(ms) {
  return new Promise((resolve) => setTimeout(resolve, ms));
}

// Pixels of two screens that differ outside the rectangles [x, y, w, h] of `masks`.
function differences(a, b, masks) {
  const out = [];
  for (let y = 0; y < kHeight; ++y) {
    for (let x = 0; x < kWidth; ++x) {
      if (masks.some(([mx, my, mw, mh]) => x >= mx && x < mx + mw && y >= my && y < my + mh)) {
        continue;
      }
      if (a.at(x, y).join() !== b.at(x, y).join()) out.push([x, y]);
    }
  }
  return out;
}

module.exports = { GamePage, cellOrigin, differences, sleep, kWidth, kHeight };
