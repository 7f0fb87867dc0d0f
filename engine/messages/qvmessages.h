/* SPDX-License-Identifier: GPL-3.0-or-later */
/* SPDX-FileCopyrightText: 2026 The Vocalyne developers */
#pragma once

/*
 * Window messages for hosts and the speech engine: message windows with a
 * replaceable window procedure, a synchronous send, a thread-safe post, and a
 * pollable file descriptor per thread so that a host's event loop delivers
 * posted messages on the thread that owns the window.
 *
 * A window belongs to the thread that created it. Posted messages go into
 * that thread's queue and are delivered, in posting order, by
 * QVDispatchMessages() called on that thread (a Qt host calls it from a
 * QSocketNotifier on QVMessageQueueFd()).
 */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct QVWindow *HWND;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef LRESULT (*WNDPROC)(HWND, unsigned int, WPARAM, LPARAM);

#define WM_APP 0x8000u

/* Creates a message window owned by the calling thread with proc as its
 * window procedure (may be null: messages are then ignored). Returns null on
 * out of memory. The caller owns the window and destroys it with
 * QVDestroyWindow. */
HWND QVCreateWindow(WNDPROC proc);

/* Destroys a window; messages still queued for it are dropped. Must run on
 * the owning thread. A null window is ignored. */
void QVDestroyWindow(HWND window);

/* Replaces the window procedure and returns the previous one. */
WNDPROC QVSetWindowProc(HWND window, WNDPROC proc);

/* The current window procedure (null for an unknown window). */
WNDPROC QVGetWindowProc(HWND window);

/* Calls proc (which may be null: returns 0) with the arguments. Used by a
 * replacement procedure to pass a message on to the one it replaced. */
LRESULT QVCallWindowProc(WNDPROC proc, HWND window, unsigned int msg, WPARAM wParam,
                         LPARAM lParam);

/* Calls the window's procedure at once on the calling thread and returns its
 * result; 0 for an unknown or destroyed window. */
LRESULT QVSendMessage(HWND window, unsigned int msg, WPARAM wParam, LPARAM lParam);

/* Queues a message for the window's owning thread; safe from any thread.
 * Returns 1 when queued, 0 when the window is unknown or destroyed. */
int QVPostMessage(HWND window, unsigned int msg, WPARAM wParam, LPARAM lParam);

/* A file descriptor of the calling thread's message queue that becomes
 * readable while messages are waiting. Owned by the library; valid for the
 * thread's lifetime. -1 on failure. */
int QVMessageQueueFd(void);

/* Delivers every message waiting in the calling thread's queue, in posting
 * order, through each window's current procedure. Returns how many were
 * delivered. Messages posted while dispatching are delivered too. */
int QVDispatchMessages(void);

/* Blocks up to timeoutMs (-1: forever) until the calling thread's queue holds
 * a message, then dispatches like QVDispatchMessages. Returns the number
 * delivered (0 on time-out). For hosts without an event loop of their own. */
int QVWaitAndDispatchMessages(int timeoutMs);

#ifdef __cplusplus
}
#endif
