// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "speechplatform.h"

#include <cstdint>
#include <string>

// The name under which a voice is listed and selected: the token's
// description in the user interface language, or its default description
// when it has none in that language.
class QVTTSVoiceDescription
{
public:
    // false when the description cannot be read (the voice is then left out).
    static bool read(const qvsp::VoiceToken &token, uint16_t uiLanguage, std::string &description);
};
