// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "qvt2sdocument.h"
#include "recordingowner.h"

#include <QSettings>
#include <gtest/gtest.h>

namespace {

const QString Pause = QStringLiteral("pause");

class DocumentTest : public ::testing::Test
{
protected:
    void SetUp() override { doc.setOwner(&owner); }

    void addSection(int from, int to, qint32 pause = 0)
    {
        doc.addSection(from, to, VoiceComboUserData{3, 7, 1033}, QStringLiteral("Voice"), 100, 90,
                       80, pause);
    }

    QList<quint32> elementPositions() const
    {
        QList<quint32> positions;
        for (const QVT2SElement &e : doc.elements())
            positions.append(e.afterChar);
        return positions;
    }

    RecordingOwner owner;
    QVT2SDocument doc;
};

TEST_F(DocumentTest, BookmarksThatTouchConflictButNeighboursDoNot)
{
    doc.addBookmark(20, 10); // selected backwards
    ASSERT_EQ(doc.bookmarks().size(), 1);
    EXPECT_EQ(doc.bookmarks().at(0).fromChar, 10u);
    EXPECT_EQ(doc.bookmarks().at(0).toChar, 20u);
    EXPECT_TRUE(doc.bookmarks().at(0).enabled);
    EXPECT_EQ(owner.refreshes, 1);

    doc.addBookmark(20, 30);
    EXPECT_EQ(doc.bookmarks().size(), 1);
    ASSERT_EQ(owner.messages.size(), 1);
    EXPECT_EQ(owner.messages.at(0).kind, QVT2SDocumentOwner::MessageKind::Warning);
    EXPECT_EQ(owner.messages.at(0).title, QStringLiteral("Error"));
    EXPECT_TRUE(owner.messages.at(0).text.startsWith(
        QStringLiteral("Embedding a speech entity within another speech entity")));
    EXPECT_EQ(owner.refreshes, 1);

    doc.addBookmark(21, 30);
    doc.addBookmark(0, 9);
    ASSERT_EQ(doc.bookmarks().size(), 3);
    EXPECT_EQ(doc.bookmarks().at(0).fromChar, 0u);
    EXPECT_EQ(doc.bookmarks().at(2).fromChar, 21u);
    EXPECT_EQ(owner.messages.size(), 1);

    // A bookmark wrapping an existing one conflicts too.
    doc.addBookmark(5, 40);
    EXPECT_EQ(doc.bookmarks().size(), 3);
}

TEST_F(DocumentTest, ARangeWhollyEnclosingAnExistingOneIsRefused)
{
    // Nothing else near: only the enclosure itself can refuse these.
    owner.text = QString(100, QLatin1Char('x'));
    doc.addBookmark(10, 20);
    doc.addBookmark(5, 40);
    doc.addBookmark(40, 5);
    ASSERT_EQ(doc.bookmarks().size(), 1);
    EXPECT_EQ(doc.bookmarks().at(0).fromChar, 10u);
    EXPECT_EQ(doc.bookmarks().at(0).toChar, 20u);
    EXPECT_EQ(owner.messages.size(), 2); // the embedding warning, each time

    addSection(10, 20);
    addSection(5, 40);
    addSection(40, 5);
    ASSERT_EQ(doc.sections().size(), 1);
    EXPECT_EQ(doc.sections().at(0).fromChar, 10u);
    EXPECT_EQ(doc.sections().at(0).toChar, 20u);
    // And enclosed the other way round, for both kinds.
    doc.addBookmark(12, 18);
    addSection(12, 18);
    EXPECT_EQ(doc.bookmarks().size(), 1);
    EXPECT_EQ(doc.sections().size(), 1);
}

TEST_F(DocumentTest, EmptySelectionIsRefusedWithItsMessage)
{
    doc.addBookmark(4, 4);
    addSection(6, 6);
    EXPECT_TRUE(doc.bookmarks().isEmpty());
    EXPECT_TRUE(doc.sections().isEmpty());
    ASSERT_EQ(owner.messages.size(), 2);
    EXPECT_EQ(owner.messages.at(0).kind, QVT2SDocumentOwner::MessageKind::Critical);
    EXPECT_EQ(owner.messages.at(0).text,
              QStringLiteral("Please select a text fragment before bookmarking."));
    EXPECT_EQ(owner.messages.at(1).text,
              QStringLiteral("Please select a text fragment before creating a speech section."));
    EXPECT_EQ(owner.refreshes, 0);
}

TEST_F(DocumentTest, SectionsSortAndRefuseConflictsSilentlyButMayOverlapBookmarks)
{
    owner.text = QString(100, QLatin1Char('x'));
    doc.addBookmark(0, 50);
    addSection(60, 70);
    addSection(10, 20); // inside the bookmark: another kind, allowed
    addSection(40, 30);
    addSection(70, 80); // touches [60, 70]
    ASSERT_EQ(doc.sections().size(), 3);
    EXPECT_EQ(doc.sections().at(0).fromChar, 10u);
    EXPECT_EQ(doc.sections().at(1).fromChar, 30u);
    EXPECT_EQ(doc.sections().at(1).toChar, 40u);
    EXPECT_EQ(doc.sections().at(2).fromChar, 60u);
    EXPECT_TRUE(owner.messages.isEmpty());

    const QVT2SSection &s = doc.sections().at(0);
    EXPECT_EQ(s.engineTypeId, 3);
    EXPECT_EQ(s.voiceId, 7);
    EXPECT_EQ(s.langId, 1033);
    EXPECT_EQ(s.voiceName, QStringLiteral("Voice"));
    EXPECT_EQ(s.speed, 100);
    EXPECT_EQ(s.volume, 90);
    EXPECT_EQ(s.pitch, 80);
    EXPECT_TRUE(s.enabled);

    // And a bookmark over a section.
    doc.addBookmark(60, 75);
    EXPECT_EQ(doc.bookmarks().size(), 2);
}

TEST_F(DocumentTest, ElementsKeepInsertionOrderAtOnePositionAndSkipExactDuplicates)
{
    doc.addElement(5, Pause, QStringLiteral("300"));
    doc.addElement(2, Pause, QStringLiteral("100"));
    doc.addElement(5, QStringLiteral("emph"), QString());
    doc.addElement(5, Pause, QStringLiteral("200"));
    doc.addElement(5, Pause, QStringLiteral("300")); // exact duplicate
    ASSERT_EQ(doc.elements().size(), 4);
    EXPECT_EQ(doc.elements().at(0).afterChar, 2u);
    EXPECT_EQ(doc.elements().at(1).value, QStringLiteral("300"));
    EXPECT_EQ(doc.elements().at(2).type, QStringLiteral("emph"));
    EXPECT_EQ(doc.elements().at(3).value, QStringLiteral("200"));
    EXPECT_EQ(owner.refreshes, 4);

    // A disabled twin is not an exact duplicate of the new, enabled element.
    doc.setElementEnabled(0, false);
    doc.addElement(2, Pause, QStringLiteral("100"));
    EXPECT_EQ(doc.elements().size(), 5);
}

TEST_F(DocumentTest, SectionWithPauseAddsPausesAtSentenceEndsOnly)
{
    owner.text = QStringLiteral("Abcd efg. hi. jkl.");
    ASSERT_EQ(owner.text.size(), 18);
    addSection(0, 18, 300);
    ASSERT_EQ(doc.sections().size(), 1);
    ASSERT_EQ(elementPositions(), (QList<quint32>{9, 13}));
    for (const QVT2SElement &e : doc.elements()) {
        EXPECT_EQ(e.type, Pause);
        EXPECT_EQ(e.value, QStringLiteral("300"));
        EXPECT_TRUE(e.enabled);
    }
    EXPECT_EQ(owner.refreshes, 1);
}

TEST_F(DocumentTest, SentenceEndsNeedWhiteSpaceAfterTheStop)
{
    EXPECT_EQ(QVT2SDocument::sentenceEnds(QStringLiteral("a.\rb.\tc.\nd.e...  f.")),
              (QList<int>{2, 5, 8, 15}));
    EXPECT_TRUE(QVT2SDocument::sentenceEnds(QString()).isEmpty());
    EXPECT_TRUE(QVT2SDocument::sentenceEnds(QStringLiteral(".")).isEmpty());

    // Positions are offsets into the document, not into the section's text.
    doc.addSentencePauses(100, QStringLiteral("x. y. z"), QStringLiteral("250"));
    EXPECT_EQ(elementPositions(), (QList<quint32>{102, 105}));
    // Running it again adds nothing and does not refresh.
    const int refreshes = owner.refreshes;
    doc.addSentencePauses(100, QStringLiteral("x. y. z"), QStringLiteral("250"));
    EXPECT_EQ(doc.elements().size(), 2);
    EXPECT_EQ(owner.refreshes, refreshes);
}

TEST_F(DocumentTest, SentencePausesFollowTheirSection)
{
    owner.text = QStringLiteral("One. Two. Three.");
    addSection(0, 16, 400);
    doc.addElement(4, Pause, QStringLiteral("999")); // the user's own, same position
    doc.addElement(4, QStringLiteral("emph"), QString());
    const QVT2SSection section = doc.sections().at(0);

    doc.setSentencePausesEnabled(section, false);
    for (const QVT2SElement &e : doc.elements())
        EXPECT_EQ(e.enabled, e.value != QStringLiteral("400")) << e.afterChar;

    doc.updateSentencePauses(section.fromChar, doc.sectionText(section), QStringLiteral("250"),
                             false);
    // The first pause at each sentence end gets the new value, whatever its value was.
    ASSERT_EQ(doc.elements().size(), 4);
    EXPECT_EQ(doc.elements().at(0).value, QStringLiteral("250"));
    EXPECT_EQ(doc.elements().at(1).value, QStringLiteral("999"));
    EXPECT_EQ(doc.elements().at(3).value, QStringLiteral("250"));

    doc.updateSentencePauses(section.fromChar, doc.sectionText(section), QStringLiteral("0"),
                             false);
    ASSERT_EQ(doc.elements().size(), 2);
    EXPECT_EQ(doc.elements().at(0).value, QStringLiteral("999"));
    EXPECT_EQ(doc.elements().at(1).type, QStringLiteral("emph"));
}

TEST_F(DocumentTest, RemovingSeveralIndexesRemovesExactlyThose)
{
    for (int i = 0; i < 5; ++i)
        doc.addBookmark(i * 10, i * 10 + 5);
    EXPECT_EQ(doc.removeBookmarks({3, 1, 3, 17, -1}), 2);
    ASSERT_EQ(doc.bookmarks().size(), 3);
    EXPECT_EQ(doc.bookmarks().at(0).fromChar, 0u);
    EXPECT_EQ(doc.bookmarks().at(1).fromChar, 20u);
    EXPECT_EQ(doc.bookmarks().at(2).fromChar, 40u);

    EXPECT_FALSE(doc.removeBookmark(3));
    EXPECT_FALSE(doc.setBookmarkEnabled(-1, false));
    EXPECT_TRUE(doc.setBookmarkEnabled(2, false));
    EXPECT_FALSE(doc.bookmarks().at(2).enabled);
}

TEST_F(DocumentTest, DeletingASectionTakesOnlyItsOwnPauses)
{
    owner.text = QStringLiteral("Aa. Bb. Cc. Dd. Ee.");
    addSection(0, 8, 300);
    addSection(12, 19, 300);
    doc.addElement(3, QStringLiteral("emph"), QString());
    ASSERT_EQ(elementPositions(), (QList<quint32>{3, 3, 7, 15}));

    EXPECT_TRUE(doc.removeSectionWithPauses(0));
    ASSERT_EQ(doc.sections().size(), 1);
    EXPECT_EQ(doc.sections().at(0).fromChar, 12u);
    EXPECT_EQ(elementPositions(), (QList<quint32>{3, 15}));
    EXPECT_EQ(doc.elements().at(0).type, QStringLiteral("emph"));
    EXPECT_FALSE(doc.removeSectionWithPauses(1));
}

TEST_F(DocumentTest, ElementAtWordEndGoesOnTheNextBlank)
{
    owner.text = QStringLiteral("Hello world again");
    owner.cursor = 2;
    doc.addElementAtWordEnd(Pause, QStringLiteral("500"));
    doc.addElementAtWordEnd(Pause, QStringLiteral("500"));
    doc.addElementAtWordEnd(Pause, QStringLiteral("500")); // no blank left
    EXPECT_EQ(elementPositions(), (QList<quint32>{5, 11}));
}

TEST_F(DocumentTest, EditedSectionKeepsItsPlace)
{
    owner.text = QString(60, QLatin1Char('x'));
    addSection(10, 20);
    addSection(30, 40);
    QVT2SSection edited = doc.sections().at(1);
    edited.voiceName = QStringLiteral("Other");
    EXPECT_TRUE(doc.replaceSection(1, edited));
    EXPECT_FALSE(doc.replaceSection(2, edited));
    EXPECT_EQ(doc.sections().at(1), edited);
    EXPECT_EQ(doc.sectionText(edited), QString(10, QLatin1Char('x')));
}

TEST(DocumentWithoutOwner, WorksOnItsStoredContent)
{
    QVT2SDocument doc;
    doc.setContent(QStringLiteral("A. B."));
    EXPECT_EQ(doc.documentText(), QStringLiteral("A. B."));
    doc.addBookmark(1, 1); // message dropped
    doc.addElementAtWordEnd(Pause, QStringLiteral("1"));
    EXPECT_TRUE(doc.bookmarks().isEmpty());
    EXPECT_TRUE(doc.elements().isEmpty());
    doc.addSection(0, 5, VoiceComboUserData{}, QStringLiteral("V"), 1, 1, 1, 50);
    ASSERT_EQ(doc.elements().size(), 1);
    EXPECT_EQ(doc.elements().at(0).afterChar, 2u);
}

class DefaultSpeechValuesTest : public ::testing::Test
{
protected:
    void SetUp() override { QSettings().remove(QStringLiteral("DefaultSpeechValues")); }
    void TearDown() override { QSettings().remove(QStringLiteral("DefaultSpeechValues")); }

