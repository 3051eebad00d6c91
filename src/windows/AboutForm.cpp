#include "windows/AboutForm.h"

#include "platform/Fonts.h"
#include "platform/Twips.h"
#include "windows/AppIcon.h"
#include "windows/Placement.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace tessra {

namespace {

// The label keeps its size whatever the desktop's font. When the wrapped
// text is taller or wider than the label in that font, the label's font
// steps down until the whole notice shows.
void FitFontToLabel(QLabel* label) {
    QFont font = label->font();
    const QRect room = label->contentsRect();
    const auto fits = [&](const QFont& f) {
        const QRect needed = QFontMetrics(f).boundingRect(
            room, static_cast<int>(label->alignment().toInt()) | Qt::TextWordWrap, label->text());
        return needed.width() <= room.width() && needed.height() <= room.height();
    };
    const bool inPoints = font.pointSizeF() > 0;
    for (int step = 0; step < 40 && !fits(font); ++step) {
        if (inPoints) {
            font.setPointSizeF(font.pointSizeF() - 0.5);
        } else {
            font.setPixelSize(font.pixelSize() - 1);
        }
    }
    label->setFont(font);
}

} // namespace

AboutForm::AboutForm(QWidget* owner) : QDialog(owner) {
    MakeFixedDialog(this, QStringLiteral("About"), 3285, 1755);
    // Screen readers read the caption and the label without the blanks that
    // scroll the one and wrap the other.
    setAccessibleName(windowTitle());

    // The run of blanks pushes the notice below the title in the narrow label.
    label1_ = new QLabel(QStringLiteral("Tessra v1.0") + QString(47, QLatin1Char(' ')) +
                             QStringLiteral("(c) 2026 the Tessra developers"),
                         this);
    label1_->setAccessibleName(label1_->text().simplified());
    label1_->setGeometry(TwipsRect(240, 120, 2055, 855));
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FitFontToLabel(label1_);

    image1_ = new QLabel(this);
    image1_->setGeometry(TwipsRect(2640, 360, 480, 480));
    image1_->setPixmap(AppIcon().pixmap(32, 32));

    command1_ = new QPushButton(QStringLiteral("Okay"), this);
    command1_->setGeometry(TwipsRect(1080, 1200, 1095, 375));
    command1_->setFont(TimesFont(12));
    connect(command1_, &QPushButton::clicked, this, &QWidget::close);
    setTabOrder(command1_, label1_);

    timer1_ = new QTimer(this);
    timer1_->setInterval(250);
    connect(timer1_, &QTimer::timeout, this, &AboutForm::Timer1_Timer);
    CentreByClientSize(this);
    timer1_->start();
}

void AboutForm::Timer1_Timer() {
    setWindowTitle(QLatin1Char(' ') + windowTitle());
    if (windowTitle().size() > 50) {
        setWindowTitle(QStringLiteral("About"));
    }
}

} // namespace tessra
