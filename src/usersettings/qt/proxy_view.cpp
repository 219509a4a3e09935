#include "usersettings/qt/proxy_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "platform/text/qt/qt_text.h"
#include "usersettings/proxy_dlg.h"

namespace lumar::config {

namespace {

void showText(QLineEdit* line, const std::string& text) {
    const QString shown = text::toQString(text);
    if (line->text() != shown) {
        line->setText(shown);
    }
}

}  // namespace

ProxyView::ProxyView(CProxyDlg& page, QWidget* parent)
    : QWidget(parent),
      page_(page),
      useProxy_(new QCheckBox("Use proxy:", this)),
      serverLabel_(new QLabel("Proxy server:", this)),
      server_(new QLineEdit(this)),
      portLabel_(new QLabel("Proxy port:", this)),
      port_(new QLineEdit(this)),
      authenticationLabel_(new QLabel("Proxy authentication method:", this)),
      authentication_(new QComboBox(this)),
      domainLabel_(new QLabel("Proxy domain:", this)),
      domain_(new QLineEdit(this)),
      loginLabel_(new QLabel("Proxy user name:", this)),
      login_(new QLineEdit(this)),
      passwordLabel_(new QLabel("Proxy user password:", this)),
      password_(new QLineEdit(this)) {
    setObjectName("117");
    useProxy_->setObjectName("1037");
    server_->setObjectName("1039");
    port_->setObjectName("1043");
    authentication_->setObjectName("1047");
    domain_->setObjectName("1045");
    login_->setObjectName("1049");
    password_->setObjectName("1051");

    server_->setMaxLength(CProxyDlg::kTextLimit);
    domain_->setMaxLength(CProxyDlg::kTextLimit);
    login_->setMaxLength(CProxyDlg::kCredentialLimit);
    password_->setMaxLength(CProxyDlg::kCredentialLimit);
    password_->setEchoMode(QLineEdit::Password);
    // Digits only, as typed or pasted.
    port_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), port_));
    for (std::size_t i = 0; i < CProxyDlg::kAuthentications.size(); ++i) {
        authentication_->addItem(CProxyDlg::kAuthentications[i], static_cast<int>(i));
    }

    auto* layout = new QFormLayout(this);
    // Only the box and its text take a click, not the row beside them.
    useProxy_->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    layout->addRow(useProxy_);
    layout->addRow(serverLabel_, server_);
    layout->addRow(portLabel_, port_);
    layout->addRow(authenticationLabel_, authentication_);
    layout->addRow(domainLabel_, domain_);
    layout->addRow(loginLabel_, login_);
    layout->addRow(passwordLabel_, password_);

    connect(useProxy_, &QCheckBox::clicked, this, [this](bool checked) {
        page_.SetUseProxy(checked);
        updateEnabling();
    });
    auto bindEdit = [this](QLineEdit* line, void (CProxyDlg::*set)(const std::string&)) {
        connect(line, &QLineEdit::textEdited, this, [this, set](const QString& text) {
            (page_.*set)(text::fromQString(text));
            updateEnabling();
        });
    };
    bindEdit(server_, &CProxyDlg::SetServer);
    bindEdit(port_, &CProxyDlg::SetPortText);
    bindEdit(domain_, &CProxyDlg::SetDomain);
    bindEdit(login_, &CProxyDlg::SetLogin);
    bindEdit(password_, &CProxyDlg::SetPassword);
    connect(authentication_, &QComboBox::activated, this, [this](int index) {
        page_.SetAuthentication(index);
        updateEnabling();
    });
    page_.SetOnShow([this] { showValues(); });
    if (page_.IsInitialised()) {
        showValues();
    }
}

void ProxyView::showValues() {
    const ProxyScreen& screen = page_.Screen();
    useProxy_->setChecked(screen.useProxy);
    showText(server_, screen.server);
    showText(port_, screen.portText);
    authentication_->setCurrentIndex(screen.authentication);
    showText(domain_, screen.domain);
    showText(login_, screen.login);
    showText(password_, screen.password);
    updateEnabling();
}

void ProxyView::updateEnabling() {
    const bool server = page_.ServerEnabled();
    for (QWidget* control :
         {static_cast<QWidget*>(serverLabel_), static_cast<QWidget*>(server_),
          static_cast<QWidget*>(authenticationLabel_), static_cast<QWidget*>(authentication_)}) {
        control->setEnabled(server);
    }
    const bool port = page_.PortEnabled();
    portLabel_->setEnabled(port);
    port_->setEnabled(port);
    const bool credentials = page_.CredentialsEnabled();
    for (QWidget* control :
         {static_cast<QWidget*>(domainLabel_), static_cast<QWidget*>(domain_),
          static_cast<QWidget*>(loginLabel_), static_cast<QWidget*>(login_),
          static_cast<QWidget*>(passwordLabel_), static_cast<QWidget*>(password_)}) {
        control->setEnabled(credentials);
    }
}

}  // namespace lumar::config
