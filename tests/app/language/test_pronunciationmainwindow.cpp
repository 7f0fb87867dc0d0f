// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// The pronunciation corrector in the main window: its command, its help, and
// the stored dictionary in force from the start of a new window, checked by
// the phonemes espeak-ng reports while the engine renders a word.
#include "qvtts.h"
#include "shellfixture.h"
#include "vocalynelauncher.h"
#include "vocalynepronunciationcorrectordlg.h"
#include "vocalyneuserdictionary.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <espeak-ng/speak_lib.h>

#include <cstdio>
#include <functional>
#include <string>

namespace {

/// Keeps the pages the program asks to open instead of opening them.
class UrlRecorder : public VocalyneLauncher
{
public:
    UrlRecorder() { VocalyneLauncher::setInstance(this); }
    ~UrlRecorder() override { VocalyneLauncher::setInstance(nullptr); }
    bool openUrl(const QUrl &url) override
    {
        urls.append(url);
        return true;
    }
    bool startDetached(const QString &, const QStringList &) override { return false; }
    QString findExecutable(const QString &) override { return QString(); }
    QList<QUrl> urls;
};

VocalyneUserDictionary::Entry entry(const char *source, const char *target, bool enabled)
{
    VocalyneUserDictionary::Entry e;
    e.source = QString::fromUtf8(source);
    e.target = QString::fromUtf8(target);
    e.langName = QStringLiteral("English");
    e.langId = 1033;
    e.partOfSpName = QStringLiteral("Noun");
    e.partOfSpId = QVTTSPartOfSpeechNoun;
    e.isEnabled = enabled;
    return e;
}

/// The phonemes espeak-ng reports while the engine renders text with the
/// American English voice.
std::string phonemesOf(const char *text, QVTTSTextType type = QVTTSTextPlain)
{
    std::string voice;
    for (int32_t i = 0; voice.empty(); ++i) {
        char name[512] = {};
        int32_t length = 0;
        if (GetQVTTSVoice(i, nullptr, name, &length, nullptr, nullptr) != 0)
            return std::string();
        if (std::string(name).find("espeak-ng English (America)") != std::string::npos)
            voice = name;
    }
    FILE *trace = std::tmpfile();
    if (!trace)
        return std::string();
    espeak_SetPhonemeTrace(espeakPHONEMES_SHOW, trace);
    int32_t size = 0;
    const int result = QVTTSExportToBuffer(QVTTSEngineSpeechPlatform, voice.c_str(), -1, 0, text,
                                           nullptr, &size, -1, -1, -1, -1, 0, 0, 0, type, nullptr);
    espeak_SetPhonemeTrace(0, nullptr);
    std::string out;
    std::rewind(trace);
    for (int c; (c = std::fgetc(trace)) != EOF;) {
        if (c != '\n' && c != ' ')
            out += char(c);
    }
    std::fclose(trace);
    return result == QVTTSExportBufferTooSmall ? out : std::string();
}

class PronunciationWindowTest : public ShellTest
{
protected:
    /// Waits until the window has applied the stored dictionary, which it
    /// does beside its thread.
    void waitForStartUp()
    {
        if (auto *start = window->findChild<QThread *>(QStringLiteral("userDictionaryStart")))
            start->wait();
        QCoreApplication::processEvents();
    }

    /// Triggers the Pronunciation Corrector command; script handles the
    /// dialog while it is open (one left open is cancelled). False when no
    /// corrector opened.
    bool runCorrector(const std::function<void(VocalynePronunciationCorrectorDlg &)> &script)
    {
        bool opened = false;
        QTimer::singleShot(0, [&]() {
            auto *dialog = qobject_cast<VocalynePronunciationCorrectorDlg *>(
                QApplication::activeModalWidget());
            if (!dialog)
                return;
            opened = true;
            script(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        QAction *action = window->mainWindowAction(QStringLiteral("actionPronunciation_Corrector"));
        EXPECT_TRUE(action && action->isEnabled());
        if (action)
            action->trigger();
        return opened;
    }
};

} // namespace

TEST_F(PronunciationWindowTest, TheCommandOpensTheCorrectorWhoseHelpIsThePhonemePage)
{
    UrlRecorder pages;
    window->setProgramDirectory(dir.path());
    QDir(dir.path()).mkpath(QStringLiteral("VocalyneHelp"));
    QFile page(dir.filePath(QStringLiteral("VocalyneHelp/Phonemes.htm")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();

    QStatusBar *status = window->statusBar();
    ASSERT_TRUE(runCorrector([status](VocalynePronunciationCorrectorDlg &dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Pronunciation Corrector"));
        dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Help)->click();

        // Read Word is spoken through the window, whose status shows it
        // until the end of the word.
        dialog.findChild<QLineEdit *>(QStringLiteral("leTargetWord"))
            ->setText(QStringLiteral("h eh 1 l ow"));
        dialog.findChild<QPushButton *>(QStringLiteral("pbReadWord"))->click();
        EXPECT_EQ(status->currentMessage(), QStringLiteral("Speaking"));
        QElapsedTimer waited;
        waited.start();
        while (status->currentMessage() != QStringLiteral("Ready") && waited.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_EQ(status->currentMessage(), QStringLiteral("Ready"));
    }));
    ASSERT_EQ(pages.urls.size(), 1);
    EXPECT_EQ(pages.urls[0].toLocalFile(), page.fileName());
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(PronunciationWindowTest, TheStoredDictionaryIsInForceFromTheStartOfANewWindow)
{
    const std::string before = phonemesOf("tomato");
    const std::string composed = phonemesOf("<pron sym=\"t ax m aa 1 t ow\"/>", QVTTSTextXml);
    ASSERT_FALSE(before.empty());
    ASSERT_NE(before, composed);
    // Words another program left in the lexicon: one the user has disabled,
    // and another pronunciation of the user's word.
    ASSERT_EQ(MSSAPIAddRemoveWord("potato", "p ax", 1033, QVTTSPartOfSpeechNoun, 0), 0);
    const std::string potato = phonemesOf("potato");

    window.reset();
    VocalyneUserDictionary::save(
        {entry("tomato", "t ax m aa 1 t ow", true), entry("potato", "p ax", false)});
    ASSERT_EQ(MSSAPIAddRemoveWord("tomato", "t ow", 1033, QVTTSPartOfSpeechVerb, 0), 0)
        << "a later pronunciation of the word";
    window = std::make_unique<VocalyneMainWindow>();
    waitForStartUp();
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(phonemesOf("tomato"), composed) << "the user's pronunciation wins again";
    EXPECT_NE(phonemesOf("potato"), potato) << "a disabled entry is taken out";

    // And what the corrector changes is in force as soon as it closes.
    ASSERT_TRUE(runCorrector([this](VocalynePronunciationCorrectorDlg &dialog) {
        messages.answers = {QMessageBox::Yes};
        emit dialog.findChild<QTableWidget *>(QStringLiteral("twDictionary"))->cellClicked(0, 0);
        dialog.accept();
    }));
    EXPECT_NE(phonemesOf("tomato"), composed) << "a removed entry is taken out";
    ASSERT_EQ(VocalyneUserDictionary::load().size(), 1);
    EXPECT_EQ(VocalyneUserDictionary::load().at(0).source, QStringLiteral("potato"));
}
