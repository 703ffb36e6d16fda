#pragma once
// The simple label: the caption with a 3D caption style, auto-sized to it, and optionally a jump
// label that opens a web address or starts a program, with a context menu offering "&Open URL"
// and "&Copy URL".
#include "styledcontrols/StyBaseLabel.h"

class TPopupMenu;

enum TStyJumpModes { jmInternet, jmApplication, jmNone, jmCustom };
const TEnumTypeInfo& TypeInfoOf(TStyJumpModes);

class TStyCustomSimpleLabel : public TStyBaseLabel {
    DECLARE_CLASS(TStyCustomSimpleLabel, TStyBaseLabel)
public:
    explicit TStyCustomSimpleLabel(TComponent* AOwner);
    ~TStyCustomSimpleLabel() override;

    TSty3DCaption* Font3D() { return FFont3D.get(); }
    void SetFont3D(TSty3DCaption* Value) { FFont3D->Assign(Value); }
    const String& Jump() const { return FJump; }
    void SetJump(const String& Value) { FJump = Value; }
    TColor ActiveColor() const { return FActiveColor; }
    void SetActiveColor(TColor Value) { FActiveColor = Value; }
    TColor InActiveColor() const { return FInActiveColor; }
    void SetInActiveColor(TColor Value) { FInActiveColor = Value; }
    bool ShowURLInHint() const { return FShowURLInHint; }
    void SetShowURLInHint(bool Value) { FShowURLInHint = Value; }
    bool ShowURLMenu() const { return FShowURLMenu; }
    void SetShowURLMenu(bool Value) { FShowURLMenu = Value; }
    bool JumpUnderline() const { return FJumpUnderline; }
    void SetJumpUnderline(bool Value) { FJumpUnderline = Value; }
    TStyJumpModes JumpMode() const { return FJumpMode; }
    void SetJumpMode(TStyJumpModes Value) { FJumpMode = Value; }
    Integer Counter() const { return FCounter; }

    // The size of the caption, keeping Left and Top.
    void CorrectBounds() override;
    // Opens the jump target in the internet and application modes.
    void Click() override;
    void ResetCounter();
    // As a press of the left button, then Click.
    void Execute();
    void CopyURL();
    // FJump when not blank, else the caption.
    String JumpTarget() const;
    // The hint the label shows: the jump target in the internet mode when it has no hint.
    String LabelHint() const;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void Loaded() override;
    void DefineProperties(TFiler* Filer) override;
    void WMContextMenu(TMessage& message);

    std::unique_ptr<TSty3DCaption> FFont3D;
    String FJump;
    TColor FActiveColor = clPurple;
    TColor FInActiveColor = clBlue;
    bool FUseAsJump = false;
    bool FShowURLInHint = false;
    bool FShowURLMenu = false;
    bool FJumpUnderline = true;
    TStyJumpModes FJumpMode = jmNone;
    Integer FCounter = 0;
    TPopupMenu* FURLMenu = nullptr;   // owned by the label

private:
    void Press();
    void OpenClicked(TObject*) { Click(); }
    void CopyClicked(TObject*) { CopyURL(); }
    void Font3DChanged(TObject*) { LabelFontChanged(Font()); }
};
