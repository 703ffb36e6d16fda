#pragma once
// The up-down control: two arrow buttons that step a position.  The class goes by its base-class
// name, TCustomUpDown: TUpDown is the dam model's crack record, and two classes of one name in one
// program would share (and break) each other's destructors.
#include "platform/stdctrls/StdCtrls.h"

enum TUDOrientation { udHorizontal, udVertical };
enum TUDBtnType { btNext, btPrev };
using TUDClickEvent = TEvent<TObject*, TUDBtnType>;
using TUDChangingEvent = TEvent<TObject*, bool&>;

// Two arrow buttons that step Position by Increment between Min and Max (round with Wrap).  The
// associated control shows the position as its text.  OnChanging may refuse a step; OnClick
// follows each step.  Up (or right) is btNext.  A held button steps again and again
// (ButtonRepeatDelay, ButtonRepeatInterval).
class TCustomUpDown : public TCustomControl {
    DECLARE_CLASS(TCustomUpDown, TCustomControl)
public:
    explicit TCustomUpDown(TComponent* AOwner);
    ~TCustomUpDown() override;
    SmallInt Min() const { return FMin; }
    void SetMin(SmallInt value) { FMin = value; SetPosition(FPosition); }
    SmallInt Max() const { return FMax; }
    void SetMax(SmallInt value) { FMax = value; SetPosition(FPosition); }
    SmallInt Position() const { return FPosition; }
    void SetPosition(SmallInt value);
    Integer Increment() const { return FIncrement; }
    void SetIncrement(Integer value) { FIncrement = value; }
    bool Wrap() const { return FWrap; }
    void SetWrap(bool value) { FWrap = value; }
    TUDOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TUDOrientation value);
    TWinControl* Associate() const { return FAssociate; }
    void SetAssociate(TWinControl* value);
    // One step as a click of the button gives.
    void Step(TUDBtnType button);

    TUDClickEvent OnClick;
    TUDChangingEvent OnChanging;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& message) override;

private:
    void ShowPosition();
    Integer ButtonAt(Integer X, Integer Y) const;
    void StepPressed();
    SmallInt FMin = 0, FMax = 100, FPosition = 0;
    Integer FIncrement = 1;
    bool FWrap = false;
    TUDOrientation FOrientation = udVertical;
    TWinControl* FAssociate = nullptr;
    Integer FPressed = -1;   // 0 first (up/left) button, 1 second
    bool FOver = false;      // the pointer is on the pressed button
};

const TEnumTypeInfo& TypeInfoOf(TUDOrientation);
