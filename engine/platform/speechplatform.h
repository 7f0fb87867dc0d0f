// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

// The speech-platform layer: the only code that talks to a synthesiser and to
// audio devices. The engine logic (engine/src) sees voices, voice tokens and
// audio outputs only through these classes, shaped after the voice object of
// the platform the engine was first written for, so the logic's result
// mapping stays the same on every back end. This build's back end is
// espeak-ng; nothing outside engine/platform includes its headers.

#include "qvmessages.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace qvsp {

using HResult = int32_t;

// Result codes, with the numeric values the engine logic maps to its results.
constexpr HResult kOk = 0;
constexpr HResult kFalse = 1;
constexpr HResult kFail = static_cast<HResult>(0x80004005u);
constexpr HResult kPointer = static_cast<HResult>(0x80004003u);
constexpr HResult kInvalidArg = static_cast<HResult>(0x80070057u);
constexpr HResult kOutOfMemory = static_cast<HResult>(0x8007000Eu);
constexpr HResult kInvalidFlags = static_cast<HResult>(0x80045004u);
constexpr HResult kDeviceBusy = static_cast<HResult>(0x80045006u);
constexpr HResult kUnsupportedFormat = static_cast<HResult>(0x80045003u);
constexpr HResult kNotFound = static_cast<HResult>(0x8004503Au); // value or token missing

inline bool succeeded(HResult hr)
{
    return hr >= 0;
}

// Events a voice keeps for a host that does not take them.
constexpr size_t kMaxQueuedEvents = 65536;

// Speak flags.
constexpr uint32_t kSpeakAsync = 1;
constexpr uint32_t kSpeakPurgeBeforeSpeak = 2;
constexpr uint32_t kSpeakIsXml = 8;
constexpr uint32_t kSpeakIsNotXml = 16;
constexpr uint32_t kSpeakNlpSpeakPunc = 64;
constexpr uint32_t kSpeakValidFlags = 0x7F; // any other bit is refused with kInvalidFlags

// Event identifiers.
constexpr int kEventStartInputStream = 1;
constexpr int kEventEndInputStream = 2;
constexpr int kEventWordBoundary = 5;
constexpr int kEventBookmark = 4;
constexpr int kEventSentenceBoundary = 7;
constexpr uint64_t eventBit(int id)
{
    return uint64_t(1) << id;
}
constexpr uint64_t kAllTtsEvents = eventBit(1) | eventBit(2) | eventBit(3) | eventBit(4) |
                                   eventBit(5) | eventBit(6) | eventBit(7) | eventBit(8) |
                                   eventBit(9);

// One queued event. wParam/lParam as the platform defines them per event:
// word boundary: lParam = character position, wParam = length (UTF-16 units
// of the text as handed over, markup included; the whole word, punctuation
// around it left out).
// start / end of input stream: wParam = lParam = 0; the end event's
// audioStreamOffset is the size of the text's whole audio in bytes.
// bookmark: bookmark = the mark's name, wParam = its leading number, lParam 0.
// sentence boundary: lParam = position, wParam = length of the sentence
// (up to and with its full stop; markup pieces may cut a sentence).
// Events are queued when the audio they belong to starts playing.
struct Event
{
    int id = 0;
    uint32_t streamNumber = 0;
    uint64_t audioStreamOffset = 0; // bytes of audio before the event
    uint64_t wParam = 0;
    int64_t lParam = 0;
    // Bookmark events: the mark's name (wParam then holds its leading
    // number, as wcstol reads it, and lParam is 0).
    std::u16string bookmark;
};

// What the voice is doing now. The input word is the one whose audio is
// playing (or was last played).
struct VoiceStatus
{
    enum RunningState { Idle = 0, Done = 1, Speaking = 2 };
    int runningState = Idle;
    uint32_t currentStream = 0;
    uint32_t lastStreamQueued = 0;
    uint32_t inputWordPos = 0; // UTF-16 index into the text as handed over
    uint32_t inputWordLen = 0;
    uint32_t inputSentPos = 0;
    uint32_t inputSentLen = 0;
};

