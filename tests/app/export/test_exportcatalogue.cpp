// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "../settings/scratchsettings.h"
#include "vocalyneexportcatalogue.h"
#include "vocalynesettingskeys.h"

#include <gtest/gtest.h>

#include <QVariant>

namespace {

struct ExpectedRow
{
    int number;
    const char *name;
    const char *strToken;
    int intToken;
    int rate;
    int channels;
    int bits;
    const char *extension;
};

const ExpectedRow kExpected[] = {
    {1, "AIFF (Audio Interchange File Format)", "aiff", 16, 16000, 1, 16, "aiff"},
    {2, "WAV 8 KHz 8 bit Mono", "pcm8", 4, 8000, 1, 8, "wav"},
    {3, "WAV 8 KHz 8 bit Stereo", "pcm8", 5, 8000, 2, 8, "wav"},
    {4, "WAV 8 KHz 16 bit Mono", "pcm16", 6, 8000, 1, 16, "wav"},
    {5, "WAV 8 KHz 16 bit Stereo", "pcm16", 7, 8000, 2, 16, "wav"},
    {6, "WAV 11.025 KHz 8 bit Mono", "pcm8", 8, 11025, 1, 8, "wav"},
    {7, "WAV 11.025 KHz 8 bit Stereo", "pcm8", 9, 11025, 2, 8, "wav"},
    {8, "WAV 11.025 KHz 16 bit Mono", "pcm16", 10, 11025, 1, 16, "wav"},
    {9, "WAV 11.025 KHz 16 bit Stereo", "pcm16", 11, 11025, 2, 16, "wav"},
    {10, "WAV 12 KHz 8 bit Mono", "pcm8", 12, 12000, 1, 8, "wav"},
    {11, "WAV 12 KHz 8 bit Stereo", "pcm8", 13, 12000, 2, 8, "wav"},
    {12, "WAV 12 KHz 16 bit Mono", "pcm16", 14, 12000, 1, 16, "wav"},
    {13, "WAV 12 KHz 16 bit Stereo", "pcm16", 15, 12000, 2, 16, "wav"},
    {14, "WAV 16 KHz 8 bit Mono", "pcm8", 16, 16000, 1, 8, "wav"},
    {15, "WAV 16 KHz 8 bit Stereo", "pcm8", 17, 16000, 2, 8, "wav"},
    {16, "WAV 16 KHz 16 bit Mono", "pcm16", 18, 16000, 1, 16, "wav"},
    {17, "WAV 16 KHz 16 bit Stereo", "pcm16", 19, 16000, 2, 16, "wav"},
    {18, "WAV 22.05 KHz 8 bit Mono", "pcm8", 20, 22050, 1, 8, "wav"},
    {19, "WAV 22.05 KHz 8 bit Stereo", "pcm8", 21, 22050, 2, 8, "wav"},
    {20, "WAV 22.05 KHz 16 bit Mono", "pcm16", 22, 22050, 1, 16, "wav"},
    {21, "WAV 22.05 KHz 16 bit Stereo", "pcm16", 23, 22050, 2, 16, "wav"},
    {22, "WAV 24 KHz 8 bit Mono", "pcm8", 24, 24000, 1, 8, "wav"},
    {23, "WAV 24 KHz 8 bit Stereo", "pcm8", 25, 24000, 2, 8, "wav"},
    {24, "WAV 24 KHz 16 bit Mono", "pcm16", 26, 24000, 1, 16, "wav"},
    {25, "WAV 24 KHz 16 bit Stereo", "pcm16", 27, 24000, 2, 16, "wav"},
    {26, "WAV 32 KHz 8 bit Mono", "pcm8", 28, 32000, 1, 8, "wav"},
    {27, "WAV 32 KHz 8 bit Stereo", "pcm8", 29, 32000, 2, 8, "wav"},
    {28, "WAV 32 KHz 16 bit Mono", "pcm16", 30, 32000, 1, 16, "wav"},
    {29, "WAV 32 KHz 16 bit Stereo", "pcm16", 31, 32000, 2, 16, "wav"},
    {30, "WAV 44.1 KHz 8 bit Mono", "pcm8", 32, 44100, 1, 8, "wav"},
    {31, "WAV 44.1 KHz 8 bit Stereo", "pcm8", 33, 44100, 2, 8, "wav"},
    {32, "WAV 44.1 KHz 16 bit Mono", "pcm16", 34, 44100, 1, 16, "wav"},
    {33, "WAV 44.1 KHz 16 bit Stereo", "pcm16", 35, 44100, 2, 16, "wav"},
    {34, "WAV 48 KHz 8 bit Mono", "pcm8", 36, 48000, 1, 8, "wav"},
    {35, "WAV 48 KHz 8 bit Stereo", "pcm8", 37, 48000, 2, 8, "wav"},
    {36, "WAV 48 KHz 16 bit Mono", "pcm16", 38, 48000, 1, 16, "wav"},
    {37, "WAV 48 KHz 16 bit Stereo", "pcm16", 39, 48000, 2, 16, "wav"},
    {38, "WAV TrueSpeech 8 kHz 1 bit Mono", "pcm1", 40, 8000, 1, 1, "wav"},
    {39, "WAV CCITT A-Law 8 KHz 8 bit Mono", "alaw", 41, 8000, 1, 8, "wav"},
    {40, "WAV CCITT A-Law 8 KHz 8 bit Stereo", "alaw", 42, 8000, 2, 8, "wav"},
    {41, "WAV CCITT A-Law 11.025 KHz 8 bit Mono", "alaw", 43, 11025, 1, 8, "wav"},
    {42, "WAV CCITT A-Law 11.025 KHz 8 bit Stereo", "alaw", 44, 11025, 2, 8, "wav"},
    {43, "WAV CCITT A-Law 22.05 KHz 8 bit Mono", "alaw", 45, 22050, 1, 8, "wav"},
    {44, "WAV CCITT A-Law 22.05 KHz 8 bit Stereo", "alaw", 46, 22050, 2, 8, "wav"},
    {45, "WAV CCITT A-Law 44.1 KHz 8 bit Mono", "alaw", 47, 44100, 1, 8, "wav"},
    {46, "WAV CCITT A-Law 44.1 KHz 8 bit Stereo", "alaw", 48, 44100, 2, 8, "wav"},
    {47, "WAV CCITT u-Law 8 KHz 8 bit Mono", "ulaw", 49, 8000, 1, 8, "wav"},
    {48, "WAV CCITT u-Law 8 KHz 8 bit Stereo", "ulaw", 50, 8000, 2, 8, "wav"},
    {49, "WAV CCITT u-Law 11.025 KHz 8 bit Mono", "ulaw", 51, 11025, 1, 8, "wav"},
    {50, "WAV CCITT u-Law 11.025 KHz 8 bit Stereo", "ulaw", 52, 11025, 2, 8, "wav"},
    {51, "WAV CCITT u-Law 22.05 KHz 8 bit Mono", "ulaw", 53, 22050, 1, 8, "wav"},
    {52, "WAV CCITT u-Law 22.05 KHz 8 bit Stereo", "ulaw", 54, 22050, 2, 8, "wav"},
    {53, "WAV CCITT u-Law 44.1 KHz 8 bit Mono", "ulaw", 55, 44100, 1, 8, "wav"},
    {54, "WAV CCITT u-Law 44.1 KHz 8 bit Stereo", "ulaw", 56, 44100, 2, 8, "wav"},
    {55, "WAV ADPCM 8 kHz Mono", "adpcm", 57, 8000, 1, 8, "wav"},
    {56, "WAV ADPCM 8 kHz Stereo", "adpcm", 58, 8000, 2, 8, "wav"},
    {57, "WAV ADPCM 11.025 kHz Mono", "adpcm", 59, 11025, 1, 8, "wav"},
    {58, "WAV ADPCM 11.025 kHz Stereo", "adpcm", 60, 11025, 2, 8, "wav"},
    {59, "WAV ADPCM 22.05 kHz Mono", "adpcm", 61, 22050, 1, 8, "wav"},
    {60, "WAV ADPCM 22.05 kHz Stereo", "adpcm", 62, 22050, 2, 8, "wav"},
    {61, "WAV ADPCM 44.1 kHz Mono", "adpcm", 63, 44100, 1, 8, "wav"},
    {62, "WAV ADPCM 44.1 kHz Stereo", "adpcm", 64, 44100, 2, 8, "wav"},
    {63, "GSM 8 kHz Mono", "gsm", 65, 8000, 1, 8, "gsm"},
    {64, "GSM 11.025 kHz Mono", "gsm", 66, 11025, 1, 8, "gsm"},
    {65, "GSM 22.05 kHz Mono", "gsm", 67, 22050, 1, 8, "gsm"},
    {66, "GSM 44.1 kHz Mono", "gsm", 68, 44100, 1, 8, "gsm"},
    {67, "AU / SND (Sun/NeXT audio) 8 kHz 16 bit", "snd", -1, 8000, 1, 16, "au"},
};

void store(QSettings &settings, const char *token, int number, int rate, int channels, int bits,
           int mp3)
{
    namespace Keys = VocalyneSettingsKeys;
    settings.setValue(Keys::AudioFormatStrToken, QString::fromLatin1(token));
    settings.setValue(Keys::AudioFormatIntToken, number);
    settings.setValue(Keys::AudioFormatSamplingRate, rate);
    settings.setValue(Keys::AudioFormatChannels, channels);
    settings.setValue(Keys::AudioFormatBitRate, bits);
    settings.setValue(Keys::AudioFormatIsMP3, mp3);
}

} // namespace

