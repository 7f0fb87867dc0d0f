// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qvsp {

// The phones of a language and their identifiers: one table each for
// English (the American English phone set of the markup's pron element,
// "h eh 1 l ow"), Spanish, French, German and Italian, every phone mapped to
// espeak-ng phonemes of that language. Multi-letter phones are one phone
// ("aan", "rr", "pf"); 1 and 2 mark the stress of the vowel before them; -
// ! & , _ ? . are syllable and word marks that espeak-ng works out itself.
// Other languages have no table. Identifiers are stable: the user lexicon
// stores them.
class PhoneTable
{
public:
    struct Phone
    {
        const char *name;
        const char *espeak;
        bool vowel;
    };

    // The table of a language (by primary language); null for none.
    static const PhoneTable *forLanguage(uint16_t language);
    static const PhoneTable &americanEnglish();

    // Blank-separated phones to identifiers; false when a phone is unknown,
    // there is none, or more than kMaximumIds would be needed.
    bool toIds(const std::string &phones, std::vector<uint16_t> &ids) const;
    // Identifiers to espeak-ng mnemonics (for [[ ]] input); empty when an
    // identifier is not of this table. Identifiers of raw mnemonics, which
    // earlier lexicons stored for these languages, are still understood.
    std::string toEspeak(const std::vector<uint16_t> &ids) const;

    // A pron element's sym to espeak-ng mnemonics: phones of the speaking
    // voice's language where sym is written in them, else American English
    // phones, else sym taken to be mnemonics already (without anything that
    // would end a phoneme block).
    static std::string markupToEspeak(const std::u16string &sym, uint16_t language = 0x0409);

    static constexpr size_t kMaximumIds = 383; // 384 with a terminator

private:
    PhoneTable(const Phone *phones, uint16_t count, uint16_t base, bool caseSensitive)
        : m_phones(phones), m_count(count), m_base(base), m_caseSensitive(caseSensitive)
    {
    }
    const Phone *m_phones;
    uint16_t m_count;
    uint16_t m_base; // identifier of the first phone
    bool m_caseSensitive;
};

} // namespace qvsp
