// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynesectionranges.h"

namespace {

// Type 0 engines take the sentence pause as a document-wide setting with a
// usual value; the others insert it as silence markup, so a new section
// starts without one.
constexpr VocalyneSectionRanges::Ranges EngineRanges[] = {
    {50, 400, 0, 500, 50, 200, 0, 20000, 670}, {0, 400, 0, 500, 100, 500, 0, 1000000, 0},
    {13, 800, 0, 500, 0, 0, 0, 1000000, 0},    {30, 350, 0, 100, 30, 350, 0, 1000000, 0},
    {1, 1000, 0, 500, 1, 1000, 0, 1000000, 0},
};

} // namespace

bool VocalyneSectionRanges::forEngineType(int engineType, Ranges *ranges)
{
    if (engineType < 0 || engineType >= int(sizeof(EngineRanges) / sizeof(EngineRanges[0])))
        return false;
    *ranges = EngineRanges[engineType];
    return true;
}
