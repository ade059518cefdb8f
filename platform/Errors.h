#pragma once
// The program's error type and the one guard that stands at every boundary between Qt's
// event loop and the program's handlers: exceptions never cross the event loop, they end
// the handler and reach the user in the standard error box.

#include <QString>
#include <functional>
#include <stdexcept>
#include <string>

namespace platform {

class EException : public std::runtime_error {
public:
    explicit EException(const QString& message);
    explicit EException(const std::string& message) : std::runtime_error(message) {}
    QString Message() const { return QString::fromUtf8(what()); }
};

// Shows the application's standard error box: a message box with the text, captioned
// with the application's title. Tests replace it to collect the messages.
void ShowException(const QString& message);
void SetExceptionReporter(std::function<void(const QString&)> reporter);

// A plain message box with an OK button, captioned with the application's title. Tests
// replace it to collect the messages.
void ShowMessage(const QString& message);
void SetMessageReporter(std::function<void(const QString&)> reporter);

// The message of the exception being handled; empty for one that is not std::exception.
QString CurrentExceptionMessage();

// Runs f; an exception ends it and is shown. Returns false when one was thrown.
template <class F> bool Guarded(F&& f) noexcept {
    try {
        f();
        return true;
    } catch (...) {
        try {
            ShowException(CurrentExceptionMessage());
        } catch (...) {
        }
        return false;
    }
}

} // namespace platform
