// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The engine through its C interface, speaking with real espeak-ng voices
// into the fast null output.
#include "qvttstesthost.h"

#include <gtest/gtest.h>

#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <set>
#include <thread>

namespace {

using Pair = QVTTSTestHost::Pair;

const char *kEnglish = "English (America)";

QVTTSSpeakReturnValue speak(const std::string &voice, const QString &text, int32_t pitch = -1,
                            QVTTSTextType type = QVTTSTextPlain, int16_t format = -1,
                            QVTTSVoiceEngineType engine = QVTTSEngineSpeechPlatform)
{
    const QByteArray utf8 = text.toUtf8();
    return QVTTSSpeak(nullptr, engine, voice.c_str(), -1, 0, utf8.constData(), pitch, -1, -1, 0, 0,
                      type, format);
}

QString prefixFor(int steps)
{
    return QStringLiteral("<pitch middle = '%1'/>").arg(steps);
}

} // namespace

TEST(QVTTSEngineTest, InitialisationReportsSlotsAndListsTheVoices)
{
    QVTTSTestHost host;
    const InitQVTTSEngineReturnValueEx *table = host.slotTable();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->engineTypes[17], 0);
    EXPECT_EQ(table->engineTypes[18], 1);
    EXPECT_EQ(table->engineTypes[19], 2);
    EXPECT_EQ(table->engineTypes[20], 4);
    EXPECT_EQ(table->engineTypes[21], 3);
    for (int i = 0; i < 21; ++i)
        EXPECT_EQ(table->results[i], 9) << i;
    EXPECT_EQ(table->results[21], 0);

    const uint32_t count = GetQVTTSNumVoices();
    EXPECT_GE(count, 100u);
    char name[512] = "untouched";
    int32_t length = -5;
    QVTTSVoiceEngineType type = QVTTSEngineNone;
    EXPECT_EQ(GetQVTTSVoice(int32_t(count), &type, name, &length, nullptr, nullptr), 1);
    EXPECT_EQ(GetQVTTSVoice(-1, &type, name, &length, nullptr, nullptr), 1);
    EXPECT_STREQ(name, "untouched");
    EXPECT_EQ(length, -5);
    int32_t attribute = 0;
    uint16_t language = 9;
    ASSERT_EQ(GetQVTTSVoice(0, &type, name, &length, &attribute, &language), 0);
    EXPECT_EQ(type, 3);
    EXPECT_EQ(length, int32_t(std::strlen(name)));
    EXPECT_GT(length, 0);
    EXPECT_EQ(attribute, -1);
    EXPECT_EQ(language, 0);
    EXPECT_FALSE(QVTTSTestHost::voiceContaining(kEnglish).empty());

    // The installed-voices list is enumerated afresh but names the same voices.
    auto *first =
        static_cast<QVTTSVoiceInfoCollection *>(std::malloc(sizeof(QVTTSVoiceInfoCollection)));
    uint32_t listed = 0;
    ASSERT_EQ(GetQVTTSInstalledVoices(first, &listed), 0);
    ASSERT_EQ(listed, count);
    const QVTTSVoiceInfoCollection *node = first;
    for (uint32_t i = 0; i < listed; ++i, node = node->next) {
        ASSERT_EQ(GetQVTTSVoice(int32_t(i), nullptr, name, nullptr, nullptr, nullptr), 0);
        ASSERT_STREQ(node->info->name, name) << i;
    }
    CleanQVTTSInstalledVoicesRetrieval(first);

    // A second initialisation lists every voice a second time.
    InitQVTTSEngineEx(host.window(), nullptr, nullptr);
    EXPECT_EQ(GetQVTTSNumVoices(), 2 * count);
    UninitQVTTSEngine();
    EXPECT_EQ(GetQVTTSNumVoices(), 0u);
}

