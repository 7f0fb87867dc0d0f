// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "editorfixture.h"
#include "vocalynefindreplacedlg.h"
#include "vocalynesoftbreaks.h"
#include "vocalynetextsearch.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>

namespace {

const VoiceComboUserData Voice{3, 1, 1033};

class FindReplace : public EditorFixture
{
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        dialog = std::make_unique<VocalyneFindReplaceDlg>(&mainWindow);
    }
    void TearDown() override
    {
        dialog.reset();
        EditorFixture::TearDown();
    }

    template <typename T> T *child(const char *name) const
    {
        T *widget = dialog->findChild<T *>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit *findEdit() const { return child<QLineEdit>("findEdit"); }
    QLineEdit *replaceEdit() const { return child<QLineEdit>("replaceEdit"); }
    QPushButton *button(const char *name) const { return child<QPushButton>(name); }
    void check(const char *name, bool on) const { child<QCheckBox>(name)->setChecked(on); }

    void search(const QString &text, const QString &replacement = QString())
    {
        findEdit()->setText(text);
        replaceEdit()->setText(replacement);
    }
    void putCursor(int position)
    {
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(position);
        edit->setTextCursor(cursor);
    }
    std::pair<int, int> selection() const
    {
        return {edit->textCursor().selectionStart(), edit->textCursor().selectionEnd()};
    }
    QString lastMessage() const
    {
        return messages.messages.isEmpty() ? QString() : messages.messages.last().text;
    }

    std::unique_ptr<VocalyneFindReplaceDlg> dialog;
};

} // namespace

