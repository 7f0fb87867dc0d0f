// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// The extension in a real headless Chromium whose interface language is
// German: the toolbar page, its lists and the messages come from the German
// catalogue.
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

let server;
let origin;
let context;
let worker;
let home;

before(async () => {
  server = http.createServer((request, response) => {
    response.writeHead(200, { 'content-type': 'text/html; charset=utf-8' });
    response.end('<!DOCTYPE html><html><body>  </body></html>');
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  origin = `http://127.0.0.1:${server.address().port}`;

  home = mkdtempSync(join(tmpdir(), 'vocalyne-chromium-de-'));
  const profile = join(home, 'profile');
  execFileSync(join(bin, 'vocalyne-register-native-host'), ['--profile', profile]);
  context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: [
      `--disable-extensions-except=${extension}`, `--load-extension=${extension}`, '--lang=de',
      '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
    ],
    env: { ...process.env, HOME: home, LANGUAGE: 'de', LANG: 'de_DE.UTF-8', VOCALYNE_AUDIO_OUTPUT: 'null' },
  });
  worker = context.serviceWorkers().find((w) => w.url().includes(extensionId)) ||
    await context.waitForEvent('serviceworker', { timeout: 30000 });
});

after(async () => {
  await context?.close();
  server?.close();
  if (home) rmSync(home, { recursive: true, force: true });
});

test('the toolbar and its messages are German', async () => {
  assert.equal(await worker.evaluate(() => chrome.i18n.getUILanguage()), 'de');
  const page = await context.newPage();
  await page.goto(`${origin}/empty.html`);
  const target = await worker.evaluate(async (url) => {
    const [tab] = await chrome.tabs.query({ url });
    return { tabId: tab.id, windowId: tab.windowId };
  }, `${origin}/empty.html`);

  const toolbar = await context.newPage();
  await toolbar.goto(`chrome-extension://${extensionId}/popup.html?tab=${target.tabId}&window=${target.windowId}`);
  await toolbar.waitForSelector('body[data-ready="true"]');
  const shown = await toolbar.evaluate(() => ({
    lang: document.documentElement.lang,
    title: document.title,
    speak: document.getElementById('speak').title,
    pause: document.getElementById('pause').getAttribute('aria-label'),
    voice: document.getElementById('voice').title,
    lists: ['speed', 'volume', 'pitch'].map((id) => document.getElementById(id).selectedOptions[0].text),
  }));
  assert.deepEqual(shown, {
    lang: 'de', title: 'Vocalyne-Symbolleiste', speak: 'Vorlesen', pause: 'Pause / Fortsetzen', voice: 'Stimme',
    lists: ['Geschw.: 100', 'Lautst.: 100', 'Tonh.: 100'],
  });

  // Speak on a page without text: the German message, shown in the toolbar.
  await toolbar.click('#speak');
  await toolbar.waitForSelector('#message:not([hidden])');
  assert.deepEqual(await toolbar.evaluate(() => [
    document.getElementById('message-caption').textContent,
    document.getElementById('message-text').textContent,
    document.getElementById('message-ok').textContent,
  ]), ['Vocalyne-Symbolleiste', 'Kein Textinhalt gefunden!', 'OK']);
  await toolbar.close();
  await page.close();
});
