// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// Reading aloud with the speak controller and the real engine:
//  1. the work of one word event (the controller's callback with its
//     highlight) on a 10 kB and a 1 MB document, for words near the start
//     and near the end, with and without the repaint that follows;
//  2. the time from Speak on a 1 MB document to its first word event, which
//     the engine sends when the word's audio reaches the output.
// Usage: vocalyne_speak_bench [runs]   (output: VOCALYNE_AUDIO_OUTPUT, null
// unless set; QT_QPA_PLATFORM offscreen unless set)
#include "qvtts.h"
#include "voicecombouserdata.h"
#include "vocalynedocumentedit.h"
#include "vocalynemessageservice.h"
#include "vocalynesettingskeys.h"
#include "vocalynespeakcontroller.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSettings>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

VocalyneSpeakController *g_controller = nullptr;
bool g_firstWord = false;

void onWord(int first, int last)
{
    if (last != -1)
        g_firstWord = true;
    if (g_controller)
        g_controller->wordCallback(first, last);
}

// A benchmark has nobody to answer a message box: print the message.
class PrintingMessages : public VocalyneMessageService
{
public:
    QMessageBox::StandardButton show(QWidget *, Kind, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons,
                                     QMessageBox::StandardButton defaultButton) override
    {
        std::fprintf(stderr, "message: %s: %s\n", qPrintable(title), qPrintable(text));
        return defaultButton != QMessageBox::NoButton ? defaultButton : QMessageBox::Ok;
    }
};

LRESULT hostProcedure(HWND, unsigned int, WPARAM, LPARAM)
{
    return 0;
}

QString makeText(int length)
{
    static const QString sentences[] = {
        QStringLiteral("The quick brown fox jumps over the lazy dog near the river bank. "),
        QStringLiteral("Reading aloud lights up each word as it is spoken. "),
        QStringLiteral("Une phrase française, très courte. "),
    };
    QString text;
    text.reserve(length + 100);
    for (int i = 0; text.size() < length; ++i) {
        text += sentences[i % 3];
        if (i % 12 == 11)
            text += QLatin1Char('\n');
    }
    text.truncate(length);
    return text;
}

