// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "audiosink.h"

typedef struct pa_threaded_mainloop pa_threaded_mainloop;
typedef struct pa_context pa_context;
typedef struct pa_stream pa_stream;

namespace qvsp {

// Plays through the sound server. The server's buffer is kept short so
// that stop is heard at once; pause corks the stream, so it holds at the
// sample it reached and goes on from there.
class PulseAudioSink : public AudioSink
{
public:
    PulseAudioSink();
    ~PulseAudioSink() override;
    PulseAudioSink(const PulseAudioSink &) = delete;
    PulseAudioSink &operator=(const PulseAudioSink &) = delete;

    // True when a sound server answers (without starting one).
    static bool serverAvailable();

    bool open(const StreamFormat &format) override;
    void write(const char *data, size_t size) override;
    bool paced() const override { return true; }
    uint64_t latencyBytes() override;
    void flush() override;
    void pausePlayback() override;
    void resumePlayback() override;

private:
    bool connectContext();
    void closeStream();
    bool streamReady() const;
    void keepTime(size_t size);

    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
    StreamFormat m_format;
};

} // namespace qvsp
