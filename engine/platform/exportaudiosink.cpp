// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "exportaudiosink.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>

namespace qvsp {

namespace {

// libsndfile's virtual I/O over a caller's memory block: the image grows
// past the block's end only in its recorded size, so a caller can learn
// how much room the whole file needs.
sf_count_t memoryLength(void *user)
{
    return static_cast<ExportTarget *>(user)->size;
}

sf_count_t memorySeek(sf_count_t offset, int whence, void *user)
{
    auto *t = static_cast<ExportTarget *>(user);
    sf_count_t base = 0;
    if (whence == SEEK_CUR)
        base = t->position;
    else if (whence == SEEK_END)
        base = t->size;
    const sf_count_t target = base + offset;
    if (target < 0)
        return -1;
    t->position = target;
    return target;
}

sf_count_t memoryRead(void *data, sf_count_t count, void *user)
{
    auto *t = static_cast<ExportTarget *>(user);
    const sf_count_t available =
        std::max<sf_count_t>(0, std::min<sf_count_t>(t->size, t->capacity) - t->position);
    const sf_count_t n = std::min(count, available);
    if (n > 0)
        std::memcpy(data, t->buffer + t->position, size_t(n));
    t->position += n;
    return n;
}

sf_count_t memoryWrite(const void *data, sf_count_t count, void *user)
{
    auto *t = static_cast<ExportTarget *>(user);
    const sf_count_t fits = std::max<sf_count_t>(0, std::min(count, t->capacity - t->position));
    if (fits > 0)
        std::memcpy(t->buffer + t->position, data, size_t(fits));
    t->position += count;
    t->size = std::max(t->size, t->position);
    return count;
}

sf_count_t memoryTell(void *user)
{
    return static_cast<ExportTarget *>(user)->position;
}

} // namespace

ExportAudioSink::ExportAudioSink(std::shared_ptr<ExportTarget> target,
                                 const ExportFileFormat &format)
    : m_target(std::move(target)), m_fileFormat(format)
{
}

ExportAudioSink::~ExportAudioSink()
{
    if (m_file && sf_close(m_file) != 0)
        m_target->failed = true;
}

bool ExportAudioSink::open(const StreamFormat &format)
{
    if (m_file)
        return true;
    if (m_target->failed)
        return false;
    // The voice renders what the file was made for; anything else would be
    // written at the wrong speed.
    if (format.bits != 16 || format.sampleRate != m_fileFormat.sampleRate ||
        format.channels != m_fileFormat.channels) {
        m_target->failed = true;
        return false;
    }
    SF_INFO info{};
    info.samplerate = m_fileFormat.sampleRate;
    info.channels = m_fileFormat.channels;
    info.format = m_fileFormat.sndfileFormat();
    if (m_target->buffer) {
        static SF_VIRTUAL_IO io = {memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};
        m_file = sf_open_virtual(&io, SFM_WRITE, &info, m_target.get());
    } else {
        m_file = sf_open(m_target->path.c_str(), SFM_WRITE, &info);
    }
    if (!m_file) {
        m_target->failed = true;
        return false;
    }
    m_target->opened = true;
    m_headerEvery = uint64_t(format.bytesPerSecond());
    return true;
}

void ExportAudioSink::write(const char *data, size_t size)
{
    if (!m_file || size == 0)
        return;
    // The player hands over whole frames of 16-bit samples in machine order.
    const sf_count_t samples = sf_count_t(size / sizeof(short));
    if (sf_write_short(m_file, reinterpret_cast<const short *>(data), samples) != samples)
        m_target->failed = true;
    m_sinceHeader += size;
    if (m_sinceHeader >= m_headerEvery) {
        m_sinceHeader = 0;
        sf_command(m_file, SFC_UPDATE_HEADER_NOW, nullptr, 0);
    }
}

void ExportAudioSink::endStream()
{
    if (m_file)
        sf_command(m_file, SFC_UPDATE_HEADER_NOW, nullptr, 0);
}

ExportAudioOutput::ExportAudioOutput(std::shared_ptr<ExportTarget> target,
                                     const ExportFileFormat &format)
    : PlatformAudioOutput(WavFile, target->path), m_target(std::move(target)), m_fileFormat(format)
{
    setFormat(format.renderStreamNumber());
}

std::unique_ptr<AudioSink> ExportAudioOutput::createSink() const
{
    return std::make_unique<ExportAudioSink>(m_target, m_fileFormat);
}

} // namespace qvsp
