// The search dialog's window on the offscreen platform: the search texts and
// the match case flag kept in the settings file and shown again on the next
// opening; Search enabled (and telling why not) as the text allows, Enter
// searching; an earlier text picked from the list, and the tab sheet and
// colour conditions appended; the tab order and the placement.

#include "search/qt/search_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <cstdint>
#include <string>

#include "config/settings_store.h"
#include "fixtures/temp_dir.h"
#include "merge/qt/colour_view.h"
#include "modal_steps.h"
#include "plugin/qt/qt_views.h"
#include "search/search_colour.h"
#include "search/search_dlg.h"
#include "service/logon_store.h"
#include "ui/modal_dialog.h"
#include "ui/qt/quick_list_view.h"

namespace lumar::search {

namespace {

template <typename Widget>
Widget* child(QWidget* view, const char* id) {
    auto* widget = view->findChild<Widget*>(id);
    if (widget == nullptr) {
        qFatal("no control %s", id);
    }
    return widget;
}

QStringList entries(const QComboBox* box) {
    QStringList shown;
    for (int i = 0; i < box->count(); ++i) {
        shown << box->itemText(i);
    }
    return shown;
}

std::string storedList() {
    std::string list;
    ReadTextSetting(CSearchDlg::kSettingsKey, CSearchDlg::kMruListName, list);
    return list;
}

std::uint32_t storedMatchCase() {
    std::uint32_t flag = 7;
    ReadNumberSetting(CSearchDlg::kSettingsKey, CSearchDlg::kMatchCaseName, flag);
    return flag;
}

}  // namespace

class SearchViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fixtures::TempDir> temp_;

private Q_SLOTS:
    void initTestCase() { InstallQtViews(); }

    void init() {
        temp_ = std::make_unique<fixtures::TempDir>();
        qputenv("LUMAR_REGISTRY", QByteArray::fromStdString((*temp_ / "registry.reg").string()));
    }

    void cleanup() { temp_.reset(); }

    // Each search is typed into a fresh window; the next opening lists the
    // texts, most recent first, and shows the flag as last stored.
    void textsAndMatchCaseAreKeptInTheSettingsFile() {
        const struct {
            QString typed;
            bool matchCase;
            QStringList listed;  // on the next opening
            std::string stored;
        } searches[] = {
            {"abc", true, {"abc"}, "abc"},
            {"x|y", false, {"x", "y", "abc"}, "x|y|abc"},
            {"abc", false, {"abc", "x", "y"}, "abc|x|y"},
        };
        QCOMPARE(storedMatchCase(), std::uint32_t{7});  // nothing stored yet
        for (const auto& search : searches) {
            QStringList failures;
            testing::WithNextModal<SearchView>(
                [&](SearchView* view) {
                    auto* box = child<QComboBox>(view, "1096");
                    QTest::keyClicks(box->lineEdit(), search.typed);
                    auto* matchCase = child<QCheckBox>(view, "1095");
                    if (matchCase->isChecked() != search.matchCase) {
                        QTest::mouseClick(matchCase, Qt::LeftButton);
                    }
                    // Enter searches: Search is the default button.
                    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
                },
                &failures);
            CSearchDlg dialog;
            QCOMPARE(DoModal(dialog, nullptr), kIdOk);
            QVERIFY2(failures.isEmpty(), qPrintable(failures.join("; ")));
            QCOMPARE(QString::fromStdString(dialog.Text()), search.typed);
            QCOMPARE(dialog.MatchCase(), search.matchCase);
            QCOMPARE(storedList(), search.stored);
            QCOMPARE(storedMatchCase(), std::uint32_t{search.matchCase ? 1U : 0U});

            CSearchDlg again;
            SearchView view(again, nullptr);
            QCOMPARE(entries(child<QComboBox>(&view, "1096")), search.listed);
            QCOMPARE(child<QComboBox>(&view, "1096")->currentText(), QString());
            QCOMPARE(child<QCheckBox>(&view, "1095")->isChecked(), search.matchCase);
        }
    }

    void searchNeedsAText() {
        CSearchDlg dialog;
        SearchView view(dialog, nullptr);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        auto* box = child<QComboBox>(&view, "1096");
        auto* search = child<QPushButton>(&view, "1");
        QVERIFY(!search->isEnabled());
        QCOMPARE(search->toolTip(), QString("No text to search for"));
        QTest::keyClicks(box->lineEdit(), "   ");
        QVERIFY(!search->isEnabled());
        // Enter does nothing while Search is disabled.
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        QVERIFY(view.isVisible());
        QTest::keyClicks(box->lineEdit(), "a");
        QVERIFY(search->isEnabled());
        QCOMPARE(search->toolTip(), QString());
        QTest::mouseClick(child<QPushButton>(&view, "2"), Qt::LeftButton);
        QCOMPARE(view.result(), int(QDialog::Rejected));
        QCOMPARE(storedList(), std::string());  // Cancel stores nothing
    }

