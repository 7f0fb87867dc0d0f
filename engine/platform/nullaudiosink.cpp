// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "nullaudiosink.h"

#include <thread>

namespace qvsp {

bool NullAudioSink::open(const StreamFormat &format)
{
    m_format = format;
    m_start = Clock::now();
    m_bytes = 0;
    return true;
}

void NullAudioSink::write(const char *, size_t size)
{
    if (!m_realTime)
        return;
    const auto bytesPerSecond = uint64_t(m_format.bytesPerSecond());
    const auto now = Clock::now();
    auto due = m_start + std::chrono::microseconds(m_bytes * 1000000 / bytesPerSecond);
    // After a gap (nothing to play for a while) the device would have sat
    // idle; it does not owe the host that time.
    if (now > due) {
        m_start = now;
        m_bytes = 0;
    }
    m_bytes += size;
    std::this_thread::sleep_until(m_start +
                                  std::chrono::microseconds(m_bytes * 1000000 / bytesPerSecond));
}

void NullAudioSink::resumePlayback()
{
    m_start = Clock::now();
    m_bytes = 0;
}

} // namespace qvsp
