// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>

/// What the builder needs from an editor: its plain text (the document's
/// positions count in it), the selection and the cursor. Without a
/// selection anchor equals position.
struct SpeechTextSource
{
    QString plainText;
    int selectionAnchor = 0;
    int selectionPosition = 0;
    int cursorPosition = 0;

    bool hasSelection() const { return selectionAnchor != selectionPosition; }
};
