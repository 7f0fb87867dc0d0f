// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// What a large user dictionary costs: the time to load 10,000 entries with
// LoadQVTTSUserDict, and the process CPU time of speaking a long English
// text (fast-null output) with an empty lexicon and with those entries.
// Usage: qvttsbench_lexicon [words] [entries]   (defaults 50000 and 10000;
// the lexicon lives in a temporary data folder)
#include "qvtts.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
int g_ends = 0;

void onWord(int first, int last)
{
    if (first == 0 && last == -1)
        ++g_ends;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

std::string englishVoice()
{
    for (int32_t i = 0;; ++i) {
        int32_t length = 0;
        if (GetQVTTSVoice(i, nullptr, nullptr, &length, nullptr, nullptr) != 0)
            return std::string();
        std::string name(size_t(length) + 1, '\0');
        GetQVTTSVoice(i, nullptr, name.data(), &length, nullptr, nullptr);
        name.resize(size_t(length));
        if (name.find("English (America)") != std::string::npos)
            return name;
    }
}

double speakCpu(HWND window, const std::string &voice, const std::string &text)
{
    const int ends = g_ends;
    const double before = cpuSeconds();
    if (QVTTSSpeak(window, QVTTSEngineSpeechPlatform, voice.c_str(), -1, 0, text.c_str(), -1, -1,
                   -1, 0, 0, QVTTSTextPlain, -1) != 0)
        return -1;
    while (g_ends == ends)
        QVWaitAndDispatchMessages(5);
    return cpuSeconds() - before;
}

} // namespace

int main(int argc, char **argv)
{
    const int words = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50000;
    const int entries = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10000;
    setenv("VOCALYNE_AUDIO_OUTPUT", "fast-null", 0);
    char folder[] = "/tmp/qvttsbench_lexiconXXXXXX";
    if (!mkdtemp(folder))
        return 1;
    setenv("XDG_DATA_HOME", folder, 1);

    // A text of common words, none of them in the dictionary, so that both
    // runs synthesise the same sounds and only the look-ups differ.
    const char *common[] = {"the", "quick", "brown", "fox",  "jumps", "over", "a",     "lazy",
                            "dog", "near",  "river", "bank", "and",   "then", "sleeps"};
    std::string text;
    for (int i = 0; i < words; ++i) {
        text += common[i % 15];
        text += i % 12 == 11 ? ". " : " ";
    }
    std::string dictionary = "\n";
    for (int i = 0; i < entries; ++i)
        dictionary += "lexword" + std::to_string(i) + " {l eh 1 k s w er d}\n";

    HWND window = QVCreateWindow(nullptr);
    SetQVTTSOnWordCallBack(&onWord);
    InitQVTTSEngineEx(window, nullptr, nullptr);
    const std::string voice = englishVoice();

    const double empty = speakCpu(window, voice, text);
    const auto loadStart = Clock::now();
    const int loaded = LoadQVTTSUserDict(0, "bench", nullptr, QVTTSEngineSpeechPlatform, 0x0409,
                                         nullptr, dictionary.c_str());
    const double loadMs =
        std::chrono::duration<double, std::milli>(Clock::now() - loadStart).count();
    const double full = speakCpu(window, voice, text);
    const auto unloadStart = Clock::now();
    const int unloaded = UnloadQVTTSUserDict(0, "bench", QVTTSEngineSpeechPlatform, 0);
    const double unloadMs =
        std::chrono::duration<double, std::milli>(Clock::now() - unloadStart).count();

    std::printf("text: %d words, dictionary: %d entries, voice \"%s\"\n", words, entries,
                voice.c_str());
    std::printf("load: %.1f ms (result %d, target < 200 ms); unload: %.1f ms (result %d)\n", loadMs,
                loaded, unloadMs, unloaded);
    std::printf("speaking CPU: empty lexicon %.2f s, with the dictionary %.2f s: %+.1f %% "
                "(target at most +5 %%)\n",
                empty, full, (full / empty - 1) * 100);
    UninitQVTTSEngine();
    QVDestroyWindow(window);
    std::string lexicon = std::string(folder) + "/Halvern/Vocalyne/lexicon.txt";
    std::remove(lexicon.c_str());
    return 0;
}
