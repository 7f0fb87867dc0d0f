// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The way audio takes from the synthesiser to the outputs that take it as
// fast as it comes: nothing lost or reordered on the way, and events still
// reach the host only once the audio before them has been written.
#include "audioconverter.h"
#include "audioplayer.h"
#include "captureaudiosink.h"
#include "platformaudiooutput.h"
#include "qvmessages.h"
#include "voicetesthelpers.h"

#include <gtest/gtest.h>

#include <sndfile.h>

#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

using namespace qvsp;
using namespace voicetest;

namespace {

std::string wavData(const std::string &path)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        return std::string();
    std::string bytes(size_t(info.frames) * size_t(info.channels) * 2, '\0');
    sf_readf_short(file, reinterpret_cast<short *>(bytes.data()), info.frames);
    sf_close(file);
    return bytes;
}

// Records each event with how much audio the output held when it came.
class Recorder : public EventDelivery
{
public:
    explicit Recorder(const std::shared_ptr<AudioBuffer> &buffer) : m_buffer(buffer) {}

    void deliver(const Event &event, uint64_t) override
    {
        size_t held = 0;
        {
            std::lock_guard<std::mutex> lock(m_buffer->mutex);
            held = m_buffer->bytes.size();
        }
        std::lock_guard<std::mutex> lock(m_mutex);
        m_events.emplace_back(event, held);
    }
    std::vector<std::pair<Event, size_t>> events()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_events;
    }
    bool waitForEnd(uint32_t stream)
    {
        for (int i = 0; i < 500; ++i) {
            for (const auto &e : events()) {
                if (e.first.id == kEventEndInputStream && e.first.streamNumber == stream)
                    return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

private:
    std::shared_ptr<AudioBuffer> m_buffer;
    std::mutex m_mutex;
    std::vector<std::pair<Event, size_t>> m_events;
};

std::string ramp(size_t bytes)
{
    std::string audio(bytes, '\0');
    for (size_t i = 0; i < bytes; ++i)
        audio[i] = char(i * 7 + i / 256);
    return audio;
}

} // namespace

TEST(AudioPathTest, ConverterPassesTheSynthesiserFormatThroughAndConvertsOthers)
{
    const std::vector<int16_t> samples = {0, 1, -1, 32767, -32768, 0x1234};
    StreamFormat native;
    ASSERT_EQ(StreamFormat::fromNumber(22, native), kOk);
    AudioConverter same(22050, native);
    std::string out = "x";
    same.convert(samples.data(), samples.size(), out);
    ASSERT_EQ(out.size(), 1 + samples.size() * 2);
    EXPECT_EQ(out.compare(1, std::string::npos, reinterpret_cast<const char *>(samples.data()),
                          samples.size() * 2),
              0)
        << "appended after what was there, samples unchanged";

    StreamFormat stereo8;
    ASSERT_EQ(StreamFormat::fromNumber(21, stereo8), kOk); // 22050 Hz 8-bit stereo
    AudioConverter narrow(22050, stereo8);
    std::string bytes;
    narrow.convert(samples.data(), samples.size(), bytes);
    const std::string expected = {char(128), char(128), char(128), char(128), char(127),
                                  char(127), char(255), char(255), char(0),   char(0),
                                  char(0x92), char(0x92)};
    EXPECT_EQ(bytes, expected);
}

TEST(AudioPathTest, FastOutputGetsAllAudioAndEventsFollowTheirAudio)
{
    auto output = std::make_shared<PlatformAudioOutput>(PlatformAudioOutput::Memory, "");
    Recorder recorder(output->buffer());
    AudioPlayer player(recorder);
    const StreamFormat format = output->streamFormat();
    // Less than the player waits for before it wakes, then the end: the
    // end alone must bring the audio out.
    player.beginStream(0, 1, output, format);
    const std::string small = ramp(1000);
    Event word;
    word.id = kEventWordBoundary;
    word.streamNumber = 1;
    word.audioStreamOffset = 600;
    player.event(0, word);
    player.audio(0, small);
    player.endStream(0, 1);
    ASSERT_TRUE(recorder.waitForEnd(1));

    // Synthesis that may run only a little ahead: waiting for room must
    // not wait for a player that nobody woke.
    player.beginStream(0, 2, output, format);
    const std::string large = ramp(4410 * 31);
    for (size_t at = 0; at < large.size(); at += 4410) {
        word.streamNumber = 2;
        word.audioStreamOffset = at + 100;
        player.event(0, word);
        player.audio(0, large.substr(at, 4410));
        ASSERT_TRUE(player.waitForRoom(0, 4000));
    }
    player.endStream(0, 2);
    ASSERT_TRUE(recorder.waitForEnd(2));
    const auto events = recorder.events();
    ASSERT_EQ(events.back().first.id, kEventEndInputStream);
    ASSERT_EQ(events.back().first.streamNumber, 2u);

    {
        std::lock_guard<std::mutex> lock(output->buffer()->mutex);
        EXPECT_TRUE(output->buffer()->bytes == small + large);
    }
    size_t base = 0;
    size_t words = 0;
    for (const auto &[event, held] : events) {
        if (event.id == kEventStartInputStream)
            base = held;
        if (event.id != kEventWordBoundary)
            continue;
        ++words;
        EXPECT_GE(held, base + event.audioStreamOffset) << "a word came before its audio";
    }
    EXPECT_EQ(words, 1 + large.size() / 4410);
}

TEST(AudioPathTest, CaptureFilesHoldEveryByteInOrder)
{
    TemporaryFolder folder;
    {
        CaptureAudioSink sink(folder.path());
        StreamFormat format;
        ASSERT_TRUE(sink.open(format));
        // Writes of every size around the sink's own blocks, in two files.
        const std::string audio = ramp(700000);
        sink.beginStream(1);
        size_t at = 0;
        for (size_t size : {size_t(10), size_t(4410), size_t(300000), size_t(1), size_t(131072),
                            size_t(4410), size_t(200000)}) {
            sink.write(audio.data() + at, size);
            at += size;
        }
        sink.beginStream(2); // ends the first file
        sink.write(audio.data(), 3);
        sink.endStream();
        const auto files = wavFiles(folder.path());
        ASSERT_EQ(files.size(), 2u);
        // Whole frames only: a write may end inside a frame, the file not.
        EXPECT_TRUE(wavData(files[0]) == audio.substr(0, at / 2 * 2));
        EXPECT_TRUE(wavData(files[1]) == audio.substr(0, 2));
    }

    // A long text through a voice: the file holds all the audio the end
    // event counts.
    std::u16string text;
    for (int i = 0; i < 40; ++i)
        text += u"The capture file keeps every sample of this sentence in order. ";
    TemporaryFolder voiceFolder;
    auto voice = makeVoice("capture:" + voiceFolder.path());
    ASSERT_TRUE(voice);
    const auto events = speakAndCollect(*voice, text, kSpeakIsNotXml);
    ASSERT_FALSE(events.empty());
    const auto files = wavFiles(voiceFolder.path());
    ASSERT_EQ(files.size(), 1u);
    const std::string written = wavData(files[0]);
    EXPECT_GT(written.size(), size_t(44100) * 20);
    EXPECT_EQ(events.back().id, kEventEndInputStream);
    EXPECT_EQ(events.back().audioStreamOffset, written.size());
}

TEST(AudioPathTest, HostThatDrainsOnEachMessageGetsEveryEventWithFewMessages)
{
    static Voice *speaking = nullptr;
    static std::vector<Event> taken;
    static int messages = 0;
    taken.clear();
    messages = 0;
    HWND window = QVCreateWindow([](HWND, unsigned int msg, WPARAM, LPARAM) -> LRESULT {
        if (msg == WM_APP && speaking) {
            ++messages;
            for (const Event &event : drain(*speaking))
                taken.push_back(event);
        }
        return 0;
    });
    auto voice = makeVoice("fast-null");
    ASSERT_TRUE(voice);
    speaking = voice.get();
    ASSERT_EQ(voice->setNotifyWindowMessage(window, WM_APP, 0, 0), kOk);
    std::u16string text;
    for (int i = 0; i < 30; ++i)
        text += u"Every word of this text reaches the host. ";
    ASSERT_EQ(voice->speak(text, kSpeakAsync | kSpeakIsNotXml, nullptr), kOk);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while ((taken.empty() || taken.back().id != kEventEndInputStream) &&
           std::chrono::steady_clock::now() < deadline)
        QVWaitAndDispatchMessages(100);
    speaking = nullptr;
    QVDestroyWindow(window);

    const auto words = spokenWords(text, taken);
    ASSERT_EQ(words.size(), 240u);
    EXPECT_EQ(words.front(), u"Every");
    EXPECT_EQ(words.back(), u"host");
    ASSERT_FALSE(taken.empty());
    EXPECT_EQ(taken.back().id, kEventEndInputStream) << "the end comes last";
    EXPECT_LT(messages, int(taken.size()) / 2) << "events due together share a message";
}
