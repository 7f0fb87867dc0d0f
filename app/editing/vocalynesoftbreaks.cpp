// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynesoftbreaks.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cstdlib>

namespace {

bool isSentenceEnd(QChar c)
{
    return c == u'.' || c == u'!' || c == u'?' || c == QChar(0x2026);
}

bool isClosing(QChar c)
{
    return c == u'"' || c == u'\'' || c == u')' || c == u']' || c == QChar(0x201D) ||
           c == QChar(0x2019) || c == QChar(0x00BB);
}

// Whether a soft break may replace the space at index: the last space of its
// run (the next line must not start with a blank) with text on both sides.
bool usableSpace(const QString &text, int index)
{
    return index > 0 && index + 1 < text.size() && text.at(index) == u' ' &&
           text.at(index + 1) != u' ' && !text.at(index + 1).isSpace();
}

// Whether the run of spaces ending at index follows a sentence end, perhaps
// with a closing quote or bracket after it.
bool afterSentenceEnd(const QString &text, int index)
{
    int i = index;
    while (i > 0 && text.at(i) == u' ')
        --i;
    if (text.at(i) == u' ')
        return false;
    if (isClosing(text.at(i)) && i > 0)
        --i;
    return isSentenceEnd(text.at(i));
}

// The separators and special characters as QTextDocument::toPlainText()
// gives them.
void toPlainCharacters(QString &text)
{
    for (QChar &c : text) {
        switch (c.unicode()) {
        case 0xfdd0: // frame start
        case 0xfdd1: // frame end
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
            c = u'\n';
            break;
        case QChar::Nbsp:
            c = u' ';
            break;
        default:
            break;
        }
    }
}

// The block whose separator sits just before it marks a soft break.
bool startsAfterSoftBreak(const QTextBlock &block)
{
    return block.isValid() && block.position() > 0 &&
           block.charFormat().hasProperty(VocalyneSoftBreaks::SoftBreakProperty);
}

// Puts a replacement for the character at position: the new character goes
// in behind the old one, then the old one goes with a backwards selection.
// A cursor in front of the character stays there, one behind it stays
// behind, and undo and redo put both back the same way.
void replaceCharacter(QTextCursor &cursor, int position, bool softBreak)
{
    cursor.setPosition(position + 1);
    if (softBreak) {
        // The space's own format (that of the character before the cursor),
        // marked.
        QTextCharFormat format = cursor.charFormat();
        format.setProperty(VocalyneSoftBreaks::SoftBreakProperty, true);
        cursor.insertBlock(cursor.blockFormat(), format);
    } else {
        QTextCharFormat format = cursor.block().charFormat();
        format.clearProperty(VocalyneSoftBreaks::SoftBreakProperty);
        cursor.insertText(QStringLiteral(" "), format);
    }
    cursor.setPosition(position + 1);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

} // namespace

VocalyneSoftBreaks::VocalyneSoftBreaks(QTextDocument *document, QObject *parent)
    : QObject(parent), m_document(document)
{
    connect(document, &QTextDocument::contentsChange, this, &VocalyneSoftBreaks::noteChange);
    // Edited after the change has been laid out and reported to everyone: a
    // document must not change while it reports a change.
    connect(document, &QTextDocument::contentsChanged, this, &VocalyneSoftBreaks::afterChange);
}

QList<int> VocalyneSoftBreaks::breakPoints(const QString &text, int maxPiece, int targetPiece)
{
    QList<int> points;
    const int length = int(text.size());
    if (length <= maxPiece || targetPiece <= 0)
        return points;
    // Pieces of equal size, each cut moved to the nearest sentence end, or
    // failing one to the nearest space, within half a piece of its place.
    const int pieces = (length + targetPiece - 1) / targetPiece;
    const double size = double(length) / pieces;
    const int reach = int(size / 2);
    int last = 0;
    for (int k = 1; k < pieces; ++k) {
        const int ideal = int(size * k);
        const int low = std::max(last + 1, ideal - reach);
        const int high = std::min(length - 2, ideal + reach);
        int sentence = -1;
        int space = -1;
        for (int i = low; i <= high; ++i) {
            if (!usableSpace(text, i))
                continue;
            if (space < 0 || std::abs(i - ideal) < std::abs(space - ideal))
                space = i;
            if (afterSentenceEnd(text, i) &&
                (sentence < 0 || std::abs(i - ideal) < std::abs(sentence - ideal)))
                sentence = i;
        }
        const int chosen = sentence >= 0 ? sentence : space;
        if (chosen < 0)
            continue;
        points.append(chosen);
        last = chosen;
    }
    return points;
}

bool VocalyneSoftBreaks::isSoftBreak(const QTextDocument *document, int position)
{
    if (!document || position < 0 || position + 1 >= document->characterCount())
        return false;
    const QTextBlock next = document->findBlock(position + 1);
    return next.position() == position + 1 && startsAfterSoftBreak(next);
}

bool VocalyneSoftBreaks::containsSoftBreak(const QTextDocument *document, int from, int to)
{
    for (QTextBlock block = document->findBlock(from).next();
         block.isValid() && block.position() <= to; block = block.next()) {
        const int separator = block.position() - 1;
        if (separator >= from && separator < to && startsAfterSoftBreak(block))
            return true;
    }
    return false;
}

int VocalyneSoftBreaks::softBreakCount(const QTextDocument *document)
{
    int count = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        count += startsAfterSoftBreak(block) ? 1 : 0;
    return count;
}

QString VocalyneSoftBreaks::plainText(const QTextDocument *document)
{
    QString text = document->toPlainText();
    for (QTextBlock block = document->begin().next(); block.isValid(); block = block.next()) {
        const int separator = block.position() - 1;
        if (separator < text.size() && startsAfterSoftBreak(block))
            text[separator] = u' ';
    }
    return text;
}

QString VocalyneSoftBreaks::text(const QTextDocument *document, int from, int to)
{
    // Read from the paragraphs themselves: placing a text cursor would lay
    // out its paragraph, which a search through a long document must not
    // pay for every paragraph it passes.
    const int last = std::max(0, document->characterCount() - 1);
    from = std::clamp(from, 0, last);
    to = std::clamp(to, from, last);
    QString text;
    text.reserve(to - from);
    for (QTextBlock block = document->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        const int start = block.position();
        const QString paragraph = block.text();
        const int a = std::max(from, start) - start;
        const int b = std::min(to - start, int(paragraph.size()));
        if (b > a)
            text += QStringView(paragraph).mid(a, b - a);
        const int separator = start + int(paragraph.size());
        if (separator >= from && separator < to)
            text += startsAfterSoftBreak(block.next()) ? QChar(u' ') : QChar(u'\n');
    }
    toPlainCharacters(text);
    return text;
}

QString VocalyneSoftBreaks::selectedText(const QTextCursor &cursor)
{
    if (!cursor.document() || !cursor.hasSelection())
        return QString();
    return text(cursor.document(), cursor.selectionStart(), cursor.selectionEnd());
}

int VocalyneSoftBreaks::nextBlank(const QTextDocument *document, int from)
{
    from = std::max(0, from);
    const QTextCursor space = document->find(QStringLiteral(" "), from);
    const int spaceAt = space.isNull() ? -1 : space.selectionStart();
    // A soft break before that space, in the paragraphs up to it.
    for (QTextBlock block = document->findBlock(from).next(); block.isValid();
         block = block.next()) {
        const int separator = block.position() - 1;
        if (spaceAt >= 0 && separator > spaceAt)
            break;
        if (separator >= from && startsAfterSoftBreak(block))
            return separator;
    }
    return spaceAt;
}

VocalyneSoftBreaks::Paragraph VocalyneSoftBreaks::paragraphAt(const QTextDocument *document,
                                                              int position)
{
    const int last = std::max(0, document->characterCount() - 1);
    QTextBlock first = document->findBlock(std::clamp(position, 0, last));
    QTextBlock final = first;
    while (startsAfterSoftBreak(first))
        first = first.previous();
    while (startsAfterSoftBreak(final.next()))
        final = final.next();
    return {first.position(), final.position() + final.length() - 1};
}

QTextCursor VocalyneSoftBreaks::find(const QTextDocument *document, const QString &text,
                                     const QTextCursor &cursor, QTextDocument::FindFlags options)
{
    int from = 0;
    if (!cursor.isNull())
        from =
            options & QTextDocument::FindBackward ? cursor.selectionStart() : cursor.selectionEnd();
    return find(document, text, from, options);
}

QTextCursor VocalyneSoftBreaks::find(const QTextDocument *document, const QString &text, int from,
                                     QTextDocument::FindFlags options)
{
    if (!document || text.isEmpty())
        return QTextCursor();
    // Only a blank in the text can meet a soft break; everything else is
    // found the document's own way.
    if (!text.contains(u' '))
        return document->find(text, from, options);

    const bool backward = options.testFlag(QTextDocument::FindBackward);
    const Qt::CaseSensitivity sensitivity = options.testFlag(QTextDocument::FindCaseSensitively)
                                                ? Qt::CaseSensitive
                                                : Qt::CaseInsensitive;
    const int length = int(text.size());
    const int last = document->characterCount() - 1;
    // A backward search leaves out the character at the start position.
    int position = backward ? from - 1 : from;
    if (position < 0 || position > last)
        return QTextCursor();
    Paragraph paragraph = paragraphAt(document, position);
    int offset = position - paragraph.start;
    if (backward && offset == paragraph.end - paragraph.start)
        --offset;
    for (;;) {
        // Soft breaks and no-break spaces read as blanks, as the document's
        // own search reads no-break spaces.
        const QString line = VocalyneSoftBreaks::text(document, paragraph.start, paragraph.end);
        while (offset >= 0 && offset <= line.size()) {
            const int index = int(backward ? line.lastIndexOf(text, offset, sensitivity)
                                           : line.indexOf(text, offset, sensitivity));
            if (index < 0)
                break;
            const int end = index + length;
            if (options.testFlag(QTextDocument::FindWholeWords) &&
                ((index > 0 && line.at(index - 1).isLetterOrNumber()) ||
                 (end < line.size() && line.at(end).isLetterOrNumber()))) {
                offset = backward ? index - 1 : end + 1;
                continue;
            }
            QTextCursor found(const_cast<QTextDocument *>(document));
            found.setPosition(paragraph.start + index);
            found.setPosition(paragraph.start + end, QTextCursor::KeepAnchor);
            return found;
        }
        if (backward) {
            if (paragraph.start == 0)
                return QTextCursor();
            paragraph = paragraphAt(document, paragraph.start - 1);
            offset = paragraph.end - paragraph.start - 1;
        } else {
            if (paragraph.end >= last)
                return QTextCursor();
            paragraph = paragraphAt(document, paragraph.end + 1);
            offset = 0;
        }
    }
}

bool VocalyneSoftBreaks::mayOutgrow(const QTextCursor &cursor, int added)
{
    return !cursor.isNull() && added > 0 && cursor.block().length() - 1 + added > MaxPiece;
}

bool VocalyneSoftBreaks::keyNeedsEditBlock(const QTextCursor &cursor, const QKeyEvent *event)
{
    if (cursor.isNull() || !event)
        return false;
    // A deletion of a selection is an edit block already.
    if (!cursor.hasSelection()) {
        const bool backspace = event->key() == Qt::Key_Backspace;
        const bool forward = event->matches(QKeySequence::Delete);
        if (backspace || forward) {
            return cursor.block().length() <= 2 || (backspace && cursor.atBlockStart()) ||
                   (forward && cursor.atBlockEnd());
        }
    }
    return mayOutgrow(cursor, int(event->text().size()));
}

void VocalyneSoftBreaks::setPlainText(QTextEdit *edit, const QString &text)
{
    // The blanks to hold as soft breaks, paragraph by paragraph (the
    // characters that end a paragraph are those the document takes as
    // paragraph ends).
    QList<int> softBreaks;
    auto endsParagraph = [](QChar c) {
        return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar(0xfdd0) ||
               c == QChar(0xfdd1);
    };
    const int length = int(text.size());
    for (int start = 0; start <= length;) {
        int end = start;
        while (end < length && !endsParagraph(text.at(end)))
            ++end;
        if (end - start > MaxPiece) {
            for (int point : breakPoints(text.mid(start, end - start)))
                softBreaks.append(start + point);
        }
        start = end + 1;
    }
    if (softBreaks.isEmpty()) {
        edit->setPlainText(text);
        return;
    }
    QString cut = text;
    for (int point : std::as_const(softBreaks))
        cut[point] = QChar::ParagraphSeparator;
    edit->setPlainText(cut);

    // Now mark those separators, as part of the text just set: nothing to
    // undo, and no change of the modified flag.
    QTextDocument *document = edit->document();
    const bool undoEnabled = document->isUndoRedoEnabled();
    const bool wasModified = document->isModified();
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    QTextCharFormat mark;
    mark.setProperty(SoftBreakProperty, true);
    for (int point : std::as_const(softBreaks)) {
        // A paragraph's character format is that of the separator before it.
        cursor.setPosition(point + 1);
        cursor.mergeBlockCharFormat(mark);
    }
    cursor.endEditBlock();
    document->setUndoRedoEnabled(undoEnabled);
    document->setModified(wasModified);
}

void VocalyneSoftBreaks::noteChange(int from, int charsRemoved, int charsAdded)
{
    if (m_working)
        return;
    const int end = from + charsAdded;
    if (m_changedFrom < 0) {
        m_changedFrom = from;
        m_changedTo = end;
        return;
    }
    // The range noted so far, moved by this change.
    if (m_changedTo >= from + charsRemoved)
        m_changedTo += charsAdded - charsRemoved;
    else if (m_changedTo > from)
        m_changedTo = end;
    m_changedFrom = std::min(m_changedFrom, from);
    m_changedTo = std::max(m_changedTo, end);
}

void VocalyneSoftBreaks::afterChange()
{
    if (m_working || m_changedFrom < 0)
        return;
    const int from = m_changedFrom;
    const int to = m_changedTo;
    m_changedFrom = m_changedTo = -1;
    rework(from, to);
}

bool VocalyneSoftBreaks::rework(int from, int to)
{
    QTextDocument *document = m_document;
    const int end = std::max(0, document->characterCount() - 1);
    from = std::clamp(from, 0, end);
    to = std::clamp(to, from, end);

    QList<int> cuts;
    QList<int> mends;
    QTextBlock block = document->findBlock(from);
    // A soft break just before the range may now border an emptied piece.
    if (block.previous().isValid())
        block = block.previous();
    for (; block.isValid() && block.position() <= to + 1; block = block.next()) {
        const int length = block.length() - 1;
        if (length > MaxPiece) {
            const QList<int> points = breakPoints(block.text());
            for (int point : points)
                cuts.append(block.position() + point);
        } else if (length == 0) {
            // An empty piece: typing there would take the soft break's
            // format, and a paragraph end typed there would pass for a
            // space. The soft breaks around it become spaces again.
            if (startsAfterSoftBreak(block))
                mends.append(block.position() - 1);
            const QTextBlock next = block.next();
            if (startsAfterSoftBreak(next))
                mends.append(next.position() - 1);
        }
    }
    if (cuts.isEmpty() && mends.isEmpty())
        return false;
    std::sort(mends.begin(), mends.end());
    mends.erase(std::unique(mends.begin(), mends.end()), mends.end());

    const bool undoEnabled = document->isUndoRedoEnabled();
    // Undo and redo bring back states that were cut when they were made; a
    // state they leave is never changed behind them, or the redo steps
    // would no longer fit the text.
    if (undoEnabled && document->availableRedoSteps() > 0)
        return false;
    // The cut belongs to the edit that made it, so that one undo takes back
    // both. A text just set (nothing to undo) is cut without a trace.
    const bool join = undoEnabled && document->availableUndoSteps() > 0;
    const bool wasModified = document->isModified();
    m_working = true;
    if (undoEnabled && !join)
        document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    if (join)
        cursor.joinPreviousEditBlock();
    else
        cursor.beginEditBlock();
    // Every replacement keeps all positions, so the order does not matter.
    for (int position : std::as_const(cuts))
        replaceCharacter(cursor, position, true);
    for (int position : std::as_const(mends))
        replaceCharacter(cursor, position, false);
    cursor.endEditBlock();
    if (undoEnabled && !join) {
        document->setUndoRedoEnabled(true);
        document->setModified(wasModified);
    }
    m_working = false;
    return true;
}
