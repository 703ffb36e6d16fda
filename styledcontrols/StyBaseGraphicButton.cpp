// The windowless button: its states under the mouse, the group it may stay pressed in, the
// auto-repeat and hover timers, the drop-down menu and the drawing of picture and caption.
#include "styledcontrols/StyBaseGraphicButton.h"

#include "foundation/StySysInfo.h"
#include "platform/forms/Forms.h"

TClass TStyBaseGraphicButton::StaticClass()
{
    static const TMetaClass meta("TStyBaseGraphicButton", TStyBaseGraphicControl::StaticClass(), nullptr,
                                 [](TMetaClass& m) {
        m.OnMessage(CM_BUTTONPRESSED, &TStyBaseGraphicButton::CMButtonPressed);
        m.OnMessage(CM_DIALOGCHAR, &TStyBaseGraphicButton::CMDialogChar);
        m.OnMessage(CM_ENABLEDCHANGED, &TStyBaseGraphicButton::CMEnabledChanged);
        m.OnMessage(CM_FONTCHANGED, &TStyBaseGraphicButton::CMFontChanged);
        m.OnMessage(CM_TEXTCHANGED, &TStyBaseGraphicButton::CMTextChanged);
        m.OnMessage(WM_LBUTTONDBLCLK, &TStyBaseGraphicButton::WMLButtonDblClk);
        TPublished<TStyBaseGraphicButton>(&m)
            .Property("HideHint", &TStyBaseGraphicButton::HideHint, &TStyBaseGraphicButton::SetHideHint)
            .Default(true)
            .Property("UseGlobalTimer", &TStyBaseGraphicButton::UseGlobalTimer,
                      &TStyBaseGraphicButton::SetUseGlobalTimer)
            .Default(false)
            .Property("AutoSize", &TStyBaseGraphicButton::AutoSize, &TStyBaseGraphicButton::SetAutoSize)
            .Default(false)
            .Property("UsePngGlyph", &TStyBaseGraphicButton::UsePngGlyph, &TStyBaseGraphicButton::SetUsePngGlyph)
            .Default(false);
    });
    return &meta;
}

TStyBaseGraphicButton::TStyBaseGraphicButton(TComponent* AOwner)
    : TStyBaseGraphicControl(AOwner),
      FButtonLayout(std::make_unique<TStyButtonLayout>(nullptr)),
      FFontFx(std::make_unique<TStyFxCaption>(nullptr)),
      FGlyph(std::make_unique<TStyGlyph>()),
      FPngGlyph(std::make_unique<TPngImage>())
{
    // The button clicks from its own release handling, so the control's click on release is off.
    FControlStyle.Exclude(csSetCaption);
    FControlStyle.Exclude(csClickEvents);
    FControlStyle.Include(csCaptureMouse);
    FControlStyle.Include(csOpaque);
    FControlStyle.Include(csDoubleClicks);
    FButtonLayout->OnChange = TNotifyEvent(this, &TStyBaseGraphicButton::ObjectChanged);
    FFontFx->OnChange = TNotifyEvent(this, &TStyBaseGraphicButton::FontChanged);
    FGlyph->OnChange = TNotifyEvent(this, &TStyBaseGraphicButton::GlyphChanged);
    FGlyph->OnGetBitmap = [this](TObject* sender, TBitmap& b, bool& handled) { GetGlyphBitmap(sender, b, handled); };
    SetBounds(Left(), Top(), 25, 25);
}

TStyBaseGraphicButton::~TStyBaseGraphicButton()
{
    StopTimer(0);
    StopTimer(1);
    FButtonLayout->OnChange = TNotifyEvent();
    FGlyph->OnChange = TNotifyEvent();
    FGlyph->OnGetBitmap = nullptr;
    FFontFx->OnChange = TNotifyEvent();
}

// ---------------------------------------------------------------- properties

void TStyBaseGraphicButton::SetDropDownMenu(TPopupMenu* Value)
{
    if (Value == FDropDown) return;
    FDropDown = Value;
    if (FDropDown) FDropDown->FreeNotification(this);
    UpdateUsed();
    if (FDropDownCombo) ObjectChanged(nullptr);
}

