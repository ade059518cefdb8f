// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of bench/idle.sh: a bare Qt 6 frameless window whose label shows a number
// that changes once a second, as plain as a Qt clock can be.

#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label;
    label.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    label.setFixedSize(250, 90);
    label.setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(24);
    font.setBold(true);
    label.setFont(font);
    int seconds = 59;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &label, [&] {
        seconds = seconds == 0 ? 59 : seconds - 1;
        label.setText(QString::number(seconds));
    });
    tick.start(1000);
    label.setText(QString::number(seconds));
    label.show();
    return app.exec();
}
