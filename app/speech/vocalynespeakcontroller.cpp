// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynespeakcontroller.h"

#include "qvtts.h"
#include "speechtextsource.h"
#include "vocalynedocumentedit.h"
#include "vocalynemessageservice.h"
#include "vocalynesettingskeys.h"
#include "vocalynesettingsvalue.h"
#include "vocalynewordhighlight.h"
#include "voicecombouserdata.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QString appText(const char *text)
{
    return QCoreApplication::translate("QApplication", text);
}

struct ValueRanges
{
    int speedMin, speedMax, volumeMin, volumeMax, pitchMin, pitchMax;
};

// The values each voice engine family accepts, by engine type 0 to 4.
constexpr ValueRanges EngineRanges[] = {
    {50, 400, 0, 500, 50, 200}, {0, 400, 0, 500, 100, 500}, {13, 800, 0, 500, 0, 0},
    {30, 350, 0, 100, 30, 350}, {1, 1000, 0, 500, 1, 1000},
};

const char *speakErrorSource(int result)
{
    switch (result) {
    case 1:
        return QT_TRANSLATE_NOOP("QApplication", "Unable to secure channel memory!");
    case 2:
        return QT_TRANSLATE_NOOP("QApplication", "Invalid text provided!");
    case 3:
        return QT_TRANSLATE_NOOP("QApplication", "Zero-length text provided!");
    case 4:
        return QT_TRANSLATE_NOOP("QApplication", "Voice database not loaded!");
    case 5:
        return QT_TRANSLATE_NOOP("QApplication", "Sound card failure!");
    case 6:
        return QT_TRANSLATE_NOOP("QApplication", "Function is not (yet) implemented.");
    case 7:
        return QT_TRANSLATE_NOOP("QApplication", "Engine internal error.");
    case 8:
        return QT_TRANSLATE_NOOP("QApplication", "Invalid parameter.");
    case 9:
        return QT_TRANSLATE_NOOP("QApplication", "Invalid data in parameter.");
    case 10:
        return QT_TRANSLATE_NOOP("QApplication", "Unknown text/audio encoding.");
    case 11:
        return QT_TRANSLATE_NOOP("QApplication", "Object not found.");
    case 12:
        return QT_TRANSLATE_NOOP("QApplication", "Operation interrupted.");
    case 13:
        return QT_TRANSLATE_NOOP("QApplication", "Voice not present or corrupted.");
    case 14:
        return QT_TRANSLATE_NOOP("QApplication", "Wrong event type for the data requested.");
    case 15:
        return QT_TRANSLATE_NOOP("QApplication", "Engine still in use.");
    case 16:
        return QT_TRANSLATE_NOOP("QApplication", "Network communication failed.");
    case 18:
        return QT_TRANSLATE_NOOP("QApplication", "The utterance queue is full.");
    case 19:
        return QT_TRANSLATE_NOOP("QApplication", "Get concurrency token timed out.");
    default:
        return QT_TRANSLATE_NOOP("QApplication", "Undefined error!");
    }
}

// Pause and resume share a numbering of their own; 15 is pause's undefined
// failure and 97 resume's. Every other value counts as success.
const char *pauseResumeErrorSource(int result, bool resume)
{
    switch (result) {
    case 1:
        return QT_TRANSLATE_NOOP("QApplication", "Function is not (yet) implemented.");
    case 2:
        return QT_TRANSLATE_NOOP("QApplication", "Engine internal error.");
    case 3:
        return QT_TRANSLATE_NOOP("QApplication", "Invalid parameter.");
    case 4:
        return QT_TRANSLATE_NOOP("QApplication", "Invalid data in parameter.");
    case 5:
        return QT_TRANSLATE_NOOP("QApplication", "Object not found.");
    case 6:
        return QT_TRANSLATE_NOOP("QApplication", "Unknown text/audio encoding.");
    case 7:
        return QT_TRANSLATE_NOOP("QApplication", "Operation interrupted.");
    case 8:
        return QT_TRANSLATE_NOOP("QApplication", "Voice not present or corrupted.");
    case 9:
        return QT_TRANSLATE_NOOP("QApplication", "Wrong event type for the data requested.");
    case 10:
        return QT_TRANSLATE_NOOP("QApplication", "Engine still in use.");
    case 11:
        return QT_TRANSLATE_NOOP("QApplication", "Network communication failed.");
    case 13:
        return QT_TRANSLATE_NOOP("QApplication", "The utterance queue is full.");
    case 14:
        return QT_TRANSLATE_NOOP("QApplication", "Get concurrency token timed out.");
    case 15:
        return resume ? nullptr : QT_TRANSLATE_NOOP("QApplication", "Undefined error!");
    case 97:
        return resume ? QT_TRANSLATE_NOOP("QApplication", "Undefined error!") : nullptr;
    default:
        return nullptr;
    }
}

} // namespace

