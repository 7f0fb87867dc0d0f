// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneentityranges.h"
#include "vocalynepositiontracker.h"

#include <QRandomGenerator>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using Change = VocalynePositionTracker::Change;

// Spans followed twice: by text cursors of the document (the reference) and
// by the tracker's numbers moved through every reported change.
class Followed
{
public:
    explicit Followed(QTextDocument *document) : m_document(document)
    {
        // A document reports changes only once it has a layout.
        document->documentLayout();
        m_tracker.reset(document);
        QObject::connect(document, &QTextDocument::contentsChange, document,
                         [this](int from, int removed, int added) {
                             const QList<Change> changes =
                                 m_tracker.follow(m_document, from, removed, added);
                             for (const Change &change : changes)
                                 for (auto &[anchor, position] : m_numbers) {
                                     anchor = VocalynePositionTracker::move(anchor, change);
                                     position = VocalynePositionTracker::move(position, change);
                                 }
                         });
    }

    void add(int anchor, int position)
    {
        QTextCursor cursor(m_document);
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        m_cursors.push_back(cursor);
        m_numbers.push_back({quint32(anchor), quint32(position)});
    }

    void expectSame(const QString &step) const
    {
        for (size_t i = 0; i < m_cursors.size(); ++i) {
            EXPECT_EQ(int(m_numbers[i].first), m_cursors[i].anchor()) << step.toStdString()
                                                                      << " span " << i;
            EXPECT_EQ(int(m_numbers[i].second), m_cursors[i].position())
                << step.toStdString() << " span " << i;
        }
        EXPECT_EQ(m_tracker.text().size(), m_document->characterCount());
    }

private:
    QTextDocument *m_document;
    VocalynePositionTracker m_tracker;
    std::vector<QTextCursor> m_cursors;
    std::vector<std::pair<quint32, quint32>> m_numbers;
};

// Text never seen before (each character once), so that what an edit
// inserts shares no character with what it replaces.
QString freshText(QRandomGenerator &random, int length, bool lines)
{
    static char16_t next = 0x4e00;
    QString text;
    for (int i = 0; i < length; ++i)
        text.append(lines && random.bounded(4) == 0 ? QChar(u'\n') : QChar(next++));
    return text;
}

QString randomText(QRandomGenerator &random, int length, const char *alphabet)
{
    const int size = int(qstrlen(alphabet));
    QString text;
    for (int i = 0; i < length; ++i)
        text.append(QLatin1Char(alphabet[random.bounded(size)]));
    return text;
}

} // namespace

// Every single edit (typing, deleting forwards or backwards, typing over a
// selection, inserting several lines) moves each position exactly as a text
// cursor moves. Inserted text shares no character with the text it
// replaces, so what changed is unambiguous.
TEST(PositionTracker, SingleEditsMovePositionsAsTextCursorsDo)
{
    QRandomGenerator random(20261207);
    for (int round = 0; round < 20; ++round) {
        QTextDocument document;
        document.setPlainText(randomText(random, 300, "abcde fgh\n"));
        Followed followed(&document);
        const int length = document.characterCount() - 1;
        for (int i = 0; i < 40; ++i)
            followed.add(random.bounded(length + 1), random.bounded(length + 1));
        for (int step = 0; step < 40; ++step) {
            const int size = document.characterCount() - 1;
            const int a = random.bounded(size + 1);
            const int b = std::min(size, a + random.bounded(12));
            QTextCursor cursor(&document);
            const int kind = random.bounded(4);
            if (kind == 0) {
                cursor.setPosition(a);
                cursor.insertText(freshText(random, 1 + random.bounded(5), true));
            } else if (kind == 1 || kind == 2) {
                cursor.setPosition(kind == 1 ? a : b);
                cursor.setPosition(kind == 1 ? b : a, QTextCursor::KeepAnchor);
                cursor.removeSelectedText();
            } else {
                cursor.setPosition(a);
                cursor.setPosition(b, QTextCursor::KeepAnchor);
                cursor.insertText(freshText(random, random.bounded(6), false));
            }
            followed.expectSame(QStringLiteral("round %1 step %2 kind %3 at %4..%5")
                                    .arg(round)
                                    .arg(step)
                                    .arg(kind)
                                    .arg(a)
                                    .arg(b));
        }
    }
}

// One edit block with edits far apart is reported as one wide change; the
// text between them (and what lies on it) must not move as if replaced.
TEST(PositionTracker, AnEditBlockWithSeveralEditsMovesOnlyWhatEachEditTouched)
{
    //                                          0         1         2         3
    //                                          0123456789012345678901234567890123
    QTextDocument document(QStringLiteral("alpha beta gamma delta epsilon zeta"));
    Followed followed(&document);
    followed.add(0, 5);   // alpha
    followed.add(6, 10);  // beta: replaced
    followed.add(11, 16); // gamma, between the edits
    followed.add(8, 13);  // "ta ga": across the first edit's end
    followed.add(17, 22); // delta: replaced
    followed.add(14, 28); // across the second edit
    followed.add(23, 30); // epsilon, after both
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    cursor.setPosition(17);
    cursor.setPosition(22, QTextCursor::KeepAnchor);
    cursor.insertText(QStringLiteral("X"));
    cursor.setPosition(6);
    cursor.setPosition(10, QTextCursor::KeepAnchor);
    cursor.insertText(QStringLiteral("BE!"));
    cursor.endEditBlock();
    ASSERT_EQ(document.toPlainText(), QStringLiteral("alpha BE! gamma X epsilon zeta"));
    followed.expectSame(QStringLiteral("block"));
    // Its undo and redo are wide changes again.
    document.undo();
    followed.expectSame(QStringLiteral("undo"));
    document.redo();
    followed.expectSame(QStringLiteral("redo"));
}

