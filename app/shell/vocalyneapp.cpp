// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneapp.h"

#include <QFileOpenEvent>

VocalyneApp::VocalyneApp(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool VocalyneApp::event(QEvent *event)
{
    if (event->type() == QEvent::FileOpen) {
        m_fileOpenRequest = static_cast<QFileOpenEvent *>(event)->file();
        if (m_receiver)
            m_receiver(m_fileOpenRequest);
        return true;
    }
    return QApplication::event(event);
}
