#pragma once

#include <QList>
#include <QString>

class QComboBox;

// A popup box offers a fixed list of numbers. Numbers from 1000 on are spelt with one plain
// space before the last three digits ("2 500", "20 000"); smaller ones as plain decimals.
QString popupText(int value);

// Fills box with the spelt values, in order.
void fillPopupBox(QComboBox* box, const QList<int>& values);

// Reads the number the box shows, spaces removed; value keeps what it held when the text is
// not a number.
void PbToInt(const QComboBox* box, int& value);

// Selects the first item that spells value; without one the box keeps its selection.
void IntToPb(int value, QComboBox* box);
