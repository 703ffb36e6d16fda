#include <gtest/gtest.h>

#include "graphics/GxGraphicsTypes.h"
#include "graphics/GxPersistence.h"
#include "graphics/GxTypes.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Generics.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/rtl/SysFormat.h"

namespace {

enum TSampleKind { skGravity, skArch, skButtress };
using TSampleKinds = Set<TSampleKind>;

// Found beside the enumeration by argument-dependent lookup.
const TEnumTypeInfo& TypeInfoOf(TSampleKind)
{
    static const TEnumTypeInfo info("TSampleKind", {"skGravity", "skArch", "skButtress"});
    return info;
}

// Three properties, for the exact text of a small object.
class TSampleBox : public TPersistent {
    DECLARE_CLASS(TSampleBox, TPersistent)
public:
    Integer Width = 0;
    String Caption;
    TColor Color = clBlack;
};

TClass TSampleBox::StaticClass()
{
    static const TMetaClass meta("TSampleBox", TPersistent::StaticClass(), NewObject<TSampleBox>, [](TMetaClass& m) {
        TPublished<TSampleBox>(&m)
            .Property("Width", &TSampleBox::Width)
            .Property("Caption", &TSampleBox::Caption)
            .Property("Color", &TSampleBox::Color).Type("TColor");
    });
    return &meta;
}

// A lift joint of the sample dam: an item of its collection.
class TSampleJoint : public TCollectionItem {
    DECLARE_CLASS(TSampleJoint, TCollectionItem)
public:
    explicit TSampleJoint(TCollection* Collection) : TCollectionItem(Collection) {}
    void Assign(TPersistent* Source) override
    {
        auto* joint = dynamic_cast<TSampleJoint*>(Source);
        if (!joint) return inherited::Assign(Source);
        Elevation = joint->Elevation;
        Label = joint->Label;
        Angle = joint->Angle;
    }
    double Elevation = 0;
    String Label;
    Integer Angle = 0;
};

TClass TSampleJoint::StaticClass()
{
    static const TMetaClass meta("TSampleJoint", TCollectionItem::StaticClass(), NewCollectionItem<TSampleJoint>,
                                 [](TMetaClass& m) {
                                     TPublished<TSampleJoint>(&m)
                                         .Property("Elevation", &TSampleJoint::Elevation)
                                         .Property("Label", &TSampleJoint::Label)
                                         .Property("Angle", &TSampleJoint::Angle);
                                 });
    return &meta;
}

class TSampleMaterial : public TPersistent {
    DECLARE_CLASS(TSampleMaterial, TPersistent)
public:
    double Density = 0;
    TColor Tint = clNone;
};

TClass TSampleMaterial::StaticClass()
{
    static const TMetaClass meta("TSampleMaterial", TPersistent::StaticClass(), NewObject<TSampleMaterial>,
                                 [](TMetaClass& m) {
                                     TPublished<TSampleMaterial>(&m)
                                         .Property("Density", &TSampleMaterial::Density)
                                         .Property("Tint", &TSampleMaterial::Tint).Type("TColor");
                                 });
    return &meta;
}

// A dam with every kind of property: values, a sub-object, a collection, a string list, a picture,
// a reference to another component and an event.
class TSampleDam : public TComponent {
    DECLARE_CLASS(TSampleDam, TComponent)
public:
    explicit TSampleDam(TComponent* AOwner) : TComponent(AOwner), Joints(TSampleJoint::StaticClass()) {}
    void DamChanged(TObject*) {}
    void OtherHandler(TObject*) {}
    double Area() const { return 12.5; }

