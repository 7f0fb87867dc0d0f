// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvtts.h"

#include <QString>

#include <string>
#include <utility>
#include <vector>

// A host of the engine for tests: a message window whose own procedure
// records what reaches it, and the word and export callbacks recording
// their calls. One per test; the engine is initialised for its window.
class QVTTSTestHost
{
public:
    using Pair = std::pair<int, int>;

    QVTTSTestHost();
    ~QVTTSTestHost();

    HWND window() const { return m_window; }
    const InitQVTTSEngineReturnValueEx *slotTable() const { return m_slots; }

    // The catalogue name of the first voice whose name contains part; empty
    // when there is none.
    static std::string voiceContaining(const char *part);

    // Dispatches messages until count ends (0, -1) arrived or timeoutMs
    // passed; true when they arrived.
    bool waitForEnds(int count, int timeoutMs = 60000);
    // Dispatches messages until the callback has had count calls or
    // timeoutMs passed; true when they arrived.
    bool waitForCalls(size_t count, int timeoutMs = 60000);
    // Dispatches messages for about ms milliseconds.
    void pump(int ms);

    // Calls of the word callback, in order.
    static std::vector<Pair> &words();
    // Word messages that reached the host's own window procedure.
    static std::vector<Pair> &hostWords();
    static int &hostNotifications();
    static std::vector<Pair> &exports();
    static int &hostExportMessages();
    int endCount() const;

    // The (first, last) ranges of every word of text (letters and digits),
    // counted in UTF-16 units from offset.
    static std::vector<Pair> wordRanges(const QString &text, int offset = 0);
    // The callback's word pairs, without the ends.
    static std::vector<Pair> spokenWords();

private:
    HWND m_window = nullptr;
    const InitQVTTSEngineReturnValueEx *m_slots = nullptr;
};
