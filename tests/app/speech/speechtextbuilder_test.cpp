// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "../settings/scratchsettings.h"
#include "testdocument.h"
#include "vocalynespeechmarkup.h"
#include "vocalynespeechtextbuilder.h"

#include <gtest/gtest.h>

namespace {

using Map = QList<QPair<qint32, qint32>>;

const QString O3 = QStringLiteral(
    "<voice required=\"Name=Voice\"><rate absspeed=\"0\"><volume level=\"100\"><pitch absmiddle=\"0\">");
const QString C3 = QStringLiteral("</pitch></volume></rate></voice>");

qint32 len(const QString &s)
{
    return qint32(s.size());
}

class Builder : public ::testing::Test
{
protected:
    SpeechText whole(const QVT2SDocument &doc, const QString &text)
    {
        return builder.buildSpeechText(doc, {text, 0, 0, 0}, false, false);
    }
    SpeechText selection(const QVT2SDocument &doc, const QString &text, int anchor, int position)
    {
        return builder.buildSpeechText(doc, {text, anchor, position, position}, false, false);
    }
    SpeechText fromCursor(const QVT2SDocument &doc, const QString &text, int cursor)
    {
        return builder.buildSpeechText(doc, {text, cursor, cursor, cursor}, true, false);
    }

    ScratchSettings settings;
    VocalyneSpeechTextBuilder builder{&*settings};
};

} // namespace

TEST(SpeechMarkup, OpeningStringsPerEngineType)
{
    QVT2SSection s;
    s.engineTypeId = 3;
    s.voiceName = QStringLiteral("ATT DTNV1.4 Mike");
    s.speed = 200;
    s.volume = 80;
    s.pitch = 100;
    EXPECT_EQ(VocalyneSpeechMarkup::sectionOpening(s, 100),
              QStringLiteral("<voice required=\"Name=Mike\"><rate absspeed=\"6\"><volume "
                             "level=\"80\"><pitch absmiddle=\"0\">"));
    // Speed is relative to the document's; pitch is absolute.
    s.pitch = 50;
    EXPECT_TRUE(VocalyneSpeechMarkup::sectionOpening(s, 150).contains(
        QStringLiteral("absspeed=\"3\"><volume level=\"80\"><pitch absmiddle=\"-6\">")));

    s.engineTypeId = 1;
    s.voiceName = QStringLiteral("Kate");
    s.speed = 100;
    s.volume = 90;
    s.pitch = 90;
    EXPECT_EQ(VocalyneSpeechMarkup::sectionOpening(s, 100),
              QStringLiteral("<voice name=\"Kate\"><prosody rate=\"1.000000\" volume=\"90\" "
                             "pitch=\"-10%\">"));
    s.pitch = 100;
    s.speed = 35;
    EXPECT_TRUE(VocalyneSpeechMarkup::sectionOpening(s, 100).endsWith(
        QStringLiteral("rate=\"0.350000\" volume=\"90\" pitch=\"+0%\">")));

    s.engineTypeId = 4;
    s.speed = 120;
    s.volume = 80;
    s.pitch = 95;
    EXPECT_EQ(VocalyneSpeechMarkup::sectionOpening(s, 100),
              QStringLiteral("[[rate +20 ; volm 0.800000 ; pbas -5]]"));
    EXPECT_EQ(VocalyneSpeechMarkup::sectionClosing(4), QStringLiteral("\n\n[[rset 0]]"));
    EXPECT_EQ(VocalyneSpeechMarkup::sectionClosing(1), QStringLiteral("</prosody></voice>"));

    for (qint16 type : {qint16(-1), qint16(0), qint16(2), qint16(5)}) {
        s.engineTypeId = type;
        EXPECT_TRUE(VocalyneSpeechMarkup::sectionOpening(s, 100).isEmpty());
        EXPECT_TRUE(VocalyneSpeechMarkup::sectionClosing(type).isEmpty());
    }

    // A name with a quote or an ampersand stays inside its attribute.
    s.engineTypeId = 3;
    s.voiceName = QStringLiteral("A\"B&C");
    EXPECT_TRUE(VocalyneSpeechMarkup::sectionOpening(s, 100).startsWith(
        QStringLiteral("<voice required=\"Name=A&quot;B&amp;C\">")));
}

TEST(SpeechMarkup, SemitonesTruncateTowardZero)
{
    EXPECT_EQ(VocalyneSpeechMarkup::semitones(100), 0);
    EXPECT_EQ(VocalyneSpeechMarkup::semitones(200), 6);
    EXPECT_EQ(VocalyneSpeechMarkup::semitones(50), -6);
    EXPECT_EQ(VocalyneSpeechMarkup::semitones(150), 3);
    EXPECT_EQ(VocalyneSpeechMarkup::semitones(70), -3);
    EXPECT_EQ(VocalyneSpeechMarkup::semitones(112), 0);
    EXPECT_EQ(VocalyneSpeechMarkup::semitones(0), VocalyneSpeechMarkup::semitones(1));
    EXPECT_EQ(VocalyneSpeechMarkup::pitchPrefixLength(200), 21);
    EXPECT_EQ(VocalyneSpeechMarkup::pitchPrefixLength(70), 22);
}

