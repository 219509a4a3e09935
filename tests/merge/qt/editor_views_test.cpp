// The merge data editor's and the document annotations dialog's windows on
// the offscreen platform, against the reference service: the editor opened
// from the manager, merge data written with the lists' keys, the overview
// following it, the command lines through the desktop clipboard, a reused
// pair refused, the toolbar following the selection, and a merge; the
// document annotations of a binder given a tab sheet and a colour and
// written back by Update.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "config/settings_store.h"
#include "demo/demo_data.h"
#include "fixtures/pdf_reading.h"
#include "fixtures/service/reference_service.h"
#include "fixtures/temp_dir.h"
#include "manager/editor_launcher.h"
#include "manager/manager_commands.h"
#include "manager/manager_dlg.h"
#include "manager/qt/window_test_support.h"
#include "merge/annotations_dlg.h"
#include "merge/merge_data_dlg.h"
#include "merge/qt/annotations_view.h"
#include "merge/qt/editor_list.h"
#include "merge/qt/merge_data_view.h"
#include "plugin/plugin_harness.h"
#include "plugin/qt/qt_views.h"
#include "service/logon_store.h"
#include "service/ws_client.h"
#include "ui/qt/smart_toolbar.h"
#include "ui/toolbar_dialog.h"

namespace lumar::merge {

namespace {

constexpr std::int32_t kDemo = 1;
// How long a window or a message box may take to come.
constexpr qint64 kWaitMs = 5000;

// Runs `act` on the modal dialog named `name` once it is the active modal
// window; gives up after kWaitMs. A dialog `act` left open is closed, so a
// failed check cannot leave the test waiting.
void whenOpen(const QString& name, std::function<void(QDialog*)> act, bool* seen = nullptr) {
    auto since = std::make_shared<QElapsedTimer>();
    since->start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [=] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr && dialog->objectName() == name) {
            if (seen != nullptr) {
                *seen = true;
            }
            act(dialog);
            if (dialog->isVisible()) {
                dialog->done(QDialog::Rejected);
            }
            return;
        }
        if (since->elapsed() > kWaitMs) {
            qWarning("the window %s did not open", qPrintable(name));
            return;
        }
        QTimer::singleShot(20, *poll);
    };
    QTimer::singleShot(0, *poll);
}

// Answers the next message box with `button`; `text` gets its text.
void answerNextBox(const QString& button, QString* text) {
    auto since = std::make_shared<QElapsedTimer>();
    since->start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            if (since->elapsed() < kWaitMs) {
                QTimer::singleShot(20, *poll);
            }
            return;
        }
        *text = box->text();
        for (QAbstractButton* candidate : box->buttons()) {
            if (candidate->text().remove('&') == button) {
                candidate->click();
                return;
            }
        }
        box->reject();
    };
    QTimer::singleShot(0, *poll);
}

void clickRow(ui::QuickList& list, int row, Qt::KeyboardModifiers modifiers = {}) {
    const QRect rect = list.visualRect(list.model()->index(row, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, rect.center());
}

QString cellText(const ui::QuickList& list, int row, int column) {
    return QString::fromStdString(list.CellAt(row, column).text);
}

bool enabled(const MergeDataView& view, int command) {
    view.Toolbar().UpdateButtons();
    return view.Toolbar().ActionOf(command)->isEnabled();
}

}  // namespace

class EditorViewsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fixtures::TempDir> temp_;
    std::unique_ptr<fixtures::ReferenceService> service_;
    std::unique_ptr<testing::PluginHarness> harness_;
    std::filesystem::path binders_;
    std::filesystem::path supplements_;
    CManagerDlg& manager_ = CManagerDlg::Instance();

    // The producer holds the demo publication.
    std::int32_t holdDemo() {
        const std::int32_t producer = testing::LogOnAsDemoUser("producer");
        WSIdResult locked;
        if (!CWSClient().PublicationLock({producer, kDemo}, locked)) {
            qWarning("%s", locked.Message.c_str());
        }
        return producer;
    }

    QWidget* openManager() {
        harness_->item("TOLMA:LumarManagerOpen")->choose();
        auto* view = static_cast<QWidget*>(manager_.PlatformWindow());
        if (view == nullptr) {
            qFatal("the manager opened without a window");
        }
        manager_.SelectPublication(kDemo);
        return view;
    }

