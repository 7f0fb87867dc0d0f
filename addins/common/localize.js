// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// Puts a page's texts in the browser's language. Pages carry no text of
// their own: an element names its catalogue entry in data-i18n (its text),
// data-i18n-title or data-i18n-aria-label, and `text(key)` looks it up.

const ATTRIBUTES = [['i18nTitle', 'title'], ['i18nAriaLabel', 'aria-label']];

export function localizePage(document, text) {
  document.documentElement.lang = text('uiLanguage');
  for (const element of document.querySelectorAll('[data-i18n], [data-i18n-title], [data-i18n-aria-label]')) {
    if (element.dataset.i18n) element.textContent = text(element.dataset.i18n);
    for (const [data, attribute] of ATTRIBUTES) {
      if (element.dataset[data]) element.setAttribute(attribute, text(element.dataset[data]));
    }
  }
}
