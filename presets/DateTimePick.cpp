#include "presets/DateTimePick.h"

#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "presets/Pickers.h"
#include "ui_DateTimePick.h"

namespace {
TDateTime Moment(int y, int mo, int d, int h, int mi, int s) {
    TDateTime date = 0, time = 0;
    platform::TryEncodeDate(y, mo, d, date);
    platform::TryEncodeTime(h, mi, s, 0, time);
    return platform::CombineDateTime(date, time);
}
} // namespace

TDateTimePickForm::TDateTimePickForm(QWidget* owner)
    : QDialog(owner), ui(std::make_unique<Ui::TDateTimePickForm>()) {
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

    platform::SetupDialog(this, {281, 149}, Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    DatePicker->SetKind(TDateTimePicker::TKind::Date);
    TimePicker->SetKind(TDateTimePicker::TKind::Time);
    // Both moments lie in the past; they count only if the owner reads the pickers
    // before it has ever seeded them.
    DatePicker->SetDateTime(Moment(2002, 10, 10, 15, 26, 50));
    TimePicker->SetDateTime(Moment(2002, 10, 10, 19, 0, 0));

    PresetsBox->addItem(QStringLiteral("Click to get dates..."));
    PresetsBox->setCurrentIndex(0);
    PresetsBox->OnDropDown = [this] {
        PresetsBoxDropDown();
        return true;
    };
    connect(PresetsBox, &QComboBox::activated, this,
            [this] { platform::Guarded([this] { PresetsBoxChange(); }); });
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

void TDateTimePickForm::showEvent(QShowEvent* event) {
    platform::CentreOnScreen(this);
    QDialog::showEvent(event);
}

void TDateTimePickForm::PresetsBoxDropDown() {
    if (PresetsLoaded)
        return;
    // The preset download is wired here by the presets subsystem.
}

void TDateTimePickForm::PresetsBoxChange() {
    const int i = PresetsBox->currentIndex();
    if (i < 0 || std::size_t(i) >= PresetDates.size())
        return;
    DatePicker->SetDateTime(PresetDates[std::size_t(i)]);
    TimePicker->SetDateTime(PresetDates[std::size_t(i)]);
}
