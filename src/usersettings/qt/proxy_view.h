#pragma once

// The "Proxy" page: whether and how to go through a proxy, bound to
// CProxyDlg. Controls carry their ids as object names; each label is
// enabled with its control.

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace lumar {
class CProxyDlg;
}

namespace lumar::config {

class ProxyView : public QWidget {
    Q_OBJECT

public:
    ProxyView(CProxyDlg& page, QWidget* parent);

private:
    void showValues();
    void updateEnabling();

    CProxyDlg& page_;
    QCheckBox* useProxy_;
    QLabel* serverLabel_;
    QLineEdit* server_;
    QLabel* portLabel_;
    QLineEdit* port_;
    QLabel* authenticationLabel_;
    QComboBox* authentication_;
    QLabel* domainLabel_;
    QLineEdit* domain_;
    QLabel* loginLabel_;
    QLineEdit* login_;
    QLabel* passwordLabel_;
    QLineEdit* password_;
};

}  // namespace lumar::config
