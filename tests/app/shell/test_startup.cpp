// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "shellfixture.h"
#include "vocalynefirstrundefaults.h"
#include "vocalynesettingskeys.h"
#include "vocalynesplashscreen.h"

#include <QAction>
#include <QComboBox>
#include <QDataStream>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeWidget>

namespace K = VocalyneSettingsKeys;

TEST_F(ShellTest, StartsWithOneUntitledTabAndTheVoicesOfTheEngine)
{
    EXPECT_TRUE(constructionMessages.isEmpty());
    ASSERT_EQ(window->documentCount(), 1);
    EXPECT_EQ(tabTitle(0), QStringLiteral("Untitled"));
    VocalyneDocumentEdit *edit = window->currentDocumentEdit();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->objectName(), QStringLiteral("VocalyneDocumentEdit"));
    EXPECT_EQ(edit->parentWidget()->layout()->objectName(), QStringLiteral("vboxLayout1"));
    EXPECT_TRUE(edit->toPlainText().isEmpty());
    EXPECT_FALSE(edit->document()->isModified());
    EXPECT_EQ(window->statusBar()->currentMessage(), QStringLiteral("Ready"));

    // The real engine lists its voices; the document and the combo agree.
    auto *combo = window->findChild<QComboBox *>(QStringLiteral("voiceComboBox"));
    ASSERT_NE(combo, nullptr);
    ASSERT_GT(combo->count(), 0);
    EXPECT_EQ(combo->currentText(), edit->voiceName());
    EXPECT_TRUE(combo->itemData(0).canConvert<VoiceComboUserData>());

    // First run: all default keys name the first voice; the output format
    // is only written by the preferences.
    QSettings settings;
    EXPECT_TRUE(VocalyneFirstRunDefaults::isComplete(settings));
    EXPECT_EQ(settings.value(K::VoiceName).toString(), combo->itemText(0));
    EXPECT_FALSE(settings.contains(K::VoiceOutputFormat));
}

TEST_F(ShellTest, FrameCarriesItsFixedNamesShortcutsAndDisabledLaterCommands)
{
    const QStringList menus = {QStringLiteral("&File"), QStringLiteral("&Speech"),
                               QStringLiteral("&Edit"), QStringLiteral("&View"),
                               QStringLiteral("&Tools"), QStringLiteral("&Window"),
                               QStringLiteral("&Help")};
    QStringList titles;
    for (QAction *action : window->findChild<QMenuBar *>(QStringLiteral("menuBar"))->actions())
        titles.append(action->text());
    EXPECT_EQ(titles, menus);

    const QList<QPair<const char *, const char *>> shortcuts = {
        {"actionSave_All", "Ctrl+Shift+S"}, {"actionPrint_Preview", "Ctrl+Shift+P"},
        {"actionQuick_Export", "Ctrl+Shift+F7"}, {"actionGo_to", "Ctrl+G"},
        {"actionSpell_Check", "F7"}, {"actionZoom_In", "Ctrl++"}, {"actionExit", "Ctrl+Q"}};
    for (const auto &entry : shortcuts) {
        QAction *action = window->mainWindowAction(QString::fromLatin1(entry.first));
        ASSERT_NE(action, nullptr) << entry.first;
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(entry.second)))
            << entry.first;
    }
    EXPECT_TRUE(window->mainWindowAction(QStringLiteral("actionSpeak"))->isEnabled());
    EXPECT_TRUE(window->mainWindowAction(QStringLiteral("actionPreferences"))->isEnabled());
    EXPECT_TRUE(window->mainWindowAction(QStringLiteral("actionSave"))->isEnabled());

    auto *bookmarks = window->findChild<QTableWidget *>(QStringLiteral("twBookmarkManager"));
    auto *sections = window->findChild<QTableWidget *>(QStringLiteral("twSectionSpProps"));
    ASSERT_NE(bookmarks, nullptr);
    ASSERT_NE(sections, nullptr);
    EXPECT_EQ(bookmarks->columnCount(), 3);
    EXPECT_EQ(sections->columnCount(), 8);
    EXPECT_EQ(sections->horizontalHeaderItem(6)->text(), QStringLiteral("Sent. Pause"));
    ASSERT_NE(window->findChild<QTreeWidget *>(QStringLiteral("treeWidgetHist")), nullptr);
    EXPECT_TRUE(window->findChild<QDockWidget *>(QStringLiteral("dwDocHistory"))->isHidden());
}

