// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "audioconverter.h"

#include <soxr.h>

#include <cstring>
#include <vector>

namespace qvsp {

namespace {

constexpr bool kLittleEndian = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__;

} // namespace

AudioConverter::AudioConverter(int inputRate, const StreamFormat &format)
    : m_inputRate(inputRate), m_format(format)
{
    if (inputRate != format.sampleRate) {
        soxr_io_spec_t io = soxr_io_spec(SOXR_INT16_I, SOXR_INT16_I);
        // 16-bit speech in, 16-bit out: dither would only add a hiss to
        // the silences (and to speech at volume 0).
        io.flags |= SOXR_NO_DITHER;
        const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_MQ, 0);
        soxr_error_t error = nullptr;
        m_soxr = soxr_create(inputRate, format.sampleRate, 1, &error, &io, &quality, nullptr);
        if (error)
            m_soxr = nullptr;
    }
}

AudioConverter::~AudioConverter()
{
    if (m_soxr)
        soxr_delete(m_soxr);
}

void AudioConverter::convert(const int16_t *samples, size_t count, std::string &out)
{
    if (!m_soxr) {
        emit(samples, count, out);
        return;
    }
    std::vector<int16_t> resampled(count * m_format.sampleRate / m_inputRate + 64);
    size_t used = 0;
    while (used < count) {
        size_t done = 0;
        size_t made = 0;
        soxr_process(m_soxr, samples + used, count - used, &done, resampled.data(),
                     resampled.size(), &made);
        emit(resampled.data(), made, out);
        used += done;
        if (done == 0 && made == 0)
            break;
    }
}

void AudioConverter::flush(std::string &out)
{
    if (!m_soxr)
        return;
    std::vector<int16_t> resampled(4096);
    for (;;) {
        size_t made = 0;
        soxr_process(m_soxr, nullptr, 0, nullptr, resampled.data(), resampled.size(), &made);
        if (made == 0)
            break;
        emit(resampled.data(), made, out);
    }
}

uint64_t AudioConverter::outputByteOffset(uint64_t inputSample) const
{
    const uint64_t frame = inputSample * uint64_t(m_format.sampleRate) / uint64_t(m_inputRate);
    return frame * uint64_t(m_format.bytesPerFrame());
}

void AudioConverter::emit(const int16_t *samples, size_t count, std::string &out)
{
    const size_t start = out.size();
    out.resize(start + count * size_t(m_format.bytesPerFrame()));
    if (kLittleEndian && m_format.bits == 16 && m_format.channels == 1) {
        // The synthesiser's own layout: nothing to convert.
        if (count > 0)
            std::memcpy(&out[start], samples, count * sizeof(int16_t));
        return;
    }
    auto *p = reinterpret_cast<unsigned char *>(&out[start]);
    for (size_t i = 0; i < count; ++i) {
        const int16_t s = samples[i];
        for (int c = 0; c < m_format.channels; ++c) {
            if (m_format.bits == 8) {
                *p++ = static_cast<unsigned char>((s >> 8) + 128);
            } else {
                *p++ = static_cast<unsigned char>(s & 0xFF);
                *p++ = static_cast<unsigned char>((uint16_t(s) >> 8) & 0xFF);
            }
        }
    }
}

} // namespace qvsp
