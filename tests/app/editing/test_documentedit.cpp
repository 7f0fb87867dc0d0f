// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "editorfixture.h"
#include "vocalyneentitytooltip.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUrl>

using DocumentEdit = EditorFixture;

TEST_F(DocumentEdit, ConstructionGivesAnUnmodifiedEditorWithItsActionsAndMenu)
{
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(edit->objectName(), QStringLiteral("VocalyneDocumentEdit"));
    EXPECT_FALSE(edit->document()->isModified());
    EXPECT_TRUE(edit->isUntitled());
    EXPECT_EQ(edit->zoomSteps(), 0);
    EXPECT_EQ(edit->voiceName(), QStringLiteral("English (America)"));
    EXPECT_FALSE(edit->acceptRichText());
    EXPECT_TRUE(edit->acceptDrops());
    EXPECT_EQ(edit->palette().color(QPalette::Inactive, QPalette::Highlight),
              edit->palette().color(QPalette::Active, QPalette::Highlight));
    // An empty font setting is filled with the editor's font.
    EXPECT_EQ(QSettings().value(VocalyneSettingsKeys::DocumentFont).toString(),
              edit->font().toString());

    QStringList menu;
    for (QAction *action : edit->contextMenu()->actions())
        menu.append(action->isSeparator() ? QStringLiteral("-") : action->objectName());
    EXPECT_EQ(menu.join(QLatin1Char(' ')),
              QStringLiteral("m_actionUndo m_actionRedo - m_actionCut m_actionCopy "
                             "m_actionPaste - m_actionClear_Selection m_actionClear_All - "
                             "m_actionSelect_All - actionSpeak_from_Cursor - "
                             "actionSelection_Speech_Properties actionAdd_Speech_Element "
                             "actionBookmark_Selection - actionDocument_Properties"));
    EXPECT_EQ(edit->undoAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(edit->selectAllAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
    EXPECT_TRUE(edit->clearSelectionAction()->shortcut().isEmpty());

    // Enabled states follow undo and selection availability.
    EXPECT_FALSE(edit->undoAction()->isEnabled());
    EXPECT_FALSE(edit->copyAction()->isEnabled());
    EXPECT_FALSE(edit->clearSelectionAction()->isEnabled());
    EXPECT_TRUE(edit->pasteAction()->isEnabled());
    QTest::keyClicks(edit.get(), QStringLiteral("hello"));
    EXPECT_TRUE(edit->undoAction()->isEnabled());
    edit->selectAll();
    EXPECT_TRUE(edit->cutAction()->isEnabled());
    EXPECT_TRUE(edit->clearSelectionAction()->isEnabled());
    edit->clearSelectionAction()->trigger();
    EXPECT_TRUE(edit->toPlainText().isEmpty());
    EXPECT_FALSE(edit->copyAction()->isEnabled());
}

TEST_F(DocumentEdit, MissingDefaultsWarnAndAStoredFontIsUsed)
{
    QSettings settings;
    settings.remove(QString(VocalyneSettingsKeys::VoiceName));
    QFont font(QStringLiteral("Monospace"), 17);
    settings.setValue(VocalyneSettingsKeys::DocumentFont, font.toString());
    settings.sync();

    auto second = makeEditor();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages.at(0).kind, VocalyneMessageService::Kind::Warning);
    EXPECT_EQ(messages.messages.at(0).title, QStringLiteral("Error"));
    EXPECT_EQ(messages.messages.at(0).text,
              QStringLiteral("Unable to set the default speech settings."));
    EXPECT_EQ(second->font().pointSize(), 17);
    EXPECT_EQ(second->pitch(), 100); // the values read are kept

    // A description that does not parse is ignored.
    settings.setValue(VocalyneSettingsKeys::DocumentFont, QStringLiteral("not,a,font,at,all,x"));
    settings.sync();
    auto third = makeEditor();
    EXPECT_NE(third->font().pointSize(), 17);
}

TEST_F(DocumentEdit, ModifiedStateKeepsExactlyOneStarAtTheEndOfTheTitle)
{
    edit->setModifiedState(true, QStringLiteral("notes.t2s"));
    EXPECT_EQ(mainWindow.tabTitles.at(0), QStringLiteral("notes.t2s*"));
    EXPECT_TRUE(edit->document()->isModified());
    edit->setModifiedState(true);
    EXPECT_EQ(mainWindow.tabTitles.at(0), QStringLiteral("notes.t2s*"));
    edit->setModifiedState(true, QStringLiteral("already*"));
    EXPECT_EQ(mainWindow.tabTitles.at(0), QStringLiteral("already*"));
    // Saving: unmodified with a fresh title, and the star goes.
    edit->setModifiedState(false, QStringLiteral("saved.t2s"));
    EXPECT_EQ(mainWindow.tabTitles.at(0), QStringLiteral("saved.t2s"));
    EXPECT_FALSE(edit->document()->isModified());
    edit->setModifiedState(true);
    edit->setModifiedState(false);
    EXPECT_EQ(mainWindow.tabTitles.at(0), QStringLiteral("saved.t2s"));

    // Typing marks the editor's own tab.
    QTest::keyClicks(edit.get(), QStringLiteral("x"));
    EXPECT_EQ(mainWindow.tabTitles.at(0), QStringLiteral("saved.t2s*"));
    // The mark follows the flag when the widget changes it itself.
    edit->undo();
    EXPECT_EQ(mainWindow.tabTitles.at(0), QStringLiteral("saved.t2s"));
    edit->redo();
    EXPECT_EQ(mainWindow.tabTitles.at(0), QStringLiteral("saved.t2s*"));
    edit->setPlainText(QStringLiteral("loaded text"));
    EXPECT_FALSE(edit->document()->isModified());
    EXPECT_EQ(mainWindow.tabTitles.at(0), QStringLiteral("saved.t2s"));

    // An explicit index is honoured (Save All saves tabs that are not current).
    mainWindow.tabTitles.append(QStringLiteral("other*"));
    edit->setModifiedState(false, QString(), 1);
    EXPECT_EQ(mainWindow.tabTitles.at(1), QStringLiteral("other"));
}

TEST_F(DocumentEdit, SettersMarkModifiedOnlyWhenTheValueChanges)
{
    auto expectMarks = [this](const char *what, const std::function<void()> &same,
                              const std::function<void()> &changed) {
        edit->setModifiedState(false, QStringLiteral("doc"));
        same();
        EXPECT_FALSE(edit->document()->isModified()) << what << " unchanged";
        EXPECT_EQ(mainWindow.tabTitles.at(0), QStringLiteral("doc")) << what;
        changed();
        EXPECT_TRUE(edit->document()->isModified()) << what << " changed";
        EXPECT_EQ(mainWindow.tabTitles.at(0), QStringLiteral("doc*")) << what;
    };
    VocalyneDocumentEdit &e = *edit;
    expectMarks(
        "engineTypeId", [&] { e.setEngineTypeId(3); }, [&] { e.setEngineTypeId(4); });
    expectMarks(
        "voiceName", [&] { e.setVoiceName(QStringLiteral("English (America)")); },
        [&] { e.setVoiceName(QStringLiteral("German")); });
    expectMarks(
        "voiceId", [&] { e.setVoiceId(0); }, [&] { e.setVoiceId(2); });
    expectMarks(
        "pitch", [&] { e.setPitch(100); }, [&] { e.setPitch(120); });
    expectMarks(
        "speed", [&] { e.setSpeed(100); }, [&] { e.setSpeed(80); });
    expectMarks(
        "volume", [&] { e.setVolume(100); }, [&] { e.setVolume(50); });
    expectMarks(
        "pause", [&] { e.setPause(670); }, [&] { e.setPause(300); });
    expectMarks(
        "highlight", [&] { e.setHighlight(true); }, [&] { e.setHighlight(false); });
    expectMarks(
        "isXml", [&] { e.setIsXml(true); }, [&] { e.setIsXml(false); });
    EXPECT_EQ(e.pause(), 300);

    edit->setModifiedState(false, QStringLiteral("doc"));
    edit->setLangId(2055);
    edit->setContent(QStringLiteral("other content"));
    EXPECT_EQ(edit->langId(), 2055);
    EXPECT_FALSE(edit->document()->isModified());
    EXPECT_EQ(mainWindow.tabTitles.at(0), QStringLiteral("doc"));
}

TEST_F(DocumentEdit, TooltipPutsTheBookmarkFirstAndConsultsOnlyFilledTables)
{
    QList<QVT2SBookmark> bookmarks{{0, 10, true}};
    QVT2SSection section;
    section.fromChar = 5;
    section.toChar = 15;
    section.voiceName = QStringLiteral("Anna");
    section.pitch = 90;
    section.speed = 110;
    section.volume = 80;
    section.pause = 300;
    section.enabled = false;
    QList<QVT2SElement> elements{{9, QStringLiteral("pause"), QStringLiteral("500"), true}};

    const QString bookmarkPart =
        QStringLiteral("<b>Bookmark</b><br>Start Position: 0<br>End Position: 10<br>Enabled");
    const QString sectionPart = QStringLiteral(
        "<b>Speech Section</b><br>Start Position: 5<br>End Position: 15<br>Voice: Anna<br>"
        "Pitch: 90<br>Speed: 110<br>Volume: 80<br>Sentence Pause: 300<br>Disabled");
    const QString elementPart = QStringLiteral(
        "<b>Speech Element</b><br>Type: pause<br>After Position: 9<br>Value: 500<br>Enabled");

    EXPECT_EQ(VocalyneEntityTooltip::compose(bookmarks, {section}, elements, 8, true, true),
              bookmarkPart + QStringLiteral("<br>") + sectionPart);
    EXPECT_EQ(VocalyneEntityTooltip::compose(bookmarks, {section}, elements, 10, true, true),
              bookmarkPart + QStringLiteral("<br>") + sectionPart + QStringLiteral("<br>") +
                  elementPart);
    EXPECT_EQ(VocalyneEntityTooltip::compose(bookmarks, {section}, elements, 10, false, true),
              sectionPart + QStringLiteral("<br>") + elementPart);
    EXPECT_EQ(VocalyneEntityTooltip::compose(bookmarks, {section}, elements, 10, false, false),
              elementPart);
    EXPECT_TRUE(
        VocalyneEntityTooltip::compose(bookmarks, {section}, elements, 16, true, true).isEmpty());

    // In the editor: the word under the mouse decides, and a voice name is
    // shown as text, not markup.
    edit->resize(400, 200);
    edit->show();
    edit->setPlainText(QStringLiteral("alpha beta gamma"));
    edit->addBookmark(6, 10);
    edit->addSection(0, 5, VoiceComboUserData{3, 0, 1033}, QStringLiteral("<i>x</i>"), 1, 2, 3, 0);
    QTextCursor cursor(edit->document());
    cursor.setPosition(8);
    const QString overBeta = edit->toolTipTextAt(edit->cursorRect(cursor).center());
    EXPECT_TRUE(overBeta.startsWith(QStringLiteral("<b>Bookmark</b><br>Start Position: 6")))
        << overBeta.toStdString();
    cursor.setPosition(2);
    const QString overAlpha = edit->toolTipTextAt(edit->cursorRect(cursor).center());
    EXPECT_TRUE(overAlpha.contains(QStringLiteral("Voice: &lt;i&gt;x&lt;/i&gt;")))
        << overAlpha.toStdString();
    bookmarkTable->setRowCount(0);
    cursor.setPosition(8);
    EXPECT_TRUE(edit->toolTipTextAt(edit->cursorRect(cursor).center()).isEmpty());
}

TEST_F(DocumentEdit, ADropOpensTheFirstUrlAndNeverInsertsText)
{
    edit->setPlainText(QStringLiteral("kept"));
    auto drop = [this](QMimeData *data) {
        // The toolkit delivers a drop only to the widget that took the drag.
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit->viewport(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent event(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit->viewport(), &event);
        EXPECT_TRUE(event.isAccepted());
    };

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/first.t2s")),
                   QUrl::fromLocalFile(QStringLiteral("/tmp/second.txt"))});
    files.setText(QStringLiteral("/tmp/first.t2s"));
    drop(&files);
    EXPECT_EQ(mainWindow.openedFiles, QStringList({QStringLiteral("/tmp/first.t2s")}));

    QMimeData text;
    text.setText(QStringLiteral("dropped words"));
    drop(&text);
    QMimeData remote;
    remote.setUrls({QUrl(QStringLiteral("https://example.org/a.t2s"))});
    drop(&remote);
    EXPECT_EQ(mainWindow.openedFiles.size(), 1);
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("kept"));
}

