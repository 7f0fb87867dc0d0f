// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynemainwindow.h"

#include "vocalynedocumentedit.h"
#include "vocalyneenginehost.h"
#include "vocalynefirstrundefaults.h"
#include "vocalyneiconnames.h"
#include "vocalynemessageservice.h"
#include "vocalynespeakcontroller.h"
#include "vocalynesplashscreen.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolButton>

VocalyneMainWindow::VocalyneMainWindow(const QString &documentPath, QWidget *parent)
    : VocalyneMainWindowBase(parent)
{
    // The engine is set up first: its host window must exist before the
    // voices can be listed.
    m_engine = new VocalyneEngineHost(this);
    m_engine->setWordHandler([this](int first, int last) {
        if (m_speak)
            m_speak->wordCallback(first, last);
    });
    m_engine->start();

    documentTabs->setCurrentIndex(0);

    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        m_screenRect = screen->geometry();
        const QRect available = screen->availableGeometry();
        resize(qMin(width(), available.width()), qMin(height(), available.height()));
        connect(screen, &QScreen::geometryChanged, this, [this]() { onResize(0); });
        connect(screen, &QScreen::availableGeometryChanged, this,
                [this]() { onWorkAreaResized(0); });
    }

    QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("halvern.example"));
    QCoreApplication::setApplicationName(QStringLiteral("Vocalyne"));

    setUpSpeechToolbar();
    setUpSpeakController();
    dwDocHistory->hide();
    // The manager tables need room for their columns next to the text.
    resizeDocks({dwSBManager}, {380}, Qt::Horizontal);
    setUpCloseButton();

    // The form's first page receives the first document.
    VocalyneDocumentEdit *first = new VocalyneDocumentEdit(tab, this, twBookmarkManager,
                                                           twSectionSpProps);
    first->setObjectName(QStringLiteral("VocalyneDocumentEdit"));
    vboxLayout1->addWidget(first);
    documentTabs->setTabText(0, tr("Untitled"));
    documentTabs->setTabIcon(0, QIcon(VocalyneIconNames::path(VocalyneIconNames::T2sDoc)));
    syncGUIWithSpeechPropsForTabId(0);

    m_lastOpenDirectory = QDir::homePath();
    m_lastSaveDirectory = QDir::homePath();

    if (!documentPath.isEmpty())
        openDocumentPath(documentPath);

    setUpViewMenu();
    recordDefaultLayout();
    connectActions();
    setUpAuthoring();
    disableLaterFeatures();
    setUpTools();
    setUpHistory();
    setUpPronunciation();
    setUpSpellChecking();
    setUpExport();

    connect(statusBarMainWnd, &QStatusBar::messageChanged, this,
            &VocalyneMainWindow::onStatusBarMsgChanged);
    statusBarMainWnd->showMessage(tr("Ready"));
}

VocalyneMainWindow::~VocalyneMainWindow()
{
    saveCurrentLayoutFile();
    // The engine goes before the widgets it may still report words to.
    delete m_engine;
    m_engine = nullptr;
}

void VocalyneMainWindow::setUpSpeechToolbar()
{
    speechToolbar->addWidget(new QLabel(tr(" Voice "), speechToolbar));
    m_voiceCombo = new QComboBox(speechToolbar);
    m_voiceCombo->setObjectName(QStringLiteral("voiceComboBox"));
    // Wide enough for the usual voice names, not for the longest one, so
    // the whole speech toolbar fits a normal window.
    m_voiceCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_voiceCombo->setMinimumContentsLength(22);
    speechToolbar->addWidget(m_voiceCombo);
    setUpVoiceList();
    speechToolbar->addSeparator();

    auto addSpin = [this](const QString &label, const QString &name) {
        speechToolbar->addWidget(new QLabel(label, speechToolbar));
        auto *spin = new QSpinBox(speechToolbar);
        spin->setObjectName(name);
        spin->setRange(0, 1000);
        speechToolbar->addWidget(spin);
        speechToolbar->addSeparator();
        return spin;
    };
    m_speedSpin = addSpin(tr(" Speed "), QStringLiteral("speedSpinBox"));
    m_volumeSpin = addSpin(tr(" Volume "), QStringLiteral("volumeSpinBox"));
    m_pitchSpin = addSpin(tr(" Pitch "), QStringLiteral("pitchSpinBox"));
    m_highlightCheck = new QCheckBox(tr("Highlight words"), speechToolbar);
    m_highlightCheck->setObjectName(QStringLiteral("highlightCheckBox"));
    speechToolbar->addWidget(m_highlightCheck);
    speechToolbar->addSeparator();
}

