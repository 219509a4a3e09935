// Pictures of the desktop host for the README and for reviewing the views:
// the main window empty and with a demo binder open (its annotations pane and
// thumbnails beside the pages), the "&Lumar" menu, the settings
// dialog on both pages, the logon dialog, the progress dialog and the
// publication manager with the reference service's demo publication, its
// merge under way, the details of the demo publication with a search from
// them (the search dialog, its results and the extracted pages), the merge
// data editor on the demo's stored merge data, the document annotations of
// a demo binder, the supplement number dialog, the colour dialog and the
// editors' toolbar.
//
//   desk_screenshots <output folder>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "config/settings_store.h"
#include "demo/demo_data.h"
#include "desk_application.h"
#include "document_tab.h"
#include "fixtures/pdf_builder.h"
#include "fixtures/service/reference_service.h"
#include "fixtures/temp_dir.h"
#include "lumar-service/password.h"
#include "main_window.h"
#include "manager/qt/supplement_number_view.h"
#include "manager/supplement_number_dlg.h"
#include "merge/annotations_dlg.h"
#include "merge/colour_dlg.h"
#include "merge/merge_data_dlg.h"
#include "merge/qt/annotations_view.h"
#include "merge/qt/colour_view.h"
#include "merge/qt/editor_list.h"
#include "merge/qt/merge_data_view.h"
#include "page_view.h"
#include "plugin/logon_dlg.h"
#include "plugin/qt/logon_view.h"
#include "service/logon_store.h"
#include "service/ws_client.h"
#include "ui/progress.h"
#include "ui/qt/progress_view.h"
#include "ui/qt/smart_toolbar.h"
#include "ui/toolbar_dialog.h"

namespace {

QDir output;

void settle() {
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QTest::qWait(30);
    }
}

void save(QWidget* widget, const QString& name) {
    settle();
    const QString path = output.filePath(name + ".png");
    if (widget->grab().save(path)) {
        std::cout << path.toStdString() << '\n';
    } else {
        std::cerr << "could not write " << path.toStdString() << '\n';
    }
}

void writeDemoBinder(const std::filesystem::path& path) {
    lumar::fixtures::PdfBuilder builder;
    const int pages = 24;
    std::vector<std::string> texts = lumar::fixtures::numberedTexts(pages, "Binder 1 page ");
    // The first leaf is a yellow tab sheet; chapter 2 begins on blue paper.
    texts[0] += " <<#TABSHEET=true COLOUR=\"yellow\"#>>";
    texts[1] += " <<#TABSHEET=true COLOUR=\"yellow\"#>>";
    texts[4] = "Chapter 2\r\nSections 121-150 <<#COLOUR=\"light blue\"#>>";
    texts[5] = "Chapter 2\r\nSections 151-180 <<#COLOUR=\"light blue\"#>>";
    builder.pages(pages).dataAnnotations(texts);
    for (int page = 0; page < pages; ++page) {
        builder.text(page, 72, 770, "Loose-leaf Law Review", 0, 22);
        builder.text(page, 72, 740, "Chapter " + std::to_string(page / 4 + 1), 0, 14);
        for (int line = 0; line < 30; ++line) {
            builder.text(page, 72, 700 - line * 20,
                         "Section " + std::to_string(page * 30 + line + 1) +
                             ": text of the provision as amended by the latest supplement.",
                         0, 10);
        }
        builder.text(page, 280, 40, std::to_string(page + 1), 0, 10);
    }
    builder.write(path);
}

// Runs `act` on the next modal dialog other than `other` once it is open;
// looks again every 50 ms, so a slow machine only makes it wait longer.
void withNextDialog(const std::function<void(QDialog*)>& act, QWidget* other = nullptr) {
    QTimer::singleShot(50, [act, other] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog == other) {
            withNextDialog(act, other);
            return;
        }
        act(dialog);
    });
}

// Closes the next note the host shows (a modal dialog other than `shown`).
void closeNextNote(QWidget* shown) {
    withNextDialog([](QDialog* note) { note->accept(); }, shown);
}

