// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "editorfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

namespace {

const VoiceComboUserData Voice{3, 1, 1033};

// Every highlight must span the entity with the same index, in the order
// bookmarks, sections, elements.
void expectHighlightsMatchLists(const VocalyneDocumentEdit &edit)
{
    const QList<VocalyneDocumentEdit::EntityHighlight> highlights = edit.entityHighlights();
    const auto &bookmarks = edit.bookmarks();
    const auto &sections = edit.sections();
    const auto &elements = edit.elements();
    ASSERT_EQ(highlights.size(), bookmarks.size() + sections.size() + elements.size());
    int i = 0;
    for (const QVT2SBookmark &bookmark : bookmarks) {
        EXPECT_EQ(highlights.at(i).from, int(bookmark.fromChar)) << "entry " << i;
        EXPECT_EQ(highlights.at(i).to, int(bookmark.toChar)) << "entry " << i;
        EXPECT_EQ(
            highlights.at(i).format.background().color(),
            QColor(bookmark.enabled ? QStringLiteral("yellow") : QStringLiteral("lightgray")));
        ++i;
    }
    for (const QVT2SSection &section : sections) {
        EXPECT_EQ(highlights.at(i).from, int(section.fromChar)) << "entry " << i;
        EXPECT_EQ(highlights.at(i).to, int(section.toChar)) << "entry " << i;
        EXPECT_EQ(highlights.at(i).format.underlineStyle(), QTextCharFormat::WaveUnderline);
        EXPECT_EQ(highlights.at(i).format.underlineColor(),
                  QColor(section.enabled ? QStringLiteral("green") : QStringLiteral("darkgray")));
        ++i;
    }
    for (const QVT2SElement &element : elements) {
        EXPECT_EQ(highlights.at(i).from, int(element.afterChar)) << "entry " << i;
        EXPECT_EQ(highlights.at(i).to, int(element.afterChar) + 1);
        EXPECT_EQ(highlights.at(i).format.background().color(),
                  QColor(element.enabled ? QStringLiteral("#006699") : QStringLiteral("#666666")));
        ++i;
    }
}

} // namespace

using EntityPositions = EditorFixture;

TEST_F(EntityPositions, TypingInsideASectionMovesItsEndAndBeforeItMovesBothEnds)
{
    edit->setPlainText(QStringLiteral("Hello world, this is a test."));
    edit->addSection(6, 11, Voice, QStringLiteral("Anna"), 110, 90, 80, 0);
    ASSERT_EQ(sectionTable->rowCount(), 1);
    EXPECT_EQ(row(sectionTable.get(), 0),
              QStringList({QStringLiteral("6"), QStringLiteral("11"), QStringLiteral("Anna"),
                           QStringLiteral("110"), QStringLiteral("90"), QStringLiteral("80"),
                           QStringLiteral("0"), QStringLiteral("enabled")}));

    insertAt(8, QStringLiteral("XY"));
    EXPECT_EQ(edit->sections().at(0).fromChar, 6u);
    EXPECT_EQ(edit->sections().at(0).toChar, 13u);
    EXPECT_EQ(row(sectionTable.get(), 0).mid(0, 2),
              QStringList({QStringLiteral("6"), QStringLiteral("13")}));

    insertAt(0, QStringLiteral("A"));
    EXPECT_EQ(edit->sections().at(0).fromChar, 7u);
    EXPECT_EQ(edit->sections().at(0).toChar, 14u);
    EXPECT_EQ(row(sectionTable.get(), 0).mid(0, 2),
              QStringList({QStringLiteral("7"), QStringLiteral("14")}));
    EXPECT_EQ(sectionTable->rowCount(), 1);
    expectHighlightsMatchLists(*edit);
}

