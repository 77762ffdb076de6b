#pragma once

#include <QString>
#include <stdexcept>

// A failed file operation, carrying the system's message for the user.
class FileError : public std::runtime_error
{
public:
    explicit FileError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {}
    QString message() const { return m_message; }

private:
    QString m_message;
};
