// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "speechplatform.h"

#include <cstdint>
#include <string>

namespace qvsp {

// A voice of one of the synthesisers behind this layer. The voice object
// speaks with any of them, and markup may switch between them inside one
// text; the catalogue orders them by language and by how good they sound.
class SynthVoiceToken : public VoiceToken
{
public:
    enum class Backend { Espeak, Flite };

    virtual Backend backend() const = 0;
    // The description hosts list and choose the voice by; unique.
    virtual const std::string &description() const = 0;
    // 16-bit language identifier; 0 when the language is not known.
    virtual uint16_t languageId() const = 0;
    // Among voices of one language, lower sounds better and is listed
    // first.
    virtual int qualityRank() const = 0;
};

} // namespace qvsp
