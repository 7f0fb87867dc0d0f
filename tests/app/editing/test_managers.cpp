// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The bookmark and section manager docks, driven through the main window's
// commands.
#include "authoringfixture.h"

#include <QMenu>

namespace {

QStringList bookmarkedWords(VocalyneDocumentEdit *edit)
{
    QStringList words;
    const QString text = edit->toPlainText();
    for (const QVT2SBookmark &bookmark : edit->bookmarks())
        words.append(text.mid(bookmark.fromChar, bookmark.toChar - bookmark.fromChar));
    return words;
}

} // namespace

class ManagerTest : public AuthoringTest
{
protected:
    void SetUp() override
    {
        AuthoringTest::SetUp();
        typeText(edit(), QStringLiteral("alpha bravo charlie delta echo foxtrot"));
    }

    void bookmarkWords(const QStringList &words)
    {
        for (const QString &word : words) {
            const int at = int(edit()->toPlainText().indexOf(word));
            select(at, at + int(word.size()));
            action("actionBookmark_Selection")->trigger();
        }
    }

    QMenu *menu(const char *name) const { return window->findChild<QMenu *>(QLatin1String(name)); }
};

TEST_F(ManagerTest, DeletingRowsOneAndThreeOfFiveBookmarksRemovesTheSecondAndFourth)
{
    bookmarkWords({QStringLiteral("alpha"), QStringLiteral("bravo"), QStringLiteral("charlie"),
                   QStringLiteral("delta"), QStringLiteral("echo")});
    ASSERT_EQ(bookmarkTable()->rowCount(), 5);
    edit()->setModifiedState(false);

    selectRows(bookmarkTable(), {1, 3});
    messages.answers = {QMessageBox::No};
    action("actionDelete_Bookmark_s")->trigger();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages.first().kind, MessageRecorder::Kind::Question);
    EXPECT_EQ(messages.messages.first().title, QStringLiteral("Warning"));
    EXPECT_EQ(messages.messages.first().text,
              QStringLiteral("Are you sure you want to delete the selected item(s)?\nThis action "
                             "cannot be undone!"));
    EXPECT_EQ(edit()->bookmarks().size(), 5) << "No keeps everything";
    EXPECT_FALSE(edit()->document()->isModified());

    messages.answers = {QMessageBox::Yes};
    action("actionDelete_Bookmark_s")->trigger();
    EXPECT_EQ(
        bookmarkedWords(edit()),
        QStringList({QStringLiteral("alpha"), QStringLiteral("charlie"), QStringLiteral("echo")}));
    ASSERT_EQ(bookmarkTable()->rowCount(), 3);
    EXPECT_EQ(bookmarkTable()->item(1, 0)->text(),
              QString::number(edit()->toPlainText().indexOf(QLatin1String("charlie"))));
    EXPECT_TRUE(edit()->document()->isModified());
    EXPECT_TRUE(tabTitle(0).endsWith(QLatin1Char('*')));
    // The highlights went with them: three bookmark highlights are left.
    EXPECT_EQ(edit()->entityHighlights().size(), 3);

    // No row selected: no question, no change.
    messages.messages.clear();
    bookmarkTable()->clearSelection();
    action("actionDelete_Bookmark_s")->trigger();
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(edit()->bookmarks().size(), 3);
}

TEST_F(ManagerTest, BookmarkStatesFollowTheCommandsAndTheStatusDoubleClick)
{
    bookmarkWords({QStringLiteral("alpha"), QStringLiteral("charlie"), QStringLiteral("echo")});
    selectRows(bookmarkTable(), {0, 2});
    action("actionDisable_Bookmark_s")->trigger();
    EXPECT_FALSE(edit()->bookmarks().at(0).enabled);
    EXPECT_TRUE(edit()->bookmarks().at(1).enabled);
    EXPECT_FALSE(edit()->bookmarks().at(2).enabled);
    EXPECT_EQ(bookmarkTable()->item(0, 2)->text(), QStringLiteral("disabled"));
    // Disabled bookmarks are not read; the enabled one is all that is.
    ASSERT_TRUE(speakDocument());
    EXPECT_EQ(edit()->speechText().text.trimmed(), QStringLiteral("charlie"));

    window->bookmarkManagerCellDoubleClicked(1, 2);
    EXPECT_FALSE(edit()->bookmarks().at(1).enabled);
    window->bookmarkManagerCellDoubleClicked(1, 0); // not the Status column
    EXPECT_FALSE(edit()->bookmarks().at(1).enabled);
    selectRows(bookmarkTable(), {0, 1, 2});
    action("actionEnable_Bookmark_s")->trigger();
    for (const QVT2SBookmark &bookmark : edit()->bookmarks())
        EXPECT_TRUE(bookmark.enabled);
    EXPECT_EQ(bookmarkTable()->item(1, 2)->text(), QStringLiteral("enabled"));
}

