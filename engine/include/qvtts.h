/* SPDX-License-Identifier: GPL-3.0-or-later */
/* SPDX-FileCopyrightText: 2026 The Vocalyne developers */
#pragma once

/*
 * qvtts: the speech engine library's whole C interface.
 *
 * One engine per process; there are no handles. Every export runs on the
 * caller's thread and nothing throws across the interface. Every operation
 * that takes a QVTTSVoiceEngineType does nothing and returns 0 (success) for
 * any engine type other than QVTTSEngineSpeechPlatform (3).
 *
 * 8-bit strings are UTF-8. Character positions reported to hosts are UTF-16
 * code units of the text exactly as it was handed to the voice (any pitch
 * prefix and markup included).
 *
 * Events reach the host window (created with QVCreateWindow) as messages:
 * WM_APP when the voice has queued events, QVTTS_WORD_MESSAGE (wParam =
 * first, lParam = last) per spoken word and (0, -1) at the end of each
 * queued text, QVTTS_EXPORT_MESSAGE for export completion.
 *
 * The library also exports the window-message functions of qvmessages.h:
 * hosts link the library alone and so share its window registry and
 * message queues (a second, private copy of the message layer in a host
 * would never see the engine's notifications).
 *
 * Ordinals (kept in engine/qvtts.def for builds that import by ordinal; here
 * the exports are found by name):
 *   1 GetQVTTSNumVoices            14 QVTTSExportToFileEx
 *   2 GetQVTTSInstalledVoices      15 QVTTSExportToBuffer
 *   3 CleanQVTTSInstalledVoicesRetrieval
 *   4 InitQVTTSEngineEx            16 GetQVTTSEngineInfo
 *   5 InitQVTTSEngineEx2           17 SetQVTTSOnWordCallBack
 *   6 UninitQVTTSEngine            18 InitQVTTSEngineEx3
 *   7 LoadQVTTSUserDict            19 SetQVTTSOnExportCallBack
 *   8 UnloadQVTTSUserDict          20 GetQVTTSVoice
 *   9 QVTTSSpeak                   21 MakeLanguage
 *  10 QVTTSPause                   22 GetMainLanguage
 *  11 QVTTSResume                  23 GetSubLanguage
 *  12 QVTTSStop                    24 SetMSSAPISpeakPunc
 *  13 QVTTSExportToFile            25 MSSAPIAddRemoveWord
 */

#include "qvmessages.h"

#include <stdint.h>
#ifndef __cplusplus
#include <stdbool.h>
#endif

#if defined(QVTTS_BUILDING_LIBRARY)
#define QVTTS_EXPORT __attribute__((visibility("default")))
#else
#define QVTTS_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Window messages sent or posted to the host window. */
#define QVTTS_WORD_MESSAGE 0x3447u
#define QVTTS_EXPORT_MESSAGE 0x3448u

/* Number of engine slots in the slot table. */
#define QVTTS_ENGINE_SLOTS 22

/* ------------------------------------------------------------------------ */
/* Enumerations (all 32-bit; 0 is success in every result type)             */
/* ------------------------------------------------------------------------ */

/* Enumerations a host passes in accept every 32-bit value (a text type of 2
 * is plain text, an unknown engine type does nothing). In C++ they get a
 * fixed 32-bit underlying type, so that such a value is a value of the type
 * and not undefined behaviour; in C every enumeration holds any int. */
#ifdef __cplusplus
#define QVTTS_OPEN_ENUM(name) enum name : int32_t
#else
#define QVTTS_OPEN_ENUM(name) enum name
#endif

typedef QVTTS_OPEN_ENUM(QVTTSVoiceEngineType) {
    QVTTSEngineNone = -4,          /* no voice selected yet */
    QVTTSEngineEmptySlot = 0,      /* empty engine slot */
    QVTTSEngineFamily1 = 1,        /* not provided by this library */
    QVTTSEngineFamily2 = 2,        /* not provided by this library */
    QVTTSEngineSpeechPlatform = 3, /* the implemented family: every voice */
    QVTTSEngineFamily4 = 4         /* not provided by this library */
} QVTTSVoiceEngineType;

typedef QVTTS_OPEN_ENUM(QVTTSTextType) {
    QVTTSTextPlain = 0,
    QVTTSTextXml = 1 /* speech XML markup; every other value is plain text */
} QVTTSTextType;

