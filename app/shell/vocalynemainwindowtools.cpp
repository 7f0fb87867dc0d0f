// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Find and Replace, the help pages and the launches of other programs.
#include "vocalynefindreplacedlg.h"
#include "vocalynehelpfiles.h"
#include "vocalynelauncher.h"
#include "vocalynelocations.h"
#include "vocalynemainwindow.h"
#include "vocalynemessageservice.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

QString appText(const char *text)
{
    return QApplication::translate("QApplication", text);
}

// Keeps the busy cursor up while a launch is on its way.
class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::BusyCursor)); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

void VocalyneMainWindow::setUpTools()
{
    using W = VocalyneMainWindow;
    connect(actionFind, &QAction::triggered, this, &W::showFindDialog);
    connect(actionReplace, &QAction::triggered, this, &W::showReplaceDialog);
    connect(actionSave_Layout, &QAction::triggered, this, &W::saveLayout);
    connect(actionLoad_Layout, &QAction::triggered, this, &W::loadLayout);
    connect(actionHelp, &QAction::triggered, this, &W::showHelpMain);
    connect(actionTutorial, &QAction::triggered, this, &W::showHelpTutorial);
    connect(actionQuick_Reference, &QAction::triggered, this, &W::showHelpQuickReference);
    connect(actionGet_more_voices, &QAction::triggered, this, &W::getMoreVoices);
    connect(actionWeb_Browser, &QAction::triggered, this, &W::runDefWebBrowserWithToolbarPage);
    connect(actionEmail_Reader, &QAction::triggered, this, &W::runSupportedEmailClient);
    connect(actionExtract_Text_from_Image, &QAction::triggered, this, &W::runOCRProgram);
    connect(actionShow, &QAction::triggered, this, &W::restoreWindow);
    connect(actionHide, &QAction::triggered, this, &W::hideWindow);

    restoreCurrentLayoutFile();
    createTrayIcon();
    // Showing and hiding only make sense with a tray to come back from.
    actionShow->setEnabled(m_trayIcon != nullptr);
    actionHide->setEnabled(m_trayIcon != nullptr);
    // Connected last: changes made while the window is being built are not
    // the user's copies.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &W::onClipboardDataChanged);
}

// ---- Find and Replace ---------------------------------------------------------

void VocalyneMainWindow::showFindDialog()
{
    if (!m_findReplaceDlg)
        m_findReplaceDlg = new VocalyneFindReplaceDlg(this, this);
    m_findReplaceDlg->showFind();
}

void VocalyneMainWindow::showReplaceDialog()
{
    if (!m_findReplaceDlg)
        m_findReplaceDlg = new VocalyneFindReplaceDlg(this, this);
    m_findReplaceDlg->showReplace();
}

// ---- Help ---------------------------------------------------------------------

QString VocalyneMainWindow::programDirectory() const
{
    return m_programDirectory.isEmpty() ? VocalyneLocations::current().programDirectory()
                                        : m_programDirectory;
}

QString VocalyneMainWindow::pageDirectory() const
{
    // Installed, the pages lie apart from the programs; a folder set for a test
    // holds both.
    return m_programDirectory.isEmpty() ? VocalyneLocations::current().dataDirectory()
                                        : m_programDirectory;
}

void VocalyneMainWindow::showHelpTopic(const QString &topic)
{
    const QString page =
        VocalyneHelpFiles::helpPage(pageDirectory(), VocalyneHelpFiles::systemLocaleName(),
                                    VocalyneHelpFiles::systemLanguageName(), topic);
    // A browser handed a missing page would show its own error page; the
    // program says what is wrong instead.
    BusyCursor busy;
    if (!QFileInfo(page).isFile() ||
        !VocalyneLauncher::instance()->openUrl(QUrl::fromLocalFile(page)))
        VocalyneMessageService::critical(
            this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
            appText(QT_TRANSLATE_NOOP("QApplication", "Help cannot be found.")));
}

void VocalyneMainWindow::showHelpMain()
{
    showHelpTopic(QLatin1String(VocalyneHelpFiles::MainTopic));
}

void VocalyneMainWindow::showHelpTutorial()
{
    showHelpTopic(QLatin1String(VocalyneHelpFiles::TutorialTopic));
}

void VocalyneMainWindow::showHelpQuickReference()
{
    showHelpTopic(QLatin1String(VocalyneHelpFiles::QuickReferenceTopic));
}

void VocalyneMainWindow::showHelpPhonemes()
{
    showHelpTopic(QLatin1String(VocalyneHelpFiles::PhonemesTopic));
}

// ---- Other programs -----------------------------------------------------------

void VocalyneMainWindow::openLocalPage(const QString &baseName)
{
    const QString page = VocalyneHelpFiles::localPage(pageDirectory(), baseName,
                                                      VocalyneHelpFiles::systemLocaleName());
    BusyCursor busy;
    if (!VocalyneLauncher::instance()->openUrl(QUrl::fromLocalFile(page)))
        VocalyneMessageService::critical(
            this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
            appText(QT_TRANSLATE_NOOP("QApplication", "No default web browser could be found.")));
}

void VocalyneMainWindow::runDefWebBrowserWithToolbarPage()
{
    openLocalPage(QStringLiteral("VocalyneToolbar"));
}

void VocalyneMainWindow::getMoreVoices()
{
    openLocalPage(QStringLiteral("VocalyneVoices"));
}

void VocalyneMainWindow::runSupportedEmailClient()
{
    BusyCursor busy;
    VocalyneLauncher *launcher = VocalyneLauncher::instance();
    // The mail client that carries the program's speech toolbar comes
    // first; without it the desktop's own mail program opens.
    const QString thunderbird = launcher->findExecutable(QStringLiteral("thunderbird"));
    bool started = !thunderbird.isEmpty() && launcher->startDetached(thunderbird, {});
    if (!started)
        started = launcher->openUrl(QUrl(QStringLiteral("mailto:")));
    if (!started)
        VocalyneMessageService::critical(
            this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
            appText(
                QT_TRANSLATE_NOOP("QApplication", "No mail client can be found on your system.")));
}

void VocalyneMainWindow::runOCRProgram()
{
    BusyCursor busy;
    const QString program = QDir(programDirectory()).filePath(QStringLiteral("HalvernGlyphix"));
    const QFileInfo info(program);
    if (!info.isFile() || !info.isExecutable() ||
        !VocalyneLauncher::instance()->startDetached(program, {}))
        VocalyneMessageService::critical(
            this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
            appText(QT_TRANSLATE_NOOP("QApplication", "Halvern ")) + QChar(0x00AE) +
                appText(
                    QT_TRANSLATE_NOOP("QApplication", " Glyphix cannot be found on your system.")));
}
