// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynewindowlistaction.h"

VocalyneWindowListAction::VocalyneWindowListAction(const QString &text, QObject *parent)
    : QAction(text, parent)
{
    setCheckable(true);
}
