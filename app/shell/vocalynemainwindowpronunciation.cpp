// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// Pronunciations in the main window: the user dictionary applied to the
// voices at start-up, and the Pronunciation Corrector command.
#include "qvtts.h"
#include "vocalynemainwindow.h"
#include "vocalynepronunciationcorrectordlg.h"
#include "vocalyneuserdictionary.h"
#include "vocalynevendorlexicons.h"

#include <QPointer>
#include <QThread>

namespace {

const QString kStartName = QStringLiteral("userDictionaryStart");

// Applies the stored dictionary to the voices' lexicon away from the window's
// thread. Each word reads the whole lexicon file, and a word new to it
// rewrites the file and waits for the disk: hundreds of words would hold the
// window's first appearance up by a second or more. The lexicon still holds
// what was applied at the last start, so the voices speak correctly
// meanwhile. Lives as a child of the main window; whoever goes first waits
// for the thread.
class UserDictionaryStart : public QThread
{
public:
    UserDictionaryStart(const QList<VocalyneUserDictionary::Entry> &stored,
                        const QStringList &voices, QObject *parent)
        : QThread(parent), m_stored(stored), m_voices(voices)
    {
        setObjectName(kStartName);
    }
    ~UserDictionaryStart() override { wait(); }

    // Reports the refused words and rewrites the vendor voices' files, once,
    // on the window's thread after the thread has ended.
    void finish(QWidget *window)
    {
        if (m_finished)
            return;
        wait();
        m_finished = true;
        VocalyneUserDictionary::reportFailures(m_failures, window);
        VocalyneVendorLexicons::rewrite(m_voices, m_texts,
                                        VocalyneVendorLexicons::defaultVoicesFolder(), window);
        deleteLater();
    }

protected:
    void run() override
    {
        m_texts =
            VocalyneUserDictionary::apply(m_stored, {}, &MSSAPIAddRemoveWord, nullptr, &m_failures);
    }

private:
    const QList<VocalyneUserDictionary::Entry> m_stored;
    const QStringList m_voices;
    QMap<uint16_t, QString> m_texts;
    QList<VocalyneUserDictionary::Failure> m_failures;
    bool m_finished = false;
};

} // namespace

void VocalyneMainWindow::setUpPronunciation()
{
    // Applying again puts the stored entries back in force (they win over
    // words added to the lexicon since) and the vendor voices' files in
    // step with them.
    const QList<VocalyneUserDictionary::Entry> stored = VocalyneUserDictionary::load();
    if (stored.isEmpty()) {
        VocalyneUserDictionary::applyToVoices({}, this);
    } else {
        auto *start =
            new UserDictionaryStart(stored, VocalyneUserDictionary::installedVoiceNames(), this);
        QPointer<QWidget> window(this);
        connect(start, &QThread::finished, start, [start, window]() {
            if (window)
                start->finish(window);
        });
        start->start(QThread::IdlePriority);
    }
    connect(actionPronunciation_Corrector, &QAction::triggered, this,
            &VocalyneMainWindow::runPronCorrector);
}

void VocalyneMainWindow::runPronCorrector()
{
    // What the corrector applies must come after the start-up's application,
    // never be overtaken by it.
    if (auto *start = findChild<QThread *>(kStartName, Qt::FindDirectChildrenOnly))
        static_cast<UserDictionaryStart *>(start)->finish(this);
    // The dialog stores the list and applies it to the voices on OK.
    VocalynePronunciationCorrectorDlg dialog(this, this);
    connect(&dialog, &VocalynePronunciationCorrectorDlg::phonemesHelpRequested, this,
            &VocalyneMainWindow::showHelpPhonemes);
    dialog.exec();
}