    static void setValue(const char *name, const QVariant &value)
    {
        QSettings().setValue(QStringLiteral("DefaultSpeechValues/") + QLatin1String(name), value);
    }
};

TEST_F(DefaultSpeechValuesTest, MissingKeysFailButKeepWhatWasRead)
{
    QVT2SDocument doc;
    EXPECT_FALSE(doc.loadDefaultSpeechValues());
    EXPECT_EQ(doc.engineTypeId(), -2);
    EXPECT_EQ(doc.voiceId(), -2);
    EXPECT_EQ(doc.pause(), -2);
    EXPECT_TRUE(doc.voiceName().isEmpty());
    EXPECT_FALSE(doc.highlight());
    EXPECT_FALSE(doc.isXml());

    setValue("voiceEngineTypeId", 3);
    setValue("voiceName", QStringLiteral("English"));
    setValue("voiceId", 4);
    setValue("pitch", 90);
    setValue("speed", 110);
    setValue("volume", 80);
    setValue("highlight", 1);
    // sentPause still missing
    EXPECT_FALSE(doc.loadDefaultSpeechValues());
    EXPECT_EQ(doc.engineTypeId(), 3);
    EXPECT_EQ(doc.speed(), 110);
    EXPECT_TRUE(doc.highlight());

    setValue("sentPause", 670);
    setValue("isXml", 1);
    EXPECT_TRUE(doc.loadDefaultSpeechValues()); // langId is not required
    EXPECT_EQ(doc.pause(), 670);
    EXPECT_TRUE(doc.isXml());
    EXPECT_EQ(doc.voiceName(), QStringLiteral("English"));

    setValue("langId", 1031);
    EXPECT_TRUE(doc.loadDefaultSpeechValues());
    EXPECT_EQ(doc.langId(), 1031);

    setValue("voiceName", QString());
    EXPECT_FALSE(doc.loadDefaultSpeechValues());
}

TEST(PickVoice, ResetsProsodyButKeepsTheLanguage)
{
    QVT2SDocument doc;
    doc.setLangId(2057);
    doc.setPitch(40);
    doc.setSpeed(250);
    doc.setVolume(10);
    doc.setPause(5);
    doc.setIsXml(false);
    doc.setHighlight(true);
    doc.pickVoice(VoiceComboUserData{3, 12, 1036}, QStringLiteral("French"));
    EXPECT_EQ(doc.engineTypeId(), 3);
    EXPECT_EQ(doc.voiceId(), 12);
    EXPECT_EQ(doc.voiceName(), QStringLiteral("French"));
    EXPECT_EQ(doc.langId(), 2057);
    EXPECT_EQ(doc.pitch(), 100);
    EXPECT_EQ(doc.speed(), 100);
    EXPECT_EQ(doc.volume(), 100);
    EXPECT_EQ(doc.pause(), 670);
    EXPECT_TRUE(doc.isXml());
    EXPECT_TRUE(doc.highlight());
}

} // namespace
