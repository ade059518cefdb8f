// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/DateTimePick.h"

#include "common/Site.h"
#include "platform/Environment.h"
#include "presets/AntiFreeze.h"
#include "presets/HttpClient.h"
#include "presets/Pickers.h"
#include "presets/PresetDocument.h"
#include "ui_DateTimePick.h"
#include "widgets/DialogFrame.h"
#include "widgets/ErrorGuard.h"

namespace {
TDateTime Moment(int y, int mo, int d, int h, int mi, int s) {
    TDateTime date = 0, time = 0;
    common::TryEncodeDate(y, mo, d, date);
    common::TryEncodeTime(h, mi, s, 0, time);
    return common::CombineDateTime(date, time);
}

// Every leading and trailing byte up to 0x20.
std::string TrimBody(const std::string& body) {
    std::size_t b = 0, e = body.size();
    while (b < e && static_cast<unsigned char>(body[b]) <= 0x20)
        ++b;
    while (e > b && static_cast<unsigned char>(body[e - 1]) <= 0x20)
        --e;
    return body.substr(b, e - b);
}
} // namespace

TDateTime TDateTimePickForm::InitialDate() {
    return Moment(2002, 10, 10, 15, 26, 50);
}

TDateTime TDateTimePickForm::InitialTime() {
    return Moment(2002, 10, 10, 19, 0, 0);
}

void TDateTimePickForm::Seed(TDateTime moment, bool onTop) {
    DatePicker->SetDateTime(moment);
    TimePicker->SetTime(DatePicker->DateTime());
    SetStayOnTop(onTop);
}

TDateTime TDateTimePickForm::Picked(TDateTimePickForm* dialog) {
    if (!dialog)
        return common::ReplaceTime(InitialDate(), InitialTime());
    dialog->DatePicker->SetTime(dialog->TimePicker->DateTime());
    return dialog->DatePicker->DateTime();
}

TDateTimePickForm::TDateTimePickForm(QWidget* owner)
    : QDialog(owner), HTTP(std::make_unique<THttpClient>()),
      AntiFreeze(std::make_unique<TAntiFreeze>()), ui(std::make_unique<Ui::TDateTimePickForm>()) {
    ui->setupUi(this);
    DatePicker = ui->DatePicker;
    Label1 = ui->Label1;
    Label2 = ui->Label2;
    TimePicker = ui->TimePicker;
    OKButton = ui->OKButton;
    CancelButton = ui->CancelButton;
    Bevel1 = ui->Bevel1;
    Label3 = ui->Label3;
    PresetsBox = ui->PresetsBox;

    widgets::SetupDialog(this, {281, 149}, widgets::TTitleButtons::CloseBox);
    widgets::FitLabel(Label1, DatePicker);
    widgets::FitLabel(Label2, TimePicker);
    widgets::FitLabel(Label3, PresetsBox);
    widgets::FitButtonRow({OKButton, CancelButton});

    DatePicker->SetKind(TDateTimePicker::TKind::Date);
    TimePicker->SetKind(TDateTimePicker::TKind::Time);
    DatePicker->SetDateTime(InitialDate());
    TimePicker->SetDateTime(InitialTime());

    PresetsBox->addItem(tr("Click to get dates..."));
    PresetsBox->setCurrentIndex(0);
    PresetsBox->OnDropDown = [this] {
        // An opening while a fetch waits is ignored; the list opens when that one ends.
        if (HTTP->Busy())
            return false;
        PresetsBoxDropDown();
        return true;
    };
    connect(PresetsBox, &QComboBox::activated, this,
            [this] { widgets::Guarded([this] { PresetsBoxChange(); }); });
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TDateTimePickForm::~TDateTimePickForm() = default;

int TDateTimePickForm::ShowModal() {
    return exec() == QDialog::Accepted ? 1 : 2;
}

void TDateTimePickForm::SetStayOnTop(bool onTop) {
    if (bool(windowFlags() & Qt::WindowStaysOnTopHint) != onTop)
        setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}

void TDateTimePickForm::done(int result) {
    // A fetch waiting in the pump ends first; the dialog's own loop ends after it.
    AbortFetch();
    QDialog::done(result);
}

void TDateTimePickForm::AbortFetch() {
    if (HTTP->Busy())
        HTTP->Abort();
}

void TDateTimePickForm::ShowSingleItem(const QString& text) {
    PresetsBox->clear();
    PresetsBox->addItem(text);
    PresetsBox->setCurrentIndex(0);
}

void TDateTimePickForm::PresetsBoxDropDown() {
    if (PresetsLoaded || HTTP->Busy())
        return;
    PresetDates.clear();
    ShowSingleItem(tr("Connecting..."));
    QString failure;
    try {
        const std::string body = HTTP->Get(site::BaseUrl() + site::DatesFileName);
        if (!LoadPresets(TrimBody(body)))
            failure = tr("Unrecognized response format!");
    } catch (const SocketError&) {
        failure = tr("Error connecting!");
    } catch (const NetworkError&) {
        failure = tr("Error downloading!");
    }
    if (!failure.isEmpty()) {
        ShowSingleItem(failure);
        return;
    }
    PresetsLoaded = true;
}

bool TDateTimePickForm::LoadPresets(const std::string& text) {
    PresetsBox->clear();
    PresetDates.clear();
    const TDateTime now = platform::Now();
    auto list = presets::ReadPresetDocument(
        text, [] { return platform::Now(); }, presets::TDateTimeContext::System(now));
    if (!list)
        return false;
    PresetsBox->addItems(list->Labels);
    PresetDates = std::move(list->Dates);
    PresetsBox->setCurrentIndex(-1);
    return true;
}

void TDateTimePickForm::PresetsBoxChange() {
    const int i = PresetsBox->currentIndex();
    if (i < 0 || std::size_t(i) >= PresetDates.size())
        return;
    DatePicker->SetDateTime(PresetDates[std::size_t(i)]);
    TimePicker->SetDateTime(PresetDates[std::size_t(i)]);
}
