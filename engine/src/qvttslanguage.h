// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <cstdint>
#include <string>

// 16-bit language identifiers: low 10 bits primary language, high 6 bits
// sublanguage.
class QVTTSLanguage
{
public:
    static uint16_t make(uint16_t primary, uint16_t sub);
    static uint16_t primary(uint16_t language);
    static uint16_t sub(uint16_t language);
    // Upper-case hexadecimal without leading zeros ("0" for zero): the name
    // under which a voice token keeps its description in that language.
    static std::u16string valueName(uint16_t language);
};
