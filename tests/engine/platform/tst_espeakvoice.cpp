// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "voicetesthelpers.h"

#include <gtest/gtest.h>

#include <sndfile.h>

#include <chrono>
#include <cmath>
#include <fstream>
#include <sstream>
#include <thread>

using namespace qvsp;
using namespace voicetest;

namespace {

constexpr uint32_t kPlain = kSpeakAsync | kSpeakIsNotXml;
constexpr uint32_t kXml = kSpeakAsync | kSpeakIsXml;

using Words = std::vector<std::u16string>;

TEST(EspeakVoiceTest, WordEventsSpanTheWordsOfTheTextInOrder)
{
    auto voice = makeVoice("fast-null");
    ASSERT_TRUE(voice);
    const std::u16string english = u"Hello big world. It's 1234, ok?";
    auto events = speakAndCollect(*voice, english, kPlain);
    EXPECT_EQ(spokenWords(english, events),
              (Words{u"Hello", u"big", u"world", u"It's", u"1234", u"ok"}));
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events.front().id, kEventStartInputStream);
    EXPECT_EQ(events.back().id, kEventEndInputStream);
    uint64_t offset = 0;
    for (const Event &e : events) {
        EXPECT_GE(e.audioStreamOffset, offset) << "events follow the audio";
        offset = e.audioStreamOffset;
    }
    EXPECT_GT(events.back().audioStreamOffset, 22050u) << "a second of audio or more";

    const std::u16string accented = u"Ça été très à propos";
    ASSERT_EQ(voice->setVoice(tokenNamed(u"espeak-ng French (France)")), kOk);
    events = speakAndCollect(*voice, accented, kPlain);
    EXPECT_EQ(spokenWords(accented, events), (Words{u"Ça", u"été", u"très", u"à", u"propos"}));

    const std::u16string greek = u"Καλημέρα κόσμε, τι κάνεις;";
    ASSERT_EQ(voice->setVoice(tokenNamed(u"espeak-ng Greek")), kOk);
    events = speakAndCollect(*voice, greek, kPlain);
    EXPECT_EQ(spokenWords(greek, events), (Words{u"Καλημέρα", u"κόσμε", u"τι", u"κάνεις"}));

    const std::u16string russian = u"Привет, как дела? Всё хорошо.";
    ASSERT_EQ(voice->setVoice(tokenNamed(u"espeak-ng Russian")), kOk);
    events = speakAndCollect(*voice, russian, kPlain);
    EXPECT_EQ(spokenWords(russian, events), (Words{u"Привет", u"как", u"дела", u"Всё", u"хорошо"}));

    const std::u16string chinese = u"你好世界。我很好。";
    ASSERT_EQ(voice->setVoice(tokenNamed(u"espeak-ng Chinese (Mandarin, latin as English)")), kOk);
    events = speakAndCollect(*voice, chinese, kPlain);
    EXPECT_EQ(spokenWords(chinese, events),
              (Words{u"你", u"好", u"世", u"界", u"我", u"很", u"好"}));

    // Outside the basic plane: the positions are UTF-16 units, two per emoji.
    const std::u16string astral = u"\U0001F600 one two";
    ASSERT_EQ(voice->setVoice(nullptr), kOk);
    events = speakAndCollect(*voice, astral, kPlain);
    const Words words = spokenWords(astral, events);
    ASSERT_GE(words.size(), 2u);
    EXPECT_EQ(words[words.size() - 2], u"one");
    EXPECT_EQ(words.back(), u"two");
}

