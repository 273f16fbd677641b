#include "config/FileLifecycle.h"
#include "editors/EditorsRegistration.h"
#include "platform/Registry.h"
#include "shell/AppContext.h"
#include "shell/ui/MessageBoxPrompter.h"
#include "shell/ui/WindowRegistry.h"
#include "shell/ui/frmMenu.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The default application folder is ~/.local/share/linnet-tool/linnet-tool.
    QCoreApplication::setOrganizationName(QStringLiteral("linnet-tool"));
    QCoreApplication::setApplicationName(QStringLiteral("linnet-tool"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Programming tool for Linnet paging and intercom controllers"));
    parser.addHelpOption();
    const QCommandLineOption appDirOption(QStringLiteral("app-dir"),
                                          QStringLiteral("Application folder (settings, errors log, templates)."),
                                          QStringLiteral("DIR"));
    const QCommandLineOption noSplashOption(QStringLiteral("no-splash"), QStringLiteral("Skip the splash window."));
    parser.addOption(appDirOption);
    parser.addOption(noSplashOption);
    parser.process(app);

    const AppPaths paths(parser.isSet(appDirOption) ? parser.value(appDirOption) : AppPaths::defaultAppDir());
    QString error;
    if (!paths.seedFromTemplates(&error)) {
        std::fprintf(stderr, "linnet-tool: %s\n", qPrintable(error));
        QMessageBox::critical(nullptr, QStringLiteral("linnet-tool"), error);
        return 1;
    }

    MessageBoxPrompter prompter;
    QtRegistry registry;
    AppContext context(paths, prompter, registry);

    WindowRegistry windows;
    registerEditorWindows(windows);

    frmMenu menu(context, windows);
    prompter.setParent(&menu);

    FileLifecycle fileLifecycle(context);
    menu.setFileCommands(&fileLifecycle);

    if (!menu.Load(!parser.isSet(noSplashOption)))
        return 1;
    menu.show();
    return app.exec();
}
