// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QByteArray>

class VocalyneTextPieces;
class VocalyneZipPackage;

/// The text of OpenDocument packages: text documents (paragraphs, headings,
/// lists and tables in order, then footnotes and comments), presentations
/// (the text of each slide in order, without speaker notes) and spreadsheets
/// (one paragraph per row, cells separated by tabs).
class VocalyneOdfExtractor
{
public:
    /// True when the package is an OpenDocument (its content part exists).
    static bool recognizes(const VocalyneZipPackage &package);
    /// Extracts the text; returns a VocalyneExtraction::Result (password
    /// protected when the content is encrypted).
    static int extract(const VocalyneZipPackage &package, VocalyneTextPieces &out);

    /// Reads a content part on its own (used by the fuzz target too).
    static void readContent(const QByteArray &xml, VocalyneTextPieces &out);
};