void VocalyneMainWindow::setUpVoiceList()
{
    const QList<VocalyneInstalledVoice> voices = VocalyneEngineHost::installedVoices();
    const QIcon voiceIcon(VocalyneIconNames::path(VocalyneIconNames::Voice));
    for (const VocalyneInstalledVoice &voice : voices) {
        VoiceComboUserData data;
        data.engineTypeId = voice.engineTypeId;
        data.voiceId = voice.voiceId;
        data.langId = voice.langId;
        m_voiceCombo->addItem(voiceIcon, voice.name, QVariant::fromValue(data));
    }
    if (voices.isEmpty())
        VocalyneMessageService::critical(
            this, QApplication::translate("QApplication", "Error"),
            QApplication::translate("QApplication",
                                    "No voices can be found on your system! Please download "
                                    "and install at least 1 voice!"));

    QSettings settings;
    const VocalyneFirstRunDefaults::Result result =
        VocalyneFirstRunDefaults::apply(voices, settings);
    if (result.warningNeeded)
        VocalyneMessageService::warning(this, QApplication::translate("QApplication", "Error"),
                                        VocalyneFirstRunDefaults::warningText());
}

void VocalyneMainWindow::setUpCloseButton()
{
    m_closeTabButton = new QToolButton(documentTabs);
    m_closeTabButton->setObjectName(QStringLiteral("closeTabButton"));
    m_closeTabButton->setAutoRaise(true);
    m_closeTabButton->setIcon(QIcon(VocalyneIconNames::path(VocalyneIconNames::Close)));
    m_closeTabButton->setToolTip(tr("Close Current Document"));
    documentTabs->setCornerWidget(m_closeTabButton, Qt::TopRightCorner);
    connect(m_closeTabButton, &QToolButton::clicked, this,
            &VocalyneMainWindow::closeCurrentDocument);
}

void VocalyneMainWindow::setUpViewMenu()
{
    // Dock and toolbar toggles go in front of the style submenus.
    QAction *before = menuDocument_Functions_Style->menuAction();
    menuView->insertAction(before, dwSBManager->toggleViewAction());
    menuView->insertAction(before, dwDocHistory->toggleViewAction());
    menuView->insertAction(before, dwSpProperties->toggleViewAction());
    menuView->insertSeparator(before);
    menuView->insertAction(before, docToolbar->toggleViewAction());
    menuView->insertAction(before, speechToolbar->toggleViewAction());
    menuView->insertAction(before, toolToolbar->toggleViewAction());
    menuView->insertSeparator(before);

    // Each style submenu offers one size and one style at a time.
    const QList<QList<QAction *>> groups = {
        {actionSmall_Icons, actionMedium_Icons, actionLarge_Icons},
        {actionIcons_and_Text, actionIcons_Only, actionText_Only},
        {actionSmall_Icons_2, actionMedium_Icons_2, actionLarge_Icons_2},
        {actionIcons_and_Text_2, actionIcons_Only_2, actionText_Only_2},
        {actionSmall_Icons_3, actionMedium_Icons_3, actionLarge_Icons_3},
        {actionIcons_and_Text_3, actionIcons_Only_3, actionText_Only_3},
    };
    for (const QList<QAction *> &members : groups) {
        auto *group = new QActionGroup(this);
        for (QAction *action : members)
            group->addAction(action);
    }

    // Toolbar actions switch to the picture of the chosen size.
    const QList<QPair<QAction *, const char *>> icons = {
        {actionNew, VocalyneIconNames::New},
        {actionOpen, VocalyneIconNames::Open},
        {actionSave, VocalyneIconNames::Save},
        {actionSave_All, VocalyneIconNames::SaveAll},
        {actionPrint, VocalyneIconNames::Print},
        {actionSpell_Check, VocalyneIconNames::SpellCheck},
        {actionFind, VocalyneIconNames::Find},
        {actionReplace, VocalyneIconNames::Replace},
        {actionHelp, VocalyneIconNames::Help},
        {actionSpeak, VocalyneIconNames::Speak},
        {actionPause_Resume, VocalyneIconNames::Pause},
        {actionStop, VocalyneIconNames::Stop},
        {actionExport, VocalyneIconNames::Export},
        {actionEmail_Reader, VocalyneIconNames::EmailReader},
        {actionWeb_Browser, VocalyneIconNames::Browser},
        {actionBatch_Converter, VocalyneIconNames::Batch},
        {actionExtract_Text_from_Image, VocalyneIconNames::Ocr},
        {actionPreferences, VocalyneIconNames::Settings},
    };
    for (const auto &entry : icons)
        m_toolbarIconFiles.insert(entry.first, QString::fromLatin1(entry.second));
}