TEST(ExportCatalogue, HoldsTheSixtySevenRowsInOrderWithTheirExtensions)
{
    const QList<ExportSettingData> rows = VocalyneExportCatalogue::rows();
    ASSERT_EQ(rows.size(), 67);
    for (const ExpectedRow &e : kExpected) {
        SCOPED_TRACE(e.number);
        const ExportSettingData &row = rows.at(e.number - 1);
        EXPECT_EQ(row.formatName, QString::fromLatin1(e.name));
        EXPECT_EQ(row.strToken, QString::fromLatin1(e.strToken));
        EXPECT_EQ(row.intToken, e.intToken);
        EXPECT_EQ(row.audioSamplingRate, e.rate);
        EXPECT_EQ(row.audioChannels, e.channels);
        EXPECT_EQ(row.audioBitRate, e.bits);
        EXPECT_FALSE(row.isMP3);
        EXPECT_EQ(VocalyneExportCatalogue::extension(row), QString::fromLatin1(e.extension));
        EXPECT_EQ(VocalyneExportCatalogue::row(e.number), row);
        ExportSettingData mp3 = row;
        mp3.isMP3 = true;
        EXPECT_EQ(VocalyneExportCatalogue::extension(mp3), QStringLiteral("mp3"));
    }
    EXPECT_TRUE(VocalyneExportCatalogue::row(0).isEmpty());
    EXPECT_TRUE(VocalyneExportCatalogue::row(68).isEmpty());
    EXPECT_EQ(VocalyneExportCatalogue::quickExportExtension(rows.at(66)), QStringLiteral("snd"));
}

