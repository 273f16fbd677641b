#pragma once

#include "core/ProgressSink.h"

#include <QWidget>

class QLabel;
class QProgressBar;

// The progress window of the transfers, the about box and the modem commands.
// Not modal: it keeps itself in front of the tool's other windows while it is
// shown, and shows the hourglass over the whole screen until it is closed.
// Called on the user-interface thread; the link thread reaches it through a
// QueuedProgressSink.
class frmMsgWait : public QWidget, public ProgressSink {
    Q_OBJECT
public:
    // title: the product title, the window's caption.
    explicit frmMsgWait(const QString &title, QWidget *parent = nullptr);
    ~frmMsgWait() override;

    // ProgressSink
    void WhatToDisplay(const QString &sLabel, const QString &sText, int iPercent) override;
    void SetModemComm() override;
    void SetModemRelease() override;
    void ChangeCaption(const QString &newCaption) override;

    // The single lines of the modem layouts (their callers set the texts).
    void setModemText(const QString &text);
    void setReleaseText(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void restoreCursor();
    void keepInFront();

    QString m_title;
    QLabel *m_lbmsg = nullptr;
    QLabel *m_lbmsg2 = nullptr;
    QProgressBar *m_bar = nullptr;
    QLabel *m_percent = nullptr;
    QLabel *m_lbmsg3 = nullptr;
    QLabel *m_lbl4 = nullptr;
    bool m_cursorSet = false;
};
