// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvmessages.h"
#include "vocalyneedittrail.h"
#include "vocalynespeechtextbuilder.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtGlobal>

class QAction;
class QCheckBox;
class QComboBox;
class QSpinBox;
class QStatusBar;
class QTabWidget;
class QWidget;
class VocalyneDocumentEdit;

/// The main window's controls the speak controller reads and writes. None
/// is owned; all must outlive the controller, except that any may be null
/// (then that part is skipped).
struct VocalyneSpeakControls
{
    QWidget *window = nullptr;  ///< parent of messages, brought up on empty text
    QTabWidget *tabs = nullptr; ///< one document editor per tab
    QComboBox *voiceCombo = nullptr;
    QSpinBox *speedSpin = nullptr;
    QSpinBox *volumeSpin = nullptr;
    QSpinBox *pitchSpin = nullptr;
    QCheckBox *highlightCheck = nullptr;
    QAction *speakPunctuation = nullptr; ///< checkable "Speak Punctuation"
    QStatusBar *statusBar = nullptr;
};

/// Reads documents aloud: Speak, Speak from Cursor, Pause / Resume and Stop,
/// the word highlight that follows the engine's word events, the status bar
/// texts and the engine's error messages, and the speech toolbar's voice
/// controls that write into the current document.
///
/// Owned by the main window. The word callback registered with the engine
/// must forward to wordCallback() on the GUI thread. What one Speak handed to
/// the engine is kept in the editor (VocalyneDocumentEdit::speechText(),
/// speakPitch(), speechBytes()).
class VocalyneSpeakController : public QObject
{
    Q_OBJECT

public:
    explicit VocalyneSpeakController(const VocalyneSpeakControls &controls,
                                     QObject *parent = nullptr);
    ~VocalyneSpeakController() override;

    /// The engine's host window, passed along with every speak.
    void setHostWindow(HWND window) { m_hostWindow = window; }

    /// The editor whose text was last handed to the engine (null when idle).
    VocalyneDocumentEdit *currentSpeakingEditor() const;
    bool isPaused() const { return m_paused; }

    /// The editor of the tab at index, or null.
    VocalyneDocumentEdit *editorAt(int index) const;
    VocalyneDocumentEdit *currentEditor() const;

    /// Sets the speed, volume and pitch boxes' ranges for a voice engine
    /// type (0 to 4); any other type leaves them as they are.
    void setSpinRangesForEngineType(int engineType);

    /// The message for a QVTTSSpeak result; empty for 0.
    static QString speakErrorText(int result);
    /// The message for a QVTTSPause (resume false) or QVTTSResume (resume
    /// true) result; empty for every result that counts as success.
    static QString pauseResumeErrorText(int result, bool resume);

    /// Maps (first, last) of the engine text last spoken from edit to the
    /// document as it is now (edits made while it is read are allowed) and
    /// shows that word as the spoken word; (0, -1) takes the highlight away
    /// and, unless the user moved the caret or edited meanwhile, puts the
    /// caret at 0.
    void highlightWord(VocalyneDocumentEdit *edit, int first, int last);

    /// Carries out the result of QVTTSPause or QVTTSResume: an error shows
    /// its message and forgets the speaking editor with the paused flag as
    /// it was; success shows "Paused" or "Speaking" and sets the flag.
    void applyPauseResumeResult(int result, bool resume);

    /// The document voice check for the tab at index: loads the document's
    /// voice and values into the controls, or, when its voice is not
    /// installed, warns and falls back to the default voice. Redraws the
    /// document's highlights only with redraw. True when the voice was
    /// installed.
    bool checkDocumentVoice(int index, bool redraw = true);

    /// To be called before the tab of edit is closed: stops the engine first
    /// when edit is being spoken.
    void editorClosing(VocalyneDocumentEdit *edit);

public slots:
    void speak(bool fromCursor);
    void speak();
    void speakFromCursor();
    void pauseResume();
    void stop();
    /// One word event of the engine, or (0, -1) at the end of a text.
    void wordCallback(int first, int last);

    /// Loads the voice of the document in the tab at index into the voice
    /// controls; a voice that is not installed is replaced by the defaults.
    void syncGUIWithSpeechPropsForTabId(int index);
    /// The voice list entry at index becomes the current document's voice,
    /// with speed, volume and pitch 100 and sentence pause 670.
    void syncSpeechPropsWithVoiceCombo(int index);
    void syncSpeedWithSpeedSpin(int value);
    void syncVolumeWithVolumeSpin(int value);
    void syncPitchWithPitchSpin(int value);
    /// state is a Qt::CheckState value.
    void syncHighlightWithHighlightCBox(int state);

private:
    void showStatus(const char *text);
    void showError(const QString &text);
    void bringUpWindow();
    /// Ends the reading of edit: no spoken word, no edit tracking.
    void endReading(VocalyneDocumentEdit *edit);
    int voiceComboIndex(const QString &voiceName, qint16 engineTypeId) const;
    void loadControls(VocalyneDocumentEdit *edit, int entry, bool redraw);

    VocalyneSpeakControls m_controls;
    HWND m_hostWindow = nullptr;
    QPointer<VocalyneDocumentEdit> m_speakingEditor;
    bool m_paused = false;
    // Set while a document's values are loaded into the controls, so the
    // controls' change signals do not write them back as edits.
    bool m_loadingControls = false;
    // The edits made to the speaking editor's text since it was handed to
    // the engine: the engine's positions refer to the text as it was then.
    VocalyneEditTrail m_editTrail;
    QMetaObject::Connection m_editTrailConnection;
    // Where the caret was when reading started, to tell whether the user has
    // taken it somewhere since.
    int m_caretAnchorAtSpeak = 0;
    int m_caretPositionAtSpeak = 0;
    VocalyneSpeechTextBuilder m_builder;
};
