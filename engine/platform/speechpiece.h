// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace qvsp {

class SynthVoiceToken;

// The speaking state that markup sets; values stack with the voice's own.
struct ProsodyState
{
    std::shared_ptr<SynthVoiceToken> voice; // null: the voice the text was queued with
    int rate = 0;                            // whole tones, added to the voice's rate
    int volume = 100;                        // percent of the voice's volume
    int pitch = 0;                           // whole tones from the voice's middle
    bool emphasis = false;
    bool spell = false;
};

// One stretch of a queued text that is synthesised in one go: text with one
// state, a silence, or a bookmark. Every code point of the text carries the
// range of the original (UTF-16) text it came from, so word positions are
// reported in the text as the host handed it over, markup included.
struct SpeechPiece
{
    enum Kind { Text, Silence, Bookmark };
    Kind kind = Text;
    ProsodyState state;
    std::u32string codePoints;
    std::vector<uint32_t> starts; // per code point: first UTF-16 index of its source
    std::vector<uint32_t> ends;   // per code point: UTF-16 index after its source
    bool phonemes = false;        // codePoints hold [[phonemes]]
    bool endsSentence = true;     // a sentence pause belongs after it
    int silenceMs = 0;
    std::u16string bookmark;
    uint32_t sourcePosition = 0; // bookmarks and silences: where in the text

    std::string utf8() const;
    bool hasSpeech() const;
};

} // namespace qvsp
