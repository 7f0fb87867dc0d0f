// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The exported C functions: each one forwards to the engine state, so that
// the logic stays testable without the shared library around it.
#include "qvtts.h"
#include "qvttsengine.h"
#include "qvttsengineinfo.h"
#include "qvttslanguage.h"
#include "qvttsslottable.h"

#include <new>

namespace {

// Nothing may throw across the C interface: a failed allocation or a thread
// the system refuses becomes the call's failure result instead of
// terminating the host.
template <typename Call, typename Result>
Result guarded(Call call, Result onFailure, Result onOutOfMemory)
{
    try {
        return call();
    } catch (const std::bad_alloc &) {
        return onOutOfMemory;
    } catch (...) {
        return onFailure;
    }
}

template <typename Call, typename Result> Result guarded(Call call, Result onFailure)
{
    return guarded(call, onFailure, onFailure);
}

} // namespace

extern "C" {

QVTTS_EXPORT uint32_t GetQVTTSNumVoices(void)
{
    return QVTTSEngine::instance().voiceCount();
}

QVTTS_EXPORT QVTTSVoiceInfoReturnValue GetQVTTSInstalledVoices(QVTTSVoiceInfoCollection *first,
                                                               uint32_t *count)
{
    return guarded([&] { return QVTTSEngine::instance().installedVoices(first, count); },
                   QVTTSVoiceInfoSuccess);
}

QVTTS_EXPORT void CleanQVTTSInstalledVoicesRetrieval(QVTTSVoiceInfoCollection *first)
{
    QVTTSEngine::instance().cleanInstalledVoices(first);
}

QVTTS_EXPORT InitQVTTSEngineReturnValueEx *InitQVTTSEngineEx(HWND window, const char *const *,
                                                             const char *const *)
{
    // The record is the engine's own; hosts read it until the next
    // initialisation.
    QVTTSEngine &engine = QVTTSEngine::instance();
    guarded([&] { return &engine.initialise(window, true); }, &engine.slotTable());
    return const_cast<InitQVTTSEngineReturnValueEx *>(&engine.slotTable());
}

QVTTS_EXPORT void InitQVTTSEngineEx2(HWND window, const char *const *, const char *const *,
                                     QVTTSVoiceEngineType *engineTypes,
                                     InitQVTTSEngineReturnValue *results)
{
    QVTTSEngine &engine = QVTTSEngine::instance();
    guarded([&] { return &engine.initialise(window, true); }, &engine.slotTable());
    QVTTSSlotTable::copyOut(engine.slotTable(), engineTypes, results);
}

QVTTS_EXPORT void InitQVTTSEngineEx3(
    HWND window, const char *, const char *, const char *, const char *, const char *, const char *,
    const char *, const char *, const char *, const char *, const char *, const char *,
    const char *, const char *, const char *, const char *, const char *, const char *,
    const char *, const char *, const char *, const char *, const char *, const char *,
    const char *, const char *, const char *, const char *, const char *, const char *,
    const char *, const char *, const char *, const char *, const char *, const char *,
    QVTTSVoiceEngineType *engineTypes, InitQVTTSEngineReturnValue *results)
{
    QVTTSEngine &engine = QVTTSEngine::instance();
    guarded([&] { return &engine.initialise(window, false); }, &engine.slotTable());
    QVTTSSlotTable::copyOut(engine.slotTable(), engineTypes, results);
}

QVTTS_EXPORT UninitQVTTSEngineReturnValue UninitQVTTSEngine(void)
{
    // Only here, not when the process ends without it: a dictionary's words
    // then stay in the lexicon, as they would after a crash.
    guarded(
        [] {
            QVTTSEngine::instance().userDictionaries().unloadAll();
            return 0;
        },
        0);
    QVTTSEngine::instance().uninitialise();
    return QVTTSUninitSuccess;
}

QVTTS_EXPORT QVTTSSpeakReturnValue QVTTSSpeak(HWND, QVTTSVoiceEngineType engineType,
                                              const char *voiceName, int32_t, uint16_t language,
                                              const char *text, int32_t pitch, int32_t rate,
                                              int32_t volume, int32_t, int32_t,
                                              QVTTSTextType textType, int16_t audioFormat)
{
    return guarded(
        [&] {
            return QVTTSEngine::instance().speak(engineType, voiceName, language, text, pitch, rate,
                                                 volume, textType, audioFormat);
        },
        QVTTSSpeakEngineInternalError, QVTTSSpeakOutOfMemory);
}

QVTTS_EXPORT QVTTSPauseReturnValue QVTTSPause(QVTTSVoiceEngineType engineType, uint16_t)
{
    return guarded([&] { return QVTTSEngine::instance().pause(engineType); },
                   QVTTSPauseUndefinedError);
}

QVTTS_EXPORT QVTTSResumeReturnValue QVTTSResume(QVTTSVoiceEngineType engineType, uint16_t)
{
    return guarded([&] { return QVTTSEngine::instance().resume(engineType); },
                   QVTTSResumeUndefinedError);
}

QVTTS_EXPORT QVTTSStopReturnValue QVTTSStop(QVTTSVoiceEngineType engineType, uint16_t)
{
    return guarded([&] { return QVTTSEngine::instance().stop(engineType); }, QVTTSStopFailed,
                   QVTTSStopOutOfMemory);
}

QVTTS_EXPORT QVTTSParamInfoReturnValue GetQVTTSEngineInfo(QVTTSVoiceEngineType engineType, uint16_t,
                                                          int16_t parameter, void *out, int32_t,
                                                          const char *)
{
    if (engineType != QVTTSEngineSpeechPlatform)
        return QVTTSParamInfoSuccess;
    int32_t value = 0;
    if (!QVTTSEngineInfo::value(parameter, value))
        return QVTTSParamInfoUnknownParameter;
    if (out)
        *static_cast<int32_t *>(out) = value;
    return QVTTSParamInfoSuccess;
}

QVTTS_EXPORT void SetQVTTSOnWordCallBack(QVTTSWordCallBack callBack)
{
    QVTTSEngine::instance().setWordCallBack(callBack);
}

QVTTS_EXPORT void SetQVTTSOnExportCallBack(QVTTSExportCallBack callBack)
{
    QVTTSEngine::instance().setExportCallBack(callBack);
}

QVTTS_EXPORT QVTTSExportReturnValue QVTTSExportToFile(QVTTSVoiceEngineType engineType,
                                                     const char *voiceName, int32_t, uint16_t,
                                                     const char *text, int32_t pitch, int32_t rate,
                                                     int32_t volume, int32_t, int32_t,
                                                     QVTTSTextType textType,
                                                     const char *outputFile, void *)
{
    return guarded(
        [&] {
            return QVTTSEngine::instance().exportToFile(engineType, voiceName, text, pitch, rate,
                                                        volume, textType, outputFile, 22, nullptr,
                                                        0);
        },
        QVTTSExportEngineInternalError, QVTTSExportOutOfMemory);
}

QVTTS_EXPORT QVTTSExportReturnValue QVTTSExportToFileEx(
    QVTTSVoiceEngineType engineType, const char *voiceName, int32_t, uint16_t, const char *text,
    int32_t pitch, int32_t rate, int32_t volume, int32_t, int32_t, QVTTSTextType textType,
    const char *outputFile, int16_t audioFormat, const char *formatToken, int32_t flags, int32_t)
{
    return guarded(
        [&] {
            return QVTTSEngine::instance().exportToFile(engineType, voiceName, text, pitch, rate,
                                                        volume, textType, outputFile, audioFormat,
                                                        formatToken, flags);
        },
        QVTTSExportEngineInternalError, QVTTSExportOutOfMemory);
}

QVTTS_EXPORT QVTTSExportReturnValue QVTTSExportToBuffer(QVTTSVoiceEngineType engineType,
                                                       const char *voiceName, int32_t, uint16_t,
                                                       const char *text, char *buffer,
                                                       int32_t *bufferSize, int32_t pitch,
                                                       int32_t rate, int32_t volume,
                                                       int32_t audioFormat, int32_t, int32_t,
                                                       int32_t, QVTTSTextType textType, void *)
{
    return guarded(
        [&] {
            return QVTTSEngine::instance().exportToBuffer(engineType, voiceName, text, buffer,
                                                          bufferSize, pitch, rate, volume,
                                                          audioFormat, textType);
        },
        QVTTSExportEngineInternalError, QVTTSExportOutOfMemory);
}

QVTTS_EXPORT QVTTSVoiceInfoReturnValue GetQVTTSVoice(int32_t index,
                                                     QVTTSVoiceEngineType *engineType, char *name,
                                                     int32_t *nameLength, int32_t *attribute,
                                                     uint16_t *language)
{
    const bool found = QVTTSEngine::instance().catalogue().copyOut(index, engineType, name,
                                                                   nameLength, attribute, language);
    return found ? QVTTSVoiceInfoSuccess : QVTTSVoiceInfoNoVoice;
}

QVTTS_EXPORT uint16_t MakeLanguage(uint16_t primary, uint16_t sub)
{
    return QVTTSLanguage::make(primary, sub);
}

QVTTS_EXPORT uint16_t GetMainLanguage(uint16_t language)
{
    return QVTTSLanguage::primary(language);
}

QVTTS_EXPORT uint16_t GetSubLanguage(uint16_t language)
{
    return QVTTSLanguage::sub(language);
}

QVTTS_EXPORT void SetMSSAPISpeakPunc(bool on)
{
    QVTTSEngine::instance().setSpeakPunctuation(on);
}

QVTTS_EXPORT int32_t MSSAPIAddRemoveWord(const char *word, const char *phonemes, uint32_t language,
                                         int32_t partOfSpeech, unsigned char remove)
{
    return guarded(
        [&] { return QVTTSLexicon::addRemoveWord(word, phonemes, language, partOfSpeech, remove); },
        int32_t(remove ? QVTTSWordRemovalRefused : QVTTSWordAddNoPhoneConverter),
        int32_t(remove ? QVTTSWordRemovalRefused : QVTTSWordOutOfMemory));
}

QVTTS_EXPORT LoadQVTTSUserDictReturnValue LoadQVTTSUserDict(int32_t, const char *name,
                                                            const char *,
                                                            QVTTSVoiceEngineType engineType,
                                                            uint16_t language, const char *,
                                                            const char *text)
{
    return guarded(
        [&] {
            return QVTTSEngine::instance().userDictionaries().load(engineType, name, language,
                                                                   text);
        },
        QVTTSLoadDictNoPhoneConverter, QVTTSLoadDictOutOfMemory);
}

QVTTS_EXPORT UnloadQVTTSUserDictReturnValue UnloadQVTTSUserDict(int32_t, const char *name,
                                                                QVTTSVoiceEngineType engineType,
                                                                uint16_t)
{
    return guarded(
        [&] { return QVTTSEngine::instance().userDictionaries().unload(engineType, name); },
        QVTTSUnloadDictRemovalFailed);
}

} // extern "C"
