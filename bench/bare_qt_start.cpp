// The bare Qt Widgets program of the start benchmark: one QMainWindow with a label, ending at
// its first painted frame the way orvane does under its measuring aid.

#include "app/first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Орвейн"), &window));
    orvane::OnFirstPaint(&window, orvane::PrintFirstPaintAndExit);
    window.show();
    return app.exec();
}
