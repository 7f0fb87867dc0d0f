// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <string>

// The interface's 8-bit strings are UTF-8; the voice speaks UTF-16.
class QVTTSText
{
public:
    // Malformed sequences (stray continuation bytes, overlong forms,
    // surrogates, truncated sequences) become one U+FFFD per offending byte,
    // so that a bad byte costs one character and never the rest of the text.
    static std::u16string fromUtf8(const char *text, size_t length);
    // The same, appended to out.
    static void appendFromUtf8(std::u16string &out, const char *text, size_t length);
    static std::u16string fromUtf8(const std::string &text)
    {
        return fromUtf8(text.data(), text.size());
    }
    // Unpaired surrogates become U+FFFD.
    static std::string toUtf8(const std::u16string &text);
};
