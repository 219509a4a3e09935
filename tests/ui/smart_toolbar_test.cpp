// The dialogs' toolbar on the offscreen platform: its buttons and images,
// their states following the dialog's handlers while the toolbar is shown,
// clicks running commands, and its place along the top of the dialog.

#include "ui/qt/smart_toolbar.h"

#include <QAction>
#include <QDialog>
#include <QListWidget>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>
#include <set>
#include <vector>

#include "ui/toolbar_dialog.h"

namespace lumar::ui {

namespace {

namespace id = toolbar_command;

// A dialog model with the editors' command operations.
struct FakeDialog {
    std::set<int> enabled;
    bool editMode = true;
    std::vector<int> ran;

    bool IsEnabled(int command) const { return enabled.count(command) != 0; }
    bool IsChecked(int command) const {
        return command == (editMode ? id::kEditMode : id::kOverviewMode);
    }
    std::string ToolTip(int command) const { return ToolbarTipText(command, !editMode); }
    bool Execute(int command) {
        ran.push_back(command);
        if (command == id::kOverviewMode) {
            editMode = false;
        }
        return true;
    }
};

// A dialog window with a list and the toolbar over it.
struct Window {
    explicit Window(FakeDialog& model)
        : toolbarModel(ToolbarHandlersFor(model)),
          layout(new QVBoxLayout(&dialog)),
          list(new QListWidget(&dialog)),
          toolbar(new SmartToolbar(toolbarModel, &dialog)) {
        layout->addWidget(list);
        AddToolbar(dialog, *toolbar);
    }

    CToolbarDialog toolbarModel;
    QDialog dialog;
    QVBoxLayout* layout;
    QListWidget* list;
    SmartToolbar* toolbar;
};

std::set<int> enabledButtons(const SmartToolbar& toolbar) {
    std::set<int> enabled;
    for (const ToolbarButton& button : ToolbarButtons(kToolbarResource)) {
        if (button.command != 0 && toolbar.ActionOf(button.command)->isEnabled()) {
            enabled.insert(button.command);
        }
    }
    return enabled;
}

}  // namespace

class SmartToolbarTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyButtonHasItsImageInThreeForms() {
        FakeDialog model;
        Window window(model);
        QCOMPARE(window.toolbar->objectName(), QString("120"));
        int buttons = 0;
        for (const ToolbarButton& button : ToolbarButtons(kToolbarResource)) {
            if (button.command == 0) {
                continue;
            }
            ++buttons;
            QAction* action = window.toolbar->ActionOf(button.command);
            QVERIFY(action != nullptr);
            const QIcon icon = action->icon();
            const QImage normal = icon.pixmap(20, QIcon::Normal).toImage();
            QVERIFY2(!normal.isNull(), button.image);
            QVERIFY2(normal != icon.pixmap(20, QIcon::Active).toImage(), button.image);
            QVERIFY2(normal != icon.pixmap(20, QIcon::Disabled).toImage(), button.image);
            // Drawn afresh at twice the size, not scaled up.
            QCOMPARE(icon.pixmap(QSize(20, 20), 2.0).size(), QSize(40, 40));
        }
        QCOMPARE(buttons, 9);
    }

    void buttonsFollowTheDialogWhileShown_data() {
        QTest::addColumn<std::set<int>>("enabled");
        QTest::newRow("none") << std::set<int>{};
        QTest::newRow("save and insert") << std::set<int>{id::kSave, id::kInsert};
        QTest::newRow("all but open")
            << std::set<int>{id::kSave,  id::kReplace, id::kInsert,   id::kDelete,
                             id::kStore, id::kRestore, id::kEditMode, id::kOverviewMode};
    }

    void buttonsFollowTheDialogWhileShown() {
        QFETCH(std::set<int>, enabled);
        FakeDialog model;
        model.enabled = {id::kDelete};
        Window window(model);
        window.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window.dialog));
        QCOMPARE(enabledButtons(*window.toolbar), std::set<int>{id::kDelete});
        // The next idle update shows the dialog's new state.
        model.enabled = enabled;
        QTRY_COMPARE(enabledButtons(*window.toolbar), enabled);
    }

    void aClickRunsTheCommandAndShowsTheNewState() {
        FakeDialog model;
        model.enabled = {id::kSave, id::kOverviewMode};
        Window window(model);
        window.dialog.show();
        QSignalSpy ran(window.toolbar, &SmartToolbar::CommandRan);
        QVERIFY(window.toolbar->ActionOf(id::kEditMode)->isChecked());
        QCOMPARE(window.toolbar->ActionOf(id::kStore)->toolTip(), QString("Store"));

        window.toolbar->ActionOf(id::kInsert)->trigger();  // disabled: nothing runs
        window.toolbar->ActionOf(id::kOverviewMode)->trigger();
        QCOMPARE(model.ran, std::vector<int>{id::kOverviewMode});
        QCOMPARE(ran.count(), 1);
        QCOMPARE(ran.at(0).at(0).toInt(), id::kOverviewMode);
        // At once, not at the next idle update.
        QVERIFY(!window.toolbar->ActionOf(id::kEditMode)->isChecked());
        QVERIFY(window.toolbar->ActionOf(id::kOverviewMode)->isChecked());
        QCOMPARE(window.toolbar->ActionOf(id::kStore)->toolTip(), QString("Cut"));
    }

    void standsAlongTheTopOfTheDialog() {
        FakeDialog model;
        Window window(model);
        window.dialog.resize(400, 300);
        window.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window.dialog));
        QCOMPARE(window.toolbar->y(), 0);
        QVERIFY(window.list->y() >= window.toolbar->geometry().bottom());
        QCOMPARE(window.toolbar->width(), window.dialog.width());
    }
};

}  // namespace lumar::ui

Q_DECLARE_METATYPE(std::set<int>)

QTEST_MAIN(lumar::ui::SmartToolbarTest)
#include "smart_toolbar_test.moc"