TEST(EspeakVoiceTest, XmlPositionsCountTheMarkupAndPlainTextSpeaksIt)
{
    auto voice = makeVoice("fast-null");
    ASSERT_TRUE(voice);
    const std::u16string prefixed = u"<pitch middle = '6'/>Hello world";
    auto events = speakAndCollect(*voice, prefixed, kXml);
    ASSERT_EQ(spokenWords(prefixed, events), (Words{u"Hello", u"world"}));
    std::vector<int64_t> starts;
    for (const Event &e : events) {
        if (e.id == kEventWordBoundary)
            starts.push_back(e.lParam);
    }
    EXPECT_EQ(starts, (std::vector<int64_t>{21, 27})) << "the markup before a word is counted";

    events = speakAndCollect(*voice, prefixed, kPlain);
    const Words words = spokenWords(prefixed, events);
    ASSERT_GE(words.size(), 4u) << "the markup is read out as words of its own";
    EXPECT_EQ(words.front(), u"pitch");
    EXPECT_EQ(words[words.size() - 2], u"Hello");
    EXPECT_EQ(words.back(), u"world");

    const std::u16string marked =
        u"<voice required=\"Name=espeak-ng English (Great Britain)\"><rate speed=\"2\">One</rate>"
        u" <volume level=\"60\"><emph>two</emph></volume> AT&amp;T<silence msec=\"300\"/> "
        u"<bookmark mark=\"42\"/>three <spell>ab</spell> &#x3A9;mega <foo>four</foo></voice>";
    events = speakAndCollect(*voice, marked, kXml);
    EXPECT_EQ(spokenWords(marked, events),
              (Words{u"One", u"two", u"AT&amp;T", u"three", u"a", u"b", u"&#x3A9;mega", u"four"}));
    int bookmarks = 0;
    for (size_t i = 0; i < events.size(); ++i) {
        if (events[i].id != kEventBookmark)
            continue;
        ++bookmarks;
        EXPECT_EQ(events[i].bookmark, u"42");
        EXPECT_EQ(events[i].wParam, 42u);
        size_t next = i + 1;
        while (next < events.size() && events[next].id != kEventWordBoundary)
            ++next;
        ASSERT_LT(next, events.size());
        EXPECT_EQ(marked.substr(size_t(events[next].lParam), 5), u"three")
            << "the bookmark comes just before the word after it";
    }
    EXPECT_EQ(bookmarks, 1);
}

TEST(EspeakVoiceTest, TextsQueuedInARowEndInOrderWithTheirOwnEvents)
{
    auto voice = makeVoice("fast-null");
    ASSERT_TRUE(voice);
    uint32_t first = 0;
    uint32_t second = 0;
    ASSERT_EQ(voice->speak(u"First text.", kPlain, &first), kOk);
    ASSERT_EQ(voice->speak(u"Second one.", kPlain, &second), kOk);
    EXPECT_EQ(second, first + 1);
    ASSERT_EQ(voice->waitUntilDone(30000), kOk);
    const auto events = drain(*voice);
    std::vector<std::pair<int, uint32_t>> streamEvents;
    for (const Event &e : events) {
        if (e.id != kEventWordBoundary && e.id != kEventSentenceBoundary)
            streamEvents.emplace_back(e.id, e.streamNumber);
    }
    const std::vector<std::pair<int, uint32_t>> expected{{kEventStartInputStream, first},
                                                         {kEventEndInputStream, first},
                                                         {kEventStartInputStream, second},
                                                         {kEventEndInputStream, second}};
    EXPECT_EQ(streamEvents, expected);
    VoiceStatus status;
    ASSERT_EQ(voice->getStatus(status), kOk);
    EXPECT_EQ(status.runningState, VoiceStatus::Done);
    EXPECT_EQ(status.lastStreamQueued, second);
    EXPECT_EQ(status.inputWordPos, 7u) << "\"one\" of the second text was the last word";
    EXPECT_EQ(status.inputWordLen, 3u);

    // Empty text still ends, and a synchronous speak returns when done.
    EXPECT_EQ(voice->speak(u"", kSpeakIsNotXml, nullptr), kOk);
    const auto ids = eventIds(drain(*voice));
    EXPECT_EQ(ids, (std::vector<int>{kEventStartInputStream, kEventEndInputStream}));
}

