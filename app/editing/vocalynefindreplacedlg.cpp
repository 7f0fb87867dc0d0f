// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynefindreplacedlg.h"

#include "ui_vocalynefindreplacedlg.h"
#include "vocalynedocumentedit.h"
#include "vocalynemainwindowinterface.h"
#include "vocalynemessageservice.h"
#include "vocalynereplaceall.h"

#include <QApplication>
#include <QTextCursor>

namespace {

QString appText(const char *text)
{
    return QApplication::translate("QApplication", text);
}

} // namespace

VocalyneFindReplaceDlg::VocalyneFindReplaceDlg(VocalyneMainWindowInterface *mainWindow,
                                               QWidget *parent)
    : QDialog(parent, Qt::Tool), m_ui(std::make_unique<Ui::VocalyneFindReplaceDlg>()),
      m_mainWindow(mainWindow)
{
    m_ui->setupUi(this);
    setModal(false);
    connect(m_ui->findShowBtn, &QPushButton::clicked, this, &VocalyneFindReplaceDlg::setFindState);
    connect(m_ui->replaceShowBtn, &QPushButton::clicked, this,
            &VocalyneFindReplaceDlg::setReplaceState);
    connect(m_ui->findEdit, &QLineEdit::textChanged, this, &VocalyneFindReplaceDlg::setBtnsState);
    connect(m_ui->findNextBtn, &QPushButton::clicked, this, &VocalyneFindReplaceDlg::findNext);
    connect(m_ui->replaceBtn, &QPushButton::clicked, this, &VocalyneFindReplaceDlg::replaceNext);
    connect(m_ui->replaceAllBtn, &QPushButton::clicked, this, &VocalyneFindReplaceDlg::replaceAll);
}

VocalyneFindReplaceDlg::~VocalyneFindReplaceDlg() = default;

void VocalyneFindReplaceDlg::showFind()
{
    m_ui->findShowBtn->click();
    showAndActivate();
}

void VocalyneFindReplaceDlg::showReplace()
{
    m_ui->replaceShowBtn->click();
    showAndActivate();
}

void VocalyneFindReplaceDlg::showAndActivate()
{
    m_ui->findEdit->setFocus();
    show();
    raise();
    activateWindow();
}

VocalyneTextSearch::Options VocalyneFindReplaceDlg::options() const
{
    VocalyneTextSearch::Options options;
    options.matchCase = m_ui->cbMatchCase->isChecked();
    options.wholeWords = m_ui->cbMatchWholeWord->isChecked();
    options.searchUp = m_ui->cbSearchUp->isChecked();
    return options;
}

bool VocalyneFindReplaceDlg::replaceMode() const
{
    return m_ui->replaceShowBtn->isChecked();
}

void VocalyneFindReplaceDlg::setFindState(bool)
{
    // A click on the checked button would uncheck it; the mode stays set.
    m_ui->findShowBtn->setChecked(true);
    m_ui->replaceShowBtn->setChecked(false);
    m_ui->replaceEdit->setEnabled(false);
    m_ui->replaceBtn->setEnabled(false);
    m_ui->replaceAllBtn->setEnabled(false);
}

void VocalyneFindReplaceDlg::setReplaceState(bool)
{
    m_ui->replaceShowBtn->setChecked(true);
    m_ui->findShowBtn->setChecked(false);
    m_ui->replaceEdit->setEnabled(true);
    const bool text = !m_ui->findEdit->text().isEmpty();
    m_ui->replaceBtn->setEnabled(text);
    m_ui->replaceAllBtn->setEnabled(text);
}

void VocalyneFindReplaceDlg::setBtnsState(const QString &text)
{
    const bool any = !text.isEmpty();
    m_ui->findNextBtn->setEnabled(any);
    m_ui->replaceBtn->setEnabled(any && replaceMode());
    m_ui->replaceAllBtn->setEnabled(any && replaceMode());
}

void VocalyneFindReplaceDlg::reportNotFound()
{
    VocalyneMessageService::information(
        this, appText(QT_TRANSLATE_NOOP("QApplication", "Vocalyne")),
        appText(QT_TRANSLATE_NOOP("QApplication", "Cannot find: '%1'"))
            .arg(m_ui->findEdit->text()));
}

void VocalyneFindReplaceDlg::findNext()
{
    VocalyneDocumentEdit *edit = m_mainWindow ? m_mainWindow->currentDocumentEdit() : nullptr;
    const QString text = m_ui->findEdit->text();
    if (!edit || text.isEmpty())
        return;
    if (!edit->find(text, VocalyneTextSearch::findFlags(options())))
        reportNotFound();
}

void VocalyneFindReplaceDlg::replaceNext()
{
    VocalyneDocumentEdit *edit = m_mainWindow ? m_mainWindow->currentDocumentEdit() : nullptr;
    const QString text = m_ui->findEdit->text();
    if (!edit || text.isEmpty())
        return;
    QTextCursor match =
        VocalyneTextSearch::find(edit->document(), text, edit->textCursor(), options());
    if (match.isNull()) {
        reportNotFound();
        return;
    }
    // One replacement is one undo step, however many edits it takes.
    QTextCursor block(edit->document());
    block.beginEditBlock();
    VocalyneTextSearch::replace(match, m_ui->replaceEdit->text());
    block.endEditBlock();
    edit->setTextCursor(match);
}

void VocalyneFindReplaceDlg::replaceAll()
{
    VocalyneDocumentEdit *edit = m_mainWindow ? m_mainWindow->currentDocumentEdit() : nullptr;
    const QString text = m_ui->findEdit->text();
    if (!edit || text.isEmpty())
        return;
    QTextCursor last;
    int count = 0;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        count = VocalyneReplaceAll::run(edit, text, m_ui->replaceEdit->text(), options(), &last);
        QApplication::restoreOverrideCursor();
    }
    if (count == 0) {
        reportNotFound();
        return;
    }
    edit->setTextCursor(last);
    VocalyneMessageService::information(
        this, appText(QT_TRANSLATE_NOOP("QApplication", "Vocalyne")),
        appText(QT_TRANSLATE_NOOP("QApplication", "Replaced %1 occurrence(s) of '%2'"))
            .arg(count)
            .arg(text));
}
