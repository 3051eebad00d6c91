#include "windows/Form1.h"

#include "platform/CommonDialog.h"
#include "platform/Fonts.h"
#include "platform/ProgramRandom.h"
#include "platform/Twips.h"
#include "windows/AboutForm.h"
#include "windows/AppIcon.h"
#include "windows/CellEdit.h"
#include "windows/ColorBox.h"
#include "windows/FlatLineEdit.h"
#include "windows/Form2.h"
#include "windows/Generate.h"
#include "windows/Message.h"
#include "windows/Palette.h"
#include "windows/PictureBuffer.h"
#include "windows/Placement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

namespace tessra {

namespace {

constexpr IndexedArray<int, BoardSide> CellLeft = {120,  480,  840,  1320, 1680,
                                                   2040, 2520, 2880, 3240};
constexpr IndexedArray<int, BoardSide> CellTop = {360,  720,  1080, 1560, 1920,
                                                  2280, 2760, 3120, 3480};
constexpr int CellWidth = 375;
constexpr int CellHeight = 420;

QLabel* MakeLabel(const QString& text, QWidget* parent, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setFont(TimesFont(12));
    label->setGeometry(geometry);
    return label;
}

QLineEdit* MakeSideBox(const QString& text, const QFont& font, QWidget* parent,
                       const QRect& geometry) {
    auto* box = new FlatLineEdit(parent);
    box->setText(text);
    box->setFont(font);
    box->setGeometry(geometry);
    box->setReadOnly(true);
    return box;
}

} // namespace

Form1::Form1() : commonDialog_(std::make_unique<QtCommonDialog>(this)) {
    setWindowTitle(QStringLiteral("Tessra v1.0"));
    setWindowIcon(AppIcon());
    // A fixed frame with no minimise or maximise button; still an ordinary
    // top-level window, so it stays in the task bar and the window switcher.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setFixedSize(TwipsToPixels(5160), TwipsToPixels(4020));
    setCentralWidget(client);
    BuildBoard(client);
    BuildSidePanel(client);
    BuildMenus();
    BuildTabOrder();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Form_Load();
}

Form1::~Form1() {
    // These windows have no parent; they go with the main window.
    delete form2_.data();
    delete pictureBuffer_.data();
}

void Form1::BuildBoard(QWidget* client) {
    const QFont font = CourierFont(15, true);
    for (int i = 0; i < CellCount; ++i) {
        auto* cell = new CellEdit(i, client);
        cell->setFont(font);
        cell->setGeometry(
            TwipsRect(CellLeft[ColumnOf(i)], CellTop[RowOf(i)], CellWidth, CellHeight));
        cell->setText(QStringLiteral("0"));
        connect(cell, &QLineEdit::textChanged, this, [this, i] { Grid_Change(i); });
        connect(cell, &CellEdit::Clicked, this, &Form1::Grid_Click);
        connect(cell, &CellEdit::ArrowPressed, this, &Form1::MoveFocusFrom);
        grid_[i] = cell;
    }
}

void Form1::BuildSidePanel(QWidget* client) {
    MakeLabel(QStringLiteral("Selected:"), client, TwipsRect(3840, 360, 1215, 255));
    coordinateBox_ = MakeSideBox(QStringLiteral("0,0"), CourierFont(12), client,
                                 TwipsRect(3840, 720, 1215, 360));
    coordinateBox_->setAccessibleName(QStringLiteral("Selected"));
    MakeLabel(QStringLiteral("Possible:"), client, TwipsRect(3840, 1320, 1215, 255));
    possibleBox_ = MakeSideBox(QStringLiteral("123456789"), CourierFont(9.75), client,
                               TwipsRect(3840, 1680, 1215, 360));
    possibleBox_->setAccessibleName(QStringLiteral("Possible"));

    for (int k = 0; k < PaletteSize; ++k) {
        auto* swatch = new ColorBox(k, ColorBox::Kind::Swatch, client);
        swatch->setGeometry(TwipsRect(3960 + 240 * (k % 4), 2280 + 240 * (k / 4), 255, 285));
        swatch->SetBackColor(StartPalette[k].value);
        swatch->SetChecked(k == ColorSelectIndex);
        connect(swatch, &ColorBox::Clicked, this, &Form1::ColorSelect_Click);
        colorSelect_[k] = swatch;
    }

    command1_ = new QPushButton(QStringLiteral("Color Select"), client);
    command1_->setFont(TimesFont(9.75));
    command1_->setGeometry(TwipsRect(3840, 3480, 1215, 375));
    connect(command1_, &QPushButton::clicked, this, &Form1::Command1_Click);
}

void Form1::BuildMenus() {
    QMenuBar* bar = menuBar();
    // Every item carries its control name, so tests and the other windows
    // can find it, and runs its handler when chosen.
    const auto addItem = [this](auto* menu, const char* name, const QString& caption,
                                auto handler) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    const auto addMenu = [bar](const char* name, const QString& caption) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };

