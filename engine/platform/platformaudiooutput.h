// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "audiosink.h"
#include "memoryaudiosink.h"
#include "speechplatform.h"
#include "streamformat.h"

#include <memory>
#include <mutex>
#include <string>

namespace qvsp {

// An audio output as the environment variable VOCALYNE_AUDIO_OUTPUT names
// it: "pulse" (the default; the sound server, or "null" when none
// answers), "null" (real-time speed, no sound), "fast-null" (as fast as
// audio comes) or "capture:DIR" (WAV and event files in DIR); or one the
// host asks for: a WAV file or a memory buffer. It holds the stream format
// the voice plays in; the default is format 22, 22050 Hz 16-bit mono, the
// synthesiser's own rate.
class PlatformAudioOutput : public AudioOutput
{
public:
    enum Kind { Pulse, Null, FastNull, Capture, WavFile, Memory };

    // folder: the capture folder, or the WAV file's path.
    PlatformAudioOutput(Kind kind, const std::string &folder);

    // The output the environment asks for.
    static std::shared_ptr<PlatformAudioOutput> fromEnvironment();

    HResult setFormat(int streamFormat) override;
    int format() const override;
    StreamFormat streamFormat() const;

    Kind kind() const { return m_kind; }
    // Whether its sinks play at the pace audio is heard (sound server,
    // null); the others take audio as fast as it comes.
    bool isPaced() const { return m_kind == Pulse || m_kind == Null; }
    const std::string &folder() const { return m_folder; }
    // A sink that plays into this output. A pulse output whose server does
    // not answer gives a real-time null sink. Export outputs make their own.
    virtual std::unique_ptr<AudioSink> createSink() const;
    // Whether a sink made for other serves this output as well.
    bool sharesSinkWith(const PlatformAudioOutput &other) const;
    // Memory outputs: the buffer their sink fills.
    const std::shared_ptr<AudioBuffer> &buffer() const { return m_buffer; }

private:
    Kind m_kind;
    std::string m_folder;
    std::shared_ptr<AudioBuffer> m_buffer;
    mutable std::mutex m_mutex;
    StreamFormat m_format;
};

} // namespace qvsp
