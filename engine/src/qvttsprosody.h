// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <cstdint>
#include <string>

// Prosody values as hosts pass them (percentages, -1 = leave unchanged) and
// what the voice receives.
class QVTTSProsody
{
public:
    // Percentage to whole-tone steps of the voice's scale: ln(p/100) over
    // ln of a whole tone, truncated toward zero. Non-positive percentages
    // have no logarithm; they give the lowest step rather than a garbage
    // integer from a NaN or infinity.
    static long percentToSteps(int32_t percent);
    // The markup put in front of the text for a pitch in steps.
    static std::string pitchPrefix(long steps);
    // Speak flags for a text type and the punctuation switch.
    static uint32_t speakFlags(int32_t textType, bool speakPunctuation);

    static constexpr long kMinSteps = -10;
    static constexpr long kMaxSteps = 10;
};
