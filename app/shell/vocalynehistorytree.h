// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QDate>
#include <QObject>
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

/// The "Document History" tree: a root "Dates", filled lazily with the days
/// that have entries when it is opened, each day with its files when that
/// day is opened. An item's kind follows from its place in the tree.
class VocalyneHistoryTree : public QObject
{
    Q_OBJECT

public:
    enum class Kind { None, Root, Date, File };

    /// Works on tree (not owned); messages go to messageParent.
    VocalyneHistoryTree(QTreeWidget *tree, QWidget *messageParent, QObject *parent = nullptr);

    /// "MMM dd yyyy", the text of a date item (e.g. "Jan 05 2012").
    static QString dateText(const QDate &date);

    QTreeWidget *tree() const { return m_tree; }
    /// The root item "Dates" (null when the tree is empty).
    QTreeWidgetItem *root() const;
    Kind kind(const QTreeWidgetItem *item) const;
    /// The day of a date item, or of a file item's date item.
    QDate dayOf(const QTreeWidgetItem *item) const;

    /// Empties the tree and adds the root alone.
    void resetRoot();
    /// Lists the days under the root, in the order the database gives them.
    void reloadDates();
    /// Lists the files of the date item, oldest first, and selects it.
    void reloadDay(QTreeWidgetItem *dateItem);

    /// Double click or "Display": reloads the root or a day; a file item
    /// asks for the file to be opened (openRequested).
    void activate(QTreeWidgetItem *item);
    /// "Delete": asks, deletes the item's entries and reloads its parent
    /// (everything, for the root).
    void remove(QTreeWidgetItem *item);

Q_SIGNALS:
    void openRequested(const QString &path);

private:
    QTreeWidget *m_tree;
    QWidget *m_messageParent;
};