TEST_F(EntityPositions, DeletingABookmarksTextRemovesOnlyItAndTheOthersStayInStep)
{
    edit->setPlainText(QStringLiteral("alpha beta gamma delta"));
    edit->addBookmark(0, 5);   // alpha
    edit->addBookmark(6, 10);  // beta
    edit->addBookmark(11, 16); // gamma
    edit->addElement(17, QStringLiteral("pause"), QStringLiteral("300"));
    ASSERT_EQ(bookmarkTable->rowCount(), 3);

    removeRange(6, 10);
    ASSERT_EQ(edit->bookmarks().size(), 2);
    EXPECT_EQ(edit->bookmarks().at(1).fromChar, 7u);
    ASSERT_EQ(bookmarkTable->rowCount(), 2);
    EXPECT_EQ(row(bookmarkTable.get(), 0),
              QStringList({QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("enabled")}));
    EXPECT_EQ(row(bookmarkTable.get(), 1),
              QStringList({QStringLiteral("7"), QStringLiteral("12"), QStringLiteral("enabled")}));
    expectHighlightsMatchLists(*edit);

    // Later edits must still move the right highlights and rows.
    insertAt(0, QStringLiteral(">>"));
    insertAt(10, QStringLiteral("!"));
    EXPECT_EQ(row(bookmarkTable.get(), 0).mid(0, 2),
              QStringList({QStringLiteral("2"), QStringLiteral("7")}));
    EXPECT_EQ(row(bookmarkTable.get(), 1).mid(0, 2),
              QStringList({QStringLiteral("9"), QStringLiteral("15")}));
    ASSERT_EQ(edit->elements().size(), 1);
    EXPECT_EQ(edit->elements().at(0).afterChar, 16u);
    expectHighlightsMatchLists(*edit);
}

TEST_F(EntityPositions, DeletingTheCharacterAfterAnElementRemovesIt)
{
    edit->setPlainText(QStringLiteral("one two three"));
    edit->addElement(3, QStringLiteral("pause"), QStringLiteral("200"));
    edit->addElement(7, QStringLiteral("pause"), QStringLiteral("500"));

    removeRange(0, 2); // text before moves both
    ASSERT_EQ(edit->elements().size(), 2);
    EXPECT_EQ(edit->elements().at(0).afterChar, 1u);

    removeRange(1, 2); // the blank the first element stood before
    ASSERT_EQ(edit->elements().size(), 1);
    EXPECT_EQ(edit->elements().at(0).value, QStringLiteral("500"));
    EXPECT_EQ(edit->elements().at(0).afterChar, 4u);
    expectHighlightsMatchLists(*edit);
}

TEST_F(EntityPositions, ClearAllRemovesEveryEntityAndEmptiesTheTables)
{
    edit->setPlainText(QStringLiteral("Some text. More text. End"));
    edit->addBookmark(0, 4);
    edit->addSection(5, 20, Voice, QStringLiteral("Anna"), 100, 100, 100, 300);
    ASSERT_FALSE(edit->elements().isEmpty()); // the sentence pause
    edit->clearAll();
    EXPECT_TRUE(edit->toPlainText().isEmpty());
    EXPECT_TRUE(edit->bookmarks().isEmpty());
    EXPECT_TRUE(edit->sections().isEmpty());
    EXPECT_TRUE(edit->elements().isEmpty());
    EXPECT_EQ(bookmarkTable->rowCount(), 0);
    EXPECT_EQ(sectionTable->rowCount(), 0);
    EXPECT_TRUE(edit->entityHighlights().isEmpty());
    EXPECT_TRUE(edit->shownHighlights().isEmpty());
}

TEST_F(EntityPositions, UndoingTypedTextThatHoldsABookmarkRemovesIt)
{
    QTest::keyClicks(edit.get(), QStringLiteral("hello"));
    edit->addBookmark(0, 5); // rebuilds the highlights between two edits
    QTest::keyClicks(edit.get(), QStringLiteral(" world"));
    ASSERT_EQ(edit->bookmarks().size(), 1);
    while (edit->document()->isUndoAvailable())
        edit->undo();
    EXPECT_TRUE(edit->toPlainText().isEmpty());
    EXPECT_TRUE(edit->bookmarks().isEmpty());
    EXPECT_EQ(bookmarkTable->rowCount(), 0);
}

TEST_F(EntityPositions, RecordsRemovedByIndexAreNotConfusedWithStaleHighlights)
{
    edit->setPlainText(QStringLiteral("aaaa bbbb cccc dddd"));
    edit->addBookmark(0, 4);
    edit->addBookmark(5, 9);
    edit->addBookmark(10, 14);
    // A manager removes a record without refreshing (yet); the next edit
    // must not shift the remaining bookmarks onto their neighbours' spans.
    ASSERT_TRUE(edit->removeBookmark(0));
    insertAt(19, QStringLiteral("!"));
    ASSERT_EQ(edit->bookmarks().size(), 2);
    EXPECT_EQ(edit->bookmarks().at(0).fromChar, 5u);
    EXPECT_EQ(edit->bookmarks().at(1).fromChar, 10u);
    EXPECT_EQ(bookmarkTable->rowCount(), 2);
    expectHighlightsMatchLists(*edit);
}

