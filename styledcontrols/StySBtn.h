#pragma once
// The small buttons an editor carries inside its frame: each item of the collection holds the
// settings of one button and owns the real speed button, whose parent is the editor.  The editor
// lays the buttons out at its left and right ends and hears of their clicks.
#include <memory>

#include "platform/classes/Collection.h"
#include "styledcontrols/StySpeedButton.h"

using TStyOnCustomBtnClick = TEvent<TObject*, Integer>;
using TLeftRight = TAlignment;   // taLeftJustify or taRightJustify

class TStySpecialButton : public TCollectionItem {
    DECLARE_CLASS(TStySpecialButton, TCollectionItem)
public:
    explicit TStySpecialButton(TCollection* Collection);
    ~TStySpecialButton() override;
    void Assign(TPersistent* Source) override;
    void DoClick();

    const String& Hint() const { return FHint; }
    void SetHint(const String& Value);
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& Value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    Integer GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(Integer Value);
    bool ParentFont() const { return FBtn->ParentFont(); }
    void SetParentFont(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    TStyButtonLayout& Layout() { return *FLayout; }
    void SetLayout(TStyButtonLayout* Value) { FLayout->Assign(Value); }
    TFont& Font() { return *FFont; }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    TStyFxCaption& FontFX() { return *FFontFX; }
    void SetFontFX(TStyFxCaption* Value) { FFontFX->Assign(Value); }
    TStyThemeMode ThemeMode() const { return FThemeMode; }
    void SetThemeMode(TStyThemeMode Value);
    TPngImage& PngGlyph() { return *FPngGlyph; }
    void SetPngGlyph(TPngImage* Value) { FPngGlyph->Assign(Value); }
    bool UsePngGlyph() const { return FUsePngGlyph; }
    void SetUsePngGlyph(bool Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TLeftRight Alignment() const { return FAlignment; }
    void SetAlignment(TLeftRight Value);
    // Settings that live only in the button.
    TBitmap& Glyph() { return FBtn->Glyph(); }
    void SetGlyph(TBitmap* Value) { FBtn->SetGlyph(Value); }
    bool AllowAllUp() const { return FBtn->AllowAllUp(); }
    void SetAllowAllUp(bool Value) { FBtn->SetAllowAllUp(Value); }
    bool Pressed() const { return FBtn->Pressed(); }
    void SetPressed(bool Value) { FBtn->SetPressed(Value); }
    TComponent* ImageList() const { return FBtn->ImageList(); }
    void SetImageList(TComponent* Value) { FBtn->SetImageList(Value); }
    Integer ImageIndex() const { return FBtn->ImageIndex(); }
    void SetImageIndex(Integer Value) { FBtn->SetImageIndex(Value); }
    Integer ListIndex() const { return FBtn->ListIndex(); }
    void SetListIndex(Integer Value) { FBtn->SetListIndex(Value); }
    bool CtlXP() const { return FBtn->ThemeMode() == ttmPlatform; }
    void SetCtlXP(bool Value);
    TStySpeedButton* Btn() const { return FBtn.get(); }

    TStyOnCustomBtnClick OnClick;

protected:
    virtual void CreateButton();
    void DefineProperties(TFiler* Filer) override;

private:
    // Hands the item's layout, caption effect, font and picture to the button.
    void Synchronize();
    void SynchronizeFrom(TObject*) { Synchronize(); }
    void ButtonClick(TObject*) { DoClick(); }

    String FHint;
    String FCaption;
    TCursor FCursor = crArrow;
    Integer FGroupIndex = 0;
    bool FEnabled = true;
    std::unique_ptr<TStyButtonLayout> FLayout;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TStyFxCaption> FFontFX;
    TStyThemeMode FThemeMode = ttmNone;
    std::unique_ptr<TPngImage> FPngGlyph;
    bool FUsePngGlyph = false;
    TColor FColor = clWindow;
    TLeftRight FAlignment = taRightJustify;
    std::unique_ptr<TStySpeedButton> FBtn;
};

class TStySpecialButtons : public TCollection {
    DECLARE_CLASS(TStySpecialButtons, TCollection)
public:
    TStySpecialButtons(TWinControl* Owner, bool inform);
    ~TStySpecialButtons() override;

    TStySpecialButton* Items(int Index) const { return static_cast<TStySpecialButton*>(TCollection::Items(Index)); }
    TStySpecialButton* Add() { return static_cast<TStySpecialButton*>(TCollection::Add()); }
    Integer LeftCount() const { return CountOf(taLeftJustify); }
    Integer RightCount() const { return CountOf(taRightJustify); }
    TWinControl* OwnerControl() const { return FOwner; }

    TNotifyEvent OnChange;

protected:
    TPersistent* GetOwner() override { return FOwner; }
    void Update(TCollectionItem* Item) override;

private:
    Integer CountOf(TLeftRight Alignment) const;

    TWinControl* FOwner;
    bool FInform;
};
