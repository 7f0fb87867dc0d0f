// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvt2sdocument.h"
#include "qvt2sdocumentowner.h"
#include "speechtext.h"
#include "vocalynemanagertables.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTextCursor>
#include <QTextEdit>

#include <functional>

class QAction;
class QPainter;
class QMenu;
class QTableWidget;
class QTimer;
class VocalyneMainWindowInterface;

/// The editor of one document tab and, at the same time, that tab's speech
/// document. It marks every entity in the text (highlights: all bookmarks,
/// then all sections, then all elements), keeps entity positions
/// in step with edits, mirrors bookmarks and sections into the main window's
/// manager tables while it is the current editor, and tracks the modified
/// state in its tab title.
///
/// Each entity has a highlight whose text cursor follows the edits; those
/// cursors are the source of truth for positions after an edit. The editor
/// paints the highlights of the entities on screen itself rather than
/// handing them to the widget as extra selections: the widget tests every
/// extra selection against every block, and draws every line of a paragraph
/// on screen once per selection, which tens of thousands of entities or one
/// long paragraph would make slow. Code that changes the entity lists
/// directly (file loading, removal or enabling by index) must end with
/// refreshHighlights() or markModifiedAndRefresh(); never call
/// setExtraSelections() on an editor yourself (it holds the spoken word).
class VocalyneDocumentEdit : public QTextEdit, public QVT2SDocument, public QVT2SDocumentOwner
{
    Q_OBJECT

public:
    /// mainWindow and the two tables are not owned and may be null (then the
    /// editor works on its own: no tab title, no tables, no menu entries).
    VocalyneDocumentEdit(QWidget *parent, VocalyneMainWindowInterface *mainWindow,
                         QTableWidget *bookmarkTable, QTableWidget *sectionTable);
    ~VocalyneDocumentEdit() override;

    // Global-voice setters: all but setLangId and setContent mark the
    // document modified when the value really changes.
    void setEngineTypeId(qint16 value) override;
    void setVoiceName(const QString &value) override;
    void setVoiceId(qint32 value) override;
    void setPitch(qint32 value) override;
    void setSpeed(qint32 value) override;
    void setVolume(qint32 value) override;
    void setPause(qint32 value) override;
    void setHighlight(bool value) override;
    void setIsXml(bool value) override;

    // QVT2SDocumentOwner
    void showDocumentMessage(MessageKind kind, const QString &title, const QString &text) override;
    QString documentText() const override;
    int findNextBlankFromCursor() override;
    /// setModifiedState(true) followed by refreshHighlights().
    void markModifiedAndRefresh() override;

    /// Rebuilds every highlight from the three lists and, when this is the
    /// current editor, refills both manager tables.
    void refreshHighlights();
    /// Frees every entity's highlight until the next refreshHighlights()
    /// (which any edit also triggers). Each highlight costs time on every
    /// change of the text, so an operation that changes the text in
    /// thousands of places frees them first, keeps the three lists right
    /// itself and then rebuilds them once.
    void releaseHighlights();
    /// Reads the entity positions back from the highlights. Entities whose
    /// characters were all deleted are removed with their highlights (the
    /// others keep theirs, index for index) and a table that lost rows is
    /// filled again; moved rows are repainted.
    void syncPositions() { syncPositionsFrom(0); }

    /// Sets the text document's modified flag and the "*" at the end of the
    /// tab title; a non-empty title replaces the tab text first. Index -1 is
    /// the tab that holds this editor (no title is touched while the editor
    /// is in no tab, so another document's title never gets the mark).
    void setModifiedState(bool modified, const QString &title = QString(), int index = -1);

    /// Every entity's highlight: all bookmarks, then all sections, then all
    /// elements, in list order. The editor paints them itself (backgrounds
    /// under the text, wavy underlines over it); extraSelections() holds
    /// only the spoken word.
    const QList<QTextEdit::ExtraSelection> &entityHighlights() const { return m_highlights; }
    /// The highlights of the entities on screen, as last painted.
    QList<QTextEdit::ExtraSelection> shownHighlights() const;

    /// The tooltip text for a point in viewport coordinates (empty: none).
    QString toolTipTextAt(const QPoint &viewportPos) const;

    // Zoom, as the main window's Zoom In / Zoom Out / Reset commands.
    void zoomDocIn();
    void zoomDocOut();
    void zoomDocReset();
    int zoomSteps() const { return m_zoomSteps; }

    QString filePath() const { return m_filePath; }
    void setFilePath(const QString &path) { m_filePath = path; }
    /// The last path component of filePath (empty without a path).
    QString fileName() const;
    /// The folder of filePath (empty without a path).
    QString directory() const;
    /// True until the document has been saved or loaded.
    bool isUntitled() const { return m_untitled; }
    void setUntitled(bool untitled) { m_untitled = untitled; }

    // The eight edit actions (owned by the editor), for the Edit menu.
    QAction *undoAction() const { return m_actionUndo; }
    QAction *redoAction() const { return m_actionRedo; }
    QAction *cutAction() const { return m_actionCut; }
    QAction *copyAction() const { return m_actionCopy; }
    QAction *pasteAction() const { return m_actionPaste; }
    QAction *clearSelectionAction() const { return m_actionClearSelection; }
    QAction *clearAllAction() const { return m_actionClearAll; }
    QAction *selectAllAction() const { return m_actionSelectAll; }
    QMenu *contextMenu() const { return m_contextMenu; }

