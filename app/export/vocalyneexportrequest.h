// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "exportsettingdata.h"

#include <QString>
#include <QStringList>

/// Everything the export worker is told on its command line: one file to
/// export, as eighteen arguments in a fixed order (numbers in decimal).
struct VocalyneExportRequest
{
    int engineType = 3;            ///< 1: voice engine type (16-bit)
    QString voiceName;             ///< 2
    int voiceId = -1;              ///< 3
    int languageId = 0;            ///< 4: signed in single mode, unsigned in batch mode
    int pitch = 100;               ///< 5: percent
    int speed = 100;               ///< 6: percent
    int volume = 100;              ///< 7: percent
    int sentencePause = 670;       ///< 8: milliseconds
    int reserved = -1;             ///< 9: always -1
    bool isXml = true;             ///< 10: the text is speech XML
    QString outputPath;            ///< 11
    int intToken = 0;              ///< 12: stream format number of the row
    QString strToken;              ///< 13: encoding family of the row
    int samplingRate = 0;          ///< 14
    int channels = 0;              ///< 15
    bool speakPunctuation = false; ///< 16
    bool isMP3 = false;            ///< 17
    QString inputPath;             ///< 18: empty: the text is in the shared-memory block

    static constexpr int ArgumentCount = 18;

    /// Fills the format arguments (12 to 15 and 17) from a catalogue record.
    void setFormat(const ExportSettingData &format);
    /// The eighteen arguments.
    QStringList toArguments() const;
    /// Reads eighteen arguments back; false (out unspecified) when there are
    /// not exactly eighteen or a numeric one is not a whole number in range.
    static bool fromArguments(const QStringList &arguments, VocalyneExportRequest &out);
};
