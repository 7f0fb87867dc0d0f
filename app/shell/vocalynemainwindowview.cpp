// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Menus that are filled when they open, go to line, printing, zoom and the
// toolbars' icon sizes and button styles.
#include "vocalynedialogservice.h"
#include "vocalynedocumentedit.h"
#include "vocalyneiconnames.h"
#include "vocalynemainwindow.h"
#include "vocalynerecentdocaction.h"
#include "vocalynerecentfiles.h"
#include "vocalynewindowlistaction.h"

#include <QDataStream>
#include <QIODevice>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>
#include <QTextCursor>
#include <QToolBar>

void VocalyneMainWindow::listRecent()
{
    menuRecent->clear();
    QSettings settings;
    const QList<VocalyneRecentFiles::Entry> entries = VocalyneRecentFiles::menuEntries(settings);
    if (entries.isEmpty()) {
        menuRecent->addAction(action_Empty);
        return;
    }
    for (const VocalyneRecentFiles::Entry &entry : entries)
        menuRecent->addAction(new VocalyneRecentDocAction(entry.path, menuRecent));
}

void VocalyneMainWindow::listWindows()
{
    menu_Window->clear();
    for (int i = 0; i < documentTabs->count(); ++i) {
        VocalyneDocumentEdit *edit = documentEditAt(i);
        if (!edit)
            continue;
        const QString title = edit->filePath().isEmpty() ? tr("Untitled") : edit->fileName();
        auto *action = new VocalyneWindowListAction(title, menu_Window);
        action->setTabIndex(i);
        action->setChecked(i == documentTabs->currentIndex());
        menu_Window->addAction(action);
    }
}

void VocalyneMainWindow::activateTabByWindowAction(QAction *action)
{
    if (auto *entry = qobject_cast<VocalyneWindowListAction *>(action))
        if (entry->tabIndex() >= 0 && entry->tabIndex() < documentTabs->count())
            documentTabs->setCurrentIndex(entry->tabIndex());
}

void VocalyneMainWindow::adjustEditMenuWithCurrDocEditTextActions()
{
    VocalyneDocumentEdit *edit = currentDocumentEdit();
    if (!edit)
        return;
    menuEdit->clear();
    menuEdit->addAction(edit->undoAction());
    menuEdit->addAction(edit->redoAction());
    menuEdit->addSeparator();
    menuEdit->addAction(edit->cutAction());
    menuEdit->addAction(edit->copyAction());
    menuEdit->addAction(edit->pasteAction());
    menuEdit->addSeparator();
    menuEdit->addAction(edit->clearSelectionAction());
    menuEdit->addAction(edit->clearAllAction());
    menuEdit->addSeparator();
    menuEdit->addAction(edit->selectAllAction());
    menuEdit->addSeparator();
    menuEdit->addAction(actionFind);
    menuEdit->addAction(actionReplace);
    menuEdit->addSeparator();
    menuEdit->addAction(actionGo_to);
}

void VocalyneMainWindow::docEditGoToLine()
{
    VocalyneDocumentEdit *edit = currentDocumentEdit();
    if (!edit)
        return;
    int line = 0;
    if (!VocalyneDialogService::instance()->integer(this, tr("Go to Line"), tr("Line Number: "), 1,
                                                    1, 2147483647, 1, &line)
        || line < 1)
        return;
    // Lines as laid out on screen: a wrapped paragraph counts as several.
    QTextCursor cursor = edit->textCursor();
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::Down, QTextCursor::MoveAnchor, line - 1);
    edit->setTextCursor(cursor);
}

void VocalyneMainWindow::print()
{
    VocalyneDocumentEdit *edit = currentDocumentEdit();
    if (!edit)
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Document"));
    if (edit->textCursor().hasSelection())
        dialog.setOption(QAbstractPrintDialog::PrintSelection);
    if (dialog.exec() == QDialog::Accepted)
        edit->print(&printer);
}

void VocalyneMainWindow::printPreview()
{
    if (!currentDocumentEdit())
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, &VocalyneMainWindow::prPreview);
    preview.exec();
}

void VocalyneMainWindow::prPreview(QPrinter *printer)
{
    if (VocalyneDocumentEdit *edit = currentDocumentEdit())
        edit->print(printer);
}

void VocalyneMainWindow::zoomDocIn()
{
    if (VocalyneDocumentEdit *edit = currentDocumentEdit())
        edit->zoomDocIn();
}

void VocalyneMainWindow::zoomDocOut()
{
    if (VocalyneDocumentEdit *edit = currentDocumentEdit())
        edit->zoomDocOut();
}

void VocalyneMainWindow::zoomDocReset()
{
    if (VocalyneDocumentEdit *edit = currentDocumentEdit())
        edit->zoomDocReset();
}

// ---- Toolbars -----------------------------------------------------------------

void VocalyneMainWindow::setToolbarIconSize(QToolBar *bar, int size)
{
    bar->setIconSize(QSize(size, size));
    for (QAction *action : bar->actions()) {
        const auto file = m_toolbarIconFiles.constFind(action);
        if (file != m_toolbarIconFiles.constEnd())
            action->setIcon(QIcon(VocalyneIconNames::sizedPath(*file, size)));
    }
}

void VocalyneMainWindow::setToolbarStyle(QToolBar *bar, Qt::ToolButtonStyle style)
{
    bar->setToolButtonStyle(style);
}

