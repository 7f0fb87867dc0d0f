// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The main program's side of exporting, with the real worker program: the
// progress dialog and its Abort, the reports of exit codes, what is left on
// disk after failures, two instances at once and the batch's slots.
#include "messagerecorder.h"
#include "vocalyneexportbatch.h"
#include "vocalyneexportcatalogue.h"
#include "vocalyneexportfiles.h"
#include "vocalyneexportprocess.h"
#include "vocalyneexportreporter.h"
#include "vocalyneexportstarter.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSharedMemory>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <cerrno>
#include <climits>
#include <csignal>
#include <sched.h>
#include <sndfile.h>
#include <sys/resource.h>

namespace {

const QString kShort = QStringLiteral("A short export. It is done.");

QString longText(int sentences)
{
    QString text;
    for (int i = 0; i < sentences; ++i)
        text += QStringLiteral("This sentence is spoken again and again to make a long export. ");
    return text;
}

double secondsOf(const QString &path)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return 0;
    sf_close(file);
    return double(info.frames) / info.samplerate;
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class RecordingReporter : public VocalyneExportReporter
{
public:
    void report(const QString &message, int status, int row) override
    {
        reports.append({message, status, row});
    }
    void batchEnded() override { ++ends; }

    struct Entry
    {
        QString message;
        int status;
        int row;
    };
    QList<Entry> reports;
    int ends = 0;
};

class ExportProcess : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_starter.setWorkerProgram(QStringLiteral(VOCALYNE_EXPORTER_PROGRAM));
    }

    VocalyneExportRequest request(const QString &name, int row, bool mp3 = false) const
    {
        VocalyneExportRequest r;
        r.voiceName = QStringLiteral("espeak-ng English (America)");
        r.outputPath = VocalyneExportFiles::join(m_dir.path(), name);
        ExportSettingData format = VocalyneExportCatalogue::row(row);
        format.isMP3 = mp3;
        r.setFormat(format);
        r.isXml = false;
        return r;
    }

    // Starts a single export and records its end.
    VocalyneExportProcess *start(VocalyneExportStarter &starter, const VocalyneExportRequest &r,
                                 const QString &text, int *ended)
    {
        VocalyneExportProcess *process = starter.startSingle(&m_window, &m_reporter, r, text);
        if (process)
            QObject::connect(process, &VocalyneExportProcess::exportEnded,
                             [ended](int code) { *ended = code; });
        return process;
    }

    QStringList files() const
    {
        return QDir(m_dir.path())
            .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    MessageRecorder m_messages;
    QWidget m_window;
    VocalyneExportMessageReporter m_reporter{&m_window};
    QTemporaryDir m_dir;
    VocalyneExportStarter m_starter{VocalyneExportFiles::token() + QStringLiteral("test1")};
};

constexpr int kNotEnded = INT_MAX;

} // namespace

TEST_F(ExportProcess, SingleExportShowsProgressAndReportsSuccess)
{
    int ended = kNotEnded;
    VocalyneExportProcess *process =
        start(m_starter, request(QStringLiteral("talk.mp3"), 20, true), longText(30), &ended);
    ASSERT_NE(process, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return process->progressDialog() != nullptr; }, 10000));
    QProgressDialog *dialog = process->progressDialog();
    EXPECT_EQ(dialog->labelText(), QStringLiteral("Exporting speech to audio file..."));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Vocalyne"));
    EXPECT_EQ(dialog->maximum(), 10);
    EXPECT_TRUE(dialog->isVisible());
    bool abortButton = false;
    for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
        abortButton = abortButton || button->text() == QStringLiteral("Abort");
    EXPECT_TRUE(abortButton);
    QPointer<QProgressDialog> watched = dialog;

    ASSERT_TRUE(QTest::qWaitFor([&] { return ended != kNotEnded; }, 60000));
    EXPECT_EQ(ended, 0);
    ASSERT_EQ(m_messages.messages.size(), 1);
    EXPECT_EQ(m_messages.messages.at(0).kind, VocalyneMessageService::Kind::Information);
    EXPECT_EQ(m_messages.messages.at(0).title, QStringLiteral("Vocalyne"));
    EXPECT_EQ(m_messages.messages.at(0).text, QStringLiteral("Export successful!"));
    QTest::qWait(50);
    EXPECT_TRUE(watched.isNull() || !watched->isVisible());
    EXPECT_EQ(files(), QStringList{QStringLiteral("talk.mp3")});
    EXPECT_GT(secondsOf(m_dir.filePath(QStringLiteral("talk.mp3"))), 10.0);
}

