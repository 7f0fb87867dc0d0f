// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvmessages.h"

#include <cstdint>
#include <deque>
#include <mutex>

namespace qvmsg {

struct PostedMessage
{
    uint64_t windowId = 0;
    unsigned int msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// The queue of one thread. It outlives its thread while windows of that
// thread still exist, so a late post from another thread never touches
// freed memory; such messages are simply never delivered.
class MessageQueue
{
public:
    MessageQueue();
    ~MessageQueue();
    MessageQueue(const MessageQueue &) = delete;
    MessageQueue &operator=(const MessageQueue &) = delete;

    // The eventfd, readable exactly while messages wait; -1 if none could
    // be made.
    int fd() const { return m_fd; }
    void post(const PostedMessage &message);
    // Takes the oldest message; false when the queue is empty.
    bool take(PostedMessage &message);
    bool isEmpty() const;

private:
    void signal();
    void clearSignal();

    mutable std::mutex m_mutex;
    std::deque<PostedMessage> m_messages;
    int m_fd = -1;
};

} // namespace qvmsg
