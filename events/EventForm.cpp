// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/EventForm.h"

#include "events/Schedule.h"
#include "presets/Pickers.h"
#include "ui_EventForm.h"
#include "widgets/DialogFrame.h"
#include "widgets/ErrorGuard.h"

#include <QLocale>
#include <QStandardItemModel>
#include <QTimeZone>
#include <algorithm>

using events::TRepeatKind;

namespace {

constexpr TRepeatKind OfferedKinds[] = {TRepeatKind::Once,         TRepeatKind::Yearly,
                                        TRepeatKind::MonthlyOnDay, TRepeatKind::MonthlyOnWeekday,
                                        TRepeatKind::Weekly,       TRepeatKind::Daily};

// The ends of a rule as EndsBox lists them, and the page of EndsDetail for each.
enum TEnds { Never = 0, OnDate = 1, AfterTimes = 2 };

// The locale's short date with the year in full (a two-digit year cannot name every
// year), and its time to the second.
QString StartFormat() {
    const QLocale locale;
    QString date = locale.dateFormat(QLocale::ShortFormat);
    if (!date.contains(QLatin1String("yyyy")))
        date.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    QString time = WithoutTimeZone(locale.timeFormat(QLocale::LongFormat));
    if (!time.contains(u's'))
        time = QStringLiteral("HH:mm:ss");
    return date + QLatin1Char(' ') + time;
}

// The first moment is a wall clock of the event's zone, which may not exist in local time
// (a daylight-saving gap): the edit holds it as UTC, which has none.
QDateTime Wall(const QDate& date, const QTime& time) {
    return QDateTime(date, time, QTimeZone::utc());
}

} // namespace

TEventForm::TEventForm(QWidget* owner) : QDialog(owner), ui(std::make_unique<Ui::TEventForm>()) {
    ui->setupUi(this);
    widgets::SetupDialog(this, size(), widgets::TTitleButtons::CloseBox);

#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    ui->StartEdit->setTimeZone(QTimeZone::utc());
#else
    ui->StartEdit->setTimeSpec(Qt::UTC);
#endif
    ui->StartEdit->setMinimumDateTime(Wall(QDate(1, 1, 1), QTime(0, 0)));
    ui->StartEdit->setMaximumDateTime(Wall(QDate(9999, 12, 31), QTime(23, 59, 59)));
    ui->StartEdit->setDisplayFormat(StartFormat());
    ui->UntilEdit->setMinimumDate(QDate(1, 1, 1));
    ui->UntilEdit->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));

    QCheckBox* const days[] = {ui->Weekday1, ui->Weekday2, ui->Weekday3, ui->Weekday4,
                               ui->Weekday5, ui->Weekday6, ui->Weekday7};
    for (int day = 1; day <= 7; ++day) {
        Weekdays[day - 1] = days[day - 1];
        Weekdays[day - 1]->setText(QLocale().dayName(day, QLocale::ShortFormat));
        connect(Weekdays[day - 1], &QCheckBox::toggled, this,
                [this] { widgets::Guarded([this] { ShowChoices(); }); });
    }
    for (TRepeatKind kind : OfferedKinds)
        ui->RepeatBox->addItem(QString(), int(kind));
    ui->ZoneBox->addItem(tr("Local time"), QString());
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds())
        ui->ZoneBox->addItem(QString::fromLatin1(id), QString::fromLatin1(id));

    connect(ui->StartEdit, &QDateTimeEdit::dateTimeChanged, this,
            [this] { widgets::Guarded([this] { ShowChoices(); }); });
    connect(ui->RepeatBox, &QComboBox::activated, this,
            [this] { widgets::Guarded([this] { RepeatPicked(); }); });
    connect(ui->RepeatBox, &QComboBox::currentIndexChanged, this,
            [this] { widgets::Guarded([this] { ShowChoices(); }); });
    connect(ui->EndsBox, &QComboBox::currentIndexChanged, this,
            [this] { widgets::Guarded([this] { ShowChoices(); }); });
    connect(ui->OKButton, &QPushButton::clicked, this,
            [this] { widgets::Guarded([this] { Accept(); }); });
    connect(ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    SetEvent({});
}

TEventForm::~TEventForm() = default;

int TEventForm::ShowModal() {
    return exec() == QDialog::Accepted ? 1 : 2;
}

void TEventForm::SetStayOnTop(bool onTop) {
    if (bool(windowFlags() & Qt::WindowStaysOnTopHint) != onTop)
        setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}

