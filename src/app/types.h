#pragma once
// Fixed-width types used throughout the editor.
#include <cstddef>
#include <cstdint>

typedef uint8_t u8;
typedef uint16_t u16;
typedef uint32_t u32;
typedef uint64_t u64;
typedef int8_t s8;
typedef int16_t s16;
typedef int32_t s32;
typedef int64_t s64;

// A window handle as the core sees it: opaque, only handed back to the host.
typedef void* tWnd;

// Paths are at most this many bytes, terminating NUL included.
constexpr size_t kMaxPath = 260;
