#pragma once

#include <QFont>

namespace tessra {

// The windows are laid out for Courier New and Times New Roman. Where those
// are missing, their metric twins from fonts-liberation stand in.
QFont CourierFont(double pointSize, bool bold = false);
QFont TimesFont(double pointSize, bool bold = false);

} // namespace tessra
