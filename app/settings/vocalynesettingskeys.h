// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QLatin1String>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

/// Every key of the settings store, named once. The names are an interface
/// between the programs (the add-ins read "DefaultSpeechValues" directly), so
/// they never change. Integers are stored as integers; booleans as 0 or 1 and
/// read by integer conversion (nonzero means on).
namespace VocalyneSettingsKeys {

// Group "DefaultSpeechValues": defaults for new documents, speaking and export.
inline constexpr QLatin1String DefaultSpeechValuesGroup("DefaultSpeechValues");
inline constexpr QLatin1String VoiceEngineTypeId("DefaultSpeechValues/voiceEngineTypeId");
inline constexpr QLatin1String VoiceName("DefaultSpeechValues/voiceName");
inline constexpr QLatin1String VoiceId("DefaultSpeechValues/voiceId");
inline constexpr QLatin1String LangId("DefaultSpeechValues/langId");
inline constexpr QLatin1String Speed("DefaultSpeechValues/speed");
inline constexpr QLatin1String Volume("DefaultSpeechValues/volume");
inline constexpr QLatin1String Pitch("DefaultSpeechValues/pitch");
inline constexpr QLatin1String SentPause("DefaultSpeechValues/sentPause");
inline constexpr QLatin1String Highlight("DefaultSpeechValues/highlight");
inline constexpr QLatin1String IsXml("DefaultSpeechValues/isXml");
inline constexpr QLatin1String VoiceOutputFormat("DefaultSpeechValues/voiceOutputFormat");
inline constexpr QLatin1String SimulBatchExpProcNum("DefaultSpeechValues/simulBatchExpProcNum");
inline constexpr QLatin1String AudioFormatStrToken("DefaultSpeechValues/audioFormat/strToken");
inline constexpr QLatin1String AudioFormatIntToken("DefaultSpeechValues/audioFormat/intToken");
inline constexpr QLatin1String AudioFormatSamplingRate(
    "DefaultSpeechValues/audioFormat/audioSamplingRate");
inline constexpr QLatin1String AudioFormatChannels("DefaultSpeechValues/audioFormat/audioChannels");
inline constexpr QLatin1String AudioFormatBitRate("DefaultSpeechValues/audioFormat/audioBitRate");
inline constexpr QLatin1String AudioFormatIsMP3("DefaultSpeechValues/audioFormat/isMP3");

// Values used at first run and whenever the key is missing.
inline constexpr int DefaultSpeed = 100;
inline constexpr int DefaultVolume = 100;
inline constexpr int DefaultPitch = 100;
inline constexpr int DefaultSentPause = 670;
inline constexpr int DefaultHighlight = 1;
inline constexpr int DefaultIsXml = 1;
inline constexpr int DefaultVoiceOutputFormat = 18; ///< not written at first run
inline constexpr int DefaultSimulBatchExpProcNum = 3;
inline constexpr QLatin1String DefaultAudioFormatStrToken("pcm16");
inline constexpr int DefaultAudioFormatIntToken = 18;
inline constexpr int DefaultAudioFormatSamplingRate = 16000;
inline constexpr int DefaultAudioFormatChannels = 1;
inline constexpr int DefaultAudioFormatBitRate = 16;
inline constexpr int DefaultAudioFormatIsMP3 = 1;

// Other single keys.
inline constexpr QLatin1String DocumentFont("DocumentFont/font"); ///< missing: toolkit default font
inline constexpr QLatin1String FileHistoryRecord("FileHistory/record");
inline constexpr int DefaultFileHistoryRecord = 1;
inline constexpr QLatin1String ClipboardWatchEnabled("ClipboardWatch/enabled");
inline constexpr QLatin1String ClipboardWatchNotify("ClipboardWatch/notify");
inline constexpr QLatin1String ClipboardWatchCharLimit("ClipboardWatch/charLimit");
inline constexpr int DefaultClipboardWatchEnabled = 0;
inline constexpr int DefaultClipboardWatchNotify = 0;
inline constexpr int DefaultClipboardWatchCharLimit = 0; ///< 0 means no limit

// Recent files: "RecentFiles/numOfItems" and the numbered list "RecentFiles/<i>/path"
// (0 is the newest). numOfItems is 5 when missing or stored as -1.
inline constexpr QLatin1String RecentFilesGroup("RecentFiles");
inline constexpr QLatin1String RecentFilesNumOfItems("RecentFiles/numOfItems");
inline constexpr QLatin1String RecentFilePath("path");
inline constexpr int DefaultRecentFilesNumOfItems = 5;
inline constexpr int MaxRecentFilesNumOfItems = 100;

// Spell-check dictionaries: "SpellCheckDictionaries/<n>/<field>".
inline constexpr QLatin1String SpellCheckDictionariesGroup("SpellCheckDictionaries");
inline constexpr QLatin1String SpellCheckDictionaryName("name");
inline constexpr QLatin1String SpellCheckDictionaryPath("path");
inline constexpr QLatin1String SpellCheckDictionaryIsEnabled("isEnabled"); ///< missing: 0
inline constexpr QLatin1String SpellCheckDictionaryIsDefault("isDefault"); ///< missing: 0

// Pronunciation corrections: "UserDictionary/<n>/<field>".
inline constexpr QLatin1String UserDictionaryGroup("UserDictionary");
inline constexpr QLatin1String UserDictionarySource("source");
inline constexpr QLatin1String UserDictionaryTarget("target");
inline constexpr QLatin1String UserDictionaryLangName("langName");
inline constexpr QLatin1String UserDictionaryLangId("langId");
inline constexpr QLatin1String UserDictionaryPartOfSpName("partOfSpName");
inline constexpr QLatin1String UserDictionaryPartOfSpId("partOfSpId");
inline constexpr QLatin1String UserDictionaryIsPhoneme("isPhoneme");
inline constexpr QLatin1String UserDictionaryIsEnabled("isEnabled");

// The element-type catalogue: one group per type under "SpeechElements"
// ("SpeechElements/<type>/<field>"); the program ships the type "pause".
inline constexpr QLatin1String SpeechElementsGroup("SpeechElements");
inline constexpr QLatin1String ElementHasNumberValue("hasNumberValue");
inline constexpr QLatin1String ElementHasTextValue("hasTextValue");
inline constexpr QLatin1String ElementNumberValueMin("numberValueMin");
inline constexpr QLatin1String ElementNumberValueMax("numberValueMax");
inline constexpr QLatin1String ElementAboutText("aboutText"); ///< + "_" + locale for translations
inline constexpr QLatin1String ElementSpeechXml("speechXML"); ///< + "/" + engine type
inline constexpr QLatin1String PauseElementType("pause");

/// "SpeechElements/<type>/<field>".
QString elementKey(const QString &type, QLatin1String field);
/// "SpeechElements/<type>/speechXML/<engineType>": the markup template of an
/// element type for one voice engine type.
QString elementTemplateKey(const QString &type, int engineType);
/// "<group>/<index>/<field>" for the numbered lists.
QString listItemKey(QLatin1String group, int index, QLatin1String field);

/// What a key holds.
enum class ValueType {
    Integer, ///< 32-bit integer
    Boolean, ///< integer 0 or 1
    Text,
};

/// How the value used when a key is missing is found.
enum class MissingValue {
    Fixed,      ///< defaultValue holds it
    FirstVoice, ///< taken from the first installed voice at first run
    Toolkit,    ///< the toolkit's own default (the default font)
    None,       ///< an item of a numbered list: no value
};

/// One row of the key table. Numbered-list rows name their key with "<n>"
/// in place of the number ("RecentFiles/<n>/path").
struct KeyInfo
{
    QString key;
    ValueType type;
    MissingValue missing;
    QVariant defaultValue; ///< for MissingValue::Fixed
};

/// The shipped "pause" type: every "SpeechElements/pause/..." key with its
/// value (integers as int, texts as QString), in a fixed order.
QList<QPair<QString, QVariant>> pauseCatalogue();

/// Every key of the store, each once, with its type and missing value. The
/// "SpeechElements/pause" rows hold the shipped catalogue.
const QList<KeyInfo> &allKeys();

/// The value a key takes when it is missing, or an invalid QVariant when
/// the key has no fixed one (unknown keys included).
QVariant missingValue(const QString &key);

} // namespace VocalyneSettingsKeys
