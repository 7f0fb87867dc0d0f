// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "espeakengine.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cstring>

namespace qvsp {

namespace {

int synthCallback(short *wav, int count, espeak_EVENT *events)
{
    auto *consumer = events ? static_cast<SynthConsumer *>(events->user_data) : nullptr;
    if (!consumer)
        return 0;
    for (espeak_EVENT *e = events; e->type != espeakEVENT_LIST_TERMINATED; ++e) {
        if (e->type == espeakEVENT_WORD)
            consumer->word(e->text_position, e->length, e->sample);
        else if (e->type == espeakEVENT_SENTENCE)
            consumer->sentence(e->text_position, e->sample);
    }
    if (wav && count > 0)
        consumer->samples(wav, count);
    return consumer->cancelled() ? 1 : 0;
}

std::string trimmed(const char *text)
{
    std::string s = text ? text : "";
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.pop_back();
    std::replace(s.begin(), s.end(), '_', ' ');
    return s;
}

} // namespace

EspeakEngine &EspeakEngine::instance()
{
    // Never destroyed: voice threads of a host that exits without
    // uninitialising may still synthesise while static objects go.
    static EspeakEngine *engine = new EspeakEngine;
    return *engine;
}

EspeakEngine::EspeakEngine()
{
    // A 100 ms callback buffer lets the first audio leave long before a
    // whole sentence is synthesised.
    const int rate =
        espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 100, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0)
        return;
    m_sampleRate = rate;
    espeak_SetSynthCallback(synthCallback);
    loadVoices();
}

void EspeakEngine::loadVoices()
{
    const espeak_VOICE **list = espeak_ListVoices(nullptr);
    for (int i = 0; list && list[i]; ++i) {
        const espeak_VOICE *v = list[i];
        if (!v->identifier || !v->languages)
            continue;
        EspeakVoiceInfo info;
        info.name = trimmed(v->name);
        info.identifier = v->identifier;
        // languages: a priority byte, then the language name, repeated;
        // the first one is the voice's own.
        info.language = v->languages[0] ? std::string(v->languages + 1) : std::string();
        info.gender = v->gender;
        info.age = v->age;
        if (info.name.empty())
            info.name = info.identifier;
        m_voices.push_back(std::move(info));
    }
}

HResult EspeakEngine::synthesize(const std::string &utf8, const SynthParams &params,
                                 SynthConsumer &consumer)
{
    if (!isAvailable())
        return kFail;
    std::unique_lock<std::mutex> lock(m_mutex, std::try_to_lock);
    if (!lock.owns_lock()) {
        // Tell the running synthesis that it holds up another voice.
        ++m_waiting;
        lock.lock();
        --m_waiting;
    }
    if (params.voiceIdentifier != m_currentVoice || m_currentVoice.empty()) {
        const std::string wanted =
            params.voiceIdentifier.empty() ? std::string("en-us") : params.voiceIdentifier;
        if (espeak_SetVoiceByName(wanted.c_str()) != EE_OK)
            return kFail;
        m_currentVoice = wanted;
    }
    espeak_SetParameter(espeakRATE, std::clamp(params.wordsPerMinute, 80, 450), 0);
    espeak_SetParameter(espeakVOLUME, std::clamp(params.volume, 0, 200), 0);
    espeak_SetParameter(espeakPITCH, std::clamp(params.pitch, 0, 100), 0);
    espeak_SetParameter(espeakPUNCTUATION,
                        params.speakPunctuation ? espeakPUNCT_ALL : espeakPUNCT_NONE, 0);
    unsigned int flags = espeakCHARS_UTF8;
    if (params.phonemeInput)
        flags |= espeakPHONEMES;
    if (params.endPause)
        flags |= espeakENDPAUSE;
    const espeak_ERROR result =
        espeak_Synth(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0, flags, nullptr, &consumer);
    return result == EE_OK ? kOk : kFail;
}

} // namespace qvsp
