// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "platformaudiooutput.h"
#include "speechplatform.h"

#include <memory>
#include <string>

namespace qvsp {

// The memory output handed to hosts; it plays through an inner output.
class PlatformMemoryAudioOutput : public MemoryAudioOutput
{
public:
    PlatformMemoryAudioOutput();
    HResult setFormat(int streamFormat) override { return m_inner->setFormat(streamFormat); }
    int format() const override { return m_inner->format(); }
    std::string takeAudio() override;
    const std::shared_ptr<PlatformAudioOutput> &inner() const { return m_inner; }

private:
    std::shared_ptr<PlatformAudioOutput> m_inner;
};

} // namespace qvsp
