// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// What a voice reports and what it holds: every word of a phrase gets its
// event, a paused voice keeps only a little audio ahead, and events that
// nobody can take are not kept.
#include "voicetesthelpers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <unistd.h>

using namespace qvsp;
using namespace voicetest;

namespace {

constexpr uint32_t kPlain = kSpeakAsync | kSpeakIsNotXml;
constexpr uint32_t kXml = kSpeakAsync | kSpeakIsXml;

using Words = std::vector<std::u16string>;

long residentKilobytes()
{
    long pages = 0;
    long resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

size_t wordCount(const std::vector<Event> &events)
{
    size_t words = 0;
    for (const Event &e : events)
        words += e.id == kEventWordBoundary ? 1 : 0;
    return words;
}

bool waitForWordEvents(Voice &voice, size_t count, std::vector<Event> &events)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (wordCount(events) < count && std::chrono::steady_clock::now() < deadline) {
        for (const Event &e : drain(voice))
            events.push_back(e);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return wordCount(events) >= count;
}

TEST(PhraseWordsTest, EveryWordOfAPhraseGetsItsEventInOrder)
{
    // The English voice speaks "a row", "it is" or "a sudden" as one
    // dictionary phrase and names only its first word; the words after it,
    // one-letter words and a piece's last words among them, still get theirs.
    auto voice = makeVoice("fast-null");
    ASSERT_TRUE(voice);
    const std::pair<std::u16string, Words> cases[] = {
        {u"in a row", {u"in", u"a", u"row"}},
        {u"all of a sudden", {u"all", u"of", u"a", u"sudden"}},
        {u"We sat in a row.", {u"We", u"sat", u"in", u"a", u"row"}},
        {u"What a day it was.", {u"What", u"a", u"day", u"it", u"was"}},
        {u"Yes it is.", {u"Yes", u"it", u"is"}},
        {u"Is it? Yes it is. So it is", {u"Is", u"it", u"Yes", u"it", u"is", u"So", u"it", u"is"}},
    };
    for (const auto &[text, words] : cases) {
        const auto events = speakAndCollect(*voice, text, kPlain);
        EXPECT_EQ(spokenWords(text, events), words);
        ASSERT_FALSE(events.empty());
        uint64_t offset = 0;
        for (const Event &e : events) {
            EXPECT_GE(e.audioStreamOffset, offset)
                << "events follow the audio: " << e.id << " " << e.lParam << " " << e.wParam;
            offset = e.audioStreamOffset;
        }
        EXPECT_EQ(events.back().id, kEventEndInputStream) << "every word before the end";
    }

    // Markup cuts a text into pieces; each piece's last words are reported
    // too, and a pronunciation stands for its words once.
    const std::u16string xml =
        u"<rate speed='1'>in a</rate> row, <pitch middle='2'>yes it is</pitch>"
        u" say <pron sym='h eh 1 l ow w er 1 l d'>hello world</pron> now";
    EXPECT_EQ(spokenWords(xml, speakAndCollect(*voice, xml, kXml)),
              (Words{u"in", u"a", u"row", u"yes", u"it", u"is", u"say", u"hello world", u"now"}));
}

TEST(VoiceLimitsTest, APausedVoiceHoldsOnlyAFewSecondsOfAudioInsideAPiece)
{
    // A spelled text of 3,000 letters is one piece and a quarter of an hour
    // of audio; at 48 kHz stereo that is some 170 MB. Paused at its start,
    // a real-time output must not have it all synthesised into memory.
    auto voice = makeVoice("null");
    ASSERT_TRUE(voice);
    HResult hr = kFail;
    const AudioOutputPtr output = createDefaultAudioOutput(&hr);
    ASSERT_TRUE(output);
    ASSERT_EQ(output->setFormat(39), kOk); // 48 kHz 16-bit stereo
    ASSERT_EQ(voice->setOutput(output, false), kOk);
    ASSERT_FALSE(speakAndCollect(*voice, u"Warm up.", kPlain).empty());

    std::u16string letters;
    for (int i = 0; i < 3000; ++i)
        letters += char16_t(u'a' + i % 26);
    const std::u16string text = u"<spell>" + letters + u"</spell>";
    const long before = residentKilobytes();
    ASSERT_EQ(voice->speak(text, kXml, nullptr), kOk);
    std::vector<Event> events;
    ASSERT_TRUE(waitForWordEvents(*voice, 1, events));
    ASSERT_EQ(voice->pause(), kOk);
    std::this_thread::sleep_for(std::chrono::seconds(3));
    const long grown = residentKilobytes() - before;
    RecordProperty("heldKilobytes", int(grown));
    EXPECT_LT(grown, 12 * 1024) << "kB held while paused";

    // Speech goes on where it stopped, and a stop ends it at once.
    ASSERT_EQ(voice->resume(), kOk);
    ASSERT_TRUE(waitForWordEvents(*voice, 4, events));
    const auto stop = std::chrono::steady_clock::now();
    ASSERT_EQ(voice->speak(u"", kSpeakAsync | kSpeakPurgeBeforeSpeak, nullptr), kOk);
    ASSERT_EQ(voice->waitUntilDone(5000), kOk);
    EXPECT_LT(std::chrono::steady_clock::now() - stop, std::chrono::seconds(2));
}

TEST(VoiceLimitsTest, APausedVoiceDoesNotHoldUpAnotherOne)
{
    // The paused voice waits for playback inside the synthesiser; another
    // voice still gets its turn.
    auto paused = makeVoice("null");
    auto other = makeVoice("fast-null");
    ASSERT_TRUE(paused && other);
    std::u16string letters;
    for (int i = 0; i < 2000; ++i)
        letters += char16_t(u'a' + i % 26);
    ASSERT_EQ(paused->speak(u"<spell>" + letters + u"</spell>", kXml, nullptr), kOk);
    std::vector<Event> events;
    ASSERT_TRUE(waitForWordEvents(*paused, 1, events));
    ASSERT_EQ(paused->pause(), kOk);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));

