#include "shell/AboutWithRevisions.h"

#include "ui/WindowUtil.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace {
constexpr int kFirstColumnTwips = 1700;
constexpr int kSecondColumnTwips = 1795;
} // namespace

AboutWithRevisions::AboutWithRevisions(AppContext &context, const QStringList &revisionLines, QWidget *parent)
    : frmAbout(context, parent)
{
    m_grid = new QTableWidget(0, 2, this);
    m_grid->setObjectName(QStringLiteral("flexAbout"));
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setFocusPolicy(Qt::NoFocus);
    m_grid->setColumnWidth(0, twips(kFirstColumnTwips));
    m_grid->setColumnWidth(1, twips(kSecondColumnTwips));
    m_grid->horizontalHeader()->setStretchLastSection(true);
    for (const QString &line : revisionLines) {
        if (line.trimmed().isEmpty())
            continue;
        const int row = m_grid->rowCount();
        m_grid->insertRow(row);
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        m_grid->setItem(row, 0, new QTableWidgetItem(tab < 0 ? line : line.left(tab)));
        if (tab >= 0)
            m_grid->setItem(row, 1, new QTableWidgetItem(line.mid(tab + 1)));
    }
    m_grid->resizeRowsToContents();
    int height = 2 * m_grid->frameWidth();
    for (int r = 0; r < m_grid->rowCount(); ++r)
        height += m_grid->rowHeight(r);
    m_grid->setFixedHeight(std::max(height, m_grid->fontMetrics().lineSpacing() + 2 * m_grid->frameWidth()));

    // Below the release texts, above the OK button.
    if (auto *layout = qobject_cast<QGridLayout *>(this->layout())) {
        auto *ok = findChild<QPushButton *>(QStringLiteral("cmdOK"));
        const int rows = layout->rowCount();
        if (ok)
            layout->removeWidget(ok);
        layout->addWidget(m_grid, rows, 0, 1, 2);
        if (ok)
            layout->addWidget(ok, rows + 1, 1, Qt::AlignRight);
    }
    adjustSize();
    CenterScreen(this);
}
