// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Files are read as they stand, so a document may hold ranges that are
// inverted or run past its text. Nothing the model does may crash on them or
// touch records that do not belong to the operation.
#include "qvt2sdocument.h"
#include "recordingowner.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const QString Pause = QStringLiteral("pause");
constexpr quint32 MaxPosition = std::numeric_limits<quint32>::max();

QByteArray damagedFile()
{
    return QByteArrayLiteral(
        "<QVT2SDoc version=\"2.0.0\">"
        "<QVT2SGlobalVoice enginetypeid=\"3\" voicename=\"V\" voiceid=\"1\" langid=\"1033\""
        " pitch=\"100\" speed=\"100\" volume=\"100\" pause=\"670\" highlight=\"1\" isxml=\"1\"/>"
        "<QVT2SSpeechSections>"
        "<QVT2SSpeechSection fromchar=\"50\" tochar=\"10\" enginetypeid=\"3\" voicename=\"V\""
        " voiceid=\"1\" langid=\"1033\" pitch=\"100\" speed=\"100\" volume=\"100\" pause=\"300\""
        " enabled=\"1\"/>"
        "<QVT2SSpeechSection fromchar=\"5\" tochar=\"1000\" enginetypeid=\"3\" voicename=\"V\""
        " voiceid=\"1\" langid=\"1033\" pitch=\"100\" speed=\"100\" volume=\"100\" pause=\"300\""
        " enabled=\"1\"/>"
        "</QVT2SSpeechSections>"
        "<QVT2SSpeechElements>"
        "<QVT2SSpeechElement afterchar=\"9\" type=\"pause\" value=\"300\" enabled=\"1\"/>"
        "<QVT2SSpeechElement afterchar=\"4\" type=\"pause\" value=\"300\" enabled=\"1\"/>"
        "<QVT2SSpeechElement afterchar=\"2147483647\" type=\"pause\" value=\"300\""
        " enabled=\"1\"/>"
        "</QVT2SSpeechElements>"
        "<QVT2SSpeechBookmarks>"
        "<QVT2SSpeechBookmark fromchar=\"40\" tochar=\"30\" enabled=\"1\"/>"
        "</QVT2SSpeechBookmarks>"
        "<QVT2SContent>One. Two. Three.</QVT2SContent>"
        "</QVT2SDoc>");
}

class DamagedDocumentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(doc.read(damagedFile()));
        // Taken as they stand: file order, inverted and overlong ranges.
        ASSERT_EQ(doc.sections().size(), 2);
        ASSERT_EQ(doc.sections().at(0).fromChar, 50u);
        ASSERT_EQ(doc.elements().size(), 3);
        ASSERT_EQ(doc.elements().at(2).afterChar, 2147483647u);
        owner.text = doc.content();
        doc.setOwner(&owner);
    }

    RecordingOwner owner;
    QVT2SDocument doc;
};

TEST_F(DamagedDocumentTest, SectionTextIsClampedToTheDocument)
{
    EXPECT_TRUE(doc.sectionText(doc.sections().at(0)).isEmpty());
    EXPECT_EQ(doc.sectionText(doc.sections().at(1)), QStringLiteral("Two. Three."));
    QVT2SSection far;
    far.fromChar = MaxPosition - 1;
    far.toChar = MaxPosition;
    EXPECT_TRUE(doc.sectionText(far).isEmpty());
}

