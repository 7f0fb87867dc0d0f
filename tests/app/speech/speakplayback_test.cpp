// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Pause, resume and stop while the real engine plays at real-time speed
// (the null output), where words arrive as their audio would be heard.
#include "speakfixture.h"

#include <QTextCursor>

namespace {

QString longText()
{
    QString text;
    for (int i = 0; i < 8; ++i)
        text += QStringLiteral("This sentence is read slowly enough to pause it. ");
    return text;
}

} // namespace

TEST_F(SpeakFixture, PauseResumeAndStopWhilePlaying)
{
    VocalyneDocumentEdit *edit = addEditor(longText());
    controller->speak();
    ASSERT_TRUE(waitFor([this]() { return heard.size() >= 2; }, 10000));

    controller->pauseResume();
    EXPECT_TRUE(controller->isPaused());
    EXPECT_EQ(status(), QStringLiteral("Paused"));
    // Whatever was already under way may still arrive; then silence.
    waitFor([]() { return false; }, 300);
    const size_t atPause = heard.size();
    waitFor([]() { return false; }, 700);
    EXPECT_EQ(heard.size(), atPause);
    EXPECT_EQ(endEvents, 0);

    controller->pauseResume();
    EXPECT_FALSE(controller->isPaused());
    EXPECT_EQ(status(), QStringLiteral("Speaking"));
    ASSERT_TRUE(waitFor([&]() { return heard.size() >= atPause + 2; }, 10000));
    EXPECT_EQ(heard.back().status, QStringLiteral("Speaking"));
    EXPECT_FALSE(heard.back().selected.isEmpty());

    controller->stop();
    EXPECT_EQ(status(), QStringLiteral("Ready"));
    EXPECT_EQ(controller->currentSpeakingEditor(), nullptr);
    EXPECT_EQ(edit->textCursor().position(), 0);
    EXPECT_FALSE(edit->textCursor().hasSelection());
    EXPECT_FALSE(edit->spokenWord().hasSelection());
    // Nothing of the dropped text is heard afterwards, not even its end.
    const size_t atStop = heard.size();
    waitFor([]() { return false; }, 800);
    EXPECT_EQ(heard.size(), atStop);
    EXPECT_EQ(endEvents, 0);
    EXPECT_TRUE(messages->messages.isEmpty());
}

TEST_F(SpeakFixture, SpeakingAnotherDocumentOrClosingTheTabStopsFirst)
{
    VocalyneDocumentEdit *first = addEditor(longText());
    controller->speak();
    ASSERT_TRUE(waitFor([this]() { return !heard.empty(); }, 10000));

    // A second Speak in another tab drops the first text: only the new
    // document's words follow, highlighted in it.
    VocalyneDocumentEdit *second = addEditor(QStringLiteral("Second document speaks now."));
    heard.clear();
    controller->speak();
    EXPECT_EQ(controller->currentSpeakingEditor(), second);
    ASSERT_TRUE(waitForEnd(20000));
    QStringList words;
    for (const HeardWord &word : heard)
        words.append(word.selected);
    EXPECT_EQ(words, QStringList({QStringLiteral("Second"), QStringLiteral("document"),
                                  QStringLiteral("speaks"), QStringLiteral("now")}));
    // Its word highlight is gone, so Speak there reads it all again.
    EXPECT_FALSE(first->spokenWord().hasSelection());

    // Closing the speaking tab, even when another tab is current, stops it.
    tabs->setCurrentWidget(first);
    controller->speak();
    EXPECT_TRUE(messages->messages.isEmpty()) << messages->messages.value(0).text.toStdString();
    EXPECT_EQ(controller->currentSpeakingEditor(), first);
    ASSERT_TRUE(waitFor([this]() { return heard.size() >= 6; }, 10000));
    tabs->setCurrentWidget(second);
    controller->editorClosing(first);
    EXPECT_EQ(controller->currentSpeakingEditor(), nullptr);
    EXPECT_EQ(status(), QStringLiteral("Ready"));
    tabs->removeTab(tabs->indexOf(first));
    delete first;
    const size_t atClose = heard.size();
    waitFor([]() { return false; }, 800);
    EXPECT_EQ(heard.size(), atClose);
}
