// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "vocalynehistorymessages.h"
#include "vocalynehistorystore.h"

#include <QString>

class QWidget;

/// The history operations the user starts from the main window and the
/// preferences, with their questions, busy cursor and numbered messages.
/// All act on the history file in the per-user data folder.
class VocalyneHistoryActions
{
public:
    /// Keeps the busy cursor up for a scope, also on early returns.
    class BusyCursor
    {
    public:
        BusyCursor();
        ~BusyCursor();
        BusyCursor(const BusyCursor &) = delete;
        BusyCursor &operator=(const BusyCursor &) = delete;
    };

    /// Whether "FileHistory/record" asks for recording (on when missing).
    static bool recordingEnabled();

    /// Start-up: creates the history file when it is missing; reports
    /// failures with messages 1000 (open) and 1001 (table).
    static void startupCheck(QWidget *parent);

    /// Records path for today when recording is on. A failure is reported
    /// (message 1000) and a damaged file is replaced by an empty history.
    static void record(QWidget *parent, const QString &path);

    /// "Clear History": asks, then deletes every entry. No recovery: a
    /// failure here leaves the file as it is.
    static void clear(QWidget *parent);

    /// "Compact...": asks, then compacts the file.
    static void compact(QWidget *parent);

    /// Shows the message for a failed operation (critical, titled "Error")
    /// and, for operations that heal, replaces a damaged file. The lead
    /// text and number come from the outcome: open or statement.
    static void report(QWidget *parent, VocalyneHistoryStore &store,
                       const VocalyneHistoryStore::Result &result,
                       VocalyneHistoryMessages::Lead openLead, int openNumber,
                       VocalyneHistoryMessages::Lead statementLead, int statementNumber,
                       bool recover);
};
