// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvt2sdocument.h"
#include "qvt2sdocumentowner.h"
#include "speechtext.h"
#include "vocalynemanagertables.h"
#include "vocalynepositiontracker.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

#include <functional>

class QAction;
class QPainter;
class QMenu;
class QTableWidget;
class QTimer;
class VocalyneMainWindowInterface;
class VocalyneSoftBreaks;

/// The editor of one document tab and, at the same time, that tab's speech
/// document. It marks every entity in the text (highlights: all bookmarks,
/// then all sections, then all elements), keeps entity positions
/// in step with edits, mirrors bookmarks and sections into the main window's
/// manager tables while it is the current editor, and tracks the modified
/// state in its tab title.
///
/// The entity lists are the source of truth for positions: every change of
/// the text moves the entities behind it at once, as plain numbers (see
/// VocalynePositionTracker), never through a text cursor per entity, whose
/// number the document would make every later edit pay for. The editor
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
    /// The same as documentText(): the text with a space for every soft
    /// break of a long paragraph (see VocalyneSoftBreaks), as saved, spoken,
    /// exported and checked. It hides QTextEdit::toPlainText(), which would
    /// give those as line ends.
    QString toPlainText() const { return documentText(); }
    /// QTextEdit::find() of a plain string on the paragraphs as written: a
    /// match may run across a soft break (see VocalyneSoftBreaks::find). A
    /// match is selected; false when there is none.
    using QTextEdit::find;
    bool find(const QString &text, QTextDocument::FindFlags options = QTextDocument::FindFlags());
    /// QTextEdit::setPlainText() with the long paragraphs already cut into
    /// pieces, so that the widget never lays one out whole (see
    /// VocalyneSoftBreaks::setPlainText).
    void setPlainText(const QString &text);
    int findNextBlankFromCursor() override;
    /// setModifiedState(true) followed by refreshHighlights().
    void markModifiedAndRefresh() override;

    /// Takes the three lists as they are (after they were changed directly)
    /// for the highlights and, when this is the current editor, refills both
    /// manager tables. Positions beyond the text are put at its end by the
    /// next change of the text.
    void refreshHighlights();
    /// The next change of the text moves no entity: the caller moves them
    /// itself, knowing where each position goes (a replacement of many
    /// matches, or its undo and redo). After that change the editor takes
    /// the lists as refreshHighlights() does.
    void keepPositionsThroughNextChange() { m_keepPositions = true; }

    /// The editor whose text document is document (null for any other).
    static VocalyneDocumentEdit *editorOf(const QTextDocument *document);

    /// Sets the text document's modified flag and the "*" at the end of the
    /// tab title; a non-empty title replaces the tab text first. Index -1 is
    /// the tab that holds this editor (no title is touched while the editor
    /// is in no tab, so another document's title never gets the mark).
    void setModifiedState(bool modified, const QString &title = QString(), int index = -1);

    /// One entity's highlight: its span as stored (from may exceed to in a
    /// damaged file; an element spans its one character) and its format.
    struct EntityHighlight
    {
        int from = 0;
        int to = 0;
        QTextCharFormat format;
    };
    /// Every entity's highlight: all bookmarks, then all sections, then all
    /// elements, in list order (empty while the lists were changed without
    /// a refreshHighlights() yet). The editor paints them itself
    /// (backgrounds under the text, wavy underlines over it);
    /// extraSelections() holds only the spoken word.
    QList<EntityHighlight> entityHighlights() const;
    /// The highlights of the entities on screen, as last painted.
    QList<EntityHighlight> shownHighlights() const;

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
    /// Copy, cut and drag: a soft break of a long paragraph is a space.
    QMimeData *createMimeDataFromSelection() const override;

private:
    void noteContentsChange(int from, int charsRemoved, int charsAdded);
    /// Tables and shown highlights after entities moved or went.
    void finishEntityChanges();
    /// Whether the lists are those the highlights were made for.
    bool highlightsCurrent() const;
    /// The span and format of highlight index (bookmarks, sections, elements).
    bool highlightAt(int index, int &start, int &end, const QTextCharFormat *&format) const;
    void repaintMovedRows();
    void onModificationChanged(bool modified);
    void markTabTitle(int tab, bool modified);
    void applyFontFromSettings();
    void createActions();
    void createContextMenu();
    void connectSignals();
    bool isCurrentEditor() const;
    int ownTabIndex() const;
    void valueChanged();
    void tellClipboardWatchIfSelection();
    /// Hands the widget the highlights of the entities in the visible text.
    /// Without positionsMoved nothing is done while the visible text range
    /// is the same as last time.
    void showVisibleHighlights(bool positionsMoved);
    /// The text positions of the lines on screen and, with runs, the
    /// stretches of laid-out paragraphs among them (the widget lays a long
    /// text out lazily: paragraphs not laid out yet show nothing).
    void visibleTextRange(int &first, int &last, QList<std::pair<int, int>> *runs = nullptr);
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
    // Cuts long paragraphs into short visual pieces (see VocalyneSoftBreaks).
    VocalyneSoftBreaks *m_softBreaks = nullptr;

    // Follows the text so each change moves only what it really touched.
    VocalynePositionTracker m_tracker;
    // The last edits with the entity ends they pulled in, so that undoing
    // them puts those ends back exactly (a typed-over or deleted stretch
    // coming back may belong inside an entity or outside it).
    QList<VocalynePositionTracker::Step> m_undoJournal;
    // The list sizes the highlights were made for: lists changed directly
    // (file loading, removal by index) are taken as they are, not moved.
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
    QList<int> m_shownHighlights; // indexes: bookmarks, sections, elements
    QList<std::pair<int, int>> m_shownRuns; // see visibleTextRange()
    int m_firstBlockHint = 0;
    int m_lastBlockHint = 0;
    // Positions may lie beyond the text (refreshHighlights()): put them at
    // its end before the next change moves them.
    bool m_clampPending = false;
    // See keepPositionsThroughNextChange().
    bool m_keepPositions = false;
    // The lists are to be taken as they are once the change is laid out.
    bool m_adoptLists = false;
    // Entities gone or moved by changes not yet shown in the tables.
    bool m_bookmarkRowsGone = false;
    bool m_sectionRowsGone = false;
    bool m_elementsGone = false;
    int m_movedBookmarkRows[2] = {-1, -1};
    int m_movedSectionRows[2] = {-1, -1};
    // Set while the constructor loads the default voice, which must not mark
    // a new document modified.
    bool m_constructing = true;
    // Which editor last filled the shared manager tables.
    quint64 m_serial = 0;
    VocalyneManagerTables::SharedPositionSource m_positionSource;
    // Table rows whose numbers moved and wait for one coalesced repaint.
    QTimer *m_tableRepaintTimer = nullptr;
    int m_pendingBookmarkRows[2] = {-1, -1};
    int m_pendingSectionRows[2] = {-1, -1};
};
