// The quick list on the offscreen platform: it asks its owner only for the
// cells it shows, keeps and reports the selection, finds rows by typing,
// shows tips, and draws the box with its bar where the cell rules put it.

#include "ui/qt/quick_list_view.h"

#include <QHelpEvent>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>
#include <set>
#include <string>
#include <vector>

#include "ui/qt/colour_value.h"

namespace lumar::ui {

namespace {

constexpr std::uint32_t kRed = 0x0000FF;  // R + G * 256 + B * 65536
const QColor kBase(Qt::white);

// A list over `texts` (column 0); the owner writes every cell it is asked
// for into `asked`.
struct Owner {
    std::vector<std::string> texts;
    std::set<int> asked;
    QuickListCell::Box box;
    std::string tip;

    void fill(QuickListCell& cell) {
        asked.insert(cell.item);
        cell.text = cell.column == 0 ? texts.at(static_cast<std::size_t>(cell.item))
                                     : "top " + std::to_string(cell.item) + "\r\nbottom";
        cell.toolTip = tip;
        if (cell.column == 0) {
            cell.box = box;
        }
    }
};

void setUp(QuickList& list, Owner& owner, int rows) {
    while (static_cast<int>(owner.texts.size()) < rows) {
        owner.texts.push_back("Row " + std::to_string(owner.texts.size()));
    }
    QPalette palette = list.palette();
    palette.setColor(QPalette::Base, kBase);
    list.setPalette(palette);
    list.SetColumns({{"Pair", Qt::AlignLeft, 160}, {"Text", Qt::AlignLeft, 160}});
    list.SetRowLines(2);
    list.SetFiller([&owner](QuickListCell& cell) { owner.fill(cell); });
    list.SetRowCount(rows);
    list.resize(400, 300);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
}

QImage picture(QuickList& list) {
    return list.viewport()->grab().toImage();
}

}  // namespace

class QuickListViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void asksOnlyForTheVisibleCells() {
        QuickList list(nullptr);
        Owner owner;
        setUp(list, owner, 5000);
        owner.asked.clear();
        picture(list);
        const int lastShown = list.rowAt(list.viewport()->height() - 1);
        QVERIFY(lastShown > 0 && lastShown < 30);
        QVERIFY(!owner.asked.empty());
        QVERIFY(*owner.asked.rbegin() <= lastShown);

        owner.asked.clear();
        list.ScrollToRow(4999);
        picture(list);
        QVERIFY(!owner.asked.empty());
        QVERIFY(*owner.asked.begin() >= 4999 - lastShown - 1);
        QCOMPARE(*owner.asked.rbegin(), 4999);
    }

