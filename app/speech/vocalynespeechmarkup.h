// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>
#include <QtGlobal>

struct QVT2SSection;

/// The markup strings that put a section's voice and prosody around its
/// text, per voice engine type (1, 3 and 4 have markup; every other type is
/// read with the surrounding voice), and the small text rules around them.
class VocalyneSpeechMarkup
{
public:
    /// Whole tones as the type-3 engines count pitch and speed: log(x / 100)
    /// over log(1.1224620483), truncated toward zero (100 gives 0, 200 gives
    /// 6, 50 gives -6). Values below 1 count as 1, where the logarithm
    /// still exists.
    static int semitones(qint32 percent);

    static bool hasSectionMarkup(qint16 engineType);

    /// The string that opens section for its engine type; documentSpeed is
    /// the global voice's speed (type 3 speaks a section's speed relative to
    /// it). Empty for types without markup.
    static QString sectionOpening(const QVT2SSection &section, qint32 documentSpeed);
    /// The string that closes a section of engineType; empty without markup.
    static QString sectionClosing(qint16 engineType);

    /// Replaces the typographic single quotes by "'" and the typographic
    /// double quotes by '"'; lengths do not change.
    static QString normalizeQuotes(QString text);

    /// The length of the pitch markup that a type-3 engine puts in front
    /// of the text it speaks: 20 characters plus the digits (and minus
    /// sign) of semitones(speakPitch).
    static int pitchPrefixLength(qint32 speakPitch);
};
