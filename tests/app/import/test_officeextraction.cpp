// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "extracttestfile.h"
#include "vocalyneextractionresult.h"

#include <gtest/gtest.h>

using namespace TestPackages;
using VocalyneExtraction::Result;

TEST(OfficeExtraction, WordDocumentBodyThenFootnotesThenComments)
{
    const QString body =
        wp(QStringLiteral("Quarterly report"), QStringLiteral("Heading1")) +
        wp(QStringLiteral("First item of the list"), QStringLiteral("ListParagraph")) +
        QStringLiteral("<w:p><w:r><w:t>Split</w:t></w:r><w:r><w:t xml:space=\"preserve\"> "
                       "across runs</w:t></w:r><w:r><w:tab/><w:t>after a tab</w:t><w:br/>"
                       "<w:t>next line</w:t></w:r><w:del><w:r><w:delText>removed "
                       "words</w:delText></w:r></w:del><w:r><w:fldChar/><w:instrText>PAGE "
                       "\\* MERGEFORMAT</w:instrText></w:r><w:r><w:footnoteReference "
                       "w:id=\"1\"/></w:r></w:p>") +
        QStringLiteral("<w:tbl><w:tblPr><w:tblW w:w=\"0\"/></w:tblPr><w:tr><w:tc><w:tcPr/>") +
        wp(QStringLiteral("Cell one")) + QStringLiteral("</w:tc><w:tc>") +
        wp(QStringLiteral("Cell two")) +
        QStringLiteral("</w:tc></w:tr></w:tbl>")
        // A text box: the same text for new and old readers, read once.
        + QStringLiteral("<w:p><w:r><mc:AlternateContent><mc:Choice Requires=\"wps\">"
                         "<w:drawing><w:txbxContent>") +
        wp(QStringLiteral("Boxed words")) +
        QStringLiteral("</w:txbxContent></w:drawing></mc:Choice><mc:Fallback><w:pict>"
                       "<w:txbxContent>") +
        wp(QStringLiteral("Boxed words")) +
        QStringLiteral("</w:txbxContent></w:pict></mc:Fallback></mc:AlternateContent></w:r>"
                       "<w:r><w:t>Around the box</w:t></w:r></w:p>") +
        QStringLiteral("<w:p/><w:sectPr><w:pgSz w:w=\"12240\"/></w:sectPr>");
    const QString footnotes =
        QStringLiteral("<w:footnotes %1><w:footnote w:type=\"separator\" w:id=\"-1\"><w:p><w:r>"
                       "<w:separator/><w:t>SEPARATOR</w:t></w:r></w:p></w:footnote>"
                       "<w:footnote w:id=\"1\">%2</w:footnote></w:footnotes>")
            .arg(wordNs, wp(QStringLiteral("A footnote about sources.")));
    const QString comments = QStringLiteral("<w:comments %1><w:comment w:id=\"0\" w:author=\"Ann\">"
                                            "%2</w:comment></w:comments>")
                                 .arg(wordNs, wp(QStringLiteral("Check this figure.")));

    const Extraction out =
        extractBytes(docx(body, footnotes, comments), QStringLiteral("report.docx"));
    EXPECT_EQ(out.result, Result::TextExtracted);
    EXPECT_EQ(out.text(), QStringLiteral("Quarterly report\nFirst item of the list\n"
                                         "Split across runs\tafter a tab\nnext line\n"
                                         "Cell one\nCell two\nBoxed words\nAround the box\n"
                                         "A footnote about sources.\nCheck this figure."));
}

TEST(OfficeExtraction, WorkbookRowsInSheetOrderWithSharedAndInlineStrings)
{
    const QString first = QStringLiteral(
        "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c></row>"
        "<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>Inline</t></is></c>"
        "<c r=\"C2\"><v>0.30000000000000004</v></c><c r=\"D2\" t=\"b\"><v>1</v></c>"
        "<c r=\"E2\"><f>SUM(A1:A2)</f><v>42</v></c><c r=\"F2\" t=\"s\"><v>99</v></c></row>");
    const QString second =
        QStringLiteral("<row r=\"1\"><c r=\"A1\" t=\"str\"><f>A1</f><v>Formula text</v></c></row>");
    const QByteArray book =
        xlsx({{QStringLiteral("Prices"), first}, {QStringLiteral("Notes"), second}},
             {QStringLiteral("Fruit"), QStringLiteral("Price & tax")});
    const Extraction out = extractBytes(book, QStringLiteral("prices.xlsx"));
    EXPECT_EQ(out.result, Result::TextExtracted);
    EXPECT_EQ(out.text(),
              QStringLiteral("Fruit\tPrice & tax\nInline\t0.3\tTRUE\t42\nFormula text"));
}

