// The embedded buttons of the editors: the items forward their settings to the buttons they own
// and pass the buttons' clicks on to the editor.
#include "styledcontrols/StySBtn.h"

#include "platform/classes/FormReader.h"
#include "platform/classes/TypInfo.h"
#include "platform/stdctrls/StdCtrlsRegistry.h"
#include "styledcontrols/StyCustomEdit.h"

// ---------------------------------------------------------------- TStySpecialButton

TClass TStySpecialButton::StaticClass()
{
    static const TMetaClass meta("TStySpecialButton", TCollectionItem::StaticClass(),
                                 NewCollectionItem<TStySpecialButton>, [](TMetaClass& m) {
        using B = TStySpecialButton;
        TPublished<B>(&m)
            .Property("Hint", [](B* b) { return b->Hint(); }, &B::SetHint)
            .Property("Caption", [](B* b) { return b->Caption(); }, &B::SetCaption)
            .Property("Cursor", &B::Cursor, &B::SetCursor).Type("TCursor").Default(crArrow)
            .Property("GroupIndex", &B::GroupIndex, &B::SetGroupIndex).Default(0)
            .Property("ParentFont", &B::ParentFont, &B::SetParentFont).Default(true)
            .Property("Enabled", &B::Enabled, &B::SetEnabled).Default(true)
            .Property("OnClick", &B::OnClick)
            .Property("Layout", [](B* b) { return &b->Layout(); }, [](B* b, TStyButtonLayout* v) { b->SetLayout(v); })
            .Property("Font", [](B* b) { return &b->Font(); }, [](B* b, TFont* v) { b->SetFont(v); })
            .Property("FontFX", [](B* b) { return &b->FontFX(); }, [](B* b, TStyFxCaption* v) { b->SetFontFX(v); })
            .Property("ThemeMode", &B::ThemeMode, &B::SetThemeMode).Default(ttmNone)
            .Property("PngGlyph", [](B* b) { return &b->PngGlyph(); }, [](B* b, TPngImage* v) { b->SetPngGlyph(v); })
            .Property("UsePngGlyph", &B::UsePngGlyph, &B::SetUsePngGlyph).Default(false)
            .Property("Color", &B::Color, &B::SetColor).Type("TColor").Default(clWindow)
            .Property("Alignment", &B::Alignment, &B::SetAlignment).Default(taRightJustify)
            .Property("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp).Default(false)
            .Property("Glyph", [](B* b) { return &b->Glyph(); }, [](B* b, TBitmap* v) { b->SetGlyph(v); })
            .Stored([](B* b) { return !b->Glyph().Empty(); })
            .Property("ImageList", &B::ImageList, &B::SetImageList)
            .Property("ImageIndex", &B::ImageIndex, &B::SetImageIndex).Default(0)
            .Property("ListIndex", &B::ListIndex, &B::SetListIndex).Default(0);
    });
    return &meta;
}

TStySpecialButton::TStySpecialButton(TCollection* Collection)
    : TCollectionItem(Collection),
      FLayout(std::make_unique<TStyButtonLayout>(nullptr)),
      FFont(std::make_unique<TFont>()),
      FFontFX(std::make_unique<TStyFxCaption>(nullptr)),
      FPngGlyph(std::make_unique<TPngImage>())
{
    FLayout->OnChange = TNotifyEvent(this, &TStySpecialButton::SynchronizeFrom);
    FFontFX->OnChange = TNotifyEvent(this, &TStySpecialButton::SynchronizeFrom);
    FFont->OnChange = [this] { Synchronize(); };
    FPngGlyph->OnChange = [this] { Synchronize(); };
    CreateButton();
}

TStySpecialButton::~TStySpecialButton()
{
    FFontFX->OnChange = TNotifyEvent();
    FFont->OnChange = nullptr;
    FLayout->OnChange = TNotifyEvent();
    FBtn->OnClick = TNotifyEvent();
    FBtn.reset();
    FPngGlyph->OnChange = nullptr;
}

void TStySpecialButton::CreateButton()
{
    auto* buttons = static_cast<TStySpecialButtons*>(Collection());
    FBtn = std::make_unique<TStySpeedButton>(nullptr);
    FBtn->SetThemeMode(FThemeMode);
    FBtn->OnClick = TNotifyEvent(this, &TStySpecialButton::ButtonClick);
    FBtn->SetEnabled(true);
    FBtn->SetColor(clBtnFace);
    FBtn->SetCursor(crArrow);
    FBtn->SetTag(Index());
    FBtn->SetHideHint(false);
    if (buttons && buttons->OwnerControl()) FBtn->SetParent(buttons->OwnerControl());
}

void TStySpecialButton::Synchronize()
{
    FBtn->SetButtonLayout(FLayout.get());
    FBtn->SetFontFX(FFontFX.get());
    FBtn->Font().Assign(*FFont);
    FBtn->SetPngGlyph(FPngGlyph.get());
    FBtn->SetUsePngGlyph(FUsePngGlyph);
    Changed(false);
}

void TStySpecialButton::DoClick()
{
    const Integer index = Index();
    if (OnClick) OnClick(this, index);
    auto* buttons = static_cast<TStySpecialButtons*>(Collection());
    if (auto* edit = buttons ? dynamic_cast<TStyCustomEdit*>(buttons->OwnerControl()) : nullptr)
        edit->DoBtnClick(FBtn.get(), index);
}

void TStySpecialButton::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TStySpecialButton*>(Source);
    if (!source) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetCaption(source->FCaption);
    SetHint(source->FHint);
    SetGlyph(&source->Glyph());
    SetEnabled(source->FEnabled);
    SetCursor(source->FCursor);
    SetGroupIndex(source->FGroupIndex);
    SetLayout(source->FLayout.get());
    SetFont(source->FFont.get());
    SetFontFX(source->FFontFX.get());
    SetParentFont(source->ParentFont());
    OnClick = source->OnClick;
    SetUsePngGlyph(source->FUsePngGlyph);
    SetPngGlyph(source->FPngGlyph.get());
    SetImageList(source->ImageList());
    SetImageIndex(source->ImageIndex());
    SetListIndex(source->ListIndex());
}

