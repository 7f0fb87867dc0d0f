// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "audioplayer.h"

#include "nullaudiosink.h"

#include <algorithm>
#include <chrono>

namespace qvsp {

AudioPlayer::AudioPlayer(EventDelivery &delivery) : m_delivery(delivery)
{
    m_thread = std::thread([this] { run(); });
}

AudioPlayer::~AudioPlayer()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_cv.notify_all();
    m_roomCv.notify_all();
    m_thread.join();
}

void AudioPlayer::push(Item item)
{
    bool wake = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (item.generation != m_generation)
            return;
        if (item.kind == Item::Begin) {
            m_pacedStream = !item.output || item.output->isPaced();
            m_wakeBytes = uint64_t(std::max(1, item.format.bytesPerSecond()));
        }
        m_queuedBytes += item.bytes.size();
        const bool urgent = m_pacedStream || item.kind == Item::Begin ||
                            item.kind == Item::End || m_queuedBytes >= m_wakeBytes;
        wake = m_playerWaiting && urgent;
        m_queue.push_back(std::move(item));
    }
    if (wake)
        m_cv.notify_one();
}

void AudioPlayer::beginStream(uint64_t generation, uint32_t stream,
                              const std::shared_ptr<PlatformAudioOutput> &output,
                              const StreamFormat &format)
{
    Item item;
    item.kind = Item::Begin;
    item.generation = generation;
    item.stream = stream;
    item.output = output;
    item.format = format;
    push(std::move(item));
}

void AudioPlayer::audio(uint64_t generation, std::string bytes)
{
    if (bytes.empty())
        return;
    Item item;
    item.kind = Item::Audio;
    item.generation = generation;
    item.bytes = std::move(bytes);
    push(std::move(item));
}

void AudioPlayer::event(uint64_t generation, const Event &event)
{
    Item item;
    item.kind = Item::Event;
    item.generation = generation;
    item.event = event;
    push(std::move(item));
}

void AudioPlayer::endStream(uint64_t generation, uint32_t stream)
{
    Item item;
    item.kind = Item::End;
    item.generation = generation;
    item.stream = stream;
    push(std::move(item));
}

void AudioPlayer::purge(uint64_t generation)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_generation = generation;
        m_queue.clear();
        m_queuedBytes = 0;
    }
    m_cv.notify_all();
    m_roomCv.notify_all();
}

void AudioPlayer::pause()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_paused = true;
}

void AudioPlayer::resume()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_paused = false;
    }
    m_cv.notify_all();
}

bool AudioPlayer::waitForRoom(uint64_t generation, uint64_t maxBytes)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_stop && m_generation == generation && m_queuedBytes > maxBytes) {
        // Whatever waits must be on its way to the output.
        if (m_playerWaiting)
            m_cv.notify_one();
        m_roomCv.wait(lock, [&] {
            return m_stop || m_generation != generation || m_queuedBytes <= maxBytes;
        });
    }
    return !m_stop && m_generation == generation;
}

AudioPlayer::Room AudioPlayer::waitForRoom(uint64_t generation, uint64_t maxBytes,
                                           std::chrono::milliseconds timeout)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_stop && m_generation == generation && m_queuedBytes > maxBytes) {
        if (m_playerWaiting)
            m_cv.notify_one();
        const bool room = m_roomCv.wait_for(lock, timeout, [&] {
            return m_stop || m_generation != generation || m_queuedBytes <= maxBytes;
        });
        if (!room)
            return Room::TimedOut;
    }
    return !m_stop && m_generation == generation ? Room::Available : Room::Purged;
}

bool AudioPlayer::isCurrent(uint64_t generation)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return !m_stop && generation == m_generation;
}

void AudioPlayer::run()
{
    for (;;) {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (m_stop)
            break;
        if (m_generation != m_seenGeneration) {
            m_seenGeneration = m_generation;
            lock.unlock();
            dropPending();
            continue;
        }
        if (m_unannounced && (m_queue.empty() || m_paused)) {
            lock.unlock();
            announce();
            continue;
        }
        if (m_paused) {
            m_draining = false;
            if (!m_sinkPaused) {
                m_sinkPaused = true;
                lock.unlock();
                if (m_sink)
                    m_sink->pausePlayback();
                continue;
            }
            m_cv.wait(lock);
            continue;
        }
        if (m_sinkPaused) {
            m_sinkPaused = false;
            lock.unlock();
            if (m_sink)
                m_sink->resumePlayback();
            continue;
        }
        if (m_queue.empty()) {
            if (m_scheduled.empty()) {
                m_playerWaiting = true;
                m_cv.wait(lock);
                m_playerWaiting = false;
                continue;
            }
            // Events wait for audio the device still holds. A device that
            // has run dry may keep reporting its last latency, so once the
            // audio it held must have played, the events go out anyway.
            lock.unlock();
            const auto now = std::chrono::steady_clock::now();
            if (!m_draining) {
                m_draining = true;
                const uint64_t held = m_sink ? m_sink->latencyBytes() : 0;
                const uint64_t perSecond = uint64_t(std::max(1, m_sinkFormat.bytesPerSecond()));
                m_drainDeadline = now + std::chrono::microseconds(held * 1000000 / perSecond) +
                                  std::chrono::milliseconds(20);
            }
            lock.lock();
            m_playerWaiting = true;
            m_cv.wait_for(lock, std::chrono::milliseconds(10));
            m_playerWaiting = false;
            const bool newWork =
                !m_queue.empty() || m_paused || m_stop || m_generation != m_seenGeneration;
            lock.unlock();
            if (!newWork)
                emitDue(std::chrono::steady_clock::now() >= m_drainDeadline);
            continue;
        }
        m_draining = false;
        Item item = std::move(m_queue.front());
        m_queue.pop_front();
        m_queuedBytes -= item.bytes.size();
        lock.unlock();
        m_roomCv.notify_all();
        process(item);
        emitDue(false);
    }
    if (m_sink)
        m_sink->endStream();
}

