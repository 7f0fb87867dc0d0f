// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynereplaceall.h"

#include "vocalynedocumentedit.h"
#include "vocalynepositiontracker.h"

#include <QAbstractUndoItem>
#include <QPointer>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <limits>

namespace {

// Two of these bracket the text edits of one Replace All in the document's
// undo stack. Undo runs the block backwards: the closing one tells the
// editor to leave the entities alone through the change the undo makes, the
// opening one then moves them back. Redo runs forwards: the opening one
// tells the editor, the closing one moves the entities on. The document
// reports the whole block as one change when it ends; the editor then takes
// the lists as they are.
class EntityMoveUndo : public QAbstractUndoItem
{
public:
    EntityMoveUndo(VocalyneDocumentEdit *edit, const VocalyneReplaceAll::PositionMap &forward,
                   bool opening)
        : m_edit(edit), m_forward(forward), m_backward(forward.inverse()), m_opening(opening)
    {
    }

    void undo() override
    {
        if (!m_edit)
            return;
        if (m_opening)
            VocalyneReplaceAll::moveEntities(m_edit, m_backward);
        else
            m_edit->keepPositionsThroughNextChange();
    }

    void redo() override
    {
        if (!m_edit)
            return;
        if (m_opening)
            m_edit->keepPositionsThroughNextChange();
        else
            VocalyneReplaceAll::moveEntities(m_edit, m_forward);
    }

private:
    QPointer<VocalyneDocumentEdit> m_edit;
    VocalyneReplaceAll::PositionMap m_forward;
    VocalyneReplaceAll::PositionMap m_backward;
    bool m_opening;
};

} // namespace

quint32 VocalyneReplaceAll::PositionMap::map(quint32 p, bool element) const
{
    const qint64 shift = qint64(toLength) - fromLength;
    // Matches that start before p; a position at a match's start stays in
    // front of its replacement.
    const qint64 before = std::lower_bound(starts.cbegin(), starts.cend(), qint64(p),
                                           [](int start, qint64 value) { return start < value; }) -
                          starts.cbegin();
    qint64 result = qint64(p) + before * shift;
    if (before > 0) {
        const qint64 start = starts.at(before - 1);
        if (qint64(p) < start + fromLength) {
            // Inside that match. An element needs a character to sit on.
            const qint64 limit = element ? std::max(toLength - 1, 0) : toLength;
            result = start + (before - 1) * shift + std::min(qint64(p) - start, limit);
        }
    }
    return quint32(std::clamp<qint64>(result, 0, std::numeric_limits<quint32>::max()));
}

VocalyneReplaceAll::PositionMap VocalyneReplaceAll::PositionMap::inverse() const
{
    PositionMap back;
    back.fromLength = toLength;
    back.toLength = fromLength;
    back.starts.reserve(starts.size());
    const int shift = toLength - fromLength;
    for (qsizetype i = 0; i < starts.size(); ++i)
        back.starts.append(starts.at(i) + int(i) * shift);
    return back;
}

void VocalyneReplaceAll::moveEntities(VocalyneDocumentEdit *edit, const PositionMap &map)
{
    for (int i = 0; i < edit->sections().size(); ++i) {
        const QVT2SSection &section = edit->sections().at(i);
        edit->setSectionRange(i, map.map(section.fromChar, false), map.map(section.toChar, false));
    }
    for (int i = 0; i < edit->bookmarks().size(); ++i) {
        const QVT2SBookmark &bookmark = edit->bookmarks().at(i);
        edit->setBookmarkRange(i, map.map(bookmark.fromChar, false),
                               map.map(bookmark.toChar, false));
    }
    for (int i = 0; i < edit->elements().size(); ++i)
        edit->setElementPosition(i, map.map(edit->elements().at(i).afterChar, true));
}

void VocalyneReplaceAll::replaceOne(VocalyneDocumentEdit *edit, int start, int length,
                                    const QString &replacement)
{
    if (!edit || start < 0 || length <= 0)
        return;
    QTextDocument *document = edit->document();
    PositionMap map;
    map.starts = {start};
    map.fromLength = length;
    map.toLength = int(replacement.size());
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    document->appendUndoItem(new EntityMoveUndo(edit, map, true));
    edit->keepPositionsThroughNextChange();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    if (replacement.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(replacement);
    moveEntities(edit, map);
    document->appendUndoItem(new EntityMoveUndo(edit, map, false));
    cursor.endEditBlock();
}

int VocalyneReplaceAll::run(VocalyneDocumentEdit *edit, const QString &text,
                            const QString &replacement, const VocalyneTextSearch::Options &options,
                            QTextCursor *last)
{
    if (last)
        *last = QTextCursor();
    if (!edit || text.isEmpty())
        return 0;
    QTextDocument *document = edit->document();
    VocalyneTextSearch::Options forward = options;
    forward.searchUp = false;

    // All matches of the text as it stands: replacing continues after each
    // inserted text, so the replacements never take part in the search.
    PositionMap map;
    map.fromLength = int(text.size());
    map.toLength = int(replacement.size());
    map.starts = VocalyneTextSearch::findAll(document, text, forward);
    if (map.starts.isEmpty())
        return 0;

    QTextCursor block(document);
    block.beginEditBlock();
    document->appendUndoItem(new EntityMoveUndo(edit, map, true));
    edit->keepPositionsThroughNextChange();
    // Paragraph by paragraph, from the last to the first so that each
    // position still holds: the stretch from a paragraph's first match to
    // the end of its last one is replaced in one go, so the number of edits
    // (each of which the document records for undo) is kept down. No match
    // runs across a paragraph end, but one may run across a soft break of a
    // long paragraph (it then joins the two pieces, which are cut again
    // later): the stretch then goes on into the piece before.
    QTextCursor cursor(document);
    qsizetype end = map.starts.size();
    while (end > 0) {
        int pieceStart = document->findBlock(map.starts.at(end - 1)).position();
        qsizetype first = end - 1;
        while (first > 0 && map.starts.at(first - 1) + map.fromLength >= pieceStart) {
            --first;
            pieceStart = std::min(pieceStart, document->findBlock(map.starts.at(first)).position());
        }
        const int from = map.starts.at(first);
        const int to = map.starts.at(end - 1) + map.fromLength;
        // (Soft breaks read as the blanks they stand for.)
        const QString old = VocalynePositionTracker::readText(document, from, to);
        QString stretch;
        stretch.reserve(old.size() + (end - first) * (map.toLength - map.fromLength));
        int copied = from;
        for (qsizetype i = first; i < end; ++i) {
            stretch += QStringView(old).mid(copied - from, map.starts.at(i) - copied);
            stretch += replacement;
            copied = map.starts.at(i) + map.fromLength;
        }
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        if (stretch.isEmpty())
            cursor.removeSelectedText();
        else
            cursor.insertText(stretch);
        end = first;
    }
    moveEntities(edit, map);
    document->appendUndoItem(new EntityMoveUndo(edit, map, false));
    block.endEditBlock();

    if (last) {
        *last = QTextCursor(document);
        const qsizetype count = map.starts.size();
        last->setPosition(map.starts.last() + int(count - 1) * (map.toLength - map.fromLength) +
                          map.toLength);
    }
    return int(map.starts.size());
}
