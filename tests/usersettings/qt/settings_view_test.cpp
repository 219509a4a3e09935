// The settings dialog with its two pages on the offscreen platform: what the
// pages show and enable, when the dialog asks, what it writes, and the
// connection test against the reference service.

#include "usersettings/qt/settings_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <optional>

#include "config/settings_store.h"
#include "fixtures/service/reference_service.h"
#include "fixtures/temp_dir.h"
#include "plugin/plugin_harness.h"
#include "service/logon_store.h"
#include "shell/log_off_hook.h"
#include "ui/message_box.h"
#include "ui/qt/auto_tab_ctrl.h"
#include "ui/qt/qt_message_boxes.h"
#include "usersettings/settings_dlg.h"

namespace lumar::config {

namespace {

// The Qt message boxes, counted, with the last question's text and caption.
class CountedBoxes : public MessageBoxes {
public:
    MessageAnswer show(const MessageBoxRequest& request) override {
        ++asked;
        text = request.text;
        caption = request.title;
        return boxes_.show(request);
    }
    int asked = 0;
    std::string text;
    std::string caption;

private:
    ui::QtMessageBoxes boxes_;
};

// Answers still waiting for their box belong to this round of answers; a
// new test starts a new round and drops them.
int answerRound = 0;

// Answers the next message box by clicking the button with that text.
void answerNextMessageBox(const QString& button, int round = answerRound) {
    QTimer::singleShot(0, [=] {
        if (round != answerRound) {
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            answerNextMessageBox(button, round);
            return;
        }
        for (QAbstractButton* candidate : box->buttons()) {
            if (candidate->text().remove('&') == button) {
                candidate->click();
                return;
            }
        }
        box->reject();
    });
}

std::string storedText(const char* key, const char* name) {
    std::string text;
    return ReadTextSetting(key, name, text) ? text : "<missing>";
}

std::optional<std::uint32_t> storedNumber(const char* key, const char* name) {
    std::uint32_t number = 0;
    return ReadNumberSetting(key, name, number) ? std::optional(number) : std::nullopt;
}

// The URI of a service that is not there: a port nothing listens on.
constexpr const char* kNoService = "http://127.0.0.1:9/WS/Lumar/2007/02/";

// Set while a test's log-off command runs: the URI stored at that moment.
std::string uriAtLogOff;

void recordingLogOff(void*) {
    uriAtLogOff = storedText("Uri", "Web_service");
    TheLogonStore().clear();
}

}  // namespace

class SettingsViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fixtures::ReferenceService> service_;
    std::unique_ptr<fixtures::TempDir> temp_;
    std::unique_ptr<testing::PluginHarness> harness_;
    std::unique_ptr<CSettingsDlg> dialog_;
    std::unique_ptr<SettingsView> view_;
    CountedBoxes boxes_;

    // Opens the dialog over the settings stored now.
    void open() {
        dialog_ = std::make_unique<CSettingsDlg>();
        view_ = std::make_unique<SettingsView>(*dialog_, nullptr);
        view_->show();
        view_->activateWindow();
        if (!QTest::qWaitForWindowActive(view_.get())) {
            qWarning("the dialog did not become active");
        }
    }

    template <typename Widget>
    Widget* control(const char* id) {
        auto* widget = view_->findChild<Widget*>(id);
        if (widget == nullptr) {
            qFatal("no control %s", id);
        }
        return widget;
    }

    QPushButton* button(const char* id) { return control<QPushButton>(id); }
    void showProxyPage() { view_->Tabs().SelectPage(1); }

    void type(const char* id, const QString& text) {
        QLineEdit* edit = control<QLineEdit>(id);
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(edit, Qt::Key_Delete);
        } else {
            QTest::keyClicks(edit, text);
        }
    }

    void useProxyWithServer(const QString& server) {
        showProxyPage();
        QTest::mouseClick(control<QCheckBox>("1037"), Qt::LeftButton);
        type("1039", server);
    }

