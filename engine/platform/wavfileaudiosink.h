// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "audiosink.h"

#include <string>

typedef struct sf_private_tag SNDFILE;

namespace qvsp {

// Writes everything into one WAV file, as fast as it comes. The header is
// brought up to date at the end of every text, so the file is valid then.
class WavFileAudioSink : public AudioSink
{
public:
    explicit WavFileAudioSink(const std::string &path) : m_path(path) {}
    ~WavFileAudioSink() override;

    bool open(const StreamFormat &format) override;
    void write(const char *data, size_t size) override;
    void endStream() override;

private:
    std::string m_path;
    StreamFormat m_format;
    SNDFILE *m_file = nullptr;
};

} // namespace qvsp
