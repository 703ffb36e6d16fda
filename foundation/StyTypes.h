#pragma once
// Types shared by the whole styled-control library: the design-time "About" text and the
// package a class belongs to.
#include "platform/classes/Set.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

using TStyAboutVar = String;

// The library package of a class, ordinals 0 to 40; the foundation package is 28, the image
// lists' 19.
using TStyPackageID = Byte;
inline constexpr TStyPackageID StyPackageCount = 41;
inline constexpr TStyPackageID StyFoundationPackage = 28;
inline constexpr TStyPackageID StyImageListPackage = 19;

// What a change of a control's bounds changed: its size, its position.
enum TStyBoundsChangeState { bcSize, bcPos };
using TStyBoundsChangeStates = Set<TStyBoundsChangeState>;
