// Starts the program's main window like main.cpp does, waits until it has
// painted itself once, prints the time from process start and exits.

#include "windows/Form1.h"
#include "windows/Startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

namespace {

class FirstPaint : public QObject {
  public:
    explicit FirstPaint(const QElapsedTimer& clock) : clock_(clock) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Report once this paint has been delivered.
            QTimer::singleShot(0, [this] {
                std::printf("start to first paint: %.2f ms\n", clock_.nsecsElapsed() / 1e6);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    const QElapsedTimer& clock_;
    bool seen_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    tessra::SetUpApplication();
    FirstPaint probe(clock);
    tessra::Form1 window;
    window.centralWidget()->installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
