// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "audiosink.h"
#include "exportaudiooutput.h"

#include <memory>

typedef struct sf_private_tag SNDFILE;

namespace qvsp {

// Encodes 16-bit PCM into the export's file or memory image through
// libsndfile. The file is closed, and so complete, when the sink goes.
class ExportAudioSink : public AudioSink
{
public:
    ExportAudioSink(std::shared_ptr<ExportTarget> target, const ExportFileFormat &format);
    ~ExportAudioSink() override;

    bool open(const StreamFormat &format) override;
    void write(const char *data, size_t size) override;
    void endStream() override;

private:
    std::shared_ptr<ExportTarget> m_target;
    ExportFileFormat m_fileFormat;
    SNDFILE *m_file = nullptr;
    uint64_t m_sinceHeader = 0; // bytes written since the header was last updated
    uint64_t m_headerEvery = 0;
};

} // namespace qvsp
