// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
import { localizePage } from './localize.js';
import { text, valueItems } from './maillogic.js';

localizePage(document, text);
const formats = { speed: text('speedItem', '%d'), volume: text('volumeItem', '%d'), pitch: text('pitchItem', '%d') };
let windowId = null;

function showMessage(message) {
  document.getElementById('message-text').textContent = message;
  document.getElementById('message').hidden = false;
}

async function command(name, extra = {}) {
  const answer = await messenger.runtime.sendMessage({ command: name, windowId, ...extra });
  if (answer && answer.message) showMessage(answer.message);
  return answer;
}

function fill(select, items, selected) {
  select.replaceChildren(...items.map((text, index) => new Option(text, String(index))));
  select.selectedIndex = selected;
}

async function start() {
  windowId = (await messenger.windows.getCurrent()).id;
  const answer = await command('state');
  if (!answer || !answer.state) return;
  const { state } = answer;
  fill(document.getElementById('voice'), state.voices, state.voices.indexOf(state.voice));
  for (const key of Object.keys(formats)) fill(document.getElementById(key), valueItems(formats[key]), state[key]);
  document.getElementById('voice').addEventListener('change', (event) =>
    command('select', { values: { voice: event.target.selectedOptions[0].text } }));
  for (const key of Object.keys(formats)) {
    document.getElementById(key).addEventListener('change', (event) =>
      command('select', { values: { [key]: event.target.selectedIndex } }));
  }
  document.getElementById('read').addEventListener('click', () => command('speak'));
  document.getElementById('pause').addEventListener('click', () => command('pause'));
  document.getElementById('stop').addEventListener('click', () => command('stop'));
  document.getElementById('message-ok').addEventListener('click', () => { document.getElementById('message').hidden = true; });
}

start();
