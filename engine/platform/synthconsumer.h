// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <cstdint>

namespace qvsp {

// Receives what one synthesis call produces, on the calling thread.
class SynthConsumer
{
public:
    virtual ~SynthConsumer() = default;
    // Samples at sampleRate(), mono, 16-bit.
    virtual void samples(const int16_t *data, int count) = 0;
    // A word: 1-based character position and length in the UTF-8 text as
    // given, and the sample (from the call's start) where it begins.
    virtual void word(int position, int length, int64_t sample) = 0;
    // A sentence begins at the 1-based character position.
    virtual void sentence(int /*position*/, int64_t /*sample*/) {}
    // True to abandon the synthesis at once.
    virtual bool cancelled() = 0;
};

} // namespace qvsp
