// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Long paragraphs held as short pieces joined by soft breaks: whatever the
// editor does with them, its text, positions and speech stay those of the
// paragraph as the user wrote it.
#include "editorfixture.h"
#include "vocalynesoftbreaks.h"
#include "vocalynespeechtextbuilder.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>
#include <QTextStream>

namespace {

// Sentences of different lengths, joined by one blank (two after every
// seventh), without a line break, of exactly length characters.
QString paragraph(int length, int seed = 0)
{
    static const char *words[] = {"speech", "document", "voice", "reads", "the",    "text",
                                  "aloud",  "while",    "every", "word",  "lights", "up"};
    QString text;
    int w = seed;
    int sentence = seed;
    while (text.size() < length) {
        const int count = 4 + (sentence * 5) % 13;
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                text += QLatin1Char(' ');
            text += QLatin1String(words[w++ % 12]);
        }
        text += ++sentence % 7 == 0 ? QStringLiteral(".  ") : QStringLiteral(". ");
    }
    text.truncate(length);
    return text;
}

int longestPiece(const QTextDocument *document)
{
    int longest = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        longest = std::max(longest, block.length() - 1);
    return longest;
}

// The first soft break at or after from.
int softBreakFrom(const QTextDocument *document, int from)
{
    for (QTextBlock block = document->findBlock(from).next(); block.isValid();
         block = block.next()) {
        if (VocalyneSoftBreaks::isSoftBreak(document, block.position() - 1))
            return block.position() - 1;
    }
    return -1;
}

QList<int> softBreaks(const QTextDocument *document)
{
    QList<int> positions;
    for (QTextBlock block = document->begin().next(); block.isValid(); block = block.next()) {
        if (VocalyneSoftBreaks::isSoftBreak(document, block.position() - 1))
            positions.append(block.position() - 1);
    }
    return positions;
}

} // namespace

TEST(SoftBreakPoints, PiecesAreShortAndEndAfterSentencesOnTheLastBlankOfARun)
{
    const QString text = paragraph(50000);
    const QList<int> points = VocalyneSoftBreaks::breakPoints(text, 8000, 3000);
    ASSERT_FALSE(points.isEmpty());
    int previous = -1;
    for (int point : points) {
        ASSERT_GT(point, previous);
        EXPECT_LE(point - previous, 4500) << "piece ending at " << point;
        EXPECT_EQ(text.at(point), u' ');
        EXPECT_NE(text.at(point + 1), u' ') << "the next piece would start with a blank";
        // Sentences here are far shorter than a piece: every cut finds one.
        int before = point - 1;
        while (text.at(before) == u' ')
            --before;
        EXPECT_EQ(text.at(before), u'.') << "cut at " << point;
        previous = point;
    }
    EXPECT_LE(text.size() - previous, 4500);

    // Short enough, nothing to cut; no blank, nowhere to cut; one blank far
    // from every ideal place, used only where it lies within reach.
    EXPECT_TRUE(VocalyneSoftBreaks::breakPoints(text.left(8000), 8000, 3000).isEmpty());
    EXPECT_TRUE(VocalyneSoftBreaks::breakPoints(QString(20000, u'x'), 8000, 3000).isEmpty());
    QString oneBlank(20000, u'x');
    oneBlank[100] = u' ';
    EXPECT_TRUE(VocalyneSoftBreaks::breakPoints(oneBlank, 8000, 3000).isEmpty());
    oneBlank[6000] = u' ';
    EXPECT_EQ(VocalyneSoftBreaks::breakPoints(oneBlank, 8000, 3000), QList<int>{6000});
}

using SoftBreaks = EditorFixture;

