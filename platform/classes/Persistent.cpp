#include "platform/classes/Persistent.h"

#include "platform/rtl/Exceptions.h"

IMPLEMENT_CLASS(TPersistent, TObject, NewObject<TPersistent>)
IMPLEMENT_CLASS(TFiler, TObject, nullptr)
IMPLEMENT_CLASS(TReader, TFiler, nullptr)
IMPLEMENT_CLASS(TWriter, TFiler, nullptr)

void TPersistent::Assign(TPersistent* Source)
{
    if (Source)
        Source->AssignTo(this);
    else
        AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest)
{
    Dest->AssignError(this);
}

void TPersistent::AssignError(TPersistent* Source)
{
    String sourceName = Source ? Source->ClassName() : String("nil");
    throw EConvertError("Cannot assign a " + sourceName + " to a " + ClassName());
}

void TPersistent::DefineProperties(TFiler*) {}

TPersistent* TPersistent::GetOwner()
{
    return nullptr;
}

String TPersistent::GetNamePath()
{
    String result = ClassName();
    if (TPersistent* owner = GetOwner()) {
        String ownerPath = owner->GetNamePath();
        if (!ownerPath.IsEmpty()) result = ownerPath + "." + result;
    }
    return result;
}
