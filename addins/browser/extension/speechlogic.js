// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// The toolbar's rules, free of browser APIs but the i18n one, so that Node's
// test runner checks them: list items, start values, the request for the
// speech host, the messages and the pause flag.

export const HOST_NAME = 'org.halvern.vocalyne';

/**
 * The text `key` of the extension's catalogue (_locales) in the browser's
 * language, with `substitutions` for its placeholders. The i18n API is the
 * one browser API used here: Node's tests provide it from the same files.
 */
export function text(key, ...substitutions) {
  const api = globalThis.browser ?? globalThis.chrome;
  return api.i18n.getMessage(key, substitutions.map(String)) || key;
}

/** "Speak failed with with error code: %d!" for a speak result. */
export function speakFailedMessage(code) {
  return text('speakFailed', code);
}

/** The 501 items of a speed, volume or pitch list: the format with 0..500. */
export function valueItems(format) {
  const items = [];
  for (let value = 0; value <= 500; ++value) items.push(format.replace('%d', String(value)));
  return items;
}

/**
 * Start values of the four lists from the host's hello. Without stored
 * defaults: the first voice and 100 everywhere. A stored voice that is not
 * installed leaves the voice list without selection (voiceIndex -1).
 */
export function initialSelection(hello) {
  const voices = (hello && Array.isArray(hello.voices)) ? hello.voices : [];
  const defaults = hello && hello.defaults;
  if (!defaults || !defaults.present) {
    return { voiceIndex: voices.length > 0 ? 0 : -1, speed: 100, volume: 100, pitch: 100 };
  }
  const clamp = (value) => (Number.isInteger(value) && value >= 0 && value <= 500 ? value : 100);
  return {
    voiceIndex: voices.indexOf(defaults.voiceName),
    speed: clamp(defaults.speed),
    volume: clamp(defaults.volume),
    pitch: clamp(defaults.pitch),
  };
}

/**
 * The host's speak request. A missing voice selection speaks with the first
 * voice rather than failing.
 */
export function speakRequest(id, text, selection, voices) {
  const index = selection.voiceIndex;
  const voice = index >= 0 && index < voices.length ? voices[index] : (voices[0] || '');
  return {
    type: 'speak',
    id,
    text,
    voice,
    speed: selection.speed,
    volume: selection.volume,
    pitch: selection.pitch,
  };
}

/**
 * What reading a page comes to: `extraction` is what the page gave (null when
 * the page could not be read at all: not an HTML document, or a page the
 * browser does not let extensions into). Returns {message} or {text}.
 */
export function pageTextOutcome(extraction) {
  if (!extraction || !extraction.ok) return { message: text('noDocument') };
  const pageText = typeof extraction.text === 'string' ? extraction.text : '';
  if (pageText.trim().length === 0) return { message: text('noTextContent') };
  return { text: pageText };
}

/** Pause/resume with the window's paused flag: what to ask the host, and the new flag. */
export function pauseOrResume(paused) {
  return paused ? { request: 'resume', paused: false } : { request: 'pause', paused: true };
}