typedef enum InitQVTTSEngineReturnValue {
    QVTTSInitReady = 0,
    QVTTSInitNotAvailable = 9,
    QVTTSInitNoNotifications = 33 /* voice made, event notifications not set up */
} InitQVTTSEngineReturnValue;

typedef enum QVTTSSpeakReturnValue {
    QVTTSSpeakSuccess = 0,
    QVTTSSpeakNoChannelMemory = 1, /* voices could not be enumerated */
    QVTTSSpeakInvalidText = 2,
    QVTTSSpeakZeroLengthText = 3,
    QVTTSSpeakVoiceDatabaseNotLoaded = 4,
    QVTTSSpeakSoundCardFailure = 5,
    QVTTSSpeakNotImplemented = 6,
    QVTTSSpeakEngineInternalError = 7, /* any other speak failure */
    QVTTSSpeakInvalidParameter = 8,    /* invalid speak flags */
    QVTTSSpeakInvalidData = 9,         /* no audio output object; invalid pointer */
    QVTTSSpeakUnknownEncoding = 10,    /* the audio format was refused */
    QVTTSSpeakObjectNotFound = 11,     /* no voice of that name */
    QVTTSSpeakInterrupted = 12,
    QVTTSSpeakVoiceNotPresent = 13, /* the voice could not be selected */
    QVTTSSpeakWrongEventType = 14,
    QVTTSSpeakEngineInUse = 15, /* audio device busy */
    QVTTSSpeakNetworkFailed = 16,
    QVTTSSpeakQueueFull = 18,
    QVTTSSpeakTokenTimedOut = 19,
    QVTTSSpeakInvalidArgument = 21, /* output not attached; bad speak argument */
    QVTTSSpeakOutOfMemory = 22,
    QVTTSSpeakUndefinedError = 101 /* speech not resumed after queuing */
} QVTTSSpeakReturnValue;

/* Pause and resume share one numbering; the library returns only 0 and the
 * operation's own failure value (15 for pause, 97 for resume). */
typedef enum QVTTSPauseReturnValue {
    QVTTSPauseSuccess = 0,
    QVTTSPauseNotImplemented = 1,
    QVTTSPauseEngineInternalError = 2,
    QVTTSPauseInvalidParameter = 3,
    QVTTSPauseInvalidData = 4,
    QVTTSPauseObjectNotFound = 5,
    QVTTSPauseUnknownEncoding = 6,
    QVTTSPauseInterrupted = 7,
    QVTTSPauseVoiceNotPresent = 8,
    QVTTSPauseWrongEventType = 9,
    QVTTSPauseEngineInUse = 10,
    QVTTSPauseNetworkFailed = 11,
    QVTTSPauseQueueFull = 13,
    QVTTSPauseTokenTimedOut = 14,
    QVTTSPauseUndefinedError = 15
} QVTTSPauseReturnValue;

typedef enum QVTTSResumeReturnValue {
    QVTTSResumeSuccess = 0,
    QVTTSResumeNotImplemented = 1,
    QVTTSResumeEngineInternalError = 2,
    QVTTSResumeInvalidParameter = 3,
    QVTTSResumeInvalidData = 4,
    QVTTSResumeObjectNotFound = 5,
    QVTTSResumeUnknownEncoding = 6,
    QVTTSResumeInterrupted = 7,
    QVTTSResumeVoiceNotPresent = 8,
    QVTTSResumeWrongEventType = 9,
    QVTTSResumeEngineInUse = 10,
    QVTTSResumeNetworkFailed = 11,
    QVTTSResumeQueueFull = 13,
    QVTTSResumeTokenTimedOut = 14,
    QVTTSResumeUndefinedError = 97
} QVTTSResumeReturnValue;

typedef enum QVTTSStopReturnValue {
    QVTTSStopSuccess = 0,
    QVTTSStopInvalidPointer = 1,
    QVTTSStopInvalidArgument = 2,
    QVTTSStopOutOfMemory = 3,
    QVTTSStopInvalidFlags = 4,
    QVTTSStopDeviceBusy = 5,
    QVTTSStopFailed = 6
} QVTTSStopReturnValue;

