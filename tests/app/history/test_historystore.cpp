// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynehistorymessages.h"
#include "vocalynehistorystore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QDate Day0(2024, 2, 28);
const QDate Day1(2024, 2, 29);
const QDate Day2(2025, 1, 5);

// A second connection for looking at or locking the file behind the store.
class RawConnection
{
public:
    explicit RawConnection(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.open();
    }
    ~RawConnection()
    {
        QSqlDatabase::database(m_name).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    bool exec(const QString &sql)
    {
        QSqlQuery query(QSqlDatabase::database(m_name));
        return query.exec(sql);
    }
    QVariant scalar(const QString &sql)
    {
        QSqlQuery query(QSqlDatabase::database(m_name));
        if (!query.exec(sql) || !query.next())
            return QVariant();
        return query.value(0);
    }

private:
    QString m_name = QStringLiteral("raw");
};

class HistoryStoreTest : public ::testing::Test
{
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("data/VocalyneHistory")); }
    void writeRandomBytes(int size)
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        QByteArray bytes(size, '\0');
        for (char &byte : bytes)
            byte = char(QRandomGenerator::global()->bounded(256));
        file.write(bytes);
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(HistoryStoreTest, EntriesAreListedByDayOncePerPathOldestFirst)
{
    VocalyneHistoryStore store(path());
    // The folder does not exist yet: the store makes it and the table.
    ASSERT_TRUE(store.ensureCreated().ok());
    {
        RawConnection raw(path());
        EXPECT_EQ(raw.scalar(QStringLiteral("SELECT sql FROM sqlite_master WHERE name='HISTORY'"))
                      .toString(),
                  QString::fromLatin1(VocalyneHistoryStore::CreateStatement));
    }

    const QString a = QStringLiteral("/docs/a.t2s");
    const QString b = QStringLiteral("/docs/b.t2s");
    const QString c = QStringLiteral("/docs/c.txt");
    for (const auto &[file, day] :
         {std::pair{a, Day1}, {b, Day1}, {a, Day1}, {c, Day2}, {b, Day0}, {c, Day1}, {a, Day1}})
        ASSERT_TRUE(store.record(file, day).ok());
    EXPECT_EQ(store.entryCount(), 7);

    QList<qint64> days;
    ASSERT_TRUE(store.days(&days).ok());
    EXPECT_EQ(days, (QList<qint64>{Day1.toJulianDay(), Day2.toJulianDay(), Day0.toJulianDay()}));

    QStringList files;
    ASSERT_TRUE(store.files(Day1, &files).ok());
    EXPECT_EQ(files, (QStringList{a, b, c}));
    ASSERT_TRUE(store.files(Day0, &files).ok());
    EXPECT_EQ(files, QStringList{b});
    ASSERT_TRUE(store.files(QDate(2000, 1, 1), &files).ok());
    EXPECT_TRUE(files.isEmpty());

    // The start-up check leaves an existing history alone.
    ASSERT_TRUE(store.ensureCreated().ok());
    EXPECT_EQ(store.entryCount(), 7);
}

TEST_F(HistoryStoreTest, QuotesAndStatementLikeTextInPathsAreKeptAndDeletedExactly)
{
    VocalyneHistoryStore store(path());
    const QString quoted = QStringLiteral("/home/o'neil/It's \"done\".t2s");
    const QString hostile = QStringLiteral("/tmp/x'); DELETE FROM HISTORY; --.t2s");
    const QString plain = QStringLiteral("/tmp/plain.t2s");
    for (const QString &file : {quoted, hostile, plain})
        ASSERT_TRUE(store.record(file, Day1).ok());

    QStringList files;
    ASSERT_TRUE(store.files(Day1, &files).ok());
    EXPECT_EQ(files, (QStringList{quoted, hostile, plain}));

    ASSERT_TRUE(store.removeFile(Day1, quoted).ok());
    ASSERT_TRUE(store.removeFile(Day1, hostile).ok());
    ASSERT_TRUE(store.files(Day1, &files).ok());
    EXPECT_EQ(files, QStringList{plain});
}

TEST_F(HistoryStoreTest, DeletingAFileADayAndEverything)
{
    VocalyneHistoryStore store(path());
    const QString a = QStringLiteral("/a.t2s");
    const QString b = QStringLiteral("/b.t2s");
    for (const auto &[file, day] : {std::pair{a, Day1}, {a, Day1}, {b, Day1}, {a, Day2}, {b, Day2}})
        ASSERT_TRUE(store.record(file, day).ok());

    // A file goes from its own day only, every entry of it.
    ASSERT_TRUE(store.removeFile(Day1, a).ok());
    QStringList files;
    store.files(Day1, &files);
    EXPECT_EQ(files, QStringList{b});
    store.files(Day2, &files);
    EXPECT_EQ(files, (QStringList{a, b}));

    ASSERT_TRUE(store.removeDay(Day2).ok());
    QList<qint64> days;
    store.days(&days);
    EXPECT_EQ(days, QList<qint64>{Day1.toJulianDay()});

    ASSERT_TRUE(store.removeAll().ok());
    EXPECT_EQ(store.entryCount(), 0);
    ASSERT_TRUE(store.compact().ok());
    ASSERT_TRUE(store.record(a, Day0).ok());
    EXPECT_EQ(store.entryCount(), 1);
}

