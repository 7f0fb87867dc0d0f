// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynefirstrundefaults.h"

#include "vocalynesettingskeys.h"

#include <QCoreApplication>
#include <QSettings>
#include <QVariant>

namespace K = VocalyneSettingsKeys;

namespace {

const QList<QLatin1String> &voiceKeys()
{
    static const QList<QLatin1String> keys = {K::VoiceEngineTypeId, K::VoiceName, K::VoiceId,
                                              K::LangId};
    return keys;
}

// The 13 keys with fixed first-run values; the first seven are also reset
// when the default voice is replaced, because they belong to the voice.
const QList<QPair<QLatin1String, QVariant>> &fixedDefaults()
{
    static const QList<QPair<QLatin1String, QVariant>> values = {
        {K::Pitch, K::DefaultPitch},
        {K::Speed, K::DefaultSpeed},
        {K::Volume, K::DefaultVolume},
        {K::SentPause, K::DefaultSentPause},
        {K::Highlight, K::DefaultHighlight},
        {K::IsXml, K::DefaultIsXml},
        {K::SimulBatchExpProcNum, K::DefaultSimulBatchExpProcNum},
        {K::AudioFormatStrToken, QString(K::DefaultAudioFormatStrToken)},
        {K::AudioFormatIntToken, K::DefaultAudioFormatIntToken},
        {K::AudioFormatSamplingRate, K::DefaultAudioFormatSamplingRate},
        {K::AudioFormatChannels, K::DefaultAudioFormatChannels},
        {K::AudioFormatBitRate, K::DefaultAudioFormatBitRate},
        {K::AudioFormatIsMP3, K::DefaultAudioFormatIsMP3},
    };
    return values;
}
constexpr int VoiceBoundDefaults = 6; // pitch .. isXml

void writeVoice(QSettings &settings, const VocalyneInstalledVoice &voice)
{
    settings.setValue(K::VoiceEngineTypeId, int(voice.engineTypeId));
    settings.setValue(K::VoiceName, voice.name);
    settings.setValue(K::VoiceId, int(voice.voiceId));
    settings.setValue(K::LangId, int(voice.langId));
}

bool storedVoiceInstalled(const QList<VocalyneInstalledVoice> &voices, const QSettings &settings)
{
    bool ok = false;
    const int type = settings.value(K::VoiceEngineTypeId).toInt(&ok);
    if (!ok)
        return false;
    const QString name = settings.value(K::VoiceName).toString();
    for (const VocalyneInstalledVoice &voice : voices)
        if (voice.name == name && voice.engineTypeId == type)
            return true;
    return false;
}

} // namespace

bool VocalyneFirstRunDefaults::isComplete(const QSettings &settings)
{
    for (QLatin1String key : voiceKeys())
        if (!settings.contains(key))
            return false;
    for (const auto &entry : fixedDefaults())
        if (!settings.contains(entry.first))
            return false;
    return true;
}

VocalyneFirstRunDefaults::Result
VocalyneFirstRunDefaults::apply(const QList<VocalyneInstalledVoice> &voices, QSettings &settings)
{
    Result result;
    if (voices.isEmpty()) {
        // Nothing to take a voice from: leave every stored value alone.
        result.warningNeeded = true;
        return result;
    }
    const VocalyneInstalledVoice &first = voices.first();

    if (!isComplete(settings)) {
        // A half-written voice (say the name without its engine type) is
        // worthless, so the four voice keys go together; the user's other
        // choices stay when only some unrelated key is missing.
        bool voiceMissing = false;
        for (QLatin1String key : voiceKeys())
            voiceMissing = voiceMissing || !settings.contains(key);
        if (voiceMissing)
            writeVoice(settings, first);
        for (const auto &entry : fixedDefaults())
            if (!settings.contains(entry.first))
                settings.setValue(entry.first, entry.second);
        result.written = true;
    }

    if (!storedVoiceInstalled(voices, settings)) {
        writeVoice(settings, first);
        for (int i = 0; i < VoiceBoundDefaults; ++i)
            settings.setValue(fixedDefaults().at(i).first, fixedDefaults().at(i).second);
        result.repaired = true;
    }
    return result;
}

VocalyneFirstRunDefaults::Result
VocalyneFirstRunDefaults::apply(const QList<VocalyneInstalledVoice> &voices)
{
    QSettings settings;
    return apply(voices, settings);
}

QString VocalyneFirstRunDefaults::warningText()
{
    return QCoreApplication::translate(
        "QApplication", "Unable to set the default speech settings from the list of voices.");
}
