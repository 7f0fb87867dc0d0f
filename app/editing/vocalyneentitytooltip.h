// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvt2sbookmark.h"
#include "qvt2selement.h"
#include "qvt2ssection.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

/// Composes the editor's tooltip for the entities at one text position: the
/// bookmarks there first, then the first section, then the first element,
/// the parts joined by "<br>".
class VocalyneEntityTooltip
{
    Q_DECLARE_TR_FUNCTIONS(VocalyneEntityTooltip)

public:
    /// The tooltip for position (the end of the word under the mouse).
    /// Bookmarks count only with withBookmarks, sections only with
    /// withSections (the editor passes whether the manager tables have rows).
    /// Empty when nothing covers position.
    static QString compose(const QList<QVT2SBookmark> &bookmarks,
                           const QList<QVT2SSection> &sections, const QList<QVT2SElement> &elements,
                           quint32 position, bool withBookmarks, bool withSections);

    static QString bookmarkText(const QVT2SBookmark &bookmark);
    static QString sectionText(const QVT2SSection &section);
    static QString elementText(const QVT2SElement &element);

private:
    static QString stateText(bool enabled);
};
