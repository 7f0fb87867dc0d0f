// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <cstdint>
#include <string>

namespace qvsp {

// Maps language tags and locale names to 16-bit language identifiers (low
// 10 bits primary language, high 6 bits sublanguage).
class LanguageIds
{
public:
    // A language tag ("en-us", "pt-br", "en-gb-x-rp") or a locale name
    // ("de_DE.UTF-8@euro"): 0 when the language is not known.
    static uint16_t fromTag(const std::string &tag);
    // The locale environment (LC_ALL, LC_MESSAGES, LANG, first one set);
    // 0x0409 for C, POSIX, nothing set or an unknown language.
    static uint16_t fromEnvironment();
    // Uppercase hexadecimal without leading zeros ("409"; "0" for zero).
    static std::string hexName(uint16_t languageId);
};

} // namespace qvsp