TEST(QVTTSEngineTest, HelpersAndForeignEngineTypes)
{
    EXPECT_EQ(MakeLanguage(0x09, 0x01), 0x0409);
    EXPECT_EQ(GetMainLanguage(0x0409), 0x09);
    EXPECT_EQ(GetSubLanguage(0x0409), 1);

    int32_t value = 77;
    EXPECT_EQ(GetQVTTSEngineInfo(QVTTSEngineSpeechPlatform, 0, 19, &value, 0, nullptr), 0);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(GetQVTTSEngineInfo(QVTTSEngineSpeechPlatform, 0, 11, &value, 0, nullptr), 0);
    EXPECT_EQ(value, 350);
    EXPECT_EQ(GetQVTTSEngineInfo(QVTTSEngineSpeechPlatform, 0, 20, &value, 0, nullptr), 1);
    value = 77;
    EXPECT_EQ(GetQVTTSEngineInfo(QVTTSEngineFamily1, 0, 19, &value, 0, nullptr), 0);
    EXPECT_EQ(value, 77);

    QVTTSTestHost host;
    const std::string voice = QVTTSTestHost::voiceContaining(kEnglish);
    EXPECT_EQ(speak(voice, QStringLiteral("Nothing"), -1, QVTTSTextPlain, -1, QVTTSEngineFamily2),
              0);
    EXPECT_EQ(QVTTSPause(QVTTSEngineFamily4, 0), 0);
    EXPECT_EQ(QVTTSResume(QVTTSEngineFamily1, 0), 0);
    EXPECT_EQ(QVTTSStop(QVTTSEngineNone, 0), 0);
    // Values outside the enumerations are accepted as they stand: an
    // unknown engine type does nothing, text type 2 is plain text.
    const auto unknownEngine = QVTTSVoiceEngineType(100);
    EXPECT_EQ(speak(voice, QStringLiteral("Nothing"), -1, QVTTSTextType(2), -1, unknownEngine), 0);
    EXPECT_EQ(QVTTSPause(unknownEngine, 0), 0);
    EXPECT_EQ(QVTTSResume(QVTTSVoiceEngineType(-100000), 0), 0);
    EXPECT_EQ(QVTTSStop(unknownEngine, 0), 0);
    EXPECT_EQ(GetQVTTSEngineInfo(unknownEngine, 0, 19, &value, 0, nullptr), 0);
    EXPECT_EQ(value, 77);
    host.pump(300);
    EXPECT_TRUE(QVTTSTestHost::words().empty());
}

TEST(QVTTSEngineTest, RefusedSpeakRequests)
{
    QVTTSTestHost host;
    const std::string voice = QVTTSTestHost::voiceContaining(kEnglish);
    ASSERT_FALSE(voice.empty());
    std::string shouted = voice;
    for (char &c : shouted)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(speak(shouted, QStringLiteral("Hello")), 11);
    EXPECT_EQ(speak(voice + " ", QStringLiteral("Hello")), 11);
    EXPECT_EQ(speak("", QStringLiteral("Hello")), 11);
    // A-law is refused by the output.
    EXPECT_EQ(speak(voice, QStringLiteral("Hello"), -1, QVTTSTextPlain, 41), 10);
    EXPECT_EQ(QVTTSSpeak(nullptr, QVTTSEngineSpeechPlatform, voice.c_str(), -1, 0, nullptr, -1, -1,
                         -1, 0, 0, QVTTSTextPlain, -1),
              9);
    EXPECT_EQ(QVTTSSpeak(nullptr, QVTTSEngineSpeechPlatform, nullptr, -1, 0, "Hello", -1, -1, -1, 0,
                         0, QVTTSTextPlain, -1),
              9);
    EXPECT_EQ(QVTTSStop(QVTTSEngineSpeechPlatform, 0), 0); // nothing speaking
    host.pump(300);
    EXPECT_TRUE(QVTTSTestHost::words().empty());

    // Without an initialised engine every call fails cleanly instead of
    // reaching for a voice that is not there.
    UninitQVTTSEngine();
    EXPECT_EQ(speak(voice, QStringLiteral("Hello")), 7);
    EXPECT_EQ(QVTTSPause(QVTTSEngineSpeechPlatform, 0), 15);
    EXPECT_EQ(QVTTSResume(QVTTSEngineSpeechPlatform, 0), 97);
    EXPECT_EQ(QVTTSStop(QVTTSEngineSpeechPlatform, 0), 6);
    InitQVTTSEngineEx(host.window(), nullptr, nullptr);

    // An accepted format stays in force, and speech still flows.
    ASSERT_EQ(speak(voice, QStringLiteral("Fine"), -1, QVTTSTextPlain, 18), 0);
    ASSERT_TRUE(host.waitForEnds(1));
    EXPECT_EQ(QVTTSTestHost::spokenWords(), (std::vector<Pair>{{0, 3}}));
}

