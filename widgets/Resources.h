#pragma once

#include <QPixmap>
#include <QString>

namespace widgets {
// Registers the pictures compiled into the program library; every form calls it first.
void InitResources();
// A picture compiled in, read in the format its name ends with: Qt then takes its own
// reader at once, instead of loading every image-format plugin to ask each of them.
QPixmap ResourcePicture(const QString& path);
} // namespace widgets
