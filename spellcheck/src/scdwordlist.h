// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vocalynesc {

/// The word of a dictionary line or a caller in the form the checker keeps:
/// trimmed, lower case, composed (NFC), with typographic apostrophes made
/// plain. Text that is not valid UTF-8 is read as Latin-1. Empty when
/// nothing is left.
std::string normalisedWord(std::string_view text);

/// The loaded words, kept compactly as one buffer of '\n'-terminated
/// normalised words, in load order.
class ScdWordList
{
public:
    /// Appends the words of the .scd file at path; false when the file
    /// cannot be opened or read (the list is then unchanged).
    bool appendFile(const char *path);
    /// Appends one word (normalised here); empty words are skipped.
    void append(std::string_view word);
    void clear();

    std::size_t size() const { return m_count; }
    /// Calls f(std::string_view) for every word in load order.
    template <typename F> void forEach(F f) const
    {
        std::size_t start = 0;
        while (start < m_buffer.size()) {
            const std::size_t end = m_buffer.find('\n', start);
            f(std::string_view(m_buffer).substr(start, end - start));
            start = end + 1;
        }
    }

private:
    std::string m_buffer;
    std::size_t m_count = 0;
};

} // namespace vocalynesc