/* Export results; the numbers of the failures speaking shares are the same
 * as QVTTSSpeakReturnValue's. */
typedef enum QVTTSExportReturnValue {
    QVTTSExportSuccess = 0,
    QVTTSExportZeroLengthText = 3,
    QVTTSExportEngineInternalError = 7, /* not initialised, or no voice object */
    QVTTSExportInvalidData = 9,         /* null voice name, text, file name or size */
    QVTTSExportUnknownEncoding = 10,    /* no encoder for the stream format (TrueSpeech) */
    QVTTSExportVoiceNotFound = 11,      /* no voice of that name */
    QVTTSExportVoiceNotPresent = 13,    /* the voice could not be selected */
    QVTTSExportOutOfMemory = 22,
    QVTTSExportFileError = 30,     /* the file could not be created, written or put in place */
    QVTTSExportBufferTooSmall = 31 /* *bufferSize holds the size the audio needs */
} QVTTSExportReturnValue;

/* Flags of QVTTSExportToFileEx (argument 15). */
#define QVTTS_EXPORT_IN_PLACE 1

typedef enum QVTTSParamInfoReturnValue {
    QVTTSParamInfoSuccess = 0,
    QVTTSParamInfoUnknownParameter = 1
} QVTTSParamInfoReturnValue;

typedef enum QVTTSVoiceInfoReturnValue {
    QVTTSVoiceInfoSuccess = 0,
    QVTTSVoiceInfoNoVoice = 1
} QVTTSVoiceInfoReturnValue;

typedef enum UninitQVTTSEngineReturnValue { QVTTSUninitSuccess = 0 } UninitQVTTSEngineReturnValue;

typedef enum LoadQVTTSUserDictReturnValue {
    QVTTSLoadDictSuccess = 0,
    QVTTSLoadDictTextMissing = 4,
    QVTTSLoadDictInvalidArgument = 7,
    QVTTSLoadDictPhonemesNotConvertible = 8,
    QVTTSLoadDictUnknownPartOfSpeech = 10,
    QVTTSLoadDictLexiconError = 11, /* lexicon error 0x80045035 */
    QVTTSLoadDictOutOfMemory = 12,
    QVTTSLoadDictNoPhoneConverter = 13 /* or any other lexicon error */
} LoadQVTTSUserDictReturnValue;

typedef enum UnloadQVTTSUserDictReturnValue {
    QVTTSUnloadDictSuccess = 0,
    QVTTSUnloadDictNotLoaded = 3,
    QVTTSUnloadDictRemovalFailed = 4, /* unknown keyword or removal refused */
    QVTTSUnloadDictPhonemesNotConvertible = 5,
    QVTTSUnloadDictNoPhoneConverter = 6
} UnloadQVTTSUserDictReturnValue;

/* Results of MSSAPIAddRemoveWord (a plain 32-bit integer). */
enum {
    QVTTSWordSuccess = 0,
    QVTTSWordRemovalRefused = 4, /* remove mode */
    QVTTSWordRemovePhonemesNotConvertible = 5,
    QVTTSWordRemoveNoPhoneConverter = 6,
    QVTTSWordInvalidArgument = 7, /* add mode */
    QVTTSWordAddPhonemesNotConvertible = 8,
    QVTTSWordLexiconError = 11, /* lexicon error 0x80045035 */
    QVTTSWordOutOfMemory = 12,
    QVTTSWordAddNoPhoneConverter = 13 /* or any other lexicon error */
};

/* Parts of speech for lexicon entries. */
enum {
    QVTTSPartOfSpeechNotOverridden = -1,
    QVTTSPartOfSpeechUnknown = 0,
    QVTTSPartOfSpeechNoun = 0x1000,
    QVTTSPartOfSpeechVerb = 0x2000,
    QVTTSPartOfSpeechModifier = 0x3000,
    QVTTSPartOfSpeechFunction = 0x4000,
    QVTTSPartOfSpeechInterjection = 0x5000
};

/* Parameter identifiers of GetQVTTSEngineInfo: (maximum, default, minimum)
 * of speaking rate and pitch in percent, and of volume. */
