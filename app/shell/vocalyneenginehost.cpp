// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneenginehost.h"

#include <QByteArray>
#include <QSocketNotifier>

namespace {
VocalyneEngineHost *s_host = nullptr;
}

VocalyneEngineHost::VocalyneEngineHost(QObject *parent)
    : QObject(parent)
{
}

VocalyneEngineHost::~VocalyneEngineHost()
{
    if (m_started)
        UninitQVTTSEngine();
    if (s_host == this) {
        SetQVTTSOnWordCallBack(nullptr);
        s_host = nullptr;
    }
    delete m_notifier;
    QVDestroyWindow(m_window);
}

void VocalyneEngineHost::start()
{
    if (m_started)
        return;
    s_host = this;
    SetQVTTSOnWordCallBack(&VocalyneEngineHost::wordCallback);

    m_window = QVCreateWindow(&VocalyneEngineHost::windowProc);
    const int fd = QVMessageQueueFd();
    if (fd >= 0) {
        // The engine posts its events from the synthesis thread; they are
        // delivered here, on the GUI thread, between other GUI events.
        m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this,
                &VocalyneEngineHost::dispatchMessages);
    }
    InitQVTTSEngineEx(m_window, nullptr, nullptr);
    m_started = true;
}

QList<VocalyneInstalledVoice> VocalyneEngineHost::installedVoices()
{
    QList<VocalyneInstalledVoice> voices;
    for (int32_t index = 0;; ++index) {
        // Ask for the length first so the name buffer always fits.
        QVTTSVoiceEngineType type = QVTTSEngineNone;
        int32_t length = 0;
        if (GetQVTTSVoice(index, &type, nullptr, &length, nullptr, nullptr) != QVTTSVoiceInfoSuccess)
            break;
        QByteArray name(qMax(length, 0) + 1, '\0');
        int32_t attribute = -1;
        uint16_t language = 0;
        if (GetQVTTSVoice(index, &type, name.data(), &length, &attribute, &language)
            != QVTTSVoiceInfoSuccess)
            break;
        name.truncate(qBound(0, length, int(name.size()) - 1));
        VocalyneInstalledVoice voice;
        voice.name = QString::fromUtf8(name);
        voice.engineTypeId = qint16(type);
        voice.voiceId = attribute;
        voice.langId = language;
        voices.append(voice);
    }
    return voices;
}

void VocalyneEngineHost::wordCallback(int first, int last)
{
    if (s_host && s_host->m_wordHandler)
        s_host->m_wordHandler(first, last);
}

LRESULT VocalyneEngineHost::windowProc(HWND, unsigned int, WPARAM, LPARAM)
{
    // The engine replaces this procedure with its own and passes on what it
    // does not handle; the word events reach the window through the callback.
    return 0;
}

void VocalyneEngineHost::dispatchMessages()
{
    QVDispatchMessages();
}
