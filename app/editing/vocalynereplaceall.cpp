// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynereplaceall.h"

#include "vocalynedocumentedit.h"

#include <QAbstractUndoItem>
#include <QPointer>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <limits>

namespace {

// Two of these bracket the text edits of one Replace All in the document's
// undo stack. Undo runs the block backwards: the closing one frees the
// highlights before the thousands of text edits are undone, the opening one
// then moves the entities back. Redo runs forwards: the opening one frees,
// the closing one moves the entities on. The editor's sync after the block
// rebuilds the highlights from the lists once.
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
            m_edit->releaseHighlights();
    }

    void redo() override
    {
        if (!m_edit)
            return;
        if (m_opening)
            m_edit->releaseHighlights();
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
    for (QTextCursor at(document);;) {
        at = VocalyneTextSearch::find(document, text, at, forward);
        if (at.isNull())
            break;
        map.starts.append(at.selectionStart());
    }
    if (map.starts.isEmpty())
        return 0;

    // The lists must hold the positions of this text before they are moved.
    edit->syncPositions();
    QTextCursor block(document);
    block.beginEditBlock();
    document->appendUndoItem(new EntityMoveUndo(edit, map, true));
    edit->releaseHighlights();
    // Paragraph by paragraph, from the last to the first so that each
    // position still holds: the stretch from a paragraph's first match to
    // the end of its last one is replaced in one go. Every edit of the text
    // costs time for each text cursor the document has ever held at once
    // (the entities' highlights leave that behind), so their number is
    // kept down. No match runs across a paragraph end.
    QTextCursor cursor(document);
    qsizetype end = map.starts.size();
    while (end > 0) {
        const QTextBlock paragraph = document->findBlock(map.starts.at(end - 1));
        qsizetype first = end - 1;
        while (first > 0 && map.starts.at(first - 1) >= paragraph.position())
            --first;
        const int from = map.starts.at(first);
        const int to = map.starts.at(end - 1) + map.fromLength;
        const QString old = paragraph.text().mid(from - paragraph.position(), to - from);
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
