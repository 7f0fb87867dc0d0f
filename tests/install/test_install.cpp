// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The suite installed into a temporary prefix: its programs start from there,
// load their own libraries from there, find their helpers and data there, and
// leave the install tree as it was.
#include "exportertesting.h"
#include "installedtree.h"
#include "vocalyneexportcatalogue.h"
#include "vocalyneexportrequest.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>

namespace {

const char SampleDocument[] =
    "<QVT2SDoc version=\"2.0.0\">\n"
    " <QVT2SGlobalVoice enginetypeid=\"3\" voicename=\"espeak-ng English (America)\" voiceid=\"0\""
    " langid=\"1033\" pitch=\"100\" speed=\"100\" volume=\"100\" pause=\"670\" highlight=\"1\""
    " isxml=\"0\"/>\n"
    " <QVT2SSpeechSections/>\n <QVT2SSpeechElements/>\n <QVT2SSpeechBookmarks/>\n"
    " <QVT2SContent>Installed and opened.</QVT2SContent>\n"
    "</QVT2SDoc>\n";

bool isExecutableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

// Every file of the tree with its size and time, to see whether anything
// changed it.
QStringList treeSnapshot(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries << QStringLiteral("%1 %2 %3")
                       .arg(info.filePath())
                       .arg(info.isDir() ? -1 : info.size())
                       .arg(info.lastModified().toMSecsSinceEpoch());
    }
    entries.sort();
    return entries;
}

// The files of the shared libraries a running process has loaded whose name
// starts with stem.
QStringList loadedLibraries(qint64 pid, const QString &stem)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    QStringList files;
    if (!maps.open(QIODevice::ReadOnly))
        return files;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const int slash = line.indexOf('/');
        if (slash < 0)
            continue;
        const QString file = QString::fromUtf8(line.mid(slash));
        if (QFileInfo(file).fileName().startsWith(stem) && !files.contains(file))
            files << file;
    }
    return files;
}

class InstalledSuite : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(installedPrefix().isEmpty());
        ASSERT_TRUE(m_user.isValid());
        m_environment = desktopEnvironment(m_user.path());
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_environment.insert(QStringLiteral("VOCALYNE_AUDIO_OUTPUT"), QStringLiteral("fast-null"));
    }
    QString userFile(const QString &name, const QByteArray &content)
    {
        const QString path = m_user.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    const VocalyneLocations m_where = installedLocations();
    QTemporaryDir m_user;
    QProcessEnvironment m_environment;
};

TEST_F(InstalledSuite, EveryFileIsWhereItsProgramsLookForIt)
{
    ASSERT_TRUE(m_where.isInstalled());
    EXPECT_EQ(m_where.prefix(), installedPrefix());
    // A helper program reaches the same folders from its own.
    EXPECT_EQ(VocalyneLocations(m_where.helperDirectory()).dataDirectory(),
              m_where.dataDirectory());

    for (const char *name : {"Vocalyne", "HalvernGlyphix", "vocalyne-register-native-host"})
        EXPECT_TRUE(isExecutableFile(m_where.program(QString::fromLatin1(name)))) << name;
    for (const char *name : {"VocalyneExporter", "tesseract", "vocalyne-speech-host"}) {
        EXPECT_TRUE(isExecutableFile(m_where.helper(QString::fromLatin1(name)))) << name;
        // Users never call them; the adapter would shadow the system's tesseract.
        EXPECT_FALSE(QFileInfo::exists(m_where.program(QString::fromLatin1(name)))) << name;
    }
    for (const char *relative :
         {"VocalyneHelp/index.htm", "VocalyneHelp/Tutorial.htm", "VocalyneHelp/QuickReference.htm",
          "VocalyneHelp_German/index.htm", "VocalyneToolbar.html", "VocalyneVoices_de.html",
          "English-USUK.scd", "German.scd", "VocalyneSC.aff", "browser-extension/manifest.json",
          "mail-extension/manifest.json", "vocalyne-mail.xpi"})
        EXPECT_TRUE(QFileInfo(m_where.data(QString::fromLatin1(relative))).isFile()) << relative;

    // Every catalogue the build compiles is installed where the programs load
    // them from.
    const QDir built(qEnvironmentVariable("VOCALYNE_TEST_BUILD_BIN"));
    const QStringList catalogues = built.entryList({QStringLiteral("*.qm")}, QDir::Files);
    EXPECT_FALSE(catalogues.isEmpty());
    for (const QString &catalogue : catalogues)
        EXPECT_TRUE(
            QFileInfo::exists(m_where.translationsDirectory() + QLatin1Char('/') + catalogue))
            << catalogue.toStdString();
}

