// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynedocumentedit.h"

#include "vocalyneentityranges.h"
#include "vocalyneentitytooltip.h"
#include "vocalynemainwindowinterface.h"
#include "vocalynemanagertables.h"
#include "vocalynemessageservice.h"
#include "vocalynesettingskeys.h"
#include "vocalynesoftbreaks.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QToolTip>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <climits>
#include <limits>

using namespace VocalyneEntityRanges;

namespace {

// The property on a manager table that names the editor whose rows it shows.
// The tables are shared by all tabs, so an editor may only update single rows
// when it wrote the whole table itself.
const char RowsOwnerProperty[] = "vocalyneRowsOwner";

// The property on an editor's text document that names the editor, for code
// that edits the document through a cursor and must tell the editor how
// positions move (a replacement that keeps entities on their text).
const char EditorProperty[] = "vocalyneDocumentEdit";

// Edits whose undo puts entity ends back exactly.
constexpr int MaxUndoJournal = 100;

// How long moved table rows may show their old numbers while typing goes on.
constexpr int TableRepaintDelayMs = 100;

quint64 nextSerial()
{
    static std::atomic<quint64> serial{0};
    return ++serial;
}

QTextCharFormat backgroundFormat(const char *color)
{
    QTextCharFormat format;
    format.setBackground(QColor(QLatin1String(color)));
    return format;
}

QTextCharFormat wavyFormat(const char *color)
{
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    format.setUnderlineColor(QColor(QLatin1String(color)));
    return format;
}

// One shared instance per kind: equal formats then compare by identity when
// the widget diffs old and new highlights.
const QTextCharFormat &bookmarkFormat(bool enabled)
{
    static const QTextCharFormat on = backgroundFormat("yellow");
    static const QTextCharFormat off = backgroundFormat("lightgray");
    return enabled ? on : off;
}

const QTextCharFormat &sectionFormat(bool enabled)
{
    static const QTextCharFormat on = wavyFormat("green");
    static const QTextCharFormat off = wavyFormat("darkgray");
    return enabled ? on : off;
}

const QTextCharFormat &elementFormat(bool enabled)
{
    static const QTextCharFormat on = backgroundFormat("#006699");
    static const QTextCharFormat off = backgroundFormat("#666666");
    return enabled ? on : off;
}

template <typename Entities>
void selectCoveringRow(QTableWidget *table, const Entities &entities, quint32 position)
{
    if (!table || entities.isEmpty() || table->rowCount() == 0)
        return;
    for (int row = 0; row < entities.size() && row < table->rowCount(); ++row) {
        const auto &entity = entities.at(row);
        if (entity.fromChar <= position && position <= entity.toChar) {
            // Re-selecting the row that is already selected would only cost
            // a repaint per keystroke.
            if (table->currentRow() != row || !table->selectionModel() ||
                !table->selectionModel()->isRowSelected(row, QModelIndex()))
                table->selectRow(row);
            return;
        }
    }
}

} // namespace

VocalyneDocumentEdit::VocalyneDocumentEdit(QWidget *parent, VocalyneMainWindowInterface *mainWindow,
                                           QTableWidget *bookmarkTable, QTableWidget *sectionTable)
    : QTextEdit(parent), m_mainWindow(mainWindow), m_bookmarkTable(bookmarkTable),
      m_sectionTable(sectionTable), m_serial(nextSerial()),
      m_positionSource(VocalyneManagerTables::SharedPositionSource::create())
{
    m_positionSource->bookmarks = &m_bookmarks;
    m_positionSource->sections = &m_sections;
    setObjectName(QStringLiteral("VocalyneDocumentEdit"));
    setOwner(this);
    m_cursor = QTextCursor(document());
    document()->setProperty(EditorProperty, QVariant::fromValue<QObject *>(this));
    m_tracker.reset(document());

    applyFontFromSettings();
    setAcceptDrops(true);
    setAcceptRichText(false);

    // A selection must look the same while the focus is in a toolbar or
    // another window (the spoken word is drawn in the same colours).
    QPalette pal = palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight,
                 pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);

    if (!loadDefaultSpeechValues()) {
        VocalyneMessageService::warning(
            this, QCoreApplication::translate("QApplication", "Error"),
            QCoreApplication::translate("QApplication",
                                        "Unable to set the default speech settings."));
    }

    m_tableRepaintTimer = new QTimer(this);
    m_tableRepaintTimer->setSingleShot(true);
    m_tableRepaintTimer->setInterval(TableRepaintDelayMs);
    connect(m_tableRepaintTimer, &QTimer::timeout, this, &VocalyneDocumentEdit::repaintMovedRows);

    createActions();
    createContextMenu();
    connectSignals();
    // After the editor's own handlers: a cut it makes is a change of its own.
    m_softBreaks = new VocalyneSoftBreaks(document(), this);
    m_constructing = false;
    setFocus();
}

VocalyneDocumentEdit::~VocalyneDocumentEdit()
{
    // Table cells may outlive the editor; they must stop reading its lists.
    m_positionSource->bookmarks = nullptr;
    m_positionSource->sections = nullptr;
    setOwner(nullptr);
}

void VocalyneDocumentEdit::applyFontFromSettings()
{
    QSettings settings;
    const QString key(VocalyneSettingsKeys::DocumentFont);
    const QString description = settings.value(key).toString();
    if (description.isEmpty()) {
        settings.setValue(key, font().toString());
        return;
    }
    QFont stored;
    if (stored.fromString(description))
        setFont(stored);
}

