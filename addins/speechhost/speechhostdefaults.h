// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>

/// The default speech values the main program stores for the user (group
/// "DefaultSpeechValues" of its settings). They count as present only when
/// the voice name and the three numbers can all be read.
struct SpeechHostDefaults
{
    bool present = false;
    QString voiceName;
    int speed = 100;
    int volume = 100;
    int pitch = 100;

    /// Reads the program's settings file (organisation "Halvern",
    /// application "Vocalyne"), or the given file when not empty.
    static SpeechHostDefaults read(const QString &settingsFile = QString());
};
