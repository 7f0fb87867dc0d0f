// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QSplashScreen>

/// The start-up picture, reused as the About box. It writes the product line
/// at its bottom and closes on a click or when it loses activation.
class VocalyneSplashScreen : public QSplashScreen
{
    Q_OBJECT

public:
    explicit VocalyneSplashScreen(const QPixmap &pixmap);

    /// The line drawn on the picture: product name, version and notice.
    static QString productMessage();

protected:
    bool event(QEvent *event) override;
};