TEST_F(Builder, PlainDocumentOnlyLosesItsTypographicQuotes)
{
    TestDocument doc;
    const QString text = QStringLiteral("\u201CHi,\u201D she said \u2018twice\u2019.");
    doc.section(0, 4, 3, {}, 100, 100, 100, false);
    doc.element(3, QStringLiteral("500"), false);
    doc.bookmark(0, 5, false);
    const SpeechText out = whole(doc, text);
    EXPECT_EQ(out.text, QStringLiteral("\"Hi,\" she said 'twice'."));
    EXPECT_TRUE(out.rangeMap.isEmpty());
    EXPECT_TRUE(out.insertionMap.isEmpty());
}

TEST_F(Builder, SelectionInsideASectionIsWrappedInItsVoice)
{
    TestDocument doc;
    const QString text = QStringLiteral("0123456789abcdef");
    doc.section(2, 12, 3);
    const SpeechText out = selection(doc, text, 9, 5); // backwards selection
    EXPECT_EQ(out.text, O3 + QStringLiteral("5678") + C3);
    EXPECT_EQ(out.rangeMap, (Map{{0, 5}}));
    EXPECT_EQ(out.insertionMap, (Map{{0, -len(O3)}, {len(O3) + 4, -len(C3)}}));

    // Reading from the cursor inside the section opens its voice first.
    const SpeechText cursor = fromCursor(doc, text, 7);
    EXPECT_EQ(cursor.text, O3 + QStringLiteral("789ab") + C3 + QStringLiteral("cdef"));
    EXPECT_EQ(cursor.rangeMap, (Map{{0, 7}}));
    EXPECT_EQ(cursor.insertionMap, (Map{{0, -len(O3)}, {len(O3) + 5, -len(C3)}}));
}

TEST_F(Builder, FromTheEndOfTheTextThereIsNothingToSay)
{
    TestDocument doc;
    const QString text = QStringLiteral("abc def");
    doc.section(4, 7, 3);
    doc.element(7, QStringLiteral("300"));
    for (int cursor : {7, 9}) {
        const SpeechText out = fromCursor(doc, text, cursor);
        EXPECT_TRUE(out.text.isEmpty());
        EXPECT_TRUE(out.insertionMap.isEmpty());
    }
    EXPECT_TRUE(whole(doc, QString()).text.isEmpty());
}

TEST_F(Builder, PauseTemplateFollowsTheGlobalEngineType)
{
    TestDocument doc;
    const QString text = QStringLiteral("One. Two.");
    doc.element(5, QStringLiteral("500"));
    const QList<QPair<qint16, QString>> expected = {
        {3, QStringLiteral("One. <silence msec=\"500\"/>Two.")},
        {1, QStringLiteral("One. <break time=\"500ms\"/>Two.")},
        {0, QStringLiteral("One. <vtml_pause time=\"500\"/>Two.")},
        {4, QStringLiteral("One. [[slnc 500]]Two.")},
        {7, QStringLiteral("One. Two.")},
    };
    for (const auto &[type, result] : expected) {
        doc.setGlobalEngineType(type);
        const SpeechText out = whole(doc, text);
        EXPECT_EQ(out.text, result) << type;
        EXPECT_EQ(out.insertionMap.size(), type == 7 ? 0 : 1);
    }

    // A type the catalogue does not know is dropped; the catalogue itself
    // is written on the way.
    doc.setGlobalEngineType(3);
    doc.elementList().clear();
    doc.element(5, QStringLiteral("9"), true, QStringLiteral("whisper"));
    EXPECT_EQ(whole(doc, text).text, text);
    EXPECT_TRUE(settings->contains(QStringLiteral("SpeechElements/pause/speechXML/3")));
}

TEST_F(Builder, ElementsAtTheRangeEnds)
{
    TestDocument doc;
    const QString text = QStringLiteral("abcdefgh");
    const QString p = QStringLiteral("<silence msec=\"1\"/>");
    doc.element(2, QStringLiteral("1"));
    doc.element(5, QStringLiteral("1"));
    // The selection [2, 5) takes both of its ends.
    EXPECT_EQ(selection(doc, text, 2, 5).text, p + QStringLiteral("cde") + p);

    // The whole text ends at its last character: a pause after it is left
    // out, one before it stays.
    doc.elementList().clear();
    doc.element(7, QStringLiteral("1"));
    doc.element(8, QStringLiteral("1"));
    const SpeechText out = whole(doc, text);
    EXPECT_EQ(out.text, QStringLiteral("abcdefg") + p + QStringLiteral("h"));
    EXPECT_EQ(out.insertionMap, (Map{{7, -len(p)}}));
}

