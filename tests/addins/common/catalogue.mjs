// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// An extension's catalogues (_locales/<locale>/messages.json) read the way
// the browser's i18n.getMessage reads them, so the toolbars' rules run under
// Node with their real texts.
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';

export const extensions = {
  browser: fileURLToPath(new URL('../../../addins/browser/extension', import.meta.url)),
  mail: fileURLToPath(new URL('../../../addins/mail/extension', import.meta.url)),
};

export const readJson = (path) => JSON.parse(readFileSync(path, 'utf8'));

export function messages(extensionDir, locale) {
  return readJson(join(extensionDir, '_locales', locale, 'messages.json'));
}

/**
 * getMessage(key, substitutions) over `locale`, falling back to the
 * manifest's default locale: names are case-insensitive, "$NAME$" is the
 * placeholder's content, "$1".."$9" the substitutions, "$$" a dollar sign,
 * and an unknown key gives "".
 */
export function catalogue(extensionDir, locale) {
  const lowered = (entries) =>
    Object.fromEntries(Object.entries(entries || {}).map(([name, value]) => [name.toLowerCase(), value]));
  const fallback = lowered(messages(extensionDir, readJson(join(extensionDir, 'manifest.json')).default_locale));
  const primary = lowered(messages(extensionDir, locale));
  return (key, substitutions = []) => {
    const entry = primary[key.toLowerCase()] ?? fallback[key.toLowerCase()];
    if (!entry) return '';
    const values = (Array.isArray(substitutions) ? substitutions : [substitutions]).map(String);
    const substitute = (text) => text.replace(/\$\$|\$(\d)/g, (whole, digit) =>
      (whole === '$$' ? '$' : values[Number(digit) - 1] ?? ''));
    const placeholders = lowered(entry.placeholders);
    return entry.message.replace(/\$\$|\$([A-Za-z0-9_@]+)\$|\$(\d)/g, (whole, name, digit) => {
      if (whole === '$$') return '$';
      if (digit) return values[Number(digit) - 1] ?? '';
      const placeholder = placeholders[name.toLowerCase()];
      return placeholder ? substitute(placeholder.content) : whole;
    });
  };
}

/** Makes `locale` the language of globalThis.chrome.i18n, as the browser would. */
export function useLocale(extensionDir, locale) {
  globalThis.chrome = { i18n: { getMessage: catalogue(extensionDir, locale) } };
}
