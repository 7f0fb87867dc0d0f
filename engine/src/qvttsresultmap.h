// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvtts.h"
#include "speechplatform.h"

// Platform results to the interface's result values.
class QVTTSResultMap
{
public:
    // A failure to queue text on the voice.
    static QVTTSSpeakReturnValue speakQueueFailure(qvsp::HResult hr);
    // The result of purging the voice.
    static QVTTSStopReturnValue stop(qvsp::HResult hr);
};
