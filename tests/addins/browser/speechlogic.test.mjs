// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
import { test } from 'node:test';
import assert from 'node:assert/strict';
import {
  initialSelection, pageTextOutcome, pauseOrResume, speakFailedMessage, speakRequest, text, valueItems,
} from '../../../addins/browser/extension/speechlogic.js';
import { extensions, useLocale } from '../common/catalogue.mjs';

useLocale(extensions.browser, 'en');

const voices = ['espeak-ng English (America)', 'espeak-ng German', 'espeak-ng French (France)'];

test('lists hold 0 to 500 and start from the stored defaults', () => {
  const speeds = valueItems('Speed: %d');
  assert.equal(speeds.length, 501);
  assert.equal(speeds[0], 'Speed: 0');
  assert.equal(speeds[150], 'Speed: 150');
  assert.equal(valueItems('Pitch: %d')[500], 'Pitch: 500');

  const stored = { voices, defaults: { present: true, voiceName: 'espeak-ng German', speed: 150, volume: 80, pitch: 120 } };
  assert.deepEqual(initialSelection(stored), { voiceIndex: 1, speed: 150, volume: 80, pitch: 120 });
  // Without defaults: the first voice and 100 everywhere.
  assert.deepEqual(initialSelection({ voices, defaults: { present: false } }),
    { voiceIndex: 0, speed: 100, volume: 100, pitch: 100 });
  // A stored voice that is not installed leaves the voice list unselected,
  // and an out-of-range stored value does not select past the list.
  const gone = { voices, defaults: { present: true, voiceName: 'espeak-ng Klingon', speed: 9000, volume: 50, pitch: 100 } };
  assert.deepEqual(initialSelection(gone), { voiceIndex: -1, speed: 100, volume: 50, pitch: 100 });
});

test('a missing voice selection speaks with the first voice', () => {
  const request = speakRequest(4, 'Hello', { voiceIndex: -1, speed: 120, volume: 90, pitch: 80 }, voices);
  assert.deepEqual(request, { type: 'speak', id: 4, text: 'Hello', voice: voices[0], speed: 120, volume: 90, pitch: 80 });
  assert.equal(speakRequest(5, 'x', { voiceIndex: 2, speed: 0, volume: 0, pitch: 0 }, voices).voice, voices[2]);
});

test('the three messages come for their cases, in English and in German', () => {
  const cases = () => [pageTextOutcome(null), pageTextOutcome({ ok: false }), pageTextOutcome({ ok: true, text: ' \n\t ' }),
    speakFailedMessage(11)];
  assert.deepEqual(cases(), [
    { message: 'No text content could be extracted!' }, { message: 'No text content could be extracted!' },
    { message: 'No text content found!' }, 'Speak failed with with error code: 11!',
  ]);
  assert.deepEqual(pageTextOutcome({ ok: true, text: 'Read me' }), { text: 'Read me' });
  assert.equal(valueItems(text('speedItem', '%d'))[150], 'Speed: 150');

  useLocale(extensions.browser, 'de');
  try {
    assert.deepEqual(cases(), [
      { message: 'Es konnte kein Textinhalt ermittelt werden!' }, { message: 'Es konnte kein Textinhalt ermittelt werden!' },
      { message: 'Kein Textinhalt gefunden!' }, 'Vorlesen fehlgeschlagen. Fehlercode: 11!',
    ]);
    assert.equal(valueItems(text('volumeItem', '%d'))[80], 'Lautst.: 80');
  } finally {
    useLocale(extensions.browser, 'en');
  }
});

test('pause and resume follow the paused flag', () => {
  assert.deepEqual(pauseOrResume(false), { request: 'pause', paused: true });
  assert.deepEqual(pauseOrResume(true), { request: 'resume', paused: false });
});
