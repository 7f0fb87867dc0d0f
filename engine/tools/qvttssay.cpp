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
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The text as the voice receives it, and where its UTF-16 units start in it.
// The engine reads every byte that is not part of a valid UTF-8 sequence as
// one replacement character, so positions after a bad byte count it as one
// unit; the index follows the same rule. It keeps one entry per 1024 units
// rather than one per unit, so a long text costs little more than itself.
class UnitIndex
{
public:
    void reset(std::string text)
    {
        m_text = std::move(text);
        m_checkpoints.clear();
        size_t unit = 0;
        for (size_t byte = 0; byte < m_text.size();) {
            size_t units = 0;
            const size_t bytes = step(byte, units);
            for (size_t u = unit; u < unit + units; ++u) {
                if (u % kStride == 0)
                    m_checkpoints.push_back({unit, byte});
            }
            unit += units;
            byte += bytes;
        }
        m_units = unit;
    }

    // The text of units first..last, as the engine read it (bad bytes as
    // U+FFFD); empty when the range is not inside the text.
    std::string word(size_t first, size_t last) const
    {
        std::string out;
        if (first > last || last >= m_units)
            return out;
        const Checkpoint &from = m_checkpoints[first / kStride];
        size_t unit = from.unit;
        size_t byte = from.byte;
        while (byte < m_text.size() && unit <= last) {
            size_t units = 0;
            const size_t bytes = step(byte, units);
            if (unit + units > first) { // the code point holds a unit of the range
                if (units == 1 && bytes == 1 && static_cast<unsigned char>(m_text[byte]) >= 0x80)
                    out += "\xEF\xBF\xBD";
                else
                    out.append(m_text, byte, bytes);
            }
            unit += units;
            byte += bytes;
        }
        return out;
    }

private:
    static constexpr size_t kStride = 1024;
    struct Checkpoint
    {
        size_t unit;
        size_t byte; // where the code point holding that unit starts
    };

    // The bytes of the code point at byte and its UTF-16 units: a valid
    // sequence whole, anything else one byte as one unit.
    size_t step(size_t byte, size_t &units) const
    {
        const auto *b = reinterpret_cast<const unsigned char *>(m_text.data()) + byte;
        const size_t left = m_text.size() - byte;
        units = 1;
        size_t extra = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if (b[0] < 0x80)
            return 1;
        if ((b[0] & 0xE0) == 0xC0) {
            extra = 1, cp = b[0] & 0x1F, minimum = 0x80;
        } else if ((b[0] & 0xF0) == 0xE0) {
            extra = 2, cp = b[0] & 0x0F, minimum = 0x800;
        } else if ((b[0] & 0xF8) == 0xF0) {
            extra = 3, cp = b[0] & 0x07, minimum = 0x10000;
        } else {
            return 1;
        }
        if (extra >= left)
            return 1;
        for (size_t k = 1; k <= extra; ++k) {
            if ((b[k] & 0xC0) != 0x80)
                return 1;
            cp = (cp << 6) | (b[k] & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return 1;
        units = cp >= 0x10000 ? 2 : 1;
        return extra + 1;
    }

    std::string m_text;
    std::vector<Checkpoint> m_checkpoints; // one per kStride units
    size_t m_units = 0;
};

UnitIndex g_index;

// Standard input whole; a file is read into a string of its own size rather
// than one grown by doubling.
std::string readStandardInput()
{
    std::string text;
    struct stat info;
    if (fstat(STDIN_FILENO, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
        text.reserve(size_t(info.st_size));
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0)
        text.append(buffer, got);
    return text;
}
bool g_done = false;

void usage(FILE *to)
{
    std::fputs("Usage: qvttssay --list\n"
               "       qvttssay [--voice NAME] [--rate PERCENT] [--volume 0-100]\n"
               "                [--pitch PERCENT] [--xml] [--punctuation] [--format N] [TEXT...]\n"
               "Speaks TEXT (or standard input) and prints each word event as\n"
               "\"first last word\" (UTF-16 positions in the text as handed to the\n"
               "voice, pitch markup included; bytes that are not UTF-8 count as one\n"
               "replacement character each), then \"0 -1\" at the end.\n"
               "VOCALYNE_AUDIO_OUTPUT chooses the output (pulse, null, fast-null,\n"
               "capture:DIR).\n",
               to);
}

void onWord(int first, int last)
{
    if (last == -1) {
        std::printf("%d %d\n", first, last);
        g_done = true;
    } else {
        const std::string word =
            first >= 0 && last >= first ? g_index.word(size_t(first), size_t(last)) : std::string();
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
        text = readStandardInput();

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
    const int result =
        QVTTSSpeak(window, QVTTSEngineSpeechPlatform, voice.c_str(), -1, 0, text.c_str(), pitch,
                   rate, volume, 0, 0, textType, static_cast<int16_t>(format));
    // The text is kept once, in the index.
    g_index.reset(pitch != -1 ? pitchMarkup(pitch) + text : std::move(text));
    std::string().swap(text);
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
