// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynemainwindowbase.h"

VocalyneMainWindowBase::VocalyneMainWindowBase(QWidget *parent)
    : QMainWindow(parent)
{
    setupUi(this);
}

VocalyneMainWindowBase::~VocalyneMainWindowBase() = default;