TEST_F(ExportProcess, ExitCodesBecomeMessagesAndFailuresLeaveNoFile)
{
    int ended = kNotEnded;
    ASSERT_TRUE(start(m_starter, request(QStringLiteral("true.wav"), 38), kShort, &ended));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended != kNotEnded; }, 30000));
    ASSERT_EQ(m_messages.messages.size(), 1);
    EXPECT_EQ(m_messages.messages.at(0).kind, VocalyneMessageService::Kind::Critical);
    EXPECT_EQ(m_messages.messages.at(0).title, QStringLiteral("Error"));
    EXPECT_EQ(m_messages.messages.at(0).text,
              QStringLiteral("Export failed with error code: %1.\nEither the process terminated "
                             "unexpectedly or the voice does not support the selected audio "
                             "format.")
                  .arg(ended));
    EXPECT_TRUE(files().isEmpty());

    // A negative code travels as an 8-bit one and is read back.
    ended = kNotEnded;
    m_messages.messages.clear();
    ASSERT_TRUE(
        start(m_starter, request(QStringLiteral("blank.wav"), 20), QStringLiteral("  "), &ended));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended != kNotEnded; }, 30000));
    EXPECT_EQ(ended, -6);
    ASSERT_EQ(m_messages.messages.size(), 1);
    EXPECT_EQ(m_messages.messages.at(0).text, QStringLiteral("Text content not found."));

    // A worker that cannot be started.
    ended = kNotEnded;
    m_messages.messages.clear();
    m_starter.setWorkerProgram(m_dir.filePath(QStringLiteral("NoSuchWorker")));
    ASSERT_TRUE(start(m_starter, request(QStringLiteral("none.wav"), 20), kShort, &ended));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended != kNotEnded; }, 30000));
    ASSERT_EQ(m_messages.messages.size(), 1);
    EXPECT_TRUE(m_messages.messages.at(0).text.startsWith(
        QStringLiteral("The export process failed to start.")));
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(ExportProcess, AbortAndKillLeaveNothingAndKeepTheUsersFile)
{
    const QString output = m_dir.filePath(QStringLiteral("mine.mp3"));
    {
        QFile file(output);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the user's earlier export");
    }
    for (const bool abort : {true, false}) {
        for (const bool mp3 : {true, false}) {
            SCOPED_TRACE(abort ? "abort" : "kill -9");
            SCOPED_TRACE(mp3 ? "mp3" : "wav");
            m_messages.messages.clear();
            int ended = kNotEnded;
            VocalyneExportProcess *process = start(
                m_starter, request(QStringLiteral("mine.mp3"), 36, mp3), longText(3000), &ended);
            ASSERT_NE(process, nullptr);
            // Wait until the worker is writing.
            const QString writing =
                mp3 ? VocalyneExportFiles::intermediatePath(output)
                    : VocalyneExportFiles::partialPath(output, qint64(process->processId()));
            ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(writing); }, 30000));
            ASSERT_NE(process->progressDialog(), nullptr);
            if (abort) {
                QAbstractButton *button = process->progressDialog()->findChild<QAbstractButton *>();
                ASSERT_NE(button, nullptr);
                button->click();
            } else
                ::kill(pid_t(process->processId()), SIGKILL);
            ASSERT_TRUE(QTest::qWaitFor([&] { return ended != kNotEnded; }, 30000));
            EXPECT_EQ(contentOf(output), QByteArray("the user's earlier export"));
            EXPECT_EQ(files(), QStringList{QStringLiteral("mine.mp3")});
            // Abort is the user's choice; a worker killed from outside is
            // reported.
            EXPECT_EQ(m_messages.messages.size(), abort ? 0 : 1);
        }
    }
}

