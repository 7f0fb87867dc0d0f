// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynesettingsvalue.h"

#include "vocalynesettingskeys.h"

#include <QSettings>

int VocalyneSettingsValue::readInt(const QSettings &settings, const QString &key, int fallback)
{
    if (!settings.contains(key))
        return fallback;
    bool ok = false;
    // The native store on Linux keeps everything as text; toInt() reads
    // "12" and 12 alike and refuses anything that is not a whole number.
    const int value = settings.value(key).toInt(&ok);
    return ok ? value : 0;
}

int VocalyneSettingsValue::readInt(const QSettings &settings, const QString &key)
{
    const QVariant missing = VocalyneSettingsKeys::missingValue(key);
    return readInt(settings, key, missing.isValid() ? missing.toInt() : 0);
}

bool VocalyneSettingsValue::readBool(const QSettings &settings, const QString &key,
                                     bool fallback)
{
    return readInt(settings, key, fallback ? 1 : 0) != 0;
}

bool VocalyneSettingsValue::readBool(const QSettings &settings, const QString &key)
{
    return readInt(settings, key) != 0;
}

QString VocalyneSettingsValue::readText(const QSettings &settings, const QString &key,
                                        const QString &fallback)
{
    if (!settings.contains(key))
        return fallback;
    const QVariant value = settings.value(key);
    // A list or a map stored by mistake reads as empty text, not as the
    // first item or a "@Variant" blob.
    return value.canConvert<QString>() ? value.toString() : QString();
}

QString VocalyneSettingsValue::readText(const QSettings &settings, const QString &key)
{
    return readText(settings, key, VocalyneSettingsKeys::missingValue(key).toString());
}
