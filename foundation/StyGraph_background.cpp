// Parent backgrounds: a transparent control finds the background bitmap of its parent (or of the
// form's background provider) through IStyBackground and maps its points into it.
#include "foundation/StyGraph.h"
#include "foundation/intfStyBase.h"
#include "platform/controls/Controls.h"

namespace {

IStyBackground* Background(TComponent* component)
{
    void* obj = nullptr;
    return StySupports(component, IStyBackground::IID, &obj) ? static_cast<IStyBackground*>(obj) : nullptr;
}

bool IsForm(const TWinControl* control) { return control && !control->Parent(); }

// The first component owned by the form that is not a control and offers a background.
IStyBackground* FormProvider(TWinControl* form)
{
    for (Integer i = 0; i < form->ComponentCount(); ++i) {
        TComponent* c = form->Components(i);
        if (dynamic_cast<TControl*>(c)) continue;
        if (IStyBackground* b = Background(c)) return b;
    }
    return nullptr;
}

}  // namespace

TBitmap* GetParentBackBitmap(TControl* Control)
{
    TWinControl* parent = Control ? Control->Parent() : nullptr;
    if (!parent) return nullptr;
    if (IsForm(parent)) {
        IStyBackground* provider = FormProvider(parent);
        return provider ? provider->BackBitmap() : nullptr;
    }
    IStyBackground* b = Background(parent);
    return b ? b->BackBitmap() : nullptr;
}

bool ParentBackBitmapCheck(TControl* Control)
{
    IStyBackground* own = Background(Control);
    TWinControl* parent = Control ? Control->Parent() : nullptr;
    if (!own || !parent) return false;
    if (IsForm(parent)) {
        IStyBackground* provider = FormProvider(parent);
        return provider && provider->BackBitmapCheck();
    }
    IStyBackground* b = Background(parent);
    return b && own->isTransparentSet() && b->BackBitmapCheck();
}

void MapPointToParentBack(TControl* Control, TPoint Point, TPoint& Result)
{
    Result = Point;
    TWinControl* parent = Control ? Control->Parent() : nullptr;
    if (!parent) return;
    if (IsForm(parent)) {
        if (FormProvider(parent)) Result = {Control->Left() + Point.X, Control->Top() + Point.Y};
        return;
    }
    if (IStyBackground* b = Background(parent)) {
        const TPoint at = b->BackMapPoint({Control->Left(), Control->Top()});
        Result = {Point.X + at.X, Point.Y + at.Y};
    }
}

Cardinal GetParentBackPalette(TControl*) { return 0; }

void UpdateBackControls(TControl* Control)
{
    IStyBackground* own = Background(Control);
    if (!own) return;
    for (Integer i = 0; i < own->BackControlCount(); ++i) {
        TControl* user = own->BackControl(i);
        if (user == Control) continue;
        if (IStyBackground* b = Background(user)) b->BackUpdate();
    }
}
