#pragma once

#include <QDialog>

class QTimer;
struct AppContext;

// The splash window shown at start-up: the variant's model, title, release
// date, version and notice. It closes itself 4000 ms after it is first shown.
class frmIntro : public QDialog {
    Q_OBJECT
public:
    static constexpr auto kShowFor = std::chrono::milliseconds(4000);

    explicit frmIntro(AppContext &context, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QTimer *m_timer = nullptr;
};
