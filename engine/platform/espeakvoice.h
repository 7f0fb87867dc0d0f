// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "audioplayer.h"
#include "espeakvoicetoken.h"
#include "platformaudiooutput.h"
#include "synthvoicetoken.h"
#include "speechplatform.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace qvsp {

// The voice object on espeak-ng. Queued texts are synthesised on a thread
// of the voice's own, a piece at a time and only a little ahead of
// playback (about two seconds of audio, inside a long piece too, so a
// paused voice holds little; only when another voice waits for the
// synthesiser does the current piece run on to its end); an AudioPlayer
// plays them and hands the events back here as their audio starts, where
// they are queued for the host and announced by the notification message.
class EspeakVoice : public Voice, private EventDelivery
{
public:
    EspeakVoice();
    ~EspeakVoice() override;

    HResult setNotifyWindowMessage(HWND window, unsigned int msg, WPARAM wParam,
                                   LPARAM lParam) override;
    HResult setInterest(uint64_t interest, uint64_t queued) override;
    HResult getVoice(VoiceTokenPtr &token) override;
    HResult setVoice(const VoiceTokenPtr &token) override;
    HResult setRate(long rate) override;
    HResult getRate(long &rate) override;
    HResult setVolume(unsigned short volume) override;
    HResult getVolume(unsigned short &volume) override;
    HResult setOutput(const AudioOutputPtr &output, bool allowFormatChanges) override;
    HResult speak(std::u16string text, uint32_t flags, uint32_t *streamNumber) override;
    HResult pause() override;
    HResult resume() override;
    HResult getStatus(VoiceStatus &status) override;
    HResult getEvents(uint32_t count, Event *events, uint32_t *fetched) override;
    HResult waitUntilDone(uint32_t timeoutMs) override;

    // Words per minute for a rate of -10 .. 10 (whole tones around 175).
    static int wordsPerMinute(int rate);
    // espeak-ng's pitch (0 .. 100, 50 normal) for whole tones from normal.
    static int espeakPitch(int tones);

private:
    struct Utterance
    {
        uint32_t stream = 0;
        uint64_t generation = 0;
        std::u16string text;
        bool xml = false;
        bool speakPunctuation = false;
        std::shared_ptr<SynthVoiceToken> token;
        long rate = 0;
        unsigned short volume = 100;
        std::shared_ptr<PlatformAudioOutput> output;
        StreamFormat format;
    };
    class Synthesis;

    void deliver(const Event &event, uint64_t generation) override;
    void deliveredAll() override;
    void runSynthesis();
    void synthesize(const Utterance &utterance);
    bool cancelled(uint64_t generation) const;

    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    HWND m_window = nullptr;
    unsigned int m_message = 0;
    WPARAM m_wParam = 0;
    LPARAM m_lParam = 0;
    uint64_t m_interest = kAllTtsEvents;
    uint64_t m_queuedInterest = kAllTtsEvents;
    std::shared_ptr<SynthVoiceToken> m_token;
    long m_rate = 0;
    unsigned short m_volume = 100;
    std::shared_ptr<PlatformAudioOutput> m_output;
    std::deque<Utterance> m_pending;
    std::deque<Event> m_events;
    std::atomic<uint64_t> m_generation{0};
    uint32_t m_lastQueued = 0;
    uint32_t m_lastFinished = 0;
    bool m_everSpoken = false;
    bool m_announce = false;      // wanted events came since the last message
    bool m_notifyPending = false; // a message was posted; no getEvents since
    bool m_windowGone = false;    // posting failed: nobody takes events
    uint32_t m_queuedSincePost = 0;
    bool m_stop = false;
    VoiceStatus m_status;

    AudioPlayer m_player;
    std::thread m_thread;
};

} // namespace qvsp
