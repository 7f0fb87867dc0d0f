// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "speechplatform.h"
#include "synthconsumer.h"

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

namespace qvsp {

// One installed espeak-ng voice as the library lists it.
struct EspeakVoiceInfo
{
    std::string name;       // "English (America)"
    std::string identifier; // "gmw/en-US": unique, used to select the voice
    std::string language;   // "en-us"
    int gender = 0;         // 0 unknown, 1 male, 2 female
    int age = 0;
};

// Everything that shapes one synthesis call.
struct SynthParams
{
    std::string voiceIdentifier; // empty: the default voice
    int wordsPerMinute = 175;
    int volume = 100; // espeak's scale: 100 is normal
    int pitch = 50;   // espeak's scale 0..100, 50 is the voice's normal pitch
    bool speakPunctuation = false;
    bool phonemeInput = false; // text may hold [[phonemes]]
    bool endPause = true;      // a sentence pause at the end of the text
};

// The process-wide espeak-ng instance. espeak-ng keeps global state and is
// not re-entrant, so every use goes through this class, which serialises
// the calls.
class EspeakEngine
{
public:
    static EspeakEngine &instance();

    // False when espeak-ng could not start (no data files).
    bool isAvailable() const { return m_sampleRate > 0; }
    int sampleRate() const { return m_sampleRate; }
    const std::vector<EspeakVoiceInfo> &voices() const { return m_voices; }

    // Synthesises utf8 with params; blocks until done or cancelled.
    HResult synthesize(const std::string &utf8, const SynthParams &params, SynthConsumer &consumer);
    // True while another call of synthesize() waits for the running one.
    bool othersWaiting() const { return m_waiting.load() > 0; }

private:
    EspeakEngine();
    void loadVoices();

    std::mutex m_mutex;
    std::atomic<int> m_waiting{0};
    int m_sampleRate = 0;
    std::vector<EspeakVoiceInfo> m_voices;
    std::string m_currentVoice;
};

} // namespace qvsp
