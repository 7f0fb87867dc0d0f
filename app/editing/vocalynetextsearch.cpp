// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynetextsearch.h"

#include "vocalynedocumentedit.h"
#include "vocalynereplaceall.h"

#include "vocalynesoftbreaks.h"

#include <QTextBlock>

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
    return VocalyneSoftBreaks::find(document, text, from, findFlags(options));
}

QList<int> VocalyneTextSearch::findAll(const QTextDocument *document, const QString &text,
                                       const Options &options)
{
    QList<int> starts;
    if (!document || text.isEmpty())
        return starts;
    const Qt::CaseSensitivity sensitivity =
        options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const qsizetype length = text.size();
    // Paragraph by paragraph as written (the pieces of a long one joined by
    // blanks), as find() goes: a no-break space counts as a space, and a
    // match that is not a whole word is passed by together with the
    // character after it.
    for (QTextBlock block = document->begin(); block.isValid();) {
        const int start = block.position();
        QString paragraph = block.text();
        for (block = block.next();
             block.isValid() && VocalyneSoftBreaks::isSoftBreak(document, block.position() - 1);
             block = block.next()) {
            paragraph += QLatin1Char(' ');
            paragraph += block.text();
        }
        paragraph.replace(QChar::Nbsp, QLatin1Char(' '));
        qsizetype offset = 0;
        while (offset <= paragraph.size()) {
            const qsizetype index = paragraph.indexOf(text, offset, sensitivity);
            if (index < 0)
                break;
            const qsizetype end = index + length;
            if (options.wholeWords &&
                ((index > 0 && paragraph.at(index - 1).isLetterOrNumber()) ||
                 (end < paragraph.size() && paragraph.at(end).isLetterOrNumber()))) {
                offset = end + 1;
                continue;
            }
            starts.append(start + int(index));
            offset = end;
        }
    }
    return starts;
}

void VocalyneTextSearch::replace(QTextCursor &match, const QString &replacement)
{
    const int start = match.selectionStart();
    const int length = match.selectionEnd() - start;
    const int size = int(replacement.size());
    QTextCursor cursor = match;
    cursor.clearSelection();
    if (length == 0) {
        insertAt(cursor, start, replacement);
        match.setPosition(start + size);
        return;
    }
    // In an editor the entities are plain numbers that follow the reported
    // changes; the editor is told where the replacement puts them.
    if (VocalyneDocumentEdit *edit = VocalyneDocumentEdit::editorOf(match.document())) {
        VocalyneReplaceAll::replaceOne(edit, start, length, replacement);
        match = QTextCursor(edit->document());
        match.setPosition(start + size);
        return;
    }
    // A plain "remove, then insert" would push a cursor at the match's start
    // behind the inserted text, so an entity beginning with the match would
    // lose it. Instead each character of the match gives way to its
    // counterpart in the replacement (the last one to all that is left of
    // it): the counterpart goes in behind the character, then the character
    // goes. A cursor on a character stays on its counterpart; characters
    // beyond a shorter replacement go.
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
        // Undone, the character comes back in front of the cursors at its
        // place, so each returns to its side of it.
        removeAt(cursor, position, position + 1, true);
        position += int(piece.size());
    }
    match.setPosition(start + size);
}
