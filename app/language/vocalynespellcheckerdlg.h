// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "vocalynespellcheckrun.h"

#include <QDialog>
#include <QList>
#include <QSet>
#include <QString>

#include <memory>

class QTextEdit;
namespace Ui {
class VocalyneSpellCheckerDlg;
}

/// Walks the user through the unknown words of a check run, in document
/// order, selecting each occurrence in the editor: Ignore, Ignore All, Add
/// (to the default dictionary), Change, Change All and Manage... for the
/// dictionary list. A word's suggestions are looked up when the dialog
/// reaches it. The dialog is accepted when every word has been handled.
class VocalyneSpellCheckerDlg : public QDialog
{
    Q_OBJECT

public:
    /// editor is not owned and must outlive the dialog.
    VocalyneSpellCheckerDlg(QTextEdit *editor, const QList<VocalyneMisspelling> &words,
                            QWidget *parent = nullptr);
    ~VocalyneSpellCheckerDlg() override;

    /// Puts the editor's cursor at the start and shows the first word that
    /// is still in the text. False when there is none (the dialog is then
    /// already accepted and need not be run).
    bool start();

    /// The index of the word shown (-1 before the first).
    int currentIndex() const { return m_index; }
    /// The words skipped from now on.
    const QSet<QString> &ignoreList() const { return m_ignore; }

public Q_SLOTS:
    void onIgnore();
    void onIgnoreAll();
    void onChange();
    void onChangeAll();
    void onAdd();
    void onManage();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void nextWord();
    /// Moves the dialog off the word it shows, so the word can be read in
    /// its sentence.
    void keepWordVisible();
    void showWord(const VocalyneMisspelling &word);
    /// The chosen suggestion, or an empty string when there is none.
    QString chosenSuggestion() const;

    std::unique_ptr<Ui::VocalyneSpellCheckerDlg> m_ui;
    QTextEdit *m_editor;
    QList<VocalyneMisspelling> m_words;
    int m_index = -1;
    bool m_hasSuggestions = false;
    QSet<QString> m_ignore;
    /// Words replaced everywhere after the cursor by Change All: their later
    /// entries are skipped without searching the rest of the document.
    QSet<QString> m_changedAll;
};
