// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "shellfixture.h"
#include "vocalynefindreplacedlg.h"
#include "vocalynehelpfiles.h"
#include "vocalynelauncher.h"
#include "vocalynelayoutfile.h"
#include "vocalynesettingskeys.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDockWidget>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QToolBar>
#include <QUrl>

namespace {

/// Records every launch and answers from scripts instead of starting
/// anything; installs itself for its lifetime.
class LaunchRecorder : public VocalyneLauncher
{
public:
    LaunchRecorder() { VocalyneLauncher::setInstance(this); }
    ~LaunchRecorder() override { VocalyneLauncher::setInstance(nullptr); }

    bool openUrl(const QUrl &url) override
    {
        urls.append(url);
        return urlsWork;
    }
    bool startDetached(const QString &program, const QStringList &) override
    {
        programs.append(program);
        return programsStart;
    }
    QString findExecutable(const QString &name) override
    {
        asked.append(name);
        return installed.value(name);
    }

    QList<QUrl> urls;
    QStringList programs;
    QStringList asked;
    QHash<QString, QString> installed;
    bool urlsWork = true;
    bool programsStart = true;
};

class ToolsTest : public ShellTest
{
protected:
    void SetUp() override
    {
        // Each window writes its layout when it goes; tests start from none.
        QFile::remove(VocalyneMainWindow::currentLayoutPath());
        ShellTest::SetUp();
    }
    void TearDown() override
    {
        ShellTest::TearDown();
        VocalyneMainWindow::setTrayAvailability(-1);
        QGuiApplication::setQuitOnLastWindowClosed(true);
    }

    QAction *action(const char *name) const
    {
        return window->findChild<QAction *>(QLatin1String(name));
    }
    QString lastMessage() const
    {
        return messages.messages.isEmpty() ? QString() : messages.messages.last().text;
    }
    void makeFile(const QString &relative, const QByteArray &bytes = "x") const
    {
        const QString path = dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void rebuildWindow()
    {
        window.reset();
        window = std::make_unique<VocalyneMainWindow>();
    }

    LaunchRecorder launches;
};

const QString German = QStringLiteral("German");
const QString GermanLocale = QStringLiteral("de_DE");

} // namespace

// ---- Layout files --------------------------------------------------------------

TEST(LayoutFile, RoundTripsAndRejectsTruncatedForeignAndOverlongFiles)
{
    const VocalyneLayout layout{QByteArray(40, 'g'), QByteArray(70, 's'), QByteArray(24, 'a')};
    const QByteArray bytes = VocalyneLayoutFile::encode(layout);
    ASSERT_EQ(bytes.size(), 1 + 8 + 40 + 70 + 24);
    EXPECT_EQ(bytes.at(0), 8);
    VocalyneLayout back;
    ASSERT_TRUE(VocalyneLayoutFile::decode(bytes, &back));
    EXPECT_EQ(back.geometry, layout.geometry);
    EXPECT_EQ(back.state, layout.state);
    EXPECT_EQ(back.appearance, layout.appearance);

    VocalyneLayout untouched;
    EXPECT_FALSE(
        VocalyneLayoutFile::decode(bytes.left(1 + 8 + 40 + 70), &untouched)); // no toolbars
    EXPECT_FALSE(VocalyneLayoutFile::decode(bytes + "x", &untouched));
    EXPECT_FALSE(VocalyneLayoutFile::decode(QByteArray(), &untouched));
    QByteArray header = bytes;
    header[0] = 9; // another version of the header
    EXPECT_FALSE(VocalyneLayoutFile::decode(header, &untouched));
    // Lengths that add up past 2^31 must not wrap around into a fit.
    QByteArray huge = bytes;
    huge.replace(1, 8, QByteArray::fromHex("7fffffff7fffffff"));
    EXPECT_FALSE(VocalyneLayoutFile::decode(huge, &untouched));
    QByteArray negative = bytes;
    negative.replace(1, 4, QByteArray::fromHex("ffffffd8"));
    EXPECT_FALSE(VocalyneLayoutFile::decode(negative, &untouched));
    EXPECT_TRUE(untouched.isEmpty());
}

// ---- Layouts in the window -----------------------------------------------------

TEST_F(ToolsTest, SavedLayoutLoadsBackAndDefaultLayoutResets)
{
    window->resize(900, 700);
    window->setdocToolbarLargeIcons();
    window->setdocToolbarStyleTextOnly();
    auto *managers = window->findChild<QDockWidget *>(QStringLiteral("dwSBManager"));
    managers->hide();
    const QString path = dir.filePath(QStringLiteral("mine.layout"));
    dialogs.saveAnswers = {path};
    window->saveLayout();
    EXPECT_EQ(dialogs.asked.last(), QStringLiteral("Save Layout"));
    ASSERT_TRUE(QFileInfo(path).isFile());

    window->loadDefaultLayout();
    EXPECT_EQ(window->toolbar(QStringLiteral("docToolbar"))->iconSize().width(), 16);
    EXPECT_FALSE(managers->isHidden());

    dialogs.openAnswers = {path};
    window->loadLayout();
    EXPECT_EQ(dialogs.asked.last(), QStringLiteral("Load layout"));
    EXPECT_EQ(window->toolbar(QStringLiteral("docToolbar"))->iconSize().width(), 32);
    EXPECT_EQ(window->toolbar(QStringLiteral("docToolbar"))->toolButtonStyle(),
              Qt::ToolButtonTextOnly);
    EXPECT_TRUE(managers->isHidden());
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(ToolsTest, UnreadableOrDamagedLayoutFilesAreReportedAndChangeNothing)
{
    dialogs.openAnswers = {dir.filePath(QStringLiteral("missing.layout"))};
    window->loadLayout();
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("Failed to open ")));
    EXPECT_EQ(messages.messages.last().title, QStringLiteral("Error"));