TEST_F(EntityPositions, DisabledEntitiesKeepTheirColoursAndStatus)
{
    edit->setPlainText(QStringLiteral("first second third"));
    edit->addBookmark(0, 5);
    edit->addSection(6, 12, Voice, QStringLiteral("Anna"), 100, 100, 100, 0);
    ASSERT_TRUE(edit->setBookmarkEnabled(0, false));
    ASSERT_TRUE(edit->setSectionEnabled(0, false));
    edit->markModifiedAndRefresh();
    EXPECT_EQ(row(bookmarkTable.get(), 0).at(2), QStringLiteral("disabled"));
    EXPECT_EQ(row(sectionTable.get(), 0).at(7), QStringLiteral("disabled"));
    expectHighlightsMatchLists(*edit);
}

TEST_F(EntityPositions, CursorMovesSelectTheCoveringRows)
{
    edit->setPlainText(QStringLiteral("aaaa bbbb cccc dddd"));
    edit->addBookmark(0, 4);
    edit->addBookmark(10, 14);
    edit->addSection(5, 9, Voice, QStringLiteral("Anna"), 100, 100, 100, 0);
    edit->addSection(15, 19, Voice, QStringLiteral("Anna"), 100, 100, 100, 0);

    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(12);
    edit->setTextCursor(cursor);
    EXPECT_EQ(bookmarkTable->currentRow(), 1);
    cursor.setPosition(17);
    edit->setTextCursor(cursor);
    EXPECT_EQ(sectionTable->currentRow(), 1);
    EXPECT_EQ(bookmarkTable->currentRow(), 1); // nothing covers 17: left alone
}

TEST_F(EntityPositions, OnlyTheCurrentEditorWritesTheSharedTables)
{
    edit->setPlainText(QStringLiteral("current document text"));
    edit->addBookmark(0, 7);

    auto other = makeEditor();
    mainWindow.addTab(other.get(), QStringLiteral("other.t2s"));
    mainWindow.current = 0; // the first editor stays current
    other->setPlainText(QStringLiteral("background text with bookmarks"));
    other->addBookmark(0, 10);
    other->addBookmark(11, 15);
    QTextCursor cursor(other->document());
    cursor.insertText(QStringLiteral("typed "));

    ASSERT_EQ(bookmarkTable->rowCount(), 1);
    EXPECT_EQ(row(bookmarkTable.get(), 0).mid(0, 2),
              QStringList({QStringLiteral("0"), QStringLiteral("7")}));
    EXPECT_EQ(tabTitle(mainWindow, 0), QStringLiteral("Untitled*"));
    EXPECT_EQ(tabTitle(mainWindow, 1), QStringLiteral("other.t2s*"));

    // Made current, it takes the tables over on its next refresh.
    mainWindow.current = 1;
    other->refreshHighlights();
    ASSERT_EQ(bookmarkTable->rowCount(), 2);
    EXPECT_EQ(row(bookmarkTable.get(), 0).mid(0, 2),
              QStringList({QStringLiteral("6"), QStringLiteral("16")}));
    // Its cells must not read a closed editor's lists.
    other.reset();
    EXPECT_EQ(row(bookmarkTable.get(), 1).mid(0, 2),
              QStringList({QStringLiteral("17"), QStringLiteral("21")}));
}