TEST(OfficeExtraction, PresentationSlidesInTheirListedOrder)
{
    auto slide = [](const QString &title, const QString &point) {
        return xml(QStringLiteral(
                       "<p:sld xmlns:p=\"http://schemas.openxmlformats.org/presentationml/2006/"
                       "main\" xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\">"
                       "<p:cSld><p:spTree><p:sp><p:txBody><a:p><a:r><a:rPr lang=\"en\"/><a:t>%1"
                       "</a:t></a:r></a:p><a:p><a:pPr><a:tabLst><a:tab pos=\"1\"/></a:tabLst>"
                       "</a:pPr><a:r><a:t>%2</a:t></a:r><a:br/><a:r><a:t>more</a:t></a:r></a:p>"
                       "</p:txBody></p:sp></p:spTree></p:cSld></p:sld>")
                       .arg(title, point));
    };
    const QString ns = QStringLiteral(
        "xmlns:p=\"http://schemas.openxmlformats.org/presentationml/2006/main\" "
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"");
    const QByteArray deck = buildZip({
        {QStringLiteral("[Content_Types].xml"), contentTypes()},
        {QStringLiteral("_rels/.rels"),
         xml(relationships({relationship(QStringLiteral("rId1"), QStringLiteral("officeDocument"),
                                         QStringLiteral("ppt/presentation.xml"))}))},
        {QStringLiteral("ppt/presentation.xml"),
         xml(QStringLiteral("<p:presentation %1><p:sldIdLst><p:sldId id=\"256\" r:id=\"rId3\"/>"
                            "<p:sldId id=\"257\" r:id=\"rId2\"/></p:sldIdLst></p:presentation>")
                 .arg(ns))},
        {QStringLiteral("ppt/_rels/presentation.xml.rels"),
         xml(relationships({relationship(QStringLiteral("rId2"), QStringLiteral("slide"),
                                         QStringLiteral("slides/slide1.xml")),
                            relationship(QStringLiteral("rId3"), QStringLiteral("slide"),
                                         QStringLiteral("slides/slide2.xml"))}))},
        {QStringLiteral("ppt/slides/slide1.xml"),
         slide(QStringLiteral("Shown second"), QStringLiteral("Point B"))},
        {QStringLiteral("ppt/slides/slide2.xml"),
         slide(QStringLiteral("Shown first"), QStringLiteral("Point A"))},
    });
    const Extraction out = extractBytes(deck, QStringLiteral("deck.pptx"));
    EXPECT_EQ(out.result, Result::TextExtracted);
    EXPECT_EQ(out.text(),
              QStringLiteral("Shown first\nPoint A\nmore\nShown second\nPoint B\nmore"));
}

TEST(OfficeExtraction, OpenDocumentTextWithSpacesNotesCommentsAndTrackedChanges)
{
    const QString body = QStringLiteral(
        "<office:text><text:sequence-decls><text:sequence-decl text:name=\"Figure\"/>"
        "</text:sequence-decls><text:tracked-changes><text:changed-region><text:deletion>"
        "<text:p>Deleted "
        "words</text:p></text:deletion></text:changed-region></text:tracked-changes>"
        "<text:h text:outline-level=\"1\">Chapter  One</text:h>"
        "<text:p>Three<text:s text:c=\"3\"/>spaces<text:tab/>tab<text:line-break/>broken\n"
        "source line<text:note text:note-class=\"footnote\"><text:note-citation>1"
        "</text:note-citation><text:note-body><text:p>The note text.</text:p></text:note-body>"
        "</text:note> goes on.</text:p>"
        "<text:list><text:list-item><text:p>Listed item</text:p></text:list-item></text:list>"
        "<text:p>Annotated<office:annotation><dc:creator>Bob</dc:creator><dc:date>2026</dc:date>"
        "<text:p>A remark.</text:p></office:annotation> word.</text:p>"
        "<table:table><table:table-row><table:table-cell><text:p>Cell A</text:p>"
        "</table:table-cell><table:table-cell><text:p>Cell B</text:p></table:table-cell>"
        "</table:table-row></table:table></office:text>");
    const Extraction out =
        extractBytes(odf(body, QStringLiteral("application/vnd.oasis.opendocument.text")),
                     QStringLiteral("chapter.odt"));
    EXPECT_EQ(out.result, Result::TextExtracted);
    EXPECT_EQ(out.text(), QStringLiteral("Chapter One\nThree spaces\ttab\nbroken source line "
                                         "goes on.\nListed item\nAnnotated word.\nCell A\n"
                                         "Cell B\nThe note text.\nA remark."));
}

