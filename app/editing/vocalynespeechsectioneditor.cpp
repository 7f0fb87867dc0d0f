// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynespeechsectioneditor.h"

#include "qvtts.h"
#include "ui_vocalynespeechsectioneditor.h"
#include "vocalynedocumentedit.h"
#include "vocalyneelementcatalogue.h"
#include "vocalynemainwindowinterface.h"
#include "vocalynemessageservice.h"
#include "vocalynesectionranges.h"
#include "vocalynevoicelist.h"

#include <QPushButton>
#include <QSettings>

#include <algorithm>

namespace {

QString appText(const char *text)
{
    return QCoreApplication::translate("QApplication", text);
}

void warn(QWidget *parent, const char *text)
{
    VocalyneMessageService::warning(parent, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
                                    appText(text));
}

const char NoVoiceData[] =
    QT_TRANSLATE_NOOP("QApplication", "Unable to get the voice combo box settings.");

} // namespace

VocalyneSpeechSectionEditor::VocalyneSpeechSectionEditor(VocalyneMainWindowInterface *mainWindow,
                                                         const QString &sectionText, int voiceIndex,
                                                         int sectionIndex, QWidget *parent)
    : QDialog(parent), m_ui(new Ui::VocalyneSpSectionEditorDialog), m_mainWindow(mainWindow),
      m_sectionIndex(sectionIndex), m_sectionText(sectionText)
{
    m_ui->setupUi(this);
    m_documentHighlight = m_mainWindow && m_mainWindow->currentDocumentHighlight();

    if (VocalyneVoiceList::fill(m_ui->comboBoxVoice) == 0)
        warn(this, QT_TRANSLATE_NOOP("QApplication", "No voices can be found on your system! "
                                                     "Please download and install at least 1 "
                                                     "voice!"));

    VocalyneDocumentEdit *edit = m_mainWindow ? m_mainWindow->currentDocumentEdit() : nullptr;
    bool loaded = false;
    if (m_sectionIndex >= 0 && edit && m_sectionIndex < edit->sections().size()) {
        const QVT2SSection &section = edit->sections().at(m_sectionIndex);
        int entry = -1;
        for (int i = 0; i < m_ui->comboBoxVoice->count() && entry < 0; ++i) {
            const QVariant data = m_ui->comboBoxVoice->itemData(i);
            if (m_ui->comboBoxVoice->itemText(i) == section.voiceName &&
                data.canConvert<VoiceComboUserData>() &&
                data.value<VoiceComboUserData>().engineTypeId == section.engineTypeId)
                entry = i;
        }
        if (entry >= 0) {
            m_ui->comboBoxVoice->setCurrentIndex(entry);
            syncSpeechPropsWithVoiceCombo(entry, false);
            loadSection(section);
            loaded = true;
        } else {
            warn(this, QT_TRANSLATE_NOOP("QApplication",
                                         "The voice saved into the document is not installed.\n"
                                         "Reverting to default voice settings...."));
        }
    }
    if (!loaded && m_ui->comboBoxVoice->count() > 0) {
        const int entry = std::clamp(voiceIndex, 0, m_ui->comboBoxVoice->count() - 1);
        m_ui->comboBoxVoice->setCurrentIndex(entry);
        syncSpeechPropsWithVoiceCombo(entry, true);
    }
    m_ui->textEdit->setPlainText(m_sectionText);

    // Choosing a voice resets the values; selecting one from code does not.
    connect(m_ui->comboBoxVoice, &QComboBox::activated, this,
            qOverload<int>(&VocalyneSpeechSectionEditor::syncSpeechPropsWithVoiceCombo));
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this,
            &VocalyneSpeechSectionEditor::acceptSpSection);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_ui->pushButtonTest, &QPushButton::clicked, this,
            &VocalyneSpeechSectionEditor::testSection);
    connect(m_ui->pushButtonStopTest, &QPushButton::clicked, this,
            &VocalyneSpeechSectionEditor::stopTestSection);
}

VocalyneSpeechSectionEditor::~VocalyneSpeechSectionEditor()
{
    delete m_ui;
}

void VocalyneSpeechSectionEditor::loadSection(const QVT2SSection &section)
{
    m_ui->spinBoxSentPause->setValue(section.pause);
    m_ui->spinBoxSpeed->setValue(section.speed);
    m_ui->spinBoxVolume->setValue(section.volume);
    m_ui->spinBoxPitch->setValue(section.pitch);
}

bool VocalyneSpeechSectionEditor::chosenVoice(VoiceComboUserData *voice) const
{
    const QVariant data = m_ui->comboBoxVoice->currentData();
    if (!data.isValid() || !data.canConvert<VoiceComboUserData>())
        return false;
    *voice = data.value<VoiceComboUserData>();
    return true;
}

void VocalyneSpeechSectionEditor::syncSpeechPropsWithVoiceCombo(int index)
{
    syncSpeechPropsWithVoiceCombo(index, true);
}

void VocalyneSpeechSectionEditor::syncSpeechPropsWithVoiceCombo(int index, bool reset)
{
    const QVariant data = m_ui->comboBoxVoice->itemData(index);
    const int engineType =
        data.canConvert<VoiceComboUserData>() ? data.value<VoiceComboUserData>().engineTypeId : -4;
    VocalyneSectionRanges::Ranges ranges{};
    const bool known = VocalyneSectionRanges::forEngineType(engineType, &ranges);
    if (known) {
        m_ui->spinBoxSpeed->setRange(ranges.speedMin, ranges.speedMax);
        m_ui->spinBoxVolume->setRange(ranges.volumeMin, ranges.volumeMax);
        m_ui->spinBoxPitch->setRange(ranges.pitchMin, ranges.pitchMax);
        m_ui->spinBoxSentPause->setRange(ranges.pauseMin, ranges.pauseMax);
    }
    if (!reset)
        return;
    m_ui->spinBoxSpeed->setValue(VocalyneSectionRanges::ResetProsody);
    m_ui->spinBoxVolume->setValue(VocalyneSectionRanges::ResetProsody);
    m_ui->spinBoxPitch->setValue(VocalyneSectionRanges::ResetProsody);
    if (known)
        m_ui->spinBoxSentPause->setValue(ranges.resetPause);
}