void TStyBaseGraphicButton::SetDropDownComboWidth(Integer Value)
{
    if (Value == FDropdownComboWidth) return;
    if (!ComponentState().Contains(csLoading) && FDropDownCombo) SetWidth(Width() + Value - FDropdownComboWidth);
    FDropdownComboWidth = Value;
    UpdateUsed();
    ObjectChanged(nullptr);
}

void TStyBaseGraphicButton::SetDropDownCombo(bool Value)
{
    if (Value == FDropDownCombo) return;
    FDropDownCombo = Value;
    if (!ComponentState().Contains(csLoading))
        SetWidth(Width() + (Value ? FDropdownComboWidth : -FDropdownComboWidth));
    UpdateUsed();
    ObjectChanged(nullptr);
}

void TStyBaseGraphicButton::SetGroupIndex(Integer Value)
{
    if (Value == FGroupIndex) return;
    FGroupIndex = Value;
    NotifyGroup();
}

void TStyBaseGraphicButton::SetAllowAllUp(bool Value)
{
    if (Value == FAllowAllUp) return;
    FAllowAllUp = Value;
    NotifyGroup();
}

// Only a button of a group can be pressed; a pressed one is released through the property only
// when the group allows all buttons up.
void TStyBaseGraphicButton::SetPressed(bool Value)
{
    const bool value = FGroupIndex != 0 && Value;
    if (value == FPressed || (FPressed && !FAllowAllUp)) return;
    FPressed = value;
    FState = value ? bsOptionSet : bsUp;
    Invalidate();
    if (value) NotifyGroup();
}

void TStyBaseGraphicButton::SetAutoSize(bool Value)
{
    if (Value == FAutoSize) return;
    FAutoSize = Value;
    if (Value) Invalidate();
}

void TStyBaseGraphicButton::SetTransparent(bool Value)
{
    if (Value == FButtonTransparent) return;
    FButtonTransparent = Value;
    if (Value) FControlStyle.Exclude(csOpaque);
    else FControlStyle.Include(csOpaque);
    Invalidate();
}

// The glyph strip emptied without the glyph hearing of it.
void TStyBaseGraphicButton::DropGlyphQuietly()
{
    auto handler = FGlyph->OnChange;
    FGlyph->OnChange = TNotifyEvent();
    auto bitmapHandler = FGlyph->Glyph().OnChange;
    FGlyph->Glyph().OnChange = nullptr;
    FGlyph->Glyph().SetSize(0, 0);
    FGlyph->Glyph().OnChange = bitmapHandler;
    FGlyph->OnChange = handler;
}

void TStyBaseGraphicButton::SetGlyphKind(TStyGlyphKind Value)
{
    if (Value == FGlyphKind) return;
    FGlyphKind = Value;
    if (Value != gkCustom) {
        DropGlyphQuietly();
        FChangeLink.Link(nullptr);
        if (FImageList) FImageList->RemoveFreeNotification(this);
        FImageList = nullptr;
    }
    FGlyph->Changed(true);
}

void TStyBaseGraphicButton::SetNumGlyphs(Integer Value)
{
    if (ComponentState().Contains(csLoading)) FloadingNumGlyphs = Value & 0x7F;
    else FGlyph->SetNumGlyphs(Value);
}

void TStyBaseGraphicButton::SetImageList(TComponent* Value)
{
    if (Value != FImageList) {
        TStyBaseGraphicControl::SetImageList(Value);
        if (Value) {
            DropGlyphQuietly();
            FGlyphKind = gkCustom;
        }
    }
    FGlyph->Changed(true);
}

void TStyBaseGraphicButton::SetPngGlyph(TPngImage* Value)
{
    FPngGlyph->Assign(Value);
    Invalidate();
}

void TStyBaseGraphicButton::SetUsePngGlyph(bool Value)
{
    FUsePngGlyph = Value;
    Invalidate();
}

void TStyBaseGraphicButton::GlyphChanged(TObject*)
{
    if (!FGlyph->Glyph().Empty()) {
        FChangeLink.Link(nullptr);
        if (FImageList) FImageList->RemoveFreeNotification(this);
        FImageList = nullptr;
        FGlyphKind = gkCustom;
    }
    Invalidate();
}

