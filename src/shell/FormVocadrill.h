#pragma once

#include <QMainWindow>

// The program's one main window. For now it only carries the title; the screens come later.
class TFormVocadrill : public QMainWindow
{
    Q_OBJECT

public:
    explicit TFormVocadrill(QWidget* parent = nullptr);
};
