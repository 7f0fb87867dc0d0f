// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "extracttestfile.h"
#include "testpdf.h"
#include "vocalyneextractionresult.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using VocalyneExtraction::Result;

namespace {

const QStringList leftColumn = {
    QStringLiteral("The committee met on Tuesday to review the budget for the coming year."),
    QStringLiteral("Members agreed that the library needs longer opening hours in winter."),
};
const QStringList rightColumn = {
    QStringLiteral("A second column begins here with quite different words about rivers."),
    QStringLiteral("Fishing permits will be issued from the first of March onwards."),
};

QString joined(const QList<QStringList> &pages)
{
    QStringList all;
    for (const QStringList &page : pages)
        all += page;
    return all.join(QLatin1Char(' '));
}

class PdfExtraction : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(PdfExtraction, PagesInOrderWordForWord)
{
    const QList<QStringList> pages = {
        {QStringLiteral("Chapter one."), leftColumn[0], leftColumn[1]},
        {QStringLiteral("Ünïcödé wörds: café, naïve, Ærøskøbing, €100.")},
        {rightColumn[0]},
    };
    ASSERT_TRUE(writePdf(path(QStringLiteral("book.pdf")), pages));
    const Extraction out = extractFile(path(QStringLiteral("book.pdf")));
    EXPECT_EQ(out.result, Result::TextExtracted);
    EXPECT_EQ(words(out.text()), words(joined(pages)));
    // Lines of one paragraph are joined; paragraphs stay apart.
    EXPECT_TRUE(out.text().contains(leftColumn[0])) << out.text().toStdString();
    EXPECT_GE(out.collector.checkpoints, 3); // before every page
}

TEST_F(PdfExtraction, TwoColumnsAreReadOneAfterTheOtherWithLigaturesSpelledOut)
{
    // Running text in columns of their own length, as a newsletter sets it;
    // the font joins "ff", "fi" and "fl" into ligature glyphs.
    const QStringList columns = {
        QStringLiteral("The committee met on Tuesday to review the budget for the coming year. "
                       "Members agreed that the library needs longer opening hours in winter, "
                       "and that the reading room should be heated from October. The treasurer "
                       "reported a small surplus which will be spent on new books for children "
                       "and on repairs to the roof above the archive."),
        QStringLiteral("Short closing line of the left column."),
        QStringLiteral("A second column begins here with quite different words about rivers. "
                       "Fishing permits will be issued from the first of March onwards. Anglers "
                       "must keep to the marked banks and return every trout shorter than thirty "
                       "centimetres to the water, says the official leaflet."),
    };
    ASSERT_TRUE(writePdf(path(QStringLiteral("columns.pdf")), {columns}, true));
    const Extraction out = extractFile(path(QStringLiteral("columns.pdf")));
    EXPECT_EQ(out.result, Result::TextExtracted);
    EXPECT_EQ(words(out.text()), words(columns.join(QLatin1Char(' '))));
}

TEST_F(PdfExtraction, PasswordsAndRestrictions)
{
    const QString plain = path(QStringLiteral("plain.pdf"));
    ASSERT_TRUE(writePdf(plain, {leftColumn}));
    // A password to open the file: the text cannot be had.
    ASSERT_TRUE(encryptPdf(plain, path(QStringLiteral("locked.pdf")), QStringLiteral("user")));
    EXPECT_EQ(extractFile(path(QStringLiteral("locked.pdf"))).result, Result::PasswordProtected);
    // Restrictions only: anyone may open and read it.
    ASSERT_TRUE(encryptPdf(plain, path(QStringLiteral("restricted.pdf")), QString()));
    const Extraction restricted = extractFile(path(QStringLiteral("restricted.pdf")));
    EXPECT_EQ(restricted.result, Result::TextExtracted);
    EXPECT_EQ(words(restricted.text()), words(leftColumn.join(QLatin1Char(' '))));
}

TEST_F(PdfExtraction, BlankTruncatedAndDamagedFiles)
{
    ASSERT_TRUE(writePdf(path(QStringLiteral("blank.pdf")), {{QString()}}));
    EXPECT_EQ(extractFile(path(QStringLiteral("blank.pdf"))).result, Result::NoText);

    ASSERT_TRUE(writePdf(path(QStringLiteral("whole.pdf")),
                         {leftColumn, rightColumn, leftColumn, rightColumn}));
    QFile whole(path(QStringLiteral("whole.pdf")));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    for (int step = 1; step < 20; ++step) {
        const qsizetype cut = bytes.size() * step / 20;
        const Extraction out = extractBytes(bytes.left(cut), QStringLiteral("cut.pdf"));
        EXPECT_TRUE(out.result == Result::TextExtracted || out.result == Result::NoText ||
                    out.result == Result::NoFilter)
            << cut;
    }
    EXPECT_EQ(extractBytes("%PDF-1.7\n%garbage only", QStringLiteral("bad.pdf")).result,
              Result::NoFilter);
}
