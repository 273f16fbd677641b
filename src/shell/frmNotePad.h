#pragma once

#include <QWidget>

class QPlainTextEdit;

// Shows the whole content of a text file (the communications log). The caller
// sets the caption and the text, then shows it.
class frmNotePad : public QWidget {
    Q_OBJECT
public:
    explicit frmNotePad(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const;

private:
    QPlainTextEdit *m_text = nullptr;
};