TEST(QVTTSEngineTest, WordsArriveInOrderAndEachSpansOneWord)
{
    QVTTSTestHost host;
    const std::string voice = QVTTSTestHost::voiceContaining(kEnglish);
    const QString text = QStringLiteral("I think the quick brown fox jumps over forty lazy dogs.");
    ASSERT_EQ(speak(voice, text), 0);
    ASSERT_TRUE(host.waitForEnds(1));
    EXPECT_EQ(QVTTSTestHost::spokenWords(), QVTTSTestHost::wordRanges(text));
    EXPECT_EQ(QVTTSTestHost::words().back(), Pair(0, -1));
    // A one-letter word at the start is (0, 0).
    EXPECT_EQ(QVTTSTestHost::words().front(), Pair(0, 0));
    // The host's own procedure saw every word message too, and the
    // notifications were passed on.
    EXPECT_EQ(QVTTSTestHost::hostWords(), QVTTSTestHost::words());
    EXPECT_GT(QVTTSTestHost::hostNotifications(), 0);
}

TEST(QVTTSEngineTest, AccentedAndNonLatinPositionsCountUtf16Units)
{
    QVTTSTestHost host;
    struct Case
    {
        const char *voice;
        QString text;
    };
    const Case cases[] = {
        {"French", QStringLiteral("Déjà vu à Noël, élèves très sûrs.")},
        {"Russian", QStringLiteral("Привет, как дела у тебя сегодня?")},
        {"Greek", QStringLiteral("Καλημέρα σε όλους τους φίλους.")},
    };
    for (const Case &c : cases) {
        const std::string voice = QVTTSTestHost::voiceContaining(c.voice);
        ASSERT_FALSE(voice.empty()) << c.voice;
        QVTTSTestHost::words().clear();
        ASSERT_EQ(speak(voice, c.text), 0) << c.voice;
        ASSERT_TRUE(host.waitForEnds(1)) << c.voice;
        EXPECT_EQ(QVTTSTestHost::spokenWords(), QVTTSTestHost::wordRanges(c.text)) << c.voice;
    }
}

TEST(QVTTSEngineTest, XmlPositionsCountTheMarkup)
{
    QVTTSTestHost host;
    const std::string voice = QVTTSTestHost::voiceContaining(kEnglish);
    const QString text = QStringLiteral(
        "<emph>Hello</emph> <rate speed='2'>big</rate> &amp; <volume level='50'>wide</volume> "
        "world");
    ASSERT_EQ(speak(voice, text, -1, QVTTSTextXml), 0);
    ASSERT_TRUE(host.waitForEnds(1));
    std::vector<Pair> expected;
    for (const QString &word : {QStringLiteral(">Hello<"), QStringLiteral(">big<"),
                                QStringLiteral(">wide<"), QStringLiteral(" world")}) {
        const int first = int(text.indexOf(word)) + 1;
        expected.emplace_back(first, first + int(word.size()) - 3 + (word[0] == u' ' ? 1 : 0));
    }
    std::vector<Pair> spoken = QVTTSTestHost::spokenWords();
    // "&amp;" may be read as a word ("and"); it is not a word of the text.
    const int ampersand = int(text.indexOf(QStringLiteral("&amp;")));
    spoken.erase(std::remove(spoken.begin(), spoken.end(), Pair(ampersand, ampersand + 4)),
                 spoken.end());
    EXPECT_EQ(spoken, expected);
}