    const VocalyneLayout live = window->currentLayout();
    VocalyneLayout large = live;
    window->setdocToolbarLargeIcons();
    large.appearance = window->toolbarAppearance();
    window->setdocToolbarSmallIcons();
    const QByteArray good = VocalyneLayoutFile::encode(large);

    // Ends after the state block; a state from another program; random bytes.
    VocalyneLayout foreign = large;
    foreign.state = QByteArray(64, '\x11');
    QByteArray noise(300, '\0');
    for (char &c : noise)
        c = char(QRandomGenerator::global()->bounded(256));
    const QList<QByteArray> damaged = {good.left(good.size() - 24),
                                       VocalyneLayoutFile::encode(foreign), noise};
    for (const QByteArray &bytes : damaged) {
        const QString path = dir.filePath(QStringLiteral("damaged.layout"));
        writeFile(QStringLiteral("damaged.layout"), bytes);
        dialogs.openAnswers = {path};
        window->loadLayout();
        EXPECT_EQ(lastMessage(), QStringLiteral("Error reading %1").arg(path));
        EXPECT_EQ(window->toolbar(QStringLiteral("docToolbar"))->iconSize().width(), 16);
        EXPECT_EQ(window->saveState(0), live.state);
    }
}

TEST_F(ToolsTest, CurrentLayoutComesBackAtStartAndADamagedOneIsIgnored)
{
    window->setspeechToolbarLargeIcons();
    window->settoolToolbarStyleTextOnly();
    rebuildWindow(); // the first window writes its layout as it goes
    EXPECT_EQ(window->toolbar(QStringLiteral("speechToolbar"))->iconSize().width(), 32);
    EXPECT_EQ(window->toolbar(QStringLiteral("toolToolbar"))->toolButtonStyle(),
              Qt::ToolButtonTextOnly);

    window.reset();
    QFile file(VocalyneMainWindow::currentLayoutPath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray bytes = file.readAll();
    file.resize(bytes.size() / 2);
    file.close();
    window = std::make_unique<VocalyneMainWindow>();
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(window->toolbar(QStringLiteral("speechToolbar"))->iconSize().width(), 16);
    // And the damaged file is overwritten with a good one on exit.
    rebuildWindow();
    VocalyneLayout layout;
    EXPECT_EQ(VocalyneLayoutFile::read(VocalyneMainWindow::currentLayoutPath(), &layout),
              VocalyneLayoutFile::ReadResult::Ok);
}

// ---- Tray and clipboard watch --------------------------------------------------

TEST_F(ToolsTest, WithATrayClosingHidesAndExitWhileHiddenKeepsTheShownLayout)
{
    VocalyneMainWindow::setTrayAvailability(1);
    rebuildWindow();
    ASSERT_NE(window->trayIcon(), nullptr);
    EXPECT_TRUE(action("actionHide")->isEnabled());
    window->show();
    window->setdocToolbarLargeIcons();

    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(window->close()); // hidden, not closed
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(window->lastTrayMessage(),
                  QStringLiteral("Vocalyne has been minimized to the system tray"));
        window->iconActivated(QSystemTrayIcon::Trigger);
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(window->toolbar(QStringLiteral("docToolbar"))->isVisible());
    }

    window->hideWindow();
    EXPECT_FALSE(window->toolbar(QStringLiteral("docToolbar"))->isVisible());
    rebuildWindow(); // ends while hidden
    window->show();
    EXPECT_TRUE(window->toolbar(QStringLiteral("docToolbar"))->isVisible());
    EXPECT_EQ(window->toolbar(QStringLiteral("docToolbar"))->iconSize().width(), 32);

    window->closeWindow(); // Exit really closes
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->documentCount(), 0);
}