TEST_F(SoftBreaks, ALongParagraphIsCutYetItsTextPositionsAndFileStayTheSame)
{
    const QString text = paragraph(30000) + QStringLiteral("\nShort line.\n") + paragraph(9000, 3);
    edit->setPlainText(text);
    QTextDocument *document = edit->document();

    EXPECT_GE(VocalyneSoftBreaks::softBreakCount(document), 10);
    EXPECT_LE(longestPiece(document), VocalyneSoftBreaks::MaxPiece);
    EXPECT_EQ(document->characterCount(), text.size() + 1);
    EXPECT_EQ(edit->documentText(), text);
    EXPECT_EQ(edit->toPlainText(), text);
    EXPECT_FALSE(document->isModified());
    EXPECT_FALSE(document->isUndoAvailable()) << "loading, cut included, is not an edit";

    // Parts of the text, and find results, at their places.
    EXPECT_EQ(VocalyneSoftBreaks::text(document, 2990, 3010), text.mid(2990, 20));
    const QString needle = text.mid(20000, 12);
    EXPECT_EQ(document->find(needle, 19990).selectionStart(), text.indexOf(needle, 19990));

    // Saved and read back: the same characters, no line break added.
    QByteArray bytes;
    {
        QTextStream stream(&bytes);
        ASSERT_TRUE(edit->write(stream, edit->toPlainText()));
    }
    QVT2SDocument reread;
    ASSERT_TRUE(reread.read(bytes));
    EXPECT_EQ(reread.content(), text);

    // Everything cleared and undone: the same pieces again.
    const QList<int> before = softBreaks(document);
    edit->clearAll();
    EXPECT_TRUE(edit->documentText().isEmpty());
    document->undo();
    EXPECT_EQ(edit->documentText(), text);
    EXPECT_EQ(softBreaks(document), before);
    document->redo();
    EXPECT_TRUE(edit->documentText().isEmpty());
    document->undo();

    // The editor cuts the text before the widget sees it; set through the
    // base widget, the watch cuts it afterwards. Both the same way.
    auto other = makeEditor();
    static_cast<QTextEdit *>(other.get())->setPlainText(reread.content());
    EXPECT_EQ(other->documentText(), text);
    EXPECT_EQ(softBreaks(other->document()), softBreaks(document));
    EXPECT_FALSE(other->document()->isUndoAvailable());
}

TEST_F(SoftBreaks, CopyAndBlankSearchSeeSpaces)
{
    const QString text = paragraph(20000);
    edit->setPlainText(text);
    const int soft = softBreakFrom(edit->document(), 0);
    ASSERT_GT(soft, 0);

    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(soft - 40);
    cursor.setPosition(soft + 40, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    edit->onCopy();
    EXPECT_EQ(QApplication::clipboard()->text(), text.mid(soft - 40, 80));
    const QMimeData *copied = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(copied);
    EXPECT_FALSE(copied->hasHtml()) << "html would show the soft breaks as paragraphs";

    // A real line break in a copy stays one.
    edit->setPlainText(QStringLiteral("one\ntwo"));
    edit->selectAll();
    edit->onCopy();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("one\ntwo"));

    // The next blank from the end of the word before a soft break is that
    // soft break (an element goes there).
    edit->setPlainText(text);
    cursor = edit->textCursor();
    cursor.setPosition(soft - 2);
    edit->setTextCursor(cursor);
    EXPECT_EQ(edit->findNextBlankFromCursor(), soft);
}

TEST_F(SoftBreaks, FindGivesWhatTheDocumentsOwnSearchGivesInTheUncutParagraph)
{
    const QString text = paragraph(20000) + QStringLiteral("\nLast line, the end.");
    edit->setPlainText(text);
    QTextDocument uncut(text);
    const int soft = softBreakFrom(edit->document(), 0);
    const int secondSoft = softBreakFrom(edit->document(), soft + 1);
    ASSERT_GT(secondSoft, soft);

    using Flags = QTextDocument::FindFlags;
    const QList<Flags> flagSets = {
        Flags(), QTextDocument::FindBackward, QTextDocument::FindWholeWords,
        QTextDocument::FindCaseSensitively | QTextDocument::FindWholeWords,
        QTextDocument::FindBackward | QTextDocument::FindWholeWords};
    const QStringList needles = {text.mid(soft - 6, 13),           // across a soft break
                                 text.mid(soft - 6, 13).toUpper(), // the same in other case
                                 text.mid(soft + 1, 12),           // from the start of a piece
                                 text.mid(soft - 3, 4),            // ends on the soft break
                                 QStringLiteral("ds the te"),      // no whole word
                                 QStringLiteral("reads"),    // no blank: the document's own search
                                 QStringLiteral("up. Last"), // across a real line break: never
                                 QStringLiteral("the end.")};
    const QList<int> starts = {0,        soft - 6,       soft,  soft + 1,
                               soft + 2, secondSoft + 1, 15000, int(text.size())};
    for (const QString &needle : needles) {
        for (const Flags flags : flagSets) {
            for (int from : starts) {
                const QTextCursor expected = uncut.find(needle, from, flags);
                const QTextCursor found =
                    VocalyneSoftBreaks::find(edit->document(), needle, from, flags);
                ASSERT_EQ(found.isNull(), expected.isNull())
                    << needle.toStdString() << " from " << from << " flags " << int(flags);
                if (!expected.isNull()) {
                    EXPECT_EQ(found.selectionStart(), expected.selectionStart())
                        << needle.toStdString() << " from " << from << " flags " << int(flags);
                    EXPECT_EQ(found.selectionEnd(), expected.selectionEnd());
                }
            }
        }
    }

    // The editor's own find (the Find dialog's) selects such a match.
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(soft - 100);
    edit->setTextCursor(cursor);
    ASSERT_TRUE(edit->find(text.mid(soft - 6, 13)));
    EXPECT_EQ(edit->textCursor().selectionStart(), soft - 6);
    EXPECT_EQ(edit->textCursor().selectionEnd(), soft + 7);
    EXPECT_FALSE(edit->find(QStringLiteral("not in the text at all")));
}

