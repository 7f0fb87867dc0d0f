// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The streaming reader and writer against the DOM-based ones they replaced:
// on generated, damaged and mutated files both readers must give the same
// result and leave the document in the same state, and both writers must
// write the same file (up to the order of attributes, which the DOM writer
// takes from a hash).
#include "domreferencedocument.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTextStream>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Everything read() may change, as text, so that a mismatch shows where.
QString state(const QVT2SDocument &doc)
{
    QString out = QStringLiteral("voice %1|%2|%3|%4|%5|%6|%7|%8|%9")
                      .arg(doc.engineTypeId())
                      .arg(doc.voiceName())
                      .arg(doc.voiceId())
                      .arg(doc.langId())
                      .arg(doc.pitch())
                      .arg(doc.speed())
                      .arg(doc.volume())
                      .arg(doc.pause())
                      .arg(doc.highlight());
    out += QStringLiteral("|%1\ncontent [%2]\n").arg(doc.isXml()).arg(doc.content());
    for (const QVT2SSection &s : doc.sections())
        out += QStringLiteral("section %1-%2 %3 [%4] %5 %6 %7 %8 %9 %10 %11\n")
                   .arg(s.fromChar)
                   .arg(s.toChar)
                   .arg(s.engineTypeId)
                   .arg(s.voiceName)
                   .arg(s.voiceId)
                   .arg(s.langId)
                   .arg(s.pitch)
                   .arg(s.speed)
                   .arg(s.volume)
                   .arg(s.pause)
                   .arg(s.enabled);
    for (const QVT2SElement &e : doc.elements())
        out += QStringLiteral("element %1 [%2] [%3] %4\n")
                   .arg(e.afterChar)
                   .arg(e.type, e.value)
                   .arg(e.enabled);
    for (const QVT2SBookmark &b : doc.bookmarks())
        out += QStringLiteral("bookmark %1-%2 %3\n").arg(b.fromChar).arg(b.toChar).arg(b.enabled);
    return out;
}

// Both documents start from the same state with records in every list, so
// that lists left alone and lists replaced tell apart.
void prime(QVT2SDocument &doc)
{
    static const QByteArray base = QByteArrayLiteral(
        "<QVT2SDoc><QVT2SGlobalVoice enginetypeid=\"7\" voicename=\"Base\" pitch=\"11\""
        " speed=\"12\" volume=\"13\" highlight=\"0\" isxml=\"1\"/><QVT2SSpeechSections>"
        "<QVT2SSpeechSection fromchar=\"1\" tochar=\"2\" enginetypeid=\"3\" voicename=\"S\""
        " voiceid=\"4\" langid=\"5\" pitch=\"6\" speed=\"7\" volume=\"8\" pause=\"9\""
        " enabled=\"1\"/></QVT2SSpeechSections><QVT2SSpeechElements><QVT2SSpeechElement"
        " afterchar=\"3\" type=\"t\" value=\"v\" enabled=\"0\"/></QVT2SSpeechElements>"
        "<QVT2SSpeechBookmarks><QVT2SSpeechBookmark fromchar=\"4\" tochar=\"5\" enabled=\"1\"/>"
        "</QVT2SSpeechBookmarks><QVT2SContent>base</QVT2SContent></QVT2SDoc>");
    ASSERT_TRUE(doc.read(base));
    doc.setVoiceId(21);
    doc.setLangId(1033);
    doc.setPause(670);
}

class Generator
{
public:
    explicit Generator(quint32 seed) : m_rng(seed) {}