TEST_F(ToolsTest, WithoutATrayThereIsNoHidingAndClosingStillExits)
{
    VocalyneMainWindow::setTrayAvailability(0);
    rebuildWindow();
    EXPECT_EQ(window->trayIcon(), nullptr);
    EXPECT_FALSE(action("actionHide")->isEnabled());
    window->show();
    EXPECT_TRUE(window->close());
}

TEST_F(ToolsTest, ClipboardWatchTakesCopiesFromTheLimitOnAndOnlyWhenOn)
{
    namespace Keys = VocalyneSettingsKeys;
    QClipboard *clipboard = QGuiApplication::clipboard();
    const int tabsBefore = window->documentCount();
    clipboard->setText(QString(300, QLatin1Char('x'))); // watch off (the default)
    EXPECT_EQ(window->documentCount(), tabsBefore);

    QSettings settings;
    settings.setValue(Keys::ClipboardWatchEnabled, 1);
    settings.setValue(Keys::ClipboardWatchCharLimit, 200);
    clipboard->setText(QString(199, QLatin1Char('a')));
    EXPECT_EQ(window->documentCount(), tabsBefore);
    const QString copied = QString(199, QLatin1Char('b')) + QStringLiteral("\n");
    clipboard->setText(copied);
    ASSERT_EQ(window->documentCount(), tabsBefore + 1);
    EXPECT_EQ(window->currentDocumentEdit()->toPlainText(), copied);
    EXPECT_TRUE(window->lastTrayMessage().isEmpty()); // notify is off
    // One letter outside the basic plane is one character, not two.
    clipboard->setText(QString(198, QLatin1Char('c')) + QString::fromUcs4(U"\U0001F600"));
    EXPECT_EQ(window->documentCount(), tabsBefore + 1);

    // A copy in one of the program's own editors is not taken.
    window->ignoreNextClipboardChange();
    clipboard->setText(QString(250, QLatin1Char('d')));
    EXPECT_EQ(window->documentCount(), tabsBefore + 1);
    clipboard->setText(QString(250, QLatin1Char('e')));
    EXPECT_EQ(window->documentCount(), tabsBefore + 2);
    clipboard->clear();
    EXPECT_EQ(window->documentCount(), tabsBefore + 2);
}

TEST_F(ToolsTest, ClipboardWatchNotifiesThroughTheTray)
{
    VocalyneMainWindow::setTrayAvailability(1);
    rebuildWindow();
    QSettings settings;
    settings.setValue(VocalyneSettingsKeys::ClipboardWatchEnabled, 1);
    settings.setValue(VocalyneSettingsKeys::ClipboardWatchNotify, 1);
    QGuiApplication::clipboard()->setText(QStringLiteral("short, but no limit is set"));
    EXPECT_EQ(window->lastTrayMessage(),
              QStringLiteral("The text you just copied has been transferred to Vocalyne"));
}

