// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvtts.h"
#include "speechhostdefaults.h"
#include "speechtextescaper.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>

/// One speech host: answers the requests of the extensions that start it
/// through native messaging and speaks through the engine library. Every
/// window of a browser talks to the same host, so a stop from one window
/// stops speech started in another.
///
/// Requests (JSON objects; "id" is echoed in the answer when given):
///  - {"type":"hello"}: the voices, the stored defaults, the engine state;
///  - {"type":"speak","id":N,"text":T,"voice":V,"speed":S,"volume":L,"pitch":P}:
///    speaks T as text (markup characters are spoken, never obeyed) with
///    the voice of that description (the first voice when V is missing or
///    empty); answers {"type":"speak","id":N,"result":R}, then sends
///    {"type":"word","id":N,"start":a,"end":b,"at":ms} for each word, as
///    positions in T (UTF-16, end exclusive) and the wall-clock time in ms
///    when its audio started, and {"type":"end","id":N} when T is done;
///  - {"type":"pause"}, {"type":"resume"}, {"type":"stop"}: answer with the
///    engine's "result".
/// Anything else is answered with {"type":"error","error":...}.
class SpeechHostSession
{
public:
    using Sender = std::function<void(const QJsonObject &)>;

    /// Starts the engine on a message window of the calling thread; `send`
    /// delivers answers and events. `settingsFile` overrides where the
    /// defaults are read (tests).
    explicit SpeechHostSession(Sender send, const QString &settingsFile = QString());
    ~SpeechHostSession();

    SpeechHostSession(const SpeechHostSession &) = delete;
    SpeechHostSession &operator=(const SpeechHostSession &) = delete;

    /// The descriptor to watch for the engine's events; call
    /// dispatchEngineEvents() when it is readable.
    int engineEventFd() const;
    void dispatchEngineEvents();

    /// Handles one message as received (UTF-8 JSON).
    void handleMessage(const QByteArray &payload);
    /// Answers a message that was too long to read.
    void handleOversizedMessage(quint32 length);

    /// Stops speech: the browser closed the channel.
    void shutdown();

    /// The markup put in front of a text for a pitch percentage: whole-tone
    /// steps, truncated toward zero; 0 or less is the lowest step.
    static QString pitchPrefix(int percent);

private:
    struct Utterance
    {
        qint64 id = 0;
        int prefixLength = 0;
        std::shared_ptr<SpeechTextEscaper> text;
    };

    static void wordCallback(int first, int last);
    void onWord(int first, int last);

    QJsonObject hello() const;
    QJsonObject speak(const QJsonObject &request);
    void sendError(const QString &error, const QJsonObject &request = QJsonObject());

    Sender m_send;
    SpeechHostDefaults m_defaults;
    QStringList m_voices;
    HWND m_window = nullptr;
    bool m_engineReady = false;
    std::deque<Utterance> m_utterances;
};
