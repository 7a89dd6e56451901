#pragma once

#include <QString>
#include <stdexcept>

// An error that carries a text meant for the operator (the server's message,
// a conversion failure, a file that cannot be written). Handlers show
// message() in the error box.
class OvixError : public std::runtime_error
{
public:
    explicit OvixError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    QString message() const { return m_message; }

private:
    QString m_message;
};

// A database error; message() is the server's own text.
class SqlError : public OvixError
{
public:
    SqlError(const QString& message, int serverCode) : OvixError(message), m_code(serverCode) {}
    int serverCode() const { return m_code; }

private:
    int m_code;
};
