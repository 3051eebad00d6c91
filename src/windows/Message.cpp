#include "windows/Message.h"

#include "platform/Fonts.h"
#include "platform/QtColor.h"
#include "platform/Twips.h"
#include "windows/Placement.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace tessra {

Message::Message(QWidget* owner) : QDialog(owner) {
    MakeFixedDialog(this, QStringLiteral("Congratulations!"), 2610, 1695);
    // The verdict's colours are fixed, black and a bright flash colour; the
    // window behind them is drawn in the classic button face, as the other
    // system colours are, so that the black phase reads under a dark theme.
    QPalette classic = palette();
    classic.setColor(QPalette::All, QPalette::Window, ToQColor(SystemButtonFace));
    setPalette(classic);

    label1_ = new QLabel(QStringLiteral("Correct Solution!"), this);
    label1_->setGeometry(TwipsRect(120, 120, 2295, 855));
    label1_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label1_->setWordWrap(true);
    label1_->setFont(TimesFont(18, true));

    command1_ = new QPushButton(QStringLiteral("Okay"), this);
    command1_->setGeometry(TwipsRect(600, 1200, 1455, 375));
    command1_->setFont(TimesFont(9.75, true));
    connect(command1_, &QPushButton::clicked, this, &QWidget::close);

    timer1_ = new QTimer(this);
    timer1_->setInterval(250);
    connect(timer1_, &QTimer::timeout, this, &Message::Timer1_Timer);
    Form_Load();
    timer1_->start();
}

void Message::Form_Load() {
    CentreByClientSize(this);
    SetLabelColor(Black);
    FlashColor = CorrectFlashColor;
}

void Message::ShowVerdict(bool correct) {
    if (correct) {
        label1_->setText(QStringLiteral("Correct Solution!"));
        setWindowTitle(QStringLiteral("Congratulations!"));
        FlashColor = CorrectFlashColor;
    } else {
        label1_->setText(QStringLiteral("Wrong Solution!"));
        setWindowTitle(QStringLiteral("Error!"));
        FlashColor = WrongFlashColor;
    }
}

void Message::SetLabelColor(ColorValue color) {
    labelColor_ = color;
    QPalette p = label1_->palette();
    p.setColor(QPalette::All, QPalette::WindowText, ToQColor(color));
    label1_->setPalette(p);
}

void Message::Timer1_Timer() {
    // Black, then the flash colour, then black again. A label still in the
    // colour of an earlier verdict goes back to black, so the next step
    // shows the new verdict's colour instead of staying stuck in the old.
    if (labelColor_ == Black) {
        SetLabelColor(FlashColor);
    } else {
        SetLabelColor(Black);
    }
}

} // namespace tessra