TEST(PositionTracker, DifferenceFindsTheChangedStretchesOnly)
{
    // A word corrected in three places: three changes, last first.
    const QString before = QStringLiteral("teh cat and teh dog saw teh end");
    const QString after = QStringLiteral("the cat and the dog saw the end");
    const QList<Change> changes = VocalynePositionTracker::difference(before, after, 100);
    // (The "t" each keeps is not part of its change.)
    ASSERT_EQ(changes.size(), 3);
    EXPECT_EQ(changes.at(0).from, 100 + 25);
    EXPECT_EQ(changes.at(1).from, 100 + 13);
    EXPECT_EQ(changes.at(2).from, 100 + 1);
    for (const Change &change : changes) {
        EXPECT_EQ(change.removed, 2);
        EXPECT_EQ(change.added, 2);
    }
    // Equal text is no change; a difference too costly to find is one
    // replacement of the whole stretch between the equal ends.
    EXPECT_TRUE(VocalynePositionTracker::difference(before, before, 0).isEmpty());
    const QList<Change> whole = VocalynePositionTracker::difference(before, after, 0, 0);
    ASSERT_EQ(whole.size(), 1);
    EXPECT_EQ(whole.at(0).from, 1);
    EXPECT_EQ(whole.at(0).removed, before.size() - 1 - 4); // " end" is equal
    // Unrelated words keep no stray equal letter.
    const QList<Change> replaced =
        VocalynePositionTracker::difference(QStringLiteral("hello world"),
                                            QStringLiteral("goodbye friends"), 0);
    ASSERT_EQ(replaced.size(), 1);
    EXPECT_EQ(replaced.at(0).removed, 11);
    EXPECT_EQ(replaced.at(0).added, 15);
}

// A blank turned into a paragraph separator (as long paragraphs are cut
// for display) keeps every position, also at the blank itself.
TEST(PositionTracker, ABlankTurnedIntoAParagraphSeparatorMovesNothing)
{
    QTextDocument document(QStringLiteral("first part second part"));
    Followed followed(&document);
    followed.add(6, 10);  // "part", ends at the blank
    followed.add(11, 17); // "second", starts after it
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    cursor.setPosition(11);
    cursor.insertBlock();
    cursor.setPosition(10);
    cursor.setPosition(11, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.endEditBlock();
    ASSERT_EQ(document.blockCount(), 2);
    followed.expectSame(QStringLiteral("cut"));
}

// Ordered lists skip the entities before a change and only shift those
// after it; the result must be what looking at every entity gives.
TEST(PositionTracker, OrderedListsMoveAsIfEveryEntityWereLookedAt)
{
    QRandomGenerator random(7);
    for (int round = 0; round < 200; ++round) {
        QList<QVT2SSection> sections;
        QList<QVT2SElement> elements;
        quint32 from = 0;
        quint32 to = 0;
        for (int i = 0; i < 30; ++i) {
            from += quint32(random.bounded(4));
            to = std::max(to, from) + quint32(random.bounded(5)); // some empty
            QVT2SSection section;
            section.fromChar = from;
            section.toChar = to;
            sections.append(section);
            QVT2SElement element;
            element.afterChar = from + quint32(random.bounded(2));
            if (!elements.isEmpty())
                element.afterChar = std::max(element.afterChar, elements.last().afterChar);
            elements.append(element);
        }
        ASSERT_TRUE(VocalyneEntityRanges::rangesOrdered(sections));
        ASSERT_TRUE(VocalyneEntityRanges::elementsOrdered(elements));
        const Change change{random.bounded(int(to) + 1), random.bounded(6), random.bounded(6)};
        const QList<QVT2SSection> before = sections;
        QList<QVT2SSection> skipped = sections;
        QList<QVT2SElement> skippedElements = elements;
        const auto all = VocalynePositionTracker::moveRanges(sections, false, change);
        const auto some = VocalynePositionTracker::moveRanges(skipped, true, change);
        EXPECT_EQ(skipped, sections) << round;
        // (An empty range wholly before the change is left for a later one.)
        QList<int> touchedGone;
        for (int i : all.gone)
            if (before.at(i).toChar >= quint32(change.from))
                touchedGone.append(i);
        EXPECT_EQ(some.gone, touchedGone) << round;
        const auto allElements = VocalynePositionTracker::moveElements(elements, false, change);
        const auto someElements =
            VocalynePositionTracker::moveElements(skippedElements, true, change);
        EXPECT_EQ(skippedElements, elements) << round;
        EXPECT_EQ(someElements.gone, allElements.gone) << round;
    }
}
