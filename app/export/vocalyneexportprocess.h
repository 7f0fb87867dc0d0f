// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QProgressDialog>
#include <QString>

class QTimer;
class QWidget;
class VocalyneExportBatch;
class VocalyneExportReporter;

/// One export worker process. A single export shows a window-modal progress
/// dialog whose Abort button kills the worker; the exit code becomes a
/// report; a failed, aborted or crashed export removes what it created
/// (its partial file, the WAV intermediate, an output that was not there
/// before) and never a file the user already had.
class VocalyneExportProcess : public QProcess
{
    Q_OBJECT

public:
    /// mainWindow: parent of the process and of its progress dialog;
    /// reporter: receives the reports (not owned; must outlive the
    /// process); batch: the batch's bookkeeping (null in single mode).
    VocalyneExportProcess(QWidget *mainWindow, VocalyneExportReporter *reporter,
                          const QString &outputPath, bool isMP3,
                          VocalyneExportBatch *batch = nullptr, int row = -1);
    ~VocalyneExportProcess() override;

    /// Notes which of the export's files exist already, then starts
    /// program with the arguments.
    void startWorker(const QString &program, const QStringList &arguments);

    /// Kills the worker at the user's request (the progress dialog's
    /// Abort, a batch's cancel): cleaned up like any failure, no report.
    void abort();

    QProgressDialog *progressDialog() const { return m_dialog; }
    const QString &outputPath() const { return m_outputPath; }
    bool isBatch() const { return m_batch != nullptr; }
    int row() const { return m_row; }
    /// A number no other worker object of this program run carries.
    quint64 serial() const { return m_serial; }
    /// The worker's process id while it ran (0 before it started).
    qint64 workerProcessId() const { return m_workerPid; }

signals:
    /// The export is over and cleaned up: the worker's exit code as read
    /// (codes of 128 and above as code - 256), or INT_MIN when it never
    /// ran or crashed.
    void exportEnded(int exitCode);

public slots:
    void onStart();
    void onError(QProcess::ProcessError error);
    void onFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void onTimer();

private:
    void closeDialog();
    void removeCreatedFiles();
    void endBatchWorker();

    QWidget *m_mainWindow;
    VocalyneExportReporter *m_reporter;
    QPointer<QProgressDialog> m_dialog;
    QString m_outputPath;
    bool m_isMP3;
    QTimer *m_timer;
    int m_progress = 0;
    VocalyneExportBatch *m_batch;
    int m_row;

    quint64 m_serial;
    qint64 m_workerPid = 0;
    bool m_aborted = false;
    bool m_ended = false;
    bool m_outputExisted = false;
    bool m_intermediateExisted = false;
};
