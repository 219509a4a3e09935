// The colour dialog's window on the offscreen platform: choosing a colour
// (or none) by click, double click and OK hands the dialog's result back;
// OK follows the selection; the swatches show the colours; the placement
// comes back on the next opening.

#include "merge/qt/colour_view.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <vector>

#include "fixtures/temp_dir.h"
#include "merge/colour_dlg.h"
#include "ui/modal_dialog.h"
#include "ui/qt/colour_value.h"
#include "ui/qt/quick_list_view.h"

namespace lumar::merge {

namespace {

const std::vector<ColourRecord> kColours = {
    {1, "White", 255, 255, 255}, {2, "Yellow", 255, 255, 153}, {3, "Light blue", 153, 204, 255}};

QPoint rowPoint(const ui::QuickList& list, int row) {
    return list.visualRect(list.Model().index(row, 1)).center();
}

// Acts in the next modal dialog: "row N" clicks row N, "double N" double
// clicks it, an object name clicks that button.
void actInNextDialog(const QStringList& steps) {
    QTimer::singleShot(0, [=] {
        auto* view = qobject_cast<ColourView*>(QApplication::activeModalWidget());
        if (view == nullptr) {
            actInNextDialog(steps);
            return;
        }
        ui::QuickList& list = view->List();
        for (const QString& step : steps) {
            const QStringList words = step.split(' ');
            if (words.front() == "row") {
                QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                                  rowPoint(list, words.back().toInt()));
            } else if (words.front() == "double") {
                QTest::mouseDClick(list.viewport(), Qt::LeftButton, {},
                                   rowPoint(list, words.back().toInt()));
            } else {
                view->findChild<QPushButton*>(step)->click();
            }
        }
        if (view->isVisible()) {
            view->reject();
        }
    });
}

}  // namespace

class ColourViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        qputenv("LUMAR_REGISTRY", QByteArray::fromStdString((temp_ / "registry.reg").string()));
    }

    void choosingHandsBackTheDialogsResult_data() {
        QTest::addColumn<bool>("withColours");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("ended");
        QTest::addColumn<QString>("result");
        QTest::newRow("no colour, OK")
            << true << "[[#NOCOLOUR#]]" << QStringList{"1"} << kIdOk << "";
        QTest::newRow("another colour, OK")
            << true << "yellow" << QStringList{"row 3", "1"} << kIdOk << "Light blue";
        QTest::newRow("double click")
            << true << "White" << QStringList{"double 2"} << kIdOk << "Yellow";
        QTest::newRow("none known: OK does nothing")
            << true << "" << QStringList{"1"} << kIdCancel << "";
        QTest::newRow("Cancel") << true << "White" << QStringList{"row 2", "2"} << kIdCancel << "";
        QTest::newRow("empty list: the no-colour row")
            << false << "Yellow" << QStringList{"row 0", "1"} << kIdOk << "";
    }

    void choosingHandsBackTheDialogsResult() {
        QFETCH(bool, withColours);
        QFETCH(QString, current);
        QFETCH(QStringList, steps);
        QFETCH(int, ended);
        QFETCH(QString, result);
        CColourDlg dialog(withColours ? kColours : std::vector<ColourRecord>{},
                          current.toStdString());
        actInNextDialog(steps);
        QCOMPARE(ShowColourDialog(dialog, nullptr), ended);
        if (ended == kIdOk) {
            QCOMPARE(QString::fromStdString(dialog.Result()), result);
        }
    }

    void okFollowsTheSelection() {
        CColourDlg dialog(kColours, "purple", "Any colour");
        ColourView view(dialog, nullptr);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        auto* ok = view.findChild<QPushButton*>("1");
        QVERIFY(!ok->isEnabled());
        QCOMPARE(ok->toolTip(), QString("No item selected"));
        QCOMPARE(view.List().RowCount(), 4);
        QCOMPARE(QString::fromStdString(view.List().CellAt(0, 0).text), QString("Any colour"));
        QTest::mouseClick(view.List().viewport(), Qt::LeftButton, {}, rowPoint(view.List(), 1));
        QVERIFY(ok->isEnabled());
        QCOMPARE(ok->toolTip(), QString());
        QCOMPARE(dialog.SelectedRow(), std::optional<int>(1));
        QCOMPARE(QString::fromStdString(view.List().CellAt(1, 2).text), QString("255"));
    }

    void swatchesShowTheColours() {
        CColourDlg dialog(kColours, "Yellow");
        ColourView view(dialog, nullptr);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        ui::QuickList& list = view.List();
        const QImage image = list.viewport()->grab().toImage();
        const auto swatchCentre = [&list](int row) {
            const QRect cell = list.visualRect(list.Model().index(row, 0));
            const CellRect box = QuickListBoxRect(
                {cell.left(), cell.top(), cell.left() + cell.width(), cell.top() + cell.height()},
                true);
            return QPoint((box.left + box.right) / 2, (box.top + box.bottom) / 2);
        };
        for (int row = 1; row < 4; ++row) {
            QCOMPARE(image.pixelColor(swatchCentre(row)), ui::toQColor(*dialog.RowColour(row)));
        }
        QVERIFY(!list.CellAt(0, 0).HasBox());
        // The colour current on opening is marked.
        QVERIFY(list.CellAt(2, 0).bold);
        QVERIFY(!list.CellAt(3, 0).bold);
    }

    void thePlacementComesBack() {
        const QRect where(120, 140, 420, 330);
        {
            CColourDlg dialog(kColours, "");
            ColourView view(dialog, nullptr);
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            view.setGeometry(where);
            view.reject();
        }
        CColourDlg dialog(kColours, "");
        ColourView view(dialog, nullptr);
        QCOMPARE(view.geometry(), where);
    }

private:
    fixtures::TempDir temp_;
};

}  // namespace lumar::merge

QTEST_MAIN(lumar::merge::ColourViewTest)
#include "colour_view_test.moc"
