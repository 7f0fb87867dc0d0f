// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "speechhostsession.h"

#include "qvmessages.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <cmath>

namespace {

SpeechHostSession *s_session = nullptr;

// Stream format 19: 16 kHz, 16-bit stereo, set before every text as the
// toolbars always did.
constexpr int16_t ToolbarAudioFormat = 19;
constexpr long LowestPitchStep = -10;

int intValue(const QJsonObject &object, const QString &key, int fallback)
{
    const QJsonValue value = object.value(key);
    return value.isDouble() ? value.toInt(fallback) : fallback;
}

} // namespace

SpeechHostSession::SpeechHostSession(Sender send, const QString &settingsFile)
    : m_send(std::move(send)), m_defaults(SpeechHostDefaults::read(settingsFile))
{
    s_session = this;
    SetQVTTSOnWordCallBack(&SpeechHostSession::wordCallback);
    // Page text is spoken as text: no spoken punctuation.
    SetMSSAPISpeakPunc(false);
    m_window = QVCreateWindow(nullptr);
    const InitQVTTSEngineReturnValueEx *table = InitQVTTSEngineEx(m_window, nullptr, nullptr);
    m_engineReady = table && table->results[QVTTS_ENGINE_SLOTS - 1] == QVTTSInitReady;
    for (int32_t index = 0;; ++index) {
        int32_t length = 0;
        if (GetQVTTSVoice(index, nullptr, nullptr, &length, nullptr, nullptr) != 0)
            break;
        QByteArray name(qMax(length, 0) + 1, '\0');
        GetQVTTSVoice(index, nullptr, name.data(), &length, nullptr, nullptr);
        name.truncate(length);
        m_voices.append(QString::fromUtf8(name));
    }
}

SpeechHostSession::~SpeechHostSession()
{
    shutdown();
    SetQVTTSOnWordCallBack(nullptr);
    UninitQVTTSEngine();
    QVDestroyWindow(m_window);
    s_session = nullptr;
}

int SpeechHostSession::engineEventFd() const
{
    return QVMessageQueueFd();
}

void SpeechHostSession::dispatchEngineEvents()
{
    QVDispatchMessages();
}

QString SpeechHostSession::pitchPrefix(int percent)
{
    const long steps = percent <= 0
                           ? LowestPitchStep
                           : long(std::trunc(std::log(percent / 100.0) / std::log(1.1224620483)));
    return QStringLiteral("<pitch middle = '") + QString::number(steps) + QStringLiteral("'/>");
}

void SpeechHostSession::handleMessage(const QByteArray &payload)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(payload, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        sendError(QStringLiteral("the message is not a JSON object"));
        return;
    }
    const QJsonObject request = document.object();
    const QString type = request.value(QStringLiteral("type")).toString();
    QJsonObject answer;
    if (type == QLatin1String("hello")) {
        answer = hello();
    } else if (type == QLatin1String("speak")) {
        answer = speak(request);
    } else if (type == QLatin1String("pause")) {
        answer = {{QStringLiteral("type"), type},
                  {QStringLiteral("result"), int(QVTTSPause(QVTTSEngineSpeechPlatform, 0))}};
    } else if (type == QLatin1String("resume")) {
        answer = {{QStringLiteral("type"), type},
                  {QStringLiteral("result"), int(QVTTSResume(QVTTSEngineSpeechPlatform, 0))}};
    } else if (type == QLatin1String("stop")) {
        // Texts dropped by the stop report nothing more.
        m_utterances.clear();
        answer = {{QStringLiteral("type"), type},
                  {QStringLiteral("result"), int(QVTTSStop(QVTTSEngineSpeechPlatform, 0))}};
    } else {
        sendError(QStringLiteral("unknown request"), request);
        return;
    }
    if (request.contains(QStringLiteral("id")))
        answer.insert(QStringLiteral("id"), request.value(QStringLiteral("id")));
    m_send(answer);
}

void SpeechHostSession::handleOversizedMessage(quint32 length)
{
    sendError(QStringLiteral("the message is too long (%1 bytes)").arg(length));
}

