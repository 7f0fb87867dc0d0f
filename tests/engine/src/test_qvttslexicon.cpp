// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Words taught to the voices through the C interface: single words, user
// dictionaries and their parser, and what the voices then say.
#include "qvttstesthost.h"

#include <gtest/gtest.h>

#include <espeak-ng/speak_lib.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uint32_t kUsEnglish = 0x0409;
constexpr int32_t kNoun = QVTTSPartOfSpeechNoun;
constexpr int32_t kVerb = QVTTSPartOfSpeechVerb;
constexpr QVTTSVoiceEngineType kPlatform = QVTTSEngineSpeechPlatform;

int32_t add(const char *word, const char *phonemes, int32_t pos = kNoun,
            uint32_t language = kUsEnglish)
{
    return MSSAPIAddRemoveWord(word, phonemes, language, pos, 0);
}

int32_t remove(const char *word, const char *phonemes, int32_t pos = kNoun,
               uint32_t language = kUsEnglish)
{
    return MSSAPIAddRemoveWord(word, phonemes, language, pos, 1);
}

LoadQVTTSUserDictReturnValue load(const char *name, const char *text,
                                  uint16_t language = kUsEnglish,
                                  QVTTSVoiceEngineType engine = kPlatform)
{
    return LoadQVTTSUserDict(0, name, nullptr, engine, language, nullptr, text);
}

UnloadQVTTSUserDictReturnValue unload(const char *name, QVTTSVoiceEngineType engine = kPlatform)
{
    return UnloadQVTTSUserDict(0, name, engine, 0);
}

// Every test gets a lexicon file of its own.
class QVTTSLexiconTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_data.isValid());
        setenv("XDG_DATA_HOME", m_data.path().toLocal8Bit().constData(), 1);
    }
    QString storePath() const
    {
        return m_data.path() + QStringLiteral("/Halvern/Vocalyne/lexicon.txt");
    }

    QTemporaryDir m_data;
};

TEST_F(QVTTSLexiconTest, SingleWordsReportEveryResult)
{
    EXPECT_EQ(remove("hello", "h eh 1 l ow"), QVTTSWordRemovalRefused) << "not in the lexicon";
    EXPECT_EQ(add("hello", "h eh 1 l ow"), QVTTSWordSuccess);
    EXPECT_EQ(add("hello", "h eh 1 l ow"), QVTTSWordSuccess) << "adding again replaces";
    EXPECT_EQ(remove("hello", "h eh 1 l ow", kVerb), QVTTSWordRemovalRefused)
        << "another part of speech is another pronunciation";
    EXPECT_EQ(remove("hello", "h eh 1 l ow"), QVTTSWordSuccess);
    EXPECT_EQ(remove("hello", "h eh 1 l ow"), QVTTSWordRemovalRefused) << "stored once";

    EXPECT_EQ(add("hello", "h eh 1 l qq"), QVTTSWordAddPhonemesNotConvertible);
    EXPECT_EQ(remove("hello", "h eh 1 l qq"), QVTTSWordRemovePhonemesNotConvertible);
    EXPECT_EQ(add("hello", ""), QVTTSWordAddPhonemesNotConvertible);
    EXPECT_EQ(add("hello", nullptr), QVTTSWordAddPhonemesNotConvertible);
    EXPECT_EQ(add("", "h eh l ow"), QVTTSWordInvalidArgument);
    EXPECT_EQ(add("two\tparts", "h eh l ow"), QVTTSWordInvalidArgument);
    EXPECT_EQ(add(nullptr, "h eh l ow"), QVTTSWordInvalidArgument);
    EXPECT_EQ(remove(nullptr, "h eh l ow"), QVTTSWordRemovalRefused);

    // No voice speaks Frisian, so there is no phone converter for it.
    EXPECT_EQ(add("hello", "h eh l ow", kNoun, 0x0462), QVTTSWordAddNoPhoneConverter);
    EXPECT_EQ(remove("hello", "h eh l ow", kNoun, 0x0462), QVTTSWordRemoveNoPhoneConverter);

    // Only the low 16 bits of language and part of speech count.
    EXPECT_EQ(add("tomato", "t ax m aa 1 t ow", 0x51000, 0xA0409), QVTTSWordSuccess);
    EXPECT_EQ(remove("tomato", "t ax m aa 1 t ow"), QVTTSWordSuccess);
}

