// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynerecentdocaction.h"

#include <QFileInfo>

VocalyneRecentDocAction::VocalyneRecentDocAction(const QString &path, QObject *parent)
    : QAction(QFileInfo(path).fileName(), parent)
    , m_path(path)
{
    setStatusTip(path);
}