void VocalyneMainWindow::recordDefaultLayout()
{
    m_defaultGeometry = saveGeometry();
    m_defaultState = saveState(0);
    m_defaultAppearance = toolbarAppearance();
}

void VocalyneMainWindow::loadDefaultLayout()
{
    restoreGeometry(m_defaultGeometry);
    restoreState(m_defaultState, 0);
    applyToolbarAppearance(m_defaultAppearance);
}

void VocalyneMainWindow::connectActions()
{
    using W = VocalyneMainWindow;
    connect(actionNew, &QAction::triggered, this, &W::newDocument);
    connect(actionOpen, &QAction::triggered, this, &W::openDocument);
    connect(actionClose, &QAction::triggered, this, &W::closeCurrentDocument);
    connect(actionClose_All, &QAction::triggered, this, &W::closeAllDocuments);
    connect(actionSave, &QAction::triggered, this, &W::saveCurrentDocument);
    connect(actionSave_As, &QAction::triggered, this, &W::saveCurrentDocumentAs);
    connect(actionSave_All, &QAction::triggered, this, &W::saveAllDocuments);
    connect(actionPrint, &QAction::triggered, this, &W::print);
    connect(actionPrint_Preview, &QAction::triggered, this, &W::printPreview);
    connect(actionExit, &QAction::triggered, this, &W::closeWindow);
    connect(actionGo_to, &QAction::triggered, this, &W::docEditGoToLine);
    connect(actionZoom_In, &QAction::triggered, this, &W::zoomDocIn);
    connect(actionZoom_Out, &QAction::triggered, this, &W::zoomDocOut);
    connect(actionResetZoom, &QAction::triggered, this, &W::zoomDocReset);
    connect(actionRest_to_Default_View, &QAction::triggered, this, &W::loadDefaultLayout);
    connect(actionAbout, &QAction::triggered, this, &W::showAbout);

    connect(actionSmall_Icons, &QAction::triggered, this, &W::setdocToolbarSmallIcons);
    connect(actionMedium_Icons, &QAction::triggered, this, &W::setdocToolbarMediumIcons);
    connect(actionLarge_Icons, &QAction::triggered, this, &W::setdocToolbarLargeIcons);
    connect(actionIcons_and_Text, &QAction::triggered, this, &W::setdocToolbarStyleIconsAndText);
    connect(actionIcons_Only, &QAction::triggered, this, &W::setdocToolbarStyleIconsOnly);
    connect(actionText_Only, &QAction::triggered, this, &W::setdocToolbarStyleTextOnly);
    connect(actionSmall_Icons_2, &QAction::triggered, this, &W::setspeechToolbarSmallIcons);
    connect(actionMedium_Icons_2, &QAction::triggered, this, &W::setspeechToolbarMediumIcons);
    connect(actionLarge_Icons_2, &QAction::triggered, this, &W::setspeechToolbarLargeIcons);
    connect(actionIcons_and_Text_2, &QAction::triggered, this,
            &W::setspeechToolbarStyleIconsAndText);
    connect(actionIcons_Only_2, &QAction::triggered, this, &W::setspeechToolbarStyleIconsOnly);
    connect(actionText_Only_2, &QAction::triggered, this, &W::setspeechToolbarStyleTextOnly);
    connect(actionSmall_Icons_3, &QAction::triggered, this, &W::settoolToolbarSmallIcons);
    connect(actionMedium_Icons_3, &QAction::triggered, this, &W::settoolToolbarMediumIcons);
    connect(actionLarge_Icons_3, &QAction::triggered, this, &W::settoolToolbarLargeIcons);
    connect(actionIcons_and_Text_3, &QAction::triggered, this,
            &W::settoolToolbarStyleIconsAndText);
    connect(actionIcons_Only_3, &QAction::triggered, this, &W::settoolToolbarStyleIconsOnly);
    connect(actionText_Only_3, &QAction::triggered, this, &W::settoolToolbarStyleTextOnly);

    connect(documentTabs, &QTabWidget::currentChanged, this, &W::syncGUIWithSpeechPropsForTabId);
    connect(menuRecent, &QMenu::aboutToShow, this, &W::listRecent);
    connect(menuRecent, &QMenu::triggered, this, &W::openDocumentByAction);
    connect(menu_Window, &QMenu::aboutToShow, this, &W::listWindows);
    connect(menu_Window, &QMenu::triggered, this, &W::activateTabByWindowAction);
    connect(menuView, &QMenu::aboutToShow, this, &W::syncViewMenuAndGUI);
    connect(menuEdit, &QMenu::aboutToShow, this, &W::adjustEditMenuWithCurrDocEditTextActions);

    connect(m_voiceCombo, &QComboBox::activated, this, &W::syncSpeechPropsWithVoiceCombo);
    connect(m_speedSpin, &QSpinBox::valueChanged, this, &W::syncSpeedWithSpeedSpin);
    connect(m_volumeSpin, &QSpinBox::valueChanged, this, &W::syncVolumeWithVolumeSpin);
    connect(m_pitchSpin, &QSpinBox::valueChanged, this, &W::syncPitchWithPitchSpin);
    connect(m_highlightCheck, &QCheckBox::stateChanged, this,
            &W::syncHighlightWithHighlightCBox);
}

