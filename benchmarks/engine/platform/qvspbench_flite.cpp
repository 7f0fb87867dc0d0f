// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// A Flite voice through the speech-platform layer against the flite
// program on the same text, in one run:
//  1. CPU time (user + system, every thread) to speak a 10,000-word
//     English text through the capture output (WAV and events, 22050 Hz,
//     the default format) against `flite -voice NAME -f TEXT -o WAV`;
//  2. how long after speak() returns for a 1 MB text the first audio
//     reaches the output, and the first word event is queued on the
//     real-time output.
// Usage: qvspbench_flite [flite voice: slt] [words: 10000] [first-audio runs: 5]
//
// CPU time on a shared machine wanders by several per cent; instruction
// counts do not. Under callgrind the program speaks the text only, counting
// nothing before speak() and writing the text to TEXT for the flite program
// to be counted the same way:
//   valgrind --tool=callgrind qvspbench_flite slt 300 1 TEXT
//   valgrind --tool=callgrind flite -voice slt -f TEXT -o out.wav
// and the two "totals:" lines of the callgrind.out files give the ratio.
#include "speechplatform.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <valgrind/callgrind.h>
#include <vector>

using namespace qvsp;
using Clock = std::chrono::steady_clock;

namespace {

double cpuSeconds(const rusage &usage)
{
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double selfCpu()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return cpuSeconds(usage);
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Plain English prose of a given number of words: sentences of 6 to 20
// words with commas, numbers and capitals, the same on every run.
std::string prose(int words)
{
    static const char *const kWords[] = {
        "the",      "morning",   "light",   "fell",     "across",   "quiet",      "streets",
        "where",    "people",    "walked",  "slowly",   "towards",  "their",      "work",
        "and",      "nobody",    "noticed", "a",        "small",    "bird",       "singing",
        "on",       "window",    "ledge",   "while",    "traffic",  "moved",      "through",
        "city",     "of",        "old",     "stone",    "bridges",  "markets",    "gardens",
        "children", "laughed",   "in",      "park",     "beside",   "river",      "that",
        "carried",  "boats",     "down",    "to",       "sea",      "every",      "evening",
        "teacher",  "explained", "history", "its",      "many",     "surprising", "turns",
        "with",     "patience",  "humour",  "although", "students", "preferred",  "stories",
    };
    constexpr int kCount = int(sizeof kWords / sizeof kWords[0]);
    std::string text;
    unsigned seed = 12345;
    auto next = [&] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFF;
    };
    int inSentence = 0;
    int sentenceLength = 6 + int(next() % 15);
    for (int i = 0; i < words; ++i) {
        std::string word = kWords[next() % kCount];
        if (next() % 40 == 0)
            word = std::to_string(next() % 2000);
        if (inSentence == 0)
            word[0] = char(std::toupper(static_cast<unsigned char>(word[0])));
        text += word;
        if (++inSentence == sentenceLength) {
            text += next() % 5 == 0 ? "? " : ". ";
            if (next() % 4 == 0)
                text += "\n\n";
            inSentence = 0;
            sentenceLength = 6 + int(next() % 15);
        } else {
            text += next() % 7 == 0 ? ", " : " ";
        }
    }
    return text;
}

std::u16string utf16(const std::string &ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

// Runs the flite program; its CPU seconds, or -1.
double runFlite(const std::string &voice, const std::string &textFile, const std::string &wav)
{
    const pid_t child = fork();
    if (child == 0) {
        execlp("flite", "flite", "-voice", voice.c_str(), "-f", textFile.c_str(), "-o", wav.c_str(),
               static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return -1;
    return cpuSeconds(usage);
}

VoiceTokenPtr fliteToken(const std::string &name)
{
    std::vector<VoiceTokenPtr> tokens;
    enumerateVoiceTokens(tokens);
    for (const auto &token : tokens) {
        std::u16string value;
        if (token->getStringValue(u"FliteName", value) == kOk && value == utf16(name))
            return token;
    }
    return nullptr;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    const std::string voiceName = argc > 1 ? argv[1] : "slt";
    const int words = argc > 2 ? std::max(100, std::atoi(argv[2])) : 10000;
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
    const bool counted = RUNNING_ON_VALGRIND && argc > 4;

    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("qvspbench-flite-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir / "capture");
    const std::string text = prose(words);
    const std::string textFile = (dir / "text.txt").string();
    std::ofstream(textFile) << text;
    if (counted)
        std::ofstream(argv[4]) << text;

    setenv("VOCALYNE_AUDIO_OUTPUT", ("capture:" + (dir / "capture").string()).c_str(), 1);
    HResult hr = kFail;
    auto voice = createVoice(&hr);
    const VoiceTokenPtr token = fliteToken(voiceName);
    if (!voice || !token || voice->setVoice(token) != kOk) {
        std::fprintf(stderr, "no Flite voice %s\n", voiceName.c_str());
        return 1;
    }
    // Nothing takes the events here; the capture file still gets them.
    voice->setInterest(kAllTtsEvents, 0);
    voice->speak(u"Warm up.", kSpeakAsync | kSpeakIsNotXml, nullptr);
    voice->waitUntilDone(60000);

    if (counted) {
        CALLGRIND_ZERO_STATS;
        voice->speak(utf16(text), kSpeakAsync | kSpeakIsNotXml, nullptr);
        voice->waitUntilDone(3600 * 1000);
        CALLGRIND_DUMP_STATS_AT("speech");
        voice.reset();
        std::filesystem::remove_all(dir);
        return 0;
    }

    // 1. CPU against the flite program, the program first.
    const double fliteCpu = runFlite(voiceName, textFile, (dir / "flite.wav").string());
    if (fliteCpu < 0) {
        std::fprintf(stderr, "the flite program failed\n");
        return 1;
    }
    const std::u16string text16 = utf16(text);
    const double before = selfCpu();
    const auto wallStart = Clock::now();
    voice->speak(text16, kSpeakAsync | kSpeakIsNotXml, nullptr);
    voice->waitUntilDone(3600 * 1000);
    const double ourCpu = selfCpu() - before;
    const double ourWall = millisecondsSince(wallStart) / 1000.0;
    uintmax_t capturedBytes = 0;
    for (const auto &entry : std::filesystem::directory_iterator(dir / "capture"))
        capturedBytes = std::max(capturedBytes, entry.file_size());
    const double audioSeconds = double(capturedBytes) / (22050 * 2);

    // 2. First audio and first word of a 1 MB text.
    std::u16string big;
    while (big.size() < 1024 * 1024 / 2)
        big += text16;
    big.resize(1024 * 1024 / 2);
    const std::shared_ptr<MemoryAudioOutput> memory = createMemoryAudioOutput(&hr);
    std::vector<double> firstFrame;
    std::vector<double> firstWord;
    voice->setInterest(kAllTtsEvents, kAllTtsEvents);
    for (int run = 0; run < runs; ++run) {
        voice->setOutput(memory, false);
        memory->takeAudio();
        voice->speak(big, kSpeakAsync | kSpeakIsNotXml | kSpeakPurgeBeforeSpeak, nullptr);
        const auto returned = Clock::now();
        while (memory->takeAudio().empty())
            std::this_thread::yield();
        firstFrame.push_back(millisecondsSince(returned));
        voice->speak(std::u16string(), kSpeakAsync | kSpeakPurgeBeforeSpeak, nullptr);

        setenv("VOCALYNE_AUDIO_OUTPUT", "null", 1);
        voice->setOutput(nullptr, false);
        Event event;
        uint32_t fetched = 0;
        while (voice->getEvents(1, &event, &fetched) == kOk) {
        }
        const auto start = Clock::now();
        voice->speak(big, kSpeakAsync | kSpeakIsNotXml | kSpeakPurgeBeforeSpeak, nullptr);
        for (bool word = false; !word;) {
            while (!word && voice->getEvents(1, &event, &fetched) == kOk)
                word = event.id == kEventWordBoundary;
            if (!word)
                std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        firstWord.push_back(millisecondsSince(start));
        voice->speak(std::u16string(), kSpeakAsync | kSpeakPurgeBeforeSpeak, nullptr);
    }
    voice.reset();
    std::filesystem::remove_all(dir);

    std::printf("voice %s, %d words (%zu characters), %.0f s of speech\n", voiceName.c_str(), words,
                text.size(), audioSeconds);
    std::printf("flite program:               %.2f s CPU\n", fliteCpu);
    std::printf("platform, capture output:    %.2f s CPU (%.2f s wall)\n", ourCpu, ourWall);
    std::printf("CPU ratio (platform / flite): %.3f\n", ourCpu / fliteCpu);
    std::printf("1 MB text, first audio at the output after speak() returned: median %.2f ms, "
                "max %.2f ms (%d runs)\n",
                median(firstFrame), *std::max_element(firstFrame.begin(), firstFrame.end()), runs);
    std::printf("1 MB text, first word event (real-time output) after speak(): median %.2f ms, "
                "max %.2f ms\n",
                median(firstWord), *std::max_element(firstWord.begin(), firstWord.end()));
    return 0;
}