    void keepsAndReportsTheSelection() {
        QuickList list(nullptr);
        Owner owner;
        setUp(list, owner, 40);
        QSignalSpy byUser(&list, &QuickList::SelectionChangedByUser);
        list.SelectRows({7, 2, 3, 99});
        QCOMPARE(list.SelectedRows(), (std::vector<int>{2, 3, 7}));
        QCOMPARE(byUser.count(), 0);

        // Ctrl adds a row, Shift the range from the row clicked last.
        const auto rowCentre = [&list](int row) {
            return list.visualRect(list.Model().index(row, 1)).center();
        };
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(5));
        QCOMPARE(list.SelectedRows(), (std::vector<int>{2, 3, 5, 7}));
        QVERIFY(byUser.count() > 0);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ShiftModifier, rowCentre(9));
        QCOMPARE(list.SelectedRows(), (std::vector<int>{2, 3, 5, 6, 7, 8, 9}));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(1));
        QCOMPARE(list.SelectedRows(), std::vector<int>{1});

        // The owner's cells know which rows are selected: column 0 always,
        // the others only with full-row selection.
        QVERIFY(list.CellAt(1, 0).selected);
        QVERIFY(!list.CellAt(1, 1).selected);
        list.SetFullRowSelection(true);
        QVERIFY(list.CellAt(1, 1).selected);
        QVERIFY(!list.CellAt(2, 0).selected);
    }

    void typingFindsTheRow_data() {
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("findColumn");
        QTest::addColumn<int>("found");
        QTest::newRow("first match") << -1 << "b" << 0 << 0;
        QTest::newRow("letters in a row narrow the search") << -1 << "bins" << 0 << 3;
        QTest::newRow("after the current row, ignoring case") << 0 << "B" << 0 << 1;
        QTest::newRow("wraps round") << 3 << "binder" << 0 << 0;
        QTest::newRow("no match keeps the row") << 2 << "x" << 0 << 2;
        QTest::newRow("find off") << 2 << "b" << int(kFindOff) << 2;
    }

    void typingFindsTheRow() {
        QFETCH(int, current);
        QFETCH(QString, typed);
        QFETCH(int, findColumn);
        QFETCH(int, found);
        QuickList list(nullptr);
        Owner owner;
        owner.texts = {"Binder 1", "binder 2", "Supplement", "Binsert", "Colour"};
        setUp(list, owner, 5);
        list.SetFindColumn(findColumn);
        if (current >= 0) {
            list.SelectRows({current});
        } else {
            list.selectionModel()->clearCurrentIndex();
        }
        QSignalSpy byUser(&list, &QuickList::SelectionChangedByUser);
        QTest::keyClicks(&list, typed);
        QCOMPARE(list.SelectedRows(), found >= 0 ? std::vector<int>{found} : std::vector<int>{});
        QCOMPARE(byUser.isEmpty(), found == current);
    }

    void tipsShowTheCellOrThePartUnderTheMouse_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("lowerHalf");
        QTest::addColumn<QString>("ownerTip");
        QTest::addColumn<QString>("tip");
        QTest::newRow("column 0: the text") << 0 << false << ""
                                            << "Row 3";
        QTest::newRow("column 1, upper half") << 1 << false << ""
                                              << "top 3";
        QTest::newRow("column 1, lower half") << 1 << true << ""
                                              << "bottom";
        QTest::newRow("the owner's tip") << 1 << true << "Replaced"
                                         << "Replaced";
    }

    void tipsShowTheCellOrThePartUnderTheMouse() {
        QFETCH(int, column);
        QFETCH(bool, lowerHalf);
        QFETCH(QString, ownerTip);
        QFETCH(QString, tip);
        QuickList list(nullptr);
        Owner owner;
        owner.tip = ownerTip.toStdString();
        setUp(list, owner, 10);
        const QRect cell = list.visualRect(list.Model().index(3, column));
        const QPoint at(cell.center().x(), lowerHalf ? cell.bottom() - 2 : cell.top() + 2);
        QCOMPARE(list.ToolTipAt(at), tip);

        QHelpEvent event(QEvent::ToolTip, at, list.viewport()->mapToGlobal(at));
        QApplication::sendEvent(list.viewport(), &event);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), tip);
        QToolTip::hideText();
    }

    void drawsTheBoxAndItsBar_data() {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("edge");
        QTest::addColumn<bool>("barAtLeft");
        QTest::addColumn<bool>("barAtRight");
        QTest::newRow("no box") << 0 << 1 << 0 << false << false;
        QTest::newRow("empty") << 4 << 0 << 0 << false << false;
        QTest::newRow("half") << 4 << 2 << 0 << true << false;
        QTest::newRow("full") << 1 << 1 << 0 << true << true;
        QTest::newRow("full with an edge") << 1 << 1 << 1 << true << true;
    }

    void drawsTheBoxAndItsBar() {
        QFETCH(int, maximum);
        QFETCH(int, value);
        QFETCH(int, edge);
        QFETCH(bool, barAtLeft);
        QFETCH(bool, barAtRight);
        QuickList list(nullptr);
        Owner owner;
        owner.box = {maximum, value, kRed, edge};
        setUp(list, owner, 3);
        const QRect cell = list.visualRect(list.Model().index(1, 0));
        const CellRect cellRect{cell.left(), cell.top(), cell.left() + cell.width(),
                                cell.top() + cell.height()};
        const CellRect box = QuickListBoxRect(cellRect, edge != 0);
        const int middle = (box.top + box.bottom) / 2;
        const QImage image = picture(list);
        const QColor red = toQColor(kRed);
        QCOMPARE(image.pixelColor(box.left + 1, middle) == red, barAtLeft);
        QCOMPARE(image.pixelColor(box.right - 2, middle) == red, barAtRight);
        // Nothing of it outside the box, nor in the row's text area.
        QCOMPARE(image.pixelColor(cellRect.left + 1, middle), kBase);
        QCOMPARE(image.pixelColor(box.left + 1, box.top - 1) == red, false);
        QCOMPARE(image.pixelColor(cellRect.right - 3, middle), kBase);
        if (edge != 0) {
            // The edge stands round the box, two pixels wide.
            QVERIFY(image.pixelColor(box.left - 1, middle) != kBase);
            QVERIFY(image.pixelColor(box.left - 1, middle) != red);
        }
    }

    void aClickTellsWhetherItHitTheBox() {
        QuickList list(nullptr);
        Owner owner;
        owner.box = {2, 1, kRed, 0};
        setUp(list, owner, 3);
        QSignalSpy clicks(&list, &QuickList::CellClicked);
        const QRect cell = list.visualRect(list.Model().index(2, 0));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cell.topLeft() + QPoint(10, 10));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cell.center() + QPoint(40, 0));
        QCOMPARE(clicks.count(), 2);
        const auto hit = [&clicks](int i) { return clicks.at(i).at(0).value<QuickListHit>(); };
        QCOMPARE(hit(0).item, 2);
        QCOMPARE(hit(0).column, 0);
        QVERIFY(hit(0).inBox);
        QVERIFY(!hit(1).inBox);
    }

    void withoutRowsShowsTheNoItemsText() {
        QuickList list(nullptr);
        Owner owner;
        setUp(list, owner, 0);
        const auto marked = [&list] {
            const QImage image = picture(list);
            int count = 0;
            for (int y = 0; y < 40; ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    count += image.pixelColor(x, y) != kBase ? 1 : 0;
                }
            }
            return count;
        };
        QCOMPARE(marked(), 0);
        list.SetNoItemsText("<No colour data>");
        QVERIFY(marked() > 0);
    }
};

}  // namespace lumar::ui

QTEST_MAIN(lumar::ui::QuickListViewTest)
#include "quick_list_view_test.moc"
