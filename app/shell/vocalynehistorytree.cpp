// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynehistorytree.h"

#include "vocalynehistoryactions.h"
#include "vocalynehistorystore.h"
#include "vocalynemessageservice.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QTreeWidget>

using Lead = VocalyneHistoryMessages::Lead;
using M = VocalyneHistoryMessages;

namespace {

const QString HistoryIcon = QStringLiteral(":/Vocalyne/images/icons/png/history16.png");
const QString CalendarIcon = QStringLiteral(":/Vocalyne/images/icons/png/calendar.png");
const QString DocumentIcon = QStringLiteral(":/Vocalyne/images/icons/png/t2sdoc16.png");
const QString DateFormat = QStringLiteral("MMM dd yyyy");
// The Julian day of a date item, so that the day never depends on parsing
// a month name back in whatever language it was shown.
constexpr int DayRole = Qt::UserRole;

void removeChildren(QTreeWidgetItem *item)
{
    const QList<QTreeWidgetItem *> children = item->takeChildren();
    qDeleteAll(children);
}

} // namespace

VocalyneHistoryTree::VocalyneHistoryTree(QTreeWidget *tree, QWidget *messageParent, QObject *parent)
    : QObject(parent), m_tree(tree), m_messageParent(messageParent)
{
    // A double click loads the item and opens it; the view's own toggle
    // would close it again at once.
    m_tree->setExpandsOnDoubleClick(false);
}

QString VocalyneHistoryTree::dateText(const QDate &date)
{
    return QLocale().toString(date, DateFormat);
}

QTreeWidgetItem *VocalyneHistoryTree::root() const
{
    return m_tree->topLevelItemCount() > 0 ? m_tree->topLevelItem(0) : nullptr;
}

VocalyneHistoryTree::Kind VocalyneHistoryTree::kind(const QTreeWidgetItem *item) const
{
    if (!item)
        return Kind::None;
    const QTreeWidgetItem *parent = item->parent();
    if (!parent)
        return item == root() ? Kind::Root : Kind::None;
    if (parent == root())
        return Kind::Date;
    return parent->parent() == root() ? Kind::File : Kind::None;
}

QDate VocalyneHistoryTree::dayOf(const QTreeWidgetItem *item) const
{
    if (kind(item) == Kind::File)
        item = item->parent();
    if (kind(item) != Kind::Date)
        return QDate();
    const QVariant day = item->data(0, DayRole);
    if (day.isValid())
        return QDate::fromJulianDay(day.toLongLong());
    return QLocale().toDate(item->text(0), DateFormat);
}

void VocalyneHistoryTree::resetRoot()
{
    m_tree->clear();
    auto *rootItem = new QTreeWidgetItem(m_tree, {tr("Dates")});
    rootItem->setIcon(0, QIcon(HistoryIcon));
}

void VocalyneHistoryTree::reloadDates()
{
    VocalyneHistoryActions::BusyCursor busy;
    VocalyneHistoryStore store;
    QList<qint64> days;
    const VocalyneHistoryStore::Result result = store.days(&days);
    if (result.outcome == VocalyneHistoryStore::Outcome::OpenFailed) {
        VocalyneHistoryActions::report(m_messageParent, store, result, Lead::Opened, M::DatesOpen,
                                       Lead::Opened, M::DatesQuery, true);
        return;
    }
    // The root item itself stays: it may be the item whose double click
    // brought us here.
    QTreeWidgetItem *rootItem = root();
    if (!rootItem) {
        resetRoot();
        rootItem = root();
    }
    removeChildren(rootItem);
    if (!result.ok())
        days.clear();
    // Years of history are a thousand days and more: the items are made
    // apart from the tree and handed over at once, with one icon and one
    // locale for all of them.
    const QIcon icon(CalendarIcon);
    const QLocale locale;
    QList<QTreeWidgetItem *> items;
    items.reserve(days.size());
    for (const qint64 julian : days) {
        const QString text = locale.toString(QDate::fromJulianDay(julian), DateFormat);
        if (text.isEmpty())
            continue;
        auto *item = new QTreeWidgetItem({text});
        item->setIcon(0, icon);
        item->setData(0, DayRole, julian);
        items.append(item);
    }
    rootItem->addChildren(items);
    rootItem->setExpanded(true);
    VocalyneHistoryActions::report(m_messageParent, store, result, Lead::Opened, M::DatesOpen,
                                   Lead::Opened, M::DatesQuery, true);
}

void VocalyneHistoryTree::reloadDay(QTreeWidgetItem *dateItem)
{
    if (kind(dateItem) != Kind::Date)
        return;
    VocalyneHistoryActions::BusyCursor busy;
    VocalyneHistoryStore store;
    QStringList paths;
    const VocalyneHistoryStore::Result result = store.files(dayOf(dateItem), &paths);
    if (result.outcome == VocalyneHistoryStore::Outcome::OpenFailed) {
        VocalyneHistoryActions::report(m_messageParent, store, result, Lead::Opened, M::DayOpen,
                                       Lead::Opened, M::DayQuery, true);
        return;
    }
    removeChildren(dateItem);
    if (!result.ok())
        paths.clear();
    const QIcon icon(DocumentIcon);
    QList<QTreeWidgetItem *> items;
    for (const QString &path : paths) {
        if (path.isEmpty())
            continue;
        auto *file = new QTreeWidgetItem({path});
        file->setToolTip(0, path);
        file->setIcon(0, icon);
        items.append(file);
    }
    dateItem->addChildren(items);
    dateItem->setExpanded(true);
    m_tree->clearSelection();
    m_tree->setCurrentItem(dateItem);
    dateItem->setSelected(true);
    VocalyneHistoryActions::report(m_messageParent, store, result, Lead::Opened, M::DayOpen,
                                   Lead::Opened, M::DayQuery, true);
}

void VocalyneHistoryTree::activate(QTreeWidgetItem *item)
{
    switch (kind(item)) {
    case Kind::Root:
        reloadDates();
        break;
    case Kind::Date:
        reloadDay(item);
        break;
    case Kind::File:
        Q_EMIT openRequested(item->text(0));
        break;
    case Kind::None:
        break;
    }
}

void VocalyneHistoryTree::remove(QTreeWidgetItem *item)
{
    const Kind itemKind = kind(item);
    if (itemKind == Kind::None)
        return;
    if (VocalyneMessageService::question(
            m_messageParent, QApplication::translate("QApplication", "Vocalyne"),
            QApplication::translate("QApplication",
                                    "Are you sure you want to delete the selected history "
                                    "item?\nWarning: The item and all its sub-items will be "
                                    "permanently deleted and this action cannot be undone!")) !=
        QMessageBox::Yes)
        return;

    QTreeWidgetItem *parent = item->parent();
    const QDate day = dayOf(item);
    const QString path = item->text(0);
    VocalyneHistoryStore store;
    VocalyneHistoryStore::Result result;
    {
        VocalyneHistoryActions::BusyCursor busy;
        switch (itemKind) {
        case Kind::Root:
            result = store.removeAll();
            break;
        case Kind::Date:
            result = store.removeDay(day);
            break;
        default:
            result = store.removeFile(day, path);
            break;
        }
    }
    VocalyneHistoryActions::report(m_messageParent, store, result, Lead::Opened, M::MaintenanceOpen,
                                   Lead::Updated, M::MaintenanceStatement, true);
    if (itemKind == Kind::Root)
        resetRoot();
    else
        activate(parent);
}
