// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QAction>
#include <QString>

/// An entry of the Recent menu: shows the file name, keeps the full path.
class VocalyneRecentDocAction : public QAction
{
    Q_OBJECT

public:
    VocalyneRecentDocAction(const QString &path, QObject *parent);

    QString path() const { return m_path; }

private:
    QString m_path;
};
