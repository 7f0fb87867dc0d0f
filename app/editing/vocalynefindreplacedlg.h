// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "vocalynetextsearch.h"

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class VocalyneFindReplaceDlg;
}
class VocalyneDocumentEdit;
class VocalyneMainWindowInterface;

/// Find and Replace: a modeless tool window of the main window, created once
/// and kept. It always works on the editor that is current when a button is
/// pressed; without one its commands do nothing. In find mode the replace
/// field and buttons are disabled. Mode, options and texts persist for the
/// run; nothing is stored in the settings.
class VocalyneFindReplaceDlg : public QDialog
{
    Q_OBJECT

public:
    /// mainWindow (not owned) gives the current editor; parent owns the dialog.
    VocalyneFindReplaceDlg(VocalyneMainWindowInterface *mainWindow, QWidget *parent = nullptr);
    ~VocalyneFindReplaceDlg() override;

    /// Switches to find mode (or replace mode), puts the focus in the search
    /// field and shows, raises and activates the dialog.
    void showFind();
    void showReplace();

    /// The options as the check boxes set them.
    VocalyneTextSearch::Options options() const;

public Q_SLOTS:
    void setFindState(bool checked = true);
    void setReplaceState(bool checked = true);
    void setBtnsState(const QString &text);
    /// Selects the next match in the current editor, or reports "Cannot find".
    void findNext();
    /// Finds the next match as findNext() does and replaces it at once.
    void replaceNext();
    /// Replaces every match in the current document as one undo step and
    /// reports how many were replaced.
    void replaceAll();

private:
    bool replaceMode() const;
    void showAndActivate();
    void reportNotFound();

    std::unique_ptr<Ui::VocalyneFindReplaceDlg> m_ui;
    VocalyneMainWindowInterface *m_mainWindow = nullptr;
};