TEST_F(ManagerTest, SentencePausesFollowTheirSectionThroughDisableEnableAndDelete)
{
    typeText(edit(), QStringLiteral("Outside first. Inside one. Inside two. Inside three. Out."));
    const QString text = edit()->toPlainText();
    const int from = int(text.indexOf(QLatin1String("Inside one")));
    const int to = int(text.indexOf(QLatin1String("Out.")));
    ASSERT_TRUE(makeSection(from, to, QString(), 300));
    // A pause of the user's after "first." stays whatever the section does.
    const int outside = int(text.indexOf(QLatin1String("first.")) + 6);
    edit()->addElement(quint32(outside), QStringLiteral("pause"), QStringLiteral("300"));
    ASSERT_EQ(edit()->elements().size(), 4);
    // What was authored survives saving and reopening, and is managed from
    // the docks afterwards.
    const QString path = dir.filePath(QStringLiteral("authored.t2s"));
    dialogs.saveAnswers = {path};
    window->saveCurrentDocumentAs();
    window->closeCurrentDocument();
    window->openDocumentFile(path);
    ASSERT_EQ(edit()->toPlainText(), text);
    ASSERT_EQ(edit()->sections().size(), 1);
    ASSERT_EQ(sectionTable()->rowCount(), 1);
    ASSERT_EQ(edit()->elements().size(), 4);
    auto enabledPauses = [&]() {
        int count = 0;
        for (const QVT2SElement &element : edit()->elements())
            count += element.enabled ? 1 : 0;
        return count;
    };

    selectRows(sectionTable(), {0});
    action("actionDisable_Section_s")->trigger();
    EXPECT_FALSE(edit()->sections().first().enabled);
    EXPECT_EQ(enabledPauses(), 1);
    EXPECT_TRUE(edit()->elements().first().enabled);
    EXPECT_EQ(sectionTable()->item(0, 7)->text(), QStringLiteral("disabled"));
    ASSERT_TRUE(speakDocument());
    EXPECT_EQ(edit()->speechText().text.count(QLatin1String("300")), 1)
        << "only the user's own pause is read";
    EXPECT_FALSE(edit()->speechText().text.contains(QLatin1String("<voice")));

    window->sectionManagerCellDoubleClicked(0, 7); // Status: toggles back on
    EXPECT_TRUE(edit()->sections().first().enabled);
    EXPECT_EQ(enabledPauses(), 4);
    {
        // Any other cell opens the editor on the section.
        WhenDialogOpens<VocalyneSpeechSectionEditor> when([](VocalyneSpeechSectionEditor *) {});
        window->sectionManagerCellDoubleClicked(0, 2);
        EXPECT_TRUE(when.opened());
    }

    messages.answers = {QMessageBox::Yes};
    selectRows(sectionTable(), {0});
    action("actionDelete_Section_s")->trigger();
    EXPECT_TRUE(edit()->sections().isEmpty());
    EXPECT_EQ(sectionTable()->rowCount(), 0);
    ASSERT_EQ(edit()->elements().size(), 1);
    EXPECT_EQ(edit()->elements().first().afterChar, quint32(outside));
}

TEST_F(ManagerTest, ContextMenusOpenOnlyOverRows)
{
    window->showBookmarkManagerContextMenu(QPoint(5, 5));
    window->showSectionManagerContextMenu(QPoint(5, 5));
    EXPECT_FALSE(menu("bookmarkManagerMenu")->isVisible());
    EXPECT_FALSE(menu("sectionManagerMenu")->isVisible());

    bookmarkWords({QStringLiteral("bravo")});
    window->showBookmarkManagerContextMenu(QPoint(5, 5));
    EXPECT_TRUE(menu("bookmarkManagerMenu")->isVisible());
    menu("bookmarkManagerMenu")->hide();
}

TEST_F(ManagerTest, RowsJumpToTheTextOnlyWhileTheTableHasTheFocus)
{
    bookmarkWords({QStringLiteral("bravo"), QStringLiteral("delta")});
    // The editor's own cursor selects the covering row without moving the
    // focus or the cursor.
    edit()->setFocus();
    select(2, 2);
    const int inDelta = int(edit()->toPlainText().indexOf(QLatin1String("delta"))) + 2;
    select(inDelta, inDelta);
    EXPECT_EQ(bookmarkTable()->currentRow(), 1);
    EXPECT_EQ(edit()->textCursor().position(), inDelta);
    EXPECT_FALSE(edit()->textCursor().hasSelection());

    bookmarkTable()->setFocus();
    ASSERT_TRUE(waitFor([&]() { return bookmarkTable()->hasFocus(); }, 2000));
    bookmarkTable()->setCurrentCell(0, 1);
    EXPECT_EQ(edit()->textCursor().selectedText(), QStringLiteral("bravo"));
    EXPECT_TRUE(waitFor([&]() { return edit()->hasFocus(); }, 2000));
}
