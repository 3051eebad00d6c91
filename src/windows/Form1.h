#pragma once

#include "board/Cell.h"
#include "board/ColorValue.h"
#include "board/FlagGrid.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessra {

class AboutForm;
class CellEdit;
class ColorBox;
class CommonDialog;
class Form2;
class Generate;
class Message;
class PictureBuffer;
struct SavedPuzzle;

// What a click on a cell, in either window, does with SelectedColor; set by
// the "&Edit" items.
enum class ColorEditAction : std::int16_t {
    Off = 0,
    ChangeFore = 1, // the clicked cell's text colour
    ChangeBack = 2, // the clicked cell's background colour
    PaintFore = 3,  // the text colour of all 81 cells
    PaintBack = 4,  // the background colour of all 81 cells
};

// The main window. It owns the whole state of the program - the board is
// the text of its 81 cells, and there is no other copy of it - and offers
// every board operation. The other windows hold no board state: they emit
// what the user did, and the main window, which connects them, acts on it.
class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    Form1();
    ~Form1() override;

    // --- The program's state --------------------------------------------

    std::int16_t CurrentIndex = 0;     // the cell last clicked, 0..80
    ColorValue SelectedColor = 0;      // what the edit actions paint with
    std::int16_t ColorSelectIndex = 0; // the swatch last clicked, 0..15
    ColorEditAction EditAction = ColorEditAction::Off;
    QString FileName;         // the current puzzle file, "" when none
    QString SnapShotFileName; // the last snapshot's path
    // While false, changes of a cell's text go unhandled (the generator
    // writes the board with it off).
    bool GridChangeResponseFlag = false;
    // True while the board holds a generated puzzle whose solution is
    // recorded.
    bool RandomPuzzleGenerateFlag = false;

    // --- Board operations -----------------------------------------------

    // Rebuilds every candidate string from the board.
    void BoardScanSetFlags();
    // Copies the candidate strings into the boxes of "Possible Values".
    void CopyFlags2PossibleGrid();
    // The digits standing on the board, read from the cell texts.
    BoardDigits CurrentBoard() const;
    const FlagGrid& Flags() const { return FlagArray; }
    const CellArray<std::string>& Solution() const { return SolutionArray; }

    // Fills the board with a new puzzle that keeps cells2Keep (0..81) digits,
    // records its solution and marks the board as generated.
    void NewPuzzle(int cells2Keep);
    // Empties every cell as if the user deleted each digit, and marks the
    // board as not generated.
    void ClearBoard();
    bool CheckPuzzle() const;

    // Cell colours, always the main cell first and then its box in the
    // possible-values window (which is created, hidden, if need be).
    void SetCellForeColor(int index, ColorValue color);
    void SetCellBackColor(int index, ColorValue color);

    // The state a puzzle file carries, as it stands now.
    SavedPuzzle CurrentSavedPuzzle() const;
    // Reads, checks and applies a puzzle file as "&Load" does; on any fault
    // reports it and changes nothing. FileName is set only on success.
    bool LoadPuzzleFile(const QString& path);

    // --- Handlers: what the user's clicks, keys and menu items do ---------

    void Grid_Click(int index);
    void Grid_Change(int index);
    void PossibleGrid_Click(int index);
    void ColorSelect_Click(int index);
    void Command1_Click();
    void New_Click();
    void Save_Click();
    void SaveAs_Click();
    void SnapShot_Click();
    void Load_Click();
    // The five "&Edit" items.
    void EditMenu_Click(ColorEditAction action);
    void Extra_Click();
    void Check_Click();
    void Reveal_Click();
    void About_Click();

    // --- Controls, by their designer names ------------------------------

    // The board: cell index = row * 9 + column.
    CellEdit* Grid(int index) const { return grid_[index]; }
    // The box under "Selected:": the clicked cell's column and row.
    QLineEdit* CoordinateBox() const { return coordinateBox_; }
    // The box under "Possible:": a cell's candidate string.
    QLineEdit* PossibleBox() const { return possibleBox_; }
    // The palette's swatches, 0..15.
    ColorBox* ColorSelect(int index) const { return colorSelect_[index]; }
    // The "Color Select" button.
    QPushButton* Command1() const { return command1_; }
    // A menu item by its control name ("New", "PaintFore", "Extra", ...).
    QAction* MenuItem(const char* name) const;

    // --- Secondary windows ----------------------------------------------

    // "Possible Values": loaded hidden on first use.
    Form2* PossibleForm();
    // Each window while it is loaded, otherwise nullptr.
    Form2* LoadedPossibleForm() const;
    Generate* LoadedGenerate() const;
    Message* LoadedMessage() const;
    AboutForm* LoadedAboutForm() const;
    PictureBuffer* LoadedPictureBuffer() const;

    // --- Test seams -----------------------------------------------------

    // Replaces the file and colour dialogs with a scripted stand-in.
    void SetCommonDialog(std::unique_ptr<CommonDialog> dialog);
    // Receives the file failures a message box would show.
    void SetErrorReporter(std::function<void(const QString&)> reporter);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Layout.
    void BuildBoard(QWidget* client);
    void BuildSidePanel(QWidget* client);
    void BuildMenus();
    void BuildTabOrder();
    void Form_Load();

    // The central loop after every click and change: rescan, refresh the
    // possible-values window, show the cell's candidates.
    void RefreshCandidates(int index);
    void ApplyEditAction(int index);
    void MoveFocusFrom(int index, int key);
    // Esc in "Possible Values" gives the board the focus back.
    void Form2_Dismissed();

    // Files.
    void ReportError(const QString& text);
    // Shows a file dialog with the filter and default extension; the chosen
    // path, or "" when the user cancelled.
    QString AskForFile(void (CommonDialog::*show)(), const QString& filter,
                       const QString& defaultExt);
    bool WritePuzzleFile(const QString& path);
    // The puzzle in a file, checked whole; reports and gives nothing when
    // the file cannot be read or is not a valid puzzle file.
    std::optional<SavedPuzzle> ReadPuzzleFile(const QString& path);
    void ApplySavedPuzzle(const SavedPuzzle& puzzle);

    FlagGrid FlagArray;
    CellArray<std::string> SolutionArray;

    CellArray<CellEdit*> grid_{};
    QLineEdit* coordinateBox_ = nullptr;
    QLineEdit* possibleBox_ = nullptr;
    IndexedArray<ColorBox*, PaletteSize> colorSelect_{};
    QPushButton* command1_ = nullptr;
    QPointer<Form2> form2_;
    QPointer<Generate> generate_;
    QPointer<Message> message_;
    QPointer<AboutForm> aboutForm_;
    QPointer<PictureBuffer> pictureBuffer_;
    std::function<void(const QString&)> errorReporter_;
    std::unique_ptr<CommonDialog> commonDialog_;
};

} // namespace tessra
