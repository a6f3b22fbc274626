#pragma once

#include "RefCount.h"

#include <cstddef>
#include <new>

// Prints the fixed message and throws it as a const char*. Nothing in the game
// catches it short of the entry point: dereferencing an empty handle is a bug.
[[noreturn]] void throwNullPointer();

// A counted owner of an Object. Copies share the object; the last release
// destroys it through its virtual destructor.
template<typename T>
class SharedPointer {
public:
    SharedPointer() = default;
    SharedPointer(std::nullptr_t) { }

    // A null pointer gets no count block. When the block cannot be allocated the
    // handle keeps the object but never frees it by counting.
    explicit SharedPointer(T* pointer)
        : object(pointer)
        , count(pointer ? new (std::nothrow) RefCount : nullptr)
    {
    }

    SharedPointer(const SharedPointer& other)
        : object(other.object)
        , count(other.count)
    {
        if (count)
            count->addRef();
    }

    // Upcast: a handle to a derived class shares its block with a handle to a base.
    template<typename U>
    SharedPointer(const SharedPointer<U>& other)
        : object(other.object)
        , count(other.count)
    {
        if (count)
            count->addRef();
    }

    SharedPointer& operator=(const SharedPointer& other)
    {
        if (this == &other)
            return *this;
        // Take the fields before releasing: other may live inside our own object.
        T* newObject = other.object;
        RefCount* newCount = other.count;
        if (newCount)
            newCount->addRef();
        release();
        object = newObject;
        count = newCount;
        return *this;
    }

    ~SharedPointer() { release(); }

    // Lets go of the object; the handle is empty afterwards even when other holders
    // keep the object alive, so a released handle can never reach a freed object.
    void release()
    {
        if (!count)
            return;
        if (count->release() < 1)
            delete object;
        object = nullptr;
        count = nullptr;
    }

    T* get() const
    {
        if (!object)
            throwNullPointer();
        return object;
    }
    T* operator->() const { return get(); }
    T& operator*() const { return *get(); }

    // Unchecked access for emptiness tests and non-owning back references.
    T* raw() const { return object; }
    int32_t useCount() const { return count ? count->useCount : 0; }

    // Downcast sharing the same block; the caller knows the dynamic type.
    template<typename U>
    SharedPointer<U> staticCast() const
    {
        SharedPointer<U> result;
        result.object = static_cast<U*>(object);
        result.count = count;
        if (count)
            count->addRef();
        return result;
    }

    template<typename U>
    bool operator==(const SharedPointer<U>& other) const { return object == other.object; }
    template<typename U>
    bool operator!=(const SharedPointer<U>& other) const { return object != other.object; }
    bool operator==(const T* pointer) const { return object == pointer; }
    bool operator!=(const T* pointer) const { return object != pointer; }
    bool operator==(std::nullptr_t) const { return object == nullptr; }
    bool operator!=(std::nullptr_t) const { return object != nullptr; }

    T* object = nullptr;
    RefCount* count = nullptr;
};

template<typename T, typename... Args>
SharedPointer<T> makeShared(Args&&... args)
{
    return SharedPointer<T>(new T(static_cast<Args&&>(args)...));
}
