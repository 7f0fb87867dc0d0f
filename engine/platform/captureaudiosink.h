// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "audiosink.h"

#include <cstdio>
#include <string>

typedef struct sf_private_tag SNDFILE;

namespace qvsp {

// Writes each utterance into a folder as utt-0001.wav with its events in
// utt-0001.events: a header line, then one line per event,
// "<audio byte offset> <event id> <wParam> <lParam>" (and the bookmark name
// for bookmarks). Numbers count up per process from the first free name.
// Audio is written as fast as it comes, gathered into large writes.
class CaptureAudioSink : public AudioSink
{
public:
    explicit CaptureAudioSink(const std::string &folder);
    ~CaptureAudioSink() override;

    bool open(const StreamFormat &format) override;
    void write(const char *data, size_t size) override;
    void beginStream(uint32_t streamNumber) override;
    void endStream() override;
    void recordEvent(const Event &event) override;

private:
    void writePending();

    std::string m_folder;
    std::string m_pending; // audio not yet handed to the file
    StreamFormat m_format;
    SNDFILE *m_wav = nullptr;
    FILE *m_events = nullptr;
};

} // namespace qvsp
