// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The speech-platform layer on its own: how long after speak() returns for
// a 1 MB text the first audio frame reaches the output, how long until the
// first word event is queued (real-time output), and how much faster than
// real time synthesis runs.
// Usage: qvspbench_firstaudio [runs]
#include "speechplatform.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

using namespace qvsp;
using Clock = std::chrono::steady_clock;

namespace {

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::u16string bigText(size_t units)
{
    const std::u16string sentences[] = {
        u"The quick brown fox jumps over the lazy dog. ",
        u"Ça été très à propos, dit-elle en souriant. ",
        u"Numbers like 1234 and words like e-mail are read as they come! ",
        u"A longer sentence, with commas, clauses; and a colon: then the end. ",
    };
    std::u16string text;
    for (size_t i = 0; text.size() < units; ++i)
        text += sentences[i % 4];
    return text;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::u16string text = bigText(1024 * 1024 / 2); // 1 MB of UTF-16
    HResult hr = kFail;
    setenv("VOCALYNE_AUDIO_OUTPUT", "null", 1);
    auto voice = createVoice(&hr);
    if (!voice) {
        std::fprintf(stderr, "no voice: %08x\n", unsigned(hr));
        return 1;
    }
    voice->setInterest(kAllTtsEvents, kAllTtsEvents);
    const std::shared_ptr<MemoryAudioOutput> memory = createMemoryAudioOutput(&hr);

    std::vector<double> firstFrame;
    std::vector<double> firstWord;
    for (int run = 0; run < runs; ++run) {
        // First frame: into memory, which takes audio the moment it exists.
        voice->setOutput(memory, false);
        memory->takeAudio();
        auto start = Clock::now();
        voice->speak(text, kSpeakAsync | kSpeakIsNotXml | kSpeakPurgeBeforeSpeak, nullptr);
        const auto returned = Clock::now();
        while (memory->takeAudio().empty())
            std::this_thread::yield();
        firstFrame.push_back(millisecondsSince(returned));
        voice->speak(std::u16string(), kSpeakAsync | kSpeakPurgeBeforeSpeak, nullptr);

        // First word: through the real-time null output, as a host hears it.
        voice->setOutput(nullptr, false);
        Event event;
        uint32_t fetched = 0;
        while (voice->getEvents(1, &event, &fetched) == kOk) {
        }
        start = Clock::now();
        voice->speak(text, kSpeakAsync | kSpeakIsNotXml | kSpeakPurgeBeforeSpeak, nullptr);
        for (bool word = false; !word;) {
            while (!word && voice->getEvents(1, &event, &fetched) == kOk)
                word = event.id == kEventWordBoundary;
            if (!word)
                std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        firstWord.push_back(millisecondsSince(start));
        voice->speak(std::u16string(), kSpeakAsync | kSpeakPurgeBeforeSpeak, nullptr);
    }

    // Throughput: 20,000 characters into memory as fast as possible.
    voice->setOutput(memory, false);
    memory->takeAudio();
    const std::u16string chunk = bigText(20000);
    const auto start = Clock::now();
    voice->speak(chunk, kSpeakAsync | kSpeakIsNotXml, nullptr);
    voice->waitUntilDone(600000);
    const double seconds = millisecondsSince(start) / 1000.0;
    const double audioSeconds = double(memory->takeAudio().size()) / (22050 * 2);

    std::printf("text: %zu UTF-16 units (1 MB), %d runs\n", text.size(), runs);
    std::printf("first audio frame at the output after speak() returned: median %.2f ms, "
                "max %.2f ms\n",
                median(firstFrame), *std::max_element(firstFrame.begin(), firstFrame.end()));
    std::printf("first word event (real-time output) after speak() was called: median %.2f ms, "
                "max %.2f ms\n",
                median(firstWord), *std::max_element(firstWord.begin(), firstWord.end()));
    std::printf("synthesis of %zu characters: %.2f s of audio in %.2f s (%.0fx real time)\n",
                chunk.size(), audioSeconds, seconds, audioSeconds / seconds);
    return 0;
}
