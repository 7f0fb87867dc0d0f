// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

/// The values a section of each voice engine family may take, and the
/// sentence pause a section gets when its voice is chosen anew. Speed,
/// volume and pitch reset to 100 for every family.
class VocalyneSectionRanges
{
public:
    struct Ranges
    {
        int speedMin, speedMax;
        int volumeMin, volumeMax;
        int pitchMin, pitchMax;
        int pauseMin, pauseMax;
        int resetPause;
    };

    /// The ranges of engine type 0 to 4; false (and ranges untouched) for
    /// any other type.
    static bool forEngineType(int engineType, Ranges *ranges);

    static constexpr int ResetProsody = 100;
};
