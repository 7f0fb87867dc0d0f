// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvt2sdocument.h"

/// The .t2s reader and writer as they were when they went through a DOM
/// tree: the reference the streaming reader and writer are compared with.
class DomReferenceDocument : public QVT2SDocument
{
public:
    bool domRead(const QByteArray &bytes);
    QByteArray domWrite(const QString &content);

    /// Puts records in as they stand, unsorted and unchecked, as a file may.
    void setLists(const QList<QVT2SSection> &sections, const QList<QVT2SElement> &elements,
                  const QList<QVT2SBookmark> &bookmarks);
};
