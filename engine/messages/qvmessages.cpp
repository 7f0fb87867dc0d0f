// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "qvmessages.h"

#include "messagequeue.h"

#include <cerrno>
#include <memory>
#include <mutex>
#include <poll.h>
#include <unordered_map>

using qvmsg::MessageQueue;
using qvmsg::PostedMessage;

namespace {

struct WindowRecord
{
    WNDPROC proc = nullptr;
    std::shared_ptr<MessageQueue> queue;
};

// Handles are numbers that are never reused, so a stale handle of a
// destroyed window can never reach a newer window that happens to live at
// the same address.
struct Registry
{
    std::mutex mutex;
    std::unordered_map<uint64_t, WindowRecord> windows;
    uint64_t nextId = 1;
};

Registry &registry()
{
    static Registry *instance = new Registry; // outlives every thread's exit
    return *instance;
}

thread_local std::shared_ptr<MessageQueue> t_queue;

MessageQueue *threadQueue()
{
    if (!t_queue) {
        try {
            t_queue = std::make_shared<MessageQueue>();
        } catch (...) {
            return nullptr;
        }
    }
    return t_queue.get();
}

uint64_t idOf(HWND window)
{
    return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(window));
}

HWND handleOf(uint64_t id)
{
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(id));
}

bool lookupProc(HWND window, WNDPROC &proc)
{
    Registry &reg = registry();
    std::lock_guard<std::mutex> lock(reg.mutex);
    const auto it = reg.windows.find(idOf(window));
    if (it == reg.windows.end())
        return false;
    proc = it->second.proc;
    return true;
}

} // namespace

extern "C" {

HWND QVCreateWindow(WNDPROC proc)
{
    if (!threadQueue())
        return nullptr;
    Registry &reg = registry();
    try {
        std::lock_guard<std::mutex> lock(reg.mutex);
        const uint64_t id = reg.nextId++;
        reg.windows.emplace(id, WindowRecord{proc, t_queue});
        return handleOf(id);
    } catch (...) {
        return nullptr;
    }
}

void QVDestroyWindow(HWND window)
{
    if (!window)
        return;
    Registry &reg = registry();
    std::shared_ptr<MessageQueue> queue;
    {
        std::lock_guard<std::mutex> lock(reg.mutex);
        const auto it = reg.windows.find(idOf(window));
        if (it == reg.windows.end())
            return;
        queue = std::move(it->second.queue);
        reg.windows.erase(it);
    }
    // Messages still queued for the window stay in the queue until the
    // dispatcher meets them and finds no window; they are dropped there.
}

WNDPROC QVSetWindowProc(HWND window, WNDPROC proc)
{
    Registry &reg = registry();
    std::lock_guard<std::mutex> lock(reg.mutex);
    const auto it = reg.windows.find(idOf(window));
    if (it == reg.windows.end())
        return nullptr;
    WNDPROC previous = it->second.proc;
    it->second.proc = proc;
    return previous;
}

WNDPROC QVGetWindowProc(HWND window)
{
    WNDPROC proc = nullptr;
    lookupProc(window, proc);
    return proc;
}

LRESULT QVCallWindowProc(WNDPROC proc, HWND window, unsigned int msg, WPARAM wParam, LPARAM lParam)
{
    return proc ? proc(window, msg, wParam, lParam) : 0;
}

LRESULT QVSendMessage(HWND window, unsigned int msg, WPARAM wParam, LPARAM lParam)
{
    WNDPROC proc = nullptr;
    if (!lookupProc(window, proc) || !proc)
        return 0;
    // The lock is not held during the call: procedures send and post
    // further messages, replace themselves or destroy their window.
    return proc(window, msg, wParam, lParam);
}

int QVPostMessage(HWND window, unsigned int msg, WPARAM wParam, LPARAM lParam)
{
    Registry &reg = registry();
    std::shared_ptr<MessageQueue> queue;
    {
        std::lock_guard<std::mutex> lock(reg.mutex);
        const auto it = reg.windows.find(idOf(window));
        if (it == reg.windows.end())
            return 0;
        queue = it->second.queue;
    }
    try {
        queue->post(PostedMessage{idOf(window), msg, wParam, lParam});
    } catch (...) {
        return 0;
    }
    return 1;
}

int QVMessageQueueFd(void)
{
    MessageQueue *queue = threadQueue();
    return queue ? queue->fd() : -1;
}

int QVDispatchMessages(void)
{
    MessageQueue *queue = threadQueue();
    if (!queue)
        return 0;
    int delivered = 0;
    PostedMessage message;
    while (queue->take(message)) {
        WNDPROC proc = nullptr;
        if (!lookupProc(handleOf(message.windowId), proc))
            continue; // the window was destroyed after the post
        ++delivered;
        if (proc)
            proc(handleOf(message.windowId), message.msg, message.wParam, message.lParam);
    }
    return delivered;
}

int QVWaitAndDispatchMessages(int timeoutMs)
{
    MessageQueue *queue = threadQueue();
    if (!queue)
        return 0;
    if (queue->isEmpty()) {
        pollfd pfd{queue->fd(), POLLIN, 0};
        if (pfd.fd < 0)
            return QVDispatchMessages();
        int ready;
        do {
            ready = poll(&pfd, 1, timeoutMs < 0 ? -1 : timeoutMs);
        } while (ready < 0 && errno == EINTR);
        if (ready <= 0)
            return 0;
    }
    return QVDispatchMessages();
}

} // extern "C"
