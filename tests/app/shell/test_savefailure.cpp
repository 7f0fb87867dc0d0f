// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// A save that fails after the file was opened, as on a full disk.
#include "shellfixture.h"

#include <QDir>

#include <csignal>
#include <sys/resource.h>

namespace {

// Lets this process write no file beyond limit bytes while it lives: a write
// past it fails (EFBIG) like a write to a full disk, after the file opened.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_previous;
        lowered.rlim_cur = limit;
        m_active = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
    }
    bool active() const { return m_active; }

private:
    rlimit m_previous{};
    void (*m_handler)(int) = nullptr;
    bool m_active = false;
};

} // namespace

TEST_F(ShellTest, ASaveThatFailsWhileWritingLeavesThePreviousFileByteForByte)
{
    VocalyneDocumentEdit *edit = window->currentDocumentEdit();
    edit->insertPlainText(QStringLiteral("The first version, saved whole."));
    const QString path = dir.filePath(QStringLiteral("kept.t2s"));
    dialogs.saveAnswers = {path};
    ASSERT_TRUE(window->saveCurrentDocument());
    const QByteArray before = readFile(path);
    ASSERT_FALSE(before.isEmpty());

    // The new text is far longer than what the disk still takes.
    const QString longer = QString(300000, QLatin1Char('y'));
    edit->setPlainText(longer);
    edit->setModifiedState(true);
    {
        FileSizeLimit limit(rlim_t(before.size()) + 4096);
        ASSERT_TRUE(limit.active());
        EXPECT_FALSE(window->saveCurrentDocument());
    }
    EXPECT_EQ(readFile(path), before);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages.at(0).kind, MessageRecorder::Kind::Critical);
    EXPECT_TRUE(messages.messages.at(0).text.contains(path));
    // Nothing claims the document was saved, and no half file is left.
    EXPECT_TRUE(edit->document()->isModified());
    EXPECT_EQ(tabTitle(0), QStringLiteral("kept.t2s*"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("kept.t2s")});

    // With room again the same save goes through.
    EXPECT_TRUE(window->saveCurrentDocument());
    QVT2SDocument copy;
    ASSERT_TRUE(copy.read(readFile(path)));
    EXPECT_EQ(copy.content(), longer);
}
