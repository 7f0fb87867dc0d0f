// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "qvt2sdocument.h"
#include "t2sxml.h"

#include <QIODevice>
#include <QTextStream>
#include <gtest/gtest.h>

#include <limits>

namespace {

QByteArray save(QVT2SDocument &doc, const QString &content)
{
    QByteArray bytes;
    {
        QTextStream stream(&bytes, QIODevice::WriteOnly);
        EXPECT_TRUE(doc.write(stream, content));
    }
    return bytes;
}

const QString Voice = QStringLiteral(
    "<QVT2SGlobalVoice enginetypeid=\"3\" voicename=\"V\" voiceid=\"1\" langid=\"1033\" "
    "pitch=\"90\" speed=\"110\" volume=\"80\" pause=\"400\" highlight=\"1\" isxml=\"0\"/>");

// A file with the given global voice and records; each container is left out
// when its argument is null.
QByteArray file(const QString &voice, const QString &sections = QString(),
                const QString &elements = QString(), const QString &bookmarks = QString(),
                const QString &content = QStringLiteral("<QVT2SContent>Text</QVT2SContent>"))
{
    auto container = [](const char *tag, const QString &inner) {
        if (inner.isNull())
            return QString();
        return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), inner);
    };
    return (QStringLiteral("<QVT2SDoc version=\"2.0.0\">") + voice +
            container("QVT2SSpeechSections", sections) +
            container("QVT2SSpeechElements", elements) +
            container("QVT2SSpeechBookmarks", bookmarks) + content + QStringLiteral("</QVT2SDoc>"))
        .toUtf8();
}

QString section(quint32 from, quint32 to)
{
    return QStringLiteral("<QVT2SSpeechSection fromchar=\"%1\" tochar=\"%2\" enginetypeid=\"3\" "
                          "voicename=\"S\" voiceid=\"2\" langid=\"-2\" pitch=\"1\" speed=\"2\" "
                          "volume=\"3\" pause=\"4\" enabled=\"1\"/>")
        .arg(from)
        .arg(to);
}

QString element(const QString &afterChar)
{
    return QStringLiteral(
               "<QVT2SSpeechElement afterchar=\"%1\" type=\"pause\" value=\"5\" enabled=\"1\"/>")
        .arg(afterChar);
}

const QString Empty = QStringLiteral("");

TEST(T2SFile, FullDocumentRoundTripsWithTheFileLayout)
{
    QVT2SDocument doc;
    doc.setEngineTypeId(-4);
    doc.setVoiceName(QStringLiteral("Ünïcødé <voice> & \"quotes\"\tname"));
    doc.setVoiceId(77);
    doc.setLangId(0xFFFE);
    doc.setPitch(-5);
    doc.setSpeed(250);
    doc.setVolume(0);
    doc.setPause(333);
    doc.setHighlight(true);
    doc.setIsXml(false);
    const QString text = QStringLiteral("Grüße, 日本語 <b>&amp; a < b && c > d\r\nline\ttab 😀.");
    doc.setContent(text);
    doc.addSection(0, 5, VoiceComboUserData{3, 9, 1031}, QStringLiteral("Élodie"), 120, 80, 95, 0);
    doc.addElement(3, QStringLiteral("pause"), QStringLiteral("250"));
    doc.addElement(3, QStringLiteral("text"), QStringLiteral("<x> & y"));
    doc.setElementEnabled(1, false);
    doc.addBookmark(2, 9);
    doc.addBookmark(20, 30);

    const QByteArray bytes = save(doc, text);
    EXPECT_TRUE(bytes.startsWith("<QVT2SDoc version=\"2.0.0\">\n <QVT2SGlobalVoice "));
    EXPECT_FALSE(bytes.contains("<?xml"));
    EXPECT_TRUE(bytes.contains("\n  <QVT2SSpeechSection ")); // one blank per level
    EXPECT_TRUE(bytes.contains(QStringLiteral("日本語").toUtf8()));
    const qsizetype order[] = {
        bytes.indexOf("<QVT2SGlobalVoice"), bytes.indexOf("<QVT2SSpeechSections"),
        bytes.indexOf("<QVT2SSpeechElements"), bytes.indexOf("<QVT2SSpeechBookmarks"),
        bytes.indexOf("<QVT2SContent")};
    EXPECT_TRUE(std::is_sorted(std::begin(order), std::end(order)));
    EXPECT_TRUE(bytes.contains("langid=\"-2\""));

    QVT2SDocument copy;
    copy.setVoiceId(1);
    copy.setLangId(1033);
    copy.setPause(670);
    ASSERT_TRUE(copy.read(bytes));
    EXPECT_EQ(copy.engineTypeId(), -4);
    EXPECT_EQ(copy.voiceName(), doc.voiceName());
    EXPECT_EQ(copy.pitch(), -5);
    EXPECT_EQ(copy.speed(), 250);
    EXPECT_EQ(copy.volume(), 0);
    EXPECT_TRUE(copy.highlight());
    EXPECT_FALSE(copy.isXml());
    // voiceid, langid and pause of the global voice are not taken from the file.
    EXPECT_EQ(copy.voiceId(), 1);
    EXPECT_EQ(copy.langId(), 1033);
    EXPECT_EQ(copy.pause(), 670);
    EXPECT_EQ(copy.sections(), doc.sections());
    EXPECT_EQ(copy.elements(), doc.elements());
    EXPECT_EQ(copy.bookmarks(), doc.bookmarks());
    EXPECT_EQ(copy.content(), text);
}

