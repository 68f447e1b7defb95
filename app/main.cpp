// Program entry: the application titled "Zorbik on the maze", the main
// window first, the rules dialog second, then the event loop.
#include "TDefBox.h"
#include "TForm5.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // A name, not a display name: Qt glues a display name onto every window
    // title, the rules dialog's and the message boxes' included.
    QApplication::setApplicationName("Zorbik on the maze");
    zorbik::TForm5 form(argc, argv);
    zorbik::TDefBox rules(&form);
    form.setRulesDialog(&rules);
    form.show();
    return QApplication::exec();
}
