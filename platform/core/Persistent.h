#pragma once

#include "platform/core/Exception.h"

// Base of every object that can copy its state from another one.
class TPersistent {
public:
    TPersistent() = default;
    TPersistent(const TPersistent&) = default;
    TPersistent& operator=(const TPersistent&) = default;
    virtual ~TPersistent() = default;

    // Copies the state of source; a class that does not know source asks
    // source to copy itself into this object (AssignTo), and when neither
    // side knows the other the assignment fails with EConvertError.
    virtual void Assign(const TPersistent& source);

protected:
    virtual void AssignTo(TPersistent& destination) const;
};
