#include "DateTimeCliCommand.h"

#include "CliSession.h"
#include "link/datetime/DateTimeCommand.h"
#include "link/datetime/DateTimeEngine.h"
#include "link/datetime/DateTimeMessages.h"
#include "link/datetime/DateTimeScreen.h"

namespace {
class SilentScreen : public DateTimeScreen {
public:
    void showProgress(const QString &, const QString &) override {}
    void closeProgress() override {}
};

QString shown(const DateTimeMessages::Fields &f)
{
    return f.month + u'/' + f.day + u'/' + f.year + u' ' + f.hours + u':' + f.minutes + u':' + f.seconds;
}

QString daylightText(const DateTimeMessages::Daylight &d)
{
    if (!d.supported)
        return QStringLiteral("not supported");
    return d.enabled ? QStringLiteral("on") : QStringLiteral("off");
}
} // namespace

int DateTimeCliCommand::run(CliSession &session, const QStringList &args)
{
    QStringList rest = args;
    const bool setNow = rest.removeAll(QStringLiteral("--set-now")) > 0;
    if (!rest.isEmpty()) {
        session.err() << "usage: datetime [--set-now]" << Qt::endl;
        return CliExit::Usage;
    }
    AppContext &context = session.context();
    SilentScreen screen;
    DateTimeEngine engine(session.comm(), context.clock);
    bool updated = true;
    DateTimeCommand::Hooks hooks;
    hooks.showDialog = [&](DateTimeSession &s) {
        session.out() << "Date and time: " << shown(DateTimeMessages::fields(s.reply)) << Qt::endl;
        session.out() << "Daylight saving: " << daylightText(s.daylight) << Qt::endl;
        if (!setNow)
            return;
        const QByteArray body = DateTimeMessages::dateTimeBody(context.clock.wallNow());
        updated = s.sendDateTime(body);
        if (updated)
            session.out() << "Set to: " << shown(DateTimeMessages::fields(body)) << Qt::endl;
        else
            session.err() << DateTimeCommand::updateFailureText() << Qt::endl;
    };
    DateTimeCommand command(context, engine, screen, std::move(hooks));
    command.mnuDate_Click();
    if (command.lastResult() != DateTimeCommand::Result::Shown) {
        if (!session.comm().port().isOpen() && !session.comm().openFailure().isEmpty())
            session.err() << session.comm().openFailure() << Qt::endl;
        return CliExit::NoController;
    }
    return updated ? CliExit::Ok : CliExit::TransferFailed;
}
