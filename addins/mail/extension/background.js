// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// The mail toolbar's one connection to the speech host, shared by every
// window; each window keeps its own list values and paused flag.
import {
  HOST_NAME, bodyOf, htmlToText, initialState, pauseOrResume, readSelectedMail, speakFailed, text,
} from './maillogic.js';
import { HostChannel } from './hostchannel.js';

const channel = new HostChannel(messenger.runtime, HOST_NAME);
const windows = new Map(); // window id -> {state, paused}

async function request(message) {
  const answer = await channel.request(message);
  return answer.type === 'error' ? null : answer;
}

// The mail program's side of reading a mail.
const mail = {
  async selectedMessages() {
    const [tab] = await messenger.tabs.query({ active: true, currentWindow: true });
    if (tab && tab.type === 'messageDisplay') return messenger.messageDisplay.getDisplayedMessages(tab.id).then((list) => list.messages || list);
    const list = await messenger.mailTabs.getSelectedMessages(tab ? tab.id : undefined);
    return list.messages;
  },
  fullMessage(id) {
    return messenger.messages.getFull(id);
  },
  async bodyText(header, full) {
    if (messenger.messages.listInlineTextParts) {
      const parts = await messenger.messages.listInlineTextParts(header.id);
      const plain = parts.find((part) => part.contentType === 'text/plain');
      if (plain && plain.content.trim()) return plain.content;
      const html = parts.find((part) => part.contentType === 'text/html');
      if (html) {
        const convert = messenger.messengerUtilities && messenger.messengerUtilities.convertToPlainText;
        return convert ? convert(html.content) : htmlToText(html.content);
      }
    }
    return bodyOf(full);
  },
};

async function windowState(windowId) {
  if (!windows.has(windowId)) {
    const hello = await request({ type: 'hello' });
    if (!hello || hello.type !== 'hello') return null;
    windows.set(windowId, { state: initialState(hello), paused: false });
  }
  return windows.get(windowId);
}

async function handle(message) {
  const entry = await windowState(message.windowId);
  if (!entry) return { message: text('hostMissing') };
  switch (message.command) {
    case 'state':
      return { state: entry.state };
    case 'select':
      Object.assign(entry.state, message.values);
      return { ok: true };
    case 'speak': {
      const mailRead = await readSelectedMail(mail);
      if (mailRead.message) return mailRead;
      const { voice, speed, volume, pitch } = entry.state;
      const answer = await request({ type: 'speak', text: mailRead.text, voice, speed, volume, pitch });
      if (!answer) return { message: text('hostMissing') };
      return answer.result === 0 ? { result: 0 } : { message: speakFailed(answer.result) };
    }
    case 'pause': {
      const step = pauseOrResume(entry.paused);
      const answer = await request({ type: step.request });
      entry.paused = step.paused;
      return { result: answer ? answer.result : -1 };
    }
    case 'stop': {
      const answer = await request({ type: 'stop' });
      return { result: answer ? answer.result : -1 };
    }
    default:
      return { error: 'unknown command' };
  }
}

messenger.runtime.onMessage.addListener((message) => {
  if (!message || typeof message.command !== 'string') return undefined;
  return handle(message);
});
