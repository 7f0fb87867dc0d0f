// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>

/// The export worker's exit codes and what the main program says about
/// each. Messages are translatable texts of the context "QApplication".
class VocalyneExportExitCodes
{
public:
    enum Code {
        Success = 0,
        InvalidParameters = -1,
        TextUnavailable = -2,
        Mp3ConversionError = -3,
        InputFileFailed = -4,
        FileAccessDenied = -5,
        TextNotFound = -6,
        GeneralAccessFailure = -7,
        OutOfMemory = -8,
        DocumentProtected = -9,
        Unspecified = -10
    };
    /// Codes passed on from the engine's export result.
    static constexpr int FirstEngineCode = 1;
    static constexpr int LastEngineCode = 104;

    /// Exit codes are 8-bit here: 128 and above stand for code - 256.
    static int normalise(int rawExitCode);

    /// Report status: -1 error, 0 done (and, in the batch table, 1 ready
    /// and 2 busy).
    struct Report
    {
        bool shown = false; ///< false: the code reports nothing
        int status = 0;
        QString message;
    };
    /// The report of a normalised exit code: the table's message for -10
    /// to 0, the engine-code message for 1 to 104, nothing otherwise.
    static Report report(int exitCode);
};
