// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>

class VocalyneTextPieces;

/// The text of a PDF file through poppler, page by page in reading order
/// (columns one after the other, as a reader follows them). The lines of a
/// text block are joined into one paragraph.
class VocalynePdfExtractor
{
public:
    /// Extracts the text; returns a VocalyneExtraction::Result (password
    /// protected for a document that needs a password to open; no filter for
    /// a file too damaged to load).
    static int extract(const QString &path, VocalyneTextPieces &out);

    /// Splits the text of one page into paragraphs at blank lines and page
    /// breaks, joining the lines in between with spaces.
    static void addPageText(const QString &text, VocalyneTextPieces &out);
};
