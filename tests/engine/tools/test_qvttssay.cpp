// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The command-line host, run as a user would: the voice list follows the
// user's language, and every reported range is a word of the text.
#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

#if defined(__SANITIZE_ADDRESS__)
#define QVTTSSAY_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QVTTSSAY_SANITIZED 1
#endif
#endif

namespace {

QStringList runSay(const QStringList &arguments, const QString &lang,
                   const QByteArray &input = QByteArray())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_MESSAGES"));
    env.remove(QStringLiteral("LANGUAGE"));
    env.insert(QStringLiteral("LANG"), lang);
    env.insert(QStringLiteral("VOCALYNE_AUDIO_OUTPUT"), QStringLiteral("fast-null"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(QVTTSSAY_PATH), arguments);
    if (!input.isEmpty()) {
        process.write(input);
        process.closeWriteChannel();
    }
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput())
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

TEST(QvttssayTool, TheVoiceOfTheUsersLanguageLeadsTheList)
{
    const QStringList english = runSay({QStringLiteral("--list")}, QStringLiteral("C"));
    ASSERT_GE(english.size(), 100);
    // The best-sounding voice of the user's language leads: Flite's
    // statistical voices before espeak-ng's of the same language.
    EXPECT_EQ(english.first(), QStringLiteral("Flite English (America) SLT, female"));
    EXPECT_LT(english.indexOf(QStringLiteral("Flite English (America) KAL, male, 8 kHz")),
              english.indexOf(QStringLiteral("espeak-ng English (America)")));
    EXPECT_LT(english.indexOf(QStringLiteral("espeak-ng English (America)")),
              english.indexOf(QStringLiteral("espeak-ng Afrikaans")))
        << "every voice of the user's language before the other languages";

    const QStringList german = runSay({QStringLiteral("--list")}, QStringLiteral("de_DE.UTF-8"));
    ASSERT_EQ(german.size(), english.size());
    EXPECT_EQ(german.first(), QStringLiteral("espeak-ng German"));
    // Only the voices of the user's language move; the others keep the
    // order of their descriptions, Flite's English ones among them.
    QStringList rest = german.mid(1);
    EXPECT_TRUE(std::is_sorted(rest.begin(), rest.end()));
    EXPECT_TRUE(rest.contains(QStringLiteral("Flite English (America) SLT, female")));
}

TEST(QvttssayTool, PrintsEachWordWithItsRangeAndTheEnd)
{
    // "from the" and "in the" are single dictionary entries of the English
    // voice, which names only their first word: the second is reported too.
    const QString text = QStringLiteral("Naïve voices from the north, in the end.");
    const QStringList lines = runSay({text}, QStringLiteral("C"));
    ASSERT_EQ(lines.size(), 9);
    QStringList words;
    for (int i = 0; i < 8; ++i) {
        const QStringList parts = lines.at(i).split(QLatin1Char(' '));
        ASSERT_EQ(parts.size(), 3) << lines.at(i).toStdString();
        const int first = parts.at(0).toInt();
        const int last = parts.at(1).toInt();
        EXPECT_EQ(text.mid(first, last - first + 1), parts.at(2));
        words.append(parts.at(2));
    }
    EXPECT_EQ(words.join(QLatin1Char(' ')),
              QStringLiteral("Naïve voices from the north in the end"));
    EXPECT_EQ(lines.last(), QStringLiteral("0 -1"));
}

TEST(QvttssayTool, WordsAfterBytesThatAreNotUtf8KeepTheirPlaces)
{
    // The engine reads each byte that is not part of valid UTF-8 as one
    // replacement character: a Latin-1 letter, an overlong pair, a cut-off
    // sequence. The tool counts the same way, so the words after them are
    // printed with their own text.
    const QByteArray bytes("caf\xE9 au lait, \xC0\xAF merci \xF0\x9F\x98\x80 bien \xE2\x82 fin");
    const QString asRead = QStringLiteral("caf\uFFFD au lait, \uFFFD\uFFFD merci ") +
                           QString::fromUtf8("\xF0\x9F\x98\x80") +
                           QStringLiteral(" bien \uFFFD\uFFFD fin");
    const QStringList lines =
        runSay({QStringLiteral("--voice"), QStringLiteral("espeak-ng French (France)")},
               QStringLiteral("C"), bytes);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.last(), QStringLiteral("0 -1"));
    QStringList words;
    for (const QString &line : lines.mid(0, lines.size() - 1)) {
        const QStringList parts = line.split(QLatin1Char(' '));
        ASSERT_EQ(parts.size(), 3) << line.toStdString();
        const int first = parts.at(0).toInt();
        const int last = parts.at(1).toInt();
        EXPECT_EQ(asRead.mid(first, last - first + 1), parts.at(2)) << line.toStdString();
        words.append(parts.at(2));
    }
    for (const char *word : {"au", "lait", "merci", "bien", "fin"})
        EXPECT_TRUE(words.contains(QLatin1String(word))) << word;
}

TEST(QvttssayTool, FliteVoiceFilesAreLoadedAndDamagedOnesPassedOver)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_EQ(QProcess::execute(QStringLiteral(FLITEVOICEDUMP_PATH),
                                {dir.filePath(QStringLiteral("cmu_us_test.flitevox"))}),
              0);
    // A file of noise, and one cut short after its header: Flite would end
    // or exhaust the program trying to load them.
    QFile noise(dir.filePath(QStringLiteral("noise.flitevox")));
    ASSERT_TRUE(noise.open(QIODevice::WriteOnly));
    QByteArray bytes(5000, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 7919 + 13) % 251);
    noise.write(bytes);
    noise.close();
#ifndef QVTTSSAY_SANITIZED
    // (Flite allocates until it fails on this one, which a sanitizer's
    // allocator makes a minute's work.)
    QFile cut(dir.filePath(QStringLiteral("cut.flitevox")));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(QByteArray("CMU_FLITE_CG_VOXDATA-v2.0\0garbage", 33));
    cut.close();
#endif

    qputenv("VOCALYNE_FLITE_VOICES", QFile::encodeName(dir.path()));
    const QStringList voices = runSay({QStringLiteral("--list")}, QStringLiteral("C"));
    const QStringList words =
        runSay({QStringLiteral("--voice"), QStringLiteral("Flite English (America) SLT"),
                QStringLiteral("Loaded from a file.")},
               QStringLiteral("C"));
    qunsetenv("VOCALYNE_FLITE_VOICES");
    EXPECT_TRUE(voices.contains(QStringLiteral("Flite English (America) SLT")));
    EXPECT_TRUE(voices.contains(QStringLiteral("Flite English (America) SLT, female")))
        << "the built-in voice keeps its own name";
    EXPECT_EQ(words, (QStringList{QStringLiteral("0 5 Loaded"), QStringLiteral("7 10 from"),
                                  QStringLiteral("12 12 a"), QStringLiteral("14 17 file"),
                                  QStringLiteral("0 -1")}));
}
