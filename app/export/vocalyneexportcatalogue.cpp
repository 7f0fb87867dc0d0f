// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneexportcatalogue.h"

#include "vocalynesettingskeys.h"
#include "vocalynesettingsvalue.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

struct CatalogueRow
{
    const char *name;
    const char *strToken;
    int intToken;
    int rate;
    int channels;
    int bits;
};

// The stream format numbers of rows 2 to 66 run in the engine's order; the
// AIFF row borrows 16 and the AU row has none (-1): their real encodings
// come from the token, not from the number.
const CatalogueRow kRows[VocalyneExportCatalogue::RowCount] = {
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "AIFF (Audio Interchange File Format)"), "aiff",
     16, 16000, 1, 16},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 8 KHz 8 bit Mono"), "pcm8", 4, 8000, 1, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 8 KHz 8 bit Stereo"), "pcm8", 5, 8000, 2, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 8 KHz 16 bit Mono"), "pcm16", 6, 8000, 1,
     16},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 8 KHz 16 bit Stereo"), "pcm16", 7, 8000, 2,
     16},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 11.025 KHz 8 bit Mono"), "pcm8", 8, 11025, 1,
     8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 11.025 KHz 8 bit Stereo"), "pcm8", 9, 11025,
     2, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 11.025 KHz 16 bit Mono"), "pcm16", 10, 11025,
     1, 16},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 11.025 KHz 16 bit Stereo"), "pcm16", 11,
     11025, 2, 16},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 12 KHz 8 bit Mono"), "pcm8", 12, 12000, 1,
     8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 12 KHz 8 bit Stereo"), "pcm8", 13, 12000, 2,
     8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 12 KHz 16 bit Mono"), "pcm16", 14, 12000, 1,
     16},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 12 KHz 16 bit Stereo"), "pcm16", 15, 12000,
     2, 16},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 16 KHz 8 bit Mono"), "pcm8", 16, 16000, 1,
     8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 16 KHz 8 bit Stereo"), "pcm8", 17, 16000, 2,
     8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 16 KHz 16 bit Mono"), "pcm16", 18, 16000, 1,
     16},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 16 KHz 16 bit Stereo"), "pcm16", 19, 16000,
     2, 16},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 22.05 KHz 8 bit Mono"), "pcm8", 20, 22050, 1,
     8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 22.05 KHz 8 bit Stereo"), "pcm8", 21, 22050,
     2, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 22.05 KHz 16 bit Mono"), "pcm16", 22, 22050,
     1, 16},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 22.05 KHz 16 bit Stereo"), "pcm16", 23,
     22050, 2, 16},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 24 KHz 8 bit Mono"), "pcm8", 24, 24000, 1,
     8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 24 KHz 8 bit Stereo"), "pcm8", 25, 24000, 2,
     8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 24 KHz 16 bit Mono"), "pcm16", 26, 24000, 1,
     16},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 24 KHz 16 bit Stereo"), "pcm16", 27, 24000,
     2, 16},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 32 KHz 8 bit Mono"), "pcm8", 28, 32000, 1,
     8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 32 KHz 8 bit Stereo"), "pcm8", 29, 32000, 2,
     8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 32 KHz 16 bit Mono"), "pcm16", 30, 32000, 1,
     16},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 32 KHz 16 bit Stereo"), "pcm16", 31, 32000,
     2, 16},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 44.1 KHz 8 bit Mono"), "pcm8", 32, 44100, 1,
     8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 44.1 KHz 8 bit Stereo"), "pcm8", 33, 44100,
     2, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 44.1 KHz 16 bit Mono"), "pcm16", 34, 44100,
     1, 16},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 44.1 KHz 16 bit Stereo"), "pcm16", 35, 44100,
     2, 16},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 48 KHz 8 bit Mono"), "pcm8", 36, 48000, 1,
     8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 48 KHz 8 bit Stereo"), "pcm8", 37, 48000, 2,
     8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 48 KHz 16 bit Mono"), "pcm16", 38, 48000, 1,
     16},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV 48 KHz 16 bit Stereo"), "pcm16", 39, 48000,
     2, 16},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV TrueSpeech 8 kHz 1 bit Mono"), "pcm1", 40,
     8000, 1, 1},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV CCITT A-Law 8 KHz 8 bit Mono"), "alaw", 41,
     8000, 1, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV CCITT A-Law 8 KHz 8 bit Stereo"), "alaw", 42,
     8000, 2, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV CCITT A-Law 11.025 KHz 8 bit Mono"), "alaw",
     43, 11025, 1, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV CCITT A-Law 11.025 KHz 8 bit Stereo"),
     "alaw", 44, 11025, 2, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV CCITT A-Law 22.05 KHz 8 bit Mono"), "alaw",
     45, 22050, 1, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV CCITT A-Law 22.05 KHz 8 bit Stereo"), "alaw",
     46, 22050, 2, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV CCITT A-Law 44.1 KHz 8 bit Mono"), "alaw",
     47, 44100, 1, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV CCITT A-Law 44.1 KHz 8 bit Stereo"), "alaw",
     48, 44100, 2, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV CCITT u-Law 8 KHz 8 bit Mono"), "ulaw", 49,
     8000, 1, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV CCITT u-Law 8 KHz 8 bit Stereo"), "ulaw", 50,
     8000, 2, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV CCITT u-Law 11.025 KHz 8 bit Mono"), "ulaw",
     51, 11025, 1, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV CCITT u-Law 11.025 KHz 8 bit Stereo"),
     "ulaw", 52, 11025, 2, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV CCITT u-Law 22.05 KHz 8 bit Mono"), "ulaw",
     53, 22050, 1, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV CCITT u-Law 22.05 KHz 8 bit Stereo"), "ulaw",
     54, 22050, 2, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV CCITT u-Law 44.1 KHz 8 bit Mono"), "ulaw",
     55, 44100, 1, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV CCITT u-Law 44.1 KHz 8 bit Stereo"), "ulaw",
     56, 44100, 2, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV ADPCM 8 kHz Mono"), "adpcm", 57, 8000, 1, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV ADPCM 8 kHz Stereo"), "adpcm", 58, 8000, 2,
     8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV ADPCM 11.025 kHz Mono"), "adpcm", 59, 11025,
     1, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV ADPCM 11.025 kHz Stereo"), "adpcm", 60,
     11025, 2, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV ADPCM 22.05 kHz Mono"), "adpcm", 61, 22050,
     1, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV ADPCM 22.05 kHz Stereo"), "adpcm", 62, 22050,
     2, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV ADPCM 44.1 kHz Mono"), "adpcm", 63, 44100, 1,
     8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "WAV ADPCM 44.1 kHz Stereo"), "adpcm", 64, 44100,
     2, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "GSM 8 kHz Mono"), "gsm", 65, 8000, 1, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "GSM 11.025 kHz Mono"), "gsm", 66, 11025, 1, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "GSM 22.05 kHz Mono"), "gsm", 67, 22050, 1, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "GSM 44.1 kHz Mono"), "gsm", 68, 44100, 1, 8},
    {QT_TRANSLATE_NOOP("VocalyneExportCatalogue", "AU / SND (Sun/NeXT audio) 8 kHz 16 bit"), "snd",
     -1, 8000, 1, 16},
};

