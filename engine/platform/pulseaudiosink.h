// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "audiosink.h"

typedef struct pa_simple pa_simple;

namespace qvsp {

// Plays through the sound server. The server's buffer is kept short so
// that pause and stop are heard at once.
class PulseAudioSink : public AudioSink
{
public:
    PulseAudioSink() = default;
    ~PulseAudioSink() override;

    // True when a sound server answers.
    static bool serverAvailable();

    bool open(const StreamFormat &format) override;
    void write(const char *data, size_t size) override;
    uint64_t latencyBytes() override;
    void flush() override;

private:
    void close();

    pa_simple *m_stream = nullptr;
    StreamFormat m_format;
};

} // namespace qvsp
