// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// Paints every icon of the resource folder at 16, 24 and 32 pixels on a white and on a grey
// background, followed by the tray, application and splash pictures, into one PNG, so that the
// artwork can be judged as a set. Usage: vocalyne_iconsheet <output.png>

#include "vocalyneiconnames.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vocalyne_iconsheet <output.png>\n");
        return 2;
    }
    const QStringList icons = VocalyneIconNames::iconFiles();
    const QColor backgrounds[] = {Qt::white, QColor(0x80, 0x88, 0x92)};
    const int cell = 40;
    const int label = 150;
    const int rowHeight = 40;
    const int iconColumns = 6; // three sizes on each background
    const int width = qMax(label + iconColumns * cell, 480 + 256 + 60);
    const int height = int(icons.size()) * rowHeight + 300 + 40;

    QImage sheet(width, height, QImage::Format_ARGB32);
    sheet.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter painter(&sheet);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    int missing = 0;
    for (int row = 0; row < icons.size(); ++row) {
        const int y = row * rowHeight;
        painter.setPen(Qt::black);
        painter.drawText(QRect(4, y, label - 8, rowHeight), Qt::AlignVCenter, icons.at(row));
        int column = 0;
        for (const QColor &background : backgrounds) {
            for (int size : VocalyneIconNames::IconSizes) {
                const QRect box(label + column * cell, y, cell, rowHeight);
                painter.fillRect(box, background);
                const QPixmap pixmap(VocalyneIconNames::sizedPath(icons.at(row), size));
                if (pixmap.isNull())
                    ++missing;
                painter.drawPixmap(box.x() + (cell - size) / 2, y + (rowHeight - size) / 2, pixmap);
                ++column;
            }
        }
    }
    const int y = int(icons.size()) * rowHeight + 20;
    const QPixmap splash(VocalyneIconNames::path(VocalyneIconNames::Splash));
    const QPixmap appIcon(VocalyneIconNames::path(VocalyneIconNames::App));
    const QPixmap tray(VocalyneIconNames::path(VocalyneIconNames::Tray));
    missing += int(splash.isNull()) + int(appIcon.isNull()) + int(tray.isNull());
    painter.drawPixmap(10, y, splash);
    painter.drawPixmap(500, y, appIcon);
    painter.fillRect(QRect(500 + 256 - 40, y + 256, 40, 40), backgrounds[1]);
    painter.drawPixmap(500 + 256 - 36, y + 260, tray);
    painter.end();

    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    if (missing > 0) {
        std::fprintf(stderr, "%d pictures did not load\n", missing);
        return 1;
    }
    return 0;
}