enum {
    QVTTSParamRateMax = 11,
    QVTTSParamRateDefault = 12,
    QVTTSParamRateMin = 13,
    QVTTSParamPitchMax = 14,
    QVTTSParamPitchDefault = 15,
    QVTTSParamPitchMin = 16,
    QVTTSParamVolumeMax = 17,
    QVTTSParamVolumeDefault = 18,
    QVTTSParamVolumeMin = 19
};

/* ------------------------------------------------------------------------ */
/* Records                                                                   */
/* ------------------------------------------------------------------------ */

/* One voice. Allocated by the library with malloc; name separately. */
typedef struct QVTTSVoiceInfo
{
    QVTTSVoiceEngineType engineType; /* always 3 */
    char *name;                      /* UTF-8 description, NUL-terminated */
    int32_t attribute;               /* always -1; passed back to QVTTSSpeak */
    uint16_t language;               /* always 0 */
} QVTTSVoiceInfo;

/* One node of the installed-voices list. The first node belongs to the
 * caller (allocated with malloc); the rest are the library's. The list is
 * walked by the count GetQVTTSInstalledVoices reported: the last node's next
 * link is not set. */
typedef struct QVTTSVoiceInfoCollection
{
    struct QVTTSVoiceInfoCollection *next;
    QVTTSVoiceInfo *info;
} QVTTSVoiceInfoCollection;

/* The slot table: engine types 0 x18 then 1, 2, 4, 3; results 9 x21 then the
 * speech platform's start result (0 or 33). */
typedef struct InitQVTTSEngineReturnValueEx
{
    QVTTSVoiceEngineType engineTypes[QVTTS_ENGINE_SLOTS];
    InitQVTTSEngineReturnValue results[QVTTS_ENGINE_SLOTS];
} InitQVTTSEngineReturnValueEx;

/* Word and export callbacks: (first, last), or (0, -1) at the end. */
typedef void (*QVTTSWordCallBack)(int first, int last);
typedef void (*QVTTSExportCallBack)(int first, int last);

/* ------------------------------------------------------------------------ */
/* Voice catalogue                                                           */
/* ------------------------------------------------------------------------ */

/* 1. Number of voices in the catalogue built at initialisation (0 before). */
QVTTS_EXPORT uint32_t GetQVTTSNumVoices(void);

/* 2. Enumerates the installed voices afresh (independent of the catalogue).
 * The first voice goes into *first (caller's node, info set); each further
 * voice into a node allocated by the library and linked from the previous
 * one. *count receives the number of voices. Always returns 0 (count 0 when
 * the voices cannot be enumerated). Free with
 * CleanQVTTSInstalledVoicesRetrieval. A null first or count returns 0 and
 * writes nothing. */
QVTTS_EXPORT QVTTSVoiceInfoReturnValue GetQVTTSInstalledVoices(QVTTSVoiceInfoCollection *first,
                                                               uint32_t *count);

/* 3. Frees the list of the last GetQVTTSInstalledVoices: every node after
 * the first, every info record and name, and the caller's first node (with
 * free). The first node must not be used afterwards. Null is ignored. */
QVTTS_EXPORT void CleanQVTTSInstalledVoicesRetrieval(QVTTSVoiceInfoCollection *first);

/* 20. Copies voice `index` of the catalogue: engine type, the name with its
 * terminator into name (the buffer must hold the longest name), the name's
 * length in bytes without terminator, attribute and language. Returns 0, or
 * 1 without writing anything when index is outside the catalogue (negative
 * included). Null output pointers are skipped. */
QVTTS_EXPORT QVTTSVoiceInfoReturnValue GetQVTTSVoice(int32_t index,
                                                     QVTTSVoiceEngineType *engineType, char *name,
                                                     int32_t *nameLength, int32_t *attribute,
                                                     uint16_t *language);

/* 16. Value ranges for engine type 3: writes the 32-bit value of parameter
 * (QVTTSParam*) to *out and returns 0; returns 1 for an unknown identifier.
 * Any other engine type returns 0 and writes nothing. language, the integer
 * and the string are not read. */
QVTTS_EXPORT QVTTSParamInfoReturnValue GetQVTTSEngineInfo(QVTTSVoiceEngineType engineType,
                                                          uint16_t language, int16_t parameter,
                                                          void *out, int32_t reserved,
                                                          const char *reservedText);

