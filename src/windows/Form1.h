#pragma once

#include "board/Cell.h"
#include "board/FlagGrid.h"
#include "files/SavFile.h"
#include "platform/ColorValue.h"

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
// the text of its 81 cells - and offers every board operation; the other
// windows only read and set its public variables and call its methods.
class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    Form1();
    ~Form1() override;

    // State the other windows read and set directly.
    std::int16_t CurrentIndex = 0;
    ColorValue SelectedColor = 0;
    std::int16_t ColorSelectIndex = 0;
    ColorEditAction EditAction = ColorEditAction::Off;
    QString FileName;
    QString SnapShotFileName;
    bool GridChangeResponseFlag = false;
    bool RandomPuzzleGenerateFlag = false;

    // Board operations.
    void BoardScanSetFlags();
    void CopyFlags2PossibleGrid();
    BoardDigits CurrentBoard() const;
    const FlagGrid& Flags() const { return FlagArray; }
    const std::array<std::string, CellCount>& Solution() const { return SolutionArray; }

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

    // Event handlers, public so the other windows can raise them.
    void Grid_Click(int index);
    void Grid_Change(int index);
    void PossibleGrid_Click(int index);
    void Extra_Click();
    void New_Click();
    void Check_Click();
    void Reveal_Click();
    void About_Click();
    void Save_Click();
    void SaveAs_Click();
    void Load_Click();
    void SnapShot_Click();
    void ColorSelect_Click(int index);
    void Command1_Click();
    // The five "&Edit" items.
    void EditMenu_Click(ColorEditAction action);

    // Controls.
    CellEdit* Grid(int index) const { return grid_[static_cast<std::size_t>(index)]; }
    QLineEdit* CoordinateBox() const { return coordinateBox_; }
    QLineEdit* PossibleBox() const { return possibleBox_; }
    ColorBox* ColorSelect(int index) const { return colorSelect_[static_cast<std::size_t>(index)]; }
    QPushButton* Command1() const { return command1_; }

    QAction* MenuItem(const char* name) const;

    // The file and colour dialogs; tests put a scripted one in its place.
    CommonDialog& CommonDialog1() { return *commonDialog_; }
    void SetCommonDialog(std::unique_ptr<CommonDialog> dialog);

    // Secondary windows while they are open, otherwise nullptr.
    Generate* LoadedGenerate() const;
    Message* LoadedMessage() const;
    AboutForm* LoadedAboutForm() const;
    PictureBuffer* LoadedPictureBuffer() const;

    // Where failures to read or write a file are reported; a message box
    // unless a test puts something else in its place.
    void SetErrorReporter(std::function<void(const QString&)> reporter);

    // The state a puzzle file carries, as it stands now.
    SavedPuzzle CurrentSavedPuzzle() const;
    // Reads, checks and applies a puzzle file; on any fault reports it and
    // changes nothing.
    bool LoadPuzzleFile(const QString& path);

    // The possible-values window: created hidden on first use.
    Form2* PossibleForm();
    // The possible-values window if it is loaded, otherwise nullptr.
    Form2* LoadedPossibleForm() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
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
    void Form2_Dismissed();
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
    std::array<std::string, CellCount> SolutionArray;

    std::array<CellEdit*, CellCount> grid_{};
    QLineEdit* coordinateBox_ = nullptr;
    QLineEdit* possibleBox_ = nullptr;
    std::array<ColorBox*, 16> colorSelect_{};
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