ExportSettingData makeRecord(const CatalogueRow &row)
{
    ExportSettingData data;
    data.strToken = QString::fromLatin1(row.strToken);
    data.intToken = row.intToken;
    data.audioSamplingRate = row.rate;
    data.audioChannels = row.channels;
    data.audioBitRate = row.bits;
    data.formatName = QCoreApplication::translate("VocalyneExportCatalogue", row.name);
    data.isMP3 = false;
    return data;
}

bool matches(const ExportSettingData &row, const ExportSettingData &stored)
{
    return (row.strToken == stored.strToken || row.intToken == stored.intToken) &&
           row.audioSamplingRate == stored.audioSamplingRate &&
           row.audioChannels == stored.audioChannels && row.audioBitRate == stored.audioBitRate;
}

} // namespace

int VocalyneExportCatalogue::registerMetaType()
{
    return qRegisterMetaType<ExportSettingData>("ExportSettingData");
}

QList<ExportSettingData> VocalyneExportCatalogue::rows()
{
    QList<ExportSettingData> list;
    list.reserve(RowCount);
    for (const CatalogueRow &row : kRows)
        list.append(makeRecord(row));
    return list;
}

ExportSettingData VocalyneExportCatalogue::row(int number)
{
    if (number < 1 || number > RowCount)
        return ExportSettingData();
    return makeRecord(kRows[number - 1]);
}

QList<ExportSettingData> VocalyneExportCatalogue::generalList()
{
    QList<ExportSettingData> list;
    list.reserve(RowCount - 2);
    for (int number = AiffRow + 1; number < AuRow; ++number)
        list.append(makeRecord(kRows[number - 1]));
    return list;
}

