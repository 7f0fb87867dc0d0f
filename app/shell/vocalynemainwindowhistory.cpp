// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The main window's document history dock, and its Preferences and
// Document Properties commands.
#include "vocalynedocpropertiesdlg.h"
#include "vocalynedocumentedit.h"
#include "vocalynehistoryactions.h"
#include "vocalynehistorytree.h"
#include "vocalynemainwindow.h"
#include "vocalynepreferencesdlg.h"

#include <QMenu>
#include <QTreeWidget>

void VocalyneMainWindow::setUpHistory()
{
    using W = VocalyneMainWindow;
    m_historyTree = new VocalyneHistoryTree(treeWidgetHist, this, this);
    m_historyTree->resetRoot();
    treeWidgetHist->setSelectionMode(QAbstractItemView::SingleSelection);
    // Paths share their leading folders; the file name at the end is what
    // tells them apart in a narrow dock (the tool tip has the whole path).
    treeWidgetHist->setTextElideMode(Qt::ElideMiddle);

    m_historyMenu = new QMenu(this);
    m_historyMenu->setObjectName(QStringLiteral("historyContextMenu"));
    m_historyMenu->addAction(actionDisplay_HistItem);
    m_historyMenu->addSeparator();
    m_historyMenu->addAction(actionDelete_HistItem);

    connect(treeWidgetHist, &QTreeWidget::itemDoubleClicked, this, &W::onHistoryTreeItemDblClicked);
    connect(treeWidgetHist, &QTreeWidget::customContextMenuRequested, this,
            &W::showHistoryManagerContextMenu);
    connect(actionDisplay_HistItem, &QAction::triggered, this, &W::displayHistItem);
    connect(actionDelete_HistItem, &QAction::triggered, this, &W::deleteHistItem);
    connect(m_historyTree, &VocalyneHistoryTree::openRequested, this, &W::openDocumentFile);
    connect(actionPreferences, &QAction::triggered, this, &W::onPreferences);
    connect(actionDocument_Properties, &QAction::triggered, this, &W::showDocProperties);

    VocalyneHistoryActions::startupCheck(this);
}

void VocalyneMainWindow::recordHistory(const QString &path)
{
    VocalyneHistoryActions::record(this, path);
}

void VocalyneMainWindow::onHistoryTreeItemDblClicked(QTreeWidgetItem *item, int)
{
    m_historyTree->activate(item);
}

void VocalyneMainWindow::displayHistItem()
{
    const QList<QTreeWidgetItem *> selected = treeWidgetHist->selectedItems();
    if (!selected.isEmpty())
        m_historyTree->activate(selected.first());
}

void VocalyneMainWindow::deleteHistItem()
{
    const QList<QTreeWidgetItem *> selected = treeWidgetHist->selectedItems();
    if (!selected.isEmpty())
        m_historyTree->remove(selected.first());
}

void VocalyneMainWindow::showHistoryManagerContextMenu(const QPoint &point)
{
    m_historyMenu->popup(treeWidgetHist->viewport()->mapToGlobal(point));
}

void VocalyneMainWindow::onPreferences()
{
    VocalynePreferencesDlg dialog;
    dialog.exec();
}

void VocalyneMainWindow::showDocProperties()
{
    VocalyneDocumentEdit *edit = currentDocumentEdit();
    if (!edit)
        return;
    VocalyneDocPropertiesDlg dialog(this, edit);
    dialog.exec();
}
