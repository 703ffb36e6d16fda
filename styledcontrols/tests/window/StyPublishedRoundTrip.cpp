#include "StyPublishedRoundTrip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/classes/Collection.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/classes/TypInfo.h"

namespace {

// A property reached through the value objects above it.
struct TLeaf {
    std::string Path;
    std::vector<const TPropInfo*> Chain;
};

TObject* Holder(TObject* target, const TLeaf& leaf)
{
    for (size_t i = 0; i + 1 < leaf.Chain.size() && target; ++i) target = GetObjectProp(target, leaf.Chain[i]);
    return target;
}

bool Has(const std::vector<std::string>& list, const std::string& name)
{
    return std::find(list.begin(), list.end(), name) != list.end();
}

void Collect(TObject* object, const std::string& prefix, std::vector<const TPropInfo*> chain, TClass base,
             std::vector<TLeaf>& leaves)
{
    for (const TPropInfo* prop : GetPropList(object->ClassType())) {
        if (base && GetPropInfo(base, prop->Name)) continue;
        std::vector<const TPropInfo*> here = chain;
        here.push_back(prop);
        const std::string path = prefix + prop->Name.ToUtf8();
        if (prop->Kind == tkClass) {
            TObject* value = GetObjectProp(object, prop);
            if (value && !dynamic_cast<TComponent*>(value) && !dynamic_cast<TCollection*>(value))
                Collect(value, path + ".", here, nullptr, leaves);
            continue;
        }
        // events need a form's methods; About is design-time text that is never stored
        if (prop->Kind == tkMethod || prop->Kind == tkStrings || prop->ReadOnly || prop->Name == "About") continue;
        leaves.push_back({path, here});
    }
}

std::string ValueText(TObject* holder, const TPropInfo* prop)
{
    switch (prop->Kind) {
    case tkFloat: return std::to_string(static_cast<double>(GetFloatProp(holder, prop)));
    case tkString: return GetStrProp(holder, prop).ToUtf8();
    default: return std::to_string(GetOrdProp(holder, prop));
    }
}

// The description text of a value other than the one the holder has; empty when none is known.
std::string OtherValue(TObject* holder, const TPropInfo* prop)
{
    switch (prop->Kind) {
    case tkEnumeration: {
        const Int64 v = GetOrdProp(holder, prop);
        return prop->EnumType->ValueName((v + 1) % prop->EnumType->Count()).ToUtf8();
    }
    case tkSet: return SetToString(*prop->EnumType, GetOrdProp(holder, prop) ^ 1).ToUtf8();
    case tkInteger:
    case tkInt64: return std::to_string(GetOrdProp(holder, prop) + 3);
    case tkFloat: return std::to_string(static_cast<double>(GetFloatProp(holder, prop)) + 1.5);
    case tkString: return "'" + GetStrProp(holder, prop).ToUtf8() + "Zq'";
    default: return "";
    }
}

}  // namespace

void ExpectPublishedRoundTrip(const TPublishedFamily& f)
{
    SCOPED_TRACE(f.Title);
    for (const char* name : f.Listed) EXPECT_NE(GetPropInfo(f.Class, name), nullptr) << name << " is not published";

    std::unique_ptr<TComponent> plain(ReadComponentText(String(f.Before + f.After)));
    TPersistent* plainTarget = f.Target(plain.get());
    ASSERT_NE(plainTarget, nullptr);
    std::vector<TLeaf> leaves;
    Collect(plainTarget, "", {}, f.Base, leaves);
    std::erase_if(leaves, [&](const TLeaf& l) { return Has(f.Skipped, l.Path); });

    // at their defaults nothing is written
    const std::string plainText = WriteComponentText(plain.get()).ToUtf8();
    auto line = [&](const TLeaf& l) { return "\n" + f.Indent + l.Path + " = "; };
    for (const TLeaf& l : leaves)
        if (!Has(f.Written, l.Path))
            EXPECT_EQ(plainText.find(line(l)), std::string::npos) << l.Path << " written at its default";

    std::string lines;
    for (const TLeaf& l : leaves) {
        const auto sample = f.Samples.find(l.Path);
        const std::string value =
            sample != f.Samples.end() ? sample->second : OtherValue(Holder(plainTarget, l), l.Chain.back());
        ASSERT_FALSE(value.empty()) << l.Path << " needs a sample value";
        lines += f.Indent + l.Path + " = " + value + "\n";
    }
    std::unique_ptr<TComponent> read(ReadComponentText(String(f.Before + lines + f.After)));
    const std::string written = WriteComponentText(read.get()).ToUtf8();
    std::unique_ptr<TComponent> again(ReadComponentText(String(written)));
    TPersistent* readTarget = f.Target(read.get());
    TPersistent* againTarget = f.Target(again.get());
    ASSERT_TRUE(readTarget && againTarget);
    for (const TLeaf& l : leaves) {
        const TPropInfo* prop = l.Chain.back();
        const std::string before = ValueText(Holder(plainTarget, l), prop);
        const std::string value = ValueText(Holder(readTarget, l), prop);
        EXPECT_NE(value, before) << l.Path << " not read";
        EXPECT_NE(written.find(line(l)), std::string::npos) << l.Path << " not written";
        EXPECT_EQ(ValueText(Holder(againTarget, l), prop), value) << l.Path << " not read back";
    }
}
