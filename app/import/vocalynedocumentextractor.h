// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class VocalyneExtractionSink;
class VocalyneTextPieces;
class VocalyneZipPackage;

/// Extracts the text of an office document, PDF, e-book or RTF file. The
/// format is recognised from the file's content (a Word document saved as
/// RTF under a .doc name is still read), the name's suffix only deciding
/// between look-alikes. Everything else answers VocalyneExtraction::NoFilter.
class VocalyneDocumentExtractor
{
public:
    /// OtherZip: a zip archive (possibly damaged) that holds no document
    /// this class reads; it is no text either.
    enum class Format {
        Unknown,
        Pdf,
        OfficeOpenXml,
        OpenDocument,
        Epub,
        Rtf,
        EncryptedOffice,
        OtherZip
    };

    /// The format of the file at path, from its first bytes (and, for zip
    /// containers, the parts inside).
    static Format detect(const QString &path);

    /// Extracts the text of the file at path into sink, piece by piece;
    /// returns a VocalyneExtraction::Result. Never throws.
    static int extract(const QString &path, VocalyneExtractionSink &sink);

    /// Extracts the text of a zip container already open (office document or
    /// e-book); returns a VocalyneExtraction::Result.
    static int extractPackage(const VocalyneZipPackage &package, VocalyneTextPieces &out);

    /// The lower-case suffixes of the types that have a reader.
    static QStringList suffixes();
    /// The filter list for file dialogs: speech documents, text files, every
    /// importable type together and by family, and all files.
    static QString fileDialogFilter();
};
