// Every window as the screen shows it, at the scale factor and font DPI this
// run was started with (CTest runs each combination), in a light and a dark
// palette, with the desktop font at Qt's default, at 12 pt and at 30 px.

#include "GuiFixture.h"
#include "platform/QtColor.h"
#include "windows/Placement.h"

#include <QBackingStore>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <cmath>

namespace tessra {
namespace {

using test::GuiTest;

// WCAG contrast ratio of two colours, 1 to 21.
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

// A window as the screen shows it, in device pixels, from its backing store.
struct Shown {
    explicit Shown(QWidget* w) : window(w->window()), ratio(window->devicePixelRatioF()) {
        QCoreApplication::processEvents();
        const auto* store = dynamic_cast<const QImage*>(window->backingStore()->paintDevice());
        image = store != nullptr ? store->copy() : window->grab().toImage();
    }
    // The device pixels of a rectangle of a widget, rounded as a fill is.
    QRect Device(const QWidget* w, const QRect& r) const {
        return {(QPointF(w->mapTo(window, r.topLeft())) * ratio).toPoint(),
                (QPointF(w->mapTo(window, r.bottomRight() + QPoint(1, 1))) * ratio).toPoint() -
                    QPoint(1, 1)};
    }
    QWidget* window;
    qreal ratio;
    QImage image;
};

// The part of a box that shows: the largest rectangle no later sibling covers.
QRect Uncovered(const QWidget* box) {
    QRegion left(box->rect());
    const QObjectList& siblings = box->parentWidget()->children();
    for (auto i = siblings.indexOf(const_cast<QWidget*>(box)) + 1; i < siblings.size(); ++i) {
        if (const auto* w = qobject_cast<const QWidget*>(siblings.at(i)); w && w->isVisible()) {
            left -= w->geometry().translated(-box->pos());
        }
    }
    QRect largest;
    for (const QRect& r : left) {
        largest = r.width() * r.height() > largest.width() * largest.height() ? r : largest;
    }
    return largest;
}

// The edges of a box that do not show as a black line on its outermost
// device pixels (where a sibling covers an edge, the sibling's line there
// counts), so a sliver of fill outside the line or a missing line both count.
std::string MissingEdges(const Shown& shown, const QWidget* box) {
    const QRect whole = shown.Device(box, box->rect());
    const QRect r = shown.Device(box, Uncovered(box));
    const int bottom = r.bottom() + (r.bottom() != whole.bottom() ? 1 : 0);
    const int right = r.right() + (r.right() != whole.right() ? 1 : 0);
    const std::tuple<const char*, QPoint, QPoint> lines[] = {
        {" top", {r.left() + 1, r.top()}, {r.right() - 1, r.top()}},
        {" bottom", {r.left() + 1, bottom}, {r.right() - 1, bottom}},
        {" left", {r.left(), r.top() + 1}, {r.left(), r.bottom() - 1}},
        {" right", {right, r.top() + 1}, {right, r.bottom() - 1}}};
    std::string missing;
    for (const auto& [side, from, to] : lines) {
        const QPoint step = from.y() == to.y() ? QPoint(1, 0) : QPoint(0, 1);
        bool black = true;
        for (QPoint p = from; p != to + step && black; p += step) {
            black = shown.image.rect().contains(p) && qGray(shown.image.pixel(p)) <= 32;
        }
        missing += black ? "" : side;
    }
    return missing;
}

// Texts that need more room than their widget gives them.
QStringList ClippedTexts(const QWidget* window) {
    QStringList clipped;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        QRect room;
        QString text;
        int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            room = label->contentsRect();
            text = label->text();
            flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = text = button->text();
            room = w->style()->subElementRect(qobject_cast<const QRadioButton*>(w)
                                                  ? QStyle::SE_RadioButtonContents
                                                  : QStyle::SE_PushButtonContents,
                                              &option, w);
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
            room = edit->rect().marginsRemoved(edit->textMargins());
            text = edit->text();
            flags = int(edit->alignment());
        }
        // The line boxes, less the room above and below the glyphs' ink.
        const QFontMetrics metrics = w->fontMetrics();
        const QRect ink = metrics.tightBoundingRect(text);
        if (w->isVisible() && !text.isEmpty() &&
            !room.contains(metrics.boundingRect(room, flags, text)
                               .adjusted(0, metrics.ascent() + ink.top(), 0,
                                         ink.bottom() + 1 - metrics.descent()))) {
            clipped << w->metaObject()->className() + QStringLiteral(" '%1'").arg(text);
        }
    }
    return clipped;
}

// In a light (false) or dark (true) palette, with the desktop font at Qt's
// default (0), in points (more than 0) or in pixels (less than 0).
class RenderTest : public GuiTest, public ::testing::WithParamInterface<std::tuple<bool, int>> {
  protected:
    void SetUp() override {
        const auto [dark, desktopSize] = GetParam();
        QPalette palette = QApplication::style()->standardPalette();
        for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) {
            palette.setColor(role, dark ? QColor(0x353535) : palette.color(role));
        }
        for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
            palette.setColor(role, dark ? QColor(Qt::white) : palette.color(role));
        }
        QApplication::setPalette(palette);
        if (desktopSize != 0) {
            QFont font = desktopFont_;
            desktopSize > 0 ? font.setPointSize(desktopSize) : font.setPixelSize(-desktopSize);
            QApplication::setFont(font);
        }
        GuiTest::SetUp();
    }
    void TearDown() override {
        GuiTest::TearDown();
        QApplication::setPalette(QApplication::style()->standardPalette());
        QApplication::setFont(desktopFont_);
    }

  private:
    const QFont desktopFont_ = QApplication::font();
};

