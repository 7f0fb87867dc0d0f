// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The Debian package made from the build tree: installed under /usr, its
// dependencies read from the binaries, and the speech host registered for
// every user at its installed path.
#include "installedtree.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

class DebianPackage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QDir folder(qEnvironmentVariable("VOCALYNE_TEST_PACKAGE_DIR"));
        const QStringList packages = folder.entryList({QStringLiteral("vocalyne_*.deb")});
        ASSERT_EQ(packages.size(), 1) << folder.path().toStdString();
        m_package = folder.filePath(packages.first());
    }
    QString field(const QString &name) const
    {
        return QString::fromUtf8(
                   runProgram(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), m_package, name})
                       .output)
            .simplified();
    }
    QByteArray member(const QString &path) const
    {
        // dpkg-deb --fsys-tarfile piped into tar, without a shell.
        QProcess deb;
        QProcess tar;
        deb.setStandardOutputProcess(&tar);
        deb.start(QStringLiteral("dpkg-deb"), {QStringLiteral("--fsys-tarfile"), m_package});
        tar.start(QStringLiteral("tar"), {QStringLiteral("-xO"), QStringLiteral(".") + path});
        deb.waitForFinished(60000);
        tar.waitForFinished(60000);
        return tar.readAllStandardOutput();
    }
    QString m_package;
};

TEST_F(DebianPackage, DependsOnWhatTheBinariesLinkAndWhatTheProgramsLoad)
{
    const QStringList depends =
        field(QStringLiteral("Depends")).split(QStringLiteral(", "), Qt::SkipEmptyParts);
    auto dependsOn = [&](const QString &package) {
        return depends.indexOf(QRegularExpression(
                   QStringLiteral("^%1( \\(.*\\))?$").arg(QRegularExpression::escape(package)))) >=
               0;
    };
    // Computed from the binaries: the toolkit, the synthesiser, the recogniser,
    // the audio and document libraries.
    for (const char *library :
         {"libqt6widgets6", "libqt6core6", "libespeak-ng1", "libtesseract5", "libsndfile1",
          "libmp3lame0", "libhunspell-1.7-0", "libpulse0", "libpoppler-cpp0v5", "libzip4"})
        EXPECT_TRUE(dependsOn(QString::fromLatin1(library))) << library;
    // Loaded, not linked: the voices' data, every recogniser language the OCR
    // program offers, the history's SQL driver and the window platforms.
    for (const char *data :
         {"espeak-ng-data", "libqt6sql6-sqlite", "qt6-qpa-plugins", "tesseract-ocr-eng",
          "tesseract-ocr-deu", "tesseract-ocr-spa", "tesseract-ocr-fra", "tesseract-ocr-ita",
          "tesseract-ocr-nld", "tesseract-ocr-por", "tesseract-ocr-vie"})
        EXPECT_TRUE(dependsOn(QString::fromLatin1(data))) << data;
    // The package's own engine library is not a dependency on another package.
    EXPECT_FALSE(field(QStringLiteral("Depends")).contains(QStringLiteral("qvtts")));
    EXPECT_EQ(field(QStringLiteral("Package")), QStringLiteral("vocalyne"));
    EXPECT_TRUE(field(QStringLiteral("Version"))
                    .startsWith(qEnvironmentVariable("VOCALYNE_TEST_PROJECT_VERSION")));
}

TEST_F(DebianPackage, InstallsUnderUsrAndRegistersTheInstalledHost)
{
    const QString listing = QString::fromUtf8(
        runProgram(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), m_package}).output);
    QStringList paths;
    for (const QString &line : listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        // "mode owner size date time ./path [-> target]"
        const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.size() >= 6)
            paths << fields.at(5).mid(1);
    }
    for (const QString &path : paths)
        EXPECT_TRUE((path.startsWith(QLatin1String("/usr/")) ||
                     path.startsWith(QLatin1String("/etc/")) || path == QLatin1String("/")) &&
                    !path.startsWith(QLatin1String("/etc/opt")))
            << path.toStdString();

    const QString helpers = QStringLiteral("/usr/") + VocalyneLocations::installedHelperSubfolder();
    for (const QString &expected :
         {QStringLiteral("/usr/bin/Vocalyne"), QStringLiteral("/usr/bin/HalvernGlyphix"),
          helpers + QStringLiteral("/tesseract"), helpers + QStringLiteral("/VocalyneExporter"),
          helpers + QStringLiteral("/vocalyne-speech-host"), QStringLiteral("/usr/include/qvtts.h"),
          QStringLiteral("/usr/share/applications/org.halvern.Vocalyne.desktop"),
          QStringLiteral("/usr/share/mime/packages/vocalyne.xml"),
          QStringLiteral("/usr/share/metainfo/org.halvern.Vocalyne.metainfo.xml")})
        EXPECT_TRUE(paths.contains(expected)) << expected.toStdString();
    EXPECT_FALSE(paths.contains(QStringLiteral("/usr/bin/tesseract")));

    // Chromium, Firefox and Thunderbird find the host at its installed path
    // without a user's step; nothing goes into /etc/opt, the local administrator's.
    for (const char *manifest :
         {"/etc/chromium/native-messaging-hosts/org.halvern.vocalyne.json",
          "/usr/lib/mozilla/native-messaging-hosts/org.halvern.vocalyne.json"})
        EXPECT_EQ(QJsonDocument::fromJson(member(QString::fromLatin1(manifest)))
                      .object()
                      .value(QStringLiteral("path"))
                      .toString(),
                  helpers + QStringLiteral("/vocalyne-speech-host"))
            << manifest;
}

} // namespace
