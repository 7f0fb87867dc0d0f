// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Window layouts: the current layout kept across runs, and layout files of
// the user's own.
#include "vocalynedialogservice.h"
#include "vocalynelayoutfile.h"
#include "vocalynemainwindow.h"
#include "vocalynemessageservice.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString appText(const char *text)
{
    return QApplication::translate("QApplication", text);
}

} // namespace

VocalyneLayout VocalyneMainWindow::currentLayout() const
{
    return {saveGeometry(), saveState(0), toolbarAppearance()};
}

bool VocalyneMainWindow::applyLayout(const VocalyneLayout &layout)
{
    const VocalyneLayout before = currentLayout();
    if (restoreGeometry(layout.geometry) && restoreState(layout.state, 0) &&
        applyToolbarAppearance(layout.appearance))
        return true;
    // Half a layout (the geometry of one file with the docks of another) is
    // worse than none: the window goes back to how it was.
    restoreGeometry(before.geometry);
    restoreState(before.state, 0);
    applyToolbarAppearance(before.appearance);
    return false;
}

QString VocalyneMainWindow::currentLayoutPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/') +
           tr("VocalyneCurrentLayout");
}

void VocalyneMainWindow::saveCurrentLayoutFile()
{
    // Ending while hidden to the tray keeps the layout the user last saw.
    const VocalyneLayout layout =
        isVisible() || m_hiddenLayout.isEmpty() ? currentLayout() : m_hiddenLayout;
    const QString path = currentLayoutPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    VocalyneLayoutFile::write(path, layout);
}

void VocalyneMainWindow::restoreCurrentLayoutFile()
{
    // A missing, damaged or foreign file leaves the window as built; it is
    // overwritten on exit.
    VocalyneLayout layout;
    if (VocalyneLayoutFile::read(currentLayoutPath(), &layout) ==
        VocalyneLayoutFile::ReadResult::Ok)
        applyLayout(layout);
}

void VocalyneMainWindow::saveLayout()
{
    const QString path = VocalyneDialogService::instance()->saveFileName(this, tr("Save Layout"),
                                                                         QString(), QString());
    if (path.isEmpty())
        return;
    QString error;
    if (!VocalyneLayoutFile::write(path, currentLayout(), &error))
        VocalyneMessageService::critical(
            this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
            appText(QT_TRANSLATE_NOOP("QApplication", "Failed to open %1\n%2")).arg(path, error));
}

void VocalyneMainWindow::loadLayout()
{
    const QString path = VocalyneDialogService::instance()->openFileName(this, tr("Load layout"),
                                                                         QString(), QString());
    if (path.isEmpty())
        return;
    QString error;
    VocalyneLayout layout;
    switch (VocalyneLayoutFile::read(path, &layout, &error)) {
    case VocalyneLayoutFile::ReadResult::CannotOpen:
        VocalyneMessageService::critical(
            this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
            appText(QT_TRANSLATE_NOOP("QApplication", "Failed to open %1\n%2")).arg(path, error));
        return;
    case VocalyneLayoutFile::ReadResult::Damaged:
        break;
    case VocalyneLayoutFile::ReadResult::Ok:
        if (applyLayout(layout))
            return;
        break;
    }
    VocalyneMessageService::critical(
        this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
        appText(QT_TRANSLATE_NOOP("QApplication", "Error reading %1")).arg(path));
}
