// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/ImportEventForm.h"

#include "ui_ImportEventForm.h"
#include "widgets/DialogFrame.h"
#include "widgets/ErrorGuard.h"

#include <QLocale>

namespace {

// The index into Offered a pickable row holds.
constexpr int OfferedRole = Qt::UserRole;

} // namespace

TImportEventForm::TImportEventForm(QWidget* owner, const events::TCalendarFile& file,
                                   const QDateTime& now)
    : QDialog(owner), ui(std::make_unique<Ui::TImportEventForm>()) {
    ui->setupUi(this);
    widgets::SetupDialog(this, size(), widgets::TTitleButtons::CloseBox);

    const auto called = [](const events::TCalendarEvent& event) {
        return event.Event.Name.isEmpty() ? tr("(no name)") : event.Event.Name;
    };
    const auto notPickable = [](QTreeWidgetItem* item, const QString& why) {
        item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
        item->setToolTip(0, why);
        item->setToolTip(1, why);
    };
    try {
        for (const events::TUpcomingEvent& upcoming : file.Upcoming(now)) {
            auto* item = new QTreeWidgetItem(
                ui->EventList,
                {called(*upcoming.Event),
                 QLocale().toString(upcoming.Next.toLocalTime(), QLocale::ShortFormat)});
            item->setData(0, OfferedRole, qulonglong(Offered.size()));
            Offered.push_back(upcoming.Event->Event);
        }
    } catch (const events::EEventError& e) {
        // A file whose rules take too long to list offers none of them, and says so.
        auto* item = new QTreeWidgetItem(ui->EventList, {e.Message()});
        item->setFirstColumnSpanned(true);
        notPickable(item, e.Message());
    }
    for (const events::TCalendarEvent& event : file.Events())
        if (!event.Problem.isEmpty())
            notPickable(new QTreeWidgetItem(ui->EventList, {called(event), event.Problem}),
                        event.Problem);
    for (int column = 0; column < ui->EventList->columnCount(); ++column)
        ui->EventList->resizeColumnToContents(column);
    if (!Offered.empty())
        ui->EventList->setCurrentItem(ui->EventList->topLevelItem(0));

    connect(ui->EventList, &QTreeWidget::itemSelectionChanged, this,
            [this] { widgets::Guarded([this] { ShowPickable(); }); });
    connect(ui->EventList, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        widgets::Guarded([this, item] {
            if (item->flags() & Qt::ItemIsEnabled) {
                ui->EventList->setCurrentItem(item);
                Accept();
            }
        });
    });
    connect(ui->OKButton, &QPushButton::clicked, this,
            [this] { widgets::Guarded([this] { Accept(); }); });
    connect(ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    ShowPickable();
    // A dialog not shown yet lays itself out only when asked.
    layout()->activate();
}

TImportEventForm::~TImportEventForm() = default;

int TImportEventForm::ShowModal() {
    Chosen.reset();
    return exec() == QDialog::Accepted ? 1 : 2;
}

void TImportEventForm::SetStayOnTop(bool onTop) {
    if (bool(windowFlags() & Qt::WindowStaysOnTopHint) != onTop)
        setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}

std::optional<std::size_t> TImportEventForm::Current() const {
    const QTreeWidgetItem* item = ui->EventList->currentItem();
    if (!item || !item->isSelected() || !(item->flags() & Qt::ItemIsEnabled))
        return std::nullopt;
    const QVariant index = item->data(0, OfferedRole);
    if (!index.isValid())
        return std::nullopt;
    return std::size_t(index.toULongLong());
}

void TImportEventForm::ShowPickable() {
    ui->OKButton->setEnabled(Current().has_value());
}

void TImportEventForm::Accept() {
    if (const std::optional<std::size_t> index = Current()) {
        Chosen = Offered[*index];
        accept();
    }
}
