// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/MenuItems.h"

#include "widgets/ErrorGuard.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace widgets {

QAction* AddCommand(QMenu* menu, const QString& caption, std::function<void()> handler,
                    const QIcon& icon) {
    QAction* item = menu->addAction(caption);
    if (!icon.isNull())
        item->setIcon(icon);
    QObject::connect(item, &QAction::triggered, item,
                     [handler = std::move(handler)] { Guarded(handler); });
    return item;
}

QAction* AddOption(QMenu* menu, const QString& caption, std::function<void()> handler) {
    QAction* item = menu->addAction(caption);
    item->setCheckable(true);
    QObject::connect(item, &QAction::triggered, item,
                     [item](bool checked) { item->setChecked(!checked); });
    QObject::connect(item, &QAction::triggered, item,
                     [handler = std::move(handler)] { Guarded(handler); });
    return item;
}

QList<QAction*> AddRadioGroup(QMenu* menu, std::span<const int> tags,
                              const std::function<QString(int)>& caption,
                              std::function<void(QAction*)> handler) {
    auto* group = new QActionGroup(menu);
    QList<QAction*> items;
    for (const int tag : tags) {
        QAction* item = menu->addAction(caption(tag));
        item->setData(tag);
        item->setCheckable(true);
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, item,
                         [item, handler] { Guarded([&] { handler(item); }); });
        items << item;
    }
    return items;
}

} // namespace widgets