TEST(ExportCatalogue, ListsShowTheRightRows)
{
    const QList<ExportSettingData> general = VocalyneExportCatalogue::generalList();
    ASSERT_EQ(general.size(), 65);
    EXPECT_EQ(general.first().formatName, QStringLiteral("WAV 8 KHz 8 bit Mono"));
    EXPECT_EQ(general.last().formatName, QStringLiteral("GSM 44.1 kHz Mono"));
    for (const ExportSettingData &row : general)
        EXPECT_TRUE(row.strToken != QLatin1String("aiff") && row.strToken != QLatin1String("snd"));
    EXPECT_EQ(VocalyneExportCatalogue::listForEngineType(3), general);
    const QList<ExportSettingData> aiffOnly = VocalyneExportCatalogue::listForEngineType(4);
    ASSERT_EQ(aiffOnly.size(), 1);
    EXPECT_EQ(aiffOnly.first().formatName, QStringLiteral("AIFF (Audio Interchange File Format)"));
}

TEST(ExportCatalogue, Mp3IsOnlyForWavRows)
{
    for (const ExportSettingData &row : VocalyneExportCatalogue::rows()) {
        ExportSettingData wanted = row;
        wanted.isMP3 = true;
        const bool wav = row.strToken != QLatin1String("aiff") &&
                         row.strToken != QLatin1String("snd") &&
                         row.strToken != QLatin1String("gsm");
        EXPECT_EQ(VocalyneExportCatalogue::withMp3Rule(wanted).isMP3, wav)
            << row.formatName.toStdString();
    }
}

