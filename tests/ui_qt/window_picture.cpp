#include "ui_qt/window_picture.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <iostream>

namespace tvx::testing {

void saveWindowPicture(QWidget& window, const QString& path) {
    QApplication::processEvents();
    const QPixmap inside = window.grab();
    const int bar = window.fontMetrics().height() + 12;
    QImage picture(inside.width() + 2, inside.height() + bar + 1, QImage::Format_RGB32);
    picture.fill(QColor(0x8a, 0x8a, 0x8a));
    QPainter painter(&picture);
    painter.fillRect(1, 1, inside.width(), bar - 1, QColor(0x2b, 0x57, 0x9a));
    painter.setPen(Qt::white);
    QFont font = window.font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(10, 1, inside.width() - 20, bar - 1), Qt::AlignVCenter | Qt::AlignLeft,
                     window.windowTitle());
    painter.drawPixmap(1, bar, inside);
    painter.end();
    if (!picture.save(path)) std::cerr << "could not write " << path.toStdString() << '\n';
    std::cout << path.toStdString() << '\n';
}

}  // namespace tvx::testing