TEST(OfficeExtraction, OpenDocumentSpreadsheetRowsAndPresentationSlides)
{
    const QString sheet = QStringLiteral(
        "<office:spreadsheet><table:table table:name=\"S\"><table:table-row>"
        "<table:table-cell><text:p>Name</text:p></table:table-cell>"
        "<table:table-cell table:number-columns-repeated=\"2\"><text:p>x</text:p>"
        "</table:table-cell><table:table-cell table:number-columns-repeated=\"16000\"/>"
        "</table:table-row><table:table-row table:number-rows-repeated=\"1048000\">"
        "<table:table-cell table:number-columns-repeated=\"16000\"/></table:table-row>"
        "</table:table></office:spreadsheet>");
    const Extraction cells =
        extractBytes(odf(sheet, QStringLiteral("application/vnd.oasis.opendocument.spreadsheet")),
                     QStringLiteral("sheet.ods"));
    EXPECT_EQ(cells.result, Result::TextExtracted);
    EXPECT_EQ(cells.text(), QStringLiteral("Name\tx\tx"));

    const QString slides = QStringLiteral(
        "<office:presentation><draw:page draw:name=\"1\"><draw:frame><draw:text-box>"
        "<text:p>Slide one</text:p></draw:text-box></draw:frame><presentation:notes>"
        "<draw:frame><draw:text-box><text:p>Speaker notes</text:p></draw:text-box></draw:frame>"
        "</presentation:notes></draw:page><draw:page draw:name=\"2\"><draw:frame><draw:text-box>"
        "<text:list><text:list-item><text:p>Bullet</text:p></text:list-item></text:list>"
        "</draw:text-box></draw:frame></draw:page></office:presentation>");
    const Extraction deck =
        extractBytes(odf(slides, QStringLiteral("application/vnd.oasis.opendocument.presentation")),
                     QStringLiteral("talk.odp"));
    EXPECT_EQ(deck.text(), QStringLiteral("Slide one\nBullet"));
}

TEST(OfficeExtraction, EbookChaptersInSpineOrderWithHtmlEntities)
{
    const QByteArray book = epub({
        {QStringLiteral("one.xhtml"),
         QStringLiteral("<h1>Chapter&nbsp;1</h1><p>It was a <em>dark</em>\n   and stormy "
                        "night&mdash;really.</p><script>var x = 'not text';</script>"
                        "<p>Line<br/>break</p><table><tr><td>a</td><td>b</td></tr></table>")},
        {QStringLiteral("two.xhtml"),
         QStringLiteral("<div><p>Caf&eacute; &amp; cr&#232;me &#x2013; fin.</p></div>"
                        "<pre>keep\n  this</pre>")},
        // Careless HTML: unclosed paragraphs, a bare line break, a stray
        // ampersand and a script with a '<' in it.
        {QStringLiteral("three.xhtml"),
         QStringLiteral("<P class='a>b'>First<br>line &amp; more<p>Second & third "
                        "&eacute;&#233;<!-- <p>hidden</p> --><script>if (a<b) x();</script>"
                        "<SPAN>end</SPAN>")},
    });
    const Extraction out = extractBytes(book, QStringLiteral("novel.epub"));
    EXPECT_EQ(out.result, Result::TextExtracted);
    EXPECT_EQ(out.text(), QString::fromUtf8("Chapter\u00a01\nIt was a dark and stormy "
                                            "night\u2014really.\nLine\nbreak\na\tb\n"
                                            "Caf\u00e9 & cr\u00e8me \u2013 fin.\nkeep\nthis\n"
                                            "First\nline & more\nSecond & third \u00e9\u00e9end")
                              .replace(QChar(0xa0), QLatin1Char(' ')));
    EXPECT_GE(out.collector.checkpoints, 2); // between chapters
}