TEST_F(SoftBreaks, TypingEnterAndBackspaceAroundASoftBreakEditTheParagraphAsWritten)
{
    QString text = paragraph(20000);
    edit->setPlainText(text);
    edit->show();
    QTextDocument *document = edit->document();
    const int soft = softBreakFrom(document, 0);
    ASSERT_GT(soft, 0);
    auto typeAt = [&](int position, auto key) {
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(position);
        edit->setTextCursor(cursor);
        QTest::keyClick(edit.get(), key);
    };

    // A letter at the end of a piece and at the start of the next.
    typeAt(soft, Qt::Key_X);
    text.insert(soft, u'x');
    typeAt(soft + 2, Qt::Key_Y);
    text.insert(soft + 2, u'y');
    EXPECT_EQ(edit->documentText(), text);
    EXPECT_TRUE(VocalyneSoftBreaks::isSoftBreak(document, soft + 1));

    // Enter in the piece after the soft break makes a real paragraph; the
    // blank stays.
    typeAt(soft + 3, Qt::Key_Return);
    text.insert(soft + 3, u'\n');
    EXPECT_EQ(edit->documentText(), text);
    EXPECT_TRUE(VocalyneSoftBreaks::isSoftBreak(document, soft + 1));
    EXPECT_FALSE(VocalyneSoftBreaks::isSoftBreak(document, soft + 3));

    // Backspace over the real one, then over the soft break: that deletes
    // the blank, as it would without soft breaks.
    typeAt(soft + 4, Qt::Key_Backspace);
    text.remove(soft + 3, 1);
    EXPECT_EQ(edit->documentText(), text);
    typeAt(soft + 2, Qt::Key_Backspace);
    text.remove(soft + 1, 1);
    EXPECT_EQ(edit->documentText(), text);
    EXPECT_FALSE(VocalyneSoftBreaks::isSoftBreak(document, soft + 1));

    // Each step undoes to the text it followed.
    const QString typed = text;
    while (document->isUndoAvailable())
        document->undo();
    EXPECT_EQ(edit->documentText(), paragraph(20000));
    while (document->isRedoAvailable())
        document->redo();
    EXPECT_EQ(edit->documentText(), typed);
}

TEST_F(SoftBreaks, PiecesJoinedByBackspaceAndCutAgainUndoInOneStep)
{
    QString text = paragraph(20000);
    edit->setPlainText(text);
    edit->show();
    QTextDocument *document = edit->document();
    // Backspace over the soft breaks after one piece: the joined piece
    // soon grows too long and is cut again.
    int soft = softBreakFrom(document, 0);
    int cuts = 0;
    for (int join = 0; join < 4 && soft > 0; ++join) {
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(soft + 1);
        edit->setTextCursor(cursor);
        const QString before = edit->documentText();
        const QList<int> breaksBefore = softBreaks(document);
        QTest::keyClick(edit.get(), Qt::Key_Backspace);
        text.remove(soft, 1);
        ASSERT_EQ(edit->documentText(), text);
        if (softBreaks(document).size() >= breaksBefore.size())
            ++cuts;
        // One undo gives back the blank and the pieces as they were.
        document->undo();
        EXPECT_EQ(edit->documentText(), before);
        EXPECT_EQ(softBreaks(document), breaksBefore);
        document->redo();
        ASSERT_EQ(edit->documentText(), text);
        soft = softBreakFrom(document, soft);
    }
    EXPECT_GE(cuts, 1);
    EXPECT_LE(longestPiece(document), VocalyneSoftBreaks::MaxPiece);
}

