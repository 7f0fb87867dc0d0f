// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The reading commands as the main window offers them, on the real engine.
#include "messagerecorder.h"
#include "vocalynedocumentedit.h"
#include "vocalynemainwindow.h"
#include "vocalynespeakcontroller.h"

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

bool waitFor(const std::function<bool()> &pred, int timeoutMs = 30000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!pred()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

} // namespace

TEST(MainWindowSpeak, CommandsReadTheCurrentDocumentWordByWord)
{
    // A settings store of this program's own, whatever else runs alongside.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QSettings().clear();
    MessageRecorder messages;
    VocalyneMainWindow window;
    window.show();
    ASSERT_TRUE(messages.messages.isEmpty());

    for (const char *name : {"actionSpeak", "actionSpeak_from_Cursor", "actionPause_Resume",
                             "actionStop", "actionSpeak_Punctuation"})
        EXPECT_TRUE(window.mainWindowAction(QLatin1String(name))->isEnabled()) << name;

    VocalyneDocumentEdit *edit = window.currentDocumentEdit();
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->contextMenu()->actions().contains(
        window.mainWindowAction(QStringLiteral("actionSpeak_from_Cursor"))));
    edit->setPlainText(QStringLiteral("Reading from the main window works."));
    QStringList selections;
    QObject::connect(edit, &VocalyneDocumentEdit::spokenWordShown,
                     [&]() { selections.append(edit->spokenWord().selectedText()); });
    QStatusBar *status = window.statusBar();

    window.mainWindowAction(QStringLiteral("actionSpeak"))->trigger();
    EXPECT_EQ(status->currentMessage(), QStringLiteral("Speaking"));
    ASSERT_TRUE(waitFor([&]() { return status->currentMessage() == QStringLiteral("Ready"); }));
    // "from the" is one dictionary entry of the synthesiser; both words
    // still light up.
    EXPECT_EQ(selections, QStringList({QStringLiteral("Reading"), QStringLiteral("from"),
                                       QStringLiteral("the"), QStringLiteral("main"),
                                       QStringLiteral("window"), QStringLiteral("works")}));
    EXPECT_EQ(edit->textCursor().position(), 0);

    // Closing the tab being read stops the engine and forgets the editor.
    QString longText;
    for (int i = 0; i < 50; ++i)
        longText += QStringLiteral("A long text that is still being read when it closes. ");
    edit->setPlainText(longText);
    window.mainWindowAction(QStringLiteral("actionSpeak"))->trigger();
    ASSERT_EQ(window.speakController()->currentSpeakingEditor(), edit);
    edit->document()->setModified(false);
    window.closeCurrentDocument();
    EXPECT_EQ(window.speakController()->currentSpeakingEditor(), nullptr);
    EXPECT_EQ(status->currentMessage(), QStringLiteral("Ready"));
    EXPECT_TRUE(messages.messages.isEmpty());
}
