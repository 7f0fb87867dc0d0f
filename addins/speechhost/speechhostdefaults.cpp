// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "speechhostdefaults.h"

#include <QSettings>

#include <memory>

namespace {

bool readNumber(const QSettings &settings, const QString &key, int *out)
{
    const QVariant value = settings.value(key);
    if (!value.isValid())
        return false;
    bool ok = false;
    const int number = value.toInt(&ok);
    if (ok)
        *out = number;
    return ok;
}

} // namespace

SpeechHostDefaults SpeechHostDefaults::read(const QString &settingsFile)
{
    std::unique_ptr<QSettings> settings =
        settingsFile.isEmpty()
            ? std::make_unique<QSettings>(QStringLiteral("Halvern"), QStringLiteral("Vocalyne"))
            : std::make_unique<QSettings>(settingsFile, QSettings::NativeFormat);
    SpeechHostDefaults defaults;
    const QVariant voice = settings->value(QStringLiteral("DefaultSpeechValues/voiceName"));
    SpeechHostDefaults read;
    if (!voice.isValid() ||
        !readNumber(*settings, QStringLiteral("DefaultSpeechValues/speed"), &read.speed) ||
        !readNumber(*settings, QStringLiteral("DefaultSpeechValues/volume"), &read.volume) ||
        !readNumber(*settings, QStringLiteral("DefaultSpeechValues/pitch"), &read.pitch))
        return defaults;
    read.voiceName = voice.toString();
    read.present = true;
    return read;
}
