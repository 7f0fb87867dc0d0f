// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynebatchrenderer.h"

#include "qvt2sdocument.h"
#include "speechtextsource.h"
#include "vocalynebatchnames.h"
#include "vocalyneexportfiles.h"
#include "vocalynespeechtextbuilder.h"

#include <QFile>
#include <QFileInfo>
#include <QMetaObject>

VocalyneBatchRenderer::VocalyneBatchRenderer(QObject *parent) : QObject(parent) {}

VocalyneBatchRenderer::~VocalyneBatchRenderer()
{
    cancel();
    if (m_thread.joinable())
        m_thread.join();
}

void VocalyneBatchRenderer::start(const QList<QPair<int, QString>> &documents,
                                  const QString &outputFolder)
{
    if (m_thread.joinable() || documents.isEmpty())
        return;
    m_thread = std::thread([this, documents, outputFolder] { run(documents, outputFolder); });
}

bool VocalyneBatchRenderer::isDone(int row) const
{
    QMutexLocker lock(&m_mutex);
    return m_done.contains(row);
}

BatchRendering VocalyneBatchRenderer::take(int row)
{
    QMutexLocker lock(&m_mutex);
    return m_done.take(row);
}

void VocalyneBatchRenderer::cancel()
{
    m_cancelled = true;
}

void VocalyneBatchRenderer::run(const QList<QPair<int, QString>> &documents,
                                const QString &outputFolder)
{
    for (const auto &document : documents) {
        if (m_cancelled)
            return;
        BatchRendering result = render(document.first, document.second, outputFolder);
        // The batch was cancelled while this one was written: its clean-up
        // may have run already, so the file goes here.
        if (m_cancelled) {
            if (result.outcome == BatchRendering::Rendered)
                QFile::remove(result.path);
            return;
        }
        const int row = result.row;
        {
            QMutexLocker lock(&m_mutex);
            m_done.insert(row, std::move(result));
        }
        // Queued to the renderer's thread of affinity; a renderer deleted
        // meanwhile takes the call with it (its destructor waits for this
        // thread first).
        QMetaObject::invokeMethod(
            this, [this, row] { Q_EMIT rendered(row); }, Qt::QueuedConnection);
    }
}

BatchRendering VocalyneBatchRenderer::render(int row, const QString &path,
                                             const QString &outputFolder)
{
    BatchRendering result;
    result.row = row;
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        result.outcome = BatchRendering::OpenFailed;
        result.path = path;
        result.errorText = input.errorString();
        return result;
    }
    // What a file does not store (voice id, language, sentence pause) is
    // the default speech values, as in an editor that opens the document.
    QVT2SDocument document;
    document.loadDefaultSpeechValues();
    if (!document.read(input.readAll())) {
        result.outcome = BatchRendering::InvalidDocument;
        result.path = path;
        return result;
    }
    input.close();
    VocalyneSpeechTextBuilder builder;
    const QByteArray text =
        builder.buildSpeechText(document, SpeechTextSource(), false, true).text.toUtf8();

    const QString name = VocalyneBatchNames::uniqueName(
        QFileInfo(path).fileName() + VocalyneExportFiles::token() + QStringLiteral(".QV_T2S_TXT"),
        [&outputFolder](const QString &candidate) {
            return QFileInfo::exists(VocalyneExportFiles::join(outputFolder, candidate));
        });
    const QString target = VocalyneExportFiles::join(outputFolder, name);
    QFile output(target);
    if (!output.open(QIODevice::WriteOnly | QIODevice::NewOnly) || output.write(text) < 0 ||
        !output.flush()) {
        result.outcome = BatchRendering::WriteFailed;
        result.path = target;
        result.errorText = output.errorString();
        if (output.isOpen())
            output.remove();
        return result;
    }
    output.close();

    result.outcome = BatchRendering::Rendered;
    result.path = target;
    result.engineTypeId = document.engineTypeId();
    result.voiceName = document.voiceName();
    result.voiceId = document.voiceId();
    result.langId = document.langId();
    result.pitch = document.pitch();
    result.speed = document.speed();
    result.volume = document.volume();
    result.sentPause = document.pause();
    return result;
}