TEST_F(ExportProcess, ATakenBlockIsPassedByAndLeftAsItWas)
{
    // Another program's block (or one left by a crash) under this
    // instance's key: the export goes on under another key and never writes
    // into the block it does not own.
    VocalyneExportStarter starter(VocalyneExportFiles::token() + QStringLiteral("taken"));
    starter.setWorkerProgram(QStringLiteral(VOCALYNE_EXPORTER_PROGRAM));
    QSharedMemory foreign(starter.instanceKey());
    ASSERT_TRUE(foreign.create(4096));
    memset(foreign.data(), 'x', 4096);
    int ended = kNotEnded;
    ASSERT_TRUE(start(starter, request(QStringLiteral("d.wav"), 20), kShort, &ended));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended != kNotEnded; }, 60000));
    EXPECT_EQ(ended, 0);
    const double seconds = secondsOf(m_dir.filePath(QStringLiteral("d.wav")));
    EXPECT_GT(seconds, 1.0);
    EXPECT_LT(seconds, 5.0);
    EXPECT_EQ(QByteArray(static_cast<const char *>(foreign.constData()), 4096),
              QByteArray(4096, 'x'));
}

TEST_F(ExportProcess, TwoInstancesExportAtTheSameTime)
{
    VocalyneExportStarter other(VocalyneExportFiles::token() + QStringLiteral("test2"));
    other.setWorkerProgram(QStringLiteral(VOCALYNE_EXPORTER_PROGRAM));
    int endedA = kNotEnded;
    int endedB = kNotEnded;
    ASSERT_TRUE(start(m_starter, request(QStringLiteral("a.wav"), 20), longText(40), &endedA));
    ASSERT_TRUE(start(other, request(QStringLiteral("b.wav"), 20), kShort, &endedB));
    ASSERT_TRUE(QTest::qWaitFor([&] { return endedA != kNotEnded && endedB != kNotEnded; }, 60000));
    EXPECT_EQ(endedA, 0);
    EXPECT_EQ(endedB, 0);
    // Each worker spoke its own instance's text.
    const double a = secondsOf(m_dir.filePath(QStringLiteral("a.wav")));
    const double b = secondsOf(m_dir.filePath(QStringLiteral("b.wav")));
    EXPECT_GT(a, 100.0);
    EXPECT_GT(b, 1.0);
    EXPECT_LT(b, 5.0);

    // The next single export of an instance replaces its block.
    QSharedMemory *first = other.sharedMemory();
    ASSERT_NE(first, nullptr);
    int endedC = kNotEnded;
    // Whatever the voice, the text travels as UTF-8: no letter is lost.
    const QString accented = QStringLiteral("Crème brûlée für Ærø. ") + longText(2);
    ASSERT_TRUE(start(other, request(QStringLiteral("c.wav"), 20), accented, &endedC));
    QSharedMemory *second = other.sharedMemory();
    EXPECT_NE(second, first);
    ASSERT_NE(second, nullptr);
    second->lock();
    const QByteArray held(static_cast<const char *>(second->constData()), second->size());
    second->unlock();
    EXPECT_EQ(held, accented.toUtf8() + QByteArray(1, '\0'));
    ASSERT_TRUE(QTest::qWaitFor([&] { return endedC != kNotEnded; }, 60000));
    EXPECT_EQ(endedC, 0);
}

