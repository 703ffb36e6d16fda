#pragma once
// Small published classes shared by the reflection and form-description tests.
#include <memory>
#include <string>
#include <vector>

#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/Events.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/Lists.h"

namespace testcomponents {

// What the setters and Loaded of the test components did, in order.
std::vector<std::string>& Log();

enum TShape3 { shRect, shCircle, shTriangle };
const TEnumTypeInfo& TypeInfoOf(TShape3);

enum class TAnchor3 { akLeft, akTop, akRight, akBottom };
using TAnchors3 = Set<TAnchor3>;
const TEnumTypeInfo& TypeInfoOf(TAnchor3);

// Colours of the tests: 0 is clBlack and 255 clRed, other values have no name.
void RegisterColorNames();

class TPen3 : public TPersistent {
    DECLARE_CLASS(TPen3, TPersistent)
public:
    Integer Color() const { return FColor; }
    void SetColor(Integer Value) { FColor = Value; }
    Integer Width() const { return FWidth; }
    void SetWidth(Integer Value) { FWidth = Value; }
    void Assign(TPersistent* Source) override;

private:
    Integer FColor = 0;
    Integer FWidth = 1;
};

class TItem3 : public TCollectionItem {
    DECLARE_CLASS(TItem3, TCollectionItem)
public:
    using TCollectionItem::TCollectionItem;
    String Caption;
    double Weight = 0;
    char Key = 'A';
};

class TGadget : public TComponent {
    DECLARE_CLASS(TGadget, TComponent)
public:
    explicit TGadget(TComponent* AOwner);
    ~TGadget() override;

    Integer Left() const { return FLeft; }
    void SetLeft(Integer Value) { FLeft = Value; }
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    TShape3 Shape() const { return FShape; }
    void SetShape(TShape3 Value) { FShape = Value; }
    TAnchors3 Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors3 Value) { FAnchors = Value; }
    double Ratio() const { return FRatio; }
    void SetRatio(double Value) { FRatio = Value; }
    Int64 Big() const { return FBig; }
    void SetBig(Int64 Value) { FBig = Value; }
    TPen3* Pen() const { return FPen; }
    void SetPen(TPen3* Value) { FPen->Assign(Value); }
    TCollection* Items() const { return FItems; }
    void SetItems(TCollection* Value) { FItems->Assign(Value); }
    TStringList* Lines() const { return FLines; }
    void SetLines(TStringList* Value) { FLines->Assign(*Value); }
    TGadget* Buddy() const { return FBuddy; }
    void SetBuddy(TGadget* Value);
    Integer Count() const { return FCount; }
    void SetCount(Integer Value);  // EConvertError for a negative count
    bool IsCountStored() const { return FShape == shCircle; }
    Integer Area() const { return FLeft * 2; }

    TNotifyEvent OnClick;
    Integer Secret = 0;
    std::vector<Byte> Data;
    std::vector<Integer> Extra;

    void DefineProperties(TFiler* Filer) override;
    void Loaded() override;
    void SetParentComponent(TComponent* Value) override;
    bool HasParent() const override { return FParent != nullptr; }
    TComponent* GetParentComponent() const override { return FParent; }
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

private:
    Integer FLeft = 0;
    String FCaption;
    bool FVisible = true;
    TShape3 FShape = shRect;
    TAnchors3 FAnchors{TAnchor3::akLeft, TAnchor3::akTop};
    double FRatio = 0;
    Int64 FBig = 0;
    TPen3* FPen;
    TCollection* FItems;
    TStringList* FLines;
    TGadget* FBuddy = nullptr;
    Integer FCount = 0;
    TGadget* FParent = nullptr;
};

// A gadget that is hidden unless told otherwise.
class TQuietGadget : public TGadget {
    DECLARE_CLASS(TQuietGadget, TGadget)
public:
    explicit TQuietGadget(TComponent* AOwner) : TGadget(AOwner) { SetVisible(false); }
};

class TTestForm : public TComponent {
    DECLARE_CLASS(TTestForm, TComponent)
public:
    explicit TTestForm(TComponent* AOwner) : TComponent(AOwner) {}

    String Title;
    TGadget* Gadget1 = nullptr;
    TGadget* Gadget2 = nullptr;
    std::vector<TObject*> Clicks;

    void GadgetClick(TObject* Sender) { Clicks.push_back(Sender); }
    void Unpublished(TObject*) {}
    void WrongKind(Integer) {}
    void Loaded() override;
};

// Holds a gadget as a sub-component, stored as a part of the holder.
class TLabelled : public TComponent {
    DECLARE_CLASS(TLabelled, TComponent)
public:
    explicit TLabelled(TComponent* AOwner);
    TGadget* EditLabel() const { return FLabel; }

private:
    TGadget* FLabel;
};

// Holds a gadget as a sub-component kept as its own description in the binary
// value "SubLabel", present once the label is made.
class TBinaryLabelled : public TComponent {
    DECLARE_CLASS(TBinaryLabelled, TComponent)
public:
    explicit TBinaryLabelled(TComponent* AOwner);
    TGadget* EditLabel() const { return FLabel; }
    void DefineProperties(TFiler* Filer) override;

private:
    TGadget* MakeLabel();
    TGadget* FLabel = nullptr;  // owned as a component
};

// Keeps pens in the defined property "Pens": a list holding, for each pen, a
// list of its properties.  It also defines "Tag", which the published Tag hides.
class TBag : public TComponent {
    DECLARE_CLASS(TBag, TComponent)
public:
    using TComponent::TComponent;
    std::vector<std::unique_ptr<TPen3>> Pens;
    void DefineProperties(TFiler* Filer) override;
};

// Forms whose descriptions are compiled in as resources (TResForm has one,
// TResFormChild reads its parent's).
class TResForm : public TTestForm {
    DECLARE_CLASS(TResForm, TTestForm)
public:
    using TTestForm::TTestForm;
};

class TResFormChild : public TResForm {
    DECLARE_CLASS(TResFormChild, TResForm)
public:
    using TResForm::TResForm;
};

void RegisterTestClasses();

}  // namespace testcomponents
