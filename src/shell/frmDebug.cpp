#include "shell/frmDebug.h"

#include "core/AppContext.h"
#include "platform/Database.h"
#include "ui/WindowUtil.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {
struct Column {
    const char *heading;
    int widthTwips;
};
constexpr Column kColumns[] = {
    {"No", 600}, {"Description", 2300}, {"Date/Time", 1800}, {"Function", 1500}, {"Module", 1500}};

QString text(const QVariant &v)
{
    return v.isNull() ? QStringLiteral(" ") : v.toString();
}
} // namespace

frmDebug::frmDebug(AppContext &context, QWidget *parent) : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("frmDebug"));
    setWindowTitle(QStringLiteral("Debug"));
    setModal(true);

    m_comm = new QCheckBox(QStringLiteral("Communications"), this);
    m_comm->setObjectName(QStringLiteral("chkComm"));
    m_at = new QCheckBox(QStringLiteral("AT Commands"), this);
    m_at->setObjectName(QStringLiteral("chkAT"));
    auto *label = new QLabel(QStringLiteral("Log:"), this);
    label->setObjectName(QStringLiteral("Label1"));
    m_grid = new QTableWidget(this);
    m_grid->setObjectName(QStringLiteral("grid1"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->verticalHeader()->hide();
    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setDefault(true);
    auto *clear = new QPushButton(QStringLiteral("Clear"), this);
    clear->setObjectName(QStringLiteral("cmdClear"));
    connect(ok, &QPushButton::clicked, this, &frmDebug::cmdOk_Click);
    connect(clear, &QPushButton::clicked, this, &frmDebug::cmdClear_Click);

    auto *layout = new QGridLayout(this);
    layout->addWidget(m_comm, 0, 0);
    layout->addWidget(m_at, 0, 1);
    layout->addWidget(label, 1, 0);
    layout->addWidget(m_grid, 2, 0, 1, 4);
    layout->addWidget(clear, 3, 2);
    layout->addWidget(ok, 3, 3);
    layout->setColumnStretch(1, 1);

    int width = 0;
    for (const Column &c : kColumns)
        width += twips(c.widthTwips);
    resize(width + 60, twips(6000));

    // Form_Load
    CenterScreen(this);
    LoadGrid();
    m_comm->setChecked(m_context.state.DebugTrace);
    m_at->setChecked(m_context.state.ATCommandTrace);
}

void frmDebug::LoadGrid()
{
    m_grid->setColumnCount(int(std::size(kColumns)));
    QStringList headings;
    for (int i = 0; i < int(std::size(kColumns)); ++i) {
        headings << QString::fromLatin1(kColumns[i].heading);
        m_grid->setColumnWidth(i, twips(kColumns[i].widthTwips));
    }
    m_grid->setHorizontalHeaderLabels(headings);
    m_grid->setRowCount(0);

    const QString path = FileOps::resolve(m_context.paths.ErrorsDbPath());
    if (!QFileInfo(path).isFile())
        return;
    Database db(path, Database::Mode::ReadOnly);
    const auto rows = db.rows(QStringLiteral("SELECT errno, errdesc, errdate, errTime, errfcn, errmodule "
                                             "FROM \"Error\" ORDER BY rowid"));
    if (!rows)
        return;
    for (const QVariantList &r : *rows) {
        const int row = m_grid->rowCount();
        m_grid->insertRow(row);
        const QStringList cells = {r[0].isNull() ? QStringLiteral("0") : r[0].toString(), text(r[1]),
                                   r[2].toString() + QStringLiteral(" @ ") + r[3].toString(), text(r[4]), text(r[5])};
        for (int c = 0; c < cells.size(); ++c)
            m_grid->setItem(row, c, new QTableWidgetItem(cells[c]));
        QCoreApplication::processEvents();
    }
}

void frmDebug::cmdOk_Click()
{
    m_context.state.DebugTrace = m_comm->isChecked();
    m_context.state.ATCommandTrace = m_at->isChecked();
    accept();
}

void frmDebug::cmdClear_Click()
{
    const QString path = FileOps::resolve(m_context.paths.ErrorsDbPath());
    if (!QFileInfo(path).isFile())
        return;
    {
        Database db(path);
        if (db.isOpen())
            db.exec(QStringLiteral("DELETE FROM \"Error\""));
    }
    m_grid->clearContents();
    LoadGrid();
}