TEST_F(QVTTSLexiconTest, DictionaryEntriesTakeTheirPartOfSpeech)
{
    // Without a keyword the first entry is a noun.
    ASSERT_EQ(load("first", "\nhello {h eh 1 l ow}\n"), QVTTSLoadDictSuccess);
    EXPECT_EQ(remove("hello", "h eh 1 l ow", kVerb), QVTTSWordRemovalRefused);
    EXPECT_EQ(remove("hello", "h eh 1 l ow", kNoun), QVTTSWordSuccess);

    // A keyword carries over to the entries after it; words keep blanks.
    ASSERT_EQ(load("carried", "\nrun {r ah n}/verb\nwalk on {w ao k aa n}\nhi {h ay}/interjection\n"
                              "\n"),
              QVTTSLoadDictSuccess);
    EXPECT_EQ(remove("run", "r ah n", kVerb), QVTTSWordSuccess);
    EXPECT_EQ(remove("walk on", "w ao k aa n", kVerb), QVTTSWordSuccess);
    EXPECT_EQ(remove("hi", "h ay", QVTTSPartOfSpeechInterjection), QVTTSWordSuccess);

    ASSERT_EQ(load("all", "\na {ey}/modifier\nb {b iy}/function\nc {s iy}/unknown\n"
                          "d {d iy}/notoverriden\n"),
              QVTTSLoadDictSuccess);
    EXPECT_EQ(remove("a", "ey", QVTTSPartOfSpeechModifier), QVTTSWordSuccess);
    EXPECT_EQ(remove("b", "b iy", QVTTSPartOfSpeechFunction), QVTTSWordSuccess);
    EXPECT_EQ(remove("c", "s iy", QVTTSPartOfSpeechUnknown), QVTTSWordSuccess);
    EXPECT_EQ(remove("d", "d iy", QVTTSPartOfSpeechNotOverridden), QVTTSWordSuccess);
}

TEST_F(QVTTSLexiconTest, DictionaryTextIsReadOnlyWhereLineFeedsEndIt)
{
    // The last entry lacks its line feed; text before the first line feed
    // and a carriage return after the brace do not count.
    ASSERT_EQ(load("d", "ignored\none {w ah n}\r\ntwo {t uw}"), QVTTSLoadDictSuccess);
    EXPECT_EQ(remove("one", "w ah n"), QVTTSWordSuccess);
    EXPECT_EQ(remove("two", "t uw"), QVTTSWordRemovalRefused);
    EXPECT_EQ(remove("ignored", "w ah n"), QVTTSWordRemovalRefused);

    // A carriage return after the keyword makes it unknown.
    EXPECT_EQ(load("crlf", "\nthree {th r iy}/verb\r\n"), QVTTSLoadDictUnknownPartOfSpeech);
    EXPECT_EQ(remove("three", "th r iy", kVerb), QVTTSWordRemovalRefused);
}

TEST_F(QVTTSLexiconTest, AFailingEntryEndsTheLoadAndKeepsWhatCameBefore)
{
    EXPECT_EQ(load("caps", "\nbefore {b ih f ao r}\nword {w er d}/Noun\nafter {ae f t er}\n"),
              QVTTSLoadDictUnknownPartOfSpeech);
    EXPECT_EQ(remove("word", "w er d"), QVTTSWordRemovalRefused);
    EXPECT_EQ(remove("after", "ae f t er"), QVTTSWordRemovalRefused);
    EXPECT_EQ(remove("before", "b ih f ao r"), QVTTSWordSuccess) << "no roll-back";
    // The failed dictionary is still loaded: its unload meets the same keyword.
    EXPECT_EQ(add("before", "b ih f ao r"), QVTTSWordSuccess);
    EXPECT_EQ(unload("caps"), QVTTSUnloadDictRemovalFailed);
    EXPECT_EQ(remove("before", "b ih f ao r"), QVTTSWordRemovalRefused) << "removed by the unload";
    EXPECT_EQ(unload("caps"), QVTTSUnloadDictNotLoaded);

    EXPECT_EQ(load("bad", "\nok {ow k ey}\nbad {b xx d}\n"), QVTTSLoadDictPhonemesNotConvertible);
    EXPECT_EQ(load("empty word", " {ow}\n"), QVTTSLoadDictInvalidArgument)
        << "braces before the first line feed make an entry without a word";
    EXPECT_EQ(load("frisian", "\nhello {h eh l ow}\n", 0x0462), QVTTSLoadDictNoPhoneConverter);
    EXPECT_EQ(load("missing", nullptr), QVTTSLoadDictTextMissing);
    EXPECT_EQ(unload("missing"), QVTTSUnloadDictSuccess) << "a missing text is still loaded";
    EXPECT_EQ(load(nullptr, "\nx {eh k s}\n"), QVTTSLoadDictInvalidArgument);

    // Other engine types are not this engine's business.
    EXPECT_EQ(load("other", "\nword {w er d}/Noun\n", kUsEnglish, QVTTSEngineFamily4),
              QVTTSLoadDictSuccess);
    EXPECT_EQ(remove("word", "w er d"), QVTTSWordRemovalRefused);
    EXPECT_EQ(unload("never", QVTTSEngineFamily4), QVTTSUnloadDictSuccess);
}