// A voice as installed. Values are read by name; an empty name reads the
// default value (the voice's description in the platform's own language).
class VoiceToken
{
public:
    virtual ~VoiceToken() = default;
    // Identifier unique among the installed voices, stable between runs.
    virtual std::string id() const = 0;
    // kOk with the value in out; kNotFound when the token has no such value;
    // another failure code for anything else.
    virtual HResult getStringValue(const std::u16string &name, std::u16string &out) const = 0;
};
using VoiceTokenPtr = std::shared_ptr<VoiceToken>;

// Enumerates every installed voice in a stable order. kOk with the tokens;
// a failure code when the voices cannot be enumerated at all.
HResult enumerateVoiceTokens(std::vector<VoiceTokenPtr> &tokens);

// The language of the user interface as a 16-bit language identifier (low 10
// bits primary, high 6 bits sublanguage), from the locale environment.
uint16_t userInterfaceLanguage();

// An audio output object that accepts a stream format.
class AudioOutput
{
public:
    virtual ~AudioOutput() = default;
    // streamFormat: a stream format number of the audio format catalogue.
    // kOk when the output can play it; kUnsupportedFormat when refused.
    virtual HResult setFormat(int streamFormat) = 0;
    virtual int format() const = 0;
};
using AudioOutputPtr = std::shared_ptr<AudioOutput>;

// The default audio output of this machine (chosen by VOCALYNE_AUDIO_OUTPUT:
// "pulse" (default; "null" when no sound server answers), "null" (real-time
// speed, no sound), "fast-null" (as fast as audio is made), "capture:DIR"
// (utt-0001.wav and utt-0001.events per text in DIR)); its format is 22
// (22050 Hz 16-bit mono) until setFormat. Null with hr set when none can
// be made.
AudioOutputPtr createDefaultAudioOutput(HResult *hr);

// An output that writes what a voice speaks, as fast as it is synthesised,
// into one WAV file (path in UTF-8) in the output's format; texts spoken in
// a row are appended. The file is complete and valid each time a text has
// ended (end-of-input-stream event, waitUntilDone). Null with hr set when
// path is empty. The file is created at the first text spoken into it.
AudioOutputPtr createWavFileAudioOutput(const std::string &path, HResult *hr);

// An output that collects what a voice speaks, as fast as it is
// synthesised, in memory: raw PCM in the output's format (8-bit unsigned or
// 16-bit signed little-endian, channels interleaved).
class MemoryAudioOutput : public AudioOutput
{
public:
    // Takes (and empties) the audio collected so far.
    virtual std::string takeAudio() = 0;
};
std::shared_ptr<MemoryAudioOutput> createMemoryAudioOutput(HResult *hr);

// The voice object: speaks text asynchronously on a thread of its own and
// queues events, announcing them by posting a window message.
class Voice
{
public:
    virtual ~Voice() = default;

    // Posts msg (wParam, lParam) to window when wanted events have come;
    // events that fall due together share one message, so the host takes
    // every waiting event on it. No further message is posted until the
    // host has called getEvents. When the window no longer exists, events
    // are no longer queued (nobody could take them) until this is called
    // again.
    virtual HResult setNotifyWindowMessage(HWND window, unsigned int msg, WPARAM wParam,
                                           LPARAM lParam) = 0;
    // Which events are wanted, and which of them are queued. The queue
    // holds at most kMaxQueuedEvents; beyond that the oldest events that
    // are not the end of a text are dropped.
    virtual HResult setInterest(uint64_t interest, uint64_t queued) = 0;

    virtual HResult getVoice(VoiceTokenPtr &token) = 0;
    virtual HResult setVoice(const VoiceTokenPtr &token) = 0;
    // rate: -10 .. 10 (whole-tone steps); volume: 0 .. 100.
    virtual HResult setRate(long rate) = 0;
    virtual HResult getRate(long &rate) = 0;
    virtual HResult setVolume(unsigned short volume) = 0;
    virtual HResult getVolume(unsigned short &volume) = 0;
    // Attaches an output; a null output means the default output.
    virtual HResult setOutput(const AudioOutputPtr &output, bool allowFormatChanges) = 0;

