// The logon dialog on the offscreen platform: OK only with both fields
// filled, its tip, Enter, masking and limits, the texts handed back as typed
// and the host's modal state.

#include "plugin/qt/logon_view.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "plugin/logon_dlg.h"
#include "plugin/plugin_harness.h"

namespace lumar::plugin {

class LogonViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::PluginHarness> harness_;
    std::unique_ptr<CLogonDlg> dialog_;
    std::unique_ptr<LogonView> view_;

    QLineEdit* edit(const char* id) { return view_->findChild<QLineEdit*>(id); }
    QPushButton* ok() { return view_->findChild<QPushButton*>("1"); }

    void fill(const QString& user, const QString& password) {
        QTest::keyClicks(edit("1003"), user);
        QTest::keyClicks(edit("1004"), password);
    }

private Q_SLOTS:
    void init() {
        harness_ = std::make_unique<testing::PluginHarness>();
        dialog_ = std::make_unique<CLogonDlg>();
        view_ = std::make_unique<LogonView>(*dialog_, nullptr);
        view_->show();
    }

    void cleanup() {
        view_.reset();
        dialog_.reset();
        harness_.reset();
    }

    void looksAsTheSystemNamesIt() {
        QCOMPARE(view_->windowTitle(), QString("Log on"));
        QCOMPARE(edit("1003")->maxLength(), 50);
        QCOMPARE(edit("1004")->maxLength(), 50);
        QCOMPARE(edit("1003")->echoMode(), QLineEdit::Normal);
        QCOMPARE(edit("1004")->echoMode(), QLineEdit::Password);
        QVERIFY(view_->findChild<QPushButton*>("2") != nullptr);
    }

    void okStaysDisabledForBlankFields_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::newRow("both empty") << ""
                                    << "";
        QTest::newRow("no password") << "jan"
                                     << "";
        QTest::newRow("no user") << ""
                                 << "secret";
        QTest::newRow("user of blanks") << "   "
                                        << "secret";
        QTest::newRow("password of blanks") << "jan"
                                            << "  ";
    }

    void okStaysDisabledForBlankFields() {
        QFETCH(QString, user);
        QFETCH(QString, password);
        fill(user, password);
        QVERIFY(!ok()->isEnabled());
        QCOMPARE(ok()->toolTip(), QString("Missing credentials"));
        QTest::keyClick(edit("1004"), Qt::Key_Return);
        QVERIFY(view_->isVisible());
        QCOMPARE(view_->result(), 0);
    }

    void okClosesWithTheTextsAsTyped() {
        fill("  jan ", " abc");
        QVERIFY(ok()->isEnabled());
        QCOMPARE(ok()->toolTip(), QString());
        QTest::keyClick(edit("1004"), Qt::Key_Return);
        QVERIFY(!view_->isVisible());
        QCOMPARE(view_->result(), int(QDialog::Accepted));
        QCOMPARE(dialog_->UserName(), std::string("  jan "));
        QCOMPARE(dialog_->Password(), std::string(" abc"));
    }

    void clearingAFieldDisablesOkAgain() {
        fill("jan", "abc");
        QVERIFY(ok()->isEnabled());
        edit("1004")->selectAll();
        QTest::keyClick(edit("1004"), Qt::Key_Delete);
        QVERIFY(!ok()->isEnabled());
        QCOMPARE(ok()->toolTip(), QString("Missing credentials"));
    }

    void theHostIsModalWhileTheDialogIsOpen() {
        QCOMPARE(harness_->headless.ui().modalDepth(), 1);
        QCOMPARE(harness_->headless.ui().hostWindowCount(), std::size_t(1));
        view_.reset();
        QCOMPARE(harness_->headless.ui().modalDepth(), 0);
        QCOMPARE(harness_->headless.ui().hostWindowCount(), std::size_t(0));
    }
};

}  // namespace lumar::plugin

QTEST_MAIN(lumar::plugin::LogonViewTest)
#include "logon_view_test.moc"
