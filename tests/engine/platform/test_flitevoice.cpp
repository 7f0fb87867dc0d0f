// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The Flite voices through the voice object: real synthesis on the fast,
// null, memory and capture outputs.
#include "voicecatalogue.h"
#include "voicetesthelpers.h"

#include <gtest/gtest.h>

#include <sndfile.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

using namespace qvsp;
using namespace voicetest;

namespace {

constexpr uint32_t kPlain = kSpeakAsync | kSpeakIsNotXml;
constexpr uint32_t kXml = kSpeakAsync | kSpeakIsXml;
const std::u16string kSlt = u"Flite English (America) SLT, female";
const std::u16string kKal = u"Flite English (America) KAL, male, 8 kHz";

using Words = std::vector<std::u16string>;

// Word events in the order of the text, none overlapping the one before.
void expectInTextOrder(const std::vector<Event> &events)
{
    int64_t end = 0;
    for (const Event &e : events) {
        if (e.id != kEventWordBoundary)
            continue;
        EXPECT_GE(e.lParam, end) << "word at " << e.lParam;
        end = e.lParam + int64_t(e.wParam);
    }
}

std::vector<int16_t> samplesOf(const std::string &audio)
{
    std::vector<int16_t> samples(audio.size() / 2);
    std::copy_n(audio.data(), samples.size() * 2, reinterpret_cast<char *>(samples.data()));
    return samples;
}

// Speaks into a memory output at 22050 Hz 16-bit mono; its samples.
std::vector<int16_t> speakToMemory(Voice &voice, const std::u16string &text, uint32_t flags)
{
    HResult hr = kFail;
    const auto memory = createMemoryAudioOutput(&hr);
    if (!memory || voice.setOutput(memory, false) != kOk)
        return {};
    speakAndCollect(voice, text, flags);
    voice.setOutput(nullptr, false);
    return samplesOf(memory->takeAudio());
}

int peakOf(const std::vector<int16_t> &samples)
{
    int peak = 0;
    for (int16_t s : samples)
        peak = std::max(peak, std::abs(int(s)));
    return peak;
}

// The median fundamental frequency of the voiced 40 ms frames, by
// normalised autocorrelation between 60 and 400 Hz.
double medianPitch(const std::vector<int16_t> &samples, int rate = 22050)
{
    const size_t frame = size_t(rate) / 25;
    const int minLag = rate / 400;
    const int maxLag = rate / 60;
    std::vector<double> pitches;
    for (size_t at = 0; at + frame + size_t(maxLag) < samples.size(); at += frame) {
        double energy = 0;
        for (size_t i = 0; i < frame; ++i)
            energy += double(samples[at + i]) * samples[at + i];
        if (energy / double(frame) < 1e6) // quiet or unvoiced
            continue;
        double best = 0;
        int bestLag = 0;
        for (int lag = minLag; lag <= maxLag; ++lag) {
            double sum = 0;
            double norm = 0;
            for (size_t i = 0; i < frame; ++i) {
                sum += double(samples[at + i]) * samples[at + i + size_t(lag)];
                norm += double(samples[at + i + size_t(lag)]) * samples[at + i + size_t(lag)];
            }
            const double score = sum / std::sqrt(energy * norm + 1);
            if (score > best) {
                best = score;
                bestLag = lag;
            }
        }
        if (best > 0.6)
            pitches.push_back(double(rate) / bestLag);
    }
    if (pitches.empty())
        return 0;
    std::nth_element(pitches.begin(), pitches.begin() + long(pitches.size() / 2), pitches.end());
    return pitches[pitches.size() / 2];
}

TEST(FliteVoiceTest, VoicesJoinTheCatalogueBestFirstForEnglishUsers)
{
    std::vector<VoiceTokenPtr> tokens;
    ASSERT_EQ(enumerateVoiceTokens(tokens), kOk);
    for (const char16_t *name :
         {u"Flite English (America) SLT, female", u"Flite English (America) RMS, male",
          u"Flite English (America) AWB, male, Scottish accent",
          u"Flite English (America) KAL, male", u"Flite English (America) KAL, male, 8 kHz"}) {
        const VoiceTokenPtr token = tokenNamed(name);
        ASSERT_TRUE(token);
        std::u16string value;
        EXPECT_EQ(token->getStringValue(u"409", value), kOk);
        EXPECT_EQ(value, name);
        EXPECT_EQ(token->getStringValue(u"Vendor", value), kOk);
        EXPECT_EQ(value, u"Flite");
    }

    // An American English user starts with Flite's best voice; a German one
    // with the German voice, the English ones among the rest by name.
    std::vector<VoiceCatalogue::TokenPtr> list = VoiceCatalogue::all();
    VoiceCatalogue::order(list, 0x0409);
    EXPECT_EQ(list.front()->description(), "Flite English (America) SLT, female");
    auto at = [&](const std::string &name) {
        return std::find_if(list.begin(), list.end(),
                            [&](const auto &t) { return t->description() == name; }) -
               list.begin();
    };
    EXPECT_LT(at("Flite English (America) KAL, male, 8 kHz"), at("espeak-ng English (America)"));
    EXPECT_LT(at("espeak-ng English (Great Britain)"), at("espeak-ng Afrikaans"));
    VoiceCatalogue::order(list, 0x0407);
    EXPECT_EQ(list.front()->description(), "espeak-ng German");
    EXPECT_TRUE(std::is_sorted(list.begin() + 1, list.end(), [](const auto &a, const auto &b) {
        return a->description() < b->description();
    })) << "in another language's list, voices stand by name";
    // British English: Britain's own voices, then the best other English.
    VoiceCatalogue::order(list, 0x0809);
    EXPECT_EQ(list.front()->description(), "espeak-ng English (Great Britain)");
    EXPECT_LT(at("espeak-ng English (Received Pronunciation)"),
              at("Flite English (America) SLT, female"));
    EXPECT_LT(at("Flite English (America) KAL, male, 8 kHz"), at("espeak-ng English (America)"));
    EXPECT_EQ(VoiceCatalogue::defaultToken()->description(), "Flite English (America) SLT, female");
}

TEST(FliteVoiceTest, WordEventsCoverEveryWordInOrderWithTheirRanges)
{
    for (const std::u16string &name : {kSlt, kKal}) {
        SCOPED_TRACE(std::string(name.begin(), name.end()));
        auto voice = makeVoice("fast-null", name);
        ASSERT_TRUE(voice);

        const std::u16string plain =
            u"Hello big world. It's 3:30 pm, e-mail foo/bar; the end! Second line\nhere.";
        auto events = speakAndCollect(*voice, plain, kPlain);
        EXPECT_EQ(spokenWords(plain, events),
                  (Words{u"Hello", u"big", u"world", u"It's", u"3:30", u"pm", u"e-mail", u"foo",
                         u"bar", u"the", u"end", u"Second", u"line", u"here"}));
        expectInTextOrder(events);
        ASSERT_GE(events.size(), 2u);
        EXPECT_EQ(events.front().id, kEventStartInputStream);
        EXPECT_EQ(events.back().id, kEventEndInputStream);
        uint64_t offset = 0;
        int sentences = 0;
        for (const Event &e : events) {
            EXPECT_GE(e.audioStreamOffset, offset) << "events follow the audio";
            offset = e.audioStreamOffset;
            sentences += e.id == kEventSentenceBoundary;
        }
        EXPECT_GE(sentences, 3);
        EXPECT_GT(events.back().audioStreamOffset, 2u * 22050 * 2) << "seconds of speech";

        // Letters with accents, typographic quotes and dashes: the words keep
        // their own (UTF-16) places, beyond the supplementary character too.
        const std::u16string accented =
            u"Café naïve \u201Cquoted\u201D \u2014 d\u00E9j\u00E0 vu\u2026 \U0001D11E Zoë’s ok.";
        events = speakAndCollect(*voice, accented, kPlain);
        Words words = spokenWords(accented, events);
        words.erase(std::remove(words.begin(), words.end(), u"\U0001D11E"), words.end());
        EXPECT_EQ(words, (Words{u"Café", u"naïve", u"quoted", u"déjà", u"vu", u"Zoë’s", u"ok"}));
        expectInTextOrder(events);

        // Markup: positions count the tags and references as handed over.
        const std::u16string xml =
            u"<speak>Caf&#233; &amp; <emph>cr&#xE8;me</emph> <pitch middle='2'>rises"
            u"</pitch><silence msec='200'/> <rate speed='-3'>slowly</rate> now.</speak>";
        events = speakAndCollect(*voice, xml, kXml);
        EXPECT_EQ(spokenWords(xml, events),
                  (Words{u"Caf&#233;", u"&amp;", u"cr&#xE8;me", u"rises", u"slowly", u"now"}));
        expectInTextOrder(events);
    }
}

TEST(FliteVoiceTest, MarkupSwitchesSynthesisersMidText)
{
    // The Flite section alone, then inside an espeak-ng text: its audio
    // turns up in the mixed text's audio sample for sample.
    TemporaryFolder alone;
    TemporaryFolder mixed;
    ASSERT_FALSE(alone.path().empty());
    const std::u16string section = u"Spoken by another synthesiser.";
    {
        // The diphone voice: the statistical ones excite their unvoiced
        // sounds with noise, so no two of their renderings are alike.
        auto voice = makeVoice("capture:" + alone.path(), kKal);
        ASSERT_TRUE(voice);
        ASSERT_FALSE(speakAndCollect(*voice, u"<speak>" + section + u"</speak>", kXml).empty());
    }
    const std::u16string text = u"<speak>Before it. <voice required=\"Name=Flite English (America) "
                                u"KAL, male, 8 kHz\">" +
                                section +
                                u"</voice> After it, <voice required='Name=espeak-ng "
                                u"German'>Guten Tag</voice> and back.</speak>";
    std::vector<Event> events;
    {
        auto voice = makeVoice("capture:" + mixed.path());
        ASSERT_TRUE(voice);
        events = speakAndCollect(*voice, text, kXml);
    }
    EXPECT_EQ(spokenWords(text, events),
              (Words{u"Before", u"it", u"Spoken", u"by", u"another", u"synthesiser", u"After",
                     u"it", u"Guten", u"Tag", u"and", u"back"}));
    expectInTextOrder(events);

    auto read = [](const std::string &path, int &rate) {
        SF_INFO info{};
        SNDFILE *file = sf_open(path.c_str(), SFM_READ, &info);
        std::vector<int16_t> samples;
        if (!file)
            return samples;
        samples.resize(size_t(info.frames));
        sf_read_short(file, samples.data(), info.frames);
        sf_close(file);
        rate = info.samplerate;
        return samples;
    };
    const auto aloneFiles = wavFiles(alone.path());
    const auto mixedFiles = wavFiles(mixed.path());
    ASSERT_EQ(aloneFiles.size(), 1u);
    ASSERT_EQ(mixedFiles.size(), 1u);
    int aloneRate = 0;
    int mixedRate = 0;
    const auto flite = read(aloneFiles[0], aloneRate);
    const auto all = read(mixedFiles[0], mixedRate);
    EXPECT_EQ(aloneRate, mixedRate);
    ASSERT_GT(flite.size(), 22050u);
    ASSERT_GT(all.size(), flite.size() * 2);
    // A second from the middle of the section's speech.
    const std::vector<int16_t> probe(flite.begin() + long(flite.size() / 4),
                                     flite.begin() + long(flite.size() / 4) + 22050);
    EXPECT_NE(std::search(all.begin(), all.end(), probe.begin(), probe.end()), all.end())
        << "the section is Flite's speech";
}

TEST(FliteVoiceTest, RatePitchAndVolumeShapeTheAudio)
{
    auto voice = makeVoice("fast-null", kSlt);
    ASSERT_TRUE(voice);
    const std::u16string text = u"One two three four five six seven eight nine ten.";
    const auto normal = speakToMemory(*voice, text, kPlain);
    ASSERT_GT(normal.size(), 22050u);

    ASSERT_EQ(voice->setRate(5), kOk);
    const auto fast = speakToMemory(*voice, text, kPlain);
    ASSERT_EQ(voice->setRate(0), kOk);
    const auto slow = speakToMemory(*voice, u"<rate absspeed='-5'>" + text + u"</rate>", kXml);
    EXPECT_LT(double(fast.size()), normal.size() * 0.75);
    EXPECT_GT(double(slow.size()), normal.size() * 1.4);

    ASSERT_EQ(voice->setVolume(50), kOk);
    const auto quiet = speakToMemory(*voice, text, kPlain);
    ASSERT_EQ(voice->setVolume(100), kOk);
    const auto silent = speakToMemory(*voice, u"<volume level='0'>" + text + u"</volume>", kXml);
    EXPECT_NEAR(double(peakOf(quiet)), peakOf(normal) * 0.5, peakOf(normal) * 0.05);
    EXPECT_EQ(peakOf(silent), 0);
    EXPECT_EQ(silent.size(), normal.size());

    const auto high = speakToMemory(*voice, u"<pitch absmiddle='4'>" + text + u"</pitch>", kXml);
    const auto low = speakToMemory(*voice, u"<pitch absmiddle='-4'>" + text + u"</pitch>", kXml);
    EXPECT_NEAR(double(high.size()), double(normal.size()), normal.size() * 0.02)
        << "pitch leaves the timing alone";
    const double base = medianPitch(normal);
    ASSERT_GT(base, 100.0);
    EXPECT_GT(medianPitch(high), base * 1.3); // four whole tones: 1.59 times
    EXPECT_LT(medianPitch(low), base / 1.3);
}

TEST(FliteVoiceTest, TwoVoicesShareFliteEachWithItsOwnRate)
{
    // Flite keeps rate and pitch on its shared voice objects: two voice
    // objects speaking at once must not take each other's.
    auto fast = makeVoice("fast-null", kSlt);
    auto slow = makeVoice("fast-null", kSlt);
    ASSERT_TRUE(fast && slow);
    ASSERT_EQ(fast->setRate(6), kOk);
    ASSERT_EQ(slow->setRate(-6), kOk);
    HResult hr = kFail;
    const auto fastMemory = createMemoryAudioOutput(&hr);
    const auto slowMemory = createMemoryAudioOutput(&hr);
    ASSERT_EQ(fast->setOutput(fastMemory, false), kOk);
    ASSERT_EQ(slow->setOutput(slowMemory, false), kOk);
    std::u16string text;
    for (int i = 0; i < 6; ++i)
        text += u"Both voices read this sentence at the same time. ";
    ASSERT_EQ(fast->speak(text, kPlain, nullptr), kOk);
    ASSERT_EQ(slow->speak(text, kPlain, nullptr), kOk);
    ASSERT_EQ(fast->waitUntilDone(60000), kOk);
    ASSERT_EQ(slow->waitUntilDone(60000), kOk);
    const size_t fastBytes = fastMemory->takeAudio().size();
    const size_t slowBytes = slowMemory->takeAudio().size();
    // Six whole tones either way: 2 times faster and slower than normal.
    EXPECT_GT(double(slowBytes), 3.0 * double(fastBytes));
    EXPECT_EQ(spokenWords(text, drain(*fast)).size(), 54u);
    EXPECT_EQ(spokenWords(text, drain(*slow)).size(), 54u);
}

TEST(FliteVoiceTest, PauseHoldsSpeechAndAStopEndsItAtOnce)
{
    auto voice = makeVoice("null", kKal); // real-time speed
    ASSERT_TRUE(voice);
    std::u16string text;
    for (int i = 0; i < 20; ++i)
        text += u"This sentence is spoken in real time by the diphone voice. ";
    ASSERT_EQ(voice->speak(text, kPlain, nullptr), kOk);
    std::vector<Event> events;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::count_if(events.begin(), events.end(),
                         [](const Event &e) { return e.id == kEventWordBoundary; }) < 2 &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        for (const Event &e : drain(*voice))
            events.push_back(e);
    }
    ASSERT_EQ(voice->pause(), kOk);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    drain(*voice); // what fell due before the pause took hold
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    EXPECT_TRUE(drain(*voice).empty()) << "a paused voice reports nothing";
    ASSERT_EQ(voice->resume(), kOk);
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    EXPECT_FALSE(drain(*voice).empty()) << "words go on after resume";

