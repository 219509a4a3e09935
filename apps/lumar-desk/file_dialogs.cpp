#include "file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>

#include "platform/text/qt/qt_text.h"

namespace lumar::desk {

namespace {

QString qt(const std::string& cp1252) {
    return text::toQString(cp1252);
}

std::optional<std::string> chosen(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return text::fromQString(dialog.selectedFiles().front());
}

void prepare(QFileDialog& dialog, const host::FileChoice& choice) {
    dialog.setObjectName("FileChooser");
    const QStringList filters = nameFilters(choice.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
    }
    const QString defaultName = qt(choice.defaultName);
    // A typed name without an extension gets the default extension, or else
    // the default name's.
    QString suffix = qt(choice.defaultExtension);
    while (suffix.startsWith('.')) {
        suffix.remove(0, 1);
    }
    if (suffix.isEmpty()) {
        suffix = QFileInfo(defaultName).suffix();
    }
    if (!suffix.isEmpty()) {
        dialog.setDefaultSuffix(suffix);
    }
    const QFileInfo initial(qt(choice.initialPath));
    if (!choice.initialPath.empty() && initial.isDir()) {
        dialog.setDirectory(initial.absoluteFilePath());
        if (!defaultName.isEmpty()) {
            dialog.selectFile(defaultName);
        }
    } else if (!choice.initialPath.empty()) {
        dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    } else if (!defaultName.isEmpty()) {
        dialog.selectFile(defaultName);
    }
}

}  // namespace

QStringList nameFilters(const std::string& filter) {
    const QStringList parts = qt(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString label = parts[i].trimmed();
        const QString patterns = parts[i + 1].split(';', Qt::SkipEmptyParts).join(' ').trimmed();
        if (label.isEmpty() || patterns.isEmpty()) {
            continue;  // the "||" at the end, or an entry without patterns
        }
        const QString bracketed = "(" + patterns + ")";
        filters << (label.endsWith(bracketed) ? label : label + " " + bracketed);
    }
    return filters;
}

std::optional<std::string> chooseFolder(QWidget* parent, const host::FolderChoice& choice) {
    const QString start = qt(choice.initialFolder);
    QFileDialog dialog(parent, qt(choice.title), start);
    dialog.setObjectName("FolderChooser");
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    // The chooser opens with the start folder selected among its neighbours
    // and its name in the edit box, so that OK takes it as it is.
    if (!start.isEmpty()) {
        dialog.selectFile(QFileInfo(start).absoluteFilePath());
    }
    // The prompt says what the folder is for; the Qt dialog shows it where
    // the folder is typed.
    if (!choice.prompt.empty()) {
        dialog.setLabelText(QFileDialog::FileName, qt(choice.prompt));
    }
    return chosen(dialog);
}

std::optional<std::string> chooseOpenFile(QWidget* parent, const host::FileChoice& choice) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepare(dialog, choice);
    return chosen(dialog);
}

std::optional<std::string> chooseSaveFile(QWidget* parent, const host::FileChoice& choice) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    prepare(dialog, choice);
    return chosen(dialog);
}

}  // namespace lumar::desk
