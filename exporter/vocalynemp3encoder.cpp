// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynemp3encoder.h"

#include <QFile>

#include <lame/lame.h>
#include <sndfile.h>

#include <chrono>
#include <cstdio>
#include <vector>

struct VocalyneMp3Encoder::State
{
    lame_global_flags *lame = nullptr;
    FILE *out = nullptr;
    int channels = 0;
    int rate = 0;
    sf_count_t consumed = 0; // frames encoded so far
    std::vector<short> pcm;
    std::vector<short> left;
    std::vector<unsigned char> mp3;
    bool failed = false;

    ~State()
    {
        if (lame)
            lame_close(lame);
        if (out)
            std::fclose(out);
    }
};

namespace {

constexpr sf_count_t kChunkFrames = 8192;

} // namespace

VocalyneMp3Encoder::VocalyneMp3Encoder(const QString &wavPath, const QString &mp3Path,
                                       int kbitPerSecond)
    : m_wavPath(wavPath), m_mp3Path(mp3Path), m_kbit(kbitPerSecond)
{
}

VocalyneMp3Encoder::~VocalyneMp3Encoder()
{
    if (m_thread.joinable())
        finish(false);
    delete m_state;
}

int VocalyneMp3Encoder::bitRateFor(int sampleRate, int wanted)
{
    // MPEG-2.5 (8 to 12 kHz) stops at 64 kbit/s, MPEG-2 (16 to 24 kHz) at
    // 160 kbit/s; LAME refuses anything above.
    if (sampleRate <= 12000)
        return qMin(wanted, 64);
    if (sampleRate <= 24000)
        return qMin(wanted, 160);
    return qMin(wanted, 320);
}

void VocalyneMp3Encoder::start()
{
    m_thread = std::thread([this] { run(); });
}

bool VocalyneMp3Encoder::finish(bool complete)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_writerDone = true;
        m_writerComplete = complete;
    }
    m_cv.notify_all();
    if (m_thread.joinable())
        m_thread.join();
    return complete && m_ok;
}

void VocalyneMp3Encoder::run()
{
    m_state = new State;
    for (;;) {
        bool done = false;
        bool complete = false;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            // The file's header is brought up to date about once a second
            // of audio; looking more often finds nothing new.
            m_cv.wait_for(lock, std::chrono::milliseconds(150), [this] { return m_writerDone; });
            done = m_writerDone;
            complete = m_writerComplete;
        }
        if (done && !complete)
            return;
        // After the writer is done the file is closed and whole: one last
        // pass takes the rest.
        if (!encodePass(done) || done) {
            m_ok = done && !m_state->failed;
            return;
        }
    }
}

bool VocalyneMp3Encoder::encodePass(bool last)
{
    State &s = *m_state;
    SF_INFO info{};
    SNDFILE *wav = sf_open(QFile::encodeName(m_wavPath).constData(), SFM_READ, &info);
    if (!wav) {
        // Not there yet, or its header not written yet: only the last pass
        // must find it.
        if (last)
            s.failed = true;
        return !last;
    }
    if (!s.lame) {
        s.rate = info.samplerate;
        s.channels = info.channels;
        if (s.channels < 1 || s.channels > 2) {
            s.failed = true;
            sf_close(wav);
            return false;
        }
        s.lame = lame_init();
        lame_set_in_samplerate(s.lame, s.rate);
        lame_set_out_samplerate(s.lame, s.rate);
        lame_set_num_channels(s.lame, s.channels);
        lame_set_mode(s.lame, s.channels == 1 ? MONO : JOINT_STEREO);
        lame_set_brate(s.lame, bitRateFor(s.rate, m_kbit));
        lame_set_quality(s.lame, 5);
        s.out = std::fopen(QFile::encodeName(m_mp3Path).constData(), "w+b");
        if (!s.lame || lame_init_params(s.lame) < 0 || !s.out) {
            s.failed = true;
            sf_close(wav);
            return false;
        }
        s.pcm.resize(size_t(kChunkFrames * s.channels));
        s.left.resize(size_t(kChunkFrames));
        s.mp3.resize(size_t(kChunkFrames * 5 / 4 + 7200));
    } else if (info.samplerate != s.rate || info.channels != s.channels) {
        s.failed = true;
        sf_close(wav);
        return false;
    }

    if (info.frames > s.consumed && sf_seek(wav, s.consumed, SEEK_SET) == s.consumed) {
        while (s.consumed < info.frames) {
            const sf_count_t want = std::min(kChunkFrames, info.frames - s.consumed);
            const sf_count_t got = sf_readf_short(wav, s.pcm.data(), want);
            if (got <= 0)
                break;
            int bytes = 0;
            if (s.channels == 2) {
                bytes = lame_encode_buffer_interleaved(s.lame, s.pcm.data(), int(got), s.mp3.data(),
                                                       int(s.mp3.size()));
            } else {
                bytes = lame_encode_buffer(s.lame, s.pcm.data(), nullptr, int(got), s.mp3.data(),
                                           int(s.mp3.size()));
            }
            if (bytes < 0 || (bytes > 0 && std::fwrite(s.mp3.data(), 1, size_t(bytes), s.out) !=
                                               size_t(bytes))) {
                s.failed = true;
                break;
            }
            s.consumed += got;
        }
    }
    sf_close(wav);
    if (s.failed)
        return false;
    if (last) {
        const int bytes = lame_encode_flush(s.lame, s.mp3.data(), int(s.mp3.size()));
        if (bytes < 0 ||
            (bytes > 0 && std::fwrite(s.mp3.data(), 1, size_t(bytes), s.out) != size_t(bytes)))
            s.failed = true;
        // The header frame that tells players the exact length.
        lame_mp3_tags_fid(s.lame, s.out);
        if (std::fflush(s.out) != 0 || std::ferror(s.out))
            s.failed = true;
        if (std::fclose(s.out) != 0)
            s.failed = true;
        s.out = nullptr;
    }
    return !s.failed;
}
