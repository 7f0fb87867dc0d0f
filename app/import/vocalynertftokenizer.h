// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QByteArray>
#include <QByteArrayView>

/// Splits RTF into its tokens: group braces, control words with their
/// optional numeric parameter, control symbols, hexadecimal byte escapes,
/// runs of plain text bytes and binary data. It never reads past the input,
/// whatever the input holds.
class VocalyneRtfTokenizer
{
public:
    enum class Type {
        End,
        GroupStart,
        GroupEnd,
        ControlWord,
        ControlSymbol,
        HexByte,
        Text,
        Binary
    };

    struct Token
    {
        Type type = Type::End;
        QByteArrayView word; ///< control word name, or the symbol character
        bool hasParameter = false;
        int parameter = 0;      ///< clamped to the range of int
        QByteArrayView text;    ///< Text and Binary: the bytes
        unsigned char byte = 0; ///< HexByte: the value
    };

    explicit VocalyneRtfTokenizer(QByteArrayView input) : m_input(input) {}

    Token next();
    /// Bytes consumed so far.
    qsizetype position() const { return m_pos; }

private:
    QByteArrayView m_input;
    qsizetype m_pos = 0;
};
