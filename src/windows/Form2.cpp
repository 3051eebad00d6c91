#include "windows/Form2.h"

#include "platform/Fonts.h"
#include "platform/Twips.h"
#include "windows/AppIcon.h"
#include "windows/CellEdit.h"
#include "windows/ColorBox.h"

#include <QAccessibleWidget>
#include <QKeyEvent>

namespace tessra {

namespace {

constexpr IndexedArray<int, BoardSide> BoxLeft = {120,  720,  1320, 2040, 2640,
                                                  3240, 3960, 4560, 5160};
constexpr IndexedArray<int, BoardSide> BoxTop = {120,  600,  1080, 1680, 2160,
                                                 2640, 3240, 3720, 4200};

// A plain widget is a "filler" to screen readers, which do not announce it
// as a window; this one is a window, named by its caption.
QAccessibleInterface* Form2Accessible(const QString& className, QObject* object) {
    if (className == QLatin1String(Form2::staticMetaObject.className())) {
        if (auto* window = qobject_cast<Form2*>(object)) {
            return new QAccessibleWidget(window, QAccessible::Window);
        }
    }
    return nullptr;
}

} // namespace

Form2::Form2() : QWidget(nullptr, Qt::Window) {
    static const bool describedAsWindow = [] {
        QAccessible::installFactory(&Form2Accessible);
        return true;
    }();
    (void)describedAsWindow;
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Possible Values"));
    setWindowIcon(AppIcon());
    resize(TwipsToPixels(5865), TwipsToPixels(4815));
    const QFont font = CourierFont(8.25);
    ColorBox* previous = nullptr;
    for (int i = 0; i < CellCount; ++i) {
        auto* box = new ColorBox(i, ColorBox::Kind::Candidates, this);
        box->setFont(font);
        box->setGeometry(TwipsRect(BoxLeft[ColumnOf(i)], BoxTop[RowOf(i)], 615, 495));
        // Named as its cell; the window's title says what the boxes show.
        box->setAccessibleName(CellName(i));
        box->SetText(QStringLiteral("123456789"));
        connect(box, &ColorBox::Clicked, this, &Form2::BoxClicked);
        if (previous != nullptr) {
            setTabOrder(previous, box);
        }
        previous = box;
        boxes_[i] = box;
    }
}

void Form2::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        emit Dismissed();
        return;
    }
    // The arrow keys walk the boxes as they walk the cells of the board; the
    // box shows the keyboard's focus frame as after a Tab.
    if (const auto* box = qobject_cast<ColorBox*>(focusWidget())) {
        const int next = ArrowNeighbour(box->Index(), event->key());
        if (next >= 0) {
            PossibleGrid(next)->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

} // namespace tessra
