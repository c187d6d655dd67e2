// The program: the calculator's one window and the event loop; closing the window ends it.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "window/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vardelin");
    QApplication::setApplicationVersion(VARDELIN_VERSION);

    // Qt's own texts (a text box's context menu, say) in Simplified Chinese, where installed.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Chinese, QLocale::China), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    Form1 form;
    form.show();
    return QApplication::exec();
}
