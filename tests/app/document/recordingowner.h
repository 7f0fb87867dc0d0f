// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvt2sdocumentowner.h"

#include <QList>
#include <QString>

/// Plays the editor's part for a document under test: holds the text and a
/// cursor, answers the blank search like the editor's find, and records
/// messages and refreshes.
class RecordingOwner : public QVT2SDocumentOwner
{
public:
    struct Message
    {
        MessageKind kind;
        QString title;
        QString text;
    };

    void showDocumentMessage(MessageKind kind, const QString &title, const QString &text) override
    {
        messages.append({kind, title, text});
    }
    QString documentText() const override { return text; }
    int findNextBlankFromCursor() override
    {
        const int found = int(text.indexOf(QLatin1Char(' '), cursor));
        // The editor's find selects the blank, leaving the cursor after it.
        if (found >= 0)
            cursor = found + 1;
        return found;
    }
    void markModifiedAndRefresh() override { ++refreshes; }

    QString text;
    int cursor = 0;
    int refreshes = 0;
    QList<Message> messages;
};
