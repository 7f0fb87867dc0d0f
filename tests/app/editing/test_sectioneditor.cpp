// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The section editor as the main window opens it: creating and editing
// sections, and Test / Stop Test through the real engine.
#include "authoringfixture.h"
#include "vocalyneelementcatalogue.h"
#include "vocalynespeechmarkup.h"

#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QMenu>
#include <QTextEdit>
#include <QThread>

namespace {

struct WordEvent
{
    qint64 position;
    qint64 length;
};

// The word events of a captured utterance: "<offset> 5 <length> <position>".
QList<WordEvent> wordEvents(const QString &eventsFile)
{
    QList<WordEvent> words;
    QFile file(eventsFile);
    if (!file.open(QIODevice::ReadOnly))
        return words;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() >= 4 && fields.at(1) == "5")
            words.append({fields.at(3).toLongLong(), fields.at(2).toLongLong()});
    }
    return words;
}

QStringList capturedEvents(const QString &folder)
{
    QStringList files =
        QDir(folder).entryList({QStringLiteral("*.events")}, QDir::Files, QDir::Name);
    for (QString &name : files)
        name = QDir(folder).filePath(name);
    return files;
}

QString pauseMarkup(int milliseconds)
{
    QSettings settings;
    VocalyneElementCatalogue::ensure(settings);
    return VocalyneElementCatalogue::fillTemplate(
        VocalyneElementCatalogue::markupTemplate(settings, QStringLiteral("pause"), 3),
        QString::number(milliseconds));
}

} // namespace

TEST_F(AuthoringTest, AuthoringCommandsAreEnabledWithTheirShortcutsAndInTheEditorMenu)
{
    const QList<QPair<const char *, const char *>> commands = {
        {"actionSelection_Speech_Properties", "Ctrl+Alt+P"},
        {"actionAdd_Speech_Element", "Ctrl+Alt+A"},
        {"actionBookmark_Selection", "Ctrl+Alt+B"}};
    for (const auto &command : commands) {
        QAction *a = action(command.first);
        ASSERT_NE(a, nullptr) << command.first;
        EXPECT_TRUE(a->isEnabled()) << command.first;
        EXPECT_EQ(a->shortcut(), QKeySequence(QLatin1String(command.second))) << command.first;
        EXPECT_TRUE(edit()->contextMenu()->actions().contains(a)) << command.first;
    }
    for (const char *name :
         {"actionEnable_Bookmark_s", "actionDisable_Bookmark_s", "actionDelete_Bookmark_s",
          "actionEnable_Section_s", "actionDisable_Section_s", "actionDelete_Section_s",
          "actionEdit_Section"})
        EXPECT_TRUE(action(name)->isEnabled()) << name;
    EXPECT_EQ(
        window->findChild<QDockWidget *>(QStringLiteral("dwSBManager"))->toggleViewAction()->text(),
        QStringLiteral("Speech Break Manager Dock"));
    EXPECT_EQ(window->findChild<QDockWidget *>(QStringLiteral("dwSpProperties"))
                  ->toggleViewAction()
                  ->text(),
              QStringLiteral("Section Speech Properties Dock"));
}

