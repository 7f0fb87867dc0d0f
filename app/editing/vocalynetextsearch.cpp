// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynetextsearch.h"

#include <algorithm>

namespace {

// Removes [from, to). Undoing a removal inserts the text again; a cursor at
// the insertion point then stays in front of it when the removal was made
// with a backwards selection (keepOnUndo), else it moves behind it.
void removeAt(QTextCursor &cursor, int from, int to, bool keepOnUndo = false)
{
    cursor.setPosition(keepOnUndo ? to : from);
    cursor.setPosition(keepOnUndo ? from : to, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void insertAt(QTextCursor &cursor, int position, const QString &text)
{
    cursor.setPosition(position);
    cursor.insertText(text);
}

} // namespace

QTextDocument::FindFlags VocalyneTextSearch::findFlags(const Options &options)
{
    QTextDocument::FindFlags flags;
    if (options.matchCase)
        flags |= QTextDocument::FindCaseSensitively;
    if (options.wholeWords)
        flags |= QTextDocument::FindWholeWords;
    if (options.searchUp)
        flags |= QTextDocument::FindBackward;
    return flags;
}

QTextCursor VocalyneTextSearch::find(const QTextDocument *document, const QString &text,
                                     const QTextCursor &from, const Options &options)
{
    if (!document || text.isEmpty())
        return QTextCursor();
    return document->find(text, from, findFlags(options));
}

void VocalyneTextSearch::replace(QTextCursor &match, const QString &replacement, bool fine)
{
    const int start = match.selectionStart();
    const int length = match.selectionEnd() - start;
    const int size = int(replacement.size());
    QTextCursor cursor = match;
    cursor.clearSelection();
    if (length == 0) {
        insertAt(cursor, start, replacement);
    } else if (!fine || length == 1) {
        // A plain "remove, then insert" would push a cursor at the match's
        // start behind the inserted text (an entity beginning with the match
        // would lose it). Inserting behind the first character and then
        // removing that character and the rest keeps the start in place and
        // takes a cursor at the match's end (or on its first character)
        // along to the end of the replacement.
        // Undoing it brings each of those cursors back to its side of the
        // match.
        insertAt(cursor, start + 1, replacement);
        removeAt(cursor, start, start + 1, true);
        if (length > 1)
            removeAt(cursor, start + size, start + size + length - 1);
    } else {
        // Character by character: each character of the match gives way to
        // its counterpart in the replacement (the last one to all that is
        // left of it), so a cursor on a character inside the match stays on
        // the corresponding one. Characters beyond a shorter replacement go.
        int position = start;
        for (int k = 0; k < length; ++k) {
            QString piece;
            if (k < size)
                piece = k == length - 1 ? replacement.mid(k) : replacement.mid(k, 1);
            if (piece.isEmpty()) {
                removeAt(cursor, position, position + 1);
                continue;
            }
            insertAt(cursor, position + 1, piece);
            removeAt(cursor, position, position + 1, true);
            position += int(piece.size());
        }
    }
    match.setPosition(start + size);
}

int VocalyneTextSearch::replaceAll(QTextDocument *document, const QString &text,
                                   const QString &replacement, const Options &options,
                                   const QList<int> &innerPositions, QTextCursor *last)
{
    if (last)
        *last = QTextCursor();
    if (!document || text.isEmpty())
        return 0;
    Options forward = options;
    forward.searchUp = false;
    const QTextDocument::FindFlags flags = findFlags(forward);
    const int length = int(text.size());
    const int shift = int(replacement.size()) - length;

    // One edit block: one undo step, and the layout and the document's
    // change signals run once at the end instead of once per match.
    QTextCursor block(document);
    block.beginEditBlock();
    QTextCursor at(document);
    int count = 0;
    for (;;) {
        QTextCursor match = document->find(text, at, flags);
        if (match.isNull())
            break;
        bool fine = false;
        if (!innerPositions.isEmpty()) {
            // Where this match stood before the replacements in front of it.
            const qint64 from = qint64(match.selectionStart()) - qint64(count) * shift;
            const auto inside =
                std::upper_bound(innerPositions.cbegin(), innerPositions.cend(), from);
            fine = inside != innerPositions.cend() && *inside < from + length;
        }
        replace(match, replacement, fine);
        at = match;
        ++count;
    }
    block.endEditBlock();
    if (last && count > 0)
        *last = at;
    return count;
}
