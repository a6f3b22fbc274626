#pragma once

#include <cstdint>

// A growable sequence of constructed elements. Growth doubles the needed size, so
// an empty vector reserves 2, then 6, then 14 elements. No bounds checks.
template<typename T>
class Vector {
public:
    Vector() = default;
    Vector(const Vector& other) { copyFrom(other); }
    Vector& operator=(const Vector& other)
    {
        if (this == &other)
            return *this;
        delete[] elements;
        elements = nullptr;
        copyFrom(other);
        return *this;
    }
    ~Vector() { delete[] elements; }

    void add(const T& element)
    {
        if (used + 1 > allocated) {
            T copy = element; // element may live in the array about to be replaced
            reserve((used + 1) * 2);
            elements[used++] = copy;
            return;
        }
        elements[used++] = element;
    }

    void reserve(int32_t n)
    {
        if (allocated >= n)
            return;
        T* grown = new T[n]();
        for (int32_t i = 0; i < used; ++i)
            grown[i] = elements[i];
        delete[] elements;
        elements = grown;
        allocated = n;
    }

    // Resets every used element and empties the vector; capacity is kept.
    void clear()
    {
        for (int32_t i = 0; i < used; ++i)
            elements[i] = T();
        used = 0;
    }

    // Removes the element at index, moving the following ones down.
    void erase(int32_t index)
    {
        for (int32_t i = index; i + 1 < used; ++i)
            elements[i] = elements[i + 1];
        elements[used - 1] = T();
        --used;
    }

    int32_t size() const { return used; }
    int32_t capacity() const { return allocated; }
    T& operator[](int32_t index) { return elements[index]; }
    const T& operator[](int32_t index) const { return elements[index]; }

private:
    void copyFrom(const Vector& other)
    {
        used = other.used;
        allocated = other.allocated;
        // One spare element, so that an empty source still gets an array.
        elements = new T[allocated + 1]();
        for (int32_t i = 0; i < used; ++i)
            elements[i] = other.elements[i];
    }

    int32_t used = 0;
    int32_t allocated = 0;
    T* elements = nullptr;
};
