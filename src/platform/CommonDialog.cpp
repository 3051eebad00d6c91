#include "platform/CommonDialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>

namespace tessra {

QStringList NameFiltersFor(const QString& filter) {
    QStringList names;
    for (const QString& part : filter.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        const QString pattern = part.trimmed();
        if (pattern.isEmpty()) {
            continue;
        }
        if (pattern == QLatin1String("*.*") || pattern == QLatin1String("*")) {
            names << QStringLiteral("All files (*)");
        } else if (pattern == QLatin1String("*.sav")) {
            names << QStringLiteral("Puzzle files (*.sav)");
        } else if (pattern == QLatin1String("*.bmp")) {
            names << QStringLiteral("Bitmap images (*.bmp)");
        } else {
            names << QStringLiteral("%1 (%1)").arg(pattern);
        }
    }
    return names;
}

QString QtCommonDialog::ShowFileDialog(bool save) {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(NameFiltersFor(Filter));
    // Qt wants the extension without its dot; a typed name without one gets
    // it, and replacing an existing file asks first.
    QString suffix = DefaultExt;
    if (suffix.startsWith(QLatin1Char('.'))) {
        suffix.remove(0, 1);
    }
    dialog.setDefaultSuffix(suffix);
    if (!lastDirectory_.isEmpty()) {
        dialog.setDirectory(lastDirectory_);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    QString chosen = dialog.selectedFiles().constFirst();
    lastDirectory_ = QFileInfo(chosen).absolutePath();
    return chosen;
}

void QtCommonDialog::ShowSave() {
    FileName = ShowFileDialog(true);
}

void QtCommonDialog::ShowOpen() {
    FileName = ShowFileDialog(false);
}

bool QtCommonDialog::ShowColor() {
    // Opens at the colour the caller left in Color.
    const QColor chosen = QColorDialog::getColor(ToQColor(Color), parent_);
    if (!chosen.isValid()) {
        return false;
    }
    Color = FromQColor(chosen);
    return true;
}

} // namespace tessra
