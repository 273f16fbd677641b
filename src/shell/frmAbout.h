#pragma once

#include <QDialog>

struct AppContext;

// The about box: release title, version and notice of the running variant.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(AppContext &context, QWidget *parent = nullptr);
};
