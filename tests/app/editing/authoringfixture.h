// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "shellfixture.h"
#include "vocalynespeakcontroller.h"
#include "vocalynespeechelementeditor.h"
#include "vocalynespeechsectioneditor.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>

#include <functional>

/// Runs act on the first modal dialog of type D that opens while it lives
/// (the main window's commands run their dialogs with exec()). A dialog
/// still open when act returns is rejected, so a failing test cannot hang.
template <typename D> class WhenDialogOpens
{
public:
    explicit WhenDialogOpens(std::function<void(D *)> act) : m_act(std::move(act))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this]() {
            auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            m_timer.stop();
            m_opened = true;
            m_act(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        m_timer.start();
    }
    bool opened() const { return m_opened; }

private:
    std::function<void(D *)> m_act;
    QTimer m_timer;
    bool m_opened = false;
};

/// The main window of ShellTest, shown, with helpers to author speech
/// through its own commands.
class AuthoringTest : public ShellTest
{
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        showWindow();
    }

    void showWindow()
    {
        window->show();
        QApplication::setActiveWindow(window.get());
        QCoreApplication::processEvents();
    }

    /// A new window whose engine writes every utterance into folder.
    void restartWithCapture(const QString &folder)
    {
        window.reset();
        qputenv("VOCALYNE_AUDIO_OUTPUT", "capture:" + folder.toLocal8Bit());
        window = std::make_unique<VocalyneMainWindow>();
        qputenv("VOCALYNE_AUDIO_OUTPUT", "fast-null");
        messages.messages.clear();
        showWindow();
    }

    VocalyneDocumentEdit *edit() const { return window->currentDocumentEdit(); }
    QAction *action(const char *name) const
    {
        return window->mainWindowAction(QLatin1String(name));
    }
    QTableWidget *bookmarkTable() const
    {
        return window->findChild<QTableWidget *>(QStringLiteral("twBookmarkManager"));
    }
    QTableWidget *sectionTable() const
    {
        return window->findChild<QTableWidget *>(QStringLiteral("twSectionSpProps"));
    }

    void select(int from, int to)
    {
        QTextCursor cursor(edit()->document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        edit()->setTextCursor(cursor);
    }

    /// Selects exactly these rows of table.
    static void selectRows(QTableWidget *table, const QList<int> &rows)
    {
        table->clearSelection();
        for (int row : rows)
            table->selectionModel()->select(table->model()->index(row, 0),
                                            QItemSelectionModel::Select |
                                                QItemSelectionModel::Rows);
    }

    /// The entry of a voice list named name, or ending in " " + name (the
    /// engine puts the synthesiser's name in front); -1 when there is none.
    static int voiceEntry(const QComboBox *combo, const QString &name)
    {
        const int exact = combo->findText(name);
        if (exact >= 0)
            return exact;
        for (int i = 0; i < combo->count(); ++i)
            if (combo->itemText(i).endsWith(QLatin1Char(' ') + name))
                return i;
        return -1;
    }

    /// The full name of the installed voice voiceEntry() finds for name.
    QString voiceName(const QString &name) const
    {
        const auto *combo = window->findChild<QComboBox *>(QStringLiteral("voiceComboBox"));
        const int entry = voiceEntry(combo, name);
        return entry < 0 ? QString() : combo->itemText(entry);
    }

    static QSpinBox *spin(QDialog *dialog, const char *name)
    {
        return dialog->findChild<QSpinBox *>(QLatin1String(name));
    }

    static void clickOk(QDialog *dialog)
    {
        dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))
            ->button(QDialogButtonBox::Ok)
            ->click();
    }

    /// Makes a section over [from, to) with the section editor: voice
    /// (empty: the one it proposes) and sentence pause.
    bool makeSection(int from, int to, const QString &voice, int pause);

    static bool waitFor(const std::function<bool()> &condition, int timeoutMs = 30000)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!condition()) {
            if (deadline.hasExpired())
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return true;
    }

    /// Speaks the current document (no selection: all of it) and waits
    /// for the end of it.
    bool speakDocument()
    {
        select(0, 0);
        window->statusBar()->showMessage(QStringLiteral("-"));
        action("actionSpeak")->trigger();
        return waitFor(
            [this]() { return window->statusBar()->currentMessage() == QStringLiteral("Ready"); });
    }
};

inline bool AuthoringTest::makeSection(int from, int to, const QString &voice, int pause)
{
    select(from, to);
    bool accepted = false;
    WhenDialogOpens<VocalyneSpeechSectionEditor> when([&](VocalyneSpeechSectionEditor *dialog) {
        auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("comboBoxVoice"));
        if (!voice.isEmpty()) {
            const int entry = voiceEntry(combo, voice);
            if (entry < 0)
                return;
            combo->setCurrentIndex(entry);
            emit combo->activated(entry); // as the user's choice does
        }
        spin(dialog, "spinBoxSentPause")->setValue(pause);
        clickOk(dialog);
        accepted = true;
    });
    action("actionSelection_Speech_Properties")->trigger();
    return accepted;
}
