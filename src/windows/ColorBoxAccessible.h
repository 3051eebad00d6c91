#pragma once

namespace tessra {

// Describes every ColorBox to screen readers from then on (through
// QAccessible, which AT-SPI reads): a palette swatch as a radio button named
// by its colour in words and hex, checked while its colour is the selected
// one, with a press action; a candidate box as read-only text named by its
// cell, its candidate string as value, with the same press action as a
// click. Safe to call more than once.
void InstallColorBoxAccessible();

} // namespace tessra
