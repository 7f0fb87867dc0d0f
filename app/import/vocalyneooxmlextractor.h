// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class VocalyneTextPieces;
class VocalyneZipPackage;

/// The text of Office Open XML packages: word-processing documents
/// (paragraphs, headings, lists and tables in body order, then footnotes,
/// endnotes and comments), presentations (slide text in slide order) and
/// workbooks (one paragraph per row, cells separated by tabs, sheets in
/// workbook order).
class VocalyneOoxmlExtractor
{
public:
    /// One relationship of a part.
    struct Relationship
    {
        QString id;
        QString type;   ///< the last segment of the type URI ("officeDocument")
        QString target; ///< resolved part name; empty for external targets
    };

    /// True when the package carries an office document of this family.
    static bool recognizes(const VocalyneZipPackage &package);
    /// Extracts the text; returns a VocalyneExtraction::Result.
    static int extract(const VocalyneZipPackage &package, VocalyneTextPieces &out);

    /// The relationships of `part` ("" for the package itself).
    static QList<Relationship> relationships(const VocalyneZipPackage &package,
                                             const QString &part);

private:
    static void readWordPart(const QByteArray &xml, VocalyneTextPieces &out);
    static void readPresentation(const VocalyneZipPackage &package, const QString &part,
                                 VocalyneTextPieces &out);
    static void readDrawingText(const QByteArray &xml, VocalyneTextPieces &out);
    static void readWorkbook(const VocalyneZipPackage &package, const QString &part,
                             VocalyneTextPieces &out);
    static QList<QString> sharedStrings(const QByteArray &xml);
    static void readSheet(const QByteArray &xml, const QList<QString> &shared,
                          VocalyneTextPieces &out);
};
