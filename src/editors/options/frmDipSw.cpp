#include "editors/options/frmDipSw.h"

#include "ui/WindowUtil.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

const QColor frmDipSw::kUnsetColor = QColor(0xc0, 0xc0, 0xc0);

frmDipSw::frmDipSw(const DipOptions &options, QWidget *parent) : QDialog(parent)
{
    setObjectName(u"frmDipSw"_s);
    setWindowTitle(u"Dipswitch Equivalents (Main Board)"_s);
    setModal(true);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(3);
    auto *onHeading = new QLabel(u"ON"_s, this);
    auto *offHeading = new QLabel(u"OFF"_s, this);
    onHeading->setAlignment(Qt::AlignCenter);
    offHeading->setAlignment(Qt::AlignCenter);
    grid->addWidget(onHeading, 0, 1);
    grid->addWidget(offHeading, 0, 2);
    const int markHeight = fontMetrics().height() - 4;
    for (int i = 0; i < DipSwitchPicture::kSwitches; ++i) {
        const int row = i + 1;
        auto *number = new QLabel(QString::number(i + 1), this);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(number, row, 0);
        const auto mark = [this, markHeight](const QString &name) {
            auto *m = new QFrame(this);
            m->setObjectName(name);
            m->setFrameShape(QFrame::Box);
            m->setFixedSize(2 * markHeight, markHeight);
            m->setAutoFillBackground(true);
            fill(m, kUnsetColor);
            return m;
        };
        m_shpOn[i] = mark(u"shpOn"_s + QString::number(i));
        m_shpOff[i] = mark(u"shpOff"_s + QString::number(i));
        grid->addWidget(m_shpOn[i], row, 1, Qt::AlignCenter);
        grid->addWidget(m_shpOff[i], row, 2, Qt::AlignCenter);
        m_lblSwitch[i] = new QLabel(this);
        m_lblSwitch[i]->setObjectName(u"lblSwitch"_s + QString::number(i));
        m_lblSwitch[i]->setMinimumWidth(fontMetrics().horizontalAdvance(u"OFF"_s) + 4);
        grid->addWidget(m_lblSwitch[i], row, 3);
        auto *description = new QLabel(DipSwitchPicture::description(i), this);
        description->setObjectName(u"lblDescription"_s + QString::number(i));
        grid->addWidget(description, row, 4);
    }
    grid->setColumnStretch(4, 1);

    auto *note = new QLabel(u"white indicates switch position"_s, this);
    note->setObjectName(u"lblNote"_s);
    m_cmdClose = commandButton(u"Close"_s, u"cmdClose"_s, this);
    connect(m_cmdClose, &QPushButton::clicked, this, &QDialog::close);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(note);
    bottom->addStretch();
    bottom->addWidget(m_cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load(options);
}

void frmDipSw::fill(QFrame *mark, const QColor &color)
{
    QPalette palette = mark->palette();
    palette.setColor(QPalette::Window, color);
    mark->setPalette(palette);
}

void frmDipSw::Form_Load(const DipOptions &options)
{
    const DipSwitchPicture::Switches switches = DipSwitchPicture::compute(options);
    for (int i = 0; i < DipSwitchPicture::kSwitches; ++i) {
        if (switches[i] == DipSwitchPicture::Position::On)
            Switch_On(i);
        else if (switches[i] == DipSwitchPicture::Position::Off)
            Switch_Off(i);
    }
}

void frmDipSw::Switch_On(int index)
{
    if (index < 0 || index >= DipSwitchPicture::kSwitches)
        return;
    m_lblSwitch[index]->setText(u"ON"_s);
    fill(m_shpOn[index], Qt::white);
    fill(m_shpOff[index], Qt::black);
}

void frmDipSw::Switch_Off(int index)
{
    if (index < 0 || index >= DipSwitchPicture::kSwitches)
        return;
    m_lblSwitch[index]->setText(u"OFF"_s);
    fill(m_shpOff[index], Qt::white);
    fill(m_shpOn[index], Qt::black);
}

void frmDipSw::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    CenterScreen(this);
}
