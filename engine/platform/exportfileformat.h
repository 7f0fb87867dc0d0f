// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "speechplatform.h"

#include <string>

namespace qvsp {

// The file an export writes: container, encoding, rate and channels. The
// voice renders 16-bit PCM at the file's rate and channel count; the file
// encodes it.
struct ExportFileFormat
{
    enum Container { Wav, Aiff, Au };
    enum Encoding { PcmU8, Pcm16, ALaw, ULaw, MsAdpcm, Gsm610 };

    Container container = Wav;
    Encoding encoding = Pcm16;
    int sampleRate = 22050;
    int channels = 1;

    // The WAV file of a stream format number: kOk for PCM (4 to 39),
    // A-law (41 to 48), u-law (49 to 56), MS ADPCM (57 to 64) and GSM 6.10
    // (65 to 68); kUnsupportedFormat for TrueSpeech (40), which has no
    // encoder here; kInvalidArg for any other number.
    static HResult fromNumber(int number, ExportFileFormat &format);
    // As fromNumber, except for two family tokens whose encoding does not
    // follow the number: "aiff" is an AIFF file of 16 kHz 16-bit mono and
    // "snd" an AU file of 8 kHz 16-bit mono.
    static HResult fromToken(const std::string &token, int number, ExportFileFormat &format);

    // The libsndfile format (major and minor type).
    int sndfileFormat() const;
    // The PCM stream format number the voice renders in: 16-bit at the
    // file's rate and channel count.
    int renderStreamNumber() const;
};

} // namespace qvsp
