// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "ui_vocalynemainwindowbase.h"

#include <QMainWindow>

/// The main window's widgets, menus, toolbars, docks and actions with their
/// fixed object names, as laid out in the form file.
class VocalyneMainWindowBase : public QMainWindow, protected Ui::VocalyneMainWindowBase
{
    Q_OBJECT

public:
    explicit VocalyneMainWindowBase(QWidget *parent = nullptr);
    ~VocalyneMainWindowBase() override;
};
