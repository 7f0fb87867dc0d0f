// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// The extension in a real headless Chromium, with the speech host registered
// in a throwaway profile and speaking on the real-time null output: what is
// read, what is highlighted, the messages, the toolbar page, and a stop from
// another window.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import http from 'node:http';

const bin = process.env.VOCALYNE_BIN_DIR;
const require = createRequire(join(process.env.VOCALYNE_NODE_MODULES, 'x.js'));
const { chromium } = require('playwright-core');
const extension = join(bin, 'browser-extension');
const extensionId = 'odgfonkgpdipakgnmdlhkfpnpmppdaof';

const pages = {
  '/article.html': `<!DOCTYPE html><html><head><title>Article</title></head><body>
    <h1>Morning news</h1>
    <p id="first">Rivers rise after heavy rain.</p>
    <p id="second">Markets open calmly today.</p>
    <pre>if (a &lt; b) &lt;voice required="Name=Nobody"&gt; &lt;silence msec="90000"/&gt; after</pre>
    <script>var notRead = "script text";</script>
    <p style="display:none">hidden words</p>
    <p>Closing line.</p></body></html>`,
  '/empty.html': '<!DOCTYPE html><html><body>  </body></html>',
  '/data.xml': '<?xml version="1.0"?><items><item>one</item></items>',
};
const types = { html: 'text/html; charset=utf-8', xml: 'application/xml' };

let server;
let origin;
let context;
let worker;
let home;

before(async () => {
  server = http.createServer((request, response) => {
    const body = pages[request.url];
    if (!body) { response.writeHead(404); response.end(); return; }
    response.writeHead(200, { 'content-type': types[request.url.split('.').pop()] });
    response.end(body);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  origin = `http://127.0.0.1:${server.address().port}`;

  home = mkdtempSync(join(tmpdir(), 'vocalyne-chromium-'));
  const profile = join(home, 'profile');
  execFileSync(join(bin, 'vocalyne-register-native-host'), ['--profile', profile]);
  context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: [
      `--disable-extensions-except=${extension}`, `--load-extension=${extension}`, '--lang=en-US',
      '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
    ],
    env: { ...process.env, HOME: home, LANGUAGE: 'en', VOCALYNE_AUDIO_OUTPUT: 'null' },
  });
  worker = context.serviceWorkers().find((w) => w.url().includes(extensionId)) ||
    await context.waitForEvent('serviceworker', { timeout: 30000 });
});

after(async () => {
  await context?.close();
  server?.close();
  if (home) rmSync(home, { recursive: true, force: true });
});

async function openTab(path) {
  const page = await context.newPage();
  await page.goto(origin + path);
  const target = await worker.evaluate(async (url) => {
    const [tab] = await chrome.tabs.query({ url });
    return { tabId: tab.id, windowId: tab.windowId };
  }, origin + path);
  return { page, ...target };
}

// Records, in the page, the text of each word highlight as it changes.
async function recordHighlights(page) {
  await page.evaluate(() => {
    window.seen = [];
    let last = null;
    setInterval(() => {
      const highlight = CSS.highlights.get('vocalyne-word');
      const text = highlight && highlight.size ? [...highlight][0].toString() : null;
      if (text !== last) { last = text; if (text) window.seen.push(text); }
    }, 5);
  });
}

const seen = (page) => page.evaluate(() => window.seen);

