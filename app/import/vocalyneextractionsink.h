// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>

/// Receives a document's text while it is being extracted.
class VocalyneExtractionSink
{
public:
    virtual ~VocalyneExtractionSink() = default;

    /// One piece of text, at most VocalyneTextPieces::MaxPiece UTF-16 code
    /// units; paragraphs inside it are separated by '\n'. newParagraph is
    /// false only when the piece continues a paragraph too long for one
    /// piece. Return false to stop the extraction (the text so far stays).
    virtual bool piece(const QString &text, bool newParagraph) = 0;

    /// Called between units of work (pages, parts, slides) even when no
    /// piece is complete yet, so a caller can keep its window responsive.
    /// Return false to stop.
    virtual bool keepGoing() { return true; }
};
