// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "shellfixture.h"
#include "vocalynerecentdocaction.h"
#include "vocalynerecentfiles.h"
#include "vocalynewindowlistaction.h"

#include <QMenu>
#include <QTextBlock>

namespace {

void storeRecent(int numOfItems, int count)
{
    QSettings settings;
    settings.remove(QStringLiteral("RecentFiles"));
    settings.setValue(QStringLiteral("RecentFiles/numOfItems"), numOfItems);
    for (int i = 0; i < count; ++i)
        settings.setValue(QStringLiteral("RecentFiles/%1/path").arg(i),
                          QStringLiteral("/docs/file%1.t2s").arg(i));
}

} // namespace

TEST_F(ShellTest, RecentListKeepsItsLengthAndListsGroupsInTextOrder)
{
    storeRecent(3, 6);
    const QString path = writeFile(QStringLiteral("fresh.txt"), "x");
    window->openDocumentFile(path);
    QSettings settings;
    EXPECT_EQ(VocalyneRecentFiles::paths(settings),
              (QStringList{path, QStringLiteral("/docs/file0.t2s"),
                           QStringLiteral("/docs/file1.t2s")}));

    storeRecent(20, 12);
    auto *recent = window->findChild<QMenu *>(QStringLiteral("menuRecent"));
    ASSERT_NE(recent, nullptr);
    window->listRecent();
    QStringList order;
    for (QAction *action : recent->actions()) {
        auto *entry = qobject_cast<VocalyneRecentDocAction *>(action);
        ASSERT_NE(entry, nullptr);
        order.append(entry->text());
        EXPECT_EQ(entry->statusTip(), entry->path());
    }
    QStringList expected;
    for (int i : {0, 1, 10, 11, 2, 3, 4, 5, 6, 7, 8, 9})
        expected.append(QStringLiteral("file%1.t2s").arg(i));
    EXPECT_EQ(order, expected);

    // With recent items switched off the list no longer changes.
    storeRecent(0, 2);
    window->openDocumentFile(path);
    EXPECT_EQ(VocalyneRecentFiles::paths(settings).size(), 2);
    EXPECT_FALSE(VocalyneRecentFiles::paths(settings).contains(path));

    settings.remove(QStringLiteral("RecentFiles"));
    window->listRecent();
    ASSERT_EQ(recent->actions().size(), 1);
    EXPECT_EQ(recent->actions()[0]->objectName(), QStringLiteral("action_Empty"));
}

TEST_F(ShellTest, WindowListNamesEveryTabAndActivatesTheChosenOne)
{
    const QString a = writeFile(QStringLiteral("alpha.t2s"), t2sBytes(QStringLiteral("A")));
    window->openDocumentFile(a);
    window->newDocument();
    auto *menu = window->findChild<QMenu *>(QStringLiteral("menu_Window"));
    window->listWindows();
    const QList<QAction *> entries = menu->actions();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0]->text(), QStringLiteral("Untitled"));
    EXPECT_EQ(entries[1]->text(), QStringLiteral("alpha.t2s"));
    EXPECT_TRUE(entries[2]->isChecked());
    EXPECT_FALSE(entries[1]->isChecked());
    window->activateTabByWindowAction(entries[1]);
    EXPECT_EQ(tabs()->currentIndex(), 1);
}

TEST_F(ShellTest, GoToLineCountsLinesFromOneAndStopsAtTheLastLine)
{
    window->resize(800, 600);
    VocalyneDocumentEdit *edit = window->currentDocumentEdit();
    edit->setPlainText(QStringLiteral("first\nsecond\nthird"));
    edit->moveCursor(QTextCursor::End);

    dialogs.integerAnswers = {1};
    window->docEditGoToLine();
    EXPECT_EQ(dialogs.asked, QStringList{QStringLiteral("Go to Line")});
    EXPECT_EQ(edit->textCursor().position(), 0);

    dialogs.integerAnswers = {2};
    window->docEditGoToLine();
    EXPECT_EQ(edit->textCursor().block().text(), QStringLiteral("second"));

    dialogs.integerAnswers = {500};
    window->docEditGoToLine();
    EXPECT_EQ(edit->textCursor().block().text(), QStringLiteral("third"));

    // Cancel leaves the cursor where it is.
    edit->moveCursor(QTextCursor::Start);
    window->docEditGoToLine();
    EXPECT_EQ(edit->textCursor().position(), 0);
}

TEST_F(ShellTest, ZoomStopsAfterTheStepLimitAndAtOnePoint)
{
    VocalyneDocumentEdit *edit = window->currentDocumentEdit();
    for (int i = 0; i < 110; ++i)
        window->zoomDocIn();
    EXPECT_EQ(edit->zoomSteps(), 101);

    window->zoomDocReset();
    EXPECT_EQ(edit->zoomSteps(), 0);
    EXPECT_TRUE(window->zoomOutAllowed());

    for (int i = 0; i < 200 && window->zoomOutAllowed(); ++i)
        window->zoomDocOut();
    EXPECT_FALSE(window->zoomOutAllowed());
    const int steps = edit->zoomSteps();
    window->zoomDocOut();
    EXPECT_EQ(edit->zoomSteps(), steps);
    EXPECT_LE(edit->font().pointSize(), 1);
}