    const auto stop = std::chrono::steady_clock::now();
    ASSERT_EQ(voice->speak(u"", kSpeakAsync | kSpeakPurgeBeforeSpeak, nullptr), kOk);
    ASSERT_EQ(voice->waitUntilDone(5000), kOk);
    EXPECT_LT(std::chrono::steady_clock::now() - stop, std::chrono::milliseconds(500));
}

TEST(FliteVoiceTest, UserLexiconPronouncesEnglishWordsWithFlite)
{
    auto voice = makeVoice("fast-null", kKal); // renders the same phones alike every time
    ASSERT_TRUE(voice);
    const auto kitten = speakToMemory(*voice, u"kitten", kPlain);
    const auto mitten = speakToMemory(*voice, u"mitten", kPlain);
    ASSERT_NE(kitten, mitten);

    LexiconPtr lexicon;
    ASSERT_EQ(createLexicon(lexicon), kOk);
    PhoneConverterPtr converter;
    ASSERT_EQ(createPhoneConverter(0x0409, converter), kOk);
    std::vector<uint16_t> ids;
    ASSERT_EQ(converter->phoneToId("m ih 1 t ax n", ids), kOk);
    ASSERT_EQ(lexicon->addPronunciation(u"Kitten", 0x0409, 0, ids), kOk);
    // Spoken as "mitten" now, whatever the letter case, with its place kept.
    EXPECT_EQ(speakToMemory(*voice, u"KITTEN", kPlain), mitten);
    const std::u16string text = u"A kitten, not a cat.";
    EXPECT_EQ(spokenWords(text, speakAndCollect(*voice, text, kPlain)),
              (Words{u"A", u"kitten", u"not", u"a", u"cat"}));
    ASSERT_EQ(lexicon->removePronunciation(u"Kitten", 0x0409, 0, ids), kOk);
    EXPECT_EQ(speakToMemory(*voice, u"kitten", kPlain), kitten);

    // A pronunciation in the markup is Flite's too: the same audio as the
    // word it sounds like, cut out of its text by markup the same way.
    const std::u16string pron = u"<speak><pron sym='m ih 1 t ax n'>kitten</pron></speak>";
    EXPECT_EQ(speakToMemory(*voice, pron, kXml),
              speakToMemory(*voice, u"<speak><emph></emph>mitten<emph></emph></speak>", kXml));
    EXPECT_EQ(spokenWords(pron, speakAndCollect(*voice, pron, kXml)), (Words{u"kitten"}));
}

} // namespace
