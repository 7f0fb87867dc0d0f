// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <cstddef>
#include <string>

namespace qvsp {

// UTF-8 / UTF-16 helpers. Unpaired surrogates and malformed UTF-8 become
// U+FFFD, so no input can make a conversion fail.
class TextCodec
{
public:
    static std::string toUtf8(const std::u16string &text);
    static std::u16string toUtf16(const std::string &text);
    static void appendUtf8(std::string &out, char32_t codePoint);
    static void appendUtf16(std::u16string &out, char32_t codePoint);
    // The code point at index; units receives how many UTF-16 units it uses.
    static char32_t decodeAt(const std::u16string &text, size_t index, size_t &units);
};

} // namespace qvsp
