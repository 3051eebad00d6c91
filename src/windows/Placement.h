#pragma once

#include <QPointer>
#include <QSize>

class QDialog;
class QString;
class QWidget;

namespace tessra {

// Centres a window on the screen of its owner (the primary screen for a
// window without one) by its inner client size rather than its outer
// frame, so it sits slightly right of and below the exact centre.
void CentreByClientSize(QWidget* window, QSize client);
// The same for a window whose client area is the whole window.
void CentreByClientSize(QWidget* window);

// Places a second top-level window clear of its owner where the screen has
// room: to its right, else to its left, else below or above it. Where there
// is no such room, it goes where it covers the least of the owner.
void PlaceBeside(QWidget* window, const QWidget* owner);

// Sets up a modeless dialog with the fixed frame of the program's small
// windows: caption, icon, no minimise or maximise button, a client area of
// the given size in twips, discarded when closed.
void MakeFixedDialog(QDialog* dialog, const QString& caption, int widthTwips, int heightTwips);

// A secondary window is loaded on first use and lives until it is closed;
// slot follows it and is empty while it is not loaded. Loads it with make()
// when it is not loaded, and gives it either way.
template <class Window, class Make> Window* LoadWindow(QPointer<Window>& slot, Make make) {
    if (slot == nullptr) {
        slot = make();
    }
    return slot.data();
}

// Makes a modeless window visible and brings it to the front; with
// takeFocus it also becomes the active window.
void ShowInFront(QWidget* window, bool takeFocus = true);

} // namespace tessra