void TEventForm::SetEvent(const events::TEvent& event) {
    ui->NameEdit->setText(event.Name);
    const QDate date = common::DecodeDate(event.Start);
    const common::TTimeParts time = common::DecodeTime(event.Start);
    if (date.isValid())
        ui->StartEdit->setDateTime(Wall(date, QTime(time.Hour, time.Minute, time.Second)));

    const events::TRepeatChoice choice = events::ChoiceOf(event.Repeat, date);
    const int custom = ui->RepeatBox->findData(int(TRepeatKind::Custom));
    CustomRepeat = choice.Kind == TRepeatKind::Custom ? event.Repeat : QString();
    if (choice.Kind == TRepeatKind::Custom && custom < 0)
        ui->RepeatBox->addItem(QString(), int(TRepeatKind::Custom));
    else if (choice.Kind != TRepeatKind::Custom && custom >= 0)
        ui->RepeatBox->removeItem(custom);
    for (int day = 1; day <= 7; ++day)
        Weekdays[day - 1]->setChecked(
            choice.Kind == TRepeatKind::Weekly
                ? std::count(choice.Weekdays.begin(), choice.Weekdays.end(), day) > 0
                : day == date.dayOfWeek());
    ui->EndsBox->setCurrentIndex(choice.Until.isValid() ? OnDate
                                 : choice.Count > 0     ? AfterTimes
                                                        : Never);
    ui->UntilEdit->setDate(choice.Until.isValid() ? choice.Until : date.addYears(1));
    ui->CountEdit->setValue(choice.Count > 0 ? choice.Count : 10);
    ui->RepeatBox->setCurrentIndex(ui->RepeatBox->findData(int(choice.Kind)));

    // A zone the list does not have (a calendar file's own) is shown, and kept with its
    // VTIMEZONE block.
    if (!OwnZone.isEmpty())
        ui->ZoneBox->removeItem(ui->ZoneBox->findData(OwnZone));
    OwnZone.clear();
    OwnZoneDefinition.clear();
    if (ui->ZoneBox->findData(event.Zone) < 0) {
        OwnZone = event.Zone;
        ui->ZoneBox->insertItem(1, event.Zone, event.Zone);
        const QString end = QStringLiteral("END:VTIMEZONE");
        const qsizetype from = event.Repeat.indexOf(QLatin1String("BEGIN:VTIMEZONE"));
        const qsizetype to = event.Repeat.indexOf(end, from);
        if (from >= 0 && to > from)
            OwnZoneDefinition = event.Repeat.mid(from, to + end.size() - from);
    }
    ui->ZoneBox->setCurrentIndex(ui->ZoneBox->findData(event.Zone));
    // The items are in the order of the stored numbers.
    ui->AfterEndBox->setCurrentIndex(
        std::clamp(int(event.AfterEnd), 0, ui->AfterEndBox->count() - 1));
    ShowChoices();
}

events::TEvent TEventForm::Event() const {
    events::TEvent event;
    event.Name = ui->NameEdit->text();
    const QDateTime shown = ui->StartEdit->dateTime();
    TDateTime date = 0, time = 0;
    common::TryEncodeDate(shown.date().year(), shown.date().month(), shown.date().day(), date);
    common::TryEncodeTime(shown.time().hour(), shown.time().minute(), shown.time().second(), 0,
                          time);
    event.Start = common::CombineDateTime(date, time);
    event.Zone = ui->ZoneBox->currentData().toString();
    if (Kind() == TRepeatKind::Custom) {
        event.Repeat = CustomRepeat;
    } else {
        QStringList lines;
        if (!OwnZone.isEmpty() && event.Zone == OwnZone && !OwnZoneDefinition.isEmpty())
            lines << OwnZoneDefinition;
        if (const QString rule = events::RepeatFor(Choice(), StartDate()); !rule.isEmpty())
            lines << rule;
        event.Repeat = lines.join(QLatin1Char('\n'));
    }
    event.AfterEnd = events::TAfterEnd(ui->AfterEndBox->currentIndex());
    return event;
}

TRepeatKind TEventForm::Kind() const {
    return TRepeatKind(ui->RepeatBox->currentData().toInt());
}

QDate TEventForm::StartDate() const {
    return ui->StartEdit->dateTime().date();
}

events::TRepeatChoice TEventForm::Choice() const {
    events::TRepeatChoice choice;
    choice.Kind = Kind();
    if (choice.Kind == TRepeatKind::Weekly)
        for (int day = 1; day <= 7; ++day)
            if (Weekdays[day - 1]->isChecked())
                choice.Weekdays.push_back(day);
    if (ui->EndsBox->currentIndex() == OnDate)
        choice.Until = ui->UntilEdit->date();
    else if (ui->EndsBox->currentIndex() == AfterTimes)
        choice.Count = ui->CountEdit->value();
    return choice;
}

void TEventForm::RepeatPicked() {
    // A weekly rule starts on the first moment's weekday; a moment that does not come back
    // has no next one to count to.
    if (Kind() == TRepeatKind::Weekly && Choice().Weekdays.empty())
        Weekdays[StartDate().dayOfWeek() - 1]->setChecked(true);
    if (Kind() == TRepeatKind::Once &&
        ui->AfterEndBox->currentIndex() == int(events::TAfterEnd::NextOccurrence))
        ui->AfterEndBox->setCurrentIndex(int(events::TAfterEnd::AsDesigned));
}

// The words of every choice for the first moment as it stands, and which controls count.
void TEventForm::ShowChoices() {
    events::TRepeatChoice choice = Choice();
    for (int i = 0; i < ui->RepeatBox->count(); ++i) {
        choice.Kind = TRepeatKind(ui->RepeatBox->itemData(i).toInt());
        ui->RepeatBox->setItemText(i, events::KindInWords(choice, StartDate()));
    }
    const TRepeatKind kind = Kind();
    const bool rule = kind != TRepeatKind::Once && kind != TRepeatKind::Custom;
    for (QCheckBox* day : Weekdays)
        day->setEnabled(kind == TRepeatKind::Weekly);
    ui->DaysLabel->setEnabled(kind == TRepeatKind::Weekly);
    ui->EndsLabel->setEnabled(rule);
    ui->EndsBox->setEnabled(rule);
    ui->EndsDetail->setEnabled(rule);
    ui->EndsDetail->setCurrentIndex(ui->EndsBox->currentIndex());
    if (auto* items = qobject_cast<QStandardItemModel*>(ui->AfterEndBox->model()))
        items->item(int(events::TAfterEnd::NextOccurrence))->setEnabled(kind != TRepeatKind::Once);
    Relayout();
}

void TEventForm::Relayout() {
    // A dialog not shown yet lays itself out only when asked; its size follows its texts.
    layout()->invalidate();
    layout()->activate();
}

void TEventForm::Accept() {
    try {
        const events::TSchedule check(Event());
    } catch (const events::EEventError& e) {
        widgets::ShowMessage(e.Message());
        return;
    }
    accept();
}
