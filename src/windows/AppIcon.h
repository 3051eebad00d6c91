#pragma once

#include <QIcon>
#include <QPixmap>

namespace tessra {

// The program's own icon: a small board with a few digits, drawn here at
// any size. The windows carry it, and the installed icon files are drawn
// from it too (tools/export_icon).
QPixmap DrawAppIcon(int size);
QIcon AppIcon();

} // namespace tessra