TEST_F(EntityPositions, EditsAtAnEntityEdgeAndInUnorderedListsMoveTheRightEntities)
{
    edit->setPlainText(QStringLiteral("aaaa bbbb cccc dddd eeee ffff"));
    edit->addBookmark(0, 4);
    edit->addBookmark(10, 14);
    edit->addElement(2, QStringLiteral("pause"), QStringLiteral("100"));
    edit->addElement(20, QStringLiteral("pause"), QStringLiteral("100"));

    // Text typed at a bookmark's end joins it; entities before stay put.
    insertAt(14, QStringLiteral("XY"));
    EXPECT_EQ(edit->bookmarks().at(0).toChar, 4u);
    EXPECT_EQ(edit->bookmarks().at(1).toChar, 16u);
    EXPECT_EQ(edit->elements().at(0).afterChar, 2u);
    EXPECT_EQ(edit->elements().at(1).afterChar, 22u);
    // Text typed at a bookmark's start does not.
    insertAt(10, QStringLiteral("Z"));
    EXPECT_EQ(edit->bookmarks().at(1).fromChar, 11u);

    // A list out of order (as a damaged file can hold it) is still followed.
    ASSERT_TRUE(edit->setBookmarkRange(0, 25, 29));
    edit->markModifiedAndRefresh();
    insertAt(5, QStringLiteral("!"));
    EXPECT_EQ(edit->bookmarks().at(0).fromChar, 26u);
    EXPECT_EQ(edit->bookmarks().at(1).fromChar, 12u);
    EXPECT_EQ(row(bookmarkTable.get(), 0).mid(0, 2),
              QStringList({QStringLiteral("26"), QStringLiteral("30")}));
    expectHighlightsMatchLists(*edit);
}

TEST_F(EntityPositions, OnlyEntitiesOnScreenAreHandedToTheWidget)
{
    QString text;
    for (int line = 0; line < 400; ++line)
        text += QStringLiteral("line %1 of a long document\n").arg(line);
    edit->setPlainText(text);
    const int lastLine = text.lastIndexOf(QStringLiteral("line 399"));
    edit->addBookmark(0, 4);
    edit->addBookmark(lastLine, lastLine + 4);
    edit->addElement(lastLine + 2, QStringLiteral("pause"), QStringLiteral("100"));
    EXPECT_TRUE(edit->shownHighlights().isEmpty()); // hidden: nothing is measured

    edit->resize(300, 200);
    edit->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(edit.get()));
    edit->viewport()->repaint();
    QList<VocalyneDocumentEdit::EntityHighlight> shown = edit->shownHighlights();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown.at(0).from, 0);
    EXPECT_EQ(edit->entityHighlights().size(), 3);

    edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
    edit->viewport()->repaint();
    shown = edit->shownHighlights();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown.at(0).from, lastLine);
    EXPECT_EQ(shown.at(1).from, lastLine + 2);
    // Typing above the view moves them; the widget draws the moved spans.
    insertAt(0, QStringLiteral("typed "));
    edit->viewport()->repaint();
    shown = edit->shownHighlights();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown.at(0).from, lastLine + 6);
}

TEST_F(EntityPositions, InOneLongParagraphOnlyEntitiesOnTheVisibleLinesAreHandedOver)
{
    // A book pasted without line breaks: one paragraph many screens tall.
    QString text;
    for (int i = 0; i < 2000; ++i)
        text += QStringLiteral("word%1 ").arg(i % 10);
    edit->setPlainText(text);
    edit->resize(300, 200);
    edit->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(edit.get()));
    for (int from = 0; from + 3 < text.size(); from += 60)
        edit->addBookmark(from, from + 3);
    const qsizetype bookmarks = edit->bookmarks().size();
    edit->viewport()->repaint();
    const QList<VocalyneDocumentEdit::EntityHighlight> top = edit->shownHighlights();
    ASSERT_FALSE(top.isEmpty());
    EXPECT_LT(top.size(), bookmarks / 10);
    EXPECT_EQ(top.at(0).from, 0);

    // Scrolled to the end, the last ones are shown, and a key typed there
    // keeps the set small.
    edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
    edit->moveCursor(QTextCursor::End);
    QTest::keyClick(edit.get(), Qt::Key_X);
    edit->viewport()->repaint();
    const QList<VocalyneDocumentEdit::EntityHighlight> bottom = edit->shownHighlights();
    ASSERT_FALSE(bottom.isEmpty());
    EXPECT_LT(bottom.size(), bookmarks / 10);
    EXPECT_EQ(bottom.last().from, int(edit->bookmarks().last().fromChar));
}

