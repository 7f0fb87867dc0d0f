// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "messagequeue.h"

#include <cerrno>
#include <sys/eventfd.h>
#include <unistd.h>

namespace qvmsg {

MessageQueue::MessageQueue() : m_fd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

MessageQueue::~MessageQueue()
{
    if (m_fd >= 0)
        close(m_fd);
}

void MessageQueue::post(const PostedMessage &message)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const bool wasEmpty = m_messages.empty();
    m_messages.push_back(message);
    // The counter only ever holds 0 or 1, so the descriptor's readability
    // mirrors "messages are waiting" and a host never spins on a stale
    // wake-up.
    if (wasEmpty)
        signal();
}

bool MessageQueue::take(PostedMessage &message)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_messages.empty())
        return false;
    message = m_messages.front();
    m_messages.pop_front();
    if (m_messages.empty())
        clearSignal();
    return true;
}

bool MessageQueue::isEmpty() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_messages.empty();
}

void MessageQueue::signal()
{
    if (m_fd < 0)
        return;
    const uint64_t one = 1;
    ssize_t written;
    do {
        written = write(m_fd, &one, sizeof one);
    } while (written < 0 && errno == EINTR);
}

void MessageQueue::clearSignal()
{
    if (m_fd < 0)
        return;
    uint64_t value;
    ssize_t got;
    do {
        got = read(m_fd, &value, sizeof value);
    } while (got < 0 && errno == EINTR);
}

} // namespace qvmsg
