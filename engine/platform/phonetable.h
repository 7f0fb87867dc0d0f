// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qvsp {

// The phones of a language and their identifiers. English languages use
// the American English phone set of the markup's pron element ("h eh 1 l
// ow"; 1 and 2 mark the stress of the vowel before them); every other
// language uses espeak-ng's phoneme mnemonics, one identifier per
// character. Identifiers are stable: the user lexicon stores them.
class PhoneTable
{
public:
    enum Kind { AmericanEnglish, Mnemonics };

    // The table of a language; null when no installed voice speaks it.
    static const PhoneTable *forLanguage(uint16_t language);
    static const PhoneTable &americanEnglish();
    static const PhoneTable &mnemonics();

    // Blank-separated phones to identifiers; false when a phone is unknown,
    // there is none, or more than kMaximumIds would be needed.
    bool toIds(const std::string &phones, std::vector<uint16_t> &ids) const;
    // Identifiers to espeak-ng mnemonics (for [[ ]] input); empty when an
    // identifier is not of this table.
    std::string toEspeak(const std::vector<uint16_t> &ids) const;

    // A pron element's sym to espeak-ng mnemonics: American English phones
    // where sym is written in them, else sym taken to be mnemonics already
    // (without anything that would end a phoneme block).
    static std::string markupToEspeak(const std::u16string &sym);

    static constexpr size_t kMaximumIds = 383; // 384 with a terminator

private:
    explicit PhoneTable(Kind kind) : m_kind(kind) {}
    Kind m_kind;
};

} // namespace qvsp