VocalyneSpeakController::VocalyneSpeakController(const VocalyneSpeakControls &controls,
                                                 QObject *parent)
    : QObject(parent), m_controls(controls)
{
}

VocalyneSpeakController::~VocalyneSpeakController() = default;

// ---- Lookups ----------------------------------------------------------------

VocalyneDocumentEdit *VocalyneSpeakController::editorAt(int index) const
{
    if (!m_controls.tabs)
        return nullptr;
    QWidget *page = m_controls.tabs->widget(index);
    if (!page)
        return nullptr;
    if (auto *edit = qobject_cast<VocalyneDocumentEdit *>(page))
        return edit;
    return page->findChild<VocalyneDocumentEdit *>();
}

VocalyneDocumentEdit *VocalyneSpeakController::currentSpeakingEditor() const
{
    return m_speakingEditor.data();
}

VocalyneDocumentEdit *VocalyneSpeakController::currentEditor() const
{
    return m_controls.tabs ? editorAt(m_controls.tabs->currentIndex()) : nullptr;
}

QString VocalyneSpeakController::speakErrorText(int result)
{
    return result == 0 ? QString() : appText(speakErrorSource(result));
}

QString VocalyneSpeakController::pauseResumeErrorText(int result, bool resume)
{
    const char *text = pauseResumeErrorSource(result, resume);
    return text ? appText(text) : QString();
}

void VocalyneSpeakController::showStatus(const char *text)
{
    if (m_controls.statusBar)
        m_controls.statusBar->showMessage(QCoreApplication::translate("VocalyneMainWindow", text));
}

void VocalyneSpeakController::showError(const QString &text)
{
    VocalyneMessageService::critical(m_controls.window,
                                     appText(QT_TRANSLATE_NOOP("QApplication", "Error")), text);
}

void VocalyneSpeakController::bringUpWindow()
{
    QWidget *window = m_controls.window;
    if (!window)
        return;
    if (window->isMinimized())
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}

// ---- Speaking ---------------------------------------------------------------

void VocalyneSpeakController::speak()
{
    speak(false);
}

void VocalyneSpeakController::speakFromCursor()
{
    speak(true);
}

