// Puzzle files and board snapshots.

#include "files/SavFile.h"
#include "platform/BusyCursor.h"
#include "platform/CommonDialog.h"
#include "platform/SafeFile.h"
#include "platform/Twips.h"
#include "windows/CellEdit.h"
#include "windows/ColorBox.h"
#include "windows/Form1.h"
#include "windows/PictureBuffer.h"
#include "windows/Placement.h"

#include <QBuffer>
#include <QDir>
#include <QMessageBox>

namespace tessra {

namespace {

// Texts travel as bytes: Latin-1 maps every byte to one character and back.
std::string ToFileText(const QString& text) {
    return text.toLatin1().toStdString();
}
QString FromFileText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

void Form1::ReportError(const QString& text) {
    if (errorReporter_) {
        errorReporter_(text);
        return;
    }
    // The text holds file names and pieces of the file, either of which may
    // look like markup; it is shown exactly as it is.
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tessra"), text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void Form1::SetErrorReporter(std::function<void(const QString&)> reporter) {
    errorReporter_ = std::move(reporter);
}

SavedPuzzle Form1::CurrentSavedPuzzle() const {
    SavedPuzzle puzzle;
    puzzle.randomPuzzleGenerateFlag = RandomPuzzleGenerateFlag;
    for (int i = 0; i < CellCount; ++i) {
        SavedCell& cell = puzzle.cells[i];
        cell.foreColor = Grid(i)->ForeColor();
        cell.backColor = Grid(i)->BackColor();
        cell.flags = FlagArray[i];
        cell.text = ToFileText(Grid(i)->text());
        cell.solution = SolutionArray[i];
    }
    for (int k = 0; k < PaletteSize; ++k) {
        puzzle.palette[k] = ColorSelect(k)->BackColor();
    }
    return puzzle;
}

bool Form1::WritePuzzleFile(const QString& path) {
    const std::string bytes = WriteSavFile(CurrentSavedPuzzle());
    const QString failure =
        WriteWholeFile(path, QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!failure.isEmpty()) {
        ReportError(
            QStringLiteral("Could not save the puzzle to \"%1\":\n%2").arg(Shown(path), failure));
        return false;
    }
    return true;
}

void Form1::Save_Click() {
    // Without a file name, ask for one: saving silently into nowhere would
    // let the user believe the work was kept.
    if (FileName.isEmpty()) {
        SaveAs_Click();
        return;
    }
    WritePuzzleFile(FileName);
}

QString Form1::AskForFile(void (CommonDialog::*show)(), const QString& filter,
                          const QString& defaultExt) {
    commonDialog_->Filter = filter;
    commonDialog_->DefaultExt = defaultExt;
    (commonDialog_.get()->*show)();
    return commonDialog_->FileName;
}

void Form1::SaveAs_Click() {
    const QString chosen =
        AskForFile(&CommonDialog::ShowSave, QStringLiteral("*.sav || *.*"), QStringLiteral(".sav"));
    if (chosen.isEmpty()) {
        return; // cancelled: the current file stays the current file
    }
    if (WritePuzzleFile(chosen)) {
        FileName = chosen;
    }
}

void Form1::Load_Click() {
    const QString chosen =
        AskForFile(&CommonDialog::ShowOpen, QStringLiteral("*.sav || *.*"), QStringLiteral(".sav"));
    if (chosen.isEmpty()) {
        return;
    }
    LoadPuzzleFile(chosen);
}

bool Form1::LoadPuzzleFile(const QString& path) {
    const std::optional<SavedPuzzle> puzzle = ReadPuzzleFile(path);
    if (!puzzle) {
        return false;
    }
    BusyCursor busy;
    ApplySavedPuzzle(*puzzle);
    FileName = path;
    return true;
}

std::optional<SavedPuzzle> Form1::ReadPuzzleFile(const QString& path) {
    const WholeFile file = ReadWholeFile(path, static_cast<qint64>(MaxSavFileSize));
    switch (file.status) {
    case WholeFile::Status::Read:
        break;
    case WholeFile::Status::NotRegular:
        ReportError(QStringLiteral("\"%1\" is not a puzzle file Tessra can load:\nit is not a "
                                   "regular file.")
                        .arg(Shown(path)));
        return std::nullopt;
    case WholeFile::Status::TooLarge: {
        // One call to arg: a "%2" in the path must stay as it is.
        const QString limit = QString::number(MaxSavFileSize);
        const QString size =
            file.size >= 0 ? QString::number(file.size) : QStringLiteral("more than ") + limit;
        ReportError(QStringLiteral("\"%1\" is not a puzzle file Tessra can load:\nit is too large "
                                   "(%2 bytes; a puzzle file has at most %3).")
                        .arg(Shown(path), size, limit));
        return std::nullopt;
    }
    case WholeFile::Status::Failed:
        ReportError(QStringLiteral("Could not read \"%1\":\n%2").arg(Shown(path), file.reason));
        return std::nullopt;
    }
    const QByteArray& bytes = file.bytes;
    SavReadResult result =
        ReadSavFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!result.puzzle) {
        ReportError(QStringLiteral("\"%1\" is not a puzzle file Tessra can load:\n%2")
                        .arg(Shown(path), QString::fromStdString(result.error.Message())));
    }
    return std::move(result.puzzle);
}

void Form1::ApplySavedPuzzle(const SavedPuzzle& puzzle) {
    RandomPuzzleGenerateFlag = puzzle.randomPuzzleGenerateFlag;
    for (int i = 0; i < CellCount; ++i) {
        const SavedCell& cell = puzzle.cells[i];
        FlagArray[i] = cell.flags;
        SolutionArray[i] = cell.solution;
        SetCellForeColor(i, cell.foreColor);
        SetCellBackColor(i, cell.backColor);
        // Through the ordinary change handling: the text is cleaned and the
        // candidates are rebuilt from the board, as when typed.
        Grid(i)->setText(FromFileText(cell.text));
    }
    for (int k = 0; k < PaletteSize; ++k) {
        ColorSelect(k)->SetBackColor(puzzle.palette[k]);
    }
    CopyFlags2PossibleGrid();
}

PictureBuffer* Form1::LoadedPictureBuffer() const {
    return pictureBuffer_.data();
}

void Form1::SnapShot_Click() {
    SnapShotFileName =
        AskForFile(&CommonDialog::ShowSave, QStringLiteral("*.bmp || *.*"), QStringLiteral(".bmp"));
    PictureBuffer* buffer = LoadWindow(pictureBuffer_, [] { return new PictureBuffer(); });
    buffer->CopyBoard(centralWidget(), TwipsRect(120, 360, 3495, 3540));
    if (SnapShotFileName.isEmpty()) {
        return;
    }
    QByteArray bitmap;
    QBuffer encoded(&bitmap);
    encoded.open(QIODevice::WriteOnly);
    QString failure = buffer->Picture1().save(&encoded, "BMP")
                          ? WriteWholeFile(SnapShotFileName, bitmap)
                          : QStringLiteral("The picture could not be encoded.");
    if (!failure.isEmpty()) {
        ReportError(QStringLiteral("Could not save the picture to \"%1\":\n%2")
                        .arg(Shown(SnapShotFileName), failure));
    }
}

} // namespace tessra
