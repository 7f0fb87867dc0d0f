// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStringList>

/// Writes a PDF with Qt's PDF writer: one entry per page, each a list of
/// paragraphs; with two columns the first half of a page's paragraphs fills
/// the left column and the rest the right one.
inline bool writePdf(const QString &path, const QList<QStringList> &pages, bool twoColumns = false)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(72);
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(10);
    painter.setFont(font);
    const QRect area = painter.viewport();
    for (int page = 0; page < pages.size(); ++page) {
        if (page > 0)
            writer.newPage();
        const QStringList &paragraphs = pages[page];
        const int columns = twoColumns ? 2 : 1;
        const int gap = twoColumns ? 40 : 0;
        const int width = (area.width() - gap * (columns - 1)) / columns;
        const int perColumn = (int(paragraphs.size()) + columns - 1) / columns;
        for (int column = 0; column < columns; ++column) {
            int y = 0;
            for (int i = column * perColumn;
                 i < qMin<int>(int(paragraphs.size()), (column + 1) * perColumn); ++i) {
                QRect bounds;
                painter.drawText(QRect(column * (width + gap), y, width, area.height() - y),
                                 Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, paragraphs[i],
                                 &bounds);
                y += bounds.height() + 14; // a blank line between paragraphs
            }
        }
    }
    return painter.end();
}

/// Encrypts a PDF with qpdf (256-bit AES); an empty user password leaves it
/// readable by anyone, with the owner's restrictions only.
inline bool encryptPdf(const QString &in, const QString &out, const QString &userPassword)
{
    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"),
               {QStringLiteral("--encrypt"), userPassword, QStringLiteral("owner-secret"),
                QStringLiteral("256"), QStringLiteral("--"), in, out});
    return qpdf.waitForFinished(60000) && qpdf.exitStatus() == QProcess::NormalExit &&
           qpdf.exitCode() == 0;
}
