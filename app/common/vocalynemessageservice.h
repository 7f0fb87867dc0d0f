// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

/// Every message box of the program goes through this service, so that tests
/// can replace it with a recorder that answers without a window.
class VocalyneMessageService
{
public:
    enum class Kind { Critical, Warning, Question, Information };

    virtual ~VocalyneMessageService();

    /// Shows a modal message box and returns the button the user pressed.
    virtual QMessageBox::StandardButton show(QWidget *parent, Kind kind, const QString &title,
                                             const QString &text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton);

    /// The service in force: the installed one, else the built-in one.
    static VocalyneMessageService *instance();
    /// Installs a replacement (not owned); nullptr restores the built-in one.
    static void setInstance(VocalyneMessageService *service);

    // Shorthands with the usual buttons.
    static void critical(QWidget *parent, const QString &title, const QString &text);
    static void warning(QWidget *parent, const QString &title, const QString &text);
    static void information(QWidget *parent, const QString &title, const QString &text);
    static QMessageBox::StandardButton
    question(QWidget *parent, const QString &title, const QString &text,
             QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
             QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
};