private Q_SLOTS:
    void initTestCase() { InstallQtViews(); }

    void init() {
        temp_ = std::make_unique<fixtures::TempDir>();
        qputenv("LUMAR_REGISTRY", QByteArray::fromStdString((*temp_ / "registry.reg").string()));
        service_ = std::make_unique<fixtures::ReferenceService>();
        WriteTextSetting("Uri", "Web_service", service_->uri());
        binders_ = *temp_ / "binders";
        supplements_ = *temp_ / "supplements";
        std::filesystem::create_directories(binders_);
        std::filesystem::create_directories(supplements_);
        WriteTextSetting("Uri", "Base_docs", binders_.string());
        WriteTextSetting("Uri", "Supp_docs", supplements_.string());
        for (const std::string_view name : demo::kBinderFiles) {
            testing::WriteAnnotatedPdf(binders_ / name, demo::kPagesPerBinder);
        }
        testing::WriteAnnotatedPdf(supplements_ / demo::kSupplementFile, demo::kSupplementPages);
        harness_ = std::make_unique<testing::PluginHarness>();
    }

    void cleanup() {
        manager_.Close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        harness_.reset();
        service_.reset();
        temp_.reset();
    }

    void editorWritesMergeDataAndMerges() {
        holdDemo();
        QWidget* manager = openManager();
        auto* details = manager->findChild<QPushButton*>(QString::number(kIdcMergeDataDetails));
        QVERIFY(details != nullptr && details->isEnabled());

        bool seen = false;
        whenOpen(
            "119",
            [&](QDialog* dialog) {
                auto* view = qobject_cast<MergeDataView*>(dialog);
                QVERIFY(view != nullptr);
                QCOMPARE(view->windowTitle(), QString("Merge data details"));
                EditorList& supplement = view->SupplementList();
                EditorList& binder = view->BinderList();
                EditorList& commands = view->CommandList();
                QCOMPARE(view->findChild<QComboBox*>("1009")->currentText(), QString("Binder 1"));

                // The stored merge data on binder 1: pair 2 replaced by
                // supplement pair 1, supplement pair 2 inserted after pair 4.
                QCOMPARE(binder.RowCount(), 6);
                QCOMPARE(cellText(binder, 2, 0), QString("Replaced(1)"));
                QCOMPARE(cellText(binder, 5, 0), QString("Inserted(2)"));
                QCOMPARE(supplement.RowCount(), 2);
                QVERIFY(supplement.CellAt(1, 1).italic);  // used already

                // The toolbar follows the binder list's selection.
                binder.setFocus();
                QVERIFY(!enabled(*view, toolbar_command::kDelete));
                clickRow(binder, 1);
                QVERIFY(enabled(*view, toolbar_command::kDelete));
                QVERIFY(enabled(*view, toolbar_command::kStore));
                clickRow(binder, 2, Qt::ControlModifier);  // a replaced row
                QVERIFY(!enabled(*view, toolbar_command::kDelete));
                QTest::keyClick(&binder, Qt::Key_E, Qt::ControlModifier);
                QVERIFY(binder.SelectedRows().empty());
                QVERIFY(!enabled(*view, toolbar_command::kDelete));

                // Overview mode: the command lines; the Insert removed with
                // the Delete key, and the overview follows.
                QTest::keyClick(&binder, Qt::Key_H, Qt::ControlModifier);
                QVERIFY(commands.isVisible());
                QVERIFY(!supplement.isVisible());
                QCOMPARE(commands.RowCount(), 3);
                QCOMPARE(cellText(commands, 2, 1), QString("(4,2,2)Insert"));
                clickRow(commands, 2);
                QTest::keyClick(&commands, Qt::Key_Delete);
                QCOMPARE(commands.RowCount(), 2);
                QCOMPARE(binder.RowCount(), 5);

                // Copy puts the line on the desktop's clipboard.
                clickRow(commands, 0);
                QTest::keyClick(&commands, Qt::Key_C, Qt::ControlModifier);
                QCOMPARE(QGuiApplication::clipboard()->text(), QString("(1)binder\n"));

                // Back in edit mode supplement pair 2 is free again: Insert
                // it after binder pair 3 with Ctrl+I.
                view->Toolbar().ActionOf(toolbar_command::kEditMode)->trigger();
                QVERIFY(supplement.isVisible());
                QVERIFY(!supplement.CellAt(1, 1).italic);
                clickRow(supplement, 1);
                clickRow(binder, 3);
                QTest::keyClick(&binder, Qt::Key_I, Qt::ControlModifier);
                QCOMPARE(binder.RowCount(), 6);
                QCOMPARE(cellText(binder, 4, 0), QString("Inserted(2)"));
                QVERIFY(supplement.CellAt(1, 1).italic);

                // Pasting a line that uses supplement pair 2 again is refused
                // and the merge data reverted.
                QTest::keyClick(&binder, Qt::Key_H, Qt::ControlModifier);
                QCOMPARE(commands.RowCount(), 3);
                QGuiApplication::clipboard()->setText("(1,2,2)Insert\n");
                clickRow(commands, 2);
                QString warning;
                answerNextBox("OK", &warning);
                QTest::keyClick(&commands, Qt::Key_V, Qt::ControlModifier);
                QVERIFY2(warning.startsWith(CMergeDataDlg::kReuseMessage), qPrintable(warning));
                QVERIFY(warning.contains("Merge data will be reverted."));
                QCOMPARE(commands.RowCount(), 3);
                QCOMPARE(cellText(commands, 2, 1), QString("(3,2,2)Insert"));

                // Merge: saved first, then merged; the editor closes.
                QString question;
                answerNextBox("OK", &question);
                QTest::mouseClick(view->findChild<QPushButton*>("1013"), Qt::LeftButton);
                QCOMPARE(question, QString("Save before merge? (Required)"));
                QVERIFY(!view->isVisible());
            },
            &seen);
        details->click();
        QVERIFY(seen);
        QVERIFY2(
            harness_->responder.notes().empty(),
            harness_->responder.notes().empty() ? "" : harness_->responder.notes().front().c_str());

        // The new version is selected; binder 1 has pair 2 replaced and a
        // pair inserted after pair 3.
        QVERIFY(manager_.Selected() != nullptr);
        QVERIFY(manager_.Selected()->Publication_ID != kDemo);
        const std::filesystem::path merged = binders_ / "Demo1H004.pdf";
        QVERIFY(std::filesystem::exists(merged));
        const std::vector<std::string> pages = fixtures::dataAnnotationTexts(merged);
        QCOMPARE(pages.size(), std::size_t{10});
        QCOMPARE(QString::fromStdString(pages[2]), QString("DemoS004 page 1"));
        QCOMPARE(QString::fromStdString(pages[6]), QString("DemoS004 page 3"));
    }

    void annotationsOfABinderGetATabSheetAndAColour() {
        const std::int32_t producer = holdDemo();
        WSListResult<PublicationLastInfoRecord> publications;
        PublicationInfoListRequest which;
        which.LogUser_ID = producer;
        which.Publication_ID = kDemo;
        QVERIFY(CWSClient().PublicationLastInfoList(which, publications));
        QVERIFY(!publications.Records.empty());
        PublicationLastInfoRecord publication = publications.Records.front();
        // Documents are written back only while no merge data waits.
        WSIdResult deleted;
        QVERIFY2(CWSClient().MergeDelete({producer, publication.Merge_ID_next}, deleted),
                 deleted.Message.c_str());
        QVERIFY(CWSClient().PublicationLastInfoList(which, publications));
        publication = publications.Records.front();
        WSListResult<BinderDocRecord> documents;
        QVERIFY(CWSClient().BinderDocList({producer, 0, kDemo, 0, 1, 0}, documents));
        std::vector<BinderDocRecord> binders = documents.Records;
        SupplementRecord supplement;
        AnnotationsEditorRequest request;
        request.binderNumber = 1;
        request.publication = &publication;
        request.supplement = &supplement;
        request.binderDocuments = &binders;
        request.readOnly = false;

        bool seen = false;
        bool colourSeen = false;
        whenOpen(
            "146",
            [&](QDialog* dialog) {
                auto* view = qobject_cast<AnnotationsView*>(dialog);
                QVERIFY(view != nullptr);
                QCOMPARE(view->windowTitle(), QString("Document annotations"));
                QVERIFY(view->findChild<QComboBox*>("1009")->isVisible());
                EditorList& list = view->List();
                QCOMPARE(list.RowCount(), 4);
                auto* update = view->findChild<QPushButton*>("1018");
                QVERIFY(!update->isEnabled());

                // Pair 2: a tab sheet (Ctrl+T), then Pink (Ctrl+L and the
                // colour dialog).
                clickRow(list, 1);
                QTest::keyClick(&list, Qt::Key_T, Qt::ControlModifier);
                QVERIFY(list.CellAt(1, 0).bold);
                whenOpen(
                    "145",
                    [](QDialog* colours) {
                        auto* colourList = colours->findChild<ui::QuickList*>("1010");
                        for (int row = 0; row < colourList->RowCount(); ++row) {
                            if (cellText(*colourList, row, 0) == "Pink") {
                                clickRow(*colourList, row);
                            }
                        }
                        colours->findChild<QPushButton*>("1")->click();
                    },
                    &colourSeen);
                QTest::keyClick(&list, Qt::Key_L, Qt::ControlModifier);
                QVERIFY(colourSeen);
                QVERIFY(list.CellAt(1, 0).HasBox());
                QVERIFY2(cellText(list, 1, 1).contains("COLOUR=\"pink\"", Qt::CaseInsensitive),
                         qPrintable(cellText(list, 1, 1)));
                QVERIFY(update->isEnabled());

                QString question;
                answerNextBox("OK", &question);
                QTest::mouseClick(update, Qt::LeftButton);
                QCOMPARE(question, QString("Are you sure?"));
                QVERIFY(!view->isVisible());
            },
            &seen);
        LaunchAnnotationsEditor(request);
        QVERIFY(seen);
        QVERIFY2(
            harness_->responder.notes().empty(),
            harness_->responder.notes().empty() ? "" : harness_->responder.notes().front().c_str());

        // Both pages of pair 2 carry the tags; the others none.
        const std::vector<std::string> pages =
            fixtures::dataAnnotationTexts(binders_ / demo::kBinderFiles[0]);
        QCOMPARE(pages.size(), std::size_t{8});
        for (std::size_t page : {2U, 3U}) {
            const QString text = QString::fromStdString(pages[page]);
            QVERIFY2(text.contains("TABSHEET=\"true\"") &&
                         text.contains("COLOUR=\"pink\"", Qt::CaseInsensitive),
                     qPrintable(text));
        }
        QVERIFY(!QString::fromStdString(pages[4]).contains("TABSHEET"));
    }
};

}  // namespace lumar::merge

QTEST_MAIN(lumar::merge::EditorViewsTest)
#include "editor_views_test.moc"
