// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynehistorystore.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

const char *const VocalyneHistoryStore::CreateStatement =
    "CREATE TABLE HISTORY (ID INTEGER PRIMARY KEY AUTOINCREMENT, HISTDATE INT, FILEPATH TEXT)";

namespace {

// SQLite's primary result codes that matter here.
constexpr int SqliteError = 1;
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;

int primaryCode(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    // Extended codes carry the primary code in their low byte.
    return ok ? (code & 0xff) : 0;
}

QString errorText(const QSqlError &error)
{
    const QString text = error.text().trimmed();
    return text.isEmpty() ? error.driverText() : text;
}

VocalyneHistoryStore::Result failure(VocalyneHistoryStore::Outcome outcome, const QSqlError &error)
{
    VocalyneHistoryStore::Result result;
    result.outcome = outcome;
    result.errorText = errorText(error);
    result.sqliteCode = primaryCode(error);
    return result;
}

VocalyneHistoryStore::Result statementFailure(const QSqlQuery &query)
{
    return failure(VocalyneHistoryStore::Outcome::StatementFailed, query.lastError());
}

// Runs one statement with bound values; paths are never pasted into SQL.
VocalyneHistoryStore::Result run(QSqlDatabase &db, const QString &sql,
                                 const QVariantList &values = {})
{
    QSqlQuery query(db);
    if (!query.prepare(sql))
        return statementFailure(query);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        return statementFailure(query);
    return {};
}

bool hasHistoryTable(QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec(
            QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name='HISTORY'")))
        return true; // unknown: do not try to create it over whatever is there
    return query.next();
}

// Recording is a small write the user waits for. With a write-ahead log and
// NORMAL synchronisation a commit is one append without a flush, and readers
// in another running program never block it; the file stays intact if the
// program or the system stops half-way (at worst the newest entries are
// lost).
void tuneConnection(QSqlDatabase &db, bool fresh)
{
    run(db, QStringLiteral("PRAGMA synchronous=NORMAL"));
    if (fresh)
        run(db, QStringLiteral("PRAGMA journal_mode=WAL"));
}

// One connection of the process stays open on the history file between
// operations. The first connection to open a logged database reads the
// whole log to index it, and the last one to close folds the log into the
// file with two flushes to disk; with this one open, the connections of the
// operations are neither, so an operation costs a fraction of a millisecond.
// It is closed before the file is deleted and when the program ends.
class HeldConnection
{
public:
    static void hold(const QString &path)
    {
        if (s_path == path && QSqlDatabase::contains(name()))
            return;
        release();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name());
            db.setDatabaseName(path);
            // Never waits: it only reads once, to take part in the log.
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
            if (!db.open() || !run(db, QStringLiteral("PRAGMA synchronous=NORMAL")).ok() ||
                !run(db, QStringLiteral("SELECT COUNT(*) FROM sqlite_master")).ok()) {
                db.close();
            }
        }
        if (!QSqlDatabase::database(name(), false).isOpen()) {
            QSqlDatabase::removeDatabase(name());
            return;
        }
        s_path = path;
        static const bool registered = [] {
            qAddPostRoutine(&HeldConnection::release);
            return true;
        }();
        Q_UNUSED(registered);
    }

    static void release()
    {
        if (QSqlDatabase::contains(name())) {
            QSqlDatabase::database(name(), false).close();
            QSqlDatabase::removeDatabase(name());
        }
        s_path.clear();
    }

private:
    static QString name() { return QStringLiteral("VocalyneHistory-held"); }
    static inline QString s_path;
};

// Whether the file at path starts like an SQLite database. With a
// write-ahead log SQLite may read the first pages from the log and never
// notice that the file itself was overwritten; without the log it would
// answer "not a database", so that is what this check answers for it.
bool looksLikeDatabase(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // unreadable: SQLite reports why, and it is not damage
    static const QByteArray magic("SQLite format 3", 16);
    return file.read(magic.size()) == magic;
}

// Folds the write-ahead log into the file without waiting for readers. A
// commit does this by itself once the log passes a thousand pages; doing it
// also when the program starts and when the user browses keeps the log, which
// every first connection reads through, short, and takes the flush away from
// recording most of the time.
void checkpoint(QSqlDatabase &db)
{
    run(db, QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
}

void removeLogFiles(const QString &path)
{
    QFile::remove(path + QStringLiteral("-journal"));
    QFile::remove(path + QStringLiteral("-wal"));
    QFile::remove(path + QStringLiteral("-shm"));
}

QString connectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("VocalyneHistory-%1").arg(counter.fetchAndAddRelaxed(1));
}

} // namespace

bool VocalyneHistoryStore::Result::damaged() const
{
    return !ok() && (sqliteCode == SqliteCorrupt || sqliteCode == SqliteNotADatabase);
}

VocalyneHistoryStore::VocalyneHistoryStore(const QString &path) : m_path(path) {}

QString VocalyneHistoryStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/VocalyneHistory");
}

bool VocalyneHistoryStore::exists() const
{
    return QFileInfo::exists(m_path);
}