QList<ExportSettingData> VocalyneExportCatalogue::listForEngineType(int engineType)
{
    if (engineType == 4)
        return {row(AiffRow)};
    return generalList();
}

QString VocalyneExportCatalogue::entryIconPath()
{
    return QStringLiteral(":/Vocalyne/images/icons/png/export16.png");
}

bool VocalyneExportCatalogue::isMp3Allowed(const QString &strToken)
{
    return strToken != QLatin1String("aiff") && strToken != QLatin1String("snd") &&
           strToken != QLatin1String("gsm");
}

ExportSettingData VocalyneExportCatalogue::withMp3Rule(ExportSettingData data)
{
    if (!isMp3Allowed(data.strToken))
        data.isMP3 = false;
    return data;
}

QString VocalyneExportCatalogue::extension(const ExportSettingData &data)
{
    if (data.isMP3)
        return QStringLiteral("mp3");
    if (data.strToken == QLatin1String("aiff"))
        return QStringLiteral("aiff");
    if (data.strToken == QLatin1String("gsm"))
        return QStringLiteral("gsm");
    if (data.strToken == QLatin1String("snd"))
        return QStringLiteral("au");
    return QStringLiteral("wav");
}

QString VocalyneExportCatalogue::quickExportExtension(const ExportSettingData &data)
{
    if (!data.isMP3 && data.strToken == QLatin1String("snd"))
        return QStringLiteral("snd");
    return extension(data);
}

ExportSettingData VocalyneExportCatalogue::readStored(const QSettings &settings)
{
    namespace Keys = VocalyneSettingsKeys;
    ExportSettingData data;
    data.strToken = VocalyneSettingsValue::readText(settings, Keys::AudioFormatStrToken, QString());
    data.intToken = VocalyneSettingsValue::readInt(settings, Keys::AudioFormatIntToken, 0);
    data.audioSamplingRate =
        VocalyneSettingsValue::readInt(settings, Keys::AudioFormatSamplingRate, 0);
    data.audioChannels = VocalyneSettingsValue::readInt(settings, Keys::AudioFormatChannels, 0);
    data.audioBitRate = VocalyneSettingsValue::readInt(settings, Keys::AudioFormatBitRate, 0);
    data.isMP3 = VocalyneSettingsValue::readInt(settings, Keys::AudioFormatIsMP3, 0) != 0;
    return data;
}

void VocalyneExportCatalogue::writeStored(QSettings &settings, const ExportSettingData &data)
{
    namespace Keys = VocalyneSettingsKeys;
    settings.setValue(Keys::AudioFormatStrToken, data.strToken);
    settings.setValue(Keys::AudioFormatIntToken, data.intToken);
    settings.setValue(Keys::AudioFormatSamplingRate, data.audioSamplingRate);
    settings.setValue(Keys::AudioFormatChannels, data.audioChannels);
    settings.setValue(Keys::AudioFormatBitRate, data.audioBitRate);
    settings.setValue(Keys::AudioFormatIsMP3, data.isMP3 ? 1 : 0);
}

VocalyneExportCatalogue::Selection
VocalyneExportCatalogue::selectStored(const QList<ExportSettingData> &list,
                                      const QSettings &settings)
{
    const ExportSettingData stored = readStored(settings);
    return selectStored(list, stored, stored.isMP3);
}

VocalyneExportCatalogue::Selection
VocalyneExportCatalogue::selectStored(const QList<ExportSettingData> &list,
                                      const ExportSettingData &stored, bool storedIsMp3)
{
    Selection selection;
    for (int i = 0; i < list.size(); ++i) {
        if (matches(list.at(i), stored)) {
            selection.index = i;
            selection.matched = true;
        }
    }
    if (selection.matched) {
        selection.mp3Visible = isMp3Allowed(list.at(selection.index).strToken);
        selection.mp3Checked = selection.mp3Visible && storedIsMp3;
    } else {
        selection.mp3Visible = list.isEmpty() || isMp3Allowed(list.first().strToken);
        selection.mp3Checked = false;
    }
    return selection;
}

bool VocalyneExportCatalogue::fromVariant(const QVariant &value, ExportSettingData &out)
{
    if (value.metaType() != QMetaType::fromType<ExportSettingData>())
        return false;
    out = value.value<ExportSettingData>();
    return true;
}

ExportSettingData VocalyneExportCatalogue::chosen(const QVariant &itemData, bool mp3Checked)
{
    ExportSettingData data;
    if (!fromVariant(itemData, data))
        return ExportSettingData();
    data.isMP3 = mp3Checked;
    return withMp3Rule(data);
}
