// Runtime error classes: the base Exception (message plus help-context number) and the
// framework errors other layers raise or pass through.
#pragma once

#include <exception>
#include <string>

namespace qm {

class Exception : public std::exception {
public:
    explicit Exception(std::string Message, int HelpContext = 0)
        : FMessage(std::move(Message)), FHelpContext(HelpContext) {}

    const std::string& Message() const noexcept { return FMessage; }
    int HelpContext() const noexcept { return FHelpContext; }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
    int FHelpContext;
};

// The silent abort: the event loop drops it without a message.
class EAbort : public Exception {
public:
    explicit EAbort(std::string Message = "Operation aborted") : Exception(std::move(Message)) {}
};

class EStreamError : public Exception {
public:
    using Exception::Exception;
};

// Reading past the end of a stream's data.
class EReadError : public EStreamError {
public:
    EReadError() : EStreamError("Stream read error") {}
};

// A file that cannot be opened for reading. Reason says why, as the system put it ("Permission
// denied"), where it is known; the message stays "Cannot open file FILE".
class EFOpenError : public EStreamError {
public:
    explicit EFOpenError(const std::string& FileName, std::string Reason = {});
    const std::string& Reason() const noexcept { return FReason; }

private:
    std::string FReason;
};

}  // namespace qm
