// The "Add Supplement" dialog on the offscreen platform: what it offers and
// what each way of closing it hands back.

#include "manager/qt/supplement_number_view.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "manager/supplement_number_dlg.h"
#include "ui/modal_dialog.h"

namespace lumar::manager {

namespace {

// Clicks the controls of the next modal dialog, in order.
void clickInNextDialog(const QStringList& ids) {
    QTimer::singleShot(0, [=] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) {
            clickInNextDialog(ids);
            return;
        }
        for (const QString& id : ids) {
            auto* control = dialog->findChild<QAbstractButton*>(id);
            if (control == nullptr) {
                qFatal("no control %s", qPrintable(id));
            }
            QTest::mouseClick(control, Qt::LeftButton);
        }
    });
}

}  // namespace

class SupplementNumberViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void offersBothNumbersWithTheNextChecked() {
        CSupplementNumberDlg dialog(4);
        SupplementNumberView view(dialog, nullptr);
        QCOMPARE(view.windowTitle(), QString("Add Supplement"));
        QCOMPARE(view.findChild<QLabel*>("1060")->text(), QString("Choose the supplement number:"));
        QCOMPARE(view.findChild<QRadioButton*>("1100")->text(), QString("4 (no increment)"));
        QCOMPARE(view.findChild<QRadioButton*>("1102")->text(), QString("5 (do increment)"));
        QVERIFY(view.findChild<QRadioButton*>("1102")->isChecked());
        QVERIFY(!view.findChild<QRadioButton*>("1100")->isChecked());
    }

    void closingHandsBackTheChoice_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("number");
        QTest::newRow("OK") << QStringList{"1"} << kIdOk << int(CSupplementNumberDlg::kIncrement)
                            << 5;
        QTest::newRow("no increment, OK")
            << QStringList{"1100", "1"} << kIdOk << int(CSupplementNumberDlg::kNoIncrement) << 4;
        QTest::newRow("no increment, then increment, OK")
            << QStringList{"1100", "1102", "1"} << kIdOk << int(CSupplementNumberDlg::kIncrement)
            << 5;
        QTest::newRow("Cancel") << QStringList{"1100", "2"} << kIdCancel
                                << int(CSupplementNumberDlg::kNone) << 4;
    }

    void closingHandsBackTheChoice() {
        QFETCH(QStringList, clicks);
        QFETCH(int, result);
        QFETCH(int, choice);
        QFETCH(int, number);
        CSupplementNumberDlg dialog(4);
        clickInNextDialog(clicks);
        QCOMPARE(ShowSupplementNumberDialog(dialog, nullptr), result);
        QCOMPARE(int(dialog.RecordedChoice()), choice);
        QCOMPARE(dialog.ChosenNumber(), number);
    }
};

}  // namespace lumar::manager

QTEST_MAIN(lumar::manager::SupplementNumberViewTest)
#include "supplement_number_view_test.moc"
