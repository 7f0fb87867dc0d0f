// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneexportbatch.h"

#include "vocalyneexportprocess.h"

#include <QDir>
#include <QFile>

VocalyneExportBatch::VocalyneExportBatch(int rowCount, const QString &outputFolder)
    : m_rowCount(rowCount), m_outputFolder(outputFolder)
{
}

int VocalyneExportBatch::runningCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_runningCount;
}

void VocalyneExportBatch::setRunningCount(int count)
{
    QMutexLocker lock(&m_mutex);
    m_runningCount = count;
}

void VocalyneExportBatch::workerStarting(VocalyneExportProcess *process)
{
    QMutexLocker lock(&m_mutex);
    ++m_runningCount;
    m_running.append(process);
}

bool VocalyneExportBatch::releaseSlot(VocalyneExportProcess *process)
{
    QMutexLocker lock(&m_mutex);
    // A crashing worker reports both an error and its end; the slot it held
    // must come free once, or the batch would start too many workers.
    if (m_released.contains(process->serial()))
        return false;
    m_released.insert(process->serial());
    --m_runningCount;
    m_running.removeAll(process);
    return true;
}

bool VocalyneExportBatch::workerEnded(VocalyneExportProcess *process)
{
    releaseSlot(process);
    {
        QMutexLocker lock(&m_mutex);
        if (m_ended.contains(process->serial()))
            return false;
        m_ended.insert(process->serial());
        ++m_finished;
        if (m_finished != m_rowCount)
            return false;
    }
    deleteTemporaryTexts();
    return true;
}

void VocalyneExportBatch::deleteTemporaryTexts() const
{
    const QDir folder(m_outputFolder);
    const QStringList names = folder.entryList({QStringLiteral("*.QV_T2S_TXT")},
                                               QDir::Files | QDir::Hidden | QDir::CaseSensitive);
    for (const QString &name : names)
        QFile::remove(folder.filePath(name));
}