TEST(T2SFile, EmptyListsAreWrittenAndAFileNeedsEveryContainer)
{
    QVT2SDocument doc;
    doc.setVoiceName(QStringLiteral("V"));
    const QByteArray bytes = save(doc, QString());
    for (const char *tag :
         {"QVT2SSpeechSections", "QVT2SSpeechElements", "QVT2SSpeechBookmarks", "QVT2SContent"})
        EXPECT_TRUE(bytes.contains(tag)) << tag;
    QVT2SDocument copy;
    ASSERT_TRUE(copy.read(bytes));
    EXPECT_TRUE(copy.sections().isEmpty());
    EXPECT_TRUE(copy.content().isEmpty());

    EXPECT_TRUE(copy.read(file(Voice, Empty, Empty, Empty)));
    EXPECT_FALSE(copy.read(file(Voice, QString(), Empty, Empty)));
    EXPECT_FALSE(copy.read(file(Voice, Empty, QString(), Empty)));
    EXPECT_FALSE(copy.read(file(Voice, Empty, Empty, QString())));
    EXPECT_FALSE(copy.read(file(Voice, Empty, Empty, Empty, QString())));
}

TEST(T2SFile, LookupsNeedExactlyOneMatchAnywhereInTheTree)
{
    QVT2SDocument doc;
    EXPECT_FALSE(doc.read(file(Voice + Voice, Empty, Empty, Empty)));
    EXPECT_FALSE(doc.read(file(QString(), Empty, Empty, Empty)));
    EXPECT_FALSE(doc.read(file(QStringLiteral("<QVT2SGlobalVoice/>"), Empty, Empty, Empty)));
    EXPECT_FALSE(doc.read(file(Voice,
                               Empty + QStringLiteral("</QVT2SSpeechSections>"
                                                      "<QVT2SSpeechSections>"),
                               Empty, Empty)));

    // Another root name and version, and nesting, are accepted.
    QByteArray other =
        file(QStringLiteral("<wrap>") + Voice + QStringLiteral("</wrap>"),
             QStringLiteral("<g>") + section(1, 2) + QStringLiteral("</g>"), Empty, Empty);
    other.replace("QVT2SDoc version=\"2.0.0\"", "Other version=\"9\"");
    other.replace("</QVT2SDoc>", "</Other>");
    ASSERT_TRUE(doc.read(other));
    ASSERT_EQ(doc.sections().size(), 1);
    EXPECT_EQ(doc.sections().at(0).langId, 0xFFFE);
    EXPECT_EQ(doc.content(), QStringLiteral("Text"));
}

TEST(T2SFile, BadNumbersMakeTheWholeFileInvalid)
{
    const char *bad[] = {"1x",
                         "+5",
                         "",
                         " 5",
                         "5 ",
                         "0x10",
                         "-",
                         "1.0",
                         "٣",
                         "2147483648",
                         "99999999999999999999999999"};
    for (const char *value : bad) {
        QString voice = Voice;
        voice.replace(QStringLiteral("pitch=\"90\""),
                      QStringLiteral("pitch=\"%1\"").arg(QString::fromUtf8(value)));
        QVT2SDocument doc;
        EXPECT_FALSE(doc.read(file(voice, Empty, Empty, Empty))) << value;
    }
    QString voice = Voice;
    voice.replace(QStringLiteral("enginetypeid=\"3\""), QStringLiteral("enginetypeid=\"70000\""));
    QVT2SDocument doc;
    EXPECT_FALSE(doc.read(file(voice, Empty, Empty, Empty)));
    // A required attribute that is missing.
    voice = Voice;
    voice.remove(QStringLiteral("isxml=\"0\""));
    EXPECT_FALSE(doc.read(file(voice, Empty, Empty, Empty)));

    // Positions are signed 32-bit numbers in the file, but never negative.
    EXPECT_FALSE(doc.read(file(Voice, Empty, element(QStringLiteral("-1")), Empty)));
    EXPECT_FALSE(doc.read(file(Voice, Empty, element(QStringLiteral("2147483648")), Empty)));
    EXPECT_TRUE(doc.read(file(Voice, Empty, element(QStringLiteral("2147483647")), Empty)));
}

