// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "captureaudiosink.h"

#include "textcodec.h"

#include <sndfile.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cinttypes>
#include <sys/stat.h>
#include <unistd.h>

namespace qvsp {

namespace {

std::atomic<int> g_nextNumber{1};

// A long text is hours of audio arriving a tenth of a second at a time;
// writing it in large blocks saves most of the system calls.
constexpr size_t kWriteBlock = 128 * 1024;

void makeFolder(const std::string &path)
{
    // mkdir -p: every level in turn; existing levels are fine.
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        mkdir(path.substr(0, slash).c_str(), 0755);
        if (slash == std::string::npos)
            break;
    }
}

} // namespace

CaptureAudioSink::CaptureAudioSink(const std::string &folder) : m_folder(folder)
{
    m_pending.reserve(kWriteBlock + 8192);
    while (m_folder.size() > 1 && m_folder.back() == '/')
        m_folder.pop_back();
    makeFolder(m_folder);
}

CaptureAudioSink::~CaptureAudioSink()
{
    endStream();
}

bool CaptureAudioSink::open(const StreamFormat &format)
{
    m_format = format;
    return true;
}

void CaptureAudioSink::beginStream(uint32_t)
{
    endStream();
    std::string base;
    for (;;) {
        char name[32];
        std::snprintf(name, sizeof name, "/utt-%04d", g_nextNumber++);
        base = m_folder + name;
        // Never overwrite what an earlier run or another voice left behind.
        if (access((base + ".wav").c_str(), F_OK) != 0)
            break;
    }
    SF_INFO info{};
    info.samplerate = m_format.sampleRate;
    info.channels = m_format.channels;
    info.format = SF_FORMAT_WAV | (m_format.bits == 8 ? SF_FORMAT_PCM_U8 : SF_FORMAT_PCM_16);
    m_wav = sf_open((base + ".wav").c_str(), SFM_WRITE, &info);
    m_events = std::fopen((base + ".events").c_str(), "w");
    if (m_events)
        std::fputs("# audio-byte-offset event-id wParam lParam [bookmark]\n", m_events);
}

void CaptureAudioSink::write(const char *data, size_t size)
{
    if (!m_wav)
        return;
    m_pending.append(data, size);
    if (m_pending.size() >= kWriteBlock)
        writePending();
}

void CaptureAudioSink::writePending()
{
    // The file takes whole frames only; a part frame waits for its rest.
    const size_t frame = size_t(std::max(1, m_format.bytesPerFrame()));
    const size_t whole = m_pending.size() / frame * frame;
    if (m_wav && whole > 0)
        sf_write_raw(m_wav, m_pending.data(), sf_count_t(whole));
    m_pending.erase(0, whole);
}

void CaptureAudioSink::recordEvent(const Event &event)
{
    if (!m_events)
        return;
    std::fprintf(m_events, "%" PRIu64 " %d %" PRIu64 " %" PRId64, event.audioStreamOffset, event.id,
                 event.wParam, event.lParam);
    if (event.id == kEventBookmark)
        std::fprintf(m_events, " %s", TextCodec::toUtf8(event.bookmark).c_str());
    std::fputc('\n', m_events);
}

void CaptureAudioSink::endStream()
{
    writePending();
    m_pending.clear();
    if (m_wav)
        sf_close(m_wav);
    if (m_events)
        std::fclose(m_events);
    m_wav = nullptr;
    m_events = nullptr;
}

} // namespace qvsp
