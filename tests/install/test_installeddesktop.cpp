// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The installed desktop integration as a desktop sees it: menu entries and
// metadata that validate, and .t2s files (and the types the import reads)
// recognised and offered to Vocalyne.
#include "installedtree.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString VocalyneEntry = QStringLiteral("org.halvern.Vocalyne.desktop");
const QString GlyphixEntry = QStringLiteral("org.halvern.HalvernGlyphix.desktop");
const QString T2sType = QStringLiteral("application/x-vocalyne-t2s");

QString share(const QString &relative)
{
    return installedPrefix() + QStringLiteral("/share/") + relative;
}

// The keys of a desktop entry's main group (QSettings cannot read the
// localised keys such as "Name[de]").
QHash<QString, QString> desktopEntry(const QString &path)
{
    QFile file(path);
    QHash<QString, QString> keys;
    if (!file.open(QIODevice::ReadOnly))
        return keys;
    bool inEntry = false;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inEntry = line == QLatin1String("[Desktop Entry]");
        else if (inEntry && line.contains(QLatin1Char('=')) && !line.startsWith(QLatin1Char('#')))
            keys.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    return keys;
}

class InstalledDesktop : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_user.isValid());
        m_environment = desktopEnvironment(m_user.path());
    }
    QString file(const QString &name, const QByteArray &content)
    {
        const QString path = m_user.filePath(name);
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(content);
        return path;
    }
    QString contentType(const QString &path)
    {
        const ProgramRun run = runProgram(QStringLiteral("gio"),
                                          {QStringLiteral("info"), QStringLiteral("-a"),
                                           QStringLiteral("standard::content-type"), path},
                                          m_environment);
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("standard::content-type: (\\S+)"))
                .match(QString::fromUtf8(run.output));
        return match.captured(1);
    }
    QString registeredApplications(const QString &type)
    {
        return QString::fromUtf8(
            runProgram(QStringLiteral("gio"), {QStringLiteral("mime"), type}, m_environment)
                .output);
    }

    QTemporaryDir m_user;
    QProcessEnvironment m_environment;
};

TEST_F(InstalledDesktop, EntriesAndMetadataValidateAndNameInstalledFiles)
{
    for (const QString &entry : {VocalyneEntry, GlyphixEntry}) {
        const QString path = share(QStringLiteral("applications/") + entry);
        const ProgramRun validated = runProgram(QStringLiteral("desktop-file-validate"), {path});
        EXPECT_EQ(validated.exitCode, 0) << validated.output.data() << validated.errors.data();

        // The program and its icon are installed under the names the entry uses.
        const QHash<QString, QString> desktop = desktopEntry(path);
        const QString program =
            desktop.value(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0);
        EXPECT_TRUE(QFileInfo(installedLocations().program(program)).isExecutable())
            << program.toStdString();
        const QString icon = desktop.value(QStringLiteral("Icon"));
        for (const QString &size :
             {QStringLiteral("16x16"), QStringLiteral("48x48"), QStringLiteral("256x256")})
            EXPECT_TRUE(QFileInfo::exists(
                share(QStringLiteral("icons/hicolor/%1/apps/%2.png").arg(size, icon))))
                << size.toStdString() << " " << icon.toStdString();
        EXPECT_TRUE(QFileInfo::exists(
            share(QStringLiteral("icons/hicolor/scalable/apps/%1.svg").arg(icon))));
        // German menus show German texts.
        EXPECT_FALSE(desktop.value(QStringLiteral("Comment[de]")).isEmpty());
        EXPECT_FALSE(desktop.value(QStringLiteral("Name[de]")).isEmpty());
    }

    const ProgramRun metainfo =
        runProgram(QStringLiteral("appstreamcli"),
                   {QStringLiteral("validate"), QStringLiteral("--no-net"),
                    share(QStringLiteral("metainfo/org.halvern.Vocalyne.metainfo.xml"))});
    EXPECT_EQ(metainfo.exitCode, 0) << metainfo.output.data() << metainfo.errors.data();
    QFile metadata(share(QStringLiteral("metainfo/org.halvern.Vocalyne.metainfo.xml")));
    ASSERT_TRUE(metadata.open(QIODevice::ReadOnly));
    EXPECT_TRUE(metadata.readAll().contains("<release version=\"" +
                                            qgetenv("VOCALYNE_TEST_PROJECT_VERSION") + "\""));
}

TEST_F(InstalledDesktop, T2sFilesAreRecognisedByNameAndByContent)
{
    const QByteArray document =
        "<QVT2SDoc version=\"2.0.0\">\n <QVT2SContent>Hello</QVT2SContent>\n"
        "</QVT2SDoc>\n";
    EXPECT_EQ(contentType(file(QStringLiteral("letter.t2s"), document)), T2sType);
    // Suffixes are compared without regard to case.
    EXPECT_EQ(contentType(file(QStringLiteral("LETTER.T2S"), document)), T2sType);
    // A document without its suffix is known by its root element.
    EXPECT_EQ(contentType(file(QStringLiteral("letter"), document)), T2sType);
    // Other XML is not taken for one.
    EXPECT_NE(contentType(file(QStringLiteral("other"), "<QVT2SOther/>\n")), T2sType);
    // The type has its own icon in the theme.
    const QString icon =
        share(QStringLiteral("icons/hicolor/48x48/mimetypes/application-x-vocalyne-t2s.png"));
    EXPECT_TRUE(QFileInfo::exists(icon));
}

TEST_F(InstalledDesktop, VocalyneIsOfferedForItsDocumentsTextAndImportedTypes)
{
    for (const QString &type :
         {T2sType, QStringLiteral("text/plain"), QStringLiteral("application/pdf"),
          QStringLiteral("application/rtf"), QStringLiteral("application/epub+zip"),
          QStringLiteral("application/vnd.oasis.opendocument.text"),
          QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.document"),
          QStringLiteral(
              "application/vnd.openxmlformats-officedocument.presentationml.presentation"),
          QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet")}) {
        const QString applications = registeredApplications(type);
        EXPECT_TRUE(applications.contains(VocalyneEntry)) << type.toStdString() << ":\n"
                                                          << applications.toStdString();
        // The OCR program opens no documents.
        EXPECT_FALSE(applications.contains(GlyphixEntry)) << type.toStdString();
    }
}

} // namespace
