// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "qvttstesthost.h"

#include <QRegularExpression>

#include <chrono>

namespace {

void onWord(int first, int last)
{
    QVTTSTestHost::words().emplace_back(first, last);
}

void onExport(int first, int last)
{
    QVTTSTestHost::exports().emplace_back(first, last);
}

LRESULT hostProcedure(HWND, unsigned int msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == QVTTS_WORD_MESSAGE)
        QVTTSTestHost::hostWords().emplace_back(int(wParam), int(lParam));
    else if (msg == WM_APP)
        ++QVTTSTestHost::hostNotifications();
    else if (msg == QVTTS_EXPORT_MESSAGE)
        ++QVTTSTestHost::hostExportMessages();
    return 0;
}

} // namespace

QVTTSTestHost::QVTTSTestHost()
{
    words().clear();
    hostWords().clear();
    exports().clear();
    hostNotifications() = 0;
    hostExportMessages() = 0;
    m_window = QVCreateWindow(&hostProcedure);
    SetQVTTSOnWordCallBack(&onWord);
    SetQVTTSOnExportCallBack(&onExport);
    SetMSSAPISpeakPunc(false);
    // Each test starts from an empty catalogue, whatever ran before it in
    // this process.
    UninitQVTTSEngine();
    m_slots = InitQVTTSEngineEx(m_window, nullptr, nullptr);
}

QVTTSTestHost::~QVTTSTestHost()
{
    QVTTSStop(QVTTSEngineSpeechPlatform, 0);
    UninitQVTTSEngine();
    QVDestroyWindow(m_window);
}

std::string QVTTSTestHost::voiceContaining(const char *part)
{
    for (int32_t i = 0;; ++i) {
        int32_t length = 0;
        if (GetQVTTSVoice(i, nullptr, nullptr, &length, nullptr, nullptr) != 0)
            return std::string();
        std::string name(size_t(length) + 1, '\0');
        GetQVTTSVoice(i, nullptr, name.data(), &length, nullptr, nullptr);
        name.resize(size_t(length));
        if (name.find(part) != std::string::npos)
            return name;
    }
}

bool QVTTSTestHost::waitForEnds(int count, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (endCount() < count) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        QVWaitAndDispatchMessages(50);
    }
    return true;
}

bool QVTTSTestHost::waitForCalls(size_t count, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (words().size() < count) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        QVWaitAndDispatchMessages(20);
    }
    return true;
}

void QVTTSTestHost::pump(int ms)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < deadline)
        QVWaitAndDispatchMessages(10);
}

std::vector<QVTTSTestHost::Pair> &QVTTSTestHost::words()
{
    static std::vector<Pair> list;
    return list;
}

std::vector<QVTTSTestHost::Pair> &QVTTSTestHost::hostWords()
{
    static std::vector<Pair> list;
    return list;
}

int &QVTTSTestHost::hostNotifications()
{
    static int count = 0;
    return count;
}

std::vector<QVTTSTestHost::Pair> &QVTTSTestHost::exports()
{
    static std::vector<Pair> list;
    return list;
}

int &QVTTSTestHost::hostExportMessages()
{
    static int count = 0;
    return count;
}

int QVTTSTestHost::endCount() const
{
    int ends = 0;
    for (const Pair &pair : words())
        ends += pair == Pair(0, -1) ? 1 : 0;
    return ends;
}

std::vector<QVTTSTestHost::Pair> QVTTSTestHost::wordRanges(const QString &text, int offset)
{
    static const QRegularExpression word(QStringLiteral("[\\p{L}\\p{N}\\p{M}]+"));
    std::vector<Pair> ranges;
    auto it = word.globalMatch(text);
    while (it.hasNext()) {
        const auto match = it.next();
        const int first = offset + int(match.capturedStart());
        ranges.emplace_back(first, first + int(match.capturedLength()) - 1);
    }
    return ranges;
}

std::vector<QVTTSTestHost::Pair> QVTTSTestHost::spokenWords()
{
    std::vector<Pair> spoken;
    for (const Pair &pair : words())
        if (pair.second != -1)
            spoken.push_back(pair);
    return spoken;
}
