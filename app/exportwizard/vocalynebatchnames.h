// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

/// The names and texts of a batch export: output names made unique, their
/// extension following the format, and the lines of the export log.
class VocalyneBatchNames
{
public:
    /// name, changed until taken() no longer holds for it: "[1]" goes
    /// before the last "." (a.wav, a[1].wav), a one-digit "[n]" counts up
    /// (a[2].wav ... a[10].wav); a two-digit count is no longer recognised,
    /// so the next one is a[10][1].wav.
    static QString uniqueName(QString name, const std::function<bool(const QString &)> &taken);
    /// name with the text after its last "." replaced by the extension of
    /// the format: "mp3" with isMP3, else "aiff", "gsm", "au" (for "snd") or
    /// "wav" by token. A name without a "." gets the extension appended.
    static QString replaceExtension(const QString &name, const QString &strToken, bool isMP3);
    /// The output name first proposed for an input file: its file name
    /// with its own extension, followed by extension (with the dot).
    static QString outputNameFor(const QString &inputPath, const QString &extension);
    /// One log line (with its line break) from the row's status, the output
    /// folder and the texts of the columns "File Path" to "Make MP3?".
    /// A field that holds a comma, a quote or a line break is quoted, so
    /// the log opens as comma-separated values.
    static QString logLine(const QString &status, const QString &outputFolder,
                           const QStringList &columns);
};
