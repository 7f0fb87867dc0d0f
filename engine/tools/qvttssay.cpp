// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// qvttssay: a developer's host of the speech engine library. Lists the
// voices, or speaks a text through the same path as the main program (a
// hooked message window, the word callback) and prints every word event as
// "first last word", then "0 -1" at the end.
#include "qvtts.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string g_handedOver;         // the text as the voice receives it
std::vector<size_t> g_unitToByte; // UTF-16 unit index -> byte offset in g_handedOver
bool g_done = false;

void usage(FILE *to)
{
    std::fputs("Usage: qvttssay --list\n"
               "       qvttssay [--voice NAME] [--rate PERCENT] [--volume 0-100]\n"
               "                [--pitch PERCENT] [--xml] [--punctuation] [--format N] [TEXT...]\n"
               "Speaks TEXT (or standard input) and prints each word event as\n"
               "\"first last word\" (UTF-16 positions in the text as handed to the\n"
               "voice, pitch markup included), then \"0 -1\" at the end.\n"
               "VOCALYNE_AUDIO_OUTPUT chooses the output (pulse, null, fast-null,\n"
               "capture:DIR).\n",
               to);
}

// Maps UTF-16 positions back to bytes of the UTF-8 text, so that a word
// event can be printed with the word it names.
void indexUnits(const std::string &text)
{
    g_unitToByte.clear();
    for (size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        size_t length = lead < 0x80         ? 1
                        : (lead >> 5) == 6  ? 2
                        : (lead >> 4) == 14 ? 3
                        : (lead >> 3) == 30 ? 4
                                            : 1;
        if (i + length > text.size())
            length = 1;
        g_unitToByte.push_back(i);
        if (length == 4)
            g_unitToByte.push_back(i); // the second half of a surrogate pair
        i += length;
    }
    g_unitToByte.push_back(text.size());
}

void onWord(int first, int last)
{
    if (last == -1) {
        std::printf("%d %d\n", first, last);
        g_done = true;
    } else {
        std::string word;
        if (first >= 0 && last >= first && size_t(last) + 1 < g_unitToByte.size()) {
            const size_t from = g_unitToByte[size_t(first)];
            word = g_handedOver.substr(from, g_unitToByte[size_t(last) + 1] - from);
        }
        std::printf("%d %d %s\n", first, last, word.c_str());
    }
    std::fflush(stdout);
}

bool parseInt(const char *text, long min, long max, int32_t &out)
{
    char *end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (!*text || *end || value < min || value > max)
        return false;
    out = static_cast<int32_t>(value);
    return true;
}

// The markup the engine puts in front of the text for a pitch percentage:
// whole-tone steps, truncated toward zero.
std::string pitchMarkup(int32_t percent)
{
    const long steps =
        static_cast<long>(std::trunc(std::log(percent / 100.0) / std::log(1.1224620483)));
    return "<pitch middle = '" + std::to_string(steps) + "'/>";
}

int listVoices()
{
    InitQVTTSEngineEx3(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    const uint32_t count = GetQVTTSNumVoices();
    for (uint32_t i = 0; i < count; ++i) {
        // Ask for the length first: the name buffer must hold the name.
        int32_t length = 0;
        if (GetQVTTSVoice(int32_t(i), nullptr, nullptr, &length, nullptr, nullptr) != 0)
            break;
        std::vector<char> name(size_t(length) + 1);
        GetQVTTSVoice(int32_t(i), nullptr, name.data(), &length, nullptr, nullptr);
        std::printf("%s\n", name.data());
    }
    UninitQVTTSEngine();
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    std::string voice;
    int32_t rate = -1, volume = -1, pitch = -1, format = -1;
    QVTTSTextType textType = QVTTSTextPlain;
    bool punctuation = false;
    std::string text;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--list")
            return listVoices();
        if (arg == "--help" || arg == "-h") {
            usage(stdout);
            return 0;
        }
        if (arg == "--xml") {
            textType = QVTTSTextXml;
        } else if (arg == "--punctuation") {
            punctuation = true;
        } else if (arg == "--voice" && hasValue) {
            voice = argv[++i];
        } else if (arg == "--rate" && hasValue) {
            if (!parseInt(argv[++i], 1, 1000, rate))
                return std::fprintf(stderr, "qvttssay: the rate is a percentage (1-1000)\n"), 2;
        } else if (arg == "--pitch" && hasValue) {
            if (!parseInt(argv[++i], 1, 1000, pitch))
                return std::fprintf(stderr, "qvttssay: the pitch is a percentage (1-1000)\n"), 2;
        } else if (arg == "--volume" && hasValue) {
            if (!parseInt(argv[++i], 0, 100, volume))
                return std::fprintf(stderr, "qvttssay: the volume is 0 to 100\n"), 2;
        } else if (arg == "--format" && hasValue) {
            if (!parseInt(argv[++i], -1, 32767, format))
                return std::fprintf(stderr, "qvttssay: the format is a stream format number\n"), 2;
        } else if (arg.rfind("--", 0) == 0) {
            usage(stderr);
            return 2;
        } else {
            text += (text.empty() ? "" : " ") + arg;
        }
    }
    if (text.empty())
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());

    HWND window = QVCreateWindow(nullptr);
    SetQVTTSOnWordCallBack(&onWord);
    SetMSSAPISpeakPunc(punctuation);
    const InitQVTTSEngineReturnValueEx *table = InitQVTTSEngineEx(window, nullptr, nullptr);
    if (!table || table->results[QVTTS_ENGINE_SLOTS - 1] != QVTTSInitReady) {
        std::fprintf(stderr, "qvttssay: the speech engine did not start (%d)\n",
                     table ? int(table->results[QVTTS_ENGINE_SLOTS - 1]) : -1);
        return 1;
    }
    if (voice.empty()) {
        int32_t length = 0;
        if (GetQVTTSVoice(0, nullptr, nullptr, &length, nullptr, nullptr) != 0) {
            std::fprintf(stderr, "qvttssay: no voices are installed\n");
            return 1;
        }
        voice.resize(size_t(length) + 1);
        GetQVTTSVoice(0, nullptr, voice.data(), &length, nullptr, nullptr);
        voice.resize(size_t(length));
    }

    // The positions the engine reports count the pitch markup it puts in
    // front, so the printed words are taken from the same string.
    g_handedOver = pitch != -1 ? pitchMarkup(pitch) + text : text;
    indexUnits(g_handedOver);
    const int result =
        QVTTSSpeak(window, QVTTSEngineSpeechPlatform, voice.c_str(), -1, 0, text.c_str(), pitch,
                   rate, volume, 0, 0, textType, static_cast<int16_t>(format));
    if (result != QVTTSSpeakSuccess) {
        std::fprintf(stderr, "qvttssay: speaking failed with result %d\n", result);
        UninitQVTTSEngine();
        QVDestroyWindow(window);
        return 1;
    }
    while (!g_done)
        QVWaitAndDispatchMessages(1000);
    UninitQVTTSEngine();
    QVDestroyWindow(window);
    return 0;
}
