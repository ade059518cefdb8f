// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainUnit.h"

#include "platform/DesktopNotifier.h"
#include "platform/Environment.h"
#include "platform/X11Window.h"
#include "presets/DateTimePick.h"
#include "presets/Pickers.h"
#include "shell/AboutUnit.h"
#include "shell/TrayIcon.h"
#include "skins/Skin.h"
#include "skins/SkinChooserUnit.h"
#include "store/Keys.h"
#include "store/SettingsStore.h"
#include "ui_MainUnit.h"
#include "widgets/DialogFrame.h"
#include "widgets/ErrorGuard.h"
#include "widgets/Resources.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>

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

    // The tray icon as the layout gives it: shown at once, the menu on the right button's
    // release, no mouse action restoring the window. A desktop without a notification
    // area does not stop the clock: Qt docks the icon when one comes up.
    TrayIcon = new TTrayIcon(this);
    try {
        TrayIcon->SetVisible(true);
    } catch (const ETrayIconError&) {
    }
    TrayIcon->Hide = true;
    TrayIcon->RestoreOn = imNone;
    TrayIcon->PopupMenuOn = imRightClickUp;

    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowIcon(ProgramIcon());
    setFixedSize(250, 90);
    move(204, 134); // the design position; placement centres it unless a stored one differs
    Face = std::make_unique<TClockFace>(
        this, Back, std::array<TPaintBox*, 4>{DaysPaint, HoursPaint, MinutesPaint, SecondsPaint});
    for (TPaintBox* box : {DaysPaint, HoursPaint, MinutesPaint, SecondsPaint})
        box->OnPaint = [this](TPaintBox* sender) { PaintTimePaint(sender); };

    SecTimer = new QTimer(this);
    SecTimer->setInterval(1000);
    // Each tick sets the next one just after the wall clock's next second: a coarse timer
    // would let Qt shift it by up to 50 ms.
    SecTimer->setTimerType(Qt::PreciseTimer);
    connect(SecTimer, &QTimer::timeout, this,
            [this] { widgets::Guarded([this] { SecTimerTimer(); }); });
    // On a screen of another scale the skin's picture is chosen again.
    Back->OnRatioChange = [this] {
        widgets::Guarded([this] {
            if (SkinChooser)
                SkinChooser->Catalogue.ReapplyShownSkin();
        });
    };
    // Ahead of any message: connecting to the session bus never waits in a tick.
    Notifier = new platform::TDesktopNotifier(this);
    StoreRetry = new QTimer(this);
    StoreRetry->setInterval(1000);
    connect(StoreRetry, &QTimer::timeout, this,
            [this] { widgets::Guarded([this] { StoreRetryTimer(); }); });
    RandomTimer = new QTimer(this);
    RandomTimer->setInterval(300000);
    RandomTimer->setTimerType(Qt::PreciseTimer); // a restart must really start the full wait
    connect(RandomTimer, &QTimer::timeout, this,
            [this] { widgets::Guarded([this] { RandomTimerTimer(); }); });

    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                // Only the step from active to inactive counts as losing activation.
                const bool wasActive = ApplicationActive;
                ApplicationActive = state == Qt::ApplicationActive;
                if (wasActive && !ApplicationActive)
                    widgets::Guarded([this] { ApplicationEvents1Deactivate(); });
            });

    // Monitors plugged in or out, or moved: the clock follows once the changes settle.
    ScreensSettle = new QTimer(this);
    ScreensSettle->setSingleShot(true);
    ScreensSettle->setInterval(100);
    connect(ScreensSettle, &QTimer::timeout, this,
            [this] { widgets::Guarded([this] { ScreensChanged(); }); });
    const auto watch = [this](QScreen* screen) {
        connect(screen, &QScreen::geometryChanged, ScreensSettle, qOverload<>(&QTimer::start));
    };
    for (QScreen* screen : QGuiApplication::screens())
        watch(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, [this, watch](QScreen* screen) {
        watch(screen);
        ScreensSettle->start();
    });
    connect(qApp, &QGuiApplication::screenRemoved, ScreensSettle, qOverload<>(&QTimer::start));
    Layout = platform::ScreenLayout();

    // The native window is made at the first show, with the options the stored settings
    // give it; the skip-taskbar state goes on it before it is mapped.
    platform::SetSkipTaskbar(this);

    BuildPopupMenu();
    TrayIcon->PopupMenu = PopupMenu;
    auto* traySeparator = new QAction(this);
    traySeparator->setSeparator(true);
    TrayIcon->TrayItems = {traySeparator, ClickThrough};
    TrayIcon->OnGone = [this] { TrayGone(); };
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
        delete DateTimeDialog;
        DateTimeDialog = nullptr;
        delete SkinChooser; // writes the clock's skin settings
        SkinChooser = nullptr;
    }
    // Said once, at the end: the changes that could not land in the whole run.
    if (const QString lost = Stored.NotKept(); !lost.isEmpty())
        std::fprintf(stderr, "korvane5: %s\n",
                     tr("the settings store %1 could not be written: what was changed in "
                        "this run is not kept (%2)")
                         .arg(store.FilePath(), lost)
                         .toLocal8Bit()
                         .constData());
    ClockKey.clear();
}