TEST_F(QVTTSLexiconTest, UnloadRemovesTheWordsOfTheNamedDictionary)
{
    EXPECT_EQ(unload("never loaded"), QVTTSUnloadDictNotLoaded);
    EXPECT_EQ(unload(nullptr), QVTTSUnloadDictNotLoaded);

    // The library keeps its own copy: the caller's buffer may change.
    std::string text = "\nalpha {ae l f ax}/verb\nbeta {b ey t ax}\n";
    ASSERT_EQ(load("greek", text.c_str()), QVTTSLoadDictSuccess);
    text.assign(text.size(), 'x');
    ASSERT_EQ(load("greek2", "\ngamma {g ae m ax}\n"), QVTTSLoadDictSuccess);
    EXPECT_EQ(unload("greek"), QVTTSUnloadDictSuccess);
    EXPECT_EQ(remove("alpha", "ae l f ax", kVerb), QVTTSWordRemovalRefused);
    EXPECT_EQ(remove("beta", "b ey t ax", kVerb), QVTTSWordRemovalRefused);
    EXPECT_EQ(unload("greek"), QVTTSUnloadDictNotLoaded);
    EXPECT_EQ(remove("gamma", "g ae m ax"), QVTTSWordSuccess) << "other dictionaries stay";

    // Loading a name again keeps the earlier words; unload removes the new.
    ASSERT_EQ(load("again", "\nold {ow l d}\n"), QVTTSLoadDictSuccess);
    ASSERT_EQ(load("again", "\nnew {n uw}\n"), QVTTSLoadDictSuccess);
    EXPECT_EQ(unload("again"), QVTTSUnloadDictSuccess);
    EXPECT_EQ(remove("new", "n uw"), QVTTSWordRemovalRefused);
    EXPECT_EQ(remove("old", "ow l d"), QVTTSWordSuccess);

    // A word that went out of the lexicon in between stops the unload.
    ASSERT_EQ(load("gone", "\nfirst {f er s t}\nsecond {s eh k ax n d}\n"), QVTTSLoadDictSuccess);
    ASSERT_EQ(remove("first", "f er s t"), QVTTSWordSuccess);
    EXPECT_EQ(unload("gone"), QVTTSUnloadDictRemovalFailed);
    EXPECT_EQ(remove("second", "s eh k ax n d"), QVTTSWordSuccess);
}

TEST_F(QVTTSLexiconTest, UninitialisingUnloadsEveryDictionary)
{
    {
        QVTTSTestHost host;
        ASSERT_EQ(load("one", "\nuno {uw n ow}\n"), QVTTSLoadDictSuccess);
        ASSERT_EQ(load("two", "\ndos {d ow s}/verb\n"), QVTTSLoadDictSuccess);
        ASSERT_EQ(add("single", "s ih ng g ax l"), QVTTSWordSuccess);
        UninitQVTTSEngine();
    }
    EXPECT_EQ(remove("uno", "uw n ow"), QVTTSWordRemovalRefused);
    EXPECT_EQ(remove("dos", "d ow s", kVerb), QVTTSWordRemovalRefused);
    EXPECT_EQ(unload("one"), QVTTSUnloadDictNotLoaded);
    EXPECT_EQ(remove("single", "s ih ng g ax l"), QVTTSWordSuccess)
        << "single words are not tracked and outlive the engine";
}