void VocalyneSpeakController::speak(bool fromCursor)
{
    VocalyneDocumentEdit *edit = currentEditor();
    if (!edit)
        return;
    const auto engineType = QVTTSVoiceEngineType(edit->engineTypeId());
    if (m_speakingEditor) {
        QVTTSStop(engineType, edit->langId());
        m_paused = false;
        endReading(m_speakingEditor);
    }
    m_speakingEditor = edit;

    const QTextCursor cursor = edit->textCursor();
    SpeechTextSource source;
    source.plainText = edit->toPlainText();
    source.selectionAnchor = cursor.anchor();
    source.selectionPosition = cursor.position();
    source.cursorPosition = cursor.position();
    SpeechText speech = m_builder.buildSpeechText(*edit, source, fromCursor, false);

    if (speech.text.isEmpty()) {
        showError(fromCursor ? appText(QT_TRANSLATE_NOOP(
                                   "QApplication",
                                   "Please place the cursor before existing text and try again."))
                             : appText(QT_TRANSLATE_NOOP("QApplication",
                                                         "Please enter text to be spoken.")));
        m_speakingEditor = nullptr;
        bringUpWindow();
        edit->setFocus();
        return;
    }
    edit->setFocus();

    // Text and voice name go to the engine as UTF-8 whatever the engine
    // type: an 8-bit codec would silence every letter outside its range,
    // and the engine reports positions in UTF-16 units of this very text.
    // The bytes stay with the editor while they may be spoken.
    edit->speechBytes() = speech.text.toUtf8();
    edit->speechText() = std::move(speech);
    const QByteArray voiceName = edit->voiceName().toUtf8();

    m_paused = false;
    SetMSSAPISpeakPunc(m_controls.speakPunctuation && m_controls.speakPunctuation->isChecked());

    const QSettings settings;
    const int outputFormat =
        VocalyneSettingsValue::readInt(settings, QString(VocalyneSettingsKeys::VoiceOutputFormat),
                                       VocalyneSettingsKeys::DefaultVoiceOutputFormat);

    const int result = QVTTSSpeak(
        m_hostWindow, engineType, voiceName.constData(), edit->voiceId(), edit->langId(),
        edit->speechBytes().constData(), edit->pitch(), edit->speed(), edit->volume(),
        edit->pause(), -1, edit->isXml() ? QVTTSTextXml : QVTTSTextPlain, qint16(outputFormat));
    if (result != QVTTSSpeakSuccess) {
        showError(speakErrorText(result));
        m_speakingEditor = nullptr;
        return;
    }
    edit->setSpeakPitch(edit->pitch());
    // The user may go on writing while the text is read; the word positions
    // the engine reports are then found through the edits made since.
    m_editTrail.clear();
    m_editTrailConnection = connect(
        edit->document(), &QTextDocument::contentsChange, this,
        [this](int from, int removed, int added) { m_editTrail.record(from, removed, added); });
    m_caretAnchorAtSpeak = cursor.anchor();
    m_caretPositionAtSpeak = cursor.position();
    showStatus(QT_TRANSLATE_NOOP("VocalyneMainWindow", "Speaking"));
}

void VocalyneSpeakController::pauseResume()
{
    if (!m_speakingEditor)
        return;
    m_speakingEditor->setFocus();
    const VocalyneDocumentEdit *current = currentEditor();
    const VocalyneDocumentEdit *source = current ? current : m_speakingEditor.data();
    const auto engineType = QVTTSVoiceEngineType(source->engineTypeId());
    const quint16 langId = source->langId();
    if (!m_paused)
        applyPauseResumeResult(QVTTSPause(engineType, langId), false);
    else
        applyPauseResumeResult(QVTTSResume(engineType, langId), true);
}

void VocalyneSpeakController::applyPauseResumeResult(int result, bool resume)
{
    const QString error = pauseResumeErrorText(result, resume);
    if (!error.isEmpty()) {
        showError(error);
        endReading(m_speakingEditor);
        m_speakingEditor = nullptr;
        return;
    }
    if (resume)
        showStatus(QT_TRANSLATE_NOOP("VocalyneMainWindow", "Speaking"));
    else
        showStatus(QT_TRANSLATE_NOOP("VocalyneMainWindow", "Paused"));
    m_paused = !resume;
}

void VocalyneSpeakController::stop()
{
    const VocalyneDocumentEdit *current = currentEditor();
    const VocalyneDocumentEdit *source = current ? current : m_speakingEditor.data();
    QVTTSStop(source ? QVTTSVoiceEngineType(source->engineTypeId()) : QVTTSEngineSpeechPlatform,
              source ? source->langId() : 0);
    if (VocalyneDocumentEdit *edit = m_speakingEditor) {
        edit->setFocus();
        highlightWord(edit, 0, -1);
        endReading(edit);
        m_speakingEditor = nullptr;
    }
    m_paused = false;
    showStatus(QT_TRANSLATE_NOOP("VocalyneMainWindow", "Ready"));
}

