// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QtGlobal>

/// The engine text of one build and the maps that lead the engine's word
/// positions back to document positions.
struct SpeechText
{
    /// Plain text with engine markup inserted.
    QString text;
    /// One (spokenStart, docDelta) per spoken bookmark fragment: from engine
    /// position spokenStart on, document position = plain spoken position +
    /// docDelta. Empty when the whole text is read.
    QList<QPair<qint32, qint32>> rangeMap;
    /// One (spokenPos, negLength) per inserted markup string, in merge order:
    /// at engine position spokenPos a string of -negLength characters sits.
    QList<QPair<qint32, qint32>> insertionMap;

    /// Lookup tables for the word mapping, filled by reindex(): the
    /// insertion positions in ascending order and the running sums of their
    /// negLength values (insertionSums[i] = sum over the first i + 1).
    QList<qint32> insertionPositions;
    QList<qint64> insertionSums;
    /// rangeMap's spokenStart values never decrease (the builder's maps
    /// always do); otherwise the mapping falls back to a scan.
    bool rangeMapOrdered = true;

    /// Rebuilds the lookup tables after the maps changed. The builder calls
    /// it; whoever fills the maps by hand must call it too.
    void reindex();
    /// True when the lookup tables belong to the current maps.
    bool indexed() const { return insertionPositions.size() == insertionMap.size(); }

    void clear()
    {
        text.clear();
        rangeMap.clear();
        insertionMap.clear();
        insertionPositions.clear();
        insertionSums.clear();
        rangeMapOrdered = true;
    }

    friend bool operator==(const SpeechText &a, const SpeechText &b)
    {
        return a.text == b.text && a.rangeMap == b.rangeMap && a.insertionMap == b.insertionMap;
    }
    friend bool operator!=(const SpeechText &a, const SpeechText &b) { return !(a == b); }
};
