// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The element editor and the element-type catalogue it reads.
#include "authoringfixture.h"
#include "vocalyneelementcatalogue.h"
#include "vocalynesettingskeys.h"

#include <QLocale>
#include <QPlainTextEdit>

namespace {

QStringList typeEntries(QDialog *dialog)
{
    QStringList entries;
    auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("comboBoxType"));
    for (int i = 0; i < combo->count(); ++i)
        entries.append(combo->itemText(i));
    return entries;
}

QPlainTextEdit *textBox(QDialog *dialog, const char *name)
{
    return dialog->findChild<QPlainTextEdit *>(QLatin1String(name));
}

// Restores the default locale when the test ends, however it ends.
class DefaultLocale
{
public:
    explicit DefaultLocale(const QString &name) { QLocale::setDefault(QLocale(name)); }
    ~DefaultLocale() { QLocale::setDefault(m_previous); }

private:
    QLocale m_previous;
};

} // namespace

TEST_F(AuthoringTest, PauseElementGoesToTheEndOfTheWordAtTheCursor)
{
    typeText(edit(), QStringLiteral("Hello world again"));
    select(2, 2);
    QString about;
    bool textBoxEnabled = true;
    WhenDialogOpens<VocalyneSpeechElementEditor> when([&](VocalyneSpeechElementEditor *d) {
        about = textBox(d, "plainTextEditAbout")->toPlainText();
        textBoxEnabled = textBox(d, "plainTextEditTextValue")->isEnabled();
        auto *number = spin(d, "spinBoxNumValue");
        number->setValue(1500);
        clickOk(d);
    });
    action("actionAdd_Speech_Element")->trigger();
    ASSERT_TRUE(when.opened());
    EXPECT_TRUE(about.startsWith(QStringLiteral("The pause speech element sets a speech pause")));
    EXPECT_FALSE(textBoxEnabled);
    ASSERT_EQ(edit()->elements().size(), 1);
    EXPECT_EQ(edit()->elements().first().afterChar, 5u);
    EXPECT_EQ(edit()->elements().first().type, QStringLiteral("pause"));
    EXPECT_EQ(edit()->elements().first().value, QStringLiteral("1500"));

    // No blank after the cursor: nothing to add after.
    select(15, 15);
    WhenDialogOpens<VocalyneSpeechElementEditor> again(
        [&](VocalyneSpeechElementEditor *d) { clickOk(d); });
    action("actionAdd_Speech_Element")->trigger();
    EXPECT_TRUE(again.opened());
    EXPECT_EQ(edit()->elements().size(), 1);
}

