#include "window_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <vector>

#include "demo/demo_data.h"
#include "fixtures/pdf_builder.h"
#include "lumar-service/password.h"
#include "service/logon_store.h"
#include "service/ws_client.h"

namespace lumar::testing {

std::int32_t LogOnAsDemoUser(const std::string& login) {
    LogonStore& store = TheLogonStore();
    store.clear();
    for (const auto& user : demo::kUsers) {
        if (user.login == login) {
            CWSClient().Logon({login, service_app::ScramblePassword(user.password)}, store.user);
        }
    }
    const LookupListRequest lookups{store.user.User_ID};
    CWSClient().PublicationStatusList(lookups, store.publicationStatuses);
    CWSClient().LanguageList(lookups, store.languages);
    CWSClient().BinderTypeList(lookups, store.binderTypes);
    CWSClient().PrintingList(lookups, store.printings);
    CWSClient().ColourList({store.user.User_ID, 0}, store.colours);
    store.userChanged = true;
    return store.user.User_ID;
}

void AnswerNextMessageBox(const QString& button, QString* text) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            AnswerNextMessageBox(button, text);
            return;
        }
        if (text != nullptr) {
            *text = box->text();
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

void ChooseFromNextMenu(const QString& title, QStringList* titles) {
    QTimer::singleShot(0, [=] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            ChooseFromNextMenu(title, titles);
            return;
        }
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            const QString actionText = action->text().remove('&');
            if (!action->isSeparator()) {
                titles->append(actionText);
            }
            if (actionText == title) {
                chosen = action;
            }
        }
        if (chosen != nullptr) {
            chosen->trigger();
        }
        menu->close();
    });
}

void WriteAnnotatedPdf(const std::filesystem::path& path, int pages) {
    std::vector<std::string> texts;
    for (int page = 1; page <= pages; ++page) {
        texts.push_back(path.stem().string() + " page " + std::to_string(page));
    }
    fixtures::PdfBuilder().pages(pages).dataAnnotations(texts).write(path);
}

}  // namespace lumar::testing