void VocalyneMainWindow::setdocToolbarSmallIcons() { setToolbarIconSize(docToolbar, 16); }
void VocalyneMainWindow::setdocToolbarMediumIcons() { setToolbarIconSize(docToolbar, 24); }
void VocalyneMainWindow::setdocToolbarLargeIcons() { setToolbarIconSize(docToolbar, 32); }
void VocalyneMainWindow::setdocToolbarStyleIconsAndText()
{
    setToolbarStyle(docToolbar, Qt::ToolButtonTextBesideIcon);
}
void VocalyneMainWindow::setdocToolbarStyleIconsOnly()
{
    setToolbarStyle(docToolbar, Qt::ToolButtonIconOnly);
}
void VocalyneMainWindow::setdocToolbarStyleTextOnly()
{
    setToolbarStyle(docToolbar, Qt::ToolButtonTextOnly);
}
void VocalyneMainWindow::setspeechToolbarSmallIcons() { setToolbarIconSize(speechToolbar, 16); }
void VocalyneMainWindow::setspeechToolbarMediumIcons() { setToolbarIconSize(speechToolbar, 24); }
void VocalyneMainWindow::setspeechToolbarLargeIcons() { setToolbarIconSize(speechToolbar, 32); }
void VocalyneMainWindow::setspeechToolbarStyleIconsAndText()
{
    setToolbarStyle(speechToolbar, Qt::ToolButtonTextBesideIcon);
}
void VocalyneMainWindow::setspeechToolbarStyleIconsOnly()
{
    setToolbarStyle(speechToolbar, Qt::ToolButtonIconOnly);
}
void VocalyneMainWindow::setspeechToolbarStyleTextOnly()
{
    setToolbarStyle(speechToolbar, Qt::ToolButtonTextOnly);
}
void VocalyneMainWindow::settoolToolbarSmallIcons() { setToolbarIconSize(toolToolbar, 16); }
void VocalyneMainWindow::settoolToolbarMediumIcons() { setToolbarIconSize(toolToolbar, 24); }
void VocalyneMainWindow::settoolToolbarLargeIcons() { setToolbarIconSize(toolToolbar, 32); }
void VocalyneMainWindow::settoolToolbarStyleIconsAndText()
{
    setToolbarStyle(toolToolbar, Qt::ToolButtonTextBesideIcon);
}
void VocalyneMainWindow::settoolToolbarStyleIconsOnly()
{
    setToolbarStyle(toolToolbar, Qt::ToolButtonIconOnly);
}
void VocalyneMainWindow::settoolToolbarStyleTextOnly()
{
    setToolbarStyle(toolToolbar, Qt::ToolButtonTextOnly);
}

void VocalyneMainWindow::syncToolbarEntries(QToolBar *bar, QAction *small, QAction *medium,
                                            QAction *large, QAction *iconsAndText,
                                            QAction *iconsOnly, QAction *textOnly)
{
    const int size = bar->iconSize().width();
    small->setChecked(size == 16);
    medium->setChecked(size == 24);
    large->setChecked(size == 32);
    const Qt::ToolButtonStyle style = bar->toolButtonStyle();
    iconsAndText->setChecked(style == Qt::ToolButtonTextBesideIcon);
    iconsOnly->setChecked(style == Qt::ToolButtonIconOnly);
    textOnly->setChecked(style == Qt::ToolButtonTextOnly);
}

void VocalyneMainWindow::syncViewMenuAndGUI()
{
    syncToolbarEntries(docToolbar, actionSmall_Icons, actionMedium_Icons, actionLarge_Icons,
                       actionIcons_and_Text, actionIcons_Only, actionText_Only);
    syncToolbarEntries(speechToolbar, actionSmall_Icons_2, actionMedium_Icons_2,
                       actionLarge_Icons_2, actionIcons_and_Text_2, actionIcons_Only_2,
                       actionText_Only_2);
    syncToolbarEntries(toolToolbar, actionSmall_Icons_3, actionMedium_Icons_3, actionLarge_Icons_3,
                       actionIcons_and_Text_3, actionIcons_Only_3, actionText_Only_3);
}

namespace {

// Button styles as the appearance record stores them.
int styleCode(Qt::ToolButtonStyle style)
{
    switch (style) {
    case Qt::ToolButtonIconOnly: return 0;
    case Qt::ToolButtonTextOnly: return 1;
    default: return 2;
    }
}

} // namespace

QByteArray VocalyneMainWindow::toolbarAppearance() const
{
    QByteArray record;
    QDataStream stream(&record, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::BigEndian);
    for (const QToolBar *bar : {docToolbar, speechToolbar, toolToolbar})
        stream << qint32(bar->iconSize().width()) << qint32(styleCode(bar->toolButtonStyle()));
    return record;
}

bool VocalyneMainWindow::applyToolbarAppearance(const QByteArray &record)
{
    QDataStream stream(record);
    stream.setByteOrder(QDataStream::BigEndian);
    qint32 values[6] = {};
    for (qint32 &value : values)
        stream >> value;
    if (stream.status() != QDataStream::Ok)
        return false;
    QToolBar *bars[] = {docToolbar, speechToolbar, toolToolbar};
    for (int i = 0; i < 3; ++i) {
        const int size = values[2 * i];
        if (size == 16 || size == 24 || size == 32)
            setToolbarIconSize(bars[i], size);
        switch (values[2 * i + 1]) {
        case 0: setToolbarStyle(bars[i], Qt::ToolButtonIconOnly); break;
        case 1: setToolbarStyle(bars[i], Qt::ToolButtonTextOnly); break;
        case 2: setToolbarStyle(bars[i], Qt::ToolButtonTextBesideIcon); break;
        default: break;
        }
    }
    return true;
}
