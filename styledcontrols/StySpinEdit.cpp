// The whole-number spin edit: its integer properties in their stored order and the border of
// forms stored by older versions.
#include "styledcontrols/StySpinEdit.h"

#include "platform/classes/Persistent.h"
#include "platform/rtl/RtlMath.h"

TClass TStyCustomSpinEdit::StaticClass()
{
    static const TMetaClass meta("TStyCustomSpinEdit", TStyCustomExtSpinEdit::StaticClass(), nullptr, [](TMetaClass& m) {
        auto get = [](Integer index) { return [index](TStyCustomSpinEdit* e) { return e->GetIntValue(index); }; };
        auto set = [](Integer index) { return [index](TStyCustomSpinEdit* e, Integer v) { e->SetIntValue(index, v); }; };
        TPublished<TStyCustomSpinEdit>(&m)
            .Property("LineSize", get(0), set(0)).Default(1)
            .Property("PageSize", get(1), set(1)).Default(10)
            .Property("MinValue", get(2), set(2)).Default(0)
            .Property("MaxValue", get(3), set(3)).Default(100)
            .Property("Suffix", &TStyCustomSpinEdit::Suffix, &TStyCustomSpinEdit::SetSuffix)
            .Property("AutoSize").Default(true)
            .Property("AutoSelect").Default(true);
    });
    return &meta;
}

TClass TStySpinEdit::StaticClass()
{
    static const TMetaClass meta("TStySpinEdit", TStyCustomSpinEdit::StaticClass(), NewComponent<TStySpinEdit>,
                                 [](TMetaClass& m) {
                                     TPublished<TStySpinEdit>(&m).Property(
                                         "Value", [](TStySpinEdit* e) { return e->GetIntValue(4); },
                                         [](TStySpinEdit* e, Integer v) { e->SetIntValue(4, v); }).Default(0);
                                 });
    return &meta;
}

TStyCustomSpinEdit::TStyCustomSpinEdit(TComponent* AOwner) : TStyCustomExtSpinEdit(AOwner)
{
    SetAutoSize(true);
    SetAutoSelect(true);
}

Integer TStyCustomSpinEdit::GetIntValue(Integer Index)
{
    switch (Index) {
    case 0: return static_cast<Integer>(Trunc(FStep));
    case 1: return static_cast<Integer>(Trunc(FLargeStep));
    case 2: return static_cast<Integer>(Trunc(FMinValue));
    case 3: return static_cast<Integer>(Trunc(FMaxValue));
    case 4: return AsInteger();
    default: return 0;
    }
}

void TStyCustomSpinEdit::SetIntValue(Integer Index, Integer Value)
{
    switch (Index) {
    case 0: FStep = Value; break;
    case 1: FLargeStep = Value; break;
    case 2: TStyCustomMaskEdit::SetMinValue(Value); break;
    case 3: TStyCustomMaskEdit::SetMaxValue(Value); break;
    case 4: SetValueChecked(Value); break;
    default: break;
    }
}

// Forms of older versions stored a border style: "bsSingle" is the windows-style frame, anything
// else no frame.
void TStyCustomSpinEdit::DefineProperties(TFiler* Filer)
{
    TStyCustomExtSpinEdit::DefineProperties(Filer);
    Filer->DefineProperty(
        "BorderStyle",
        [this](TReader* r) {
            const String ident = r->ReadIdent();
            TStyBevel* bevel = Bevel();
            bevel->BeginUpdate();
            if (ident == "bsSingle") {
                bevel->SetMode(bmWindows);
            } else {
                bevel->SetMode(bmStandard);
                bevel->SetStandardStyle(lsNone);
            }
            bevel->EndUpdate();
        },
        nullptr, false);
}