void VocalyneDocumentEdit::createActions()
{
    auto make = [this](const char *name, const QString &text, const QString &shortcut,
                       const char *icon) {
        auto *action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        if (!shortcut.isEmpty())
            action->setShortcut(QKeySequence(shortcut));
        if (icon)
            action->setIcon(QIcon(QLatin1String(icon)));
        return action;
    };
    m_actionUndo =
        make("m_actionUndo", tr("Undo"), tr("Ctrl+Z"), ":/Vocalyne/images/icons/png/undo16.png");
    m_actionRedo =
        make("m_actionRedo", tr("Redo"), tr("Ctrl+Y"), ":/Vocalyne/images/icons/png/redo16.png");
    m_actionCut =
        make("m_actionCut", tr("Cut"), tr("Ctrl+X"), ":/Vocalyne/images/icons/png/cut16.png");
    m_actionCopy =
        make("m_actionCopy", tr("Copy"), tr("Ctrl+C"), ":/Vocalyne/images/icons/png/copy16.png");
    m_actionPaste =
        make("m_actionPaste", tr("Paste"), tr("Ctrl+V"), ":/Vocalyne/images/icons/png/paste16.png");
    m_actionClearSelection =
        make("m_actionClear_Selection", tr("Clear Selection"), QString(), nullptr);
    m_actionClearAll = make("m_actionClear_All", tr("Clear All"), QString(), nullptr);
    m_actionSelectAll = make("m_actionSelect_All", tr("Select All"), tr("Ctrl+A"), nullptr);

    const bool hasSelection = textCursor().hasSelection();
    m_actionUndo->setEnabled(document()->isUndoAvailable());
    m_actionRedo->setEnabled(document()->isRedoAvailable());
    m_actionCut->setEnabled(hasSelection);
    m_actionCopy->setEnabled(hasSelection);
    m_actionClearSelection->setEnabled(false);

    connect(m_actionUndo, &QAction::triggered, this, &QTextEdit::undo);
    connect(m_actionRedo, &QAction::triggered, this, &QTextEdit::redo);
    connect(m_actionCut, &QAction::triggered, this, &VocalyneDocumentEdit::onCut);
    connect(m_actionCopy, &QAction::triggered, this, &VocalyneDocumentEdit::onCopy);
    connect(m_actionPaste, &QAction::triggered, this, &QTextEdit::paste);
    connect(m_actionClearSelection, &QAction::triggered, this,
            &VocalyneDocumentEdit::removeSelectedText);
    connect(m_actionClearAll, &QAction::triggered, this, &VocalyneDocumentEdit::clearAll);
    connect(m_actionSelectAll, &QAction::triggered, this, &QTextEdit::selectAll);
}

void VocalyneDocumentEdit::createContextMenu()
{
    m_contextMenu = new QMenu(this);
    m_contextMenu->addAction(m_actionUndo);
    m_contextMenu->addAction(m_actionRedo);
    m_contextMenu->addSeparator();
    m_contextMenu->addAction(m_actionCut);
    m_contextMenu->addAction(m_actionCopy);
    m_contextMenu->addAction(m_actionPaste);
    m_contextMenu->addSeparator();
    m_contextMenu->addAction(m_actionClearSelection);
    m_contextMenu->addAction(m_actionClearAll);
    m_contextMenu->addSeparator();
    m_contextMenu->addAction(m_actionSelectAll);

    auto addMainWindowAction = [this](const char *name) {
        if (!m_mainWindow)
            return;
        if (QAction *action = m_mainWindow->mainWindowAction(QLatin1String(name)))
            m_contextMenu->addAction(action);
    };
    m_contextMenu->addSeparator();
    addMainWindowAction("actionSpeak_from_Cursor");
    m_contextMenu->addSeparator();
    addMainWindowAction("actionSelection_Speech_Properties");
    addMainWindowAction("actionAdd_Speech_Element");
    addMainWindowAction("actionBookmark_Selection");
    m_contextMenu->addSeparator();
    addMainWindowAction("actionDocument_Properties");

    setContextMenuPolicy(Qt::CustomContextMenu);
}

void VocalyneDocumentEdit::connectSignals()
{
    connect(this, &QWidget::customContextMenuRequested, this,
            &VocalyneDocumentEdit::showContextMenu);
    connect(document(), &QTextDocument::contentsChange, this,
            &VocalyneDocumentEdit::noteContentsChange);
    connect(document(), &QTextDocument::contentsChanged, this,
            &VocalyneDocumentEdit::documentWasModified);
    connect(document(), &QTextDocument::modificationChanged, this,
            &VocalyneDocumentEdit::onModificationChanged);
    connect(this, &QTextEdit::cursorPositionChanged, this,
            &VocalyneDocumentEdit::onCursorPositionChanged);
    connect(this, &QTextEdit::undoAvailable, m_actionUndo, &QAction::setEnabled);
    connect(this, &QTextEdit::redoAvailable, m_actionRedo, &QAction::setEnabled);
    connect(this, &QTextEdit::copyAvailable, m_actionCut, &QAction::setEnabled);
    connect(this, &QTextEdit::copyAvailable, m_actionCopy, &QAction::setEnabled);
    connect(this, &QTextEdit::copyAvailable, m_actionClearSelection, &QAction::setEnabled);
}

// ---- Document setters -------------------------------------------------------

void VocalyneDocumentEdit::valueChanged()
{
    if (!m_constructing)
        setModifiedState(true);
}

#define VOCALYNE_MARKING_SETTER(Setter, Type, member)                                              \
    void VocalyneDocumentEdit::Setter(Type value)                                                  \
    {                                                                                              \
        const bool changed = !(member == value);                                                   \
        QVT2SDocument::Setter(value);                                                              \
        if (changed)                                                                               \
            valueChanged();                                                                        \
    }

VOCALYNE_MARKING_SETTER(setEngineTypeId, qint16, m_engineTypeId)
VOCALYNE_MARKING_SETTER(setVoiceName, const QString &, m_voiceName)
VOCALYNE_MARKING_SETTER(setVoiceId, qint32, m_voiceId)
VOCALYNE_MARKING_SETTER(setPitch, qint32, m_pitch)
VOCALYNE_MARKING_SETTER(setSpeed, qint32, m_speed)
VOCALYNE_MARKING_SETTER(setVolume, qint32, m_volume)
VOCALYNE_MARKING_SETTER(setPause, qint32, m_pause)
VOCALYNE_MARKING_SETTER(setHighlight, bool, m_highlight)
VOCALYNE_MARKING_SETTER(setIsXml, bool, m_isXml)

#undef VOCALYNE_MARKING_SETTER

// ---- Document owner ---------------------------------------------------------

void VocalyneDocumentEdit::showDocumentMessage(MessageKind kind, const QString &title,
                                               const QString &text)
{
    if (kind == MessageKind::Critical)
        VocalyneMessageService::critical(this, title, text);
    else
        VocalyneMessageService::warning(this, title, text);
}

