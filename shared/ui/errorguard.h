#pragma once

#include "errors.h"
#include "messageboxes.h"

#include <QApplication>
#include <QString>
#include <exception>

// The text shown for an error that carries no message of its own.
QString UnknownErrorText();

// The general error display: runs f; an error it raises is shown in the error
// box and the command ends there. Every handler that can fail runs through
// this, so no exception crosses Qt's event loop.
template <class F> void Guarded(QWidget* owner, F&& f)
{
    try {
        f();
    } catch (const OvixError& e) {
        ErrorBox(e.message(), owner);
    } catch (const std::exception& e) {
        ErrorBox(QString::fromLocal8Bit(e.what()), owner);
    } catch (...) {
        ErrorBox(UnknownErrorText(), owner);
    }
}

// The application object of both programs: the last resort that shows an
// error escaping any event handler instead of ending the program.
class OvixApplication : public QApplication
{
    Q_OBJECT

public:
    OvixApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
