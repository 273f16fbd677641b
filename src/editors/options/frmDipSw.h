#pragma once

#include "editors/options/DipSwitchPicture.h"

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

// The picture of the main board's switches for the options given when it
// opens: per switch an ON and an OFF mark, the white one showing the
// position, and the position as text. It does not follow later changes.
class frmDipSw : public QDialog {
    Q_OBJECT
public:
    static const QColor kUnsetColor;

    explicit frmDipSw(const DipOptions &options, QWidget *parent = nullptr);

    void Switch_On(int index);
    void Switch_Off(int index);

protected:
    void showEvent(QShowEvent *e) override;

private:
    void Form_Load(const DipOptions &options);
    static void fill(QFrame *mark, const QColor &color);

    std::array<QFrame *, DipSwitchPicture::kSwitches> m_shpOn{};
    std::array<QFrame *, DipSwitchPicture::kSwitches> m_shpOff{};
    std::array<QLabel *, DipSwitchPicture::kSwitches> m_lblSwitch{};
    QPushButton *m_cmdClose = nullptr;
};
