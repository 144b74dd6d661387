#pragma once

#include <windows.h>
#include <oaidl.h>
#include <oleauto.h>

#include <memory>
#include <utility>

// Owners for the COM resources of an automation call: interface pointers, BSTRs and VARIANTs.

template <typename T> class ComPtr
{
  public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : m_pointer(std::exchange(other.m_pointer, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept
    {
        if (this != &other)
        {
            Reset();
            m_pointer = std::exchange(other.m_pointer, nullptr);
        }
        return *this;
    }

    T* Get() const { return m_pointer; }
    T* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }

    // For out-parameters: releases what is held and hands out the slot.
    T** Put()
    {
        Reset();
        return &m_pointer;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

    void Reset()
    {
        if (T* pointer = std::exchange(m_pointer, nullptr))
            pointer->Release();
    }

  private:
    T* m_pointer = nullptr;
};

struct BstrDeleter
{
    void operator()(BSTR text) const { SysFreeString(text); }
};
using UniqueBstr = std::unique_ptr<OLECHAR, BstrDeleter>;

class Variant
{
  public:
    Variant() { VariantInit(&m_value); }
    ~Variant() { VariantClear(&m_value); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;

    VARIANT* Get() { return &m_value; }
    const VARIANT& operator*() const { return m_value; }

    // Takes ownership of `text` as a VT_BSTR.
    void SetBstr(UniqueBstr text)
    {
        VariantClear(&m_value);
        m_value.vt = VT_BSTR;
        m_value.bstrVal = text.release();
    }

  private:
    VARIANT m_value;
};
