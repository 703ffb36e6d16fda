#pragma once
// The memory the program can still take, so that a big request can be refused before it is
// made rather than fail half-way.
#include "platform/rtl/Types.h"

// Bytes the process can still allocate: the system's available physical memory (free memory
// and the caches the kernel can give back), no more than its control group still allows
// and no more than its address-space limit leaves.
UInt64 AvailableMemory();
