// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "streamformat.h"

namespace qvsp {

HResult StreamFormat::fromNumber(int number, StreamFormat &format)
{
    // The PCM numbers run through the rates in steps of four: 8-bit mono,
    // 8-bit stereo, 16-bit mono, 16-bit stereo for each rate.
    static const int kRates[] = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
    if (number >= 4 && number <= 39) {
        const int index = number - 4;
        format.number = number;
        format.sampleRate = kRates[index / 4];
        format.channels = (index % 2) ? 2 : 1;
        format.bits = (index % 4) >= 2 ? 16 : 8;
        return kOk;
    }
    if (number >= 40 && number <= 68)
        return kUnsupportedFormat; // compressed: TrueSpeech, A-law, u-law, ADPCM, GSM
    return kInvalidArg;
}

} // namespace qvsp
