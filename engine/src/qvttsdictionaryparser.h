// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Reads a user dictionary text: entries introduced and ended by a line feed,
// each "word {phonemes}" optionally followed by "/keyword".
//
// One pass, character by character: a line feed ends the entry collected so
// far (except at the very start) and starts a word; a blank directly before
// "{" starts the phonemes; "}" ends them; "/" starts the keyword; everything
// else goes to whatever is being collected and is dropped between "}" and
// "/". So the last entry counts only when a line feed ends it, text before
// the first line feed never forms a word, and a carriage return ends up in
// the keyword (which then matches nothing) or is dropped after "}".
class QVTTSDictionaryParser
{
public:
    struct Entry
    {
        std::string word;
        std::string phonemes;
        std::string keyword; // empty: the part of speech of the entry before
    };

    // Calls handle for every entry in order until it returns non-zero, and
    // returns that value (0 when every entry was handled). Lines that
    // collected nothing at all (blank lines) are not entries.
    static int parse(const char *text, const std::function<int(const Entry &)> &handle);

    // The part of speech of a keyword (case-sensitive); false for none.
    static bool partOfSpeech(const std::string &keyword, int32_t &value);
};
