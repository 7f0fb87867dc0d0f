// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// The toolbar: three buttons and four lists. The background keeps the one
// connection to the speech host and each window's list values.
import { localizePage } from './localize.js';
import { text, valueItems } from './speechlogic.js';

localizePage(document, text);
const lists = {
  speed: valueItems(text('speedItem', '%d')),
  volume: valueItems(text('volumeItem', '%d')),
  pitch: valueItems(text('pitchItem', '%d')),
};

let target = null; // {tabId, windowId}

function showMessage(message) {
  document.getElementById('message-text').textContent = message;
  document.getElementById('message').hidden = false;
  document.getElementById('message-ok').focus();
}

async function command(name, extra = {}) {
  const answer = await chrome.runtime.sendMessage({ command: name, ...target, ...extra });
  if (answer && answer.message) showMessage(answer.message);
  return answer;
}

function fill(select, items, selected) {
  const fragment = document.createDocumentFragment();
  items.forEach((text, index) => fragment.append(new Option(text, String(index))));
  select.replaceChildren(fragment);
  select.selectedIndex = selected;
}

function currentSelection() {
  return {
    voiceIndex: document.getElementById('voice').selectedIndex,
    speed: document.getElementById('speed').selectedIndex,
    volume: document.getElementById('volume').selectedIndex,
    pitch: document.getElementById('pitch').selectedIndex,
  };
}

async function findTarget() {
  // Opened as a page for a given tab (automation), or as the toolbar popup.
  const query = new URLSearchParams(location.search);
  if (query.has('tab')) return { tabId: Number(query.get('tab')), windowId: Number(query.get('window')) };
  const [tab] = await chrome.tabs.query({ active: true, currentWindow: true });
  return tab ? { tabId: tab.id, windowId: tab.windowId } : null;
}

async function start() {
  target = await findTarget();
  const state = await chrome.runtime.sendMessage({ command: 'state', ...target });
  if (!state || state.error) {
    showMessage(text('hostMissing'));
    return;
  }
  fill(document.getElementById('voice'), state.voices, state.selection.voiceIndex);
  for (const key of ['speed', 'volume', 'pitch']) fill(document.getElementById(key), lists[key], state.selection[key]);
  for (const id of ['voice', 'speed', 'volume', 'pitch']) {
    document.getElementById(id).addEventListener('change', () => command('select', { selection: currentSelection() }));
  }
  document.getElementById('speak').addEventListener('click', () => command('speak'));
  document.getElementById('pause').addEventListener('click', () => command('pause'));
  document.getElementById('stop').addEventListener('click', () => command('stop'));
  document.getElementById('message-ok').addEventListener('click', () => { document.getElementById('message').hidden = true; });
  document.body.dataset.ready = 'true';
}

start();