TEST_F(FindReplace, ButtonsFollowTheModeAndTheSearchText)
{
    EXPECT_TRUE(button("findShowBtn")->isChecked());
    EXPECT_FALSE(button("replaceShowBtn")->isChecked());
    for (const char *name : {"findNextBtn", "replaceBtn", "replaceAllBtn"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    EXPECT_FALSE(replaceEdit()->isEnabled());

    findEdit()->setText(QStringLiteral("x"));
    EXPECT_TRUE(button("findNextBtn")->isEnabled());
    EXPECT_FALSE(button("replaceBtn")->isEnabled()); // find mode

    button("replaceShowBtn")->click();
    EXPECT_TRUE(button("replaceShowBtn")->isChecked());
    EXPECT_FALSE(button("findShowBtn")->isChecked());
    EXPECT_TRUE(replaceEdit()->isEnabled());
    EXPECT_TRUE(button("replaceBtn")->isEnabled());
    EXPECT_TRUE(button("replaceAllBtn")->isEnabled());

    // Clicking the checked mode button again keeps the mode.
    button("replaceShowBtn")->click();
    EXPECT_TRUE(button("replaceShowBtn")->isChecked());

    button("findShowBtn")->click();
    EXPECT_FALSE(replaceEdit()->isEnabled());
    EXPECT_FALSE(button("replaceBtn")->isEnabled());
    EXPECT_FALSE(button("replaceAllBtn")->isEnabled());

    findEdit()->clear();
    button("replaceShowBtn")->click();
    for (const char *name : {"findNextBtn", "replaceBtn", "replaceAllBtn"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
}

TEST_F(FindReplace, FindsForwardBackwardByWholeWordAndCaseWithoutWrapping)
{
    //                                  0         1         2         3
    //                                  0123456789012345678901234567890123
    edit->setPlainText(QStringLiteral("The cat sat. A catalog, the CAT."));
    putCursor(0);
    search(QStringLiteral("cat"));
    dialog->findNext();
    EXPECT_EQ(selection(), std::make_pair(4, 7));
    dialog->findNext();
    EXPECT_EQ(selection(), std::make_pair(15, 18)); // inside "catalog"

    check("cbMatchWholeWord", true);
    putCursor(8);
    dialog->findNext();
    EXPECT_EQ(selection(), std::make_pair(28, 31)); // "CAT", any case

    check("cbMatchCase", true);
    putCursor(8);
    dialog->findNext();
    EXPECT_EQ(lastMessage(), QStringLiteral("Cannot find: 'cat'"));
    EXPECT_EQ(messages.messages.last().title, QStringLiteral("Vocalyne"));
    EXPECT_EQ(selection(), std::make_pair(8, 8)); // left where it was

    // Backwards from the end: the nearest match before the cursor first.
    check("cbMatchCase", false);
    check("cbSearchUp", true);
    putCursor(int(edit->toPlainText().size()));
    dialog->findNext();
    EXPECT_EQ(selection(), std::make_pair(28, 31));
    dialog->findNext();
    EXPECT_EQ(selection(), std::make_pair(4, 7)); // "catalog" is no whole word
    const int before = int(messages.messages.size());
    dialog->findNext(); // nothing above: no wrap-around
    EXPECT_EQ(int(messages.messages.size()), before + 1);
    EXPECT_EQ(selection(), std::make_pair(4, 7));
}

TEST_F(FindReplace, ReplaceFindsTheNextMatchAndReplacesItAtOnce)
{
    edit->setPlainText(QStringLiteral("one two one two"));
    button("replaceShowBtn")->click();
    search(QStringLiteral("two"), QStringLiteral("2"));
    putCursor(0);
    dialog->replaceNext();
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("one 2 one two"));
    EXPECT_EQ(selection(), std::make_pair(5, 5)); // after the inserted text
    dialog->replaceNext();
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("one 2 one 2"));
    EXPECT_TRUE(messages.messages.isEmpty());
    dialog->replaceNext();
    EXPECT_EQ(lastMessage(), QStringLiteral("Cannot find: 'two'"));

    // Each replacement is its own undo step.
    edit->undo();
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("one 2 one two"));
}

TEST_F(FindReplace, ReplaceAllReplacesEachOldMatchOnceInOneUndoStepWhateverTheDirection)
{
    edit->setPlainText(QStringLiteral("a banana\nand a bandana"));
    button("replaceShowBtn")->click();
    search(QStringLiteral("a"), QStringLiteral("aa"));
    check("cbSearchUp", true); // "all" still means the whole document
    putCursor(int(edit->toPlainText().size()));
    dialog->replaceAll();
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("aa baanaanaa\naand aa baandaanaa"));
    EXPECT_EQ(lastMessage(), QStringLiteral("Replaced 9 occurrence(s) of 'a'"));
    EXPECT_TRUE(edit->document()->isModified());

    edit->undo();
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("a banana\nand a bandana"));

    check("cbMatchWholeWord", true);
    search(QStringLiteral("a"), QString());
    dialog->replaceAll();
    EXPECT_EQ(edit->toPlainText(), QStringLiteral(" banana\nand  bandana"));
    EXPECT_EQ(lastMessage(), QStringLiteral("Replaced 2 occurrence(s) of 'a'"));

    search(QStringLiteral("zebra"), QStringLiteral("x"));
    dialog->replaceAll();
    EXPECT_EQ(lastMessage(), QStringLiteral("Cannot find: 'zebra'"));
}

