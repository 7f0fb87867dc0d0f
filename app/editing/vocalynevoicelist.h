// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

class QComboBox;

/// Fills voice lists straight from the engine library.
class VocalyneVoiceList
{
public:
    /// Appends one entry per installed voice, in the engine's order: the
    /// voice icon, the voice's name and its VoiceComboUserData. Returns the
    /// number of voices added.
    static int fill(QComboBox *combo);
};
