// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The tray icon, hiding to it and back, and the clipboard watch.
#include "vocalynedocumentedit.h"
#include "vocalyneiconnames.h"
#include "vocalynemainwindow.h"
#include "vocalynesettingskeys.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QSettings>

namespace {

int g_trayAvailability = -1;

bool trayAvailable()
{
    return g_trayAvailability < 0 ? QSystemTrayIcon::isSystemTrayAvailable()
                                  : g_trayAvailability > 0;
}

} // namespace

void VocalyneMainWindow::setTrayAvailability(int available)
{
    g_trayAvailability = available;
}

void VocalyneMainWindow::createTrayIcon()
{
    // Without a tray the window could not come back from hiding, so closing
    // it ends the program as before.
    if (!trayAvailable())
        return;
    m_trayIcon = new QSystemTrayIcon(QIcon(VocalyneIconNames::path(VocalyneIconNames::Tray)), this);
    m_trayIcon->setObjectName(QStringLiteral("trayIcon"));
    m_trayIcon->setToolTip(tr("Vocalyne"));
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("trayMenu"));
    menu->addAction(actionShow);
    menu->addAction(actionHide);
    menu->addSeparator();
    menu->addAction(actionSpeak);
    menu->addAction(actionPause_Resume);
    menu->addAction(actionStop);
    menu->addSeparator();
    menu->addAction(actionExit);
    m_trayIcon->setContextMenu(menu);
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &VocalyneMainWindow::iconActivated);
    m_trayIcon->show();
    // While the window hides in the tray, closing a message box must not
    // end the program because no window is left on screen.
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

void VocalyneMainWindow::showTrayMessage(const QString &title, const QString &message,
                                         int milliseconds)
{
    if (!m_trayIcon)
        return;
    m_lastTrayMessage = title;
    m_trayIcon->showMessage(title, message, QSystemTrayIcon::Information, milliseconds);
}

void VocalyneMainWindow::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
        restoreWindow();
}

void VocalyneMainWindow::hideWindow()
{
    if (!isVisible())
        return;
    m_hiddenLayout = currentLayout();
    // Floating docks and toolbars are windows of their own; they hide too.
    for (QWidget *part : std::initializer_list<QWidget *>{
             docToolbar, speechToolbar, toolToolbar, dwSBManager, dwDocHistory, dwSpProperties})
        part->hide();
    hide();
}

void VocalyneMainWindow::restoreWindow()
{
    if (!isVisible()) {
        if (m_hiddenLayout.isEmpty()) {
            showNormal();
        } else {
            restoreGeometry(m_hiddenLayout.geometry);
            restoreState(m_hiddenLayout.state, 0);
            applyToolbarAppearance(m_hiddenLayout.appearance);
            show();
        }
        // Shown again, the live layout is the one to keep on exit.
        m_hiddenLayout = VocalyneLayout();
    }
    raise();
    activateWindow();
}

bool VocalyneMainWindow::hideToTrayInsteadOfClosing()
{
    if (m_exitRequested || !m_trayIcon || !trayAvailable())
        return false;
    hideWindow();
    showTrayMessage(tr("Vocalyne has been minimized to the system tray"),
                    tr("If you wish to completely exit the application, right-click on this "
                       "icon and choose \"Exit\"."),
                    5000);
    return true;
}

void VocalyneMainWindow::onClipboardDataChanged()
{
    // A cut or copy in one of the program's own editors.
    if (m_ignoreNextClipboardChange) {
        m_ignoreNextClipboardChange = false;
        return;
    }
    // Read on every change, so that Preferences apply at once.
    QSettings settings;
    namespace Keys = VocalyneSettingsKeys;
    if (settings.value(Keys::ClipboardWatchEnabled, Keys::DefaultClipboardWatchEnabled).toInt() !=
        1)
        return;
    const QString text = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
    if (text.isEmpty())
        return;
    const int limit =
        settings.value(Keys::ClipboardWatchCharLimit, Keys::DefaultClipboardWatchCharLimit).toInt();
    // Characters as the user counts them: a letter outside the basic plane
    // is one, not two.
    if (text.toUcs4().size() < limit)
        return;
    newDocument();
    if (VocalyneDocumentEdit *edit = currentDocumentEdit())
        edit->setPlainText(text);
    if (settings.value(Keys::ClipboardWatchNotify, Keys::DefaultClipboardWatchNotify).toInt() == 1)
        showTrayMessage(tr("The text you just copied has been transferred to Vocalyne"),
                        tr("If you wish to change your Clipboard Watch settings access "
                           "Preferences in Vocalyne and select the \"Clipboard Watch\" tab."),
                        2000);
}