void VocalyneMainWindow::disableLaterFeatures()
{
    // These commands belong to features that are not part of the program
    // yet; they are shown so that menus and toolbars keep their final shape.
    const QList<QAction *> later = {};
    for (QAction *action : later)
        action->setEnabled(false);
    action_Empty->setEnabled(false);
}

void VocalyneMainWindow::showAbout()
{
    auto *about = new VocalyneSplashScreen(
        QPixmap(VocalyneIconNames::path(VocalyneIconNames::Splash)));
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
}

void VocalyneMainWindow::onStatusBarMsgChanged(const QString &message)
{
    // The status bar is never left blank.
    if (message.isEmpty())
        statusBarMainWnd->showMessage(m_speak && m_speak->isPaused() ? tr("Paused") : tr("Ready"));
}

void VocalyneMainWindow::onResize(int)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect now = screen->geometry();
    if (m_screenRect.isValid() && now.width() > 0 && now.height() > 0) {
        // Keep the window's share of the screen.
        const double xFactor = double(m_screenRect.width()) / now.width();
        const double yFactor = double(m_screenRect.height()) / now.height();
        resize(int(width() / xFactor), int(height() / yFactor));
    }
    m_screenRect = now;
}

void VocalyneMainWindow::onWorkAreaResized(int)
{
}

QAction *VocalyneMainWindow::mainWindowAction(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

QToolBar *VocalyneMainWindow::toolbar(const QString &objectName) const
{
    return findChild<QToolBar *>(objectName);
}