    QMenu* file = addMenu("File", QStringLiteral("&File"));
    addItem(file, "New", QStringLiteral("&New"), &Form1::New_Click);
    addItem(file, "Save", QStringLiteral("&Save"), &Form1::Save_Click);
    addItem(file, "SaveAs", QStringLiteral("Sa&ve As"), &Form1::SaveAs_Click);
    addItem(file, "SnapShot", QStringLiteral("S&napShot"), &Form1::SnapShot_Click);
    addItem(file, "Load", QStringLiteral("&Load"), &Form1::Load_Click);
    addItem(file, "Exit", QStringLiteral("E&xit"), &QWidget::close);

    QMenu* edit = addMenu("Edit", QStringLiteral("&Edit"));
    struct EditItem {
        const char* name;
        QString caption;
        ColorEditAction action;
    };
    const std::array<EditItem, 5> editItems = {{
        {"Off", QStringLiteral("&Off"), ColorEditAction::Off},
        {"ChangeFore", QStringLiteral("Change &ForeColor"), ColorEditAction::ChangeFore},
        {"ChangeBack", QStringLiteral("Change &BackColor"), ColorEditAction::ChangeBack},
        {"PaintFore", QStringLiteral("Paint Fo&reColor"), ColorEditAction::PaintFore},
        {"PaintBack", QStringLiteral("Paint Ba&ckColor"), ColorEditAction::PaintBack},
    }};
    for (const EditItem& editItem : editItems) {
        const ColorEditAction action = editItem.action;
        QAction* item = addItem(edit, editItem.name, editItem.caption,
                                [this, action] { EditMenu_Click(action); });
        item->setCheckable(action != ColorEditAction::Off); // "&Off" never carries a mark
    }

    // "&Extra" and "A&bout" are items of the bar itself, without a menu.
    addItem(bar, "Extra", QStringLiteral("&Extra"), &Form1::Extra_Click);
    QMenu* special = addMenu("Special", QStringLiteral("Specia&l"));
    addItem(special, "Check", QStringLiteral("C&heck"), &Form1::Check_Click);
    addItem(special, "Reveal", QStringLiteral("Re&veal"), &Form1::Reveal_Click);
    addItem(bar, "About", QStringLiteral("A&bout"), &Form1::About_Click);
}

void Form1::BuildTabOrder() {
    QWidget* previous = grid_[0];
    const auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    for (int i = 1; i < CellCount; ++i) {
        chain(Grid(i));
    }
    chain(coordinateBox_);
    chain(possibleBox_);
    // "Color Select" takes its turn after the first three rows of swatches,
    // before the last row.
    constexpr int SwatchesBeforeButton = 12;
    for (int k = 0; k < PaletteSize; ++k) {
        if (k == SwatchesBeforeButton) {
            chain(command1_);
        }
        chain(ColorSelect(k));
    }
}

void Form1::Form_Load() {
    // Centred by the client area, not the outer frame, so the window sits a
    // little right of and below the exact centre.
    // The client area is the board below the menu bar.
    CentreByClientSize(this, centralWidget()->size());
    for (int i = 0; i < CellCount; ++i) {
        Grid(i)->setText(QString()); // ignored: change handling is still off
        Grid(i)->SetForeColor(0);
        FlagArray[i] = CandidateString::All();
    }
    EditAction = ColorEditAction::Off;
    ProgramRandom::Instance().Seed(TimeOfDaySeed());
    GridChangeResponseFlag = true;
    RandomPuzzleGenerateFlag = false;
    FileName.clear();
    SnapShotFileName = QStringLiteral("default.bmp");
}

void Form1::closeEvent(QCloseEvent* event) {
    // Closing the main window, however it happens, closes every other
    // window and ends the program; nothing is asked or saved.
    const std::array<QWidget*, 5> others = {form2_.data(), generate_.data(), message_.data(),
                                            aboutForm_.data(), pictureBuffer_.data()};
    for (QWidget* window : others) {
        if (window != nullptr) {
            window->close();
        }
    }
    event->accept();
    QCoreApplication::quit();
}

Form2* Form1::LoadedPossibleForm() const {
    return form2_.data();
}
Generate* Form1::LoadedGenerate() const {
    return generate_.data();
}
Message* Form1::LoadedMessage() const {
    return message_.data();
}
AboutForm* Form1::LoadedAboutForm() const {
    return aboutForm_.data();
}

QAction* Form1::MenuItem(const char* name) const {
    return menuBar()->findChild<QAction*>(QString::fromLatin1(name));
}

void Form1::SetCommonDialog(std::unique_ptr<CommonDialog> dialog) {
    commonDialog_ = std::move(dialog);
}

Form2* Form1::PossibleForm() {
    return LoadWindow(form2_, [this] {
        auto* loaded = new Form2();
        PlaceBeside(loaded, this);
        connect(loaded, &Form2::BoxClicked, this, &Form1::PossibleGrid_Click);
        connect(loaded, &Form2::Dismissed, this, &Form1::Form2_Dismissed);
        return loaded;
    });
}

} // namespace tessra
