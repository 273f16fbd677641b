#pragma once

#include <QDialog>

// "Detailed Configuration": a fixed diagram of the four boards, each with its
// four page groups drawn against the stations they serve (page group n serves
// stations 6n-5 to 6n). Close, Escape and the title bar close it.
class frmDetail : public QDialog {
    Q_OBJECT
public:
    explicit frmDetail(QWidget *parent = nullptr);

    // "Stations 1..6" for page group 1, and so on.
    static QString stationRange(int pageGroup);
};
