// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "qvttsengineinfo.h"

#include "qvtts.h"

bool QVTTSEngineInfo::value(int16_t parameter, int32_t &out)
{
    switch (parameter) {
    case QVTTSParamRateMax:
    case QVTTSParamPitchMax:
        out = 350;
        return true;
    case QVTTSParamRateDefault:
    case QVTTSParamPitchDefault:
        out = 100;
        return true;
    case QVTTSParamRateMin:
    case QVTTSParamPitchMin:
        out = 30;
        return true;
    case QVTTSParamVolumeMax:
    case QVTTSParamVolumeDefault:
        out = 100;
        return true;
    case QVTTSParamVolumeMin:
        out = 0;
        return true;
    default:
        return false;
    }
}