TEST_F(EntityPositions, HighlightsArePaintedWhereTheirTextIsShown)
{
    edit->setPlainText(QStringLiteral("aaaa bbbb cccc dddd\nnext line"));
    edit->resize(400, 120);
    edit->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(edit.get()));
    edit->addBookmark(5, 9);
    edit->addSection(10, 14, Voice, QStringLiteral("Anna"), 100, 100, 100, 0);
    edit->addElement(2, QStringLiteral("pause"), QStringLiteral("100"));
    ASSERT_TRUE(edit->extraSelections().isEmpty()); // painted by the editor itself

    const QImage image = edit->viewport()->grab().toImage();
    if (qEnvironmentVariableIsSet("VOCALYNE_SAVE_HIGHLIGHT_IMAGE"))
        image.save(QString::fromLocal8Bit(qgetenv("VOCALYNE_SAVE_HIGHLIGHT_IMAGE")));
    // The box of the text from..to on screen.
    auto box = [&](int from, int to) {
        QTextCursor cursor(edit->document());
        cursor.setPosition(from);
        const QRect start = edit->cursorRect(cursor);
        cursor.setPosition(to);
        const QRect end = edit->cursorRect(cursor);
        return QRect(QPoint(start.left() + 1, start.top()), QPoint(end.left() - 1, end.bottom()));
    };
    auto count = [&](const QRect &rect, const std::function<bool(QColor)> &match) {
        int n = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (image.rect().contains(x, y) && match(image.pixelColor(x, y)))
                    ++n;
        return n;
    };
    auto yellow = [](QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() < 80; };
    auto blue = [](QColor c) { return c == QColor(QStringLiteral("#006699")); };
    auto green = [](QColor c) { return c.green() > c.red() + 40 && c.green() > c.blue() + 40; };

    const QRect bookmark = box(5, 9);
    EXPECT_GT(count(bookmark, yellow), bookmark.width() * bookmark.height() / 3);
    EXPECT_EQ(count(box(0, 4), yellow), 0);
    EXPECT_GT(count(box(2, 3), blue), 0);
    EXPECT_EQ(count(box(5, 9), blue), 0);
    // The wave runs under the section's text only.
    const QRect under = box(10, 14).adjusted(0, 0, 0, 4);
    EXPECT_GT(count(under, green), under.width() / 2);
    EXPECT_EQ(count(box(15, 19).adjusted(0, 0, 0, 4), green), 0);
    EXPECT_EQ(count(box(5, 9).adjusted(0, 0, 0, 4), green), 0);
}

TEST_F(EntityPositions, UndoPutsTheEntityEndsAnEditPulledInBackWhereTheyWere)
{
    //                                  0         1         2
    //                                  0123456789012345678901
    edit->setPlainText(QStringLiteral("alpha beta gamma delta"));
    edit->addBookmark(6, 10);                                                   // beta
    edit->addSection(11, 22, Voice, QStringLiteral("Anna"), 100, 100, 100, 0); // gamma delta
    auto expectSpans = [this](quint32 b0, quint32 b1, quint32 s0, quint32 s1, const char *step) {
        ASSERT_EQ(edit->bookmarks().size(), 1) << step;
        ASSERT_EQ(edit->sections().size(), 1) << step;
        EXPECT_EQ(edit->bookmarks().at(0).fromChar, b0) << step;
        EXPECT_EQ(edit->bookmarks().at(0).toChar, b1) << step;
        EXPECT_EQ(edit->sections().at(0).fromChar, s0) << step;
        EXPECT_EQ(edit->sections().at(0).toChar, s1) << step;
        expectHighlightsMatchLists(*edit);
    };
    auto putCaret = [this](int position) {
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(position);
        edit->setTextCursor(cursor);
    };

    // Backspace over a section's first letter: undone, the letter is the
    // section's again (not put in front of it).
    putCaret(12);
    QTest::keyClick(edit.get(), Qt::Key_Backspace);
    expectSpans(6, 10, 11, 21, "backspace");
    edit->undo();
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("alpha beta gamma delta"));
    expectSpans(6, 10, 11, 22, "backspace undone");

    // A deletion across both edges; undo, redo, undo.
    removeRange(8, 13); // "ta ga"
    expectSpans(6, 8, 8, 17, "across");
    edit->undo();
    expectSpans(6, 10, 11, 22, "across undone");
    edit->redo();
    expectSpans(6, 8, 8, 17, "across redone");
    edit->undo();
    expectSpans(6, 10, 11, 22, "across undone again");

    // Backspaces at a bookmark's end, undone in one step.
    putCaret(10);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(edit.get(), Qt::Key_Backspace);
    expectSpans(6, 7, 8, 19, "three backspaces");
    edit->undo();
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("alpha beta gamma delta"));
    expectSpans(6, 10, 11, 22, "three backspaces undone");

    // Typing over a selection that holds all of the bookmark and the
    // section's start: the bookmark is gone for good, the section comes back.
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(5);
    cursor.setPosition(14, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    QTest::keyClicks(edit.get(), QStringLiteral("XY"));
    EXPECT_TRUE(edit->bookmarks().isEmpty());
    ASSERT_EQ(edit->sections().size(), 1);
    EXPECT_EQ(edit->sections().at(0).fromChar, 7u);
    edit->undo();
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("alpha beta gamma delta"));
    EXPECT_TRUE(edit->bookmarks().isEmpty());
    ASSERT_EQ(edit->sections().size(), 1);
    EXPECT_EQ(edit->sections().at(0).fromChar, 11u);
    EXPECT_EQ(edit->sections().at(0).toChar, 22u);
}

