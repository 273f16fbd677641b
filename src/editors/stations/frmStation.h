#pragma once

#include "editors/stations/StationConflicts.h"
#include "platform/Prompter.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class frmClid;
struct AppContext;

// The modal dialog of one station ("Station n"): its arch number and CLID
// text, OK (with the conflict search), and moves to the first, previous, next
// and last station of the station window's active tab. A move writes the
// shown station first when something was typed into it; those writes stay
// when the dialog is cancelled (the station window's Cancel undoes them).
class frmStation : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFirst = 0, kPrevious = 1, kNext = 2, kLast = 3;

    frmStation(AppContext &context, frmClid &stations, int station, const QString &archnum, const QString &clid);

    int station() const { return m_station; }
    const ConflictList &conflicts() const { return m_conflicts; }

    void cmdMove_Click(int index);
    void cmdOk_Click();
    void cmdCancel_Click();
    // Escape cancels, as the Cancel button does.
    void reject() override { cmdCancel_Click(); }

    int tab_index = 0;
    int min_station = 1;
    int max_station = 24;
    int ClidIndex = 0;
    bool ChangeArchNum = false;
    bool ChangeClid = false;
    Prompter::Answer Save_Stn_Response = Prompter::AnswerCancel;

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    void showStation(int station, const QString &archnum, const QString &clid);
    Prompter::Answer askAboutConflicts(const QString &archnum);
    void searchConflicts(const QString &archnum);
    void writeShownStation();
    void BuildClidList();
    bool archnumKey(QKeyEvent *key);
    bool clidKey(QKeyEvent *key);
    void txtClid_Edited(const QString &text);
    void logError(const QString &procedure, const QString &description);

    AppContext &m_context;
    frmClid &m_stations;
    int m_station = 0;
    ConflictList m_conflicts;
    QString m_acceptedClid; // the CLID text before the last edit, to restore a refused paste
    QLabel *m_lblStation = nullptr;
    QLineEdit *m_txtArchnum = nullptr;
    QLineEdit *m_txtClid = nullptr;
};
