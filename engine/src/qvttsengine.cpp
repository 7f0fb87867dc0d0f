// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "qvttsengine.h"

#include "qvttsinstalledvoices.h"
#include "qvttsprosody.h"
#include "qvttsresultmap.h"
#include "qvttsslottable.h"
#include "qvttstext.h"
#include "qvttsvoicedescription.h"

#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

QVTTSEngine &QVTTSEngine::instance()
{
    // Never destroyed, so that a host's own static objects may still call
    // the library while the process ends, in whatever order they go; the
    // voice's threads are stopped at exit instead (stopAtExit).
    static QVTTSEngine *engine = new QVTTSEngine;
    return *engine;
}

void QVTTSEngine::stopAtExit()
{
    // Registered with atexit when the first voice is made, so it runs before
    // any static object that existed by then is destroyed; the platform's
    // own process-wide objects are never destroyed at all. The voice's
    // threads therefore end while everything they use still exists.
    QVTTSEngine &engine = instance();
    engine.m_exiting = true;
    engine.m_selectedToken.reset();
    engine.m_voice.reset();
    engine.m_output.reset();
}

QVTTSEngine::~QVTTSEngine()
{
    // A host that never uninitialised still must not leave the voice's
    // thread running into the process's static destruction.
    uninitialise();
}

const InitQVTTSEngineReturnValueEx &QVTTSEngine::initialise(HWND window, bool hook)
{
    m_window = window;
    if (hook && window) {
        // Hooking the same window twice would make our procedure its own
        // "previous" one and recurse forever; a new window gets the old one
        // back first so that it keeps its own procedure.
        if (m_hookedWindow && m_hookedWindow != window &&
            QVGetWindowProc(m_hookedWindow) == &QVTTSEngine::hookProcedure) {
            QVSetWindowProc(m_hookedWindow, m_previousProcedure);
            m_hookedWindow = nullptr;
        }
        if (QVGetWindowProc(window) != &QVTTSEngine::hookProcedure) {
            m_previousProcedure = QVSetWindowProc(window, &QVTTSEngine::hookProcedure);
        }
        m_hookedWindow = window;
    }

    startPlatform(hook && window);

    // The catalogue is appended to, never emptied: a host initialising twice
    // sees its voices twice.
    m_retrievalCount = 0;
    try {
        std::vector<qvsp::VoiceTokenPtr> tokens;
        if (qvsp::succeeded(qvsp::enumerateVoiceTokens(tokens)))
            m_retrievalCount = m_catalogue.append(tokens, qvsp::userInterfaceLanguage());
    } catch (...) {
        // Out of memory while listing: the voices listed so far stay.
    }
    return m_slotTable;
}

void QVTTSEngine::startPlatform(bool hooked)
{
    // A second initialisation starts from a fresh voice; the old one's
    // queued speech ends with it.
    m_selectedToken.reset();
    m_voice.reset();
    m_output.reset();
    m_lastQueuedStream = 0;
    m_discardThrough = 0;

    qvsp::HResult hr = qvsp::kOk;
    try {
        if (this == &instance()) {
            // A host that ends without UninitQVTTSEngine still must not
            // leave the voice's threads running into static destruction.
            static const bool stopsAtExit = std::atexit(&QVTTSEngine::stopAtExit) == 0;
            (void)stopsAtExit;
        }
        // No new threads once the process has begun to end.
        if (!m_exiting)
            m_voice = qvsp::createVoice(&hr);
    } catch (...) {
        // No thread or no memory for the voice: the same as no voice.
        hr = qvsp::kFail;
    }
    if (!m_voice || !qvsp::succeeded(hr)) {
        // Without a voice nothing can be spoken; the slot says so.
        m_voice.reset();
        m_slotTable = QVTTSSlotTable::make(QVTTSInitNotAvailable);
        return;
    }
    qvsp::HResult outputHr = qvsp::kOk;
    try {
        m_output = qvsp::createDefaultAudioOutput(&outputHr);
    } catch (...) {
        outputHr = qvsp::kFail;
    }
    if (!qvsp::succeeded(outputHr))
        m_output.reset();

    const qvsp::HResult notifyHr = m_voice->setNotifyWindowMessage(m_window, WM_APP, 0, 0);
    // Events are queued only where our window procedure takes them: an
    // unhooked window gets the bare notification, and a queue that nobody
    // drains would grow for as long as the voice speaks.
    const qvsp::HResult interestHr =
        m_voice->setInterest(qvsp::kAllTtsEvents, hooked ? qvsp::kAllTtsEvents : 0);
    const bool notifying = qvsp::succeeded(notifyHr) && qvsp::succeeded(interestHr);
    m_slotTable = QVTTSSlotTable::make(notifying ? QVTTSInitReady : QVTTSInitNoNotifications);
}

