// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynepositiontracker.h"

#include "vocalyneentityranges.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

namespace {

// Below this many characters a change is read character by character; a
// paragraph's text would copy the whole paragraph, which may be the book.
constexpr int ReadByCharacter = 256;

// Edits of one reported change beyond which it is taken as one replacement.
constexpr int MaxEdits = 2048;

inline QChar blankForSeparator(QChar c)
{
    return c == QChar::ParagraphSeparator ? QLatin1Char(' ') : c;
}

template <typename Ranges>
VocalynePositionTracker::Moved moveRangeList(Ranges &ranges, bool ordered,
                                             const VocalynePositionTracker::Change &change,
                                             QList<VocalynePositionTracker::Restore> *restores,
                                             int list)
{
    VocalynePositionTracker::Moved moved;
    if (change.isEmpty())
        return moved;
    const int count = int(ranges.size());
    const int first =
        VocalyneEntityRanges::firstTouchedRange(ranges, ordered, quint32(std::max(0, change.from)));
    if (first >= count)
        return moved;
    const quint64 zoneStart = quint32(change.from);
    const quint64 zoneEnd = zoneStart + quint32(change.removed);
    const qint64 delta = qint64(change.added) - change.removed;
    auto *data = ranges.data();
    for (int i = first; i < count; ++i) {
        auto &range = data[i];
        if (ordered && range.fromChar > zoneEnd) {
            // This range and all behind it lie after the change: they only
            // shift (a keystroke near the start shifts them all).
            for (int j = i; j < count; ++j) {
                auto &behind = data[j];
                if (behind.fromChar == behind.toChar) {
                    moved.gone.append(j);
                    continue;
                }
                behind.fromChar = quint32(behind.fromChar + delta);
                behind.toChar = quint32(behind.toChar + delta);
            }
            if (delta != 0) {
                if (moved.first < 0)
                    moved.first = i;
                moved.last = count - 1;
            }
            break;
        }
        const quint32 from = VocalynePositionTracker::move(range.fromChar, change);
        const quint32 to = VocalynePositionTracker::move(range.toChar, change);
        if (from == to) {
            moved.gone.append(i);
            continue;
        }
        if (restores && change.removed > 0) {
            if (range.fromChar >= zoneStart && range.fromChar <= zoneEnd)
                restores->append({list, i, false, range.fromChar});
            if (range.toChar >= zoneStart && range.toChar <= zoneEnd)
                restores->append({list, i, true, range.toChar});
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
    m_buffer = readText(document, 0, document ? document->characterCount() : 0);
    m_gapStart = m_buffer.size();
    m_gapLength = 0;
}

QString VocalynePositionTracker::text() const
{
    QString text = QStringView(m_buffer).left(m_gapStart).toString();
    text += QStringView(m_buffer).mid(m_gapStart + m_gapLength);
    return text;
}

void VocalynePositionTracker::moveGap(qsizetype position)
{
    QChar *data = m_buffer.data();
    if (position < m_gapStart) {
        const qsizetype count = m_gapStart - position;
        std::memmove(data + position + m_gapLength, data + position, size_t(count) * sizeof(QChar));
    } else if (position > m_gapStart) {
        const qsizetype count = position - m_gapStart;
        std::memmove(data + m_gapStart, data + m_gapStart + m_gapLength,
                     size_t(count) * sizeof(QChar));
    }
    m_gapStart = position;
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

QList<VocalynePositionTracker::Change>
VocalynePositionTracker::follow(const QTextDocument *document, int from, int removed, int added)
{
    Change change{std::max(0, from), std::max(0, removed), std::max(0, added)};
    const int length = document ? document->characterCount() : 0;
    // The copy must have held the text before the change; if it did not
    // (a change was missed), the reported range is taken as it stands.
    if (qsizetype(length) - change.added + change.removed != size() ||
        change.from + change.removed > size()) {
        reset(document);
        return {change};
    }
    const QString now = readText(document, change.from, change.from + change.added);
    if (now.size() != change.added) {
        reset(document);
        return {change};
    }
    // The old text of the range right behind the gap, then replaced.
    moveGap(change.from);
    QList<Change> changes{change};
    if (change.removed > 0 && change.added > 0) {
        // Only the stretches whose characters differ changed; the rest of
        // the reported range was rewritten with what it held.
        changes = difference(QStringView(m_buffer).mid(m_gapStart + m_gapLength, change.removed),
                             now, change.from);
    }
    m_gapLength += change.removed;
    if (m_gapLength < change.added) {
        // Room for the new text and for typing on.
        const qsizetype grow = change.added - m_gapLength + std::max<qsizetype>(4096, size() / 8);
        const qsizetype tail = m_buffer.size() - m_gapStart - m_gapLength;
        m_buffer.resize(m_buffer.size() + grow);
        QChar *data = m_buffer.data();
        std::memmove(data + m_buffer.size() - tail, data + m_gapStart + m_gapLength,
                     size_t(tail) * sizeof(QChar));
        m_gapLength += grow;
    }
    std::copy(now.cbegin(), now.cend(), m_buffer.begin() + m_gapStart);
    m_gapStart += change.added;
    m_gapLength -= change.added;
    return changes;
}

QList<VocalynePositionTracker::Change> VocalynePositionTracker::difference(QStringView before,
                                                                          QStringView after,
                                                                          int offset,
                                                                          qint64 budget, int minRun)
{
    const int n0 = int(before.size());
    const int m0 = int(after.size());
    int prefix = 0;
    const int shorter = std::min(n0, m0);
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    int suffix = 0;
    while (suffix < shorter - prefix && before[n0 - 1 - suffix] == after[m0 - 1 - suffix])
        ++suffix;
    const QStringView a = before.mid(prefix, n0 - prefix - suffix);
    const QStringView b = after.mid(prefix, m0 - prefix - suffix);
    const int n = int(a.size());
    const int m = int(b.size());
    const int base = offset + prefix;
    if (n == 0 && m == 0)
        return {};
    const Change whole{base, n, m};
    if (n == 0 || m == 0)
        return {whole};

    // The shortest edit script (Myers): for each number of edits d, the
    // furthest point reached on each diagonal k = x - y. The text between
    // the edits of one block is mostly equal, so d stays small; past the
    // budget the range is one replacement.
    const int limitD = std::min(n + m, MaxEdits);
    const int centre = limitD + 1;
    std::vector<int> v(size_t(2 * limitD + 3), 0);
    std::vector<std::vector<int>> trace;
    qint64 work = 0;
    int found = -1;
    for (int d = 0; d <= limitD && found < 0 && work <= budget; ++d) {
        // v before step d, diagonals -d-1 .. d+1, for the way back.
        trace.emplace_back(v.begin() + (centre - d - 1), v.begin() + (centre + d + 2));
        for (int k = -d; k <= d; k += 2) {
            int x = (k == -d || (k != d && v[size_t(centre + k - 1)] < v[size_t(centre + k + 1)]))
                        ? v[size_t(centre + k + 1)]
                        : v[size_t(centre + k - 1)] + 1;
            int y = x - k;
            while (x < n && y < m && a[x] == b[y]) {
                ++x;
                ++y;
                ++work;
            }
            ++work;
            v[size_t(centre + k)] = x;
            if (x >= n && y >= m) {
                found = d;
                break;
            }
        }
    }
    if (found < 0)
        return {whole};

    // Back from the end: each step is one deletion (x - 1) or insertion
    // (y - 1) after a run of equal characters.
    struct Run
    {
        int x;
        int y;
        int length;
    };
    QList<Run> equalRuns; // from the end backwards
    int x = n;
    int y = m;
    for (int d = found; d > 0; --d) {
        const std::vector<int> &previous = trace[size_t(d)];
        // trace[d] holds v before step d, for diagonals -d-1 .. d+1.
        auto at = [&previous, d](int k) { return previous[size_t(k + d + 1)]; };
        const int k = x - y;
        const bool down = k == -d || (k != d && at(k - 1) < at(k + 1));
        const int previousK = down ? k + 1 : k - 1;
        const int previousX = at(previousK);
        const int previousY = previousX - previousK;
        const int startX = down ? previousX : previousX + 1;
        const int startY = startX - k;
        if (x > startX)
            equalRuns.append({startX, startY, x - startX});
        x = previousX;
        y = previousY;
    }
    if (x > 0)
        equalRuns.append({0, 0, x});

    // The changes lie between the kept runs; short runs join the changes
    // around them, so a replaced word does not keep a stray equal letter.
    QList<Change> changes; // descending
    int endX = n;
    int endY = m;
    auto close = [&](int runEndX, int runEndY) {
        if (endX > runEndX || endY > runEndY)
            changes.append({base + runEndX, endX - runEndX, endY - runEndY});
    };
    for (const Run &run : std::as_const(equalRuns)) {
        const bool atEdge = run.x == 0 && run.y == 0;
        if (run.length < minRun && !atEdge)
            continue;
        close(run.x + run.length, run.y + run.length);
        endX = run.x;
        endY = run.y;
    }
    close(0, 0);
    return changes;
}

VocalynePositionTracker::Moved VocalynePositionTracker::moveRanges(QList<QVT2SBookmark> &ranges,
                                                                   bool ordered,
                                                                   const Change &change,
                                                                   QList<Restore> *restores,
                                                                   int list)
{
    return moveRangeList(ranges, ordered, change, restores, list);
}

VocalynePositionTracker::Moved VocalynePositionTracker::moveRanges(QList<QVT2SSection> &ranges,
                                                                   bool ordered,
                                                                   const Change &change,
                                                                   QList<Restore> *restores,
                                                                   int list)
{
    return moveRangeList(ranges, ordered, change, restores, list);
}

bool VocalynePositionTracker::Step::merge(const Step &next)
{
    const Change &n = next.change;
    if (n.removed == 0 && n.added > 0 && n.from == change.from + change.added) {
        // Typing on after an insertion or after typing over a selection.
        change.added += n.added;
    } else if (change.added == 0 && n.added == 0 && n.removed > 0 &&
               n.from + n.removed == change.from) {
        // Backspace after a deletion.
        change.from = n.from;
        change.removed += n.removed;
    } else if (change.added == 0 && n.added == 0 && n.removed > 0 && n.from == change.from) {
        // Delete after a deletion.
        change.removed += n.removed;
    } else {
        return false;
    }
    restores += next.restores;
    return true;
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
    const quint64 zoneEnd = quint64(quint32(change.from)) + quint32(change.removed);
    const qint64 delta = qint64(change.added) - change.removed;
    QVT2SElement *data = elements.data();
    for (int i = first; i < count; ++i) {
        QVT2SElement &element = data[i];
        // The element's character [p, p + 1): gone with it.
        const quint32 p = element.afterChar;
        if (ordered && p > zoneEnd) {
            // This element and all behind it only shift.
            if (delta != 0) {
                for (int j = i; j < count; ++j)
                    data[j].afterChar = quint32(data[j].afterChar + delta);
                if (moved.first < 0)
                    moved.first = i;
                moved.last = count - 1;
            }
            break;
        }
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
