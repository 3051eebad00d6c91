#include "windows/ColorBoxAccessible.h"

#include "windows/ColorBox.h"
#include "windows/Palette.h"

#include <QAccessibleWidget>

namespace tessra {

namespace {

// A candidate box also offers its text the way a text field does, since
// that is where screen readers read a text field's content.
class ColorBoxAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ColorBoxAccessible(ColorBox* box)
        : QAccessibleWidget(box,
                            IsSwatch(box) ? QAccessible::RadioButton : QAccessible::EditableText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && IsSwatch(Box())) {
            return SpokenColorName(Box()->BackColor());
        }
        if (t == QAccessible::Value && !IsSwatch(Box())) {
            return Box()->Text();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (IsSwatch(Box())) {
            state.checkable = true;
            state.checked = Box()->IsChecked();
        } else {
            // Typing into a box is allowed but read by nothing: to the user
            // it shows candidates and takes no input.
            state.readOnly = true;
        }
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) {
            Box()->Press();
        } else {
            QAccessibleWidget::doAction(actionName);
        }
    }

    QStringList keyBindingsForAction(const QString& actionName) const override {
        if (actionName == pressAction()) {
            return {QStringLiteral("Space")};
        }
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && !IsSwatch(Box())) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    // Read-only text with no caret and no selection.
    QString text(int startOffset, int endOffset) const override {
        return Box()->Text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Box()->Text().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    void selection(int /*selectionIndex*/, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
    void removeSelection(int /*selectionIndex*/) override {}
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}
    QRect characterRect(int /*offset*/) const override { return {}; }
    int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    QString attributes(int /*offset*/, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

  private:
    static bool IsSwatch(const ColorBox* box) { return box->BoxKind() == ColorBox::Kind::Swatch; }
    ColorBox* Box() const { return static_cast<ColorBox*>(widget()); }
};

QAccessibleInterface* ColorBoxAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(ColorBox::staticMetaObject.className())) {
        if (auto* box = qobject_cast<ColorBox*>(object)) {
            return new ColorBoxAccessible(box);
        }
    }
    return nullptr;
}

} // namespace

void InstallColorBoxAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(&ColorBoxAccessibleFactory);
        return true;
    }();
    (void)installed;
}

} // namespace tessra
