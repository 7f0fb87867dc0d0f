// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvt2ssection.h"
#include "voicecombouserdata.h"

#include <QDialog>
#include <QString>

namespace Ui {
class VocalyneSpSectionEditorDialog;
}
class VocalyneMainWindowInterface;

/// The modal "Speech Section Editor": creates a section over the current
/// editor's selection or edits section sectionIndex of the current
/// document, with voice, speed, volume, pitch and sentence pause, and
/// speaks the section text with those values on Test.
///
/// The dialog works on the current document of mainWindow, which must stay
/// the same while the dialog is open (it is modal).
class VocalyneSpeechSectionEditor : public QDialog
{
    Q_OBJECT

public:
    /// sectionText is the text the section covers; voiceIndex the main
    /// window's voice-list index, selected for a new section; sectionIndex
    /// the section edited, or -1 for a new one over the current selection.
    VocalyneSpeechSectionEditor(VocalyneMainWindowInterface *mainWindow, const QString &sectionText,
                                int voiceIndex, int sectionIndex, QWidget *parent = nullptr);
    ~VocalyneSpeechSectionEditor() override;

    /// True between Test and Stop Test (or closing).
    bool isTesting() const { return m_testing; }
    /// True once Test has handed text to the engine.
    bool hasTested() const { return m_tested; }
    /// The engine text the last Test handed over.
    QString lastTestText() const { return m_lastTestText; }

public slots:
    void syncSpeechPropsWithVoiceCombo(int index);
    void syncSpeechPropsWithVoiceCombo(int index, bool reset);
    void acceptSpSection();
    void testSection();
    void stopTestSection();

protected:
    /// Every way of closing stops a running test first.
    void done(int result) override;

private:
    bool chosenVoice(VoiceComboUserData *voice) const;
    void loadSection(const QVT2SSection &section);
    void keepDocumentUnmodified(bool wasModified);

    Ui::VocalyneSpSectionEditorDialog *m_ui;
    VocalyneMainWindowInterface *m_mainWindow;
    int m_sectionIndex;
    QString m_sectionText;
    bool m_documentHighlight = false;
    bool m_testing = false;
    bool m_tested = false;
    QString m_lastTestText;
};
