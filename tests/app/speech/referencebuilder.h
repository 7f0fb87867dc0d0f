// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "speechtext.h"
#include "speechtextsource.h"

class QSettings;
class QVT2SDocument;

/// The markup build written down step by step, the slow way: markup is
/// inserted into the growing fragment and every offset is found by
/// scanning the lists. The fast builder must give the very same result.
SpeechText referenceBuildSpeechText(const QVT2SDocument &document, const SpeechTextSource &source,
                                    bool fromCursor, bool useStoredContent, QSettings &settings);

/// The word mapping as a plain scan of both maps.
QPair<qint32, qint32> referenceHighlight(const SpeechText &speech, qint16 engineType,
                                         qint32 speakPitch, qint32 first, qint32 last);