// Every box shows its four edges; the focused cell carries a mark inside its
// frame that contrasts with any background the user can give it and changes
// no colour (that it stays out of snapshots is in FilesTest); no text is
// clipped, and the verdict reads in its black phase.
TEST_P(RenderTest, EveryWindowShowsItsEdgesTextsAndFocus) {
    Trigger("Extra");
    form->activateWindow(); // as the window manager does on a click
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    for (const ColorValue back : {SystemWindowBackground, 0U, 0x808080U, 0xFF0000U}) {
        form->SetCellBackColor(40, back);
        ClickCell(39);
        const Shown before(form.get());
        ClickCell(40);
        const Shown after(form.get());
        const QRect r = after.Device(Cell(40), Uncovered(Cell(40)));
        const int band = 4 * static_cast<int>(std::ceil(after.ratio));
        // Per side: a line within the band, inside the frame, that the focus
        // changed and that stands out from the background.
        const auto marked = [&](QPoint from, QPoint along, QPoint inwards, int length) {
            bool line = false;
            for (int depth = 0; depth <= band && !line; ++depth) {
                line = true;
                for (int s = 1; s < length - 1 && line; ++s) {
                    const QPoint p = from + inwards * depth + along * s;
                    line = before.image.pixel(p) != after.image.pixel(p) &&
                           Contrast(after.image.pixelColor(p), ToQColor(back)) >= 3.0;
                }
            }
            return line;
        };
        const int w = r.width() - 2 * band, h = r.height() - 2 * band;
        EXPECT_TRUE(marked(r.topLeft() + QPoint(band, 0), {1, 0}, {0, 1}, w) &&
                    marked(r.bottomLeft() + QPoint(band, 0), {1, 0}, {0, -1}, w) &&
                    marked(r.topLeft() + QPoint(0, band), {0, 1}, {1, 0}, h) &&
                    marked(r.topRight() + QPoint(0, band), {0, 1}, {-1, 0}, h))
            << back;
        EXPECT_TRUE(Cell(40)->BackColor() == back && Box(40)->BackColor() == back);
    }
    // The cells, the side boxes and the swatches; the candidate boxes.
    for (QWidget* window :
         std::initializer_list<QWidget*>{form.get(), form->LoadedPossibleForm()}) {
        const Shown shown(window);
        for (const QWidget* box : window->findChildren<QWidget*>()) {
            if (qobject_cast<const QLineEdit*>(box) || qobject_cast<const ColorBox*>(box)) {
                EXPECT_EQ(MissingEdges(shown, box), "") << box->accessibleName().toStdString();
            }
        }
    }
    Trigger("New");
    Trigger("Check");
    Trigger("About");
    for (const QWidget* window : std::initializer_list<const QWidget*>{
             form.get(), form->LoadedGenerate(), form->LoadedMessage(), form->LoadedAboutForm()}) {
        EXPECT_EQ(ClippedTexts(window).join(", ").toStdString(), "")
            << window->windowTitle().toStdString();
    }
    ASSERT_EQ(form->LoadedMessage()->LabelColor(), 0U);
    const QPalette verdict = form->LoadedMessage()->Label1()->palette();
    EXPECT_GE(Contrast(verdict.color(QPalette::WindowText), verdict.color(QPalette::Window)), 4.5);
}

INSTANTIATE_TEST_SUITE_P(Looks, RenderTest,
                         ::testing::Combine(::testing::Bool(), ::testing::Values(0, 12, -30)));

// Wherever the user has moved the main window, "Possible Values" opens
// beside it, clear of it and on the screen, as long as the screen has room.
TEST_F(GuiTest, PossibleValuesOpensBesideTheMainWindow) {
    const QRect screen = form->screen()->availableGeometry();
    const QSize size = form->frameGeometry().size();
    const int right = screen.right() + 1 - size.width();
    const int bottom = screen.bottom() + 1 - size.height();
    for (const QPoint at : {QPoint(right / 2, bottom / 2), QPoint(right, bottom / 2),
                            QPoint(right, bottom), QPoint(0, bottom)}) {
        Restart();
        form->move(at);
        Trigger("Extra");
        const QRect main = form->frameGeometry();
        const QRect possible = form->LoadedPossibleForm()->frameGeometry();
        // Beside: no farther from the main window than a small gap.
        EXPECT_TRUE(screen.contains(possible) && !possible.intersects(main) &&
                    main.adjusted(-16, -16, 16, 16).intersects(possible))
            << at.x() << "," << at.y();
    }
    // A window as tall or as wide as the screen goes 8 pixels right of it or
    // below it; where there is no room beside it, a window covers as little
    // of it as it can; one larger than the screen either way is left where
    // it is. Sizes are less the frame.
    form->move(screen.topLeft());
    const QSize full = screen.size() - (size - form->size()), room = full - QSize(100, 100);
    const QRect main = form->frameGeometry();
    for (const auto& [large, at] :
         {std::pair{QSize(100, full.height()), QPoint(main.right() + 9, screen.top())},
          {QSize(full.width(), 100), QPoint(screen.left(), main.bottom() + 9)},
          {room, QPoint(100, 100)},
          {QSize(99999, 100), QPoint(5, 5)},
          {QSize(100, 99999), QPoint(5, 5)}}) {
        QWidget window;
        window.setGeometry(QRect(QPoint(5, 5), large));
        PlaceBeside(&window, form.get());
        EXPECT_EQ(window.pos(), at) << large.width();
    }
}

} // namespace
} // namespace tessra
