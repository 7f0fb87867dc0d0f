// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "wavfileaudiosink.h"

#include <sndfile.h>

namespace qvsp {

WavFileAudioSink::~WavFileAudioSink()
{
    if (m_file)
        sf_close(m_file);
}

bool WavFileAudioSink::open(const StreamFormat &format)
{
    if (m_file) {
        // One file holds one format: a later text in another format is
        // still converted to the file's.
        return m_format.sampleRate == format.sampleRate && m_format.channels == format.channels &&
               m_format.bits == format.bits;
    }
    m_format = format;
    SF_INFO info{};
    info.samplerate = format.sampleRate;
    info.channels = format.channels;
    info.format = SF_FORMAT_WAV | (format.bits == 8 ? SF_FORMAT_PCM_U8 : SF_FORMAT_PCM_16);
    m_file = sf_open(m_path.c_str(), SFM_WRITE, &info);
    return m_file != nullptr;
}

void WavFileAudioSink::write(const char *data, size_t size)
{
    if (m_file)
        sf_write_raw(m_file, data, sf_count_t(size));
}

void WavFileAudioSink::endStream()
{
    if (m_file)
        sf_command(m_file, SFC_UPDATE_HEADER_NOW, nullptr, 0);
}

} // namespace qvsp
