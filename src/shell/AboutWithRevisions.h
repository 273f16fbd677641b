#pragma once

#include "shell/frmAbout.h"

class QTableWidget;

// The about box with the controller's revisions: a two-column grid with one
// row per non-empty display line ("label" TAB "value"; a line without a TAB
// fills the first column only).
class AboutWithRevisions : public frmAbout {
    Q_OBJECT
public:
    AboutWithRevisions(AppContext &context, const QStringList &revisionLines, QWidget *parent = nullptr);

    QTableWidget *grid() const { return m_grid; }

private:
    QTableWidget *m_grid = nullptr;
};
