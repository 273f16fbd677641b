#include "LifecycleFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

// The tool's own files in the application folder, with or without an
// extension, in any letter case: never opened, never saved over.
namespace {
const QString kRequired = QStringLiteral("\r\n is required by the Programming Tool and cannot be selected.");

const QStringList kOwnFiles{
    QStringLiteral("~TEMP"),      QStringLiteral("~temp.mdb"),     QStringLiteral("~TEMP.unsaved"),
    QStringLiteral("DEFAULT"),    QStringLiteral("default.MDB"),   QStringLiteral("Default.OLD"),
    QStringLiteral("errors"),     QStringLiteral("ERRORS.bak"),    QStringLiteral("errors.old"),
    QStringLiteral("Errors.mdb"), QStringLiteral("PHONELST"),      QStringLiteral("phonelst.mdb"),
    QStringLiteral("Dphonelst"),  QStringLiteral("DPHONELST.MDB"), QStringLiteral("MODEM"),
    QStringLiteral("modem.mdb"),  QStringLiteral("Dmodem"),        QStringLiteral("dmodem.Mdb"),
};
} // namespace

class OwnFileNames : public LifecycleTest {
protected:
    // Every name exists and is a valid configuration, so only the name refuses it.
    void SetUp() override
    {
        for (const QString &name : kOwnFiles) {
            const QString path = paths().file(name);
            if (!QFileInfo::exists(FileOps::resolve(path))) {
                ASSERT_TRUE(QFile::copy(paths().DefaultDbPath(), path));
            }
        }
        snapshot();
    }
    void snapshot()
    {
        for (const QString &name : kOwnFiles)
            before.insert(name, bytes(FileOps::resolve(paths().file(name))));
    }
    void expectUntouched()
    {
        for (const QString &name : kOwnFiles)
            EXPECT_EQ(bytes(FileOps::resolve(paths().file(name))), before.value(name)) << name.toStdString();
    }
    QHash<QString, QByteArray> before;
};

TEST_F(OwnFileNames, AreRefusedByOpen)
{
    const QString link = app.file(QStringLiteral("site-link.mdb"));
    ASSERT_TRUE(QFile::link(paths().DefaultDbPath(), link));
    QStringList tried;
    for (const QString &name : kOwnFiles)
        tried << paths().file(name);
    tried << link;
    for (const QString &file : tried) {
        prompter().clear();
        EXPECT_FALSE(files.OpenDatabase(file)) << file.toStdString();
        EXPECT_EQ(prompter().texts(), QStringList{file + kRequired}) << file.toStdString();
        EXPECT_EQ(lastTitle(), QStringLiteral("Open database"));
        EXPECT_TRUE(state().CurrentFileName.isEmpty());
    }
    expectUntouched();
}

TEST_F(OwnFileNames, AreRefusedBySaveAsWhateverIsTyped)
{
    const QStringList typed{QStringLiteral("~temp"),       QStringLiteral("~TEMP.mdb"), QStringLiteral("default"),
                            QStringLiteral("Default.MDB"), QStringLiteral("errors"),    QStringLiteral("Errors.mdb"),
                            QStringLiteral("phonelst"),    QStringLiteral("DPhoneLst"), QStringLiteral("modem"),
                            QStringLiteral("dmodem.mdb")};
    // Opening a configuration replaces the working copy and its marker.
    const QString file = openValidFile(QStringLiteral("site.mdb"));
    state().UnsavedChanges = true;
    snapshot();
    const QStringList folderBefore = QDir(paths().appDir()).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : typed) {
        prompter().clear();
        window.saveAnswers = {paths().file(name)}; // then the dialog is cancelled

        files.mnuFileSaveAs_Click();

        const QString saved = paths().file(name.section(QLatin1Char('.'), 0, 0).toUpper() + QStringLiteral(".MDB"));
        EXPECT_EQ(prompter().texts(), QStringList{saved + kRequired}) << name.toStdString();
        EXPECT_EQ(lastTitle(), QStringLiteral("Save As"));
        EXPECT_TRUE(state().CancelClose);
        EXPECT_EQ(state().CurrentFileName, file);
    }
    EXPECT_EQ(QDir(paths().appDir()).entryList(QDir::Files | QDir::Hidden), folderBefore);
    expectUntouched();
}

// The same names outside the application folder are the user's files.
TEST_F(OwnFileNames, ElsewhereAreOrdinaryFiles)
{
    for (const QString &name : {QStringLiteral("default.mdb"), QStringLiteral("errors.mdb")}) {
        const QString file = validFile(name);
        ASSERT_TRUE(files.OpenDatabase(file)) << prompter().texts().join(u'|').toStdString();
        files.mnuFileClose_Click();
    }
    files.mnuFileNew_Click();
    window.saveAnswers = {app.file(QStringLiteral("modem"))};
    files.mnuFileSaveAs_Click();
    EXPECT_EQ(state().CurrentFileName, app.file(QStringLiteral("MODEM.MDB")));
    EXPECT_TRUE(QFileInfo(app.file(QStringLiteral("MODEM.MDB"))).isFile());
}
