// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "qvttsresultmap.h"

QVTTSSpeakReturnValue QVTTSResultMap::speakQueueFailure(qvsp::HResult hr)
{
    switch (hr) {
    case qvsp::kDeviceBusy:
        return QVTTSSpeakEngineInUse;
    case qvsp::kPointer:
        return QVTTSSpeakInvalidData;
    case qvsp::kInvalidFlags:
        return QVTTSSpeakInvalidParameter;
    case qvsp::kOutOfMemory:
        return QVTTSSpeakOutOfMemory;
    case qvsp::kInvalidArg:
        return QVTTSSpeakInvalidArgument;
    default:
        return QVTTSSpeakEngineInternalError;
    }
}

QVTTSStopReturnValue QVTTSResultMap::stop(qvsp::HResult hr)
{
    if (qvsp::succeeded(hr))
        return QVTTSStopSuccess;
    switch (hr) {
    case qvsp::kPointer:
        return QVTTSStopInvalidPointer;
    case qvsp::kInvalidFlags:
        return QVTTSStopInvalidFlags;
    case qvsp::kDeviceBusy:
        return QVTTSStopDeviceBusy;
    case qvsp::kOutOfMemory:
        return QVTTSStopOutOfMemory;
    case qvsp::kInvalidArg:
        return QVTTSStopInvalidArgument;
    default:
        return QVTTSStopFailed;
    }
}