    int below(int n) { return int(m_rng.bounded(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T> T pick(std::initializer_list<T> items)
    {
        return *(items.begin() + below(int(items.size())));
    }

    /// A file much like a real one, now and then with a fault or an oddity.
    QByteArray file()
    {
        m_entities = chance(15);
        QString text;
        if (chance(5))
            text += QStringLiteral("<?xml version=\"1.0\"?>\n");
        if (chance(5))
            text += QStringLiteral("<!-- made by hand -->\n");
        if (m_entities)
            text += QStringLiteral("<!DOCTYPE QVT2SDoc [<!ENTITY e \"one &#38;amp; two\">"
                                   "<!ENTITY ws \"  \"><!ENTITY ext SYSTEM \"ext.txt\">"
                                   "<!ATTLIST QVT2SSpeechBookmark enabled CDATA \"1\">"
                                   "<!ATTLIST QVT2SGlobalVoice pause CDATA \"5\">]>\n");
        if (chance(2))
            text += QStringLiteral("<!DOCTYPE other>");
        if (chance(3))
            text += QStringLiteral("<?tool run?>");
        const QString root = chance(90) ? QStringLiteral("QVT2SDoc") : QStringLiteral("Other");
        text += QStringLiteral("<%1 version=\"2.0.0\">").arg(root);

        QStringList items;
        for (int n = count(); n > 0; --n)
            items << voice();
        items << list(QStringLiteral("QVT2SSpeechSections"), [this] { return section(); });
        items << list(QStringLiteral("QVT2SSpeechElements"), [this] { return element(); });
        items << list(QStringLiteral("QVT2SSpeechBookmarks"), [this] { return bookmark(); });
        for (int n = count(); n > 0; --n)
            items << content();
        if (chance(5))
            items << pick({section(), element(), bookmark()}); // outside its container
        if (chance(10))
            std::shuffle(items.begin(), items.end(), m_rng);
        if (chance(4) && items.size() > 2) // one item inside another
            items[1].insert(items[1].lastIndexOf(QLatin1Char('<')), items.takeAt(2));
        for (const QString &item : std::as_const(items))
            text += space() + (chance(8) ? QStringLiteral("<w>%1</w>").arg(item) : item);
        text += QStringLiteral("\n</%1>").arg(root);
        if (chance(3))
            text += pick({QStringLiteral("\n<!-- end -->\n"), QStringLiteral("  \n"),
                          QStringLiteral("<![CDATA[x]]>"), QStringLiteral("tail")});
        return encode(text);
    }

    /// bytes with a few random changes, most of them at markup.
    QByteArray mutate(QByteArray bytes)
    {
        static const char *const pieces[] = {"<",
                                             ">",
                                             "/>",
                                             "\"",
                                             "&",
                                             "&amp;",
                                             "&#32;",
                                             "&#xA0;",
                                             "\xC2\xA0",
                                             "<![CDATA[",
                                             "]]>",
                                             "<!--",
                                             "-->",
                                             "<?p?>",
                                             "<w>",
                                             "</w>",
                                             " x=\"1\"",
                                             "<QVT2SContent>",
                                             "</QVT2SContent>",
                                             "<QVT2SGlobalVoice/>",
                                             "<QVT2SSpeechSections>",
                                             "</QVT2SSpeechElements>",
                                             "<QVT2SSpeechBookmark fromchar=\"1\" tochar=\"2\" "
                                             "enabled=\"1\"/>",
                                             " enabled=\"-0\"",
                                             "=\"\"",
                                             "\n",
                                             " ",
                                             "\t",
                                             "\r",
                                             "0",
                                             "-",
                                             "9999999999",
                                             "<!DOCTYPE a>",
                                             "<!ENTITY",
                                             "\xEF\xBB\xBF",
                                             "\xFF\xFE",
                                             "\x00"};
        for (int n = 1 + below(3); n > 0 && !bytes.isEmpty(); --n) {
            const int at = below(int(bytes.size()));
            switch (below(6)) {
            case 0:
                bytes.remove(at, 1 + below(12));
                break;
            case 1:
            case 2: {
                const char *piece = pieces[below(int(std::size(pieces)))];
                bytes.insert(at, QByteArray(piece, qMax<qsizetype>(1, qstrlen(piece))));
                break;
            }
            case 3:
                bytes[at] = "<>&\"'=/ x0-9\n"[below(13)];
                break;
            case 4:
                bytes.insert(at, bytes.mid(below(int(bytes.size())), 1 + below(40)));
                break;
            default:
                bytes.truncate(at);
                break;
            }
        }
        return bytes;
    }

    /// Text with everything a writer has to take care of.
    QString anyText(int maxLength)
    {
        static const char16_t palette[] = {u'a', u'Z',  u' ',   u'<',   u'>',   u']',   u'&',
                                           u'"', u'\'', u'\r',  u'\n',  u'\t',  0x01,   0x0C,
                                           0xA0, 0xE9,  0x65E5, 0xD83D, 0xDE00, 0xFFFE, u'.'};
        QString text;
        for (int n = below(maxLength + 1); n > 0; --n)
            text += QChar(palette[below(int(std::size(palette)))]);
        return text;
    }

    QRandomGenerator m_rng;

private:
    int count() { return chance(94) ? 1 : pick({0, 2}); }

    QString space()
    {
        return pick(
            {QString(), QStringLiteral("\n "), QStringLiteral("\n\n  \t"), QStringLiteral(" ")});
    }

    QString number(qint64 min, qint64 max)
    {
        if (below(1000) >= 7) {
            const qint64 span = std::min<qint64>(max - min, 100000);
            const qint64 value =
                chance(10) ? pick({min, max}) : min + qint64(m_rng.bounded(double(span + 1)));
            return QString::number(value);
        }
        return pick({QStringLiteral(""), QStringLiteral("x"), QStringLiteral("1x"),
                     QStringLiteral("+1"), QStringLiteral(" 1"), QStringLiteral("1 "),
                     QStringLiteral("-"), QStringLiteral("-1"), QStringLiteral("70000"),
                     QStringLiteral("2147483648"), QStringLiteral("&#49;"),
                     QStringLiteral("1&#x20;"), QStringLiteral("007"), QStringLiteral("-0"),
                     QStringLiteral("\u0663"), QStringLiteral("99999999999999999999")});
    }

    QString textValue()
    {
        QList<QString> values = {QString(),
                                 QStringLiteral("V"),
                                 QStringLiteral("\u00dcn\u00ef &lt;&amp;&gt; &quot;q&quot;"),
                                 QStringLiteral("a&#10;b&#9;c&#13;d\n e"),
                                 QStringLiteral("  "),
                                 QStringLiteral("&#xA0;")};
        if (m_entities)
            values << QStringLiteral("&e;&ws;");
        return values.at(below(int(values.size())));
    }

    // The attributes in any order; now and then one is left out or
    // repeated, or an unknown one is added.
    QString attributes(QList<QPair<const char *, QString>> list)
    {
        if (chance(1))
            list.removeAt(below(int(list.size())));
        if (chance(3))
            list.append({pick({"unknown", "xmlns", "x:pitch"}), QStringLiteral("1")});
        if (chance(1))
            list.append(list.first());
        if (chance(30))
            std::shuffle(list.begin(), list.end(), m_rng);
        QString out;
        for (const auto &a : std::as_const(list))
            out += QStringLiteral(" %1=\"%2\"").arg(QLatin1String(a.first), a.second);
        return out;
    }

    QString voice()
    {
        if (chance(3))
            return pick({QStringLiteral("<QVT2SGlobalVoice/>"),
                         QStringLiteral("<QVT2SGlobalVoice xmlns=\"urn:v\"/>"),
                         QStringLiteral("<v:QVT2SGlobalVoice xmlns:v=\"urn:v\" v:pitch=\"1\"/>")});
        return QStringLiteral("<QVT2SGlobalVoice%1/>")
            .arg(attributes({{"enginetypeid", number(-32768, 32767)},
                             {"voicename", textValue()},
                             {"voiceid", number(-5, 5)},
                             {"langid", number(-32768, 32767)},
                             {"pitch", number(-2147483648LL, 2147483647)},
                             {"speed", number(0, 500)},
                             {"volume", number(0, 100)},
                             {"pause", number(0, 1000)},
                             {"highlight", number(-3, 3)},
                             {"isxml", number(0, 1)}}));
    }

    QString record(const char *tag, const QString &attributeText)
    {
        const QString record = QStringLiteral("<%1%2/>").arg(QLatin1String(tag), attributeText);
        if (chance(4)) // a record holding another
            return QStringLiteral("<%1%2>%3</%1>").arg(QLatin1String(tag), attributeText, record);
        return chance(5) ? QStringLiteral("<g>%1</g>").arg(record) : record;
    }

    QString section()
    {
        return record("QVT2SSpeechSection",
                      attributes({{"fromchar", number(0, 2147483647)},
                                  {"tochar", number(0, 1000)},
                                  {"enginetypeid", number(-1, 5)},
                                  {"voicename", textValue()},
                                  {"voiceid", number(-2147483648LL, 2147483647)},
                                  {"langid", number(-32768, 32767)},
                                  {"pitch", number(0, 200)},
                                  {"speed", number(0, 200)},
                                  {"volume", number(0, 100)},
                                  {"pause", number(0, 1000)},
                                  {"enabled", number(-1, 1)}}));
    }

    QString element()
    {
        return record("QVT2SSpeechElement", attributes({{"afterchar", number(0, 1000)},
                                                        {"type", textValue()},
                                                        {"value", textValue()},
                                                        {"enabled", number(0, 1)}}));
    }

    QString bookmark()
    {
        return record("QVT2SSpeechBookmark", attributes({{"fromchar", number(0, 1000)},
                                                         {"tochar", number(0, 1000)},
                                                         {"enabled", number(0, 32767)}}));
    }

    template <typename MakeRecord> QString list(const QString &tag, MakeRecord makeRecord)
    {
        QString out;
        for (int n = count(); n > 0; --n) {
            QString records;
            for (int r = below(5); r > 0; --r)
                records += space() + makeRecord();
            if (chance(5)) // a record of another list, which does not count here
                records += pick({section(), element(), bookmark()});
            out += records.isEmpty() && chance(50)
                       ? QStringLiteral("<%1/>").arg(tag)
                       : QStringLiteral("<%1>%2%3</%1>").arg(tag, records, space());
        }
        return out;
    }

    QString content()
    {
        QList<QString> pieces = {
            QStringLiteral("Plain text. &lt;b&gt; &amp; \u00e9\u65e5 \"q\" 'a' ]]&gt;"),
            QStringLiteral("   "),
            QStringLiteral("\n\t \r\n"),
            QStringLiteral("&#xA0;"),
            QStringLiteral("\u00a0\u3000"),
            QStringLiteral("&#32;&#9;"),
            QStringLiteral("<![CDATA[ <raw> & ]]>"),
            QStringLiteral("<![CDATA[  ]]>"),
            QStringLiteral("<![CDATA[]]>"),
            QStringLiteral("<b>inner <i>deep</i></b>"),
            QStringLiteral("<b> </b>"),
            QStringLiteral("<!-- note -->"),
            QStringLiteral("<?pi data?>"),
            QStringLiteral("&amp;"),
            QStringLiteral("x")};
        if (m_entities)
            pieces << QStringLiteral("&e;") << QStringLiteral("&ws;") << QStringLiteral("&ext;");
        QString inner;
        for (int n = below(5); n > 0; --n)
            inner += pieces.at(below(int(pieces.size())));
        return QStringLiteral("<QVT2SContent>%1</QVT2SContent>").arg(inner);
    }

    // Mostly UTF-8, now and then with a byte-order mark, or as UTF-16 or
    // Latin-1 with a declaration that says so.
    QByteArray encode(const QString &text)
    {
        switch (below(20)) {
        case 0:
            return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
        case 1: {
            QStringEncoder encoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
            return encoder.encode(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>") +
                                  text);
        }
        case 2:
            return QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>").toLatin1() +
                   text.toLatin1();
        default:
            return text.toUtf8();
        }
    }

    bool m_entities = false;
};

QString shown(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes.left(3000).toPercentEncoding(" <>=\"/!?:;#-_.\n"));
}

// Reads bytes with both readers from the same state; true when they agree.
bool readersAgree(const QByteArray &bytes, bool *read = nullptr)
{
    QVT2SDocument streamed;
    DomReferenceDocument reference;
    prime(streamed);
    prime(reference);
    const bool streamedOk = streamed.read(bytes);
    const bool referenceOk = reference.domRead(bytes);
    if (read)
        *read = referenceOk;
    const QString streamedState = state(streamed), referenceState = state(reference);
    EXPECT_EQ(streamedOk, referenceOk) << shown(bytes).toStdString();
    EXPECT_EQ(streamedState, referenceState) << shown(bytes).toStdString();
    return streamedOk == referenceOk && streamedState == referenceState;
}

// The DOM writer orders attributes by a per-process hash: sort them.
QString sortedAttributes(const QByteArray &bytes)
{
    static const QRegularExpression tag(QStringLiteral("<(\\w+)((?: \\w+=\"[^\"]*\")+)(/?)>"));
    static const QRegularExpression attribute(QStringLiteral(" \\w+=\"[^\"]*\""));
    const QString text = QString::fromUtf8(bytes);
    QString out;
    qsizetype done = 0;
    for (auto it = tag.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        QStringList attributes;
        for (auto a = attribute.globalMatch(match.captured(2)); a.hasNext();)
            attributes << a.next().captured(0);
        attributes.sort();
        out += text.mid(done, match.capturedStart() - done);
        out += QLatin1Char('<') + match.captured(1) + attributes.join(QString()) +
               match.captured(3) + QLatin1Char('>');
        done = match.capturedEnd();
    }
    return out + text.mid(done);
}

QByteArray streamWrite(QVT2SDocument &doc, const QString &content)
{
    QByteArray bytes;
    QTextStream stream(&bytes, QIODevice::WriteOnly);
    EXPECT_TRUE(doc.write(stream, content));
    return bytes; // written through when write() returns
}

TEST(T2SDifferential, GeneratedAndMutatedFilesReadAsTheDomReaderReadsThem)
{
    Generator generator(20261207);
    int read = 0, failures = 0;
    const int files = 3000;
    for (int i = 0; i < files && failures < 5; ++i) {
        const QByteArray bytes = generator.file();
        bool ok = false;
        failures += !readersAgree(bytes, &ok);
        read += ok;
        for (int m = 0; m < 2 && failures < 5; ++m)
            failures += !readersAgree(generator.mutate(bytes));
    }
    // Both outcomes must be well represented for the comparison to mean much.
    EXPECT_GT(read, files / 4);
    EXPECT_LT(read, files * 9 / 10);
}

TEST(T2SDifferential, FuzzSeedsAndTheirMutationsReadAlike)
{
    const QDir seeds(QStringLiteral(VOCALYNE_T2S_CORPUS));
    const QStringList names = seeds.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    Generator generator(7);
    int failures = 0;
    for (const QString &name : names) {
        QFile file(seeds.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        failures += !readersAgree(bytes);
        for (int m = 0; m < 300 && failures < 5; ++m)
            failures += !readersAgree(generator.mutate(bytes));
        // Wrapped to around the nesting limit.
        for (int depth = 250; depth < 260; ++depth)
            failures += !readersAgree(QByteArray("<a>").repeated(depth) + bytes +
                                      QByteArray("</a>").repeated(depth));
    }
}

TEST(T2SDifferential, WritersWriteTheSameFile)
{
    Generator generator(99);
    for (int i = 0; i < 300; ++i) {
        DomReferenceDocument doc;
        doc.setEngineTypeId(qint16(generator.below(7) - 3));
        doc.setVoiceName(generator.anyText(12));
        doc.setVoiceId(generator.pick({-1, 0, 2147483647}));
        doc.setLangId(quint16(generator.pick({0, 1033, 0xFFFE, 0x8000})));
        doc.setPitch(generator.pick({-2147483647 - 1, 0, 100}));
        doc.setHighlight(generator.chance(50));
        doc.setIsXml(generator.chance(50));
        QList<QVT2SSection> sections;
        QList<QVT2SElement> elements;
        QList<QVT2SBookmark> bookmarks;
        for (int n = generator.below(4); n > 0; --n) {
            QVT2SSection s;
            s.fromChar = generator.pick<quint32>({0, 7, 4294967295u});
            s.voiceName = generator.anyText(8);
            s.langId = 0xFFFE;
            s.enabled = generator.chance(50);
            sections << s;
        }
        for (int n = generator.below(4); n > 0; --n)
            elements << QVT2SElement{quint32(generator.below(100)), generator.anyText(5),
                                     generator.anyText(5), generator.chance(50)};
        for (int n = generator.below(3); n > 0; --n)
            bookmarks << QVT2SBookmark{5, 2, true};
        doc.setLists(sections, elements, bookmarks);
        const QString content = generator.anyText(40);

        const QByteArray streamed = streamWrite(doc, content);
        ASSERT_EQ(sortedAttributes(streamed), sortedAttributes(doc.domWrite(content)))
            << streamed.toStdString();
        // The attributes come in a fixed order, the one of the file layout.
        ASSERT_TRUE(streamed.contains("\n <QVT2SGlobalVoice enginetypeid=\""));
        ASSERT_TRUE(sections.isEmpty() || streamed.contains("\n  <QVT2SSpeechSection fromchar="));
    }

    // Files the generator makes, as far as they read, written back.
    for (int i = 0; i < 300; ++i) {
        DomReferenceDocument doc;
        if (!doc.read(generator.file()))
            continue;
        ASSERT_EQ(sortedAttributes(streamWrite(doc, doc.content())),
                  sortedAttributes(doc.domWrite(doc.content())));
    }
}

} // namespace
