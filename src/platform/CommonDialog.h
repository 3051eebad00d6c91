#pragma once

#include "board/ColorValue.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace tessra {

// The file and colour dialogs the main window uses. Callers set Filter and
// DefaultExt, call ShowSave or ShowOpen and read FileName (empty when the
// user cancelled); or call ShowColor and read Color. Tests replace the Qt
// dialogs with a scripted stand-in.
class CommonDialog {
  public:
    virtual ~CommonDialog() = default;

    // A filter as the program writes it, e.g. "*.sav || *.*".
    QString Filter;
    // Added to a typed name that has no extension, e.g. ".sav".
    QString DefaultExt;
    QString FileName;
    ColorValue Color = 0;

    virtual void ShowSave() = 0;
    virtual void ShowOpen() = 0;
    // True when the user confirmed a colour; Color is only set then.
    virtual bool ShowColor() = 0;
};

// The filter "*.sav || *.*" as name filters a file dialog shows:
// "Puzzle files (*.sav)" and "All files (*)".
QStringList NameFiltersFor(const QString& filter);

// Backed by Qt's own file and colour dialogs, modal over parent.
class QtCommonDialog final : public CommonDialog {
  public:
    explicit QtCommonDialog(QWidget* parent) : parent_(parent) {}

    void ShowSave() override;
    void ShowOpen() override;
    bool ShowColor() override;

  private:
    QString ShowFileDialog(bool save);

    QWidget* parent_;
    QString lastDirectory_;
};

} // namespace tessra
