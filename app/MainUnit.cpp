// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainUnit.h"

#include "events/EventCommands.h"
#include "platform/Environment.h"
#include "platform/X11Window.h"
#include "presets/DateTimePick.h"
#include "presets/Pickers.h"
#include "shell/AboutUnit.h"
#include "shell/ClockNotifier.h"
#include "shell/TrayIcon.h"
#include "skins/Skin.h"
#include "skins/SkinChooserUnit.h"
#include "store/Keys.h"
#include "store/SettingsStore.h"
#include "ui_MainUnit.h"
#include "widgets/DialogFrame.h"
#include "widgets/ErrorGuard.h"
#include "widgets/MenuItems.h"
#include "widgets/Resources.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <utility>

int ClockNumberFromArguments(const QStringList& arguments) {
    if (arguments.isEmpty())
        return 0;
    // Only a decimal number, with an optional sign, names a clock (a line feed may end
    // it, as it always could).
    const QString& text = arguments.first();
    const qsizetype from = text.startsWith(u'+') || text.startsWith(u'-') ? 1 : 0;
    const qsizetype to = text.endsWith(u'\n') ? text.size() - 1 : text.size();
    if (to <= from || !std::all_of(text.begin() + from, text.begin() + to,
                                   [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return 0;
    bool ok = false;
    const int value = text.toInt(&ok, 10); // fails beyond 32 bits
    if (!ok)
        return 0;
    return qBound(0, value, TMainForm::ClockCount - 1);
}

TMainForm::TMainForm(const QStringList& arguments, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TMainForm>()) {
    widgets::InitResources();
    ui->setupUi(this);
    Back = ui->Back;
    DaysPaint = ui->DaysPaint;
    HoursPaint = ui->HoursPaint;
    MinutesPaint = ui->MinutesPaint;
    SecondsPaint = ui->SecondsPaint;

    TrayIcon = TTrayIcon::ForClock(this);

    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    // A calendar file dropped on the clock gives it its event, as Import Event does.
    const auto take = [this](const events::TEvent& event) { TakeEvent(event); };
    const auto dropped = [this](const QString& path) { ImportEvent(path); };
    Events = new TEventCommands(this, take, dropped);
    setWindowIcon(ProgramIcon());
    setFixedSize(250, 90);
    move(204, 134); // the design position; placement centres it unless a stored one differs
    Face = std::make_unique<TClockFace>(
        this, Back, std::array<TPaintBox*, 4>{DaysPaint, HoursPaint, MinutesPaint, SecondsPaint});
    for (TPaintBox* box : {DaysPaint, HoursPaint, MinutesPaint, SecondsPaint})
        box->OnPaint = [this](TPaintBox* sender) { PaintTimePaint(sender); };

    // Each tick sets the next one just after the wall clock's next second: a coarse timer
    // would let Qt shift it by up to 50 ms.
    const auto tick = [this] { SecTimerTimer(); };
    SecTimer = widgets::GuardedTimer(this, 1000, tick, Qt::PreciseTimer);
    // On a screen of another scale the skin's picture is chosen again.
    Back->OnRatioChange = [this] {
        widgets::Guarded([this] {
            if (SkinChooser)
                SkinChooser->Catalogue.ReapplyShownSkin();
        });
    };
    Notices = new TClockNotifier(this, TrayIcon);
    Store = new TClockStore(
        this, {[this](store::TGroup group) { StoreRead(group); }, [this] { close(); }});
    // A restart must really start the full wait.
    const auto randomTick = [this] { RandomTimerTimer(); };
    RandomTimer = widgets::GuardedTimer(this, 300000, randomTick, Qt::PreciseTimer);

    widgets::OnDeactivation(this, [this] { ApplicationEvents1Deactivate(); });

    Placement =
        new TWindowPlacement(this, [this]() -> store::TClockSettings& { return Settings(); });

    // The native window is made at the first show, with the options the stored settings
    // give it; the skip-taskbar state goes on it before it is mapped.
    platform::SetSkipTaskbar(this);

    BuildPopupMenu();
    TrayIcon->SetMenus(PopupMenu, {ClickThrough}, [this] { TrayGone(); });
    TrayIcon->Loaded();
    SecTimer->start();
    RandomTimer->start();

    ClockIndex = ClockNumberFromArguments(arguments);
    ClockItemClick(ClockItem(ClockIndex));
}

TMainForm::~TMainForm() {
    // What the user did in this run lands also when another process holds the store for a
    // moment: the exit waits for it, a bounded time.
    store::TSettingsStore& store = store::TSettingsStore::User();
    {
        const store::TSettingsStore::TWait wait(store, ExitWaitMs);
        SaveSettings();
        delete std::exchange(DateTimeDialog, nullptr);
        delete std::exchange(SkinChooser, nullptr); // writes the clock's skin settings
    }
    // Said once, at the end: the changes that could not land in the whole run.
    if (const QString lost = Store->NotKeptNotice(); !lost.isEmpty())
        std::fprintf(stderr, "korvane5: %s\n", lost.toLocal8Bit().constData());
    ClockKey.clear();
}

// The members that name the menu's submenus.
using TSubmenu = QMenu* TMainForm::*;

// Commands and options of the menu, in order: a separator where the caption is none; the
// member that names the item, where one does.
struct TMenuRow {
    const char* Caption;
    void (TMainForm::*Handler)() = nullptr;
    TAction Item = nullptr;
    int Image = -1; // in ImageList
    bool Option = false;
};
static const TMenuRow HeadRows[] = {{QT_TRANSLATE_NOOP("TMainForm", "Choose &Date/Time..."),
                                     &TMainForm::ChooseDateTimeClick, &TMainForm::ChooseDateTime,
                                     0},
                                    {QT_TRANSLATE_NOOP("TMainForm", "Choose &Skin..."),
                                     &TMainForm::ChooseSkin1Click, &TMainForm::ChooseSkin1, 1}};
static const TMenuRow TailRows[] = {
    {nullptr},
    {QT_TRANSLATE_NOOP("TMainForm", "&Run This Clock At Startup"), &TMainForm::RunStartupClick,
     &TMainForm::RunStartup, -1, true},
    {QT_TRANSLATE_NOOP("TMainForm", "S&tick To Desktop"), &TMainForm::StickToDesktopClick,
     &TMainForm::StickToDesktop, -1, true},
    {QT_TRANSLATE_NOOP("TMainForm", "A&lways On Top"), &TMainForm::AlwaysOnTopClick,
     &TMainForm::AlwaysOnTop, -1, true},
    {QT_TRANSLATE_NOOP("TMainForm", "&Hide Tray Icon"), &TMainForm::HideTrayIconClick,
     &TMainForm::HideTrayIcon, -1, true},
    {nullptr},
    {QT_TRANSLATE_NOOP("TMainForm", "A&bout..."), &TMainForm::About1Click, &TMainForm::About1, 4},
    {QT_TRANSLATE_NOOP("TMainForm", "E&xit"), &TMainForm::ExitClick, &TMainForm::Exit, 2},
    // After the designed items.
    {nullptr},
    {QT_TRANSLATE_NOOP("TMainForm", "E&vent..."), &TMainForm::EventClick},
    {QT_TRANSLATE_NOOP("TMainForm", "&Import Event..."), &TMainForm::ImportEventClick},
    // Made as the menu's options are, then left to the tray icon's menu: it is turned off
    // where the clock itself cannot be clicked.
    {QT_TRANSLATE_NOOP("TMainForm", "L&et Clicks Through"), &TMainForm::ClickThroughClick,
     &TMainForm::ClickThrough, -1, true}};

// The radio items the layout names, in the order of their tags.
using TItems = std::array<TAction, 5>;
static constexpr TItems IntervalItems = {&TMainForm::N5Minutes, &TMainForm::N10Minutes,
                                         &TMainForm::N20Minutes, &TMainForm::N30Minutes,
                                         &TMainForm::N60Minutes};
static constexpr TItems OpacityItems = {&TMainForm::N20Opacity, &TMainForm::N40Opacity,
                                        &TMainForm::N60Opacity, &TMainForm::N80Opacity,
                                        &TMainForm::N100Opacity};
static constexpr std::array<int, TMainForm::ClockCount> ClockTags = {0, 1, 2, 3, 4};

// The submenus of radio items; the tags of the last two are the values a clock's settings
// accept.
struct TRadioRow {
    const char* Caption;
    TSubmenu Menu;
    int Image;
    std::span<const int> Tags;
    QString (*ItemCaption)(int tag);
    void (TMainForm::*Handler)(QAction*);
    const TItems* Items = nullptr;
    int Checked = -1; // the item checked at first
};
static const TRadioRow SelectClockRow = {QT_TRANSLATE_NOOP("TMainForm", "Select &Clock"),
                                         &TMainForm::SelectClock,
                                         3,
                                         ClockTags,
                                         ClockName,
                                         &TMainForm::ClockItemClick};
static const TRadioRow ChoiceRows[] = {
    {QT_TRANSLATE_NOOP("TMainForm", "R&andom Skin Change Time"), &TMainForm::RandomSkinChangeTime,
     -1, store::RandomTimes, [](int m) { return TMainForm::tr("&%n Minutes", nullptr, m); },
     &TMainForm::RandomTimeChange, &IntervalItems, 0},
    {QT_TRANSLATE_NOOP("TMainForm", "&Opacity"), &TMainForm::Opacity, -1, store::Opacities,
     [](int alpha) { return TMainForm::tr("&%n Percent", nullptr, alpha * 100 / 255); },
     &TMainForm::OpacityChange, &OpacityItems, 4}};

void TMainForm::AddMenuRows(std::span<const TMenuRow> rows) {
    for (const TMenuRow& row : rows) {
        const QString caption = row.Caption ? tr(row.Caption) : QString();
        QAction* item = !row.Caption ? PopupMenu->addSeparator()
                        : row.Option ? widgets::AddOption(PopupMenu, caption, this, row.Handler)
                                     : widgets::AddCommand(PopupMenu, caption, this, row.Handler,
                                                           ImageList.value(row.Image));
        if (row.Item)
            this->*row.Item = item;
    }
}

void TMainForm::AddRadioMenu(const TRadioRow& row) {
    QMenu* menu = this->*row.Menu = PopupMenu->addMenu(ImageList.value(row.Image), tr(row.Caption));
    const QList<QAction*> items =
        widgets::AddRadioGroup(menu, row.Tags, row.ItemCaption, this, row.Handler);
    for (qsizetype i = 0; row.Items && i < items.size(); ++i)
        this->*(*row.Items)[std::size_t(i)] = items[i];
    if (row.Checked >= 0)
        items[row.Checked]->setChecked(true);
}

void TMainForm::BuildPopupMenu() {
    for (int i = 0; i < 5; ++i)
        ImageList << widgets::ResourcePictureIcon(QStringLiteral(":/images/menu%1.png").arg(i),
                                                  devicePixelRatioF());
    PopupMenu = new QMenu(this);
    widgets::ReleaseWhenHidden(PopupMenu);
    AddRadioMenu(SelectClockRow);
    AddMenuRows(HeadRows);
    for (const TRadioRow& row : ChoiceRows)
        AddRadioMenu(row);
    AddMenuRows(TailRows);
    Exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    addAction(Exit); // the shortcut works on the clock window, not only in the open menu
    PopupMenu->removeAction(ClickThrough);
}

QAction* TMainForm::ClockItem(int index) const {
    return SelectClock->actions().at(index);
}

void TMainForm::ClockItemClick(QAction* item) {
    // The window shows (or the switch ends) soon, whatever holds the store: the retry reads the
    // rest.
    const store::TSettingsStore::TWait wait(store::TSettingsStore::User(), ActivationWaitMs);
    if (!ClockKey.isEmpty())
        SaveSettings();
    item->setChecked(true);
    ClockIndex = item->data().toInt();
    ClockKey = store::keys::ClockKey(ClockIndex);
    Store->Activate(ClockIndex);
    setAccessibleName(tr("Korvane5, Clock %1").arg(ClockIndex + 1));
    LoadSettings();
    Notices->Activate(ClockIndex, FirstStart);
    delete std::exchange(SkinChooser, nullptr);
    SkinChooser = new TSkinChooserForm(this, this, Store->Active(), QStringLiteral("Default"));
    Store->UpdateRetry();
    SecTimerTimer();
    if (Shown)
        ReportStoreNotice(); // at start-up, once the window shows
}

void TMainForm::FormShow() {
    platform::SetSkipTaskbar(this);
    SecTimerTimer();
    Notices->WindowShown();
}

void TMainForm::ExitClick() {
    close();
}

void TMainForm::ApplicationEvents1Deactivate() {
    // Never a wait here for another process that holds the store: the interface goes on,
    // the save is tried again between events for a second, then left to the next moment.
    const store::TSettingsStore::TWait noWait(store::TSettingsStore::User(), 0);
    SaveSettings();
    ReportStoreNotice();
}

void TMainForm::StoreRead(store::TGroup group) {
    if (group == store::TGroup::Clock) {
        Countdown.Restart(); // the target may be another one now
        ApplyValues();
        SecTimerTimer();
    } else if (SkinChooser) {
        SkinChooser->Catalogue.FillTree();
    }
}

void TMainForm::ReportStoreNotice() {
    if (const QString notices = Store->TakeNotices(); !notices.isEmpty())
        widgets::ShowMessage(notices);
}

void TMainForm::SecTimerTimer() {
    const TDateTime now = platform::Now();
    SecTimer->start(MillisecondsToNextTick(now));
    // The target this tick counts to: a passed one gives way to the pickers' during the step.
    const TDateTime counted = TargetDateTime;
    const TCountdown::TStep step = Countdown.Step(counted, now, [this, now] {
        TakePickedTarget(now);
        return TargetDateTime;
    });
    if (step.EndedNow)
        Notices->EndReached(counted, Countdown.Event.Event().Name);
    TargetDateTime = step.Target;
    RemainingTime = step.Remaining;
    if (step.Words)
        setAccessibleDescription(*step.Words);
    if (std::exchange(Since, step.Since) != step.Since)
        ShowTitle();
    Face->ShowNumbers(step.Parts.Numbers());
}

TDateTimePickForm* TMainForm::EnsureDateTimeDialog() {
    // Made when first needed: most runs of a clock never open it, and its widgets, fonts
    // and library pages would cost about a mebibyte all day.
    if (!DateTimeDialog)
        DateTimeDialog = new TDateTimePickForm(this);
    return DateTimeDialog;
}

void TMainForm::TakePickedTarget(TDateTime now) {
    TargetDateTime = TCountdown::NotBefore(TDateTimePickForm::Picked(DateTimeDialog), now);
}

void TMainForm::PaintTimePaint(TPaintBox* sender) {
    Face->Paint(sender);
}

void TMainForm::RandomTimerTimer() {
    if (SkinChooser)
        SkinChooser->Catalogue.RandomTimeCame();
}

void TMainForm::ApplySkin(std::unique_ptr<TSkin> skin) {
    Face->ApplySkin(*skin);
}

void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Placement->Shown();
    Shown = true;
    widgets::Guarded([this] { FormShow(); });
}

void TMainForm::closeEvent(QCloseEvent* event) {
    event->accept();
    // The native window goes with the close, so the save at destruction reads Qt's record
    // of the position: it is made right while the X server can still be asked.
    Placement->Sync();
    // Closing the main window ends the program, also with a dialog still open; a preset
    // fetch under way ends first, so nothing is destroyed under it.
    if (DateTimeDialog)
        DateTimeDialog->AbortFetch();
    platform::QuitApplication(); // every loop ends, a modal dialog's included
}

void TMainForm::contextMenuEvent(QContextMenuEvent* event) {
    PopupMenu->popup(event->globalPos());
}

void TMainForm::mousePressEvent(QMouseEvent* event) {
    const QPoint p = Placement->PressedAt(event);
    widgets::Guarded([&] { FormMouseDown(event->button(), p.x(), p.y()); });
}

void TMainForm::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = Placement->DraggedTo(event);
    widgets::Guarded([&] { FormMouseMove(p.x(), p.y()); });
}

void TMainForm::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = (event->position() * devicePixelRatioF()).toPoint();
    widgets::Guarded([&] { FormMouseUp(event->button(), p.x(), p.y()); });
}

