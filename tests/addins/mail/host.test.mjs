// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// The speech host as the mail toolbar uses it: the mail's text, German and
// markup-like, spoken as text; a stored voice that is not installed.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { join } from 'node:path';
import { mailText, speakFailed } from '../../../addins/mail/extension/maillogic.js';
import { extensions, useLocale } from '../common/catalogue.mjs';

useLocale(extensions.mail, 'de');

function startHost() {
  const host = spawn(join(process.env.VOCALYNE_BIN_DIR, 'vocalyne-speech-host'), [], {
    env: { ...process.env, VOCALYNE_AUDIO_OUTPUT: 'fast-null' },
    stdio: ['pipe', 'pipe', 'inherit'],
  });
  let buffer = Buffer.alloc(0);
  const waiting = [];
  const received = [];
  host.stdout.on('data', (chunk) => {
    buffer = Buffer.concat([buffer, chunk]);
    while (buffer.length >= 4 && buffer.length >= 4 + buffer.readUInt32LE(0)) {
      const length = buffer.readUInt32LE(0);
      received.push(JSON.parse(buffer.subarray(4, 4 + length).toString('utf8')));
      buffer = buffer.subarray(4 + length);
      while (waiting.length && received.length) waiting.shift()(received.shift());
    }
  });
  return {
    send(message) {
      const body = Buffer.from(JSON.stringify(message), 'utf8');
      const length = Buffer.alloc(4);
      length.writeUInt32LE(body.length);
      host.stdin.write(Buffer.concat([length, body]));
    },
    next() {
      return received.length ? Promise.resolve(received.shift()) : new Promise((resolve) => waiting.push(resolve));
    },
    close() { host.stdin.end(); return new Promise((resolve) => host.on('exit', resolve)); },
  };
}

test('a German mail with markup-like text is spoken whole, as text', async () => {
  const host = startHost();
  const text = mailText({ senderName: 'Jürgen Groß', subject: 'Angebot <b>neu</b>', body: 'Preis < 5 € & "gültig" <silence msec="60000"/> bis Freitag.' });
  host.send({ type: 'speak', id: 1, text, voice: 'espeak-ng German', speed: 100, volume: 100, pitch: 100 });
  const answer = await host.next();
  assert.equal(answer.result, 0);
  const words = [];
  for (let message = await host.next(); message.type !== 'end'; message = await host.next()) {
    words.push(text.slice(message.start, message.end));
  }
  for (const word of ['Jürgen', 'Angebot', 'neu', 'Preis', 'gültig', 'silence', 'Freitag']) {
    assert.ok(words.some((w) => w.includes(word)), `${word} in ${JSON.stringify(words)}`);
  }
  assert.equal(await host.close(), 0);
});

test('a stored voice that is not installed gives its result', async () => {
  const host = startHost();
  host.send({ type: 'speak', id: 1, text: 'Hallo.', voice: 'Alte Stimme', speed: 100, volume: 100, pitch: 100 });
  const answer = await host.next();
  assert.equal(speakFailed(answer.result), 'Fehlercode: 11!');
  await host.close();
});