    void anEarlierTextAndTheConditionsMakeTheSearchText() {
        WriteTextSetting(CSearchDlg::kSettingsKey, CSearchDlg::kMruListName, "abc|def");
        WriteNumberSetting(CSearchDlg::kSettingsKey, CSearchDlg::kMatchCaseName, 1);
        TheLogonStore().colours.Records = {{1, "White", 255, 255, 255}, {2, "Red", 255, 0, 0}};
        RememberedSearchColour() = "[[#NOCOLOUR#]]";
        CSearchDlg dialog;
        SearchView view(dialog, nullptr);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        auto* box = child<QComboBox>(&view, "1096");
        auto* matchCase = child<QCheckBox>(&view, "1095");
        QVERIFY(matchCase->isChecked());

        // Down picks the first earlier text, Down again the second.
        QTest::keyClick(box->lineEdit(), Qt::Key_Down);
        QTest::keyClick(box->lineEdit(), Qt::Key_Down);
        QCOMPARE(box->currentText(), QString("def"));
        QVERIFY(child<QPushButton>(&view, "1")->isEnabled());

        QTest::mouseClick(child<QPushButton>(&view, "1098"), Qt::LeftButton);
        QCOMPARE(box->currentText(), QString("defTABSHEET="));
        QVERIFY(!matchCase->isChecked());

        // "Colour...": Red chosen in the colour window.
        QTest::mouseClick(matchCase, Qt::LeftButton);
        QStringList failures;
        testing::WithNextModal<merge::ColourView>(
            [](merge::ColourView* colours) {
                ui::QuickList& list = colours->List();
                QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                                  list.visualRect(list.Model().index(2, 1)).center());
                QTest::mouseClick(child<QPushButton>(colours, "1"), Qt::LeftButton);
            },
            &failures);
        QTest::mouseClick(child<QPushButton>(&view, "1097"), Qt::LeftButton);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join("; ")));
        QCOMPARE(box->currentText(), QString("defTABSHEET=COLOUR=\"Red\""));
        QVERIFY(!matchCase->isChecked());
        QCOMPARE(RememberedSearchColour(), std::string("Red"));

        QTest::mouseClick(child<QPushButton>(&view, "1"), Qt::LeftButton);
        QCOMPARE(view.result(), int(QDialog::Accepted));
        QCOMPARE(storedList(), std::string("defTABSHEET=COLOUR=\"Red\"|abc|def"));
        QCOMPARE(storedMatchCase(), std::uint32_t{0});
        TheLogonStore().colours.Records.clear();
    }

    void tabOrderFollowsTheRows() {
        CSearchDlg dialog;
        SearchView view(dialog, nullptr);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTest::keyClicks(child<QComboBox>(&view, "1096")->lineEdit(), "a");
        QStringList visited;
        QWidget* focused = QApplication::focusWidget();
        for (int i = 0; i < 6 && focused != nullptr; ++i) {
            // The combo box's line edit stands for the box.
            QWidget* control = qobject_cast<QComboBox*>(focused->parentWidget()) != nullptr
                                   ? focused->parentWidget()
                                   : focused;
            visited << control->objectName();
            QTest::keyClick(focused, Qt::Key_Tab);
            focused = QApplication::focusWidget();
        }
        QCOMPARE(visited, QStringList({"1096", "1095", "2", "1098", "1097", "1"}));
    }

    // Wider is kept, the height is the window's own.
    void thePlacementComesBack() {
        QRect where;
        {
            CSearchDlg dialog;
            SearchView view(dialog, nullptr);
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            where = QRect(130, 150, view.width() + 120, view.height());
            view.setGeometry(where);
            view.reject();
        }
        CSearchDlg dialog;
        SearchView view(dialog, nullptr);
        QCOMPARE(view.geometry(), where);
        QCOMPARE(view.minimumHeight(), view.maximumHeight());
        QVERIFY(view.minimumWidth() > 4 * child<QPushButton>(&view, "1")->sizeHint().width());
    }
};

}  // namespace lumar::search

QTEST_MAIN(lumar::search::SearchViewTest)
#include "search_view_test.moc"
