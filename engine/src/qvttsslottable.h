// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvtts.h"

// The engine slot table every initialiser reports: 18 empty slots, then the
// families 1, 2 and 4 that this library does not provide, then the speech
// platform's slot with its start result.
class QVTTSSlotTable
{
public:
    static InitQVTTSEngineReturnValueEx make(InitQVTTSEngineReturnValue platformResult);
    // Copies the table into a caller's arrays of QVTTS_ENGINE_SLOTS entries;
    // null arrays are skipped.
    static void copyOut(const InitQVTTSEngineReturnValueEx &table,
                        QVTTSVoiceEngineType *engineTypes, InitQVTTSEngineReturnValue *results);
};
