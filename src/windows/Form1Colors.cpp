// The palette, the "Color Select" button, the "&Edit" items and the colour
// edit action a click on a cell applies in either window.

#include "platform/CommonDialog.h"
#include "windows/CellEdit.h"
#include "windows/ColorBox.h"
#include "windows/Form1.h"
#include "windows/Form2.h"

#include <QAction>

namespace tessra {

void Form1::ColorSelect_Click(int index) {
    SelectedColor = ColorSelect(index)->BackColor();
    ColorSelectIndex = static_cast<std::int16_t>(index);
    // Not drawn; a screen reader hears which colour is selected.
    for (int k = 0; k < PaletteSize; ++k) {
        ColorSelect(k)->SetChecked(k == index);
    }
}

void Form1::Command1_Click() {
    // The dialog offers the colour in use, so a small change is a small
    // step; a cancelled dialog leaves the colour and the swatch as they were.
    commonDialog_->Color = SelectedColor;
    if (!commonDialog_->ShowColor()) {
        return;
    }
    SelectedColor = commonDialog_->Color;
    ColorSelect(ColorSelectIndex)->SetBackColor(SelectedColor);
}

void Form1::EditMenu_Click(ColorEditAction action) {
    EditAction = action;
    // "&Off" carries no mark and clears the others.
    const std::array<std::pair<const char*, ColorEditAction>, 4> marked = {{
        {"ChangeFore", ColorEditAction::ChangeFore},
        {"ChangeBack", ColorEditAction::ChangeBack},
        {"PaintFore", ColorEditAction::PaintFore},
        {"PaintBack", ColorEditAction::PaintBack},
    }};
    for (const auto& [name, itemAction] : marked) {
        MenuItem(name)->setChecked(action == itemAction);
    }
    if (action == ColorEditAction::PaintFore || action == ColorEditAction::PaintBack) {
        ApplyEditAction(CurrentIndex);
    }
}

void Form1::ApplyEditAction(int index) {
    switch (EditAction) {
    case ColorEditAction::Off:
        break;
    case ColorEditAction::ChangeFore:
        SetCellForeColor(index, SelectedColor);
        break;
    case ColorEditAction::ChangeBack:
        SetCellBackColor(index, SelectedColor);
        break;
    case ColorEditAction::PaintFore:
        for (int i = 0; i < CellCount; ++i) {
            SetCellForeColor(i, SelectedColor);
        }
        break;
    case ColorEditAction::PaintBack:
        for (int i = 0; i < CellCount; ++i) {
            SetCellBackColor(i, SelectedColor);
        }
        break;
    }
}

void Form1::SetCellForeColor(int index, ColorValue color) {
    Grid(index)->SetForeColor(color);
    PossibleForm()->PossibleGrid(index)->SetForeColor(color);
}

void Form1::SetCellBackColor(int index, ColorValue color) {
    Grid(index)->SetBackColor(color);
    PossibleForm()->PossibleGrid(index)->SetBackColor(color);
}

} // namespace tessra
