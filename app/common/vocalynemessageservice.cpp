// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynemessageservice.h"

namespace {
VocalyneMessageService *g_installed = nullptr;
}

VocalyneMessageService::~VocalyneMessageService() = default;

QMessageBox::StandardButton VocalyneMessageService::show(QWidget *parent, Kind kind,
                                                         const QString &title, const QString &text,
                                                         QMessageBox::StandardButtons buttons,
                                                         QMessageBox::StandardButton defaultButton)
{
    switch (kind) {
    case Kind::Critical:
        return QMessageBox::critical(parent, title, text, buttons, defaultButton);
    case Kind::Warning:
        return QMessageBox::warning(parent, title, text, buttons, defaultButton);
    case Kind::Question:
        return QMessageBox::question(parent, title, text, buttons, defaultButton);
    case Kind::Information:
        break;
    }
    return QMessageBox::information(parent, title, text, buttons, defaultButton);
}

VocalyneMessageService *VocalyneMessageService::instance()
{
    static VocalyneMessageService builtIn;
    return g_installed ? g_installed : &builtIn;
}

void VocalyneMessageService::setInstance(VocalyneMessageService *service)
{
    g_installed = service;
}

void VocalyneMessageService::critical(QWidget *parent, const QString &title, const QString &text)
{
    instance()->show(parent, Kind::Critical, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void VocalyneMessageService::warning(QWidget *parent, const QString &title, const QString &text)
{
    instance()->show(parent, Kind::Warning, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void VocalyneMessageService::information(QWidget *parent, const QString &title,
                                         const QString &text)
{
    instance()->show(parent, Kind::Information, title, text, QMessageBox::Ok,
                     QMessageBox::NoButton);
}

QMessageBox::StandardButton
VocalyneMessageService::question(QWidget *parent, const QString &title, const QString &text,
                                 QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton)
{
    return instance()->show(parent, Kind::Question, title, text, buttons, defaultButton);
}
