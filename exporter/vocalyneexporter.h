// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "vocalyneexportrequest.h"

#include <QByteArray>
#include <QStringList>

/// The export worker: speaks one text into one audio file as its eighteen
/// arguments say and answers with an exit code of VocalyneExportExitCodes
/// (engine results 1 to 104 passed on as they are). The sentence pause
/// (argument 8) and argument 9 are not read: pauses between sentences are
/// in the text's own markup, as when the document is spoken.
class VocalyneExporter
{
public:
    /// Runs one export; returns the exit code.
    static int run(const QStringList &arguments);

    /// The text of the request, UTF-8: from the file of argument 18 (decoded
    /// as the main program decodes text files), else from the shared-memory
    /// block named by VOCALYNE_SHM_KEY or, without it, by the bare token.
    /// Returns 0 or the exit code of the failure.
    static int readText(const VocalyneExportRequest &request, QByteArray &utf8);

    /// The exit code of an engine export result.
    static int exitCodeOf(int exportResult);

private:
    static int readSharedText(QByteArray &utf8);
    static int readFileText(const QString &path, QByteArray &utf8);
    /// The text of an office document, PDF, e-book or RTF file (in
    /// vocalyneexporterdocuments.cpp). isDocument is false for any other
    /// file, which is then read as text; else returns 0 or the exit code
    /// that mirrors the extraction's result.
    static int readDocumentText(const QString &path, QByteArray &utf8, bool &isDocument);
    static int exportSpeech(const VocalyneExportRequest &request, const QByteArray &text);
};
