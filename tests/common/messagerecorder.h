// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "vocalynemessageservice.h"

#include <QList>
#include <QString>

/// Stands in for the message service in tests: records every message and
/// answers with scripted buttons (the default button, else Ok, when the
/// script is empty). Installs itself for its lifetime.
class MessageRecorder : public VocalyneMessageService
{
public:
    struct Message
    {
        Kind kind;
        QString title;
        QString text;
    };

    MessageRecorder() { VocalyneMessageService::setInstance(this); }
    ~MessageRecorder() override { VocalyneMessageService::setInstance(nullptr); }

    QMessageBox::StandardButton show(QWidget *, Kind kind, const QString &title,
                                     const QString &text, QMessageBox::StandardButtons,
                                     QMessageBox::StandardButton defaultButton) override
    {
        messages.append({kind, title, text});
        if (!answers.isEmpty())
            return answers.takeFirst();
        return defaultButton != QMessageBox::NoButton ? defaultButton : QMessageBox::Ok;
    }

    QList<Message> messages;
    QList<QMessageBox::StandardButton> answers;
};
