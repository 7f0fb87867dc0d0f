// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "platformaudiooutput.h"

#include "captureaudiosink.h"
#include "nullaudiosink.h"
#include "platformmemoryaudiooutput.h"
#include "pulseaudiosink.h"
#include "wavfileaudiosink.h"

#include <cstdlib>
#include <cstring>

namespace qvsp {

PlatformAudioOutput::PlatformAudioOutput(Kind kind, const std::string &folder)
    : m_kind(kind), m_folder(folder)
{
    if (kind == Memory)
        m_buffer = std::make_shared<AudioBuffer>();
    StreamFormat::fromNumber(StreamFormat::kDefaultNumber, m_format);
}

std::shared_ptr<PlatformAudioOutput> PlatformAudioOutput::fromEnvironment()
{
    const char *value = std::getenv("VOCALYNE_AUDIO_OUTPUT");
    const std::string choice = value ? value : "";
    if (choice == "null")
        return std::make_shared<PlatformAudioOutput>(Null, std::string());
    if (choice == "fast-null")
        return std::make_shared<PlatformAudioOutput>(FastNull, std::string());
    if (choice.compare(0, 8, "capture:") == 0 && choice.size() > 8)
        return std::make_shared<PlatformAudioOutput>(Capture, choice.substr(8));
    return std::make_shared<PlatformAudioOutput>(Pulse, std::string());
}

HResult PlatformAudioOutput::setFormat(int streamFormat)
{
    StreamFormat format;
    const HResult hr = StreamFormat::fromNumber(streamFormat, format);
    if (hr != kOk)
        return hr == kInvalidArg ? kUnsupportedFormat : hr;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_format = format;
    return kOk;
}

int PlatformAudioOutput::format() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_format.number;
}

StreamFormat PlatformAudioOutput::streamFormat() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_format;
}

std::unique_ptr<AudioSink> PlatformAudioOutput::createSink() const
{
    switch (m_kind) {
    case Capture:
        return std::make_unique<CaptureAudioSink>(m_folder);
    case WavFile:
        return std::make_unique<WavFileAudioSink>(m_folder);
    case Memory:
        return std::make_unique<MemoryAudioSink>(m_buffer);
    case FastNull:
        return std::make_unique<NullAudioSink>(false);
    case Null:
        return std::make_unique<NullAudioSink>(true);
    case Pulse:
        break;
    }
    if (PulseAudioSink::serverAvailable())
        return std::make_unique<PulseAudioSink>();
    return std::make_unique<NullAudioSink>(true);
}

bool PlatformAudioOutput::sharesSinkWith(const PlatformAudioOutput &other) const
{
    if (this == &other)
        return true;
    // Each file or buffer output has a sink of its own; the machine's
    // outputs are the same device whichever object names them.
    if (m_kind == WavFile || m_kind == Memory)
        return false;
    return m_kind == other.m_kind && m_folder == other.m_folder;
}

AudioOutputPtr createWavFileAudioOutput(const std::string &path, HResult *hr)
{
    if (path.empty()) {
        if (hr)
            *hr = kInvalidArg;
        return nullptr;
    }
    if (hr)
        *hr = kOk;
    return std::make_shared<PlatformAudioOutput>(PlatformAudioOutput::WavFile, path);
}

std::shared_ptr<MemoryAudioOutput> createMemoryAudioOutput(HResult *hr)
{
    if (hr)
        *hr = kOk;
    return std::make_shared<PlatformMemoryAudioOutput>();
}

AudioOutputPtr createDefaultAudioOutput(HResult *hr)
{
    if (hr)
        *hr = kOk;
    return PlatformAudioOutput::fromEnvironment();
}

} // namespace qvsp
