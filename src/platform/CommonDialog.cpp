#include "platform/CommonDialog.h"

#include "platform/QtColor.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeDatabase>

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

namespace {

// Icons and type names that never look inside a file. Qt's own provider asks
// the MIME database, which opens and reads every file whose name does not
// tell its type (a ".sav" file among them), both in the dialog's listing
// thread and on the window thread when the user types a path; a file that
// never answers a read, such as the kernel log that root can open, then
// freezes the dialog for good. The platform theme's file icons may look
// inside files too, so they are not asked either.
class NameOnlyIconProvider final : public QFileIconProvider {
  public:
    using QFileIconProvider::icon;

    QIcon icon(const QFileInfo& info) const override {
        if (info.isRoot()) {
            return icon(Drive);
        }
        return icon(info.isDir() ? Folder : File);
    }

    QString type(const QFileInfo& info) const override {
        if (!info.isFile()) {
            return QFileIconProvider::type(info); // folders and links: no lookup
        }
        // A statistics program's data files end in .sav too, and by the name
        // alone the MIME database cannot tell the two apart: it then says
        // whichever it knew first, even where Tessra's own file type is
        // installed. In Tessra's dialogs a .sav file is a puzzle, named as
        // that file type names it.
        if (info.suffix().compare(QLatin1String("sav"), Qt::CaseInsensitive) == 0) {
            return QStringLiteral("Tessra puzzle");
        }
        const QMimeType mime = mimes_.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
        return mime.comment().isEmpty() ? mime.name() : mime.comment();
    }

  private:
    QMimeDatabase mimes_;
};

} // namespace

QString QtCommonDialog::ShowFileDialog(bool save) {
    // Outlives the dialog, whose file model uses it until it is gone.
    NameOnlyIconProvider icons;
    QFileDialog dialog(parent_);
    dialog.setIconProvider(&icons);
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
