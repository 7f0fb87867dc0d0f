// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Export to audio: the export wizard, the quick export and the export of
// the current document in a chosen format through the export worker.
#include "vocalynedialogservice.h"
#include "vocalynedocumentedit.h"
#include "vocalyneexportcatalogue.h"
#include "vocalyneexporter.h"
#include "vocalyneexportfiles.h"
#include "vocalyneexportrequest.h"
#include "vocalynemainwindow.h"
#include "vocalynemessageservice.h"
#include "vocalynespeechtextbuilder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTextCursor>

namespace {

QString appText(const char *text)
{
    return QApplication::translate("QApplication", text);
}

void reportNoText(QWidget *parent)
{
    VocalyneMessageService::critical(parent, appText("Error"),
                                     appText("Please enter text to be exported to audio."));
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
        return {text("MP3 files (*.mp3)"), extension};
    if (format.strToken == QLatin1String("aiff"))
        return {text("AIFF files (*.aiff)"), extension};
    if (format.strToken == QLatin1String("gsm"))
        return {text("GSM files (*.gsm)"), extension};
    if (format.strToken == QLatin1String("snd"))
        return {text("AU SND files (*.au)"), extension};
    return {text("WAV files (*.wav)"), extension};
}

} // namespace

void VocalyneMainWindow::setUpExport()
{
    m_lastExportFolder = QDir::homePath();
    m_exportStarter = std::make_unique<VocalyneExportStarter>();
    m_exportReporter = std::make_unique<VocalyneExportMessageReporter>(this);
    connect(actionExport, &QAction::triggered, this, &VocalyneMainWindow::runExportWizard);
    connect(actionQuick_Export, &QAction::triggered, this, &VocalyneMainWindow::doQuickExport);
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
