// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynesettingskeys.h"

#include <QHash>

namespace VocalyneSettingsKeys {

QString elementKey(const QString &type, QLatin1String field)
{
    return SpeechElementsGroup + QLatin1Char('/') + type + QLatin1Char('/') + field;
}

QString elementTemplateKey(const QString &type, int engineType)
{
    return elementKey(type, ElementSpeechXml) + QLatin1Char('/') + QString::number(engineType);
}

QString listItemKey(QLatin1String group, int index, QLatin1String field)
{
    return group + QLatin1Char('/') + QString::number(index) + QLatin1Char('/') + field;
}

namespace {

KeyInfo fixed(QLatin1String key, ValueType type, const QVariant &value)
{
    return {QString(key), type, MissingValue::Fixed, value};
}

KeyInfo listItem(QLatin1String group, QLatin1String field, ValueType type,
                 MissingValue missing = MissingValue::None, const QVariant &value = {})
{
    return {group + QLatin1String("/<n>/") + field, type, missing, value};
}

QString pauseKey(QLatin1String field)
{
    return elementKey(QString(PauseElementType), field);
}

QList<KeyInfo> buildTable()
{
    const auto I = ValueType::Integer;
    const auto B = ValueType::Boolean;
    const auto T = ValueType::Text;
    QList<KeyInfo> t;
    t.append({QString(VoiceEngineTypeId), I, MissingValue::FirstVoice, {}});
    t.append({QString(VoiceName), T, MissingValue::FirstVoice, {}});
    t.append({QString(VoiceId), I, MissingValue::FirstVoice, {}});
    t.append({QString(LangId), I, MissingValue::FirstVoice, {}});
    t.append(fixed(Speed, I, DefaultSpeed));
    t.append(fixed(Volume, I, DefaultVolume));
    t.append(fixed(Pitch, I, DefaultPitch));
    t.append(fixed(SentPause, I, DefaultSentPause));
    t.append(fixed(Highlight, B, DefaultHighlight));
    t.append(fixed(IsXml, B, DefaultIsXml));
    t.append(fixed(VoiceOutputFormat, I, DefaultVoiceOutputFormat));
    t.append(fixed(SimulBatchExpProcNum, I, DefaultSimulBatchExpProcNum));
    t.append(fixed(AudioFormatStrToken, T, QString(DefaultAudioFormatStrToken)));
    t.append(fixed(AudioFormatIntToken, I, DefaultAudioFormatIntToken));
    t.append(fixed(AudioFormatSamplingRate, I, DefaultAudioFormatSamplingRate));
    t.append(fixed(AudioFormatChannels, I, DefaultAudioFormatChannels));
    t.append(fixed(AudioFormatBitRate, I, DefaultAudioFormatBitRate));
    t.append(fixed(AudioFormatIsMP3, B, DefaultAudioFormatIsMP3));

    t.append({QString(DocumentFont), T, MissingValue::Toolkit, {}});
    t.append(fixed(FileHistoryRecord, B, DefaultFileHistoryRecord));
    t.append(fixed(RecentFilesNumOfItems, I, DefaultRecentFilesNumOfItems));
    t.append(listItem(RecentFilesGroup, RecentFilePath, T));
    t.append(fixed(ClipboardWatchEnabled, B, DefaultClipboardWatchEnabled));
    t.append(fixed(ClipboardWatchNotify, B, DefaultClipboardWatchNotify));
    t.append(fixed(ClipboardWatchCharLimit, I, DefaultClipboardWatchCharLimit));

    t.append(listItem(SpellCheckDictionariesGroup, SpellCheckDictionaryName, T));
    t.append(listItem(SpellCheckDictionariesGroup, SpellCheckDictionaryPath, T));
    t.append(listItem(SpellCheckDictionariesGroup, SpellCheckDictionaryIsEnabled, B,
                      MissingValue::Fixed, 0));
    t.append(listItem(SpellCheckDictionariesGroup, SpellCheckDictionaryIsDefault, B,
                      MissingValue::Fixed, 0));

    t.append(listItem(UserDictionaryGroup, UserDictionarySource, T));
    t.append(listItem(UserDictionaryGroup, UserDictionaryTarget, T));
    t.append(listItem(UserDictionaryGroup, UserDictionaryLangName, T));
    t.append(listItem(UserDictionaryGroup, UserDictionaryLangId, I));
    t.append(listItem(UserDictionaryGroup, UserDictionaryPartOfSpName, T));
    t.append(listItem(UserDictionaryGroup, UserDictionaryPartOfSpId, I));
    t.append(listItem(UserDictionaryGroup, UserDictionaryIsPhoneme, B));
    t.append(listItem(UserDictionaryGroup, UserDictionaryIsEnabled, B));

    for (const auto &entry : pauseCatalogue())
        t.append({entry.first, entry.second.typeId() == QMetaType::Int ? I : T,
                  MissingValue::Fixed, entry.second});
    return t;
}

} // namespace

QList<QPair<QString, QVariant>> pauseCatalogue()
{
    return {
        {pauseKey(ElementHasNumberValue), 1},
        {pauseKey(ElementHasTextValue), 0},
        {pauseKey(ElementNumberValueMin), 1},
        {pauseKey(ElementNumberValueMax), 1000000},
        {pauseKey(ElementAboutText),
         QStringLiteral("The pause speech element sets a speech pause (or silence) where "
                        "inserted. The silence duration is represented by the number value, "
                        "which is in milliseconds (1,000 milliseconds = 1 sec). The text value "
                        "is not used by the pause element.")},
        {pauseKey(ElementAboutText) + QLatin1String("_de"),
         QString::fromUtf8(
             "Das Sprachelement \"Pause\" legt eine Sprechpause (oder Stille) fest wenn es in "
             "den Text eingef\xc3\xbcgt wird. Die Dauer der Pause wird durch einen Zahlenwert "
             "beschrieben, genauer in Millisekunden (1000 Millisekunden = 1 Sekunde). Ein "
             "Textwert wird von diesem Sprachelement nicht verwendet.")},
        {elementTemplateKey(QString(PauseElementType), 0),
         QStringLiteral("<vtml_pause time=\"%d\"/>")},
        {elementTemplateKey(QString(PauseElementType), 1), QStringLiteral("<break time=\"%sms\"/>")},
        {elementTemplateKey(QString(PauseElementType), 2), QStringLiteral("<break time=\"%sms\"/>")},
        {elementTemplateKey(QString(PauseElementType), 3), QStringLiteral("<silence msec=\"%s\"/>")},
        {elementTemplateKey(QString(PauseElementType), 4), QStringLiteral("[[slnc %s]]")},
    };
}

const QList<KeyInfo> &allKeys()
{
    static const QList<KeyInfo> table = buildTable();
    return table;
}

QVariant missingValue(const QString &key)
{
    static const QHash<QString, QVariant> byKey = [] {
        QHash<QString, QVariant> h;
        for (const KeyInfo &info : allKeys())
            if (info.missing == MissingValue::Fixed)
                h.insert(info.key, info.defaultValue);
        return h;
    }();
    return byKey.value(key);
}

} // namespace VocalyneSettingsKeys
