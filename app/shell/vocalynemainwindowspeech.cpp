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

struct ValueRanges
{
    int speedMin, speedMax, volumeMin, volumeMax, pitchMin, pitchMax;
};

// The ranges each voice engine family accepts, by engine type 0 to 4.
constexpr ValueRanges EngineRanges[] = {
    {50, 400, 0, 500, 50, 200},
    {0, 400, 0, 500, 100, 500},
    {13, 800, 0, 500, 0, 0},
    {30, 350, 0, 100, 30, 350},
    {1, 1000, 0, 500, 1, 1000},
};

const char *speakErrorText(int result)
{
    switch (result) {
    case 1: return QT_TRANSLATE_NOOP("QApplication", "Unable to secure channel memory!");
    case 2: return QT_TRANSLATE_NOOP("QApplication", "Invalid text provided!");
    case 3: return QT_TRANSLATE_NOOP("QApplication", "Zero-length text provided!");
    case 4: return QT_TRANSLATE_NOOP("QApplication", "Voice database not loaded!");
    case 5: return QT_TRANSLATE_NOOP("QApplication", "Sound card failure!");
    case 6: return QT_TRANSLATE_NOOP("QApplication", "Function is not (yet) implemented.");
    case 7: return QT_TRANSLATE_NOOP("QApplication", "Engine internal error.");
    case 8: return QT_TRANSLATE_NOOP("QApplication", "Invalid parameter.");
    case 9: return QT_TRANSLATE_NOOP("QApplication", "Invalid data in parameter.");
    case 10: return QT_TRANSLATE_NOOP("QApplication", "Unknown text/audio encoding.");
    case 11: return QT_TRANSLATE_NOOP("QApplication", "Object not found.");
    case 12: return QT_TRANSLATE_NOOP("QApplication", "Operation interrupted.");
    case 13: return QT_TRANSLATE_NOOP("QApplication", "Voice not present or corrupted.");
    case 14: return QT_TRANSLATE_NOOP("QApplication", "Wrong event type for the data requested.");
    case 15: return QT_TRANSLATE_NOOP("QApplication", "Engine still in use.");
    case 16: return QT_TRANSLATE_NOOP("QApplication", "Network communication failed.");
    case 18: return QT_TRANSLATE_NOOP("QApplication", "The utterance queue is full.");
    case 19: return QT_TRANSLATE_NOOP("QApplication", "Get concurrency token timed out.");
    default: return QT_TRANSLATE_NOOP("QApplication", "Undefined error!");
    }
}

} // namespace

int VocalyneMainWindow::voiceComboIndex(const QString &voiceName, qint16 engineTypeId) const
{
    for (int i = 0; i < m_voiceCombo->count(); ++i) {
        if (m_voiceCombo->itemText(i) != voiceName)
            continue;
        const QVariant data = m_voiceCombo->itemData(i);
        if (data.canConvert<VoiceComboUserData>()
            && data.value<VoiceComboUserData>().engineTypeId == engineTypeId)
            return i;
    }
    return -1;
}

void VocalyneMainWindow::setSpinRangesForEngineType(int engineType)
{
    if (engineType < 0 || engineType > 4)
        return;
    const ValueRanges &r = EngineRanges[engineType];
    m_speedSpin->setRange(r.speedMin, r.speedMax);
    m_volumeSpin->setRange(r.volumeMin, r.volumeMax);
    m_pitchSpin->setRange(r.pitchMin, r.pitchMax);
}

void VocalyneMainWindow::syncGUIWithSpeechPropsForTabId(int index)
{
    checkDocumentVoice(index);
}

bool VocalyneMainWindow::checkDocumentVoice(int index, bool redraw)
{
    VocalyneDocumentEdit *edit = documentEditAt(index);
    if (!edit)
        return false;
    const int entry = voiceComboIndex(edit->voiceName(), edit->engineTypeId());
    if (entry < 0) {
        VocalyneMessageService::warning(
            this, appText("Error"),
            appText("The voice saved into the document is not installed.\nReverting to default "
                    "voice settings...."));
        if (edit->loadDefaultSpeechValues())
            edit->setModifiedState(true, QString(), index);
        else
            VocalyneMessageService::critical(this, appText("Error"),
                                             appText("Unable to set the default speech settings."));
        return false;
    }

    // Loading a document's values into the controls must not write them
    // back into the document as if the user had changed them.
    m_loadingControls = true;
    m_voiceCombo->setCurrentIndex(entry);
    setSpinRangesForEngineType(edit->engineTypeId());
    m_speedSpin->setValue(edit->speed());
    m_volumeSpin->setValue(edit->volume());
    m_pitchSpin->setValue(edit->pitch());
    m_highlightCheck->setChecked(edit->highlight());
    m_loadingControls = false;
    if (redraw)
        edit->refreshHighlights();
    return true;
}

void VocalyneMainWindow::syncSpeechPropsWithVoiceCombo(int index)
{
    VocalyneDocumentEdit *edit = currentDocumentEdit();
    const QVariant data = m_voiceCombo->itemData(index);
    if (!edit || !data.canConvert<VoiceComboUserData>())
        return;
    const VoiceComboUserData voice = data.value<VoiceComboUserData>();
    edit->pickVoice(voice, m_voiceCombo->itemText(index));
    m_loadingControls = true;
    setSpinRangesForEngineType(voice.engineTypeId);
    m_speedSpin->setValue(100);
    m_volumeSpin->setValue(100);
    m_pitchSpin->setValue(100);
    m_loadingControls = false;
}

void VocalyneMainWindow::syncSpeedWithSpeedSpin(int value)
{
    if (VocalyneDocumentEdit *edit = currentDocumentEdit(); edit && !m_loadingControls)
        edit->setSpeed(value);
}

void VocalyneMainWindow::syncVolumeWithVolumeSpin(int value)
{
    if (VocalyneDocumentEdit *edit = currentDocumentEdit(); edit && !m_loadingControls)
        edit->setVolume(value);
}

void VocalyneMainWindow::syncPitchWithPitchSpin(int value)
{
    if (VocalyneDocumentEdit *edit = currentDocumentEdit(); edit && !m_loadingControls)
        edit->setPitch(value);
}

void VocalyneMainWindow::syncHighlightWithHighlightCBox(int state)
{
    if (VocalyneDocumentEdit *edit = currentDocumentEdit(); edit && !m_loadingControls)
        edit->setHighlight(state == Qt::Checked);
}

void VocalyneMainWindow::onWordSpoken(int, int last)
{
    // Words only matter for the editor being read aloud; the word highlight
    // itself belongs to the speaking commands.
    if (!m_currentSpeakingEditor)
        return;
    if (last == -1)
        statusBarMainWnd->showMessage(tr("Ready"));
    else
        statusBarMainWnd->showMessage(m_paused ? tr("Paused") : tr("Speaking"));
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
        VocalyneMessageService::critical(this, appText("Error"), appText(speakErrorText(result)));
    else
        statusBarMainWnd->showMessage(tr("Speaking"));
    return result;
}
