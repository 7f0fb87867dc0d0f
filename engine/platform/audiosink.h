// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "speechplatform.h"
#include "streamformat.h"

#include <cstddef>
#include <cstdint>

namespace qvsp {

// Where a voice's audio goes. Used from the voice's playback thread only.
class AudioSink
{
public:
    virtual ~AudioSink() = default;
    // Prepares the sink for bytes in format; false when it cannot.
    virtual bool open(const StreamFormat &format) = 0;
    // Hands bytes over; blocks as long as the device needs to take them.
    virtual void write(const char *data, size_t size) = 0;
    // Whether the sink takes audio at the pace it is heard (a sound card or
    // its stand-in); others take it as fast as it comes.
    virtual bool paced() const { return false; }
    // Bytes handed over but not yet heard.
    virtual uint64_t latencyBytes() { return 0; }
    // Drops what is handed over but not yet heard.
    virtual void flush() {}
    // Playback is held (nothing is written meanwhile) or goes on again.
    virtual void pausePlayback() {}
    virtual void resumePlayback() {}
    // One utterance (queued text) begins or ends; events are the ones the
    // utterance produced, as they are played.
    virtual void beginStream(uint32_t /*streamNumber*/) {}
    virtual void endStream() {}
    virtual void recordEvent(const Event & /*event*/) {}
};

} // namespace qvsp
