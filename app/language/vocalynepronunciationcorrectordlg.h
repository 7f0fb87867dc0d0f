// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "vocalyneuserdictionary.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <memory>

class VocalyneMainWindowInterface;
class QAbstractButton;

namespace Ui {
class VocalynePronunciationCorrectorDlg;
}

// The pronunciation corrector: the user composes a word's pronunciation
// from the phoneme buttons of one language, listens to it and keeps it in
// the correction list (the user dictionary). Accept stores the list and
// applies it to the voices' lexicon.
class VocalynePronunciationCorrectorDlg : public QDialog
{
    Q_OBJECT
public:
    explicit VocalynePronunciationCorrectorDlg(VocalyneMainWindowInterface *mainWindow,
                                               QWidget *parent = nullptr);
    ~VocalynePronunciationCorrectorDlg() override;

    // The rows of the table as entries, in table order.
    QList<VocalyneUserDictionary::Entry> entries() const { return m_entries; }
    // Entries the user removed from the table since the dialog opened.
    QList<VocalyneUserDictionary::Entry> removedEntries() const { return m_removed; }

    // True when target, trimmed, is made of phonemes of the shown tab
    // separated by single blanks.
    bool isTargetValid(const QString &target) const;

signals:
    // The help page on phonemes is wanted (the main window opens it).
    void phonemesHelpRequested();

public slots:
    void phBtnClicked();
    void phBtnClearTarget();
    void readTest();
    void addWordToList();
    void onTWidgetCellClicked(int row, int column);
    void onTWidgetCellDoubleClicked(int row, int column);
    void showHelpPhonemes();
    void reloadSettingsWithDictDataAndreapplyUseDict();

private:
    bool checkTarget();
    void appendRow(const VocalyneUserDictionary::Entry &entry);
    void showStatus(int row);
    void speak(const QString &target, bool isPhoneme);
    // Shows a voice of the language of phoneme tab under "Read using voice"
    // unless the shown one speaks it already (or no voice does).
    void chooseVoiceFor(int tab);

    std::unique_ptr<Ui::VocalynePronunciationCorrectorDlg> m_ui;
    VocalyneMainWindowInterface *m_mainWindow;
    QList<VocalyneUserDictionary::Entry> m_entries;
    QList<VocalyneUserDictionary::Entry> m_removed;
};
