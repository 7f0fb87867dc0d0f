// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynertftokenizer.h"

#include <climits>

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

VocalyneRtfTokenizer::Token VocalyneRtfTokenizer::next()
{
    Token token;
    const qsizetype size = m_input.size();
    // Line ends in the file carry no meaning.
    while (m_pos < size && (m_input[m_pos] == '\r' || m_input[m_pos] == '\n'))
        ++m_pos;
    if (m_pos >= size)
        return token;

    const char c = m_input[m_pos];
    if (c == '{' || c == '}') {
        ++m_pos;
        token.type = c == '{' ? Type::GroupStart : Type::GroupEnd;
        return token;
    }
    if (c != '\\') {
        const qsizetype start = m_pos;
        while (m_pos < size && m_input[m_pos] != '\\' && m_input[m_pos] != '{' &&
               m_input[m_pos] != '}' && m_input[m_pos] != '\r' && m_input[m_pos] != '\n')
            ++m_pos;
        token.type = Type::Text;
        token.text = m_input.sliced(start, m_pos - start);
        return token;
    }

    // A backslash: what follows decides.
    ++m_pos;
    if (m_pos >= size)
        return token;
    const char first = m_input[m_pos];
    if (!isLetter(first)) {
        ++m_pos;
        if (first == '\'') {
            const int high = m_pos < size ? hexValue(m_input[m_pos]) : -1;
            const int low = m_pos + 1 < size ? hexValue(m_input[m_pos + 1]) : -1;
            if (high >= 0 && low >= 0) {
                m_pos += 2;
                token.type = Type::HexByte;
                token.byte = static_cast<unsigned char>(high * 16 + low);
                return token;
            }
            // A broken escape is dropped rather than shown as text.
            return next();
        }
        token.type = Type::ControlSymbol;
        // A backslash before a line end stands for a paragraph break; the
        // line end itself must not be dropped as white space.
        token.word = m_input.sliced(m_pos - 1, 1);
        return token;
    }

    const qsizetype start = m_pos;
    while (m_pos < size && isLetter(m_input[m_pos]) && m_pos - start < 32)
        ++m_pos;
    token.type = Type::ControlWord;
    token.word = m_input.sliced(start, m_pos - start);
    // Overlong names are consumed whole but keep only their first letters.
    while (m_pos < size && isLetter(m_input[m_pos]))
        ++m_pos;

    bool negative = false;
    if (m_pos < size && m_input[m_pos] == '-' && m_pos + 1 < size && isDigit(m_input[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < size && isDigit(m_input[m_pos])) {
        long long value = 0;
        while (m_pos < size && isDigit(m_input[m_pos])) {
            if (value < INT_MAX)
                value = value * 10 + (m_input[m_pos] - '0');
            ++m_pos;
        }
        if (value > INT_MAX)
            value = INT_MAX;
        token.hasParameter = true;
        token.parameter = int(negative ? -value : value);
    }
    if (m_pos < size && m_input[m_pos] == ' ')
        ++m_pos;

    if (token.word == "bin") {
        // Binary data: the parameter counts raw bytes, braces included.
        const qsizetype length = token.hasParameter && token.parameter > 0
                                     ? qMin<qsizetype>(token.parameter, size - m_pos)
                                     : 0;
        token.type = Type::Binary;
        token.text = m_input.sliced(m_pos, length);
        m_pos += length;
    }
    return token;
}