TEST_F(FindReplace, ReplaceAllKeepsEntitiesOnTheirTextAndUndoPutsThemBack)
{
    //         0         1         2         3         4
    //         012345678901234567890123456789012345678901234567
    edit->setPlainText(QStringLiteral("Say cat. The cat sat on a cat mat by the cat."));
    edit->addBookmark(0, 3); // "Say", before all
    edit->addSection(9, 16, Voice, QStringLiteral("Anna"), 110, 90, 80,
                     0); // "The cat": ends on one
    edit->addSection(26, 33, Voice, QStringLiteral("Anna"), 100, 100, 100,
                     0);                                                 // "cat mat": starts on one
    edit->addBookmark(37, 44);                                           // "the cat"
    edit->addElement(4, QStringLiteral("pause"), QStringLiteral("100")); // on the first "c"
    edit->addElement(14, QStringLiteral("pause"), QStringLiteral("100")); // inside "cat" (a)
    edit->addElement(34, QStringLiteral("pause"), QStringLiteral("100")); // "by", between matches
    const QList<QVT2SSection> sections = edit->sections();
    const QList<QVT2SBookmark> bookmarks = edit->bookmarks();
    const QList<QVT2SElement> elements = edit->elements();
    ASSERT_EQ(elements.size(), 3);

    button("replaceShowBtn")->click();
    search(QStringLiteral("cat"), QStringLiteral("tiger"));
    dialog->replaceAll();
    const QString text = edit->toPlainText();
    ASSERT_EQ(text, QStringLiteral("Say tiger. The tiger sat on a tiger mat by the tiger."));
    auto covered = [&text](quint32 from, quint32 to) { return text.mid(from, to - from); };

    ASSERT_EQ(edit->bookmarks().size(), 2);
    EXPECT_EQ(covered(edit->bookmarks().at(0).fromChar, edit->bookmarks().at(0).toChar),
              QStringLiteral("Say"));
    EXPECT_EQ(covered(edit->bookmarks().at(1).fromChar, edit->bookmarks().at(1).toChar),
              QStringLiteral("the tiger"));
    ASSERT_EQ(edit->sections().size(), 2);
    EXPECT_EQ(covered(edit->sections().at(0).fromChar, edit->sections().at(0).toChar),
              QStringLiteral("The tiger"));
    EXPECT_EQ(covered(edit->sections().at(1).fromChar, edit->sections().at(1).toChar),
              QStringLiteral("tiger mat"));
    ASSERT_EQ(edit->elements().size(), 3);
    EXPECT_EQ(text.at(edit->elements().at(0).afterChar), QLatin1Char('t')); // before "tiger"
    EXPECT_EQ(text.mid(edit->elements().at(1).afterChar, 4), QStringLiteral("iger"));
    EXPECT_EQ(text.mid(edit->elements().at(2).afterChar, 2), QStringLiteral("by"));
    EXPECT_EQ(row(sectionTable.get(), 1).mid(0, 2),
              QStringList({QString::number(edit->sections().at(1).fromChar),
                           QString::number(edit->sections().at(1).toChar)}));

    edit->undo();
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("Say cat. The cat sat on a cat mat by the cat."));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(edit->sections().at(i).fromChar, sections.at(i).fromChar) << i;
        EXPECT_EQ(edit->sections().at(i).toChar, sections.at(i).toChar) << i;
        EXPECT_EQ(edit->bookmarks().at(i).fromChar, bookmarks.at(i).fromChar) << i;
        EXPECT_EQ(edit->bookmarks().at(i).toChar, bookmarks.at(i).toChar) << i;
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(edit->elements().at(i).afterChar, elements.at(i).afterChar) << i;
}

TEST_F(FindReplace, ShorterReplacementKeepsItsEntitiesAndRedoMovesThemAgain)
{
    edit->setPlainText(QStringLiteral("xx hello yy hello"));
    edit->addSection(3, 8, Voice, QStringLiteral("Anna"), 100, 100, 100, 0);
    edit->addBookmark(12, 17);
    edit->addElement(3, QStringLiteral("pause"), QStringLiteral("100")); // "h"
    edit->addElement(6, QStringLiteral("pause"), QStringLiteral("100")); // second "l"
    edit->addElement(9, QStringLiteral("pause"), QStringLiteral("100")); // "y"
    button("replaceShowBtn")->click();
    search(QStringLiteral("hello"), QStringLiteral("hi"));
    dialog->replaceAll();
    auto expectReplaced = [this]() {
        EXPECT_EQ(edit->toPlainText(), QStringLiteral("xx hi yy hi"));
        ASSERT_EQ(edit->sections().size(), 1);
        EXPECT_EQ(edit->sections().at(0).fromChar, 3u);
        EXPECT_EQ(edit->sections().at(0).toChar, 5u);
        ASSERT_EQ(edit->bookmarks().size(), 1);
        EXPECT_EQ(edit->bookmarks().at(0).fromChar, 9u);
        EXPECT_EQ(edit->bookmarks().at(0).toChar, 11u);
        // The second "l" has no counterpart: its element keeps to the word.
        ASSERT_EQ(edit->elements().size(), 3);
        EXPECT_EQ(edit->elements().at(0).afterChar, 3u);
        EXPECT_EQ(edit->elements().at(1).afterChar, 4u);
        EXPECT_EQ(edit->elements().at(2).afterChar, 6u);
        EXPECT_EQ(int(edit->entityHighlights().size()), 5); // rebuilt, one per entity
    };
    expectReplaced();
    edit->undo();
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("xx hello yy hello"));
    EXPECT_EQ(edit->bookmarks().at(0).fromChar, 12u);
    EXPECT_EQ(edit->elements().at(2).afterChar, 9u);
    edit->redo();
    expectReplaced();

    // Typing after the replacement moves the rebuilt highlights as usual.
    insertAt(0, QStringLiteral("!"));
    EXPECT_EQ(edit->sections().at(0).fromChar, 4u);
    EXPECT_EQ(edit->elements().at(2).afterChar, 7u);
}