TEST_F(AuthoringTest, SectionMadeInTheDialogIsSpokenWithItsVoiceAndPauses)
{
    QTemporaryDir capture;
    restartWithCapture(capture.path());
    const QString text = QStringLiteral(
        "Plain words come first. The section says hello. It ends here. Back outside now.");
    typeText(edit(), text);
    const int from = int(text.indexOf(QLatin1String("The section")));
    const int to = int(text.indexOf(QLatin1String("Back")));
    const QString voice = voiceName(QStringLiteral("English (Great Britain)"));
    ASSERT_FALSE(voice.isEmpty());
    ASSERT_NE(voice, edit()->voiceName());
    ASSERT_TRUE(makeSection(from, to, voice, 300));
    ASSERT_TRUE(messages.messages.isEmpty());

    ASSERT_EQ(edit()->sections().size(), 1);
    const QVT2SSection section = edit()->sections().first();
    EXPECT_EQ(section.fromChar, quint32(from));
    EXPECT_EQ(section.toChar, quint32(to));
    EXPECT_EQ(section.voiceName, voice);
    EXPECT_EQ(section.engineTypeId, 3);
    EXPECT_EQ(section.pause, 300);
    EXPECT_EQ(section.speed, 100);
    EXPECT_TRUE(section.enabled);
    // One pause after each full stop the section's own text goes on after.
    QList<quint32> pauses;
    for (const QVT2SElement &element : edit()->elements()) {
        EXPECT_EQ(element.type, QStringLiteral("pause"));
        EXPECT_EQ(element.value, QStringLiteral("300"));
        pauses.append(element.afterChar);
    }
    EXPECT_EQ(pauses, QList<quint32>({quint32(text.indexOf(QLatin1String("hello.")) + 6),
                                      quint32(text.indexOf(QLatin1String("here.")) + 5)}));
    EXPECT_EQ(sectionTable()->rowCount(), 1);
    EXPECT_EQ(sectionTable()->item(0, 2)->text(), voice);
    EXPECT_EQ(sectionTable()->item(0, 6)->text(), QStringLiteral("300"));
    EXPECT_TRUE(tabTitle(0).endsWith(QLatin1Char('*')));

    ASSERT_TRUE(speakDocument());
    const QString spoken = edit()->speechText().text;
    const qsizetype voiceStart =
        spoken.indexOf(QLatin1String("<voice required=\"Name=") + voice + QLatin1String("\">"));
    const qsizetype voiceEnd = spoken.indexOf(QLatin1String("</voice>"));
    ASSERT_GE(voiceStart, 0) << spoken.toStdString();
    ASSERT_GT(voiceEnd, voiceStart);
    EXPECT_EQ(spoken.count(pauseMarkup(300)), 2) << spoken.toStdString();
    const qsizetype hello = spoken.indexOf(QLatin1String("hello"));
    ASSERT_TRUE(hello > voiceStart && hello < voiceEnd);

    // The engine reported the section's words where the handed-over text
    // has them, inside the voice markup; the words outside are there too.
    const QStringList events = capturedEvents(capture.path());
    ASSERT_EQ(events.size(), 1);
    window.reset(); // closes the capture files
    QStringList heard;
    bool helloInVoice = false;
    // The engine puts its pitch markup in front of the text it was given.
    const qint64 prefix = VocalyneSpeechMarkup::pitchPrefixLength(100);
    for (const WordEvent &word : wordEvents(events.first())) {
        heard.append(spoken.mid(word.position - prefix, word.length));
        if (word.position - prefix == hello)
            helloInVoice = true;
    }
    EXPECT_TRUE(helloInVoice) << heard.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(heard.contains(QStringLiteral("Plain")));
    EXPECT_TRUE(heard.contains(QStringLiteral("outside")));
}

