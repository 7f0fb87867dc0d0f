// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "audiosink.h"
#include "platformaudiooutput.h"
#include "speechplatform.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace qvsp {

// Receives events at the moment their audio starts playing.
class EventDelivery
{
public:
    virtual ~EventDelivery() = default;
    virtual void deliver(const Event &event, uint64_t generation) = 0;
    // Closes a run of events that fell due together, so that they can be
    // announced at once.
    virtual void deliveredAll() {}
};

// The playback thread of one voice. Synthesis hands it audio and events in
// stream order; it plays the audio into the output's sink and hands each
// event on when the sink has played the audio before it, so word events
// follow what is heard, not what is synthesised. Everything handed over
// carries a generation; purge() drops every older one at once.
class AudioPlayer
{
public:
    explicit AudioPlayer(EventDelivery &delivery);
    ~AudioPlayer();
    AudioPlayer(const AudioPlayer &) = delete;
    AudioPlayer &operator=(const AudioPlayer &) = delete;

    void beginStream(uint64_t generation, uint32_t stream,
                     const std::shared_ptr<PlatformAudioOutput> &output,
                     const StreamFormat &format);
    void audio(uint64_t generation, std::string bytes);
    // event.audioStreamOffset: bytes of the stream's audio before it.
    void event(uint64_t generation, const Event &event);
    void endStream(uint64_t generation, uint32_t stream);

    void purge(uint64_t generation);
    void pause();
    void resume();
    // Blocks while more than maxBytes of audio wait to be played, until
    // the generation is purged or the player stops. False when purged.
    bool waitForRoom(uint64_t generation, uint64_t maxBytes);
    // The same, giving up after timeout.
    enum class Room { Available, Purged, TimedOut };
    Room waitForRoom(uint64_t generation, uint64_t maxBytes, std::chrono::milliseconds timeout);

private:
    struct Item
    {
        enum Kind { Begin, Audio, Event, End };
        Kind kind = Audio;
        uint64_t generation = 0;
        uint32_t stream = 0;
        std::shared_ptr<PlatformAudioOutput> output;
        StreamFormat format;
        std::string bytes;
        qvsp::Event event;
    };
    struct Scheduled
    {
        uint64_t target = 0; // total bytes written when the event is due
        uint64_t generation = 0;
        qvsp::Event event;
        bool endsStream = false;
    };

    void push(Item item);
    void run();
    void process(Item &item);
    void writeAudio(const Item &item);
    bool holdWhilePaused(uint64_t generation);
    void schedule(const Scheduled &entry);
    void emitDue(bool all);
    void announce();
    void dropPending();
    bool isCurrent(uint64_t generation);

    EventDelivery &m_delivery;
    std::mutex m_mutex;
    std::condition_variable m_cv;     // the playback thread waits on it
    std::condition_variable m_roomCv; // synthesis waits on it for room
    std::deque<Item> m_queue;
    uint64_t m_queuedBytes = 0;
    // Waking the playback thread costs more than writing a tenth of a
    // second to a file: for outputs that take audio as fast as it comes,
    // audio and events gather until a second of audio waits.
    bool m_pacedStream = true;
    uint64_t m_wakeBytes = 0;
    bool m_playerWaiting = false;
    uint64_t m_generation = 0;
    bool m_paused = false;
    bool m_stop = false;

    // Owned by the playback thread.
    uint64_t m_seenGeneration = 0;
    bool m_sinkPaused = false;
    std::unique_ptr<AudioSink> m_sink;
    std::shared_ptr<PlatformAudioOutput> m_sinkOutput;
    StreamFormat m_sinkFormat;
    bool m_sinkOpen = false;
    uint64_t m_written = 0;
    uint64_t m_streamBase = 0;
    std::deque<Scheduled> m_scheduled;
    bool m_draining = false; // nothing left to write; waiting for the device
    bool m_unannounced = false; // events delivered, deliveredAll() not yet called
    std::chrono::steady_clock::time_point m_announced;
    std::chrono::steady_clock::time_point m_drainDeadline;

    std::thread m_thread;
};

} // namespace qvsp
