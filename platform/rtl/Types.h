#pragma once
// Basic scalar types of the runtime layer.
#include <cstdint>

using Byte = std::uint8_t;
using ShortInt = std::int8_t;
using Word = std::uint16_t;
using SmallInt = std::int16_t;
using Integer = std::int32_t;
using Cardinal = std::uint32_t;
using LongWord = std::uint32_t;
using Int64 = std::int64_t;
using UInt64 = std::uint64_t;
using Extended = long double;   // 80-bit on x86-64
using TDateTime = double;       // days since 1899-12-30, time as the fraction
using WideChar = char16_t;
using AnsiChar = char;