/* 21-23. Language identifiers: low 10 bits primary, high 6 bits sublanguage.
 * No initialisation needed. */
QVTTS_EXPORT uint16_t MakeLanguage(uint16_t primary, uint16_t sub);
QVTTS_EXPORT uint16_t GetMainLanguage(uint16_t language);
QVTTS_EXPORT uint16_t GetSubLanguage(uint16_t language);

/* ------------------------------------------------------------------------ */
/* Lifecycle                                                                 */
/* ------------------------------------------------------------------------ */

/* 4. Initialises the engine for host window `window` (owned by the calling
 * thread) and hooks it: the library's window procedure handles WM_APP,
 * QVTTS_WORD_MESSAGE and QVTTS_EXPORT_MESSAGE and passes every message on to
 * the window's previous procedure. The 18-entry string arrays are not read
 * (may be null). Returns the library's slot table, valid and unchanged until
 * the next initialisation; the caller does not free it. Initialising again
 * appends the voices to the catalogue a second time. */
QVTTS_EXPORT InitQVTTSEngineReturnValueEx *
InitQVTTSEngineEx(HWND window, const char *const *configA, const char *const *configB);

/* 5. As InitQVTTSEngineEx, but writes the slot table into the caller's
 * arrays of 22 entries (null ones are skipped). */
QVTTS_EXPORT void InitQVTTSEngineEx2(HWND window, const char *const *configA,
                                     const char *const *configB, QVTTSVoiceEngineType *engineTypes,
                                     InitQVTTSEngineReturnValue *results);

/* 18. As InitQVTTSEngineEx2, but does not hook the window: no callback is
 * called and the voice keeps no events, since nothing would take them; the
 * window gets one bare WM_APP when speech events first come. The 36 strings
 * are not read. A null window, or a hooked one that is destroyed, likewise
 * keeps no events. */
QVTTS_EXPORT void InitQVTTSEngineEx3(
    HWND window, const char *s1, const char *s2, const char *s3, const char *s4, const char *s5,
    const char *s6, const char *s7, const char *s8, const char *s9, const char *s10,
    const char *s11, const char *s12, const char *s13, const char *s14, const char *s15,
    const char *s16, const char *s17, const char *s18, const char *s19, const char *s20,
    const char *s21, const char *s22, const char *s23, const char *s24, const char *s25,
    const char *s26, const char *s27, const char *s28, const char *s29, const char *s30,
    const char *s31, const char *s32, const char *s33, const char *s34, const char *s35,
    const char *s36, QVTTSVoiceEngineType *engineTypes, InitQVTTSEngineReturnValue *results);

/* 6. Stops speech, releases the voice and output, empties the catalogue and
 * unloads the user dictionaries. The window hook stays installed (messages
 * arriving later are passed on untouched). Always returns 0. Returns at once
 * whatever text is being read. A host that ends without calling it is safe:
 * the engine stops its threads when the process exits, before anything
 * they use is destroyed, and later calls fail cleanly. */
QVTTS_EXPORT UninitQVTTSEngineReturnValue UninitQVTTSEngine(void);

/* ------------------------------------------------------------------------ */
/* Speaking                                                                  */
/* ------------------------------------------------------------------------ */

/* 17. Registers the word callback (replaces any earlier one; null unsets).
 * Called on the host window's thread with (first, last) for each spoken word
 * and (0, -1) at the end of each queued text. */
QVTTS_EXPORT void SetQVTTSOnWordCallBack(QVTTSWordCallBack callBack);

/* 24. Speak punctuation in every later QVTTSSpeak. */
QVTTS_EXPORT void SetMSSAPISpeakPunc(bool on);

/* 9. Queues text (UTF-8, NUL-terminated) on the voice named voiceName (exact,
 * case-sensitive catalogue name) and returns at once. pitch and rate are
 * percentages (100 normal, hosts use 30..350; -1 leaves unchanged / no pitch
 * prefix); volume 0..100 (-1 unchanged). With a pitch the text is prefixed
 * with "<pitch middle = 'N'/>" and word positions count that prefix.
 * textType 1 is XML, anything else plain text. audioFormat is a stream
 * format number of the audio format catalogue, or -1 to keep the output.
 * window, attribute and the two reserved integers are not read; language is
 * kept but unused. Results: QVTTSSpeakReturnValue; besides those of the
 * type's comments, 9 for a null voice name or text and 7 when the engine is
 * not initialised. The library keeps nothing of the caller's strings. */