TEST_F(ExportProcess, BatchReleasesEachSlotOnceEvenWhenAWorkerCrashes)
{
    const QString folder = m_dir.path();
    QFile leftover(VocalyneExportFiles::join(folder, QStringLiteral("doc.QV_T2S_TXT")));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.write(longText(3000).toUtf8());
    leftover.close();
    QFile shortText(VocalyneExportFiles::join(folder, QStringLiteral("short.txt")));
    ASSERT_TRUE(shortText.open(QIODevice::WriteOnly));
    shortText.write(kShort.toUtf8());
    shortText.close();

    RecordingReporter reporter;
    VocalyneExportBatch batch(3, folder);
    VocalyneExportRequest longRow = request(QStringLiteral("long.wav"), 20);
    longRow.inputPath = leftover.fileName();
    VocalyneExportRequest shortRow = request(QStringLiteral("short.wav"), 20);
    shortRow.inputPath = shortText.fileName();

    VocalyneExportProcess *crashing =
        m_starter.startBatch(&m_window, &reporter, longRow, &batch, 0);
    EXPECT_EQ(batch.runningCount(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return crashing->state() == QProcess::Running; }, 10000));
    EXPECT_EQ(crashing->progressDialog(), nullptr);
    ::kill(pid_t(crashing->processId()), SIGKILL);
    ASSERT_TRUE(QTest::qWaitFor([&] { return batch.finishedCount() == 1; }, 30000));
    QTest::qWait(100);
    EXPECT_EQ(batch.runningCount(), 0);

    VocalyneExportStarter broken(VocalyneExportFiles::token() + QStringLiteral("test3"));
    broken.setWorkerProgram(m_dir.filePath(QStringLiteral("NoSuchWorker")));
    broken.startBatch(&m_window, &reporter, shortRow, &batch, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return batch.finishedCount() == 2; }, 30000));
    EXPECT_EQ(batch.runningCount(), 0);
    EXPECT_EQ(reporter.ends, 0);

    m_starter.startBatch(&m_window, &reporter, shortRow, &batch, 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return batch.finishedCount() == 3; }, 30000));
    QTest::qWait(100);
    EXPECT_EQ(batch.runningCount(), 0);
    EXPECT_TRUE(batch.running().isEmpty());
    EXPECT_EQ(reporter.ends, 1);
    EXPECT_FALSE(leftover.exists());
    EXPECT_TRUE(QFile::exists(shortRow.outputPath));
    EXPECT_FALSE(QFile::exists(longRow.outputPath));
    // Rows report into the batch table, never into message boxes.
    EXPECT_TRUE(m_messages.messages.isEmpty());
    ASSERT_EQ(reporter.reports.size(), 3);
    EXPECT_EQ(reporter.reports.at(0).row, 0);
    EXPECT_EQ(reporter.reports.at(1).row, 1);
    EXPECT_EQ(reporter.reports.at(2).row, 2);
    EXPECT_EQ(reporter.reports.at(2).status, 0);
}

TEST_F(ExportProcess, BatchWorkersRunAsBackgroundWorkSingleExportsDoNot)
{
    QFile input(VocalyneExportFiles::join(m_dir.path(), QStringLiteral("long.txt")));
    ASSERT_TRUE(input.open(QIODevice::WriteOnly));
    input.write(longText(3000).toUtf8());
    input.close();
    VocalyneExportRequest row = request(QStringLiteral("row.wav"), 20);
    row.inputPath = input.fileName();
    VocalyneExportBatch batch(1, m_dir.path());
    int single = kNotEnded;

    errno = 0;
    const int own = getpriority(PRIO_PROCESS, 0);
    VocalyneExportProcess *worker = m_starter.startBatch(&m_window, nullptr, row, &batch, 0);
    VocalyneExportProcess *alone =
        start(m_starter, request(QStringLiteral("alone.wav"), 20), longText(3000), &single);
    ASSERT_NE(alone, nullptr);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return worker->state() == QProcess::Running && alone->state() == QProcess::Running; },
        10000));
    const pid_t workerPid = pid_t(worker->processId());
    const pid_t alonePid = pid_t(alone->processId());
    errno = 0;
    EXPECT_EQ(getpriority(PRIO_PROCESS, id_t(workerPid)),
              qMin(19, own + VocalyneExportStarter::BatchWorkerNiceIncrement));
    EXPECT_EQ(sched_getscheduler(workerPid), SCHED_BATCH);
    EXPECT_EQ(getpriority(PRIO_PROCESS, id_t(alonePid)), own);
    EXPECT_EQ(sched_getscheduler(alonePid), sched_getscheduler(0));
    worker->abort();
    alone->abort();
    ASSERT_TRUE(QTest::qWaitFor([&] { return batch.finishedCount() == 1; }, 30000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return single != kNotEnded; }, 30000));
}
