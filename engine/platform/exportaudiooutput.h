// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "exportfileformat.h"
#include "platformaudiooutput.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

namespace qvsp {

// Where one export's audio goes: a file, or a caller's memory block that
// receives the same file image. The sink reports here what became of it.
struct ExportTarget
{
    std::string path; // file destination (UTF-8), when buffer is null
    char *buffer = nullptr;
    int64_t capacity = 0;
    // Memory destination: bytes of the image so far (may exceed capacity;
    // only what fits is stored) and the write position.
    int64_t size = 0;
    int64_t position = 0;

    std::atomic<bool> opened{false}; // the destination was created
    std::atomic<bool> failed{false}; // it could not be created or written
};

// An audio output that encodes what a voice speaks into an ExportTarget,
// as fast as it is synthesised (never paced). The voice renders 16-bit PCM
// at the file's rate and channels; the file's header is brought up to date
// about once a second of audio, so that a reader following the file while
// it grows always finds valid audio up to the length the header states.
class ExportAudioOutput : public PlatformAudioOutput
{
public:
    ExportAudioOutput(std::shared_ptr<ExportTarget> target, const ExportFileFormat &format);

    std::unique_ptr<AudioSink> createSink() const override;
    const std::shared_ptr<ExportTarget> &target() const { return m_target; }

private:
    std::shared_ptr<ExportTarget> m_target;
    ExportFileFormat m_fileFormat;
};

} // namespace qvsp
