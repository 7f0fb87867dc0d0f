// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynemanagertables.h"

#include <QIcon>
#include <QAbstractItemModel>
#include <QSignalBlocker>
#include <QTableWidget>

#include <optional>

namespace {

QIcon statusIcon(bool enabled)
{
    // Loaded once: the Status column of every row shares these two icons.
    static const QIcon on(QStringLiteral(":/Vocalyne/images/icons/png/enabled.png"));
    static const QIcon off(QStringLiteral(":/Vocalyne/images/icons/png/disabled.png"));
    return enabled ? on : off;
}

// Below this many rows the model's own per-cell notifications are cheap enough.
constexpr int BulkThreshold = 32;

} // namespace

/// Collects the writes of one fill or update. For a large batch the model's
/// signals are held back and one dataChanged covers the touched rows, instead
/// of one notification (and one view repaint request) per cell.
class VocalyneManagerTables::BulkWrite
{
public:
    BulkWrite(QTableWidget *table, int expectedRows)
        : m_table(table), m_bulk(expectedRows > BulkThreshold)
    {
        if (m_bulk)
            m_blocker.emplace(m_table->model());
    }
    ~BulkWrite()
    {
        if (!m_bulk)
            return;
        m_blocker.reset();
        if (m_firstRow >= 0) {
            QAbstractItemModel *model = m_table->model();
            emit model->dataChanged(model->index(m_firstRow, 0),
                                    model->index(m_lastRow, model->columnCount() - 1));
        }
    }

    void setText(int row, int column, const QString &text)
    {
        QTableWidgetItem *cell = m_table->item(row, column);
        if (!cell) {
            cell = new QTableWidgetItem(text);
            cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            m_table->setItem(row, column, cell);
        } else if (cell->text() != text) {
            cell->setText(text);
        } else {
            return;
        }
        touched(row);
    }

    void setStatus(int row, int column, bool enabled)
    {
        const QString text = statusText(enabled);
        QTableWidgetItem *cell = m_table->item(row, column);
        if (cell && cell->text() == text)
            return;
        setText(row, column, text);
        m_table->item(row, column)->setIcon(statusIcon(enabled));
    }

private:
    void touched(int row)
    {
        if (m_firstRow < 0 || row < m_firstRow)
            m_firstRow = row;
        if (row > m_lastRow)
            m_lastRow = row;
    }

    QTableWidget *m_table;
    bool m_bulk;
    std::optional<QSignalBlocker> m_blocker;
    int m_firstRow = -1;
    int m_lastRow = -1;
};

QString VocalyneManagerTables::statusText(bool enabled)
{
    return enabled ? tr("enabled") : tr("disabled");
}

void VocalyneManagerTables::writeBookmarkRow(BulkWrite &write, int row,
                                             const QVT2SBookmark &bookmark)
{
    write.setText(row, 0, QString::number(bookmark.fromChar));
    write.setText(row, 1, QString::number(bookmark.toChar));
    write.setStatus(row, BookmarkStatusColumn, bookmark.enabled);
}

void VocalyneManagerTables::writeSectionRow(BulkWrite &write, int row,
                                            const QVT2SSection &section)
{
    write.setText(row, 0, QString::number(section.fromChar));
    write.setText(row, 1, QString::number(section.toChar));
    write.setText(row, 2, section.voiceName);
    write.setText(row, 3, QString::number(section.speed));
    write.setText(row, 4, QString::number(section.volume));
    write.setText(row, 5, QString::number(section.pitch));
    write.setText(row, 6, QString::number(section.pause));
    write.setStatus(row, SectionStatusColumn, section.enabled);
}

void VocalyneManagerTables::fillBookmarks(QTableWidget *table,
                                          const QList<QVT2SBookmark> &bookmarks)
{
    if (!table)
        return;
    // Row insertion and removal must reach the view, so they happen outside
    // the bulk write.
    table->setRowCount(int(bookmarks.size()));
    BulkWrite write(table, int(bookmarks.size()));
    for (int row = 0; row < bookmarks.size(); ++row)
        writeBookmarkRow(write, row, bookmarks.at(row));
}

void VocalyneManagerTables::fillSections(QTableWidget *table, const QList<QVT2SSection> &sections)
{
    if (!table)
        return;
    table->setRowCount(int(sections.size()));
    BulkWrite write(table, int(sections.size()));
    for (int row = 0; row < sections.size(); ++row)
        writeSectionRow(write, row, sections.at(row));
}

void VocalyneManagerTables::updateBookmarkRows(QTableWidget *table,
                                               const QList<QVT2SBookmark> &bookmarks,
                                               const QList<int> &rows)
{
    if (!table || rows.isEmpty())
        return;
    BulkWrite write(table, int(rows.size()));
    for (int row : rows)
        writeBookmarkRow(write, row, bookmarks.at(row));
}

void VocalyneManagerTables::updateSectionRows(QTableWidget *table,
                                              const QList<QVT2SSection> &sections,
                                              const QList<int> &rows)
{
    if (!table || rows.isEmpty())
        return;
    BulkWrite write(table, int(rows.size()));
    for (int row : rows)
        writeSectionRow(write, row, sections.at(row));
}