// The picture when the strip is empty: the image list's item, else the standard glyph of the kind.
void TStyBaseGraphicButton::GetGlyphBitmap(TObject*, TBitmap& B, bool& AHandled)
{
    if (!FGlyph->Glyph().Empty()) {
        AHandled = false;
        return;
    }
    if (FImageList && ImageListValidItem(FImageList, FListIndex, FIndex)) {
        GetImageListBitmap(FImageList, FListIndex, FIndex, clNone, &B);
        AHandled = true;
    } else if (FGlyphKind != gkCustom) {
        LoadStandardGlyph(&B, FGlyphKind);
        AHandled = true;
    }
}

// A font that cannot be turned keeps the caption upright; a turned caption needs a font that can.
// (A change of the button's own font already ends ParentFont; one that comes from the parent
// keeps it.)
void TStyBaseGraphicButton::FontChanged(TObject* Sender)
{
    if (ComponentState().Contains(csLoading)) return;
    Canvas().Font().Assign(&Font());
    if (FFontFx->Angle() != 0 && !IsTrueTypeFont(Canvas())) {
        if (Sender == &Font()) FFontFx->SetAngle(0);
        else Font().SetName("Arial");
    }
    ObjectChanged(Sender);
}

void TStyBaseGraphicButton::Loaded()
{
    TStyBaseGraphicControl::Loaded();
    UpdateUsed();
    FGlyph->SetNumGlyphs(FloadingNumGlyphs);
}

void TStyBaseGraphicButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TStyBaseGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDropDown) {
        FDropDown = nullptr;
        UpdateUsed();
    }
}

TRect TStyBaseGraphicButton::GetNeededSizeRect()
{
    TRect r = ClientRect();
    return FGlyph->CalcGlyphAndTextRect(Canvas(), GetCaptionText(), FFontFx.get(), r, FState, FButtonLayout.get(),
                                        {dtEnabled, dt3DDisabled, dtRectGlyphText}, FMultiLine, 0);
}

// ---------------------------------------------------------------- states and timers

void TStyBaseGraphicButton::StartTimer(Integer Index, Word Interval, void (TStyBaseGraphicButton::*Event)(TObject*))
{
    FTimerID[Index] = std::make_unique<TStyTimer>(Interval, TNotifyEvent(this, Event), true, FUseGlobalTimer);
}

void TStyBaseGraphicButton::StopTimer(Integer Index)
{
    auto& timer = FTimerID[Index];
    if (!timer) return;
    timer->SetEnabled(false);
    timer->OnTimer = TNotifyEvent();
    timer.reset();
}

bool TStyBaseGraphicButton::InactiveMDIApplication() const
{
    auto* form = dynamic_cast<TForm*>(Owner());
    return form && (form->FormStyle() == fsMDIChild || form->FormStyle() == fsMDIForm) && !Application->Active();
}

void TStyBaseGraphicButton::DoStateChange(TStyButtonState NewState, bool ForceUpdate)
{
    if (InactiveMDIApplication()) {
        if (FInternal != 1 || NewState != bsMouseOver) return;
        NewState = bsUp;
    }
    if (NewState == FState && !ForceUpdate) return;
    const auto between = [&](TStyButtonState a, TStyButtonState b) {
        return (FState == a && NewState == b) || (FState == b && NewState == a);
    };
    bool repaint = true;
    if (FGlyph->Style() != gsExplorer && !HoverChangesFace() && NumGlyphs() <= 2 &&
        !(FAllowMouseOver && FEnterColorChange) && !HoverChangesContent() && between(bsUp, bsMouseOver))
        repaint = false;
    if (NumGlyphs() < 3 && between(bsMouseOver, bsOptionSet)) repaint = false;
    FOldState = NewState == bsMouseOver && FState != bsOptionSet ? bsUp : FState;
    FState = NewState;
    if (repaint && Visible()) {
        if (FButtonTransparent && !BackBitmapCheck()) Invalidate();
        else Repaint();
    }
    if (!FAllowMouseOver) return;
    if (FState != bsMouseOver) StopTimer(0);
    else if (!FPressed && !FTimerID[0]) StartTimer(0, 100, &TStyBaseGraphicButton::CheckMouseOver);
}

