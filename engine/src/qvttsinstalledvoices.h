// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvtts.h"
#include "speechplatform.h"

#include <cstdint>
#include <vector>

// The installed-voices list handed to hosts: the caller's first node, then
// nodes of the library, all malloc-allocated so hosts and library agree on
// who frees what.
class QVTTSInstalledVoices
{
public:
    // Fills the list from the tokens; returns the number of voices.
    static uint32_t fill(QVTTSVoiceInfoCollection *first,
                         const std::vector<qvsp::VoiceTokenPtr> &tokens, uint16_t uiLanguage);
    // Frees a list of count voices including the caller's first node.
    static void clean(QVTTSVoiceInfoCollection *first, uint32_t count);
};
