#pragma once

#include <QString>
#include <stdexcept>

using String = QString;

// The base of every error the program raises itself; its message is shown as
// it stands in the error box of a guarded event handler.
class Exception : public std::runtime_error {
public:
    explicit Exception(const String& message)
        : std::runtime_error(message.toStdString()), FMessage(message) { }
    const String& Message() const { return FMessage; }

private:
    String FMessage;
};

class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// An index outside a list.
class EListError : public Exception {
public:
    using Exception::Exception;
};

class EStringListError : public Exception {
public:
    using Exception::Exception;
};

class EComponentError : public Exception {
public:
    using Exception::Exception;
};

// A file or folder could not be read, written or created.
class EInOutError : public Exception {
public:
    using Exception::Exception;
};

class EInvalidOp : public Exception {
public:
    using Exception::Exception;
};

// An operation the object's present state does not allow.
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};

class ERangeError : public Exception {
public:
    using Exception::Exception;
};

// A condition the program relies on did not hold.
class EAssertionFailed : public Exception {
public:
    using Exception::Exception;
};
