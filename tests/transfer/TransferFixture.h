#pragma once

#include "FakeSerialPort.h"
#include "SimCore.h"
#include "SimProgramming.h"
#include "TempAppFolder.h"
#include "core/ProgressSink.h"
#include "core/WindowlessHost.h"
#include "link/ModComm.h"
#include "link/transfer/TransferCommands.h"
#include "link/transfer/TransferEngine.h"
#include "link/transfer/TransferScreen.h"
#include "platform/Database.h"
#include "platform/Windows1252.h"
#include "platform/serial/PortMap.h"

#include <QFile>

#include <gtest/gtest.h>

// Records what the progress window and the main window are asked to show.
class RecordingScreen : public TransferScreen, public ProgressSink {
public:
    void showProgress() override { events << QStringLiteral("show"); }
    void closeProgress() override { events << QStringLiteral("close"); }
    ProgressSink &sink() override { return *this; }
    ProgressSink &linkSink() override { return *this; }
    void setMainWindowEnabled(bool enabled) override
    {
        events << (enabled ? QStringLiteral("enable") : QStringLiteral("disable"));
    }
    void showExceptions(const QString &text, const QString &logFileName) override
    {
        exceptions << text + QStringLiteral(" [") + logFileName + QStringLiteral("]");
    }

    void WhatToDisplay(const QString &label, const QString &text, int percent) override
    {
        shown << label + QLatin1Char('|') + text + QLatin1Char('|') + QString::number(percent);
        percents << percent;
    }
    void SetModemComm() override {}
    void SetModemRelease() override {}
    void ChangeCaption(const QString &) override {}

    // Percentages shown, a value repeated at once counted once.
    QList<int> distinctPercents() const
    {
        QList<int> values;
        for (int p : percents)
            if (values.isEmpty() || values.last() != p)
                values << p;
        return values;
    }

    QStringList events, shown, exceptions;
    QList<int> percents;
};

class TestHost : public WindowlessHost {
public:
    TestHost() : WindowlessHost(QStringLiteral("Linnet Programming Tool")) {}
    void File_Menu_Options() override { ++fileMenuOptions; }
    void DisableAllRootMenus() override { menus << QStringLiteral("disable"); }
    void InableAllRootMenus() override { menus << QStringLiteral("enable"); }
    bool SaveOpenForms(const QString &title) override
    {
        saveOpenForms << title;
        return true;
    }
    void showSwitchBoard() override { ++switchBoard; }

    QStringList menus, saveOpenForms;
    int fileMenuOptions = 0;
    int switchBoard = 0;
};

// The Send and Receive commands against a simulated controller on the
// in-memory port; the manual clock makes every time-out instant.
class TransferFixture : public ::testing::Test {
protected:
    TransferFixture()
        : port(clock), comm(port, ports, state, app.context().log, app.context().paths, clock),
          engine(comm, state, app.context().log, app.context().paths), programming(app.context().paths.DefaultDbPath()),
          commands(app.context(), engine, screen, {&host, nullptr, [this] { ++updateData; }, {}, [](int) {}})
    {
        state.variant.ModelName = QStringLiteral("Linnet");
        state.variant.ProductTitle = QStringLiteral("Linnet Programming Tool");
        programming.attach(sim);
        port.setResponder([this](const QByteArray &written) {
            sim.receive(written.constData(), std::size_t(written.size()), clock.now());
            return sim.takeDue(clock.now());
        });
        const AppPaths &paths = app.context().paths;
        QFile::remove(paths.TempDbPath());
        EXPECT_TRUE(QFile::copy(paths.DefaultDbPath(), paths.TempDbPath()));
        QFile::setPermissions(paths.TempDbPath(), QFile::permissions(paths.TempDbPath()) | QFile::WriteOwner);
        state.CurrentFileName = app.file(QStringLiteral("site.mdb"));
    }

    void work(const QString &sql)
    {
        Database db(app.context().paths.TempDbPath());
        ASSERT_TRUE(db.exec(sql)) << sql.toStdString() << db.lastError().toStdString();
    }
    QList<QVariantList> rows(const QString &path, const QString &sql)
    {
        Database db(path);
        return db.rows(sql).value_or(QList<QVariantList>{});
    }
    // Bodies the tool sent (frames without checksum and terminator).
    QStringList framesSent() const
    {
        QStringList bodies;
        for (const QByteArray &w : port.writes())
            if (w.size() > 5 && w.endsWith(QByteArray("\r\0", 2)))
                bodies << Windows1252::decode(w.left(w.size() - 5));
        return bodies;
    }
    QStringList commLog()
    {
        QFile f(app.context().paths.CommLogPath());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).mid(1);
    }
    QStringList messages() { return app.prompter().texts(); }

    TempAppFolder app;
    AppState &state = app.context().state;
    ManualClock clock;
    FakeSerialPort port;
    PortMap ports;
    ModComm comm;
    TransferEngine engine;
    SimCore sim;
    SimProgramming programming;
    RecordingScreen screen;
    TestHost host;
    int updateData = 0;
    TransferCommands commands;
};
