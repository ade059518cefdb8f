// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about box: a fixed picture naming the program, with one strip that opens the
// maker's page in the browser and closes the box.

#include <QDialog>
#include <QWidget>
#include <memory>

namespace Ui {
class TAboutForm;
}
class QLabel;

// A transparent surface that only takes clicks; the picture under it shows through.
class TClickSurface : public QWidget {
    Q_OBJECT
public:
    explicit TClickSurface(QWidget* parent = nullptr);

signals:
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool Pressed = false;
};

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);
    ~TAboutForm() override;

    QLabel* Image;
    TClickSurface* URLClick;

    // Shows the box modally; the result is always the cancel result.
    int ShowModal();
    void URLClickClick();

protected:
    // The picture is held only while the box is shown: a clock runs all day, its about
    // box is seldom seen.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    std::unique_ptr<Ui::TAboutForm> ui;
};

// The one about box of the program, made by the program entry; null until then.
extern TAboutForm* AboutForm;