QString VocalyneDocumentEdit::documentText() const
{
    return VocalyneSoftBreaks::plainText(document());
}

int VocalyneDocumentEdit::findNextBlankFromCursor()
{
    // A soft break of a long paragraph is a blank too. The blank found is
    // selected, as a search would.
    QTextCursor cursor = textCursor();
    const int blank = VocalyneSoftBreaks::nextBlank(document(), cursor.selectionEnd());
    if (blank < 0)
        return -1;
    cursor.setPosition(blank);
    cursor.setPosition(blank + 1, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    return blank;
}

void VocalyneDocumentEdit::markModifiedAndRefresh()
{
    setModifiedState(true);
    refreshHighlights();
}

// ---- Highlights and positions -----------------------------------------------

VocalyneDocumentEdit *VocalyneDocumentEdit::editorOf(const QTextDocument *document)
{
    if (!document)
        return nullptr;
    return qobject_cast<VocalyneDocumentEdit *>(
        document->property(EditorProperty).value<QObject *>());
}

bool VocalyneDocumentEdit::isCurrentEditor() const
{
    return !m_mainWindow || m_mainWindow->currentDocumentEdit() == this;
}

bool VocalyneDocumentEdit::highlightsCurrent() const
{
    return m_highlightBookmarks == m_bookmarks.size() &&
           m_highlightSections == m_sections.size() && m_highlightElements == m_elements.size();
}

void VocalyneDocumentEdit::refreshHighlights()
{
    m_highlightBookmarks = int(m_bookmarks.size());
    m_highlightSections = int(m_sections.size());
    m_highlightElements = int(m_elements.size());
    m_bookmarksOrdered = rangesOrdered(m_bookmarks);
    m_sectionsOrdered = rangesOrdered(m_sections);
    m_elementsOrdered = elementsOrdered(m_elements);
    // List values may lie beyond the text; the next change puts them at its
    // end first, as it moves them.
    m_clampPending = true;
    m_adoptLists = false;
    m_undoJournal.clear();
    m_bookmarkRowsGone = m_sectionRowsGone = m_elementsGone = false;
    m_movedBookmarkRows[0] = m_movedBookmarkRows[1] = -1;
    m_movedSectionRows[0] = m_movedSectionRows[1] = -1;
    m_shownHighlights = {-1}; // a new set: repaint whatever is shown
    showVisibleHighlights(true);
    // During an edit the layout may not have settled yet: the next paint
    // looks again (and changes nothing when the same entities are shown).
    m_shownFirst = -1;
    viewport()->update();

    if (!isCurrentEditor())
        return;
    VocalyneManagerTables::fillBookmarks(m_bookmarkTable, m_bookmarks, m_positionSource);
    VocalyneManagerTables::fillSections(m_sectionTable, m_sections, m_positionSource);
    for (QTableWidget *table : {m_bookmarkTable, m_sectionTable}) {
        if (table)
            table->setProperty(RowsOwnerProperty, m_serial);
    }
}

void VocalyneDocumentEdit::noteContentsChange(int from, int charsRemoved, int charsAdded)
{
    const QList<VocalynePositionTracker::Change> changes =
        m_tracker.follow(document(), from, charsRemoved, charsAdded);
    if (m_keepPositions) {
        // The caller moved the entities itself.
        m_keepPositions = false;
        m_adoptLists = true;
        m_undoJournal.clear();
        return;
    }
    // Lists changed behind the highlights' back (a file was read, records
    // removed by index) belong to the text as it is now: take them as they
    // are, once the change is laid out.
    if (m_adoptLists || !highlightsCurrent()) {
        m_adoptLists = true;
        m_undoJournal.clear();
        return;
    }
    if (changes.isEmpty())
        return;
    if (m_clampPending) {
        m_clampPending = false;
        const int lengthBefore = document()->characterCount() - charsAdded + charsRemoved;
        VocalynePositionTracker::clamp(m_bookmarks, m_sections, m_elements,
                                       quint32(std::max(0, lengthBefore - 1)));
    }

    // Only the entities from a change on are looked at: a keystroke costs a
    // few operations per entity behind it and nothing per entity before.
    // Several changes (one edit block) come last first, so each holds in
    // the positions the ones before it left.
    // The undo of the last edit puts the ends that edit pulled into its
    // place back where they were, if nothing moved them since.
    const bool single = changes.size() == 1;
    QList<VocalynePositionTracker::Restore> restores;
    const bool undoing = single && !m_undoJournal.isEmpty() &&
                         m_undoJournal.last().undoneBy(changes.first());
    if (undoing) {
        const VocalynePositionTracker::Step &last = m_undoJournal.last();
        const quint32 pulledTo = quint32(last.change.from + last.change.added);
        for (const VocalynePositionTracker::Restore &restore : last.restores) {
            if (restore.list == 0 && restore.index < m_bookmarks.size()) {
                const QVT2SBookmark &bookmark = m_bookmarks.at(restore.index);
                if ((restore.end ? bookmark.toChar : bookmark.fromChar) == pulledTo)
                    restores.append(restore);
            } else if (restore.list == 1 && restore.index < m_sections.size()) {
                const QVT2SSection &section = m_sections.at(restore.index);
                if ((restore.end ? section.toChar : section.fromChar) == pulledTo)
                    restores.append(restore);
            }
        }
        m_undoJournal.removeLast();
    }
    VocalynePositionTracker::Step step;
    step.change = changes.first();
    QList<VocalynePositionTracker::Restore> *record = single && !undoing ? &step.restores : nullptr;

    QList<int> goneBookmarks, goneSections, goneElements;
    auto merge = [](int(&rows)[2], const VocalynePositionTracker::Moved &moved) {
        if (moved.first < 0)
            return;
        rows[0] = rows[0] < 0 ? moved.first : std::min(rows[0], moved.first);
        rows[1] = std::max(rows[1], moved.last);
    };
    for (const VocalynePositionTracker::Change &change : changes) {
        const auto bookmarks = VocalynePositionTracker::moveRanges(
            m_bookmarks, m_bookmarksOrdered, change, record, 0);
        const auto sections = VocalynePositionTracker::moveRanges(
            m_sections, m_sectionsOrdered, change, record, 1);
        const auto elements =
            VocalynePositionTracker::moveElements(m_elements, m_elementsOrdered, change);
        merge(m_movedBookmarkRows, bookmarks);
        merge(m_movedSectionRows, sections);
        goneBookmarks += bookmarks.gone;
        goneSections += sections.gone;
        goneElements += elements.gone;
    }
    for (QList<int> *gone : {&goneBookmarks, &goneSections, &goneElements}) {
        if (changes.size() > 1) {
            std::sort(gone->begin(), gone->end());
            gone->erase(std::unique(gone->begin(), gone->end()), gone->end());
        }
    }
    // Restored ends, latest first so that the earliest value (the one before
    // a run of joined edits) is the one that stays.
    for (auto it = restores.crbegin(); it != restores.crend(); ++it) {
        const QList<int> &gone = it->list == 0 ? goneBookmarks : goneSections;
        if (std::binary_search(gone.cbegin(), gone.cend(), it->index))
            continue;
        quint32 &end = it->list == 0 ? (it->end ? m_bookmarks[it->index].toChar
                                                : m_bookmarks[it->index].fromChar)
                                     : (it->end ? m_sections[it->index].toChar
                                                : m_sections[it->index].fromChar);
        end = it->value;
        merge(it->list == 0 ? m_movedBookmarkRows : m_movedSectionRows,
              {it->index, it->index, {}});
    }
    const bool anyGone =
        !goneBookmarks.isEmpty() || !goneSections.isEmpty() || !goneElements.isEmpty();
    if (!undoing) {
        if (!single || anyGone) {
            // Indexes moved: older steps no longer name the right entities.
            m_undoJournal.clear();
            if (single)
                step.restores.removeIf([&](const VocalynePositionTracker::Restore &restore) {
                    const QList<int> &gone = restore.list == 0 ? goneBookmarks : goneSections;
                    return std::binary_search(gone.cbegin(), gone.cend(), restore.index);
                });
            for (VocalynePositionTracker::Restore &restore : step.restores) {
                const QList<int> &gone = restore.list == 0 ? goneBookmarks : goneSections;
                restore.index -= int(std::lower_bound(gone.cbegin(), gone.cend(), restore.index) -
                                     gone.cbegin());
            }
        }
        if (single && (m_undoJournal.isEmpty() || !m_undoJournal.last().merge(step))) {
            m_undoJournal.append(step);
            if (m_undoJournal.size() > MaxUndoJournal)
                m_undoJournal.removeFirst();
        }
    } else if (anyGone) {
        m_undoJournal.clear();
    }
    if (!anyGone)
        return;
    VocalynePositionTracker::removeIndexes(m_bookmarks, goneBookmarks);
    VocalynePositionTracker::removeIndexes(m_sections, goneSections);
    VocalynePositionTracker::removeIndexes(m_elements, goneElements);
    m_highlightBookmarks = int(m_bookmarks.size());
    m_highlightSections = int(m_sections.size());
    m_highlightElements = int(m_elements.size());
    m_bookmarkRowsGone = m_bookmarkRowsGone || !goneBookmarks.isEmpty();
    m_sectionRowsGone = m_sectionRowsGone || !goneSections.isEmpty();
    m_elementsGone = true;
}

void VocalyneDocumentEdit::finishEntityChanges()
{
    if (m_adoptLists) {
        refreshHighlights();
        return;
    }
    const bool bookmarksGone = m_bookmarkRowsGone;
    const bool sectionsGone = m_sectionRowsGone;
    if (bookmarksGone || sectionsGone || m_elementsGone) {
        m_bookmarkRowsGone = m_sectionRowsGone = m_elementsGone = false;
        m_shownHighlights = {-1};
        showVisibleHighlights(true);
    }
    // Entities may have moved into or out of the visible text; the next
    // paint, with the layout settled, looks again.
    m_shownFirst = -1;
    int bookmarkRows[2] = {m_movedBookmarkRows[0], m_movedBookmarkRows[1]};
    int sectionRows[2] = {m_movedSectionRows[0], m_movedSectionRows[1]};
    m_movedBookmarkRows[0] = m_movedBookmarkRows[1] = -1;
    m_movedSectionRows[0] = m_movedSectionRows[1] = -1;

    if (!isCurrentEditor())
        return;
    // The position cells read the lists live: while the tables still hold
    // this editor's rows, moved rows only need a repaint.
    auto ownsRows = [this](QTableWidget *table, qsizetype rows) {
        return table && table->property(RowsOwnerProperty).toULongLong() == m_serial &&
               table->rowCount() == rows;
    };
    auto merge = [](int(&pending)[2], const int(&rows)[2]) {
        if (rows[0] < 0)
            return;
        pending[0] = pending[0] < 0 ? rows[0] : std::min(pending[0], rows[0]);
        pending[1] = std::max(pending[1], rows[1]);
    };
    // A table that lost rows is filled again (rows below moved up).
    if (!bookmarksGone && ownsRows(m_bookmarkTable, m_bookmarks.size())) {
        merge(m_pendingBookmarkRows, bookmarkRows);
    } else if (m_bookmarkTable) {
        VocalyneManagerTables::fillBookmarks(m_bookmarkTable, m_bookmarks, m_positionSource);
        m_bookmarkTable->setProperty(RowsOwnerProperty, m_serial);
    }
    if (!sectionsGone && ownsRows(m_sectionTable, m_sections.size())) {
        merge(m_pendingSectionRows, sectionRows);
    } else if (m_sectionTable) {
        VocalyneManagerTables::fillSections(m_sectionTable, m_sections, m_positionSource);
        m_sectionTable->setProperty(RowsOwnerProperty, m_serial);
    }
    if ((m_pendingBookmarkRows[0] >= 0 || m_pendingSectionRows[0] >= 0) &&
        !m_tableRepaintTimer->isActive())
        m_tableRepaintTimer->start();
}

bool VocalyneDocumentEdit::highlightAt(int index, int &start, int &end,
                                       const QTextCharFormat *&format) const
{
    if (index < 0 || !highlightsCurrent())
        return false;
    const int nB = m_highlightBookmarks;
    const int nS = m_highlightSections;
    if (index < nB) {
        const QVT2SBookmark &bookmark = m_bookmarks.at(index);
        start = int(std::min<quint32>(bookmark.fromChar, INT_MAX));
        end = int(std::min<quint32>(bookmark.toChar, INT_MAX));
        format = &bookmarkFormat(bookmark.enabled);
        return true;
    }
    if (index < nB + nS) {
        const QVT2SSection &section = m_sections.at(index - nB);
        start = int(std::min<quint32>(section.fromChar, INT_MAX));
        end = int(std::min<quint32>(section.toChar, INT_MAX));
        format = &sectionFormat(section.enabled);
        return true;
    }
    if (index < nB + nS + m_highlightElements) {
        const QVT2SElement &element = m_elements.at(index - nB - nS);
        start = int(std::min<quint32>(element.afterChar, INT_MAX - 1));
        end = start + 1;
        format = &elementFormat(element.enabled);
        return true;
    }
    return false;
}

QList<VocalyneDocumentEdit::EntityHighlight> VocalyneDocumentEdit::entityHighlights() const
{
    QList<EntityHighlight> highlights;
    if (!highlightsCurrent())
        return highlights;
    const int count = m_highlightBookmarks + m_highlightSections + m_highlightElements;
    highlights.reserve(count);
    for (int i = 0; i < count; ++i) {
        int start = 0;
        int end = 0;
        const QTextCharFormat *format = nullptr;
        if (highlightAt(i, start, end, format))
            highlights.append({start, end, *format});
    }
    return highlights;
}

void VocalyneDocumentEdit::visibleTextRange(int &first, int &last, QList<std::pair<int, int>> *runs)
{
    // Whole paragraphs. A hit test at the view's corners would walk every
    // block above them, and a plain binary search would make the layout lay
    // out half the document after each edit; galloping from the blocks found
    // last time only looks at blocks near the view.
    QTextDocument *doc = document();
    QAbstractTextDocumentLayout *layout = doc->documentLayout();
    const int count = doc->blockCount();
    const qreal top = verticalScrollBar()->value();
    const qreal bottom = top + viewport()->height();
    auto blockRect = [doc, layout](int number) {
        return layout->blockBoundingRect(doc->findBlockByNumber(number));
    };
    int firstNumber = gallopFirstFalse(count, m_firstBlockHint,
                                       [&](int n) { return blockRect(n).bottom() < top; });
    firstNumber = std::min(firstNumber, count - 1);
    int lastNumber = gallopFirstFalse(count, std::max(firstNumber, m_lastBlockHint),
                                      [&](int n) { return blockRect(n).top() <= bottom; }) -
                     1;
    lastNumber = std::max(lastNumber, firstNumber);
    m_firstBlockHint = firstNumber;
    m_lastBlockHint = lastNumber;
    const QTextBlock firstBlock = doc->findBlockByNumber(firstNumber);
    const QTextBlock lastBlock = doc->findBlockByNumber(lastNumber);
    first = firstBlock.position();
    last = lastBlock.position() + std::max(0, lastBlock.length() - 1);

    // A paragraph can be far taller than the view (a whole book pasted
    // without line breaks): narrow the range to the lines on screen, or
    // every entity of that paragraph would be handed over, and the widget
    // draws every visible line once per highlight it holds.
    auto visibleLine = [&](const QTextBlock &block, qreal y, bool firstLine) -> int {
        const QTextLayout *lines = block.layout();
        const int lineCount = lines ? lines->lineCount() : 0;
        if (lineCount == 0)
            return -1;
        const qreal blockTop = layout->blockBoundingRect(block).top();
        // The first line whose bottom is at or below y.
        int low = 0;
        int high = lineCount;
        while (low < high) {
            const int mid = low + (high - low) / 2;
            const QTextLine line = lines->lineAt(mid);
            if (blockTop + line.y() + line.height() < y)
                low = mid + 1;
            else
                high = mid;
        }
        const QTextLine line = lines->lineAt(std::min(low, lineCount - 1));
        return firstLine ? line.textStart() : line.textStart() + line.textLength();
    };
    if (const int start = visibleLine(firstBlock, top, true); start >= 0)
        first = firstBlock.position() + start;
    if (const int end = visibleLine(lastBlock, bottom, false); end >= 0)
        last = std::min(last, lastBlock.position() + end);
    last = std::max(first, last);
    if (!runs)
        return;

    // Paragraphs the widget has not laid out yet (it does a long text bit
    // by bit, in the background) have no height and show nothing; right
    // after opening a long text at its middle thousands of them may sit
    // between the few lines on screen. Their entities are not on screen.
    runs->clear();
    bool gap = true;
    QTextBlock block = firstBlock;
    for (int number = firstNumber; number <= lastNumber && block.isValid();
         ++number, block = block.next()) {
        const QTextLayout *lines = block.layout();
        if (!lines || lines->lineCount() == 0 || layout->blockBoundingRect(block).height() <= 0) {
            gap = true;
            continue;
        }
        const int start = std::max(first, block.position());
        const int end = std::min(last, block.position() + std::max(0, block.length() - 1));
        if (end < start)
            continue;
        if (gap || runs->isEmpty())
            runs->append({start, end});
        else
            runs->last().second = end;
        gap = false;
    }
    if (runs->isEmpty())
        runs->append({first, last});
}

void VocalyneDocumentEdit::showVisibleHighlights(bool positionsMoved)
{
    if (!isVisible() || !highlightsCurrent()) {
        // Nothing is on screen; the first paint hands the highlights over.
        // (Measuring all of them now would lay out the whole text.)
        m_shownFirst = -1;
        m_shownHighlights.clear();
        return;
    }
    int first = 0;
    int last = 0;
    QList<std::pair<int, int>> runs;
    visibleTextRange(first, last, &runs);
    if (!positionsMoved && first == m_shownFirst && last == m_shownLast && runs == m_shownRuns)
        return;
    m_shownFirst = first;
    m_shownLast = last;
    m_shownRuns = runs;

    QList<int> shown;
    const int nB = m_highlightBookmarks;
    const int nS = m_highlightSections;
    // An entity is shown when its span touches [run start, run end + 1] of
    // a run of laid-out paragraphs on screen.
    for (const auto &[runFirst, runLast] : std::as_const(runs)) {
        const quint32 low = quint32(runFirst);
        const quint64 high = quint64(runLast) + 1;
        for (int i = firstTouchedRange(m_bookmarks, m_bookmarksOrdered, low); i < nB; ++i) {
            const QVT2SBookmark &bookmark = m_bookmarks.at(i);
            if (bookmark.fromChar > high) {
                if (m_bookmarksOrdered)
                    break;
                continue;
            }
            if (bookmark.toChar >= low)
                shown.append(i);
        }
        for (int i = firstTouchedRange(m_sections, m_sectionsOrdered, low); i < nS; ++i) {
            const QVT2SSection &section = m_sections.at(i);
            if (section.fromChar > high) {
                if (m_sectionsOrdered)
                    break;
                continue;
            }
            if (section.toChar >= low)
                shown.append(nB + i);
        }
        for (int i = firstTouchedElement(m_elements, m_elementsOrdered, low);
             i < m_highlightElements; ++i) {
            const QVT2SElement &element = m_elements.at(i);
            if (element.afterChar > high) {
                if (m_elementsOrdered)
                    break;
                continue;
            }
            if (quint64(element.afterChar) + 1 >= low)
                shown.append(nB + nS + i);
        }
    }
    if (runs.size() > 1) {
        // An entity may touch two runs.
        std::sort(shown.begin(), shown.end());
        shown.erase(std::unique(shown.begin(), shown.end()), shown.end());
    }
    // The highlights are painted from the lists at every paint, so moved
    // entities are drawn in their new place with the text the edit
    // repaints; only a different set needs a repaint of its own. (Sizes
    // first: two empty lists have no data to compare.)
    const bool sameSet = shown.size() == m_shownHighlights.size() &&
                         std::equal(shown.cbegin(), shown.cend(), m_shownHighlights.cbegin());
    if (sameSet)
        return;
    m_shownHighlights = shown;
    viewport()->update();
}

QList<VocalyneDocumentEdit::EntityHighlight> VocalyneDocumentEdit::shownHighlights() const
{
    QList<EntityHighlight> shown;
    shown.reserve(m_shownHighlights.size());
    for (int index : m_shownHighlights) {
        int start = 0;
        int end = 0;
        const QTextCharFormat *format = nullptr;
        if (highlightAt(index, start, end, format))
            shown.append({start, end, *format});
    }
    return shown;
}

void VocalyneDocumentEdit::forEachLineSegment(
    int from, int to, const std::function<void(const QRectF &, qreal baseline)> &paint) const
{
    // Only the part on screen: a bookmark may cover a whole chapter.
    from = std::max(from, m_shownFirst);
    to = std::min(to, m_shownLast + 1);
    if (m_shownFirst < 0 || from >= to)
        return;
    const QTextDocument *doc = document();
    const QAbstractTextDocumentLayout *layout = doc->documentLayout();
    const QPointF offset(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    const qreal separatorWidth =
        QFontMetricsF(doc->defaultFont()).horizontalAdvance(QLatin1Char(' '));
    for (QTextBlock block = doc->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        const QTextLayout *lines = block.layout();
        if (!lines || lines->lineCount() == 0)
            continue;
        const QPointF origin = layout->blockBoundingRect(block).topLeft() + offset;
        const int textLength = block.length() - 1;
        const int start = std::max(from, block.position()) - block.position();
        const int end = std::min(to - block.position(), textLength);
        // A span over the paragraph's end shows as a blank after its text.
        const bool overSeparator =
            to - block.position() > textLength && from - block.position() <= textLength;
        int index = lines->lineForTextPosition(std::min(start, textLength)).lineNumber();
        if (index < 0)
            continue;
        for (; index < lines->lineCount(); ++index) {
            const QTextLine line = lines->lineAt(index);
            const int lineEnd = line.textStart() + line.textLength();
            const bool lastLine = index == lines->lineCount() - 1;
            if (line.textStart() > end)
                break;
            const int a = std::max(start, line.textStart());
            const int b = std::min(end, lineEnd);
            qreal x1 = line.cursorToX(a);
            qreal x2 = b > a ? line.cursorToX(b) : x1;
            if (x1 > x2)
                std::swap(x1, x2);
            if (lastLine && overSeparator)
                x2 += separatorWidth;
            if (x2 > x1)
                paint(QRectF(origin.x() + x1, origin.y() + line.y(), x2 - x1, line.height()),
                      origin.y() + line.y() + line.ascent());
            if (lineEnd >= end)
                break;
        }
    }
}

void VocalyneDocumentEdit::paintEntityHighlights(QPainter &painter, bool underlines) const
{
    const QFontMetricsF metrics(document()->defaultFont());
    const qreal amplitude = std::max(1.0, metrics.lineWidth());
    const qreal underlineY = std::max(1.0, metrics.underlinePos());
    for (int index : m_shownHighlights) {
        int start = 0;
        int end = 0;
        const QTextCharFormat *entityFormat = nullptr;
        if (!highlightAt(index, start, end, entityFormat))
            continue;
        const QTextCharFormat &format = *entityFormat;
        const bool wavy = format.underlineStyle() == QTextCharFormat::WaveUnderline;
        if (wavy != underlines)
            continue;
        const QBrush background = format.background();
        if (!wavy && background.style() == Qt::NoBrush)
            continue;
        const QColor color = format.underlineColor();
        forEachLineSegment(std::min(start, end), std::max(start, end),
                           [&](const QRectF &rect, qreal baseline) {
                               if (!wavy) {
                                   painter.fillRect(rect, background);
                                   return;
                               }
                               // A wave under the text, as a spelling mark.
                               const qreal y = baseline + underlineY;
                               const qreal step = 2 * amplitude + 1;
                               QPainterPath wave(QPointF(rect.left(), y));
                               bool up = true;
                               for (qreal x = rect.left(); x < rect.right(); x += step) {
                                   const qreal next = std::min(x + step, rect.right());
                                   wave.quadTo((x + next) / 2, y + (up ? -2 : 2) * amplitude, next,
                                               y);
                                   up = !up;
                               }
                               painter.setPen(QPen(color, amplitude));
                               painter.setBrush(Qt::NoBrush);
                               painter.drawPath(wave);
                           });
    }
}

void VocalyneDocumentEdit::showSpokenWord(int from, int to)
{
    const int end = std::max(0, document()->characterCount() - 1);
    from = std::clamp(from, 0, end);
    to = std::clamp(to, from, end);
    if (m_spokenWordShown && m_cursor.selectionStart() == from && m_cursor.selectionEnd() == to)
        return;
    m_cursor.setPosition(from);
    m_cursor.setPosition(to, QTextCursor::KeepAnchor);
    m_spokenWordShown = true;
    showSpokenWordSelection();
    emit spokenWordShown(from, to);
}

void VocalyneDocumentEdit::showSpokenWordSelection()
{
    // The one extra selection of the widget: it also recolours the text.
    QList<QTextEdit::ExtraSelection> selections;
    if (m_spokenWordShown && m_cursor.hasSelection()) {
        QTextCharFormat format;
        format.setBackground(palette().brush(QPalette::Active, QPalette::Highlight));
        format.setForeground(palette().brush(QPalette::Active, QPalette::HighlightedText));
        selections.append({m_cursor, format});
    }
    setExtraSelections(selections);
}

void VocalyneDocumentEdit::clearSpokenWord()
{
    if (!m_spokenWordShown)
        return;
    m_spokenWordShown = false;
    m_cursor.clearSelection();
    showSpokenWordSelection();
}

QTextCursor VocalyneDocumentEdit::spokenWord() const
{
    if (m_spokenWordShown)
        return m_cursor;
    QTextCursor none(m_cursor);
    none.clearSelection();
    return none;
}

void VocalyneDocumentEdit::ensureSpokenWordVisible()
{
    if (!m_spokenWordShown || !isVisible())
        return;
    QTextCursor start(m_cursor);
    start.setPosition(m_cursor.selectionStart());
    const QRect word = cursorRect(start);
    const QRect view = viewport()->rect();
    if (word.top() >= view.top() && word.bottom() <= view.bottom())
        return;
    // Scrolled so the word sits a third down the view, with the text that
    // follows it in sight.
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(bar->value() + word.top() - view.height() / 3);
}

void VocalyneDocumentEdit::paintEvent(QPaintEvent *event)
{
    // Scrolling, resizing, zooming and late layout all show other text; the
    // highlights follow before anything is drawn.
    showVisibleHighlights(false);
    // The entities are painted here rather than handed to the widget as
    // extra selections: the widget draws every line on screen once per
    // extra selection in a paragraph, which in one long paragraph costs
    // each keystroke tens of milliseconds. Backgrounds go under the text,
    // wavy underlines over it.
    {
        QPainter painter(viewport());
        painter.setClipRegion(event->region());
        paintEntityHighlights(painter, false);
    }
    QTextEdit::paintEvent(event);
    QPainter painter(viewport());
    painter.setClipRegion(event->region());
    painter.setRenderHint(QPainter::Antialiasing);
    paintEntityHighlights(painter, true);
}

void VocalyneDocumentEdit::repaintMovedRows()
{
    // Held back while typing goes on: the cells read live values, so only
    // their pixels lag, and one repaint covers a burst of keystrokes.
    if (isCurrentEditor()) {
        VocalyneManagerTables::repaintPositions(m_bookmarkTable, m_pendingBookmarkRows[0],
                                                m_pendingBookmarkRows[1]);
        VocalyneManagerTables::repaintPositions(m_sectionTable, m_pendingSectionRows[0],
                                                m_pendingSectionRows[1]);
    }
    m_pendingBookmarkRows[0] = m_pendingBookmarkRows[1] = -1;
    m_pendingSectionRows[0] = m_pendingSectionRows[1] = -1;
}

// ---- Modified state ---------------------------------------------------------

int VocalyneDocumentEdit::ownTabIndex() const
{
    return m_mainWindow ? m_mainWindow->documentTabIndex(this) : -1;
}

void VocalyneDocumentEdit::setModifiedState(bool modified, const QString &title, int index)
{
    document()->setModified(modified);
    if (!m_mainWindow)
        return;
    const int tab = index >= 0 ? index : ownTabIndex();
    if (tab < 0)
        return;
    if (!title.isEmpty())
        m_mainWindow->setDocumentTabTitle(tab, title);
    markTabTitle(tab, modified);
}

void VocalyneDocumentEdit::markTabTitle(int tab, bool modified)
{
    if (!m_mainWindow || tab < 0)
        return;
    QString text = m_mainWindow->documentTabTitle(tab);
    const bool marked = text.endsWith(QLatin1Char('*'));
    if (modified && !marked) {
        m_mainWindow->setDocumentTabTitle(tab, text + QLatin1Char('*'));
    } else if (!modified && marked) {
        text.chop(1);
        m_mainWindow->setDocumentTabTitle(tab, text);
    }
}

void VocalyneDocumentEdit::onModificationChanged(bool modified)
{
    // The flag also changes behind setModifiedState: replacing the whole
    // text clears it after the edit, undoing back to the saved text clears
    // it, redoing sets it. The mark follows.
    markTabTitle(ownTabIndex(), modified);
}

void VocalyneDocumentEdit::documentWasModified()
{
    setModifiedState(document()->isModified());
    // A replacement that moved the entities itself may have changed nothing.
    if (m_keepPositions) {
        m_keepPositions = false;
        m_adoptLists = true;
    }
    finishEntityChanges();
}

void VocalyneDocumentEdit::onCursorPositionChanged()
{
    if (!isCurrentEditor())
        return;
    const quint32 position = quint32(textCursor().position());
    selectCoveringRow(m_bookmarkTable, m_bookmarks, position);
    selectCoveringRow(m_sectionTable, m_sections, position);
}

// ---- Paths ------------------------------------------------------------------

QString VocalyneDocumentEdit::fileName() const
{
    return m_filePath.isEmpty() ? QString() : QFileInfo(m_filePath).fileName();
}

QString VocalyneDocumentEdit::directory() const
{
    return m_filePath.isEmpty() ? QString() : QFileInfo(m_filePath).absolutePath();
}

// ---- Editing commands -------------------------------------------------------

void VocalyneDocumentEdit::showContextMenu(const QPoint &point)
{
    // The request comes from the viewport, in its coordinates.
    m_contextMenu->popup(viewport()->mapToGlobal(point));
}

void VocalyneDocumentEdit::removeSelectedText()
{
    QTextCursor cursor = textCursor();
    cursor.removeSelectedText();
}

void VocalyneDocumentEdit::clearAll()
{
    selectAll();
    QTextCursor cursor = textCursor();
    cursor.removeSelectedText();
}

void VocalyneDocumentEdit::tellClipboardWatchIfSelection()
{
    // Without a selection nothing reaches the clipboard; telling the watch
    // anyway would make it swallow the next copy made in another program.
    if (m_mainWindow && textCursor().hasSelection())
        m_mainWindow->ignoreNextClipboardChange();
}

void VocalyneDocumentEdit::onCut()
{
    tellClipboardWatchIfSelection();
    cut();
}

void VocalyneDocumentEdit::onCopy()
{
    tellClipboardWatchIfSelection();
    copy();
}

void VocalyneDocumentEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut))
        tellClipboardWatchIfSelection();
    // A typed or deleted character is an undo step of its own, merged with
    // the next one, unless it is part of an edit block: a key after which
    // the pieces of a long paragraph are cut again gets one, so that the
    // cut joins it.
    QTextCursor step = textCursor();
    const bool cutMayFollow = VocalyneSoftBreaks::keyNeedsEditBlock(step, event);
    if (cutMayFollow)
        step.beginEditBlock();
    QTextEdit::keyPressEvent(event);
    if (cutMayFollow)
        step.endEditBlock();
}

