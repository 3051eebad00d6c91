// The program's hot path with real widgets: every keystroke rescans the
// board and refreshes the 81 boxes of the possible-values window. Each
// benchmark processes the pending repaints too, so the figures include what
// the user waits for, not only the handlers.

#include "files/SavFile.h"
#include "platform/SafeFile.h"
#include "windows/CellEdit.h"
#include "windows/Form1.h"
#include "windows/Form2.h"
#include "windows/Generate.h"
#include "windows/Startup.h"

#include <QApplication>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

namespace {

using namespace tessra;

const char* const Solution = "123456789987321654654987321892714536716593842"
                             "435862917548279163371648295269135478";

// A started main window; with showPossible the possible-values window is
// open, otherwise it exists but stays hidden.
std::unique_ptr<Form1> StartedWindow(bool showPossible) {
    auto form = std::make_unique<Form1>();
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) {
        return nullptr;
    }
    if (showPossible) {
        form->Extra_Click();
    } else {
        form->CopyFlags2PossibleGrid();
    }
    QApplication::processEvents();
    return form;
}

void Settle() {
    QApplication::processEvents();
}

// One keystroke places a 5, the next (Backspace) removes it.
void BM_KeystrokePlaceAndRemove(benchmark::State& state) {
    auto form = StartedWindow(state.range(0) != 0);
    CellEdit* cell = form->Grid(40);
    QTest::mouseClick(cell, Qt::LeftButton);
    for (auto _ : state) {
        QTest::keyClick(cell, Qt::Key_5);
        Settle();
        QTest::keyClick(cell, Qt::Key_Backspace);
        Settle();
    }
    state.counters["keystrokes"] =
        benchmark::Counter(2.0 * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_KeystrokePlaceAndRemove)
    ->ArgName("possibleShown")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

// "5" typed behind a "3": three nested changes ("35", "3", ""), then "3"
// typed again to restore the cell.
void BM_KeystrokeNestedChanges(benchmark::State& state) {
    auto form = StartedWindow(state.range(0) != 0);
    CellEdit* cell = form->Grid(40);
    QTest::mouseClick(cell, Qt::LeftButton);
    QTest::keyClick(cell, Qt::Key_3);
    for (auto _ : state) {
        QTest::keyClick(cell, Qt::Key_5);
        Settle();
        QTest::keyClick(cell, Qt::Key_3);
        Settle();
    }
    state.counters["keystrokes"] =
        benchmark::Counter(2.0 * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_KeystrokeNestedChanges)
    ->ArgName("possibleShown")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

// All 81 cells written one after another with change handling on (as
// clearing the board, reveal and load do), alternately filled with a solved
// board and emptied again: two passes of 81 writes per iteration.
void BM_WriteAll81Cells(benchmark::State& state) {
    auto form = StartedWindow(state.range(0) != 0);
    for (auto _ : state) {
        for (int i = 0; i < CellCount; ++i) {
            form->Grid(i)->setText(QString(QLatin1Char(Solution[i])));
        }
        Settle();
        for (int i = 0; i < CellCount; ++i) {
            form->Grid(i)->setText(QString());
        }
        Settle();
    }
    state.counters["passes"] =
        benchmark::Counter(2.0 * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_WriteAll81Cells)
    ->ArgName("possibleShown")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

// "Generate" at "Very Hard", end to end through the dialog.
void BM_GenerateVeryHard(benchmark::State& state) {
    auto form = StartedWindow(true);
    for (auto _ : state) {
        form->New_Click();
        Generate* dialog = form->LoadedGenerate();
        dialog->Option(6)->setChecked(true);
        dialog->Command1_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Settle();
    }
}
BENCHMARK(BM_GenerateVeryHard)->Unit(benchmark::kMicrosecond);

// "Re&veal" of a generated puzzle: the solution written into the 61 open
// cells through the change handling. The puzzle is made again untimed.
void BM_RevealGenerated(benchmark::State& state) {
    auto form = StartedWindow(true);
    for (auto _ : state) {
        state.PauseTiming();
        form->NewPuzzle(20);
        Settle();
        state.ResumeTiming();
        form->Reveal_Click();
        Settle();
    }
}
BENCHMARK(BM_RevealGenerated)->Unit(benchmark::kMicrosecond);

// "Clear Board" of a full board, through the dialog.
void BM_ClearFullBoard(benchmark::State& state) {
    auto form = StartedWindow(true);
    for (auto _ : state) {
        state.PauseTiming();
        form->NewPuzzle(81);
        Settle();
        state.ResumeTiming();
        form->New_Click();
        form->LoadedGenerate()->Command1_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Settle();
    }
}
BENCHMARK(BM_ClearFullBoard)->Unit(benchmark::kMicrosecond);

// "&Load" of a full board: alternately two different saved puzzles, so
// every load rewrites the cells.
void BM_LoadFullBoard(benchmark::State& state) {
    auto form = StartedWindow(true);
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.sav"));
    const QString second = dir.filePath(QStringLiteral("second.sav"));
    form->SetErrorReporter([](const QString&) { std::abort(); });
    form->NewPuzzle(81);
    form->SetCellBackColor(3, 0x00FFFF);
    WriteWholeFile(first, QByteArray::fromStdString(WriteSavFile(form->CurrentSavedPuzzle())));
    form->NewPuzzle(81);
    WriteWholeFile(second, QByteArray::fromStdString(WriteSavFile(form->CurrentSavedPuzzle())));
    bool useFirst = true;
    for (auto _ : state) {
        form->LoadPuzzleFile(useFirst ? first : second);
        useFirst = !useFirst;
        Settle();
    }
}
BENCHMARK(BM_LoadFullBoard)->Unit(benchmark::kMicrosecond);

void BM_StartToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        auto form = StartedWindow(false);
        form->grab(); // forces a full paint of the window
        state.PauseTiming();
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    tessra::PreferOffscreenPlatform();
    QApplication app(argc, argv);
    tessra::SetUpApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