TEST_F(QVTTSLexiconTest, AWriterKilledInTheMiddleOfAChangeLeavesTheLexiconWhole)
{
    ASSERT_EQ(add("keep", "k iy p"), QVTTSWordSuccess);
    qsizetype written = 0;
    for (int round = 0; round < 5; ++round) {
        // A child keeps rewriting the lexicon with ever more words until it
        // is killed, at some point inside one of its changes.
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                const std::string word = "word" + std::to_string(round) + "x" + std::to_string(i);
                add(word.c_str(), "w er d");
            }
        }
        usleep(useconds_t(20000 + 15000 * round));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);

        QFile file(storePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        file.close();
        ASSERT_GE(lines.size(), 2);
        EXPECT_TRUE(lines.back().isEmpty()) << "the file ends with a whole line";
        for (qsizetype i = 0; i + 1 < lines.size(); ++i)
            EXPECT_EQ(lines[i].count('\t'), 3) << lines[i].constData();
        EXPECT_TRUE(lines.first().startsWith("409\t4096\tkeep\t")) << "the first word stays";
        written = std::max(written, lines.size() - 2);
    }
    EXPECT_GT(written, 0) << "the children did change the lexicon";
    // The lexicon stays usable: the next change replaces any partial copy.
    EXPECT_EQ(remove("keep", "k iy p"), QVTTSWordSuccess);
    EXPECT_EQ(remove("keep", "k iy p"), QVTTSWordRemovalRefused);
    EXPECT_FALSE(QFile::exists(storePath() + QStringLiteral(".new")));
}

// The phonemes espeak-ng reports while the engine speaks text.
class SpokenPhonemes
{
public:
    explicit SpokenPhonemes(QVTTSTestHost &host) : m_host(host) {}

    std::string of(const QString &text, QVTTSTextType type = QVTTSTextPlain,
                   const char *voiceName = "espeak-ng English (America)")
    {
        FILE *trace = std::tmpfile();
        if (!trace)
            return std::string();
        espeak_SetPhonemeTrace(espeakPHONEMES_SHOW, trace);
        const int ends = m_host.endCount();
        const QByteArray utf8 = text.toUtf8();
        const std::string voice = QVTTSTestHost::voiceContaining(voiceName);
        const bool spoken = QVTTSSpeak(nullptr, kPlatform, voice.c_str(), -1, 0, utf8.constData(),
                                       -1, -1, -1, 0, 0, type, -1) == 0 &&
                            m_host.waitForEnds(ends + 1);
        espeak_SetPhonemeTrace(0, nullptr);
        const std::string out = read(trace);
        return spoken ? out : std::string();
    }

    // The same for an export of text into memory.
    static std::string exported(const QString &text)
    {
        FILE *trace = std::tmpfile();
        if (!trace)
            return std::string();
        espeak_SetPhonemeTrace(espeakPHONEMES_SHOW, trace);
        const QByteArray utf8 = text.toUtf8();
        const std::string voice = QVTTSTestHost::voiceContaining("espeak-ng English (America)");
        int32_t size = 0;
        const int result =
            QVTTSExportToBuffer(kPlatform, voice.c_str(), -1, 0, utf8.constData(), nullptr, &size,
                                -1, -1, -1, -1, 0, 0, 0, QVTTSTextPlain, nullptr);
        espeak_SetPhonemeTrace(0, nullptr);
        std::string out = read(trace);
        return result == QVTTSExportBufferTooSmall ? out : std::string();
    }

private:
    static std::string read(FILE *trace)
    {
        std::string out;
        std::rewind(trace);
        for (int c; (c = std::fgetc(trace)) != EOF;) {
            if (c != '\n' && c != ' ')
                out += char(c);
        }
        std::fclose(trace);
        return out;
    }

    QVTTSTestHost &m_host;
};

