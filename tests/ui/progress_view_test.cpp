// The progress dialog on the offscreen platform: what begin, set, advance and
// end show, Cancel with its question, and the parent window disabled for the
// length of the operation.

#include "ui/qt/progress_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "ui/message_box.h"
#include "ui/progress.h"
#include "ui/qt/qt_message_boxes.h"

namespace lumar::ui {

namespace {

struct Seen {
    QString text;
    QString caption;
    bool cancelIsDefault = false;
};

// Answers the next message box by clicking the button with that text.
void answerNextMessageBox(const QString& button, Seen* seen) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            answerNextMessageBox(button, seen);
            return;
        }
        seen->text = box->text();
        seen->caption = box->windowTitle();
        seen->cancelIsDefault = box->defaultButton() == box->button(QMessageBox::Cancel);
        for (QAbstractButton* candidate : box->buttons()) {
            if (candidate->text() == button) {
                candidate->click();
                return;
            }
        }
        box->reject();
    });
}

ProgressView* openDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* view = qobject_cast<ProgressView*>(widget);
            view != nullptr && view->isVisible()) {
            return view;
        }
    }
    return nullptr;
}

QPushButton* cancelButton(ProgressView* view) {
    return view->findChild<QPushButton*>("2");
}

}  // namespace

class ProgressViewTest : public QObject {
    Q_OBJECT

private:
    QtMessageBoxes boxes_;
    QtProgressWindows windows_;
    std::unique_ptr<QWidget> parent_;

private Q_SLOTS:
    void initTestCase() {
        SetMessageBoxes(&boxes_);
        SetProgressWindows(&windows_);
    }

    void init() {
        parent_ = std::make_unique<QWidget>();
        parent_->resize(400, 300);
        parent_->show();
    }

    void cleanup() {
        EndProgress(nullptr);
        parent_.reset();
    }

    void showsTheOperationOverItsDisabledParent() {
        BeginProgress(parent_.get(), true, false, 10, 20, "Searching...");
        ProgressView* view = openDialog();
        QVERIFY(view != nullptr);
        QCOMPARE(view->windowTitle(), QString("Progress"));
        QCOMPARE(view->findChild<QLabel*>("1060")->text(), QString("Searching..."));
        QProgressBar* bar = view->findChild<QProgressBar*>("1059");
        QCOMPARE(bar->minimum(), 10);
        QCOMPARE(bar->maximum(), 20);
        QCOMPARE(bar->value(), 10);
        QVERIFY(!view->findChild<QPushButton*>("1")->isVisible());
        QVERIFY(!parent_->isEnabled());
        // The dialog itself stays usable while its parent is disabled.
        QVERIFY(cancelButton(view)->isEnabled());
        QVERIFY(!view->isModal());

        EndProgress("Done");
        QVERIFY(openDialog() == nullptr);
        QVERIFY(parent_->isEnabled());
        QVERIFY(!ProgressActive());
    }

    void keepsThePositionInsideTheRange_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("shown");
        QTest::newRow("inside") << 15 << 15;
        QTest::newRow("beyond the maximum") << 99 << 20;
        QTest::newRow("below the minimum") << -5 << 10;
    }

    void keepsThePositionInsideTheRange() {
        QFETCH(int, position);
        QFETCH(int, shown);
        BeginProgress(parent_.get(), false, false, 10, 20, nullptr);
        SetProgress(position, "Page");
        QCOMPARE(openDialog()->bar()->value(), shown);
        QCOMPARE(openDialog()->text()->text(), QString("Page"));
        // A null text keeps the one shown.
        AdvanceProgress(1, nullptr);
        QCOMPARE(openDialog()->bar()->value(), std::min(shown + 1, 20));
        QCOMPARE(openDialog()->text()->text(), QString("Page"));
    }

    void cancelAnsweredCancelLeavesTheOperationRunning() {
        BeginProgress(parent_.get(), true, false, 0, 5, "Printing...");
        ProgressView* view = openDialog();
        Seen seen;
        answerNextMessageBox("Cancel", &seen);
        QTest::mouseClick(cancelButton(view), Qt::LeftButton);
        QCOMPARE(seen.text, QString("Are you sure?"));
        QCOMPARE(seen.caption, QString("Cancel operation"));
        QVERIFY(seen.cancelIsDefault);
        QVERIFY(!ProgressCancelled());
        QVERIFY(cancelButton(view)->isEnabled());
        QVERIFY(openDialog() == view);
    }

    void cancelAnsweredOkStopsTheOperationAndEndEnablesTheParent() {
        BeginProgress(parent_.get(), true, false, 0, 5, "Printing...");
        ProgressView* view = openDialog();
        Seen seen;
        answerNextMessageBox("OK", &seen);
        QTest::mouseClick(cancelButton(view), Qt::LeftButton);
        QVERIFY(ProgressCancelled());
        QVERIFY(!cancelButton(view)->isEnabled());
        QVERIFY(openDialog() == view);  // open until the operation ends it
        EndProgress(nullptr);
        QVERIFY(!ProgressCancelled());
        QVERIFY(parent_->isEnabled());
        QVERIFY(openDialog() == nullptr);
    }

    void escapeAndClosingAskToo() {
        BeginProgress(parent_.get(), false, false, 0, 5, nullptr);
        ProgressView* view = openDialog();
        Seen seen;
        answerNextMessageBox("Cancel", &seen);
        QTest::keyClick(view, Qt::Key_Escape);
        QCOMPARE(seen.text, QString("Are you sure?"));
        QVERIFY(view->isVisible());
        answerNextMessageBox("OK", &seen);
        view->close();
        QVERIFY(view->isVisible());
        QVERIFY(ProgressCancelled());
    }

    void anEmptyRangeShowsNothing() {
        BeginProgress(parent_.get(), true, false, 5, 4, "Nothing");
        QVERIFY(openDialog() == nullptr);
        QVERIFY(!ProgressActive());
        QVERIFY(parent_->isEnabled());
        EndProgress("Done");
        QVERIFY(!ProgressCancelled());
    }

    void aSecondBeginReusesTheOpenDialog() {
        BeginProgress(parent_.get(), true, false, 0, 5, "First");
        ProgressView* view = openDialog();
        BeginProgress(parent_.get(), true, false, 0, 50, "Second");
        QCOMPARE(openDialog(), view);
        QCOMPARE(view->bar()->maximum(), 50);
        QCOMPARE(view->text()->text(), QString("Second"));
        EndProgress(nullptr);
        QVERIFY(parent_->isEnabled());
    }

    void aParentClosedFirstLeavesTheDialogToTheOperation() {
        BeginProgress(parent_.get(), true, false, 0, 5, "Going");
        ProgressView* view = openDialog();
        QVERIFY(view != nullptr);
        parent_.reset();
        SetProgress(3, "still going");
        QCOMPARE(view->bar()->value(), 3);
        AdvanceProgress(1, nullptr);
        EndProgress("Done");
        QVERIFY(openDialog() == nullptr);
        QVERIFY(!ProgressActive());
    }
};

}  // namespace lumar::ui

QTEST_MAIN(lumar::ui::ProgressViewTest)
#include "progress_view_test.moc"