TEST(QVTTSEngineTest, PitchPrefixShiftsPositions)
{
    QVTTSTestHost host;
    const std::string voice = QVTTSTestHost::voiceContaining(kEnglish);
    const QString text = QStringLiteral("Hello there world");

    // As markup the prefix is silent but counted.
    ASSERT_EQ(speak(voice, text, 200, QVTTSTextXml), 0);
    ASSERT_TRUE(host.waitForEnds(1));
    const int shift = int(prefixFor(6).size());
    EXPECT_EQ(QVTTSTestHost::spokenWords(), QVTTSTestHost::wordRanges(text, shift));

    // As plain text the voice reads the prefix too; the text's own words
    // follow at the same shift. 70 % is -3 steps (truncated, not -4).
    QVTTSTestHost::words().clear();
    ASSERT_EQ(speak(voice, text, 70, QVTTSTextType(2)), 0);
    ASSERT_TRUE(host.waitForEnds(1));
    const std::vector<Pair> own = QVTTSTestHost::wordRanges(text, int(prefixFor(-3).size()));
    const std::vector<Pair> spoken = QVTTSTestHost::spokenWords();
    ASSERT_GT(spoken.size(), own.size()); // the prefix's words came first
    EXPECT_EQ(std::vector<Pair>(spoken.end() - long(own.size()), spoken.end()), own);
    EXPECT_EQ(spoken.front(), Pair(1, 5)); // "pitch"

    // 100 % is step 0, still a prefix.
    QVTTSTestHost::words().clear();
    ASSERT_EQ(speak(voice, text, 100, QVTTSTextXml), 0);
    ASSERT_TRUE(host.waitForEnds(1));
    EXPECT_EQ(QVTTSTestHost::spokenWords(),
              QVTTSTestHost::wordRanges(text, int(prefixFor(0).size())));
}

TEST(QVTTSEngineTest, TwoTextsAreSpokenInTurnWithAnEndEach)
{
    QVTTSTestHost host;
    const std::string voice = QVTTSTestHost::voiceContaining(kEnglish);
    const QString one = QStringLiteral("First text here.");
    const QString two = QStringLiteral("And then the second one.");
    ASSERT_EQ(speak(voice, one), 0);
    ASSERT_EQ(speak(voice, two), 0);
    ASSERT_TRUE(host.waitForEnds(2));
    std::vector<Pair> expected = QVTTSTestHost::wordRanges(one);
    expected.emplace_back(0, -1);
    for (const Pair &pair : QVTTSTestHost::wordRanges(two))
        expected.push_back(pair);
    expected.emplace_back(0, -1);
    EXPECT_EQ(QVTTSTestHost::words(), expected);
}

TEST(QVTTSEngineTest, StopDropsEverythingQueued)
{
    QVTTSTestHost host;
    const std::string voice = QVTTSTestHost::voiceContaining(kEnglish);
    QString longText;
    for (int i = 0; i < 400; ++i)
        longText += QStringLiteral("Sentence number %1 keeps the voice busy for a while. ").arg(i);
    ASSERT_EQ(speak(voice, longText), 0);
    ASSERT_EQ(speak(voice, longText), 0);
    ASSERT_TRUE(host.waitForCalls(1));
    ASSERT_EQ(QVTTSStop(QVTTSEngineSpeechPlatform, 0), 0);
    const size_t atStop = QVTTSTestHost::words().size();
    host.pump(500);
    EXPECT_EQ(QVTTSTestHost::words().size(), atStop) << "events of dropped texts arrived";
    EXPECT_EQ(host.endCount(), 0);

    // The next text is spoken from its start, with nothing of the old ones.
    QVTTSTestHost::words().clear();
    const QString fresh = QStringLiteral("Fresh start");
    ASSERT_EQ(speak(voice, fresh), 0);
    ASSERT_TRUE(host.waitForEnds(1));
    EXPECT_EQ(QVTTSTestHost::spokenWords(), QVTTSTestHost::wordRanges(fresh));
    EXPECT_EQ(QVTTSTestHost::words().size(), 3u);
}

