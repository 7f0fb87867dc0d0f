// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

/// Points HOME and the XDG folders of this test process at a fresh
/// temporary folder that lives until the process ends. CTest runs test
/// cases in parallel processes; without this they would share one settings
/// file and one lexicon, and one case's settings would leak into another's.
void isolateTestHome();
