#include "menu_mirror.h"

#include <QMenu>
#include <QMenuBar>
#include <exception>

#include "platform/host/host_error.h"
#include "platform/host/menu_model.h"
#include "platform/text/qt/qt_text.h"

namespace lumar::desk {

namespace {

constexpr const char* kSeparatorTitle = "-";
constexpr const char* kItemNameProperty = "hostItemName";

}  // namespace

MenuMirror::MenuMirror(host::MenuBar& model, QMenuBar& bar, QObject* parent)
    : QObject(parent), model_(model), bar_(bar) {}

void MenuMirror::sync(QMenu* before) {
    std::map<std::string, QMenu*> kept;
    for (std::size_t i = 0; i < model_.menuCount(); ++i) {
        const host::Menu& model = model_.menu(i);
        auto found = menus_.find(model.name());
        if (found != menus_.end()) {
            kept.insert(*found);
            menus_.erase(found);
            continue;
        }
        auto* menu = new QMenu(text::toQString(model.title()), &bar_);
        menu->setObjectName(QString::fromStdString(model.name()));
        // The extensions' separators stand where they put them, a leading
        // one included.
        menu->setSeparatorsCollapsible(false);
        if (before != nullptr) {
            bar_.insertMenu(before->menuAction(), menu);
        } else {
            bar_.addMenu(menu);
        }
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { refresh(menu); });
        kept.emplace(model.name(), menu);
    }
    for (auto& [name, menu] : menus_) {
        delete menu;  // its model menu left the bar
    }
    menus_ = std::move(kept);
}

QMenu* MenuMirror::menu(const std::string& name) const {
    auto found = menus_.find(name);
    return found != menus_.end() ? found->second : nullptr;
}

void MenuMirror::refresh(QMenu* menu) {
    menu->clear();
    const host::Menu* model = model_.findMenu(menu->objectName().toStdString());
    if (model == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < model->itemCount(); ++i) {
        host::MenuItem& item = model->item(i);
        bool visible = true;
        bool enabled = true;
        try {
            visible = item.isVisible();
            enabled = item.isEnabled();
        } catch (const std::exception&) {
            // A test that fails hides its item rather than the whole menu.
            visible = false;
        }
        QAction* action = item.title() == kSeparatorTitle
                              ? menu->addSeparator()
                              : menu->addAction(text::toQString(item.title()));
        action->setObjectName(QString::fromStdString(item.name()));
        action->setProperty(kItemNameProperty, QString::fromStdString(item.name()));
        action->setVisible(visible);
        action->setEnabled(enabled);
        if (!action->isSeparator()) {
            const std::string name = item.name();
            connect(action, &QAction::triggered, this, [this, name] { choose(name); });
        }
    }
}

bool MenuMirror::isAvailable(const std::string& itemName) {
    host::MenuItem* item = model_.findItem(itemName);
    if (item == nullptr) {
        return false;
    }
    try {
        return item->isVisible() && item->isEnabled();
    } catch (const std::exception&) {
        return false;
    }
}

void MenuMirror::choose(const std::string& itemName) {
    // The item is looked up again: a command may have taken items away.
    host::MenuItem* item = model_.findItem(itemName);
    if (item == nullptr) {
        return;
    }
    try {
        item->choose();
    } catch (const host::HostError& error) {
        if (reportError_) {
            reportError_(error.text(512));
        }
    } catch (const std::exception& error) {
        if (reportError_) {
            reportError_(error.what());
        }
    }
    if (afterCommand_) {
        afterCommand_();
    }
}

}  // namespace lumar::desk
