// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QList>
#include <QtGlobal>

/// The edits made to a text since a moment (the start of a reading), so that
/// positions taken from the text as it was then can be found in the text as
/// it is now. Only where text was inserted or removed matters: an edit is
/// its position and the change in length, which stays exact also when the
/// text widget reports a wider changed range than was really touched.
class VocalyneEditTrail
{
public:
    /// Forgets every edit: positions map to themselves again.
    void clear() { m_edits.clear(); }
    bool isEmpty() const { return m_edits.isEmpty(); }
    /// Number of edits kept (typing on at one place counts once).
    qsizetype size() const { return m_edits.size(); }

    /// Records an edit at from that removed charsRemoved characters and
    /// added charsAdded (as QTextDocument::contentsChange reports it).
    void record(int from, int charsRemoved, int charsAdded);

    /// Where the character then at position is now. Text inserted at
    /// position comes before it; a removed character maps to where the
    /// removed text was.
    int map(int position) const;
    /// The current span of the then-range [from, to): its last character
    /// mapped, so text typed right after the range stays outside it.
    /// Empty (from = to) when all of it was removed.
    QPair<int, int> mapRange(int from, int to) const;

private:
    int mapCharacter(int position, bool &removed) const;

    struct Edit
    {
        int from;
        int delta; ///< characters added (positive) or removed (negative)
    };
    QList<Edit> m_edits;
};