void QVTTSEngine::uninitialise()
{
    m_selectedToken.reset();
    m_voice.reset();
    m_output.reset();
    m_catalogue.clear();
    m_lastQueuedStream = 0;
    m_discardThrough = 0;
}

QVTTSVoiceInfoReturnValue QVTTSEngine::installedVoices(QVTTSVoiceInfoCollection *first,
                                                       uint32_t *count)
{
    if (!first || !count)
        return QVTTSVoiceInfoSuccess;
    m_retrievalCount = 0;
    std::vector<qvsp::VoiceTokenPtr> tokens;
    if (qvsp::succeeded(qvsp::enumerateVoiceTokens(tokens)))
        m_retrievalCount = QVTTSInstalledVoices::fill(first, tokens, qvsp::userInterfaceLanguage());
    else
        first->next = nullptr;
    // The list's own count is kept apart from the retrieval count that an
    // initialisation resets, so that cleaning frees exactly what was handed out.
    m_installedCount = m_retrievalCount;
    *count = m_retrievalCount;
    return QVTTSVoiceInfoSuccess;
}

void QVTTSEngine::cleanInstalledVoices(QVTTSVoiceInfoCollection *first)
{
    QVTTSInstalledVoices::clean(first, m_installedCount);
    m_installedCount = 0;
}

QVTTSSpeakReturnValue QVTTSEngine::speak(int32_t engineType, const char *voiceName,
                                         uint16_t language, const char *text, int32_t pitch,
                                         int32_t rate, int32_t volume, int32_t textType,
                                         int16_t audioFormat)
{
    if (engineType != QVTTSEngineSpeechPlatform)
        return QVTTSSpeakSuccess;
    if (!m_voice)
        return QVTTSSpeakEngineInternalError;
    if (!voiceName || !text)
        return QVTTSSpeakInvalidData;
    m_language = language;

    std::vector<qvsp::VoiceTokenPtr> tokens;
    const qvsp::HResult enumHr = qvsp::enumerateVoiceTokens(tokens);

    if (audioFormat != -1) {
        if (!m_output)
            return QVTTSSpeakInvalidData;
        if (!qvsp::succeeded(m_output->setFormat(audioFormat)))
            return QVTTSSpeakUnknownEncoding;
        if (!qvsp::succeeded(m_voice->setOutput(m_output, false)))
            return QVTTSSpeakInvalidArgument;
    }
    if (!qvsp::succeeded(enumHr))
        return QVTTSSpeakNoChannelMemory;

    m_selectedToken.reset();
    const uint16_t uiLanguage = qvsp::userInterfaceLanguage();
    bool matched = false;
    bool selectFailed = false;
    // Every token is examined, not just the first match: with two voices of
    // one name the last one wins, as it always has.
    for (const qvsp::VoiceTokenPtr &token : tokens) {
        std::string description;
        if (!token || !QVTTSVoiceDescription::read(*token, uiLanguage, description))
            continue;
        if (description != voiceName)
            continue;
        matched = true;
        if (qvsp::succeeded(m_voice->setVoice(token)))
            m_selectedToken = token;
        else
            selectFailed = true;
    }
    if (selectFailed)
        return QVTTSSpeakVoiceNotPresent;
    if (!matched)
        return QVTTSSpeakObjectNotFound;

    // The text goes to the voice once, widened straight after its pitch
    // prefix (plain ASCII, so no sequence spans the two): a long text is
    // held by the host and the voice, and by nothing else.
    std::string prefix;
    if (pitch != -1)
        prefix = QVTTSProsody::pitchPrefix(QVTTSProsody::percentToSteps(pitch));
    const size_t length = std::strlen(text);

    if (rate != -1)
        m_voice->setRate(QVTTSProsody::percentToSteps(rate));
    if (volume != -1)
        m_voice->setVolume(
            static_cast<unsigned short>(volume < 0 ? 0 : (volume > 100 ? 100 : volume)));

    std::u16string wide;
    wide.reserve(prefix.size() + length);
    QVTTSText::appendFromUtf8(wide, prefix.data(), prefix.size());
    QVTTSText::appendFromUtf8(wide, text, length);
    uint32_t stream = 0;
    const qvsp::HResult speakHr = m_voice->speak(
        std::move(wide), QVTTSProsody::speakFlags(textType, m_speakPunctuation), &stream);
    if (!qvsp::succeeded(speakHr))
        return QVTTSResultMap::speakQueueFailure(speakHr);
    if (stream != 0)
        m_lastQueuedStream = stream;

    if (!qvsp::succeeded(m_voice->resume()))
        return QVTTSSpeakUndefinedError;
    return QVTTSSpeakSuccess;
}

