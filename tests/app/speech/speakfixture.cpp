// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "speakfixture.h"

#include "qvtts.h"
#include "vocalynesettingskeys.h"
#include "voicecombouserdata.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSettings>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTextCursor>

#include <cmath>

namespace {

// The engine is one per process; its word callback is a plain function.
SpeakFixture *g_fixture = nullptr;
std::function<void(int, int)> g_onWord;

void forwardWord(int first, int last)
{
    if (g_onWord)
        g_onWord(first, last);
}

LRESULT hostProcedure(HWND, unsigned int, WPARAM, LPARAM)
{
    return 0;
}

class EngineEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        // Other test programs share the test-mode settings file and may
        // run at the same time; a home of our own keeps the stores apart.
        qputenv("HOME", m_home.path().toLocal8Bit());
        m_window = QVCreateWindow(&hostProcedure);
        m_notifier = new QSocketNotifier(QVMessageQueueFd(), QSocketNotifier::Read);
        QObject::connect(m_notifier, &QSocketNotifier::activated, []() { QVDispatchMessages(); });
        SetQVTTSOnWordCallBack(&forwardWord);
        InitQVTTSEngineEx(m_window, nullptr, nullptr);
        s_window = m_window;
    }
    void TearDown() override
    {
        QVTTSStop(QVTTSEngineSpeechPlatform, 0);
        UninitQVTTSEngine();
        delete m_notifier;
        QVDestroyWindow(m_window);
    }
    static HWND s_window;

private:
    QTemporaryDir m_home;
    HWND m_window = nullptr;
    QSocketNotifier *m_notifier = nullptr;
};
HWND EngineEnvironment::s_window = nullptr;

[[maybe_unused]] ::testing::Environment *const g_environment =
    ::testing::AddGlobalTestEnvironment(new EngineEnvironment);

void writeDefaultSpeechValues(QSettings &settings, const QString &voice)
{
    namespace Keys = VocalyneSettingsKeys;
    settings.setValue(Keys::VoiceEngineTypeId, 3);
    settings.setValue(Keys::VoiceName, voice);
    settings.setValue(Keys::VoiceId, -1);
    settings.setValue(Keys::LangId, 0);
    settings.setValue(Keys::Pitch, 100);
    settings.setValue(Keys::Speed, 100);
    settings.setValue(Keys::Volume, 100);
    settings.setValue(Keys::SentPause, 670);
    settings.setValue(Keys::Highlight, 1);
    settings.setValue(Keys::IsXml, 1);
}

} // namespace

void SpeakFixture::shutDownEngine()
{
    UninitQVTTSEngine();
}

void SpeakFixture::restartEngine()
{
    UninitQVTTSEngine();
    InitQVTTSEngineEx(EngineEnvironment::s_window, nullptr, nullptr);
}

