// lumar-desk: opens the PDFs named on the command line in the desktop host,
// with the plug-ins of its plug-ins folders loaded.

#include <QApplication>
#include <QCommandLineParser>
#include <filesystem>
#include <iostream>

#include "desk_application.h"
#include "main_window.h"
#include "plugin_loader.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    lumar::desk::DeskApplication::nameApplication();

    QCommandLineParser parser;
    parser.setApplicationDescription("Opens PDF documents with the Lumar plug-ins.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption listPlugins(
        "list-plugins", "Lists the plug-ins loaded and the menus of the menu bar, then quits.");
    parser.addOption(listPlugins);
    parser.addPositionalArgument("files", "PDF files to open.", "[files...]");
    parser.process(application);

    lumar::desk::DeskApplication desk;
    desk.loadPlugins(lumar::desk::pluginFolders(
        std::filesystem::path(QApplication::applicationDirPath().toStdString())));
    if (parser.isSet(listPlugins)) {
        desk.listPlugins(std::cout);
        return 0;
    }
    desk.window().show();
    desk.openFiles(parser.positionalArguments());
    return QApplication::exec();
}
