// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneiconnames.h"

#include <QDir>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <gtest/gtest.h>

namespace {

struct Coverage {
    int visible = 0;
    int transparent = 0;
};

Coverage coverage(const QImage &image)
{
    Coverage result;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const int alpha = qAlpha(argb.pixel(x, y));
            if (alpha >= 128)
                ++result.visible;
            else if (alpha == 0)
                ++result.transparent;
        }
    }
    return result;
}

} // namespace

// Every icon exists in every size, really is that size, and is a drawing on a transparent
// ground: neither empty nor an opaque square that would hide the toolbar behind it.
TEST(VocalyneIcons, EveryIconLoadsInEverySize)
{
    const QStringList icons = VocalyneIconNames::iconFiles();
    ASSERT_GE(icons.size(), 40);
    for (const QString &file : icons) {
        for (int size : VocalyneIconNames::IconSizes) {
            const QString path = VocalyneIconNames::sizedPath(file, size);
            SCOPED_TRACE(path.toStdString());
            const QPixmap pixmap(path);
            ASSERT_FALSE(pixmap.isNull());
            EXPECT_EQ(pixmap.size(), QSize(size, size));
            const Coverage c = coverage(pixmap.toImage());
            EXPECT_GE(c.visible, size * size / 10);
            EXPECT_GT(c.transparent, 0);
        }
    }
}

// The program asks for these files by their literal names; a slip in a constant or in the
// naming rule would show up only as a blank button.
TEST(VocalyneIcons, NamesUsedByTheProgramExist)
{
    const char *const used[] = {
        "new16.png",       "new24.png",        "new32.png",         "open16.png",
        "save16.png",      "saveall16.png",    "print16.png",       "speak16.png",
        "speakfromcursor.png", "pause16.png",  "stop16.png",        "export16.png",
        "selectionproperties.png", "find16.png", "replace16.png",   "emailreader16.png",
        "browser16.png",   "batch16.png",      "ocr16.png",         "spellcheck16.png",
        "settings16.png",  "help16.png",       "bookmarkselection.png", "addspeechelement.png",
        "enabled.png",     "disabled.png",     "viewitem16.png",    "deleteitem16.png",
        "voice16.png",     "undo16.png",       "redo16.png",        "cut16.png",
        "copy16.png",      "paste16.png",      "t2sdoc16.png",      "t2sdoc24.png",
        "history16.png",   "calendar.png",     "busy16.png",        "ready16.png",
        "done16.png",      "error16.png",      "deletedoc16.png",   "splash.png",
        "app.png",         "tray.png",
    };
    for (const char *name : used) {
        const QString path = QStringLiteral(":/Vocalyne/images/icons/png/") + QLatin1String(name);
        EXPECT_FALSE(QPixmap(path).isNull()) << name;
    }
}

TEST(VocalyneIcons, SizedNamesFollowTheRule)
{
    EXPECT_EQ(VocalyneIconNames::sizedFile("new16.png", 24), QStringLiteral("new24.png"));
    EXPECT_EQ(VocalyneIconNames::sizedFile("new16.png", 32), QStringLiteral("new32.png"));
    EXPECT_EQ(VocalyneIconNames::sizedFile("new16.png", 16), QStringLiteral("new16.png"));
    EXPECT_EQ(VocalyneIconNames::sizedFile("speakfromcursor.png", 24),
              QStringLiteral("speakfromcursor24.png"));
    EXPECT_EQ(VocalyneIconNames::sizedFile("speakfromcursor.png", 16),
              QStringLiteral("speakfromcursor.png"));
    // Only the trailing size is a size: the 2 of "t2sdoc" stays.
    EXPECT_EQ(VocalyneIconNames::sizedFile("t2sdoc16.png", 32), QStringLiteral("t2sdoc32.png"));
    // Sizes that do not exist fall back to the small file rather than to a missing one.
    EXPECT_EQ(VocalyneIconNames::sizedFile("new16.png", 48), QStringLiteral("new16.png"));
    EXPECT_EQ(VocalyneIconNames::sizedPath(VocalyneIconNames::Export, 32),
              QStringLiteral(":/Vocalyne/images/icons/png/export32.png"));
}

// The folder holds exactly the files the names describe: nothing missing, nothing left over
// from a renamed drawing, and no two icons sharing a file.
TEST(VocalyneIcons, FolderMatchesTheNames)
{
    const QStringList all = VocalyneIconNames::allFiles();
    const QSet<QString> expected(all.cbegin(), all.cend());
    EXPECT_EQ(expected.size(), all.size());
    const QStringList entries =
        QDir(QStringLiteral(":/Vocalyne/images/icons/png")).entryList(QDir::Files);
    EXPECT_EQ(QSet<QString>(entries.cbegin(), entries.cend()), expected);
}

TEST(VocalyneIcons, IconCarriesAllSizes)
{
    const QIcon icon = VocalyneIconNames::icon(VocalyneIconNames::Speak);
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : VocalyneIconNames::IconSizes)
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    // Compared premultiplied: a pixmap may keep its pixels that way, which would make
    // otherwise equal images differ in the colour of fully transparent pixels.
    const QImage fromIcon =
        icon.pixmap(QSize(24, 24)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage fromFile = QImage(VocalyneIconNames::sizedPath(VocalyneIconNames::Speak, 24))
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(fromIcon, fromFile);
}

// The program writes its name and version in black along the bottom of the splash picture,
// so the bottom band must be light enough to read it.
TEST(VocalyneIcons, PicturesLoadWithRoomForTheSplashText)
{
    const QImage splash(VocalyneIconNames::path(VocalyneIconNames::Splash));
    ASSERT_EQ(splash.size(), QSize(480, 300));
    long long lightness = 0;
    int pixels = 0;
    for (int y = splash.height() - 30; y < splash.height(); ++y) {
        for (int x = 0; x < splash.width(); ++x) {
            lightness += qGray(splash.pixel(x, y));
            ++pixels;
        }
    }
    EXPECT_GT(lightness / pixels, 200);

    const QImage app(VocalyneIconNames::path(VocalyneIconNames::App));
    EXPECT_EQ(app.size(), QSize(256, 256));
    EXPECT_GE(coverage(app).visible, 256 * 256 / 2);
    const QImage tray(VocalyneIconNames::path(VocalyneIconNames::Tray));
    EXPECT_EQ(tray.size(), QSize(32, 32));
    EXPECT_GE(coverage(tray).visible, 32 * 32 / 2);
}
