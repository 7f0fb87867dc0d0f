// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "speechplatform.h"

namespace qvsp {

// A linear PCM format as the outputs play it.
struct StreamFormat
{
    int number = 22;
    int sampleRate = 22050;
    int channels = 1;
    int bits = 16; // 8 (unsigned) or 16 (signed little endian)

    int bytesPerFrame() const { return channels * bits / 8; }
    int bytesPerSecond() const { return sampleRate * bytesPerFrame(); }

    // The format of a stream format number: kOk for the PCM numbers 4 to 39,
    // kUnsupportedFormat for TrueSpeech (40), A-law (41-48), u-law (49-56),
    // ADPCM (57-64), GSM (65-68), kInvalidArg for any other number.
    static HResult fromNumber(int number, StreamFormat &format);
    // The format speech is played in until a host chooses another: 22,
    // 22050 Hz 16-bit mono, the synthesiser's own rate.
    static constexpr int kDefaultNumber = 22;
};

} // namespace qvsp
