// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynepdfextractor.h"

#include "vocalyneextractionresult.h"
#include "vocalynetextpieces.h"

#include <QFile>

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <memory>

namespace {

// The library reports every oddity of a damaged file on standard error; the
// result code already says what matters.
void quiet(const std::string &, void *) {}

// Typeset text carries the ligature glyphs of its fonts ("ﬁ" for "fi");
// a voice would stumble over them, so they are spelled out.
void spellOutLigatures(QString &text)
{
    static const char *const ligatures[] = {"ff", "fi", "fl", "ffi", "ffl", "st", "st"};
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        const char16_t c = text.at(i).unicode();
        if (c >= 0xFB00 && c <= 0xFB06)
            text.replace(i, 1, QLatin1String(ligatures[c - 0xFB00]));
    }
}

} // namespace

void VocalynePdfExtractor::addPageText(const QString &text, VocalyneTextPieces &out)
{
    QString paragraph;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && text.at(end) != QLatin1Char('\n') &&
               text.at(end) != QLatin1Char('\f'))
            ++end;
        const QStringView line = QStringView(text).mid(start, end - start).trimmed();
        const bool pageBreak = end < text.size() && text.at(end) == QLatin1Char('\f');
        if (line.isEmpty() || pageBreak) {
            if (!line.isEmpty())
                paragraph += line;
            if (!out.paragraph(paragraph))
                return;
            paragraph.clear();
        } else {
            if (!paragraph.isEmpty())
                paragraph += QLatin1Char(' ');
            paragraph += line;
        }
        start = end + 1;
    }
    out.paragraph(paragraph);
}

int VocalynePdfExtractor::extract(const QString &path, VocalyneTextPieces &out)
{
    poppler::set_debug_error_function(quiet, nullptr);
    std::unique_ptr<poppler::document> document(
        poppler::document::load_from_file(QFile::encodeName(path).toStdString()));
    if (!document)
        return VocalyneExtraction::NoFilter;
    if (document->is_locked())
        return VocalyneExtraction::PasswordProtected;

    const int pages = document->pages();
    for (int index = 0; index < pages; ++index) {
        if (!out.checkpoint())
            break;
        std::unique_ptr<poppler::page> page(document->create_page(index));
        if (!page)
            continue;
        const poppler::ustring text =
            page->text(poppler::rectf(), poppler::page::non_raw_non_physical_layout);
        QString pageText = QString::fromUtf16(reinterpret_cast<const char16_t *>(text.data()),
                                              qsizetype(text.size()));
        spellOutLigatures(pageText);
        addPageText(pageText, out);
    }
    out.finish();
    return out.result();
}
