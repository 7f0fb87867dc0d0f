// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qvsp {

// The user lexicon's American English phone identifiers as Flite's own
// phones ("hh ax0 l ow1"): stress goes onto the vowel as Flite's lexicon
// writes it (1 stressed, 0 not; Flite has no secondary stress), syllable
// marks go (Flite finds syllables itself), and the two British vowels
// become the nearest American pair.
class FlitePhones
{
public:
    // Empty when an identifier is not of the American English table.
    static std::string fromIds(const std::vector<uint16_t> &ids);
    // espeak-ng mnemonics as the American English table writes its phones
    // ("h@l'oU", stress before the vowel) to Flite's phones; empty when
    // they hold anything else (mnemonics of another language).
    static std::string fromEspeak(const std::string &mnemonics);
};

} // namespace qvsp
