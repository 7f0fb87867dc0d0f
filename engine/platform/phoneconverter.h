// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <string>

namespace qvsp {

// Turns a pronunciation written in the American English phone set of the
// markup ("h eh 1 l ow") into espeak-ng phoneme mnemonics ("h'El@U"). A
// pronunciation that is not in that phone set is taken to be espeak-ng
// mnemonics already and passed on as it stands.
class PhoneConverter
{
public:
    static std::string toEspeak(const std::u16string &sym);
};

} // namespace qvsp
