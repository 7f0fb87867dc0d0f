// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

namespace qvsp {

// What separates words, what is punctuation and what is a Chinese
// ideograph (a word of its own), for every part that cuts text into words.
class CharClasses
{
public:
    static bool isBlank(char32_t c)
    {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v' ||
               c == 0x2028 || c == 0x2029 || c == 0x3000;
    }

    static bool isPunctuation(char32_t c)
    {
        if (c < 0x80)
            return (c >= 0x21 && c <= 0x2F) || (c >= 0x3A && c <= 0x40) ||
                   (c >= 0x5B && c <= 0x60) || (c >= 0x7B && c <= 0x7E);
        return c == 0xA1 || c == 0xAB || c == 0xB7 || c == 0xBB || c == 0xBF ||
               (c >= 0x2010 && c <= 0x205E) || (c >= 0x3001 && c <= 0x3011) ||
               (c >= 0xFF01 && c <= 0xFF0F) || c == 0x037E || c == 0x0387 || c == 0x060C ||
               c == 0x061F;
    }

    static bool isHan(char32_t c)
    {
        return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) ||
               (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x2FFFF);
    }

    // Upper to lower case for the Latin, Greek and Cyrillic letters that
    // have a fixed distance between the two.
    static char32_t toLower(char32_t c)
    {
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
            (c >= 0x391 && c <= 0x3A9) || (c >= 0x410 && c <= 0x42F))
            return c + 0x20;
        if (c >= 0x400 && c <= 0x40F)
            return c + 0x50;
        return c;
    }
};

} // namespace qvsp
