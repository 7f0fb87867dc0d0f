// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "qvttsexport.h"

#include "exportaudiooutput.h"
#include "exportfileformat.h"
#include "qvttsprosody.h"
#include "qvttstext.h"
#include "qvttsvoicedescription.h"
#include "speechplatform.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

// Selects the voice as speaking does: every installed voice whose
// description equals the name is tried, the last one wins.
QVTTSExportReturnValue selectVoice(qvsp::Voice &voice, const char *name)
{
    std::vector<qvsp::VoiceTokenPtr> tokens;
    if (!qvsp::succeeded(qvsp::enumerateVoiceTokens(tokens)))
        return QVTTSExportEngineInternalError;
    const uint16_t uiLanguage = qvsp::userInterfaceLanguage();
    bool matched = false;
    bool selected = false;
    for (const qvsp::VoiceTokenPtr &token : tokens) {
        std::string description;
        if (!token || !QVTTSVoiceDescription::read(*token, uiLanguage, description))
            continue;
        if (description != name)
            continue;
        matched = true;
        selected = qvsp::succeeded(voice.setVoice(token)) || selected;
    }
    if (!matched)
        return QVTTSExportVoiceNotFound;
    return selected ? QVTTSExportSuccess : QVTTSExportVoiceNotPresent;
}

// Appends text as speech markup content: the three characters markup gives
// a meaning to become entities.
void appendEscaped(std::string &out, const char *text)
{
    for (const char *p = text; *p; ++p) {
        switch (*p) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += *p;
            break;
        }
    }
}

QVTTSExportReturnValue render(const QVTTSExport::Speech &speech,
                              const std::shared_ptr<qvsp::ExportAudioOutput> &output)
{
    qvsp::HResult hr = qvsp::kOk;
    std::unique_ptr<qvsp::Voice> voice = qvsp::createVoice(&hr);
    if (!voice)
        return QVTTSExportEngineInternalError;
    // Nothing is queued for a host: a long export would otherwise pile up
    // an event per word that nobody fetches.
    voice->setInterest(0, 0);
    const QVTTSExportReturnValue selected = selectVoice(*voice, speech.voiceName);
    if (selected != QVTTSExportSuccess)
        return selected;
    if (speech.rate != -1)
        voice->setRate(QVTTSProsody::percentToSteps(speech.rate));
    if (speech.volume != -1)
        voice->setVolume(static_cast<unsigned short>(
            speech.volume < 0 ? 0 : (speech.volume > 100 ? 100 : speech.volume)));
    if (!qvsp::succeeded(voice->setOutput(output, false)))
        return QVTTSExportEngineInternalError;

    {
        // The text exists three times at most while it is handed over
        // (caller's, wide, the voice's copy); the wide copy goes before the
        // voice starts its long work.
        std::u16string wide;
        int32_t textType = speech.textType == 1 ? 1 : 0;
        {
            std::string handedOver;
            if (speech.pitch != -1) {
                handedOver = QVTTSProsody::pitchPrefix(QVTTSProsody::percentToSteps(speech.pitch));
                // The pitch travels as markup; a plain text becomes the same
                // text in markup, or the markup itself would be heard.
                if (textType != 1) {
                    appendEscaped(handedOver, speech.text);
                    textType = 1;
                } else {
                    handedOver.append(speech.text);
                }
            } else {
                handedOver.append(speech.text);
            }
            wide = QVTTSText::fromUtf8(handedOver);
        }
        const uint32_t flags = QVTTSProsody::speakFlags(textType, speech.speakPunctuation);
        if (!qvsp::succeeded(voice->speak(wide, flags | qvsp::kSpeakAsync, nullptr)))
            return QVTTSExportEngineInternalError;
    }
    const std::shared_ptr<qvsp::ExportTarget> &target = output->target();
    while (voice->waitUntilDone(200) != qvsp::kOk) {
        // A file that cannot be created or written (a full disk) ends the
        // export at once rather than after the whole text.
        if (target->failed) {
            voice->speak(std::u16string(), qvsp::kSpeakPurgeBeforeSpeak, nullptr);
            break;
        }
    }
    // The file is closed, and complete, with the voice's player.
    voice.reset();
    if (target->failed || !target->opened)
        return QVTTSExportFileError;
    return QVTTSExportSuccess;
}

QVTTSExportReturnValue checkSpeech(const QVTTSExport::Speech &speech)
{
    if (!speech.voiceName || !speech.text)
        return QVTTSExportInvalidData;
    if (speech.text[0] == '\0')
        return QVTTSExportZeroLengthText;
    return QVTTSExportSuccess;
}

} // namespace

std::string QVTTSExport::partialPath(const std::string &path)
{
    const size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + "." + std::to_string(long(getpid())) + ".part";
}

QVTTSExportReturnValue QVTTSExport::toFile(const Speech &speech, const char *path, int audioFormat,
                                           const char *formatToken, int32_t flags)
{
    const QVTTSExportReturnValue checked = checkSpeech(speech);
    if (checked != QVTTSExportSuccess)
        return checked;
    if (!path || path[0] == '\0')
        return QVTTSExportInvalidData;
    qvsp::ExportFileFormat format;
    if (qvsp::ExportFileFormat::fromToken(formatToken ? formatToken : "", audioFormat, format) !=
        qvsp::kOk)
        return QVTTSExportUnknownEncoding;

    const bool inPlace = (flags & InPlace) != 0;
    auto target = std::make_shared<qvsp::ExportTarget>();
    target->path = inPlace ? std::string(path) : partialPath(path);
    auto output = std::make_shared<qvsp::ExportAudioOutput>(target, format);
    const QVTTSExportReturnValue result = render(speech, output);
    output.reset();
    if (result != QVTTSExportSuccess) {
        // Only what this export wrote goes; a file already at path stays.
        if (target->opened)
            std::remove(target->path.c_str());
        return result;
    }
    if (!inPlace && std::rename(target->path.c_str(), path) != 0) {
        std::remove(target->path.c_str());
        return QVTTSExportFileError;
    }
    return QVTTSExportSuccess;
}

QVTTSExportReturnValue QVTTSExport::toBuffer(const Speech &speech, char *buffer, int32_t *size,
                                             int audioFormat)
{
    const QVTTSExportReturnValue checked = checkSpeech(speech);
    if (checked != QVTTSExportSuccess)
        return checked;
    if (!size || *size < 0 || (!buffer && *size > 0))
        return QVTTSExportInvalidData;
    qvsp::ExportFileFormat format;
    if (qvsp::ExportFileFormat::fromNumber(audioFormat == -1 ? 22 : audioFormat, format) !=
        qvsp::kOk)
        return QVTTSExportUnknownEncoding;
    auto target = std::make_shared<qvsp::ExportTarget>();
    // A null buffer of no room still learns the size the image needs.
    static char none = 0;
    target->buffer = buffer ? buffer : &none;
    target->capacity = *size;
    const QVTTSExportReturnValue result =
        render(speech, std::make_shared<qvsp::ExportAudioOutput>(target, format));
    if (result != QVTTSExportSuccess && result != QVTTSExportFileError)
        return result;
    if (target->size > INT32_MAX)
        return QVTTSExportBufferTooSmall;
    *size = int32_t(target->size);
    if (target->size > target->capacity)
        return QVTTSExportBufferTooSmall;
    return result;
}