TEST_F(QVTTSLexiconTest, AnAddedWordIsSpokenWithItsPhonemesUntilRemoved)
{
    QVTTSTestHost host;
    SpokenPhonemes phonemes(host);
    const std::string before = phonemes.of(QStringLiteral("tomato"));
    ASSERT_FALSE(before.empty());
    const std::string composed =
        phonemes.of(QStringLiteral("<pron sym=\"p ow t ey 1 t ow\"/>"), QVTTSTextXml);
    ASSERT_FALSE(composed.empty());
    ASSERT_NE(before, composed);

    const std::string exportedBefore = SpokenPhonemes::exported(QStringLiteral("tomato"));
    ASSERT_EQ(exportedBefore, before);
    ASSERT_EQ(add("tomato", "p ow t ey 1 t ow"), QVTTSWordSuccess);
    EXPECT_EQ(phonemes.of(QStringLiteral("tomato")), composed);
    EXPECT_EQ(SpokenPhonemes::exported(QStringLiteral("tomato")), composed) << "exports too";
    EXPECT_EQ(phonemes.of(QStringLiteral("Tomato")), composed) << "letter case aside";
    const std::string sentence = phonemes.of(QStringLiteral("A tomato."));
    EXPECT_NE(sentence.find(composed), std::string::npos) << sentence;

    ASSERT_EQ(remove("tomato", "p ow t ey 1 t ow"), QVTTSWordSuccess);
    EXPECT_EQ(phonemes.of(QStringLiteral("tomato")), before);

    // A dictionary's words are spoken while it is loaded.
    ASSERT_EQ(load("garden", "\ntomato {p ow t ey 1 t ow}\n"), QVTTSLoadDictSuccess);
    EXPECT_EQ(phonemes.of(QStringLiteral("tomato")), composed);
    ASSERT_EQ(unload("garden"), QVTTSUnloadDictSuccess);
    EXPECT_EQ(phonemes.of(QStringLiteral("tomato")), before);
}

TEST_F(QVTTSLexiconTest, AddingAPronunciationAgainRewritesTheLexiconOnlyWhenItMustMoveUp)
{
    // A stored dictionary is applied again at every start of the program:
    // words already in force must not cost a write of the lexicon each.
    auto written = [this]() {
        struct stat info = {};
        stat(storePath().toLocal8Bit().constData(), &info);
        return std::make_pair(info.st_ino, info.st_mtim.tv_nsec);
    };
    QVTTSTestHost host;
    SpokenPhonemes phonemes(host);
    const std::string composed =
        phonemes.of(QStringLiteral("<pron sym=\"p ow t ey 1 t ow\"/>"), QVTTSTextXml);
    ASSERT_EQ(add("tomato", "p ow t ey 1 t ow"), QVTTSWordSuccess);
    ASSERT_EQ(add("potato", "p ax"), QVTTSWordSuccess);
    const auto first = written();
    EXPECT_EQ(add("tomato", "p ow t ey 1 t ow"), QVTTSWordSuccess);
    EXPECT_EQ(written(), first) << "nothing later spells tomato: the file stays";
    EXPECT_EQ(phonemes.of(QStringLiteral("tomato")), composed);

    // A later pronunciation of the word (here as a verb) is said instead,
    // until the first is added again.
    ASSERT_EQ(add("tomato", "t ow", kVerb), QVTTSWordSuccess);
    EXPECT_NE(phonemes.of(QStringLiteral("tomato")), composed);
    const auto shadowed = written();
    EXPECT_EQ(add("tomato", "p ow t ey 1 t ow"), QVTTSWordSuccess);
    EXPECT_NE(written(), shadowed);
    EXPECT_EQ(phonemes.of(QStringLiteral("tomato")), composed);
    EXPECT_EQ(remove("tomato", "p ow t ey 1 t ow"), QVTTSWordSuccess);
    EXPECT_EQ(remove("tomato", "p ow t ey 1 t ow"), QVTTSWordRemovalRefused)
        << "added once, however often it was added";
}

