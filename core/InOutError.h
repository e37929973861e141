#pragma once

#include <QString>

#include <stdexcept>

// A failed open, read, write or close of one of the program's own files. It is not caught
// where it happens: the application's error box shows its message and the program goes on.
class InOutError : public std::runtime_error
{
public:
    explicit InOutError(const QString& message) : std::runtime_error(message.toStdString()) {}
};