// A document as a person would make it: sections every ~25 kB, pauses
// every ~10 kB (capped so that setting up stays quick).
void decorate(VocalyneDocumentEdit *edit, const VoiceComboUserData &voice, const QString &name)
{
    const int length = int(edit->toPlainText().size());
    for (int at = 1000; at + 400 < length && edit->sections().size() < 40; at += 25000)
        edit->addSection(at, at + 300, voice, name, 140, 90, 110, 0);
    for (int at = 5000; at < length && edit->elements().size() < 100; at += 10000)
        edit->addElement(quint32(at), QStringLiteral("pause"), QStringLiteral("200"));
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    setenv("VOCALYNE_AUDIO_OUTPUT", "null", 0);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
    QCoreApplication::setApplicationName(QStringLiteral("Vocalyne"));
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    PrintingMessages printingMessages;
    VocalyneMessageService::setInstance(&printingMessages);

    HWND window = QVCreateWindow(&hostProcedure);
    QSocketNotifier notifier(QVMessageQueueFd(), QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, []() { QVDispatchMessages(); });
    SetQVTTSOnWordCallBack(&onWord);
    InitQVTTSEngineEx(window, nullptr, nullptr);

    const QString voiceName = QStringLiteral("espeak-ng English (America)");
    {
        namespace Keys = VocalyneSettingsKeys;
        QSettings settings;
        settings.clear();
        settings.setValue(Keys::VoiceEngineTypeId, 3);
        settings.setValue(Keys::VoiceName, voiceName);
        settings.setValue(Keys::VoiceId, -1);
        settings.setValue(Keys::LangId, 0);
        settings.setValue(Keys::Pitch, 100);
        settings.setValue(Keys::Speed, 100);
        settings.setValue(Keys::Volume, 100);
        settings.setValue(Keys::SentPause, 670);
        settings.setValue(Keys::Highlight, 1);
        settings.setValue(Keys::IsXml, 1);
    }
    VoiceComboUserData voice;
    voice.engineTypeId = 3;

    QWidget mainWindow;
    mainWindow.resize(1000, 700);
    auto *tabs = new QTabWidget(&mainWindow);
    tabs->resize(1000, 650);
    auto *statusBar = new QStatusBar(&mainWindow);
    VocalyneSpeakControls controls;
    controls.window = &mainWindow;
    controls.tabs = tabs;
    controls.statusBar = statusBar;
    VocalyneSpeakController controller(controls);
    controller.setHostWindow(window);
    g_controller = &controller;
    mainWindow.show();

    std::printf("output %s, %d runs\n", std::getenv("VOCALYNE_AUDIO_OUTPUT"), runs);
    static const QRegularExpression word(QStringLiteral("[\\p{L}\\p{N}]+"));

    for (const int size : {10 * 1024, 1024 * 1024}) {
        auto *edit = new VocalyneDocumentEdit(nullptr, nullptr, nullptr, nullptr);
        edit->setPlainText(makeText(size));
        tabs->setCurrentIndex(tabs->addTab(edit, QStringLiteral("bench")));
        decorate(edit, voice, voiceName);
        QCoreApplication::processEvents();

        // Speak to time the first word, then keep the speech record and the
        // speaking editor and feed word events by hand.
        std::vector<double> firstWordMs;
        for (int run = 0; run < runs; ++run) {
            g_firstWord = false;
            QElapsedTimer timer;
            timer.start();
            controller.speak();
            while (!g_firstWord && timer.elapsed() < 10000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            firstWordMs.push_back(double(timer.nsecsElapsed()) / 1e6);
            QVTTSStop(QVTTSEngineSpeechPlatform, 0);
            QElapsedTimer settle;
            settle.start();
            while (settle.elapsed() < 100)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        std::printf("%7d characters, %lld sections, %lld elements: Speak to first word median "
                    "%.1f ms, max %.1f ms\n",
                    size, qint64(edit->sections().size()), qint64(edit->elements().size()),
                    median(firstWordMs), *std::max_element(firstWordMs.begin(), firstWordMs.end()));

        // Word positions in the engine text as the engine would report them
        // (after its 21-character pitch prefix for pitch 100).
        const QString engineText = QString::fromUtf8(edit->speechBytes());
        for (const bool nearEnd : {false, true}) {
            std::vector<std::pair<int, int>> words;
            auto it = word.globalMatch(engineText, nearEnd ? engineText.size() - 8000 : 0);
            while (it.hasNext() && words.size() < 1000) {
                const auto m = it.next();
                words.emplace_back(21 + int(m.capturedStart()), 21 + int(m.capturedEnd()) - 1);
            }
            QElapsedTimer timer;
            timer.start();
            for (const auto &[first, last] : words)
                controller.wordCallback(first, last);
            const double callbackUs = double(timer.nsecsElapsed()) / 1e3 / double(words.size());
            timer.restart();
            for (const auto &[first, last] : words) {
                controller.wordCallback(first, last);
                QCoreApplication::processEvents();
            }
            const double withPaintUs = double(timer.nsecsElapsed()) / 1e3 / double(words.size());
            std::printf("        words near the %s: %.1f us per word event, %.1f us with the "
                        "repaint (%zu words)\n",
                        nearEnd ? "end  " : "start", callbackUs, withPaintUs, words.size());
        }
        controller.stop();
        tabs->removeTab(tabs->indexOf(edit));
        delete edit;
    }

    g_controller = nullptr;
    UninitQVTTSEngine();
    QVDestroyWindow(window);
    QSettings().clear();
    VocalyneMessageService::setInstance(nullptr);
    return 0;
}
