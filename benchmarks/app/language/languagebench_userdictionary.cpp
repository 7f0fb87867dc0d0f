// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// Measures what applying the stored user dictionary costs the main window's
// start-up: the application alone for dictionaries of several sizes, new to
// the lexicon and (as at every start after the first) already in it; reading
// the entries from the settings, which is all the window's own thread does;
// and the whole construction of the main window with none and with 100
// entries (the application runs beside it). Run with QT_QPA_PLATFORM=offscreen and
// VOCALYNE_AUDIO_OUTPUT=fast-null; the settings and the lexicon go to a
// temporary folder.
#include "qvtts.h"
#include "vocalynemainwindow.h"
#include "vocalyneuserdictionary.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QList<VocalyneUserDictionary::Entry> dictionary(int size)
{
    // The five tabs in turn, each entry a word of its own.
    const struct
    {
        const char *tab;
        uint16_t language;
        const char *phones;
    } tabs[] = {{"English", 1033, "t ax m aa 1 t ow"},
                {"Spanish", 1034, "p e 1 rr o"},
                {"French", 1036, "b aon zh uw 1 r"},
                {"German", 1031, "pf e 1 r t"},
                {"Italian", 1040, "t eh 1 rr a"}};
    QList<VocalyneUserDictionary::Entry> entries;
    for (int i = 0; i < size; ++i) {
        const auto &tab = tabs[i % 5];
        VocalyneUserDictionary::Entry e;
        e.source = QStringLiteral("word%1").arg(i);
        e.target = QString::fromLatin1(tab.phones);
        e.langName = QString::fromLatin1(tab.tab);
        e.langId = tab.language;
        e.partOfSpName = QStringLiteral("Noun");
        e.partOfSpId = QVTTSPartOfSpeechNoun;
        e.isEnabled = i % 10 != 9; // every tenth one disabled
        entries.append(e);
    }
    return entries;
}

double medianMs(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
    QCoreApplication::setApplicationName(QStringLiteral("Vocalyne"));

    {
        // The engine's voice catalogue, as the main window has it.
        VocalyneMainWindow warmUp;
    }
    InitQVTTSEngineEx(QVCreateWindow(nullptr), nullptr, nullptr);
    for (int size : {0, 20, 100, 500}) {
        VocalyneUserDictionary::save(dictionary(size));
        QElapsedTimer first;
        first.start();
        VocalyneUserDictionary::applyToVoices({}); // the first start writes them
        std::printf("apply %3d new entries: %7.1f ms\n", size, first.nsecsElapsed() / 1e6);
        std::vector<double> samples;
        for (int run = 0; run < 5; ++run) {
            QElapsedTimer timer;
            timer.start();
            VocalyneUserDictionary::applyToVoices({});
            samples.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::printf("apply %3d entries already applied: %7.1f ms (median of 5)\n", size,
                    medianMs(samples));
    }
    UninitQVTTSEngine();

    for (int size : {0, 100}) {
        VocalyneUserDictionary::save(dictionary(size));
        {
            // The part of the start-up on the window's thread.
            std::vector<double> samples;
            for (int run = 0; run < 5; ++run) {
                QElapsedTimer timer;
                timer.start();
                const int loaded = VocalyneUserDictionary::load().size();
                samples.push_back(timer.nsecsElapsed() / 1e6);
                if (loaded != size)
                    return 1;
            }
            std::printf("read %3d entries from the settings: %7.1f ms (median of 5)\n", size,
                        medianMs(samples));
        }
        std::vector<double> samples;
        for (int run = 0; run < 5; ++run) {
            QElapsedTimer timer;
            timer.start();
            {
                VocalyneMainWindow window;
                samples.push_back(timer.nsecsElapsed() / 1e6);
            }
        }
        std::printf("main window constructed with %3d entries: %7.1f ms (median of 5)\n", size,
                    medianMs(samples));
    }
    return 0;
}