TEST_F(AuthoringTest, EditingASectionUpdatesItsPausesAndVoice)
{
    const QString text = QStringLiteral("Before. One two. Three four. Five six. After it.");
    typeText(edit(), text);
    const int from = int(text.indexOf(QLatin1String("One")));
    const int to = int(text.indexOf(QLatin1String("After")));
    ASSERT_TRUE(makeSection(from, to, QString(), 400));
    // An element of the user's at a sentence end outside the section.
    edit()->addElement(quint32(text.indexOf(QLatin1String("Before.")) + 7), QStringLiteral("pause"),
                       QStringLiteral("400"));
    ASSERT_EQ(edit()->elements().size(), 4);

    auto editSection = [&](const QString &voice, int pause) {
        selectRows(sectionTable(), {0});
        bool shown = false;
        WhenDialogOpens<VocalyneSpeechSectionEditor> when([&](VocalyneSpeechSectionEditor *d) {
            // The dialog opens with the section's values.
            shown = spin(d, "spinBoxSentPause")->value() == edit()->sections().first().pause &&
                    d->findChild<QTextEdit *>(QStringLiteral("textEdit"))->toPlainText() ==
                        text.mid(from, to - from);
            auto *combo = d->findChild<QComboBox *>(QStringLiteral("comboBoxVoice"));
            if (!voice.isEmpty()) {
                combo->setCurrentIndex(voiceEntry(combo, voice));
                emit combo->activated(combo->currentIndex());
            }
            spin(d, "spinBoxSentPause")->setValue(pause);
            spin(d, "spinBoxPitch")->setValue(120);
            clickOk(d);
        });
        action("actionEdit_Section")->trigger();
        return shown;
    };
    auto pauseValues = [&]() {
        QStringList values;
        for (const QVT2SElement &element : edit()->elements())
            values.append(QString::number(element.afterChar) + QLatin1Char(':') + element.value);
        return values;
    };
    const QString p1 = QString::number(text.indexOf(QLatin1String("two.")) + 4);
    const QString p2 = QString::number(text.indexOf(QLatin1String("four.")) + 5);
    const QString p3 = QString::number(text.indexOf(QLatin1String("six.")) + 4);
    const QString outside = QString::number(text.indexOf(QLatin1String("Before.")) + 7);

    ASSERT_TRUE(editSection(QString(), 250));
    EXPECT_EQ(pauseValues(),
              QStringList({outside + QStringLiteral(":400"), p1 + QStringLiteral(":250"),
                           p2 + QStringLiteral(":250"), p3 + QStringLiteral(":250")}));
    EXPECT_EQ(edit()->sections().first().pause, 250);
    EXPECT_EQ(edit()->sections().first().pitch, 120);
    EXPECT_EQ(sectionTable()->item(0, 5)->text(), QStringLiteral("120"));

    ASSERT_TRUE(editSection(QStringLiteral("German"), 0));
    EXPECT_EQ(pauseValues(), QStringList({outside + QStringLiteral(":400")}));
    EXPECT_EQ(edit()->sections().first().voiceName, voiceName(QStringLiteral("German")));
    EXPECT_EQ(sectionTable()->item(0, 2)->text(), voiceName(QStringLiteral("German")));

    // From 0 to a pause adds them again; a switched-off section gets them
    // switched off, so they stay silent with it.
    edit()->setSectionEnabled(0, false);
    ASSERT_TRUE(editSection(QString(), 300));
    ASSERT_EQ(edit()->elements().size(), 4);
    for (const QVT2SElement &element : edit()->elements().mid(1))
        EXPECT_FALSE(element.enabled);
    EXPECT_TRUE(edit()->elements().first().enabled);
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(AuthoringTest, SectionWhoseVoiceIsGoneOpensWithTheCurrentVoiceAndResetValues)
{
    typeText(edit(), QStringLiteral("A voice that went away."));
    ASSERT_TRUE(makeSection(2, 7, QStringLiteral("German"), 0));
    QVT2SSection gone = edit()->sections().first();
    gone.voiceName = QStringLiteral("A voice nobody installed");
    gone.speed = 250;
    edit()->replaceSection(0, gone);

    QString shownVoice;
    int shownSpeed = 0;
    WhenDialogOpens<VocalyneSpeechSectionEditor> when([&](VocalyneSpeechSectionEditor *d) {
        shownVoice = d->findChild<QComboBox *>(QStringLiteral("comboBoxVoice"))->currentText();
        shownSpeed = spin(d, "spinBoxSpeed")->value();
        d->reject();
    });
    window->showSpeechSectionEditDialog(0);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages.first().text,
              QStringLiteral("The voice saved into the document is not installed.\nReverting to "
                             "default voice settings...."));
    EXPECT_EQ(shownVoice, edit()->voiceName());
    EXPECT_EQ(shownSpeed, 100);
    EXPECT_EQ(edit()->sections().first(), gone) << "Cancel changes nothing";
}

