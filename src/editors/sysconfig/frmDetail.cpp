#include "editors/sysconfig/frmDetail.h"

#include "ui/WindowUtil.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
constexpr int kBoards = 4;
constexpr int kGroupsPerBoard = 4;
constexpr int kStationsPerGroup = 6;

QLabel *label(const QString &text, const QString &name, int index, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name + QString::number(index));
    return l;
}
} // namespace

QString frmDetail::stationRange(int pageGroup)
{
    return u"Stations %1..%2"_s.arg(kStationsPerGroup * pageGroup - (kStationsPerGroup - 1))
        .arg(kStationsPerGroup * pageGroup);
}

frmDetail::frmDetail(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"frmDetail"_s);
    setWindowTitle(u"Detailed Configuration"_s);
    setModal(true);

    const QString boards[kBoards] = {u"MAIN BOARD"_s, u"EXPANSION 1"_s, u"EXPANSION 2"_s, u"EXPANSION 3"_s};
    auto *diagram = new QGridLayout;
    for (int b = 0; b < kBoards; ++b) {
        auto *frame = new QGroupBox(this);
        frame->setObjectName(u"Frame"_s + QString::number(b + 1));
        auto *grid = new QGridLayout(frame);
        QLabel *board = label(boards[b], u"lblBoard"_s, b, frame);
        QFont bold = board->font();
        bold.setBold(true);
        board->setFont(bold);
        board->setAlignment(Qt::AlignCenter);
        grid->addWidget(board, 0, 0, 1, 3);
        for (int g = 0; g < kGroupsPerBoard; ++g) {
            const int index = b * kGroupsPerBoard + g;
            const int pageGroup = index + 1;
            grid->addWidget(label(u"PAGE GROUP %1"_s.arg(pageGroup), u"lblPageGroup"_s, index, frame), g + 1, 0);
            auto *line = new QFrame(frame);
            line->setObjectName(u"Line"_s + QString::number(index));
            line->setFrameShape(QFrame::HLine);
            line->setMinimumWidth(twips(600));
            grid->addWidget(line, g + 1, 1);
            grid->addWidget(label(stationRange(pageGroup), u"lblStation"_s, index, frame), g + 1, 2);
        }
        diagram->addWidget(frame, b / 2, b % 2);
    }

    auto *close = commandButton(u"Close"_s, u"cmdClose"_s, this);
    close->setDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(diagram);
    layout->addLayout(buttons);

    setFixedSize(sizeHint());
    CenterScreen(this);
}
