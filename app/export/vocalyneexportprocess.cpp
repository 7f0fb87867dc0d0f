// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneexportprocess.h"

#include "vocalyneexportbatch.h"
#include "vocalyneexportexitcodes.h"
#include "vocalyneexportfiles.h"
#include "vocalyneexportreporter.h"

#include <QCoreApplication>
#include <QFile>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <climits>

namespace {

QString appText(const char *text)
{
    return QCoreApplication::translate("QApplication", text);
}

} // namespace

VocalyneExportProcess::VocalyneExportProcess(QWidget *mainWindow, VocalyneExportReporter *reporter,
                                             const QString &outputPath, bool isMP3,
                                             VocalyneExportBatch *batch, int row)
    : QProcess(mainWindow), m_mainWindow(mainWindow), m_reporter(reporter),
      m_outputPath(outputPath), m_isMP3(isMP3), m_timer(new QTimer(this)), m_batch(batch),
      m_row(row)
{
    static std::atomic<quint64> serials{0};
    m_serial = ++serials;
    connect(this, &QProcess::started, this, &VocalyneExportProcess::onStart);
    connect(this, &QProcess::errorOccurred, this, &VocalyneExportProcess::onError);
    connect(this, &QProcess::finished, this, &VocalyneExportProcess::onFinished);
    connect(m_timer, &QTimer::timeout, this, &VocalyneExportProcess::onTimer);
}

VocalyneExportProcess::~VocalyneExportProcess()
{
    // The main window going away mid-export takes the worker with it.
    if (state() != QProcess::NotRunning) {
        disconnect(this, nullptr, this, nullptr);
        kill();
        waitForFinished(3000);
        removeCreatedFiles();
    }
    delete m_dialog;
}

void VocalyneExportProcess::startWorker(const QString &program, const QStringList &arguments)
{
    m_outputExisted = QFileInfo::exists(m_outputPath);
    m_intermediateExisted =
        m_isMP3 && QFileInfo::exists(VocalyneExportFiles::intermediatePath(m_outputPath));
    start(program, arguments, QIODevice::ReadWrite);
}

void VocalyneExportProcess::onStart()
{
    m_workerPid = processId();
    if (m_batch)
        return;
    m_dialog = new QProgressDialog(
        appText(QT_TRANSLATE_NOOP("QApplication", "Exporting speech to audio file...")),
        appText(QT_TRANSLATE_NOOP("QApplication", "Abort")), 0, 10, m_mainWindow);
    m_dialog->setWindowTitle(appText(QT_TRANSLATE_NOOP("QApplication", "Vocalyne")));
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setMinimumDuration(0);
    connect(m_dialog, &QProgressDialog::canceled, this, &VocalyneExportProcess::abort);
    m_dialog->show();
    m_dialog->activateWindow();
    m_timer->start(300);
}

void VocalyneExportProcess::onTimer()
{
    if (!m_dialog)
        return;
    if (m_progress >= 10)
        m_progress = 0;
    m_dialog->setValue(m_progress);
    ++m_progress;
}

void VocalyneExportProcess::closeDialog()
{
    m_timer->stop();
    if (!m_dialog)
        return;
    // Closing a progress dialog counts as a cancel; the worker has ended.
    disconnect(m_dialog, nullptr, this, nullptr);
    m_dialog->setValue(10);
    m_dialog->close();
    m_dialog->deleteLater();
    m_dialog = nullptr;
}

void VocalyneExportProcess::removeCreatedFiles()
{
    // Only what this export made goes. The worker writes under a partial
    // name and puts the output in place when whole, so an output that was
    // there before is the user's and stays.
    if (m_workerPid != 0)
        QFile::remove(VocalyneExportFiles::partialPath(m_outputPath, m_workerPid));
    if (!m_outputExisted)
        QFile::remove(m_outputPath);
    if (m_isMP3 && !m_intermediateExisted)
        QFile::remove(VocalyneExportFiles::intermediatePath(m_outputPath));
}

void VocalyneExportProcess::endBatchWorker()
{
    if (!m_batch)
        return;
    // The batch is over whichever way its last row ended: a row that could
    // not start or whose worker died has its failure in its status, and the
    // user still needs Next to reach the log. Only a cancelled batch ends
    // without the announcement, as the user closed it.
    if (m_batch->workerEnded(this) && !m_aborted && !m_batch->isCancelled() && m_reporter)
        m_reporter->batchEnded();
}

void VocalyneExportProcess::abort()
{
    if (state() == QProcess::NotRunning)
        return;
    m_aborted = true;
    kill();
}

void VocalyneExportProcess::onError(QProcess::ProcessError error)
{
    if (m_ended)
        return;
    switch (error) {
    case QProcess::FailedToStart:
        m_ended = true;
        closeDialog();
        if (m_reporter)
            m_reporter->report(appText(QT_TRANSLATE_NOOP(
                                   "QApplication",
                                   "The export process failed to start. Either the invoked program "
                                   "is missing, or you may have insufficient permissions to invoke "
                                   "the program.")),
                               -1, m_row);
        removeCreatedFiles();
        // A worker that never ran still ends its row, or the batch would
        // wait for it forever.
        endBatchWorker();
        emit exportEnded(INT_MIN);
        return;
    case QProcess::Crashed:
        // The worker's end follows in onFinished, which cleans up.
        removeCreatedFiles();
        if (m_batch)
            m_batch->releaseSlot(this);
        return;
    default:
        if (m_reporter)
            m_reporter->report(
                appText(QT_TRANSLATE_NOOP("QApplication", "An unknown error occurred.")), -1,
                m_row);
        if (m_batch)
            m_batch->releaseSlot(this);
        return;
    }
}

void VocalyneExportProcess::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    if (m_ended)
        return;
    m_ended = true;
    closeDialog();
    if (exitStatus == QProcess::CrashExit) {
        removeCreatedFiles();
        // An abort is the user's own choice and needs no message; a worker
        // that died by itself must not pass in silence.
        if (!m_aborted && m_reporter) {
            m_reporter->report(VocalyneExportExitCodes::report(
                                   qBound(VocalyneExportExitCodes::FirstEngineCode, exitCode,
                                          VocalyneExportExitCodes::LastEngineCode))
                                   .message,
                               -1, m_row);
        }
        endBatchWorker();
        emit exportEnded(INT_MIN);
        return;
    }
    const int code = VocalyneExportExitCodes::normalise(exitCode);
    const VocalyneExportExitCodes::Report report = VocalyneExportExitCodes::report(code);
    if (report.shown && m_reporter)
        m_reporter->report(report.message, report.status, m_row);
    if (code != 0)
        removeCreatedFiles();
    endBatchWorker();
    emit exportEnded(code);
}
