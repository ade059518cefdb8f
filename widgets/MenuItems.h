// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The items of the program's menus: commands, options and radio choices, each running its
// handler under the shared error guard. The handlers are connected in the item's own name:
// a menu that lets an item go cuts every connection made in the menu's name, and an item
// may move to another menu (the tray's).

#include <QIcon>
#include <QList>
#include <QString>
#include <functional>
#include <span>

class QAction;
class QMenu;

namespace widgets {

QAction* AddCommand(QMenu* menu, const QString& caption, std::function<void()> handler,
                    const QIcon& icon = {});
// A check item whose handler sets the check itself (it also applies the stored settings):
// the toggle Qt makes on a click is taken back before the handler runs.
QAction* AddOption(QMenu* menu, const QString& caption, std::function<void()> handler);
// One radio item per tag (its data), in a group of their own; the handler gets the item.
QList<QAction*> AddRadioGroup(QMenu* menu, std::span<const int> tags,
                              const std::function<QString(int)>& caption,
                              std::function<void(QAction*)> handler);

// The same for a handler that is a member function of the menu's owner.
template <class T>
QAction* AddCommand(QMenu* menu, const QString& caption, T* owner, void (T::*handler)(),
                    const QIcon& icon = {}) {
    const auto command = [owner, handler] { (owner->*handler)(); };
    return AddCommand(menu, caption, command, icon);
}
template <class T>
QAction* AddOption(QMenu* menu, const QString& caption, T* owner, void (T::*handler)()) {
    return AddOption(menu, caption, [owner, handler] { (owner->*handler)(); });
}
template <class T>
QList<QAction*> AddRadioGroup(QMenu* menu, std::span<const int> tags,
                              const std::function<QString(int)>& caption, T* owner,
                              void (T::*handler)(QAction*)) {
    return AddRadioGroup(menu, tags, caption,
                         [owner, handler](QAction* item) { (owner->*handler)(item); });
}

} // namespace widgets
