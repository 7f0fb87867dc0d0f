// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvt2selement.h"

#include <QList>
#include <QtGlobal>

#include <algorithm>

/// Searches over entity lists and text blocks that keep the editor's work
/// per keystroke independent of the document's size. Ranges are bookmarks
/// or sections (fromChar, toChar); "ordered" lists have nondecreasing starts
/// and ends, which every edit preserves.
namespace VocalyneEntityRanges {

template <typename Ranges> bool rangesOrdered(const Ranges &ranges)
{
    for (qsizetype i = 0; i < ranges.size(); ++i) {
        if (ranges.at(i).fromChar > ranges.at(i).toChar)
            return false;
        if (i > 0 && (ranges.at(i - 1).fromChar > ranges.at(i).fromChar ||
                      ranges.at(i - 1).toChar > ranges.at(i).toChar))
            return false;
    }
    return true;
}

/// The first range that an edit at from can have touched: a cursor below the
/// edit never moves, one at it moves when text is inserted there (0 unless
/// ordered).
template <typename Ranges> int firstTouchedRange(const Ranges &ranges, bool ordered, quint32 from)
{
    if (!ordered || from == 0)
        return 0;
    const auto it = std::partition_point(ranges.cbegin(), ranges.cend(),
                                         [from](const auto &r) { return r.toChar < from; });
    return int(it - ranges.cbegin());
}

/// The smallest n in [0, count] for which pred(n) is false (count when there
/// is none), for a pred that is true on a prefix; searched outwards from hint
/// in doubling steps, then by bisection.
template <typename Pred> int gallopFirstFalse(int count, int hint, Pred pred)
{
    if (count <= 0)
        return 0;
    hint = std::clamp(hint, 0, count - 1);
    int low = 0;
    int high = count;
    if (pred(hint)) {
        low = hint + 1;
        for (int step = 1;; step *= 2) {
            const int probe = hint + step;
            if (probe >= count)
                break;
            if (!pred(probe)) {
                high = probe;
                break;
            }
            low = probe + 1;
        }
    } else {
        high = hint;
        for (int step = 1;; step *= 2) {
            const int probe = hint - step;
            if (probe < 0)
                break;
            if (pred(probe)) {
                low = probe + 1;
                break;
            }
            high = probe;
        }
    }
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (pred(mid))
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

/// True when the elements' positions are nondecreasing.
bool elementsOrdered(const QList<QVT2SElement> &elements);
/// The first element an edit at from can have touched (0 unless ordered).
int firstTouchedElement(const QList<QVT2SElement> &elements, bool ordered, quint32 from);

} // namespace VocalyneEntityRanges
