// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynedialogservice.h"

#include <QFileDialog>
#include <QInputDialog>

namespace {
VocalyneDialogService *s_installed = nullptr;
}

VocalyneDialogService::~VocalyneDialogService() = default;

QString VocalyneDialogService::openFileName(QWidget *parent, const QString &caption,
                                            const QString &directory, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QStringList VocalyneDialogService::openFileNames(QWidget *parent, const QString &caption,
                                                 const QString &directory, const QString &filter)
{
    return QFileDialog::getOpenFileNames(parent, caption, directory, filter);
}

QString VocalyneDialogService::existingDirectory(QWidget *parent, const QString &caption,
                                                 const QString &directory)
{
    return QFileDialog::getExistingDirectory(
        parent, caption, directory, QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
}

QString VocalyneDialogService::saveFileName(QWidget *parent, const QString &caption,
                                            const QString &proposal, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, proposal, filter);
}

bool VocalyneDialogService::integer(QWidget *parent, const QString &title, const QString &label,
                                    int value, int minimum, int maximum, int step, int *result)
{
    bool ok = false;
    const int chosen =
        QInputDialog::getInt(parent, title, label, value, minimum, maximum, step, &ok);
    if (ok && result)
        *result = chosen;
    return ok;
}

VocalyneDialogService *VocalyneDialogService::instance()
{
    static VocalyneDialogService builtIn;
    return s_installed ? s_installed : &builtIn;
}

void VocalyneDialogService::setInstance(VocalyneDialogService *service)
{
    s_installed = service;
}
