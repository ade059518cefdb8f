// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starting a clock when the user logs on, through XDG autostart: each entry is a desktop
// entry file "<name>.desktop" in $XDG_CONFIG_HOME/autostart.

#include <QString>
#include <QStringList>

namespace platform::autostart {

QString Folder();
QString EntryPath(const QString& name);

bool Exists(const QString& name);
// Writes the entry atomically, creating the folder when missing. The command is the
// program followed by its arguments, each quoted as desktop entries require.
bool Write(const QString& name, const QString& title, const QString& program,
           const QStringList& arguments);
// Deleting a missing entry is not an error.
bool Remove(const QString& name);

// One argument of an Exec line, quoted and escaped so that any text stands for itself.
QString QuoteExecArgument(const QString& argument);
// The Exec line as it is stored in the file (with the string escapes of the format): the
// program quoted, each argument bare unless it holds a character that needs quoting.
QString ExecLine(const QString& program, const QStringList& arguments);

} // namespace platform::autostart