// ---- Help and other programs ---------------------------------------------------

TEST_F(ToolsTest, HelpIsChosenByLocaleThenLanguageThenTheGeneralPages)
{
    const QString base = dir.path();
    auto page = [&](const QString &topic) {
        return VocalyneHelpFiles::helpPage(base, GermanLocale, German, topic);
    };
    // Nothing there: the general page, unchecked.
    EXPECT_EQ(page(QStringLiteral("Tutorial.htm")),
              dir.filePath(QStringLiteral("VocalyneHelp/Tutorial.htm")));
    makeFile(QStringLiteral("VocalyneHelp/Tutorial.htm"));
    makeFile(QStringLiteral("VocalyneHelp_German/Tutorial.htm"));
    EXPECT_EQ(page(QStringLiteral("Tutorial.htm")),
              dir.filePath(QStringLiteral("VocalyneHelp_German/Tutorial.htm")));
    // A language folder without the page falls through to the general one.
    EXPECT_EQ(page(QStringLiteral("index.htm")),
              dir.filePath(QStringLiteral("VocalyneHelp/index.htm")));
    makeFile(QStringLiteral("VocalyneHelp_de_DE/Tutorial.htm"));
    EXPECT_EQ(page(QStringLiteral("Tutorial.htm")),
              dir.filePath(QStringLiteral("VocalyneHelp_de_DE/Tutorial.htm")));
    // An unknown language name never names the general folder with a "_".
    EXPECT_EQ(VocalyneHelpFiles::helpPage(base, QString(), QString(), QStringLiteral("index.htm")),
              dir.filePath(QStringLiteral("VocalyneHelp/index.htm")));

    // Single pages: locale, then language code, then the general page.
    auto single = [&](const QString &locale) {
        return QFileInfo(
                   VocalyneHelpFiles::localPage(base, QStringLiteral("VocalyneToolbar"), locale))
            .fileName();
    };
    EXPECT_EQ(single(GermanLocale), QStringLiteral("VocalyneToolbar.html"));
    makeFile(QStringLiteral("VocalyneToolbar_de.html"));
    EXPECT_EQ(single(GermanLocale), QStringLiteral("VocalyneToolbar_de.html"));
    EXPECT_EQ(single(QStringLiteral("de_AT")), QStringLiteral("VocalyneToolbar_de.html"));
    makeFile(QStringLiteral("VocalyneToolbar_de_DE.html"));
    EXPECT_EQ(single(GermanLocale), QStringLiteral("VocalyneToolbar_de_DE.html"));
    EXPECT_EQ(single(QStringLiteral("fr_FR")), QStringLiteral("VocalyneToolbar.html"));
}

TEST_F(ToolsTest, HelpOpensInTheBrowserOrSaysItCannotBeFound)
{
    window->setProgramDirectory(dir.path());
    action("actionHelp")->trigger();
    EXPECT_EQ(lastMessage(), QStringLiteral("Help cannot be found."));
    EXPECT_TRUE(launches.urls.isEmpty());

    makeFile(QStringLiteral("VocalyneHelp/index.htm"));
    makeFile(QStringLiteral("VocalyneHelp/QuickReference.htm"));
    messages.messages.clear();
    action("actionHelp")->trigger();
    action("actionQuick_Reference")->trigger();
    ASSERT_EQ(launches.urls.size(), 2);
    EXPECT_TRUE(launches.urls.at(0).isLocalFile());
    EXPECT_TRUE(launches.urls.at(0).toLocalFile().endsWith(QStringLiteral("/index.htm")));
    EXPECT_TRUE(launches.urls.at(1).toLocalFile().endsWith(QStringLiteral("/QuickReference.htm")));
    EXPECT_TRUE(messages.messages.isEmpty());

    launches.urlsWork = false; // no browser
    action("actionHelp")->trigger();
    EXPECT_EQ(lastMessage(), QStringLiteral("Help cannot be found."));
}

