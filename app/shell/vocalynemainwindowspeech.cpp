// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The speech toolbar's voice controls and the document operations the
// editors and dialogs reach through the main-window interface.
#include "qvtts.h"
#include "vocalynedocumentedit.h"
#include "vocalyneelementcatalogue.h"
#include "vocalyneenginehost.h"
#include "vocalynemainwindow.h"
#include "vocalynemessageservice.h"
#include "vocalynesettingskeys.h"
#include "vocalynesettingsvalue.h"
#include "vocalynespeakcontroller.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>

namespace {

QString appText(const char *text)
{
    return QApplication::translate("QApplication", text);
}

} // namespace

void VocalyneMainWindow::setUpSpeakController()
{
    VocalyneSpeakControls controls;
    controls.window = this;
    controls.tabs = documentTabs;
    controls.voiceCombo = m_voiceCombo;
    controls.speedSpin = m_speedSpin;
    controls.volumeSpin = m_volumeSpin;
    controls.pitchSpin = m_pitchSpin;
    controls.highlightCheck = m_highlightCheck;
    controls.speakPunctuation = actionSpeak_Punctuation;
    controls.statusBar = statusBarMainWnd;
    m_speak = new VocalyneSpeakController(controls, this);
    m_speak->setHostWindow(m_engine ? m_engine->window() : nullptr);

    using C = VocalyneSpeakController;
    connect(actionSpeak, &QAction::triggered, m_speak, qOverload<>(&C::speak));
    connect(actionSpeak_from_Cursor, &QAction::triggered, m_speak, &C::speakFromCursor);
    connect(actionPause_Resume, &QAction::triggered, m_speak, &C::pauseResume);
    connect(actionStop, &QAction::triggered, m_speak, &C::stop);
}

void VocalyneMainWindow::syncGUIWithSpeechPropsForTabId(int index)
{
    m_speak->syncGUIWithSpeechPropsForTabId(index);
}

bool VocalyneMainWindow::checkDocumentVoice(int index, bool redraw)
{
    return m_speak->checkDocumentVoice(index, redraw);
}

void VocalyneMainWindow::syncSpeechPropsWithVoiceCombo(int index)
{
    m_speak->syncSpeechPropsWithVoiceCombo(index);
}

void VocalyneMainWindow::syncSpeedWithSpeedSpin(int value)
{
    m_speak->syncSpeedWithSpeedSpin(value);
}

void VocalyneMainWindow::syncVolumeWithVolumeSpin(int value)
{
    m_speak->syncVolumeWithVolumeSpin(value);
}

void VocalyneMainWindow::syncPitchWithPitchSpin(int value)
{
    m_speak->syncPitchWithPitchSpin(value);
}

void VocalyneMainWindow::syncHighlightWithHighlightCBox(int state)
{
    m_speak->syncHighlightWithHighlightCBox(state);
}

void VocalyneMainWindow::refreshCurrentDocument()
{
    if (VocalyneDocumentEdit *edit = currentDocumentEdit())
        edit->markModifiedAndRefresh();
}

bool VocalyneMainWindow::currentDocumentHighlight() const
{
    VocalyneDocumentEdit *edit = currentDocumentEdit();
    return edit && edit->highlight();
}

void VocalyneMainWindow::setCurrentDocumentHighlight(bool highlight)
{
    if (VocalyneDocumentEdit *edit = currentDocumentEdit())
        edit->setHighlight(highlight);
}

void VocalyneMainWindow::ignoreNextClipboardChange()
{
    m_ignoreNextClipboardChange = true;
}

void VocalyneMainWindow::createSection(int anchor, int position, const VoiceComboUserData &voice,
                                       const QString &voiceName, qint32 speed, qint32 volume,
                                       qint32 pitch, qint32 pause)
{
    if (VocalyneDocumentEdit *edit = currentDocumentEdit())
        edit->addSection(anchor, position, voice, voiceName, speed, volume, pitch, pause);
}

void VocalyneMainWindow::addElementAtWordEnd(const QString &type, const QString &value)
{
    if (VocalyneDocumentEdit *edit = currentDocumentEdit())
        edit->addElementAtWordEnd(type, value);
}

void VocalyneMainWindow::addSentencePauses(quint32 fromChar, const QString &text,
                                           const QString &value)
{
    if (VocalyneDocumentEdit *edit = currentDocumentEdit())
        edit->addSentencePauses(fromChar, text, value);
}

void VocalyneMainWindow::updateSentencePauses(quint32 fromChar, const QString &text,
                                              const QString &newValue, bool remove)
{
    if (VocalyneDocumentEdit *edit = currentDocumentEdit())
        edit->updateSentencePauses(fromChar, text, newValue, remove);
}

void VocalyneMainWindow::ensureElementCatalogue(bool force)
{
    QSettings settings;
    VocalyneElementCatalogue::ensure(settings, force);
}

int VocalyneMainWindow::voiceOutputFormat() const
{
    QSettings settings;
    return VocalyneSettingsValue::readInt(settings,
                                          QString(VocalyneSettingsKeys::VoiceOutputFormat),
                                          VocalyneSettingsKeys::DefaultVoiceOutputFormat);
}

int VocalyneMainWindow::speakText(qint16 engineTypeId, const QByteArray &voiceName,
                                  qint32 voiceId, quint16 langId, const QByteArray &text,
                                  qint32 pitch, qint32 speed, qint32 volume, qint32 pause,
                                  bool isXml)
{
    const int result = QVTTSSpeak(m_engine ? m_engine->window() : nullptr,
                                  QVTTSVoiceEngineType(engineTypeId), voiceName.constData(),
                                  voiceId, langId, text.constData(), pitch, speed, volume, pause,
                                  -1, isXml ? QVTTSTextXml : QVTTSTextPlain,
                                  qint16(voiceOutputFormat()));
    if (result != QVTTSSpeakSuccess)
        VocalyneMessageService::critical(this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
                                         VocalyneSpeakController::speakErrorText(result));
    else
        statusBarMainWnd->showMessage(tr("Speaking"));
    return result;
}
