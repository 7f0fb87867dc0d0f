// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynespellcheckdictionaries.h"

#include "vocalynesc.h"
#include "vocalynesettingskeys.h"
#include "vocalynesettingslist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace Keys = VocalyneSettingsKeys;

QString VocalyneSpellCheckDictionaries::englishFileName()
{
    return QStringLiteral("English-USUK.scd");
}

QString VocalyneSpellCheckDictionaries::germanFileName()
{
    return QStringLiteral("German.scd");
}

QList<VocalyneSpellCheckDictionary> VocalyneSpellCheckDictionaries::read(QSettings &settings)
{
    QList<VocalyneSpellCheckDictionary> list;
    const auto items = VocalyneSettingsList::read(settings, Keys::SpellCheckDictionariesGroup,
                                                  VocalyneSettingsList::Order::Numeric);
    for (const VocalyneSettingsList::Item &item : items) {
        VocalyneSpellCheckDictionary entry;
        entry.name = item.values.value(Keys::SpellCheckDictionaryName).toString();
        entry.path = item.values.value(Keys::SpellCheckDictionaryPath).toString();
        entry.enabled = item.values.value(Keys::SpellCheckDictionaryIsEnabled, 0).toInt() != 0;
        entry.isDefault = item.values.value(Keys::SpellCheckDictionaryIsDefault, 0).toInt() != 0;
        list.append(entry);
    }
    return list;
}

void VocalyneSpellCheckDictionaries::write(QSettings &settings,
                                           const QList<VocalyneSpellCheckDictionary> &list)
{
    QList<QVariantMap> items;
    for (const VocalyneSpellCheckDictionary &entry : list)
        items.append({{Keys::SpellCheckDictionaryName, entry.name},
                      {Keys::SpellCheckDictionaryPath, entry.path},
                      {Keys::SpellCheckDictionaryIsEnabled, entry.enabled ? 1 : 0},
                      {Keys::SpellCheckDictionaryIsDefault, entry.isDefault ? 1 : 0}});
    VocalyneSettingsList::write(settings, Keys::SpellCheckDictionariesGroup, items);
}

bool VocalyneSpellCheckDictionaries::writeFirstRunDefaults(QSettings &settings,
                                                           const QString &programDir)
{
    if (settings.contains(QStringLiteral("SpellCheckDictionaries/0/name")))
        return false;
    VocalyneSpellCheckDictionary english;
    english.name = QCoreApplication::translate("QApplication", "English (U.S. and U.K.)");
    english.path = programDir + QLatin1Char('/') + englishFileName();
    english.enabled = true;
    english.isDefault = true;
    // German ships ready to be switched on in the dictionary manager.
    VocalyneSpellCheckDictionary german;
    german.name = QCoreApplication::translate("QApplication", "German");
    german.path = programDir + QLatin1Char('/') + germanFileName();
    write(settings, {english, german});
    return true;
}

QList<VocalyneSpellCheckDictionary> VocalyneSpellCheckDictionaries::loadEnabled(QSettings &settings)
{
    QList<VocalyneSpellCheckDictionary> failures;
    bool append = false;
    for (const VocalyneSpellCheckDictionary &entry : read(settings)) {
        if (!entry.enabled)
            continue;
        if (!QVSCLoadDictionary(QFile::encodeName(entry.path).constData(), append))
            failures.append(entry);
        append = true;
    }
    return failures;
}

QString VocalyneSpellCheckDictionaries::loadFailureText(const VocalyneSpellCheckDictionary &entry)
{
    return QCoreApplication::translate("QApplication",
                                       "The spell checker dictionary '%1' (path: '%2') cannot "
                                       "be loaded.\nPlease make sure that the file exists.")
        .arg(entry.name, entry.path);
}

bool VocalyneSpellCheckDictionaries::appendWordToDefault(QSettings &settings, const QString &word,
                                                         const QString &programDir,
                                                         QString *failedPath, QString *errorText)
{
    QList<VocalyneSpellCheckDictionary> list = read(settings);
    int index = 0;
    while (index < list.size() && !list.at(index).isDefault)
        ++index;
    if (index == list.size())
        return true;

    QString path = list.at(index).path;
    auto fail = [&](const QString &file, const QString &error) {
        if (failedPath)
            *failedPath = file;
        if (errorText)
            *errorText = error;
        return false;
    };

    const QFileInfo info(path);
    if (info.absolutePath() == QDir(programDir).absolutePath()) {
        const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        const QString copy = dataDir + QLatin1Char('/') + info.fileName();
        if (!QFile::exists(copy)) {
            QDir().mkpath(dataDir);
            QFile shipped(path);
            if (!shipped.copy(copy))
                return fail(copy, shipped.errorString());
            // The shipped file may be read-only; the user's copy must not be.
            QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ReadGroup | QFileDevice::ReadOther);
        }
        path = copy;
        list[index].path = copy;
        write(settings, list);
    }

    bool endsWithNewline = true;
    {
        QFile existing(path);
        if (existing.open(QIODevice::ReadOnly) && existing.size() > 0) {
            existing.seek(existing.size() - 1);
            char last = '\n';
            existing.getChar(&last);
            endsWithNewline = last == '\n';
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::Append | QIODevice::Text))
        return fail(path, file.errorString());
    QByteArray line = word.toLower().toUtf8() + '\n';
    if (!endsWithNewline)
        line.prepend('\n');
    if (file.write(line) != line.size() || !file.flush())
        return fail(path, file.errorString());
    return true;
}