    // Queues text (UTF-16) with the speak flags; kSpeakPurgeBeforeSpeak drops
    // what is speaking and queued first (text may then be empty). Returns at
    // once with kSpeakAsync; streamNumber (may be null) receives the number
    // of the queued text.
    // The voice keeps text; a caller done with it hands it over with
    // std::move, so a long text is not held twice.
    virtual HResult speak(std::u16string text, uint32_t flags, uint32_t *streamNumber) = 0;
    virtual HResult pause() = 0;
    virtual HResult resume() = 0;
    virtual HResult getStatus(VoiceStatus &status) = 0;
    // Takes up to count events from the queue; fetched receives how many.
    // kOk when count were taken, kFalse when fewer.
    virtual HResult getEvents(uint32_t count, Event *events, uint32_t *fetched) = 0;
    // Blocks until everything queued has been spoken or timeoutMs passed.
    // kOk when done, kFalse on time-out.
    virtual HResult waitUntilDone(uint32_t timeoutMs) = 0;
};

// Converts the phones of one language to phoneme identifiers. English
// languages (primary language 0x09) use the American English phone set
// ("h eh 1 l ow": aa ae ah ao aw ax ay eh er ey ih iy ow oy uh uw b ch d dh
// f g h jh k l m n ng p r s sh t th v w y z zh, with 1 and 2 after a vowel
// for its stress and - for a syllable boundary); every other language a
// voice speaks uses espeak-ng phoneme mnemonics ("h@l'oU"), one identifier
// per character, blanks ignored.
class PhoneConverter
{
public:
    virtual ~PhoneConverter() = default;
    // kOk with the identifiers (no terminator); kInvalidArg when a phone is
    // unknown, there is none, or more than 383 identifiers would be needed.
    virtual HResult phoneToId(const std::string &phones, std::vector<uint16_t> &ids) const = 0;
};
using PhoneConverterPtr = std::shared_ptr<PhoneConverter>;

// kOk with the converter of language; kNotFound when no voice speaks it.
HResult createPhoneConverter(uint16_t language, PhoneConverterPtr &converter);

// The user's lexicon: pronunciations by word, language and part of speech,
// kept in the user's data folder ($XDG_DATA_HOME, else ~/.local/share,
// then Halvern/Vocalyne/lexicon.txt) and applied to every text spoken
// afterwards by a voice of that language (the exact language first, then
// any of the same primary language; words compare exactly, then ignoring
// letter case). The last pronunciation added for a word is the one spoken.
class Lexicon
{
public:
    virtual ~Lexicon() = default;
    // kOk (also when the same pronunciation is there already); kInvalidArg
    // for an empty word, a word with a tab or line break, or no
    // identifiers; kFail when the store cannot be written.
    virtual HResult addPronunciation(const std::u16string &word, uint16_t language,
                                     int partOfSpeech, const std::vector<uint16_t> &ids) = 0;
    // Removes exactly that pronunciation: kOk, kNotFound when it is not
    // there, kFail when the store cannot be written.
    virtual HResult removePronunciation(const std::u16string &word, uint16_t language,
                                        int partOfSpeech, const std::vector<uint16_t> &ids) = 0;
    // Many changes in a row: between the two calls changes are made in
    // memory and the store is written once, at endBatch (kOk, or kFail when
    // it cannot be written). Voices see the changes from endBatch on.
    virtual void beginBatch() {}
    virtual HResult endBatch() { return kOk; }
};
using LexiconPtr = std::shared_ptr<Lexicon>;

// kOk with the user's lexicon.
HResult createLexicon(LexiconPtr &lexicon);

// Creates the voice object, speaking with the default voice (American
// English where installed, else the first one) into the default audio
// output, with every text-to-speech event wanted and queued until
// setInterest says otherwise. Null with kFail when espeak-ng cannot start or
// has no voices.
std::unique_ptr<Voice> createVoice(HResult *hr);

} // namespace qvsp
