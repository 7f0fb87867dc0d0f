// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QList>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>

/// Plain-text search and replacement on a text document.
/// Matching is the document's own find (QTextDocument::find): no match runs
/// across a paragraph end, "whole words" means no letter or digit touches
/// the match on either side.
///
/// Replacing keeps positions on the text they belonged to: the text cursors
/// of the document and, in an editor's document, the speech entities. A
/// position at the start of a match stays at the start of the replacement,
/// one at its end moves to the end of the replacement, and one on a
/// character inside the match stays on the corresponding character of the
/// replacement as far as the replacement reaches.
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

    /// The start of every match of text in document, forwards from the
    /// start, each found after the end of the one before: the matches find()
    /// gives one after the other (options.searchUp is ignored), without
    /// placing a text cursor on each (which lays out its paragraph).
    static QList<int> findAll(const QTextDocument *document, const QString &text,
                              const Options &options);

    /// Replaces the text that match selects by replacement (see above) as
    /// one undo step, and leaves match after the inserted text.
    static void replace(QTextCursor &match, const QString &replacement);
};
