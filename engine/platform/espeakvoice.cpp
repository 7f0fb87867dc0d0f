// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "espeakvoice.h"

#include "audioconverter.h"
#include "espeakengine.h"
#include "fliteengine.h"
#include "flitevoicetoken.h"
#include "platformmemoryaudiooutput.h"
#include "speechtextreader.h"
#include "textcodec.h"
#include "userlexicon.h"
#include "voicecatalogue.h"
#include "wordlocator.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cwchar>
#include <functional>

namespace qvsp {

namespace {

constexpr double kWholeTone = 1.1224620483;

// Synthesis starts a piece only while less than this is waiting to be
// heard; more would only cost memory (a long text is hours of audio).
constexpr double kAheadSeconds = 2.0;

// Events queued without the host taking any before its window is told
// again (and found gone, if it is).
constexpr uint32_t kRenotifyEvents = 1024;

// Samples louder than this are speech; the quiet after the last of them in
// a piece is its closing pause.
constexpr int16_t kVoicedLevel = 200;

bool looksLikeXml(const std::u16string &text)
{
    for (char16_t c : text) {
        if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n')
            continue;
        return c == u'<';
    }
    return false;
}

uint64_t bookmarkNumber(const std::u16string &name)
{
    // As wcstol would read it: optional blanks and sign, then digits.
    size_t i = 0;
    while (i < name.size() && (name[i] == u' ' || name[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < name.size() && (name[i] == u'-' || name[i] == u'+'))
        negative = name[i++] == u'-';
    int64_t value = 0;
    for (; i < name.size() && name[i] >= u'0' && name[i] <= u'9' && value < (int64_t(1) << 40); ++i)
        value = value * 10 + (name[i] - u'0');
    return uint64_t(negative ? -value : value);
}

} // namespace

// What one utterance's synthesis needs while espeak-ng calls back.
class EspeakVoice::Synthesis : public SynthConsumer
{
public:
    Synthesis(EspeakVoice &voice, const Utterance &utterance, AudioConverter &converter,
              uint64_t aheadBytes)
        : m_voice(voice), m_utterance(utterance), m_converter(converter), m_aheadBytes(aheadBytes)
    {
    }

    void startPiece(const SpeechPiece *piece, WordLocator *locator)
    {
        m_piece = piece;
        m_locator = locator;
        m_pieceBase = m_inputSamples;
        m_lastWordSample = 0;
        m_lastVoicedSample = 0;
        m_lastQueuedSample = 0;
        m_sentence = {};
        m_givenWay = false;
    }

    // Words of the piece that the synthesiser never named (the end of a
    // phrase it speaks as one, "it is" in "Yes it is.") share the audio
    // from the last named word to the end of the piece's speech.
    void finishPiece()
    {
        if (!m_locator || !m_piece || m_piece->phonemes || cancelled())
            return;
        const bool named = m_locator->anyWordNamed();
        const auto rest = m_locator->remainingWords();
        const int64_t end = std::max(m_lastVoicedSample, m_lastWordSample);
        const int64_t span = end - m_lastWordSample;
        // A named word owns the start of the stretch; without one, the
        // first word starts it.
        const int64_t shares = int64_t(rest.size()) + (named ? 1 : 0);
        for (size_t k = 0; k < rest.size(); ++k) {
            const int64_t share = int64_t(k) + (named ? 1 : 0);
            queueSkippedWord(rest[k], m_lastWordSample + span * share / shares);
        }
        queueSentence();
    }

    void samples(const int16_t *data, int count) override
    {
        // Where the piece's speech ends, before its closing pause.
        for (int i = count; i-- > 0;) {
            if (data[i] > kVoicedLevel || data[i] < -kVoicedLevel) {
                m_lastVoicedSample = int64_t(m_inputSamples - m_pieceBase) + i + 1;
                break;
            }
        }
        std::string bytes;
        m_converter.convert(data, size_t(count), bytes);
        m_voice.m_player.audio(m_utterance.generation, std::move(bytes));
        m_inputSamples += uint64_t(count);
        waitForPlayback();
    }

    // Synthesis keeps only a little ahead of playback inside a piece too: a
    // paused voice would otherwise hold a whole piece's audio (minutes of a
    // spelled text). The synthesiser stays busy while this waits, so the
    // wait ends as soon as another voice is queued for it: this piece then
    // runs to its end and frees the synthesiser.
    void waitForPlayback()
    {
        EspeakEngine &engine = EspeakEngine::instance();
        while (!m_givenWay) {
            const AudioPlayer::Room room = m_voice.m_player.waitForRoom(
                m_utterance.generation, m_aheadBytes, std::chrono::milliseconds(50));
            if (room != AudioPlayer::Room::TimedOut)
                return;
            m_givenWay = engine.othersWaiting();
        }
    }

    void word(int position, int, int64_t sample) override
    {
        uint32_t start = 0;
        uint32_t length = 0;
        if (!m_locator)
            return;
        const bool named = m_locator->anyWordNamed();
        if (!m_locator->locate(position, start, length))
            return;
        // Words spoken within the previous named word's stretch of audio
        // share it out evenly, so each still lights up in turn; words the
        // piece opens with share the audio before its first named word.
        const auto &skipped = m_locator->skippedWords();
        const int64_t span = std::max<int64_t>(0, sample - m_lastWordSample);
        const int64_t shares = int64_t(skipped.size()) + (named ? 1 : 0);
        for (size_t k = 0; k < skipped.size(); ++k) {
            const int64_t share = int64_t(k) + (named ? 1 : 0);
            queueSkippedWord(skipped[k], m_lastWordSample + span * share / shares);
        }
        queueSentence();
        queueRangeEvent(kEventWordBoundary, start, length, sample);
        m_lastWordSample = sample;
    }

    // A sentence's event waits for its first named word: the words the
    // synthesiser passed over before that belong to the sentence before,
    // and are reported ahead of it.
    void sentence(int position, int64_t sample) override
    {
        uint32_t start = 0;
        uint32_t length = 0;
        if (m_locator && m_locator->locateSentence(position, start, length)) {
            queueSentence();
            m_sentence = {true, start, length, sample};
        }
    }

    void queueSkippedWord(const std::pair<uint32_t, uint32_t> &word, int64_t sample)
    {
        if (m_sentence.waiting && word.first >= m_sentence.start)
            queueSentence();
        queueRangeEvent(kEventWordBoundary, word.first, word.second, sample);
    }

    void queueSentence()
    {
        if (!m_sentence.waiting)
            return;
        m_sentence.waiting = false;
        queueRangeEvent(kEventSentenceBoundary, m_sentence.start, m_sentence.length,
                        m_sentence.sample);
    }

    bool cancelled() override { return m_voice.cancelled(m_utterance.generation); }

    // A word or sentence of the original text, due when the audio up to
    // sample (of the current piece) has played.
    void queueRangeEvent(int id, uint32_t start, uint32_t length, int64_t sample)
    {
        // Events that the synthesiser names late keep the order of the text.
        sample = std::max(sample, m_lastQueuedSample);
        m_lastQueuedSample = sample;
        Event event;
        event.id = id;
        event.streamNumber = m_utterance.stream;
        event.audioStreamOffset =
            m_converter.outputByteOffset(m_pieceBase + uint64_t(std::max<int64_t>(0, sample)));
        event.lParam = start;
        event.wParam = length;
        m_voice.m_player.event(m_utterance.generation, event);
    }

    void silence(int ms)
    {
        const int rate = EspeakEngine::instance().sampleRate();
        int64_t remaining = int64_t(ms) * rate / 1000;
        const std::vector<int16_t> zeros(size_t(rate / 10), 0);
        while (remaining > 0 && !cancelled()) {
            const int n = int(std::min<int64_t>(remaining, int64_t(zeros.size())));
            samples(zeros.data(), n);
            remaining -= n;
        }
    }

    void bookmark(const std::u16string &name)
    {
        Event event;
        event.id = kEventBookmark;
        event.streamNumber = m_utterance.stream;
        event.audioStreamOffset = m_converter.outputByteOffset(m_inputSamples);
        event.wParam = bookmarkNumber(name);
        event.bookmark = name;
        m_voice.m_player.event(m_utterance.generation, event);
    }

private:
    EspeakVoice &m_voice;
    const Utterance &m_utterance;
    AudioConverter &m_converter;
    const SpeechPiece *m_piece = nullptr;
    WordLocator *m_locator = nullptr;
    uint64_t m_inputSamples = 0;
    uint64_t m_pieceBase = 0;
    int64_t m_lastWordSample = 0;   // within the current piece
    int64_t m_lastVoicedSample = 0; // within the current piece
    int64_t m_lastQueuedSample = 0; // within the current piece
    struct
    {
        bool waiting = false;
        uint32_t start = 0;
        uint32_t length = 0;
        int64_t sample = 0;
    } m_sentence;
    uint64_t m_aheadBytes = 0;
    bool m_givenWay = false; // another voice waits: this piece runs to its end
};

EspeakVoice::EspeakVoice()
    : m_token(VoiceCatalogue::defaultToken()), m_output(PlatformAudioOutput::fromEnvironment()),
      m_player(*this)
{
    m_thread = std::thread([this] { runSynthesis(); });
}

EspeakVoice::~EspeakVoice()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
        ++m_generation;
        m_pending.clear();
    }
    m_player.purge(m_generation);
    m_cv.notify_all();
    m_thread.join();
}

int EspeakVoice::wordsPerMinute(int rate)
{
    return int(std::lround(175.0 * std::pow(kWholeTone, std::clamp(rate, -10, 10))));
}

int EspeakVoice::espeakPitch(int tones)
{
    // espeak-ng's pitch scale spans an octave down and an octave up (0 is
    // half, 100 double the normal 50), so a whole tone, a sixth of an
    // octave, is 50/6 steps; beyond six tones the scale saturates.
    return std::clamp(int(std::lround(50.0 + std::clamp(tones, -10, 10) * 50.0 / 6.0)), 0, 100);
}

HResult EspeakVoice::setNotifyWindowMessage(HWND window, unsigned int msg, WPARAM wParam,
                                            LPARAM lParam)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_window = window;
    m_message = msg;
    m_wParam = wParam;
    m_lParam = lParam;
    m_notifyPending = false;
    m_windowGone = false;
    m_queuedSincePost = 0;
    return kOk;
}

