#include "shell/frmMsgWait.h"

#include "ui/WindowUtil.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace {
constexpr int kWidthTwips = 5400;
} // namespace

frmMsgWait::frmMsgWait(const QString &title, QWidget *parent) : QWidget(parent, Qt::Dialog), m_title(title)
{
    setObjectName(QStringLiteral("frmMsgWait"));
    setWindowTitle(title);
    // Nothing to type into: the window never takes the keyboard from a message box.
    setWindowFlag(Qt::WindowCloseButtonHint, false);

    const auto label = [this](const char *name) {
        auto *l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    m_lbmsg = label("lbmsg");
    QFont bold = m_lbmsg->font();
    bold.setBold(true);
    m_lbmsg->setFont(bold);
    m_lbmsg2 = label("lbmsg2");
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("ssPanel1"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_percent = label("lblPercent");
    m_percent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_percent->setMinimumWidth(m_percent->fontMetrics().horizontalAdvance(QStringLiteral("100 %")));
    m_lbmsg3 = label("lbmsg3");
    m_lbmsg3->setWordWrap(true);
    m_lbmsg3->setAlignment(Qt::AlignCenter);
    m_lbmsg3->hide();
    m_lbl4 = label("lbl4");
    m_lbl4->setWordWrap(true);
    m_lbl4->setAlignment(Qt::AlignCenter);
    m_lbl4->hide();

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_lbmsg, 0, 0, 1, 2);
    grid->addWidget(m_lbmsg2, 1, 0, 1, 2);
    grid->addWidget(m_bar, 2, 0);
    grid->addWidget(m_percent, 2, 1);
    grid->addWidget(m_lbmsg3, 3, 0, 1, 2);
    grid->addWidget(m_lbl4, 4, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    setMinimumWidth(twips(kWidthTwips));
}

frmMsgWait::~frmMsgWait()
{
    restoreCursor();
}

void frmMsgWait::WhatToDisplay(const QString &sLabel, const QString &sText, int iPercent)
{
    // The value is a 16-bit number; the bar shows 0-100.
    const int value = std::clamp(int(qint16(iPercent)), 0, 100);
    m_lbmsg->setText(sLabel);
    m_lbmsg2->setText(sText);
    m_bar->setValue(value);
    m_percent->setText(QString::number(qint16(iPercent)) + QStringLiteral(" %"));
    m_lbl4->hide();
    if (isVisible())
        repaint();
}

void frmMsgWait::SetModemComm()
{
    m_lbmsg->hide();
    m_lbmsg2->hide();
    m_bar->hide();
    m_percent->hide();
    m_lbl4->hide();
    m_lbmsg3->show();
}

void frmMsgWait::SetModemRelease()
{
    m_lbmsg->hide();
    m_lbmsg2->hide();
    m_bar->hide();
    m_percent->hide();
    m_lbmsg3->hide();
    m_lbl4->show();
}

void frmMsgWait::ChangeCaption(const QString &newCaption)
{
    setWindowTitle(newCaption);
}

void frmMsgWait::setModemText(const QString &text)
{
    m_lbmsg3->setText(text);
}

void frmMsgWait::setReleaseText(const QString &text)
{
    m_lbl4->setText(text);
}

void frmMsgWait::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_cursorSet) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_cursorSet = true;
    }
    if (!event->spontaneous()) {
        adjustSize();
        CenterScreen(this);
    }
}

void frmMsgWait::closeEvent(QCloseEvent *event)
{
    if (m_lbmsg3->isVisibleTo(this)) {
        m_lbmsg->show();
        m_lbmsg2->show();
        m_bar->show();
        m_percent->show();
        m_lbmsg3->hide();
    }
    restoreCursor();
    QWidget::closeEvent(event);
}

void frmMsgWait::restoreCursor()
{
    if (m_cursorSet) {
        QApplication::restoreOverrideCursor();
        m_cursorSet = false;
    }
}

void frmMsgWait::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible())
        // Decided once the activation has settled: another window of the tool
        // took it (not a message box or dialog, which must keep it).
        QTimer::singleShot(0, this, &frmMsgWait::keepInFront);
}

void frmMsgWait::keepInFront()
{
    if (!isVisible() || isActiveWindow())
        return;
    const QWidget *active = QApplication::activeWindow();
    if (!active || QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return;
    raise();
    activateWindow();
}