void SpeakFixture::SetUp()
{
    QSettings settings;
    settings.clear();
    writeDefaultSpeechValues(settings, englishVoice());
    settings.sync();

    messages = std::make_unique<MessageRecorder>();
    window = std::make_unique<QWidget>();
    tabs = new QTabWidget(window.get());
    voiceCombo = new QComboBox(window.get());
    speedSpin = new QSpinBox(window.get());
    volumeSpin = new QSpinBox(window.get());
    pitchSpin = new QSpinBox(window.get());
    highlightCheck = new QCheckBox(window.get());
    speakPunctuation = new QAction(window.get());
    speakPunctuation->setCheckable(true);
    statusBar = new QStatusBar(window.get());
    QObject::connect(statusBar, &QStatusBar::messageChanged,
                     [this](const QString &text) { statusTrail.append(text); });

    // The voice list as start-up fills it: every catalogue voice in order.
    for (int32_t index = 0;; ++index) {
        QVTTSVoiceEngineType type = QVTTSEngineNone;
        int32_t length = 0;
        if (GetQVTTSVoice(index, &type, nullptr, &length, nullptr, nullptr) != 0)
            break;
        QByteArray name(length + 1, '\0');
        int32_t attribute = -1;
        uint16_t language = 0;
        GetQVTTSVoice(index, &type, name.data(), &length, &attribute, &language);
        name.truncate(length);
        VoiceComboUserData data;
        data.engineTypeId = qint16(type);
        data.voiceId = attribute;
        data.langId = language;
        voiceCombo->addItem(QString::fromUtf8(name), QVariant::fromValue(data));
    }

    VocalyneSpeakControls controls;
    controls.window = window.get();
    controls.tabs = tabs;
    controls.voiceCombo = voiceCombo;
    controls.speedSpin = speedSpin;
    controls.volumeSpin = volumeSpin;
    controls.pitchSpin = pitchSpin;
    controls.highlightCheck = highlightCheck;
    controls.speakPunctuation = speakPunctuation;
    controls.statusBar = statusBar;
    controller = std::make_unique<VocalyneSpeakController>(controls);
    controller->setHostWindow(EngineEnvironment::s_window);
    QObject::connect(voiceCombo, &QComboBox::activated, controller.get(),
                     &VocalyneSpeakController::syncSpeechPropsWithVoiceCombo);
    QObject::connect(speedSpin, &QSpinBox::valueChanged, controller.get(),
                     &VocalyneSpeakController::syncSpeedWithSpeedSpin);
    QObject::connect(volumeSpin, &QSpinBox::valueChanged, controller.get(),
                     &VocalyneSpeakController::syncVolumeWithVolumeSpin);
    QObject::connect(pitchSpin, &QSpinBox::valueChanged, controller.get(),
                     &VocalyneSpeakController::syncPitchWithPitchSpin);
    QObject::connect(highlightCheck, &QCheckBox::stateChanged, controller.get(),
                     &VocalyneSpeakController::syncHighlightWithHighlightCBox);

    g_fixture = this;
    g_onWord = [this](int first, int last) {
        controller->wordCallback(first, last);
        if (last == -1) {
            ++endEvents;
            return;
        }
        HeardWord word;
        word.first = first;
        word.last = last;
        word.status = status();
        if (auto *edit = qobject_cast<VocalyneDocumentEdit *>(tabs->currentWidget())) {
            const QTextCursor spoken = edit->spokenWord();
            word.selected = spoken.selectedText();
            word.selectionStart = spoken.selectionStart();
            word.position = edit->textCursor().position();
            word.userSelection = edit->textCursor().selectedText();
        }
        heard.push_back(word);
    };
    window->show();
}

void SpeakFixture::TearDown()
{
    QVTTSStop(QVTTSEngineSpeechPlatform, 0);
    g_onWord = nullptr;
    g_fixture = nullptr;
    // Let events of the stopped text drain before the next test.
    waitFor([]() { return false; }, 50);
    controller.reset();
    window.reset();
    messages.reset();
    QSettings().clear();
}

VocalyneDocumentEdit *SpeakFixture::addEditor(const QString &text)
{
    auto *edit = new VocalyneDocumentEdit(nullptr, nullptr, nullptr, nullptr);
    edit->setPlainText(text);
    tabs->setCurrentIndex(tabs->addTab(edit, QStringLiteral("Untitled")));
    return edit;
}

int SpeakFixture::voiceIndex(const QString &name) const
{
    return voiceCombo->findText(name);
}

bool SpeakFixture::waitFor(const std::function<bool()> &pred, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!pred()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

bool SpeakFixture::waitForEnd(int timeoutMs)
{
    const int target = endEvents + 1;
    return waitFor([this, target]() { return endEvents >= target; }, timeoutMs);
}

std::vector<HeardWord> SpeakFixture::spokenWords() const
{
    return heard;
}

QString SpeakFixture::handedText(const VocalyneDocumentEdit *edit) const
{
    // The engine's own prefix, written out here independently of the code
    // under test: the pitch in whole tones, truncated toward zero.
    const int tones =
        int(std::trunc(std::log(edit->speakPitch() / 100.0) / std::log(1.1224620483)));
    return QStringLiteral("<pitch middle = '") + QString::number(tones) + QStringLiteral("'/>")
           + QString::fromUtf8(edit->speechBytes());
}