TEST_F(AuthoringTest, SectionCommandRefusesEmptyAndOverlappingSelections)
{
    typeText(edit(), QStringLiteral("Some words to speak."));
    {
        WhenDialogOpens<VocalyneSpeechSectionEditor> when([](VocalyneSpeechSectionEditor *) {});
        select(3, 3);
        action("actionSelection_Speech_Properties")->trigger();
        EXPECT_FALSE(when.opened());
    }
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages.first().kind, MessageRecorder::Kind::Critical);
    EXPECT_EQ(messages.messages.first().text,
              QStringLiteral("Please select a text fragment before creating a speech section."));

    ASSERT_TRUE(makeSection(5, 10, QString(), 0));
    messages.messages.clear();
    // Touching the end counts as overlapping.
    select(10, 15);
    WhenDialogOpens<VocalyneSpeechSectionEditor> when([](VocalyneSpeechSectionEditor *) {});
    action("actionSelection_Speech_Properties")->trigger();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages.first().kind, MessageRecorder::Kind::Warning);
    EXPECT_TRUE(messages.messages.first().text.startsWith(
        QStringLiteral("Embedding a speech entity within another speech entity")));
    EXPECT_FALSE(when.opened());
    EXPECT_EQ(edit()->sections().size(), 1);
}

TEST_F(AuthoringTest, TestThenStopTestLeavesTheEngineIdleAndTheDocumentAsItWas)
{
    QTemporaryDir capture;
    restartWithCapture(capture.path());
    typeText(edit(), QStringLiteral("Short document text."));
    edit()->setHighlight(true);
    edit()->document()->setModified(false);
    edit()->setModifiedState(false);
    select(0, 5);

    QString longText;
    for (int i = 0; i < 40; ++i)
        longText += QStringLiteral("This sentence is read by the test of the section. ");
    QString tested;
    bool highlightDuringTest = true;
    bool modifiedDuringTest = true;
    bool testingAfterStop = true;
    WhenDialogOpens<VocalyneSpeechSectionEditor> when([&](VocalyneSpeechSectionEditor *d) {
        d->findChild<QTextEdit *>(QStringLiteral("textEdit"))->setPlainText(longText);
        spin(d, "spinBoxSentPause")->setValue(300);
        d->findChild<QPushButton *>(QStringLiteral("pushButtonTest"))->click();
        tested = d->lastTestText();
        highlightDuringTest = edit()->highlight();
        modifiedDuringTest = edit()->document()->isModified();
        d->findChild<QPushButton *>(QStringLiteral("pushButtonStopTest"))->click();
        testingAfterStop = d->isTesting();
        d->reject();
    });
    action("actionSelection_Speech_Properties")->trigger();
    ASSERT_TRUE(when.opened());
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(tested.count(QStringLiteral(".") + pauseMarkup(300) + QStringLiteral(" ")), 40);
    EXPECT_FALSE(highlightDuringTest);
    EXPECT_FALSE(modifiedDuringTest);
    EXPECT_FALSE(testingAfterStop);
    EXPECT_TRUE(edit()->highlight());
    EXPECT_FALSE(edit()->document()->isModified());
    EXPECT_FALSE(tabTitle(0).endsWith(QLatin1Char('*')));
    EXPECT_TRUE(edit()->sections().isEmpty()) << "Cancel made no section";
    EXPECT_EQ(window->statusBar()->currentMessage(), QStringLiteral("Ready"));

    // Nothing more comes of the stopped test: its words, if it got as far
    // as sounding, end early, and the document is then read on its own, to
    // its end.
    QThread::msleep(300);
    QCoreApplication::processEvents();
    const qsizetype testFiles = capturedEvents(capture.path()).size();
    ASSERT_LE(testFiles, 1);
    ASSERT_TRUE(speakDocument());
    EXPECT_EQ(edit()->textCursor().position(), 0);
    window.reset();
    const QStringList events = capturedEvents(capture.path());
    ASSERT_EQ(events.size(), testFiles + 1);
    if (testFiles == 1) {
        EXPECT_LT(wordEvents(events.first()).size(), 40 * 10);
    }
    EXPECT_EQ(wordEvents(events.last()).size(), 3);
}
