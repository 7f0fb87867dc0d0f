// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Reading aloud through the main window on the real engine, as a user does
// it: typing while a document is read (real-time output), and the speech
// toolbar's speed and volume as they come out in the audio (captured).
#include "messagerecorder.h"
#include "vocalynedocumentedit.h"
#include "vocalynemainwindow.h"
#include "vocalynespeakcontroller.h"

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

bool waitFor(const std::function<bool()> &pred, int timeoutMs = 30000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!pred()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// A main window of its own, with a settings store nobody else touches.
class ReadingWindow
{
public:
    explicit ReadingWindow(const QByteArray &audioOutput)
    {
        qputenv("HOME", m_home.path().toLocal8Bit());
        qputenv("VOCALYNE_AUDIO_OUTPUT", audioOutput);
        QSettings().clear();
        window = std::make_unique<VocalyneMainWindow>();
        window->show();
        edit = window->currentDocumentEdit();
    }

    void speak() { window->mainWindowAction(QStringLiteral("actionSpeak"))->trigger(); }
    bool waitForReady(int timeoutMs = 60000)
    {
        return waitFor(
            [this]() { return window->statusBar()->currentMessage() == QStringLiteral("Ready"); },
            timeoutMs);
    }

    MessageRecorder messages;
    std::unique_ptr<VocalyneMainWindow> window;
    VocalyneDocumentEdit *edit = nullptr;

private:
    QTemporaryDir m_home;
};

struct Audio
{
    long long frames = 0;
    int peak = 0;
};

Audio measure(const QString &path)
{
    Audio audio;
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return audio;
    audio.frames = info.frames;
    std::vector<short> samples(4096);
    sf_count_t got = 0;
    while ((got = sf_read_short(file, samples.data(), sf_count_t(samples.size()))) > 0)
        for (sf_count_t i = 0; i < got; ++i)
            audio.peak = std::max(audio.peak, std::abs(int(samples[size_t(i)])));
    sf_close(file);
    return audio;
}

} // namespace

TEST(MainWindowReading, TypingWhileReadingKeepsEveryCharacterAndTheHighlightOnTheSpokenWord)
{
    ReadingWindow reading("null"); // real time: there is time to type
    VocalyneDocumentEdit *edit = reading.edit;
    ASSERT_NE(edit, nullptr);
    const QString text = QStringLiteral(
        "One two three four five six seven eight nine ten eleven twelve thirteen fourteen.");
    edit->setPlainText(text);
    edit->moveCursor(QTextCursor::Start);
    QStringList spoken;
    QObject::connect(edit, &VocalyneDocumentEdit::spokenWordShown,
                     [&]() { spoken.append(edit->spokenWord().selectedText()); });
    auto spokenNow = [edit]() { return edit->spokenWord().selectedText(); };

    reading.speak();
    ASSERT_TRUE(waitFor([&]() { return spokenNow() == QStringLiteral("three"); }));
    // The key lands at the caret; the word being read is neither replaced
    // nor selected, and stays highlighted where it now is.
    QTest::keyClicks(edit, QStringLiteral("Hi "));
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("Hi ") + text);
    EXPECT_FALSE(edit->textCursor().hasSelection());
    EXPECT_EQ(spokenNow(), QStringLiteral("three"));
    EXPECT_EQ(edit->spokenWord().selectionStart(), 3 + 8);

    // Text removed ahead of the reading is skipped; the words around it are
    // still highlighted whole.
    ASSERT_TRUE(waitFor([&]() { return spokenNow() == QStringLiteral("five"); }));
    const int eight = int(edit->toPlainText().indexOf(QLatin1String("eight ")));
    QTextCursor cut = edit->textCursor();
    cut.setPosition(eight);
    cut.setPosition(eight + 6, QTextCursor::KeepAnchor);
    edit->setTextCursor(cut);
    QTest::keyClick(edit, Qt::Key_Delete);
    // And typed at the end while the reading goes on.
    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, QStringLiteral(" Done"));
    ASSERT_TRUE(reading.waitForReady());

    const QStringList words = text.chopped(1).split(QLatin1Char(' '));
    const qsizetype fromThree = spoken.indexOf(QStringLiteral("three"));
    ASSERT_GE(fromThree, 0);
    QStringList expected = words.mid(2);
    expected.removeAll(QStringLiteral("eight"));
    // Every word shown is whole, and the deleted one is not shown at all.
    const QStringList heard = spoken.mid(fromThree);
    EXPECT_EQ(heard, expected) << heard.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("Hi ") +
                                       QString(text).remove(QStringLiteral("eight ")) +
                                       QStringLiteral(" Done"));
    // The caret stays where the user was writing; the highlight is gone.
    EXPECT_EQ(edit->textCursor().position(), edit->document()->characterCount() - 1);
    EXPECT_FALSE(edit->spokenWord().hasSelection());
    EXPECT_TRUE(reading.messages.messages.isEmpty());
}

TEST(MainWindowReading, SpeedAndVolumeOfTheToolbarReachTheAudio)
{
    QTemporaryDir capture;
    ReadingWindow reading("capture:" + QFile::encodeName(capture.path()));
    VocalyneDocumentEdit *edit = reading.edit;
    ASSERT_NE(edit, nullptr);
    edit->setPlainText(QStringLiteral("The quick brown fox jumps over the lazy dog, twice over."));
    auto *speed = reading.window->findChild<QSpinBox *>(QStringLiteral("speedSpinBox"));
    auto *volume = reading.window->findChild<QSpinBox *>(QStringLiteral("volumeSpinBox"));
    ASSERT_NE(speed, nullptr);
    ASSERT_NE(volume, nullptr);
    ASSERT_EQ(speed->value(), 100);
    ASSERT_EQ(volume->value(), 100);

    auto speakAndMeasure = [&]() {
        const QStringList before =
            QDir(capture.path()).entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name);
        reading.window->statusBar()->clearMessage();
        reading.speak();
        EXPECT_TRUE(reading.waitForReady());
        const QStringList after =
            QDir(capture.path()).entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name);
        EXPECT_EQ(after.size(), before.size() + 1);
        return after.isEmpty() ? Audio() : measure(capture.filePath(after.last()));
    };

    const Audio normal = speakAndMeasure();
    ASSERT_GT(normal.frames, 0);
    ASSERT_GT(normal.peak, 1000);

    speed->setValue(200);
    EXPECT_EQ(edit->speed(), 200);
    const Audio fast = speakAndMeasure();
    EXPECT_LT(fast.frames, normal.frames * 7 / 10);
    EXPECT_GT(fast.frames, normal.frames / 4);

    speed->setValue(100);
    volume->setValue(25);
    EXPECT_EQ(edit->volume(), 25);
    const Audio quiet = speakAndMeasure();
    EXPECT_LT(quiet.peak, normal.peak / 2);
    EXPECT_GT(quiet.peak, normal.peak / 10);
    // Volume leaves the length alone.
    EXPECT_NEAR(double(quiet.frames), double(normal.frames), normal.frames * 0.05);
    EXPECT_TRUE(reading.messages.messages.isEmpty());
}
