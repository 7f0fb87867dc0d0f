// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneexportexitcodes.h"

#include <QCoreApplication>

int VocalyneExportExitCodes::normalise(int rawExitCode)
{
    if (rawExitCode >= 128 && rawExitCode <= 255)
        return rawExitCode - 256;
    return rawExitCode;
}

VocalyneExportExitCodes::Report VocalyneExportExitCodes::report(int exitCode)
{
    static const char *const kMessages[] = {
        QT_TRANSLATE_NOOP("QApplication", "Export successful!"),
        QT_TRANSLATE_NOOP("QApplication", "Invalid parameters specified."),
        QT_TRANSLATE_NOOP("QApplication", "Unable to access the text for the conversion."),
        QT_TRANSLATE_NOOP("QApplication", "MP3 file conversion error."),
        QT_TRANSLATE_NOOP("QApplication", "Failed to open input file."),
        QT_TRANSLATE_NOOP("QApplication", "Access to the specified file denied. This may be due "
                                          "to a sharing violation."),
        QT_TRANSLATE_NOOP("QApplication", "Text content not found."),
        QT_TRANSLATE_NOOP("QApplication", "General access failure."),
        QT_TRANSLATE_NOOP("QApplication", "Out of memory."),
        QT_TRANSLATE_NOOP("QApplication", "Access denied. The document may be protected."),
        QT_TRANSLATE_NOOP("QApplication", "Unspecified error."),
    };
    Report report;
    if (exitCode >= Unspecified && exitCode <= Success) {
        report.shown = true;
        report.status = exitCode == Success ? 0 : -1;
        report.message = QCoreApplication::translate("QApplication", kMessages[-exitCode]);
    } else if (exitCode >= FirstEngineCode && exitCode <= LastEngineCode) {
        report.shown = true;
        report.status = -1;
        report.message =
            QCoreApplication::translate("QApplication",
                                        "Export failed with error code: %1.\nEither the process "
                                        "terminated unexpectedly or the voice does not support "
                                        "the selected audio format.")
                .arg(exitCode);
    }
    return report;
}
