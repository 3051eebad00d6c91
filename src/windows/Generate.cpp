#include "windows/Generate.h"

#include "platform/BusyCursor.h"
#include "platform/Fonts.h"
#include "platform/Twips.h"
#include "windows/Placement.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

namespace tessra {

namespace {

QPushButton* MakeButton(const QString& caption, QWidget* parent, const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setFont(TimesFont(12));
    button->setGeometry(geometry);
    return button;
}

} // namespace

Generate::Generate(QWidget* owner) : QDialog(owner) {
    MakeFixedDialog(this, QStringLiteral("New Puzzle"), 2730, 2595);

    command1_ = MakeButton(QStringLiteral("Generate"), this, TwipsRect(120, 2040, 1095, 375));
    command2_ = MakeButton(QStringLiteral("Cancel"), this, TwipsRect(1440, 2040, 1095, 375));
    connect(command1_, &QPushButton::clicked, this, &Generate::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &Generate::Command2_Click);

    auto* group = new QButtonGroup(this);
    for (int k = 0; k < LevelCount; ++k) {
        const int n = k + 1; // the option's number, its PuzzleLevel
        auto* option = new QRadioButton(QString::fromLatin1(Levels[k].caption), this);
        option->setFont(TimesFont(9.75));
        option->setGeometry(TwipsRect(720, 360 + 240 * (n - 1), 2055, 285));
        group->addButton(option, n);
        // Selecting from code counts as a click too, so react to the
        // selection itself rather than to the mouse.
        connect(option, &QRadioButton::toggled, this, [this, n](bool checked) {
            if (checked) {
                PuzzleLevel = static_cast<std::int16_t>(n);
            }
        });
        options_[k] = option;
    }
    setTabOrder(command1_, command2_);
    setTabOrder(command2_, options_[0]);
    for (int k = 1; k < LevelCount; ++k) {
        setTabOrder(options_[k - 1], options_[k]);
    }
    Form_Load();
}

void Generate::Form_Load() {
    CentreByClientSize(this);
    Option(ClearBoardLevel)->setChecked(true);
}

void Generate::Command1_Click() {
    if (PuzzleLevel >= 1 && PuzzleLevel <= LevelCount) {
        BusyCursor busy;
        if (PuzzleLevel == ClearBoardLevel) {
            emit ClearBoardChosen();
        } else {
            emit NewPuzzleChosen(Levels[PuzzleLevel - 1].cellsKept);
        }
    }
    close();
}

void Generate::Command2_Click() {
    close();
}

} // namespace tessra
