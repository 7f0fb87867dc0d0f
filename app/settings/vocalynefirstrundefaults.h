// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "vocalyneinstalledvoice.h"

#include <QList>
#include <QString>

class QSettings;

/// The default speech values in "DefaultSpeechValues": written at first run
/// and repaired when the default voice is no longer installed. Shows nothing
/// itself; the caller shows warningText() when the result asks for it.
class VocalyneFirstRunDefaults
{
public:
    struct Result
    {
        bool written = false;        ///< missing default keys were written
        bool repaired = false;       ///< the vanished default voice was replaced
        bool warningNeeded = false;  ///< no voice to take the defaults from
    };

    /// voices is the voice list in its order (entry 0 supplies the voice).
    /// Missing keys are written; keys already stored are kept, except that
    /// the four voice keys are always written together from one voice, and
    /// that a stored voice which is not installed any more is replaced by
    /// entry 0 with its prosody, sentence pause, highlight and markup flag
    /// reset (the export keys are kept). With no voice nothing is written.
    static Result apply(const QList<VocalyneInstalledVoice> &voices, QSettings &settings);
    /// The same on the program's own store (organisation and application
    /// names must be set).
    static Result apply(const QList<VocalyneInstalledVoice> &voices);

    /// True when all 17 first-run keys exist.
    static bool isComplete(const QSettings &settings);

    /// "Unable to set the default speech settings from the list of voices."
    /// (translated; shown with the title "Error").
    static QString warningText();
};