TEST_F(QVTTSLexiconTest, PronunciationsComposedInEachLanguageAreSpokenAsComposed)
{
    QVTTSTestHost host;
    SpokenPhonemes phonemes(host);
    // A word is taught the phones of another word; where espeak-ng reads that
    // other word the same way, the phones sound as that language's own.
    const struct
    {
        const char *voice;
        uint16_t language;
        const char *word;
        const char *phones;
        const char *espeak;
        const char *soundsLike;
    } cases[] = {
        {"espeak-ng English (America)", 0x0409, "chair", "f e@ 1 r", "f'e@r", nullptr},
        {"Spanish (Spain)", 0x0C0A, "gato", "p e 1 rr o", "p'eR2o", "perro"},
        {"Spanish (Spain)", 0x0C0A, "mesa", "k a 1 ll e", "k'al^e", "calle"},
        {"French (France)", 0x040C, "maison", "b aon zh uw 1 r", "bO~Z'ur", "bonjour"},
        {"French (France)", 0x040C, "table", "p a r f oen 1", "parf'W~", "parfum"},
        {"ng German", 0x0407, "Haus", "m uh 1 t er", "m'Ut3", "Mutter"},
        {"ng German", 0x0407, "Tisch", "pf e 1 r t", "pf'e:rt", nullptr},
        {"ng Italian", 0x0410, "casa", "f i 1 ll o", "f'il^o", "figlio"},
        {"ng Italian", 0x0410, "mare", "b a 1 nj o", "b'an^o", nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.word);
        ASSERT_FALSE(QVTTSTestHost::voiceContaining(c.voice).empty()) << c.voice;
        const QString word = QString::fromUtf8(c.word);
        const std::string before = phonemes.of(word, QVTTSTextPlain, c.voice);
        const std::string composed =
            phonemes.of(QStringLiteral("<pron sym=\"%1\"/>").arg(QLatin1String(c.espeak)),
                        QVTTSTextXml, c.voice);
        ASSERT_FALSE(before.empty());
        ASSERT_NE(before, composed);
        if (c.soundsLike) {
            EXPECT_EQ(phonemes.of(QString::fromUtf8(c.soundsLike), QVTTSTextPlain, c.voice),
                      composed);
        }

        ASSERT_EQ(MSSAPIAddRemoveWord(c.word, c.phones, c.language, kNoun, 0), QVTTSWordSuccess);
        EXPECT_EQ(phonemes.of(word, QVTTSTextPlain, c.voice), composed);
        ASSERT_EQ(MSSAPIAddRemoveWord(c.word, c.phones, c.language, kNoun, 1), QVTTSWordSuccess);
        EXPECT_EQ(phonemes.of(word, QVTTSTextPlain, c.voice), before);
    }
    // A phone of another tab is refused.
    EXPECT_EQ(MSSAPIAddRemoveWord("Pferd", "th", 0x0407, kNoun, 0),
              QVTTSWordAddPhonemesNotConvertible);
    EXPECT_EQ(MSSAPIAddRemoveWord("huis", "h oe y s", 0x0413, kNoun, 0),
              QVTTSWordAddNoPhoneConverter)
        << "no phone converter for Dutch";
}

TEST_F(QVTTSLexiconTest, APronIsReadInThePhonesOfTheVoiceSpeakingIt)
{
    QVTTSTestHost host;
    SpokenPhonemes phonemes(host);
    // Symbols of each language's own set sound as the espeak-ng phonemes they
    // stand for; read as English phones they would not even convert.
    const struct
    {
        const char *voice;
        const char *phones;
        const char *espeak;
    } cases[] = {
        {"Spanish (Spain)", "p e 1 rr o", "p'eR2o"},
        {"French (France)", "b aon zh uw 1 r", "bO~Z'ur"},
        {"ng German", "pf e 1 r t", "pf'e:rt"},
        {"ng Italian", "f i 1 ll o", "f'il^o"},
        {"ng Italian", "t eh 1 rr a", "t'ER*a"}, // as espeak-ng reads "terra"
    };
    auto pron = [](const char *sym) {
        return QStringLiteral("<pron sym=\"%1\"/>").arg(QLatin1String(sym));
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.voice);
        const std::string expected = phonemes.of(pron(c.espeak), QVTTSTextXml, c.voice);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(phonemes.of(pron(c.phones), QVTTSTextXml, c.voice), expected);

        // A voice chosen by markup speaks its pron in its own phones too.
        const QString name = QString::fromStdString(QVTTSTestHost::voiceContaining(c.voice));
        const QString switched =
            QStringLiteral("<voice required=\"Name=%1\">%2</voice>").arg(name, pron(c.phones));
        EXPECT_EQ(phonemes.of(switched, QVTTSTextXml), expected);
    }
    // English phones stay English on an English voice, and a voice of a
    // language without a phone set still reads them.
    const std::string hello = phonemes.of(pron("h'EloU"), QVTTSTextXml);
    ASSERT_FALSE(hello.empty());
    EXPECT_EQ(phonemes.of(pron("h eh 1 l ow"), QVTTSTextXml), hello);
    ASSERT_FALSE(QVTTSTestHost::voiceContaining("Dutch").empty());
    EXPECT_EQ(phonemes.of(pron("h eh 1 l ow"), QVTTSTextXml, "Dutch"),
              phonemes.of(pron("h'EloU"), QVTTSTextXml, "Dutch"));
}

} // namespace