void VocalyneSpeechSectionEditor::acceptSpSection()
{
    VoiceComboUserData voice;
    if (!chosenVoice(&voice)) {
        warn(this, NoVoiceData);
        return;
    }
    VocalyneDocumentEdit *edit = m_mainWindow ? m_mainWindow->currentDocumentEdit() : nullptr;
    if (!edit) {
        reject();
        return;
    }
    const QString voiceName = m_ui->comboBoxVoice->currentText();
    const qint32 speed = m_ui->spinBoxSpeed->value();
    const qint32 volume = m_ui->spinBoxVolume->value();
    const qint32 pitch = m_ui->spinBoxPitch->value();
    const qint32 pause = m_ui->spinBoxSentPause->value();

    if (m_sectionIndex < 0) {
        const QTextCursor selection = edit->textCursor();
        m_mainWindow->createSection(selection.anchor(), selection.position(), voice, voiceName,
                                    speed, volume, pitch, pause);
        accept();
        return;
    }
    if (m_sectionIndex >= edit->sections().size()) {
        reject();
        return;
    }

    QVT2SSection section = edit->sections().at(m_sectionIndex);
    // The pauses belong to the text the section covers now, which is what
    // the dialog was opened with.
    const QString text = edit->sectionText(section);
    const qint32 oldPause = section.pause;
    const QString digits = QString::number(pause);
    section.langId = voice.langId;
    section.pause = pause;
    if (oldPause == 0 && pause > 0)
        m_mainWindow->addSentencePauses(section.fromChar, text, digits);
    else if (oldPause > 0)
        m_mainWindow->updateSentencePauses(section.fromChar, text, digits, false);
    section.pitch = pitch;
    section.speed = speed;
    section.volume = volume;
    section.engineTypeId = voice.engineTypeId;
    section.voiceId = voice.voiceId;
    section.voiceName = voiceName;
    edit->replaceSection(m_sectionIndex, section);
    // Pauses added to a switched-off section would be spoken on their own.
    if (!section.enabled && pause > 0)
        edit->setSentencePausesEnabled(section, false);
    edit->markModifiedAndRefresh();
    accept();
}

void VocalyneSpeechSectionEditor::keepDocumentUnmodified(bool wasModified)
{
    // Switching the word highlight off and on for a test is not an edit.
    if (wasModified || !m_mainWindow)
        return;
    if (VocalyneDocumentEdit *edit = m_mainWindow->currentDocumentEdit())
        edit->setModifiedState(false);
}

void VocalyneSpeechSectionEditor::testSection()
{
    VoiceComboUserData voice;
    if (!chosenVoice(&voice)) {
        warn(this, NoVoiceData);
        return;
    }
    QString text = m_ui->textEdit->toPlainText();
    if (text.isEmpty()) {
        warn(this, QT_TRANSLATE_NOOP("QApplication", "Please enter text to be spoken."));
        return;
    }
    const qint32 pause = m_ui->spinBoxSentPause->value();
    if (pause > 0 && m_mainWindow) {
        m_mainWindow->ensureElementCatalogue(false);
        QSettings settings;
        const QString silence = VocalyneElementCatalogue::fillTemplate(
            VocalyneElementCatalogue::markupTemplate(settings, QStringLiteral("pause"), 3),
            QString::number(pause));
        // From the back, so the positions still ahead stay valid.
        const QList<int> ends = QVT2SDocument::sentenceEnds(text);
        for (auto it = ends.crbegin(); it != ends.crend(); ++it)
            text.insert(*it, silence);
    }
    m_lastTestText = text;
    if (!m_mainWindow)
        return;

    VocalyneDocumentEdit *edit = m_mainWindow->currentDocumentEdit();
    const bool wasModified = edit && edit->document()->isModified();
    m_mainWindow->setCurrentDocumentHighlight(false);
    keepDocumentUnmodified(wasModified);
    m_mainWindow->speakText(voice.engineTypeId, m_ui->comboBoxVoice->currentText().toUtf8(),
                            voice.voiceId, voice.langId, text.toUtf8(), m_ui->spinBoxPitch->value(),
                            m_ui->spinBoxSpeed->value(), m_ui->spinBoxVolume->value(), pause, true);
    // Also after a failed start: closing must give the document its
    // highlight flag back.
    m_testing = true;
    m_tested = true;
}

void VocalyneSpeechSectionEditor::stopTestSection()
{
    if (!m_testing)
        return;
    VoiceComboUserData voice;
    if (!chosenVoice(&voice)) {
        warn(this, NoVoiceData);
        return;
    }
    if (m_mainWindow) {
        VocalyneDocumentEdit *edit = m_mainWindow->currentDocumentEdit();
        const bool wasModified = edit && edit->document()->isModified();
        m_mainWindow->setCurrentDocumentHighlight(m_documentHighlight);
        keepDocumentUnmodified(wasModified);
    }
    QVTTSStop(QVTTSVoiceEngineType(voice.engineTypeId), voice.langId);
    m_testing = false;
}

void VocalyneSpeechSectionEditor::done(int result)
{
    stopTestSection();
    QDialog::done(result);
}