// Runs `act` on the next modal dialog that `wanted` accepts, once it is
// open; looks again every 50 ms.
void withDialogWhere(const std::function<bool(QDialog*)>& wanted,
                     const std::function<void(QDialog*)>& act) {
    QTimer::singleShot(50, [wanted, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !wanted(dialog)) {
            withDialogWhere(wanted, act);
            return;
        }
        act(dialog);
    });
}

std::function<bool(QDialog*)> named(const QString& name) {
    return [name](QDialog* dialog) { return dialog->objectName() == name; };
}

// Clicks the button of `dialog` with that title (without its "&").
void clickButton(QDialog* dialog, const QString& title) {
    for (auto* button : dialog->findChildren<QPushButton*>()) {
        if (button->text().remove('&') == title) {
            button->click();
            return;
        }
    }
}

void clickRow(QAbstractItemView* list, int row, Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualRect(list->model()->index(row, 0)).center());
}

// From the details, every binder searched for "Demo binder 2": the search
// dialog, the results viewed, and two pairs extracted into a new document,
// which the desktop shows.
void saveSearch(QDialog* details) {
    auto* documents = details->findChild<QAbstractItemView*>("1010");
    auto* search = details->findChild<QPushButton*>("1089");
    if (documents == nullptr || search == nullptr) {
        std::cerr << "the details offer no search\n";
        return;
    }
    documents->setFocus();
    QTest::keyClick(documents, Qt::Key_A, Qt::ControlModifier);
    withDialogWhere(named("147"), [](QDialog* dialog) {
        if (auto* text = dialog->findChild<QComboBox*>("1096")) {
            QTest::keyClicks(text->lineEdit(), "Demo binder 2");
        }
        save(dialog, "search");
        withDialogWhere(named("Alert"), [](QDialog* summary) {
            withDialogWhere(named("148"), [](QDialog* results) {
                if (auto* list = results->findChild<QAbstractItemView*>("1010")) {
                    clickRow(list, 0, Qt::NoModifier);
                    clickRow(list, 1, Qt::ControlModifier);
                }
                save(results, "search-results");
                withDialogWhere(
                    [](QDialog* box) { return box->windowTitle() == "Extract search results"; },
                    [](QDialog* box) { clickButton(box, "OK"); });
                results->findChild<QPushButton*>("1099")->click();
            });
            clickButton(summary, "View results");
        });
        dialog->findChild<QPushButton*>("1")->click();
    });
    search->click();
}

// Logs the demo producer on through the "&Lumar" menu and its logon dialog,
// and closes the note that greets the user.
void logOnAsProducer(QMenu& lumar) {
    QAction* logOn = lumar.findChild<QAction*>("TOLMA:LumarLogon");
    if (logOn == nullptr) {
        return;
    }
    withNextDialog([](QDialog* dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit*>("1003"), "producer");
        QTest::keyClicks(dialog->findChild<QLineEdit*>("1004"), "producer4");
        closeNextNote(dialog);
        dialog->findChild<QPushButton*>("1")->click();
    });
    logOn->trigger();
}

// The demo publication's documents as the merge finds them: three binders of
// eight pages and the supplement of four, a data annotation on every page.
void writeDemoDocuments(const std::filesystem::path& binders,
                        const std::filesystem::path& supplements) {
    const auto write = [](const std::filesystem::path& path, int pages) {
        std::vector<std::string> texts;
        for (int page = 1; page <= pages; ++page) {
            texts.push_back(path.stem().string() + " page " + std::to_string(page));
        }
        lumar::fixtures::PdfBuilder().pages(pages).dataAnnotations(texts).write(path);
    };
    for (const std::string_view name : lumar::demo::kBinderFiles) {
        write(binders / name, lumar::demo::kPagesPerBinder);
    }
    write(supplements / lumar::demo::kSupplementFile, lumar::demo::kSupplementPages);
}

