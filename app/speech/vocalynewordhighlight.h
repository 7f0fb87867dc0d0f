// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "speechtext.h"

#include <QtGlobal>

/// Leads a word event of the engine (the first and last engine-text index
/// of the word) back to the document range to select.
class VocalyneWordHighlight
{
public:
    struct Range
    {
        bool caretToStart = false; ///< end of speech: caret to 0, no selection
        qint32 from = 0;           ///< first document position of the word
        qint32 to = 0;             ///< one past its last position
    };

    /// engineType and speakPitch are the speaking document's engine type
    /// and the pitch in force when speaking started: a type-3 engine puts
    /// pitch markup in front of the text, which is taken off first. Then
    /// the markup inserted up to last and the fragment's document offset
    /// are added. (0, -1) is the end of speech. Runs in logarithmic time
    /// on the text's lookup tables (SpeechText::reindex()).
    static Range map(const SpeechText &speech, qint16 engineType, qint32 speakPitch, qint32 first,
                     qint32 last);

    /// The document shift for an engine position with the pitch prefix
    /// already taken off: the sum of the negLength values of the insertions
    /// at or before last plus the docDelta of the last fragment starting at
    /// or before it. Positions compare as unsigned numbers.
    static qint64 shift(const SpeechText &speech, qint32 last);
};
