// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneuserdictionary.h"

#include "qvtts.h"
#include "vocalynemessageservice.h"
#include "vocalynevendorlexicons.h"

#include <QApplication>
#include <QByteArray>
#include <QSettings>

namespace {

const QString kGroup = QStringLiteral("UserDictionary");

} // namespace

QList<VocalyneUserDictionary::Entry> VocalyneUserDictionary::load()
{
    QList<Entry> entries;
    QSettings settings;
    settings.beginGroup(kGroup);
    const QStringList groups = settings.childGroups();
    for (const QString &group : groups) {
        settings.beginGroup(group);
        Entry entry;
        entry.source = settings.value(QStringLiteral("source")).toString();
        entry.target = settings.value(QStringLiteral("target")).toString();
        entry.langName = settings.value(QStringLiteral("langName")).toString();
        entry.langId = uint16_t(settings.value(QStringLiteral("langId")).toUInt());
        entry.partOfSpName = settings.value(QStringLiteral("partOfSpName")).toString();
        entry.partOfSpId = settings.value(QStringLiteral("partOfSpId")).toInt();
        entry.isPhoneme = settings.value(QStringLiteral("isPhoneme"), 1).toInt() != 0;
        entry.isEnabled = settings.value(QStringLiteral("isEnabled"), 1).toInt() != 0;
        settings.endGroup();
        // An entry without a word or phonemes cannot be applied or shown.
        if (!entry.source.trimmed().isEmpty() && !entry.target.trimmed().isEmpty())
            entries.append(entry);
    }
    settings.endGroup();
    return entries;
}

void VocalyneUserDictionary::save(const QList<Entry> &entries)
{
    QSettings settings;
    settings.remove(kGroup);
    settings.beginGroup(kGroup);
    for (int i = 0; i < entries.size(); ++i) {
        const Entry &entry = entries.at(i);
        settings.beginGroup(QString::number(i));
        settings.setValue(QStringLiteral("source"), entry.source);
        settings.setValue(QStringLiteral("target"), entry.target);
        settings.setValue(QStringLiteral("langName"), entry.langName);
        settings.setValue(QStringLiteral("langId"), uint(entry.langId));
        settings.setValue(QStringLiteral("partOfSpName"), entry.partOfSpName);
        settings.setValue(QStringLiteral("partOfSpId"), entry.partOfSpId);
        settings.setValue(QStringLiteral("isPhoneme"), entry.isPhoneme ? 1 : 0);
        settings.setValue(QStringLiteral("isEnabled"), entry.isEnabled ? 1 : 0);
        settings.endGroup();
    }
    settings.endGroup();
    settings.sync();
}

QMap<uint16_t, QString> VocalyneUserDictionary::apply(const QList<Entry> &stored,
                                                      const QList<Entry> &removed,
                                                      AddRemoveWord addRemoveWord, QWidget *parent,
                                                      QList<Failure> *failures)
{
    QMap<uint16_t, QString> lexiconTexts;
    if (!addRemoveWord)
        return lexiconTexts;
    auto call = [&](const Entry &entry, bool remove) {
        // The engine takes UTF-8: an accented word must reach the lexicon whole.
        const QByteArray word = entry.source.toUtf8();
        const QByteArray phonemes = entry.target.trimmed().toUtf8();
        return addRemoveWord(word.constData(), phonemes.constData(), entry.langId, entry.partOfSpId,
                             remove ? 1 : 0);
    };
    for (const Entry &entry : removed)
        call(entry, true);
    for (const Entry &entry : stored) {
        if (!entry.isEnabled) {
            call(entry, true);
            continue;
        }
        const int32_t result = call(entry, false);
        if (result != 0) {
            if (failures)
                failures->append({entry.source, result});
            else
                reportFailures({{entry.source, result}}, parent);
        }
        lexiconTexts[entry.langId] +=
            entry.source.toLower() + QStringLiteral(" 0 ") + entry.target + QLatin1Char('\n');
    }
    return lexiconTexts;
}

void VocalyneUserDictionary::reportFailures(const QList<Failure> &failures, QWidget *parent)
{
    for (const Failure &failure : failures) {
        VocalyneMessageService::critical(
            parent, QApplication::translate("QApplication", "Error"),
            QApplication::translate("QApplication",
                                    "Failed to update the lexicon for word %1 (error code: %2).")
                .arg(failure.source)
                .arg(failure.result));
    }
}

QStringList VocalyneUserDictionary::installedVoiceNames()
{
    QStringList voices;
    for (int32_t index = 0;; ++index) {
        int32_t length = 0;
        if (GetQVTTSVoice(index, nullptr, nullptr, &length, nullptr, nullptr) !=
            QVTTSVoiceInfoSuccess)
            break;
        QByteArray name(qMax(length, 0) + 1, '\0');
        if (GetQVTTSVoice(index, nullptr, name.data(), &length, nullptr, nullptr) !=
            QVTTSVoiceInfoSuccess)
            break;
        name.truncate(qBound(0, length, int(name.size()) - 1));
        voices.append(QString::fromUtf8(name));
    }
    return voices;
}

void VocalyneUserDictionary::applyToVoices(const QList<Entry> &removed, QWidget *parent,
                                           const QString &voicesFolder)
{
    const QMap<uint16_t, QString> texts = apply(load(), removed, &MSSAPIAddRemoveWord, parent);
    VocalyneVendorLexicons::rewrite(
        installedVoiceNames(), texts,
        voicesFolder.isEmpty() ? VocalyneVendorLexicons::defaultVoicesFolder() : voicesFolder,
        parent);
}
