// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvtts.h"
#include "vocalyneinstalledvoice.h"

#include <QList>
#include <QObject>

#include <functional>

class QSocketNotifier;

/// The main window's link to the speech engine: a message window as the
/// engine's host window, the engine's word callback, and the delivery of the
/// engine's posted messages from Qt's event loop on the GUI thread.
///
/// One host exists at a time (the engine is one per process); the word
/// callback is a plain function, so it reaches the host through a static
/// pointer.
class VocalyneEngineHost : public QObject
{
    Q_OBJECT

public:
    using WordHandler = std::function<void(int first, int last)>;

    explicit VocalyneEngineHost(QObject *parent = nullptr);
    /// Shuts the engine down and destroys the host window.
    ~VocalyneEngineHost() override;

    /// Registers the word callback, creates the host window, starts the
    /// message delivery and initialises the engine for that window.
    void start();

    /// The host window handed to the engine (null before start()).
    HWND window() const { return m_window; }

    /// Called on the GUI thread for each spoken word and (0, -1) at the end.
    void setWordHandler(WordHandler handler) { m_wordHandler = std::move(handler); }

    /// The engine's voices by index from 0 until the engine reports no more.
    static QList<VocalyneInstalledVoice> installedVoices();

private:
    static void wordCallback(int first, int last);
    static LRESULT windowProc(HWND window, unsigned int message, WPARAM wParam, LPARAM lParam);
    void dispatchMessages();

    HWND m_window = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    WordHandler m_wordHandler;
    bool m_started = false;
};
