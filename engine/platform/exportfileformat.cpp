// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "exportfileformat.h"

#include "streamformat.h"

#include <sndfile.h>

namespace qvsp {

HResult ExportFileFormat::fromNumber(int number, ExportFileFormat &format)
{
    ExportFileFormat result;
    result.container = Wav;
    if (number >= 4 && number <= 39) {
        StreamFormat pcm;
        StreamFormat::fromNumber(number, pcm);
        result.encoding = pcm.bits == 8 ? PcmU8 : Pcm16;
        result.sampleRate = pcm.sampleRate;
        result.channels = pcm.channels;
        format = result;
        return kOk;
    }
    if (number == 40)
        return kUnsupportedFormat;
    // The companded and ADPCM numbers run through 8, 11.025, 22.05 and
    // 44.1 kHz, mono then stereo; GSM is mono only.
    static const int kRates[] = {8000, 11025, 22050, 44100};
    if (number >= 41 && number <= 64) {
        const int index = (number - 41) % 8;
        const int family = (number - 41) / 8;
        result.encoding = family == 0 ? ALaw : family == 1 ? ULaw : MsAdpcm;
        result.sampleRate = kRates[index / 2];
        result.channels = index % 2 ? 2 : 1;
        format = result;
        return kOk;
    }
    if (number >= 65 && number <= 68) {
        result.encoding = Gsm610;
        result.sampleRate = kRates[number - 65];
        result.channels = 1;
        format = result;
        return kOk;
    }
    return kInvalidArg;
}

HResult ExportFileFormat::fromToken(const std::string &token, int number, ExportFileFormat &format)
{
    if (token == "aiff" || token == "snd") {
        ExportFileFormat result;
        result.container = token == "aiff" ? Aiff : Au;
        result.encoding = Pcm16;
        result.sampleRate = token == "aiff" ? 16000 : 8000;
        result.channels = 1;
        format = result;
        return kOk;
    }
    return fromNumber(number, format);
}

int ExportFileFormat::sndfileFormat() const
{
    int major = SF_FORMAT_WAV;
    if (container == Aiff)
        major = SF_FORMAT_AIFF;
    else if (container == Au)
        major = SF_FORMAT_AU;
    switch (encoding) {
    case PcmU8:
        return major | SF_FORMAT_PCM_U8;
    case Pcm16:
        return major | SF_FORMAT_PCM_16;
    case ALaw:
        return major | SF_FORMAT_ALAW;
    case ULaw:
        return major | SF_FORMAT_ULAW;
    case MsAdpcm:
        return major | SF_FORMAT_MS_ADPCM;
    case Gsm610:
        return major | SF_FORMAT_GSM610;
    }
    return major | SF_FORMAT_PCM_16;
}

int ExportFileFormat::renderStreamNumber() const
{
    static const int kRates[] = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
    for (int i = 0; i < 9; ++i) {
        if (kRates[i] == sampleRate)
            return 4 + i * 4 + 2 + (channels == 2 ? 1 : 0);
    }
    return StreamFormat::kDefaultNumber;
}

} // namespace qvsp