void TMainForm::FormMouseDown(Qt::MouseButton button, int x, int y) {
    if (button == Qt::LeftButton && !StickToDesktop->isChecked()) {
        Placement->Sync(); // the moves of the drag start from where the window really is
        DragX = x;
        DragY = y;
    }
}

void TMainForm::FormMouseMove(int x, int y) {
    if (DragX < 0)
        return;
    // The pressed point stays under the mouse.
    Placement->MoveTo(QPoint(x - DragX, y - DragY) + platform::ToDevice(this, pos()));
}

void TMainForm::FormMouseUp(Qt::MouseButton button, int, int) {
    if (button == Qt::LeftButton)
        DragX = DragY = -1;
}

bool TMainForm::StaysOnTop() const {
    return AlwaysOnTop->isChecked();
}

QPoint TMainForm::WindowPosition() const {
    return Placement->Position();
}

void TMainForm::AlwaysOnTopClick() {
    AlwaysOnTop->setChecked(!AlwaysOnTop->isChecked());
    Settings().Change(store::TSetting::AlwaysOnTop, AlwaysOnTop->isChecked());
    platform::SetStaysOnTop(this, AlwaysOnTop->isChecked());
}

void TMainForm::StickToDesktopClick() {
    DragX = DragY = -1;
    StickToDesktop->setChecked(!StickToDesktop->isChecked());
    Settings().Change(store::TSetting::StickToDesktop, StickToDesktop->isChecked());
}