QAction* TMainForm::AddItem(QMenu* menu, const QString& caption, void (TMainForm::*handler)(),
                            int image) {
    QAction* item = menu->addAction(caption);
    if (image >= 0)
        item->setIcon(ImageList.value(image));
    if (image == OptionItem) {
        item->setCheckable(true);
        // The option handlers toggle the check themselves (they also apply the stored
        // settings), so the toggle Qt makes on a click is taken back before they run.
        connect(item, &QAction::triggered, this,
                [item](bool checked) { item->setChecked(!checked); });
    }
    connect(item, &QAction::triggered, this,
            [this, handler] { widgets::Guarded([this, handler] { (this->*handler)(); }); });
    return item;
}

QAction* TMainForm::AddRadio(QMenu* menu, QActionGroup* group, const QString& caption, int tag,
                             void (TMainForm::*handler)(QAction*)) {
    QAction* item = menu->addAction(caption);
    item->setData(tag);
    item->setCheckable(true);
    group->addAction(item);
    connect(item, &QAction::triggered, this, [this, item, handler] {
        widgets::Guarded([this, item, handler] { (this->*handler)(item); });
    });
    return item;
}

QList<QAction*> TMainForm::AddRadioGroup(QMenu* menu, std::span<const int> tags,
                                         const std::function<QString(int)>& caption,
                                         void (TMainForm::*handler)(QAction*)) {
    auto* group = new QActionGroup(menu);
    QList<QAction*> items;
    for (const int tag : tags)
        items << AddRadio(menu, group, caption(tag), tag, handler);
    return items;
}

void TMainForm::BuildPopupMenu() {
    for (int i = 0; i < 5; ++i)
        ImageList << widgets::ResourcePictureIcon(QStringLiteral(":/images/menu%1.png").arg(i),
                                                  devicePixelRatioF());

    PopupMenu = new QMenu(this);
    widgets::ReleaseWhenHidden(PopupMenu);
    SelectClock = PopupMenu->addMenu(ImageList.value(3), tr("Select &Clock"));
    auto* clocks = new QActionGroup(SelectClock);
    for (int i = 0; i < ClockCount; ++i)
        AddRadio(SelectClock, clocks, tr("Clock %1").arg(i + 1), i, &TMainForm::ClockItemClick);

    ChooseDateTime =
        AddItem(PopupMenu, tr("Choose &Date/Time..."), &TMainForm::ChooseDateTimeClick, 0);
    ChooseSkin1 = AddItem(PopupMenu, tr("Choose &Skin..."), &TMainForm::ChooseSkin1Click, 1);

    // The tags of the two radio choices are the values a clock's settings accept.
    RandomSkinChangeTime = PopupMenu->addMenu(tr("R&andom Skin Change Time"));
    const QList<QAction*> intervals = AddRadioGroup(
        RandomSkinChangeTime, store::RandomTimes,
        [](int m) { return tr("&%n Minutes", nullptr, m); }, &TMainForm::RandomTimeChange);
    N5Minutes = intervals[0];
    N10Minutes = intervals[1];
    N20Minutes = intervals[2];
    N30Minutes = intervals[3];
    N60Minutes = intervals[4];
    N5Minutes->setChecked(true);

    Opacity = PopupMenu->addMenu(tr("&Opacity"));
    const QList<QAction*> percents = AddRadioGroup(
        Opacity, store::Opacities,
        [](int alpha) { return tr("&%n Percent", nullptr, alpha * 100 / 255); },
        &TMainForm::OpacityChange);
    N20Opacity = percents[0];
    N40Opacity = percents[1];
    N60Opacity = percents[2];
    N80Opacity = percents[3];
    N100Opacity = percents[4];
    N100Opacity->setChecked(true);

    PopupMenu->addSeparator();
    RunStartup = AddItem(PopupMenu, tr("&Run This Clock At Startup"), &TMainForm::RunStartupClick,
                         OptionItem);
    StickToDesktop =
        AddItem(PopupMenu, tr("S&tick To Desktop"), &TMainForm::StickToDesktopClick, OptionItem);
    AlwaysOnTop =
        AddItem(PopupMenu, tr("A&lways On Top"), &TMainForm::AlwaysOnTopClick, OptionItem);
    HideTrayIcon =
        AddItem(PopupMenu, tr("&Hide Tray Icon"), &TMainForm::HideTrayIconClick, OptionItem);

    PopupMenu->addSeparator();
    About1 = AddItem(PopupMenu, tr("A&bout..."), &TMainForm::About1Click, 4);
    Exit = AddItem(PopupMenu, tr("E&xit"), &TMainForm::ExitClick, 2);
    Exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    addAction(Exit); // the shortcut works on the clock window, not only in the open menu

    // Made as the menu's options are, then left to the tray icon's menu: it is turned off
    // where the clock itself cannot be clicked.
    ClickThrough =
        AddItem(PopupMenu, tr("L&et Clicks Through"), &TMainForm::ClickThroughClick, OptionItem);
    PopupMenu->removeAction(ClickThrough);
}

