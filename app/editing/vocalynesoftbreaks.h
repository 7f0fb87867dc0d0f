// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFormat>

class QKeyEvent;
class QTextEdit;

/// Keeps long paragraphs of an editor's text document cut into short visual
/// pieces, so that a keystroke costs the same in a paragraph of a million
/// characters as in a short one: the text widget lays out and shapes a whole
/// paragraph (text block) after every change, however little of it changed.
///
/// A piece ends at a "soft break": a space of the text that the document
/// holds as a paragraph separator (U+2029) carrying SoftBreakProperty in its
/// character format. The separator takes the space's place, so the text has
/// the same length and every position (entities, find results, the spoken
/// word) stays what it is. Whoever reads the text must see a space there:
/// plainText() and text() do, QTextDocument::toPlainText() does not.
///
/// Attached to a document, the object watches every change. A piece that
/// grew past MaxPiece characters (typing, pasting, loading a text) is cut at
/// spaces, preferably after a sentence end, into pieces of about TargetPiece
/// characters; the cut joins the edit that caused it, so one undo takes back
/// both. A soft break left next to an empty piece becomes a space again.
/// Deleting a soft break is deleting a space; a paragraph separator the user
/// types is a real one. Undo and redo bring soft breaks back with their mark.
class VocalyneSoftBreaks : public QObject
{
public:
    /// The character-format property that marks a separator as a soft break.
    static constexpr int SoftBreakProperty = QTextFormat::UserProperty + 0x2029;
    /// Pieces longer than this are cut.
    static constexpr int MaxPiece = 5000;
    /// The length cut pieces aim at.
    static constexpr int TargetPiece = 2000;

    /// Watches document (not owned) from now on.
    VocalyneSoftBreaks(QTextDocument *document, QObject *parent);

    /// Where to cut a paragraph text longer than maxPiece into pieces of
    /// about targetPiece characters: ascending indexes of spaces in text,
    /// each the last of its run of spaces, preferably after a sentence end.
    /// Empty when text is not longer than maxPiece or has no usable space.
    static QList<int> breakPoints(const QString &text, int maxPiece = MaxPiece,
                                  int targetPiece = TargetPiece);

    /// Whether the character at position is a soft break.
    static bool isSoftBreak(const QTextDocument *document, int position);
    /// Whether [from, to) holds a soft break.
    static bool containsSoftBreak(const QTextDocument *document, int from, int to);
    /// The number of soft breaks in document (walks every paragraph).
    static int softBreakCount(const QTextDocument *document);
    /// The document's text as QTextDocument::toPlainText() gives it, with a
    /// space for every soft break.
    static QString plainText(const QTextDocument *document);
    /// The text of [from, to) the same way.
    static QString text(const QTextDocument *document, int from, int to);
    /// The text that cursor selects the same way.
    static QString selectedText(const QTextCursor &cursor);
    /// The position of the first blank (a space or a soft break) at or
    /// after from; -1 when there is none.
    static int nextBlank(const QTextDocument *document, int from);

    /// A paragraph as the user wrote it: its pieces joined by soft breaks.
    struct Paragraph
    {
        int start = 0; ///< position of its first character
        int end = 0;   ///< position of its paragraph separator (or the text's end)
    };
    /// The paragraph that holds position (clamped to the text).
    static Paragraph paragraphAt(const QTextDocument *document, int position);

    /// QTextDocument::find() of a plain string, with the same rules (no
    /// match across a paragraph end, a no-break space matches a blank, the
    /// flags), but on the paragraphs as the user wrote them: a match may run
    /// across a soft break, which matches a blank.
    static QTextCursor find(const QTextDocument *document, const QString &text, int from,
                            QTextDocument::FindFlags options = {});
    /// The same from cursor's selection (its end, or its start searching
    /// backward), as QTextDocument::find() takes a cursor.
    static QTextCursor find(const QTextDocument *document, const QString &text,
                            const QTextCursor &cursor, QTextDocument::FindFlags options = {});

    /// Whether inserting added characters at cursor may make its piece too
    /// long. A single typed character is not an edit block, and a cut can
    /// join only an edit block: the caller wraps such an insertion in one.
    static bool mayOutgrow(const QTextCursor &cursor, int added);
    /// Whether the key pressed at cursor may be followed by a cut or by a
    /// soft break turned back into a blank: a typed text that may make its
    /// piece too long (see mayOutgrow), or a Backspace or Delete that joins
    /// two paragraphs or empties one. Those must join the key's own edit, and
    /// a single typed or deleted character is not an edit block.
    static bool keyNeedsEditBlock(const QTextCursor &cursor, const QKeyEvent *event);

    /// QTextEdit::setPlainText() with the long paragraphs of text cut into
    /// pieces before the widget sees them, so that it never lays out a long
    /// paragraph whole; the same cut the watching object would make after.
    static void setPlainText(QTextEdit *edit, const QString &text);

private:
    void noteChange(int from, int charsRemoved, int charsAdded);
    void afterChange();
    /// Cuts and mends the pieces of [from, to]; false when nothing was due.
    bool rework(int from, int to);

    QTextDocument *m_document = nullptr;
    // The range changed since the last look, in current positions (-1: none).
    int m_changedFrom = -1;
    int m_changedTo = -1;
    // Set while this object edits the document itself.
    bool m_working = false;
};