TEST(EspeakVoiceTest, InvalidFlagsAreRefused)
{
    auto voice = makeVoice("fast-null");
    ASSERT_TRUE(voice);
    EXPECT_EQ(voice->speak(u"x", kSpeakAsync | 0x80, nullptr), kInvalidFlags);
    EXPECT_EQ(voice->speak(u"x", kSpeakAsync | kSpeakIsXml | kSpeakIsNotXml, nullptr),
              kInvalidFlags);
    EXPECT_EQ(voice->setVolume(101), kInvalidArg);
    Event event;
    EXPECT_EQ(voice->getEvents(2, &event, nullptr), kPointer);
    uint32_t fetched = 7;
    EXPECT_EQ(voice->getEvents(1, &event, &fetched), kFalse);
    EXPECT_EQ(fetched, 0u);
}

const std::u16string kLongText =
    u"This is a rather long text that takes several seconds to read aloud. It goes on "
    u"and on, sentence after sentence, so that there is time to stop it. Nobody should "
    u"ever hear the end of it in this test.";

// Waits until the voice has queued at least count word events.
std::vector<Event> waitForWords(Voice &voice, size_t count, std::vector<Event> &all)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
        for (const Event &e : drain(voice))
            all.push_back(e);
        size_t words = 0;
        for (const Event &e : all)
            words += e.id == kEventWordBoundary;
        if (words >= count || std::chrono::steady_clock::now() > deadline)
            return all;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

TEST(EspeakVoiceTest, PurgeDropsTheCurrentAndQueuedTexts)
{
    auto voice = makeVoice("null"); // real-time, so there is something left to drop
    ASSERT_TRUE(voice);
    uint32_t longStream = 0;
    uint32_t queuedStream = 0;
    ASSERT_EQ(voice->speak(kLongText, kPlain, &longStream), kOk);
    ASSERT_EQ(voice->speak(u"Queued behind it.", kPlain, &queuedStream), kOk);
    std::vector<Event> before;
    waitForWords(*voice, 2, before);

    uint32_t newStream = 0;
    ASSERT_EQ(voice->speak(u"Stop.", kPlain | kSpeakPurgeBeforeSpeak, &newStream), kOk);
    ASSERT_EQ(voice->waitUntilDone(10000), kOk);
    const auto after = drain(*voice);
    for (const Event &e : after)
        EXPECT_EQ(e.streamNumber, newStream) << "nothing more of the dropped texts";
    EXPECT_EQ(eventIds(after).back(), kEventEndInputStream);
    EXPECT_EQ(spokenWords(u"Stop.", after), (Words{u"Stop"}));
    for (const Event &e : before)
        EXPECT_NE(e.id, kEventEndInputStream) << "the long text never ended";

    // Purging with nothing to say stops at once and leaves the voice done.
    ASSERT_EQ(voice->speak(kLongText, kPlain, nullptr), kOk);
    ASSERT_EQ(voice->speak(u"", kSpeakAsync | kSpeakPurgeBeforeSpeak, nullptr), kOk);
    EXPECT_EQ(voice->waitUntilDone(0), kOk);
    VoiceStatus status;
    voice->getStatus(status);
    EXPECT_EQ(status.runningState, VoiceStatus::Done);
}

TEST(EspeakVoiceTest, PauseHoldsEventsUntilResume)
{
    auto voice = makeVoice("null");
    ASSERT_TRUE(voice);
    ASSERT_EQ(voice->speak(kLongText, kPlain, nullptr), kOk);
    std::vector<Event> events;
    waitForWords(*voice, 1, events);
    ASSERT_EQ(voice->pause(), kOk);
    std::this_thread::sleep_for(std::chrono::milliseconds(100)); // a slice in flight may finish
    for (const Event &e : drain(*voice))
        events.push_back(e);
    VoiceStatus before;
    voice->getStatus(before);
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    EXPECT_TRUE(drain(*voice).empty()) << "no words while paused";
    VoiceStatus during;
    voice->getStatus(during);
    EXPECT_EQ(during.inputWordPos, before.inputWordPos);
    EXPECT_EQ(during.runningState, VoiceStatus::Speaking);

    ASSERT_EQ(voice->resume(), kOk);
    waitForWords(*voice, 3, events);
    size_t words = 0;
    for (const Event &e : events)
        words += e.id == kEventWordBoundary;
    EXPECT_GE(words, 3u) << "speech goes on after resume";
    voice->speak(u"", kSpeakAsync | kSpeakPurgeBeforeSpeak, nullptr);
}

