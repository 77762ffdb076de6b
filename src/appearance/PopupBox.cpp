#include "appearance/PopupBox.h"

#include <QComboBox>

QString popupText(int value)
{
    if (value < 1000)
        return QString::number(value);
    const int thousands = value / 1000;
    return QStringLiteral("%1 %2").arg(thousands).arg(value - 1000 * thousands, 3, 10,
                                                      QLatin1Char('0'));
}

void fillPopupBox(QComboBox* box, const QList<int>& values)
{
    for (int value : values)
        box->addItem(popupText(value));
}

void PbToInt(const QComboBox* box, int& value)
{
    bool ok = false;
    const int number = QString(box->currentText()).remove(QLatin1Char(' ')).toInt(&ok);
    if (ok)
        value = number;
}

void IntToPb(int value, QComboBox* box)
{
    const int index = box->findText(popupText(value), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        box->setCurrentIndex(index);
}
