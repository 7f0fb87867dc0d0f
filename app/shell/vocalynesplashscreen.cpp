// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynesplashscreen.h"

#include <QEvent>

VocalyneSplashScreen::VocalyneSplashScreen(const QPixmap &pixmap) : QSplashScreen(pixmap)
{
    showMessage(productMessage(), Qt::AlignBottom, Qt::black);
}

QString VocalyneSplashScreen::productMessage()
{
    return QStringLiteral("   Vocalyne 3.6.0 ") +
           tr("Free software under the GPL, version 3 or later");
}

bool VocalyneSplashScreen::event(QEvent *event)
{
    // A click anywhere, or switching to another window, dismisses the
    // picture at once; the About box has no button of its own.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::WindowDeactivate) {
        close();
        return true;
    }
    return QSplashScreen::event(event);
}
