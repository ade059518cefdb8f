// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/EventCommands.h"

#include "events/CalendarFile.h"
#include "events/EventForm.h"
#include "events/ImportEventForm.h"
#include "platform/Environment.h"

#include "widgets/ErrorGuard.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>
#include <QUrl>

TEventCommands::TEventCommands(QWidget* owner, TTake take, TDropped dropped)
    : QObject(owner), Owner(owner), Take(std::move(take)), Dropped(std::move(dropped)) {
    owner->setAcceptDrops(true);
    owner->installEventFilter(this);
}

bool TEventCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Owner || (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop))
        return false;
    auto* drop = static_cast<QDropEvent*>(event); // a drag's entering is a drop event too
    const QString path = DroppedCalendar(drop->mimeData());
    if (path.isEmpty())
        return false;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        widgets::Guarded([this, &path] { Dropped(path); });
    return true;
}

void TEventCommands::Edit(const events::TEvent& current, bool onTop) const {
    TEventForm dialog(Owner);
    dialog.SetEvent(current);
    dialog.SetStayOnTop(onTop);
    if (dialog.ShowModal() == 1)
        Take(dialog.Event());
}

void TEventCommands::PickFile(const events::TEvent& current, bool onTop) const {
    const QString path = QFileDialog::getOpenFileName(
        Owner, QCoreApplication::translate("TEventCommands", "Import Event"), {},
        QCoreApplication::translate("TEventCommands", "Calendar files (*.ics);;All files (*)"));
    if (!path.isEmpty())
        Import(path, current, onTop);
}

void TEventCommands::Import(const QString& path, const events::TEvent& current, bool onTop) const {
    const events::TCalendarFile file = events::ReadCalendarFile(path);
    TImportEventForm dialog(Owner, file, common::ToQDateTime(platform::Now()));
    dialog.SetStayOnTop(onTop);
    if (dialog.ShowModal() != 1 || !dialog.Picked())
        return;
    events::TEvent event = *dialog.Picked();
    event.AfterEnd = current.AfterEnd;
    Take(event);
}

QString TEventCommands::DroppedCalendar(const QMimeData* data) {
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return {};
    const QString path = urls.first().toLocalFile();
    return path.endsWith(QLatin1String(".ics"), Qt::CaseInsensitive) ? path : QString();
}
