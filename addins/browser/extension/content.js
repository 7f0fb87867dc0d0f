// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// Injected into the page being read: takes its text (the selection, else the
// whole body) as pieces of text nodes, and highlights the word being spoken
// in place. Injecting it again keeps the one instance.
(() => {
  if (globalThis.__vocalyneReader) return;

  const HIGHLIGHT = 'vocalyne-word';
  const SKIPPED = new Set(['SCRIPT', 'STYLE', 'NOSCRIPT', 'TEMPLATE', 'SVG', 'CANVAS', 'IFRAME']);
  const BLOCKS = new Set(['block', 'list-item', 'table', 'table-row', 'table-cell', 'flex', 'grid']);

  let pieces = []; // {node, nodeStart, start, length}, ascending by start
  let starts = [];
  let cursor = 0;
  // How far the highlight trails the voice: the first word's audio start,
  // and the delay from each word's audio start to its highlight.
  let timing = { firstAt: 0, words: 0, totalDelay: 0, maxDelay: 0 };

  // Nearest block-level ancestor: a line break goes between blocks.
  function blockOf(node, displays) {
    for (let element = node.parentElement; element; element = element.parentElement) {
      let display = displays.get(element);
      if (display === undefined) {
        display = getComputedStyle(element).display;
        displays.set(element, display);
      }
      if (BLOCKS.has(display)) return element;
    }
    return null;
  }

  // Last character only: a pattern anchored at the end would scan the whole
  // text gathered so far, once per text node.
  function endsWithSpace(text) {
    const last = text.charCodeAt(text.length - 1);
    return last === 32 || last === 10 || last === 9 || last === 13 || last === 160;
  }

  // The text of the nodes under `root` (cut to `range` when given), one
  // piece per text node, with a line break between blocks.
  function collect(root, range) {
    const found = [];
    let text = '';
    let lastBlock = null;
    const displays = new Map();
    // Hidden elements are passed over with everything inside them, so each
    // element's style is read once.
    const walker = document.createTreeWalker(root, NodeFilter.SHOW_ELEMENT | NodeFilter.SHOW_TEXT, {
      acceptNode(node) {
        if (node.nodeType === Node.ELEMENT_NODE) {
          if (SKIPPED.has(node.tagName.toUpperCase())) return NodeFilter.FILTER_REJECT;
          const style = getComputedStyle(node);
          displays.set(node, style.display);
          if (style.display === 'none' || style.visibility === 'hidden' || style.contentVisibility === 'hidden') {
            return NodeFilter.FILTER_REJECT;
          }
          return NodeFilter.FILTER_SKIP;
        }
        if (range && !range.intersectsNode(node)) return NodeFilter.FILTER_REJECT;
        return NodeFilter.FILTER_ACCEPT;
      },
    });
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      let from = 0;
      let to = node.data.length;
      if (range && node === range.startContainer) from = range.startOffset;
      if (range && node === range.endContainer) to = range.endOffset;
      if (to <= from) continue;
      const block = blockOf(node, displays);
      if (text.length > 0 && block !== lastBlock && !endsWithSpace(text)) text += '\n';
      lastBlock = block;
      found.push({ node, nodeStart: from, start: text.length, length: to - from });
      text += node.data.slice(from, to);
    }
    return { text, found };
  }

  function extract() {
    if (!(document instanceof HTMLDocument) || !document.body) return { ok: false };
    let result = { text: '', found: [] };
    const selection = getSelection();
    if (selection && !selection.isCollapsed) {
      for (let i = 0; i < selection.rangeCount; ++i) {
        const range = selection.getRangeAt(i);
        // A selection inside one text node has that node as its common
        // ancestor, and a walker never returns its own root.
        let root = range.commonAncestorContainer;
        if (root.nodeType !== Node.ELEMENT_NODE) root = root.parentNode;
        const part = collect(root, range);
        const offset = result.text.length + (result.text.length > 0 ? 1 : 0);
        if (result.text.length > 0) result.text += '\n';
        for (const piece of part.found) result.found.push({ ...piece, start: piece.start + offset });
        result.text += part.text;
      }
    }
    if (result.text.trim().length === 0) result = collect(document.body, null);
    pieces = result.found;
    starts = pieces.map((piece) => piece.start);
    cursor = 0;
    timing = { firstAt: 0, words: 0, totalDelay: 0, maxDelay: 0 };
    return { ok: true, text: result.text };
  }

  // Words arrive in reading order: step forward from the last piece, and
  // search only when the position lies behind it.
  function pieceIndex(position) {
    if (pieces.length === 0) return -1;
    if (cursor >= pieces.length || starts[cursor] > position) {
      let low = 0;
      let high = pieces.length - 1;
      while (low < high) {
        const middle = (low + high + 1) >> 1;
        if (starts[middle] <= position) low = middle;
        else high = middle - 1;
      }
      cursor = low;
    }
    while (cursor + 1 < pieces.length && starts[cursor + 1] <= position) ++cursor;
    return cursor;
  }

  function boundary(position, isEnd) {
    const index = pieceIndex(isEnd ? position - 1 : position);
    if (index < 0) return null;
    const piece = pieces[index];
    const within = Math.min(Math.max(position - piece.start, 0), piece.length);
    return { node: piece.node, offset: piece.nodeStart + within };
  }

  function ensureStyle() {
    if (document.getElementById('vocalyne-highlight-style')) return;
    const style = document.createElement('style');
    style.id = 'vocalyne-highlight-style';
    style.textContent = `::highlight(${HIGHLIGHT}) { background-color: #ffd54a; color: #000; }`;
    (document.head || document.documentElement).appendChild(style);
  }

  function highlight(start, end) {
    const from = boundary(start, false);
    const to = boundary(end, true);
    if (!from || !to || !from.node.isConnected || !to.node.isConnected) return false;
    const range = document.createRange();
    try {
      range.setStart(from.node, from.offset);
      range.setEnd(to.node, to.offset);
    } catch (error) {
      return false;
    }
    if (globalThis.CSS && CSS.highlights && typeof Highlight === 'function') {
      ensureStyle();
      CSS.highlights.set(HIGHLIGHT, new Highlight(range));
    }
    // Keep the spoken word on screen as the reading moves down the page.
    const box = range.getBoundingClientRect();
    if (box.height > 0 && (box.top < 0 || box.bottom > innerHeight)) {
      scrollBy({ top: box.top - innerHeight / 3, behavior: 'instant' });
    }
    return true;
  }

  function clear() {
    if (globalThis.CSS && CSS.highlights) CSS.highlights.delete(HIGHLIGHT);
  }

  function showMessage(caption, text) {
    const box = document.createElement('div');
    box.setAttribute('role', 'alertdialog');
    box.style.cssText = 'position:fixed;top:16px;right:16px;z-index:2147483647;max-width:360px;' +
      'background:#fff;color:#000;border:1px solid #888;border-radius:6px;padding:12px 16px;' +
      'box-shadow:0 4px 16px rgba(0,0,0,.3);font:14px sans-serif';
    const title = document.createElement('strong');
    title.textContent = caption;
    const body = document.createElement('p');
    body.style.margin = '8px 0';
    body.textContent = text;
    const ok = document.createElement('button');
    ok.textContent = chrome.i18n.getMessage('ok');
    ok.addEventListener('click', () => box.remove());
    box.append(title, body, ok);
    document.documentElement.appendChild(box);
    ok.focus();
  }

  chrome.runtime.onMessage.addListener((message, sender, reply) => {
    if (!message || typeof message.vocalyne !== 'string') return false;
    if (message.vocalyne === 'highlight') {
      const shown = highlight(message.start, message.end);
      if (shown && Number.isFinite(message.at)) {
        const delay = Date.now() - message.at;
        if (timing.words === 0) timing.firstAt = message.at;
        timing.words += 1;
        timing.totalDelay += delay;
        timing.maxDelay = Math.max(timing.maxDelay, delay);
      }
      reply({ ok: shown });
    }
    else if (message.vocalyne === 'clear') { clear(); reply({ ok: true }); }
    else if (message.vocalyne === 'message') { showMessage(message.caption, message.text); reply({ ok: true }); }
    return false;
  });

  globalThis.__vocalyneReader = { extract, highlight, clear, timing: () => ({ ...timing }) };
})();
