// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace Ui {
class VocalyneManageSCDictDlg;
}

/// The spell-check dictionary list: add a dictionary file under a name,
/// remove one (column 0), enable or disable one (double click on column 2),
/// make one the default (double click on column 3). OK writes the list to
/// the settings; the program loads it at its next start.
class VocalyneManageSCDictDlg : public QDialog
{
    Q_OBJECT

public:
    /// Asks for an existing file: (parent, caption, directory, filter);
    /// empty when cancelled.
    using FileChooser =
        std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;

    explicit VocalyneManageSCDictDlg(QWidget *parent = nullptr);
    ~VocalyneManageSCDictDlg() override;

    /// Replaces the file chooser of Browse... (the program routes it through
    /// its dialog service); an empty function restores the plain file dialog.
    static void setFileChooser(FileChooser chooser);

    /// The file paths of the rows, in row order.
    const QStringList &paths() const { return m_paths; }

public Q_SLOTS:
    void onTWidgetCellClicked(int row, int column);
    void onTWidgetCellDoubleClicked(int row, int column);
    void onAccept();
    void onBrowseForDictFile();
    void onAddDict();

private:
    void appendRow(const QString &name, const QString &path, bool enabled, bool isDefault);
    void setRowEnabled(int row, bool enabled);
    bool isDefaultRow(int row) const;

    std::unique_ptr<Ui::VocalyneManageSCDictDlg> m_ui;
    QStringList m_paths;
};
