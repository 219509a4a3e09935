#include "desk_application.h"

#include <QApplication>
#include <QMenuBar>
#include <QStatusBar>
#include <iostream>

#include "desktop_ui.h"
#include "lumar_version.h"
#include "main_window.h"
#include "platform/host/host.h"
#include "plugin_loader.h"

namespace lumar::desk {

void DeskApplication::nameApplication() {
    QApplication::setApplicationName("lumar-desk");
    QApplication::setApplicationVersion(kVersion);
}

DeskApplication::DeskApplication()
    : ui_(std::make_unique<DesktopUi>()), host_(std::make_unique<host::Host>(*ui_)) {
    window_ = std::make_unique<MainWindow>(*ui_->menuBar(),
                                           [this] { return host_->applicationMayQuit(); });
    ui_->attach(window_.get());
    window_->setTools(&ui_->tools());
    // Extensions parent their dialogs to the main window.
    host_->setMainWindow(static_cast<QWidget*>(window_.get()));
    plugins_ = std::make_unique<PluginLoader>(*host_);
}

DeskApplication::~DeskApplication() {
    plugins_->unloadAll();
    ui_->attach(nullptr);
    window_.reset();
}

void DeskApplication::loadPlugins(const std::vector<std::filesystem::path>& folders) {
    const std::size_t before = plugins_->problems().size();
    plugins_->loadFolders(folders);
    window_->syncExtensionMenus();
    const auto& problems = plugins_->problems();
    for (std::size_t i = before; i < problems.size(); ++i) {
        std::cerr << "lumar-desk: plug-in " << problems[i] << '\n';
    }
    if (problems.size() > before) {
        window_->statusBar()->showMessage(QString::fromStdString("Plug-in " + problems.back()),
                                          15000);
    }
}

void DeskApplication::listPlugins(std::ostream& out) const {
    for (const PluginLoader::Loaded& module : plugins_->loaded()) {
        out << "plug-in " << module.path.string() << '\n';
    }
    for (const QAction* menu : window_->menuBar()->actions()) {
        if (menu->menu() != nullptr) {
            out << "menu " << menu->text().remove('&').toStdString() << '\n';
        }
    }
}

void DeskApplication::openFiles(const QStringList& paths) {
    for (const QString& path : paths) {
        window_->openFile(path);
    }
}

}  // namespace lumar::desk