TEST(ExportCatalogue, StoredFormatIsSelectedByTokenOrNumber)
{
    const QList<ExportSettingData> list = VocalyneExportCatalogue::generalList();
    ScratchSettings settings;

    // Nothing stored: first entry, MP3 off.
    auto selection = VocalyneExportCatalogue::selectStored(list, *settings);
    EXPECT_FALSE(selection.matched);
    EXPECT_EQ(selection.index, 0);
    EXPECT_FALSE(selection.mp3Checked);

    store(*settings, "pcm16", 18, 16000, 1, 16, 1);
    selection = VocalyneExportCatalogue::selectStored(list, *settings);
    EXPECT_EQ(list.at(selection.index).formatName, QStringLiteral("WAV 16 KHz 16 bit Mono"));
    EXPECT_TRUE(selection.mp3Visible);
    EXPECT_TRUE(selection.mp3Checked);

    // A wrong number with the right token and values still finds the row.
    store(*settings, "alaw", 999, 22050, 2, 8, 0);
    selection = VocalyneExportCatalogue::selectStored(list, *settings);
    EXPECT_EQ(list.at(selection.index).formatName,
              QStringLiteral("WAV CCITT A-Law 22.05 KHz 8 bit Stereo"));
    EXPECT_FALSE(selection.mp3Checked);

    // A foreign token with a known number and its values: that number's row.
    store(*settings, "nonsense", 45, 22050, 1, 8, 1);
    selection = VocalyneExportCatalogue::selectStored(list, *settings);
    EXPECT_EQ(list.at(selection.index).intToken, 45);

    // GSM forces MP3 off and hides it, whatever is stored.
    store(*settings, "gsm", 66, 11025, 1, 8, 1);
    selection = VocalyneExportCatalogue::selectStored(list, *settings);
    EXPECT_EQ(list.at(selection.index).intToken, 66);
    EXPECT_FALSE(selection.mp3Visible);
    EXPECT_FALSE(selection.mp3Checked);

    // AIFF and AU are not in general lists; the engine type 4 list finds AIFF.
    store(*settings, "aiff", 16, 16000, 1, 16, 1);
    selection = VocalyneExportCatalogue::selectStored(list, *settings);
    EXPECT_FALSE(selection.matched);
    EXPECT_EQ(selection.index, 0);
    selection = VocalyneExportCatalogue::selectStored(VocalyneExportCatalogue::listForEngineType(4),
                                                      *settings);
    EXPECT_TRUE(selection.matched);
    EXPECT_FALSE(selection.mp3Visible);
    store(*settings, "snd", -1, 8000, 1, 16, 0);
    EXPECT_FALSE(VocalyneExportCatalogue::selectStored(list, *settings).matched);
}

TEST(ExportCatalogue, StoredFormRoundTripsWithoutTheName)
{
    ScratchSettings settings;
    ExportSettingData row = VocalyneExportCatalogue::row(53);
    row.isMP3 = true;
    VocalyneExportCatalogue::writeStored(*settings, row);
    settings.reopen();
    EXPECT_EQ(settings->value(VocalyneSettingsKeys::AudioFormatIsMP3).toInt(), 1);
    const ExportSettingData back = VocalyneExportCatalogue::readStored(*settings);
    EXPECT_TRUE(back.sameFormat(row));
    EXPECT_TRUE(back.formatName.isEmpty());
}

TEST(ExportCatalogue, RecordsTravelInVariantsUnderTheirName)
{
    const int id = VocalyneExportCatalogue::registerMetaType();
    EXPECT_EQ(QMetaType::fromName("ExportSettingData").id(), id);
    const ExportSettingData row = VocalyneExportCatalogue::row(20);
    const QVariant data = QVariant::fromValue(row);
    ExportSettingData chosen = VocalyneExportCatalogue::chosen(data, true);
    EXPECT_TRUE(chosen.isMP3);
    EXPECT_EQ(chosen.formatName, row.formatName);
    EXPECT_FALSE(
        VocalyneExportCatalogue::chosen(QVariant::fromValue(VocalyneExportCatalogue::row(64)), true)
            .isMP3);
    EXPECT_TRUE(VocalyneExportCatalogue::chosen(QVariant(QStringLiteral("pcm16")), true).isEmpty());
    ExportSettingData untouched = row;
    EXPECT_FALSE(VocalyneExportCatalogue::fromVariant(QVariant(42), untouched));
    EXPECT_EQ(untouched, row);
}
