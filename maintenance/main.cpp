#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ovix_Upd"));
    QMainWindow window;
    window.setObjectName(QStringLiteral("Tfrm_Upd"));
    window.setWindowTitle(QStringLiteral("Ovix.Net adatbázis karbantartó"));
    window.resize(800, 600);
    window.show();
    return app.exec();
}
