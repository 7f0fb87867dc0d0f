// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "pulseaudiosink.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace qvsp {

namespace {

// Every callback just wakes whoever waits on the loop; the waiter looks at
// the states itself.
void signalLoop(pa_threaded_mainloop *loop)
{
    pa_threaded_mainloop_signal(loop, 0);
}

void contextChanged(pa_context *, void *loop)
{
    signalLoop(static_cast<pa_threaded_mainloop *>(loop));
}

void streamChanged(pa_stream *, void *loop)
{
    signalLoop(static_cast<pa_threaded_mainloop *>(loop));
}

void streamWritable(pa_stream *, size_t, void *loop)
{
    signalLoop(static_cast<pa_threaded_mainloop *>(loop));
}

class LoopLock
{
public:
    explicit LoopLock(pa_threaded_mainloop *loop) : m_loop(loop)
    {
        pa_threaded_mainloop_lock(loop);
    }
    ~LoopLock() { pa_threaded_mainloop_unlock(m_loop); }

private:
    pa_threaded_mainloop *m_loop;
};

void forget(pa_operation *operation)
{
    if (operation)
        pa_operation_unref(operation);
}

} // namespace

PulseAudioSink::PulseAudioSink()
{
    connectContext();
}

PulseAudioSink::~PulseAudioSink()
{
    if (!m_loop)
        return;
    {
        LoopLock lock(m_loop);
        closeStream();
        if (m_context) {
            pa_context_disconnect(m_context);
            pa_context_unref(m_context);
            m_context = nullptr;
        }
    }
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
}

bool PulseAudioSink::connectContext()
{
    m_loop = pa_threaded_mainloop_new();
    if (!m_loop)
        return false;
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "Vocalyne");
    if (!m_context)
        return false;
    pa_context_set_state_callback(m_context, contextChanged, m_loop);
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return false;
    if (pa_threaded_mainloop_start(m_loop) < 0)
        return false;
    LoopLock lock(m_loop);
    for (;;) {
        const pa_context_state_t state = pa_context_get_state(m_context);
        if (state == PA_CONTEXT_READY)
            return true;
        if (!PA_CONTEXT_IS_GOOD(state))
            return false;
        pa_threaded_mainloop_wait(m_loop);
    }
}

bool PulseAudioSink::serverAvailable()
{
    PulseAudioSink probe;
    if (!probe.m_loop || !probe.m_context)
        return false;
    LoopLock lock(probe.m_loop);
    return pa_context_get_state(probe.m_context) == PA_CONTEXT_READY;
}

bool PulseAudioSink::streamReady() const
{
    return m_stream && pa_stream_get_state(m_stream) == PA_STREAM_READY;
}

bool PulseAudioSink::open(const StreamFormat &format)
{
    if (!m_loop || !m_context)
        return false;
    LoopLock lock(m_loop);
    if (streamReady() && format.sampleRate == m_format.sampleRate &&
        format.channels == m_format.channels && format.bits == m_format.bits)
        return true;
    closeStream();
    m_format = format;
    if (pa_context_get_state(m_context) != PA_CONTEXT_READY)
        return false;
    pa_sample_spec spec;
    spec.format = format.bits == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    spec.rate = uint32_t(format.sampleRate);
    spec.channels = uint8_t(format.channels);
    m_stream = pa_stream_new(m_context, "Speech", &spec, nullptr);
    if (!m_stream)
        return false;
    pa_stream_set_state_callback(m_stream, streamChanged, m_loop);
    pa_stream_set_write_callback(m_stream, streamWritable, m_loop);
    pa_buffer_attr attr;
    attr.maxlength = uint32_t(-1);
    attr.tlength = uint32_t(format.bytesPerSecond() / 8); // 125 ms
    attr.prebuf = uint32_t(-1);
    attr.minreq = uint32_t(-1);
    attr.fragsize = uint32_t(-1);
    const auto flags = pa_stream_flags_t(PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_ADJUST_LATENCY |
                                         PA_STREAM_AUTO_TIMING_UPDATE);
    if (pa_stream_connect_playback(m_stream, nullptr, &attr, flags, nullptr, nullptr) < 0) {
        closeStream();
        return false;
    }
    for (;;) {
        const pa_stream_state_t state = pa_stream_get_state(m_stream);
        if (state == PA_STREAM_READY)
            return true;
        if (!PA_STREAM_IS_GOOD(state)) {
            closeStream();
            return false;
        }
        pa_threaded_mainloop_wait(m_loop);
    }
}

void PulseAudioSink::closeStream()
{
    if (!m_stream)
        return;
    pa_stream_set_state_callback(m_stream, nullptr, nullptr);
    pa_stream_set_write_callback(m_stream, nullptr, nullptr);
    pa_stream_disconnect(m_stream);
    pa_stream_unref(m_stream);
    m_stream = nullptr;
}

void PulseAudioSink::keepTime(size_t size)
{
    // The server went away: keep time as if playing, so the host still
    // sees its words and the end of the text.
    const auto perSecond = uint64_t(std::max(1, m_format.bytesPerSecond()));
    std::this_thread::sleep_for(std::chrono::microseconds(size * 1000000 / perSecond));
}

void PulseAudioSink::write(const char *data, size_t size)
{
    if (!m_loop) {
        keepTime(size);
        return;
    }
    size_t unplayed = 0;
    {
        LoopLock lock(m_loop);
        while (size > 0) {
            if (!streamReady()) {
                unplayed = size;
                break;
            }
            const size_t writable = pa_stream_writable_size(m_stream);
            if (writable == 0 || writable == size_t(-1)) {
                pa_threaded_mainloop_wait(m_loop);
                continue;
            }
            const size_t n = std::min(writable, size);
            if (pa_stream_write(m_stream, data, n, nullptr, 0, PA_SEEK_RELATIVE) < 0) {
                unplayed = size;
                break;
            }
            data += n;
            size -= n;
        }
    }
    if (unplayed)
        keepTime(unplayed);
}

uint64_t PulseAudioSink::latencyBytes()
{
    if (!m_loop)
        return 0;
    LoopLock lock(m_loop);
    if (!streamReady())
        return 0;
    pa_usec_t usec = 0;
    int negative = 0;
    if (pa_stream_get_latency(m_stream, &usec, &negative) < 0 || negative)
        return 0;
    return usec * uint64_t(m_format.bytesPerSecond()) / 1000000;
}

void PulseAudioSink::flush()
{
    if (!m_loop)
        return;
    LoopLock lock(m_loop);
    if (streamReady())
        forget(pa_stream_flush(m_stream, nullptr, nullptr));
}

void PulseAudioSink::pausePlayback()
{
    if (!m_loop)
        return;
    LoopLock lock(m_loop);
    if (streamReady())
        forget(pa_stream_cork(m_stream, 1, nullptr, nullptr));
}

void PulseAudioSink::resumePlayback()
{
    if (!m_loop)
        return;
    LoopLock lock(m_loop);
    if (streamReady())
        forget(pa_stream_cork(m_stream, 0, nullptr, nullptr));
}

} // namespace qvsp
