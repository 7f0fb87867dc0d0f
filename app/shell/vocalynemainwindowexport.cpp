// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Export to audio: the export wizard, the quick export and the export of
// the current document in a chosen format through the export worker.
#include "qvt2sdocument.h"
#include "vocalynebatchnames.h"
#include "vocalynedialogservice.h"
#include "vocalynedocumentedit.h"
#include "vocalyneexportcatalogue.h"
#include "vocalyneexporter.h"
#include "vocalyneexportfiles.h"
#include "vocalyneexportprocess.h"
#include "vocalyneexportrequest.h"
#include "vocalynemainwindow.h"
#include "vocalynemessageservice.h"
#include "vocalynesettingskeys.h"
#include "vocalynespeechtextbuilder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSettings>
#include <QTableWidget>
#include <QTextCursor>

namespace {

QString appText(const char *text)
{
    return QApplication::translate("QApplication", text);
}

void reportNoText(QWidget *parent)
{
    VocalyneMessageService::critical(
        parent, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
        appText(QT_TRANSLATE_NOOP("QApplication", "Please enter text to be exported to audio.")));
}

struct ExportFileType
{
    QString filter;
    QString extension; ///< with the dot
};

ExportFileType fileTypeOf(const ExportSettingData &format)
{
    const auto text = [](const char *source) {
        return QApplication::translate("VocalyneMainWindow", source);
    };
    // The AU row proposes ".snd" under the "*.au" filter: both names are in
    // use for the format.
    const QString extension =
        QLatin1Char('.') + VocalyneExportCatalogue::quickExportExtension(format);
    if (format.isMP3)
        return {text(QT_TRANSLATE_NOOP("VocalyneMainWindow", "MP3 files (*.mp3)")), extension};
    if (format.strToken == QLatin1String("aiff"))
        return {text(QT_TRANSLATE_NOOP("VocalyneMainWindow", "AIFF files (*.aiff)")), extension};
    if (format.strToken == QLatin1String("gsm"))
        return {text(QT_TRANSLATE_NOOP("VocalyneMainWindow", "GSM files (*.gsm)")), extension};
    if (format.strToken == QLatin1String("snd"))
        return {text(QT_TRANSLATE_NOOP("VocalyneMainWindow", "AU SND files (*.au)")), extension};
    return {text(QT_TRANSLATE_NOOP("VocalyneMainWindow", "WAV files (*.wav)")), extension};
}

} // namespace

void VocalyneMainWindow::setUpExport()
{
    m_lastExportFolder = QDir::homePath();
    m_exportStarter = std::make_unique<VocalyneExportStarter>();
    m_exportReporter = std::make_unique<VocalyneExportMessageReporter>(this);
    connect(actionExport, &QAction::triggered, this, &VocalyneMainWindow::runExportWizard);
    connect(actionQuick_Export, &QAction::triggered, this, &VocalyneMainWindow::doQuickExport);
    connect(actionBatch_Converter, &QAction::triggered, this,
            &VocalyneMainWindow::runExportWizardBatch);
    actionBatch_Converter->setEnabled(true);
}

void VocalyneMainWindow::runExportWizard()
{
    VocalyneDocumentEdit *edit = currentDocumentEdit();
    if (!edit)
        return;
    if (edit->toPlainText().isEmpty()) {
        reportNoText(this);
        return;
    }
    VocalyneExporter wizard(this, this, VocalyneExporter::SingleMode, edit->engineTypeId());
    wizard.exec();
}

void VocalyneMainWindow::doQuickExport()
{
    VocalyneDocumentEdit *edit = currentDocumentEdit();
    if (!edit)
        return;
    ExportSettingData format;
    if (edit->engineTypeId() == 4) {
        // Voices of this family write AIFF only, whatever the settings say.
        format = VocalyneExportCatalogue::row(VocalyneExportCatalogue::AiffRow);
        format.isMP3 = false;
    } else {
        const QSettings settings;
        format = VocalyneExportCatalogue::readStored(settings);
    }
    exportToAudioWithFormat(format);
}

