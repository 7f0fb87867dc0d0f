// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The engine's export operations: each renders through QVTTSExport and then
// posts the completion message, so the host's export callback runs once per
// export, after the export function has returned.
#include "qvttsengine.h"
#include "qvttsexport.h"

namespace {

QVTTSExport::Speech makeSpeech(const char *voiceName, const char *text, int32_t pitch, int32_t rate,
                               int32_t volume, int32_t textType, bool speakPunctuation)
{
    QVTTSExport::Speech speech;
    speech.voiceName = voiceName;
    speech.text = text;
    speech.pitch = pitch;
    speech.rate = rate;
    speech.volume = volume;
    speech.textType = textType;
    speech.speakPunctuation = speakPunctuation;
    return speech;
}

} // namespace

QVTTSExportReturnValue QVTTSEngine::exportToFile(int32_t engineType, const char *voiceName,
                                                 const char *text, int32_t pitch, int32_t rate,
                                                 int32_t volume, int32_t textType,
                                                 const char *outputFile, int audioFormat,
                                                 const char *formatToken, int32_t flags)
{
    if (engineType != QVTTSEngineSpeechPlatform)
        return QVTTSExportSuccess;
    if (!m_voice)
        return QVTTSExportEngineInternalError;
    const QVTTSExportReturnValue result = QVTTSExport::toFile(
        makeSpeech(voiceName, text, pitch, rate, volume, textType, m_speakPunctuation), outputFile,
        audioFormat, formatToken, flags);
    postExportCompletion();
    return result;
}

QVTTSExportReturnValue QVTTSEngine::exportToBuffer(int32_t engineType, const char *voiceName,
                                                   const char *text, char *buffer,
                                                   int32_t *bufferSize, int32_t pitch, int32_t rate,
                                                   int32_t volume, int32_t audioFormat,
                                                   int32_t textType)
{
    if (engineType != QVTTSEngineSpeechPlatform)
        return QVTTSExportSuccess;
    if (!m_voice)
        return QVTTSExportEngineInternalError;
    const QVTTSExportReturnValue result = QVTTSExport::toBuffer(
        makeSpeech(voiceName, text, pitch, rate, volume, textType, m_speakPunctuation), buffer,
        bufferSize, audioFormat);
    postExportCompletion();
    return result;
}

void QVTTSEngine::postExportCompletion()
{
    // Posted, never sent: the callback must not run inside the export call.
    if (m_window)
        QVPostMessage(m_window, QVTTS_EXPORT_MESSAGE, 0, -1);
}
