// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QSettings>
#include <QTemporaryDir>

#include <memory>

/// A settings store of its own for each test, so that tests running in
/// parallel never see each other's keys.
class ScratchSettings
{
public:
    ScratchSettings()
        : m_settings(std::make_unique<QSettings>(m_dir.filePath(QStringLiteral("Vocalyne.conf")),
                                                 QSettings::IniFormat))
    {
    }
    QSettings &operator*() { return *m_settings; }
    QSettings *operator->() { return m_settings.get(); }
    /// Writes to disk and reads back, as the next start of the program would.
    void reopen()
    {
        const QString path = m_settings->fileName();
        m_settings->sync();
        m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QSettings> m_settings;
};
