// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "pulseaudiosink.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <chrono>
#include <thread>

namespace qvsp {

namespace {

pa_sample_spec specOf(const StreamFormat &format)
{
    pa_sample_spec spec;
    spec.format = format.bits == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    spec.rate = uint32_t(format.sampleRate);
    spec.channels = uint8_t(format.channels);
    return spec;
}

pa_simple *connect(const StreamFormat &format)
{
    const pa_sample_spec spec = specOf(format);
    pa_buffer_attr attr;
    attr.maxlength = uint32_t(-1);
    attr.tlength = uint32_t(format.bytesPerSecond() / 8); // 125 ms
    attr.prebuf = uint32_t(-1);
    attr.minreq = uint32_t(-1);
    attr.fragsize = uint32_t(-1);
    int error = 0;
    return pa_simple_new(nullptr, "Vocalyne", PA_STREAM_PLAYBACK, nullptr, "Speech", &spec,
                         nullptr, &attr, &error);
}

} // namespace

PulseAudioSink::~PulseAudioSink() { close(); }

bool PulseAudioSink::serverAvailable()
{
    pa_simple *probe = connect(StreamFormat());
    if (!probe)
        return false;
    pa_simple_free(probe);
    return true;
}

bool PulseAudioSink::open(const StreamFormat &format)
{
    if (m_stream && format.sampleRate == m_format.sampleRate &&
        format.channels == m_format.channels && format.bits == m_format.bits)
        return true;
    close();
    m_format = format;
    m_stream = connect(format);
    return m_stream != nullptr;
}

void PulseAudioSink::write(const char *data, size_t size)
{
    int error = 0;
    if (!m_stream || pa_simple_write(m_stream, data, size, &error) < 0) {
        // The server went away mid-speech: keep time as if playing, so the
        // host still sees its words and the end of the text.
        std::this_thread::sleep_for(
            std::chrono::microseconds(size * 1000000 / uint64_t(m_format.bytesPerSecond())));
    }
}

uint64_t PulseAudioSink::latencyBytes()
{
    if (!m_stream)
        return 0;
    int error = 0;
    const pa_usec_t usec = pa_simple_get_latency(m_stream, &error);
    if (usec == pa_usec_t(-1))
        return 0;
    return usec * uint64_t(m_format.bytesPerSecond()) / 1000000;
}

void PulseAudioSink::flush()
{
    int error = 0;
    if (m_stream)
        pa_simple_flush(m_stream, &error);
}

void PulseAudioSink::close()
{
    if (m_stream)
        pa_simple_free(m_stream);
    m_stream = nullptr;
}

} // namespace qvsp