TEST(EspeakVoiceTest, QueuedEventsAreAnnouncedToTheNotifyWindow)
{
    static std::vector<std::pair<WPARAM, LPARAM>> received;
    received.clear();
    HWND window = QVCreateWindow([](HWND, unsigned int msg, WPARAM w, LPARAM l) -> LRESULT {
        if (msg == WM_APP)
            received.emplace_back(w, l);
        return 0;
    });
    auto voice = makeVoice("fast-null");
    ASSERT_TRUE(voice);
    ASSERT_EQ(voice->setNotifyWindowMessage(window, WM_APP, 3, 4), kOk);
    ASSERT_EQ(voice->setInterest(eventBit(kEventEndInputStream), eventBit(kEventEndInputStream)),
              kOk);
    ASSERT_EQ(voice->speak(u"Hi there.", kPlain, nullptr), kOk);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (received.empty() && std::chrono::steady_clock::now() < deadline)
        QVWaitAndDispatchMessages(100);
    ASSERT_FALSE(received.empty()) << "the message arrives on the window's own thread";
    EXPECT_EQ(received.front(), (std::pair<WPARAM, LPARAM>{3, 4}));
    EXPECT_EQ(eventIds(drain(*voice)), (std::vector<int>{kEventEndInputStream}))
        << "only the events asked for are queued";
    QVDestroyWindow(window);
}

struct Capture
{
    SF_INFO info{};
    std::vector<double> samples; // first channel, -1 .. 1
    std::string events;
};

Capture readCapture(const std::string &base)
{
    Capture capture;
    SNDFILE *file = sf_open((base + ".wav").c_str(), SFM_READ, &capture.info);
    if (!file)
        return capture;
    std::vector<double> frames(size_t(capture.info.frames) * size_t(capture.info.channels));
    sf_readf_double(file, frames.data(), capture.info.frames);
    sf_close(file);
    for (size_t i = 0; i < frames.size(); i += size_t(capture.info.channels))
        capture.samples.push_back(frames[i]);
    std::ifstream in(base + ".events");
    std::stringstream text;
    text << in.rdbuf();
    capture.events = text.str();
    return capture;
}

double rms(const std::vector<double> &samples)
{
    double sum = 0;
    for (double s : samples)
        sum += s * s;
    return samples.empty() ? 0 : std::sqrt(sum / double(samples.size()));
}

TEST(EspeakVoiceTest, CaptureWritesEachUtteranceAsSpeechInTheChosenFormat)
{
    TemporaryFolder folder;
    ASSERT_FALSE(folder.path().empty());
    auto voice = makeVoice("capture:" + folder.path());
    ASSERT_TRUE(voice);
    const std::u16string text = u"Hello world, this is a test.";
    ASSERT_EQ(speakAndCollect(*voice, text, kPlain).empty(), false);

    HResult hr = kFail;
    const AudioOutputPtr output = createDefaultAudioOutput(&hr);
    ASSERT_EQ(output->setFormat(9), kOk); // 11025 Hz 8-bit stereo
    ASSERT_EQ(voice->setOutput(output, false), kOk);
    ASSERT_FALSE(speakAndCollect(*voice, text, kPlain).empty());

    // Numbers count on through the process: the two files are the only ones.
    const auto files = wavFiles(folder.path());
    ASSERT_EQ(files.size(), 2u);
    const auto base = [](const std::string &wav) { return wav.substr(0, wav.size() - 4); };
    const Capture first = readCapture(base(files[0]));
    EXPECT_EQ(first.info.samplerate, 22050);
    EXPECT_EQ(first.info.channels, 1);
    const double seconds = double(first.info.frames) / first.info.samplerate;
    EXPECT_GT(seconds, 1.0);
    EXPECT_LT(seconds, 5.0) << "the length fits six words";
    EXPECT_GT(rms(first.samples), 0.02) << "speech, not silence";
    EXPECT_NE(first.events.find("\n0 1 0 0\n"), std::string::npos) << first.events;
    EXPECT_NE(first.events.find(" 5 5 0\n"), std::string::npos) << "Hello at 0, 5 long";

    const Capture second = readCapture(base(files[1]));
    EXPECT_EQ(second.info.samplerate, 11025);
    EXPECT_EQ(second.info.channels, 2);
    EXPECT_EQ(second.info.format & SF_FORMAT_SUBMASK, SF_FORMAT_PCM_U8);
    EXPECT_NEAR(double(second.info.frames) / 11025, seconds, 0.05) << "resampled, not cut";
    EXPECT_GT(rms(second.samples), 0.02);
}

