// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

/// The result of extracting a document's text. The numbers are fixed: the
/// open routine turns them into messages and the export worker's exit codes
/// are their negatives.
namespace VocalyneExtraction {
enum Result : int {
    TextExtracted = 0,     ///< text arrived (possibly partly, when stopped early)
    NoText = 1,            ///< the document holds no text, or nothing arrived before a stop
    AccessDenied = 2,      ///< the file may not be read
    AccessFailure = 3,     ///< the file could not be read (gone, I/O error)
    PasswordProtected = 4, ///< the document is encrypted with a password
    OutOfMemory = 5,       ///< the document is too large to hold
    NoFilter = 6,          ///< unknown type, or a document too damaged to read
};
} // namespace VocalyneExtraction