QAction* TMainForm::ClockItem(int index) const {
    return SelectClock->actions().at(index);
}

void TMainForm::ClockItemClick(QAction* item) {
    // The window shows (or the switch ends) soon, whatever holds the store: what cannot be
    // read in that time is read by ReadRetryTimer.
    const store::TSettingsStore::TWait wait(store::TSettingsStore::User(), ActivationWaitMs);
    if (!ClockKey.isEmpty()) {
        SaveSettings();
        StartupClock = false;
    }
    item->setChecked(true);
    ClockIndex = item->data().toInt();
    ClockKey = store::keys::ClockKey(ClockIndex);
    // What the clock left behind could not save waits with its settings, and is written by
    // the retry; its skin chooser, deleted below, still writes to them.
    Stored.Activate(ClockIndex);
    TrayIcon->SetHint(tr("Clock %1").arg(ClockIndex + 1));
    setAccessibleName(tr("Korvane5, Clock %1").arg(ClockIndex + 1));
    LoadSettings();
    // A clock never saved before explains itself, once the window is there.
    HintPending = FirstStart;
    if (HintPending && Shown)
        Tell(tr("Right-click the clock to choose the moment to count down to."));
    delete SkinChooser;
    SkinChooser = nullptr;
    SkinChooser = new TSkinChooserForm(this, this, Stored.Active(), QStringLiteral("Default"));
    UpdateStoreRetry();
    SecTimerTimer();
    if (Shown)
        ReportStoreNotice(); // at start-up, once the window shows
}

void TMainForm::FormShow() {
    platform::SetSkipTaskbar(this);
    SecTimerTimer();
    if (HintPending)
        Tell(tr("Right-click the clock to choose the moment to count down to."));
}

void TMainForm::Tell(const QString& body) {
    HintPending = false;
    // The desktop's notification service first; without one the tray's balloon, while the
    // icon is shown; without either, nothing.
    const QString summary = tr("Clock %1").arg(ClockIndex + 1);
    Notifier->Send({QStringLiteral("Korvane5"), QStringLiteral("korvane5"), summary, body},
                   [tray = QPointer<TTrayIcon>(TrayIcon), summary, body](bool taken) {
                       if (!taken && tray)
                           tray->ShowMessage(summary, body);
                   });
}