void SpeechHostSession::shutdown()
{
    if (!m_utterances.empty() && m_engineReady)
        QVTTSStop(QVTTSEngineSpeechPlatform, 0);
    m_utterances.clear();
}

QJsonObject SpeechHostSession::hello() const
{
    QJsonArray voices;
    for (const QString &voice : m_voices)
        voices.append(voice);
    QJsonObject defaults{{QStringLiteral("present"), m_defaults.present},
                         {QStringLiteral("voiceName"), m_defaults.voiceName},
                         {QStringLiteral("speed"), m_defaults.speed},
                         {QStringLiteral("volume"), m_defaults.volume},
                         {QStringLiteral("pitch"), m_defaults.pitch}};
    return {{QStringLiteral("type"), QStringLiteral("hello")},
            {QStringLiteral("version"), 1},
            {QStringLiteral("engineReady"), m_engineReady},
            {QStringLiteral("voices"), voices},
            {QStringLiteral("defaults"), defaults}};
}

QJsonObject SpeechHostSession::speak(const QJsonObject &request)
{
    const qint64 id = qint64(request.value(QStringLiteral("id")).toDouble());
    QString voice = request.value(QStringLiteral("voice")).toString();
    // Without a voice selection the first voice speaks.
    if (voice.isEmpty() && !m_voices.isEmpty())
        voice = m_voices.first();
    const int speed = intValue(request, QStringLiteral("speed"), m_defaults.speed);
    const int volume = intValue(request, QStringLiteral("volume"), m_defaults.volume);
    const int pitch = intValue(request, QStringLiteral("pitch"), m_defaults.pitch);
    const QString text = request.value(QStringLiteral("text")).toString();

    auto escaper = std::make_shared<SpeechTextEscaper>(text);
    const QString prefix = pitchPrefix(pitch);
    // The prefix is written here rather than by the engine so that its
    // length, which every word position counts, is known exactly.
    const QByteArray engineText = (prefix + escaper->escaped()).toUtf8();
    const QByteArray voiceName = voice.toUtf8();
    const int result = int(QVTTSSpeak(m_window, QVTTSEngineSpeechPlatform, voiceName.constData(),
                                      -1, 0, engineText.constData(), -1, speed, volume, 0, 0,
                                      QVTTSTextXml, ToolbarAudioFormat));
    if (result == QVTTSSpeakSuccess)
        m_utterances.push_back({id, int(prefix.size()), escaper});
    return {{QStringLiteral("type"), QStringLiteral("speak")},
            {QStringLiteral("result"), result},
            {QStringLiteral("voice"), voice}};
}

void SpeechHostSession::sendError(const QString &error, const QJsonObject &request)
{
    QJsonObject answer{{QStringLiteral("type"), QStringLiteral("error")},
                       {QStringLiteral("error"), error}};
    if (request.contains(QStringLiteral("id")))
        answer.insert(QStringLiteral("id"), request.value(QStringLiteral("id")));
    m_send(answer);
}

void SpeechHostSession::wordCallback(int first, int last)
{
    if (s_session)
        s_session->onWord(first, last);
}

void SpeechHostSession::onWord(int first, int last)
{
    if (m_utterances.empty())
        return;
    const Utterance &current = m_utterances.front();
    if (last == -1) {
        m_send(
            {{QStringLiteral("type"), QStringLiteral("end")}, {QStringLiteral("id"), current.id}});
        m_utterances.pop_front();
        return;
    }
    const int from = first - current.prefixLength;
    const int to = last - current.prefixLength;
    if (to < 0 || to < from)
        return;
    const auto [start, end] = current.text->originalRange(qMax(from, 0), to);
    if (end <= start)
        return;
    // "at" is when the word's audio started, so clients can tell how far
    // their highlight trails the voice.
    m_send({{QStringLiteral("type"), QStringLiteral("word")},
            {QStringLiteral("id"), current.id},
            {QStringLiteral("start"), start},
            {QStringLiteral("end"), end},
            {QStringLiteral("at"), QDateTime::currentMSecsSinceEpoch()}});
}
