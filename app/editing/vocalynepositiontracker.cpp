// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynepositiontracker.h"

#include "vocalyneentityranges.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <limits>

namespace {

// Below this many characters a change is read character by character; a
// paragraph's text would copy the whole paragraph, which may be the book.
constexpr int ReadByCharacter = 256;

inline QChar blankForSeparator(QChar c)
{
    return c == QChar::ParagraphSeparator ? QLatin1Char(' ') : c;
}

template <typename Ranges>
VocalynePositionTracker::Moved moveRangeList(Ranges &ranges, bool ordered,
                                             const VocalynePositionTracker::Change &change)
{
    VocalynePositionTracker::Moved moved;
    if (change.isEmpty())
        return moved;
    const int count = int(ranges.size());
    const int first =
        VocalyneEntityRanges::firstTouchedRange(ranges, ordered, quint32(std::max(0, change.from)));
    if (first >= count)
        return moved;
    auto *data = ranges.data();
    for (int i = first; i < count; ++i) {
        auto &range = data[i];
        const quint32 from = VocalynePositionTracker::move(range.fromChar, change);
        const quint32 to = VocalynePositionTracker::move(range.toChar, change);
        if (from == to) {
            moved.gone.append(i);
            continue;
        }
        if (from != range.fromChar || to != range.toChar) {
            range.fromChar = from;
            range.toChar = to;
            if (moved.first < 0)
                moved.first = i;
            moved.last = i;
        }
    }
    return moved;
}

template <typename Ranges> void clampRanges(Ranges &ranges, quint32 last)
{
    for (auto &range : ranges) {
        range.fromChar = std::min(range.fromChar, last);
        range.toChar = std::min(range.toChar, last);
    }
}

} // namespace

void VocalynePositionTracker::reset(const QTextDocument *document)
{
    m_text = readText(document, 0, document ? document->characterCount() : 0);
}

QString VocalynePositionTracker::readText(const QTextDocument *document, int from, int to)
{
    QString text;
    if (!document)
        return text;
    from = std::max(0, from);
    to = std::min(to, document->characterCount());
    if (to <= from)
        return text;
    text.reserve(to - from);
    if (to - from <= ReadByCharacter) {
        for (int i = from; i < to; ++i)
            text.append(blankForSeparator(document->characterAt(i)));
        return text;
    }
    for (QTextBlock block = document->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        const int position = block.position();
        const QString paragraph = block.text();
        const int start = std::max(0, from - position);
        const int end = std::min(int(paragraph.size()), to - position);
        if (end > start)
            text.append(QStringView(paragraph).mid(start, end - start));
        // The separator (or the document's final one) after the paragraph.
        if (position + paragraph.size() >= from && position + paragraph.size() < to)
            text.append(QLatin1Char(' '));
    }
    return text;
}

VocalynePositionTracker::Change VocalynePositionTracker::follow(const QTextDocument *document,
                                                                int from, int removed, int added)
{
    Change change{std::max(0, from), std::max(0, removed), std::max(0, added)};
    const int length = document ? document->characterCount() : 0;
    // The copy must have held the text before the change; if it did not
    // (a change was missed), the reported range is taken as it stands.
    if (qsizetype(length) - change.added + change.removed != m_text.size() ||
        change.from + change.removed > m_text.size()) {
        reset(document);
        return change;
    }
    const QString now = readText(document, change.from, change.from + change.added);
    if (now.size() != change.added) {
        reset(document);
        return change;
    }
    if (change.removed > 0 && change.added > 0) {
        // Only the stretch whose characters differ changed; the rest of the
        // reported range was rewritten with what it held (another edit of
        // the same block further on, or a blank turned into a separator).
        const QChar *before = m_text.constData() + change.from;
        const QChar *after = now.constData();
        int prefix = 0;
        const int shorter = std::min(change.removed, change.added);
        while (prefix < shorter && before[prefix] == after[prefix])
            ++prefix;
        int suffix = 0;
        while (suffix < shorter - prefix &&
               before[change.removed - 1 - suffix] == after[change.added - 1 - suffix])
            ++suffix;
        m_text.replace(change.from + prefix, change.removed - prefix - suffix,
                       QStringView(now).mid(prefix, change.added - prefix - suffix).toString());
        change.from += prefix;
        change.removed -= prefix + suffix;
        change.added -= prefix + suffix;
        return change;
    }
    m_text.replace(change.from, change.removed, now);
    return change;
}

quint32 VocalynePositionTracker::move(quint32 p, const Change &change)
{
    const quint32 from = quint32(change.from);
    if (p < from || change.isEmpty())
        return p;
    const quint64 end = quint64(from) + quint32(change.removed);
    if (p <= end)
        return from + quint32(change.added);
    const qint64 moved = qint64(p) + change.added - change.removed;
    return quint32(std::clamp<qint64>(moved, 0, std::numeric_limits<quint32>::max()));
}

VocalynePositionTracker::Moved VocalynePositionTracker::moveRanges(QList<QVT2SBookmark> &ranges,
                                                                   bool ordered,
                                                                   const Change &change)
{
    return moveRangeList(ranges, ordered, change);
}

VocalynePositionTracker::Moved VocalynePositionTracker::moveRanges(QList<QVT2SSection> &ranges,
                                                                   bool ordered,
                                                                   const Change &change)
{
    return moveRangeList(ranges, ordered, change);
}

VocalynePositionTracker::Moved
VocalynePositionTracker::moveElements(QList<QVT2SElement> &elements, bool ordered,
                                      const Change &change)
{
    Moved moved;
    if (change.isEmpty())
        return moved;
    const int count = int(elements.size());
    const int first = VocalyneEntityRanges::firstTouchedElement(elements, ordered,
                                                                quint32(std::max(0, change.from)));
    if (first >= count)
        return moved;
    QVT2SElement *data = elements.data();
    for (int i = first; i < count; ++i) {
        QVT2SElement &element = data[i];
        // The element's character [p, p + 1): gone with it.
        const quint32 p = element.afterChar;
        const quint32 start = move(p, change);
        const quint32 end = p == std::numeric_limits<quint32>::max() ? start : move(p + 1, change);
        if (start == end) {
            moved.gone.append(i);
            continue;
        }
        if (start != p) {
            element.afterChar = start;
            if (moved.first < 0)
                moved.first = i;
            moved.last = i;
        }
    }
    return moved;
}

void VocalynePositionTracker::clamp(QList<QVT2SBookmark> &bookmarks,
                                    QList<QVT2SSection> &sections,
                                    QList<QVT2SElement> &elements, quint32 last)
{
    clampRanges(bookmarks, last);
    clampRanges(sections, last);
    for (QVT2SElement &element : elements)
        element.afterChar = std::min(element.afterChar, last);
}
