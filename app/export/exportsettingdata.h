// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QMetaType>
#include <QString>
#include <QtGlobal>

/// One audio format of the export catalogue. Travels as the item data of
/// combo box entries, menu actions and variants under the registered name
/// "ExportSettingData" (see VocalyneExportCatalogue::registerMetaType()).
/// An empty record has empty strings and zero numbers.
struct ExportSettingData
{
    /// Encoding family: "pcm8", "pcm16", "pcm1", "alaw", "ulaw", "adpcm",
    /// "gsm", "snd" or "aiff".
    QString strToken;
    /// Stream format number handed to the engine (4 to 68), -1 for the AU row.
    qint32 intToken = 0;
    /// Samples per second.
    qint32 audioSamplingRate = 0;
    /// 1 (mono) or 2 (stereo).
    qint32 audioChannels = 0;
    /// Bits per sample as the catalogue names them (1, 8 or 16).
    qint32 audioBitRate = 0;
    /// Display name (already translated when it comes from the catalogue).
    QString formatName;
    /// Convert the finished WAV file to MP3.
    bool isMP3 = false;

    bool isEmpty() const
    {
        return strToken.isEmpty() && intToken == 0 && audioSamplingRate == 0 &&
               audioChannels == 0 && audioBitRate == 0 && formatName.isEmpty() && !isMP3;
    }

    /// Same format: every field but the display name.
    bool sameFormat(const ExportSettingData &other) const
    {
        return strToken == other.strToken && intToken == other.intToken &&
               audioSamplingRate == other.audioSamplingRate &&
               audioChannels == other.audioChannels && audioBitRate == other.audioBitRate &&
               isMP3 == other.isMP3;
    }

    friend bool operator==(const ExportSettingData &a, const ExportSettingData &b)
    {
        return a.sameFormat(b) && a.formatName == b.formatName;
    }
    friend bool operator!=(const ExportSettingData &a, const ExportSettingData &b)
    {
        return !(a == b);
    }
};
Q_DECLARE_METATYPE(ExportSettingData)
