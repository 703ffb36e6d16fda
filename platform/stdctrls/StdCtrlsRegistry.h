#pragma once
// The standard controls in the class registry, with their published properties, so that form
// descriptions create and fill them by name.  Calls RegisterControlClasses first; calling it
// again does nothing.
#include "platform/classes/TypInfo.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/CheckLst.h"
#include "platform/stdctrls/ComCtrls.h"
#include "platform/stdctrls/ComboBox.h"
#include "platform/stdctrls/ControlBar.h"
#include "platform/stdctrls/Edits.h"
#include "platform/stdctrls/Gauges.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/Grids.h"
#include "platform/stdctrls/ImgList.h"
#include "platform/stdctrls/ListBox.h"
#include "platform/stdctrls/Mask.h"
#include "platform/stdctrls/Menus.h"
#include "platform/stdctrls/Spin.h"
#include "platform/stdctrls/StdCtrls.h"
#include "platform/stdctrls/Timer.h"
#include "platform/stdctrls/ToolBar.h"

void RegisterStdControlClasses();

// Value names of the enumerations the standard controls publish.
const TEnumTypeInfo& TypeInfoOf(TAlignment);
const TEnumTypeInfo& TypeInfoOf(TTextLayout);
const TEnumTypeInfo& TypeInfoOf(TCheckBoxState);
const TEnumTypeInfo& TypeInfoOf(TListBoxStyle);
const TEnumTypeInfo& TypeInfoOf(TComboBoxStyle);
const TEnumTypeInfo& TypeInfoOf(TGridOption);
const TEnumTypeInfo& TypeInfoOf(TStatusPanelBevel);
const TEnumTypeInfo& TypeInfoOf(TStatusPanelStyle);
const TEnumTypeInfo& TypeInfoOf(TProgressBarOrientation);
const TEnumTypeInfo& TypeInfoOf(TPanelBevel);
const TEnumTypeInfo& TypeInfoOf(TBevelStyle);
const TEnumTypeInfo& TypeInfoOf(TBevelShape);
const TEnumTypeInfo& TypeInfoOf(TShapeType);
const TEnumTypeInfo& TypeInfoOf(TBitBtnKind);
const TEnumTypeInfo& TypeInfoOf(TButtonLayout);
const TEnumTypeInfo& TypeInfoOf(TTrackBarOrientation);
const TEnumTypeInfo& TypeInfoOf(TScrollBarKind);
const TEnumTypeInfo& TypeInfoOf(TScrollStyle);
const TEnumTypeInfo& TypeInfoOf(TDTDateFormat);
const TEnumTypeInfo& TypeInfoOf(TToolButtonStyle);