void TMainForm::HideTrayIconClick() {
    HideTrayIcon->setChecked(!HideTrayIcon->isChecked());
    Settings().Change(store::TSetting::HideTray, HideTrayIcon->isChecked());
    TrayIcon->SetVisible(!HideTrayIcon->isChecked());
}

void TMainForm::ClickThroughClick() {
    const bool on = !ClickThrough->isChecked();
    // Only while the tray icon is there to turn it off again: a clock that takes no click
    // and has no icon could not be reached at all.
    if (on && (HideTrayIcon->isChecked() || !TrayIcon->Present()))
        return;
    SetClickThrough(on);
    Settings().Change(store::TSetting::ClickThrough, on);
}

void TMainForm::SetClickThrough(bool on) {
    ClickThrough->setChecked(on);
    HideTrayIcon->setEnabled(!on);
    DragX = DragY = -1;
    platform::SetTransparentForInput(this, on);
}

void TMainForm::TrayGone() {
    if (ClickThrough->isChecked())
        SetClickThrough(false);
}

void TMainForm::RunStartupClick() {
    RunStartup->setChecked(!RunStartup->isChecked());
}

void TMainForm::OpacityChange(QAction* item) {
    item->setChecked(true);
    AlphaValue = qBound(0, item->data().toInt(), 255);
    Settings().Change(store::TSetting::Opacity, std::int32_t(AlphaValue));
    setWindowOpacity(AlphaBlend() ? AlphaValue / 255.0 : 1.0);
    platform::FlushDisplay(); // the X server sees the new opacity only with later traffic
}

