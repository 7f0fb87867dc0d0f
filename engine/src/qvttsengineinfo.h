// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <cstdint>

// Value ranges hosts read to bound their speed, pitch and volume controls.
class QVTTSEngineInfo
{
public:
    // true with the value for a known parameter identifier.
    static bool value(int16_t parameter, int32_t &out);
};
