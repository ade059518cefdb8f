// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ErrorGuard.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <memory>
#include <utility>

namespace widgets {

namespace {
std::function<void(const QString&)>& Reporter() {
    static std::function<void(const QString&)> reporter;
    return reporter;
}
std::function<void(const QString&)>& MessageReporter() {
    static std::function<void(const QString&)> reporter;
    return reporter;
}
} // namespace

void ShowException(const QString& message) {
    if (Reporter()) {
        Reporter()(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), message,
                    QMessageBox::Ok);
    box.exec();
}

void SetExceptionReporter(std::function<void(const QString&)> reporter) {
    Reporter() = std::move(reporter);
}

void ShowMessage(const QString& message) {
    if (MessageReporter()) {
        MessageReporter()(message);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), message,
                    QMessageBox::Ok);
    box.exec();
}

void SetMessageReporter(std::function<void(const QString&)> reporter) {
    MessageReporter() = std::move(reporter);
}

QTimer* GuardedTimer(QObject* owner, int intervalMs, std::function<void()> tick,
                     Qt::TimerType type) {
    auto* timer = new QTimer(owner);
    timer->setInterval(intervalMs);
    timer->setTimerType(type);
    QObject::connect(timer, &QTimer::timeout, owner, [tick = std::move(tick)] { Guarded(tick); });
    return timer;
}

void OnDeactivation(QObject* owner, std::function<void()> handler) {
    auto active = std::make_shared<bool>(qApp->applicationState() == Qt::ApplicationActive);
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, owner,
                     [active, handler = std::move(handler)](Qt::ApplicationState state) {
                         // Only the step from active to inactive counts as losing activation.
                         const bool was = std::exchange(*active, state == Qt::ApplicationActive);
                         if (was && !*active)
                             Guarded(handler);
                     });
}

} // namespace widgets
