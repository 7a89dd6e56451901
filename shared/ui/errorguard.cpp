#include "errorguard.h"

QString UnknownErrorText()
{
    return QStringLiteral("Ismeretlen hiba történt.");
}

OvixApplication::OvixApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool OvixApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    Guarded(nullptr, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