TEST(QVTTSEngineTest, StopFromTheWordCallbackEndsDeliveryAtOnce)
{
    QVTTSTestHost host;
    const std::string voice = QVTTSTestHost::voiceContaining(kEnglish);
    // With the fast output many words wait in the queue at once; the ones
    // behind the stop must not be delivered by the drain already under way.
    SetQVTTSOnWordCallBack([](int first, int last) {
        QVTTSTestHost::words().emplace_back(first, last);
        if (QVTTSTestHost::words().size() == 3)
            QVTTSStop(QVTTSEngineSpeechPlatform, 0);
    });
    QString text;
    for (int i = 0; i < 50; ++i)
        text += QStringLiteral("Many small words follow here. ");
    ASSERT_EQ(speak(voice, text), 0);
    ASSERT_TRUE(host.waitForCalls(3));
    host.pump(500);
    EXPECT_EQ(QVTTSTestHost::words().size(), 3u);
}

TEST(QVTTSEngineTest, UnhookedInitialisationAndTheExportMessage)
{
    QVTTSTestHost host;
    const std::string voice = QVTTSTestHost::voiceContaining(kEnglish);

    // The export message reaches the callback once, after the post, and is
    // passed on to the host.
    ASSERT_EQ(QVPostMessage(host.window(), QVTTS_EXPORT_MESSAGE, 0, -1), 1);
    EXPECT_TRUE(QVTTSTestHost::exports().empty());
    host.pump(100);
    EXPECT_EQ(QVTTSTestHost::exports(), (std::vector<Pair>{{0, -1}}));
    EXPECT_EQ(QVTTSTestHost::hostExportMessages(), 1);

    // Without the hook the host sees bare notifications, no callbacks.
    HWND plain = QVCreateWindow(nullptr);
    QVTTSVoiceEngineType types[QVTTS_ENGINE_SLOTS] = {};
    InitQVTTSEngineReturnValue results[QVTTS_ENGINE_SLOTS] = {};
    UninitQVTTSEngine();
    InitQVTTSEngineEx3(plain, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, types, results);
    EXPECT_EQ(types[21], 3);
    EXPECT_EQ(results[21], 0);
    EXPECT_EQ(QVGetWindowProc(plain), nullptr);
    ASSERT_EQ(speak(voice, QStringLiteral("Quiet words")), 0);
    host.pump(1500);
    EXPECT_TRUE(QVTTSTestHost::words().empty());
    QVDestroyWindow(plain);

    // Ex2 hooks again and fills the caller's arrays.
    UninitQVTTSEngine();
    std::fill(std::begin(results), std::end(results), InitQVTTSEngineReturnValue(1));
    InitQVTTSEngineEx2(host.window(), nullptr, nullptr, types, results);
    EXPECT_EQ(results[0], 9);
    EXPECT_EQ(results[21], 0);
    ASSERT_EQ(speak(voice, QStringLiteral("Loud words")), 0);
    ASSERT_TRUE(host.waitForEnds(1));
    // Hooking the same window twice must not make the hook call itself.
    InitQVTTSEngineEx(host.window(), nullptr, nullptr);
    QVTTSTestHost::words().clear();
    ASSERT_EQ(speak(voice, QStringLiteral("Again")), 0);
    ASSERT_TRUE(host.waitForEnds(1));
    EXPECT_EQ(QVTTSTestHost::words(), (std::vector<Pair>{{0, 4}, {0, -1}}));
}