TEST_F(EntityPositions, PastingOverAnElementRemovesItAndMovesTheOnesBehind)
{
    edit->setPlainText(QStringLiteral("one two three four"));
    edit->addElement(4, QStringLiteral("pause"), QStringLiteral("100"));  // "t" of two
    edit->addElement(14, QStringLiteral("pause"), QStringLiteral("200")); // "f" of four
    edit->addBookmark(8, 13);                                             // three
    QApplication::clipboard()->setText(QStringLiteral("2\n2"));
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    edit->paste();
    ASSERT_EQ(edit->toPlainText(), QStringLiteral("one 2\n2 three four"));
    ASSERT_EQ(edit->elements().size(), 1);
    EXPECT_EQ(edit->elements().at(0).value, QStringLiteral("200"));
    EXPECT_EQ(edit->elements().at(0).afterChar, 14u);
    EXPECT_EQ(edit->bookmarks().at(0).fromChar, 8u);
    expectHighlightsMatchLists(*edit);
}

// One edit block that changes a word in several places (as a spelling
// "Change All" does) is reported as one wide change; what lies between the
// places must stay on its text, and undo must put everything back.
TEST_F(EntityPositions, AWordChangedInSeveralPlacesInOneStepKeepsTheEntitiesBetween)
{
    const QString before = QStringLiteral("teh cat and teh dog\nsaw teh end of teh day");
    edit->setPlainText(before);
    edit->addBookmark(4, 7);                                                  // cat
    edit->addSection(12, 19, Voice, QStringLiteral("Anna"), 100, 100, 100, 0); // teh dog
    edit->addElement(16, QStringLiteral("pause"), QStringLiteral("100"));     // d of dog
    edit->addBookmark(28, 34);                                                // end of
    QTextCursor cursor(edit->document());
    cursor.beginEditBlock();
    for (int from = int(before.lastIndexOf(QStringLiteral("teh"))); from >= 0;
         from = from > 0 ? int(before.lastIndexOf(QStringLiteral("teh"), from - 1)) : -1) {
        cursor.setPosition(from);
        cursor.setPosition(from + 3, QTextCursor::KeepAnchor);
        cursor.insertText(QStringLiteral("the"));
    }
    cursor.endEditBlock();
    const QString text = edit->toPlainText();
    ASSERT_EQ(text, QStringLiteral("the cat and the dog\nsaw the end of the day"));
    auto covered = [&text](quint32 from, quint32 to) { return text.mid(from, to - from); };
    ASSERT_EQ(edit->bookmarks().size(), 2);
    EXPECT_EQ(covered(edit->bookmarks().at(0).fromChar, edit->bookmarks().at(0).toChar),
              QStringLiteral("cat"));
    EXPECT_EQ(covered(edit->bookmarks().at(1).fromChar, edit->bookmarks().at(1).toChar),
              QStringLiteral("end of"));
    ASSERT_EQ(edit->sections().size(), 1);
    EXPECT_EQ(covered(edit->sections().at(0).fromChar, edit->sections().at(0).toChar),
              QStringLiteral("the dog"));
    ASSERT_EQ(edit->elements().size(), 1);
    EXPECT_EQ(edit->elements().at(0).afterChar, 16u);

    edit->undo();
    EXPECT_EQ(edit->toPlainText(), before);
    EXPECT_EQ(edit->bookmarks().at(1).fromChar, 28u);
    EXPECT_EQ(edit->sections().at(0).fromChar, 12u);
    EXPECT_EQ(edit->sections().at(0).toChar, 19u);
    expectHighlightsMatchLists(*edit);
}
