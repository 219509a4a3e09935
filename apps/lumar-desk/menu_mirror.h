#pragma once

// The host's menu bar model shown in the main window's Qt menu bar. The
// extensions' menus follow the host's own; each one asks its items' enable
// and visibility tests whenever it opens, and choosing an item runs its
// execute procedure.

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <string>

class QMenu;
class QMenuBar;

namespace lumar::host {
class Menu;
class MenuBar;
}  // namespace lumar::host

namespace lumar::desk {

class MenuMirror : public QObject {
    Q_OBJECT

public:
    // `afterCommand` runs after every chosen item (the host brings its
    // windows up to date); `reportError` shows what an item threw.
    MenuMirror(host::MenuBar& model, QMenuBar& bar, QObject* parent = nullptr);

    void setAfterCommand(std::function<void()> afterCommand) {
        afterCommand_ = std::move(afterCommand);
    }
    void setReportError(std::function<void(const std::string&)> report) {
        reportError_ = std::move(report);
    }

    // Adds the Qt menus of model menus that have none yet, before `before`
    // (or at the end), and removes those whose model menu is gone.
    void sync(QMenu* before = nullptr);

    // The Qt menu of the model menu with that language-independent name.
    QMenu* menu(const std::string& name) const;

    // Fills a Qt menu from its model menu: one action per item, its text the
    // item's title, shown and enabled as the item's tests say now.
    void refresh(QMenu* menu);

    // Whether the item with that language-independent name is there, shown
    // and enabled now (its tests are asked).
    bool isAvailable(const std::string& itemName);
    // Runs the item as if the user chose it from its menu.
    void choose(const std::string& itemName);

private:
    host::MenuBar& model_;
    QMenuBar& bar_;
    std::map<std::string, QMenu*> menus_;  // by language-independent name
    std::function<void()> afterCommand_;
    std::function<void(const std::string&)> reportError_;
};

}  // namespace lumar::desk
