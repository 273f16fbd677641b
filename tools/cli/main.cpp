// linnet-cli: the tool's link and transfer procedures from the command line,
// for scripts and tests. It never asks anything on the terminal.
#include "CliCommands.h"
#include "CliSession.h"

#include <QGuiApplication>

#include <cstring>
#include <memory>
#include <string>

#include <cstdio>

namespace {
QString usage(const std::vector<std::unique_ptr<CliCommand>> &commands)
{
    QString text = QStringLiteral("usage: linnet-cli [--app-dir DIR] [--port N | --device PATH] [--trace] [--no-pause] "
                                  "COMMAND [ARGS]\n"
                                  "  --no-pause  skip the one-second pause before a transfer (for a simulator)\n"
                                  "commands:\n");
    for (const auto &c : commands)
        text += QStringLiteral("  ") + c->name().leftJustified(10) + c->summary() + QLatin1Char('\n');
    return text;
}

// The command's name: the first argument that is neither an option nor an
// option's value; "" when there is none.
std::string commandName(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--", 2) != 0)
            return argv[i];
        for (const char *withValue : {"--app-dir", "--device", "--port"})
            if (std::strcmp(argv[i], withValue) == 0)
                ++i;
    }
    return {};
}
} // namespace

int main(int argc, char **argv)
{
    // The print command lays out pages, which needs Qt's GUI part (on the
    // offscreen platform without a display); the other commands keep to Qt Core.
    std::unique_ptr<QCoreApplication> application;
    if (commandName(argc, argv) == "print") {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication &app = *application;
    // The tool's names, so that without --app-dir both use the same
    // application folder (~/.local/share/linnet-tool/linnet-tool) and settings.
    QCoreApplication::setOrganizationName(QStringLiteral("linnet-tool"));
    QCoreApplication::setApplicationName(QStringLiteral("linnet-tool"));
    const auto commands = allCliCommands();
    const QStringList args = app.arguments().mid(1);

    CliSession::Options options;
    qsizetype i = 0;
    for (; i < args.size() && args.at(i).startsWith(QLatin1String("--")); ++i) {
        const QString &arg = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--trace")) {
            options.trace = true;
        } else if (arg == QLatin1String("--no-pause")) {
            options.pause = false;
        } else if (arg == QLatin1String("--app-dir") && hasValue) {
            options.appDir = args.at(++i);
        } else if (arg == QLatin1String("--device") && hasValue) {
            options.device = args.at(++i);
        } else if (arg == QLatin1String("--port") && hasValue) {
            bool ok = false;
            options.port = args.at(++i).toInt(&ok);
            if (!ok || options.port < 1 || options.port > 16) {
                std::fprintf(stderr, "linnet-cli: --port takes a number from 1 to 16\n");
                return CliExit::Usage;
            }
        } else if (arg == QLatin1String("--help")) {
            std::fputs(qPrintable(usage(commands)), stdout);
            return CliExit::Ok;
        } else {
            std::fprintf(stderr, "linnet-cli: unknown option %s\n%s", qPrintable(arg), qPrintable(usage(commands)));
            return CliExit::Usage;
        }
    }
    if (i >= args.size()) {
        std::fputs(qPrintable(usage(commands)), stderr);
        return CliExit::Usage;
    }
    const QString name = args.at(i);
    for (const auto &command : commands) {
        if (command->name() != name)
            continue;
        CliSession session(options);
        QString error;
        if (!session.prepare(&error)) {
            if (!error.isEmpty())
                std::fprintf(stderr, "linnet-cli: %s\n", qPrintable(error));
            return CliExit::Setup;
        }
        return command->run(session, args.mid(i + 1));
    }
    std::fprintf(stderr, "linnet-cli: unknown command %s\n%s", qPrintable(name), qPrintable(usage(commands)));
    return CliExit::Usage;
}