TEST_F(HistoryStoreTest, ADamagedFileIsRecognisedAndReplacedByAnEmptyHistory)
{
    QDir().mkpath(QFileInfo(path()).absolutePath());
    writeRandomBytes(16384);
    VocalyneHistoryStore store(path());
    const VocalyneHistoryStore::Result failed = store.record(QStringLiteral("/a.t2s"), Day1);
    ASSERT_FALSE(failed.ok());
    EXPECT_TRUE(failed.damaged()) << failed.sqliteCode << " " << failed.errorText.toStdString();
    EXPECT_FALSE(failed.errorText.isEmpty());

    EXPECT_TRUE(store.recoverIfDamaged(failed));
    EXPECT_EQ(store.entryCount(), 0);
    ASSERT_TRUE(store.record(QStringLiteral("/a.t2s"), Day1).ok());
    EXPECT_EQ(store.entryCount(), 1);
}

TEST_F(HistoryStoreTest, AnOverwrittenFileIsNoticedEvenWhileItsLogHoldsThePages)
{
    VocalyneHistoryStore store(path());
    ASSERT_TRUE(store.record(QStringLiteral("/a.t2s"), Day1).ok());
    ASSERT_TRUE(QFile::exists(path() + QStringLiteral("-wal")));
    writeRandomBytes(8192);
    const VocalyneHistoryStore::Result failed = store.record(QStringLiteral("/b.t2s"), Day1);
    EXPECT_TRUE(failed.damaged());
    EXPECT_TRUE(store.recoverIfDamaged(failed));
    // Nothing of the old log may come back into the new file.
    EXPECT_EQ(store.entryCount(), 0);
    ASSERT_TRUE(store.record(QStringLiteral("/c.t2s"), Day1).ok());
    QStringList files;
    ASSERT_TRUE(store.files(Day1, &files).ok());
    EXPECT_EQ(files, QStringList{QStringLiteral("/c.t2s")});
}

TEST_F(HistoryStoreTest, ALockedFileIsReportedButNeverReplaced)
{
    VocalyneHistoryStore store(path());
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(store.record(QStringLiteral("/kept%1.t2s").arg(i), Day1).ok());

    store.setBusyTimeout(150);
    {
        RawConnection other(path());
        ASSERT_TRUE(other.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        const VocalyneHistoryStore::Result busy = store.record(QStringLiteral("/new.t2s"), Day1);
        ASSERT_FALSE(busy.ok());
        EXPECT_FALSE(busy.damaged()) << busy.sqliteCode;
        EXPECT_FALSE(store.recoverIfDamaged(busy));
        // Reading goes on while another program writes.
        QStringList files;
        EXPECT_TRUE(store.files(Day1, &files).ok());
        EXPECT_EQ(files.size(), 3);
        other.exec(QStringLiteral("ROLLBACK"));
    }
    EXPECT_EQ(store.entryCount(), 3);
    EXPECT_TRUE(store.record(QStringLiteral("/new.t2s"), Day1).ok());
    EXPECT_EQ(store.entryCount(), 4);
}

TEST_F(HistoryStoreTest, ADatabaseWithoutTheTableGetsItAndKeepsItsOtherData)
{
    QDir().mkpath(QFileInfo(path()).absolutePath());
    {
        RawConnection raw(path());
        ASSERT_TRUE(raw.exec(QStringLiteral("CREATE TABLE OTHER (X INT)")));
        ASSERT_TRUE(raw.exec(QStringLiteral("INSERT INTO OTHER VALUES (42)")));
    }
    VocalyneHistoryStore store(path());
    ASSERT_TRUE(store.record(QStringLiteral("/a.t2s"), Day1).ok());
    EXPECT_EQ(store.entryCount(), 1);
    RawConnection raw(path());
    EXPECT_EQ(raw.scalar(QStringLiteral("SELECT X FROM OTHER")).toInt(), 42);
}

TEST_F(HistoryStoreTest, TwoProgramsRecordingAtOnceLoseNothing)
{
    VocalyneHistoryStore store(path());
    ASSERT_TRUE(store.ensureCreated().ok());
    const QString recorder =
        QCoreApplication::applicationDirPath() + QStringLiteral("/history_recorder");
    ASSERT_TRUE(QFile::exists(recorder));
    constexpr int PerProgram = 150;
    QProcess first;
    QProcess second;
    first.start(recorder, {path(), QString::number(PerProgram), QStringLiteral("/first/")});
    second.start(recorder, {path(), QString::number(PerProgram), QStringLiteral("/second/")});
    ASSERT_TRUE(first.waitForFinished(120000));
    ASSERT_TRUE(second.waitForFinished(120000));
    EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();

    EXPECT_EQ(store.entryCount(), 2 * PerProgram);
    QStringList files;
    ASSERT_TRUE(store.files(QDate::currentDate(), &files).ok());
    EXPECT_EQ(QSet<QString>(files.begin(), files.end()).size(), 2 * PerProgram);
}

TEST(HistoryMessages, NumberedTextsAroundTheDriverText)
{
    using M = VocalyneHistoryMessages;
    EXPECT_EQ(M::text(M::Lead::Created, 1001, QStringLiteral("disk I/O error")),
              QStringLiteral("The history database cannot be created. Message # 1001 ('disk I/O "
                             "error')."));
    EXPECT_EQ(M::text(M::Lead::Updated, 1000, QStringLiteral("x")),
              QStringLiteral("The history database cannot be updated.\nMessage # 1000. ('x')."));
    EXPECT_EQ(M::text(M::Lead::Opened, 1003, QString()),
              QStringLiteral("The history database cannot be opened. Message # 1003. ('')."));
}