// ---- Tooltips ---------------------------------------------------------------

QString VocalyneDocumentEdit::toolTipTextAt(const QPoint &viewportPos) const
{
    if (m_bookmarks.isEmpty() && m_sections.isEmpty() && m_elements.isEmpty())
        return QString();
    QTextCursor cursor = cursorForPosition(viewportPos);
    cursor.select(QTextCursor::WordUnderCursor);
    const quint32 position = quint32(cursor.position());
    // The tables mirror the lists; an editor without tables consults the lists.
    const bool withBookmarks = !m_bookmarkTable || m_bookmarkTable->rowCount() > 0;
    const bool withSections = !m_sectionTable || m_sectionTable->rowCount() > 0;
    return VocalyneEntityTooltip::compose(m_bookmarks, m_sections, m_elements, position,
                                          withBookmarks, withSections);
}

bool VocalyneDocumentEdit::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QTextEdit::event(event);
    // The viewport passes an unanswered tooltip request on to us.
    auto *help = static_cast<QHelpEvent *>(event);
    const QString text = toolTipTextAt(viewport()->mapFromGlobal(help->globalPos()));
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, this);
    }
    return true;
}

// ---- Drag and drop ----------------------------------------------------------

void VocalyneDocumentEdit::dragEnterEvent(QDragEnterEvent *event)
{
    event->acceptProposedAction();
}

