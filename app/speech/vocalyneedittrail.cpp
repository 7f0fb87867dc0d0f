// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneedittrail.h"

#include <algorithm>

void VocalyneEditTrail::record(int from, int charsRemoved, int charsAdded)
{
    // The widget may report the end of a paragraph as removed and added
    // again; the difference is what changed the positions behind it.
    const int delta = charsAdded - charsRemoved;
    if (delta == 0 || from < 0)
        return;
    if (!m_edits.isEmpty()) {
        // Typing on, backspacing or deleting at one place is one edit, so
        // the trail grows with the places edited, not with the keys.
        Edit &last = m_edits.last();
        if (last.delta > 0 && delta > 0 && from == last.from + last.delta) {
            last.delta += delta;
            return;
        }
        if (last.delta < 0 && delta < 0 && (from == last.from || from - delta == last.from)) {
            last.from = from;
            last.delta += delta;
            return;
        }
    }
    m_edits.append({from, delta});
}

int VocalyneEditTrail::map(int position) const
{
    bool removed = false;
    return mapCharacter(position, removed);
}

int VocalyneEditTrail::mapCharacter(int position, bool &removed) const
{
    for (const Edit &edit : m_edits) {
        if (edit.delta > 0) {
            if (position >= edit.from)
                position += edit.delta;
        } else if (position >= edit.from - edit.delta) {
            position += edit.delta;
        } else if (position >= edit.from) {
            removed = true;
            position = edit.from;
        }
    }
    return position;
}

QPair<int, int> VocalyneEditTrail::mapRange(int from, int to) const
{
    if (to <= from)
        return {map(from), map(from)};
    const int start = map(from);
    // The span ends right after its last character; when that one was
    // removed, at the place it was removed from.
    bool lastRemoved = false;
    const int last = mapCharacter(to - 1, lastRemoved);
    const int end = lastRemoved ? last : last + 1;
    return {start, std::max(start, end)};
}
