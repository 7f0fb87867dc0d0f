// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "qvttsslottable.h"

#include <algorithm>
#include <iterator>

InitQVTTSEngineReturnValueEx QVTTSSlotTable::make(InitQVTTSEngineReturnValue platformResult)
{
    InitQVTTSEngineReturnValueEx table;
    std::fill(std::begin(table.engineTypes), std::end(table.engineTypes), QVTTSEngineEmptySlot);
    table.engineTypes[18] = QVTTSEngineFamily1;
    table.engineTypes[19] = QVTTSEngineFamily2;
    table.engineTypes[20] = QVTTSEngineFamily4;
    table.engineTypes[21] = QVTTSEngineSpeechPlatform;
    std::fill(std::begin(table.results), std::end(table.results), QVTTSInitNotAvailable);
    table.results[21] = platformResult;
    return table;
}

void QVTTSSlotTable::copyOut(const InitQVTTSEngineReturnValueEx &table,
                             QVTTSVoiceEngineType *engineTypes, InitQVTTSEngineReturnValue *results)
{
    if (engineTypes)
        std::copy(std::begin(table.engineTypes), std::end(table.engineTypes), engineTypes);
    if (results)
        std::copy(std::begin(table.results), std::end(table.results), results);
}
