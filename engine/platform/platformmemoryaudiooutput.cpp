// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "platformmemoryaudiooutput.h"

namespace qvsp {

PlatformMemoryAudioOutput::PlatformMemoryAudioOutput()
    : m_inner(std::make_shared<PlatformAudioOutput>(PlatformAudioOutput::Memory, std::string()))
{
}

std::string PlatformMemoryAudioOutput::takeAudio()
{
    std::lock_guard<std::mutex> lock(m_inner->buffer()->mutex);
    std::string out;
    out.swap(m_inner->buffer()->bytes);
    return out;
}

} // namespace qvsp