TEST(QVTTSEngineTest, StopAndUninitialiseDoNotWaitForLongMarkup)
{
    // 2.8 MB of elements opened by the hundred thousand and closed by other
    // names, around one word: reading it must neither take long nor keep a
    // stop, the next text or the engine's end waiting.
    QVTTSTestHost host;
    const std::string voice = QVTTSTestHost::voiceContaining(kEnglish);
    QString hostile;
    hostile.reserve(2800000);
    for (int i = 0; i < 200000; ++i)
        hostile += QStringLiteral("<rate>");
    hostile += QStringLiteral("word");
    for (int i = 0; i < 200000; ++i)
        hostile += QStringLiteral("</pitch>");
    using Clock = std::chrono::steady_clock;
    auto millisecondsSince = [](Clock::time_point start) {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    };

    ASSERT_EQ(speak(voice, hostile, -1, QVTTSTextXml), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    auto start = Clock::now();
    ASSERT_EQ(QVTTSStop(QVTTSEngineSpeechPlatform, 0), 0);
    const QString fresh = QStringLiteral("Fresh words");
    ASSERT_EQ(speak(voice, fresh), 0);
    ASSERT_TRUE(host.waitForEnds(1, 10000));
    const auto nextText = millisecondsSince(start);
    EXPECT_EQ(QVTTSTestHost::spokenWords(), QVTTSTestHost::wordRanges(fresh));
    EXPECT_LT(nextText, 2000) << "the next text waited for the markup";
    RecordProperty("stopToNextTextEndMs", int(nextText));

    // The whole text read and spoken: its one word.
    QVTTSTestHost::words().clear();
    ASSERT_EQ(speak(voice, hostile, -1, QVTTSTextXml), 0);
    ASSERT_TRUE(host.waitForEnds(1, 10000));
    const int offset = int(hostile.indexOf(QLatin1String("word")));
    EXPECT_EQ(QVTTSTestHost::spokenWords(), (std::vector<Pair>{{offset, offset + 3}}));

    ASSERT_EQ(speak(voice, hostile, -1, QVTTSTextXml), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    start = Clock::now();
    UninitQVTTSEngine();
    const auto uninitialise = millisecondsSince(start);
    EXPECT_LT(uninitialise, 1000);
    RecordProperty("uninitialiseMs", int(uninitialise));
}

TEST(QVTTSEngineTest, UnhookedHostIsToldOnceWhateverItLeavesUnread)
{
    // Without the hook nobody takes the voice's events: the window gets one
    // bare notification, not one for every word of a long text, and the
    // hooked window of a later initialisation is told again.
    static int notifications = 0;
    notifications = 0;
    QVTTSTestHost host;
    const std::string voice = QVTTSTestHost::voiceContaining(kEnglish);
    HWND plain = QVCreateWindow([](HWND, unsigned int msg, WPARAM, LPARAM) -> LRESULT {
        notifications += msg == WM_APP ? 1 : 0;
        return 0;
    });
    UninitQVTTSEngine();
    InitQVTTSEngineEx3(plain, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    QString text;
    for (int i = 0; i < 40; ++i)
        text += QStringLiteral("Nobody takes these words from the voice. ");
    ASSERT_EQ(speak(voice, text), 0);
    host.pump(1500);
    EXPECT_EQ(notifications, 1);
    EXPECT_TRUE(QVTTSTestHost::words().empty());
    UninitQVTTSEngine();
    QVDestroyWindow(plain);

    InitQVTTSEngineEx(host.window(), nullptr, nullptr);
    const QString loud = QStringLiteral("Loud words");
    ASSERT_EQ(speak(voice, loud), 0);
    ASSERT_TRUE(host.waitForEnds(1));
    EXPECT_EQ(QVTTSTestHost::spokenWords(), QVTTSTestHost::wordRanges(loud));
}
