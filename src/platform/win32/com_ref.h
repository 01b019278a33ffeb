// One counted reference to a COM object, released when it goes.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <utility>

namespace tv::win32 {

template <class T> class ComRef {
public:
    ComRef() = default;
    // Takes over a reference the caller already holds.
    static ComRef adopt(T* p)
    {
        ComRef r;
        r.p_ = p;
        return r;
    }
    // Takes a reference of its own.
    static ComRef share(T* p)
    {
        if (p)
            p->AddRef();
        return adopt(p);
    }
    ComRef(ComRef&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComRef& operator=(ComRef&& other) noexcept
    {
        if (this != &other) {
            reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() { reset(); }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    // For calls that hand back a new reference through T**.
    T** put()
    {
        reset();
        return &p_;
    }
    void** put_void() { return reinterpret_cast<void**>(put()); }

    void reset()
    {
        if (T* p = std::exchange(p_, nullptr))
            p->Release();
    }

private:
    T* p_ = nullptr;
};

// QueryInterface into a ComRef; a null source answers E_POINTER.
template <class T, class From> HRESULT query(From* from, REFIID iid, ComRef<T>& to)
{
    to.reset();
    if (!from)
        return E_POINTER;
    return from->QueryInterface(iid, to.put_void());
}

} // namespace tv::win32
