// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// Both extensions' catalogues: English and German hold the same entries with
// the same placeholders, German is really translated, every text the
// manifest, pages and scripts ask for exists, every entry is used, and the
// pages carry no text of their own.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { existsSync, readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { catalogue, extensions, messages, readJson } from './catalogue.mjs';

const common = fileURLToPath(new URL('../../../addins/common', import.meta.url));
// Texts that stay the same in German.
const SAME_IN_GERMAN = new Set(['extensionName', 'ok']);

const placeholdersOf = (entry) => Object.fromEntries(Object.entries(entry.placeholders || {})
  .map(([name, value]) => [name.toLowerCase(), value.content]));
const namesIn = (message) => [...message.matchAll(/\$([A-Za-z0-9_@]+)\$/g)].map((m) => m[1].toLowerCase()).sort();

function sources(dir) {
  const files = readdirSync(dir).filter((name) => /\.(js|html|css|json)$/.test(name)).map((name) => join(dir, name));
  return files.concat(readdirSync(common).map((name) => join(common, name)));
}

// Every catalogue key a file asks for: __MSG_x__, text('x'), getMessage('x'), data-i18n*="x".
function keysUsedIn(source) {
  const patterns = [/__MSG_(\w+)__/g, /\b(?:text|getMessage)\(\s*'(\w+)'/g, /\bdata-i18n(?:-[a-z-]+)?="(\w+)"/g];
  return patterns.flatMap((pattern) => [...source.matchAll(pattern)].map((m) => m[1]));
}

for (const [name, dir] of Object.entries(extensions)) {
  const manifest = readJson(join(dir, 'manifest.json'));
  const english = messages(dir, 'en');
  const german = messages(dir, 'de');

  test(`${name}: English and German hold the same entries and placeholders`, () => {
    assert.equal(manifest.default_locale, 'en');
    assert.deepEqual(Object.keys(german).sort(), Object.keys(english).sort());
    for (const key of Object.keys(english)) {
      for (const [locale, entry] of [['en', english[key]], ['de', german[key]]]) {
        assert.ok(typeof entry.message === 'string' && entry.message.trim(), `${locale} ${key} is empty`);
        // Every $NAME$ is defined and every placeholder shows.
        assert.deepEqual(namesIn(entry.message), Object.keys(placeholdersOf(entry)).sort(), `${locale} ${key}`);
        assert.doesNotMatch(entry.message, /%\d|%[sd]/, `${locale} ${key} uses a foreign placeholder`);
      }
      assert.deepEqual(placeholdersOf(german[key]), placeholdersOf(english[key]), `placeholders of ${key}`);
      if (!SAME_IN_GERMAN.has(key)) assert.notEqual(german[key].message, english[key].message, `${key} is not translated`);
    }
  });

  test(`${name}: every text asked for exists, and every entry is asked for`, () => {
    const used = new Set();
    for (const file of sources(dir)) {
      for (const key of keysUsedIn(readFileSync(file, 'utf8'))) {
        assert.ok(key in english, `${file} asks for "${key}", which the catalogue lacks`);
        used.add(key);
      }
    }
    assert.deepEqual(Object.keys(english).filter((key) => !used.has(key)), [], 'entries nothing asks for');
    // The manifest's visible texts come from the catalogue.
    for (const value of [manifest.name, manifest.description, manifest.action.default_title]) {
      assert.match(value, /^__MSG_\w+__$/);
    }
  });

  test(`${name}: the toolbar page has no text of its own`, () => {
    const page = readFileSync(join(dir, 'popup.html'), 'utf8').replace(/<!--[\s\S]*?-->/g, '');
    const texts = page.replace(/<(script|style)\b[\s\S]*?<\/\1>/g, '').split(/<[^>]*>/).map((t) => t.trim()).filter(Boolean);
    assert.deepEqual(texts, []);
    assert.deepEqual([...page.matchAll(/\s(?:title|aria-label|alt|placeholder)="([^"]+)"/g)].map((m) => m[0]), []);
    assert.doesNotMatch(page, /<html[^>]*\slang=/, 'the page takes its language from the catalogue');
  });

  test(`${name}: texts with placeholders read in both languages`, () => {
    for (const locale of ['en', 'de']) {
      const getMessage = catalogue(dir, locale);
      assert.match(getMessage('speedItem', ['150']), /\b150$/);
      assert.match(getMessage('speakFailed', ['11']), /\b11!$/);
      assert.equal(getMessage('noSuchText'), '');
    }
    assert.ok(existsSync(join(dir, '_locales', manifest.default_locale, 'messages.json')));
  });
}
