// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>

/// The numbered messages of the history database. Each is a leading text
/// with the message number, the driver's error text and a closing "').",
/// translated in the context "QApplication".
class VocalyneHistoryMessages
{
public:
    enum class Lead {
        Created, ///< "The history database cannot be created. Message # %1 ('"
        Opened,  ///< "The history database cannot be opened. Message # %1. ('"
        Updated, ///< "The history database cannot be updated.\nMessage # %1. ('"
    };

    // The message numbers by operation.
    static constexpr int StartupOpen = 1000;
    static constexpr int StartupCreate = 1001;
    static constexpr int Record = 1000;
    static constexpr int DatesOpen = 1000;
    static constexpr int DatesQuery = 1001;
    static constexpr int DayOpen = 1002;
    static constexpr int DayQuery = 1003;
    static constexpr int MaintenanceOpen = 1005;
    static constexpr int MaintenanceStatement = 1006;

    /// The whole message.
    static QString text(Lead lead, int number, const QString &driverText);
};
