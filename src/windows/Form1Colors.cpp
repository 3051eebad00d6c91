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
    for (int k = 0; k < 16; ++k) {
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

void Form1::EditMenu_Click(int action) {
    EditAction = static_cast<std::int16_t>(action);
    const std::array<const char*, 4> marked = {"ChangeFore", "ChangeBack", "PaintFore",
                                               "PaintBack"};
    for (int k = 0; k < 4; ++k) {
        MenuItem(marked[static_cast<std::size_t>(k)])->setChecked(action == k + 1);
    }
    if (action == 3 || action == 4) {
        ApplyEditAction(CurrentIndex);
    }
}

void Form1::ApplyEditAction(int index) {
    switch (EditAction) {
    case 1:
        SetCellForeColor(index, SelectedColor);
        break;
    case 2:
        SetCellBackColor(index, SelectedColor);
        break;
    case 3:
        for (int i = 0; i < CellCount; ++i) {
            SetCellForeColor(i, SelectedColor);
        }
        break;
    case 4:
        for (int i = 0; i < CellCount; ++i) {
            SetCellBackColor(i, SelectedColor);
        }
        break;
    default:
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