void TMainForm::EndReached(TDateTime target) {
    if (!NotifyAtEnd)
        return;
    const QDateTime reached = common::ToQDateTime(target);
    const QLocale locale;
    Tell(tr("The countdown to %1 %2 has ended.")
             .arg(locale.toString(reached.date(), QLocale::LongFormat),
                  locale.toString(reached.time(), QLocale::ShortFormat)));
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

void TMainForm::StoreRetryTimer() {
    std::vector<store::TGroup> read;
    {
        const store::TSettingsStore::TWait noWait(store::TSettingsStore::User(), 0);
        try {
            read = Stored.Retry();
        } catch (const store::EStoreError&) {
            throw;
        } catch (const common::EException& e) {
            // A value of the wrong type ends the load as it would have at once: at start-up
            // the program ends after the message, on a switch the clock runs on.
            UpdateStoreRetry();
            if (!StartupClock)
                throw;
            widgets::ShowException(e.Message());
            close();
            return;
        }
    }
    for (const store::TGroup group : read) {
        if (group == store::TGroup::Clock) {
            Countdown.Restart(); // the target may be another one now
            ApplyValues();
            SecTimerTimer();
        } else if (SkinChooser) {
            SkinChooser->Catalogue.FillTree();
        }
    }
    UpdateStoreRetry();
    ReportStoreNotice();
}

void TMainForm::UpdateStoreRetry() {
    // Running only while something is unread or waits: an idle clock wakes once a second,
    // no more.
    if (!Stored.NeedsRetry())
        StoreRetry->stop();
    else if (!StoreRetry->isActive())
        StoreRetry->start();
}

void TMainForm::ReportStoreNotice() {
    QStringList notices = StoreNotices;
    StoreNotices.clear();
    if (const QString notice = store::TSettingsStore::User().TakeNotice(); !notice.isEmpty())
        notices.prepend(notice);
    if (!notices.isEmpty())
        widgets::ShowMessage(notices.join(QStringLiteral("\n\n")));
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
        EndReached(counted);
    TargetDateTime = step.Target;
    RemainingTime = step.Remaining;
    if (step.Words)
        setAccessibleDescription(*step.Words);
    const TCountdownParts& p = step.Parts;
    Face->ShowNumbers({p.Days, p.Hours, p.Minutes, p.Seconds});
}

TDateTimePickForm* TMainForm::EnsureDateTimeDialog() {
    // Made when first needed: most runs of a clock never open it, and its widgets, fonts
    // and library pages would cost about a mebibyte all day.
    if (!DateTimeDialog)
        DateTimeDialog = new TDateTimePickForm(this);
    return DateTimeDialog;
}

void TMainForm::TakePickedTarget(TDateTime now) {
    if (DateTimeDialog) {
        const TDateTime time = DateTimeDialog->TimePicker->DateTime();
        DateTimeDialog->DatePicker->SetTime(time);
        TargetDateTime = DateTimeDialog->DatePicker->DateTime();
    } else {
        // The pickers would still hold what they are made with.
        TargetDateTime =
            common::ReplaceTime(TDateTimePickForm::InitialDate(), TDateTimePickForm::InitialTime());
    }
    TargetDateTime = TCountdown::NotBefore(TargetDateTime, now);
}

void TMainForm::PaintTimePaint(TPaintBox* sender) {
    Face->Paint(sender);
}

void TMainForm::RandomTimerTimer() {
    if (!SkinChooser)
        return;
    const TSkinNode* current = SkinChooser->Catalogue.CurrentNode;
    if (current && current->IsRandom())
        SkinChooser->Catalogue.ChooseRandomSkin();
}

void TMainForm::ApplySkin(std::unique_ptr<TSkin> skin) {
    Face->ApplySkin(*skin);
}

void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The native window exists now: the first placement is made exact.
    if (!Shown && CentreOnShow)
        CentreOnScreen();
    else if (!Shown && Placed && Placed->Layout == pos())
        platform::PlaceWindow(this, Placed->Device);
    Shown = true;
    widgets::Guarded([this] { FormShow(); });
}

void TMainForm::closeEvent(QCloseEvent* event) {
    event->accept();
    // The native window goes with the close, so the save at destruction reads Qt's record
    // of the position: it is made right while the X server can still be asked.
    SyncPosition();
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
    // In device pixels from where the window really is: Qt's place in the window is
    // measured from its record of the window, which at 1.5 may be a pixel off.
    const QPoint p = devicePixelRatioF() == 1.0 ? event->position().toPoint()
                                                : PointerPosition(event) - WindowPosition();
    widgets::Guarded([&] { FormMouseDown(event->button(), p.x(), p.y()); });
}

void TMainForm::mouseMoveEvent(QMouseEvent* event) {
    // Measured from the pointer's place on the screen and Qt's record of the window: the
    // place in the window the event carries is from where the X server had the window,
    // which in a fast drag is often before the last move reached it (the window then
    // ends off the pointer). mapFromGlobal would ask the server as well. In device pixels,
    // so that at any scale the pressed point stays under the pointer to the pixel.
    const QPoint p = PointerPosition(event) - platform::ToDevice(this, pos());
    widgets::Guarded([&] { FormMouseMove(p.x(), p.y()); });
}

