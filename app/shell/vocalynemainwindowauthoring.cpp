// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Authoring speech: the section and element editors, Bookmark Selection and
// the bookmark and section manager docks.
#include "vocalynedocumentedit.h"
#include "vocalynemainwindow.h"
#include "vocalynemanagercommands.h"
#include "vocalynemanagertables.h"
#include "vocalynemessageservice.h"
#include "vocalynespeakcontroller.h"
#include "vocalynespeechelementeditor.h"
#include "vocalynespeechsectioneditor.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QStatusBar>

#include <algorithm>

namespace {

QString appText(const char *text)
{
    return QApplication::translate("QApplication", text);
}

using State = VocalyneManagerCommands::State;

} // namespace

void VocalyneMainWindow::setUpAuthoring()
{
    using W = VocalyneMainWindow;
    connect(actionSelection_Speech_Properties, &QAction::triggered, this,
            qOverload<>(&W::showSpeechSectionEditDialog));
    connect(actionAdd_Speech_Element, &QAction::triggered, this, &W::showSpeechElementEditDialog);
    connect(actionBookmark_Selection, &QAction::triggered, this, &W::bookmarkSelection);
    dwSBManager->toggleViewAction()->setText(tr("Speech Break Manager Dock"));
    dwSpProperties->toggleViewAction()->setText(tr("Section Speech Properties Dock"));

    m_bookmarkManagerMenu = new QMenu(this);
    m_bookmarkManagerMenu->setObjectName(QStringLiteral("bookmarkManagerMenu"));
    m_bookmarkManagerMenu->addAction(actionEnable_Bookmark_s);
    m_bookmarkManagerMenu->addAction(actionDisable_Bookmark_s);
    m_bookmarkManagerMenu->addSeparator();
    m_bookmarkManagerMenu->addAction(actionDelete_Bookmark_s);
    m_sectionManagerMenu = new QMenu(this);
    m_sectionManagerMenu->setObjectName(QStringLiteral("sectionManagerMenu"));
    m_sectionManagerMenu->addAction(actionEdit_Section);
    m_sectionManagerMenu->addSeparator();
    m_sectionManagerMenu->addAction(actionEnable_Section_s);
    m_sectionManagerMenu->addAction(actionDisable_Section_s);
    m_sectionManagerMenu->addSeparator();
    m_sectionManagerMenu->addAction(actionDelete_Section_s);

    connect(actionEnable_Bookmark_s, &QAction::triggered, this,
            &W::bookmarkManagerSelectedEntitiesEnable);
    connect(actionDisable_Bookmark_s, &QAction::triggered, this,
            &W::bookmarkManagerSelectedEntitiesDisable);
    connect(actionDelete_Bookmark_s, &QAction::triggered, this,
            &W::bookmarkManagerSelectedEntitiesDelete);
    connect(actionEdit_Section, &QAction::triggered, this, &W::sectionManagerSelectedEntityEdit);
    connect(actionEnable_Section_s, &QAction::triggered, this,
            &W::sectionManagerSelectedEntitiesEnable);
    connect(actionDisable_Section_s, &QAction::triggered, this,
            &W::sectionManagerSelectedEntitiesDisable);
    connect(actionDelete_Section_s, &QAction::triggered, this,
            &W::sectionManagerSelectedEntitiesDelete);

    connect(twBookmarkManager, &QTableWidget::currentCellChanged, this,
            &W::bookmarkManagerCurrentCellChanged);
    connect(twBookmarkManager, &QTableWidget::cellDoubleClicked, this,
            &W::bookmarkManagerCellDoubleClicked);
    connect(twBookmarkManager, &QWidget::customContextMenuRequested, this,
            &W::showBookmarkManagerContextMenu);
    connect(twSectionSpProps, &QTableWidget::currentCellChanged, this,
            &W::sectionManagerCurrentCellChanged);
    connect(twSectionSpProps, &QTableWidget::cellDoubleClicked, this,
            &W::sectionManagerCellDoubleClicked);
    connect(twSectionSpProps, &QWidget::customContextMenuRequested, this,
            &W::showSectionManagerContextMenu);
}