TEST_F(AuthoringTest, CatalogueKeepsUserTypesDropsInvalidOnesAndRepairsThePause)
{
    namespace K = VocalyneSettingsKeys;
    {
        QSettings settings;
        settings.setValue(QStringLiteral("SpeechElements/emphasis/hasNumberValue"), 0);
        settings.setValue(QStringLiteral("SpeechElements/emphasis/hasTextValue"), 1);
        settings.setValue(QStringLiteral("SpeechElements/emphasis/numberValueMin"), 0);
        settings.setValue(QStringLiteral("SpeechElements/emphasis/numberValueMax"), 0);
        settings.setValue(QStringLiteral("SpeechElements/emphasis/aboutText"),
                          QStringLiteral("Stresses the words it is given."));
        settings.setValue(QStringLiteral("SpeechElements/emphasis/speechXML/3"),
                          QStringLiteral("<emph>%s</emph>"));
        settings.setValue(QStringLiteral("SpeechElements/broken/hasNumberValue"), 2);
        settings.setValue(QStringLiteral("SpeechElements/broken/hasTextValue"), 0);
        settings.setValue(QStringLiteral("SpeechElements/broken/numberValueMin"), 1);
        settings.setValue(QStringLiteral("SpeechElements/broken/numberValueMax"), 5);
        settings.setValue(QStringLiteral("SpeechElements/broken/aboutText"),
                          QStringLiteral("Not a valid entry."));
        // Not a number: damaged, not a valid 0.
        settings.setValue(QStringLiteral("SpeechElements/garbled/hasNumberValue"), 0);
        settings.setValue(QStringLiteral("SpeechElements/garbled/hasTextValue"),
                          QStringLiteral("yes"));
        settings.setValue(QStringLiteral("SpeechElements/garbled/numberValueMin"), 1);
        settings.setValue(QStringLiteral("SpeechElements/garbled/numberValueMax"), 5);
        settings.setValue(QStringLiteral("SpeechElements/garbled/aboutText"),
                          QStringLiteral("Not a valid entry either."));
        // A group named with a capital: the element keeps the group's name,
        // so its markup template is found under it.
        settings.setValue(QStringLiteral("SpeechElements/Whisper/hasNumberValue"), 1);
        settings.setValue(QStringLiteral("SpeechElements/Whisper/hasTextValue"), 0);
        settings.setValue(QStringLiteral("SpeechElements/Whisper/numberValueMin"), 1);
        settings.setValue(QStringLiteral("SpeechElements/Whisper/numberValueMax"), 10);
        settings.setValue(QStringLiteral("SpeechElements/Whisper/aboutText"),
                          QStringLiteral("Speaks softly."));
        settings.remove(K::elementKey(QStringLiteral("pause"), K::ElementAboutText));
    }
    typeText(edit(), QStringLiteral("Say this loudly now"));
    select(9, 9);

    QStringList firstEntries, entriesAfter;
    bool textBoxEnabled = false;
    bool numberEnabled = true;
    QString about;
    WhenDialogOpens<VocalyneSpeechElementEditor> when([&](VocalyneSpeechElementEditor *d) {
        firstEntries = typeEntries(d);
        auto *combo = d->findChild<QComboBox *>(QStringLiteral("comboBoxType"));
        // Choosing an invalid type drops it.
        combo->setCurrentIndex(combo->findText(QStringLiteral("Broken")));
        combo->setCurrentIndex(combo->findText(QStringLiteral("Garbled")));
        entriesAfter = typeEntries(d);
        combo->setCurrentIndex(combo->findText(QStringLiteral("Emphasis")));
        textBoxEnabled = textBox(d, "plainTextEditTextValue")->isEnabled();
        numberEnabled = spin(d, "spinBoxNumValue")->isEnabled();
        about = textBox(d, "plainTextEditAbout")->toPlainText();
        combo->setCurrentIndex(combo->findText(QStringLiteral("Whisper")));
        spin(d, "spinBoxNumValue")->setValue(3);
        clickOk(d);
    });
    action("actionAdd_Speech_Element")->trigger();
    ASSERT_TRUE(when.opened());
    EXPECT_EQ(firstEntries, QStringList({QStringLiteral("Whisper"), QStringLiteral("Broken"),
                                         QStringLiteral("Emphasis"), QStringLiteral("Garbled"),
                                         QStringLiteral("Pause")}));
    ASSERT_EQ(messages.messages.size(), 2);
    EXPECT_EQ(messages.messages.first().text,
              QStringLiteral("Invalid element data. The element will be removed."));
    EXPECT_EQ(entriesAfter, QStringList({QStringLiteral("Whisper"), QStringLiteral("Emphasis"),
                                         QStringLiteral("Pause")}));
    EXPECT_TRUE(textBoxEnabled);
    EXPECT_FALSE(numberEnabled);
    EXPECT_EQ(about, QStringLiteral("Stresses the words it is given."));
    ASSERT_EQ(edit()->elements().size(), 1);
    EXPECT_EQ(edit()->elements().first().type, QStringLiteral("Whisper"));
    EXPECT_EQ(edit()->elements().first().value, QStringLiteral("3"));
    EXPECT_EQ(edit()->elements().first().afterChar, 15u); // the blank after "loudly"

    QSettings settings;
    EXPECT_FALSE(settings.childGroups().isEmpty());
    settings.beginGroup(QStringLiteral("SpeechElements"));
    EXPECT_EQ(settings.childGroups(),
              QStringList({QStringLiteral("Whisper"), QStringLiteral("emphasis"),
                           QStringLiteral("pause")}));
    settings.endGroup();
    EXPECT_TRUE(settings.value(K::elementKey(QStringLiteral("pause"), K::ElementAboutText))
                    .toString()
                    .startsWith(QStringLiteral("The pause speech element")));
}

TEST_F(AuthoringTest, AboutTextComesInTheUsersLanguageWithFallbacks)
{
    {
        QSettings settings;
        VocalyneElementCatalogue::ensure(settings);
        settings.setValue(QStringLiteral("SpeechElements/pause/aboutText_pt_BR"),
                          QStringLiteral("Pausa (Brasil)."));
    }
    const QString pause = QStringLiteral("pause");
    {
        DefaultLocale locale(QStringLiteral("de_AT"));
        EXPECT_TRUE(VocalyneSpeechElementEditor::aboutText(pause).startsWith(
            QStringLiteral("Das Sprachelement")));
    }
    {
        DefaultLocale locale(QStringLiteral("pt_BR"));
        EXPECT_EQ(VocalyneSpeechElementEditor::aboutText(pause), QStringLiteral("Pausa (Brasil)."));
    }
    {
        DefaultLocale locale(QStringLiteral("fr_FR"));
        EXPECT_TRUE(VocalyneSpeechElementEditor::aboutText(pause).startsWith(
            QStringLiteral("The pause speech element")));
    }
}
