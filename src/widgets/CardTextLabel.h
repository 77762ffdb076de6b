#pragma once

#include <QLabel>

// A text of the card screen, or of its preview in the view editor: plain, wrapped, aligned in
// its half, and never widening the half it sits in.
inline QLabel* cardTextLabel(const char* name, Qt::Alignment alignment, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(alignment);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return label;
}
