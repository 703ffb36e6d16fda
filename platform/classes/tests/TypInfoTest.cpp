#include <gtest/gtest.h>

#include <functional>

#include "TestComponents.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/Exceptions.h"

using namespace testcomponents;

namespace {

std::vector<std::string> Names(const std::vector<const TPropInfo*>& list)
{
    std::vector<std::string> names;
    for (const TPropInfo* prop : list) names.push_back(prop->Name.ToUtf8());
    return names;
}

template <class E>
String Raised(const std::function<void()>& action)
{
    try {
        action();
    } catch (const E& e) {
        return e.Message();
    }
    return "nothing raised";
}

// Another class under the name of a registered one.
class TGadgetTwin : public TComponent {
    DECLARE_CLASS(TGadgetTwin, TComponent)
public:
    using TComponent::TComponent;
};

TClass TGadgetTwin::StaticClass()
{
    static const TMetaClass meta("TGadget", TComponent::StaticClass(), NewComponent<TGadgetTwin>);
    return &meta;
}

}  // namespace

TEST(PublishedProperties, AncestorsComeFirstAndARepublishedPropertyKeepsItsPlace)
{
    std::vector<std::string> gadget = {"Name",  "Tag",   "Left",  "Caption", "Visible", "Shape",  "Anchors",
                                       "Ratio", "Big",   "Pen",   "Items",   "Lines",   "Buddy",  "Count",
                                       "Secret", "Area", "OnClick"};
    EXPECT_EQ(Names(GetPropList(TGadget::StaticClass())), gadget);
    EXPECT_EQ(Names(GetPropList(TQuietGadget::StaticClass())), gadget);

    const TPropInfo* own = GetPropInfo(TQuietGadget::StaticClass(), "visible");
    const TPropInfo* inherited = GetPropInfo(TGadget::StaticClass(), "Visible");
    ASSERT_NE(own, inherited);
    EXPECT_EQ(own->Default, 0);
    EXPECT_EQ(inherited->Default, 1);
    EXPECT_EQ(GetPropInfo(TGadget::StaticClass(), "Nothing"), nullptr);
}

TEST(PublishedProperties, KindAndTypeNameFollowTheCxxTypeUnlessGiven)
{
    struct Case {
        TClass cls;
        const char* name;
        TTypeKind kind;
        const char* typeName;
    } cases[] = {
        {TGadget::StaticClass(), "Left", tkInteger, "Integer"},
        {TGadget::StaticClass(), "Caption", tkString, "string"},
        {TGadget::StaticClass(), "Visible", tkEnumeration, "Boolean"},
        {TGadget::StaticClass(), "Shape", tkEnumeration, "TShape3"},
        {TGadget::StaticClass(), "Anchors", tkSet, "TAnchors3"},
        {TGadget::StaticClass(), "Ratio", tkFloat, "Double"},
        {TGadget::StaticClass(), "Big", tkInt64, "Int64"},
        {TGadget::StaticClass(), "Tag", tkInt64, "Int64"},
        {TGadget::StaticClass(), "Pen", tkClass, "TPen3"},
        {TGadget::StaticClass(), "Items", tkClass, "TCollection"},
        {TGadget::StaticClass(), "Lines", tkStrings, "TStrings"},
        {TGadget::StaticClass(), "Buddy", tkClass, "TGadget"},
        {TGadget::StaticClass(), "OnClick", tkMethod, "TNotifyEvent"},
        {TPen3::StaticClass(), "Color", tkInteger, "TColor3"},
        {TItem3::StaticClass(), "Weight", tkFloat, "Double"},
    };
    for (const Case& c : cases) {
        const TPropInfo* prop = GetPropInfo(c.cls, c.name);
        ASSERT_NE(prop, nullptr) << c.name;
        EXPECT_EQ(prop->Kind, c.kind) << c.name;
        EXPECT_EQ(prop->TypeName, c.typeName) << c.name;
    }
    EXPECT_TRUE(GetPropInfo(TGadget::StaticClass(), "Area")->ReadOnly);
}

