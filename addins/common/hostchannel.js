// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// The native messaging channel to the speech host, shared by the browser and
// the mail add-on: connects when first needed, numbers the requests and
// hands each answer to its request; word and end events go to `onEvent`.

export class HostChannel {
  constructor(runtime, hostName, { onEvent = () => {}, onDisconnect = () => {} } = {}) {
    this.runtime = runtime;
    this.hostName = hostName;
    this.onEvent = onEvent;
    this.onDisconnect = onDisconnect;
    this.port = null;
    this.nextId = 1;
    this.answers = new Map(); // request id -> resolve
  }

  /** A fresh request id, for callers that must know it before sending. */
  newId() {
    return this.nextId++;
  }

  connect() {
    if (this.port) return this.port;
    this.port = this.runtime.connectNative(this.hostName);
    this.port.onMessage.addListener((message) => this.receive(message));
    this.port.onDisconnect.addListener(() => {
      this.port = null;
      for (const resolve of this.answers.values()) resolve({ type: 'error', error: 'host disconnected' });
      this.answers.clear();
      this.onDisconnect();
    });
    return this.port;
  }

  /** Sends a request; resolves with its answer, or an error answer when the host is gone. */
  request(message, id = this.newId()) {
    return new Promise((resolve) => {
      this.answers.set(id, resolve);
      try {
        this.connect().postMessage({ ...message, id });
      } catch (error) {
        this.answers.delete(id);
        resolve({ type: 'error', error: String(error) });
      }
    });
  }

  receive(message) {
    if (!message || typeof message !== 'object') return;
    if (message.type === 'word' || message.type === 'end') {
      this.onEvent(message);
      return;
    }
    const resolve = this.answers.get(message.id);
    if (resolve) {
      this.answers.delete(message.id);
      resolve(message);
    }
  }
}