void VocalyneMainWindow::exportToAudioWithFormat(const ExportSettingData &format)
{
    VocalyneDocumentEdit *edit = currentDocumentEdit();
    if (!edit)
        return;

    const QTextCursor cursor = edit->textCursor();
    SpeechTextSource source;
    source.plainText = edit->toPlainText();
    source.selectionAnchor = cursor.anchor();
    source.selectionPosition = cursor.position();
    source.cursorPosition = cursor.position();
    VocalyneSpeechTextBuilder builder;
    const SpeechText speech = builder.buildSpeechText(*edit, source, false, false);
    if (speech.text.isEmpty()) {
        reportNoText(this);
        return;
    }

    const ExportFileType type = fileTypeOf(format);
    const QString proposal =
        VocalyneExportFiles::join(m_lastExportFolder, tr("Untitled") + type.extension);
    QString path = VocalyneDialogService::instance()->saveFileName(this, tr("Export to Audio"),
                                                                   proposal, type.filter);
    if (path.isEmpty())
        return;
    // The file dialogs here do not add the filter's extension themselves; a
    // name typed without one gets the proposed extension.
    if (QFileInfo(path).suffix().isEmpty())
        path += type.extension;

    VocalyneExportRequest request;
    request.engineType = edit->engineTypeId();
    request.voiceName = edit->voiceName();
    request.voiceId = edit->voiceId();
    request.languageId = qint16(edit->langId());
    request.pitch = edit->pitch();
    request.speed = edit->speed();
    request.volume = edit->volume();
    request.sentencePause = edit->pause();
    request.isXml = edit->isXml();
    request.outputPath = path;
    request.setFormat(format);
    request.speakPunctuation = actionSpeak_Punctuation->isChecked();
    m_exportStarter->startSingle(this, m_exportReporter.get(), request, speech.text);

    m_lastExportFolder = QFileInfo(path).absolutePath();
}

void VocalyneMainWindow::runExportWizardBatch()
{
    VocalyneExporter wizard(this, this, VocalyneExporter::BatchMode, -4);
    wizard.exec();
    // Whatever still runs reports to the wizard, which goes now.
    if (m_batchWizard == &wizard || !m_batchWizard)
        cancelBatchExport();
    m_batchWizard = nullptr;
}

QList<QPair<QString, VoiceComboUserData>> VocalyneMainWindow::exportVoices() const
{
    QList<QPair<QString, VoiceComboUserData>> voices;
    for (int i = 0; i < m_voiceCombo->count(); ++i) {
        const QVariant data = m_voiceCombo->itemData(i);
        if (data.canConvert<VoiceComboUserData>())
            voices.append({m_voiceCombo->itemText(i), data.value<VoiceComboUserData>()});
    }
    return voices;
}

void VocalyneMainWindow::runBatchExport(VocalyneExporter *wizard)
{
    if (!wizard)
        return;
    m_batchWizard = wizard;
    wizard->button(QWizard::BackButton)->setEnabled(false);
    wizard->button(QWizard::NextButton)->setEnabled(false);
    wizard->setRemovingAllowed(false);

    QSettings settings;
    const QString key(VocalyneSettingsKeys::SimulBatchExpProcNum);
    bool ok = false;
    uint limit = settings.value(key).toUInt(&ok);
    if (!ok || limit == 0) {
        limit = VocalyneSettingsKeys::DefaultSimulBatchExpProcNum;
        settings.setValue(key, limit);
    }
    m_batchLimit = int(qMin<uint>(limit, 1000));

    if (m_batch)
        m_endedBatches.push_back(std::move(m_batch));
    m_batch = std::make_unique<VocalyneExportBatch>(wizard->items().size(), wizard->outputFolder());
    m_batchNextRow = 0;

    // Speech documents are rendered ahead, in row order, away from this
    // thread; a row waits for its document when its turn comes first.
    QList<QPair<int, QString>> documents;
    for (int row = 0; row < wizard->items().size(); ++row) {
        const QString path = wizard->table()->item(row, VocalyneExporter::InputColumn)->text();
        if (QFileInfo(path).suffix().toUpper() == QLatin1String("T2S"))
            documents.append({row, path});
    }
    m_batchRenderer = std::make_unique<VocalyneBatchRenderer>();
    connect(m_batchRenderer.get(), &VocalyneBatchRenderer::rendered, this,
            &VocalyneMainWindow::startBatchRows);
    m_batchRenderer->start(documents, wizard->outputFolder());
    startBatchRows();
}