// ---- Section and element editors --------------------------------------------

void VocalyneMainWindow::showSpeechSectionEditDialog()
{
    VocalyneDocumentEdit *edit = currentDocumentEdit();
    if (!edit)
        return;
    const QTextCursor selection = edit->textCursor();
    // The document's own characters: selectedText() would turn line breaks
    // into paragraph separators.
    const int from = selection.selectionStart();
    const int to = selection.selectionEnd();
    const QString text = edit->documentText().mid(from, to - from);
    if (text.isEmpty()) {
        VocalyneMessageService::critical(
            this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
            appText(QT_TRANSLATE_NOOP(
                "QApplication",
                "Please select a text fragment before creating a speech section.")));
        return;
    }
    if (selection.anchor() == selection.position())
        return;
    if (edit->conflictsWithSection(quint32(from), quint32(to))) {
        VocalyneMessageService::warning(
            this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
            appText(QT_TRANSLATE_NOOP(
                "QApplication",
                "Embedding a speech entity within another speech entity of the same type is "
                "not allowed.\nPlease select a different text section or remove the current "
                "speech entity and try again.")));
        return;
    }
    VocalyneSpeechSectionEditor dialog(this, text, m_voiceCombo->currentIndex(), -1, this);
    dialog.exec();
    if (dialog.hasTested())
        statusBarMainWnd->showMessage(tr("Ready"));
}

void VocalyneMainWindow::showSpeechSectionEditDialog(int sectionIndex)
{
    VocalyneDocumentEdit *edit = currentDocumentEdit();
    if (!edit || sectionIndex < 0 || sectionIndex >= edit->sections().size())
        return;
    const QString text = edit->sectionText(edit->sections().at(sectionIndex));
    if (text.isEmpty()) {
        VocalyneMessageService::critical(
            this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
            appText(QT_TRANSLATE_NOOP(
                "QApplication",
                "Please select a text fragment before creating a speech section.")));
        return;
    }
    VocalyneSpeechSectionEditor dialog(this, text, m_voiceCombo->currentIndex(), sectionIndex,
                                       this);
    dialog.exec();
    if (dialog.hasTested())
        statusBarMainWnd->showMessage(tr("Ready"));
}

void VocalyneMainWindow::showSpeechElementEditDialog()
{
    if (!currentDocumentEdit())
        return;
    VocalyneSpeechElementEditor dialog(this, this);
    dialog.exec();
}

void VocalyneMainWindow::bookmarkSelection()
{
    if (VocalyneDocumentEdit *edit = currentDocumentEdit()) {
        const QTextCursor selection = edit->textCursor();
        edit->addBookmark(selection.anchor(), selection.position());
    }
}

// ---- Manager docks -----------------------------------------------------------

void VocalyneMainWindow::bookmarkManagerCurrentCellChanged(int row, int, int, int)
{
    // Rows are also selected from code as the editor's cursor moves; only
    // the user's own moves in the table jump to the text.
    if (row >= 0 && twBookmarkManager->hasFocus())
        VocalyneManagerCommands::selectEntityText(currentDocumentEdit(), twBookmarkManager, row);
}

void VocalyneMainWindow::sectionManagerCurrentCellChanged(int row, int, int, int)
{
    if (row >= 0 && twSectionSpProps->hasFocus())
        VocalyneManagerCommands::selectEntityText(currentDocumentEdit(), twSectionSpProps, row);
}

void VocalyneMainWindow::bookmarkManagerCellDoubleClicked(int row, int column)
{
    VocalyneDocumentEdit *edit = currentDocumentEdit();
    if (!edit || row < 0)
        return;
    const bool hadFocus = twBookmarkManager->hasFocus();
    if (column == VocalyneManagerTables::BookmarkStatusColumn &&
        VocalyneManagerCommands::setBookmarkStates(edit, {row}, State::Toggle) > 0)
        edit->markModifiedAndRefresh();
    if (hadFocus)
        VocalyneManagerCommands::selectEntityText(edit, twBookmarkManager, row);
}

