// The bound label asks its owner to place it whenever its size changes.
#include "styledcontrols/StyBoundLabel.h"

#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"

TClass TStyBoundLabel::StaticClass()
{
    static const TMetaClass meta("TStyBoundLabel", TStyCustomSimpleLabel::StaticClass(), nullptr, [](TMetaClass& m) {
        // The owner places the label: its position, anchors and constraints are not written.
        TPublished<TStyBoundLabel>(&m)
            .Property("Alignment")
            .Default(agCenterLeft)
            .Property("FocusControl")
            .Stored([](const TStyBoundLabel* l) { return l->FocusControl() != l->Owner(); })
            .Property("Left", &TStyBoundLabel::Left, nullptr)
            .Property("Top", &TStyBoundLabel::Top, nullptr)
            .Property("Anchors", &TStyBoundLabel::Anchors, nullptr)
            .Property("Constraints", [](TStyBoundLabel* l) { return &l->Constraints(); }, nullptr);
    });
    return &meta;
}

const TEnumTypeInfo& TypeInfoOf(TLabelPosition)
{
    static const TEnumTypeInfo info("TLabelPosition", {"lpAbove", "lpBelow", "lpLeft", "lpRight"});
    return info;
}

TStyBoundLabel::TStyBoundLabel(TComponent* AOwner) : TStyCustomSimpleLabel(AOwner)
{
    SetName("SubLabel");
    FAlignment = agCenterLeft;
    SetSubComponent(true);
    if (AOwner) SetCaption(AOwner->Name());
}

void TStyBoundLabel::AskOwnerToPlace()
{
    auto* owner = dynamic_cast<TWinControl*>(Owner());
    if (owner && owner->HandleAllocated()) owner->Perform(UM_PLACEBOUNDLABEL);
}

void TStyBoundLabel::CorrectBounds()
{
    TStyCustomSimpleLabel::CorrectBounds();
    AskOwnerToPlace();
}

void TStyBoundLabel::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    const bool resized = AWidth != Width() || AHeight != Height();
    TStyCustomSimpleLabel::SetBounds(ALeft, ATop, AWidth, AHeight);
    const TComponentState state = ComponentState();
    // the owner's placing moves the label: no second request from inside it
    if (resized && !AutoSize() && !FSizing && !state.Contains(csLoading) && !state.Contains(csReading)) {
        FSizing = true;
        AskOwnerToPlace();
        FSizing = false;
    }
}

void DefineBoundLabel(TFiler* Filer, TStyBoundLabel* Label, const std::function<TStyBoundLabel*()>& Setup)
{
    TComponent* lookupRoot = Filer->Root();
    Filer->DefineBinaryProperty(
        "SubLabel", [Setup, lookupRoot](TStream* data) { ReadSubComponent(*data, Setup(), lookupRoot); },
        [Label, lookupRoot](TStream* data) { WriteSubComponent(*data, Label, lookupRoot); }, Label != nullptr);
}