TEST_F(SoftBreaks, AnEmptiedPieceGivesItsBlanksBackAndEnterThereIsARealLineBreak)
{
    QString text = paragraph(20000);
    edit->setPlainText(text);
    QTextDocument *document = edit->document();
    const int first = softBreakFrom(document, 0);
    const int second = softBreakFrom(document, first + 1);
    ASSERT_GT(second, first);

    // Exactly the text between two soft breaks goes: two blanks remain.
    removeRange(first + 1, second);
    text.remove(first + 1, second - first - 1);
    EXPECT_EQ(edit->documentText(), text);
    EXPECT_FALSE(VocalyneSoftBreaks::isSoftBreak(document, first));
    EXPECT_FALSE(VocalyneSoftBreaks::isSoftBreak(document, first + 1));

    edit->show();
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(first + 1);
    edit->setTextCursor(cursor);
    QTest::keyClick(edit.get(), Qt::Key_Return);
    text.insert(first + 1, u'\n');
    EXPECT_EQ(edit->documentText(), text);
    document->undo();
    document->undo();
    EXPECT_EQ(edit->documentText(), paragraph(20000));
    EXPECT_TRUE(VocalyneSoftBreaks::isSoftBreak(document, first));
    EXPECT_TRUE(VocalyneSoftBreaks::isSoftBreak(document, second));
}

TEST_F(SoftBreaks, AParagraphGrownPastTheLimitIsCutInTheSameUndoStep)
{
    // Just short enough, then keystrokes and a paste make it too long.
    const QString start = paragraph(VocalyneSoftBreaks::MaxPiece - 2);
    const QString typed = QStringLiteral("ab. cd");
    edit->setPlainText(start);
    QTextDocument *document = edit->document();
    EXPECT_EQ(VocalyneSoftBreaks::softBreakCount(document), 0);

    // Entities on both sides of the blank the first cut takes (the cut is
    // made when the third letter goes in).
    const QList<int> points = VocalyneSoftBreaks::breakPoints(start + typed.left(3));
    ASSERT_FALSE(points.isEmpty());
    const int cut = points.first();
    edit->addBookmark(cut - 6, cut);
    edit->addBookmark(cut + 1, cut + 8);
    edit->addElement(quint32(cut), QStringLiteral("pause"), QStringLiteral("500"));

    edit->show();
    QTextCursor cursor = edit->textCursor();
    cursor.movePosition(QTextCursor::End);
    edit->setTextCursor(cursor);
    QTest::keyClicks(edit.get(), typed);
    EXPECT_EQ(edit->documentText(), start + typed);
    EXPECT_TRUE(VocalyneSoftBreaks::isSoftBreak(document, cut));
    const int softBreaks = VocalyneSoftBreaks::softBreakCount(document);
    ASSERT_EQ(edit->bookmarks().size(), 2);
    EXPECT_EQ(edit->bookmarks().at(0).fromChar, quint32(cut - 6));
    EXPECT_EQ(edit->bookmarks().at(0).toChar, quint32(cut));
    EXPECT_EQ(edit->bookmarks().at(1).fromChar, quint32(cut + 1));
    EXPECT_EQ(edit->bookmarks().at(1).toChar, quint32(cut + 8));
    ASSERT_EQ(edit->elements().size(), 1);
    EXPECT_EQ(edit->elements().at(0).afterChar, quint32(cut));

    // No undo step takes back a cut alone, and none leaves a paragraph too
    // long uncut: the keystroke that made it too long undoes with the cut.
    QStringList states;
    while (document->isUndoAvailable()) {
        const QString before = edit->documentText();
        document->undo();
        const QString after = edit->documentText();
        EXPECT_NE(after, before) << "an undo step that changed only soft breaks";
        if (VocalyneSoftBreaks::softBreakCount(document) == 0) {
            EXPECT_LE(after.size(), VocalyneSoftBreaks::MaxPiece);
        }
        states.append(after);
    }
    EXPECT_EQ(edit->documentText(), start);
    while (document->isRedoAvailable())
        document->redo();
    EXPECT_EQ(edit->documentText(), start + typed);
    EXPECT_EQ(VocalyneSoftBreaks::softBreakCount(document), softBreaks);
    EXPECT_TRUE(VocalyneSoftBreaks::isSoftBreak(document, cut));
    EXPECT_EQ(edit->bookmarks().at(1).fromChar, quint32(cut + 1));
    EXPECT_EQ(edit->elements().at(0).afterChar, quint32(cut));

    // Text from an input method that makes a piece too long: the same (the
    // widget inserts it in an edit block of its own).
    {
        auto other = makeEditor();
        other->setPlainText(start);
        other->show();
        QTextCursor end = other->textCursor();
        end.movePosition(QTextCursor::End);
        other->setTextCursor(end);
        QInputMethodEvent composed;
        composed.setCommitString(typed);
        QApplication::sendEvent(other.get(), &composed);
        EXPECT_EQ(other->documentText(), start + typed);
        EXPECT_GT(VocalyneSoftBreaks::softBreakCount(other->document()), 0);
        other->document()->undo();
        EXPECT_EQ(other->documentText(), start);
        EXPECT_EQ(VocalyneSoftBreaks::softBreakCount(other->document()), 0);
    }

    // A long paste in the middle: cut, and one undo takes it all back.
    const QString pasted = paragraph(25000, 5);
    QApplication::clipboard()->setText(pasted);
    cursor.setPosition(100);
    edit->setTextCursor(cursor);
    edit->paste();
    QString expected = start + typed;
    expected.insert(100, pasted);
    EXPECT_EQ(edit->documentText(), expected);
    EXPECT_LE(longestPiece(document), VocalyneSoftBreaks::MaxPiece);
    EXPECT_EQ(edit->bookmarks().at(0).fromChar, quint32(cut - 6 + pasted.size()));
    document->undo();
    EXPECT_EQ(edit->documentText(), start + typed);
    EXPECT_EQ(VocalyneSoftBreaks::softBreakCount(document), softBreaks);
    EXPECT_EQ(edit->bookmarks().at(0).fromChar, quint32(cut - 6));
}