void VocalyneSpeakController::editorClosing(VocalyneDocumentEdit *edit)
{
    if (!edit || edit != m_speakingEditor)
        return;
    // The tab being closed need not be the current one, whose engine type
    // stop() uses: stop the engine of the speaking document as well.
    QVTTSStop(QVTTSVoiceEngineType(edit->engineTypeId()), edit->langId());
    stop();
}

void VocalyneSpeakController::wordCallback(int first, int last)
{
    VocalyneDocumentEdit *edit = m_speakingEditor;
    if (!edit) {
        // Speech no document started (a dialog's Read Word or test) ends
        // the "Speaking" shown for it too.
        if (last == -1)
            showStatus(QT_TRANSLATE_NOOP("VocalyneMainWindow", "Ready"));
        return;
    }
    if (last == -1)
        showStatus(QT_TRANSLATE_NOOP("VocalyneMainWindow", "Ready"));
    else if (m_paused)
        showStatus(QT_TRANSLATE_NOOP("VocalyneMainWindow", "Paused"));
    else
        showStatus(QT_TRANSLATE_NOOP("VocalyneMainWindow", "Speaking"));
    if (edit->highlight())
        highlightWord(edit, first, last);
}

void VocalyneSpeakController::highlightWord(VocalyneDocumentEdit *edit, int first, int last)
{
    if (!edit)
        return;
    const bool tracked = edit == m_speakingEditor && m_editTrailConnection;
    if (first == 0 && last == -1) {
        edit->clearSpokenWord();
        // The caret goes back to the start only when the user left it where
        // Speak found it: a key typed next must land where they are writing.
        const QTextCursor caret = edit->textCursor();
        const bool untouched =
            !tracked || (m_editTrail.isEmpty() && caret.anchor() == m_caretAnchorAtSpeak &&
                         caret.position() == m_caretPositionAtSpeak);
        if (untouched) {
            QTextCursor start(edit->document());
            edit->setTextCursor(start);
        }
        return;
    }
    const VocalyneWordHighlight::Range range = VocalyneWordHighlight::map(
        edit->speechText(), edit->engineTypeId(), edit->speakPitch(), first, last);
    const auto [from, to] = tracked ? m_editTrail.mapRange(range.from, range.to)
                                    : qMakePair(int(range.from), int(range.to));
    // A word the user deleted before it was read shows nothing. The text
    // may also have been cut short since it was handed to the engine; the
    // editor keeps the word inside what is left.
    if (from >= to)
        edit->clearSpokenWord();
    else
        edit->showSpokenWord(from, to);
    // The view follows the reading until the user starts writing, then
    // stays where they write.
    if (!tracked || m_editTrail.isEmpty())
        edit->ensureSpokenWordVisible();
}

void VocalyneSpeakController::endReading(VocalyneDocumentEdit *edit)
{
    if (edit)
        edit->clearSpokenWord();
    disconnect(m_editTrailConnection);
    m_editTrailConnection = {};
    m_editTrail.clear();
}

// ---- Voice controls ---------------------------------------------------------

void VocalyneSpeakController::setSpinRangesForEngineType(int engineType)
{
    if (engineType < 0 || engineType > 4)
        return;
    const ValueRanges &r = EngineRanges[engineType];
    if (m_controls.speedSpin)
        m_controls.speedSpin->setRange(r.speedMin, r.speedMax);
    if (m_controls.volumeSpin)
        m_controls.volumeSpin->setRange(r.volumeMin, r.volumeMax);
    if (m_controls.pitchSpin)
        m_controls.pitchSpin->setRange(r.pitchMin, r.pitchMax);
}

int VocalyneSpeakController::voiceComboIndex(const QString &voiceName, qint16 engineTypeId) const
{
    QComboBox *combo = m_controls.voiceCombo;
    if (!combo)
        return -1;
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i) != voiceName)
            continue;
        const QVariant data = combo->itemData(i);
        if (data.canConvert<VoiceComboUserData>() &&
            data.value<VoiceComboUserData>().engineTypeId == engineTypeId)
            return i;
    }
    return -1;
}

