#include <gtest/gtest.h>

#include "platform/classes/Component.h"
#include "platform/classes/Persistent.h"
#include "platform/rtl/Exceptions.h"

namespace {

// Knows how to copy itself from another TPoint3 and into a TVector3.
class TPoint3 : public TPersistent {
    DECLARE_CLASS(TPoint3, TPersistent)
public:
    int X = 0;
    void Assign(TPersistent* Source) override
    {
        if (auto* p = dynamic_cast<TPoint3*>(Source))
            X = p->X;
        else
            inherited::Assign(Source);
    }
protected:
    void AssignTo(TPersistent* Dest) override;
};

class TVector3 : public TPersistent {
    DECLARE_CLASS(TVector3, TPersistent)
public:
    int DX = 0;
};

void TPoint3::AssignTo(TPersistent* Dest)
{
    if (auto* v = dynamic_cast<TVector3*>(Dest))
        v->DX = X;
    else
        inherited::AssignTo(Dest);
}

class TOther : public TPersistent {
    DECLARE_CLASS(TOther, TPersistent)
};

IMPLEMENT_CLASS(TPoint3, TPersistent, NewObject<TPoint3>)
IMPLEMENT_CLASS(TVector3, TPersistent, NewObject<TVector3>)
IMPLEMENT_CLASS(TOther, TPersistent, NewObject<TOther>)

// A persistent part of a component, named after it.
class TPart : public TPersistent {
    DECLARE_CLASS(TPart, TPersistent)
public:
    explicit TPart(TPersistent* owner) : FOwner(owner) {}
    TPersistent* GetOwner() override { return FOwner; }
private:
    TPersistent* FOwner;
};

IMPLEMENT_CLASS(TPart, TPersistent, nullptr)

String AssignMessage(TPersistent* dest, TPersistent* source)
{
    try {
        dest->Assign(source);
    } catch (const EConvertError& e) {
        return e.Message();
    }
    return "assigned";
}

}  // namespace

TEST(Assign, CopiesWhereEitherSideKnowsHowAndOtherwiseRaisesTheConversionError)
{
    TPoint3 point, point2;
    TVector3 vector;
    TOther other;
    point.X = 5;
    struct Case {
        TPersistent* dest;
        TPersistent* source;
        const char* message;
    };
    const Case cases[] = {
        {&point2, &point, "assigned"},                              // the destination's Assign
        {&vector, &point, "assigned"},                              // the source's AssignTo
        {&point, &vector, "Cannot assign a TVector3 to a TPoint3"},  // neither side
        {&other, &vector, "Cannot assign a TVector3 to a TOther"},
        {&vector, nullptr, "Cannot assign a nil to a TVector3"},
        {&point, nullptr, "Cannot assign a nil to a TPoint3"},
    };
    for (const Case& c : cases) EXPECT_EQ(AssignMessage(c.dest, c.source), c.message) << c.message;
    EXPECT_EQ(point2.X, 5);
    EXPECT_EQ(vector.DX, 5);
}

TEST(NamePath, ClassNameAfterTheOwnersPath)
{
    TComponent form(nullptr);
    form.SetName("Form1");
    TPart part(&form);
    TPart inner(&part);
    TPart orphan(nullptr);
    TComponent unnamed(nullptr);
    TPart underUnnamed(&unnamed);

    EXPECT_EQ(form.GetNamePath(), "Form1");
    EXPECT_EQ(part.GetNamePath(), "Form1.TPart");
    EXPECT_EQ(inner.GetNamePath(), "Form1.TPart.TPart");
    EXPECT_EQ(orphan.GetNamePath(), "TPart");
    EXPECT_EQ(underUnnamed.GetNamePath(), "TPart");
}