TEST(EspeakVoiceTest, FileAndMemoryOutputsReceiveTheWholeSpeech)
{
    TemporaryFolder folder;
    auto voice = makeVoice("null"); // real time: the outputs must not be paced by it
    ASSERT_TRUE(voice);
    HResult hr = kFail;
    const std::string path = folder.path() + "/speech.wav";
    const AudioOutputPtr file = createWavFileAudioOutput(path, &hr);
    ASSERT_EQ(hr, kOk);
    ASSERT_EQ(file->setFormat(18), kOk); // 16 kHz 16-bit mono
    ASSERT_EQ(voice->setOutput(file, false), kOk);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_FALSE(speakAndCollect(*voice, u"One text.", kPlain).empty());
    ASSERT_FALSE(speakAndCollect(*voice, kLongText, kPlain).empty());
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const Capture written = readCapture(path.substr(0, path.size() - 4));
    EXPECT_EQ(written.info.samplerate, 16000);
    const double seconds = double(written.info.frames) / 16000;
    EXPECT_GT(seconds, 8.0) << "both texts are in the file";
    EXPECT_LT(elapsed, seconds / 4) << "a file is written as fast as speech is made";
    EXPECT_GT(rms(written.samples), 0.02);

    const std::shared_ptr<MemoryAudioOutput> memory = createMemoryAudioOutput(&hr);
    ASSERT_EQ(memory->setFormat(7), kOk); // 8 kHz 16-bit stereo
    ASSERT_EQ(voice->setOutput(memory, false), kOk);
    const auto events = speakAndCollect(*voice, u"One text.", kPlain);
    const std::string audio = memory->takeAudio();
    EXPECT_EQ(audio.size(), events.back().audioStreamOffset)
        << "the end event sits after all of it";
    EXPECT_EQ(audio.size() % 4, 0u);
    EXPECT_GT(audio.size(), 8000u * 4 / 2);
    EXPECT_TRUE(memory->takeAudio().empty());
}

std::vector<double> samplesOf(const std::string &audio)
{
    std::vector<double> out;
    for (size_t i = 0; i + 1 < audio.size(); i += 2)
        out.push_back(
            double(int16_t(uint16_t(uint8_t(audio[i])) | uint16_t(uint8_t(audio[i + 1])) << 8)) /
            32768.0);
    return out;
}

