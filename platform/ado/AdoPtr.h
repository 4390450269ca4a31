// The smart pointers of the ADO subset (_ConnectionPtr, _RecordsetPtr,
// FieldsPtr, FieldPtr): shared ownership, compared with NULL, and -> on an
// empty pointer throws _com_error(E_POINTER) instead of crashing.
#pragma once
#include "com_error.h"

#include <cstddef>
#include <memory>

template <class T>
class AdoPtr {
public:
    AdoPtr() = default;
    AdoPtr(std::nullptr_t) {}
    AdoPtr(std::shared_ptr<T> object) : object_(std::move(object)) {}

    // Creates a fresh object; the class id argument is accepted and ignored.
    template <class... Ignored>
    HRESULT CreateInstance(Ignored&&...)
    {
        object_ = std::make_shared<T>();
        return S_OK;
    }
    void Release() { object_.reset(); }

    T* operator->() const
    {
        if (!object_)
            throw _com_error(E_POINTER);
        return object_.get();
    }
    T& operator*() const { return *operator->(); }
    operator T*() const { return object_.get(); }
    T* GetInterfacePtr() const { return object_.get(); }
    const std::shared_ptr<T>& shared() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

    friend bool operator==(const AdoPtr& a, std::nullptr_t) { return !a.object_; }
    friend bool operator==(const AdoPtr& a, const AdoPtr& b) { return a.object_ == b.object_; }

private:
    std::shared_ptr<T> object_;
};
