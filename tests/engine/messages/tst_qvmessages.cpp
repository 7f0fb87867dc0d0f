// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "qvmessages.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <thread>
#include <vector>

namespace {

struct Received
{
    std::thread::id thread;
    unsigned int msg;
    WPARAM wParam;
    LPARAM lParam;
};

thread_local std::vector<Received> t_received;
thread_local std::vector<std::string> t_trace;

LRESULT recordingProc(HWND, unsigned int msg, WPARAM wParam, LPARAM lParam)
{
    t_received.push_back({std::this_thread::get_id(), msg, wParam, lParam});
    return static_cast<LRESULT>(wParam) * 2;
}

bool fdReadable(int fd)
{
    pollfd pfd{fd, POLLIN, 0};
    return poll(&pfd, 1, 0) == 1 && (pfd.revents & POLLIN);
}

class MessagesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        t_received.clear();
        t_trace.clear();
        QVDispatchMessages(); // nothing left over from an earlier case
    }
};

TEST_F(MessagesTest, PostsFromAnotherThreadArriveOnOwnerThreadInOrder)
{
    HWND window = QVCreateWindow(recordingProc);
    ASSERT_NE(window, nullptr);
    const int fd = QVMessageQueueFd();
    ASSERT_GE(fd, 0);
    EXPECT_FALSE(fdReadable(fd));

    std::thread poster([window] {
        for (int i = 0; i < 500; ++i)
            EXPECT_EQ(QVPostMessage(window, WM_APP, WPARAM(i), LPARAM(-i)), 1);
    });
    poster.join();

    EXPECT_TRUE(fdReadable(fd)) << "messages wait, the descriptor must say so";
    EXPECT_TRUE(t_received.empty()) << "posting must not deliver on the posting thread";
    EXPECT_EQ(QVDispatchMessages(), 500);
    EXPECT_FALSE(fdReadable(fd)) << "the queue is empty again";

    ASSERT_EQ(t_received.size(), 500u);
    for (int i = 0; i < 500; ++i) {
        EXPECT_EQ(t_received[i].thread, std::this_thread::get_id());
        EXPECT_EQ(t_received[i].msg, WM_APP);
        EXPECT_EQ(t_received[i].wParam, WPARAM(i));
        EXPECT_EQ(t_received[i].lParam, LPARAM(-i));
    }
    QVDestroyWindow(window);
}

TEST_F(MessagesTest, WindowsOfDifferentThreadsKeepTheirOwnQueues)
{
    HWND mine = QVCreateWindow(recordingProc);
    std::vector<Received> theirs;
    std::thread other([&] {
        HWND window = QVCreateWindow(recordingProc);
        QVPostMessage(mine, 1, 10, 0);
        QVPostMessage(window, 2, 20, 0);
        EXPECT_EQ(QVWaitAndDispatchMessages(1000), 1);
        theirs = t_received;
        QVDestroyWindow(window);
    });
    other.join();
    ASSERT_EQ(theirs.size(), 1u);
    EXPECT_EQ(theirs[0].msg, 2u);
    EXPECT_EQ(QVWaitAndDispatchMessages(1000), 1);
    ASSERT_EQ(t_received.size(), 1u);
    EXPECT_EQ(t_received[0].msg, 1u);
    QVDestroyWindow(mine);
}

TEST_F(MessagesTest, WaitTimesOutWhenNothingIsPosted)
{
    HWND window = QVCreateWindow(recordingProc);
    EXPECT_EQ(QVWaitAndDispatchMessages(20), 0);
    std::thread poster([window] { QVPostMessage(window, 7, 1, 2); });
    EXPECT_EQ(QVWaitAndDispatchMessages(5000), 1);
    poster.join();
    QVDestroyWindow(window);
}

TEST_F(MessagesTest, SendIsSynchronousAndReturnsTheResult)
{
    HWND window = QVCreateWindow(recordingProc);
    EXPECT_EQ(QVSendMessage(window, 5, 21, 0), 42);
    ASSERT_EQ(t_received.size(), 1u);
    EXPECT_EQ(QVDispatchMessages(), 0) << "a sent message is not queued as well";
    QVDestroyWindow(window);
    EXPECT_EQ(QVSendMessage(window, 5, 21, 0), 0);
    EXPECT_EQ(t_received.size(), 1u);
}

