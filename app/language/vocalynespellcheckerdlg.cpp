// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynespellcheckerdlg.h"

#include "ui_vocalynespellcheckerdlg.h"
#include "vocalynelocations.h"
#include "vocalynemanagescdictdlg.h"
#include "vocalynemessageservice.h"
#include "vocalynesc.h"
#include "vocalynespellcheckdictionaries.h"

#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

constexpr QTextDocument::FindFlags wholeWordsExactly =
    QTextDocument::FindCaseSensitively | QTextDocument::FindWholeWords;

} // namespace

VocalyneSpellCheckerDlg::VocalyneSpellCheckerDlg(QTextEdit *editor,
                                                 const QList<VocalyneMisspelling> &words,
                                                 QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::VocalyneSpellCheckerDlg>()), m_editor(editor),
      m_words(words)
{
    m_ui->setupUi(this);
    using D = VocalyneSpellCheckerDlg;
    connect(m_ui->pushButtonIgnore, &QPushButton::clicked, this, &D::onIgnore);
    connect(m_ui->pushButtonIgnoreAll, &QPushButton::clicked, this, &D::onIgnoreAll);
    connect(m_ui->pushButtonAdd, &QPushButton::clicked, this, &D::onAdd);
    connect(m_ui->pushButtonChange, &QPushButton::clicked, this, &D::onChange);
    connect(m_ui->pushButtonChangeAll, &QPushButton::clicked, this, &D::onChangeAll);
    connect(m_ui->pushButtonManage, &QPushButton::clicked, this, &D::onManage);
    connect(m_ui->pushButtonCancel, &QPushButton::clicked, this, &D::reject);
    connect(m_ui->listWidget, &QListWidget::itemDoubleClicked, this, &D::onChange);
}

VocalyneSpellCheckerDlg::~VocalyneSpellCheckerDlg() = default;

bool VocalyneSpellCheckerDlg::start()
{
    QTextCursor cursor = m_editor->textCursor();
    cursor.movePosition(QTextCursor::Start);
    m_editor->setTextCursor(cursor);
    m_index = -1;
    nextWord();
    return result() != QDialog::Accepted;
}

void VocalyneSpellCheckerDlg::nextWord()
{
    while (m_index + 1 < m_words.size()) {
        ++m_index;
        const VocalyneMisspelling &word = m_words.at(m_index);
        if (m_ignore.contains(word.word) || m_changedAll.contains(word.word))
            continue;
        // A word changed away or ignored meanwhile is no longer in the text
        // ahead of the cursor.
        const QTextCursor found =
            m_editor->document()->find(word.word, m_editor->textCursor(), wholeWordsExactly);
        if (found.isNull())
            continue;
        m_editor->setTextCursor(found);
        m_editor->ensureCursorVisible();
        showWord(word);
        keepWordVisible();
        return;
    }
    accept();
}

void VocalyneSpellCheckerDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    keepWordVisible();
}

void VocalyneSpellCheckerDlg::keepWordVisible()
{
    if (!isVisible() || !m_editor->isVisible())
        return;
    QTextCursor start = m_editor->textCursor();
    start.setPosition(start.selectionStart());
    QTextCursor end = m_editor->textCursor();
    end.setPosition(end.selectionEnd());
    const QRect viewportRect = m_editor->cursorRect(start).united(m_editor->cursorRect(end));
    const QRect word(m_editor->viewport()->mapToGlobal(viewportRect.topLeft()),
                     viewportRect.size());
    const QRect frame = frameGeometry();
    if (!frame.intersects(word))
        return;
    const QScreen *screen = m_editor->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    constexpr int gap = 16;
    QPoint target(frame.left(), word.bottom() + gap);
    if (available.isValid() && target.y() + frame.height() > available.bottom())
        target.setY(word.top() - gap - frame.height());
    if (available.isValid())
        target.setY(qBound(available.top(), target.y(), available.bottom() - frame.height()));
    move(target);
}

void VocalyneSpellCheckerDlg::showWord(const VocalyneMisspelling &word)
{
    m_ui->lineEditWord->setText(word.word);
    const QStringList suggestions = VocalyneSpellCheckRun::suggestionsFor(word);
    m_hasSuggestions = !suggestions.isEmpty();
    m_ui->listWidget->clear();
    if (m_hasSuggestions)
        m_ui->listWidget->addItems(suggestions);
    else
        m_ui->listWidget->addItem(tr("(no spelling suggestions)"));
    m_ui->listWidget->setCurrentRow(0);
}

QString VocalyneSpellCheckerDlg::chosenSuggestion() const
{
    if (!m_hasSuggestions)
        return QString();
    const QListWidgetItem *item = m_ui->listWidget->currentItem();
    return item ? item->text() : m_ui->listWidget->item(0)->text();
}

void VocalyneSpellCheckerDlg::onIgnore()
{
    nextWord();
}

void VocalyneSpellCheckerDlg::onIgnoreAll()
{
    if (m_index >= 0 && m_index < m_words.size())
        m_ignore.insert(m_words.at(m_index).word);
    nextWord();
}

void VocalyneSpellCheckerDlg::onChange()
{
    const QString replacement = chosenSuggestion();
    if (replacement.isEmpty())
        return;
    QTextCursor cursor = m_editor->textCursor();
    cursor.insertText(replacement);
    m_editor->setTextCursor(cursor);
    nextWord();
}

void VocalyneSpellCheckerDlg::onChangeAll()
{
    const QString replacement = chosenSuggestion();
    if (replacement.isEmpty() || m_index < 0 || m_index >= m_words.size())
        return;
    const QString word = m_words.at(m_index).word;
    // One undo step for all replacements. The search goes on after each
    // inserted replacement, so a suggestion that contains the word itself
    // is never replaced again; earlier occurrences are left alone.
    QTextCursor cursor = m_editor->textCursor();
    cursor.beginEditBlock();
    cursor.insertText(replacement);
    const QTextCursor remembered = cursor;
    for (;;) {
        const QTextCursor found = m_editor->document()->find(word, cursor, wholeWordsExactly);
        if (found.isNull())
            break;
        cursor.setPosition(found.selectionStart());
        cursor.setPosition(found.selectionEnd(), QTextCursor::KeepAnchor);
        cursor.insertText(replacement);
    }
    cursor.endEditBlock();
    m_changedAll.insert(word);
    m_editor->setTextCursor(remembered);
    nextWord();
}

void VocalyneSpellCheckerDlg::onAdd()
{
    if (m_index < 0 || m_index >= m_words.size())
        return;
    const VocalyneMisspelling word = m_words.at(m_index);
    QSettings settings;
    QString path;
    QString error;
    if (!VocalyneSpellCheckDictionaries::appendWordToDefault(
            settings, word.word, VocalyneLocations::current().dataDirectory(), &path, &error))
        VocalyneMessageService::critical(
            this, QApplication::translate("QApplication", "Error"),
            QApplication::translate("QApplication", "Failed to open %1\n%2").arg(path, error));
    // Known for the rest of this run of the program, written or not.
    QVSCInsertWordToTree(word.key.constData());
    m_ignore.insert(word.word);
    m_ignore.insert(word.word.toLower());
    nextWord();
}

void VocalyneSpellCheckerDlg::onManage()
{
    VocalyneManageSCDictDlg manager(this);
    manager.exec();
}