private Q_SLOTS:
    void initTestCase() {
        service_ = std::make_unique<fixtures::ReferenceService>();
        SetMessageBoxes(&boxes_);
    }

    void init() {
        temp_ = std::make_unique<fixtures::TempDir>();
        qputenv("LUMAR_REGISTRY", QByteArray::fromStdString((*temp_ / "registry.reg").string()));
        WriteTextSetting("Uri", "Web_service", service_->uri());
        harness_ = std::make_unique<testing::PluginHarness>();
        boxes_.asked = 0;
    }

    void cleanup() {
        ++answerRound;
        view_.reset();
        dialog_.reset();
        harness_.reset();
        temp_.reset();
    }

    void opensModallyOverTheHostWithBothPages() {
        open();
        QCOMPARE(view_->windowTitle(), QString("Lumar User settings"));
        QCOMPARE(view_->Tabs().PageCount(), 2);
        QCOMPARE(view_->Tabs().CurrentPage(), 0);
        QVERIFY(view_->Tabs().Page(0)->isVisible());
        QVERIFY(!view_->Tabs().Page(1)->isVisible());
        QCOMPARE(control<QLineEdit>("1008")->text(), QString::fromStdString(service_->uri()));
        // Nothing stored: the append box shows checked; nothing has changed.
        QVERIFY(control<QCheckBox>("1064")->isChecked());
        QVERIFY(!button("1006")->isEnabled());
        QVERIFY(!button("1007")->isEnabled());
        QVERIFY(button("1")->isEnabled() && button("2")->isEnabled());
        QCOMPARE(harness_->headless.ui().modalDepth(), 1);
        view_.reset();
        QCOMPARE(harness_->headless.ui().modalDepth(), 0);
        QCOMPARE(harness_->headless.ui().hostWindowCount(), std::size_t(0));
    }

    void proxyControlsFollowTheProxySettings() {
        open();
        showProxyPage();
        const char* proxyControls[] = {"1039", "1043", "1047", "1045", "1049", "1051"};
        for (const char* id : proxyControls) {
            QVERIFY2(!control<QWidget>(id)->isEnabled(), id);
        }
        QTest::mouseClick(control<QCheckBox>("1037"), Qt::LeftButton);
        QVERIFY(control<QWidget>("1039")->isEnabled());
        QVERIFY(control<QWidget>("1047")->isEnabled());
        // No server yet: no port. The stored default authentication is NTLM.
        QVERIFY(!control<QWidget>("1043")->isEnabled());
        QCOMPARE(control<QComboBox>("1047")->currentText(), QString("NTLM"));
        QVERIFY(!control<QWidget>("1045")->isEnabled());
        type("1039", "  ");
        QVERIFY(!control<QWidget>("1043")->isEnabled());
        type("1039", "proxy.example");
        QVERIFY(control<QWidget>("1043")->isEnabled());

        QComboBox* authentication = control<QComboBox>("1047");
        authentication->setFocus();
        QTest::keyClick(authentication, Qt::Key_Up);  // BASIC
        QCOMPARE(authentication->currentText(), QString("BASIC"));
        for (const char* id : {"1045", "1049", "1051"}) {
            QVERIFY2(control<QWidget>(id)->isEnabled(), id);
        }
        QTest::keyClick(authentication, Qt::Key_Down);  // NTLM
        for (const char* id : {"1045", "1049", "1051"}) {
            QVERIFY2(!control<QWidget>(id)->isEnabled(), id);
        }
        QCOMPARE(control<QLineEdit>("1051")->echoMode(), QLineEdit::Password);
        QVERIFY(button("1007")->isEnabled());
    }

    void storedAuthenticationSelectsAnEntry_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("saved");
        QTest::newRow("lower case ntlm") << "ntlm"
                                         << "NTLM"
                                         << "NTLM";
        QTest::newRow("mixed case basic") << "Basic"
                                          << "BASIC"
                                          << "BASIC";
        QTest::newRow("neither word") << "foo"
                                      << ""
                                      << "";
    }

    void storedAuthenticationSelectsAnEntry() {
        QFETCH(QString, stored);
        QFETCH(QString, selected);
        QFETCH(QString, saved);
        WriteTextSetting("Proxy", "Proxy_authentication", stored.toStdString());
        open();
        QCOMPARE(control<QComboBox>("1047")->currentText(), selected);
        // A stored text that no entry matches differs from the screen.
        QCOMPARE(button("1007")->isEnabled(), selected.isEmpty());
        QTest::mouseClick(button("1"), Qt::LeftButton);  // the test passes: saved unasked
        QCOMPARE(boxes_.asked, 0);
        QCOMPARE(view_->result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(storedText("Proxy", "Proxy_authentication")), saved);
    }

    void theUrisCaseCountsTheFoldersDoesNot() {
        WriteTextSetting("Uri", "Base_docs", "/data/Binders");
        open();
        QString changedCase = QString::fromStdString(service_->uri()).replace("Lumar", "LUMAR");
        type("1008", changedCase);
        QVERIFY(button("1007")->isEnabled());
        type("1008", QString::fromStdString(service_->uri()));
        QVERIFY(!button("1007")->isEnabled());

        harness_->responder.chooseNext("/data/BINDERS");
        QTest::mouseClick(button("1033"), Qt::LeftButton);
        QLineEdit* binders = control<QLineEdit>("1014");
        QCOMPARE(binders->text(), QString("/data/BINDERS"));
        QCOMPARE(binders->selectedText(), QString("/data/BINDERS"));
        QVERIFY(binders->hasFocus());
        QVERIFY(!button("1007")->isEnabled());
        const auto& chooser = harness_->responder.messages().back();
        QCOMPARE(chooser.folder.initialFolder, std::string("/data/Binders"));
        QCOMPARE(chooser.folder.title, std::string("Browse for Lumar folder"));
        QCOMPARE(chooser.folder.prompt,
                 std::string("Select a folder or enter the path of a binders folder:"));

        harness_->responder.chooseNext("/data/Other");
        QTest::mouseClick(button("1033"), Qt::LeftButton);
        QVERIFY(button("1007")->isEnabled());
        harness_->responder.chooseNext(std::nullopt);  // cancelled: nothing changes
        QTest::mouseClick(button("1031"), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>("1013")->text(), QString());
    }

    void thePortIsKeptInItsRangeWhenSaved_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<uint>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << "" << 0u << "0";
        QTest::newRow("too large") << "70000" << 65535u << "65535";
        QTest::newRow("far too large") << "99999999999" << 65535u << "65535";
        QTest::newRow("usual") << "3128" << 3128u << "3128";
    }

    void thePortIsKeptInItsRangeWhenSaved() {
        QFETCH(QString, typed);
        QFETCH(uint, stored);
        QFETCH(QString, shown);
        WriteNumberSetting("Proxy", "Proxy_port", 8080);
        open();
        // Nothing listens there: the test fails and the dialog asks.
        useProxyWithServer("127.0.0.1");
        type("1043", typed);
        answerNextMessageBox("Yes");
        QTest::mouseClick(button("1007"), Qt::LeftButton);
        QCOMPARE(boxes_.caption, std::string("Apply"));
        QCOMPARE(boxes_.text, std::string("Test failed with current data! Apply changes anyway?"));
        QCOMPARE(storedNumber("Proxy", "Proxy_port"), std::optional<std::uint32_t>(stored));
        QCOMPARE(storedNumber("Proxy", "Use_proxy"), std::optional<std::uint32_t>(1));
        QCOMPARE(control<QLineEdit>("1043")->text(), shown);
        // Saved: nothing differs any more, and the dialog stays open.
        QVERIFY(!button("1007")->isEnabled());
        QVERIFY(view_->isVisible());
    }

    void aChangedUriLogsOffBeforeTheSettingsAreWritten() {
        WriteTextSetting("Uri", "Web_service", kNoService);
        harness_->logOn(3);
        SetLogOffCommand(recordingLogOff);
        uriAtLogOff.clear();
        open();
        type("1008", QString::fromStdString(service_->uri()));
        QTest::mouseClick(button("1"), Qt::LeftButton);
        QCOMPARE(boxes_.asked, 0);
        QCOMPARE(uriAtLogOff, std::string(kNoService));
        QVERIFY(!IsLoggedOn());
        QCOMPARE(storedText("Uri", "Web_service"), service_->uri());
        QCOMPARE(storedNumber("Uri", "Append_SAP"), std::optional<std::uint32_t>(1));
        QCOMPARE(view_->result(), int(QDialog::Accepted));
    }

    void anUnchangedUriKeepsTheUserLoggedOn() {
        harness_->logOn(3);
        SetLogOffCommand(recordingLogOff);
        open();
        QTest::mouseClick(control<QCheckBox>("1064"), Qt::LeftButton);
        QTest::mouseClick(button("1007"), Qt::LeftButton);
        QVERIFY(IsLoggedOn());
        QCOMPARE(storedNumber("Uri", "Append_SAP"), std::optional<std::uint32_t>(0));
    }

    void resetAsksOnlyWhenSomethingChanged() {
        open();
        QTest::mouseClick(button("1006"), Qt::LeftButton);  // disabled: nothing happens
        dialog_->OnReset();                                 // and asked directly: no question
        QCOMPARE(boxes_.asked, 0);

        type("1008", "http://elsewhere.example/");
        answerNextMessageBox("No");
        QTest::mouseClick(button("1006"), Qt::LeftButton);
        QCOMPARE(boxes_.caption, std::string("Reset"));
        QCOMPARE(boxes_.text, std::string("Data has been changed! Lose changes and reset?"));
        QCOMPARE(control<QLineEdit>("1008")->text(), QString("http://elsewhere.example/"));
        answerNextMessageBox("Yes");
        QTest::mouseClick(button("1006"), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>("1008")->text(), QString::fromStdString(service_->uri()));
        QVERIFY(!button("1006")->isEnabled());
    }

    void cancelAsksBeforeLosingChanges() {
        open();
        type("1008", "http://elsewhere.example/");
        answerNextMessageBox("No");
        QTest::keyClick(view_.get(), Qt::Key_Escape);
        QCOMPARE(boxes_.caption, std::string("Cancel"));
        QCOMPARE(boxes_.text, std::string("Data has been changed! Lose changes and close?"));
        QVERIFY(view_->isVisible());
        answerNextMessageBox("Yes");
        QTest::mouseClick(button("2"), Qt::LeftButton);
        QVERIFY(!view_->isVisible());
        QCOMPARE(view_->result(), int(QDialog::Rejected));
        QCOMPARE(storedText("Uri", "Web_service"), service_->uri());
    }

    void okWithAFailingTestSavesOnlyWhenTold() {
        open();
        type("1008", kNoService);
        answerNextMessageBox("No");
        QTest::mouseClick(button("1"), Qt::LeftButton);
        QCOMPARE(boxes_.caption, std::string("Close"));
        QCOMPARE(boxes_.text, std::string("Test failed with current data! Save settings anyway?"));
        QVERIFY(view_->isVisible());
        QCOMPARE(storedText("Uri", "Web_service"), service_->uri());
        answerNextMessageBox("Yes");
        QTest::mouseClick(button("1"), Qt::LeftButton);
        QVERIFY(!view_->isVisible());
        QCOMPARE(storedText("Uri", "Web_service"), std::string(kNoService));
    }

    void okTestsTheConnectionEvenWithoutChanges() {
        WriteTextSetting("Uri", "Web_service", kNoService);
        open();
        answerNextMessageBox("No");
        QTest::mouseClick(button("1"), Qt::LeftButton);
        QCOMPARE(boxes_.asked, 1);
        QVERIFY(view_->isVisible());
    }
};

}  // namespace lumar::config

QTEST_MAIN(lumar::config::SettingsViewTest)
#include "settings_view_test.moc"
