// The page in Debian's Firefox ESR, the other engine a player may open it with, driven by
// puppeteer-core over WebDriver BiDi (the library only: it starts the system's Firefox).
// Headless, Firefox finds no GL driver here and the page could only say that it lacks WebGL, so
// it runs in a window on the virtual X screen that run.sh starts, where Mesa draws WebGL.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import { gameArea, hide, kDay, keptGame, kName, pause, servePage, untilTheGameDraws } from './support.mjs';

const failedShot = path.join(os.tmpdir(), 'tessaro-firefox-failed.png');
let browser;
let served;
before(async () => {
  served = await servePage(process.env.TESSARO_PAGE);
  browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr',
    headless: false,
    extraPrefsFirefox: { 'intl.accept_languages': 'ru-RU, ru' },
  });
});
after(async () => {
  await browser?.close();
  served?.close();
});

test('in Firefox the start window speaks the browser\'s language, a Cyrillic name starts a game, ' +
  'and the game is kept and continued', async () => {
  const page = await browser.newPage();
  page.on('pageerror', error => console.log('page error:', error.message));
  const region = async () => page.screenshot({ clip: await gameArea(page, 280, 30, 35) });
  await page.goto(served.address + '?lang=en');
  await untilTheGameDraws(page, failedShot);
  const inEnglish = await region();
  await page.goto(served.address);
  await untilTheGameDraws(page, failedShot);
  assert.notDeepEqual(await region(), inEnglish, 'the start window speaks the browser\'s language');

  await page.keyboard.type('Вася');
  await page.keyboard.press('Enter');
  await pause(5000);
  await page.reload();
  await untilTheGameDraws(page, failedShot);
  const kept = await keptGame(page);
  assert.ok(kept, 'the page kept the game as it closed');
  assert.equal(kept[kName], 'Вася');
  assert.ok(Number(kept[kDay]) >= 2, `days passed: day ${kept[kDay]}`);

  await page.click('#continue');
  await untilTheGameDraws(page, failedShot);
  await pause(3000);
  await hide(page);
  const continued = await keptGame(page);
  assert.equal(continued[kName], 'Вася', 'the game continued is the one kept');
  assert.ok(Number(continued[kDay]) > Number(kept[kDay]), 'and it goes on');
});
