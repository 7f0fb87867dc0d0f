// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QList>
#include <QMutex>
#include <QSet>
#include <QString>

class VocalyneExportProcess;

/// The bookkeeping of one batch export: which workers run, how many, how
/// many have ended. The running count is read and written under a mutex.
/// Each worker releases its running slot exactly once and ends exactly
/// once, however many of the process's error and finished signals arrive.
class VocalyneExportBatch
{
public:
    /// rowCount: the batch's rows; outputFolder: where its temporary
    /// speech-text files (".QV_T2S_TXT") live.
    VocalyneExportBatch(int rowCount, const QString &outputFolder);

    int runningCount() const;
    void setRunningCount(int count);
    int finishedCount() const { return m_finished; }
    int rowCount() const { return m_rowCount; }
    bool isCancelled() const { return m_cancelled; }
    void setCancelled(bool cancelled) { m_cancelled = cancelled; }
    QList<VocalyneExportProcess *> running() const { return m_running; }

    /// A worker is starting: one more running.
    void workerStarting(VocalyneExportProcess *process);
    /// The worker's slot is free (it ended, or failed to run); a second
    /// call for the same worker does nothing. Returns whether it released.
    bool releaseSlot(VocalyneExportProcess *process);
    /// The worker has ended for good (also releases its slot). Returns true
    /// when it was the batch's last one; the temporary speech-text files
    /// are then deleted. A second call for the same worker returns false.
    bool workerEnded(VocalyneExportProcess *process);

    /// Deletes every file of the output folder whose name ends in
    /// ".QV_T2S_TXT".
    void deleteTemporaryTexts() const;

private:
    mutable QMutex m_mutex;
    int m_runningCount = 0;
    int m_rowCount;
    int m_finished = 0;
    bool m_cancelled = false;
    QString m_outputFolder;
    QList<VocalyneExportProcess *> m_running;
    // By the workers' serial numbers: an ended worker's object is deleted
    // and a later one may be made at the same address.
    QSet<quint64> m_released;
    QSet<quint64> m_ended;
};
