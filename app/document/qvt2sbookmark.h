// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QtGlobal>

/// A character range [fromChar, toChar); when any bookmark is enabled, only
/// the enabled bookmarks' text is read.
struct QVT2SBookmark
{
    quint32 fromChar = 0;
    quint32 toChar = 0;
    bool enabled = false;

    friend bool operator==(const QVT2SBookmark &a, const QVT2SBookmark &b)
    {
        return a.fromChar == b.fromChar && a.toChar == b.toChar && a.enabled == b.enabled;
    }
    friend bool operator!=(const QVT2SBookmark &a, const QVT2SBookmark &b) { return !(a == b); }
};
