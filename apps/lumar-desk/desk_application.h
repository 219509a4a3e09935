#pragma once

// The desktop host put together: its user interface, the shared host over
// it, the main window and the loaded extensions. The program's main and the
// tests make one of these after the QApplication.

#include <QStringList>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <vector>

namespace lumar::host {
class Host;
}

namespace lumar::desk {

class DesktopUi;
class MainWindow;
class PluginLoader;

class DeskApplication {
public:
    // Names the application for its settings. No display name is set: the
    // platform would append it to every window's title, the extensions'
    // dialogs included, whose titles stand as they are.
    static void nameApplication();

    DeskApplication();
    ~DeskApplication();
    DeskApplication(const DeskApplication&) = delete;
    DeskApplication& operator=(const DeskApplication&) = delete;

    // Loads the extensions of the folders and shows their menus. Problems
    // are written to the standard error and shown in the status bar.
    void loadPlugins(const std::vector<std::filesystem::path>& folders);

    // Writes the path of each loaded extension ("plug-in <path>") and the
    // title of each menu of the menu bar ("menu <title>"), one a line.
    void listPlugins(std::ostream& out) const;

    // Opens the files named on the command line.
    void openFiles(const QStringList& paths);

    host::Host& host() { return *host_; }
    DesktopUi& ui() { return *ui_; }
    MainWindow& window() { return *window_; }
    PluginLoader& plugins() { return *plugins_; }

private:
    std::unique_ptr<DesktopUi> ui_;
    std::unique_ptr<host::Host> host_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<PluginLoader> plugins_;
};

}  // namespace lumar::desk