HResult EspeakVoice::setInterest(uint64_t interest, uint64_t queued)
{
    if ((queued & ~interest) != 0)
        return kInvalidArg; // only wanted events can be queued
    std::lock_guard<std::mutex> lock(m_mutex);
    m_interest = interest;
    m_queuedInterest = queued;
    return kOk;
}

HResult EspeakVoice::getVoice(VoiceTokenPtr &token)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_token)
        return kFail;
    token = m_token;
    return kOk;
}

HResult EspeakVoice::setVoice(const VoiceTokenPtr &token)
{
    std::shared_ptr<SynthVoiceToken> chosen;
    if (token) {
        chosen = std::dynamic_pointer_cast<SynthVoiceToken>(token);
        if (!chosen)
            return kInvalidArg;
    } else {
        chosen = VoiceCatalogue::defaultToken();
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_token = chosen;
    return kOk;
}

HResult EspeakVoice::setRate(long rate)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_rate = std::clamp(rate, -10L, 10L);
    return kOk;
}

HResult EspeakVoice::getRate(long &rate)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    rate = m_rate;
    return kOk;
}

HResult EspeakVoice::setVolume(unsigned short volume)
{
    if (volume > 100)
        return kInvalidArg;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_volume = volume;
    return kOk;
}

HResult EspeakVoice::getVolume(unsigned short &volume)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    volume = m_volume;
    return kOk;
}

