// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynedocpropertiesdlg.h"

#include "ui_vocalynedocpropertiesdlg.h"
#include "vocalynedocumentedit.h"

#include <QFileInfo>

VocalyneDocPropertiesDlg::VocalyneDocPropertiesDlg(QWidget *parent,
                                                   const VocalyneDocumentEdit *editor,
                                                   Qt::WindowFlags flags)
    : QDialog(parent, flags), m_ui(std::make_unique<Ui::VocalyneDocPropertiesDlg>())
{
    m_ui->setupUi(this);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    if (!editor)
        return;

    const QString path = editor->filePath();
    m_ui->labelDocName->setText(path.isEmpty() ? tr("Untitled") : QFileInfo(path).fileName());
    m_ui->lineEditPath->setText(path);
    // A long path shows its beginning, where the folders are.
    m_ui->lineEditPath->setCursorPosition(0);
    m_ui->lineEditPath->setToolTip(path);

    m_ui->labelVoice->setText(editor->voiceName());
    m_ui->labelSpeed->setText(QString::number(editor->speed()));
    m_ui->labelVolume->setText(QString::number(editor->volume()));
    m_ui->labelPitch->setText(QString::number(editor->pitch()));

    m_ui->labelBookmarks->setText(QString::number(editor->bookmarks().size()));
    m_ui->labelSpSections->setText(QString::number(editor->sections().size()));
    m_ui->labelSpElements->setText(QString::number(editor->elements().size()));
}

VocalyneDocPropertiesDlg::~VocalyneDocPropertiesDlg() = default;
