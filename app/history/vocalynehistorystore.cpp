// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynehistorystore.h"

#include <QAtomicInt>
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

VocalyneHistoryStore::Result failure(VocalyneHistoryStore::Outcome outcome,
                                     const QSqlError &error)
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
    if (!query.exec(QStringLiteral(
            "SELECT 1 FROM sqlite_master WHERE type='table' AND name='HISTORY'")))
        return true; // unknown: do not try to create it over whatever is there
    return query.next();
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

VocalyneHistoryStore::VocalyneHistoryStore(const QString &path)
    : m_path(path)
{
}

QString VocalyneHistoryStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
           + QStringLiteral("/VocalyneHistory");
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

    const QString name = connectionName();
    Result result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(m_path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeoutMs));
        if (!db.open()) {
            result = failure(Outcome::OpenFailed, db.lastError());
        } else {
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
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

VocalyneHistoryStore::Result VocalyneHistoryStore::ensureCreated()
{
    if (exists())
        return {};
    return withDatabase([](QSqlDatabase &db) {
        if (hasHistoryTable(db))
            return Result();
        return run(db, QString::fromLatin1(CreateStatement));
    });
}

void VocalyneHistoryStore::recreate()
{
    QFile::remove(m_path);
    // A journal left by the damaged file would be replayed into the new one.
    QFile::remove(m_path + QStringLiteral("-journal"));
    QFile::remove(m_path + QStringLiteral("-wal"));
    QFile::remove(m_path + QStringLiteral("-shm"));
    withDatabase([](QSqlDatabase &) { return Result(); });
}

bool VocalyneHistoryStore::recoverIfDamaged(const Result &result)
{
    if (!result.damaged())
        return false;
    recreate();
    return true;
}

VocalyneHistoryStore::Result VocalyneHistoryStore::record(const QString &filePath,
                                                          const QDate &day)
{
    return withDatabase([&](QSqlDatabase &db) {
        return run(db, QStringLiteral("INSERT INTO HISTORY(HISTDATE,FILEPATH) VALUES(?,?)"),
                   {day.toJulianDay(), filePath});
    });
}

VocalyneHistoryStore::Result VocalyneHistoryStore::days(QList<qint64> *days)
{
    days->clear();
    return withDatabase([&](QSqlDatabase &db) {
        days->clear();
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
        return run(db, QStringLiteral("DELETE FROM HISTORY WHERE HISTDATE=?"),
                   {day.toJulianDay()});
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
    return withDatabase([](QSqlDatabase &db) { return run(db, QStringLiteral("VACUUM")); });
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
