// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/AntiFreeze.h"

#include "common/Errors.h"

#include <QCoreApplication>
#include <QThread>

namespace {
TAntiFreeze* Current = nullptr;
}

TAntiFreeze::TAntiFreeze() {
    if (Current)
        throw common::EException(QStringLiteral("Only one responsiveness pump may exist"));
    Current = this;
}

TAntiFreeze::~TAntiFreeze() {
    if (Current == this)
        Current = nullptr;
}

TAntiFreeze* TAntiFreeze::Instance() {
    return Current;
}

void TAntiFreeze::DoProcess() {
    TAntiFreeze* pump = Current;
    if (!pump || !pump->Active || !QCoreApplication::instance() ||
        QThread::currentThread() != QCoreApplication::instance()->thread())
        return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (pump == Current && pump->OnProcess)
        pump->OnProcess();
}
