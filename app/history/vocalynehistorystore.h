// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QSqlDatabase;

/// The document history: one SQLite table HISTORY (ID, HISTDATE, FILEPATH)
/// recording, per local day (a Julian day number), which document files were
/// opened or first saved. The same path may be recorded many times.
///
/// Every operation opens its own connection and closes it before returning
/// (one more stays open between operations, to keep them fast), so several
/// running programs share the file; a busy or locked database is
/// waited for up to busyTimeout() milliseconds and then reported, never
/// treated as damage. GUI-free; call from one thread at a time.
class VocalyneHistoryStore
{
public:
    /// The exact table definition of the history file.
    static const char *const CreateStatement;
    /// How long an operation waits for another program's lock by default.
    static constexpr int DefaultBusyTimeoutMs = 5000;

    /// How an operation ended.
    enum class Outcome {
        Ok,
        OpenFailed,      ///< the file could not be opened
        StatementFailed, ///< the file opened, the statement failed
    };

    struct Result
    {
        Outcome outcome = Outcome::Ok;
        QString errorText;  ///< the driver's error text (empty on success)
        int sqliteCode = 0; ///< SQLite's primary result code of the failure, 0 if unknown

        bool ok() const { return outcome == Outcome::Ok; }
        /// SQLite said the file is damaged or is not a database at all.
        /// Busy, locked, full, read-only and I/O failures are not damage.
        bool damaged() const;
    };

    /// A store on the file at path.
    explicit VocalyneHistoryStore(const QString &path = defaultPath());

    /// "VocalyneHistory" in the per-user data folder of the application.
    static QString defaultPath();

    QString path() const { return m_path; }
    bool exists() const;

    int busyTimeout() const { return m_busyTimeoutMs; }
    void setBusyTimeout(int milliseconds) { m_busyTimeoutMs = milliseconds; }

    /// Start-up check: when the file is missing, creates it with the table.
    /// An existing file is left as it is.
    Result ensureCreated();

    /// Deletes the file and its log (a connection this program keeps open
    /// on it is closed first).
    void remove();

    /// Deletes the file and creates an empty history. Failures are ignored.
    void recreate();

    /// Replaces the file by an empty history when result says it is damaged;
    /// true when it did. Any other failure leaves the file alone, so a
    /// passing fault never costs the user their history.
    bool recoverIfDamaged(const Result &result);

    /// Adds one entry for path on day.
    Result record(const QString &filePath, const QDate &day);

    /// The distinct days that have entries, as Julian day numbers, in the
    /// order the database returns them.
    Result days(QList<qint64> *days);

    /// The distinct paths recorded on day, ordered by their first entry
    /// that day (oldest first).
    Result files(const QDate &day, QStringList *paths);

    /// Deletes every entry.
    Result removeAll();
    /// Deletes the entries of day.
    Result removeDay(const QDate &day);
    /// Deletes the entries of filePath on day.
    Result removeFile(const QDate &day, const QString &filePath);

    /// Rebuilds the file without its free pages (VACUUM).
    Result compact();

    /// The number of rows (every entry, repeats included); -1 on failure.
    qint64 entryCount();

private:
    using Work = std::function<Result(QSqlDatabase &)>;
    /// Opens a private connection, runs work and removes the connection.
    Result withDatabase(const Work &work);

    QString m_path;
    int m_busyTimeoutMs = DefaultBusyTimeoutMs;
};