TEST_F(FindReplace, SingleReplaceKeepsAnEntityThatStartsWithTheMatch)
{
    edit->setPlainText(QStringLiteral("say hello world"));
    edit->addSection(4, 15, Voice, QStringLiteral("Anna"), 100, 100, 100, 0);
    button("replaceShowBtn")->click();
    search(QStringLiteral("hello"), QStringLiteral("goodbye"));
    putCursor(0);
    dialog->replaceNext();
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("say goodbye world"));
    EXPECT_EQ(edit->sections().at(0).fromChar, 4u);
    EXPECT_EQ(edit->sections().at(0).toChar, 17u);
    edit->undo();
    EXPECT_EQ(edit->sections().at(0).fromChar, 4u);
    EXPECT_EQ(edit->sections().at(0).toChar, 15u);
}

TEST_F(FindReplace, ReplaceAllOverManyParagraphsUndoesAndRedoesEveryEntityExactly)
{
    QString text;
    for (int line = 0; line < 60; ++line)
        text += QStringLiteral("line %1 with a word and a word again\n").arg(line);
    edit->setPlainText(text);
    // Per line: a bookmark ending on a match, a section starting on one,
    // an element inside one.
    for (int line = 0, at = 0; line < 60; ++line) {
        const int word = int(text.indexOf(QStringLiteral("word"), at));
        const int again = int(text.indexOf(QStringLiteral("word again"), word + 1));
        edit->addBookmark(quint32(at), quint32(word + 4));
        edit->addSection(quint32(again), quint32(again + 10), Voice, QStringLiteral("Anna"), 100,
                         100, 100, 0);
        edit->addElement(quint32(word + 2), QStringLiteral("pause"), QStringLiteral("100"));
        at = int(text.indexOf(QLatin1Char('\n'), again)) + 1;
    }
    const QList<QVT2SBookmark> bookmarks = edit->bookmarks();
    const QList<QVT2SSection> sections = edit->sections();
    const QList<QVT2SElement> elements = edit->elements();
    button("replaceShowBtn")->click();
    search(QStringLiteral("word"), QStringLiteral("sentence"));
    dialog->replaceAll();
    auto expectReplaced = [this]() {
        const QString now = edit->toPlainText();
        ASSERT_EQ(edit->bookmarks().size(), 60);
        ASSERT_EQ(edit->sections().size(), 60);
        ASSERT_EQ(edit->elements().size(), 60);
        for (int i = 0; i < 60; ++i) {
            const QVT2SBookmark &bookmark = edit->bookmarks().at(i);
            const QVT2SSection &section = edit->sections().at(i);
            EXPECT_TRUE(now.mid(bookmark.fromChar, bookmark.toChar - bookmark.fromChar)
                            .endsWith(QStringLiteral("with a sentence")))
                << i;
            EXPECT_EQ(now.mid(section.fromChar, section.toChar - section.fromChar),
                      QStringLiteral("sentence again"))
                << i;
            EXPECT_EQ(now.mid(edit->elements().at(i).afterChar, 6), QStringLiteral("ntence")) << i;
        }
    };
    expectReplaced();
    edit->undo();
    EXPECT_EQ(edit->toPlainText(), text);
    EXPECT_EQ(edit->bookmarks(), bookmarks);
    EXPECT_EQ(edit->sections(), sections);
    EXPECT_EQ(edit->elements(), elements);
    edit->redo();
    expectReplaced();
    // Typing afterwards moves the entities as usual.
    insertAt(0, QStringLiteral(">"));
    EXPECT_EQ(edit->bookmarks().at(0).fromChar, 1u);
    EXPECT_EQ(edit->sections().at(59).toChar, sections.at(59).toChar + 1 + 60 * 2 * 4);
}

