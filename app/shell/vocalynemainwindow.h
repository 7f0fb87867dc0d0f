// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "vocalynemainwindowbase.h"
#include "vocalyneexportbatch.h"
#include "vocalyneexporter.h"
#include "vocalyneexportinterface.h"
#include "vocalyneexportreporter.h"
#include "vocalyneexportstarter.h"
#include "vocalynebatchrenderer.h"
#include "vocalynelayoutfile.h"
#include "vocalynemainwindowinterface.h"

#include <QByteArray>
#include <QHash>
#include <QMessageBox>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QSystemTrayIcon>

#include <memory>
#include <vector>

class QAction;
class QCheckBox;
class QMenu;
class QComboBox;
class QPrinter;
class QSpinBox;
class QToolBar;
class QToolButton;
class QTreeWidgetItem;
class VocalyneDocumentEdit;
class VocalyneEngineHost;
class VocalyneFindReplaceDlg;
class VocalyneHistoryTree;
class VocalyneSpeakController;

/// The main window: document tabs, menus, toolbars, docks and the speech
/// toolbar's voice controls. Each tab page holds one VocalyneDocumentEdit
/// named "VocalyneDocumentEdit" in a layout named "vboxLayout1"; there is
/// always at least one tab.
class VocalyneMainWindow : public VocalyneMainWindowBase,
                           public VocalyneMainWindowInterface,
                           public VocalyneExportInterface
{
    Q_OBJECT

public:
    /// Sets up the engine, the voice list and the first-run defaults, creates
    /// the first "Untitled" tab and opens documentPath when it is not empty.
    explicit VocalyneMainWindow(const QString &documentPath = QString(),
                                QWidget *parent = nullptr);
    /// Shuts the engine down.
    ~VocalyneMainWindow() override;

    // VocalyneMainWindowInterface
    VocalyneDocumentEdit *currentDocumentEdit() const override;
    void openDocumentFile(const QString &path) override;
    int documentTabIndex(const VocalyneDocumentEdit *edit) const override;
    int currentDocumentTabIndex() const override;
    QString documentTabTitle(int index) const override;
    void setDocumentTabTitle(int index, const QString &title) override;
    QAction *mainWindowAction(const QString &objectName) const override;
    bool zoomOutAllowed() const override { return m_zoomOutAllowed; }
    void setZoomOutAllowed(bool allowed) override { m_zoomOutAllowed = allowed; }
    void refreshCurrentDocument() override;
    bool currentDocumentHighlight() const override;
    void setCurrentDocumentHighlight(bool highlight) override;
    void ignoreNextClipboardChange() override;
    void createSection(int anchor, int position, const VoiceComboUserData &voice,
                       const QString &voiceName, qint32 speed, qint32 volume, qint32 pitch,
                       qint32 pause) override;
    void addElementAtWordEnd(const QString &type, const QString &value) override;
    void addSentencePauses(quint32 fromChar, const QString &text, const QString &value) override;
    void updateSentencePauses(quint32 fromChar, const QString &text, const QString &newValue,
                              bool remove) override;
    void ensureElementCatalogue(bool force) override;
    int voiceOutputFormat() const override;
    int speakText(qint16 engineTypeId, const QByteArray &voiceName, qint32 voiceId,
                  quint16 langId, const QByteArray &text, qint32 pitch, qint32 speed,
                  qint32 volume, qint32 pause, bool isXml) override;

    // VocalyneExportInterface (vocalynemainwindowexport.cpp)
    void exportToAudioWithFormat(const ExportSettingData &format) override;
    QList<QPair<QString, VoiceComboUserData>> exportVoices() const override;
    void runBatchExport(VocalyneExporter *wizard) override;
    void cancelBatchExport() override;
    void saveBatchLog(const QString &log) override;
    /// The bookkeeping of the last batch export (null before the first).
    VocalyneExportBatch *exportBatch() const { return m_batch.get(); }
    /// The batch wizard while it is open.
    VocalyneExporter *batchWizard() const { return m_batchWizard; }
    /// The folder proposed for the next export: the home folder at first,
    /// then the folder of the last exported file.
    QString lastExportFolder() const { return m_lastExportFolder; }
    /// Starts the export workers and holds the text block of single exports.
    VocalyneExportStarter *exportStarter() const { return m_exportStarter.get(); }

    /// The editor of the tab at index, or nullptr.
    VocalyneDocumentEdit *documentEditAt(int index) const;
    /// Reading aloud: Speak, Pause / Resume, Stop and the voice controls.
    VocalyneSpeakController *speakController() const { return m_speak; }
    /// The number of document tabs.
    int documentCount() const;
    /// The "Document History" tree.
    VocalyneHistoryTree *historyTree() const { return m_historyTree; }
    /// The window's toolbars by object name ("docToolbar", ...).
    QToolBar *toolbar(const QString &objectName) const;
    /// The default layout recorded at construction.
    QByteArray defaultGeometry() const { return m_defaultGeometry; }
    QByteArray defaultState() const { return m_defaultState; }
    QByteArray defaultToolbarAppearance() const { return m_defaultAppearance; }
    /// The toolbar appearance record: icon size and button style (0 icon
    /// only, 1 text only, 2 text beside icon) of the three toolbars, as six
    /// big-endian 32-bit integers.
    QByteArray toolbarAppearance() const;
    /// Applies a toolbar appearance record; false when it does not decode.
    /// Unknown sizes and styles leave that toolbar as it is.
    bool applyToolbarAppearance(const QByteArray &record);

    /// The tab title of a document file: its name, cut to 20 characters
    /// followed by "..." when longer.
    static QString tabTitleForPath(const QString &path);

    // Find, layouts, help, launchers, tray (vocalynemainwindowtools.cpp,
    // vocalynemainwindowlayout.cpp, vocalynemainwindowtray.cpp).
    /// The Find and Replace dialog; nullptr until first shown.
    VocalyneFindReplaceDlg *findReplaceDialog() const { return m_findReplaceDlg; }
    /// The live layout, and applying one: false (and the window as it was)
    /// when any of its three parts does not restore.
    VocalyneLayout currentLayout() const;
    bool applyLayout(const VocalyneLayout &layout);
    /// The layout file written on exit and read at start, in the user's data folder.
    static QString currentLayoutPath();
    /// The folder of the OCR program, and that of the help and information
    /// pages (the installed folders, or the build folder, unless set otherwise).
    QString programDirectory() const;
    QString pageDirectory() const;
    void setProgramDirectory(const QString &directory) { m_programDirectory = directory; }
    /// The tray icon; nullptr where the desktop offers no tray.
    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    /// The title of the last tray balloon (empty when none was shown).
    QString lastTrayMessage() const { return m_lastTrayMessage; }
    /// Whether windows built from now on see a tray: 1 yes, 0 no, -1 ask
    /// the desktop (the default).
    static void setTrayAvailability(int available);

public Q_SLOTS:
    void newDocument();
    void openDocument();
    void openDocumentByAction(QAction *action);
    bool saveCurrentDocument();
    void saveCurrentDocumentAs();
    void saveAllDocuments();
    void closeCurrentDocument();
    void closeAllDocuments();
    void closeWindow();
    void print();
    void printPreview();
    void prPreview(QPrinter *printer);
    void listRecent();
    void listWindows();
    void activateTabByWindowAction(QAction *action);
    void docEditGoToLine();
    void zoomDocIn();
    void zoomDocOut();
    void zoomDocReset();
    void adjustEditMenuWithCurrDocEditTextActions();
    void syncViewMenuAndGUI();
    void onStatusBarMsgChanged(const QString &message);
    void onResize(int screen);
    void onWorkAreaResized(int screen);
    void loadDefaultLayout();
    void showAbout();
    void doSpellCheck();
    /// Opens the pronunciation corrector (vocalynemainwindowpronunciation.cpp).
    void runPronCorrector();

    void syncGUIWithSpeechPropsForTabId(int index);
    void syncSpeechPropsWithVoiceCombo(int index);
    void syncSpeedWithSpeedSpin(int value);
    void syncVolumeWithVolumeSpin(int value);
    void syncPitchWithPitchSpin(int value);
    void syncHighlightWithHighlightCBox(int state);

    void showFindDialog();
    void showReplaceDialog();
    void saveLayout();
    void loadLayout();
    void showHelpMain();
    void showHelpTutorial();
    void showHelpQuickReference();
    /// The phoneme reference of the pronunciation corrector.
    void showHelpPhonemes();
    void getMoreVoices();
    void runDefWebBrowserWithToolbarPage();
    void runSupportedEmailClient();
    void runOCRProgram();
    void onClipboardDataChanged();
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void hideWindow();
    void restoreWindow();

    // Authoring speech (vocalynemainwindowauthoring.cpp).
    /// Opens the section editor for a new section over the selection.
    void showSpeechSectionEditDialog();
    /// Opens the section editor on section sectionIndex of the current document.
    void showSpeechSectionEditDialog(int sectionIndex);
    void showSpeechElementEditDialog();
    void bookmarkSelection();
    void bookmarkManagerCurrentCellChanged(int row, int column, int previousRow,
                                           int previousColumn);
    void bookmarkManagerCellDoubleClicked(int row, int column);
    void showBookmarkManagerContextMenu(const QPoint &point);
    void bookmarkManagerSelectedEntitiesEnable();
    void bookmarkManagerSelectedEntitiesDisable();
    void bookmarkManagerSelectedEntitiesDelete();
    void sectionManagerCurrentCellChanged(int row, int column, int previousRow,
                                          int previousColumn);
    void sectionManagerCellDoubleClicked(int row, int column);
    void showSectionManagerContextMenu(const QPoint &point);
    void sectionManagerSelectedEntitiesEnable();
    void sectionManagerSelectedEntitiesDisable();
    void sectionManagerSelectedEntitiesDelete();
    void sectionManagerSelectedEntityEdit();

    // History, preferences and properties (vocalynemainwindowhistory.cpp).
    void onHistoryTreeItemDblClicked(QTreeWidgetItem *item, int column);
    void displayHistItem();
    void deleteHistItem();
    void showHistoryManagerContextMenu(const QPoint &point);
    void onPreferences();
    void showDocProperties();

    // Export to audio (vocalynemainwindowexport.cpp).
    void runExportWizard();
    void doQuickExport();
    void runExportWizardBatch();

    void setdocToolbarSmallIcons();
    void setdocToolbarMediumIcons();
    void setdocToolbarLargeIcons();
    void setdocToolbarStyleIconsAndText();
    void setdocToolbarStyleIconsOnly();
    void setdocToolbarStyleTextOnly();
    void setspeechToolbarSmallIcons();
    void setspeechToolbarMediumIcons();
    void setspeechToolbarLargeIcons();
    void setspeechToolbarStyleIconsAndText();
    void setspeechToolbarStyleIconsOnly();
    void setspeechToolbarStyleTextOnly();
    void settoolToolbarSmallIcons();
    void settoolToolbarMediumIcons();
    void settoolToolbarLargeIcons();
    void settoolToolbarStyleIconsAndText();
    void settoolToolbarStyleIconsOnly();
    void settoolToolbarStyleTextOnly();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Construction steps (vocalynemainwindow.cpp).
    void setUpSpeechToolbar();
    void setUpVoiceList();
    void setUpCloseButton();
    void setUpViewMenu();
    void connectActions();
    void disableLaterFeatures();
    void setUpSpellChecking(); // vocalynemainwindowspelling.cpp
    void setUpPronunciation(); // vocalynemainwindowpronunciation.cpp
    void recordDefaultLayout();

    // Documents (vocalynemainwindowdocuments.cpp).
    VocalyneDocumentEdit *addDocumentTab();
    void openDocumentPath(const QString &path);
    void readDocumentFile(const QString &path, const QByteArray &bytes);
    int tabOfPath(const QString &path, int exceptTab) const;
    bool saveDocumentAt(int index);
    bool writeDocument(VocalyneDocumentEdit *edit, const QString &path);
    QMessageBox::StandardButton askToSaveTab(int index);
    void removeDocumentTab(int index);
    void recordRecentFile(const QString &path);
    void openInBrowser(const QUrl &url);
    // Office documents, PDF, e-books and RTF (vocalynemainwindowimport.cpp).
    void importDocument(VocalyneDocumentEdit *edit, const QString &path, const QByteArray &bytes);

    // Speech controls (vocalynemainwindowspeech.cpp).
    void setUpSpeakController();
    /// The document voice check for the tab at index; true when the voice
    /// is installed (the controls then show the document's values and, with
    /// redraw, its highlights are redrawn).
    bool checkDocumentVoice(int index, bool redraw = true);

    // Authoring speech (vocalynemainwindowauthoring.cpp).
    void setUpAuthoring();
    void setManagerEntityStates(bool sections, int state);
    void deleteManagerEntities(bool sections);

    // History (vocalynemainwindowhistory.cpp).
    void setUpHistory();
    /// Records path in the document history (when recording is on).
    void recordHistory(const QString &path);

    // Export to audio (vocalynemainwindowexport.cpp).
    void setUpExport();
    /// Starts the batch's next rows while slots are free.
    void startBatchRows();
    /// Takes a rendered ".t2s" input of the batch: the document's voice and
    /// prosody into item and its text file into inputPath; false (with a
    /// warning) when the worker has to read the document itself.
    bool takeBatchRendering(int row, BatchExportItem &item, QString *inputPath);

    // Find, layouts, help, launchers, tray.
    void setUpTools();
    void createTrayIcon();
    /// Hides the window to the tray on a close that is not an exit; false
    /// (nothing done) when there is no tray or the user asked to exit.
    bool hideToTrayInsteadOfClosing();
    void showTrayMessage(const QString &title, const QString &message, int milliseconds);
    void saveCurrentLayoutFile();
    void restoreCurrentLayoutFile();
    void showHelpTopic(const QString &topic);
    void openLocalPage(const QString &baseName);

    // Toolbars (vocalynemainwindowview.cpp).
    void setToolbarIconSize(QToolBar *bar, int size);
    void setToolbarStyle(QToolBar *bar, Qt::ToolButtonStyle style);
    void syncToolbarEntries(QToolBar *bar, QAction *small, QAction *medium, QAction *large,
                            QAction *iconsAndText, QAction *iconsOnly, QAction *textOnly);

    VocalyneEngineHost *m_engine = nullptr;
    VocalyneSpeakController *m_speak = nullptr;
    QComboBox *m_voiceCombo = nullptr;
    QSpinBox *m_speedSpin = nullptr;
    QSpinBox *m_volumeSpin = nullptr;
    QSpinBox *m_pitchSpin = nullptr;
    QCheckBox *m_highlightCheck = nullptr;
    QToolButton *m_closeTabButton = nullptr;
    VocalyneHistoryTree *m_historyTree = nullptr;
    QMenu *m_historyMenu = nullptr;
    QMenu *m_bookmarkManagerMenu = nullptr;
    QMenu *m_sectionManagerMenu = nullptr;

    QString m_lastOpenDirectory;
    QString m_lastSaveDirectory;
    bool m_saveAs = false;
    bool m_exitRequested = false;
    bool m_zoomOutAllowed = true;
    bool m_ignoreNextClipboardChange = false;
    QRect m_screenRect;

    QByteArray m_defaultGeometry;
    QByteArray m_defaultState;
    QByteArray m_defaultAppearance;

    VocalyneFindReplaceDlg *m_findReplaceDlg = nullptr;
    QSystemTrayIcon *m_trayIcon = nullptr;
    QString m_lastTrayMessage;
    QString m_programDirectory;
    /// The layout saved when the window hid to the tray; empty while shown.
    VocalyneLayout m_hiddenLayout;

    QString m_lastExportFolder;
    std::unique_ptr<VocalyneExportStarter> m_exportStarter;
    std::unique_ptr<VocalyneExportReporter> m_exportReporter;
    QPointer<VocalyneExporter> m_batchWizard;
    std::unique_ptr<VocalyneExportBatch> m_batch;
    /// Earlier batches: killed workers may still report to them.
    std::vector<std::unique_ptr<VocalyneExportBatch>> m_endedBatches;
    int m_batchNextRow = 0;
    int m_batchLimit = 3;
    /// Renders the batch's speech documents away from the window's thread.
    std::unique_ptr<VocalyneBatchRenderer> m_batchRenderer;
    /// startBatchRows() is running (a warning it shows lets events in).
    bool m_startingBatchRows = false;

    /// The 16-pixel icon file of every toolbar action, by action.
    QHash<QAction *, QString> m_toolbarIconFiles;
};
