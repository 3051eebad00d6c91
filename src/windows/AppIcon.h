#pragma once

#include <QIcon>

namespace tessra {

// The program's own icon: a small board with a few digits, drawn here.
QIcon AppIcon();

} // namespace tessra