TEST_F(SoftBreaks, SpeechIsThatOfTheParagraphWithoutSoftBreaks)
{
    const QString text = paragraph(24000);
    edit->setPlainText(text);
    ASSERT_GT(VocalyneSoftBreaks::softBreakCount(edit->document()), 3);
    // A section and an element on each side of a soft break.
    const int soft = softBreakFrom(edit->document(), 0);
    VoiceComboUserData voice;
    voice.engineTypeId = 3;
    voice.voiceId = 0;
    voice.langId = 1033;
    edit->addSection(soft - 30, soft + 30, voice, QStringLiteral("English (America)"), 150, 100,
                     100, 0);
    edit->addElement(quint32(soft), QStringLiteral("pause"), QStringLiteral("500"));
    edit->addElement(quint32(soft + 1), QStringLiteral("pause"), QStringLiteral("300"));
    ASSERT_EQ(edit->sections().size(), 1);
    ASSERT_EQ(edit->elements().size(), 2);

    // The same document without an editor: its stored text, one paragraph.
    QVT2SDocument plain;
    plain.setContent(text);
    QByteArray bytes;
    {
        QTextStream stream(&bytes);
        edit->write(stream, text);
    }
    ASSERT_TRUE(plain.read(bytes));

    QSettings settings;
    VocalyneSpeechTextBuilder builder(&settings);
    SpeechTextSource source;
    source.plainText = edit->toPlainText();
    const SpeechText fromEditor = builder.buildSpeechText(*edit, source, false, false);
    source.plainText = text;
    const SpeechText fromFile = builder.buildSpeechText(plain, source, false, true);
    EXPECT_EQ(fromEditor.text, fromFile.text);
    EXPECT_EQ(fromEditor.insertionMap, fromFile.insertionMap);
    EXPECT_FALSE(fromEditor.text.contains(QChar::ParagraphSeparator));
    EXPECT_FALSE(fromEditor.text.contains(u'\n'));
}
