// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "qstringprint.h"
#include "testdocuments.h"
#include "vocalyneextractionresult.h"
#include "vocalynertfextractor.h"
#include "vocalynertftokenizer.h"
#include "vocalynetextpieces.h"

#include <gtest/gtest.h>

namespace {

struct Rtf
{
    int result;
    QString text;
};

Rtf rtf(const QByteArray &bytes)
{
    TextCollector sink;
    VocalyneTextPieces pieces(sink);
    const int result = VocalyneRtfExtractor::extract(bytes, pieces);
    return {result, sink.text};
}

} // namespace

TEST(RtfExtraction, UnicodeEscapesReplaceTheirFallbackCharacters)
{
    // \uc1 with a one-byte fallback, \uc2 with an escape and a letter as
    // fallback, \uc0 without one, a negative value and a surrogate pair.
    const Rtf out = rtf("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}"
                        "\\uc1 Gr\\u252?\\u223?e {\\uc2\\u26481\\'93\\'8cx}{\\uc0\\u20140} "
                        "\\u-1021?? \\u-10179?\\u-8704? done\\par}");
    EXPECT_EQ(out.result, VocalyneExtraction::TextExtracted);
    EXPECT_EQ(out.text, QString::fromUtf8("Grüße 東x京 \uFC03? \U0001F600 done"));
}

TEST(RtfExtraction, CodePagesOfTheDocumentAndOfEachFont)
{
    // The document is Western; font 1 is Cyrillic, font 2 Japanese (two
    // bytes per character), font 3 Greek by code page number.
    const Rtf out =
        rtf("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
            "{\\f1\\fcharset204{\\*\\panose 020b0604020202020204}Arial Cyr;}"
            "{\\f2\\fcharset128 MS Mincho;}{\\f3\\cpg1253 Greek;}}"
            "\\f0 caf\\'e9 {\\f1 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2} {\\f2 \\'93\\'fa\\'96\\'7b} "
            "{\\f3 \\'e1\\'e2} back to caf\\'e9\\par}");
    EXPECT_EQ(out.text, QString::fromUtf8("café Привет 日本 αβ back to café"));

    const Rtf russian = rtf("{\\rtf1\\ansi\\ansicpg1251 \\'c4\\'e0\\par}");
    EXPECT_EQ(russian.text, QString::fromUtf8("Да"));
    EXPECT_EQ(rtf("{\\rtf1\\ansi\\ansicpg65001 \\'c3\\'a9t\\'c3\\'a9\\par}").text,
              QString::fromUtf8("été"));
    EXPECT_EQ(rtf("{\\rtf1\\ansi\\ansicpg28597 \\'e1\\par}").text, QString::fromUtf8("α"));
}

TEST(RtfExtraction, DestinationsWithoutTextAreSkippedAndFieldResultsKept)
{
    const Rtf out =
        rtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Times;}}{\\colortbl;\\red255\\green0\\blue0;}"
            "{\\stylesheet{\\s1 heading 1;}}{\\info{\\title Hidden title}{\\author Someone}}"
            "{\\*\\generator Writer;}{\\header Header words\\par}"
            "{\\*\\unknowndestination secret}{\\pict\\pngblip\\bin6 {}\\}x 89504e47}"
            "\\pard\\plain Visible {\\b bold} {\\field{\\*\\fldinst HYPERLINK \"http://x\"}"
            "{\\fldrslt link text}} end.\\par"
            "{\\pntext 1.\\tab}Item\\par "
            "A\\cell B\\cell\\row "
            "Quote \\ldblquote x\\rdblquote  \\emdash  y\\~z \\{braces\\} \\\\ back"
            "{\\footnote\\ftnalt {\\chftn} The note.}\\par\n"
            "Line\\line two\\tab tabbed\\par}");
    EXPECT_EQ(out.text, QString::fromUtf8("Visible bold link text end.\nItem\nA\tB\n"
                                          "Quote “x” — y\u00a0z {braces} \\ back\n"
                                          "Line\ntwo\ttabbed\nThe note.")
                            .replace(QChar(0xa0), QLatin1Char(' ')));
}

TEST(RtfExtraction, NotRtfEmptyAndHostileInputsEndInAResult)
{
    EXPECT_EQ(rtf("plain words").result, VocalyneExtraction::NoFilter);
    EXPECT_EQ(rtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}}").result, VocalyneExtraction::NoText);

    const QList<QByteArray> hostile = {
        "{\\rtf1 " + QByteArray(200000, '{') + "deep" + QByteArray(200000, '}'),
        "{\\rtf1 " + QByteArray(100000, '}') + "after}",
        "{\\rtf1 \\bin999999999999 abc",
        "{\\rtf1 \\bin-5 abc}",
        "{\\rtf1 \\u99999999999999999999 \\u-99999999 \\uc-4 \\uc999999 a\\'",
        "{\\rtf1 \\'zz\\'4",
        "{\\rtf1 \\ansicpg-1 \\ansicpg999999 \\'e9 \\f-2147483648 x}",
        "{\\rtf1 \\" + QByteArray(100000, 'a') + "5 text}",
        "{\\rtf1 {\\*",
        "{\\rtf1 \\",
        QByteArray("{\\rtf1 \0\0\0 nul\\par}", 20),
    };
    for (const QByteArray &input : hostile) {
        const Rtf out = rtf(input);
        EXPECT_TRUE(out.result == VocalyneExtraction::TextExtracted ||
                    out.result == VocalyneExtraction::NoText)
            << input.left(40).toStdString();
    }
    EXPECT_EQ(rtf(hostile[0]).text, QStringLiteral("deep"));
    EXPECT_EQ(rtf(hostile[1]).text, QStringLiteral("after"));
}

TEST(RtfTokenizer, ParametersSpacesAndBinaryData)
{
    VocalyneRtfTokenizer tokens("\\fs-24 x\\par\r\n\\bin3 {}\\ \\'4A{\\*}");
    using Type = VocalyneRtfTokenizer::Type;
    auto t = tokens.next();
    EXPECT_EQ(t.type, Type::ControlWord);
    EXPECT_EQ(t.word, "fs");
    EXPECT_TRUE(t.hasParameter);
    EXPECT_EQ(t.parameter, -24);
    t = tokens.next(); // the space after the parameter belongs to the word
    EXPECT_EQ(t.type, Type::Text);
    EXPECT_EQ(t.text, "x");
    t = tokens.next();
    EXPECT_EQ(t.word, "par");
    EXPECT_FALSE(t.hasParameter);
    t = tokens.next();
    EXPECT_EQ(t.type, Type::Binary);
    EXPECT_EQ(t.text, "{}\\");
    t = tokens.next();
    EXPECT_EQ(t.type, Type::Text);
    EXPECT_EQ(t.text, " ");
    t = tokens.next();
    EXPECT_EQ(t.type, Type::HexByte);
    EXPECT_EQ(t.byte, 0x4a);
    EXPECT_EQ(tokens.next().type, Type::GroupStart);
    t = tokens.next();
    EXPECT_EQ(t.type, Type::ControlSymbol);
    EXPECT_EQ(t.word, "*");
    EXPECT_EQ(tokens.next().type, Type::GroupEnd);
    EXPECT_EQ(tokens.next().type, Type::End);
    EXPECT_EQ(tokens.next().type, Type::End);
}