    String Caption;
    Integer Width = 0;
    TColor Color = clBlack;
    double Height = 0;
    Int64 Volume = 0;
    TSampleKind Kind = skGravity;
    bool Visible = false;
    TSampleKinds Options;
    char16_t Grade = u'A';
    TSampleMaterial Material;
    TCollection Joints;
    TStringList Notes;
    TGxBitmap Picture;
    TComponent* Partner = nullptr;
    TNotifyEvent OnChange;
};

TClass TSampleDam::StaticClass()
{
    static const TMetaClass meta("TSampleDam", TComponent::StaticClass(), NewComponent<TSampleDam>, [](TMetaClass& m) {
        TPublished<TSampleDam>(&m)
            .Property("Caption", &TSampleDam::Caption)
            .Property("Width", &TSampleDam::Width)
            .Property("Color", &TSampleDam::Color).Type("TColor")
            .Property("Height", &TSampleDam::Height)
            .Property("Volume", &TSampleDam::Volume)
            .Property("Kind", &TSampleDam::Kind)
            .Property("Visible", &TSampleDam::Visible)
            .Property("Options", &TSampleDam::Options)
            .Property("Grade", &TSampleDam::Grade)
            .Property("Material", [](TSampleDam* d) { return &d->Material; }, nullptr)
            .Property("Joints", [](TSampleDam* d) { return &d->Joints; }, nullptr)
            .Property("Notes", [](TSampleDam* d) { return static_cast<TStrings*>(&d->Notes); }, nullptr)
            .Property("Picture", [](TSampleDam* d) { return &d->Picture; }, nullptr)
            .Property("Partner", &TSampleDam::Partner)
            .Property("Area", &TSampleDam::Area, nullptr)
            .Property("OnChange", &TSampleDam::OnChange)
            .Method("DamChanged", &TSampleDam::DamChanged);
    });
    return &meta;
}

// Survey data of a dam in generic lists and a dictionary.
class TSampleSurvey : public TPersistent {
    DECLARE_CLASS(TSampleSurvey, TPersistent)
public:
    TGenericList<double> Levels;
    TGenericList<Integer> Counts;
    TGenericList<String> Names;
    TGenericObjectList<TSampleMaterial> Materials;
    TGenericObjectDictionary<TSampleMaterial> ByZone;
};

TClass TSampleSurvey::StaticClass()
{
    static const TMetaClass meta("TSampleSurvey", TPersistent::StaticClass(), NewObject<TSampleSurvey>, [](TMetaClass& m) {
        using T = TSampleSurvey;
        TPublished<T>(&m)
            .Property("Levels", [](T* s) { return &s->Levels; }, nullptr)
            .Property("Counts", [](T* s) { return &s->Counts; }, nullptr)
            .Property("Names", [](T* s) { return &s->Names; }, nullptr)
            .Property("Materials", [](T* s) { return &s->Materials; }, nullptr)
            .Property("ByZone", [](T* s) { return &s->ByZone; }, nullptr);
    });
    return &meta;
}

// A reference owner: dams are written as "dam:<name>" and found among its own components;
// objects it creates and list elements it is told of are counted.
class TSampleRegistry : public TComponent, public IGxReferencePersistenceIO {
public:
    using TComponent::TComponent;
    bool GetInterface(const TGUID& iid, void** obj) override
    {
        if (iid == IGxReferencePersistenceIO::IID) return ProvideInterface<IGxReferencePersistenceIO>(this, obj);
        return TComponent::GetInterface(iid, obj);
    }
    HResult QueryInterface(const TGUID& iid, void** obj) override { return TComponent::QueryInterface(iid, obj); }
    Integer _AddRef() override { return -1; }
    Integer _Release() override { return -1; }
    TObject* CreateObject(const String& AClassName, TClass ABaseClass) override
    {
        ++Created;
        return TGxPersistence::CreateObject(AClassName, ABaseClass);
    }
    bool IsReference(TClass AClass) override { return AClass->InheritsFrom(TComponent::StaticClass()); }
    String GetReference(TObject* AObject) override { return "dam:" + static_cast<TComponent*>(AObject)->Name(); }
    TComponent* FindReference(const String& AId) override { return FindComponent(Copy(AId, 5)); }
    void ObjectAdded(TObject*, TObject*) override { ++Added; }
    int Created = 0, Added = 0;
};

// A link to a dam.
class TSampleLink : public TPersistent {
    DECLARE_CLASS(TSampleLink, TPersistent)
public:
    TSampleDam* Dam = nullptr;
};

TClass TSampleLink::StaticClass()
{
    static const TMetaClass meta("TSampleLink", TPersistent::StaticClass(), NewObject<TSampleLink>,
                                 [](TMetaClass& m) { TPublished<TSampleLink>(&m).Property("Dam", &TSampleLink::Dam); });
    return &meta;
}

// A box that chooses its own properties: Width is never saved, Caption never loaded.
class TFilteredBox : public TComponent, public IGxPersistenceFilter {
    DECLARE_CLASS(TFilteredBox, TComponent)
public:
    using TComponent::TComponent;
    bool GetInterface(const TGUID& iid, void** obj) override
    {
        if (iid == IGxPersistenceFilter::IID) return ProvideInterface<IGxPersistenceFilter>(this, obj);
        return inherited::GetInterface(iid, obj);
    }
    HResult QueryInterface(const TGUID& iid, void** obj) override { return TComponent::QueryInterface(iid, obj); }
    Integer _AddRef() override { return -1; }
    Integer _Release() override { return -1; }
    bool CanSaveProperty(TObject*, const String& APropertyName, TTypeKind) override { return APropertyName != "Width"; }
    bool CanLoadProperty(TObject*, const String& APropertyName, TTypeKind) override { return APropertyName != "Caption"; }
    Integer Width = 0;
    String Caption;
};

TClass TFilteredBox::StaticClass()
{
    static const TMetaClass meta("TFilteredBox", TComponent::StaticClass(), NewComponent<TFilteredBox>, [](TMetaClass& m) {
        TPublished<TFilteredBox>(&m).Property("Width", &TFilteredBox::Width).Property("Caption", &TFilteredBox::Caption);
    });
    return &meta;
}

// A collection that names its item class and makes its items itself.
class TJointCollection : public TCollection, public IGxItemClassProvider, public IGxCollectionItemFactory {
public:
    TJointCollection() : TCollection(TSampleJoint::StaticClass()) {}
    bool GetInterface(const TGUID& iid, void** obj) override
    {
        if (iid == IGxItemClassProvider::IID) return ProvideInterface<IGxItemClassProvider>(this, obj);
        if (iid == IGxCollectionItemFactory::IID) return ProvideInterface<IGxCollectionItemFactory>(this, obj);
        return TCollection::GetInterface(iid, obj);
    }
    HResult QueryInterface(const TGUID&, void**) override { return E_NOINTERFACE; }
    Integer _AddRef() override { return -1; }
    Integer _Release() override { return -1; }
    TClass GetItemClass() override { return TSampleJoint::StaticClass(); }
    TCollectionItem* AddItem(TObject*) override
    {
        ++Made;
        return Insert(0);   // newest first
    }
    int Made = 0;
};

// A font that publishes its size in points.
class TSampleFont : public TFont {
    DECLARE_CLASS(TSampleFont, TFont)
};

TClass TSampleFont::StaticClass()
{
    static const TMetaClass meta("TSampleFont", TFont::StaticClass(), NewObject<TSampleFont>, [](TMetaClass& m) {
        TPublished<TSampleFont>(&m).Property("Size", &TFont::Size, &TFont::SetSize);
    });
    return &meta;
}

const bool Registered = (RegisterClasses({TSampleBox::StaticClass(), TSampleJoint::StaticClass(),
                                          TSampleMaterial::StaticClass(), TSampleDam::StaticClass(),
                                          TSampleFont::StaticClass(), TSampleSurvey::StaticClass(),
                                          TFilteredBox::StaticClass()}),
                         true);

String Save(TObject* object)
{
    TStringStream stream;
    TGxPersistence::SaveSettingsToStream(object, &stream);
    return stream.DataString();
}

void Load(TObject* object, const String& text)
{
    TStringStream stream(text);
    TGxPersistence::LoadSettingsFromStream(object, &stream);
}

String LoadError(TObject* object, const String& text)
{
    try {
        Load(object, text);
    } catch (const Exception& e) {
        return e.Message();
    }
    return String();
}

// Resets the process-wide settings a test changes.
class Settings : public ::testing::Test {
protected:
    void TearDown() override
    {
        TGxPersistence::PersistenceTypeName = "$type";
        TGxPersistence::PersistenceExcludeProperties.clear();
        TGxPersistence::PersistenceRootObject = nullptr;
        TGxPersistence::PersistenceIOReference = nullptr;
    }
};

TEST_F(Settings, MembersInNameOrderAfterTheType)
{
    ASSERT_TRUE(Registered);
    TSampleBox box;
    box.Width = 10;
    box.Caption = "a";
    box.Color = clRed;
    EXPECT_EQ(Save(&box), "{\"$type\":\"TSampleBox\",\"Caption\":\"a\",\"Color\":\"#FF0000\",\"Width\":10}");
    box.Color = -1;
    EXPECT_EQ(Save(&box), "{\"$type\":\"TSampleBox\",\"Caption\":\"a\",\"Color\":\"gcNull\",\"Width\":10}");
    box.Color = clBtnFace;   // system colours are written as their current value
    const String text = Save(&box);
    EXPECT_EQ(Copy(text, Pos("#", text), 7), "#" + IntToHex(GetRValue(ColorToRGB(clBtnFace)), 2) +
                                                 IntToHex(GetGValue(ColorToRGB(clBtnFace)), 2) +
                                                 IntToHex(GetBValue(ColorToRGB(clBtnFace)), 2));
    TGxPersistence::PersistenceTypeName = "";
    box.Color = clRed;
    EXPECT_EQ(Save(&box), "{\"Caption\":\"a\",\"Color\":\"#FF0000\",\"Width\":10}");
}

TEST_F(Settings, ColoursReadInBothLetterCases)
{
    struct Case {
        const char* Text;
        TColor Expected;
    } cases[] = {{"gcNull", -1}, {"#00FF00", 256 * 255}, {"#00ff00", 256 * 255}, {"#0a0B0c", 0x0C0B0A},
                 {"#FF", 0xFF},  {"#", 0}};
    for (const Case& c : cases) {
        TSampleBox box;
        Load(&box, String("{\"$type\":\"TSampleBox\",\"Color\":\"") + c.Text + "\"}");
        EXPECT_EQ(box.Color, c.Expected) << c.Text;
    }
}

TEST_F(Settings, ADamWithItsJointsPictureAndReferencesReadsBackEqual)
{
    TComponent owner(nullptr);
    auto* dam = new TSampleDam(&owner);
    dam->SetName("Dam1");
    auto* other = new TSampleDam(&owner);
    other->SetName("Upstream");
    dam->Caption = u"Barrage \"Nord\" \u00e9t\u00e9";
    dam->Width = -120;
    dam->Color = 0x123456;
    dam->Height = 87.625;
    dam->Volume = 5000000000;
    dam->Kind = skButtress;
    dam->Visible = true;
    dam->Options = TSampleKinds{skArch, skButtress};
    dam->Grade = u'\u00c9';
    dam->Material.Density = 23.5;
    dam->Material.Tint = -1;
    const double elevations[] = {120.5, 95, 60.25};
    for (int i = 0; i < 3; ++i) {
        auto* joint = static_cast<TSampleJoint*>(dam->Joints.Add());
        joint->Elevation = elevations[i];
        joint->Label = "Joint " + IntToStr(i + 1);
        joint->Angle = -i * 5;
    }
    dam->Notes.Add("first line");
    dam->Notes.Add("");
    dam->Notes.Add(u"\u00bd \\ /");
    dam->Picture.Bitmap().SetSize(3, 2);
    dam->Picture.Bitmap().Canvas().SetPixel(2, 1, clBlue);
    dam->Partner = other;
    dam->OnChange = TNotifyEvent(dam, &TSampleDam::DamChanged);

    TGxPersistence::PersistenceRootObject = dam;   // handlers are the dam's own methods
    const String text = Save(dam);
    EXPECT_GT(Pos("\"OnChange\":\"DamChanged\"", text), 0) << text;
    EXPECT_GT(Pos("\"Area\":12.5", text), 0) << text;
    EXPECT_GT(Pos("\"Partner\":\"Upstream\"", text), 0) << text;
    EXPECT_GT(Pos("\"Kind\":2,", text), 0) << text;

    // read into a fresh dam of another owner that has its own "Upstream"
    TComponent owner2(nullptr);
    auto* back = new TSampleDam(&owner2);
    auto* other2 = new TSampleDam(&owner2);
    other2->SetName("Upstream");
    TGxPersistence::PersistenceRootObject = &owner2;
    Load(back, text);
    EXPECT_EQ(back->Name(), "Dam1");
    EXPECT_EQ(back->Caption, dam->Caption);
    EXPECT_EQ(back->Width, -120);
    EXPECT_EQ(back->Color, 0x123456);
    EXPECT_EQ(back->Height, 87.625);
    EXPECT_EQ(back->Volume, 5000000000);
    EXPECT_EQ(back->Kind, skButtress);
    EXPECT_TRUE(back->Visible);
    EXPECT_EQ(back->Options, (TSampleKinds{skArch, skButtress}));
    EXPECT_EQ(back->Grade, u'\u00c9');
    EXPECT_EQ(back->Material.Density, 23.5);
    EXPECT_EQ(back->Material.Tint, -1);
    ASSERT_EQ(back->Joints.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        auto* joint = static_cast<TSampleJoint*>(back->Joints.Items(i));
        EXPECT_EQ(joint->Elevation, elevations[i]);
        EXPECT_EQ(joint->Label, "Joint " + IntToStr(i + 1));
        EXPECT_EQ(joint->Angle, -i * 5);
    }
    ASSERT_EQ(back->Notes.Count(), 3);
    EXPECT_EQ(back->Notes.CommaText(), dam->Notes.CommaText());
    ASSERT_TRUE(dynamic_cast<TBitmap*>(back->Picture.Graphic()));
    EXPECT_EQ(back->Picture.Bitmap().Canvas().Pixel(2, 1), clBlue);
    EXPECT_EQ(back->Picture.Width(), 3);
    EXPECT_EQ(back->Partner, other2);
    EXPECT_FALSE(back->OnChange.Assigned());   // the owner publishes no "DamChanged"

    // with the dam itself as root the handler is bound to it
    TComponent owner3(nullptr);
    auto* third = new TSampleDam(&owner3);
    TGxPersistence::PersistenceRootObject = third;
    Load(third, text);
    EXPECT_TRUE(third->OnChange.Assigned());
    EXPECT_EQ(third->OnChange.Data(), third);
    EXPECT_EQ(third->Partner, nullptr);   // the root owns no component of that name

    // written again, the copy gives the same text
    back->OnChange = TNotifyEvent(back, &TSampleDam::DamChanged);
    TGxPersistence::PersistenceRootObject = back;
    const String again = Save(back);
    EXPECT_EQ(again, text);
}

TEST_F(Settings, GenericListsAndDictionariesReadBackIntoTheSameLists)
{
    TSampleSurvey survey;
    survey.Levels.Add(120.5);
    survey.Levels.Add(-3e-5);
    survey.Counts.Add(7);
    survey.Counts.Add(-2);
    survey.Names.Add("crest");
    survey.Names.Add(u"pied \"aval\"");
    auto* concrete = new TSampleMaterial;
    concrete->Density = 23.5;
    survey.Materials.Add(concrete);
    survey.Materials.Add(nullptr);
    auto* rock = new TSampleMaterial;
    rock->Density = 26;
    survey.ByZone.Add("foundation", rock);
    survey.ByZone.Add("body", new TSampleMaterial);
    const String text = Save(&survey);
    EXPECT_GT(Pos("\"Counts\":[7,-2]", text), 0) << text;
    EXPECT_GT(Pos("\"Levels\":[120.5,-3E-5]", text), 0) << text;
    EXPECT_GT(Pos("\"ByZone\":[{\"foundation\":{\"$type\":\"TSampleMaterial\",\"Density\":26,", text), 0) << text;
    EXPECT_GT(Pos(",null]", text), 0) << text;

    TSampleSurvey back;
    back.Counts.Add(99);   // replaced, not added to
    Load(&back, text);
    ASSERT_EQ(back.Counts.Count(), 2);
    EXPECT_EQ(back.Counts.Items(1), -2);
    ASSERT_EQ(back.Levels.Count(), 2);
    EXPECT_EQ(back.Levels.Items(0), 120.5);
    EXPECT_EQ(back.Levels.Items(1), -3e-5);
    ASSERT_EQ(back.Names.Count(), 2);
    EXPECT_EQ(back.Names.Items(1), String(u"pied \"aval\""));
    ASSERT_EQ(back.Materials.Count(), 1);   // nulls are skipped
    EXPECT_EQ(back.Materials.Item(0)->Density, 23.5);
    ASSERT_EQ(back.ByZone.Count(), 2);
    EXPECT_EQ(back.ByZone.Keys(0), "foundation");
    EXPECT_EQ(static_cast<TSampleMaterial*>(back.ByZone.Find("foundation"))->Density, 26);

    // an element of another class than the list's is refused
    EXPECT_EQ(LoadError(&back, "{\"$type\":\"TSampleSurvey\",\"Materials\":[{\"$type\":\"TSampleBox\"}]}"),
              "Type \"TSampleBox\" does not inherit from TSampleMaterial");
    EXPECT_TRUE(TGxPersistence::IsGenericList(TGenericList<Integer>::StaticClass(), "integer"));
    EXPECT_FALSE(TGxPersistence::IsGenericList(TGenericList<Integer>::StaticClass(), "Double"));
    EXPECT_TRUE(TGxPersistence::IsGenericDictionary(TGenericObjectDictionary<TSampleMaterial>::StaticClass()));
}

TEST_F(Settings, ReferenceOwnersFiltersAndItemFactories)
{
    TSampleRegistry registry(nullptr);
    auto* upstream = new TSampleDam(&registry);
    upstream->SetName("Upstream");
    TSampleLink link;
    link.Dam = upstream;

    // written as a reference when the property is not assigned by name
    TStringStream stream;
    {
        TGxWriter writer(&stream);
        writer.SetIOReference(&registry);
        writer.OnCustomIsAssignableProperty = [](TObject*, const String& name, bool& assignable) {
            if (name == "Dam") assignable = false;
        };
        writer.Write(&link);
    }
    const String text = stream.DataString();
    EXPECT_EQ(text, "{\"$type\":\"TSampleLink\",\"Dam\":\"dam:Upstream\"}");

    // read as a pending reference, set when the references are solved
    TSampleLink back;
    stream.SetPosition(0);
    TGxReader reader(&stream);
    reader.SetIOReference(&registry);
    reader.Read(&back);
    EXPECT_EQ(back.Dam, nullptr);
    reader.SolveReferences();
    EXPECT_EQ(back.Dam, upstream);
    EXPECT_EQ(TGxPersistence::PersistenceIOReference, &registry);   // the reader's setting is the process's too
    TGxPersistence::PersistenceIOReference = nullptr;

    // objects made by the reference owner, list elements reported to it
    TSampleSurvey survey;
    TStringStream list("{\"$type\":\"TSampleSurvey\",\"Materials\":[{\"$type\":\"TSampleMaterial\"},null,"
                       "{\"$type\":\"TSampleMaterial\",\"Density\":2}]}");
    TGxReader listReader(&list);
    listReader.SetIOReference(&registry);
    listReader.Read(&survey);
    EXPECT_EQ(registry.Created, 2);
    EXPECT_EQ(registry.Added, 2);
    EXPECT_EQ(survey.Materials.Count(), 2);
    TGxPersistence::PersistenceIOReference = nullptr;

    // the object's own filter instead of the exclusion list
    TFilteredBox box(nullptr);
    box.Width = 5;
    box.Caption = "kept";
    TGxPersistence::PersistenceExcludeProperties = {"Caption"};
    const String boxText = Save(&box);
    EXPECT_EQ(Pos("Width", boxText), 0) << boxText;
    EXPECT_GT(Pos("\"Caption\":\"kept\"", boxText), 0) << boxText;
    Load(&box, "{\"$type\":\"TFilteredBox\",\"Caption\":\"changed\",\"Width\":9}");
    EXPECT_EQ(box.Caption, "kept");
    EXPECT_EQ(box.Width, 9);

    // a collection's own item class and items
    TJointCollection joints;
    TStringStream items("[{\"$type\":\"TSampleJoint\",\"Angle\":1},{\"$type\":\"TSampleJoint\",\"Angle\":2}]");
    TGxReader itemsReader(&items);
    itemsReader.Read(&joints);
    EXPECT_EQ(joints.Made, 2);
    ASSERT_EQ(joints.Count(), 2);
    EXPECT_EQ(static_cast<TSampleJoint*>(joints.Items(0))->Angle, 2);
    TStringStream wrong("[{\"$type\":\"TSampleMaterial\"}]");
    TGxReader wrongReader(&wrong);
    EXPECT_THROW(wrongReader.Read(&joints), EGxReaderException);
}

TEST_F(Settings, ObjectsCreatedByClassName)
{
    TStringStream stream("{\"$type\":\"TSampleMaterial\",\"Density\":2.5,\"Tint\":\"#010203\"}");
    TGxReader reader(&stream);
    std::unique_ptr<TObject> object(reader.Read(TPersistent::StaticClass()));
    auto* material = dynamic_cast<TSampleMaterial*>(object.get());
    ASSERT_TRUE(material);
    EXPECT_EQ(material->Density, 2.5);
    EXPECT_EQ(material->Tint, 0x030201);

    struct Case {
        const char* Text;
        TClass Base;
        const char* Message;
    } cases[] = {
        {"{\"$type\":\"TNoSuchClass\"}", nullptr, "Type \"TNoSuchClass\" not found"},
        {"{\"$type\":\"TSampleMaterial\"}", TComponent::StaticClass(),
         "Type \"TSampleMaterial\" does not inherit from TComponent"},
        {"{\"Density\":1}", TPersistent::StaticClass(), "\"$type\" property not found in Object descriptor."},
        {"{\"$type\":\"TSampleMaterial\",\"Density\":\"x\"}", nullptr, "'x' is not a valid floating point value"},
    };
    for (const Case& c : cases) {
        TStringStream s(c.Text);
        TGxReader r(&s);
        String message;
        try {
            delete r.Read(c.Base);
        } catch (const Exception& e) {
            message = e.Message();
        }
        EXPECT_EQ(message, String(c.Message)) << c.Text;
    }
    TGxObjectArray array;
    {
        TStringStream s("{\"x\":[1],\"items\":[{\"$type\":\"TSampleBox\",\"Width\":3},null,{\"$type\":\"TSampleBox\"}]}");
        TGxReader r(&s);
        array = r.ReadArray("items");
    }
    ASSERT_EQ(array.size(), 2u);
    EXPECT_EQ(static_cast<TSampleBox*>(array[0])->Width, 3);
    for (TObject* o : array) delete o;
}

TEST_F(Settings, MissingTypeExclusionsUnknownAndReadOnlyMembers)
{
    TSampleBox box;
    EXPECT_EQ(LoadError(&box, "{\"Width\":1}"), "\"$type\" property not found in Object descriptor.");
    TGxPersistence::PersistenceTypeName = "";
    EXPECT_EQ(LoadError(&box, "{\"Width\":1}"), "");
    EXPECT_EQ(box.Width, 1);
    TGxPersistence::PersistenceTypeName = "$type";

    TGxPersistence::PersistenceExcludeProperties = {"CAPTION"};
    box.Caption = "kept";
    Load(&box, "{\"$type\":\"x\",\"Caption\":\"changed\",\"Nothing\":{\"a\":[1,{}]},\"Width\":7}");
    EXPECT_EQ(box.Caption, "kept");
    EXPECT_EQ(box.Width, 7);
    EXPECT_EQ(Pos("Caption", Save(&box)), 0);
    TGxPersistence::PersistenceExcludeProperties.clear();

    TComponent owner(nullptr);
    auto* dam = new TSampleDam(&owner);
    Load(dam, "{\"$type\":\"TSampleDam\",\"Area\":99,\"Width\":4}");   // "Area" has no setter
    EXPECT_EQ(dam->Area(), 12.5);
    EXPECT_EQ(dam->Width, 4);
    EXPECT_EQ(LoadError(dam, "{\"$type\":\"TSampleDam\",\"Width\":3000000000}"),
              "Invalid Json parser state. Expected state: 11");
    // an enumeration refuses a number outside it with the reader's error
    for (const char* kind : {"3", "-1", "2147483647"}) {
        try {
            Load(dam, "{\"$type\":\"TSampleDam\",\"Kind\":" + String(kind) + "}");
            ADD_FAILURE() << kind;
        } catch (const EGxReaderException& e) {
            EXPECT_EQ(e.Message(), "Value " + String(kind) + " out of range 0..2");
        }
        EXPECT_EQ(dam->Kind, skGravity) << kind;
    }
}

TEST_F(Settings, FontSizesOfAnotherToolkitAreConverted)
{
    TSampleFont font;
    font.SetSize(12);
    const String text = Save(&font);
    EXPECT_GT(Pos("\"Size\":12,\"IsFMX\":false", text), 0) << text;
    Load(&font, "{\"$type\":\"TSampleFont\",\"Size\":16,\"IsFMX\":true}");
    EXPECT_EQ(font.Size(), 12);
    Load(&font, "{\"$type\":\"TSampleFont\",\"Size\":16,\"IsFMX\":false}");
    EXPECT_EQ(font.Size(), 16);
}

TEST_F(Settings, NumbersAreWrittenWithADotUnderAFrenchSetting)
{
    const TFormatSettings saved = FormatSettings;
    FormatSettings = TFormatSettings::French();
    TComponent owner(nullptr);
    auto* dam = new TSampleDam(&owner);
    dam->Height = 1.5;
    const String text = Save(dam);
    auto* back = new TSampleDam(&owner);
    Load(back, text);
    const bool unchanged = FormatSettings.DecimalSeparator == u',' &&
                           FormatSettings.ThousandSeparator == TFormatSettings::French().ThousandSeparator;
    FormatSettings = saved;
    EXPECT_GT(Pos("\"Height\":1.5,", text), 0) << text;
    EXPECT_EQ(back->Height, 1.5);
    EXPECT_TRUE(unchanged);
}

TEST_F(Settings, FilesHoldTheSameText)
{
    TSampleBox box;
    box.Width = 5;
    const String file = "/tmp/gxpersistence-box.json";
    TGxPersistence::SaveSettingsToFile(&box, file);
    TSampleBox back;
    TGxPersistence::LoadSettingsFromFile(&back, file);
    EXPECT_EQ(back.Width, 5);
    TMemoryStream onDisk;
    onDisk.LoadFromFile(file);
    EXPECT_EQ(onDisk.Size(), Save(&box).Length());
}

TEST_F(Settings, AFillReadsBackEqual)
{
    TGxGraphicsFill fill(gfkSolid, clWhite, clGray, -1, -1);
    fill.SetKind(gfkGradient);
    fill.SetColor(0x102030);
    fill.SetColorTo(clNone);
    fill.SetOrientation(gfoHorizontal);
    fill.SetTextureMode(gtmTile);
    fill.Texture()->Bitmap().SetSize(2, 2);
    const String text = Save(&fill);
    EXPECT_GT(Pos("\"Color\":\"#302010\",\"ColorMirror\":\"gcNull\",\"ColorMirrorTo\":\"gcNull\","
                  "\"ColorTo\":\"gcNull\",\"Kind\":2,",
                  text),
              0)
        << text;
    TGxGraphicsFill back(gfkNone, clBlack, clBlack, clBlack, clBlack);
    Load(&back, text);
    EXPECT_EQ(back.Kind(), gfkGradient);
    EXPECT_EQ(back.Color(), 0x102030);
    EXPECT_EQ(back.ColorTo(), -1);
    EXPECT_EQ(back.ColorMirror(), -1);
    EXPECT_EQ(back.Orientation(), gfoHorizontal);
    EXPECT_EQ(back.TextureMode(), gtmTile);
    EXPECT_EQ(back.Texture()->Width(), 2);
}

TEST_F(Settings, TypePredicates)
{
    EXPECT_TRUE(TGxPersistence::IsCollection(TCollection::StaticClass()));
    EXPECT_TRUE(TGxPersistence::IsComponent(TSampleDam::StaticClass()));
    EXPECT_TRUE(TGxPersistence::IsBitmap(TGxBitmap::StaticClass()));
    EXPECT_TRUE(TGxPersistence::IsBitmap(TBitmap::StaticClass()));
    EXPECT_FALSE(TGxPersistence::IsBitmap(nullptr));
    EXPECT_FALSE(TGxPersistence::IsGenericList(TCollection::StaticClass()));
    EXPECT_TRUE(TGxPersistence::IsColor("TColor"));
    EXPECT_FALSE(TGxPersistence::IsColor("tcolor"));
    EXPECT_TRUE(TGxPersistence::IsFillKind("TGxGraphicsFillKind"));

    // what reflection tells of a property
    const TPropInfo* kind = GetPropInfo(TSampleDam::StaticClass(), "Kind");
    const TPropInfo* options = GetPropInfo(TSampleDam::StaticClass(), "Options");
    TStringList names;
    TGxPersistence::GetEnumValues(&names, kind);
    TGxPersistence::GetEnumValues(&names, options);
    EXPECT_EQ(names.CommaText(), "skGravity,skArch,skButtress,skGravity,skArch,skButtress");
    EXPECT_EQ(TGxPersistence::GetEnumName(TGxPersistence::GetPropInfoDataTypeInfo(kind), 2), "skButtress");
    EXPECT_EQ(TGxPersistence::GetPropInfoDataTypeInfo(GetPropInfo(TSampleDam::StaticClass(), "Visible")),
              &::TypeInfoOf(true));
    EXPECT_EQ(TGxPersistence::GetPropInfoDataTypeInfoClassType(GetPropInfo(TSampleDam::StaticClass(), "Material")),
              TSampleMaterial::StaticClass());
    EXPECT_EQ(TGxPersistence::GetPropInfoDataTypeInfoClassType(kind), nullptr);
    EXPECT_EQ(TGxPersistence::GetPropInfoTypeName(GetPropInfo(TSampleDam::StaticClass(), "Color")), "TColor");
    EXPECT_EQ(TGxPersistence::GetPropInfoType(options), tkSet);
    EXPECT_EQ(TGxPersistence::GetPropInfoName(options), "Options");
    EXPECT_TRUE(TGxPersistence::IsReadOnly(GetPropInfo(TSampleDam::StaticClass(), "Area")));
    EXPECT_FALSE(TGxPersistence::IsWriteOnly(GetPropInfo(TSampleDam::StaticClass(), "Area")));
}

}  // namespace