// Replace All finds its matches in one pass over the paragraphs; they must
// be the ones the single search finds one after the other, whole-word rules
// and a no-break space included.
TEST_F(FindReplace, AllMatchesAreThoseTheSingleSearchFindsInTurn)
{
    edit->setPlainText(QStringLiteral("aa a xa-a a\u00a0b A a1 a\nab a\u00a0b a"));
    for (const bool wholeWords : {false, true}) {
        for (const bool matchCase : {false, true}) {
            for (const QString &text : {QStringLiteral("a"), QStringLiteral("a b"),
                                        QStringLiteral("a-a"), QStringLiteral("A")}) {
                VocalyneTextSearch::Options options;
                options.wholeWords = wholeWords;
                options.matchCase = matchCase;
                QList<int> oneByOne;
                for (QTextCursor at(edit->document());;) {
                    at = VocalyneTextSearch::find(edit->document(), text, at, options);
                    if (at.isNull())
                        break;
                    oneByOne.append(at.selectionStart());
                }
                EXPECT_EQ(VocalyneTextSearch::findAll(edit->document(), text, options), oneByOne)
                    << text.toStdString() << wholeWords << matchCase;
            }
        }
    }
}

// A long paragraph is held in pieces joined by soft breaks; a match that
// runs across one is found and replaced like any other.
TEST_F(FindReplace, ReplaceAllReplacesMatchesAcrossTheSoftBreaksOfALongParagraph)
{
    QString text;
    for (int i = 0; text.size() < 20000; ++i)
        text += QStringLiteral("w%1 ").arg(i);
    edit->setPlainText(text);
    int soft = -1;
    for (QTextBlock block = edit->document()->begin().next(); block.isValid() && soft < 0;
         block = block.next())
        if (VocalyneSoftBreaks::isSoftBreak(edit->document(), block.position() - 1))
            soft = block.position() - 1;
    ASSERT_GT(soft, 0) << "the paragraph was not cut";
    const int from = int(text.lastIndexOf(QLatin1Char('w'), soft));
    const int to = int(text.indexOf(QLatin1Char(' '), soft + 1));
    const QString across = text.mid(from, to - from); // "wN wM"
    edit->addBookmark(quint32(from), quint32(to));
    edit->addBookmark(quint32(to + 1), quint32(to + 3));
    button("replaceShowBtn")->click();
    search(across, QStringLiteral("JOINED"));
    dialog->replaceAll();
    QString expected = text;
    expected.replace(from, to - from, QStringLiteral("JOINED"));
    EXPECT_EQ(edit->documentText(), expected);
    ASSERT_EQ(edit->bookmarks().size(), 2);
    EXPECT_EQ(edit->bookmarks().at(0).fromChar, quint32(from));
    EXPECT_EQ(edit->bookmarks().at(0).toChar, quint32(from + 6));
    EXPECT_EQ(edit->bookmarks().at(1).fromChar, quint32(from + 7));
    edit->undo();
    EXPECT_EQ(edit->documentText(), text);
    EXPECT_EQ(edit->bookmarks().at(0).toChar, quint32(to));
}

TEST_F(FindReplace, CommandsWithoutAnEditorDoNothing)
{
    mainWindow.current = -1;
    search(QStringLiteral("a"), QStringLiteral("b"));
    dialog->findNext();
    dialog->replaceNext();
    dialog->replaceAll();
    EXPECT_TRUE(messages.messages.isEmpty());
}
