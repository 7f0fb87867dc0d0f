// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>

class QSettings;

/// Typed reads from the settings store with the store's rules: a missing key
/// gives the caller's fallback (or the key's missing value from the key
/// table), a value of the wrong type reads as 0 or as empty text.
class VocalyneSettingsValue
{
public:
    /// The stored integer; fallback when the key is missing; 0 when the
    /// stored value is not a number.
    static int readInt(const QSettings &settings, const QString &key, int fallback);
    /// As readInt, with the key's missing value from the key table (0 when
    /// the table has none).
    static int readInt(const QSettings &settings, const QString &key);
    /// Booleans are stored as integers: nonzero means on.
    static bool readBool(const QSettings &settings, const QString &key, bool fallback);
    static bool readBool(const QSettings &settings, const QString &key);
    /// The stored text; fallback when the key is missing.
    static QString readText(const QSettings &settings, const QString &key,
                            const QString &fallback);
    static QString readText(const QSettings &settings, const QString &key);
};
