#pragma once

class QPushButton;
class QString;
class QWidget;

// Window sizes in the tool's layouts are given in twips; the screen has 15
// twips to a pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int twips(int t)
{
    return t / kTwipsPerPixel;
}

// Centres a window on its screen; a negative left or top becomes 0.
void CenterScreen(QWidget *window);

// A command button of a programming window, named for the tests. No button of
// ours is a default button (Enter in a box presses nothing) unless a window
// makes one so itself.
QPushButton *commandButton(const QString &caption, const QString &name, QWidget *parent);
