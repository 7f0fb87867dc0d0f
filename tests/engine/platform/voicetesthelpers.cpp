// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "voicetesthelpers.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

using namespace qvsp;

namespace voicetest {

std::unique_ptr<Voice> makeVoice(const std::string &output, const std::u16string &voiceName)
{
    setenv("VOCALYNE_AUDIO_OUTPUT", output.c_str(), 1);
    HResult hr = kFail;
    auto voice = createVoice(&hr);
    if (!voice || hr != kOk)
        return nullptr;
    const VoiceTokenPtr token = tokenNamed(voiceName);
    if (!token || voice->setVoice(token) != kOk)
        return nullptr;
    voice->setInterest(kAllTtsEvents, kAllTtsEvents);
    return voice;
}

std::vector<Event> drain(Voice &voice)
{
    std::vector<Event> events;
    Event event;
    uint32_t fetched = 0;
    while (voice.getEvents(1, &event, &fetched) == kOk && fetched == 1)
        events.push_back(event);
    return events;
}

std::vector<Event> speakAndCollect(Voice &voice, const std::u16string &text, uint32_t flags)
{
    if (voice.speak(text, flags | kSpeakAsync, nullptr) != kOk)
        return {};
    if (voice.waitUntilDone(30000) != kOk)
        return {};
    return drain(voice);
}

std::vector<std::u16string> spokenWords(const std::u16string &text,
                                        const std::vector<Event> &events)
{
    std::vector<std::u16string> words;
    for (const Event &e : events) {
        if (e.id != kEventWordBoundary)
            continue;
        if (e.lParam < 0 || uint64_t(e.lParam) + e.wParam > text.size())
            words.push_back(u"<out of range>");
        else
            words.push_back(text.substr(size_t(e.lParam), size_t(e.wParam)));
    }
    return words;
}

std::vector<std::string> wavFiles(const std::string &folder)
{
    std::vector<std::string> files;
    for (const auto &entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".wav")
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<int> eventIds(const std::vector<Event> &events)
{
    std::vector<int> ids;
    for (const Event &e : events)
        ids.push_back(e.id);
    return ids;
}

std::u16string description(const VoiceTokenPtr &token)
{
    std::u16string value;
    if (token)
        token->getStringValue(std::u16string(), value);
    return value;
}

VoiceTokenPtr tokenNamed(const std::u16string &name)
{
    std::vector<VoiceTokenPtr> tokens;
    enumerateVoiceTokens(tokens);
    for (const auto &token : tokens) {
        if (description(token) == name)
            return token;
    }
    return nullptr;
}

TemporaryFolder::TemporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "qvsp-test-XXXXXX").string();
    if (mkdtemp(pattern.data()))
        m_path = pattern;
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    if (!m_path.empty())
        std::filesystem::remove_all(m_path, ignored);
}

} // namespace voicetest
