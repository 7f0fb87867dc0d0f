// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "qvttsprosody.h"

#include "speechplatform.h"

#include <cmath>

long QVTTSProsody::percentToSteps(int32_t percent)
{
    if (percent <= 0)
        return kMinSteps;
    const double steps = std::log(percent / 100.0) / std::log(1.1224620483);
    // Truncation toward zero is what hosts' tables are built on (70 % is -3,
    // not -4); the voice itself clamps to its own range.
    return static_cast<long>(std::trunc(steps));
}

std::string QVTTSProsody::pitchPrefix(long steps)
{
    return "<pitch middle = '" + std::to_string(steps) + "'/>";
}

uint32_t QVTTSProsody::speakFlags(int32_t textType, bool speakPunctuation)
{
    uint32_t flags = qvsp::kSpeakAsync;
    flags |= textType == 1 ? qvsp::kSpeakIsXml : qvsp::kSpeakIsNotXml;
    if (speakPunctuation)
        flags |= qvsp::kSpeakNlpSpeakPunc;
    return flags;
}
