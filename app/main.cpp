// Marrowlyn: the window program. It takes no command-line arguments.
#include "Form1.h"
#include "QtPrompts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QtPrompts prompts;
    Form1 form(prompts);
    prompts.setOwner(&form);
    form.Form_Load();
    form.show();
    // Closing the window ends the program: nothing is saved at shutdown.
    return app.exec();
}
