// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
import { test } from 'node:test';
import assert from 'node:assert/strict';
import {
  bodyOf, displayName, htmlToText, initialState, invalidObject, pauseOrResume, readSelectedMail,
  speakFailed, text, valueItems,
} from '../../../addins/mail/extension/maillogic.js';
import { extensions, useLocale } from '../common/catalogue.mjs';

useLocale(extensions.mail, 'de');

// A stand-in for the mail program: selected messages and their full structure.
function mailbox({ selected, full, fail }) {
  return {
    async selectedMessages() { if (fail === 'selection') throw new Error('no tab'); return selected; },
    async fullMessage(id) { if (fail === 'full') throw new Error('not a message'); return full[id]; },
    async bodyText(header, structure) { return bodyOf(structure); },
  };
}

const plainMail = (body, headers = {}) => ({ headers, parts: [{ contentType: 'text/plain', body }] });

test('the text is sender, subject and body, each with its stop', async () => {
  const read = await readSelectedMail(mailbox({
    selected: [{ id: 1, author: 'Anna Berg <anna@example.org>', subject: 'Treffen am Montag' }],
    full: { 1: plainMail('Hallo Jonas, bis Montag!') },
  }));
  assert.deepEqual(read, { text: 'Anna Berg. Treffen am Montag. Hallo Jonas, bis Montag!' });

  // No subject: name, ". ", body. No name of the author: the sender header's.
  const noSubject = await readSelectedMail(mailbox({
    selected: [{ id: 2, author: 'info@example.org', subject: '' }],
    full: { 2: plainMail('Ihre Bestellung ist unterwegs.', { sender: ['"Shop Team" <shop@example.org>'] }) },
  }));
  assert.deepEqual(noSubject, { text: 'Shop Team. Ihre Bestellung ist unterwegs.' });
});

test('every case of the selection gives its message, in German and in English', async () => {
  const cases = async () => [
    await readSelectedMail(mailbox({ fail: 'selection' })),
    await readSelectedMail(mailbox({ selected: [] })),
    await readSelectedMail(mailbox({ selected: [{ id: 3 }], fail: 'full' })),
    await readSelectedMail(mailbox({ selected: [{ id: 4, author: 'a <a@b>', subject: 's' }], full: { 4: plainMail('  \n ') } })),
  ];
  assert.deepEqual(await cases(), [
    { message: 'Bitte wählen Sie eine e-mail aus die vorgelesen werden soll. Nachricht: # 0x002.' },
    { message: 'Bitte wählen Sie eine e-mail aus die vorgelesen werden soll. Nachricht: # 0x001.' },
    { message: 'E-mail Nachricht nicht erreichbar ist.' },
    { message: 'E-mail Nachricht leer ist oder nicht erreichbar ist.' },
  ]);
  assert.equal(speakFailed(11), 'Fehlercode: 11!');
  assert.equal(invalidObject(-5), 'Ungültiges Objekt. Fehlercode: -5');
  assert.equal(valueItems(text('speedItem', '%d'))[150], 'Geschw.: 150');
  assert.equal(valueItems(text('pitchItem', '%d'))[500], 'Tonh.: 500');

  useLocale(extensions.mail, 'en');
  try {
    assert.deepEqual(await cases(), [
      { message: 'Please select an e-mail to be read aloud. Message: # 0x002.' },
      { message: 'Please select an e-mail to be read aloud. Message: # 0x001.' },
      { message: 'The e-mail message cannot be reached.' },
      { message: 'The e-mail message is empty or cannot be reached.' },
    ]);
    assert.equal(speakFailed(11), 'Error code: 11!');
    assert.equal(valueItems(text('volumeItem', '%d'))[0], 'Volume: 0');
  } finally {
    useLocale(extensions.mail, 'de');
  }
});

test('HTML-only mails are read as their text, not their markup', () => {
  const structure = {
    parts: [
      { contentType: 'multipart/alternative', parts: [
        { contentType: 'text/html', body: '<html><head><style>p{color:red}</style></head><body><p>Gr&uuml;&szlig;e &amp; <b>Dank</b></p><script>alert(1)</script><p>Zeile&nbsp;2<br>Zeile 3 &#8364; &#x41;</p></body></html>' },
      ] },
      { contentType: 'text/plain', body: 'attached notes', headers: { 'content-disposition': ['attachment; filename=n.txt'] } },
    ],
  };
  assert.equal(bodyOf(structure), 'Grüße & Dank\nZeile\u00a02\nZeile 3 € A');
  assert.equal(htmlToText('<p>a &lt;voice&gt;</p>'), 'a <voice>');
  // A plain part wins over an HTML one.
  assert.equal(bodyOf({ parts: [{ contentType: 'text/html', body: '<p>x</p>' }, { contentType: 'text/plain', body: 'plain' }] }), 'plain');
});

test('lists start from the stored defaults, and a stored voice that is not installed stays shown', () => {
  const voices = ['espeak-ng German', 'espeak-ng English (America)'];
  assert.equal(valueItems('Geschw.: %d')[150], 'Geschw.: 150');
  assert.equal(valueItems('Tonh.: %d').length, 501);
  assert.deepEqual(initialState({ voices, defaults: { present: false } }),
    { voices, voice: 'espeak-ng German', speed: 100, volume: 100, pitch: 100 });
  const stored = initialState({ voices, defaults: { present: true, voiceName: 'Old Voice', speed: 150, volume: 70, pitch: 90 } });
  assert.equal(stored.voice, 'Old Voice');
  assert.ok(stored.voices.includes('Old Voice'));
  assert.deepEqual([stored.speed, stored.volume, stored.pitch], [150, 70, 90]);
  assert.equal(displayName('"Berg, Anna" <anna@example.org>'), 'Berg, Anna');
  assert.equal(displayName('anna@example.org'), '');
});

test('Pause/Fortsetzen twice pauses and resumes', () => {
  const first = pauseOrResume(false);
  assert.deepEqual(first, { request: 'pause', paused: true });
  assert.deepEqual(pauseOrResume(first.paused), { request: 'resume', paused: false });
});
