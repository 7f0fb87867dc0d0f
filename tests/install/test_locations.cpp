// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// How a program tells a build tree from an install tree, and where it then
// looks for its helpers and data.
#include "vocalynelocations.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

class Locations : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString make(const QString &relative)
    {
        const QString path = m_dir.filePath(relative);
        EXPECT_TRUE(QDir().mkpath(path));
        return QDir::cleanPath(path);
    }
    QTemporaryDir m_dir;
};

TEST_F(Locations, AnInstallTreeIsFoundFromItsProgramAndHelperFolders)
{
    const QString prefix = make(QStringLiteral("usr"));
    const QString bin =
        make(QStringLiteral("usr/") + VocalyneLocations::installedProgramSubfolder());
    const QString helpers =
        make(QStringLiteral("usr/") + VocalyneLocations::installedHelperSubfolder());
    const QString data = make(QStringLiteral("usr/") + VocalyneLocations::installedDataSubfolder());

    for (const QString &folder : {bin, helpers, bin + QStringLiteral("/")}) {
        SCOPED_TRACE(folder.toStdString());
        const VocalyneLocations where(folder);
        EXPECT_TRUE(where.isInstalled());
        EXPECT_EQ(where.prefix(), prefix);
        EXPECT_EQ(where.programDirectory(), bin);
        EXPECT_EQ(where.helperDirectory(), helpers);
        EXPECT_EQ(where.dataDirectory(), data);
        EXPECT_EQ(where.translationsDirectory(),
                  prefix + QLatin1Char('/') + VocalyneLocations::installedTranslationsSubfolder());
        // The OCR adapter is looked for among the helpers, never beside the
        // programs where the system's own tesseract lives.
        EXPECT_EQ(where.helper(QStringLiteral("tesseract")),
                  helpers + QStringLiteral("/tesseract"));
        EXPECT_EQ(where.program(QStringLiteral("HalvernGlyphix")),
                  bin + QStringLiteral("/HalvernGlyphix"));
        EXPECT_EQ(where.data(QStringLiteral("VocalyneHelp/index.htm")),
                  data + QStringLiteral("/VocalyneHelp/index.htm"));
    }
}

TEST_F(Locations, ABuildTreeKeepsEverythingInTheProgramsOwnFolder)
{
    // A build folder's "bin" without the install data folder beside it, a
    // folder that merely ends like the helper folder, and the test folder.
    const QString bin =
        make(QStringLiteral("build/") + VocalyneLocations::installedProgramSubfolder());
    make(QStringLiteral("build/share/icons"));
    const QString helperLike =
        make(QStringLiteral("other/") + VocalyneLocations::installedHelperSubfolder());
    const QString tests = make(QStringLiteral("build/tests"));
    for (const QString &folder : {bin, helperLike, tests}) {
        SCOPED_TRACE(folder.toStdString());
        const VocalyneLocations where(folder);
        EXPECT_FALSE(where.isInstalled());
        EXPECT_TRUE(where.prefix().isEmpty());
        for (const QString &found : {where.programDirectory(), where.helperDirectory(),
                                     where.dataDirectory(), where.translationsDirectory()})
            EXPECT_EQ(found, folder);
        EXPECT_EQ(where.helper(QStringLiteral("VocalyneExporter")),
                  folder + QStringLiteral("/VocalyneExporter"));
    }

    // The data folder of an install must be a folder: a file of that name
    // beside a build's bin is not an install tree.
    const QString fake =
        make(QStringLiteral("fake/") + VocalyneLocations::installedProgramSubfolder());
    const QString dataPath =
        m_dir.filePath(QStringLiteral("fake/")) + VocalyneLocations::installedDataSubfolder();
    QDir().mkpath(QFileInfo(dataPath).path());
    QFile file(dataPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(VocalyneLocations(fake).isInstalled());
}

TEST_F(Locations, TheRunningTestProgramIsInTheBuildTree)
{
    // Test programs run from build/tests, where the build puts the data copies
    // they use; they must never take themselves for an install.
    const VocalyneLocations &where = VocalyneLocations::current();
    EXPECT_FALSE(where.isInstalled());
    EXPECT_EQ(where.dataDirectory(), QCoreApplication::applicationDirPath());
}

} // namespace
