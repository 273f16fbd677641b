#include "editors/common/PageGroupPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

PageGroupPanel::PageGroupPanel(const Names &names, QWidget *parent) : QWidget(parent)
{
    m_frame = new QGroupBox(names.frameCaption, this);
    m_frame->setObjectName(names.frame);
    auto *grid = new QGridLayout(m_frame);
    grid->setHorizontalSpacing(12);
    for (int k = 0; k < PageGroups::kCount; ++k) {
        m_boxes[k] = new QCheckBox(u" "_s + QString::number(k + 1), m_frame);
        m_boxes[k]->setObjectName(names.boxPrefix + QString::number(names.boxOffset + k));
        grid->addWidget(m_boxes[k], k / PageGroups::kPerBoard, k % PageGroups::kPerBoard);
        connect(m_boxes[k], &QCheckBox::toggled, this, [this, k] {
            if (!m_showing)
                emit boxChanged(k);
        });
    }

    m_include = new QPushButton(names.includeCaption, this);
    m_include->setObjectName(names.include);
    m_remove = new QPushButton(names.removeCaption, this);
    m_remove->setObjectName(names.remove);
    for (QPushButton *button : {m_include, m_remove})
        button->setAutoDefault(false);
    connect(m_include, &QPushButton::clicked, this, &PageGroupPanel::includeAll);
    connect(m_remove, &QPushButton::clicked, this, &PageGroupPanel::removeAll);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_include);
    buttons->addWidget(m_remove);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_frame);
    layout->addLayout(buttons);
    layout->addStretch();
}

void PageGroupPanel::setAvailable(int count)
{
    m_available = count;
    for (int k = 0; k < PageGroups::kCount; ++k)
        m_boxes[k]->setEnabled(k < count);
}

void PageGroupPanel::showFlags(const PageGroups::Flags &flags)
{
    m_showing = true;
    setFlags(flags);
    m_showing = false;
}

void PageGroupPanel::setFlags(const PageGroups::Flags &flags)
{
    for (int k = 0; k < PageGroups::kCount; ++k)
        m_boxes[k]->setChecked(flags[k]);
}

PageGroups::Flags PageGroupPanel::flags() const
{
    PageGroups::Flags result{};
    for (int k = 0; k < PageGroups::kCount; ++k)
        result[k] = m_boxes[k]->isChecked();
    return result;
}

void PageGroupPanel::includeAll()
{
    setFlags(PageGroups::includeAll(flags(), m_available));
}

void PageGroupPanel::removeAll()
{
    setFlags(PageGroups::removeAll());
}

void PageGroupPanel::setButtonsEnabled(bool enabled)
{
    m_include->setEnabled(enabled);
    m_remove->setEnabled(enabled);
}