    const std::u16string text = u"Another voice speaks meanwhile.";
    ASSERT_EQ(other->speak(text, kPlain, nullptr), kOk);
    ASSERT_EQ(other->waitUntilDone(20000), kOk);
    EXPECT_EQ(spokenWords(text, drain(*other)),
              (Words{u"Another", u"voice", u"speaks", u"meanwhile"}));
    paused->speak(u"", kSpeakAsync | kSpeakPurgeBeforeSpeak, nullptr);
}

TEST(VoiceLimitsTest, EventsNobodyCanTakeAreNotKept)
{
    static int messages = 0;
    messages = 0;
    std::u16string text;
    for (int i = 0; i < 20; ++i)
        text += u"Words keep coming for a while. ";

    // A window that is gone can take no events: none are kept for it.
    auto voice = makeVoice("fast-null");
    ASSERT_TRUE(voice);
    HWND gone = QVCreateWindow(nullptr);
    ASSERT_EQ(voice->setNotifyWindowMessage(gone, WM_APP, 0, 0), kOk);
    QVDestroyWindow(gone);
    ASSERT_EQ(voice->speak(text, kPlain, nullptr), kOk);
    ASSERT_EQ(voice->waitUntilDone(30000), kOk);
    EXPECT_TRUE(drain(*voice).empty());

    // The same when the window goes while its message is still on the way:
    // the host that would have taken the events is gone with it.
    HWND leaving = QVCreateWindow(nullptr);
    ASSERT_EQ(voice->setNotifyWindowMessage(leaving, WM_APP, 0, 0), kOk);
    ASSERT_EQ(voice->speak(u"One.", kPlain, nullptr), kOk);
    ASSERT_EQ(voice->waitUntilDone(30000), kOk);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    QVDestroyWindow(leaving);
    std::u16string longer;
    for (int i = 0; i < 10; ++i) // more events than a host is allowed to leave waiting
        longer += text;
    ASSERT_EQ(voice->speak(longer, kPlain, nullptr), kOk);
    ASSERT_EQ(voice->waitUntilDone(60000), kOk);
    EXPECT_TRUE(drain(*voice).empty());

    // A window whose host never takes events (an unhooked window: nothing
    // queued) is told once, not once per word.
    HWND window = QVCreateWindow([](HWND, unsigned int msg, WPARAM, LPARAM) -> LRESULT {
        messages += msg == WM_APP ? 1 : 0;
        return 0;
    });
    ASSERT_EQ(voice->setNotifyWindowMessage(window, WM_APP, 0, 0), kOk);
    ASSERT_EQ(voice->setInterest(kAllTtsEvents, 0), kOk);
    ASSERT_EQ(voice->speak(text, kPlain, nullptr), kOk);
    while (voice->waitUntilDone(20) != kOk)
        QVDispatchMessages();
    QVDispatchMessages();
    EXPECT_EQ(messages, 1);
    EXPECT_TRUE(drain(*voice).empty());

    // Once the host takes events again, it is told again.
    messages = 0;
    ASSERT_EQ(voice->setInterest(kAllTtsEvents, kAllTtsEvents), kOk);
    ASSERT_EQ(voice->speak(u"Back again.", kPlain, nullptr), kOk);
    ASSERT_EQ(voice->waitUntilDone(20000), kOk);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    QVDispatchMessages();
    EXPECT_EQ(messages, 1);
    EXPECT_EQ(spokenWords(u"Back again.", drain(*voice)), (Words{u"Back", u"again"}));
    ASSERT_EQ(voice->speak(u"And more.", kPlain, nullptr), kOk);
    ASSERT_EQ(voice->waitUntilDone(20000), kOk);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    QVDispatchMessages();
    EXPECT_EQ(messages, 2);
    QVDestroyWindow(window);
}

} // namespace
