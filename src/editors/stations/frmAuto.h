#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;
struct AppContext;

// "Auto Numbering": asks for the last arch number of a run starting at a
// station, checks it, and gives the last station of the run. A refused number
// is explained and the proposal put back; the dialog stays open.
class frmAuto : public QDialog {
    Q_OBJECT
public:
    frmAuto(AppContext &context, int startStation, const QString &startArchnum, QWidget *parent = nullptr);

    // The last station of the accepted run; empty unless OK accepted it.
    std::optional<int> Auto_Stop_Stn() const { return m_stopStation; }

    bool Exceeds_Max_Station() const;
    bool Conflicts_In_Range() const;

    void cmdOk_Click();
    void cmdCancel_Click();
    void reject() override { cmdCancel_Click(); }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    AppContext &m_context;
    int m_startStation;
    QString m_startArchnum;
    QLineEdit *m_txtStopArchnum = nullptr;
    std::optional<int> m_stopStation;
};