void TStyBaseGraphicButton::NotifyGroup()
{
    if (FGroupIndex == 0 || !Parent()) return;
    TMessage m{CM_BUTTONPRESSED, static_cast<std::intptr_t>(FGroupIndex), reinterpret_cast<std::intptr_t>(this), 0};
    Parent()->Broadcast(m);
}

void TStyBaseGraphicButton::CMButtonPressed(TMessage& message)
{
    auto* sender = reinterpret_cast<TStyBaseGraphicButton*>(message.LParam);
    if (message.WParam != static_cast<std::intptr_t>(FGroupIndex) || !sender || sender == this) return;
    if (sender->Pressed() && FPressed) {
        FPressed = false;
        if (FState == bsMouseOver && HoverChangesGlyph()) FState = bsMouseOver;
        else FState = Enabled() ? bsUp : bsDisabledUp;
        Invalidate();
    }
    FAllowAllUp = sender->AllowAllUp();
}

void TStyBaseGraphicButton::CMEnabledChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (Enabled()) FState = FPressed ? bsOptionSet : bsUp;
    else FState = FPressed ? bsDisabledDown : bsDisabledUp;
    Invalidate();
}

void TStyBaseGraphicButton::CMFontChanged(TMessage&) { FontChanged(&Font()); }

void TStyBaseGraphicButton::CMTextChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (FButtonTransparent || !BackBitmapCheck()) Invalidate();
    else if (Visible() && Parent() && Parent()->HandleAllocated()) Repaint();
}

void TStyBaseGraphicButton::WMLButtonDblClk(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (FPressed) DblClick();
}

// Alt plus the caption's accelerator: the menu, the group toggle or the click.
void TStyBaseGraphicButton::CMDialogChar(TMessage& message)
{
    if (!IsAccel(static_cast<Word>(message.WParam), Caption()) || !Enabled() || !Visible() || !Parent() ||
        !Parent()->Enabled() || !Parent()->Showing())
        return;
    if (FDropDown) {
        if (FState == bsDropDownOpen) DoStateChange(bsMouseOver, false);
        else DropDown();
    } else if (FGroupIndex != 0) {
        if (!FAllowAllUp && FState == bsOptionSet) return;
        SetPressed(!FPressed);
        if (FAllowMouseOver) {
            if (FPressed) {
                DoStateChange(bsOptionSet, false);
                Click();
            } else {
                DoStateChange(bsUp, false);
            }
        }
    } else {
        Click();
    }
    message.Result = 1;
}

// ---------------------------------------------------------------- mouse

bool TStyBaseGraphicButton::ButtonHitTest(Integer X, Integer Y)
{
    return X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
}

bool TStyBaseGraphicButton::CursorInside()
{
    TPoint p;
    GetCursorPos(&p);
    const TPoint origin = ClientToScreen(Point(0, 0));
    p = Point(p.X - origin.X, p.Y - origin.Y);
    if (FAllowTransparency) return ButtonHitTest(p.X, p.Y);
    return p.X >= 0 && p.X < ClientWidth() && p.Y >= 0 && p.Y <= ClientHeight();
}

void TStyBaseGraphicButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TStyBaseGraphicControl::MouseDown(Button, Shift, X, Y);
    if (FAllowTransparency && !ButtonHitTest(X, Y)) return;
    TStyButtonState s = FState;
    if (!Enabled() || Button != mbLeft) return;
    try {
        const bool inPart = X >= ClientWidth() - FDropdownComboWidth && X < ClientWidth() && Y >= 0 &&
                            Y < ClientHeight();
        if (FDropDown && FState == bsDropDownOpen) {
            s = bsMouseOver;
        } else if (FDropDown && (!FUsed || inPart)) {
            DropDown();
        } else {
            FPrepareDrag = true;
            if (FOldState == bsOptionSet && FState == bsMouseOver && FGroupIndex != 0) {
                s = bsOptionSet;
            } else if (!FPressed) {
                s = bsDown;
                if (FRepeatedClick) {
                    RepeatClick();
                    StartTimer(1, FRepeatingDelay, &TStyBaseGraphicButton::RepeatTimerTick);
                }
            }
        }
    } catch (...) {
        DoStateChange(s, false);
        throw;
    }
    DoStateChange(s, false);
}

