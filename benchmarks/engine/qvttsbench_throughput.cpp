// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Synthesis throughput of the engine against the espeak-ng program on the
// same 50,000-word text: the engine speaks into the capture output (a WAV
// file per text), the program writes its WAV with -w. Reports both times and
// their ratio (engine / program).
// Usage: qvttsbench_throughput [words]
#include "qvtts.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
bool g_ended = false;

void onWord(int, int last)
{
    if (last == -1)
        g_ended = true;
}

std::string voiceNamed(const char *part)
{
    for (int32_t i = 0;; ++i) {
        int32_t length = 0;
        if (GetQVTTSVoice(i, nullptr, nullptr, &length, nullptr, nullptr) != 0)
            return std::string();
        std::string name(size_t(length) + 1, '\0');
        GetQVTTSVoice(i, nullptr, name.data(), &length, nullptr, nullptr);
        name.resize(size_t(length));
        if (name.find(part) != std::string::npos)
            return name;
    }
}

std::string makeText(int words)
{
    static const char *const vocabulary[] = {
        "the",   "quick",  "brown",  "fox",  "jumps", "over", "a",  "lazy", "dog",  "while",
        "seven", "bright", "voices", "read", "every", "page", "of", "this", "long", "story"};
    std::string text;
    for (int i = 0; i < words; ++i) {
        text += vocabulary[(i * 7 + i / 20) % 20];
        text += (i % 12 == 11) ? ". " : " ";
    }
    return text;
}

long switches(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_nvcsw + usage.ru_nivcsw;
}

double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    const int words = argc > 1 ? std::max(100, std::atoi(argv[1])) : 50000;
    char folderTemplate[] = "/tmp/qvttsbench-XXXXXX";
    const char *folder = mkdtemp(folderTemplate);
    if (!folder) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string dir = folder;
    setenv("VOCALYNE_AUDIO_OUTPUT", ("capture:" + dir).c_str(), 1);

    const std::string text = makeText(words);
    const std::string textFile = dir + "/text.txt";
    std::ofstream(textFile) << text;

    HWND window = QVCreateWindow(nullptr);
    SetQVTTSOnWordCallBack(&onWord);
    InitQVTTSEngineEx(window, nullptr, nullptr);
    const std::string voice = voiceNamed("English (America)");
    if (voice.empty()) {
        std::fprintf(stderr, "no American English voice\n");
        return 1;
    }

    const double engineCpuStart = cpuSeconds(RUSAGE_SELF);
    const long engineSwitchesStart = switches(RUSAGE_SELF);
    const auto engineStart = Clock::now();
    const int result = QVTTSSpeak(window, QVTTSEngineSpeechPlatform, voice.c_str(), -1, 0,
                                  text.c_str(), -1, -1, -1, 0, 0, QVTTSTextPlain, -1);
    if (result != 0) {
        std::fprintf(stderr, "QVTTSSpeak failed with %d\n", result);
        return 1;
    }
    while (!g_ended)
        QVWaitAndDispatchMessages(100);
    const double engineSeconds = std::chrono::duration<double>(Clock::now() - engineStart).count();
    const double engineCpu = cpuSeconds(RUSAGE_SELF) - engineCpuStart;
    const long engineSwitches = switches(RUSAGE_SELF) - engineSwitchesStart;
    UninitQVTTSEngine();
    QVDestroyWindow(window);

    // The engine's defaults spelled out: the same voice at 175 words a
    // minute, normal volume and pitch, into a 22050 Hz 16-bit mono WAV.
    const std::string command = "espeak-ng -v en-us -s 175 -a 100 -p 50 -w '" + dir +
                                "/espeak.wav' -f '" + textFile + "'";
    const double programCpuStart = cpuSeconds(RUSAGE_CHILDREN);
    const auto programStart = Clock::now();
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "espeak-ng failed\n");
        return 1;
    }
    const double programSeconds =
        std::chrono::duration<double>(Clock::now() - programStart).count();
    const double programCpu = cpuSeconds(RUSAGE_CHILDREN) - programCpuStart;
    const long programSwitches = switches(RUSAGE_CHILDREN);

    // Both sides must have spoken the same speech for the times to compare.
    uint64_t engineBytes = 0;
    for (const auto &entry : std::filesystem::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (name.compare(0, 4, "utt-") == 0 && entry.path().extension() == ".wav")
            engineBytes += entry.file_size();
    }
    const uint64_t programBytes = std::filesystem::file_size(dir + "/espeak.wav");

    std::printf("%d words, voice \"%s\"\n", words, voice.c_str());
    std::printf("audio: engine %.1f s, program %.1f s (22050 Hz 16-bit mono)\n",
                double(engineBytes) / 44100.0, double(programBytes) / 44100.0);
    std::printf("engine (capture output): %.2f s wall, %.2f s CPU, %ld context switches\n",
                engineSeconds, engineCpu, engineSwitches);
    std::printf("espeak-ng -w:            %.2f s wall, %.2f s CPU, %ld context switches\n",
                programSeconds, programCpu, programSwitches);
    std::printf("ratio engine/program:    %.3f wall, %.3f CPU (target <= 1.05)\n",
                engineSeconds / programSeconds, engineCpu / programCpu);
    // The two WAV files of a full run take over a gigabyte.
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return 0;
}
