#pragma once

#include <QDialog>

#include <functional>

class QLabel;
struct AppContext;

// The warning shown after a transfer during which exceptions occurred: its
// message, and View Log, which shows a file of the application folder (the
// communications log) in a text window. Not modal; it stays until closed.
class frmMyMsgBox : public QDialog {
    Q_OBJECT
public:
    // closeLog: closes the communications log so that what was written is on
    // disk (the link owns it); may be empty.
    frmMyMsgBox(AppContext &context, std::function<void()> closeLog, QWidget *parent = nullptr);

    void setMsg(const QString &text, const QString &fileName);
    void cmdDisplay_Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    AppContext &m_context;
    std::function<void()> m_closeLog;
    QLabel *m_lbl1 = nullptr;
    QString m_fileName;
};