void VocalyneSpeakController::loadControls(VocalyneDocumentEdit *edit, int entry, bool redraw)
{
    // Narrowing a range can clamp a box's value; that must not be written
    // into the document as if the user had changed it.
    m_loadingControls = true;
    if (m_controls.voiceCombo)
        m_controls.voiceCombo->setCurrentIndex(entry);
    setSpinRangesForEngineType(edit->engineTypeId());
    if (m_controls.speedSpin)
        m_controls.speedSpin->setValue(edit->speed());
    if (m_controls.volumeSpin)
        m_controls.volumeSpin->setValue(edit->volume());
    if (m_controls.pitchSpin)
        m_controls.pitchSpin->setValue(edit->pitch());
    if (m_controls.highlightCheck)
        m_controls.highlightCheck->setChecked(edit->highlight());
    m_loadingControls = false;
    if (redraw)
        edit->refreshHighlights();
}

void VocalyneSpeakController::syncGUIWithSpeechPropsForTabId(int index)
{
    checkDocumentVoice(index, true);
}

bool VocalyneSpeakController::checkDocumentVoice(int index, bool redraw)
{
    VocalyneDocumentEdit *edit = editorAt(index);
    if (!edit)
        return false;
    int entry = voiceComboIndex(edit->voiceName(), edit->engineTypeId());
    if (entry >= 0) {
        loadControls(edit, entry, redraw);
        return true;
    }
    VocalyneMessageService::warning(
        m_controls.window, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
        appText(QT_TRANSLATE_NOOP(
            "QApplication",
            "The voice saved into the document is not installed.\nReverting to default "
            "voice settings....")));
    if (!edit->loadDefaultSpeechValues()) {
        showError(appText(
            QT_TRANSLATE_NOOP("QApplication", "Unable to set the default speech settings.")));
        return false;
    }
    edit->setModifiedState(true, QString(), index);
    // Show the document's new voice rather than leaving the controls on the
    // previous document's, where an edit would silently write wrong values.
    entry = voiceComboIndex(edit->voiceName(), edit->engineTypeId());
    if (entry >= 0)
        loadControls(edit, entry, redraw);
    return false;
}

void VocalyneSpeakController::syncSpeechPropsWithVoiceCombo(int index)
{
    VocalyneDocumentEdit *edit = currentEditor();
    if (!edit || !m_controls.voiceCombo)
        return;
    const QVariant data = m_controls.voiceCombo->itemData(index);
    if (!data.canConvert<VoiceComboUserData>())
        return;
    const VoiceComboUserData voice = data.value<VoiceComboUserData>();
    edit->pickVoice(voice, m_controls.voiceCombo->itemText(index));
    m_loadingControls = true;
    setSpinRangesForEngineType(voice.engineTypeId);
    for (QSpinBox *spin : {m_controls.speedSpin, m_controls.volumeSpin, m_controls.pitchSpin}) {
        if (spin)
            spin->setValue(100);
    }
    m_loadingControls = false;
}

void VocalyneSpeakController::syncSpeedWithSpeedSpin(int value)
{
    if (VocalyneDocumentEdit *edit = currentEditor(); edit && !m_loadingControls)
        edit->setSpeed(value);
}

void VocalyneSpeakController::syncVolumeWithVolumeSpin(int value)
{
    if (VocalyneDocumentEdit *edit = currentEditor(); edit && !m_loadingControls)
        edit->setVolume(value);
}

void VocalyneSpeakController::syncPitchWithPitchSpin(int value)
{
    if (VocalyneDocumentEdit *edit = currentEditor(); edit && !m_loadingControls)
        edit->setPitch(value);
}

void VocalyneSpeakController::syncHighlightWithHighlightCBox(int state)
{
    if (VocalyneDocumentEdit *edit = currentEditor(); edit && !m_loadingControls)
        edit->setHighlight(state == Qt::Checked);
}