void VocalyneDocumentEdit::dragMoveEvent(QDragMoveEvent *event)
{
    event->acceptProposedAction();
}

void VocalyneDocumentEdit::dragLeaveEvent(QDragLeaveEvent *event)
{
    event->accept();
}

void VocalyneDocumentEdit::dropEvent(QDropEvent *event)
{
    // A drop opens a file; dropped text is never inserted.
    const QList<QUrl> urls = event->mimeData() ? event->mimeData()->urls() : QList<QUrl>();
    if (!urls.isEmpty() && m_mainWindow) {
        const QString path = urls.first().toLocalFile();
        if (!path.isEmpty())
            m_mainWindow->openDocumentFile(path);
    }
    event->acceptProposedAction();
}

bool VocalyneDocumentEdit::find(const QString &text, QTextDocument::FindFlags options)
{
    const QTextCursor found = VocalyneSoftBreaks::find(document(), text, textCursor(), options);
    if (found.isNull())
        return false;
    setTextCursor(found);
    return true;
}

void VocalyneDocumentEdit::setPlainText(const QString &text)
{
    VocalyneSoftBreaks::setPlainText(this, text);
}

QMimeData *VocalyneDocumentEdit::createMimeDataFromSelection() const
{
    const QTextCursor cursor = textCursor();
    if (!VocalyneSoftBreaks::containsSoftBreak(document(), cursor.selectionStart(),
                                               cursor.selectionEnd()))
        return QTextEdit::createMimeDataFromSelection();
    // The widget's own data would offer the soft breaks as paragraph ends.
    auto *data = new QMimeData;
    data->setText(VocalyneSoftBreaks::selectedText(cursor));
    return data;
}