HWND g_hookedWindow = nullptr;
WNDPROC g_previous = nullptr;

LRESULT baseProc(HWND, unsigned int msg, WPARAM, LPARAM)
{
    t_trace.push_back("base " + std::to_string(msg));
    return 100;
}

LRESULT hookProc(HWND window, unsigned int msg, WPARAM wParam, LPARAM lParam)
{
    t_trace.push_back("hook " + std::to_string(msg));
    if (msg == WM_APP) // a posted message that sends a further one, as the engine does
        QVSendMessage(window, 0x3447, 1, 2);
    return QVCallWindowProc(g_previous, window, msg, wParam, lParam) + 1;
}

TEST_F(MessagesTest, ReplacedProcedureChainsToThePreviousOne)
{
    g_hookedWindow = QVCreateWindow(baseProc);
    g_previous = QVSetWindowProc(g_hookedWindow, hookProc);
    EXPECT_EQ(g_previous, &baseProc);
    EXPECT_EQ(QVGetWindowProc(g_hookedWindow), &hookProc);

    EXPECT_EQ(QVSendMessage(g_hookedWindow, 3, 0, 0), 101);
    EXPECT_EQ(QVPostMessage(g_hookedWindow, WM_APP, 0, 0), 1);
    EXPECT_EQ(QVDispatchMessages(), 1);
    const std::vector<std::string> expected{"hook 3",     "base 3",     "hook 32768",
                                            "hook 13383", "base 13383", "base 32768"};
    EXPECT_EQ(t_trace, expected);

    EXPECT_EQ(QVCallWindowProc(nullptr, g_hookedWindow, 1, 0, 0), 0);
    EXPECT_EQ(QVSetWindowProc(g_hookedWindow, nullptr), &hookProc);
    EXPECT_EQ(QVSendMessage(g_hookedWindow, 3, 0, 0), 0) << "a null procedure ignores messages";
    QVDestroyWindow(g_hookedWindow);
    EXPECT_EQ(QVGetWindowProc(g_hookedWindow), nullptr);
}

TEST_F(MessagesTest, DestroyedWindowsDropTheirMessages)
{
    HWND doomed = QVCreateWindow(recordingProc);
    HWND kept = QVCreateWindow(recordingProc);
    QVPostMessage(doomed, 1, 1, 0);
    QVPostMessage(kept, 2, 2, 0);
    QVDestroyWindow(doomed);
    EXPECT_EQ(QVPostMessage(doomed, 3, 3, 0), 0);
    EXPECT_EQ(QVDispatchMessages(), 1);
    ASSERT_EQ(t_received.size(), 1u);
    EXPECT_EQ(t_received[0].msg, 2u);

    // A window created after the destruction never receives the old handle's traffic.
    HWND fresh = QVCreateWindow(recordingProc);
    EXPECT_NE(fresh, doomed);
    EXPECT_EQ(QVPostMessage(doomed, 4, 4, 0), 0);
    QVDestroyWindow(fresh);
    QVDestroyWindow(kept);
    QVDestroyWindow(nullptr);
}

LRESULT repostingProc(HWND window, unsigned int msg, WPARAM wParam, LPARAM lParam)
{
    t_received.push_back({std::this_thread::get_id(), msg, wParam, lParam});
    if (wParam < 3)
        QVPostMessage(window, msg, wParam + 1, 0);
    return 0;
}

TEST_F(MessagesTest, MessagesPostedWhileDispatchingAreDeliveredToo)
{
    HWND window = QVCreateWindow(repostingProc);
    QVPostMessage(window, 9, 0, 0);
    EXPECT_EQ(QVDispatchMessages(), 4);
    EXPECT_EQ(t_received.size(), 4u);
    EXPECT_FALSE(fdReadable(QVMessageQueueFd()));
    QVDestroyWindow(window);
}

} // namespace
