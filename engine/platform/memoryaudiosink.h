// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "audiosink.h"

#include <memory>
#include <mutex>
#include <string>

namespace qvsp {

// Audio collected in memory, shared between the playback thread that
// fills it and the host that takes it.
struct AudioBuffer
{
    std::mutex mutex;
    std::string bytes;
};

// Appends everything to an AudioBuffer, as fast as it comes.
class MemoryAudioSink : public AudioSink
{
public:
    explicit MemoryAudioSink(std::shared_ptr<AudioBuffer> buffer) : m_buffer(std::move(buffer)) {}

    bool open(const StreamFormat &) override { return true; }
    void write(const char *data, size_t size) override
    {
        std::lock_guard<std::mutex> lock(m_buffer->mutex);
        m_buffer->bytes.append(data, size);
    }

private:
    std::shared_ptr<AudioBuffer> m_buffer;
};

} // namespace qvsp