async function waitFor(check, timeout = 30000) {
  const end = Date.now() + timeout;
  for (;;) {
    const value = await check();
    if (value) return value;
    if (Date.now() > end) return value;
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

test('the whole page is read as text, markup-like characters included, and highlighted word by word', async () => {
  const { page, tabId, windowId } = await openTab('/article.html');
  await recordHighlights(page);
  const outcome = await worker.evaluate(({ tabId, windowId }) => vocalyne.speakPage(tabId, windowId), { tabId, windowId });
  assert.deepEqual(outcome, { result: 0 });
  const words = await waitFor(async () => { const s = await seen(page); return s.includes('Closing') && s; }, 60000);
  assert.ok(words, `reading reached the end: ${JSON.stringify(await seen(page))}`);
  // In reading order, the page's own words, the code's markup-like words
  // spoken as words, and nothing of scripts or hidden text.
  const order = ['Morning', 'Rivers', 'Markets', 'voice', 'required', 'silence', 'after', 'Closing'];
  let at = -1;
  for (const word of order) {
    const found = words.indexOf(word, at + 1);
    assert.ok(found > at, `${word} after position ${at} in ${JSON.stringify(words)}`);
    at = found;
  }
  assert.ok(!words.includes('hidden') && !words.includes('script'), JSON.stringify(words));
  await waitFor(async () => (await page.evaluate(() => CSS.highlights.get('vocalyne-word') === undefined)));
  await page.close();
});

test('a selection is read alone', async () => {
  const { page, tabId, windowId } = await openTab('/article.html');
  await page.evaluate(() => {
    const range = document.createRange();
    range.selectNodeContents(document.getElementById('second'));
    getSelection().removeAllRanges();
    getSelection().addRange(range);
  });
  await recordHighlights(page);
  const outcome = await worker.evaluate(({ tabId, windowId }) => vocalyne.speakPage(tabId, windowId), { tabId, windowId });
  assert.deepEqual(outcome, { result: 0 });
  const words = await waitFor(async () => { const s = await seen(page); return s.includes('today') && s; });
  assert.deepEqual(words.filter((w) => /\w/.test(w)), ['Markets', 'open', 'calmly', 'today']);

  // Part of one text node: "rise after heavy".
  await page.evaluate(() => {
    const text = document.getElementById('first').firstChild;
    const range = document.createRange();
    range.setStart(text, text.data.indexOf('rise'));
    range.setEnd(text, text.data.indexOf(' rain'));
    getSelection().removeAllRanges();
    getSelection().addRange(range);
    window.seen = [];
  });
  assert.deepEqual(await worker.evaluate(({ tabId, windowId }) => vocalyne.speakPage(tabId, windowId), { tabId, windowId }), { result: 0 });
  const part = await waitFor(async () => { const s = await seen(page); return s.includes('heavy') && s; });
  assert.deepEqual(part.filter((w) => /\w/.test(w)), ['rise', 'after', 'heavy']);
  await page.close();
});

test('pages without text or not HTML give their messages', async () => {
  for (const [path, message] of [['/empty.html', 'No text content found!'], ['/data.xml', 'No text content could be extracted!']]) {
    const { page, tabId, windowId } = await openTab(path);
    const outcome = await worker.evaluate(({ tabId, windowId }) => vocalyne.speakPage(tabId, windowId), { tabId, windowId });
    assert.deepEqual(outcome, { message }, path);
    await page.close();
  }
});

test('the toolbar page shows its lists and a stop in another window ends the reading', async () => {
  const { page, tabId, windowId } = await openTab('/article.html');
  await recordHighlights(page);
  const toolbar = await context.newPage();
  await toolbar.goto(`chrome-extension://${extensionId}/popup.html?tab=${tabId}&window=${windowId}`);
  await toolbar.waitForSelector('body[data-ready="true"]');
  const lists = await toolbar.evaluate(() => ({
    voices: document.getElementById('voice').options.length,
    voice: document.getElementById('voice').selectedIndex,
    speeds: document.getElementById('speed').options.length,
    speed: document.getElementById('speed').selectedOptions[0].text,
    volume: document.getElementById('volume').selectedOptions[0].text,
    pitch: document.getElementById('pitch').selectedOptions[0].text,
    texts: [document.documentElement.lang, document.title, document.getElementById('speak').title,
      document.getElementById('stop').getAttribute('aria-label')],
  }));
  assert.ok(lists.voices > 10);
  assert.equal(lists.voice, 0);
  assert.equal(lists.speeds, 501);
  assert.deepEqual([lists.speed, lists.volume, lists.pitch], ['Speed: 100', 'Volume: 100', 'Pitch: 100']);
  assert.deepEqual(lists.texts, ['en', 'Vocalyne Toolbar', 'Speak', 'Stop']);

  await toolbar.click('#speak');
  assert.ok(await waitFor(async () => (await seen(page)).length >= 2), 'reading started from the toolbar');

  // Another window's toolbar stops the shared voice.
  const otherWindow = await worker.evaluate(async () => (await chrome.windows.create({ url: 'about:blank' })).id);
  const stopped = await worker.evaluate((windowId) => vocalyne.handle({ command: 'stop', windowId }), otherWindow);
  assert.deepEqual(stopped, { result: 0 });
  await new Promise((resolve) => setTimeout(resolve, 300));
  const count = (await seen(page)).length;
  await new Promise((resolve) => setTimeout(resolve, 1500));
  assert.equal((await seen(page)).length, count, 'no word after the stop');
  assert.equal(await page.evaluate(() => CSS.highlights.get('vocalyne-word') === undefined), true);
  await toolbar.close();
  await page.close();
});