TEST(EspeakVoiceTest, RateAndVolumeFromTheVoiceAndTheMarkupAreHeard)
{
    auto voice = makeVoice("fast-null");
    ASSERT_TRUE(voice);
    HResult hr = kFail;
    const std::shared_ptr<MemoryAudioOutput> memory = createMemoryAudioOutput(&hr);
    ASSERT_EQ(voice->setOutput(memory, false), kOk);
    auto render = [&](const std::u16string &text, uint32_t flags) {
        speakAndCollect(*voice, text, flags);
        return samplesOf(memory->takeAudio());
    };
    const std::u16string sentence = u"The quick brown fox jumps over the lazy dog.";
    const auto normal = render(sentence, kPlain);
    ASSERT_GT(normal.size(), 22050u);

    const auto fastMarkup = render(u"<rate absspeed=\"5\">" + sentence + u"</rate>", kXml);
    EXPECT_LT(double(fastMarkup.size()), normal.size() * 0.8);
    const auto quietMarkup = render(u"<volume level=\"20\">" + sentence + u"</volume>", kXml);
    EXPECT_LT(rms(quietMarkup), rms(normal) * 0.4);
    EXPECT_NEAR(double(quietMarkup.size()), double(normal.size()), normal.size() * 0.05);

    ASSERT_EQ(voice->setRate(-5), kOk);
    const auto slow = render(sentence, kPlain);
    EXPECT_GT(double(slow.size()), normal.size() * 1.3);
    // The markup adds to the voice's own rate: +5 on -5 is the normal speed.
    const auto both = render(u"<rate speed=\"5\">" + sentence + u"</rate>", kXml);
    EXPECT_NEAR(double(both.size()), double(normal.size()), normal.size() * 0.1);
    ASSERT_EQ(voice->setRate(0), kOk);
    ASSERT_EQ(voice->setVolume(25), kOk);
    EXPECT_LT(rms(render(sentence, kPlain)), rms(normal) * 0.5);
}

TEST(EspeakVoiceTest, SentenceEventsAndSpokenPunctuation)
{
    auto voice = makeVoice("fast-null");
    ASSERT_TRUE(voice);
    const std::u16string text = u"Hello big world.  It's 1234, ok? Yes";
    auto events = speakAndCollect(*voice, text, kPlain);
    Words sentences;
    for (const Event &e : events) {
        if (e.id == kEventSentenceBoundary)
            sentences.push_back(text.substr(size_t(e.lParam), size_t(e.wParam)));
    }
    EXPECT_EQ(sentences, (Words{u"Hello big world.", u"It's 1234, ok?", u"Yes"}));
    VoiceStatus status;
    voice->getStatus(status);
    EXPECT_EQ(text.substr(status.inputSentPos, status.inputSentLen), u"Yes");
    const uint64_t quiet = events.back().audioStreamOffset;

    // Read out, the punctuation takes time of its own but makes no words.
    events = speakAndCollect(*voice, text, kPlain | kSpeakNlpSpeakPunc);
    EXPECT_GT(double(events.back().audioStreamOffset), quiet * 1.2);
    EXPECT_EQ(spokenWords(text, events),
              (Words{u"Hello", u"big", u"world", u"It's", u"1234", u"ok", u"Yes"}));
}

TEST(EspeakVoiceTest, TwoVoicesSpeakAtOnceEachWithItsOwnSettings)
{
    auto english = makeVoice("fast-null");
    auto french = makeVoice("fast-null");
    ASSERT_TRUE(english && french);
    ASSERT_EQ(french->setVoice(tokenNamed(u"espeak-ng French (France)")), kOk);
    ASSERT_EQ(french->setRate(-4), kOk);
    const std::u16string englishText = u"One two three four five six seven eight nine ten.";
    const std::u16string frenchText = u"Un deux trois quatre cinq six sept huit neuf dix.";
    const auto solo = speakAndCollect(*english, englishText, kPlain);
    ASSERT_FALSE(solo.empty());
    for (int round = 0; round < 3; ++round) {
        ASSERT_EQ(english->speak(englishText, kPlain, nullptr), kOk);
        ASSERT_EQ(french->speak(frenchText, kPlain, nullptr), kOk);
    }
    ASSERT_EQ(english->waitUntilDone(30000), kOk);
    ASSERT_EQ(french->waitUntilDone(30000), kOk);
    const auto englishEvents = drain(*english);
    const auto frenchEvents = drain(*french);
    EXPECT_EQ(spokenWords(englishText, englishEvents).size(), 30u);
    EXPECT_EQ(spokenWords(frenchText, frenchEvents).size(), 30u);
    EXPECT_EQ(spokenWords(frenchText, frenchEvents)[2], u"trois");
    // The slow French rate and the French voice stay with the French voice.
    EXPECT_NEAR(double(englishEvents.back().audioStreamOffset),
                double(solo.back().audioStreamOffset), solo.back().audioStreamOffset * 0.05);
}

} // namespace