void TMainForm::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = (event->position() * devicePixelRatioF()).toPoint();
    widgets::Guarded([&] { FormMouseUp(event->button(), p.x(), p.y()); });
}

void TMainForm::FormMouseDown(Qt::MouseButton button, int x, int y) {
    if (button == Qt::LeftButton && !StickToDesktop->isChecked()) {
        SyncPosition(); // the moves of the drag start from where the window really is
        DragX = x;
        DragY = y;
    }
}

void TMainForm::FormMouseMove(int x, int y) {
    if (DragX < 0)
        return;
    // The pressed point stays under the mouse.
    const QPoint to = QPoint(x - DragX, y - DragY) + platform::ToDevice(this, pos());
    PlaceAt(to);
    Settings().Change(store::TSetting::Left, to.x());
    Settings().Change(store::TSetting::Top, to.y());
}

void TMainForm::FormMouseUp(Qt::MouseButton button, int, int) {
    if (button == Qt::LeftButton)
        DragX = DragY = -1;
}

bool TMainForm::StaysOnTop() const {
    return AlwaysOnTop->isChecked();
}

QPoint TMainForm::WindowPosition() const {
    if (const std::optional<QPoint> real = platform::ServerOrigin(this))
        return *real;
    // Without a native window Qt's record in layout pixels is all there is, which at a
    // scale above 1 cannot name every device pixel: where the clock placed or found the
    // window stands for it while that record is unchanged.
    if (Placed && Placed->Layout == pos())
        return Placed->Device;
    return platform::ClientOrigin(this);
}

QPoint TMainForm::PointerPosition(const QMouseEvent* event) const {
    // Qt gives the pointer's place in whole layout pixels: at 1.5 that is up to a device
    // pixel off, so the X server is asked.
    if (devicePixelRatioF() != 1.0)
        if (const std::optional<QPoint> pointer = platform::PointerPosition())
            return *pointer;
    return platform::ToDevice(this, event->globalPosition());
}

QPoint TMainForm::SyncPosition() {
    const QPoint real = WindowPosition();
    if (platform::ToLayout(this, real) != pos())
        platform::PlaceWindow(this, real); // the window manager keeps it there, Qt records it
    Placed = TPlace{real, pos()};
    return real;
}

void TMainForm::PlaceAt(QPoint device) {
    platform::PlaceWindow(this, device);
    Placed = TPlace{device, pos()};
}

void TMainForm::ScreensChanged() {
    const common::TLayout layout = platform::ScreenLayout();
    if (layout.empty() || common::SameLayout(layout, Layout))
        return;
    // Where the clock last put the window counts for the layout before: the window manager
    // may have moved it already when its monitor went.
    using enum store::TSetting;
    store::TClockSettings& settings = Settings();
    common::TPlaces places = common::PlacesFromText(settings.Text(Places));
    if (!Layout.empty())
        places = common::Remember(places, Layout, Placed ? Placed->Device : WindowPosition(),
                                  DeviceSize());
    settings.Observe(Places, common::PlacesToText(places));
    Layout = layout;
    const QPoint now = WindowPosition();
    const QPoint target = common::Place(layout, places, std::nullopt, DeviceSize())
                              .value_or(common::KeepVisible(layout, QRect(now, DeviceSize())));
    if (target != now)
        PlaceAt(target);
}

void TMainForm::CentreOnScreen() {
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const QRect area = platform::DeviceAvailableGeometry(screen);
    const QSize size = (QSizeF(this->size()) * devicePixelRatioF()).toSize();
    PlaceAt(area.topLeft() +
            QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2));
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
    EnsureDateTimeDialog();
    DateTimeDialog->DatePicker->SetDateTime(TargetDateTime);
    DateTimeDialog->TimePicker->SetTime(DateTimeDialog->DatePicker->DateTime());
    DateTimeDialog->SetStayOnTop(StaysOnTop());
    if (DateTimeDialog->ShowModal() == 1) {
        Countdown.Restart(); // another target: it is counted down from here
        TakePickedTarget(platform::Now());
        Settings().Change(store::TSetting::CustomDateTime, TargetDateTime);
        SecTimerTimer();
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