HResult EspeakVoice::setOutput(const AudioOutputPtr &output, bool)
{
    std::shared_ptr<PlatformAudioOutput> chosen;
    if (output) {
        chosen = std::dynamic_pointer_cast<PlatformAudioOutput>(output);
        if (const auto memory = std::dynamic_pointer_cast<PlatformMemoryAudioOutput>(output))
            chosen = memory->inner();
        if (!chosen)
            return kInvalidArg;
    } else {
        chosen = PlatformAudioOutput::fromEnvironment();
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_output = chosen;
    return kOk;
}

HResult EspeakVoice::speak(std::u16string text, uint32_t flags, uint32_t *streamNumber)
{
    if ((flags & ~kSpeakValidFlags) != 0 || ((flags & kSpeakIsXml) && (flags & kSpeakIsNotXml)))
        return kInvalidFlags;
    if (!EspeakEngine::instance().isAvailable())
        return kFail;
    const bool xml = (flags & kSpeakIsXml)      ? true
                     : (flags & kSpeakIsNotXml) ? false
                                                : looksLikeXml(text);
    uint32_t stream = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (flags & kSpeakPurgeBeforeSpeak) {
            const uint64_t generation = ++m_generation;
            m_pending.clear();
            // Events of dropped texts that the host has not fetched yet
            // go as well; those of texts that had finished stay.
            m_events.erase(
                std::remove_if(m_events.begin(), m_events.end(),
                               [&](const Event &e) { return e.streamNumber > m_lastFinished; }),
                m_events.end());
            m_lastFinished = m_lastQueued;
            m_player.purge(generation);
            m_cv.notify_all();
            if (text.empty()) {
                if (streamNumber)
                    *streamNumber = m_lastQueued;
                return kOk;
            }
        }
        Utterance utterance;
        utterance.stream = stream = ++m_lastQueued;
        utterance.generation = m_generation;
        utterance.text = std::move(text);
        utterance.xml = xml;
        utterance.speakPunctuation = (flags & kSpeakNlpSpeakPunc) != 0;
        utterance.token = m_token;
        utterance.rate = m_rate;
        utterance.volume = m_volume;
        utterance.output = m_output;
        utterance.format = m_output->streamFormat();
        m_pending.push_back(std::move(utterance));
        m_everSpoken = true;
    }
    m_cv.notify_all();
    if (streamNumber)
        *streamNumber = stream;
    if (!(flags & kSpeakAsync)) {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_cv.wait(lock, [&] { return m_lastFinished >= stream || m_stop; });
    }
    return kOk;
}