// The progress window in front of the manager, once, while the merge runs.
void saveMergeProgress(QWidget* manager, QWidget* list) {
    bool saved = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (saved || qobject_cast<QDialog*>(window) == nullptr ||
                window->objectName() != "140" || !window->isVisible()) {
                continue;
            }
            // Under way: some of the bar filled.
            const auto* bar = window->findChild<QProgressBar*>("1059");
            if (bar == nullptr || bar->value() <= bar->minimum()) {
                continue;
            }
            saved = true;
            settle();
            const QRect area = manager->frameGeometry().united(window->frameGeometry());
            const QString path = output.filePath("manager-merge-progress.png");
            if (QGuiApplication::primaryScreen()
                    ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                    .save(path)) {
                std::cout << path.toStdString() << '\n';
            }
        }
    });
    watch.start(0);
    // Alt+G: "Mer&ge publication", the stored merge data merged at once.
    QTest::keyClick(list, Qt::Key_G, Qt::AltModifier);
    watch.stop();
    if (!saved) {
        std::cerr << "the merge showed no progress window\n";
    }
}

// The details of the selected publication, opened with "&Details..." over
// the manager, its first document selected; closed again.
void saveDetails(QWidget* manager) {
    auto* details = manager->findChild<QPushButton*>("1065");
    if (details == nullptr || !details->isEnabled()) {
        std::cerr << "the manager offers no details\n";
        return;
    }
    // The window's classes live in the plug-in module: find it by its name.
    std::function<void()> pictureWhenOpen;
    pictureWhenOpen = [&pictureWhenOpen] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog->objectName() != "136") {
            QTimer::singleShot(100, pictureWhenOpen);
            return;
        }
        if (auto* list = dialog->findChild<QAbstractItemView*>("1010")) {
            list->setCurrentIndex(list->model()->index(0, 0));
        }
        save(dialog, "details");
        saveSearch(dialog);
        dialog->findChild<QPushButton*>("2")->click();
    };
    QTimer::singleShot(100, pictureWhenOpen);
    details->click();
}

// The editors over the demo publication as the manager hands them their
// records: the merge data editor on the stored merge data (binder 1's
// overview showing the replaced and the inserted pair) and the document
// annotations of binder 2, whose second pair is coloured. The program logs
// the producer on for itself: its windows are its own, not the plug-in's.
void saveEditors() {
    using namespace lumar;
    LogonStore& store = TheLogonStore();
    CWSClient().Logon({"producer", service_app::ScramblePassword("producer4")}, store.user);
    const std::int32_t user = store.user.User_ID;
    CWSClient().ColourList({user, 0}, store.colours);
    PublicationInfoListRequest which;
    which.LogUser_ID = user;
    which.Publication_ID = 1;
    WSListResult<PublicationLastInfoRecord> publications;
    MergeListRequest mergeRequest;
    mergeRequest.LogUser_ID = user;
    WSListResult<MergeRecord> merges;
    SupplementListRequest supplementRequest;
    supplementRequest.LogUser_ID = user;
    supplementRequest.Annotation_dataGet = 1;
    WSListResult<SupplementRecord> supplements;
    BinderDocListRequest binderRequest;
    binderRequest.LogUser_ID = user;
    binderRequest.Publication_ID = 1;
    WSListResult<BinderDocRecord> binders;
    if (!CWSClient().PublicationLastInfoList(which, publications) || publications.Records.empty() ||
        !CWSClient().BinderDocList(binderRequest, binders)) {
        std::cerr << "the demo publication could not be fetched\n";
        return;
    }
    const PublicationLastInfoRecord& publication = publications.Records.front();
    mergeRequest.Merge_ID = publication.Merge_ID_next;
    mergeRequest.Merge_dataGet = 1;
    supplementRequest.Supplement_ID = publication.Supplement_ID_next;
    if (CWSClient().MergeList(mergeRequest, merges) && !merges.Records.empty() &&
        CWSClient().SupplementList(supplementRequest, supplements) &&
        !supplements.Records.empty()) {
        MergeDataDlgInputs inputs;
        inputs.publication = publication;
        inputs.supplement = supplements.Records.front();
        inputs.binderDocuments = binders.Records;
        inputs.mergeRecord = merges.Records.front();
        CMergeDataDlg editor(std::move(inputs));
        merge::MergeDataView view(editor, nullptr);
        view.show();
        view.SupplementList().setFocus();
        view.SupplementList().SelectRows({0});
        editor.SetSupplementSelection({0});
        view.Follow();
        save(&view, "merge-data");
        view.done(QDialog::Rejected);
    } else {
        std::cerr << "the demo merge data could not be fetched\n";
    }
    AnnotationsDlgInputs inputs;
    inputs.publication = publication;
    inputs.binderDocuments = binders.Records;
    inputs.binder = 2;
    CAnnotationsDlg dialog(std::move(inputs));
    merge::AnnotationsView view(dialog, nullptr);
    view.show();
    view.List().SelectRows({2});
    dialog.SetSelection({2});
    view.Follow();
    save(&view, "annotations");
    view.done(QDialog::Rejected);
}