TEST_F(DamagedDocumentTest, SentencePauseOperationsTouchOnlyTextTheSectionReallyCovers)
{
    // The inverted section covers no text: its operations change nothing.
    const QList<QVT2SElement> before = doc.elements();
    doc.setSentencePausesEnabled(doc.sections().at(0), false);
    EXPECT_EQ(doc.elements(), before);
    EXPECT_TRUE(doc.removeSectionWithPauses(0));
    EXPECT_EQ(doc.elements(), before);

    // The overlong one works on the part inside the text: its one sentence
    // end is at 9; the element at 4 lies before it and stays enabled.
    doc.setSentencePausesEnabled(doc.sections().at(0), false);
    EXPECT_FALSE(doc.elements().at(0).enabled);
    EXPECT_TRUE(doc.elements().at(1).enabled);
    EXPECT_TRUE(doc.elements().at(2).enabled);
    EXPECT_TRUE(doc.removeSectionWithPauses(0));
    ASSERT_EQ(doc.elements().size(), 2);
    EXPECT_EQ(doc.elements().at(0).afterChar, 4u);
    EXPECT_TRUE(doc.sections().isEmpty());
}

TEST_F(DamagedDocumentTest, PositionsNearTheTopNeverWrapAround)
{
    doc.addSentencePauses(MaxPosition - 3, QStringLiteral("a. b. c. d"), QStringLiteral("1"));
    // Ends at offsets 2 and 5 and 8: only MaxPosition - 1 still fits.
    ASSERT_EQ(doc.elements().size(), 4);
    EXPECT_EQ(doc.elements().last().afterChar, MaxPosition - 1);
    EXPECT_EQ(doc.elements().first().afterChar, 4u); // sorted, nothing wrapped to the start

    doc.updateSentencePauses(MaxPosition - 3, QStringLiteral("a. b. c. d"), QStringLiteral("0"),
                             true);
    EXPECT_EQ(doc.elements().size(), 3);
    for (const QVT2SElement &e : doc.elements())
        EXPECT_LT(e.afterChar, MaxPosition - 1);
}

TEST_F(DamagedDocumentTest, ConflictChecksSeeInvertedRangesAsTheSpanTheyDescribe)
{
    doc.addSection(20, 25, VoiceComboUserData{}, QStringLiteral("V"), 100, 100, 100, 0);
    EXPECT_EQ(doc.sections().size(), 2); // inside [10, 50]
    doc.addBookmark(35, 36);
    EXPECT_EQ(doc.bookmarks().size(), 1); // inside [30, 40]
    ASSERT_EQ(owner.messages.size(), 1);

    // A real addition sorts the list it joins, the file's records included.
    doc.addSection(0, 3, VoiceComboUserData{}, QStringLiteral("V"), 100, 100, 100, 0);
    ASSERT_EQ(doc.sections().size(), 3);
    EXPECT_EQ(doc.sections().at(0).fromChar, 0u);
    EXPECT_EQ(doc.sections().at(1).fromChar, 5u);
    EXPECT_EQ(doc.sections().at(2).fromChar, 50u);
}

TEST(RangesConflict, IsInclusiveAndOrderFree)
{
    EXPECT_TRUE(QVT2SDocument::rangesConflict(10, 20, 20, 30));
    EXPECT_TRUE(QVT2SDocument::rangesConflict(20, 30, 10, 20));
    EXPECT_FALSE(QVT2SDocument::rangesConflict(10, 20, 21, 30));
    EXPECT_TRUE(QVT2SDocument::rangesConflict(0, MaxPosition, 5, 6));
    EXPECT_TRUE(QVT2SDocument::rangesConflict(20, 10, 12, 13));
    EXPECT_FALSE(QVT2SDocument::rangesConflict(20, 10, 21, 22));
}

TEST(NegativeSelection, IsClampedToTheStartOfTheText)
{
    RecordingOwner owner;
    owner.text = QStringLiteral("abc");
    QVT2SDocument doc;
    doc.setOwner(&owner);
    doc.addBookmark(-5, 2);
    ASSERT_EQ(doc.bookmarks().size(), 1);
    EXPECT_EQ(doc.bookmarks().at(0).fromChar, 0u);
    doc.addSection(-3, -1, VoiceComboUserData{}, QStringLiteral("V"), 1, 1, 1, 0);
    EXPECT_TRUE(doc.sections().isEmpty());
}

} // namespace
