// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// The mail toolbar's rules, free of the mail program's APIs but the i18n one,
// so that Node's test runner checks them against a stand-in: the text of the selected mail,
// the messages, the list values and the pause flag.

export const HOST_NAME = 'org.halvern.vocalyne';

/**
 * The text `key` of the add-on's catalogue (_locales) in the mail program's
 * language, with `substitutions` for its placeholders. The i18n API is the
 * one mail-program API used here: Node's tests provide it from the same files.
 */
export function text(key, ...substitutions) {
  const api = globalThis.messenger ?? globalThis.browser ?? globalThis.chrome;
  return api.i18n.getMessage(key, substitutions.map(String)) || key;
}

export const speakFailed = (code) => text('speakFailed', code);
export const invalidObject = (code) => text('invalidObject', code);

/** The 501 items of a list: its format ("Geschw.: %d") for 0..500. */
export function valueItems(format) {
  return Array.from({ length: 501 }, (_, value) => format.replace('%d', String(value)));
}

/**
 * Start values: the first voice and 100, unless all four stored values are
 * there; a stored voice that is not installed is still shown (and speaking
 * with it then reports the engine's result).
 */
export function initialState(hello) {
  const voices = hello && Array.isArray(hello.voices) ? [...hello.voices] : [];
  const state = { voices, voice: voices[0] || '', speed: 100, volume: 100, pitch: 100 };
  const defaults = hello && hello.defaults;
  if (!defaults || !defaults.present) return state;
  const value = (v) => (Number.isInteger(v) && v >= 0 && v <= 500 ? v : 100);
  state.voice = defaults.voiceName;
  if (!voices.includes(defaults.voiceName)) voices.push(defaults.voiceName);
  state.speed = value(defaults.speed);
  state.volume = value(defaults.volume);
  state.pitch = value(defaults.pitch);
  return state;
}

/** The display name of an address such as "Anna Berg <anna@example.org>". */
export function displayName(address) {
  if (typeof address !== 'string') return '';
  const match = /^\s*"?([^"<]*?)"?\s*<[^>]*>\s*$/.exec(address);
  return (match ? match[1] : '').trim();
}

// The markup entities, the Latin-1 letters and signs by name (code points
// 160 to 255 in order), and the typographic ones mails use most.
const LATIN1 = ('nbsp iexcl cent pound curren yen brvbar sect uml copy ordf laquo not shy reg macr deg ' +
  'plusmn sup2 sup3 acute micro para middot cedil sup1 ordm raquo frac14 frac12 frac34 iquest Agrave ' +
  'Aacute Acirc Atilde Auml Aring AElig Ccedil Egrave Eacute Ecirc Euml Igrave Iacute Icirc Iuml ETH ' +
  'Ntilde Ograve Oacute Ocirc Otilde Ouml times Oslash Ugrave Uacute Ucirc Uuml Yacute THORN szlig ' +
  'agrave aacute acirc atilde auml aring aelig ccedil egrave eacute ecirc euml igrave iacute icirc iuml ' +
  'eth ntilde ograve oacute ocirc otilde ouml divide oslash ugrave uacute ucirc uuml yacute thorn yuml').split(' ');
const ENTITIES = Object.assign(
  Object.fromEntries(LATIN1.map((name, index) => [name, String.fromCharCode(160 + index)])),
  { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'", euro: '\u20ac', ndash: '\u2013', mdash: '\u2014',
    lsquo: '\u2018', rsquo: '\u2019', sbquo: '\u201a', ldquo: '\u201c', rdquo: '\u201d',
    bdquo: '\u201e', hellip: '\u2026', bull: '\u2022', trade: '\u2122' });

/** Readable text of an HTML body: no tags, scripts or styles; blocks on lines of their own. */
export function htmlToText(html) {
  return String(html)
    .replace(/<(script|style|head|title)\b[^>]*>[\s\S]*?<\/\1\s*>/gi, ' ')
    .replace(/<!--[\s\S]*?-->/g, ' ')
    .replace(/<br\s*\/?>/gi, '\n')
    .replace(/<\/(p|div|li|tr|h[1-6]|blockquote|table)\s*>/gi, '\n')
    .replace(/<[^>]*>/g, '')
    .replace(/&(#x[0-9a-f]+|#[0-9]+|[a-z]+);/gi, (whole, name) => {
      if (name[0] === '#') {
        const code = name[1] === 'x' || name[1] === 'X' ? parseInt(name.slice(2), 16) : parseInt(name.slice(1), 10);
        return code > 0 && code <= 0x10ffff ? String.fromCodePoint(code) : ' ';
      }
      return ENTITIES[name] ?? ENTITIES[name.toLowerCase()] ?? whole;
    })
    .replace(/[ \t\u00a0]+\n/g, '\n')
    .replace(/\n[ \t]+/g, '\n')
    .replace(/\n{3,}/g, '\n\n')
    .trim();
}

/** The body of a message's full structure: its plain text part, else its HTML part as text. */
export function bodyOf(part) {
  let plain = null;
  let html = null;
  const visit = (node) => {
    if (!node) return;
    const type = (node.contentType || '').toLowerCase();
    const attachment = (node.headers && node.headers['content-disposition'] || []).some((d) => /attachment/i.test(d));
    if (!attachment && typeof node.body === 'string') {
      if (type === 'text/plain' && plain === null) plain = node.body;
      if (type === 'text/html' && html === null) html = node.body;
    }
    (node.parts || []).forEach(visit);
  };
  visit(part);
  if (plain !== null && plain.trim()) return plain;
  return html !== null ? htmlToText(html) : (plain || '');
}

/** Sender name (else the name of the one it was sent for), ". ", subject, ". ", body. */
export function mailText({ senderName, onBehalfName, subject, body }) {
  const name = senderName || onBehalfName || '';
  let text = '';
  if (name) text += `${name}. `;
  if (subject) text += `${subject}. `;
  return text + body;
}

/**
 * Reads the first selected mail through `mail` (the mail program's API, or a
 * stand-in): {text} or {message}.
 */
export async function readSelectedMail(mail) {
  let selected;
  try {
    selected = await mail.selectedMessages();
  } catch (error) {
    return { message: text('noSelectionRead') };
  }
  const first = selected && selected[0];
  if (!first) return { message: text('noFirstItem') };
  let full;
  try {
    full = await mail.fullMessage(first.id);
  } catch (error) {
    return { message: text('notAMail') };
  }
  if (!full) return { message: text('notAMail') };
  const body = await mail.bodyText(first, full);
  if (!body || !body.trim()) return { message: text('emptyBody') };
  const header = (name) => (full.headers && full.headers[name] && full.headers[name][0]) || '';
  return {
    text: mailText({
      senderName: displayName(first.author) || displayName(header('from')),
      onBehalfName: displayName(header('sender')),
      subject: first.subject,
      body,
    }),
  };
}

/** Pause/resume with the toolbar's paused flag; Stopp leaves the flag as it is. */
export function pauseOrResume(paused) {
  return paused ? { request: 'resume', paused: false } : { request: 'pause', paused: true };
}
