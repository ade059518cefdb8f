// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/EventCommands.h"

#include "events/CalendarFile.h"
#include "events/EventForm.h"
#include "events/ImportEventForm.h"
#include "platform/Environment.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMimeData>
#include <QUrl>

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
