#pragma once

// The "URIs" page: the service location and the three document folders,
// bound to CUriDlg. Controls carry their ids as object names.

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace lumar {
class CUriDlg;
enum class DocumentFolder;
}  // namespace lumar

namespace lumar::config {

class UriView : public QWidget {
    Q_OBJECT

public:
    UriView(CUriDlg& page, QWidget* parent);

private:
    void showValues();
    void browse(DocumentFolder folder, QLineEdit* edit);

    CUriDlg& page_;
    QLineEdit* uri_;
    QLineEdit* annotations_;
    QLineEdit* binders_;
    QLineEdit* supplements_;
    QCheckBox* appendSap_;
};

}  // namespace lumar::config
