// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// How long a host waits, after QVTTSSpeak returns for a 1 MB text, until
// the first word is announced. Word events are sent when the word's audio
// reaches the output, so this is the time to the first audible frame.
// Usage: qvttsbench_firstaudio [runs]   (output: VOCALYNE_AUDIO_OUTPUT,
// fast-null unless set)
#include "qvtts.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
bool g_gotWord = false;

void onWord(int, int last)
{
    if (last != -1)
        g_gotWord = true;
}

std::string firstVoice()
{
    int32_t length = 0;
    if (GetQVTTSVoice(0, nullptr, nullptr, &length, nullptr, nullptr) != 0)
        return std::string();
    std::string name(size_t(length) + 1, '\0');
    GetQVTTSVoice(0, nullptr, name.data(), &length, nullptr, nullptr);
    name.resize(size_t(length));
    return name;
}

std::string englishVoice()
{
    for (int32_t i = 0;; ++i) {
        int32_t length = 0;
        if (GetQVTTSVoice(i, nullptr, nullptr, &length, nullptr, nullptr) != 0)
            return firstVoice();
        std::string name(size_t(length) + 1, '\0');
        GetQVTTSVoice(i, nullptr, name.data(), &length, nullptr, nullptr);
        name.resize(size_t(length));
        if (name.find("English (America)") != std::string::npos)
            return name;
    }
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    setenv("VOCALYNE_AUDIO_OUTPUT", "fast-null", 0);

    std::string text;
    const std::string sentence =
        "The quick brown fox jumps over the lazy dog near the river bank. ";
    while (text.size() < 1024 * 1024)
        text += sentence;

    HWND window = QVCreateWindow(nullptr);
    SetQVTTSOnWordCallBack(&onWord);
    InitQVTTSEngineEx(window, nullptr, nullptr);
    const std::string voice = englishVoice();

    std::vector<double> speakMs, firstMs;
    for (int run = 0; run < runs; ++run) {
        g_gotWord = false;
        const auto before = Clock::now();
        const int result = QVTTSSpeak(window, QVTTSEngineSpeechPlatform, voice.c_str(), -1, 0,
                                      text.c_str(), -1, -1, -1, 0, 0, QVTTSTextPlain, -1);
        const auto returned = Clock::now();
        if (result != 0) {
            std::fprintf(stderr, "QVTTSSpeak failed with %d\n", result);
            return 1;
        }
        while (!g_gotWord)
            QVWaitAndDispatchMessages(1);
        const auto first = Clock::now();
        QVTTSStop(QVTTSEngineSpeechPlatform, 0);
        speakMs.push_back(std::chrono::duration<double, std::milli>(returned - before).count());
        firstMs.push_back(std::chrono::duration<double, std::milli>(first - returned).count());
        // Let the stop settle before the next run.
        for (int i = 0; i < 20; ++i)
            QVWaitAndDispatchMessages(10);
    }
    std::sort(speakMs.begin(), speakMs.end());
    std::sort(firstMs.begin(), firstMs.end());
    std::printf("text: %zu bytes, voice \"%s\", output %s, %d runs\n", text.size(), voice.c_str(),
                std::getenv("VOCALYNE_AUDIO_OUTPUT"), runs);
    std::printf("QVTTSSpeak call:         median %.1f ms, max %.1f ms\n",
                speakMs[speakMs.size() / 2], speakMs.back());
    std::printf("return to first word:    median %.1f ms, max %.1f ms (target < 100 ms)\n",
                firstMs[firstMs.size() / 2], firstMs.back());
    UninitQVTTSEngine();
    QVDestroyWindow(window);
    return 0;
}
