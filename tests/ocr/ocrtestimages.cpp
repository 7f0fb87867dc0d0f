// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "ocrtestimages.h"

#include <QFile>
#include <QFont>
#include <QHash>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <allheaders.h>

namespace OcrTestImages {

namespace {
constexpr int Dpi = 300;
constexpr int DotsPerMeter = 11811; // 300 dpi
constexpr int PageWidth = 2480;
constexpr int Margin = 150;
constexpr int LineHeight = 75;

QStringList words(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("\\s+"));
    return text.split(separators, Qt::SkipEmptyParts);
}
} // namespace

QImage renderPage(const QStringList &lines)
{
    const int height = 2 * Margin + LineHeight * int(lines.size());
    QImage page(PageWidth, height, QImage::Format_RGB32);
    page.fill(Qt::white);
    page.setDotsPerMeterX(DotsPerMeter);
    page.setDotsPerMeterY(DotsPerMeter);
    QPainter painter(&page);
    QFont font(QStringLiteral("DejaVu Serif"));
    // 12 points at 300 dpi.
    font.setPixelSize(12 * Dpi / 72);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(Margin, Margin + LineHeight * (i + 1) - 20, lines.at(i));
    painter.end();
    return page;
}

bool writeTiff(const QList<QImage> &pages, const QString &path, Tiff compression)
{
    if (pages.isEmpty())
        return false;
    if (pages.size() == 1 && compression != Tiff::G4) {
        QImageWriter writer(path, "tiff");
        writer.setCompression(compression == Tiff::Lzw ? 1 : 0);
        return writer.write(pages.first().convertToFormat(QImage::Format_Grayscale8));
    }
    // Group 4 and multi-page files are written by Leptonica from PNG copies.
    QTemporaryDir scratch;
    const QByteArray target = QFile::encodeName(path);
    for (int i = 0; i < pages.size(); ++i) {
        const QString png = scratch.filePath(QStringLiteral("page%1.png").arg(i));
        if (!pages.at(i).convertToFormat(QImage::Format_Grayscale8).save(png, "PNG"))
            return false;
        Pix *pix = pixRead(QFile::encodeName(png).constData());
        if (!pix)
            return false;
        pixSetResolution(pix, Dpi, Dpi);
        l_int32 format = IFF_TIFF;
        Pix *written = pixClone(pix);
        if (compression == Tiff::G4) {
            pixDestroy(&written);
            written = pixConvertTo1(pix, 128);
            format = IFF_TIFF_G4;
        } else if (compression == Tiff::Lzw) {
            format = IFF_TIFF_LZW;
        }
        const l_int32 failed =
            pixWriteTiff(target.constData(), written, format, i == 0 ? "w" : "a");
        pixDestroy(&written);
        pixDestroy(&pix);
        if (failed)
            return false;
    }
    return true;
}

int runAdapter(const QStringList &arguments, QString *output)
{
    QProcess process;
    process.start(QStringLiteral(GLYPHIX_PROGRAM_FOLDER "/tesseract"), arguments);
    if (!process.waitForFinished(120000))
        return 1000;
    if (output)
        *output = QString::fromUtf8(process.readAllStandardOutput());
    const int code = process.exitCode();
    return code >= 128 ? code - 256 : code;
}

double wordRecall(const QString &expected, const QString &recognised)
{
    QHash<QString, int> available;
    for (const QString &word : words(recognised))
        ++available[word];
    const QStringList wanted = words(expected);
    if (wanted.isEmpty())
        return 1.0;
    int found = 0;
    for (const QString &word : wanted) {
        int &count = available[word];
        if (count > 0) {
            --count;
            ++found;
        }
    }
    return double(found) / double(wanted.size());
}

QStringList englishSample()
{
    return {
        QStringLiteral("The quick brown fox jumps over the lazy dog near the river bank."),
        QStringLiteral("Scanned letters and book pages are text that nobody can listen to"),
        QStringLiteral("until a recogniser turns them back into characters, word by word."),
        QStringLiteral("Our reader speaks every document aloud and highlights each word,"),
        QStringLiteral("so the pages of an old report become speech within a few seconds."),
        QStringLiteral("Please send the invoice for March to our office before Friday."),
    };
}

QStringList germanSample()
{
    return {
        QStringLiteral("Über den Wolken muss die Freiheit wohl grenzenlos sein, sagt man."),
        QStringLiteral("Die Größe der Straße überrascht jeden Fußgänger am frühen Morgen."),
        QStringLiteral("Schöne Grüße aus München, wo das Wetter heute äußerst freundlich ist."),
        QStringLiteral("Bitte überweisen Sie den Betrag bis zum Ende des nächsten Monats."),
        QStringLiteral("Der Vorleser spricht jedes Dokument und hebt jedes Wort hervor."),
    };
}

} // namespace OcrTestImages
