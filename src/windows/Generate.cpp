#include "windows/Generate.h"

#include "board/Cell.h"
#include "platform/BusyCursor.h"
#include "platform/Fonts.h"
#include "platform/Twips.h"
#include "windows/CellEdit.h"
#include "windows/Form1.h"
#include "windows/Placement.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

namespace tessra {

namespace {

constexpr std::array<const char*, 6> Captions = {"Clear Board", "Very Easy", "Easy",
                                                 "Medium",      "Hard",      "Very Hard"};

QPushButton* MakeButton(const QString& caption, QWidget* parent, const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setFont(TimesFont(12));
    button->setGeometry(geometry);
    return button;
}

} // namespace

int Generate::CellsToKeep(int level) {
    constexpr std::array<int, 7> keep = {0, 0, 33, 30, 27, 24, 20};
    return level >= 2 && level <= 6 ? keep[static_cast<std::size_t>(level)] : 0;
}

Generate::Generate(Form1& owner) : QDialog(&owner), owner_(owner) {
    MakeFixedDialog(this, QStringLiteral("New Puzzle"), 2730, 2595);

    command1_ = MakeButton(QStringLiteral("Generate"), this, TwipsRect(120, 2040, 1095, 375));
    command2_ = MakeButton(QStringLiteral("Cancel"), this, TwipsRect(1440, 2040, 1095, 375));
    connect(command1_, &QPushButton::clicked, this, &Generate::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &Generate::Command2_Click);

    auto* group = new QButtonGroup(this);
    for (int n = 1; n <= 6; ++n) {
        auto* option =
            new QRadioButton(QString::fromLatin1(Captions[static_cast<std::size_t>(n - 1)]), this);
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
        options_[static_cast<std::size_t>(n - 1)] = option;
    }
    setTabOrder(command1_, command2_);
    setTabOrder(command2_, options_[0]);
    for (std::size_t k = 1; k < options_.size(); ++k) {
        setTabOrder(options_[k - 1], options_[k]);
    }
    Form_Load();
}

void Generate::Form_Load() {
    CentreByClientSize(this);
    Option(1)->setChecked(true);
}

void Generate::Command1_Click() {
    if (PuzzleLevel == 1) {
        BusyCursor busy;
        // Written with change handling on: each emptied cell updates the
        // candidates as a user's edit would.
        for (int i = 0; i < CellCount; ++i) {
            owner_.Grid(i)->setText(QString());
        }
        owner_.RandomPuzzleGenerateFlag = false;
    } else if (PuzzleLevel >= 2 && PuzzleLevel <= 6) {
        BusyCursor busy;
        owner_.NewPuzzle(CellsToKeep(PuzzleLevel));
    }
    close();
}

void Generate::Command2_Click() {
    close();
}

} // namespace tessra
