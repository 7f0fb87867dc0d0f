// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Reading aloud through the real engine (fast output): what is selected in
// the editor for every word the engine reports, the status bar, the
// messages, and the voice controls.
#include "speakfixture.h"

#include "voicecombouserdata.h"

#include <QSettings>
#include <QSignalBlocker>
#include <QTextCursor>

namespace {

// Every heard word must select exactly the characters the engine said it
// was speaking, taken from the very text it was handed.
void expectEachWordSelected(const std::vector<HeardWord> &words, const QString &handed)
{
    for (const HeardWord &word : words) {
        const QString spoken = handed.mid(word.first, word.last - word.first + 1);
        SCOPED_TRACE(spoken.toStdString());
        EXPECT_FALSE(spoken.isEmpty());
        EXPECT_FALSE(spoken.contains(QLatin1Char('<')));
        EXPECT_EQ(word.selected, spoken);
    }
}

} // namespace

TEST_F(SpeakFixture, DocumentWithSectionElementsAndBookmarksHighlightsEveryWord)
{
    const QString skipped = QStringLiteral("Skipped words come first. ");
    const QString one = QStringLiteral("Bookmark one starts here. A section speaks faster. "
                                       "Then it ends. ");
    const QString middle = QStringLiteral("This middle sentence is skipped too. ");
    const QString two = QStringLiteral("Ça coûte très cher, naïve Zoë 😀 Wait for it. Done now.");
    VocalyneDocumentEdit *edit = addEditor(skipped + one + middle + two);

    const int oneFrom = int(skipped.size());
    const int oneTo = oneFrom + int(one.size());
    const int twoFrom = oneTo + int(middle.size());
    const int twoTo = twoFrom + int(two.size());
    edit->addBookmark(oneFrom, oneTo);
    edit->addBookmark(twoFrom, twoTo);
    edit->addBookmark(0, 7); // "Skipped", disabled below
    ASSERT_EQ(edit->bookmarks().size(), 3);
    ASSERT_TRUE(edit->setBookmarkEnabled(0, false));

    const int sectionFrom = oneFrom + int(one.indexOf(QLatin1String("A section")));
    const int sectionTo = oneFrom + int(one.indexOf(QLatin1String(" ends")));
    const QVariant other = voiceCombo->itemData(voiceIndex(otherVoice()));
    edit->addSection(sectionFrom, sectionTo, other.value<VoiceComboUserData>(), otherVoice(), 150,
                     80, 120, 400);
    ASSERT_EQ(edit->sections().size(), 1);
    edit->addElement(quint32(twoFrom + two.indexOf(QLatin1String("it.")) + 3),
                     QStringLiteral("pause"), QStringLiteral("300"));
    ASSERT_GE(edit->elements().size(), 2); // the section's sentence pause too

    controller->speak();
    EXPECT_EQ(controller->currentSpeakingEditor(), edit);
    EXPECT_EQ(status(), QStringLiteral("Speaking"));
    ASSERT_TRUE(waitForEnd());
    EXPECT_TRUE(messages->messages.isEmpty());

    const QString handed = handedText(edit);
    ASSERT_TRUE(handed.contains(QLatin1String("<silence msec=\"300\"/>")));
    ASSERT_TRUE(handed.contains(QLatin1String("<voice required=\"Name=")));
    const auto words = spokenWords();
    ASSERT_GE(words.size(), 20u);
    expectEachWordSelected(words, handed);

    // Only the enabled bookmarks are read, both of them, word by word.
    QStringList selected;
    for (const HeardWord &word : words) {
        selected.append(word.selected);
        const bool inOne = word.selectionStart >= oneFrom && word.selectionStart < oneTo;
        const bool inTwo = word.selectionStart >= twoFrom && word.selectionStart < twoTo;
        EXPECT_TRUE(inOne || inTwo) << word.selectionStart;
        EXPECT_EQ(word.status, QStringLiteral("Speaking"));
    }
    for (const char *expected : {"Bookmark", "section", "faster", "ends", "Ça", "coûte", "très",
                                 "naïve", "Zoë", "it", "Done", "now"})
        EXPECT_TRUE(selected.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_FALSE(selected.contains(QStringLiteral("Skipped")));
    EXPECT_FALSE(selected.contains(QStringLiteral("middle")));

    // The end: "Ready", the caret back at the start, the editor still known
    // so that Pause / Resume reaches the engine.
    EXPECT_EQ(statusTrail.last(), QStringLiteral("Ready"));
    EXPECT_EQ(edit->textCursor().position(), 0);
    EXPECT_FALSE(edit->textCursor().hasSelection());
    EXPECT_FALSE(edit->spokenWord().hasSelection());
    EXPECT_EQ(controller->currentSpeakingEditor(), edit);
    controller->pauseResume();
    EXPECT_TRUE(controller->isPaused());
    EXPECT_EQ(status(), QStringLiteral("Paused"));
}

TEST_F(SpeakFixture, SelectionStartingAt100HighlightsDocumentPositions)
{
    QString text;
    while (text.size() < 100)
        text += QStringLiteral("Lead words. ");
    text.truncate(100);
    text += QStringLiteral("Selected apples and pears are read. Past the selection.");
    VocalyneDocumentEdit *edit = addEditor(text);
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(100);
    cursor.setPosition(int(text.indexOf(QLatin1String(" Past"))), QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);

    controller->speak();
    ASSERT_TRUE(waitForEnd());
    const auto words = spokenWords();
    ASSERT_EQ(words.size(), 6u);
    expectEachWordSelected(words, handedText(edit));
    EXPECT_EQ(words.front().selectionStart, 100);
    EXPECT_EQ(words.front().selected, QStringLiteral("Selected"));
    EXPECT_EQ(words.back().selected, QStringLiteral("read"));

    // The user's selection stays as it was while its words are read.
    for (const HeardWord &word : words)
        EXPECT_TRUE(word.userSelection.startsWith(QStringLiteral("Selected apples")));

    // Text deleted after it was handed over: a late word stays inside what
    // is left instead of pointing past it.
    edit->setPlainText(QStringLiteral("Short."));
    controller->highlightWord(edit, words.back().first, words.back().last);
    EXPECT_LE(edit->spokenWord().selectionEnd(), 6);
}

TEST_F(SpeakFixture, PitchPrefixIsTakenOffWordPositions)
{
    // 200 % is 6 whole tones (one digit, 21 characters of prefix); 70 % is
    // -3 (the minus sign counts, 22 characters).
    for (const auto &[pitch, prefix] : {std::pair{200, 21}, std::pair{70, 22}, std::pair{350, 22}}) {
        SCOPED_TRACE(pitch);
        heard.clear();
        VocalyneDocumentEdit *edit = addEditor(QStringLiteral("Hello brave world"));
        edit->setPitch(pitch);
        controller->speak();
        ASSERT_TRUE(waitForEnd());
        EXPECT_EQ(edit->speakPitch(), pitch);
        const auto words = spokenWords();
        ASSERT_EQ(words.size(), 3u);
        EXPECT_EQ(words[0].first, prefix);
        EXPECT_EQ(words[0].selectionStart, 0);
        EXPECT_EQ(words[0].selected, QStringLiteral("Hello"));
        EXPECT_EQ(words[2].selected, QStringLiteral("world"));
        expectEachWordSelected(words, handedText(edit));
    }
}

TEST_F(SpeakFixture, HighlightOffOnlyUpdatesStatusBar)
{
    VocalyneDocumentEdit *edit = addEditor(QStringLiteral("Words without any highlight."));
    edit->setHighlight(false);
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(5);
    edit->setTextCursor(cursor);

    controller->speak();
    ASSERT_TRUE(waitForEnd());
    const auto words = spokenWords();
    ASSERT_EQ(words.size(), 4u);
    for (const HeardWord &word : words) {
        EXPECT_TRUE(word.selected.isEmpty());
        EXPECT_EQ(word.position, 5);
        EXPECT_EQ(word.status, QStringLiteral("Speaking"));
    }
    EXPECT_EQ(status(), QStringLiteral("Ready"));
    EXPECT_EQ(edit->textCursor().position(), 5);
}

TEST_F(SpeakFixture, NothingToSpeakShowsMessageAndStaysIdle)
{
    VocalyneDocumentEdit *edit = addEditor(QStringLiteral("Some text."));
    edit->moveCursor(QTextCursor::End);
    controller->speakFromCursor();
    ASSERT_EQ(messages->messages.size(), 1);
    EXPECT_EQ(messages->messages[0].kind, MessageRecorder::Kind::Critical);
    EXPECT_EQ(messages->messages[0].title, QStringLiteral("Error"));
    EXPECT_EQ(messages->messages[0].text,
              QStringLiteral("Please place the cursor before existing text and try again."));
    EXPECT_EQ(controller->currentSpeakingEditor(), nullptr);

    addEditor(QString());
    controller->speak();
    ASSERT_EQ(messages->messages.size(), 2);
    EXPECT_EQ(messages->messages[1].text, QStringLiteral("Please enter text to be spoken."));
    EXPECT_EQ(controller->currentSpeakingEditor(), nullptr);
    EXPECT_FALSE(waitFor([this]() { return !heard.empty() || endEvents > 0; }, 300));

    // From the cursor in the middle reads the rest only.
    edit->moveCursor(QTextCursor::Start);
    edit->moveCursor(QTextCursor::NextWord);
    tabs->setCurrentWidget(edit);
    controller->speakFromCursor();
    ASSERT_TRUE(waitForEnd());
    ASSERT_EQ(spokenWords().size(), 1u);
    EXPECT_EQ(spokenWords()[0].selected, QStringLiteral("text"));
}

TEST_F(SpeakFixture, EngineErrorIsShownAndForgetsTheEditor)
{
    VocalyneDocumentEdit *edit = addEditor(QStringLiteral("Unheard."));
    edit->setVoiceName(QStringLiteral("espeak-ng english (america)")); // wrong letter case
    controller->speak();
    ASSERT_EQ(messages->messages.size(), 1);
    EXPECT_EQ(messages->messages[0].kind, MessageRecorder::Kind::Critical);
    EXPECT_EQ(messages->messages[0].text, QStringLiteral("Object not found."));
    EXPECT_EQ(controller->currentSpeakingEditor(), nullptr);
    // The output format comes from the settings on every Speak.
    edit->setVoiceName(englishVoice());
    QSettings().setValue(QStringLiteral("DefaultSpeechValues/voiceOutputFormat"), 999);
    controller->speak();
    ASSERT_EQ(messages->messages.size(), 2);
    EXPECT_EQ(messages->messages[1].text, QStringLiteral("Unknown text/audio encoding."));
    QSettings().remove(QStringLiteral("DefaultSpeechValues/voiceOutputFormat"));
    controller->speak();
    EXPECT_EQ(messages->messages.size(), 2);
    EXPECT_EQ(controller->currentSpeakingEditor(), edit);

}

TEST_F(SpeakFixture, FailingPauseOrResumeForgetsEditorAndKeepsPausedFlag)
{
    VocalyneDocumentEdit *edit = addEditor(QStringLiteral("One two three four five six."));
    controller->speak();
    ASSERT_EQ(controller->currentSpeakingEditor(), edit);

    // Without an engine the voice cannot pause: result 15.
    shutDownEngine();
    controller->pauseResume();
    ASSERT_EQ(messages->messages.size(), 1);
    EXPECT_EQ(messages->messages[0].text, QStringLiteral("Undefined error!"));
    EXPECT_EQ(controller->currentSpeakingEditor(), nullptr);
    EXPECT_FALSE(controller->isPaused());
    controller->pauseResume(); // idle: no engine call, no message
    EXPECT_EQ(messages->messages.size(), 1);

    // Paused, then the resume fails (97): the flag stays set.
    restartEngine();
    controller->speak();
    ASSERT_EQ(controller->currentSpeakingEditor(), edit);
    controller->pauseResume();
    ASSERT_TRUE(controller->isPaused());
    shutDownEngine();
    controller->pauseResume();
    ASSERT_EQ(messages->messages.size(), 2);
    EXPECT_EQ(messages->messages[1].text, QStringLiteral("Undefined error!"));
    EXPECT_EQ(controller->currentSpeakingEditor(), nullptr);
    EXPECT_TRUE(controller->isPaused());
    restartEngine();

    // Each operation's own failure value; the other's counts as success.
    controller->applyPauseResumeResult(97, false);
    EXPECT_TRUE(controller->isPaused());
    controller->applyPauseResumeResult(15, true);
    EXPECT_FALSE(controller->isPaused());
    EXPECT_EQ(messages->messages.size(), 2);
}

TEST_F(SpeakFixture, VoiceControlsWriteIntoTheCurrentDocument)
{
    VocalyneDocumentEdit *edit = addEditor(QStringLiteral("Voice test."));
    controller->syncGUIWithSpeechPropsForTabId(tabs->currentIndex());
    EXPECT_EQ(voiceCombo->currentText(), englishVoice());
    EXPECT_EQ(volumeSpin->maximum(), 100); // engine type 3 ranges
    EXPECT_EQ(pitchSpin->minimum(), 30);

    speedSpin->setValue(150);
    volumeSpin->setValue(40);
    pitchSpin->setValue(200);
    highlightCheck->setChecked(false);
    edit->setPause(300);
    EXPECT_EQ(edit->speed(), 150);
    EXPECT_EQ(edit->volume(), 40);
    EXPECT_EQ(edit->pitch(), 200);
    EXPECT_FALSE(edit->highlight());

    // Choosing another voice resets the prosody and the sentence pause.
    const int other = voiceIndex(otherVoice());
    voiceCombo->setCurrentIndex(other);
    controller->syncSpeechPropsWithVoiceCombo(other);
    EXPECT_EQ(edit->voiceName(), otherVoice());
    EXPECT_EQ(edit->engineTypeId(), 3);
    EXPECT_EQ(edit->speed(), 100);
    EXPECT_EQ(edit->volume(), 100);
    EXPECT_EQ(edit->pitch(), 100);
    EXPECT_EQ(edit->pause(), 670);
    EXPECT_EQ(speedSpin->value(), 100);
    EXPECT_EQ(pitchSpin->value(), 100);

    // Loading a document into boxes that a wider range left at a higher
    // value must not write the clamped value into it as an edit.
    VocalyneDocumentEdit *second = addEditor(QStringLiteral("Second."));
    volumeSpin->setRange(0, 500);
    {
        const QSignalBlocker blocker(volumeSpin);
        volumeSpin->setValue(400);
    }
    second->setVolume(90);
    second->setModifiedState(false);
    controller->syncGUIWithSpeechPropsForTabId(tabs->currentIndex());
    EXPECT_EQ(second->volume(), 90);
    EXPECT_EQ(volumeSpin->value(), 90);
    EXPECT_FALSE(second->document()->isModified());
    EXPECT_EQ(edit->volume(), 100);
}

TEST_F(SpeakFixture, DocumentVoiceNotInstalledFallsBackToDefaults)
{
    VocalyneDocumentEdit *edit = addEditor(QStringLiteral("Old voice."));
    edit->setVoiceName(QStringLiteral("A voice from another machine"));
    edit->setSpeed(250);
    edit->setModifiedState(false);
    controller->syncGUIWithSpeechPropsForTabId(tabs->currentIndex());
    ASSERT_EQ(messages->messages.size(), 1);
    EXPECT_EQ(messages->messages[0].kind, MessageRecorder::Kind::Warning);
    EXPECT_EQ(messages->messages[0].text,
              QStringLiteral("The voice saved into the document is not installed.\n"
                             "Reverting to default voice settings...."));
    EXPECT_EQ(edit->voiceName(), englishVoice());
    EXPECT_EQ(edit->speed(), 100);
    EXPECT_TRUE(edit->document()->isModified());
    EXPECT_EQ(voiceCombo->currentText(), englishVoice());

    // Without complete defaults the document cannot be repaired.
    QSettings().remove(QStringLiteral("DefaultSpeechValues/voiceName"));
    edit->setVoiceName(QStringLiteral("A voice from another machine"));
    controller->syncGUIWithSpeechPropsForTabId(tabs->currentIndex());
    ASSERT_EQ(messages->messages.size(), 3);
    EXPECT_EQ(messages->messages[2].kind, MessageRecorder::Kind::Critical);
    EXPECT_EQ(messages->messages[2].text,
              QStringLiteral("Unable to set the default speech settings."));
}
