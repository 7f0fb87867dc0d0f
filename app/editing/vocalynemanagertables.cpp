// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynemanagertables.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <QSignalBlocker>
#include <QTableWidget>

#include <algorithm>
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
/// signals are held back and one dataChanged covers the touched cells,
/// instead of one notification (and one repaint request) per cell.
class VocalyneManagerTables::BulkWrite
{
public:
    BulkWrite(QTableWidget *table, int expectedRows)
        : m_table(table), m_bulk(expectedRows > BulkThreshold), m_enabledText(statusText(true)),
          m_disabledText(statusText(false))
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
            emit model->dataChanged(model->index(m_firstRow, m_firstColumn),
                                    model->index(m_lastRow, m_lastColumn));
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
        touched(row, column);
    }

    void setNumber(int row, int column, qint64 value)
    {
        setText(row, column, QString::number(value));
    }

    /// Puts item into the cell, replacing what was there.
    void setItem(int row, int column, QTableWidgetItem *item)
    {
        m_table->setItem(row, column, item);
        touched(row, column);
    }

    QTableWidgetItem *item(int row, int column) const { return m_table->item(row, column); }

    void setStatus(int row, int column, bool enabled)
    {
        const QString &text = enabled ? m_enabledText : m_disabledText;
        QTableWidgetItem *cell = m_table->item(row, column);
        if (cell && cell->text() == text)
            return;
        setText(row, column, text);
        m_table->item(row, column)->setIcon(statusIcon(enabled));
    }

private:
    void touched(int row, int column)
    {
        if (m_firstRow < 0) {
            m_firstRow = m_lastRow = row;
            m_firstColumn = m_lastColumn = column;
            return;
        }
        m_firstRow = std::min(m_firstRow, row);
        m_lastRow = std::max(m_lastRow, row);
        m_firstColumn = std::min(m_firstColumn, column);
        m_lastColumn = std::max(m_lastColumn, column);
    }

    QTableWidget *m_table;
    bool m_bulk;
    const QString m_enabledText;
    const QString m_disabledText;
    std::optional<QSignalBlocker> m_blocker;
    int m_firstRow = -1;
    int m_lastRow = -1;
    int m_firstColumn = -1;
    int m_lastColumn = -1;
};

/// A From or To cell whose number is read from the editor's list at paint
/// time. Falls back to the text written when it was made once the source is
/// cleared or no longer has its row.
class VocalyneManagerTables::PositionItem : public QTableWidgetItem
{
public:
    static constexpr int Type = QTableWidgetItem::UserType + 7;

    PositionItem(const SharedPositionSource &source, bool sections, int row, int column,
                 quint32 value)
        : QTableWidgetItem(QString::number(value), Type), m_source(source), m_sections(sections),
          m_row(row), m_column(column)
    {
        setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }

    bool readsFrom(const SharedPositionSource &source, bool sections, int row) const
    {
        return m_source == source && m_sections == sections && m_row == row;
    }

    QVariant data(int role) const override
    {
        if (role == Qt::DisplayRole || role == Qt::EditRole) {
            qint64 value = -1;
            if (m_sections && m_source->sections && m_row < m_source->sections->size()) {
                const QVT2SSection &section = m_source->sections->at(m_row);
                value = m_column == 0 ? section.fromChar : section.toChar;
            } else if (!m_sections && m_source->bookmarks && m_row < m_source->bookmarks->size()) {
                const QVT2SBookmark &bookmark = m_source->bookmarks->at(m_row);
                value = m_column == 0 ? bookmark.fromChar : bookmark.toChar;
            }
            if (value >= 0)
                return QString::number(value);
        }
        return QTableWidgetItem::data(role);
    }

private:
    SharedPositionSource m_source;
    bool m_sections;
    int m_row;
    int m_column;
};

QString VocalyneManagerTables::statusText(bool enabled)
{
    return enabled ? tr("enabled") : tr("disabled");
}

void VocalyneManagerTables::writePositions(BulkWrite &write, int row, quint32 from, quint32 to,
                                           const SharedPositionSource &source, bool sections)
{
    if (!source) {
        write.setNumber(row, 0, from);
        write.setNumber(row, 1, to);
        return;
    }
    for (int column : {0, 1}) {
        QTableWidgetItem *cell = write.item(row, column);
        if (cell && cell->type() == PositionItem::Type &&
            static_cast<PositionItem *>(cell)->readsFrom(source, sections, row))
            continue;
        write.setItem(row, column,
                      new PositionItem(source, sections, row, column, column == 0 ? from : to));
    }
}

void VocalyneManagerTables::writeSectionRow(BulkWrite &write, int row, const QVT2SSection &section,
                                            const SharedPositionSource &source)
{
    writePositions(write, row, section.fromChar, section.toChar, source, true);
    write.setText(row, 2, section.voiceName);
    write.setNumber(row, 3, section.speed);
    write.setNumber(row, 4, section.volume);
    write.setNumber(row, 5, section.pitch);
    write.setNumber(row, 6, section.pause);
    write.setStatus(row, SectionStatusColumn, section.enabled);
}

void VocalyneManagerTables::fillBookmarks(QTableWidget *table,
                                          const QList<QVT2SBookmark> &bookmarks,
                                          const SharedPositionSource &source)
{
    if (!table)
        return;
    // Row insertion and removal must reach the view, so they happen outside
    // the bulk write.
    table->setRowCount(int(bookmarks.size()));
    BulkWrite write(table, int(bookmarks.size()));
    for (int row = 0; row < bookmarks.size(); ++row) {
        const QVT2SBookmark &bookmark = bookmarks.at(row);
        writePositions(write, row, bookmark.fromChar, bookmark.toChar, source, false);
        write.setStatus(row, BookmarkStatusColumn, bookmark.enabled);
    }
}

void VocalyneManagerTables::fillSections(QTableWidget *table, const QList<QVT2SSection> &sections,
                                         const SharedPositionSource &source)
{
    if (!table)
        return;
    table->setRowCount(int(sections.size()));
    BulkWrite write(table, int(sections.size()));
    for (int row = 0; row < sections.size(); ++row)
        writeSectionRow(write, row, sections.at(row), source);
}

void VocalyneManagerTables::repaintPositions(QTableWidget *table, int firstRow, int lastRow)
{
    if (!table || firstRow < 0 || lastRow < firstRow || !table->isVisible())
        return;
    const int top = table->rowAt(0);
    int bottom = table->rowAt(table->viewport()->height() - 1);
    if (top < 0)
        return; // no row on screen
    if (bottom < 0)
        bottom = table->rowCount() - 1;
    const int from = std::max(firstRow, top);
    const int to = std::min(lastRow, bottom);
    if (from > to)
        return;
    QAbstractItemModel *model = table->model();
    const QRect area =
        table->visualRect(model->index(from, 0)).united(table->visualRect(model->index(to, 1)));
    table->viewport()->update(area);
}
