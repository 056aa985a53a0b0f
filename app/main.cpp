#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Dodoru數字方陣"));
    window.setFixedSize(624, 610);
    window.show();
    return app.exec();
}
