// Makes the README's pictures: a puzzle in progress in the main window and
// the possible-values window beside it. Writes main-window.png and
// possible-values.png into the folder given as the first argument; at a
// scale factor other than 1 (QT_SCALE_FACTOR) only the main window, as
// main-window-<percent>.png, in device pixels.

#include "platform/ProgramRandom.h"
#include "windows/CellEdit.h"
#include "windows/Form1.h"
#include "windows/Form2.h"
#include "windows/Startup.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tessra::SetUpApplication();
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    tessra::Form1 window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the main window did not appear\n");
        return 1;
    }
    // The same puzzle every time.
    tessra::ProgramRandom::Instance().Seed(1234.0f);
    window.NewPuzzle(30);
    // A few digits typed by the player, and a coloured block.
    window.SelectedColor = 0x00FFFF;
    for (int i : {30, 31, 32, 39, 40, 41, 48, 49, 50}) {
        window.SetCellBackColor(i, window.SelectedColor);
    }
    int typed = 0;
    for (int i = 0; i < tessra::CellCount && typed < 4; ++i) {
        if (window.Grid(i)->text().isEmpty()) {
            QTest::mouseClick(window.Grid(i), Qt::LeftButton);
            QTest::keyClicks(window.Grid(i), QString::fromStdString(
                                                 window.Solution()[static_cast<std::size_t>(i)]));
            window.SetCellForeColor(i, 0xC00000); // dark blue for the player's digits
            ++typed;
        }
    }
    window.Extra_Click();
    // Back to the main window once the other has come up, as a click on it
    // would: the focused cell shows its focus mark.
    if (!QTest::qWaitForWindowActive(window.LoadedPossibleForm())) {
        std::fprintf(stderr, "Possible Values did not become active\n");
    }
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        std::fprintf(stderr, "the main window did not become active\n");
    }
    QTest::mouseClick(window.Grid(40), Qt::LeftButton);
    QTest::qWait(200);

    const qreal ratio = window.devicePixelRatioF();
    if (ratio != 1.0) {
        const QString name = QStringLiteral("main-window-%1.png").arg(qRound(ratio * 100));
        return window.grab().save(out.filePath(name)) ? 0 : 1;
    }
    const bool ok = window.grab().save(out.filePath(QStringLiteral("main-window.png"))) &&
                    window.LoadedPossibleForm()->grab().save(
                        out.filePath(QStringLiteral("possible-values.png")));
    return ok ? 0 : 1;
}
