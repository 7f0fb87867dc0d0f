// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynevendorlexicons.h"

#include "vocalynemessageservice.h"

#include <QApplication>
#include <QDir>
#include <QFile>

namespace {

const QString kVendorPrefix = QStringLiteral("Cepstral ");

QString message(const char *text)
{
    return QApplication::translate("QApplication", text);
}

} // namespace

const QList<VocalyneVendorLexicons::Voice> &VocalyneVendorLexicons::voices()
{
    static const QList<Voice> table = [] {
        QList<Voice> list;
        for (const char *name : {"Allison", "Amy", "Callie", "David", "Diane", "Duncan", "Emily",
                                 "Linda", "Robin", "Walter", "William", "Lawrence", "Millie",
                                 "Damien", "Dog", "Duchess", "Shouty", "Whispery"})
            list.append({QString::fromLatin1(name), 1033});
        list.append({QStringLiteral("Vittoria"), 1040});
        list.append({QStringLiteral("Isabelle"), 1036});
        list.append({QStringLiteral("Jean-Pierre"), 1036});
        list.append({QStringLiteral("Katrin"), 1031});
        list.append({QStringLiteral("Matthias"), 1031});
        list.append({QStringLiteral("Marta"), 1034});
        list.append({QStringLiteral("Miguel"), 1034});
        return list;
    }();
    return table;
}

QString VocalyneVendorLexicons::folderName(const QString &voiceName)
{
    if (!voiceName.contains(kVendorPrefix))
        return QString();
    return QString(voiceName).remove(kVendorPrefix);
}

QString VocalyneVendorLexicons::defaultVoicesFolder()
{
    // Where the vendor's installer puts its voices on Linux systems, as it
    // does under the program files folder elsewhere.
    return QStringLiteral("/opt/Cepstral/voices");
}

QString VocalyneVendorLexicons::lexiconPath(const QString &voicesFolder, const QString &folderName)
{
    return QDir(voicesFolder).filePath(folderName + QStringLiteral("/lexicon.txt"));
}

QStringList VocalyneVendorLexicons::rewrite(const QStringList &installedVoices,
                                            const QMap<uint16_t, QString> &lexiconTexts,
                                            const QString &voicesFolder, QWidget *parent)
{
    QStringList written;
    for (const QString &installed : installedVoices) {
        const QString folder = folderName(installed);
        if (folder.isEmpty())
            continue;
        for (const Voice &voice : voices()) {
            if (voice.name != folder)
                continue;
            const QString path = lexiconPath(voicesFolder, folder);
            // A new file, so that a read-only old one or one with stale
            // lines does not survive.
            QFile::remove(path);
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                VocalyneMessageService::critical(
                    parent, message(QT_TRANSLATE_NOOP("QApplication", "Error")),
                    message(QT_TRANSLATE_NOOP("QApplication",
                                              "Failed to open lexicon %1\n%2\nPlease make sure "
                                              "you have WRITE permissions for the file."))
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
                continue;
            }
            file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
            const QByteArray text = lexiconTexts.value(voice.langId).toUtf8();
            if (file.write(text) != text.size() || !file.flush()) {
                VocalyneMessageService::critical(
                    parent, message(QT_TRANSLATE_NOOP("QApplication", "Error")),
                    message(QT_TRANSLATE_NOOP("QApplication", "Failed to update lexicon %1\n%2"))
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
                continue;
            }
            written.append(path);
        }
    }
    return written;
}
