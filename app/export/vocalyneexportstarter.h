// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "vocalyneexportrequest.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QSharedMemory;
class QWidget;
class VocalyneExportBatch;
class VocalyneExportProcess;
class VocalyneExportReporter;

/// Starts export workers for the main window and holds the text channel of
/// single exports: this instance's shared-memory block, with the text as
/// UTF-8 and a 0 byte, and the copy of the text placed in it. Both live
/// until the next single export starts (or the starter goes).
class VocalyneExportStarter
{
public:
    /// instanceKey: the block's key; by default the token followed by this
    /// process's id, so several running instances never share a block.
    explicit VocalyneExportStarter(const QString &instanceKey = QString());
    ~VocalyneExportStarter();
    VocalyneExportStarter(const VocalyneExportStarter &) = delete;
    VocalyneExportStarter &operator=(const VocalyneExportStarter &) = delete;

    /// The worker program: the main program's folder + "/VocalyneExporter"
    /// unless set otherwise.
    QString workerProgram() const { return m_program; }
    void setWorkerProgram(const QString &program) { m_program = program; }
    QString instanceKey() const { return m_key; }

    /// A single export of text (request.inputPath empty): replaces the
    /// previous block with one holding text, then starts the worker with
    /// the key in VOCALYNE_SHM_KEY. Reports "Out of memory." or "General
    /// access failure." through reporter and returns null when the block
    /// cannot be made (no worker starts). The process is a child of
    /// mainWindow and deletes itself once ended.
    VocalyneExportProcess *startSingle(QWidget *mainWindow, VocalyneExportReporter *reporter,
                                       VocalyneExportRequest request, const QString &text);
    /// How much nicer than the main program a batch worker runs.
    static constexpr int BatchWorkerNiceIncrement = 10;

    /// One batch row (request.inputPath holds the text file): counts the
    /// worker as running in batch and starts it as background work (nicer
    /// by BatchWorkerNiceIncrement, batch scheduling), so that the main
    /// window stays responsive while the workers take the cores.
    VocalyneExportProcess *startBatch(QWidget *mainWindow, VocalyneExportReporter *reporter,
                                      const VocalyneExportRequest &request,
                                      VocalyneExportBatch *batch, int row);

    /// The block of the last single export (null before the first).
    QSharedMemory *sharedMemory() const { return m_block.get(); }

private:
    VocalyneExportProcess *launch(VocalyneExportProcess *process,
                                  const VocalyneExportRequest &request);

    QString m_key;
    QString m_program;
    std::unique_ptr<QSharedMemory> m_block;
    QByteArray m_text;
};