TEST_F(ToolsTest, LaunchersStartTheirProgramsAndReportMissingOnes)
{
    window->setProgramDirectory(dir.path());

    // The OCR program is not there.
    action("actionExtract_Text_from_Image")->trigger();
    EXPECT_EQ(lastMessage(),
              QStringLiteral("Halvern \u00AE Glyphix cannot be found on your system."));
    EXPECT_TRUE(launches.programs.isEmpty());
    makeFile(QStringLiteral("HalvernGlyphix"), "#!/bin/sh\n");
    QFile::setPermissions(dir.filePath(QStringLiteral("HalvernGlyphix")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    action("actionExtract_Text_from_Image")->trigger();
    EXPECT_EQ(launches.programs, QStringList{dir.filePath(QStringLiteral("HalvernGlyphix"))});

    // Mail: the mail client with the speech toolbar first, else the desktop's.
    messages.messages.clear();
    launches.installed.insert(QStringLiteral("thunderbird"),
                              QStringLiteral("/usr/bin/thunderbird"));
    action("actionEmail_Reader")->trigger();
    EXPECT_EQ(launches.programs.last(), QStringLiteral("/usr/bin/thunderbird"));
    launches.installed.clear();
    action("actionEmail_Reader")->trigger();
    EXPECT_EQ(launches.urls.last(), QUrl(QStringLiteral("mailto:")));
    EXPECT_TRUE(messages.messages.isEmpty());
    launches.urlsWork = false;
    action("actionEmail_Reader")->trigger();
    EXPECT_EQ(lastMessage(), QStringLiteral("No mail client can be found on your system."));

    // The browser add-on page and the voices page.
    action("actionWeb_Browser")->trigger();
    EXPECT_EQ(lastMessage(), QStringLiteral("No default web browser could be found."));
    launches.urlsWork = true;
    action("actionWeb_Browser")->trigger();
    action("actionGet_more_voices")->trigger();
    EXPECT_EQ(QFileInfo(launches.urls.at(launches.urls.size() - 2).toLocalFile()).path(),
              dir.path());
    EXPECT_TRUE(launches.urls.last().toLocalFile().contains(QStringLiteral("VocalyneVoices")));
}

TEST_F(ToolsTest, TheRealLauncherReportsAProgramThatCannotStart)
{
    VocalyneLauncher::setInstance(nullptr);
    EXPECT_FALSE(VocalyneLauncher::instance()->startDetached(
        dir.filePath(QStringLiteral("no-such-program")), {}));
    EXPECT_TRUE(VocalyneLauncher::instance()
                    ->findExecutable(QStringLiteral("no-such-program-anywhere"))
                    .isEmpty());
    VocalyneLauncher::setInstance(&launches);
}

TEST_F(ToolsTest, FindAndReplaceShortcutsOpenOneKeptDialog)
{
    EXPECT_EQ(action("actionFind")->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
    EXPECT_EQ(action("actionReplace")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+F")));
    EXPECT_EQ(window->findReplaceDialog(), nullptr);
    action("actionFind")->trigger();
    VocalyneFindReplaceDlg *dialog = window->findReplaceDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    action("actionReplace")->trigger();
    EXPECT_EQ(window->findReplaceDialog(), dialog);
    EXPECT_TRUE(dialog->findChild<QLineEdit *>(QStringLiteral("replaceEdit"))->isEnabled());

    typeText(window->currentDocumentEdit(), QStringLiteral("one two one"));
    dialog->findChild<QLineEdit *>(QStringLiteral("findEdit"))->setText(QStringLiteral("one"));
    dialog->findChild<QLineEdit *>(QStringLiteral("replaceEdit"))->setText(QStringLiteral("1"));
    dialog->replaceAll();
    EXPECT_EQ(window->currentDocumentEdit()->toPlainText(), QStringLiteral("1 two 1"));
    EXPECT_EQ(lastMessage(), QStringLiteral("Replaced 2 occurrence(s) of 'one'"));
}
