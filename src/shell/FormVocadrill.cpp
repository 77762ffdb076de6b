#include "shell/FormVocadrill.h"

TFormVocadrill::TFormVocadrill(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormVocadrill"));
    setWindowTitle(QStringLiteral("Vocadrill 1.2.4"));
    resize(911, 613);
    move(90, 60);
}