void AudioPlayer::process(Item &item)
{
    switch (item.kind) {
    case Item::Begin: {
        const bool sameOutput =
            m_sink && m_sinkOutput && m_sinkOutput->sharesSinkWith(*item.output);
        const bool sameFormat = m_sinkOpen && m_sinkFormat.sampleRate == item.format.sampleRate &&
                                m_sinkFormat.channels == item.format.channels &&
                                m_sinkFormat.bits == item.format.bits;
        if (!sameOutput || !sameFormat) {
            emitDue(true); // the old device's audio is gone with it
            if (!sameOutput) {
                m_sink = item.output->createSink();
                m_sinkOutput = item.output;
            }
            m_sinkOpen = m_sink->open(item.format);
            if (!m_sinkOpen && item.output->kind() == PlatformAudioOutput::Pulse) {
                // The sound server went away since: keep speaking in time,
                // silently, so the host still sees its words and ends.
                m_sink = std::make_unique<NullAudioSink>(true);
                m_sinkOpen = m_sink->open(item.format);
            }
            m_sinkFormat = item.format;
            m_written = 0;
        }
        m_streamBase = m_written;
        m_sink->beginStream(item.stream);
        Scheduled start;
        start.target = m_written;
        start.generation = item.generation;
        start.event.id = kEventStartInputStream;
        start.event.streamNumber = item.stream;
        schedule(start);
        break;
    }
    case Item::Audio:
        writeAudio(item);
        break;
    case Item::Event: {
        Scheduled entry;
        entry.target = m_streamBase + item.event.audioStreamOffset;
        entry.generation = item.generation;
        entry.event = item.event;
        schedule(entry);
        break;
    }
    case Item::End: {
        Scheduled end;
        end.target = m_written;
        end.generation = item.generation;
        end.event.id = kEventEndInputStream;
        end.event.streamNumber = item.stream;
        end.event.audioStreamOffset = m_written - m_streamBase;
        end.endsStream = true;
        schedule(end);
        break;
    }
    }
}

void AudioPlayer::writeAudio(const Item &item)
{
    if (!m_sink)
        return;
    const size_t frame = size_t(std::max(1, m_sinkFormat.bytesPerFrame()));
    // On a device that plays in real time, small slices cut where events
    // fall due keep pause and stop quick and events close to their sample.
    // A sink that takes audio as fast as it comes gets it whole: its events
    // still follow their audio, and go out together.
    const bool paced = m_sink->paced();
    const size_t slice =
        paced ? std::max(frame, size_t(m_sinkFormat.bytesPerSecond() / 50) / frame * frame)
              : item.bytes.size();
    size_t done = 0;
    while (done < item.bytes.size()) {
        if (!holdWhilePaused(item.generation))
            return;
        size_t size = std::min(slice, item.bytes.size() - done);
        for (const Scheduled &s : m_scheduled) {
            if (paced && s.target > m_written) {
                size = size_t(std::min<uint64_t>(size, s.target - m_written));
                break;
            }
        }
        if (m_sinkOpen) // a sink that refused the format still keeps the events' time
            m_sink->write(item.bytes.data() + done, size);
        done += size;
        m_written += size;
        emitDue(false);
    }
}

bool AudioPlayer::holdWhilePaused(uint64_t generation)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_paused) {
        lock.unlock();
        announce();
        m_sink->pausePlayback();
        lock.lock();
        m_cv.wait(lock, [&] { return !m_paused || m_stop || m_generation != generation; });
        lock.unlock();
        m_sink->resumePlayback();
        lock.lock();
    }
    return !m_stop && m_generation == generation;
}

void AudioPlayer::schedule(const Scheduled &entry)
{
    // Stable: events due at the same byte keep the order they came in.
    auto at =
        std::upper_bound(m_scheduled.begin(), m_scheduled.end(), entry.target,
                         [](uint64_t target, const Scheduled &s) { return target < s.target; });
    m_scheduled.insert(at, entry);
}

void AudioPlayer::emitDue(bool all)
{
    if (m_scheduled.empty())
        return;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_paused)
            return; // a paused voice holds its events too
    }
    uint64_t played = m_written;
    if (!all) {
        if (m_sink)
            played -= std::min(m_written, m_sink->latencyBytes());
    }
    bool delivered = false;
    while (!m_scheduled.empty() && m_scheduled.front().target <= played) {
        const Scheduled entry = std::move(m_scheduled.front());
        m_scheduled.pop_front();
        if (!isCurrent(entry.generation))
            continue;
        if (m_sink) {
            m_sink->recordEvent(entry.event);
            // Files are complete before the host hears that the text ended.
            if (entry.endsStream)
                m_sink->endStream();
        }
        m_delivery.deliver(entry.event, entry.generation);
        delivered = true;
    }
    if (delivered) {
        m_unannounced = true;
        // A device heard in real time announces each word as it plays;
        // otherwise the events of all the audio at hand go out together
        // (and a host never waits long for them, however much audio comes).
        if ((m_sink && m_sink->paced()) ||
            std::chrono::steady_clock::now() - m_announced >= std::chrono::milliseconds(50))
            announce();
    }
}

void AudioPlayer::announce()
{
    if (!m_unannounced)
        return;
    m_unannounced = false;
    m_announced = std::chrono::steady_clock::now();
    m_delivery.deliveredAll();
}

void AudioPlayer::dropPending()
{
    m_scheduled.clear();
    if (m_sink) {
        m_sink->flush();
        m_sink->endStream();
    }
}

} // namespace qvsp
