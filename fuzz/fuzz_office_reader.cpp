// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Feeds arbitrary bytes to the readers of zip-based documents. The first byte
// chooses the way in: the bytes as a whole archive (zip parsing), or as one
// XML part of an otherwise well-formed word-processing document, workbook,
// presentation, OpenDocument or e-book (the XML readers, reached far more
// often this way than through mutated compressed data). Whatever the bytes
// hold, extraction must end with a result code, and every piece must fit the
// piece size without splitting a character.
#include "../tests/app/import/testzip.h"
#include "vocalynedocumentextractor.h"
#include "vocalyneextractionresult.h"
#include "vocalyneextractionsink.h"
#include "vocalynetextpieces.h"
#include "vocalynezippackage.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

class CheckingSink : public VocalyneExtractionSink
{
public:
    bool piece(const QString &text, bool) override
    {
        check(!text.isEmpty() && text.size() <= VocalyneTextPieces::MaxPiece);
        check(!text.back().isHighSurrogate() || text.size() < VocalyneTextPieces::MaxPiece);
        return true;
    }
};

QByteArray rels(const char *type, const char *target)
{
    return QByteArray("<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                      "relationships\"><Relationship Id=\"rId1\" Type=\"http://schemas."
                      "openxmlformats.org/officeDocument/2006/relationships/") +
           type + "\" Target=\"" + target + "\"/></Relationships>";
}

QList<QPair<QString, QByteArray>> package(int mode, const QByteArray &part)
{
    const QByteArray types = "<Types/>";
    switch (mode) {
    case 1: // word-processing body, also as footnotes
        return {{QStringLiteral("[Content_Types].xml"), types},
                {QStringLiteral("_rels/.rels"), rels("officeDocument", "word/document.xml")},
                {QStringLiteral("word/document.xml"), part},
                {QStringLiteral("word/_rels/document.xml.rels"), rels("footnotes", "notes.xml")},
                {QStringLiteral("word/notes.xml"), part}};
    case 2: // a worksheet whose shared strings are the same bytes
        return {{QStringLiteral("[Content_Types].xml"), types},
                {QStringLiteral("_rels/.rels"), rels("officeDocument", "xl/workbook.xml")},
                {QStringLiteral("xl/workbook.xml"),
                 "<workbook xmlns:r=\"r\"><sheets><sheet name=\"S\" r:id=\"rId1\"/><sheet "
                 "name=\"T\" r:id=\"rId2\"/></sheets></workbook>"},
                {QStringLiteral("xl/_rels/workbook.xml.rels"),
                 "<Relationships><Relationship Id=\"rId1\" Type=\"x/worksheet\" "
                 "Target=\"s.xml\"/><Relationship Id=\"rId2\" Type=\"x/sharedStrings\" "
                 "Target=\"s.xml\"/></Relationships>"},
                {QStringLiteral("xl/s.xml"), part}};
    case 3: // one slide
        return {{QStringLiteral("[Content_Types].xml"), types},
                {QStringLiteral("_rels/.rels"), rels("officeDocument", "ppt/presentation.xml")},
                {QStringLiteral("ppt/presentation.xml"),
                 "<presentation xmlns:r=\"r\"><sldIdLst><sldId r:id=\"rId1\"/></sldIdLst>"
                 "</presentation>"},
                {QStringLiteral("ppt/_rels/presentation.xml.rels"), rels("slide", "s.xml")},
                {QStringLiteral("ppt/s.xml"), part}};
    case 4: // OpenDocument content, also as the manifest
        return {{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.text"},
                {QStringLiteral("content.xml"), part},
                {QStringLiteral("META-INF/manifest.xml"), part}};
    default: // an e-book chapter, also as the package document
        return {{QStringLiteral("mimetype"), "application/epub+zip"},
                {QStringLiteral("META-INF/container.xml"),
                 "<container><rootfiles><rootfile full-path=\"a/b.opf\"/></rootfiles>"
                 "</container>"},
                {QStringLiteral("a/b.opf"),
                 "<package><manifest><item id=\"c\" href=\"c.xhtml\"/><item id=\"d\" "
                 "href=\"../a/./b.opf\"/></manifest><spine><itemref idref=\"c\"/><itemref "
                 "idref=\"d\"/></spine></package>"},
                {QStringLiteral("a/c.xhtml"), part}};
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const int mode = data[0] % 6;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    VocalyneZipPackage zip;
    const bool opened =
        mode == 0 ? zip.openData(bytes) : zip.openData(buildZip(package(mode, bytes), false));
    if (!opened) {
        check(mode == 0);
        return 0;
    }
    CheckingSink sink;
    VocalyneTextPieces pieces(sink);
    const int result = VocalyneDocumentExtractor::extractPackage(zip, pieces);
    check(result >= VocalyneExtraction::TextExtracted && result <= VocalyneExtraction::NoFilter);
    return 0;
}
