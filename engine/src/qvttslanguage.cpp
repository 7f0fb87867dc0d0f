// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "qvttslanguage.h"

uint16_t QVTTSLanguage::make(uint16_t primary, uint16_t sub)
{
    return static_cast<uint16_t>((unsigned(sub) << 10) | primary);
}

uint16_t QVTTSLanguage::primary(uint16_t language)
{
    return language & 0x3FF;
}

uint16_t QVTTSLanguage::sub(uint16_t language)
{
    return (language >> 10) & 0x3F;
}

std::u16string QVTTSLanguage::valueName(uint16_t language)
{
    static const char16_t digits[] = u"0123456789ABCDEF";
    std::u16string reversed;
    do {
        reversed.push_back(digits[language & 0xF]);
        language >>= 4;
    } while (language != 0);
    return std::u16string(reversed.rbegin(), reversed.rend());
}
