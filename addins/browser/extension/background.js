// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// The extension's one connection to the speech host: every window's toolbar
// speaks through it, so a stop in one window stops speech started in another.
import {
  HOST_NAME, initialSelection, pageTextOutcome, pauseOrResume, speakFailedMessage, speakRequest,
  text,
} from './speechlogic.js';
import { HostChannel } from './hostchannel.js';

const channel = new HostChannel(chrome.runtime, HOST_NAME, {
  onEvent: onHostEvent,
  onDisconnect: () => {
    helloAnswer = null;
    for (const tabId of utterances.values()) clearHighlight(tabId);
    utterances.clear();
  },
});
let helloAnswer = null; // the host's hello, asked once per connection
const utterances = new Map(); // speak id -> tab id
const selections = new Map(); // window id -> list selections
const pausedWindows = new Map(); // window id -> paused flag

function hostHello() {
  if (!helloAnswer) {
    helloAnswer = channel.request({ type: 'hello' }).then((message) => {
      if (message.type === 'hello') return message;
      helloAnswer = null;
      return null;
    });
  }
  return helloAnswer;
}

function tellTab(tabId, message) {
  return chrome.tabs.sendMessage(tabId, message).catch(() => undefined);
}

function clearHighlight(tabId) {
  tellTab(tabId, { vocalyne: 'clear' });
}

function onHostEvent(message) {
  const tabId = utterances.get(message.id);
  if (message.type === 'word') {
    if (tabId !== undefined) tellTab(tabId, { vocalyne: 'highlight', start: message.start, end: message.end, at: message.at });
    return;
  }
  utterances.delete(message.id);
  if (tabId !== undefined) clearHighlight(tabId);
}

async function selectionFor(windowId) {
  if (!selections.has(windowId)) selections.set(windowId, initialSelection(await hostHello()));
  return selections.get(windowId);
}

// Reads the page's text (its selection, else its body). Null when the page
// cannot be read: not an HTML document, or one extensions may not enter.
async function pageText(tabId) {
  try {
    await chrome.scripting.executeScript({ target: { tabId }, files: ['content.js'] });
    const [result] = await chrome.scripting.executeScript({
      target: { tabId },
      func: () => globalThis.__vocalyneReader.extract(),
    });
    return result ? result.result : null;
  } catch (error) {
    return null;
  }
}

/** Speaks the page of `tabId` with the lists of `windowId`. Returns {message} or {result}. */
async function speakPage(tabId, windowId) {
  const info = await hostHello();
  if (!info) return { message: speakFailedMessage(7) };
  const outcome = pageTextOutcome(await pageText(tabId));
  if (outcome.message) return outcome;
  const selection = await selectionFor(windowId);
  const id = channel.newId();
  utterances.set(id, tabId);
  const answer = await channel.request(speakRequest(id, outcome.text, selection, info.voices), id);
  const result = answer.type === 'speak' ? answer.result : 7;
  if (result !== 0) {
    utterances.delete(id);
    return { message: speakFailedMessage(result) };
  }
  return { result };
}

async function pauseResume(windowId) {
  const step = pauseOrResume(pausedWindows.get(windowId) === true);
  const answer = await channel.request({ type: step.request });
  if (answer.type === step.request && answer.result === 0) pausedWindows.set(windowId, step.paused);
  return { result: answer.result, paused: pausedWindows.get(windowId) === true };
}

async function stop() {
  const answer = await channel.request({ type: 'stop' });
  for (const tabId of utterances.values()) clearHighlight(tabId);
  utterances.clear();
  pausedWindows.clear();
  return { result: answer.result };
}

async function handle(message) {
  switch (message.command) {
    case 'state': {
      const info = await hostHello();
      if (!info) return { error: 'host' };
      return { voices: info.voices, selection: await selectionFor(message.windowId) };
    }
    case 'select':
      selections.set(message.windowId, message.selection);
      return { ok: true };
    case 'speak':
      return speakPage(message.tabId, message.windowId);
    case 'pause':
      return pauseResume(message.windowId);
    case 'stop':
      return stop();
    default:
      return { error: 'unknown command' };
  }
}

chrome.runtime.onMessage.addListener((message, sender, reply) => {
  if (!message || typeof message.command !== 'string') return false;
  handle(message).then(reply, (error) => reply({ error: String(error) }));
  return true;
});

chrome.runtime.onInstalled.addListener(() => {
  chrome.contextMenus.create({ id: 'vocalyne-read', title: text('menuTitle'), contexts: ['selection'] });
});

chrome.contextMenus.onClicked.addListener(async (info, tab) => {
  if (info.menuItemId !== 'vocalyne-read' || !tab) return;
  const outcome = await speakPage(tab.id, tab.windowId);
  if (!outcome.message) return;
  const shown = await tellTab(tab.id, { vocalyne: 'message', caption: text('caption'), text: outcome.message });
  if (!shown) {
    chrome.notifications.create({
      type: 'basic', iconUrl: 'icons/icon48.png', title: text('caption'), message: outcome.message,
    });
  }
});

// Test and automation entry point: the same paths as the toolbar's buttons.
globalThis.vocalyne = { handle, speakPage, pauseResume, stop };