HResult EspeakVoice::pause()
{
    m_player.pause();
    return kOk;
}

HResult EspeakVoice::resume()
{
    m_player.resume();
    return kOk;
}

HResult EspeakVoice::getStatus(VoiceStatus &status)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    status = m_status;
    status.lastStreamQueued = m_lastQueued;
    if (m_lastFinished < m_lastQueued)
        status.runningState = VoiceStatus::Speaking;
    else
        status.runningState = m_everSpoken ? VoiceStatus::Done : VoiceStatus::Idle;
    return kOk;
}

HResult EspeakVoice::getEvents(uint32_t count, Event *events, uint32_t *fetched)
{
    if (count > 0 && !events)
        return kPointer;
    if (!fetched && count != 1)
        return kPointer;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_notifyPending = false; // the host listens: new events get a message again
    m_queuedSincePost = 0;
    uint32_t taken = 0;
    while (taken < count && !m_events.empty()) {
        events[taken++] = std::move(m_events.front());
        m_events.pop_front();
    }
    if (fetched)
        *fetched = taken;
    return taken == count ? kOk : kFalse;
}

HResult EspeakVoice::waitUntilDone(uint32_t timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    const bool done = m_cv.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                    [&] { return m_lastFinished >= m_lastQueued; });
    return done ? kOk : kFalse;
}

void EspeakVoice::deliver(const Event &event, uint64_t generation)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (generation != m_generation)
            return;
        switch (event.id) {
        case kEventStartInputStream:
            m_status.currentStream = event.streamNumber;
            m_status.inputWordPos = 0;
            m_status.inputWordLen = 0;
            m_status.inputSentPos = 0;
            m_status.inputSentLen = 0;
            break;
        case kEventWordBoundary:
            m_status.inputWordPos = uint32_t(event.lParam);
            m_status.inputWordLen = uint32_t(event.wParam);
            break;
        case kEventSentenceBoundary:
            m_status.inputSentPos = uint32_t(event.lParam);
            m_status.inputSentLen = uint32_t(event.wParam);
            break;
        default:
            break;
        }
        if (m_interest & eventBit(event.id)) {
            if ((m_queuedInterest & eventBit(event.id)) && !m_windowGone) {
                if (m_events.size() >= kMaxQueuedEvents) {
                    // Nobody takes them: the oldest go, but a host that
                    // comes back still learns where its texts ended.
                    const auto old =
                        std::find_if(m_events.begin(), m_events.end(),
                                     [](const Event &e) { return e.id != kEventEndInputStream; });
                    m_events.erase(old == m_events.end() ? m_events.begin() : old);
                }
                m_events.push_back(event);
                ++m_queuedSincePost;
            }
            m_announce = true;
        }
        if (event.id == kEventEndInputStream)
            m_lastFinished = std::max(m_lastFinished, event.streamNumber);
    }
    if (event.id == kEventEndInputStream)
        m_cv.notify_all();
}

void EspeakVoice::deliveredAll()
{
    // Hosts take every waiting event on one message: events that fell due
    // together share it, rather than waking the host once per word.
    HWND window = nullptr;
    unsigned int message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_announce)
            return;
        m_announce = false;
        // One message waits unanswered already: a host that does not take
        // events (an unhooked window) gets no flood of messages. Once many
        // events wait all the same, the window is told again, which also
        // finds out whether it is still there.
        if ((m_notifyPending && m_queuedSincePost < kRenotifyEvents) || !m_window || m_windowGone)
            return;
        m_notifyPending = true;
        m_queuedSincePost = 0;
        window = m_window;
        message = m_message;
        wParam = m_wParam;
        lParam = m_lParam;
    }
    if (!QVPostMessage(window, message, wParam, lParam)) {
        // The window is gone, and with it whoever took the events.
        std::lock_guard<std::mutex> lock(m_mutex);
        if (window == m_window) {
            m_windowGone = true;
            m_notifyPending = false;
            m_events.clear();
        }
    }
}

bool EspeakVoice::cancelled(uint64_t generation) const
{
    return generation != m_generation;
}

