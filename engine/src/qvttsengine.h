// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvtts.h"
#include "qvttslexicon.h"
#include "qvttsvoicecatalogue.h"
#include "speechplatform.h"

#include <cstdint>
#include <memory>

// The process-wide engine state and every operation of the C interface. The
// exports are thin wrappers around instance(); all of it runs on the thread
// that owns the host window.
class QVTTSEngine
{
public:
    static QVTTSEngine &instance();

    QVTTSEngine() = default;
    ~QVTTSEngine();
    QVTTSEngine(const QVTTSEngine &) = delete;
    QVTTSEngine &operator=(const QVTTSEngine &) = delete;

    // Initialises for window; hook: replace its procedure with ours.
    const InitQVTTSEngineReturnValueEx &initialise(HWND window, bool hook);
    void uninitialise();

    uint32_t voiceCount() const { return m_catalogue.size(); }
    const QVTTSVoiceCatalogue &catalogue() const { return m_catalogue; }
    const InitQVTTSEngineReturnValueEx &slotTable() const { return m_slotTable; }
    bool isHooked() const { return m_hookedWindow != nullptr; }
    // The user dictionaries loaded until UninitQVTTSEngine.
    QVTTSLexicon &userDictionaries() { return m_userDictionaries; }

    QVTTSVoiceInfoReturnValue installedVoices(QVTTSVoiceInfoCollection *first, uint32_t *count);
    void cleanInstalledVoices(QVTTSVoiceInfoCollection *first);

    void setWordCallBack(QVTTSWordCallBack callBack) { m_wordCallBack = callBack; }
    void setExportCallBack(QVTTSExportCallBack callBack) { m_exportCallBack = callBack; }
    void setSpeakPunctuation(bool on) { m_speakPunctuation = on; }

    QVTTSSpeakReturnValue speak(int32_t engineType, const char *voiceName, uint16_t language,
                                const char *text, int32_t pitch, int32_t rate, int32_t volume,
                                int32_t textType, int16_t audioFormat);
    QVTTSPauseReturnValue pause(int32_t engineType);
    QVTTSResumeReturnValue resume(int32_t engineType);
    QVTTSStopReturnValue stop(int32_t engineType);

    // Exports (qvttsengineexport.cpp): render into a file or a buffer, then
    // post the export message (0, -1) to the host window.
    QVTTSExportReturnValue exportToFile(int32_t engineType, const char *voiceName,
                                        const char *text, int32_t pitch, int32_t rate,
                                        int32_t volume, int32_t textType, const char *outputFile,
                                        int audioFormat, const char *formatToken, int32_t flags);
    QVTTSExportReturnValue exportToBuffer(int32_t engineType, const char *voiceName,
                                          const char *text, char *buffer, int32_t *bufferSize,
                                          int32_t pitch, int32_t rate, int32_t volume,
                                          int32_t audioFormat, int32_t textType);

    // The procedure that replaces the host window's.
    static LRESULT hookProcedure(HWND window, unsigned int msg, WPARAM wParam, LPARAM lParam);

    // Ends the process-wide engine's speech and threads; registered with
    // atexit when its first voice is made.
    static void stopAtExit();

private:
    LRESULT windowProcedure(HWND window, unsigned int msg, WPARAM wParam, LPARAM lParam);
    void drainEvents();
    void postExportCompletion();
    void startPlatform(bool hooked);

    HWND m_window = nullptr;
    HWND m_hookedWindow = nullptr;
    WNDPROC m_previousProcedure = nullptr;
    QVTTSWordCallBack m_wordCallBack = nullptr;
    QVTTSExportCallBack m_exportCallBack = nullptr;
    bool m_speakPunctuation = false;
    uint16_t m_language = 0;

    std::unique_ptr<qvsp::Voice> m_voice;
    qvsp::AudioOutputPtr m_output;
    qvsp::VoiceTokenPtr m_selectedToken;

    QVTTSVoiceCatalogue m_catalogue;
    QVTTSLexicon m_userDictionaries;
    uint32_t m_retrievalCount = 0;
    uint32_t m_installedCount = 0;
    InitQVTTSEngineReturnValueEx m_slotTable{};

    // Stream numbers: texts queued up to m_discardThrough were dropped by a
    // stop, and their late events must not reach the host.
    uint32_t m_lastQueuedStream = 0;
    uint32_t m_discardThrough = 0;
    bool m_draining = false;
    bool m_exiting = false;
};
