// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "shellfixture.h"
#include "vocalynedocpropertiesdlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

QString field(const QDialog &dialog, const char *name)
{
    if (auto *label = dialog.findChild<QLabel *>(QString::fromLatin1(name)))
        return label->text();
    if (auto *edit = dialog.findChild<QLineEdit *>(QString::fromLatin1(name)))
        return edit->text();
    return QStringLiteral("<missing>");
}

} // namespace

TEST_F(ShellTest, PropertiesOfANewDocument)
{
    VocalyneDocumentEdit *edit = window->currentDocumentEdit();
    VocalyneDocPropertiesDlg dialog(window.get(), edit);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Document Properties"));
    EXPECT_EQ(field(dialog, "labelDocName"), QStringLiteral("Untitled"));
    EXPECT_EQ(field(dialog, "lineEditPath"), QString());
    EXPECT_EQ(field(dialog, "labelVoice"), edit->voiceName());
    EXPECT_FALSE(edit->voiceName().isEmpty());
    EXPECT_EQ(field(dialog, "labelSpeed"), QString::number(edit->speed()));
    EXPECT_EQ(field(dialog, "labelBookmarks"), QStringLiteral("0"));
    EXPECT_EQ(field(dialog, "labelSpSections"), QStringLiteral("0"));
    EXPECT_EQ(field(dialog, "labelSpElements"), QStringLiteral("0"));
}

TEST_F(ShellTest, PropertiesOfAnOpenedThenSavedAsDocument)
{
    const QString folder = dir.filePath(QStringLiteral("a rather long folder name/and deeper"));
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/report.t2s");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(t2sBytes(QStringLiteral("One two three four five six"), 2, 3));
    }
    window->openDocumentFile(path);
    VocalyneDocumentEdit *edit = window->currentDocumentEdit();
    {
        VocalyneDocPropertiesDlg dialog(window.get(), edit);
        EXPECT_EQ(field(dialog, "labelDocName"), QStringLiteral("report.t2s"));
        EXPECT_EQ(field(dialog, "lineEditPath"), path);
        EXPECT_EQ(dialog.findChild<QLineEdit *>(QStringLiteral("lineEditPath"))->cursorPosition(),
                  0);
        EXPECT_EQ(field(dialog, "labelSpSections"), QStringLiteral("2"));
        EXPECT_EQ(field(dialog, "labelBookmarks"), QStringLiteral("3"));
        EXPECT_EQ(field(dialog, "labelVolume"), QString::number(edit->volume()));
        EXPECT_EQ(field(dialog, "labelPitch"), QString::number(edit->pitch()));
    }

    const QString renamed = dir.filePath(QStringLiteral("renamed.t2s"));
    dialogs.saveAnswers = {renamed};
    window->saveCurrentDocumentAs();
    VocalyneDocPropertiesDlg dialog(window.get(), edit);
    EXPECT_EQ(field(dialog, "labelDocName"), QStringLiteral("renamed.t2s"));
    EXPECT_EQ(field(dialog, "lineEditPath"), renamed);
}

TEST_F(ShellTest, DocumentPropertiesCommandShowsTheDialogModally)
{
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            shown = modal->objectName();
            static_cast<QDialog *>(modal)->accept();
        }
    });
    window->mainWindowAction(QStringLiteral("actionDocument_Properties"))->trigger();
    EXPECT_EQ(shown, QStringLiteral("VocalyneDocPropertiesDlg"));
}
