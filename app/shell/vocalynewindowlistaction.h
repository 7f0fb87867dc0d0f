// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QAction>

/// An entry of the Window menu: remembers the index of its tab.
class VocalyneWindowListAction : public QAction
{
    Q_OBJECT

public:
    VocalyneWindowListAction(const QString &text, QObject *parent);

    int tabIndex() const { return m_tabIndex; }
    void setTabIndex(int index) { m_tabIndex = index; }

private:
    int m_tabIndex = -1;
};
