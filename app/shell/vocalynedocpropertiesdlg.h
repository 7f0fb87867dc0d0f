// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class VocalyneDocPropertiesDlg;
}
class VocalyneDocumentEdit;

/// "Document Properties": a read-only summary of one document (name, path,
/// global voice values and the numbers of bookmarks, speech sections and
/// speech elements). Changes nothing.
class VocalyneDocPropertiesDlg : public QDialog
{
    Q_OBJECT

public:
    /// Fills the fields from editor (not owned; read only here).
    VocalyneDocPropertiesDlg(QWidget *parent, const VocalyneDocumentEdit *editor,
                             Qt::WindowFlags flags = Qt::WindowFlags());
    ~VocalyneDocPropertiesDlg() override;

private:
    std::unique_ptr<Ui::VocalyneDocPropertiesDlg> m_ui;
};
