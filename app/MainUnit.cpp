#include "app/MainUnit.h"

#include "app/Countdown.h"
#include "app/PaintBox.h"
#include "platform/Environment.h"
#include "platform/Errors.h"
#include "platform/X11Window.h"
#include "presets/DateTimePick.h"
#include "presets/Pickers.h"
#include "ui_MainUnit.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>

int ClockNumberFromArguments(const QStringList& arguments) {
    if (arguments.isEmpty())
        return 0;
    static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]+$"));
    const QString& text = arguments.first();
    if (!decimal.match(text).hasMatch())
        return 0;
    bool ok = false;
    const int value = text.toInt(&ok, 10); // fails beyond 32 bits
    if (!ok)
        return 0;
    return qBound(0, value, TMainForm::ClockCount - 1);
}

TMainForm::TMainForm(const QStringList& arguments, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TMainForm>()) {
    ui->setupUi(this);
    Back = ui->Back;
    DaysPaint = ui->DaysPaint;
    HoursPaint = ui->HoursPaint;
    MinutesPaint = ui->MinutesPaint;
    SecondsPaint = ui->SecondsPaint;

    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(250, 90);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(24);
    font.setBold(true);
    setFont(font);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);

    for (TPaintBox* box : {DaysPaint, HoursPaint, MinutesPaint, SecondsPaint})
        box->OnPaint = [this](TPaintBox* sender) { PaintTimePaint(sender); };

    SecTimer = new QTimer(this);
    SecTimer->setInterval(1000);
    connect(SecTimer, &QTimer::timeout, this,
            [this] { platform::Guarded([this] { SecTimerTimer(); }); });
    RandomTimer = new QTimer(this);
    RandomTimer->setInterval(300000);
    connect(RandomTimer, &QTimer::timeout, this,
            [this] { platform::Guarded([this] { RandomTimerTimer(); }); });

    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                // Only the step from active to inactive counts as losing activation.
                const bool wasActive = ApplicationActive;
                ApplicationActive = state == Qt::ApplicationActive;
                if (wasActive && !ApplicationActive)
                    platform::Guarded([this] { ApplicationEvents1Deactivate(); });
            });

    // The window is created now, before it is mapped, so that task bars see the
    // skip-taskbar state from the start.
    winId();
    platform::SetSkipTaskbar(this);

    DateTimeDialog = new TDateTimePickForm(this);

    BuildPopupMenu();
    SecTimer->start();
    RandomTimer->start();

    ClockIndex = ClockNumberFromArguments(arguments);
    ClockItemClick(ClockItem(ClockIndex));
}

TMainForm::~TMainForm() {
    SaveSettings();
    delete DateTimeDialog;
    DateTimeDialog = nullptr;
    ClockKey.clear();
}

void TMainForm::BuildPopupMenu() {
    PopupMenu = new QMenu(this);
    SelectClock = PopupMenu->addMenu(QStringLiteral("Select &Clock"));
    SelectClock->setObjectName(QStringLiteral("SelectClock"));
    auto* clocks = new QActionGroup(SelectClock);
    for (int i = 0; i < ClockCount; ++i) {
        QAction* item = SelectClock->addAction(QStringLiteral("Clock %1").arg(i + 1));
        item->setData(i);
        item->setCheckable(true);
        clocks->addAction(item);
        connect(item, &QAction::triggered, this,
                [this, item] { platform::Guarded([this, item] { ClockItemClick(item); }); });
    }
}

QAction* TMainForm::ClockItem(int index) const {
    return SelectClock->actions().at(index);
}

void TMainForm::ClockItemClick(QAction* item) {
    if (!ClockKey.isEmpty())
        SaveSettings();
    item->setChecked(true);
    ClockIndex = item->data().toInt();
    ClockKey = QString::number(ClockIndex) + QLatin1Char('\\');
    LoadSettings();
    SecTimerTimer();
}

void TMainForm::FormShow() {
    platform::SetSkipTaskbar(this);
    SecTimerTimer();
}

void TMainForm::ExitClick() {
    close();
}

void TMainForm::ApplicationEvents1Deactivate() {
    SaveSettings();
}

void TMainForm::LoadSettings() {
    // The settings store reads and applies the clock's values here.
}

void TMainForm::SaveSettings() {
    // The settings store writes the clock's values here.
}

void TMainForm::SecTimerTimer() {
    const TDateTime now = platform::Now();
    RemainingTime = TargetDateTime - now;
    if (RemainingTime < 0) {
        TakePickedTarget(now);
        RemainingTime = TargetDateTime - now;
    }
    const TCountdownParts parts = SplitRemaining(RemainingTime);
    UpdateBox(DaysPaint, parts.Days);
    UpdateBox(HoursPaint, parts.Hours);
    UpdateBox(MinutesPaint, parts.Minutes);
    UpdateBox(SecondsPaint, parts.Seconds);
}

void TMainForm::UpdateBox(TPaintBox* box, std::int32_t value) {
    if (box->Tag == value)
        return;
    box->Tag = value;
    box->repaint();
}

void TMainForm::TakePickedTarget(TDateTime now) {
    const TDateTime time = DateTimeDialog->TimePicker->DateTime();
    DateTimeDialog->DatePicker->SetTime(time);
    TargetDateTime = DateTimeDialog->DatePicker->DateTime();
    if (TargetDateTime - now <= 0)
        TargetDateTime = now;
}

void TMainForm::PaintTimePaint(TPaintBox* sender) {
    const QString text = QString::number(sender->Tag);
    QPainter painter(sender);
    painter.setFont(sender->font());
    painter.setPen(sender->palette().color(QPalette::WindowText));
    const QFontMetrics metrics(sender->font());
    const int w = metrics.horizontalAdvance(text);
    const int h = metrics.height();
    const int x = sender->width() / 2 - w / 2;
    const int y = sender->height() / 2 - h / 2;
    painter.drawText(x, y + metrics.ascent(), text);
}

void TMainForm::RandomTimerTimer() {
    // The skin catalogue changes the skin here while its random entry is current.
}

void TMainForm::CentreOnScreen() {
    if (QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}

void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!Shown && CentreOnShow)
        CentreOnScreen();
    Shown = true;
    platform::Guarded([this] { FormShow(); });
}

void TMainForm::closeEvent(QCloseEvent* event) {
    event->accept();
    // Closing the main window ends the program, also with a dialog still open.
    QCoreApplication::quit();
}

void TMainForm::contextMenuEvent(QContextMenuEvent* event) {
    PopupMenu->popup(event->globalPos());
}
