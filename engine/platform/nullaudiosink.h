// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "audiosink.h"

#include <chrono>

namespace qvsp {

// Discards audio, either at the speed it would play (so that word events,
// pause and stop behave as with a sound card) or as fast as it comes.
class NullAudioSink : public AudioSink
{
public:
    explicit NullAudioSink(bool realTime) : m_realTime(realTime) {}

    bool open(const StreamFormat &format) override;
    void write(const char *data, size_t size) override;
    bool paced() const override { return m_realTime; }
    void resumePlayback() override;

private:
    using Clock = std::chrono::steady_clock;
    bool m_realTime;
    StreamFormat m_format;
    Clock::time_point m_start;
    uint64_t m_bytes = 0;
};

} // namespace qvsp