TEST_F(DocumentEdit, ZoomInStopsAfter101StepsAndZoomOutAtOnePoint)
{
    const int start = edit->font().pointSize();
    for (int i = 0; i < 110; ++i)
        edit->zoomDocIn();
    EXPECT_EQ(edit->zoomSteps(), 101);
    EXPECT_EQ(edit->font().pointSize(), start + 101);
    edit->zoomDocReset();
    EXPECT_EQ(edit->zoomSteps(), 0);
    EXPECT_EQ(edit->font().pointSize(), start);

    QFont small = edit->font();
    small.setPointSize(3);
    edit->setFont(small);
    for (int i = 0; i < 5; ++i)
        edit->zoomDocOut();
    EXPECT_EQ(edit->font().pointSize(), 1);
    EXPECT_FALSE(mainWindow.zoomOut);
    EXPECT_EQ(edit->zoomSteps(), -2);
    edit->zoomDocIn();
    EXPECT_TRUE(mainWindow.zoomOut);
    EXPECT_EQ(edit->font().pointSize(), 2);
    edit->zoomDocReset();
    EXPECT_EQ(edit->font().pointSize(), 3);
    EXPECT_TRUE(mainWindow.zoomOut);
}

TEST_F(DocumentEdit, CopyAndCutWithASelectionTellTheClipboardWatch)
{
    edit->setPlainText(QStringLiteral("some words"));
    QTest::keyClick(edit.get(), Qt::Key_C, Qt::ControlModifier);
    edit->onCopy();
    EXPECT_EQ(mainWindow.clipboardIgnores, 0); // nothing selected, nothing copied

    edit->selectAll();
    QTest::keyClick(edit.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(mainWindow.clipboardIgnores, 1);
    edit->onCopy();
    EXPECT_EQ(mainWindow.clipboardIgnores, 2);
    QTest::keyClick(edit.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(mainWindow.clipboardIgnores, 3);
    EXPECT_TRUE(edit->toPlainText().isEmpty()); // the key still did its work
}

TEST_F(DocumentEdit, PathsGiveFileNameAndDirectory)
{
    EXPECT_TRUE(edit->fileName().isEmpty());
    EXPECT_TRUE(edit->directory().isEmpty());
    edit->setFilePath(QStringLiteral("/home/user/texts/chapter one.t2s"));
    EXPECT_EQ(edit->fileName(), QStringLiteral("chapter one.t2s"));
    EXPECT_EQ(edit->directory(), QStringLiteral("/home/user/texts"));
}
