// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QDialog>
#include <QFont>

#include <memory>

namespace Ui {
class VocalynePreferencesDlg;
}
class QAbstractButton;
class VocalyneSpeakController;

/// "Preferences": edits the user's defaults (voice and prosody for new
/// documents, voice output format, default export format, simultaneous
/// batch exports, document font, history and recent menu, clipboard watch).
/// The values live in the dialog until OK writes them; Cancel writes
/// nothing. "Clear History", "Compact..." and "Clear Recent Menu" act at
/// once, whatever the dialog's outcome.
class VocalynePreferencesDlg : public QDialog
{
    Q_OBJECT

public:
    /// Loads the stored values (missing ones start from the defaults).
    explicit VocalynePreferencesDlg(QWidget *parent = nullptr);
    ~VocalynePreferencesDlg() override;

    /// The document font the dialog holds (written on OK).
    QFont documentFont() const { return m_font; }

public Q_SLOTS:
    /// OK writes and closes, Cancel closes, Restore Defaults resets the
    /// controls without writing.
    void onButtonBoxClicked(QAbstractButton *button);
    /// A voice was chosen: its engine type's ranges, speed, volume and
    /// pitch 100.
    void syncSpinsWithVoiceCombo(int index);
    /// "Change Font...": the font dialog; the choice is kept until OK.
    void onDocFontChanged();
    void onClearHistory();
    void onCompactHistoryDB();
    void onClearRecent();
    /// "Enable Clipboard Watch" toggled (a Qt::CheckState).
    void onClipboardWatchCBClicked(int state);
    /// The text length limit toggled: on shows 200, off 0.
    void onClipboardWatchCBActivateLimitClicked(int state);

private:
    void load();
    void fillVoices();
    void fillFormats();
    void applyEngineRanges(int engineType);
    /// The MP3 box follows the chosen export format: enabled (showing the
    /// user's choice) for WAV formats, disabled and unchecked otherwise.
    void syncMp3WithExportFormat();
    void restoreDefaults();
    void save();

    std::unique_ptr<Ui::VocalynePreferencesDlg> m_ui;
    VocalyneSpeakController *m_ranges = nullptr; ///< applies engine-type ranges
    QFont m_font;
    bool m_mp3Choice = true; ///< the MP3 choice while a non-WAV format hides it
};
