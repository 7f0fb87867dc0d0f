// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneexportcatalogue.h"
#include "vocalyneexportexitcodes.h"
#include "vocalyneexportfiles.h"
#include "vocalyneexportrequest.h"

#include <gtest/gtest.h>

TEST(ExportExitCodes, EveryCodeHasItsMessageAndStatus)
{
    using Codes = VocalyneExportExitCodes;
    const struct
    {
        int code;
        const char *message;
    } table[] = {
        {0, "Export successful!"},
        {-1, "Invalid parameters specified."},
        {-2, "Unable to access the text for the conversion."},
        {-3, "MP3 file conversion error."},
        {-4, "Failed to open input file."},
        {-5, "Access to the specified file denied. This may be due to a sharing violation."},
        {-6, "Text content not found."},
        {-7, "General access failure."},
        {-8, "Out of memory."},
        {-9, "Access denied. The document may be protected."},
        {-10, "Unspecified error."},
    };
    for (const auto &row : table) {
        const Codes::Report report = Codes::report(row.code);
        EXPECT_TRUE(report.shown) << row.code;
        EXPECT_EQ(report.status, row.code == 0 ? 0 : -1);
        EXPECT_EQ(report.message, QString::fromLatin1(row.message));
    }
    for (int code : {1, 10, 104}) {
        const Codes::Report report = Codes::report(code);
        EXPECT_TRUE(report.shown);
        EXPECT_EQ(report.status, -1);
        EXPECT_EQ(report.message,
                  QStringLiteral("Export failed with error code: %1.\nEither the process "
                                 "terminated unexpectedly or the voice does not support the "
                                 "selected audio format.")
                      .arg(code));
    }
    EXPECT_FALSE(Codes::report(105).shown);
    EXPECT_FALSE(Codes::report(-11).shown);
    // The system hands exit codes over as 8-bit values.
    EXPECT_EQ(Codes::normalise(255), -1);
    EXPECT_EQ(Codes::normalise(246), -10);
    EXPECT_EQ(Codes::normalise(245), -11);
    EXPECT_EQ(Codes::normalise(128), -128);
    EXPECT_EQ(Codes::normalise(127), 127);
    EXPECT_EQ(Codes::normalise(10), 10);
}

TEST(ExportRequest, EighteenArgumentsRoundTrip)
{
    VocalyneExportRequest request;
    request.voiceName = QStringLiteral("English (Great Britain)");
    request.languageId = 0x0809;
    request.pitch = 120;
    request.speed = 80;
    request.volume = 55;
    request.outputPath = QStringLiteral("/tmp/some folder/talk.mp3");
    ExportSettingData row = VocalyneExportCatalogue::row(43);
    row.isMP3 = true;
    request.setFormat(row);
    request.speakPunctuation = true;
    const QStringList arguments = request.toArguments();
    ASSERT_EQ(arguments.size(), 18);
    EXPECT_EQ(arguments.at(8), QStringLiteral("-1"));
    EXPECT_EQ(arguments.at(11), QStringLiteral("45"));
    EXPECT_EQ(arguments.at(12), QStringLiteral("alaw"));
    EXPECT_EQ(arguments.at(16), QStringLiteral("1"));
    EXPECT_TRUE(arguments.at(17).isEmpty());

    VocalyneExportRequest back;
    ASSERT_TRUE(VocalyneExportRequest::fromArguments(arguments, back));
    EXPECT_EQ(back.toArguments(), arguments);

    // Batch rows pass the language unsigned: the same 16 bits either way.
    QStringList unsignedLanguage = arguments;
    unsignedLanguage[3] = QStringLiteral("65535");
    ASSERT_TRUE(VocalyneExportRequest::fromArguments(unsignedLanguage, back));
    EXPECT_EQ(back.languageId, 0xFFFF);
    unsignedLanguage[3] = QStringLiteral("-1");
    ASSERT_TRUE(VocalyneExportRequest::fromArguments(unsignedLanguage, back));
    EXPECT_EQ(back.languageId, 0xFFFF);

    QStringList broken = arguments;
    broken[5] = QStringLiteral("fast");
    EXPECT_FALSE(VocalyneExportRequest::fromArguments(broken, back));
    broken = arguments;
    broken[0] = QStringLiteral("70000");
    EXPECT_FALSE(VocalyneExportRequest::fromArguments(broken, back));
    EXPECT_FALSE(VocalyneExportRequest::fromArguments(arguments.mid(0, 17), back));
}

TEST(ExportFiles, NamesAroundAnExport)
{
    const QString token = QStringLiteral("5e2a9d7c41b80f36e9d4a1c7b2f05e83");
    // Exactly four characters go, whatever the extension.
    EXPECT_EQ(VocalyneExportFiles::intermediatePath(QStringLiteral("/out/talk.mp3")),
              QStringLiteral("/out/talk") + token + QStringLiteral("__.wav"));
    EXPECT_EQ(VocalyneExportFiles::intermediatePath(QStringLiteral("/out/talk.mpeg3")),
              QStringLiteral("/out/talk.m") + token + QStringLiteral("__.wav"));
    EXPECT_EQ(VocalyneExportFiles::intermediatePath(QStringLiteral("ab")),
              token + QStringLiteral("__.wav"));
    EXPECT_EQ(VocalyneExportFiles::partialPath(QStringLiteral("/out/talk.wav"), 42),
              QStringLiteral("/out/.talk.wav.42.part"));
    EXPECT_EQ(VocalyneExportFiles::partialPath(QStringLiteral("talk.wav"), 7),
              QStringLiteral(".talk.wav.7.part"));
    EXPECT_EQ(VocalyneExportFiles::join(QStringLiteral("/out"), QStringLiteral("a.wav")),
              QStringLiteral("/out/a.wav"));
    EXPECT_EQ(VocalyneExportFiles::join(QStringLiteral("/out/"), QStringLiteral("a.wav")),
              QStringLiteral("/out/a.wav"));
    EXPECT_EQ(VocalyneExportFiles::instanceSharedMemoryKey(1234), token + QStringLiteral("1234"));
}
