#pragma once
#include "WString.h"

// The root of the library's classes: a polymorphic object with a name of its own.
class WObject {
public:
    WObject() = default;
    WObject(const WObject&) = delete;
    WObject& operator=(const WObject&) = delete;
    virtual ~WObject() = default;

    void SetName(const WString& name) { name_ = name; }
    const WString& GetName() const { return name_; }

private:
    WString name_;
};