TEST(PublishedProperties, ValuesAreReadAndWrittenByNameThroughTheSetters)
{
    TGadget gadget(nullptr);
    SetOrdProp(&gadget, "Left", 12);
    EXPECT_EQ(gadget.Left(), 12);
    EXPECT_EQ(GetOrdProp(&gadget, "Area"), 24);

    SetEnumProp(&gadget, "Shape", "SHTRIANGLE");
    EXPECT_EQ(gadget.Shape(), shTriangle);
    EXPECT_EQ(GetEnumProp(&gadget, "Shape"), "shTriangle");
    EXPECT_EQ(GetEnumProp(&gadget, "Visible"), "True");

    EXPECT_EQ(GetSetProp(&gadget, "Anchors"), "[akLeft,akTop]");
    EXPECT_EQ(GetSetProp(&gadget, "Anchors", false), "akLeft,akTop");
    SetSetProp(&gadget, "Anchors", "[akRight, akBottom]");
    EXPECT_EQ(gadget.Anchors(), (TAnchors3{TAnchor3::akRight, TAnchor3::akBottom}));
    SetSetProp(&gadget, "Anchors", "[]");
    EXPECT_TRUE(gadget.Anchors().IsEmpty());

    SetFloatProp(&gadget, "Ratio", 0.25);
    EXPECT_EQ(GetFloatProp(&gadget, "Ratio"), 0.25);
    SetStrProp(&gadget, "Caption", "dam");
    EXPECT_EQ(GetStrProp(&gadget, "Caption"), "dam");
    SetOrdProp(&gadget, "Big", 5000000000);
    EXPECT_EQ(gadget.Big(), 5000000000);

    TGadget other(nullptr);
    SetObjectProp(&gadget, "Buddy", &other);
    EXPECT_EQ(gadget.Buddy(), &other);
    EXPECT_EQ(GetObjectProp(&gadget, "Pen"), gadget.Pen());
    EXPECT_EQ(GetStringsProp(&gadget, "Lines"), gadget.Lines());

    TTestForm form(nullptr);
    SetMethodProp(&gadget, "OnClick", {&form, MethodAddress(TTestForm::StaticClass(), "GadgetClick")});
    gadget.OnClick(&gadget);
    ASSERT_EQ(form.Clicks.size(), 1u);
    EXPECT_EQ(form.Clicks[0], &gadget);
    EXPECT_EQ(GetMethodProp(&gadget, "OnClick").Data, &form);
}

TEST(PublishedProperties, MisusesRaisePropertyErrors)
{
    TGadget gadget(nullptr);
    TPen3 pen;
    struct Case {
        std::function<void()> action;
        const char* message;
    } cases[] = {
        {[&] { GetOrdProp(&gadget, "Nothing"); }, "Property Nothing does not exist"},
        {[&] { SetStrProp(&gadget, "Left", "1"); }, "Invalid property type: Integer"},
        {[&] { GetFloatProp(&gadget, "Caption"); }, "Invalid property type: string"},
        {[&] { SetOrdProp(&gadget, "Area", 1); }, "Property Area is read-only"},
        {[&] { SetEnumProp(&gadget, "Shape", "shOval"); }, "Invalid enumeration name: shOval"},
        {[&] { SetOrdProp(&gadget, "Shape", 3); }, "Value 3 out of range 0..2"},
        {[&] { SetOrdProp(&gadget, "Shape", -1); }, "Value -1 out of range 0..2"},
        {[&] { SetOrdProp(&gadget, "Shape", 2147483647); }, "Value 2147483647 out of range 0..2"},
        {[&] { SetSetProp(&gadget, "Anchors", "[akLeft,akMiddle]"); }, "Invalid enumeration name: akMiddle"},
        {[&] { SetObjectProp(&gadget, "Buddy", &pen); }, "Invalid property value: TPen3 is not a TGadget"},
    };
    for (const Case& c : cases) EXPECT_EQ(Raised<EPropertyError>(c.action), c.message);
}

