// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneexportstarter.h"

#include "vocalyneexportbatch.h"
#include "vocalyneexportfiles.h"
#include "vocalyneexportprocess.h"
#include "vocalyneexportreporter.h"
#include "vocalynelocations.h"

#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QSharedMemory>

#include <cerrno>
#include <cstring>
#include <new>

#include <sched.h>
#include <unistd.h>

VocalyneExportStarter::VocalyneExportStarter(const QString &instanceKey)
    : m_key(instanceKey.isEmpty()
                ? VocalyneExportFiles::instanceSharedMemoryKey(QCoreApplication::applicationPid())
                : instanceKey),
      m_program(VocalyneLocations::current().helper(QStringLiteral("VocalyneExporter")))
{
}

VocalyneExportStarter::~VocalyneExportStarter() = default;

VocalyneExportProcess *VocalyneExportStarter::startSingle(QWidget *mainWindow,
                                                          VocalyneExportReporter *reporter,
                                                          VocalyneExportRequest request,
                                                          const QString &text)
{
    // The previous export's block goes now, not when its worker ended: a
    // worker may still be reading it until then.
    m_block.reset();
    m_text.clear();
    request.inputPath.clear();

    const auto fail = [&](const char *message) -> VocalyneExportProcess * {
        if (reporter)
            reporter->report(QCoreApplication::translate("QApplication", message), -1, -1);
        return nullptr;
    };

    // Every 8-bit text handed to the worker is UTF-8 here, whatever the
    // voice's engine type: any narrower codec would silence letters.
    try {
        m_text = text.toUtf8();
        // The text ends at its first 0 character, as the worker reads it.
        const qsizetype zero = m_text.indexOf('\0');
        if (zero >= 0)
            m_text.truncate(zero);
        m_text.append('\0');
    } catch (const std::bad_alloc &) {
        m_text = QByteArray();
        return fail(QT_TRANSLATE_NOOP("QApplication", "Out of memory."));
    }

    // The system derives a block's id from a file name by a hash that can
    // meet another program's block, and a block left by a crashed earlier run
    // under the same process id stays until the machine restarts. Writing into
    // a block that exists could overwrite another program's memory: a taken
    // id is passed by with the next key instead, and the worker is told the
    // key in use.
    QString key = m_key;
    for (int attempt = 0; attempt < 16; ++attempt) {
        if (attempt > 0)
            key = m_key + QLatin1Char('-') + QString::number(attempt);
        m_block = std::make_unique<QSharedMemory>(key);
        if (m_block->create(m_text.size(), QSharedMemory::ReadWrite))
            break;
        m_block.reset();
    }
    if (!m_block) {
        return fail(QT_TRANSLATE_NOOP("QApplication", "General access failure."));
    }
    m_block->lock();
    std::memcpy(m_block->data(), m_text.constData(), size_t(m_text.size()));
    m_block->unlock();

    auto *process =
        new VocalyneExportProcess(mainWindow, reporter, request.outputPath, request.isMP3);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(VocalyneExportFiles::sharedMemoryKeyVariable()), key);
    process->setProcessEnvironment(environment);
    return launch(process, request);
}

VocalyneExportProcess *VocalyneExportStarter::startBatch(QWidget *mainWindow,
                                                         VocalyneExportReporter *reporter,
                                                         const VocalyneExportRequest &request,
                                                         VocalyneExportBatch *batch, int row)
{
    auto *process = new VocalyneExportProcess(mainWindow, reporter, request.outputPath,
                                              request.isMP3, batch, row);
    // A batch keeps several workers busy for a long time, on a machine with
    // fewer cores than that. At the same priority the window's thread
    // queues behind them for tens of milliseconds each time it wakes; as
    // background work they give way to it (and to whatever else the user
    // does) and still take every core nobody else wants. Runs in the child
    // between fork and exec: system calls only.
    process->setChildProcessModifier([] {
        errno = 0;
        (void)::nice(BatchWorkerNiceIncrement);
        sched_param parameters{};
        parameters.sched_priority = 0;
        (void)::sched_setscheduler(0, SCHED_BATCH, &parameters);
    });
    batch->workerStarting(process);
    return launch(process, request);
}

VocalyneExportProcess *VocalyneExportStarter::launch(VocalyneExportProcess *process,
                                                     const VocalyneExportRequest &request)
{
    // Nothing refers to a worker once its end has been handled.
    QObject::connect(process, &VocalyneExportProcess::exportEnded, process, &QObject::deleteLater);
    process->startWorker(m_program, request.toArguments());
    return process;
}