TEST_F(Builder, ASectionEndingAtTheLastCharactersKeepsItsMarkupWhole)
{
    // A sentence pause right before the last character of a section that
    // runs to the end of the text belongs inside the section, not inside
    // its closing tags.
    TestDocument doc;
    const QString p = QStringLiteral("<silence msec=\"5\"/>");
    doc.section(0, 2, 3);
    doc.element(1, QStringLiteral("5"));
    SpeechText out = whole(doc, QStringLiteral("ab"));
    EXPECT_EQ(out.text, O3 + QStringLiteral("a") + p + QStringLiteral("b") + C3);
    EXPECT_EQ(out.insertionMap,
              (Map{{0, -len(O3)}, {len(O3) + 1, -len(p)}, {len(O3) + len(p) + 2, -len(C3)}}));

    // A section that stops one character short closes before that character.
    doc.sectionList().first().toChar = 1;
    doc.elementList().clear();
    out = whole(doc, QStringLiteral("ab"));
    EXPECT_EQ(out.text, O3 + QStringLiteral("a") + C3 + QStringLiteral("b"));
}

TEST_F(Builder, EqualPositionsMergeElementThenClosingThenOpening)
{
    TestDocument doc;
    const QString p = QStringLiteral("<silence msec=\"7\"/>");
    // Touching sections, as only a loaded file can have them.
    doc.section(0, 3, 3);
    doc.section(3, 6, 3);
    doc.element(3, QStringLiteral("7"));
    const SpeechText out = whole(doc, QStringLiteral("abcdef"));
    EXPECT_EQ(out.text, O3 + QStringLiteral("abc") + C3 + O3 + p + QStringLiteral("def") + C3);
    const qint32 o = len(O3), c = len(C3), e = len(p);
    EXPECT_EQ(out.insertionMap,
              (Map{{0, -o}, {o + 3, -e}, {o + e + 3, -c}, {o + e + c + 3, -o},
                   {2 * o + e + c + 6, -c}}));
}

TEST_F(Builder, EnabledBookmarksAreReadInListOrder)
{
    TestDocument doc;
    const QString text = QStringLiteral("0123456789ABCDEFGHIJ");
    doc.bookmark(0, 5);
    doc.bookmark(6, 8, false);
    doc.bookmark(10, 15);
    SpeechText out = whole(doc, text);
    EXPECT_EQ(out.text, QStringLiteral("01234ABCDE"));
    EXPECT_EQ(out.rangeMap, (Map{{0, 0}, {5, 5}}));
    EXPECT_TRUE(out.insertionMap.isEmpty());

    // Markup in the first fragment moves the start of the second one.
    doc.section(2, 4, 3);
    doc.element(12, QStringLiteral("1"));
    const QString p = QStringLiteral("<silence msec=\"1\"/>");
    out = whole(doc, text);
    EXPECT_EQ(out.text, QStringLiteral("01") + O3 + QStringLiteral("23") + C3 +
                            QStringLiteral("4AB") + p + QStringLiteral("CDE"));
    const qint32 o = len(O3), c = len(C3);
    EXPECT_EQ(out.rangeMap, (Map{{0, 0}, {5 + o + c, 5}}));
    EXPECT_EQ(out.insertionMap, (Map{{2, -o}, {4 + o, -c}, {7 + o + c, -len(p)}}));

    // Stored content is read instead of the editor's text when asked.
    doc.setStoredContent(QStringLiteral("abcdefghijklmnopqrst"));
    out = builder.buildSpeechText(doc, {text, 0, 0, 0}, false, true);
    EXPECT_TRUE(out.text.startsWith(QStringLiteral("ab") + O3 + QStringLiteral("cd")));
}

TEST_F(Builder, DamagedRecordsNeverPutMarkupInsideMarkup)
{
    TestDocument doc;
    const QString text = QStringLiteral("abcdefghij");
    // Overlapping and out of order, as a hand-edited file may have them.
    doc.section(3, 9, 4, {}, 100, 100, 100);
    doc.section(0, 6, 3);
    doc.section(8, 4, 3); // inverted: ignored
    doc.bookmark(5, 40);  // past the end: cut to the text
    doc.bookmark(30, 40); // nothing left of it
    doc.bookmark(0, 4);
    const QString o4 = QStringLiteral("[[rate +0 ; volm 1.000000 ; pbas +0]]");
    const QString c4 = QStringLiteral("\n\n[[rset 0]]");
    SpeechText out = whole(doc, text);
    // Both sections start before the first fragment: the later one's
    // opening goes in front.
    EXPECT_EQ(out.text, O3 + o4 + QStringLiteral("f") + C3 + QStringLiteral("ghi") + c4 +
                            QStringLiteral("j") + O3 + QStringLiteral("abc") + o4 +
                            QStringLiteral("d") + c4 + C3);
    EXPECT_EQ(out.rangeMap.size(), 2);

    doc.bookmarkList().clear();
    out = selection(doc, text, 2, 99);
    EXPECT_EQ(out.text, O3 + QStringLiteral("c") + o4 + QStringLiteral("def") + C3 +
                            QStringLiteral("ghi") + c4 + QStringLiteral("j"));
}
