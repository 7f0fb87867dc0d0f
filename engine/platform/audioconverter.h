// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "streamformat.h"

#include <cstdint>
#include <string>

typedef struct soxr *soxr_t;

namespace qvsp {

// Converts the synthesiser's mono 16-bit samples to an output format:
// sample rate through libsoxr, then channels and bit depth. One converter
// serves one utterance; flush() at its end releases the resampler's tail.
class AudioConverter
{
public:
    AudioConverter(int inputRate, const StreamFormat &format);
    ~AudioConverter();
    AudioConverter(const AudioConverter &) = delete;
    AudioConverter &operator=(const AudioConverter &) = delete;

    // Appends the converted bytes of count input samples to out.
    void convert(const int16_t *samples, size_t count, std::string &out);
    void flush(std::string &out);
    // Where input sample position lands in the output, in bytes.
    uint64_t outputByteOffset(uint64_t inputSample) const;

private:
    void emit(const int16_t *samples, size_t count, std::string &out);

    int m_inputRate;
    StreamFormat m_format;
    soxr_t m_soxr = nullptr;
};

} // namespace qvsp