    /// Shows [from, to) as the word being read aloud: drawn over the entity
    /// highlights in the selection colours, but not the selection, so that
    /// typing while the document is read never replaces it and the caret
    /// stays where the user put it. The span follows later edits.
    void showSpokenWord(int from, int to);
    void clearSpokenWord();
    /// The spoken word's span (without a selection when none is shown).
    QTextCursor spokenWord() const;
    /// Scrolls the view, without moving the caret, so the spoken word is
    /// on screen.
    void ensureSpokenWordVisible();

    // What the last Speak handed to the engine, for the word highlight: the
    // engine text with its maps, the pitch in force when speaking started
    // (the engine puts pitch markup in front of the text), and the UTF-8
    // bytes, kept while the engine may still be speaking them.
    SpeechText &speechText() { return m_speechText; }
    const SpeechText &speechText() const { return m_speechText; }
    qint32 speakPitch() const { return m_speakPitch; }
    void setSpeakPitch(qint32 pitch) { m_speakPitch = pitch; }
    QByteArray &speechBytes() { return m_speechBytes; }
    const QByteArray &speechBytes() const { return m_speechBytes; }

public slots:
    void showContextMenu(const QPoint &point);
    void documentWasModified();
    void onCursorPositionChanged();
    void removeSelectedText();
    void clearAll();
    void onCut();
    void onCopy();

signals:
    /// A new span became the spoken word (see showSpokenWord()).
    void spokenWordShown(int from, int to);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void noteContentsChange(int from, int charsRemoved, int charsAdded);
    void repaintMovedRows();
    void onModificationChanged(bool modified);
    void markTabTitle(int tab, bool modified);
    /// syncPositions() for an edit that left every position below from alone.
    void syncPositionsFrom(int from);
    void applyFontFromSettings();
    void createActions();
    void createContextMenu();
    void connectSignals();
    bool isCurrentEditor() const;
    int ownTabIndex() const;
    void valueChanged();
    QTextCursor spanCursor(quint32 from, quint32 to) const;
    void tellClipboardWatchIfSelection();
    /// Hands the widget the highlights of the entities in the visible text.
    /// Without positionsMoved nothing is done while the visible text range
    /// is the same as last time.
    void showVisibleHighlights(bool positionsMoved);
    /// The text positions of the lines on screen.
    void visibleTextRange(int &first, int &last);
    /// Calls paint with the viewport rectangle and baseline of each line
    /// piece of [from, to) that is on screen.
    void forEachLineSegment(int from, int to,
                            const std::function<void(const QRectF &, qreal baseline)> &paint) const;
    /// Paints the on-screen entities' backgrounds, or their wavy underlines.
    void paintEntityHighlights(QPainter &painter, bool underlines) const;
    void showSpokenWordSelection();

    QString m_filePath;
    QAction *m_actionUndo = nullptr;
    QAction *m_actionRedo = nullptr;
    QAction *m_actionCut = nullptr;
    QAction *m_actionCopy = nullptr;
    QAction *m_actionPaste = nullptr;
    QAction *m_actionClearSelection = nullptr;
    QAction *m_actionClearAll = nullptr;
    QAction *m_actionSelectAll = nullptr;
    int m_zoomSteps = 0;
    bool m_untitled = true;
    VocalyneMainWindowInterface *m_mainWindow = nullptr;
    QTableWidget *m_bookmarkTable = nullptr;
    QTableWidget *m_sectionTable = nullptr;
    QMenu *m_contextMenu = nullptr;
    // The spoken word's span; shown while m_spokenWordShown.
    QTextCursor m_cursor;
    bool m_spokenWordShown = false;
    SpeechText m_speechText;
    qint32 m_speakPitch = 100;
    QByteArray m_speechBytes;

    // The highlights as last handed to the widget. Their cursors share state
    // with the widget's copies, so they follow every edit without a copy of
    // the whole list per keystroke.
    QList<QTextEdit::ExtraSelection> m_highlights;
    int m_highlightBookmarks = 0;
    int m_highlightSections = 0;
    int m_highlightElements = 0;
    // Whether the lists, as highlighted, have nondecreasing ends as well as
    // starts, so that entities before an edit can be skipped by binary search.
    // Edits keep this order; a file may break it, which costs a full walk.
    bool m_bookmarksOrdered = false;
    bool m_sectionsOrdered = false;
    bool m_elementsOrdered = false;
    // The visible text range whose highlights the widget has.
    int m_shownFirst = -1;
    int m_shownLast = -1;
    QList<int> m_shownHighlights; // indexes into m_highlights
    int m_firstBlockHint = 0;
    int m_lastBlockHint = 0;
    // The lowest position changed since the last sync (INT_MAX: none known).
    int m_dirtyFrom = 0;
    // Set while the constructor loads the default voice, which must not mark
    // a new document modified.
    bool m_constructing = true;
    // Which editor last filled the shared manager tables (see syncPositions).
    quint64 m_serial = 0;
    VocalyneManagerTables::SharedPositionSource m_positionSource;
    // Table rows whose numbers moved and wait for one coalesced repaint.
    QTimer *m_tableRepaintTimer = nullptr;
    int m_pendingBookmarkRows[2] = {-1, -1};
    int m_pendingSectionRows[2] = {-1, -1};
};
