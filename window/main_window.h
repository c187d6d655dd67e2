#pragma once

// The calculator's one window: the four inputs, the panel-height choice, the five structure types,
// the "计算" button and every result, named as the calculation's sheet names them.

#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class Form1 : public QWidget {
public:
    explicit Form1(QWidget* parent = nullptr);

    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QRadioButton* Option1;
    QRadioButton* Option2;
    std::array<QCheckBox*, 5> Check1;
    QPushButton* Command1;

    QLabel* Label8;
    QLabel* Label11;
    QLabel* Label18;
    std::array<QLabel*, 5> Label23;
    QLabel* Label27;
};

// Pixels at 96 dots per inch (Qt's logical pixels) from twips, 1440 to the inch.
int TwipsToPixels(int twips);