QVTTS_EXPORT QVTTSSpeakReturnValue QVTTSSpeak(HWND window, QVTTSVoiceEngineType engineType,
                                              const char *voiceName, int32_t attribute,
                                              uint16_t language, const char *text, int32_t pitch,
                                              int32_t rate, int32_t volume, int32_t reserved1,
                                              int32_t reserved2, QVTTSTextType textType,
                                              int16_t audioFormat);

/* 10. Pauses the voice: 0, or 15 when the voice cannot pause (or the engine
 * is not initialised). */
QVTTS_EXPORT QVTTSPauseReturnValue QVTTSPause(QVTTSVoiceEngineType engineType, uint16_t language);

/* 11. Resumes the voice: 0, or 97 when the voice cannot resume (or the engine
 * is not initialised). */
QVTTS_EXPORT QVTTSResumeReturnValue QVTTSResume(QVTTSVoiceEngineType engineType, uint16_t language);

/* 12. Drops the text being spoken and everything queued: 0, or
 * QVTTSStopReturnValue for the platform's failure (6 when the engine is not
 * initialised). No word or end event of a dropped text reaches the host
 * afterwards, even one already queued. */
QVTTS_EXPORT QVTTSStopReturnValue QVTTSStop(QVTTSVoiceEngineType engineType, uint16_t language);

/* ------------------------------------------------------------------------ */
/* Export                                                                    */
/* ------------------------------------------------------------------------ */

/* 19. Registers the export callback (replaces any earlier one; null unsets).
 * It is called on the host window's thread with (0, -1) once per export of
 * engine type 3, successful or not, after the export function returned: the
 * export posts QVTTS_EXPORT_MESSAGE (0, -1) to the host window, whose hooked
 * procedure calls the callback. With InitQVTTSEngineEx3 the message reaches
 * the window and no callback is called. */
QVTTS_EXPORT void SetQVTTSOnExportCallBack(QVTTSExportCallBack callBack);

/* 13. Renders text into the WAV file outputFile (UTF-8 path), 22050 Hz
 * 16-bit mono; arguments 1-11 as QVTTSSpeak's 2-12 with their rules (voice
 * by exact name, pitch prefix, rate, volume, markup, the punctuation
 * switch). Returns when the file is complete: rendering runs as fast as the
 * synthesiser allows and streams to the file, whatever the text's length.
 * The audio is written under a hidden partial name in the same folder
 * ("." + file name + "." + process id + ".part") and replaces outputFile
 * only when complete: a failed export leaves an existing file untouched
 * and no partial file behind. Needs an initialised engine (7 otherwise); 0
 * with nothing done for an engine type other than 3. Results:
 * QVTTSExportReturnValue. attribute, language, the reserved integers and
 * reserved3 are not read; the library keeps nothing of the caller's. */
QVTTS_EXPORT QVTTSExportReturnValue QVTTSExportToFile(
    QVTTSVoiceEngineType engineType, const char *voiceName, int32_t attribute, uint16_t language,
    const char *text, int32_t pitch, int32_t rate, int32_t volume, int32_t reserved1,
    int32_t reserved2, QVTTSTextType textType, const char *outputFile, void *reserved3);

/* 14. As QVTTSExportToFile in the stream format audioFormat of the audio
 * format catalogue: PCM (4-39), A-law (41-48), u-law (49-56), MS ADPCM
 * (57-64) as WAV files, GSM 6.10 (65-68) as WAV files of that encoding;
 * TrueSpeech (40) and unknown numbers give 10 and write nothing.
 * formatToken (may be null) is the format family of the catalogue row:
 * "aiff" writes an AIFF file of 16 kHz 16-bit mono and "snd" an AU file of
 * 8 kHz 16-bit mono whatever audioFormat says; other tokens follow
 * audioFormat. flags: QVTTS_EXPORT_IN_PLACE writes straight at outputFile
 * (for a caller's own intermediate that a reader follows while it grows:
 * the header is brought up to date about every second of audio); removed
 * again on failure. reserved4 is not read. */
