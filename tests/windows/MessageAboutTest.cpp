#include "GuiFixture.h"
#include "windows/AboutForm.h"
#include "windows/Generate.h"
#include "windows/Message.h"
#include "windows/PictureBuffer.h"

#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace tessra {
namespace {

using test::GuiTest;

QPoint CentredPosition(const QWidget* window) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return {static_cast<int>(screen.width() / 2.0f - window->width() / 2.0f),
            static_cast<int>(screen.height() / 2.0f - window->height() / 2.0f)};
}

TEST_F(GuiTest, VerdictFlashesBetweenBlackAndItsColour) {
    Trigger("Check"); // empty board: wrong, red
    Message* message = form->LoadedMessage();
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->Timer1()->interval(), 250);
    EXPECT_TRUE(message->Timer1()->isActive());
    EXPECT_EQ(message->LabelColor(), 0U);
    EXPECT_EQ(message->pos(), CentredPosition(message));
    std::vector<ColorValue> seen;
    for (int tick = 0; tick < 4; ++tick) {
        message->Timer1_Timer();
        seen.push_back(message->LabelColor());
    }
    EXPECT_EQ(seen, (std::vector<ColorValue>{0xFF, 0, 0xFF, 0}));
    EXPECT_EQ(message->Label1()->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(GuiTest, NewVerdictWhileTheOldColourShowsFlashesInTheNewColour) {
    Trigger("Check");
    Message* message = form->LoadedMessage();
    message->Timer1_Timer(); // red
    ASSERT_EQ(message->LabelColor(), 0xFFU);
    message->move(10, 10);
    form->NewPuzzle(81);
    Trigger("Check"); // correct now: yellow
    EXPECT_EQ(form->LoadedMessage(), message) << "not reloaded";
    EXPECT_EQ(message->pos(), QPoint(10, 10)) << "not re-centred";
    EXPECT_EQ(message->LabelColor(), 0xFFU) << "the label colour is not reset";
    std::vector<ColorValue> seen;
    for (int tick = 0; tick < 3; ++tick) {
        message->Timer1_Timer();
        seen.push_back(message->LabelColor());
    }
    EXPECT_EQ(seen, (std::vector<ColorValue>{0, 0xFFFF, 0}));
}

TEST_F(GuiTest, OkayClosesTheVerdictAndTheNextCheckStartsAfresh) {
    Trigger("Check");
    Message* message = form->LoadedMessage();
    message->Timer1_Timer();
    message->move(5, 5);
    QTest::mouseClick(message->Command1(), Qt::LeftButton);
    ProcessDeletes();
    EXPECT_EQ(form->LoadedMessage(), nullptr);
    Trigger("Check");
    message = form->LoadedMessage();
    EXPECT_EQ(message->LabelColor(), 0U);
    EXPECT_EQ(message->pos(), CentredPosition(message));
}

TEST_F(GuiTest, TheRealTimerFlashes) {
    Trigger("Check");
    Message* message = form->LoadedMessage();
    message->Timer1()->setInterval(5); // a short test interval, same handler
    EXPECT_TRUE(QTest::qWaitFor([message] { return message->LabelColor() == 0xFFU; }, 2000));
}

TEST_F(GuiTest, AboutCaptionSlidesRightAndJumpsBack) {
    Trigger("About");
    AboutForm* about = form->LoadedAboutForm();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "About");
    EXPECT_EQ(about->pos(), CentredPosition(about));
    const QString caption = about->Label1()->text();
    const QString title = "Tessra v1.0" + QString(47, ' ');
    ASSERT_GT(caption.size(), title.size());
    EXPECT_TRUE(caption.startsWith(title));
    EXPECT_NE(caption.at(title.size()), ' ') << "exactly 47 blanks, then the notice";
    EXPECT_EQ(about->Image1()->pixmap().size(), QSize(32, 32));
    EXPECT_FALSE(about->windowIcon().isNull());
    for (int tick = 1; tick <= 45; ++tick) {
        about->Timer1_Timer();
    }
    EXPECT_EQ(about->windowTitle(), QString(45, ' ') + "About");
    about->Timer1_Timer();
    EXPECT_EQ(about->windowTitle(), "About");

    about->Timer1_Timer();
    about->move(3, 3);
    Trigger("About"); // already open: nothing changes
    EXPECT_EQ(form->LoadedAboutForm(), about);
    EXPECT_EQ(about->windowTitle(), " About");
    EXPECT_EQ(about->pos(), QPoint(3, 3));

    QTest::mouseClick(about->Command1(), Qt::LeftButton);
    ProcessDeletes();
    EXPECT_EQ(form->LoadedAboutForm(), nullptr);
    Trigger("About");
    about = form->LoadedAboutForm();
    EXPECT_EQ(about->windowTitle(), "About");
    EXPECT_EQ(about->pos(), CentredPosition(about));
}

TEST_F(GuiTest, ExitClosesEveryOtherWindow) {
    Trigger("New");
    Trigger("Check");
    Trigger("About");
    Trigger("SnapShot"); // cancelled, but the picture buffer is loaded
    form->Extra_Click();
    const QPointer<QWidget> windows[] = {
        QPointer<QWidget>(form->LoadedGenerate()), QPointer<QWidget>(form->LoadedMessage()),
        QPointer<QWidget>(form->LoadedAboutForm()), QPointer<QWidget>(form->LoadedPossibleForm()),
        QPointer<QWidget>(form->LoadedPictureBuffer())};
    Trigger("Exit");
    EXPECT_FALSE(form->isVisible());
    ProcessDeletes();
    for (const auto& window : windows) {
        EXPECT_TRUE(window.isNull());
    }
}

} // namespace
} // namespace tessra

namespace tessra {
namespace {

TEST_F(GuiTest, MenuAccessKeysReachTheCommands) {
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_B, Qt::AltModifier); // "A&bout"
    EXPECT_NE(form->LoadedAboutForm(), nullptr);
    form->LoadedAboutForm()->close();
    ProcessDeletes();

    QApplication::setActiveWindow(form.get());
    QTest::keyClick(form.get(), Qt::Key_L, Qt::AltModifier); // "Specia&l"
    QMenu* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(open, nullptr) << "the Special menu opened";
    QTest::keyClick(open, Qt::Key_H); // "C&heck"
    ASSERT_NE(form->LoadedMessage(), nullptr);
    EXPECT_EQ(form->LoadedMessage()->windowTitle(), "Error!");
}

} // namespace
} // namespace tessra
