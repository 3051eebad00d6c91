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
#include "windows/Placement.h"

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
    CellArray<ColorValue> savedForeColors{};
    for (int i = 0; i < CellCount; ++i) {
        savedForeColors[i] = Grid(i)->ForeColor();
        Grid(i)->SetForeColor(Grid(i)->BackColor()); // digits invisible while written
    }
    for (int i = 0; i < CellCount; ++i) {
        FlagArray[i] = CandidateString::None();
        Grid(i)->setText(QString());
    }

    const GeneratedPuzzle generated = GeneratePuzzle(cells2Keep, ProgramRandom::Instance());
    for (int i = 0; i < CellCount; ++i) {
        SolutionArray[i] = DigitText(generated.solution[i]).toStdString();
        Grid(i)->setText(DigitText(generated.puzzle[i]));
    }

    BoardScanSetFlags();
    for (int i = 0; i < CellCount; ++i) {
        Grid(i)->SetForeColor(savedForeColors[i]);
    }
    CopyFlags2PossibleGrid();
    GridChangeResponseFlag = true;
    RandomPuzzleGenerateFlag = true;
}

bool Form1::CheckPuzzle() const {
    return tessra::CheckPuzzle(CurrentBoard());
}

void Form1::New_Click() {
    Generate* dialog = LoadWindow(generate_, [this] {
        auto* loaded = new Generate(this);
        connect(loaded, &Generate::ClearBoardChosen, this, &Form1::ClearBoard);
        connect(loaded, &Generate::NewPuzzleChosen, this, &Form1::NewPuzzle);
        return loaded;
    });
    ShowInFront(dialog);
}

void Form1::ClearBoard() {
    // Written with change handling on: each emptied cell updates the
    // candidates as a user's edit would. Colours and the recorded solution
    // stay.
    for (int i = 0; i < CellCount; ++i) {
        Grid(i)->setText(QString());
    }
    RandomPuzzleGenerateFlag = false;
}

void Form1::Check_Click() {
    Message* message = LoadWindow(message_, [this] { return new Message(this); });
    // The verdict does not take the focus from the board.
    ShowInFront(message, false);
    message->ShowVerdict(CheckPuzzle());
}

void Form1::Reveal_Click() {
    if (!RandomPuzzleGenerateFlag) {
        return;
    }
    BusyCursor busy;
    // Through the ordinary change handling, as if typed.
    for (int i = 0; i < CellCount; ++i) {
        Grid(i)->setText(QString::fromStdString(SolutionArray[i]));
    }
}

void Form1::About_Click() {
    ShowInFront(LoadWindow(aboutForm_, [this] { return new AboutForm(this); }));
}

} // namespace tessra
