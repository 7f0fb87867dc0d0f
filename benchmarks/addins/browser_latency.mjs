// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// Click to first audio, and how far the word highlight trails the voice, for
// the browser extension in a real headless Chromium reading a 100-page
// article (about 300,000 characters) through the speech host on the
// real-time null output.
//   node benchmarks/addins/browser_latency.mjs [ROUNDS]
// Needs the build (build/bin) and scripts/setup's browser test packages.
import { createRequire } from 'node:module';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import http from 'node:http';

const root = join(dirname(fileURLToPath(import.meta.url)), '..', '..');
const bin = process.env.VOCALYNE_BIN_DIR || join(root, 'build', 'bin');
const require = createRequire(join(root, 'addins', 'browser', 'node_modules', 'x.js'));
const { chromium } = require('playwright-core');
const rounds = Number(process.argv[2] || 5);

const sentences = [
  'The committee met on Tuesday to discuss the budget for the coming year.',
  'Several members asked whether the new library would open before the summer.',
  'Rain is expected in the north, while the south stays dry and warm.',
  'Engineers replaced the old bridge with a wider one that carries two tracks.',
];
let body = '';
for (let page = 0; page < 100; ++page) {
  body += `<h2>Page ${page + 1}</h2>`;
  for (let p = 0; p < 10; ++p) body += `<p>${sentences.join(' ').repeat(1)} ${sentences[p % 4]}</p>`;
}
const html = `<!DOCTYPE html><html><head><title>Long article</title></head><body>${body}</body></html>`;

const server = http.createServer((request, response) => {
  response.writeHead(200, { 'content-type': 'text/html; charset=utf-8' });
  response.end(html);
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const url = `http://127.0.0.1:${server.address().port}/article.html`;

const home = mkdtempSync(join(tmpdir(), 'vocalyne-bench-'));
const profile = join(home, 'profile');
execFileSync(join(bin, 'vocalyne-register-native-host'), ['--profile', profile]);
const extension = join(bin, 'browser-extension');
const context = await chromium.launchPersistentContext(profile, {
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  headless: true,
  args: [`--disable-extensions-except=${extension}`, `--load-extension=${extension}`, '--no-sandbox',
    '--disable-gpu', '--no-first-run', '--disable-background-networking', '--disable-component-update'],
  env: { ...process.env, HOME: home, VOCALYNE_AUDIO_OUTPUT: 'null' },
});
const worker = context.serviceWorkers()[0] || await context.waitForEvent('serviceworker');
const page = await context.newPage();
await page.goto(url);
const { tabId, windowId } = await worker.evaluate(async (u) => {
  const [tab] = await chrome.tabs.query({ url: u });
  return { tabId: tab.id, windowId: tab.windowId };
}, url);
const characters = await page.evaluate(() => document.body.innerText.length);

const firsts = [];
const delays = [];
for (let round = 0; round < rounds; ++round) {
  const result = await worker.evaluate(async ({ tabId, windowId }) => {
    const clicked = Date.now();
    const outcome = await vocalyne.speakPage(tabId, windowId);
    // Let some twenty words go by, then read the timing.
    await new Promise((resolve) => setTimeout(resolve, 6000));
    const [{ result: timing }] = await chrome.scripting.executeScript({
      target: { tabId }, func: () => globalThis.__vocalyneReader.timing(),
    });
    await vocalyne.stop();
    return { clicked, outcome, timing };
  }, { tabId, windowId });
  const { timing } = result;
  firsts.push(timing.firstAt - result.clicked);
  delays.push({ mean: timing.totalDelay / timing.words, max: timing.maxDelay, words: timing.words });
  console.log(`round ${round + 1}: click to first audio ${timing.firstAt - result.clicked} ms; ` +
    `highlight after audio: mean ${(timing.totalDelay / timing.words).toFixed(1)} ms, max ${timing.maxDelay} ms over ${timing.words} words`);
  await new Promise((resolve) => setTimeout(resolve, 500));
}
const sorted = [...firsts].sort((a, b) => a - b);
console.log(`${characters} characters; click to first audio: median ${sorted[sorted.length >> 1]} ms, max ${sorted.at(-1)} ms`);
console.log(`highlight after audio: worst mean ${Math.max(...delays.map((d) => d.mean)).toFixed(1)} ms, worst single ${Math.max(...delays.map((d) => d.max))} ms`);
await context.close();
server.close();
rmSync(home, { recursive: true, force: true });
