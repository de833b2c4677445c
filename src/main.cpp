#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle("Spatium V2.20");
    w.resize(1009, 721);
    w.show();
    return app.exec();
}
