// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QApplication>
#include <QString>

#include <functional>

/// The application object. It remembers the file of the last system
/// file-open request, which start-up uses when no path is given on the
/// command line, and hands such requests to a receiver when one is set.
class VocalyneApp : public QApplication
{
    Q_OBJECT

public:
    using FileOpenReceiver = std::function<void(const QString &)>;

    VocalyneApp(int &argc, char **argv);

    /// The file of the last file-open request; empty when there was none.
    QString fileOpenRequest() const { return m_fileOpenRequest; }
    /// Requests arriving from now on are also handed to receiver (may be empty).
    void setFileOpenReceiver(FileOpenReceiver receiver) { m_receiver = std::move(receiver); }

protected:
    bool event(QEvent *event) override;

private:
    QString m_fileOpenRequest;
    FileOpenReceiver m_receiver;
};