TEST_F(InstalledSuite, ProgramsStartFromThePrefixWithTheirOwnLibrariesAndData)
{
    const QStringList before = treeSnapshot(installedPrefix());
    const QString document = userFile(QStringLiteral("sample.t2s"), SampleDocument);

    QProcess vocalyne;
    vocalyne.setProcessEnvironment(m_environment);
    vocalyne.start(m_where.program(QStringLiteral("Vocalyne")), {document});
    QProcess glyphix;
    glyphix.setProcessEnvironment(m_environment);
    glyphix.start(m_where.program(QStringLiteral("HalvernGlyphix")), {});
    ASSERT_TRUE(vocalyne.waitForStarted());
    ASSERT_TRUE(glyphix.waitForStarted());

    // The first start writes the shipped dictionaries into the settings, with
    // the path the program found them at.
    const QString settingsPath = m_user.filePath(QStringLiteral("config/Halvern/Vocalyne.conf"));
    QString dictionary;
    for (int i = 0; i < 300 && dictionary.isEmpty(); ++i) {
        ASSERT_EQ(vocalyne.state(), QProcess::Running) << vocalyne.readAllStandardError().data();
        QThread::msleep(100);
        dictionary = QSettings(settingsPath, QSettings::NativeFormat)
                         .value(QStringLiteral("SpellCheckDictionaries/0/path"))
                         .toString();
    }
    EXPECT_EQ(dictionary, m_where.data(QStringLiteral("English-USUK.scd")));

    // The engine and the spell checker come from the prefix, not from the build.
    for (const char *stem : {"libqvtts.so", "libVocalyneSC.so"}) {
        const QStringList loaded = loadedLibraries(vocalyne.processId(), QString::fromLatin1(stem));
        ASSERT_EQ(loaded.size(), 1) << stem << ": " << loaded.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(
            QFileInfo(loaded.first())
                .canonicalFilePath()
                .startsWith(QFileInfo(installedPrefix()).canonicalFilePath() + QLatin1Char('/')))
            << loaded.first().toStdString();
    }
    EXPECT_EQ(glyphix.state(), QProcess::Running) << glyphix.readAllStandardError().data();

    vocalyne.kill();
    glyphix.kill();
    vocalyne.waitForFinished();
    glyphix.waitForFinished();
    // Whatever the programs write goes to the user's folders.
    EXPECT_EQ(treeSnapshot(installedPrefix()), before);
}

TEST_F(InstalledSuite, HelpersWorkFromThePrefix)
{
    // The export worker speaks a text file into an audio file.
    VocalyneExportRequest request;
    request.voiceName = testVoiceName();
    request.outputPath = m_user.filePath(QStringLiteral("spoken.wav"));
    request.setFormat(VocalyneExportCatalogue::row(20));
    request.inputPath = userFile(QStringLiteral("text.txt"), "Spoken by the installed worker.");
    const ProgramRun exported = runProgram(m_where.helper(QStringLiteral("VocalyneExporter")),
                                           request.toArguments(), m_environment, 120000);
    ASSERT_TRUE(exported.finished);
    EXPECT_EQ(exported.exitCode, 0) << exported.errors.data();
    EXPECT_GT(readAudioInfo(request.outputPath).seconds, 0.5);

    // The OCR adapter reads a page drawn at 300 dpi.
    QImage page(1400, 300, QImage::Format_Grayscale8);
    page.fill(Qt::white);
    page.setDotsPerMeterX(11811);
    page.setDotsPerMeterY(11811);
    {
        QPainter painter(&page);
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPixelSize(64);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(page.rect(), Qt::AlignCenter, QStringLiteral("Recognised after install"));
    }
    const QString image = m_user.filePath(QStringLiteral("page.png"));
    ASSERT_TRUE(page.save(image));
    const ProgramRun recognised = runProgram(m_where.helper(QStringLiteral("tesseract")),
                                             {image, m_user.filePath(QStringLiteral("page")),
                                              QStringLiteral("-l"), QStringLiteral("eng")},
                                             m_environment, 120000);
    ASSERT_TRUE(recognised.finished);
    EXPECT_EQ(recognised.exitCode, 0) << recognised.errors.data();
    EXPECT_TRUE(
        QString::fromUtf8(recognised.output).contains(QStringLiteral("Recognised after install")))
        << recognised.output.data();

    // The speech host answers a browser's greeting with the installed voices.
    QProcess host;
    host.setProcessEnvironment(m_environment);
    host.start(m_where.helper(QStringLiteral("vocalyne-speech-host")), {});
    ASSERT_TRUE(host.waitForStarted());
    const QByteArray hello = R"({"type":"hello","id":1})";
    quint32 length = qToLittleEndian(quint32(hello.size()));
    host.write(reinterpret_cast<const char *>(&length), 4);
    host.write(hello);
    QByteArray answer;
    for (int i = 0; i < 200; ++i) {
        host.waitForReadyRead(100);
        answer += host.readAllStandardOutput();
        if (answer.size() >= 4 &&
            answer.size() >= 4 + qFromLittleEndian<quint32>(answer.constData()))
            break;
    }
    host.closeWriteChannel();
    if (!host.waitForFinished(10000))
        host.kill();
    ASSERT_GE(answer.size(), 4) << host.readAllStandardError().data();
    const QJsonObject greeting =
        QJsonDocument::fromJson(answer.mid(4, qFromLittleEndian<quint32>(answer.constData())))
            .object();
    EXPECT_EQ(greeting.value(QStringLiteral("type")).toString(), QStringLiteral("hello"));
    EXPECT_FALSE(greeting.value(QStringLiteral("voices")).toArray().isEmpty());
}