void TStyBaseGraphicButton::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    if (FState == bsDropDownOpen) return;
    TStyBaseGraphicControl::MouseMove(Shift, X, Y);
    if (!Enabled()) return;
    TStyButtonState s = FState;
    bool inside;
    if (FAllowTransparency) {
        inside = ButtonHitTest(X, Y);
        if (!inside && FAllowShadow && FState == bsDown)
            inside = ButtonHitTest(X + FShadowDepth - 1, Y + FShadowDepth - 1);
        if (inside && FAllowMouseOver && (FGroupIndex == 0 || FState != bsOptionSet)) s = bsMouseOver;
        else if (FState == bsMouseOver) s = FOldState;
    } else {
        inside = X >= 0 && X <= ClientWidth() && Y >= 0 && Y <= ClientHeight();
    }
    if (FPrepareDrag) {
        if (inside) s = FPressed ? bsOptionSet : bsDown;
        else if (FGroupIndex == 0 || FState == bsDown) s = bsUp;
    }
    DoStateChange(s, false);
    if (inside && FState != bsMouseOver) {
        // Every move over the button that finds it out of the hover look tells of an entry.
        OnMouseEnter(this);
        if (FState == bsUp && FAllowMouseOver) DoStateChange(bsMouseOver, false);
    }
}

bool TStyBaseGraphicButton::InsideForRelease(Integer X, Integer Y)
{
    if (FAllowShadow && FState == bsDown && !(FAllowTransparency && ButtonHitTest(X, Y)))
        return ButtonHitTest(X + FShadowDepth - 1, Y + FShadowDepth - 1);
    return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
}

void TStyBaseGraphicButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (FState == bsDropDownOpen) return;
    TStyBaseGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FPrepareDrag) return;
    bool flag = false;
    FPrepareDrag = false;
    if (FRepeatedClick) StopTimer(1);
    const bool inside = InsideForRelease(X, Y);
    TStyButtonState t = FState == bsDisabledUp || FState == bsDisabledDown ? FState : bsUp;
    const bool disabledState = FState == bsDisabledUp || FState == bsDisabledDown;
    if (FGroupIndex != 0) {
        if (inside) {
            if (FState == bsOptionSet && !FAllowAllUp) return;
            SetPressed(!FPressed);
            if (FAllowMouseOver) t = FPressed ? bsOptionSet : bsUp;
            else flag = true;
        } else if (FPressed) {
            t = bsOptionSet;
        }
    } else if (inside && FAllowMouseOver && !disabledState) {
        t = bsMouseOver;
    }
    if (!inside) {
        if (!flag) DoStateChange(t, false);
        return;
    }
    if (NumGlyphs() < 3 && FGlyph->Style() != gsExplorer && !flag) DoStateChange(t, false);
    const TStyButtonState s0 = FState;
    const bool p0 = FPressed;
    if (!FRepeatedClick) Click();
    if (FState != s0 || FPressed != p0) return;
    // After the click: the state the cursor finds, for pictures and looks that follow the hover.
    // A grouped button that does not follow the mouse already shows its new pressed state.
    if (flag || (NumGlyphs() <= 2 && !HoverChangesGlyph()) || FState == bsDisabledUp || FState == bsDisabledDown)
        return;
    if (CursorInside()) {
        FInternal = 1;
        DoStateChange(t == bsUp ? bsMouseOver : t, false);
        FInternal = 0;
    } else {
        DoStateChange(t, false);
    }
}

void TStyBaseGraphicButton::CheckMouseOver(TObject*)
{
    if (Enabled() && !FPressed && !CursorInside()) DoStateChange(bsUp, false);
}

