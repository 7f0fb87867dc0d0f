// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynewordhighlight.h"

#include "vocalynespeechmarkup.h"

#include <algorithm>

qint64 VocalyneWordHighlight::shift(const SpeechText &speech, qint32 last)
{
    // Map positions are never negative, so comparing them with an unsigned
    // last means: a negative last lies after every one of them.
    const bool beyondAll = last < 0;
    qint64 inserted = 0;
    if (speech.indexed()) {
        const auto &positions = speech.insertionPositions;
        const qsizetype count =
            beyondAll ? positions.size()
                      : std::upper_bound(positions.cbegin(), positions.cend(), last) -
                            positions.cbegin();
        inserted = count > 0 ? speech.insertionSums.at(count - 1) : 0;
    } else {
        for (const auto &entry : speech.insertionMap)
            if (beyondAll || quint32(entry.first) <= quint32(last))
                inserted += entry.second;
    }

    qint64 delta = 0;
    const auto &ranges = speech.rangeMap;
    if (speech.indexed() && speech.rangeMapOrdered) {
        const auto it = beyondAll ? ranges.cend()
                                  : std::upper_bound(ranges.cbegin(), ranges.cend(), last,
                                                     [](qint32 v, const QPair<qint32, qint32> &r) {
                                                         return v < r.first;
                                                     });
        if (it != ranges.cbegin())
            delta = std::prev(it)->second;
    } else {
        for (const auto &entry : ranges)
            if (beyondAll || quint32(entry.first) <= quint32(last))
                delta = entry.second;
    }
    return inserted + delta;
}

VocalyneWordHighlight::Range VocalyneWordHighlight::map(const SpeechText &speech,
                                                        qint16 engineType, qint32 speakPitch,
                                                        qint32 first, qint32 last)
{
    Range range;
    if (first == 0 && last == -1) {
        range.caretToStart = true;
        return range;
    }
    if (engineType == 3) {
        const int prefix = VocalyneSpeechMarkup::pitchPrefixLength(speakPitch);
        first -= prefix;
        last -= prefix;
    }
    const qint64 s = shift(speech, last);
    range.from = qint32(first + s);
    range.to = qint32(last + s + 1);
    return range;
}
