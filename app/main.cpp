// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneapp.h"
#include "vocalynecatalogues.h"
#include "vocalyneiconnames.h"
#include "vocalynelocations.h"
#include "vocalynemainwindow.h"
#include "vocalynesplashscreen.h"

#include <QIcon>
#include <QLocale>
#include <QPixmap>

int main(int argc, char *argv[])
{
    VocalyneApp app(argc, argv);
    // Desktops match the windows to the menu entry and its icon by this name.
    VocalyneApp::setDesktopFileName(QStringLiteral("org.halvern.Vocalyne"));

    // Missing catalogues leave the program untranslated; that is not an error.
    const VocalyneCatalogues catalogues(QStringLiteral("Vocalyne"), QLocale::system().name(),
                                        VocalyneLocations::current().translationsDirectory());

    VocalyneSplashScreen splash(QPixmap(VocalyneIconNames::path(VocalyneIconNames::Splash)));
    splash.show();
    VocalyneApp::processEvents();

    // Only the first argument is a document; the rest are ignored.
    const QStringList arguments = VocalyneApp::arguments();
    const QString documentPath =
        arguments.size() >= 2 ? arguments.at(1) : app.fileOpenRequest();

    VocalyneMainWindow window(documentPath);
    const QIcon icon(VocalyneIconNames::path(VocalyneIconNames::App));
    VocalyneApp::setWindowIcon(icon);

    window.show();
    splash.finish(&window);
    return VocalyneApp::exec();
}