QVTTSPauseReturnValue QVTTSEngine::pause(int32_t engineType)
{
    if (engineType != QVTTSEngineSpeechPlatform)
        return QVTTSPauseSuccess;
    if (!m_voice || !qvsp::succeeded(m_voice->pause()))
        return QVTTSPauseUndefinedError;
    return QVTTSPauseSuccess;
}

QVTTSResumeReturnValue QVTTSEngine::resume(int32_t engineType)
{
    if (engineType != QVTTSEngineSpeechPlatform)
        return QVTTSResumeSuccess;
    if (!m_voice || !qvsp::succeeded(m_voice->resume()))
        return QVTTSResumeUndefinedError;
    return QVTTSResumeSuccess;
}

QVTTSStopReturnValue QVTTSEngine::stop(int32_t engineType)
{
    if (engineType != QVTTSEngineSpeechPlatform)
        return QVTTSStopSuccess;
    if (!m_voice)
        return QVTTSStopFailed;
    const qvsp::HResult hr =
        m_voice->speak(std::u16string(), qvsp::kSpeakPurgeBeforeSpeak, nullptr);
    // Events of dropped texts may still sit in the queue or arrive late;
    // delivering them would move a host's highlight over the next text or
    // end it early.
    if (qvsp::succeeded(hr))
        m_discardThrough = m_lastQueuedStream;
    return QVTTSResultMap::stop(hr);
}

LRESULT QVTTSEngine::hookProcedure(HWND window, unsigned int msg, WPARAM wParam, LPARAM lParam)
{
    return instance().windowProcedure(window, msg, wParam, lParam);
}

LRESULT QVTTSEngine::windowProcedure(HWND window, unsigned int msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_APP:
        try {
            drainEvents();
        } catch (...) {
            // The host's own procedure still gets the message; the events
            // left in the queue come with the next notification.
            m_draining = false;
        }
        break;
    case QVTTS_WORD_MESSAGE:
        if (m_wordCallBack)
            m_wordCallBack(static_cast<int>(wParam), static_cast<int>(lParam));
        break;
    case QVTTS_EXPORT_MESSAGE:
        if (m_exportCallBack)
            m_exportCallBack(static_cast<int>(wParam), static_cast<int>(lParam));
        break;
    default:
        break;
    }
    return QVCallWindowProc(m_previousProcedure, window, msg, wParam, lParam);
}

void QVTTSEngine::drainEvents()
{
    // A callback that runs a nested event loop would otherwise drain the
    // rest of the queue from inside and deliver it ahead of the current word.
    if (m_draining)
        return;
    m_draining = true;
    // The voice is looked up afresh on every turn: a callback may stop,
    // speak or even uninitialise.
    while (m_voice) {
        qvsp::Event event;
        uint32_t fetched = 0;
        m_voice->getEvents(1, &event, &fetched);
        if (fetched == 0)
            break;
        if (event.streamNumber != 0 && event.streamNumber <= m_discardThrough)
            continue;
        if (event.id == qvsp::kEventEndInputStream) {
            QVSendMessage(m_window, QVTTS_WORD_MESSAGE, 0, -1);
        } else if (event.id == qvsp::kEventWordBoundary) {
            // The word's own position from its event: the voice's status has
            // moved on to later words when several events wait in the queue.
            const int64_t first = event.lParam;
            const int64_t last = first + static_cast<int64_t>(event.wParam) - 1;
            QVSendMessage(m_window, QVTTS_WORD_MESSAGE,
                          static_cast<WPARAM>(static_cast<intptr_t>(first)),
                          static_cast<LPARAM>(last));
        }
    }
    m_draining = false;
}
