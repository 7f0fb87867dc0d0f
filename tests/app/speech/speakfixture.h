// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "messagerecorder.h"
#include "vocalynedocumentedit.h"
#include "vocalynespeakcontroller.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QStatusBar>
#include <QString>
#include <QStringList>
#include <QTabWidget>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

/// One word event as the controller saw it, with what the editor showed
/// right after the controller handled it.
struct HeardWord
{
    int first = 0;
    int last = 0;
    QString selected;     ///< the text shown as the spoken word
    int selectionStart = 0; ///< where the spoken word starts
    int position = 0;     ///< the editor's cursor position (the caret)
    QString userSelection; ///< the editor's selected text
    QString status;       ///< the status bar text
};

/// A main window's speech parts around the real engine: a tab widget with
/// real document editors, the voice list of the installed voices, the three
/// boxes, the highlight box, the Speak Punctuation action and a status bar.
/// The engine is initialised once per test program, for a message window
/// whose messages are delivered from Qt's event loop.
class SpeakFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    /// A new editor in a new, current tab holding text.
    VocalyneDocumentEdit *addEditor(const QString &text);
    /// The voice list index of the installed voice called name, or -1.
    int voiceIndex(const QString &name) const;
    /// Processes events until pred holds or timeoutMs passed.
    static bool waitFor(const std::function<bool()> &pred, int timeoutMs = 60000);
    /// Waits for the end event of the text being spoken.
    bool waitForEnd(int timeoutMs = 60000);
    /// The word events heard so far, without the end events.
    std::vector<HeardWord> spokenWords() const;
    /// The text the engine was handed for edit: its pitch markup (as the
    /// engine writes it) followed by the engine text.
    QString handedText(const VocalyneDocumentEdit *edit) const;
    QString status() const { return statusBar->currentMessage(); }
    /// Every status bar text shown since the last clear, in order.
    QStringList statusTrail;

    /// Shuts the engine down (every later call fails) or starts it again.
    static void shutDownEngine();
    static void restartEngine();

    static QString englishVoice() { return QStringLiteral("espeak-ng English (America)"); }
    static QString otherVoice() { return QStringLiteral("espeak-ng English (Great Britain)"); }

    std::unique_ptr<QWidget> window;
    QTabWidget *tabs = nullptr;
    QComboBox *voiceCombo = nullptr;
    QSpinBox *speedSpin = nullptr;
    QSpinBox *volumeSpin = nullptr;
    QSpinBox *pitchSpin = nullptr;
    QCheckBox *highlightCheck = nullptr;
    QAction *speakPunctuation = nullptr;
    QStatusBar *statusBar = nullptr;
    std::unique_ptr<VocalyneSpeakController> controller;
    std::unique_ptr<MessageRecorder> messages;
    std::vector<HeardWord> heard;
    int endEvents = 0;
};
