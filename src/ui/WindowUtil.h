#pragma once

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