TEST(OfficeExtraction, ProtectedDocumentsAreReportedAsSuch)
{
    const QString manifest = QStringLiteral(
        "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
        "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\">"
        "<manifest:encryption-data manifest:checksum=\"x\"/></manifest:file-entry>"
        "</manifest:manifest>");
    EXPECT_EQ(extractBytes(odf(QStringLiteral("garbage"),
                               QStringLiteral("application/vnd.oasis.opendocument.text"), manifest),
                           QStringLiteral("secret.odt"))
                  .result,
              Result::PasswordProtected);

    const QString encryption = QStringLiteral(
        "<encryption xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\" "
        "xmlns:enc=\"http://www.w3.org/2001/04/xmlenc#\"><enc:EncryptedData><enc:EncryptionMethod "
        "Algorithm=\"http://www.w3.org/2001/04/xmlenc#aes128-cbc\"/><enc:CipherData>"
        "<enc:CipherReference URI=\"OEBPS/text/one.xhtml\"/></enc:CipherData></enc:EncryptedData>"
        "</encryption>");
    EXPECT_EQ(
        extractBytes(epub({{QStringLiteral("one.xhtml"), QStringLiteral("<p>x</p>")}}, encryption),
                     QStringLiteral("drm.epub"))
            .result,
        Result::PasswordProtected);

    // Office programs save a password-protected document as a compound file
    // with one encrypted stream, whatever the name's suffix says.
    QByteArray compound = QByteArray::fromHex("d0cf11e0a1b11ae1") + QByteArray(504, '\0');
    for (const char c : QByteArray("EncryptedPackage")) {
        compound.append(c);
        compound.append('\0');
    }
    EXPECT_EQ(extractBytes(compound, QStringLiteral("locked.docx")).result,
              Result::PasswordProtected);
}

TEST(OfficeExtraction, EmptyDamagedAndUnknownFilesNeverCrash)
{
    // A valid document without text.
    EXPECT_EQ(extractBytes(docx(QStringLiteral("<w:p/>")), QStringLiteral("empty.docx")).result,
              Result::NoText);
    // Unknown content answers "no filter", whatever the suffix.
    EXPECT_EQ(extractBytes("just some bytes", QStringLiteral("notes.doc")).result,
              Result::NoFilter);
    EXPECT_EQ(extractBytes(QByteArray(), QStringLiteral("nothing.docx")).result, Result::NoFilter);
    EXPECT_EQ(
        extractBytes(buildZip({{QStringLiteral("a.txt"), "x"}}), QStringLiteral("a.zip")).result,
        Result::NoFilter);

    // Every truncation of a real document, and every single flipped byte
    // in its first kilobyte, ends in a result code.
    const QByteArray good = docx(wp(QStringLiteral("Survives damage")) + wp(QStringLiteral("x")));
    QTemporaryDir dir;
    int results = 0;
    for (qsizetype cut = 0; cut < good.size(); cut += 7) {
        const int result = extractBytes(good.left(cut), QStringLiteral("cut.docx")).result;
        EXPECT_TRUE(result == Result::NoFilter || result == Result::NoText ||
                    result == Result::TextExtracted)
            << cut;
        ++results;
    }
    for (qsizetype at = 0; at < qMin<qsizetype>(good.size(), 1024); at += 3) {
        QByteArray damaged = good;
        damaged[at] = char(damaged[at] ^ 0x5a);
        const int result = extractBytes(damaged, QStringLiteral("flip.docx")).result;
        EXPECT_GE(result, 0);
        ++results;
    }
    EXPECT_GT(results, 100);

    // A part that claims to inflate to more than any document holds.
    EXPECT_EQ(
        extractBytes(docx(QStringLiteral("<w:p><w:r><w:t>") + QString(300000, QLatin1Char('a')) +
                          QStringLiteral("</w:t></w:r></w:p>")),
                     QStringLiteral("long.docx"))
            .collector.pieces.size(),
        19);
}

TEST(OfficeExtraction, MissingAndUnreadableFilesGiveAccessCodes)
{
    QTemporaryDir dir;
    EXPECT_EQ(extractFile(dir.filePath(QStringLiteral("gone.pdf"))).result, Result::AccessFailure);
    const QString path = dir.filePath(QStringLiteral("locked.docx"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(docx(wp(QStringLiteral("x"))));
    file.close();
    file.setPermissions(QFileDevice::WriteOwner);
    if (QFile(path).open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running with rights that read any file";
    EXPECT_EQ(extractFile(path).result, Result::AccessDenied);
}
