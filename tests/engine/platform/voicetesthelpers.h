// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "speechplatform.h"

#include <memory>
#include <string>
#include <vector>

namespace voicetest {

// A voice speaking into the output named like VOCALYNE_AUDIO_OUTPUT does,
// with the voice of that description (espeak-ng's American English unless
// a test names another; the default voice of a new voice object is the
// best-sounding one, which is another synthesiser's).
std::unique_ptr<qvsp::Voice> makeVoice(const std::string &output,
                                       const std::u16string &voiceName = u"espeak-ng English (America)");
// Speaks text and waits until it is done; every queued event.
std::vector<qvsp::Event> speakAndCollect(qvsp::Voice &voice, const std::u16string &text,
                                         uint32_t flags);
std::vector<qvsp::Event> drain(qvsp::Voice &voice);
// The text each word event of events points at, in order.
std::vector<std::u16string> spokenWords(const std::u16string &text,
                                        const std::vector<qvsp::Event> &events);
std::vector<int> eventIds(const std::vector<qvsp::Event> &events);
qvsp::VoiceTokenPtr tokenNamed(const std::u16string &description);
std::u16string description(const qvsp::VoiceTokenPtr &token);

// The WAV files in folder, by name.
std::vector<std::string> wavFiles(const std::string &folder);

// A folder that is removed with everything in it at the end of a test.
class TemporaryFolder
{
public:
    TemporaryFolder();
    ~TemporaryFolder();
    const std::string &path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace voicetest