TEST_F(ShellTest, ToolbarAppearanceIsRecordedAndRestoredByReset)
{
    QToolBar *doc = window->toolbar(QStringLiteral("docToolbar"));
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->iconSize(), QSize(16, 16));
    EXPECT_EQ(doc->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);

    QByteArray record = window->defaultToolbarAppearance();
    ASSERT_EQ(record.size(), 24);
    QDataStream in(record);
    qint32 size = 0, style = 0;
    in >> size >> style;
    EXPECT_EQ(size, 16);
    EXPECT_EQ(style, 2);
    EXPECT_FALSE(window->defaultGeometry().isEmpty());
    EXPECT_FALSE(window->defaultState().isEmpty());

    window->setdocToolbarLargeIcons();
    window->settoolToolbarStyleTextOnly();
    EXPECT_EQ(doc->iconSize(), QSize(32, 32));
    EXPECT_EQ(window->toolbar(QStringLiteral("toolToolbar"))->toolButtonStyle(),
              Qt::ToolButtonTextOnly);

    // Larger icons come from the larger picture files.
    QAction *newAction = window->mainWindowAction(QStringLiteral("actionNew"));
    EXPECT_TRUE(newAction->icon().availableSizes().contains(QSize(32, 32)));
    window->syncViewMenuAndGUI();
    EXPECT_TRUE(window->mainWindowAction(QStringLiteral("actionLarge_Icons"))->isChecked());
    EXPECT_FALSE(window->mainWindowAction(QStringLiteral("actionSmall_Icons"))->isChecked());
    EXPECT_TRUE(window->mainWindowAction(QStringLiteral("actionText_Only_3"))->isChecked());

    window->loadDefaultLayout();
    EXPECT_EQ(doc->iconSize(), QSize(16, 16));
    EXPECT_EQ(window->toolbarAppearance(), record);

    // A record that ends early is refused and changes nothing.
    window->setspeechToolbarMediumIcons();
    EXPECT_FALSE(window->applyToolbarAppearance(record.left(10)));
    EXPECT_EQ(window->toolbar(QStringLiteral("speechToolbar"))->iconSize(), QSize(24, 24));
}

TEST_F(ShellTest, StatusBarIsNeverBlank)
{
    window->statusBar()->showMessage(QStringLiteral("Working"));
    window->statusBar()->clearMessage();
    EXPECT_EQ(window->statusBar()->currentMessage(), QStringLiteral("Ready"));
}

TEST_F(ShellTest, DocumentVoiceThatIsNotInstalledRevertsToTheDefaults)
{
    const QByteArray bytes = t2sBytes(QStringLiteral("Hello"));
    QByteArray foreign = bytes;
    QSettings settings;
    const QByteArray installed =
        "voicename=\"" + settings.value(K::VoiceName).toString().toUtf8() + "\"";
    ASSERT_TRUE(foreign.contains(installed));
    foreign.replace(installed, "voicename=\"No Such Voice\"");
    const QString path = writeFile(QStringLiteral("foreign.t2s"), foreign);
    window->openDocumentFile(path);

    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].text.startsWith(
        QStringLiteral("The voice saved into the document is not installed.")));
    VocalyneDocumentEdit *edit = window->currentDocumentEdit();
    EXPECT_EQ(edit->voiceName(), settings.value(K::VoiceName).toString());
    EXPECT_TRUE(edit->document()->isModified());
}

TEST(SplashScreen, ShowsTheVersionAndClosesOnAClick)
{
    EXPECT_TRUE(VocalyneSplashScreen::productMessage().startsWith(
        QStringLiteral("   Vocalyne 3.6.0 ")));
    VocalyneSplashScreen splash(QPixmap(32, 32));
    splash.show();
    EXPECT_EQ(splash.message(), VocalyneSplashScreen::productMessage());
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&splash, &press);
    EXPECT_FALSE(splash.isVisible());
}

TEST_F(ShellTest, DocumentNamedAtStartIsOpenedBesideTheUntitledTab)
{
    const QString path = writeFile(QStringLiteral("start.t2s"), t2sBytes(QStringLiteral("Hi")));
    window.reset();
    window = std::make_unique<VocalyneMainWindow>(path);
    ASSERT_EQ(window->documentCount(), 2);
    EXPECT_EQ(tabTitle(0), QStringLiteral("Untitled"));
    EXPECT_EQ(window->currentDocumentEdit()->filePath(), path);
    EXPECT_EQ(window->statusBar()->currentMessage(), QStringLiteral("Ready"));
}

TEST_F(ShellTest, EditMenuOffersTheCurrentEditorsActions)
{
    window->newDocument();
    auto *edit = window->findChild<QMenu *>(QStringLiteral("menuEdit"));
    ASSERT_NE(edit, nullptr);
    window->adjustEditMenuWithCurrDocEditTextActions();
    QStringList names;
    for (QAction *action : edit->actions())
        if (!action->isSeparator())
            names.append(action->objectName());
    EXPECT_EQ(names, (QStringList{QStringLiteral("m_actionUndo"), QStringLiteral("m_actionRedo"),
                                  QStringLiteral("m_actionCut"), QStringLiteral("m_actionCopy"),
                                  QStringLiteral("m_actionPaste"),
                                  QStringLiteral("m_actionClear_Selection"),
                                  QStringLiteral("m_actionClear_All"),
                                  QStringLiteral("m_actionSelect_All"),
                                  QStringLiteral("actionFind"), QStringLiteral("actionReplace"),
                                  QStringLiteral("actionGo_to")}));
    EXPECT_EQ(edit->actions().first(), window->currentDocumentEdit()->undoAction());
}
