// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// A host of the engine library that ends while speech is under way, without
// UninitQVTTSEngine, in the ways hosts end: returning from main, exiting
// from the word callback, paused, unhooked, in the middle of reading a long
// stretch of markup, or with a static object of its own that still calls the
// library after the engine has shut down. The process must end cleanly, with
// exit code 0 and (under the sanitizers) no report.
#include "qvtts.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

int g_words = 0;
bool g_exitInCallback = false;

// Constructed before the engine's first use, so destroyed after the engine
// has stopped its threads at exit: the library must still answer sanely.
struct LateCaller
{
    bool armed = false;
    ~LateCaller()
    {
        if (!armed)
            return;
        const int stopped = QVTTSStop(QVTTSEngineSpeechPlatform, 0);
        const int spoken = QVTTSSpeak(nullptr, QVTTSEngineSpeechPlatform, "any", -1, 0, "late", -1,
                                      -1, -1, 0, 0, QVTTSTextPlain, -1);
        const int uninitialised = UninitQVTTSEngine();
        if (stopped != QVTTSStopFailed || spoken != QVTTSSpeakEngineInternalError ||
            uninitialised != 0 || GetQVTTSNumVoices() != 0) {
            std::fprintf(stderr, "late calls answered %d %d %d\n", stopped, spoken, uninitialised);
            std::_Exit(3);
        }
    }
} g_lateCaller;

// A host object that takes a while to end (flushing a file, say), made
// after the engine's first use and before it starts speaking, so that at
// exit it ends between the engine's own objects.
struct SlowToEnd
{
    ~SlowToEnd() { std::this_thread::sleep_for(std::chrono::milliseconds(300)); }
};

void touchSlowToEnd()
{
    static SlowToEnd slow;
    (void)slow;
}

void onWord(int, int last)
{
    if (last == -1)
        return;
    ++g_words;
    if (g_exitInCallback && g_words == 2)
        std::exit(0);
}

// Voices switched by name and by language and a pronunciation, over and
// over, with little to say between: the synthesis thread keeps looking
// voices and phones up.
std::string switchingText()
{
    std::string text = "<speak>Start. ";
    for (int i = 0; i < 2000; ++i) {
        text += "<voice required='Name=espeak-ng German'>Tag.</voice> ";
        text += "<voice required='Name=no such voice;Language=409'>a</voice> ";
        text += "<pron sym='h eh 1 l ow'>hello</pron> <spell>ab</spell> ";
    }
    return text + "</speak>";
}

// A word, then elements opened by the hundred thousand and closed by other
// names: once the word is heard, the engine is reading the markup.
std::string hostileText()
{
    std::string text = "Start. ";
    for (int i = 0; i < 200000; ++i)
        text += "<rate>";
    text += "word";
    for (int i = 0; i < 200000; ++i)
        text += "</pitch>";
    return text;
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

void waitForWords(int count)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (g_words < count && std::chrono::steady_clock::now() < deadline)
        QVWaitAndDispatchMessages(20);
}

} // namespace

int main(int argc, char **argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    g_lateCaller.armed = mode == "late-caller";
    g_exitInCallback = mode == "exit-in-callback";

    HWND window = QVCreateWindow(nullptr);
    SetQVTTSOnWordCallBack(&onWord);
    touchSlowToEnd();
    if (mode == "unhooked") {
        InitQVTTSEngineEx3(window, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    } else {
        InitQVTTSEngineEx(window, nullptr, nullptr);
    }
    const std::string voice = firstVoice();
    if (voice.empty())
        return 2;
    const std::string text = mode == "hostile" ? hostileText() : switchingText();
    if (QVTTSSpeak(window, QVTTSEngineSpeechPlatform, voice.c_str(), -1, 0, text.c_str(), 150, 120,
                   80, 0, 0, QVTTSTextXml, -1) != QVTTSSpeakSuccess)
        return 2;

    if (mode == "unhooked") {
        // Speaking is under way on the engine's threads.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        return 0;
    }
    waitForWords(mode == "hostile" ? 1 : 2);
    if (mode == "hostile")
        return g_words >= 1 ? 0 : 2;
    if (g_words < 2)
        return 2;
    if (mode == "paused") {
        QVTTSPause(QVTTSEngineSpeechPlatform, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    // The window stays: a host that ends without tearing anything down.
    return 0;
}
