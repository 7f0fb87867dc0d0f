// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "vocalynetextsearch.h"

#include <QList>
#include <QString>
#include <QTextCursor>

class VocalyneDocumentEdit;

/// Replace All on an editor's document and its speech entities, as one undo
/// step whose time does not grow with the number of entities times the
/// number of matches.
///
/// Every entity stays on its text: an entity that starts or ends at a match
/// starts or ends at its replacement, a position inside a match keeps its
/// offset as far as the replacement reaches (an element whose character has
/// no counterpart in a shorter replacement goes to the replacement's last
/// character). Undo and redo move the entities back and forth the same way.
class VocalyneReplaceAll
{
public:
    /// Where positions go when the matches at starts (ascending, none
    /// overlapping), each fromLength long, become toLength long.
    struct PositionMap
    {
        QList<int> starts;
        int fromLength = 0;
        int toLength = 0;

        /// p's place afterwards; element: p is an element's character.
        quint32 map(quint32 p, bool element) const;
        /// The map that takes the result back.
        PositionMap inverse() const;
    };

    /// Replaces every match of text in edit's document (whole document,
    /// forwards, whatever options.searchUp says) by replacement; each match
    /// of the text as it was is replaced exactly once. Returns the number of
    /// replacements; last, when given, receives a cursor after the last one.
    static int run(VocalyneDocumentEdit *edit, const QString &text, const QString &replacement,
                   const VocalyneTextSearch::Options &options, QTextCursor *last = nullptr);

    /// Replaces the length characters at start by replacement as one undo
    /// step, moving the entities as run() does (an entity that starts with
    /// the replaced text starts with the new text).
    static void replaceOne(VocalyneDocumentEdit *edit, int start, int length,
                           const QString &replacement);

    /// Moves every entity of edit by map (the lists only; the next sync of
    /// the editor builds the highlights from them).
    static void moveEntities(VocalyneDocumentEdit *edit, const PositionMap &map);
};
