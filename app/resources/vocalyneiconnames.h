// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QAnyStringView>
#include <QIcon>
#include <QString>
#include <QStringList>

/// The names of the program's pictures in the resource folder ":/Vocalyne/images/icons/png/".
///
/// Every icon exists in 16, 24 and 32 pixels. The 16-pixel file carries the name the program
/// has always used ("new16.png", "speakfromcursor.png"); the larger files are named by one rule:
/// a trailing "16" before ".png" is replaced by the size ("new24.png", "new32.png"), and a name
/// without a size gets the size appended ("speakfromcursor24.png", "enabled32.png").
///
/// The pictures come from the library target vocalyne_resources; linking it into an executable
/// is enough for them to load, no Q_INIT_RESOURCE is needed.
class VocalyneIconNames
{
public:
    /// The resource folder of all pictures, with its trailing slash.
    static constexpr const char *Folder = ":/Vocalyne/images/icons/png/";

    // Toolbar and menu actions of the main window.
    static constexpr const char *New = "new16.png";
    static constexpr const char *Open = "open16.png";
    static constexpr const char *Save = "save16.png";
    static constexpr const char *SaveAll = "saveall16.png";
    static constexpr const char *Print = "print16.png";
    static constexpr const char *Speak = "speak16.png";
    static constexpr const char *SpeakFromCursor = "speakfromcursor.png";
    static constexpr const char *Pause = "pause16.png";
    static constexpr const char *Stop = "stop16.png";
    static constexpr const char *Export = "export16.png";
    static constexpr const char *SelectionProperties = "selectionproperties.png";
    static constexpr const char *Find = "find16.png";
    static constexpr const char *Replace = "replace16.png";
    static constexpr const char *EmailReader = "emailreader16.png";
    static constexpr const char *Browser = "browser16.png";
    static constexpr const char *Batch = "batch16.png";
    static constexpr const char *Ocr = "ocr16.png";
    static constexpr const char *SpellCheck = "spellcheck16.png";
    static constexpr const char *Settings = "settings16.png";
    static constexpr const char *Help = "help16.png";
    static constexpr const char *BookmarkSelection = "bookmarkselection.png";
    static constexpr const char *AddSpeechElement = "addspeechelement.png";
    static constexpr const char *ViewItem = "viewitem16.png";
    static constexpr const char *DeleteItem = "deleteitem16.png";
    static constexpr const char *Voice = "voice16.png";

    // Edit actions.
    static constexpr const char *Undo = "undo16.png";
    static constexpr const char *Redo = "redo16.png";
    static constexpr const char *Cut = "cut16.png";
    static constexpr const char *Copy = "copy16.png";
    static constexpr const char *Paste = "paste16.png";

    // States shown in tables and lists.
    static constexpr const char *Enabled = "enabled.png";
    static constexpr const char *Disabled = "disabled.png";
    static constexpr const char *Busy = "busy16.png";
    static constexpr const char *Ready = "ready16.png";
    static constexpr const char *Done = "done16.png";
    static constexpr const char *Error = "error16.png";
    static constexpr const char *DeleteDoc = "deletedoc16.png";

    // Documents, history and window furniture.
    static constexpr const char *T2sDoc = "t2sdoc16.png";
    static constexpr const char *History = "history16.png";
    static constexpr const char *Calendar = "calendar.png";
    static constexpr const char *Close = "close16.png";

    // Pictures that exist in one size only.
    static constexpr const char *Splash = "splash.png"; ///< 480 x 300; keep the bottom 40 px for text
    static constexpr const char *App = "app.png";       ///< 256 x 256 application icon
    static constexpr const char *Tray = "tray.png";     ///< 32 x 32 notification-area icon

    /// Sizes in which every icon exists, smallest first.
    static constexpr int IconSizes[] = {16, 24, 32};

    /// ":/Vocalyne/images/icons/png/" followed by \a file.
    static QString path(QAnyStringView file);

    /// The name of the \a size pixel variant of the icon whose 16-pixel file is \a file
    /// (see the naming rule above). Sizes other than 24 and 32 give \a file itself.
    static QString sizedFile(QAnyStringView file, int size);

    /// path(sizedFile(file, size)).
    static QString sizedPath(QAnyStringView file, int size);

    /// An icon holding all three sizes of \a file, so that views and toolbars pick the
    /// sharpest one for their icon size.
    static QIcon icon(QAnyStringView file);

    /// The 16-pixel names of all icons, in the order declared above.
    static QStringList iconFiles();

    /// Every file of the folder: each icon in all sizes, then the splash, app and tray pictures.
    static QStringList allFiles();
};
