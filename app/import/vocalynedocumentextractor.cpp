// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynedocumentextractor.h"

#include "vocalyneepubextractor.h"
#include "vocalyneextractionresult.h"
#include "vocalyneextractionsink.h"
#include "vocalyneodfextractor.h"
#include "vocalyneooxmlextractor.h"
#include "vocalynepdfextractor.h"
#include "vocalynertfextractor.h"
#include "vocalynetextpieces.h"
#include "vocalynezippackage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <new>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("VocalyneDocumentExtractor", text);
}

// Office files saved with a password are not zip packages but compound
// files holding one encrypted stream of this name (in UTF-16).
bool isEncryptedOfficePackage(const QByteArray &head, QFile &file)
{
    if (!head.startsWith(QByteArray::fromHex("d0cf11e0a1b11ae1")))
        return false;
    const QByteArray marker = QStringLiteral("EncryptedPackage").toUtf8();
    QByteArray utf16;
    for (const char c : marker) {
        utf16.append(c);
        utf16.append('\0');
    }
    // The stream names sit in the directory sectors, within the first
    // megabyte of any file that office programs write.
    file.seek(0);
    return file.read(1 << 20).contains(utf16);
}

VocalyneDocumentExtractor::Format packageFormat(const VocalyneZipPackage &package)
{
    using Format = VocalyneDocumentExtractor::Format;
    if (VocalyneEpubExtractor::recognizes(package) &&
        package.read(QStringLiteral("mimetype")).trimmed() == "application/epub+zip")
        return Format::Epub;
    if (VocalyneOoxmlExtractor::recognizes(package))
        return Format::OfficeOpenXml;
    if (VocalyneOdfExtractor::recognizes(package))
        return Format::OpenDocument;
    if (VocalyneEpubExtractor::recognizes(package))
        return Format::Epub;
    return Format::Unknown;
}

int fileAccessResult(const QString &path, QFile &file)
{
    if (file.open(QIODevice::ReadOnly))
        return VocalyneExtraction::TextExtracted;
    const QFileInfo info(path);
    if (info.exists() && (file.error() == QFileDevice::PermissionsError || !info.isReadable()))
        return VocalyneExtraction::AccessDenied;
    return VocalyneExtraction::AccessFailure;
}

} // namespace

VocalyneDocumentExtractor::Format VocalyneDocumentExtractor::detect(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Format::Unknown;
    const QByteArray head = file.read(8);
    if (head.startsWith("%PDF-"))
        return Format::Pdf;
    if (head.startsWith("{\\rtf"))
        return Format::Rtf;
    if (head.startsWith("PK\x03\x04") || head.startsWith("PK\x05\x06")) {
        VocalyneZipPackage package;
        const Format format = package.open(path) ? packageFormat(package) : Format::Unknown;
        return format == Format::Unknown ? Format::OtherZip : format;
    }
    if (isEncryptedOfficePackage(head, file))
        return Format::EncryptedOffice;
    // Some writers put bytes before the PDF header; readers accept that
    // within the first kilobyte.
    file.seek(0);
    if (file.read(1024).contains("%PDF-"))
        return Format::Pdf;
    return Format::Unknown;
}

int VocalyneDocumentExtractor::extractPackage(const VocalyneZipPackage &package,
                                              VocalyneTextPieces &out)
{
    switch (packageFormat(package)) {
    case Format::OfficeOpenXml:
        return VocalyneOoxmlExtractor::extract(package, out);
    case Format::OpenDocument:
        return VocalyneOdfExtractor::extract(package, out);
    case Format::Epub:
        return VocalyneEpubExtractor::extract(package, out);
    default:
        return VocalyneExtraction::NoFilter;
    }
}

int VocalyneDocumentExtractor::extract(const QString &path, VocalyneExtractionSink &sink)
{
    QFile file(path);
    const int access = fileAccessResult(path, file);
    if (access != VocalyneExtraction::TextExtracted)
        return access;
    file.close();

    VocalyneTextPieces out(sink);
    try {
        switch (detect(path)) {
        case Format::Pdf:
            return VocalynePdfExtractor::extract(path, out);
        case Format::Rtf: {
            if (!file.open(QIODevice::ReadOnly))
                return VocalyneExtraction::AccessFailure;
            return VocalyneRtfExtractor::extract(file.readAll(), out);
        }
        case Format::OfficeOpenXml:
        case Format::OpenDocument:
        case Format::Epub: {
            VocalyneZipPackage package;
            if (!package.open(path))
                return VocalyneExtraction::NoFilter;
            return extractPackage(package, out);
        }
        case Format::EncryptedOffice:
            return VocalyneExtraction::PasswordProtected;
        case Format::OtherZip:
        case Format::Unknown:
            break;
        }
    } catch (const std::bad_alloc &) {
        return VocalyneExtraction::OutOfMemory;
    } catch (...) {
        return VocalyneExtraction::NoFilter;
    }
    return VocalyneExtraction::NoFilter;
}

QStringList VocalyneDocumentExtractor::suffixes()
{
    return {QStringLiteral("pdf"),  QStringLiteral("docx"), QStringLiteral("docm"),
            QStringLiteral("dotx"), QStringLiteral("pptx"), QStringLiteral("pptm"),
            QStringLiteral("ppsx"), QStringLiteral("xlsx"), QStringLiteral("xlsm"),
            QStringLiteral("odt"),  QStringLiteral("ott"),  QStringLiteral("odp"),
            QStringLiteral("ods"),  QStringLiteral("epub"), QStringLiteral("rtf")};
}

QString VocalyneDocumentExtractor::fileDialogFilter()
{
    QStringList all = {QStringLiteral("*.t2s"), QStringLiteral("*.txt")};
    for (const QString &suffix : suffixes())
        all.append(QStringLiteral("*.") + suffix);
    const QStringList filters = {
        tr("All Supported Documents (%1)").arg(all.join(QLatin1Char(' '))),
        tr("Halvern T2S Document (*.t2s)"),
        tr("Text Files (*.txt)"),
        tr("PDF Documents (*.pdf)"),
        tr("Word Documents (*.docx *.docm *.dotx *.rtf)"),
        tr("Presentations (*.pptx *.pptm *.ppsx *.odp)"),
        tr("Spreadsheets (*.xlsx *.xlsm *.ods)"),
        tr("OpenDocument Text (*.odt *.ott)"),
        tr("E-books (*.epub)"),
        tr("All Files (*)"),
    };
    return filters.join(QStringLiteral(";;"));
}
