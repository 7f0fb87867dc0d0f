// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>

/// What a speech document needs from whoever shows it (the editor in the
/// program, a recorder in tests). A document without an owner still works:
/// messages are dropped and its text is its stored content.
class QVT2SDocumentOwner
{
public:
    enum class MessageKind { Critical, Warning };

    virtual ~QVT2SDocumentOwner() = default;

    /// Shows a modal message to the user.
    virtual void showDocumentMessage(MessageKind kind, const QString &title,
                                     const QString &text) = 0;
    /// The document's current plain text (the editor's text).
    virtual QString documentText() const = 0;
    /// Searches forward from the editor's cursor for the next blank (" "),
    /// selecting it when found. Returns its position, or -1 when there is none.
    virtual int findNextBlankFromCursor() = 0;
    /// Marks the document modified and rebuilds every entity highlight.
    virtual void markModifiedAndRefresh() = 0;
};
