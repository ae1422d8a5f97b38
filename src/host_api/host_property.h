#pragma once
// Members of the host's document objects that a late-binding caller reads and
// sets by name: a getter and a setter of the same name, values as variants
// (the host converts them and may refuse a value by raising an error).
#include "platform/automation/variant.h"

#define TVX_HOST_PROPERTY(Name)              \
    virtual ::tvx::Variant Name() const = 0; \
    virtual void Name(const ::tvx::Variant& value) = 0;

#define TVX_HOST_READONLY(Name) virtual ::tvx::Variant Name() const = 0;