void TStySpecialButton::SetHint(const String& Value)
{
    FHint = Value;
    FBtn->SetHint(Value);
}

void TStySpecialButton::SetCaption(const String& Value)
{
    FCaption = Value;
    FBtn->SetCaption(Value);
}

void TStySpecialButton::SetCursor(TCursor Value)
{
    FCursor = Value;
    FBtn->SetCursor(Value);
}

void TStySpecialButton::SetGroupIndex(Integer Value)
{
    FGroupIndex = Value;
    FBtn->SetGroupIndex(Value);
}

void TStySpecialButton::SetParentFont(bool Value) { FBtn->SetParentFont(Value); }

void TStySpecialButton::SetEnabled(bool Value)
{
    FEnabled = Value;
    FBtn->SetEnabled(Value);
}

void TStySpecialButton::SetThemeMode(TStyThemeMode Value)
{
    FThemeMode = Value;
    FBtn->SetThemeMode(Value);
}

void TStySpecialButton::SetUsePngGlyph(bool Value)
{
    FUsePngGlyph = Value;
    FBtn->SetUsePngGlyph(Value);
}

void TStySpecialButton::SetColor(TColor Value)
{
    FColor = Value;
    FBtn->SetColor(Value);
}

void TStySpecialButton::SetAlignment(TLeftRight Value)
{
    if (Value == FAlignment) return;
    FAlignment = Value;
    Changed(false);
}

void TStySpecialButton::SetCtlXP(bool Value)
{
    if (Value != CtlXP()) FBtn->SetThemeMode(Value ? ttmPlatform : ttmNone);
}

void TStySpecialButton::DefineProperties(TFiler* Filer)
{
    TCollectionItem::DefineProperties(Filer);
    Filer->DefineProperty("CtlXP", [this](TReader* r) { SetCtlXP(r->ReadBoolean()); }, nullptr, false);
}

// ---------------------------------------------------------------- TStySpecialButtons

IMPLEMENT_CLASS(TStySpecialButtons, TCollection, nullptr)

TStySpecialButtons::TStySpecialButtons(TWinControl* Owner, bool inform)
    : TCollection(TStySpecialButton::StaticClass()), FOwner(Owner), FInform(inform)
{
}

TStySpecialButtons::~TStySpecialButtons()
{
    Clear();
    FOwner = nullptr;
}

Integer TStySpecialButtons::CountOf(TLeftRight Alignment) const
{
    Integer n = 0;
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Alignment() == Alignment) ++n;
    return n;
}

// The editor lays its buttons out again once its pending messages are handled.
void TStySpecialButtons::Update(TCollectionItem*)
{
    OnChange(this);
    if (FInform && dynamic_cast<TStyCustomEdit*>(FOwner) && FOwner->HandleAllocated())
        PostMessage(FOwner->Handle(), WM_SIZE, 0, 0);
}