void EspeakVoice::runSynthesis()
{
    for (;;) {
        Utterance utterance;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_cv.wait(lock, [&] { return m_stop || !m_pending.empty(); });
            if (m_stop)
                return;
            utterance = std::move(m_pending.front());
            m_pending.pop_front();
        }
        synthesize(utterance);
    }
}

void EspeakVoice::synthesize(const Utterance &utterance)
{
    EspeakEngine &engine = EspeakEngine::instance();
    const uint64_t generation = utterance.generation;
    m_player.beginStream(generation, utterance.stream, utterance.output, utterance.format);
    AudioConverter converter(engine.sampleRate(), utterance.format);
    const uint64_t ahead = uint64_t(kAheadSeconds * utterance.format.bytesPerSecond());
    Synthesis synthesis(*this, utterance, converter, ahead);

    SpeechTextReader reader(utterance.text, utterance.xml);
    if (utterance.token)
        reader.setLanguage(utterance.token->languageId());
    // A stop or the voice's end must not wait for a long stretch of markup
    // to be read.
    const std::function<bool()> readingCancelled = [&] { return cancelled(generation); };
    reader.setCancelCheck(&readingCancelled);
    SpeechPiece piece;
    bool firstPiece = true;
    while (!cancelled(generation) && reader.next(piece)) {
        if (!m_player.waitForRoom(generation, ahead))
            return;
        switch (piece.kind) {
        case SpeechPiece::Silence:
            synthesis.silence(piece.silenceMs);
            break;
        case SpeechPiece::Bookmark:
            synthesis.bookmark(piece.bookmark);
            break;
        case SpeechPiece::Text: {
            const ProsodyState &state = piece.state;
            const auto chosen = state.voice ? state.voice : utterance.token;
            const auto flite = std::dynamic_pointer_cast<FliteVoiceToken>(chosen);
            // Flite reads no punctuation marks out, and phonemes only in
            // American English phones: such a piece is spoken by
            // espeak-ng's voice of the same language.
            if (flite && !utterance.speakPunctuation && FliteEngine::canSpeak(piece)) {
                FliteParams fliteParams;
                fliteParams.rate = int(utterance.rate) + state.rate;
                fliteParams.volume = int(utterance.volume) * state.volume / 100;
                if (state.emphasis)
                    fliteParams.volume = fliteParams.volume * 5 / 4;
                fliteParams.pitch = state.pitch + (state.emphasis ? 1 : 0);
                fliteParams.quickStart = firstPiece;
                firstPiece = false;
                WordLocator locator(piece);
                synthesis.startPiece(&piece, &locator);
                FliteEngine::instance().synthesize(piece, flite->info(), fliteParams, synthesis,
                                                   engine.sampleRate());
                synthesis.finishPiece();
                synthesis.startPiece(nullptr, nullptr);
                break;
            }
            SynthParams params;
            auto token = std::dynamic_pointer_cast<EspeakVoiceToken>(chosen);
            if (!token && chosen) {
                for (const auto &candidate : EspeakVoiceToken::all()) {
                    if (candidate->languageId() == chosen->languageId()) {
                        token = candidate;
                        break;
                    }
                }
            }
            if (token) {
                params.voiceIdentifier = token->info().identifier;
                UserLexicon::apply(piece, token->languageId());
            }
            params.wordsPerMinute = wordsPerMinute(int(utterance.rate) + state.rate);
            int volume = int(utterance.volume) * state.volume / 100;
            if (state.emphasis)
                volume = volume * 5 / 4;
            params.volume = volume;
            params.pitch = espeakPitch(state.pitch + (state.emphasis ? 1 : 0));
            params.speakPunctuation = utterance.speakPunctuation;
            params.phonemeInput = piece.phonemes;
            params.endPause = piece.endsSentence;
            WordLocator locator(piece);
            synthesis.startPiece(&piece, &locator);
            engine.synthesize(piece.utf8(), params, synthesis);
            synthesis.finishPiece();
            synthesis.startPiece(nullptr, nullptr);
            break;
        }
        }
    }
    if (cancelled(generation))
        return;
    std::string tail;
    converter.flush(tail);
    m_player.audio(generation, std::move(tail));
    m_player.endStream(generation, utterance.stream);
}

std::unique_ptr<Voice> createVoice(HResult *hr)
{
    if (!EspeakEngine::instance().isAvailable() || EspeakVoiceToken::all().empty()) {
        if (hr)
            *hr = kFail;
        return nullptr;
    }
    if (hr)
        *hr = kOk;
    return std::make_unique<EspeakVoice>();
}

} // namespace qvsp