TEST_F(InstalledSuite, TheSpeechHostIsRegisteredAtItsInstalledPath)
{
    const QString host = m_where.helper(QStringLiteral("vocalyne-speech-host"));
    auto manifestPath = [](const QString &file) {
        return QJsonDocument::fromJson([&] {
                   QFile manifest(file);
                   manifest.open(QIODevice::ReadOnly);
                   return manifest.readAll();
               }())
            .object()
            .value(QStringLiteral("path"))
            .toString();
    };

    // For one user, from the installed command.
    const ProgramRun user = runProgram(
        m_where.program(QStringLiteral("vocalyne-register-native-host")), {}, m_environment);
    ASSERT_TRUE(user.finished);
    ASSERT_EQ(user.exitCode, 0) << user.errors.data();
    EXPECT_EQ(manifestPath(m_user.filePath(QStringLiteral(
                  "config/chromium/NativeMessagingHosts/org.halvern.vocalyne.json"))),
              host);
    EXPECT_EQ(manifestPath(m_user.filePath(
                  QStringLiteral(".mozilla/native-messaging-hosts/org.halvern.vocalyne.json"))),
              host);

    // For every user, staged below DESTDIR as the package does it: the
    // manifests name the host where it will be, not where it is staged.
    const QString root = m_user.filePath(QStringLiteral("root"));
    const QString staged = root + host;
    ASSERT_TRUE(QDir().mkpath(QFileInfo(staged).path()));
    ASSERT_TRUE(QFile::link(host, staged));
    QProcessEnvironment staging = m_environment;
    staging.insert(QStringLiteral("DESTDIR"), root);
    const ProgramRun system =
        runProgram(m_where.program(QStringLiteral("vocalyne-register-native-host")),
                   {QStringLiteral("--system"), QStringLiteral("--host"), host}, staging);
    ASSERT_TRUE(system.finished);
    ASSERT_EQ(system.exitCode, 0) << system.errors.data();
    for (const char *folder :
         {"/etc/chromium/native-messaging-hosts", "/usr/lib/mozilla/native-messaging-hosts"})
        EXPECT_EQ(manifestPath(root + QString::fromLatin1(folder) +
                               QStringLiteral("/org.halvern.vocalyne.json")),
                  host)
            << folder;

    // A host that is not there is refused rather than registered.
    const ProgramRun missing = runProgram(
        m_where.program(QStringLiteral("vocalyne-register-native-host")),
        {QStringLiteral("--system"), QStringLiteral("--host"), QStringLiteral("/nowhere/host")},
        staging);
    EXPECT_EQ(missing.exitCode, 1);
}

TEST_F(InstalledSuite, AnotherProgramBuildsAgainstTheInstalledEngine)
{
    QProcessEnvironment environment = m_environment;
    const QString libdir =
        installedPrefix() + QLatin1Char('/') + qEnvironmentVariable("VOCALYNE_TEST_LIBDIR");
    environment.insert(QStringLiteral("PKG_CONFIG_PATH"), libdir + QStringLiteral("/pkgconfig"));
    const ProgramRun version =
        runProgram(QStringLiteral("pkg-config"),
                   {QStringLiteral("--modversion"), QStringLiteral("qvtts")}, environment);
    EXPECT_EQ(version.output.trimmed(), qgetenv("VOCALYNE_TEST_PROJECT_VERSION"));
    const ProgramRun flags =
        runProgram(QStringLiteral("pkg-config"),
                   {QStringLiteral("--cflags"), QStringLiteral("--libs"), QStringLiteral("qvtts")},
                   environment);
    ASSERT_EQ(flags.exitCode, 0) << flags.errors.data();

    const QString source = userFile(QStringLiteral("voices.c"), R"(#include <qvtts.h>
#include <stdio.h>
#include <stdlib.h>
int main(void)
{
    QVTTSVoiceInfoCollection *first = calloc(1, sizeof *first);
    uint32_t count = 0;
    GetQVTTSInstalledVoices(first, &count);
    printf("%u\n", (unsigned)count);
    CleanQVTTSInstalledVoicesRetrieval(first);
    return 0;
}
)");
    const QString program = m_user.filePath(QStringLiteral("voices"));
    QStringList arguments = {QStringLiteral("-std=c11"), QStringLiteral("-Wall"),
                             QStringLiteral("-Werror"),  source,
                             QStringLiteral("-o"),       program};
    arguments +=
        QString::fromUtf8(flags.output.trimmed()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const ProgramRun compiled = runProgram(QStringLiteral("cc"), arguments, environment);
    ASSERT_EQ(compiled.exitCode, 0) << compiled.errors.data();

    environment.insert(QStringLiteral("LD_LIBRARY_PATH"), libdir);
    const ProgramRun voices = runProgram(program, {}, environment);
    ASSERT_EQ(voices.exitCode, 0) << voices.errors.data();
    EXPECT_GT(voices.output.trimmed().toInt(), 0);
}

} // namespace
