// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "halvernglyphix.h"
#include "vocalynelocations.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Halvern"));
    QApplication::setApplicationName(QStringLiteral("HalvernGlyphix"));
    // Desktops match the window to the menu entry and its icon by this name.
    QApplication::setDesktopFileName(QStringLiteral("org.halvern.HalvernGlyphix"));

    // The program's catalogue ("HalvernGlyphix_de_DE" falls back to
    // "HalvernGlyphix_de"); Qt's own covers the standard buttons.
    const QString locale = QLocale::system().name();
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_") + locale,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);
    QTranslator translator;
    HalvernGlyphix::installCatalogue(&translator, locale,
                                     VocalyneLocations::current().translationsDirectory());

    HalvernGlyphix dialog;
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    return app.exec();
}