void TMainForm::RandomTimeChange(QAction* item) {
    item->setChecked(true);
    RandomTimer->stop();
    RandomTimer->setInterval(item->data().toInt() * 60000);
    Settings().Change(store::TSetting::RandomTime, std::int32_t(item->data().toInt()));
    RandomTimer->start();
}

void TMainForm::ChooseDateTimeClick() {
    EnsureDateTimeDialog()->Seed(TargetDateTime, StaysOnTop());
    if (DateTimeDialog->ShowModal() == 1) {
        TakePickedTarget(platform::Now());
        TakeEvent(Countdown.Event.StartingAt(TargetDateTime));
    }
}

void TMainForm::ChooseSkin1Click() {
    SkinChooser->SetStayOnTop(StaysOnTop());
    SkinChooser->exec();
}

void TMainForm::About1Click() {
    if (AboutForm)
        AboutForm->ShowModal();
}

void TMainForm::TakeEvent(const events::TEvent& event) {
    Countdown.Restart(); // another target: it is counted down from here
    Countdown.Event.Change(Settings(), event);
    TargetDateTime = Countdown.Event.TargetAt(platform::Now());
    ShowTitle();
    SecTimerTimer();
}

void TMainForm::ShowTitle() {
    TrayIcon->SetHint(
        Countdown.Event.Title(ClockIndex, Since ? std::optional(TargetDateTime) : std::nullopt));
}

void TMainForm::EventClick() {
    Events->Edit(Countdown.Event.AsCounted(TargetDateTime), StaysOnTop());
}

void TMainForm::ImportEventClick() {
    Events->PickFile(Countdown.Event.Event(), StaysOnTop());
}

void TMainForm::ImportEvent(const QString& path) {
    Events->Import(path, Countdown.Event.Event(), StaysOnTop());
}
