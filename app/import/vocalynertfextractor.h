// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QByteArray>

class VocalyneTextPieces;

/// The text of an RTF document: paragraphs and table rows in order, then
/// footnotes and comments. Unicode escapes with their fallback characters,
/// the document's code page and the character sets of its fonts are
/// honoured; tables of fonts, colours and styles, pictures, objects, field
/// instructions, headers and footers, and every unknown ignorable
/// destination are skipped.
class VocalyneRtfExtractor
{
public:
    /// True when bytes start like an RTF document.
    static bool recognizes(const QByteArray &bytes);
    /// Extracts the text; returns a VocalyneExtraction::Result (no filter
    /// when bytes are no RTF).
    static int extract(const QByteArray &bytes, VocalyneTextPieces &out);
    /// The Windows code page of an RTF font character set (0 when unknown).
    static int codePageOfCharset(int charset);
};