// ---- Zoom -------------------------------------------------------------------

void VocalyneDocumentEdit::zoomDocIn()
{
    if (m_zoomSteps <= 100) {
        const qreal before = font().pointSizeF();
        zoomIn(1);
        if (font().pointSizeF() != before)
            ++m_zoomSteps;
    }
    if (m_mainWindow && font().pointSize() > 1)
        m_mainWindow->setZoomOutAllowed(true);
}

void VocalyneDocumentEdit::zoomDocOut()
{
    if (m_mainWindow && !m_mainWindow->zoomOutAllowed())
        return;
    // The flag is shared by all tabs, so this font may already be at its
    // smallest; count only steps that really changed it, or Reset would
    // overshoot.
    const qreal before = font().pointSizeF();
    if (before > 1) {
        zoomOut(1);
        if (font().pointSizeF() != before)
            --m_zoomSteps;
    }
    if (m_mainWindow && font().pointSizeF() <= 1)
        m_mainWindow->setZoomOutAllowed(false);
}

void VocalyneDocumentEdit::zoomDocReset()
{
    if (m_zoomSteps > 0)
        zoomOut(m_zoomSteps);
    else if (m_zoomSteps < 0)
        zoomIn(-m_zoomSteps);
    m_zoomSteps = 0;
    if (m_mainWindow)
        m_mainWindow->setZoomOutAllowed(true);
}
