#include "usersettings/qt/uri_view.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/text/qt/qt_text.h"
#include "usersettings/uri_dlg.h"

namespace lumar::config {

namespace {

QLineEdit* edit(QWidget* parent, const char* id, bool readOnly) {
    auto* line = new QLineEdit(parent);
    line->setObjectName(id);
    line->setMaxLength(CUriDlg::kTextLimit);
    line->setReadOnly(readOnly);
    line->setMinimumWidth(320);
    return line;
}

// Puts `text` into the edit unless it shows it already, so that typing keeps
// its cursor.
void showText(QLineEdit* line, const std::string& text) {
    const QString shown = text::toQString(text);
    if (line->text() != shown) {
        line->setText(shown);
    }
}

}  // namespace

UriView::UriView(CUriDlg& page, QWidget* parent)
    : QWidget(parent),
      page_(page),
      uri_(edit(this, "1008", false)),
      annotations_(edit(this, "1013", true)),
      binders_(edit(this, "1014", true)),
      supplements_(edit(this, "1016", true)),
      appendSap_(new QCheckBox("Append publication's SAP code", this)) {
    setObjectName("118");
    appendSap_->setObjectName("1064");

    auto* service = new QGroupBox("Web service location", this);
    auto* serviceLayout = new QGridLayout(service);
    serviceLayout->addWidget(new QLabel("Lumar Web Service URL:", service), 0, 0);
    serviceLayout->addWidget(uri_, 1, 0);

    auto* folders = new QGroupBox("Folder locations", this);
    auto* folderLayout = new QGridLayout(folders);
    int row = 0;
    auto addFolder = [&](const char* label, QLineEdit* line, const char* browseId,
                         DocumentFolder folder) {
        folderLayout->addWidget(new QLabel(label, folders), row++, 0, 1, 2);
        auto* browseButton = new QPushButton("Browse...", folders);
        browseButton->setObjectName(browseId);
        browseButton->setAutoDefault(false);
        folderLayout->addWidget(line, row, 0);
        folderLayout->addWidget(browseButton, row++, 1);
        connect(browseButton, &QPushButton::clicked, this,
                [this, folder, line] { browse(folder, line); });
    };
    addFolder("Annotations folder:", annotations_, "1031", DocumentFolder::Annotations);
    addFolder("Binders folder:", binders_, "1033", DocumentFolder::Binders);
    addFolder("Supplements folder:", supplements_, "1035", DocumentFolder::Supplements);
    folderLayout->addWidget(appendSap_, row, 0, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(service);
    layout->addWidget(folders);
    layout->addStretch(1);

    connect(uri_, &QLineEdit::textEdited, this,
            [this](const QString& text) { page_.SetServiceUri(text::fromQString(text)); });
    connect(appendSap_, &QCheckBox::clicked, this,
            [this](bool checked) { page_.SetAppendSap(checked); });
    page_.SetOnShow([this] { showValues(); });
    if (page_.IsInitialised()) {
        showValues();
    }
}

void UriView::showValues() {
    const UriSettings& screen = page_.Screen();
    showText(uri_, screen.serviceUri);
    showText(annotations_, screen.annotationsFolder);
    showText(binders_, screen.bindersFolder);
    showText(supplements_, screen.supplementsFolder);
    appendSap_->setChecked(screen.appendSap);
}

void UriView::browse(DocumentFolder folder, QLineEdit* line) {
    if (page_.Browse(folder, window())) {
        line->selectAll();
    }
    line->setFocus();
}

}  // namespace lumar::config
