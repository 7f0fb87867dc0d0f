// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>
#include <QtGlobal>

/// An inline engine command inserted before the character at afterChar.
/// type is a key of the element-type catalogue ("pause"); value its parameter.
struct QVT2SElement
{
    quint32 afterChar = 0;
    QString type;
    QString value;
    bool enabled = false;

    friend bool operator==(const QVT2SElement &a, const QVT2SElement &b)
    {
        return a.afterChar == b.afterChar && a.type == b.type && a.value == b.value &&
               a.enabled == b.enabled;
    }
    friend bool operator!=(const QVT2SElement &a, const QVT2SElement &b) { return !(a == b); }
};
