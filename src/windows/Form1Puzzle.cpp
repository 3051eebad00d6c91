// New puzzles, the check and the reveal: the main window's whole-board
// commands.

#include "board/Check.h"
#include "board/Generator.h"
#include "platform/BusyCursor.h"
#include "platform/ProgramRandom.h"
#include "windows/AboutForm.h"
#include "windows/CellEdit.h"
#include "windows/Form1.h"
#include "windows/Generate.h"
#include "windows/Message.h"

#include <QLabel>

namespace tessra {

namespace {

QString DigitText(std::uint8_t digit) {
    return digit == 0 ? QString() : QString(QLatin1Char(static_cast<char>('0' + digit)));
}

} // namespace

void Form1::NewPuzzle(int cells2Keep) {
    // No window events run during a generation: it takes well under a
    // millisecond, and letting them run would allow a second generation to
    // start inside this one, whose saved text colours would be the hidden
    // ones.
    BusyCursor busy;
    GridChangeResponseFlag = false;
    std::array<ColorValue, CellCount> savedForeColors{};
    for (int i = 0; i < CellCount; ++i) {
        savedForeColors[static_cast<std::size_t>(i)] = Grid(i)->ForeColor();
        Grid(i)->SetForeColor(Grid(i)->BackColor()); // digits invisible while written
    }
    for (int i = 0; i < CellCount; ++i) {
        FlagArray[static_cast<std::size_t>(i)] = CandidateString::None();
        Grid(i)->setText(QString());
    }

    const GeneratedPuzzle generated = GeneratePuzzle(cells2Keep, ProgramRandom::Instance());
    for (int i = 0; i < CellCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        SolutionArray[at] = DigitText(generated.solution[at]).toStdString();
        Grid(i)->setText(DigitText(generated.puzzle[at]));
    }

    BoardScanSetFlags();
    for (int i = 0; i < CellCount; ++i) {
        Grid(i)->SetForeColor(savedForeColors[static_cast<std::size_t>(i)]);
    }
    CopyFlags2PossibleGrid();
    GridChangeResponseFlag = true;
    RandomPuzzleGenerateFlag = true;
}

bool Form1::CheckPuzzle() const {
    return tessra::CheckPuzzle(CurrentBoard());
}

void Form1::New_Click() {
    if (generate_ == nullptr) {
        generate_ = new Generate(*this);
    }
    generate_->show();
    generate_->raise();
    generate_->activateWindow();
}

void Form1::Check_Click() {
    if (message_ == nullptr) {
        message_ = new Message(this);
    }
    message_->show();
    message_->raise();
    if (CheckPuzzle()) {
        message_->Label1()->setText(QStringLiteral("Correct Solution!"));
        message_->setWindowTitle(QStringLiteral("Congratulations!"));
        message_->FlashColor = 0xFFFF;
    } else {
        message_->Label1()->setText(QStringLiteral("Wrong Solution!"));
        message_->setWindowTitle(QStringLiteral("Error!"));
        message_->FlashColor = 0xFF;
    }
}

void Form1::Reveal_Click() {
    if (!RandomPuzzleGenerateFlag) {
        return;
    }
    BusyCursor busy;
    // Through the ordinary change handling, as if typed.
    for (int i = 0; i < CellCount; ++i) {
        Grid(i)->setText(QString::fromStdString(SolutionArray[static_cast<std::size_t>(i)]));
    }
}

void Form1::About_Click() {
    if (aboutForm_ == nullptr) {
        aboutForm_ = new AboutForm(this);
    }
    aboutForm_->show();
    aboutForm_->raise();
    aboutForm_->activateWindow();
}

} // namespace tessra
