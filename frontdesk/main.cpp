#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ovix.net"));
    QMainWindow window;
    window.setObjectName(QStringLiteral("Tfrm_Main"));
    window.setWindowTitle(QStringLiteral("Ovix.Net"));
    window.resize(777, 550);
    window.show();
    return app.exec();
}
