#include "app/ToolLink.h"
#include "config/FileLifecycle.h"
#include "core/AppContext.h"
#include "editors/EditorsRegistration.h"
#include "platform/Registry.h"
#include "platform/UnixSignals.h"
#include "shell/MessageBoxPrompter.h"
#include "shell/frmMenu.h"
#include "ui/WindowRegistry.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <csignal>
#include <cstdio>
#include <unistd.h>

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
    const QCommandLineOption deviceOption(
        QStringLiteral("device"),
        QStringLiteral("Serial device to talk to the controller on, whatever the Com Port setting (a simulator's "
                       "pseudo-terminal, /dev/ttyUSB0...)."),
        QStringLiteral("PATH"));
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("Port number 1-16 to use for this run instead of the Com Port "
                                                       "setting."),
                                        QStringLiteral("N"));
    parser.addOption(appDirOption);
    parser.addOption(noSplashOption);
    parser.addOption(deviceOption);
    parser.addOption(portOption);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Configuration file to open."),
                                 QStringLiteral("[FILE.mdb]"));
    parser.process(app);

    ToolLink::Options linkOptions;
    linkOptions.device = parser.value(deviceOption);
    if (parser.isSet(portOption)) {
        bool ok = false;
        linkOptions.port = parser.value(portOption).toInt(&ok);
        if (!ok || linkOptions.port < PortMap::kFirstPort || linkOptions.port > PortMap::kLastPort) {
            std::fprintf(stderr, "linnet-tool: --port takes a number from 1 to 16\n");
            return 2;
        }
    }

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

    linkOptions.updateData = [&fileLifecycle] { fileLifecycle.UpdateData(); };
    ToolLink link(context, menu, windows, &fileLifecycle, linkOptions);

    if (!menu.Load(!parser.isSet(noSplashOption)))
        return 1;
    menu.show();
    // After the single-instance check of Load: the working copy is ours.
    const bool recovered = fileLifecycle.offerRecovery();
    // A file named on the command line (a file manager's "Open") opens as
    // File > Open opens it, unless recovered changes now hold the working copy.
    if (const QStringList files = parser.positionalArguments(); !files.isEmpty()) {
        if (recovered)
            prompter.message(files.first() + QStringLiteral(" was not opened: the recovered changes are open as "
                                                            "Untitled. Save them, then open it with File > Open."),
                             QStringLiteral("linnet-tool"), Prompter::Exclamation);
        else
            fileLifecycle.OpenDatabase(files.first());
    }

    // A termination signal (logging out, kill, Ctrl+C, a closed terminal) runs
    // the shut-down without questions. The process then ends at once, so that
    // nothing the signal interrupted (a dialog, a wait on the serial link)
    // carries on after the port is closed and the working copy set aside.
    UnixSignals termination({SIGTERM, SIGINT, SIGHUP});
    QObject::connect(&termination, &UnixSignals::received, &menu, [&menu] {
        menu.shutDownWithoutQuestions();
        std::fflush(nullptr);
        ::_exit(0);
    });
    return app.exec();
}
