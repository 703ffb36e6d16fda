#include "TestComponents.h"

#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/rtl/Streams.h"

namespace testcomponents {

std::vector<std::string>& Log()
{
    static std::vector<std::string> log;
    return log;
}

const TEnumTypeInfo& TypeInfoOf(TShape3)
{
    static const TEnumTypeInfo info("TShape3", {"shRect", "shCircle", "shTriangle"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TAnchor3)
{
    static const TEnumTypeInfo info("TAnchor3", {"akLeft", "akTop", "akRight", "akBottom"}, "TAnchors3");
    return info;
}

void RegisterColorNames()
{
    RegisterIntegerConsts(
        "TColor3",
        [](const String& ident, Int64& value) {
            if (SameText(ident, "clBlack")) value = 0;
            else if (SameText(ident, "clRed")) value = 255;
            else return false;
            return true;
        },
        [](Int64 value, String& ident) {
            if (value == 0) ident = "clBlack";
            else if (value == 255) ident = "clRed";
            else return false;
            return true;
        });
}

// ---------------------------------------------------------------- TPen3

TClass TPen3::StaticClass()
{
    static const TMetaClass meta("TPen3", TPersistent::StaticClass(), NewObject<TPen3>, [](TMetaClass& m) {
        TPublished<TPen3>(&m)
            .Property("Color", &TPen3::Color, &TPen3::SetColor).Type("TColor3").Default(0)
            .Property("Width", &TPen3::Width, &TPen3::SetWidth).Default(1);
    });
    return &meta;
}

void TPen3::Assign(TPersistent* Source)
{
    if (auto* pen = dynamic_cast<TPen3*>(Source)) {
        FColor = pen->FColor;
        FWidth = pen->FWidth;
    } else {
        inherited::Assign(Source);
    }
}

// ---------------------------------------------------------------- TItem3

TClass TItem3::StaticClass()
{
    static const TMetaClass meta("TItem3", TCollectionItem::StaticClass(), NewCollectionItem<TItem3>,
                                 [](TMetaClass& m) {
                                     TPublished<TItem3>(&m)
                                         .Property("Caption", &TItem3::Caption)
                                         .Property("Weight", &TItem3::Weight)
                                         .Property("Key", &TItem3::Key).Default('A');
                                 });
    return &meta;
}

// ---------------------------------------------------------------- TGadget

TClass TGadget::StaticClass()
{
    static const TMetaClass meta("TGadget", TComponent::StaticClass(), NewComponent<TGadget>, [](TMetaClass& m) {
        TPublished<TGadget>(&m)
            .Property("Left", &TGadget::Left, &TGadget::SetLeft)
            .Property("Caption", &TGadget::Caption, &TGadget::SetCaption)
            .Property("Visible", &TGadget::Visible, &TGadget::SetVisible).Default(true)
            .Property("Shape", &TGadget::Shape, &TGadget::SetShape).Default(shRect)
            .Property("Anchors", &TGadget::Anchors, &TGadget::SetAnchors).Default(TAnchors3{TAnchor3::akLeft, TAnchor3::akTop})
            .Property("Ratio", &TGadget::Ratio, &TGadget::SetRatio)
            .Property("Big", &TGadget::Big, &TGadget::SetBig)
            .Property("Pen", &TGadget::Pen, &TGadget::SetPen)
            .Property("Items", &TGadget::Items, &TGadget::SetItems)
            .Property("Lines", &TGadget::Lines, &TGadget::SetLines)
            .Property("Buddy", &TGadget::Buddy, &TGadget::SetBuddy)
            .Property("Count", &TGadget::Count, &TGadget::SetCount).Stored(&TGadget::IsCountStored)
            .Property("Secret", &TGadget::Secret).Stored(false)
            .Property("Area", &TGadget::Area, nullptr)
            .Property("OnClick", &TGadget::OnClick);
    });
    return &meta;
}

TGadget::TGadget(TComponent* AOwner)
    : TComponent(AOwner), FPen(new TPen3), FItems(new TCollection(TItem3::StaticClass())), FLines(new TStringList)
{
}

TGadget::~TGadget()
{
    delete FLines;
    delete FItems;
    delete FPen;
}

void TGadget::SetCaption(const String& Value)
{
    FCaption = Value;
    Log().push_back("Caption of " + Name().ToUtf8() + (ComponentState().Contains(csLoading) ? " while loading" : ""));
}

void TGadget::SetBuddy(TGadget* Value)
{
    FBuddy = Value;
    Log().push_back("Buddy of " + Name().ToUtf8() + " is " + (Value ? Value->Name().ToUtf8() : "nil") +
                    (Value && Value->Left() ? " at " + std::to_string(Value->Left()) : ""));
}

void TGadget::SetCount(Integer Value)
{
    if (Value < 0) throw EConvertError("Count must not be negative");
    FCount = Value;
}

// "Data": the bytes; "Extra": a list of integers.
void TGadget::DefineProperties(TFiler* Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        "Data",
        [this](TStream* stream) {
            Data.resize(static_cast<size_t>(stream->Size()));
            stream->ReadBuffer(Data.data(), static_cast<Integer>(Data.size()));
        },
        [this](TStream* stream) { stream->WriteBuffer(Data.data(), static_cast<Integer>(Data.size())); },
        !Data.empty());
    Filer->DefineProperty(
        "Extra",
        [this](TReader* reader) {
            Extra.clear();
            reader->ReadListBegin();
            while (!reader->EndOfList()) Extra.push_back(reader->ReadInteger());
            reader->ReadListEnd();
        },
        [this](TWriter* writer) {
            writer->WriteListBegin();
            for (Integer value : Extra) writer->WriteInteger(value);
            writer->WriteListEnd();
        },
        !Extra.empty());
}

void TGadget::Loaded()
{
    inherited::Loaded();
    Log().push_back("Loaded " + Name().ToUtf8());
}

void TGadget::SetParentComponent(TComponent* Value)
{
    FParent = dynamic_cast<TGadget*>(Value);
}

void TGadget::GetChildren(const TGetChildProc& Proc, TComponent* Root)
{
    inherited::GetChildren(Proc, Root);
    for (int i = 0; i < Root->ComponentCount(); ++i)
        if (auto* gadget = dynamic_cast<TGadget*>(Root->Components(i)); gadget && gadget->FParent == this)
            Proc(gadget);
}

TClass TQuietGadget::StaticClass()
{
    static const TMetaClass meta("TQuietGadget", TGadget::StaticClass(), NewComponent<TQuietGadget>,
                                 [](TMetaClass& m) { TPublished<TQuietGadget>(&m).Property("Visible").Default(false); });
    return &meta;
}

// ---------------------------------------------------------------- holders

TClass TLabelled::StaticClass()
{
    static const TMetaClass meta("TLabelled", TComponent::StaticClass(), NewComponent<TLabelled>, [](TMetaClass& m) {
        TPublished<TLabelled>(&m).Property("EditLabel", &TLabelled::EditLabel, nullptr);
    });
    return &meta;
}

TLabelled::TLabelled(TComponent* AOwner) : TComponent(AOwner), FLabel(new TGadget(this))
{
    FLabel->SetName("SubLabel");
    FLabel->SetSubComponent(true);
}

IMPLEMENT_CLASS(TBinaryLabelled, TComponent, NewComponent<TBinaryLabelled>)

TBinaryLabelled::TBinaryLabelled(TComponent* AOwner) : TComponent(AOwner) {}

TGadget* TBinaryLabelled::MakeLabel()
{
    if (!FLabel) {
        FLabel = new TGadget(this);
        FLabel->SetName("SubLabel");
        FLabel->SetSubComponent(true);
    }
    return FLabel;
}

void TBinaryLabelled::DefineProperties(TFiler* Filer)
{
    inherited::DefineProperties(Filer);
    TComponent* lookupRoot = Filer->Root();
    Filer->DefineBinaryProperty(
        "SubLabel", [this, lookupRoot](TStream* s) { ReadSubComponent(*s, MakeLabel(), lookupRoot); },
        [this, lookupRoot](TStream* s) { WriteSubComponent(*s, FLabel, lookupRoot); }, FLabel != nullptr);
}

IMPLEMENT_CLASS(TBag, TComponent, NewComponent<TBag>)

void TBag::DefineProperties(TFiler* Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineProperty(
        "Pens",
        [this](TReader* reader) {
            Pens.clear();
            reader->ReadListBegin();
            while (!reader->EndOfList()) {
                Pens.push_back(std::make_unique<TPen3>());
                reader->ReadListBegin();
                while (!reader->EndOfList()) reader->ReadProperty(Pens.back().get());
                reader->ReadListEnd();
            }
            reader->ReadListEnd();
        },
        [this](TWriter* writer) {
            writer->WriteListBegin();
            for (const auto& pen : Pens) {
                writer->WriteListBegin();
                writer->WriteProperties(pen.get());
                writer->WriteListEnd();
            }
            writer->WriteListEnd();
        },
        !Pens.empty());
    Filer->DefineProperty(
        "Tag", [](TReader* reader) { Log().push_back("defined Tag " + std::to_string(reader->ReadInteger())); },
        nullptr, false);
}

// ---------------------------------------------------------------- forms

TClass TTestForm::StaticClass()
{
    static const TMetaClass meta("TTestForm", TComponent::StaticClass(), NewComponent<TTestForm>, [](TMetaClass& m) {
        TPublished<TTestForm>(&m)
            .Property("Title", &TTestForm::Title)
            .Method("GadgetClick", &TTestForm::GadgetClick)
            .Method("WrongKind", &TTestForm::WrongKind)
            .Field("Gadget1", &TTestForm::Gadget1)
            .Field("Gadget2", &TTestForm::Gadget2);
    });
    return &meta;
}

void TTestForm::Loaded()
{
    inherited::Loaded();
    Log().push_back("Loaded " + Name().ToUtf8());
}

IMPLEMENT_CLASS(TResForm, TTestForm, NewComponent<TResForm>)
IMPLEMENT_CLASS(TResFormChild, TResForm, NewComponent<TResFormChild>)

void RegisterTestClasses()
{
    RegisterClasses({TGadget::StaticClass(), TQuietGadget::StaticClass(), TTestForm::StaticClass(),
                     TResForm::StaticClass(), TLabelled::StaticClass(), TBinaryLabelled::StaticClass(), TBag::StaticClass()});
    RegisterColorNames();
}

}  // namespace testcomponents