void VocalyneMainWindow::startBatchRows()
{
    // A warning shown below lets events in, among them a worker's end that
    // calls this again: the outer call goes on, so that rows still start in
    // table order and never more than the limit at once.
    if (m_startingBatchRows)
        return;
    m_startingBatchRows = true;
    const auto done = qScopeGuard([this] { m_startingBatchRows = false; });

    // Rows start in table order; a worker's end (or a rendered document)
    // brings this back, instead of a loop that spins while the slots are
    // full.
    VocalyneExporter *wizard = m_batchWizard;
    while (wizard && m_batch && !m_batch->isCancelled() &&
           m_batchNextRow < wizard->items().size() && m_batch->runningCount() < m_batchLimit) {
        const int row = m_batchNextRow;
        BatchExportItem item = wizard->items().at(row);
        QString inputPath = wizard->table()->item(row, VocalyneExporter::InputColumn)->text();
        const QString outputPath = VocalyneExportFiles::join(
            wizard->outputFolder(),
            wizard->table()->item(row, VocalyneExporter::OutputColumn)->text());
        if (QFileInfo(inputPath).suffix().toUpper() == QLatin1String("T2S")) {
            if (!m_batchRenderer || !m_batchRenderer->isDone(row))
                return; // its document is still being rendered
            ++m_batchNextRow;
            if (takeBatchRendering(row, item, &inputPath))
                wizard->setItem(row, item);
        } else {
            ++m_batchNextRow;
        }
        if (!m_batchWizard || m_batch->isCancelled())
            return; // closed while a warning was shown

        VocalyneExportRequest request;
        request.engineType = item.voiceEngineTypeId;
        request.voiceName = item.voiceName;
        request.voiceId = item.voiceId;
        request.languageId = item.langId;
        request.pitch = item.pitch;
        request.speed = item.speed;
        request.volume = item.volume;
        request.sentencePause = item.sentPause;
        request.isXml = item.isXml != 0;
        request.outputPath = outputPath;
        request.intToken = item.intToken;
        request.strToken = item.strToken;
        request.samplingRate = item.audioSamplingRate;
        request.channels = item.audioChannels;
        request.isMP3 = item.isMP3;
        request.speakPunctuation = actionSpeak_Punctuation->isChecked();
        request.inputPath = inputPath;
        // Shown before the start: a worker that cannot start reports at once,
        // and that report must stay.
        wizard->report(appText(QT_TRANSLATE_NOOP("QApplication", "Export in progress...")), 2, row);
        VocalyneExportProcess *process =
            m_exportStarter->startBatch(this, wizard, request, m_batch.get(), row);
        connect(process, &VocalyneExportProcess::exportEnded, this,
                &VocalyneMainWindow::startBatchRows, Qt::QueuedConnection);
    }
}

bool VocalyneMainWindow::takeBatchRendering(int row, BatchExportItem &item, QString *inputPath)
{
    const BatchRendering rendering = m_batchRenderer->take(row);
    switch (rendering.outcome) {
    case BatchRendering::Rendered:
        break;
    case BatchRendering::InvalidDocument:
        VocalyneMessageService::warning(
            this, appText("Warning"),
            appText("Invalid T2S format for file '%1'!\nOnly raw text will be extracted and "
                    "converted to audio!")
                .arg(rendering.path));
        return false;
    case BatchRendering::OpenFailed:
    case BatchRendering::WriteFailed:
        VocalyneMessageService::warning(
            this, appText("Warning"),
            appText("Failed to open %1\n%2!\nOnly raw text will be extracted and converted to "
                    "audio!")
                .arg(rendering.path, rendering.errorText));
        return false;
    }
    item.voiceEngineTypeId = rendering.engineTypeId;
    item.voiceId = rendering.voiceId;
    item.langId = rendering.langId;
    item.pitch = rendering.pitch;
    item.speed = rendering.speed;
    item.volume = rendering.volume;
    item.sentPause = rendering.sentPause;
    item.voiceName = rendering.voiceName;
    *inputPath = rendering.path;
    return true;
}

void VocalyneMainWindow::cancelBatchExport()
{
    if (!m_batch)
        return;
    m_batch->setCancelled(true);
    if (m_batchRenderer)
        m_batchRenderer->cancel();
    const QList<VocalyneExportProcess *> running = m_batch->running();
    if (running.isEmpty()) {
        // Documents rendered ahead for rows that never started.
        m_batch->deleteTemporaryTexts();
        return;
    }
    for (VocalyneExportProcess *process : running) {
        process->abort();
        // Ended here and now: its reports go to a wizard that is closing.
        process->waitForFinished(5000);
    }
    m_batch->deleteTemporaryTexts();
    VocalyneMessageService::information(
        this, appText(QT_TRANSLATE_NOOP("QApplication", "Vocalyne")),
        appText(QT_TRANSLATE_NOOP(
            "QApplication",
            "The batch export has been canceled.\nIf there were any successfully exported "
            "documents, their audio files are still in the output folder.")));
}

void VocalyneMainWindow::saveBatchLog(const QString &log)
{
    const QString path = VocalyneDialogService::instance()->saveFileName(
        this, tr("Save Document"), QStringLiteral("BatchExportLog.csv"),
        tr("Comma-Delimited File (*.csv)"));
    if (path.isEmpty())
        return;
    // Written whole or not at all: an earlier log of that name survives a
    // failed write.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(log.toUtf8()) < 0 || !file.commit()) {
        VocalyneMessageService::critical(
            this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
            appText(QT_TRANSLATE_NOOP("QApplication", "Failed to open %1\n%2"))
                .arg(path, file.errorString()));
        return;
    }
    activateWindow();
}
