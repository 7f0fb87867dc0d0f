// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynemanagercommands.h"

#include "vocalynedocumentedit.h"

#include <QHash>
#include <QPair>
#include <QSet>
#include <QTableWidget>

#include <algorithm>
#include <limits>

namespace {

const QString PauseType = QStringLiteral("pause");

// The text a section covers, cut from the document text read once for the
// whole command (reading it per section would copy the document each time).
QString coveredText(const QString &documentText, const QVT2SSection &section)
{
    if (section.fromChar >= section.toChar || section.fromChar >= quint32(documentText.size()))
        return QString();
    const quint32 to = std::min<quint32>(section.toChar, quint32(documentText.size()));
    return documentText.mid(qsizetype(section.fromChar), qsizetype(to - section.fromChar));
}

// The document positions of the section's sentence ends.
QList<quint32> sentenceEndPositions(const QString &documentText, const QVT2SSection &section)
{
    QList<quint32> positions;
    for (const int end : QVT2SDocument::sentenceEnds(coveredText(documentText, section))) {
        const quint64 position = quint64(section.fromChar) + quint64(end);
        if (position <= std::numeric_limits<quint32>::max())
            positions.append(quint32(position));
    }
    return positions;
}

bool newState(bool current, VocalyneManagerCommands::State state)
{
    switch (state) {
    case VocalyneManagerCommands::State::Enable:
        return true;
    case VocalyneManagerCommands::State::Disable:
        return false;
    case VocalyneManagerCommands::State::Toggle:
        break;
    }
    return !current;
}

QList<int> validRows(const QList<int> &rows, qsizetype count)
{
    QList<int> valid;
    for (int row : rows)
        if (row >= 0 && row < count)
            valid.append(row);
    std::sort(valid.begin(), valid.end());
    valid.erase(std::unique(valid.begin(), valid.end()), valid.end());
    return valid;
}

} // namespace

QList<int> VocalyneManagerCommands::selectedRows(const QTableWidget *table)
{
    QList<int> rows;
    if (!table)
        return rows;
    for (const QTableWidgetSelectionRange &range : table->selectedRanges())
        for (int row = range.topRow(); row <= range.bottomRow(); ++row)
            rows.append(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

bool VocalyneManagerCommands::selectEntityText(VocalyneDocumentEdit *edit,
                                               const QTableWidget *table, int row)
{
    if (!edit || !table)
        return false;
    const QTableWidgetItem *fromCell = table->item(row, 0);
    const QTableWidgetItem *toCell = table->item(row, 1);
    if (!fromCell || !toCell)
        return false;
    bool fromOk = false;
    bool toOk = false;
    const uint from = fromCell->text().toUInt(&fromOk, 10);
    const uint to = toCell->text().toUInt(&toOk, 10);
    if (!fromOk || !toOk)
        return false;
    // A position beyond the text (a damaged file) selects up to its end.
    const uint last = uint(std::max(0, edit->document()->characterCount() - 1));
    QTextCursor cursor(edit->document());
    cursor.setPosition(int(std::min(from, last)));
    cursor.setPosition(int(std::min(to, last)), QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    edit->setFocus();
    return true;
}

int VocalyneManagerCommands::setBookmarkStates(VocalyneDocumentEdit *edit, const QList<int> &rows,
                                               State state)
{
    if (!edit)
        return 0;
    const QList<int> valid = validRows(rows, edit->bookmarks().size());
    for (int row : valid)
        edit->setBookmarkEnabled(row, newState(edit->bookmarks().at(row).enabled, state));
    return int(valid.size());
}

int VocalyneManagerCommands::setSectionStates(VocalyneDocumentEdit *edit, const QList<int> &rows,
                                              State state)
{
    if (!edit)
        return 0;
    const QList<int> valid = validRows(rows, edit->sections().size());
    if (valid.isEmpty())
        return 0;
    // The first pause element per (position, value), found in one pass for
    // all sections instead of one pass over the elements per section.
    QHash<QPair<quint32, QString>, int> firstPause;
    const QList<QVT2SElement> &elements = edit->elements();
    // Walked backwards: the last write per key is the first element.
    for (int i = int(elements.size()) - 1; i >= 0; --i) {
        const QVT2SElement &element = elements.at(i);
        if (element.type == PauseType)
            firstPause[{element.afterChar, element.value}] = i;
    }
    const QString text = edit->documentText();
    for (int row : valid) {
        const QVT2SSection &section = edit->sections().at(row);
        const bool enabled = newState(section.enabled, state);
        edit->setSectionEnabled(row, enabled);
        const QString value = QString::number(section.pause);
        for (const quint32 position : sentenceEndPositions(text, section)) {
            const auto found = firstPause.constFind({position, value});
            if (found != firstPause.cend())
                edit->setElementEnabled(found.value(), enabled);
        }
    }
    return int(valid.size());
}

int VocalyneManagerCommands::deleteBookmarks(VocalyneDocumentEdit *edit, const QList<int> &rows)
{
    // removeBookmarks takes the indexes as they were before the first
    // removal: the same as removing in ascending order, each index reduced
    // by the number already removed.
    return edit ? edit->removeBookmarks(rows) : 0;
}

int VocalyneManagerCommands::deleteSections(VocalyneDocumentEdit *edit, const QList<int> &rows)
{
    if (!edit)
        return 0;
    const QList<int> valid = validRows(rows, edit->sections().size());
    if (valid.isEmpty())
        return 0;
    QHash<quint32, int> firstPause;
    const QList<QVT2SElement> &elements = edit->elements();
    for (int i = int(elements.size()) - 1; i >= 0; --i) {
        if (elements.at(i).type == PauseType)
            firstPause.insert(elements.at(i).afterChar, i); // the first one wins
    }
    const QString text = edit->documentText();
    QList<int> doomed;
    for (int row : valid) {
        for (const quint32 position : sentenceEndPositions(text, edit->sections().at(row))) {
            const auto found = firstPause.constFind(position);
            if (found != firstPause.cend())
                doomed.append(found.value());
        }
    }
    edit->removeElements(doomed);
    return edit->removeSections(valid);
}