void TStyBaseGraphicButton::DoMouseEnter()
{
    TStyBaseGraphicControl::DoMouseEnter();
    if (FAllowTransparency || ComponentState().Contains(csDesigning) || !FAllowMouseOver || !Enabled()) return;
    if (FState == bsOptionSet && IsHotOptionSet()) DoStateChange(bsOptionSet, true);
    else if (FState == bsUp) DoStateChange(bsMouseOver, false);
}

void TStyBaseGraphicButton::DoMouseExit()
{
    TStyBaseGraphicControl::DoMouseExit();
    if (ComponentState().Contains(csDesigning)) return;
    if (FState == bsMouseOver) DoStateChange(FOldState, false);
    else if (FState == bsOptionSet && IsHotOptionSet()) DoStateChange(bsOptionSet, true);
    if (FHideHint) Application->CancelHint();
}

// ---------------------------------------------------------------- clicks, repeat, drop-down

void TStyBaseGraphicButton::RepeatClick()
{
    if (FTimerID[1]) FTimerID[1]->SetInterval(FRepeatingInterval);
    Click();
}

// Repeats pause while the mouse is off the held button.
void TStyBaseGraphicButton::RepeatTimerTick(TObject*)
{
    if (FState == bsDown) RepeatClick();
}

void TStyBaseGraphicButton::EndRepeatedClick()
{
    if (FRepeatedClick) StopTimer(1);
}

void TStyBaseGraphicButton::DropDown()
{
    if (!FDropDown || FState == bsDropDownOpen) return;
    DoStateChange(bsDropDownOpen, false);
    if (OnDropDown) OnDropDown(this);
    const TPoint at = FDropDownRight ? ClientToScreen(Point(Width(), FDropDownIndent))
                                     : ClientToScreen(Point(FDropDownIndent, Height()));
    FDropDown->Popup(at.X, at.Y);
    // The clicks that closed the menu are not for the button (mouse messages up to the
    // horizontal wheel, 0x020E).
    TMsg pending;
    while (PeekMessage(&pending, nullptr, WM_MOUSEFIRST, 0x020E, PM_REMOVE)) {
    }
    if (TControl* capture = GetCaptureControl()) capture->Perform(WM_CANCELMODE);
    DoStateChange(bsMouseOver, false);
}

// ---------------------------------------------------------------- drawing

void TStyBaseGraphicButton::DrawContent(TCanvas& Canvas, TRect R)
{
    Canvas.Font().Assign(&Font());
    Canvas.Font().SetColor(GetTextColor());
    if (FAllowMouseOver && FEnterColorChange && FState >= bsMouseOver && FState <= bsDropDownOpen)
        Canvas.Font().SetColor(FEnterColor);
    TStyDrawTextStyles styles{Enabled() || !FDisabledGrayed ? dtEnabled : dtDisabled};
    styles.Include(dt3DDisabled);
    styles.Include(dtRectGlyphText);
    if (FUsePngGlyph && !FPngGlyph->Empty()) {
        // The layout is made for a blank picture of the PNG's size; the PNG goes into its place.
        TStyGlyph placeholder;
        placeholder.Glyph().SetSize(FPngGlyph->Width(), FPngGlyph->Height());
        placeholder.DrawButtonGlyphAndText(Canvas, GetCaptionText(), FFontFx.get(), R, FState, FButtonLayout.get(),
                                           styles, FMultiLine, 0);
        FGlyphRect = placeholder.GlyphRect();
        FTextRect = placeholder.TextRect();
        Canvas.Draw(FGlyphRect.Left, FGlyphRect.Top, *FPngGlyph);
    } else {
        FGlyph->DrawButtonGlyphAndText(Canvas, GetCaptionText(), FFontFx.get(), R, FState, FButtonLayout.get(), styles,
                                       FMultiLine, 0);
        FGlyphRect = FGlyph->GlyphRect();
        FTextRect = FGlyph->TextRect();
    }
    if (FAutoSize) {
        const Integer w = FGlyph->DrawnRect().Width() + 2 * FButtonLayout->Spacing();
        if (w > 0 && w != Width()) SetWidth(w);
    }
}