// The manager opened from the menu over the demo publication, its row
// selected; then locked and merged, with the progress window pictured.
void saveManager(QMenu& lumar) {
    // The menu makes its items anew as it opens, enabled as the user would
    // see them: the item is looked up afterwards.
    Q_EMIT lumar.aboutToShow();
    QAction* open = lumar.findChild<QAction*>("TOLMA:LumarManagerOpen");
    if (open == nullptr) {
        return;
    }
    open->trigger();
    settle();
    QWidget* manager = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == "141" && window->isVisible()) {
            manager = window;
        }
    }
    if (manager == nullptr) {
        std::cerr << "the publication manager did not open\n";
        return;
    }
    auto* list = manager->findChild<QAbstractItemView*>("1004");
    if (list != nullptr) {
        list->setCurrentIndex(list->model()->index(0, 0));
    }
    save(manager, "manager");
    saveDetails(manager);
    // Alt+L: "&Lock publication".
    QTest::keyClick(list, Qt::Key_L, Qt::AltModifier);
    saveMergeProgress(manager, list);
    manager->findChild<QPushButton*>("2")->click();
    // The closed window goes before the next pictures look for theirs.
    settle();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::cerr << "usage: desk_screenshots <output folder>\n";
        return 2;
    }
    output = QDir(QString::fromLocal8Bit(argv[1]));
    output.mkpath(".");

    lumar::fixtures::TempDir temp;
    qputenv("LUMAR_REGISTRY", QByteArray::fromStdString((temp / "registry.reg").string()));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((temp / "config").string()));
    lumar::WriteTextSetting("Uri", "Web_service", "http://127.0.0.1:8450/WS/Lumar/2007/02/");
    lumar::WriteTextSetting("Uri", "Base_docs", "/srv/lumar/binders");
    lumar::WriteTextSetting("Uri", "Supp_docs", "/srv/lumar/supplements");
    lumar::WriteTextSetting("Uri", "Annotations", "/srv/lumar/annotations");
    const auto binder = temp / "LLR_binder_01.pdf";
    writeDemoBinder(binder);

    lumar::desk::DeskApplication::nameApplication();
    lumar::desk::DeskApplication desk;
    desk.loadPlugins({LUMAR_MODULE_DIR});
    desk.window().resize(1100, 820);
    desk.window().show();
    save(&desk.window(), "desk-empty");
    desk.openFiles({QString::fromStdString(binder.string())});
    save(&desk.window(), "desk-binder");
    // The annotations pane and the thumbnails on the first page of chapter 2.
    if (lumar::desk::DocumentTab* tab = desk.window().activeTab()) {
        tab->pages().goToPage(4);
        save(&desk.window(), "annotation-pane");
        tab->pages().goToPage(0);
    }

    auto* lumar = desk.window().menuBar()->findChild<QMenu*>("TOLMA:OrvaneLumar");
    if (lumar != nullptr) {
        lumar->popup(desk.window().mapToGlobal(QPoint(200, 30)));
        save(lumar, "lumar-menu");
        lumar->hide();

        QAction* settings = lumar->findChild<QAction*>("TOLMA:LumarSettings");
        withNextDialog([](QDialog* dialog) {
            save(dialog, "settings-uris");
            // The dialog's classes live in the plug-in module: find the tab
            // bar by its Qt class.
            if (auto* tabs = dialog->findChild<QTabBar*>()) {
                tabs->setCurrentIndex(1);
                save(dialog, "settings-proxy");
            }
            dialog->findChild<QPushButton*>("2")->click();
        });
        if (settings != nullptr) {
            settings->trigger();
        }
    }

    {
        lumar::CLogonDlg model;
        lumar::plugin::LogonView logon(model, &desk.window());
        logon.show();
        QTest::keyClicks(logon.findChild<QLineEdit*>("1003"), "editor");
        save(&logon, "logon-empty-password");
        QTest::keyClicks(logon.findChild<QLineEdit*>("1004"), "secret");
        save(&logon, "logon");
    }

    if (lumar != nullptr) {
        lumar::fixtures::ReferenceService service;
        lumar::WriteTextSetting("Uri", "Web_service", service.uri());
        const auto binders = temp / "binders";
        const auto supplements = temp / "supplements";
        std::filesystem::create_directories(binders);
        std::filesystem::create_directories(supplements);
        lumar::WriteTextSetting("Uri", "Base_docs", binders.string());
        lumar::WriteTextSetting("Uri", "Supp_docs", supplements.string());
        writeDemoDocuments(binders, supplements);
        logOnAsProducer(*lumar);
        saveManager(*lumar);
        // The pages the search extracted, in a document of their own.
        if (desk.window().tabCount() == 2) {
            save(&desk.window(), "search-extracted");
        } else {
            std::cerr << "the extracted pages are not shown\n";
        }
        saveEditors();
    }

    {
        // The demo publication's binders are at supplement 3.
        lumar::CSupplementNumberDlg model(3);
        lumar::manager::SupplementNumberView number(model, &desk.window());
        number.show();
        save(&number, "supplement-number");
    }

    {
        // The reference service's paper colours, Yellow current.
        const std::vector<lumar::ColourRecord> colours = {
            {1, "White", 255, 255, 255}, {2, "Yellow", 255, 255, 153}, {3, "Blue", 153, 204, 255},
            {4, "Green", 153, 255, 153}, {5, "Pink", 255, 192, 203},   {6, "Salmon", 250, 128, 114},
            {7, "Grey", 192, 192, 192}};
        lumar::CColourDlg model(colours, "Yellow");
        lumar::merge::ColourView colour(model, &desk.window());
        colour.show();
        save(&colour, "colour");
    }

    {
        // The editors' toolbar in edit mode, Open and Delete disabled, the
        // mouse over Insert.
        namespace id = lumar::toolbar_command;
        lumar::ToolbarHandlers handlers;
        handlers.enabled = [](int command) {
            return command != id::kOpen && command != id::kDelete && command != id::kEditMode;
        };
        handlers.checked = [](int command) { return command == id::kEditMode; };
        lumar::CToolbarDialog model(handlers);
        QDialog dialog(&desk.window());
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(new QLabel("The editor's lists stand here.", &dialog));
        auto* toolbar = new lumar::ui::SmartToolbar(model, &dialog);
        lumar::ui::AddToolbar(dialog, *toolbar);
        dialog.resize(360, 90);
        dialog.show();
        settle();
        if (QWidget* insert = toolbar->widgetForAction(toolbar->ActionOf(id::kInsert))) {
            QTest::mouseMove(insert);
        }
        save(&dialog, "toolbar");
    }

    lumar::ui::QtProgressWindows progressWindows;
    lumar::SetProgressWindows(&progressWindows);
    lumar::BeginProgress(&desk.window(), true, false, 0, 35, "Merging binder 12 of 35...");
    lumar::SetProgress(12, nullptr);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<lumar::ui::ProgressView*>(widget) != nullptr && widget->isVisible()) {
            save(widget, "progress");
        }
    }
    lumar::EndProgress("Done");
    lumar::SetProgressWindows(nullptr);
    return 0;
}