QVTTS_EXPORT QVTTSExportReturnValue QVTTSExportToFileEx(
    QVTTSVoiceEngineType engineType, const char *voiceName, int32_t attribute, uint16_t language,
    const char *text, int32_t pitch, int32_t rate, int32_t volume, int32_t reserved1,
    int32_t reserved2, QVTTSTextType textType, const char *outputFile, int16_t audioFormat,
    const char *formatToken, int32_t flags, int32_t reserved4);

/* 15. Renders text into the caller's buffer as the image of a WAV file in
 * stream format audioFormat (-1: 22050 Hz 16-bit mono), with pitch, rate,
 * volume and the other rules of QVTTSExportToFile. *bufferSize holds the
 * buffer's room on entry and the image's size in bytes on return; when the
 * image does not fit, the result is 31, *bufferSize holds the size needed
 * and the buffer's content is not a complete file (a null buffer with size
 * 0 asks for the size). value5 to value7 are not read. */
QVTTS_EXPORT QVTTSExportReturnValue
QVTTSExportToBuffer(QVTTSVoiceEngineType engineType, const char *voiceName, int32_t attribute,
                    uint16_t language, const char *text, char *buffer, int32_t *bufferSize,
                    int32_t pitch, int32_t rate, int32_t volume, int32_t audioFormat, int32_t value5,
                    int32_t value6, int32_t value7, QVTTSTextType textType, void *reserved);

/* ------------------------------------------------------------------------ */
/* Lexicon                                                                  */
/* ------------------------------------------------------------------------ */

/* 25. Adds (remove == 0) or removes (any other value) one word with its
 * phonemes (UTF-8, the language's phone set, blank-separated) in the user's
 * lexicon, which lives in the user's data folder and outlives the engine.
 * language and partOfSpeech are used as 16-bit values. No initialisation
 * needed. Adding replaces the same pronunciation if present. Add results:
 * 0, 7 invalid word, 8 phonemes not convertible, 11 lexicon full, 12 out of
 * memory, 13 no phone converter for the language or another lexicon error.
 * Remove results: 0, 4 not in the lexicon (or refused), 5 phonemes not
 * convertible, 6 no phone converter. */
QVTTS_EXPORT int32_t MSSAPIAddRemoveWord(const char *word, const char *phonemes, uint32_t language,
                                         int32_t partOfSpeech, unsigned char remove);

/* 7. Loads a user dictionary text under name and adds its words. The text
 * holds entries each introduced and ended by a line feed: "word {phonemes}"
 * with an optional "/keyword" (noun, verb, modifier, function, interjection,
 * unknown, notoverriden; case-sensitive); an entry without a keyword takes
 * the one before it, the first noun. A last entry without its line feed is
 * not read. Loading a name again replaces its table entry; the words added
 * under it before stay. The library keeps its own copy of the text (the
 * caller's may go at once). The first failing entry ends the load with its
 * code (earlier ones stay added, the name stays loaded): 4 text null,
 * 7/8/11/12/13 as MSSAPIAddRemoveWord adds, 10 unknown keyword. An engine
 * type other than 3 returns 0 and does nothing. */
QVTTS_EXPORT LoadQVTTSUserDictReturnValue LoadQVTTSUserDict(
    int32_t reserved1, const char *name, const char *reserved2, QVTTSVoiceEngineType engineType,
    uint16_t language, const char *reserved3, const char *text);

/* 8. Removes the words of the dictionary loaded under name and forgets the
 * name: 0, 3 no dictionary of that name, 4 unknown keyword or a word not in
 * the lexicon, 5 phonemes not convertible, 6 no phone converter; the first
 * failing entry ends the unload. UninitQVTTSEngine unloads every dictionary
 * still loaded. An engine type other than 3 returns 0 and does nothing. */
QVTTS_EXPORT UnloadQVTTSUserDictReturnValue UnloadQVTTSUserDict(int32_t reserved1, const char *name,
                                                                QVTTSVoiceEngineType engineType,
                                                                uint16_t reserved2);

#ifdef __cplusplus
}
static_assert(sizeof(QVTTSVoiceEngineType) == 4, "engine type is 32-bit");
static_assert(sizeof(InitQVTTSEngineReturnValueEx) == 2 * 22 * 4, "slot table layout");
#endif
