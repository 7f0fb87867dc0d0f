// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// Spell checking in the main window: the dictionaries loaded at start-up and
// the check run of the current document (Spell Check, F7).
#include "vocalynedialogservice.h"
#include "vocalynedocumentedit.h"
#include "vocalynelocations.h"
#include "vocalynemainwindow.h"
#include "vocalynemanagescdictdlg.h"
#include "vocalynemessageservice.h"
#include "vocalynespellcheckdictionaries.h"
#include "vocalynespellcheckerdlg.h"
#include "vocalynespellcheckrun.h"

#include <QApplication>
#include <QSettings>
#include <QTextCursor>

void VocalyneMainWindow::setUpSpellChecking()
{
    VocalyneManageSCDictDlg::setFileChooser([](QWidget *parent, const QString &caption,
                                               const QString &directory, const QString &filter) {
        return VocalyneDialogService::instance()->openFileName(parent, caption, directory, filter);
    });

    QSettings settings;
    VocalyneSpellCheckDictionaries::writeFirstRunDefaults(
        settings, VocalyneLocations::current().dataDirectory());
    const QList<VocalyneSpellCheckDictionary> failures =
        VocalyneSpellCheckDictionaries::loadEnabled(settings);
    for (const VocalyneSpellCheckDictionary &failure : failures)
        VocalyneMessageService::critical(this, QApplication::translate("QApplication", "Error"),
                                         VocalyneSpellCheckDictionaries::loadFailureText(failure));

    connect(actionSpell_Check, &QAction::triggered, this, &VocalyneMainWindow::doSpellCheck);
}

void VocalyneMainWindow::doSpellCheck()
{
    VocalyneDocumentEdit *edit = currentDocumentEdit();
    if (!edit)
        return;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QList<VocalyneMisspelling> words =
        VocalyneSpellCheckRun::unknownWords(edit->toPlainText());
    QApplication::restoreOverrideCursor();

    bool complete = words.isEmpty();
    if (!complete) {
        VocalyneSpellCheckerDlg dialog(edit, words, this);
        complete = !dialog.start() || dialog.exec() == QDialog::Accepted;
    }
    if (complete)
        VocalyneMessageService::information(
            this, QApplication::translate("QApplication", "Vocalyne"),
            QApplication::translate("QApplication", "The spelling check is complete."));

    QTextCursor cursor = edit->textCursor();
    cursor.movePosition(QTextCursor::Start);
    edit->setTextCursor(cursor);
}