TEST(T2SFile, FlagsReadAnyNonZeroAndWriteOne)
{
    QString voice = Voice;
    voice.replace(QStringLiteral("highlight=\"1\""), QStringLiteral("highlight=\"2\""));
    voice.replace(QStringLiteral("isxml=\"0\""), QStringLiteral("isxml=\"-7\""));
    QVT2SDocument doc;
    ASSERT_TRUE(doc.read(file(voice, Empty, Empty, Empty)));
    EXPECT_TRUE(doc.highlight());
    EXPECT_TRUE(doc.isXml());
    const QByteArray bytes = save(doc, QString());
    EXPECT_TRUE(bytes.contains("highlight=\"1\""));
    EXPECT_TRUE(bytes.contains("isxml=\"1\""));
}

TEST(T2SFile, ListsAreReplacedOnlyByRecordsAndLaterFailuresKeepEarlierSteps)
{
    QVT2SDocument doc;
    ASSERT_TRUE(doc.read(file(Voice, section(1, 2), element(QStringLiteral("3")),
                              QStringLiteral("<QVT2SSpeechBookmark fromchar=\"0\" tochar=\"1\" "
                                             "enabled=\"0\"/>"))));
    ASSERT_EQ(doc.sections().size(), 1);

    // Empty containers leave the lists as they were.
    ASSERT_TRUE(doc.read(file(Voice, Empty, Empty, Empty)));
    EXPECT_EQ(doc.sections().size(), 1);
    EXPECT_EQ(doc.elements().size(), 1);
    EXPECT_EQ(doc.bookmarks().size(), 1);

    // Good sections, then a bad element: sections are already replaced, in
    // file order; elements and bookmarks stay untouched.
    EXPECT_FALSE(
        doc.read(file(Voice, section(9, 12) + section(4, 6),
                      element(QStringLiteral("7")) + element(QStringLiteral("x")), Empty)));
    ASSERT_EQ(doc.sections().size(), 2);
    EXPECT_EQ(doc.sections().at(0).fromChar, 9u);
    ASSERT_EQ(doc.elements().size(), 1);
    EXPECT_EQ(doc.elements().at(0).afterChar, 3u);
}

TEST(T2SFile, TextThatXmlCannotCarryStillSavesIntoAReadableFile)
{
    QVT2SDocument doc;
    doc.setVoiceName(QStringLiteral("V\x01oice"));
    const QString text = QStringLiteral("page\fbreak\x01") + QChar(0xD800) + QStringLiteral("x");
    QVT2SDocument copy;
    ASSERT_TRUE(copy.read(save(doc, text)));
    EXPECT_EQ(copy.content(), QStringLiteral("page break ") + QChar(QChar::ReplacementCharacter) +
                                  QStringLiteral("x"));
    EXPECT_EQ(copy.voiceName(), QStringLiteral("V oice"));

    const QString pair = QStringLiteral("😀");
    EXPECT_EQ(T2SXml::xmlSafe(pair), pair);
}

TEST(T2SFile, WhiteSpaceOnlyTextSurvives)
{
    QVT2SDocument doc;
    const QString text = QStringLiteral("  \n\t \r\n ");
    QVT2SDocument copy;
    copy.setContent(QStringLiteral("old"));
    ASSERT_TRUE(copy.read(save(doc, text)));
    EXPECT_EQ(copy.content(), text);
}

TEST(T2SFile, GarbageIsRejected)
{
    QVT2SDocument doc;
    const QByteArray valid = file(Voice, section(1, 2), Empty, Empty);
    EXPECT_FALSE(doc.read(QByteArray()));
    EXPECT_FALSE(doc.read(QByteArray("\x00\xff\xfe<<>>", 7)));
    EXPECT_FALSE(doc.read(valid.left(valid.size() / 2)));
    EXPECT_FALSE(doc.read(QByteArray("<!DOCTYPE a [<!ENTITY e \"&e;\">]><a>&e;</a>")));
}

TEST(T2SFile, DeepNestingIsTurnedAwayButModestWrappingIsRead)
{
    const QByteArray valid = file(Voice, Empty, Empty, Empty);
    QVT2SDocument doc;
    EXPECT_TRUE(
        doc.read(QByteArray("<a>").repeated(200) + valid + QByteArray("</a>").repeated(200)));
    // Without a limit the parser would take minutes over this.
    const int depth = 100000;
    EXPECT_FALSE(
        doc.read(QByteArray("<a>").repeated(depth) + valid + QByteArray("</a>").repeated(depth)));
}

} // namespace
