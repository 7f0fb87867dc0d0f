// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "speechpiece.h"
#include "speechplatform.h"
#include "synthconsumer.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

typedef struct cst_voice_struct cst_voice;

namespace qvsp {

// One Flite voice: built into the library, or loaded from a .flitevox file.
struct FliteVoiceInfo
{
    std::string name;        // Flite's own name: "slt", "cmu_us_aew"
    std::string description; // unique: "Flite English (America) SLT, female"
    std::string file;        // the .flitevox file; empty for a built-in voice
    uint16_t languageId = 0x0409;
    int gender = 0; // 0 unknown, 1 male, 2 female
    int qualityRank = 50;
    cst_voice *voice = nullptr;
    bool clusterGen = false;  // statistical voice: pitch through f0_shift
    float baseStretch = 1.0f; // the voice's own duration_stretch
    float baseF0Mean = 0.0f;  // the voice's own int_f0_target_mean (0: none)
};

// How one piece is spoken.
struct FliteParams
{
    int rate = 0;     // whole tones, -10 .. 10, as the espeak-ng voices take it
    int pitch = 0;    // whole tones from the voice's middle, -10 .. 10
    int volume = 100; // percent of the voice's own loudness (up to 125 emphasised)
    // The first piece of a text: its first utterance is cut short (at a
    // comma where there is one), since nothing sounds until Flite has
    // synthesised it whole.
    bool quickStart = false;
};

// The process-wide Flite instance. Flite keeps global state (its error
// handler, voices and lexicons shared by every utterance, the features
// that set rate and pitch on the voice) and is not re-entrant, so every
// call into it goes through this class and holds its lock; the lock is
// let go between utterances, while their audio is handed on, so a voice
// waiting for playback never holds up another.
class FliteEngine
{
public:
    static FliteEngine &instance();

    const std::vector<FliteVoiceInfo> &voices() const { return m_voices; }

    // Speaks the text of piece with voice, one Flite utterance (about a
    // sentence, cut where the flite program cuts) at a time: its words and
    // its sentence go to consumer with the sample where their audio
    // starts (taken from the utterance's segment timing), then its audio,
    // resampled to outputRate. Word positions are 1-based code point
    // positions in piece.codePoints. kOk, or kFail when an utterance
    // could not be synthesised (what came before it was delivered).
    HResult synthesize(const SpeechPiece &piece, const FliteVoiceInfo &voice,
                       const FliteParams &params, SynthConsumer &consumer, int outputRate);

    // Whether a Flite voice can speak piece: any text, and pronunciations
    // written in American English phones.
    static bool canSpeak(const SpeechPiece &piece);

    // Folders searched for .flitevox files, in order: $VOCALYNE_FLITE_VOICES
    // (separated by colons), $XDG_DATA_HOME/flite/voices (or
    // ~/.local/share/flite/voices), /usr/local/share/flite/voices,
    // /usr/share/flite/voices.
    static std::vector<std::string> voiceFolders();

    // The text Flite is given for code points: letters with accents lose
    // them, typographic quotes and dashes become their ASCII forms, and
    // what an English voice cannot read becomes a blank. byteToCodePoint
    // receives, per byte of the result, the index of its code point.
    static std::string foldText(const std::u32string &codePoints,
                                std::vector<uint32_t> &byteToCodePoint);

private:
    FliteEngine();
    void loadBuiltInVoices();
    void loadVoiceFiles();

    std::mutex m_mutex;
    std::vector<FliteVoiceInfo> m_voices;
};

} // namespace qvsp
