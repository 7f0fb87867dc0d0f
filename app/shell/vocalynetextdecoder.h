// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QByteArray>
#include <QString>

/// Turns the bytes of a plain-text file into text. Files come both from
/// UTF-8 systems and from older 8-bit ones, and neither kind may be garbled.
class VocalyneTextDecoder
{
public:
    /// UTF-8 (a byte-order mark dropped) when bytes are valid UTF-8;
    /// otherwise the locale's 8-bit encoding, or Windows-1252 (Latin-1 when
    /// that is unavailable) on a UTF-8 locale.
    static QString decode(const QByteArray &bytes);

    /// True when bytes are well-formed UTF-8.
    static bool isValidUtf8(const QByteArray &bytes);
};