void VocalyneMainWindow::sectionManagerCellDoubleClicked(int row, int column)
{
    VocalyneDocumentEdit *edit = currentDocumentEdit();
    if (!edit || row < 0)
        return;
    const bool hadFocus = twSectionSpProps->hasFocus();
    if (column == VocalyneManagerTables::SectionStatusColumn) {
        if (VocalyneManagerCommands::setSectionStates(edit, {row}, State::Toggle) > 0)
            edit->markModifiedAndRefresh();
    } else {
        showSpeechSectionEditDialog(row);
    }
    if (hadFocus && row < twSectionSpProps->rowCount())
        VocalyneManagerCommands::selectEntityText(edit, twSectionSpProps, row);
}

void VocalyneMainWindow::showBookmarkManagerContextMenu(const QPoint &point)
{
    if (twBookmarkManager->rowCount() > 0)
        m_bookmarkManagerMenu->popup(twBookmarkManager->viewport()->mapToGlobal(point));
}

void VocalyneMainWindow::showSectionManagerContextMenu(const QPoint &point)
{
    if (twSectionSpProps->rowCount() > 0)
        m_sectionManagerMenu->popup(twSectionSpProps->viewport()->mapToGlobal(point));
}

void VocalyneMainWindow::setManagerEntityStates(bool sections, int state)
{
    VocalyneDocumentEdit *edit = currentDocumentEdit();
    if (!edit)
        return;
    const QList<int> rows =
        VocalyneManagerCommands::selectedRows(sections ? twSectionSpProps : twBookmarkManager);
    const int changed = sections
                            ? VocalyneManagerCommands::setSectionStates(edit, rows, State(state))
                            : VocalyneManagerCommands::setBookmarkStates(edit, rows, State(state));
    if (changed > 0)
        edit->markModifiedAndRefresh();
}

void VocalyneMainWindow::deleteManagerEntities(bool sections)
{
    VocalyneDocumentEdit *edit = currentDocumentEdit();
    if (!edit)
        return;
    const QList<int> rows =
        VocalyneManagerCommands::selectedRows(sections ? twSectionSpProps : twBookmarkManager);
    if (rows.isEmpty())
        return;
    if (VocalyneMessageService::question(
            this, appText(QT_TRANSLATE_NOOP("QApplication", "Warning")),
            appText(QT_TRANSLATE_NOOP(
                "QApplication",
                "Are you sure you want to delete the selected item(s)?\nThis action cannot "
                "be undone!")),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    const int removed = sections ? VocalyneManagerCommands::deleteSections(edit, rows)
                                 : VocalyneManagerCommands::deleteBookmarks(edit, rows);
    if (removed > 0) {
        // The rows below the removed ones now show other entities; a
        // leftover selection would point at them.
        (sections ? twSectionSpProps : twBookmarkManager)->clearSelection();
        edit->markModifiedAndRefresh();
    }
}

void VocalyneMainWindow::bookmarkManagerSelectedEntitiesEnable()
{
    setManagerEntityStates(false, int(State::Enable));
}

void VocalyneMainWindow::bookmarkManagerSelectedEntitiesDisable()
{
    setManagerEntityStates(false, int(State::Disable));
}

void VocalyneMainWindow::bookmarkManagerSelectedEntitiesDelete()
{
    deleteManagerEntities(false);
}

void VocalyneMainWindow::sectionManagerSelectedEntitiesEnable()
{
    setManagerEntityStates(true, int(State::Enable));
}

void VocalyneMainWindow::sectionManagerSelectedEntitiesDisable()
{
    setManagerEntityStates(true, int(State::Disable));
}

void VocalyneMainWindow::sectionManagerSelectedEntitiesDelete()
{
    deleteManagerEntities(true);
}

void VocalyneMainWindow::sectionManagerSelectedEntityEdit()
{
    const QList<int> rows = VocalyneManagerCommands::selectedRows(twSectionSpProps);
    if (!rows.isEmpty())
        showSpeechSectionEditDialog(rows.first());
}