VocalyneHistoryStore::Result VocalyneHistoryStore::withDatabase(const Work &work)
{
    // SQLite creates the file but not its folder; the per-user data folder
    // does not exist before the program's first write.
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // An absent or empty file opens as an empty database that still needs
    // its table.
    const QFileInfo before(m_path);
    const bool fresh = !before.exists() || before.size() == 0;

    if (!before.exists()) {
        // A log without its database belongs to a file that is gone; SQLite
        // would replay it into the new one.
        HeldConnection::release();
        removeLogFiles(m_path);
    } else if (!fresh && !looksLikeDatabase(m_path)) {
        Result damaged;
        damaged.outcome = Outcome::StatementFailed;
        damaged.sqliteCode = SqliteNotADatabase;
        damaged.errorText = QStringLiteral("file is not a database");
        return damaged;
    }

    const QString name = connectionName();
    Result result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(m_path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeoutMs));
        if (!db.open()) {
            result = failure(Outcome::OpenFailed, db.lastError());
        } else {
            tuneConnection(db, fresh);
            if (fresh && !hasHistoryTable(db)) {
                // Another program may create it at the same moment; its
                // table serves as well as ours.
                run(db, QString::fromLatin1(CreateStatement));
            }
            result = work(db);
            if (result.sqliteCode == SqliteError && !hasHistoryTable(db)) {
                // A database without the table (emptied or made by another
                // program): the table is added, nothing is deleted.
                if (run(db, QString::fromLatin1(CreateStatement)).ok())
                    result = work(db);
            }
            if (result.ok())
                HeldConnection::hold(m_path);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

VocalyneHistoryStore::Result VocalyneHistoryStore::ensureCreated()
{
    if (exists()) {
        // Folds in what the last run recorded, and loads the driver now
        // rather than during the first recording the user waits for.
        // Failures are left to the operations that need the file.
        withDatabase([](QSqlDatabase &db) {
            checkpoint(db);
            return Result();
        });
        return {};
    }
    return withDatabase([](QSqlDatabase &db) {
        if (hasHistoryTable(db))
            return Result();
        return run(db, QString::fromLatin1(CreateStatement));
    });
}

void VocalyneHistoryStore::recreate()
{
    remove();
    withDatabase([](QSqlDatabase &) { return Result(); });
}

void VocalyneHistoryStore::remove()
{
    HeldConnection::release();
    QFile::remove(m_path);
    // A log left by the old file would be replayed into a new one.
    removeLogFiles(m_path);
}

bool VocalyneHistoryStore::recoverIfDamaged(const Result &result)
{
    if (!result.damaged())
        return false;
    recreate();
    return true;
}

VocalyneHistoryStore::Result VocalyneHistoryStore::record(const QString &filePath, const QDate &day)
{
    return withDatabase([&](QSqlDatabase &db) {
        // Folding the log into the file flushes both to disk, which costs
        // far more than the entry; start-up, browsing and the end of the
        // program do it, so recording only does when the log has grown to
        // thousands of entries.
        run(db, QStringLiteral("PRAGMA wal_autocheckpoint=10000"));
        return run(db, QStringLiteral("INSERT INTO HISTORY(HISTDATE,FILEPATH) VALUES(?,?)"),
                   {day.toJulianDay(), filePath});
    });
}

VocalyneHistoryStore::Result VocalyneHistoryStore::days(QList<qint64> *days)
{
    days->clear();
    return withDatabase([&](QSqlDatabase &db) {
        days->clear();
        checkpoint(db);
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT DISTINCT HISTDATE FROM HISTORY")))
            return statementFailure(query);
        while (query.next())
            days->append(query.value(0).toLongLong());
        if (query.lastError().isValid())
            return statementFailure(query);
        return Result();
    });
}

VocalyneHistoryStore::Result VocalyneHistoryStore::files(const QDate &day, QStringList *paths)
{
    paths->clear();
    return withDatabase([&](QSqlDatabase &db) {
        paths->clear();
        QSqlQuery query(db);
        query.setForwardOnly(true);
        // Grouping with MIN(ID) states "ordered by first entry" outright;
        // DISTINCT with ORDER BY on a column it drops leaves that undefined.
        if (!query.prepare(QStringLiteral("SELECT FILEPATH FROM HISTORY WHERE HISTDATE=? "
                                          "GROUP BY FILEPATH ORDER BY MIN(ID)")))
            return statementFailure(query);
        query.addBindValue(day.toJulianDay());
        if (!query.exec())
            return statementFailure(query);
        while (query.next())
            paths->append(query.value(0).toString());
        if (query.lastError().isValid())
            return statementFailure(query);
        return Result();
    });
}

VocalyneHistoryStore::Result VocalyneHistoryStore::removeAll()
{
    return withDatabase(
        [](QSqlDatabase &db) { return run(db, QStringLiteral("DELETE FROM HISTORY")); });
}

VocalyneHistoryStore::Result VocalyneHistoryStore::removeDay(const QDate &day)
{
    return withDatabase([&](QSqlDatabase &db) {
        return run(db, QStringLiteral("DELETE FROM HISTORY WHERE HISTDATE=?"), {day.toJulianDay()});
    });
}

VocalyneHistoryStore::Result VocalyneHistoryStore::removeFile(const QDate &day,
                                                              const QString &filePath)
{
    return withDatabase([&](QSqlDatabase &db) {
        return run(db, QStringLiteral("DELETE FROM HISTORY WHERE HISTDATE=? AND FILEPATH=?"),
                   {day.toJulianDay(), filePath});
    });
}

VocalyneHistoryStore::Result VocalyneHistoryStore::compact()
{
    return withDatabase([](QSqlDatabase &db) {
        Result result = run(db, QStringLiteral("VACUUM"));
        // The rebuilt pages sit in the log until it is folded in and cut.
        if (result.ok())
            result = run(db, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        return result;
    });
}

qint64 VocalyneHistoryStore::entryCount()
{
    qint64 count = -1;
    withDatabase([&](QSqlDatabase &db) {
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM HISTORY")))
            return statementFailure(query);
        if (query.next())
            count = query.value(0).toLongLong();
        return Result();
    });
    return count;
}
