// Ownership of GDI objects (fonts, brushes, pens): deleted when their owner goes.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace win32 {

struct GdiObjectDeleter {
    void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};

template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

}  // namespace win32
