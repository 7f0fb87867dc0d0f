// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "espeakvoicetoken.h"
#include "speechtextreader.h"
#include "textcodec.h"
#include "wordlocator.h"

#include <gtest/gtest.h>

#include <functional>

using namespace qvsp;

namespace {

std::vector<SpeechPiece> readAll(const std::u16string &text, bool xml)
{
    SpeechTextReader reader(text, xml);
    std::vector<SpeechPiece> pieces;
    SpeechPiece piece;
    while (reader.next(piece))
        pieces.push_back(piece);
    return pieces;
}

std::string spoken(const SpeechPiece &piece)
{
    return piece.utf8();
}

// The source text each code point of a piece came from, joined.
std::u16string sources(const std::u16string &text, const SpeechPiece &piece)
{
    std::u16string out;
    for (size_t i = 0; i < piece.codePoints.size(); ++i)
        out += text.substr(piece.starts[i], piece.ends[i] - piece.starts[i]);
    return out;
}

TEST(SpeechTextReaderTest, MarkupIsInterpretedNeverSpokenAndScoped)
{
    const std::u16string text =
        u"<pitch middle = '6'/>Hi <rate absspeed=\"3\"><volume level='40'>there"
        u"<pitch middle=\"2\">you</pitch> all</volume></rate> <emph>now</emph> end";
    const auto pieces = readAll(text, true);
    ASSERT_EQ(pieces.size(), 6u);
    EXPECT_EQ(spoken(pieces[0]), "Hi ");
    EXPECT_EQ(pieces[0].state.pitch, 6) << "an empty element holds for the rest of its scope";
    EXPECT_EQ(spoken(pieces[1]), "there");
    EXPECT_EQ(pieces[1].state.rate, 3);
    EXPECT_EQ(pieces[1].state.volume, 40);
    EXPECT_EQ(pieces[1].state.pitch, 6);
    EXPECT_EQ(spoken(pieces[2]), "you");
    EXPECT_EQ(pieces[2].state.pitch, 8) << "middle is relative to the enclosing pitch";
    EXPECT_EQ(pieces[2].state.rate, 3);
    EXPECT_EQ(spoken(pieces[3]), " all");
    EXPECT_EQ(pieces[3].state.pitch, 6) << "the end tag restores the outer pitch";
    EXPECT_EQ(pieces[3].state.volume, 40);
    EXPECT_EQ(spoken(pieces[4]), "now");
    EXPECT_TRUE(pieces[4].state.emphasis);
    EXPECT_EQ(pieces[4].state.rate, 0);
    EXPECT_EQ(pieces[4].state.volume, 100);
    EXPECT_EQ(spoken(pieces[5]), " end");
    EXPECT_FALSE(pieces[5].state.emphasis);
    EXPECT_EQ(pieces[5].state.pitch, 6);

    // Every spoken character points back at itself in the original text.
    for (const auto &piece : pieces)
        EXPECT_EQ(sources(text, piece), TextCodec::toUtf16(piece.utf8()));
    EXPECT_EQ(pieces[0].starts[0], 21u) << "positions count the markup before the text";
}

TEST(SpeechTextReaderTest, ReferencesDecodeToOneCharacterSpanningTheReference)
{
    const std::u16string text = u"AT&amp;T &lt;&#233;&#x3A9;&quot;&apos;&gt; &bogus; a&b";
    const auto pieces = readAll(text, true);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(spoken(pieces[0]), "AT&T <\u00e9\u03a9\"'> &bogus; a&b");
    const SpeechPiece &p = pieces[0];
    EXPECT_EQ(p.starts[2], 2u);
    EXPECT_EQ(p.ends[2], 7u) << "&amp; covers five units";
    EXPECT_EQ(p.starts[6], 13u);
    EXPECT_EQ(p.ends[6], 19u) << "&#233; covers six units";
}

TEST(SpeechTextReaderTest, SilenceBookmarkPronAndSpellBecomeTheirOwnPieces)
{
    const std::u16string text = u"One<silence msec=\"250\"/> two <bookmark mark=\"12ab\"/>three "
                                u"<pron sym=\"h eh 1 l ow\"> hello </pron> <spell>ab</spell>"
                                u"<unknown attr='1'>four</unknown>";
    const auto pieces = readAll(text, true);
    ASSERT_EQ(pieces.size(), 8u);
    EXPECT_EQ(spoken(pieces[0]), "One");
    EXPECT_FALSE(pieces[0].endsSentence) << "no sentence pause in the middle of a sentence";
    EXPECT_EQ(pieces[1].kind, SpeechPiece::Silence);
    EXPECT_EQ(pieces[1].silenceMs, 250);
    EXPECT_EQ(spoken(pieces[2]), " two ");
    EXPECT_EQ(pieces[3].kind, SpeechPiece::Bookmark);
    EXPECT_EQ(pieces[3].bookmark, u"12ab");
    EXPECT_EQ(spoken(pieces[4]), "three ");
    EXPECT_EQ(spoken(pieces[5]), "[[h'EloU]]");
    EXPECT_TRUE(pieces[5].phonemes);
    const size_t hello = text.find(u"hello");
    EXPECT_EQ(pieces[5].starts[0], hello) << "the pronunciation stands for the word it replaces";
    EXPECT_EQ(pieces[5].ends[0], hello + 5);
    EXPECT_EQ(spoken(pieces[6]), "a b") << "spelled letters are words of their own";
    EXPECT_EQ(pieces[6].starts[1], pieces[6].ends[1]) << "the inserted blank has no width";
    EXPECT_EQ(spoken(pieces[7]), "four") << "unknown elements are skipped, their text spoken";
    for (const auto &piece : pieces)
        EXPECT_FALSE(piece.phonemes && piece.kind != SpeechPiece::Text);
}

TEST(SpeechTextReaderTest, PlainTextSpeaksMarkupCharactersAsText)
{
    const std::u16string text = u"<pitch middle = '6'/>Hello &amp; bye";
    const auto pieces = readAll(text, false);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(TextCodec::toUtf16(spoken(pieces[0])), text);
}

TEST(SpeechTextReaderTest, BrokenMarkupIsReadAsText)
{
    const auto unclosed = readAll(u"a < b and c <d", true);
    ASSERT_EQ(unclosed.size(), 1u);
    EXPECT_EQ(spoken(unclosed[0]), "a < b and c <d");
    // An end tag with no start and an unclosed pron lose no text.
    const auto stray = readAll(u"x</rate>y<pron sym=''>z", true);
    std::string all;
    for (const auto &p : stray)
        all += spoken(p);
    EXPECT_EQ(all, "xyz");
}

TEST(SpeechTextReaderTest, LongTextComesInSentenceSizedPiecesCoveringAllOfIt)
{
    std::u16string text;
    for (int i = 0; text.size() < 12 * SpeechTextReader::kPreferredLength; ++i)
        text += u"This is sentence number " + TextCodec::toUtf16(std::to_string(i)) + u". ";
    // A run without any blank.
    text += std::u16string(5 * SpeechTextReader::kMaximumLength, u'x');
    const auto pieces = readAll(text, false);
    ASSERT_GE(pieces.size(), 10u);
    uint32_t expected = 0;
    for (const auto &piece : pieces) {
        EXPECT_LE(piece.codePoints.size(), 2 * SpeechTextReader::kMaximumLength);
        EXPECT_EQ(piece.starts.front(), expected) << "pieces follow each other without gaps";
        expected = piece.ends.back();
    }
    EXPECT_EQ(expected, text.size());
    EXPECT_TRUE(pieces.front().endsSentence);
    EXPECT_EQ(pieces.front().codePoints[pieces.front().codePoints.size() - 2], U'.');
}

TEST(SpeechTextReaderTest, VoiceElementSelectsTheVoiceByDescription)
{
    const auto pieces = readAll(u"<voice required=\"Name=espeak-ng German\">Hallo</voice> "
                                u"<voice required='Language=40C'>Salut</voice> "
                                u"<voice required='Name=No Such Voice'>x</voice>",
                                true);
    ASSERT_EQ(pieces.size(), 3u);
    ASSERT_TRUE(pieces[0].state.voice);
    EXPECT_EQ(pieces[0].state.voice->description(), "espeak-ng German");
    ASSERT_TRUE(pieces[1].state.voice);
    EXPECT_EQ(pieces[1].state.voice->languageId(), 0x040C);
    EXPECT_FALSE(pieces[2].state.voice) << "an unknown voice keeps the current one";
}

TEST(WordLocatorTest, APronunciationIsOneWordHoweverManyItsSynthesiserNames)
{
    // Mnemonics with blanks in them, all standing for "tomato" at 10..16.
    SpeechPiece piece;
    piece.phonemes = true;
    const std::u32string text = U"[[t ax 0 m aa]] now"; // "now" at 20..23 of the source
    for (uint32_t k = 0; k < text.size(); ++k) {
        piece.codePoints.push_back(text[k]);
        piece.starts.push_back(k < 15 ? 10 : 20 + k - 16);
        piece.ends.push_back(k < 15 ? 16 : 21 + k - 16);
    }
    WordLocator locator(piece);
    uint32_t start = 0;
    uint32_t length = 0;
    EXPECT_TRUE(locator.locate(3, start, length));
    EXPECT_EQ(start, 10u);
    EXPECT_EQ(length, 6u);
    EXPECT_FALSE(locator.locate(5, start, length));
    EXPECT_FALSE(locator.locate(10, start, length));
    EXPECT_TRUE(locator.locate(17, start, length)) << "the word after it is still reported";
    EXPECT_EQ(start, 20u);
    EXPECT_EQ(length, 3u);
}

TEST(WordLocatorTest, SynthesiserPositionsWidenToWholeWordsReportedOnce)
{
    const std::u16string text = u"'6'/>Hello e-mail ok... ===";
    const auto pieces = readAll(text, false);
    ASSERT_EQ(pieces.size(), 1u);
    WordLocator locator(pieces[0]);
    auto word = [&](int position) {
        uint32_t start = 0;
        uint32_t length = 0;
        if (!locator.locate(position, start, length))
            return std::u16string(u"-");
        return text.substr(start, length);
    };
    EXPECT_EQ(word(2), u"6");
    EXPECT_EQ(word(4), u"-") << "a mark read out between words is not a word";
    EXPECT_EQ(word(6), u"Hello");
    EXPECT_EQ(word(8), u"-") << "the same word again";
    EXPECT_EQ(word(12), u"e-mail");
    EXPECT_EQ(word(14), u"-");
    EXPECT_EQ(word(19), u"ok");
    EXPECT_EQ(word(25), u"===") << "punctuation spoken on its own is a word";
    EXPECT_EQ(word(1), u"-") << "never back to an earlier word";
}

TEST(SpeechTextReaderTest, EndTagsCloseTheirInnermostElementWithEverythingInsideIt)
{
    const std::u16string text = u"<rate speed='1'><pitch middle='2'><rate speed='1'>a</pitch>b"
                                u"</rate>c</rate>d</volume>e";
    const auto pieces = readAll(text, true);
    ASSERT_EQ(pieces.size(), 5u);
    EXPECT_EQ(spoken(pieces[0]), "a");
    EXPECT_EQ(pieces[0].state.rate, 2);
    EXPECT_EQ(pieces[0].state.pitch, 2);
    EXPECT_EQ(spoken(pieces[1]), "b") << "</pitch> ends the rate opened inside it too";
    EXPECT_EQ(pieces[1].state.rate, 1);
    EXPECT_EQ(pieces[1].state.pitch, 0);
    EXPECT_EQ(spoken(pieces[2]), "c") << "so </rate> ends the outer rate";
    EXPECT_EQ(pieces[2].state.rate, 0);
    EXPECT_EQ(spoken(pieces[3]), "d") << "an end tag with nothing open changes nothing";
    EXPECT_EQ(spoken(pieces[4]), "e");
}

TEST(SpeechTextReaderTest, HostileMarkupReadsToItsWordsAndCanBeAbandoned)
{
    // Many elements opened, others closed: every end tag misses.
    std::u16string opened;
    for (int i = 0; i < 100000; ++i)
        opened += u"<rate>";
    std::u16string closed;
    for (int i = 0; i < 100000; ++i)
        closed += u"</pitch>";
    const std::u16string text = opened + u"word" + closed + u" last";
    auto pieces = readAll(text, true);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(spoken(pieces[0]), "word");
    EXPECT_EQ(sources(text, pieces[0]), u"word");
    EXPECT_EQ(spoken(pieces[1]), " last");

    // Quoted values that never close inside their tag, and a '<' inside a
    // quoted value: no tag's reading runs on into the rest of the text.
    std::u16string quotes;
    for (int i = 0; i < 50000; ++i)
        quotes += u"<a k'=\" '>";
    pieces = readAll(quotes + u"<b title='x<y'>z", true);
    std::string all;
    for (const auto &piece : pieces)
        all += spoken(piece);
    EXPECT_EQ(all, "<b title='x<y'>z") << "a '<' inside a tag makes it text";

    // A stop while a long stretch of markup yields no piece ends the
    // reading at once.
    SpeechTextReader reader(text, true);
    int asked = 0;
    const std::function<bool()> cancelled = [&asked] { return ++asked > 0; };
    reader.setCancelCheck(&cancelled);
    SpeechPiece piece;
    EXPECT_FALSE(reader.next(piece));
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(reader.next(piece)) << "an abandoned text stays abandoned";
}

TEST(WordLocatorTest, WordsAfterTheLastNamedOneAreLeftForTheEnd)
{
    const std::u16string text = u"Yes it is, a row.";
    const auto pieces = readAll(text, false);
    ASSERT_EQ(pieces.size(), 1u);
    WordLocator locator(pieces[0]);
    uint32_t start = 0;
    uint32_t length = 0;
    ASSERT_TRUE(locator.locate(1, start, length));
    ASSERT_TRUE(locator.locate(5, start, length));
    EXPECT_EQ(text.substr(start, length), u"it");
    std::vector<std::u16string> rest;
    for (const auto &[from, size] : locator.remainingWords())
        rest.push_back(text.substr(from, size));
    EXPECT_EQ(rest, (std::vector<std::u16string>{u"is", u"a", u"row"}));
    EXPECT_TRUE(locator.remainingWords().empty()) << "each only once";

    // A piece the synthesiser named no word of leaves all of them.
    WordLocator silent(pieces[0]);
    EXPECT_EQ(silent.remainingWords().size(), 5u);

    // Words before the first one named come with it.
    WordLocator late(pieces[0]);
    ASSERT_TRUE(late.locate(12, start, length));
    EXPECT_EQ(text.substr(start, length), u"a");
    std::vector<std::u16string> before;
    for (const auto &[from, size] : late.skippedWords())
        before.push_back(text.substr(from, size));
    EXPECT_EQ(before, (std::vector<std::u16string>{u"Yes", u"it", u"is"}));

    // A pronunciation's phonemes all stand for the words they replace,
    // which are one range, reported once.
    const std::u16string pron = u"<pron sym='h eh 1 l ow w er 1 l d'>hello world</pron>";
    const auto pronPieces = readAll(pron, true);
    ASSERT_EQ(pronPieces.size(), 1u);
    WordLocator phonemes(pronPieces[0]);
    EXPECT_EQ(phonemes.remainingWords().size(), 1u);
}

TEST(SpeechTextReaderTest, AnyInputGivesPiecesWithinTheText)
{
    // Fragments that make for broken, nested and unusual markup.
    const std::u16string fragments[] = {
        u"<",
        u">",
        u"/>",
        u"</",
        u"&",
        u";",
        u"&#",
        u"&#x",
        u"1F600",
        u"&amp;",
        u"&#0;",
        u"&#99999999;",
        u"<pitch middle='",
        u"'",
        u"\"",
        u"<rate speed=\"-30\">",
        u"</rate>",
        u"<pron sym=\"",
        u"</pron>",
        u"<spell>",
        u"</spell>",
        u"<silence msec='",
        u"99999",
        u"<bookmark mark=",
        u"<!--",
        u"-->",
        u"<?x",
        u" ",
        u"\n",
        u"word",
        u"\u00e9t\u00e9",
        u"\xD800",
        u"\xDC00",
        u"\U0001F600",
        u".",
        u"=",
        u"<voice required='Name=",
    };
    uint32_t seed = 12345;
    auto random = [&seed](uint32_t below) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % below;
    };
    for (int round = 0; round < 3000; ++round) {
        std::u16string text;
        const uint32_t parts = random(40);
        for (uint32_t i = 0; i < parts; ++i)
            text += fragments[random(std::size(fragments))];
        for (const bool xml : {true, false}) {
            SpeechTextReader reader(text, xml);
            SpeechPiece piece;
            int guard = 0;
            while (reader.next(piece) && ++guard < 10000) {
                ASSERT_EQ(piece.starts.size(), piece.codePoints.size());
                ASSERT_EQ(piece.ends.size(), piece.codePoints.size());
                for (size_t k = 0; k < piece.codePoints.size(); ++k) {
                    ASSERT_LE(piece.starts[k], piece.ends[k]);
                    ASSERT_LE(piece.ends[k], text.size());
                }
                ASSERT_LE(piece.sourcePosition, text.size());
                WordLocator locator(piece);
                for (int position = 0; position <= int(piece.codePoints.size()) + 1; ++position) {
                    uint32_t start = 0;
                    uint32_t length = 0;
                    if (locator.locate(position, start, length)) {
                        ASSERT_LE(uint64_t(start) + length, text.size());
                    }
                }
                uint32_t end = 0;
                for (const auto &[start, length] : locator.remainingWords()) {
                    ASSERT_GE(start, end) << "left-over words come once, in order";
                    end = start + length;
                    ASSERT_LE(end, text.size());
                }
            }
            ASSERT_LT(guard, 10000) << "the reader always comes to an end";
        }
    }
}

} // namespace
