// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>
#include <QTextCursor>
#include <QTextDocument>

/// Plain-text search and replacement on a text document, free of widgets.
/// Matching is the document's own find (QTextDocument::find): no match runs
/// across a paragraph end, "whole words" means no letter or digit touches
/// the match on either side.
///
/// Replacing keeps the text cursors of the document (which carry the speech
/// entities' positions) on the text they belonged to: a cursor at the start
/// of a match stays at the start of the replacement, one at its end moves to
/// the end of the replacement, and a cursor on a character inside the match
/// stays on the corresponding character of the replacement as far as the
/// replacement reaches.
class VocalyneTextSearch
{
public:
    struct Options
    {
        bool matchCase = false;
        bool wholeWords = false;
        bool searchUp = false;
    };

    static QTextDocument::FindFlags findFlags(const Options &options);

    /// The next match of text after from's selection (before it when searching
    /// up); a null cursor when there is none or text is empty.
    static QTextCursor find(const QTextDocument *document, const QString &text,
                            const QTextCursor &from, const Options &options);

    /// Replaces the text that match selects by replacement, character by
    /// character (see above), and leaves match after the inserted text.
    static void replace(QTextCursor &match, const QString &replacement);
};
