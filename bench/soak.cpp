// Soak: drives the main window through the same cycle of user commands many
// times and reports the peak memory, so a leak shows as growth between the
// early and the final figure.
//
//   QT_QPA_PLATFORM=offscreen ./build/default/bench/soak 10000
//
// One cycle: "New Puzzle" at a level chosen by the cycle number, a few
// digits typed into open cells, "Check", "Reveal", "Save As" into a
// temporary file and "Load" of that file back; pending events and deferred
// deletes are processed, and the verdict window is closed every few cycles.
// The program stops with exit status 1 at the first failure: a reported
// file error, a failed load, or a loaded board that differs from the saved.

#include "board/Cell.h"
#include "files/SavFile.h"
#include "platform/CommonDialog.h"
#include "windows/CellEdit.h"
#include "windows/Form1.h"
#include "windows/Generate.h"
#include "windows/Message.h"
#include "windows/Startup.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <utility>

namespace {

using namespace tessra;

// Answers every file dialog with one path and cancels the colour dialog.
class FixedFileDialog final : public CommonDialog {
  public:
    explicit FixedFileDialog(QString path) : path_(std::move(path)) {}

    void ShowSave() override { FileName = path_; }
    void ShowOpen() override { FileName = path_; }
    bool ShowColor() override { return false; }

  private:
    QString path_;
};

// Peak resident set size of this process so far, in KiB (Linux reports
// ru_maxrss in KiB).
long PeakRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The offscreen platform warns on every raise() of a window; the soak
// raises two windows a cycle, so those lines would bury everything else.
void DropRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    qt_message_output(type, context, text);
}

void ProcessPending() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Up to three digits typed into open cells; where they go depends on the
// cycle, so over the run every cell and digit gets its turn. False when a
// typed digit did not stay in its cell.
bool TypeDigits(Form1& form, long cycle) {
    int typed = 0;
    for (int step = 0; step < CellCount && typed < 3; ++step) {
        const int index = static_cast<int>((cycle * 7 + step * 13) % CellCount);
        CellEdit* cell = form.Grid(index);
        if (!cell->text().isEmpty()) {
            continue;
        }
        const int digit = 1 + static_cast<int>((cycle + typed) % 9);
        QTest::mouseClick(cell, Qt::LeftButton);
        QTest::keyClick(cell, static_cast<Qt::Key>(Qt::Key_0 + digit));
        if (cell->text() != QString::number(digit)) {
            return false;
        }
        ++typed;
    }
    return true;
}

// One cycle; returns an empty string or what went wrong.
std::string RunCycle(Form1& form, long cycle, const QString& path, bool& reportedError) {
    form.New_Click();
    Generate* generate = form.LoadedGenerate();
    if (generate == nullptr) {
        return "the New Puzzle dialog did not open";
    }
    generate->Option(1 + static_cast<int>(cycle % 6))->setChecked(true);
    generate->Command1_Click();
    ProcessPending();

    const bool generated = form.RandomPuzzleGenerateFlag;
    if (!TypeDigits(form, cycle)) {
        return "a typed digit did not stay in its cell";
    }
    form.Check_Click();
    form.Reveal_Click();
    ProcessPending();
    if (generated && !form.CheckPuzzle()) {
        return "the revealed board does not check as solved";
    }

    form.SaveAs_Click();
    if (reportedError || form.FileName != path) {
        return "Save As did not write the file";
    }
    const std::string saved = WriteSavFile(form.CurrentSavedPuzzle());
    if (!form.LoadPuzzleFile(path) || reportedError) {
        return "Load failed";
    }
    if (WriteSavFile(form.CurrentSavedPuzzle()) != saved) {
        return "the loaded board differs from the saved one";
    }

    if (cycle % 10 == 9) {
        if (Message* message = form.LoadedMessage()) {
            message->Command1()->click(); // "Okay"
        }
    }
    ProcessPending();
    return {};
}

} // namespace

int main(int argc, char** argv) {
    tessra::PreferOffscreenPlatform();
    const long cycles = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1000;
    if (cycles <= 0) {
        std::fprintf(stderr, "usage: soak CYCLES\n");
        return 2;
    }
    qInstallMessageHandler(DropRaiseWarnings);
    QApplication app(argc, argv);
    tessra::SetUpApplication();

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "soak: no temporary directory\n");
        return 1;
    }
    const QString path = dir.filePath(QStringLiteral("soak.sav"));

    bool reportedError = false;
    {
        Form1 form;
        form.SetCommonDialog(std::make_unique<FixedFileDialog>(path));
        form.SetErrorReporter([&reportedError](const QString& text) {
            std::fprintf(stderr, "soak: reported: %s\n", qPrintable(text));
            reportedError = true;
        });
        form.show();
        if (!QTest::qWaitForWindowExposed(&form)) {
            std::fprintf(stderr, "soak: the main window was not shown\n");
            return 1;
        }
        ProcessPending();

        const auto start = std::chrono::steady_clock::now();
        for (long cycle = 0; cycle < cycles; ++cycle) {
            const std::string failure = RunCycle(form, cycle, path, reportedError);
            if (!failure.empty()) {
                std::fprintf(stderr, "soak: cycle %ld: %s\n", cycle, failure.c_str());
                return 1;
            }
            const long done = cycle + 1;
            if (done == 100 || done % 1000 == 0 || done == cycles) {
                std::printf("after %6ld cycles: peak RSS %ld KiB\n", done, PeakRssKiB());
                std::fflush(stdout);
            }
        }
        const std::chrono::duration<double, std::milli> elapsed =
            std::chrono::steady_clock::now() - start;
        std::printf("%ld cycles in %.1f s: %.3f ms per cycle\n", cycles, elapsed.count() / 1000.0,
                    elapsed.count() / static_cast<double>(cycles));
    }
    ProcessPending();
    std::printf("at the end: peak RSS %ld KiB\n", PeakRssKiB());
    return 0;
}
