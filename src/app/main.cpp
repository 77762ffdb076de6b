#include "shell/FormVocadrill.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TFormVocadrill form;
    form.show();
    return app.exec();
}
