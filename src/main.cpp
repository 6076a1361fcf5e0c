// Charac: character sheets for the QOD role-playing system.
#include "window/form_charac.h"
#include "window/sheet_style.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Charac"));
    QApplication::setStyle(new window::SheetStyle);
    window::FormCharac form(window::realServices());
    form.show();
    return app.exec();
}