TEST(PublishedProperties, DefaultsAndStoredRules)
{
    TGadget gadget(nullptr);
    auto isDefault = [&](const char* name) { return IsDefaultPropValue(&gadget, GetPropInfo(&gadget, name)); };
    auto isStored = [&](const char* name) { return IsStoredProp(&gadget, GetPropInfo(&gadget, name)); };

    EXPECT_FALSE(isDefault("Left"));  // no declared default: always written
    EXPECT_TRUE(isDefault("Visible"));
    EXPECT_TRUE(isDefault("Anchors"));
    EXPECT_TRUE(isDefault("Ratio"));
    EXPECT_TRUE(isDefault("Caption"));
    EXPECT_TRUE(isDefault("OnClick"));
    gadget.SetVisible(false);
    gadget.SetRatio(0.5);
    EXPECT_FALSE(isDefault("Visible"));
    EXPECT_FALSE(isDefault("Ratio"));

    EXPECT_FALSE(isStored("Name"));
    EXPECT_FALSE(isStored("Secret"));
    EXPECT_FALSE(isStored("Count"));
    gadget.SetShape(shCircle);
    EXPECT_TRUE(isStored("Count"));

    EXPECT_EQ(Raised<EPropertyError>(
                  [] { TPublished<TQuietGadget>(TQuietGadget::StaticClass()).Property("Ratio").Default(1); }),
              "Property Ratio cannot have a default");
    EXPECT_EQ(Raised<EPropertyError>([] { TPublished<TQuietGadget>(TQuietGadget::StaticClass()).Property("Nope"); }),
              "Property Nope does not exist");
}

TEST(PublishedMethods, NameAndCodeFindEachOther)
{
    TClass form = TTestForm::StaticClass();
    TMethodCode code = MethodAddress(form, "gadgetclick");
    ASSERT_FALSE(code.IsEmpty());
    EXPECT_EQ(code, TNotifyEvent::MakeCode(&TTestForm::GadgetClick));
    EXPECT_EQ(MethodName(form, code), "GadgetClick");
    EXPECT_EQ(MethodName(TResFormChild::StaticClass(), code), "GadgetClick");  // inherited
    EXPECT_TRUE(MethodAddress(form, "Missing").IsEmpty());
    EXPECT_EQ(MethodName(TGadget::StaticClass(), code), "");
    EXPECT_EQ(MethodName(form, TMethodCode()), "");
}

TEST(ClassRegistry, FindsRegisteredClassesByNameAndRefusesASecondClassOfOneName)
{
    RegisterTestClasses();
    RegisterClass(TGadget::StaticClass());  // again: nothing happens
    EXPECT_EQ(GetClass("tgadget"), TGadget::StaticClass());
    EXPECT_EQ(FindClass("TTestForm"), TTestForm::StaticClass());
    EXPECT_EQ(GetClass("TPen3"), nullptr);
    EXPECT_EQ(Raised<EClassNotFound>([] { FindClass("TPen3"); }), "Class TPen3 not found");
    EXPECT_EQ(Raised<EFilerError>([] { RegisterClass(TGadgetTwin::StaticClass()); }),
              "A class named TGadget already exists");

    TObject* made = FindClass("TGadget")->Create(nullptr);
    EXPECT_NE(dynamic_cast<TGadget*>(made), nullptr);
    delete made;

    RegisterClass(TItem3::StaticClass());
    UnRegisterClass(TItem3::StaticClass());
    EXPECT_EQ(GetClass("TItem3"), nullptr);
}

TEST(SetText, MembersInOrderOfTheEnumeration)
{
    const TEnumTypeInfo& info = TypeInfoOf(TAnchor3{});
    EXPECT_EQ(SetToString(info, 0b1010), "[akTop,akBottom]");
    EXPECT_EQ(SetToString(info, 0), "[]");
    EXPECT_EQ(StringToSet(info, " akBottom , akLeft "), 0b1001);
    EXPECT_EQ(StringToSet(info, "[]"), 0);
    EXPECT_EQ(info.ValueName(4), "");
    EXPECT_EQ(info.Value("AKTOP"), 1);
    EXPECT_EQ(info.Value("akNone"), -1);
}
