// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

/// Encodes a WAV file into an MP3 file with LAME, following the WAV file
/// while another party is still writing it: every pass reads the audio that
/// the file's header already counts, so synthesis and encoding run side by
/// side. The WAV file may be any format libsndfile reads.
class VocalyneMp3Encoder
{
public:
    VocalyneMp3Encoder(const QString &wavPath, const QString &mp3Path, int kbitPerSecond = 128);
    ~VocalyneMp3Encoder();
    VocalyneMp3Encoder(const VocalyneMp3Encoder &) = delete;
    VocalyneMp3Encoder &operator=(const VocalyneMp3Encoder &) = delete;

    /// Starts following the WAV file on a thread of its own.
    void start();
    /// The writer has finished (complete: the WAV file is whole; false: it
    /// failed and the encoding is abandoned). Waits for the encoder and
    /// returns true when the MP3 file holds the whole WAV file's audio.
    bool finish(bool complete);

    /// The bit rate LAME is given for a sample rate: the wanted one, within
    /// what the MPEG version of that rate allows.
    static int bitRateFor(int sampleRate, int wanted);

private:
    void run();
    bool encodePass(bool last);

    QString m_wavPath;
    QString m_mp3Path;
    int m_kbit;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_writerDone = false;
    bool m_writerComplete = false;
    std::atomic<bool> m_ok{false};

    // Owned by the encoder thread.
    struct State;
    State *m_state = nullptr;
};
