// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture makers of korvane5-artgen; each writes its files and says whether it could.

#include <QString>

namespace artgen {
bool MenuImages(const QString& folder);
bool TreeImages(const QString& folder);
bool ProgramIcon(const QString& folder);
bool AboutPicture(const QString& folder);
bool Skins(const QString& root);
} // namespace artgen
