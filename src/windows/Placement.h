#pragma once

class QWidget;

namespace tessra {

// Centres a window on its screen by its inner (client) size rather than its
// outer frame, so it sits slightly right of and below the exact centre.
void CentreByClientSize(QWidget* window);

} // namespace tessra
