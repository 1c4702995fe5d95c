// What the browser tests share: the page served as a web host serves it, the saved game's lines,
// and a look at the page as a player has it (the pixels of the game's window, the kept game in
// the browser's storage). Written against what Playwright's and Puppeteer's pages both offer.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import zlib from 'node:zlib';

export const pause = ms => new Promise(resolve => setTimeout(resolve, ms));

// The lines of a saved game: Windows-1251, CR LF, 120 of them; the first holds the player's
// name, the fourth the money, the sixth the day, the seventh and eighth count the running day.
const cp1251 = new TextDecoder('windows-1251');
export function savedLines(bytes) {
  const text = cp1251.decode(bytes);
  assert.ok(text.endsWith('\r\n'), 'a saved game ends its last line');
  const lines = text.slice(0, -2).split('\r\n');
  assert.equal(lines.length, 120, 'a saved game has 120 lines');
  assert.ok(!lines.some(line => line.includes('\n') || line.includes('\r')), 'every line ends in CR LF');
  return lines;
}
export const kName = 0, kMoney = 3, kMood = 4, kDay = 5, kDayTicks = 6, kMoodTicks = 7;

// The built page, served compressed on a loopback port as a web host serves it (compressed once
// beforehand, as a host keeps it); what went over the wire is counted.
const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.svg': 'image/svg+xml', '.png': 'image/png',
};
export async function servePage(root) {
  const compressed = new Map();
  for (const name of fs.readdirSync(root)) {
    const file = path.join(root, name);
    if (types[path.extname(name)] && fs.statSync(file).isFile()) {
      compressed.set(file, zlib.gzipSync(fs.readFileSync(file), { level: 9 }));
    }
  }
  const served = { transferred: 0 };
  const server = http.createServer((request, response) => {
    const name = new URL(request.url, 'http://page').pathname.replace(/\/$/, '/index.html');
    const file = path.join(root, path.normalize(name));
    if (!file.startsWith(root) || !fs.existsSync(file)) {
      response.writeHead(404);
      response.end();
      return;
    }
    const body = compressed.get(file) ?? zlib.gzipSync(fs.readFileSync(file), { level: 9 });
    served.transferred += body.length;
    response.writeHead(200, {
      'Content-Type': types[path.extname(file)] || 'application/octet-stream',
      'Content-Encoding': 'gzip',
      'Cache-Control': 'no-store',
    });
    response.end(body);
  });
  await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
  served.address = `http://127.0.0.1:${server.address().port}/`;
  served.close = () => server.close();
  return served;
}

// The middle of the page's desktop, where the game's windows stand, in page coordinates.
export async function gameArea(page, width, height, below = 0) {
  const box = await page.evaluate(() => {
    const area = document.getElementById('game').getBoundingClientRect();
    return { x: area.x, y: area.y, width: area.width, height: area.height };
  });
  return box.width === 0 ? null : {
    x: box.x + box.width / 2 - width / 2, y: box.y + box.height / 2 + below - height / 2, width, height,
  };
}

// The game's first window (light grey) stands at the middle of the page's desktop (dark grey):
// the share of light pixels in a square there.
export async function lightAtTheMiddle(page) {
  const clip = await gameArea(page, 40, 40);
  if (!clip) {
    return 0;
  }
  const shot = await page.screenshot({ clip });
  return page.evaluate(async data => {
    const image = await createImageBitmap(new Blob([new Uint8Array(data)], { type: 'image/png' }));
    const canvas = new OffscreenCanvas(image.width, image.height);
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    const pixels = context.getImageData(0, 0, image.width, image.height).data;
    let light = 0;
    for (let i = 0; i < pixels.length; i += 4) {
      light += pixels[i] > 200 && pixels[i + 1] > 200 && pixels[i + 2] > 200 ? 1 : 0;
    }
    return light / (pixels.length / 4);
  }, [...shot]);
}

export async function untilTheGameDraws(page, failedShot) {
  for (let waited = 0; waited < 30000; waited += 100) {
    if (await lightAtTheMiddle(page) > 0.5) {
      return;
    }
    await pause(100);
  }
  await page.screenshot({ path: failedShot });
  assert.fail(`the start window never showed (see ${failedShot})`);
}

// The kept game as the browser's storage holds it, or nothing.
export async function keptGame(page) {
  const text = await page.evaluate(() => {
    for (let i = 0; i < localStorage.length; ++i) {
      if (localStorage.key(i).endsWith('/last-game.tso')) {
        return localStorage.getItem(localStorage.key(i));
      }
    }
    return null;
  });
  return text === null ? null : savedLines(Uint8Array.from(text, c => c.charCodeAt(0)));
}

// The page hidden, as another tab or a minimised browser hides it.
export async function hide(page) {
  await page.evaluate(() => {
    Object.defineProperty(document, 'hidden', { configurable: true, get: () => true });
    Object.defineProperty(document, 'visibilityState', { configurable: true, get: () => 'hidden' });
    document.dispatchEvent(new Event('visibilitychange'));
    delete document.hidden;
    delete document.visibilityState;
  });
}
