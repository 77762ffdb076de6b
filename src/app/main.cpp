#include "shell/FormVocadrill.h"
#include "shell/SystemLocale.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    applySystemLocale();
    TFormVocadrill form;
    form.show();
    return app.exec();
}
