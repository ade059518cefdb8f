// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/AboutUnit.h"

#include "common/Site.h"
#include "platform/Environment.h"
#include "ui_AboutUnit.h"
#include "widgets/DialogFrame.h"
#include "widgets/ErrorGuard.h"
#include "widgets/Resources.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

TAboutForm* AboutForm = nullptr;

TClickSurface::TClickSurface(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
}

void TClickSurface::mousePressEvent(QMouseEvent* event) {
    Pressed = event->button() == Qt::LeftButton;
}

void TClickSurface::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a left press and its release both on the strip.
    const bool click = Pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    Pressed = false;
    if (click)
        emit Clicked();
}

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TAboutForm>()) {
    widgets::InitResources();
    ui->setupUi(this);
    Image = ui->Image;
    URLClick = ui->URLClick;
    widgets::SetupDialog(this, {360, 206}, widgets::TTitleButtons::CloseBox);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    connect(URLClick, &TClickSurface::Clicked, this,
            [this] { widgets::Guarded([this] { URLClickClick(); }); });
}

TAboutForm::~TAboutForm() {
    if (AboutForm == this)
        AboutForm = nullptr;
}

void TAboutForm::showEvent(QShowEvent* event) {
    if (Image->pixmap().isNull())
        Image->setPixmap(
            widgets::ResourcePicture(QStringLiteral(":/images/about.bmp"), devicePixelRatioF()));
    QDialog::showEvent(event);
}

void TAboutForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    Image->clear();
}

int TAboutForm::ShowModal() {
    exec();
    return 2;
}

void TAboutForm::URLClickClick() {
    // The outcome is not examined: without a browser the box still closes.
    platform::OpenUrl(site::AboutUrl());
    reject();
}
