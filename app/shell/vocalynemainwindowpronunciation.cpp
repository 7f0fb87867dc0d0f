// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// Pronunciations in the main window: the user dictionary applied to the
// voices at start-up, and the Pronunciation Corrector command.
#include "vocalynemainwindow.h"
#include "vocalynepronunciationcorrectordlg.h"
#include "vocalyneuserdictionary.h"

void VocalyneMainWindow::setUpPronunciation()
{
    // The lexicon file keeps what was applied before; applying again puts
    // the stored entries back in force (they win over words added since)
    // and the vendor voices' files in step with them.
    VocalyneUserDictionary::applyToVoices({}, this);
    connect(actionPronunciation_Corrector, &QAction::triggered, this,
            &VocalyneMainWindow::runPronCorrector);
}

void VocalyneMainWindow::runPronCorrector()
{
    // The dialog stores the list and applies it to the voices on OK.
    VocalynePronunciationCorrectorDlg dialog(this, this);
    connect(&dialog, &VocalynePronunciationCorrectorDlg::phonemesHelpRequested, this,
            &VocalyneMainWindow::showHelpPhonemes);
    dialog.exec();
}
