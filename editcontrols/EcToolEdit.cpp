// The combo edit: its button and holder, the keys and clicks that open and close its pop-up,
// where the pop-up opens, and how its value comes back into the edit.
#include "editcontrols/EcToolEdit.h"

#include <algorithm>

#include "platform/classes/TypInfo.h"
#include "platform/services/SysInfo.h"

const TEnumTypeInfo& TypeInfoOf(TPopupAlign)
{
    static const TEnumTypeInfo info("TPopupAlign", {"epaRight", "epaLeft"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TEcAutoCompleteOption)
{
    static const TEnumTypeInfo info("TEcAutoCompleteOption", {"acoAutoSuggest", "acoAutoAppend", "acoSearch",
                                                               "acoFilterPrefixes", "acoUseTab", "acoUpDownKeyDropsList",
                                                               "acoRTLReading"},
                                    "TEcAutoCompleteOptions");
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TEcClipboardCommand)
{
    static const TEnumTypeInfo info("TEcClipboardCommand", {"caCopy", "caCut", "caPaste", "caClear", "caUndo"},
                                    "TEcClipboardCommands");
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TEcImageKind)
{
    static const TEnumTypeInfo info("TEcImageKind", {"ikCustom", "ikDefault", "ikDropDown", "ikEllipsis", "ikDatePicker"});
    return info;
}

// ---------------------------------------------------------------- TEcPopupWindow
IMPLEMENT_CLASS(TEcPopupWindow, TEcExCustomControl, nullptr)

TEcPopupWindow::TEcPopupWindow(TComponent* AOwner)
    : TEcExCustomControl(AOwner), FEditor(dynamic_cast<TWinControl*>(AOwner))
{
    FVisible = false;
    FTabStop = false;
    FControlStyle.Include(csAcceptsControls);
}

void TEcPopupWindow::CreateParams(TCreateParams& Params)
{
    TEcExCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_CLIPCHILDREN | WS_BORDER;
    Params.ExStyle = WS_EX_TOOLWINDOW;
    Params.Kind = TWindowKind::wkHint;   // shown in front, never activated
}

void TEcPopupWindow::Show(TPoint origin)
{
    SetWindowPos(this, HWND_TOP, origin.X, origin.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetVisible(true);
}

void TEcPopupWindow::Hide()
{
    ShowWindow(this, 0);
    SetVisible(false);
}

void TEcPopupWindow::CloseUp(bool accept)
{
    OnCloseUp(this, accept);
}

void TEcPopupWindow::InvalidateEditor()
{
    if (!FEditor || !FEditor->HandleAllocated()) return;
    TRect r = FEditor->ClientRect();
    if (auto* combo = dynamic_cast<TEcCustomComboEdit*>(FEditor)) {
        if (combo->ButtonHolder()->Visible()) r.Right -= combo->ButtonHolder()->Width();
        r.Bottom += 1;
    }
    FEditor->InvalidateRect(r, false);
    FEditor->Update();
}

void TEcPopupWindow::PopupTextChanged()
{
    if (auto* combo = dynamic_cast<TEcCustomComboEdit*>(FEditor)) combo->PopupTextChanged();
    InvalidateEditor();
}

// ---------------------------------------------------------------- TEcEditButton
IMPLEMENT_CLASS(TEcEditButton, TEcSpeedButton, nullptr)

TEcEditButton::TEcEditButton(TComponent* AOwner) : TEcSpeedButton(AOwner)
{
    SetParentShowHint(true);
}

TEcCustomComboEdit* TEcEditButton::Edit() const { return dynamic_cast<TEcCustomComboEdit*>(Owner()); }

void TEcEditButton::SetPopupVisible(bool value)
{
    if (value == FPopupVisible) return;
    FPopupVisible = value;
    Invalidate();
}

void TEcEditButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TEcCustomComboEdit* edit = Edit();
    if (Button == mbLeft && edit) {
        if (edit->PopupVisible()) {
            edit->ClosePopup(FStandard);
            FNoAction = true;
        } else if (edit->TabStop() && edit->CanFocus() && !edit->Focused()) {
            edit->SetFocus();
        }
    }
    TEcSpeedButton::MouseDown(Button, Shift, X, Y);
}

void TEcEditButton::Click()
{
    if (FNoAction) {
        FNoAction = false;
        return;
    }
    TEcSpeedButton::Click();
}

// Drawn pressed while the pop-up is open.
void TEcEditButton::Paint()
{
    if (!FPopupVisible) return TEcSpeedButton::Paint();
    TCanvas& canvas = Canvas();
    TRect r = ClientRect();
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(r);
    r = DrawSpeedButtonFrame(canvas, r, true, Flat(), Style(), clBtnFace);
    DrawContent(canvas, r, TPoint{1, 1}, rbsDown, false, false);
}

// ---------------------------------------------------------------- TEcCustomComboEditDataConnector
IMPLEMENT_CLASS(TEcCustomComboEditDataConnector, TEcFieldDataConnector, nullptr)

void TEcCustomComboEditDataConnector::RecordChanged()
{
    if (FField.IsValid()) {
        FEdit->SetReadOnly(!FField.CanModify());
        FEdit->TCustomMaskEdit::SetText(FField.AsString());
    } else {
        FEdit->TCustomMaskEdit::SetText(String());
        FEdit->SetReadOnly(true);
    }
}

void TEcCustomComboEditDataConnector::WriteRecord()
{
    FField.SetAsString(FEdit->Text());
    FEdit->TCustomMaskEdit::SetText(FField.AsString());
}

void TEcEditButton::DrawContent(TCanvas& canvas, const TRect& r, TPoint offset, TEcButtonState state, bool drawMark,
                                bool paintOnGlass)
{
    TEcCustomComboEdit* edit = Edit();
    if (!edit || edit->ImageKind() != ikCustom || !edit->Images() || edit->ImageIndex() < 0)
        return TEcSpeedButton::DrawContent(canvas, r, offset, state, drawMark, paintOnGlass);
    ButtonGlyph().DrawEx(canvas, r, offset, Caption(), Layout(), Margin(), Spacing(), drawMark, edit->Images(),
                         edit->ImageIndex(), state, AlignmentFlags(), paintOnGlass);
}

// ---------------------------------------------------------------- TEcBtnWinControl
IMPLEMENT_CLASS(TEcBtnWinControl, TWinControl, nullptr)

TEcBtnWinControl::TEcBtnWinControl(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle.Include(csAcceptsControls);
    FTabStop = false;
}

// ---------------------------------------------------------------- TEcCustomComboEdit
TClass TEcCustomComboEdit::StaticClass()
{
    static const TMetaClass meta("TEcCustomComboEdit", TEcExCustomMaskEdit::StaticClass(), nullptr, [](TMetaClass& m) {
        m.OnMessage(CM_ECCLOSEPOPUP, &TEcCustomComboEdit::WMClosePopup);
        m.OnMessage(CM_ENABLEDCHANGED, &TEcCustomComboEdit::CMEnabledChanged);
        m.OnMessage(CM_CANCELMODE, &TEcCustomComboEdit::CMCancelMode);
        m.OnMessage(WM_PASTE, &TEcCustomComboEdit::WMPaste);
        m.OnMessage(WM_KILLFOCUS, &TEcCustomComboEdit::WMKillFocus);
    });
    return &meta;
}

TEcCustomComboEdit::TEcCustomComboEdit(TComponent* AOwner) : TEcExCustomMaskEdit(AOwner)
{
    FHeight = 21;
    FControlStyle.Include(csCaptureMouse);
    FBtnControl = new TEcBtnWinControl(this);
    FBtnControl->SetBounds(0, 0, 21, 17);
    FBtnControl->SetAlign(alCustom);
    FBtnControl->SetParent(this);
    FButton = new TEcEditButton(this);
    FButton->SetBounds(0, 0, 21, 17);
    FButton->SetAlign(alClient);
    FButton->SetParent(FBtnControl);
    FButton->OnClick = TNotifyEvent(this, &TEcCustomComboEdit::ButtonClicked);
    FDataConnector = std::make_unique<TEcCustomComboEditDataConnector>(this);
}

TEcCustomComboEdit::~TEcCustomComboEdit()
{
    if (FPopup) FPopup->OnCloseUp = TCloseUpEvent();
    FButton->OnClick = TNotifyEvent();
    DetachAutoComplete();
}

void TEcCustomComboEdit::CreateParams(TCreateParams& Params)
{
    TEcExCustomMaskEdit::CreateParams(Params);
    Params.Style |= WS_CLIPCHILDREN | EditAlignmentStyle();
}

Cardinal TEcCustomComboEdit::EditAlignmentStyle() const
{
    switch (FAlignment) {
    case taRightJustify: return ES_RIGHT;
    case taCenter: return ES_CENTER;
    default: return ES_LEFT;
    }
}

void TEcCustomComboEdit::DefineProperties(TFiler* Filer)
{
    TEcExCustomMaskEdit::DefineProperties(Filer);
    Filer->DefineProperty(
        "GlyphKind",
        [this](TReader* r) {
            const String kind = r->ReadIdent();
            const char* const names[] = {"gkCustom", "gkDefault", "gkDropDown", "gkEllipsis"};
            for (int i = 0; i < 4; ++i)
                if (SameText(kind, names[i])) SetImageKind(static_cast<TEcImageKind>(i));
        },
        nullptr, false);
}

void TEcCustomComboEdit::CreateWnd()
{
    TEcExCustomMaskEdit::CreateWnd();
    UpdateEditRect();
    AttachAutoComplete();
}

void TEcCustomComboEdit::DestroyWnd()
{
    DetachAutoComplete();
    TEcExCustomMaskEdit::DestroyWnd();
}

// ---- completion of typed text
Integer TAutoCompleteSource::Next(Integer count, std::vector<String>& names)
{
    TStrings& items = FEdit->AutoCompleteItems();
    Integer given = 0;
    for (; given < count && FIndex < items.Count(); ++given) names.push_back(items[FIndex++]);
    return given < count ? 1 : 0;
}

Integer TAutoCompleteSource::Skip(Integer count)
{
    FIndex = std::min(FIndex + count, FEdit->AutoCompleteItems().Count());
    return FIndex == FEdit->AutoCompleteItems().Count() ? 1 : 0;
}

std::vector<String> TAutoCompleteSource::Candidates(const String&)
{
    std::vector<String> names;
    Reset();
    Next(FEdit->AutoCompleteItems().Count(), names);
    return names;
}

void TEcCustomComboEdit::SetAutoCompleteOptions(TEcAutoCompleteOptions value)
{
    if (value == FAutoCompleteOptions) return;
    FAutoCompleteOptions = value;
    if (!FAutoCompleteIntf) AttachAutoComplete();
    ApplyAutoCompleteOptions();
}

void TEcCustomComboEdit::AttachAutoComplete()
{
    if (FAutoCompleteIntf || !HandleAllocated() || ComponentState().Contains(csDesigning) || FAutoCompleteOptions.IsEmpty())
        return;
    FAutoCompleteIntf = NewAutoCompleteSource();
    ApplyAutoCompleteOptions();
}

void TEcCustomComboEdit::DetachAutoComplete()
{
    if (FSuggestions) FSuggestions->CloseUp();
    FAutoCompleteIntf.reset();
}

// Options without the proposals take an open list of proposed names away.
void TEcCustomComboEdit::ApplyAutoCompleteOptions()
{
    if (FSuggestions && !FAutoCompleteOptions.Contains(acoAutoSuggest)) FSuggestions->CloseUp();
}

std::unique_ptr<TAutoCompleteSource> TEcCustomComboEdit::NewAutoCompleteSource()
{
    return std::make_unique<TAutoCompleteSource>(this);
}

// The text before the caret completed in place (acoAutoAppend, not after a backspace) and the
// names it may become proposed in a list under the edit (acoAutoSuggest).
void TEcCustomComboEdit::CompleteTypedText(bool typedBackspace)
{
    if (!FAutoCompleteIntf) return;
    const String typed = Copy(Text(), 1, SelStart());
    const std::vector<String> names = NamesStartingWith(FAutoCompleteIntf->Candidates(typed), typed);
    if (!typedBackspace && FAutoCompleteOptions.Contains(acoAutoAppend)) CompleteEditText(*this, names);
    if (FAutoCompleteOptions.Contains(acoAutoSuggest)) {
        if (!FSuggestions) FSuggestions = new TEditSuggestions(this);
        FSuggestions->Suggest(names);
    }
}

void TEcCustomComboEdit::WMKillFocus(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (FSuggestions) FSuggestions->CloseUp();
}

// The holder sits at the right edge inside the edit's frame, the button's width wide; the text
// ends a pixel before it.
void TEcCustomComboEdit::AlignControls(TControl* AControl, TRect& Rect)
{
    if (FBtnControl && FBtnControl->Visible()) {
        const Integer width = FBtnControl->Width();
        const Integer frame = EditFrameWidth();
        const TRect client = ClientRect();
        FBtnControl->SetBounds(client.Right - frame - width, frame, width, std::max(client.Height() - 2 * frame, 0));
    }
    TEcExCustomMaskEdit::AlignControls(AControl, Rect);
    UpdateEditRect();
}

void TEcCustomComboEdit::UpdateEditRect()
{
    if (!HandleAllocated()) return;
    const Integer reserved = FBtnControl && FBtnControl->Visible() ? FBtnControl->Width() + 1 : 0;
    TRect r = ClientRect();
    r.Right -= reserved;
    Perform(EM_SETRECTNP, 0, reinterpret_cast<std::intptr_t>(&r));
}

bool TEcCustomComboEdit::ShowsTextHint() const
{
    return Enabled() && !FReadOnly && !Focused() && !TextHint().IsEmpty() && Text().IsEmpty();
}

void TEcCustomComboEdit::SetTextHint(const String& value)
{
    TEcExCustomMaskEdit::SetTextHint(value);
    UpdateTextPainting();
}

void TEcCustomComboEdit::UpdateTextPainting()
{
    if (OwnTextPainted()) FControlState.Include(csCustomPaint);
    else FControlState.Exclude(csCustomPaint);
    Invalidate();
}

// The text drawn by the edit: on the edit's colour in the font's, or on DisabledColor in
// DisabledTextColor while disabled, aligned in the text area.
void TEcCustomComboEdit::PaintWindow(TCanvas& canvas)
{
    if (ComponentState().Contains(csDestroying)) return;
    const TRect area = CustomTextRect();
    canvas.Font().Assign(Font());
    canvas.Brush().SetColor(Enabled() ? Color() : FDisabledColor);
    canvas.FillRect(area);
    if (!Enabled()) canvas.Font().SetColor(FDisabledTextColor);
    else if (ShowsTextHint()) canvas.Font().SetColor(clGrayText);
    canvas.SetBkMode(TRANSPARENT);
    TRect r = area;
    InflateRect(r, -1, 0);
    Cardinal flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    switch (PaintedAlignment()) {
    case taRightJustify: flags |= DT_RIGHT; break;
    case taCenter: flags |= DT_CENTER; break;
    default: break;
    }
    DrawText(canvas.Handle(), PaintedText(), -1, &r, flags);
}

void TEcCustomComboEdit::CMEnabledChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    ApplyReadOnly();
    UpdateTextPainting();
}

Integer TEcCustomComboEdit::ButtonWidth() const
{
    return FBtnControl->Visible() ? FBtnControl->Width() : FSavedButtonWidth;
}

void TEcCustomComboEdit::SetButtonWidth(Integer value)
{
    if (!FBtnControl->Visible()) {
        FSavedButtonWidth = value;
        return;
    }
    if (value == FBtnControl->Width()) return;
    if (value < 2) {
        FSavedButtonWidth = FBtnControl->Width();
        FBtnControl->SetVisible(false);
    } else {
        FBtnControl->SetWidth(value);
    }
    Realign();
    UpdateEditRect();
    if (FImageKind == ikEllipsis) ApplyButtonGlyph();
}

void TEcCustomComboEdit::SetShowButton(bool value)
{
    if (value == FBtnControl->Visible()) return;
    if (value) {
        FBtnControl->SetWidth(std::max(FSavedButtonWidth, 2));
        FBtnControl->SetVisible(true);
    } else {
        FSavedButtonWidth = FBtnControl->Width();
        FBtnControl->SetVisible(false);
    }
    Realign();
    UpdateEditRect();
}

void TEcCustomComboEdit::SetGlyph(TBitmap* value)
{
    FImageKind = ikCustom;
    FButton->SetGlyph(value);
    FButton->SetNumGlyphs(FNumGlyphs);
}

void TEcCustomComboEdit::SetImages(TCustomImageList* value)
{
    if (value == FImages) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = value;
    if (FImages) FImages->FreeNotification(this);
    FButton->Invalidate();
}

void TEcCustomComboEdit::SetImageIndex(Integer value)
{
    if (value == FImageIndex) return;
    FImageIndex = value;
    FButton->Invalidate();
}

void TEcCustomComboEdit::Notification(TComponent* AComponent, TOperation Operation)
{
    TEcExCustomMaskEdit::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) SetImages(nullptr);
}

void TEcCustomComboEdit::SetNumGlyphs(Integer value)
{
    FNumGlyphs = std::clamp(value, 1, 5);
    if (FImageKind == ikCustom) FButton->SetNumGlyphs(FNumGlyphs);
}

void TEcCustomComboEdit::SetImageKind(TEcImageKind value)
{
    if (value == FImageKind) return;
    FImageKind = value;
    ApplyButtonGlyph();
}

namespace {

// A glyph of that size on the transparent fuchsia.
TBitmap* BlankGlyph(Integer width, Integer height)
{
    auto* glyph = new TBitmap(width, height);
    glyph->Canvas().Brush().SetColor(clFuchsia);
    glyph->Canvas().FillRect(Rect(0, 0, width, height));
    glyph->SetTransparentColor(clFuchsia);
    return glyph;
}

// The ellipsis of a button that wide: three 2 x 2 dots at y = 1, the gap between them
// (width - 6) / 2 within 1..3, the row centred.
TBitmap* EllipsisGlyph(Integer buttonWidth)
{
    const Integer width = std::max(1, buttonWidth - 6);
    TBitmap* glyph = BlankGlyph(width, 4);
    const Integer gap = std::clamp((width - 6) / 2, 1, 3);
    glyph->Canvas().Brush().SetColor(clBlack);
    for (Integer i = 0, x = (width - 6 - 2 * gap) / 2; i < 3; ++i, x += 2 + gap)
        glyph->Canvas().FillRect(Rect(x, 1, x + 2, 3));
    return glyph;
}

// The arrow of a drop-down button: a downward triangle 7 pixels wide and 4 high.
TBitmap* ComboArrowGlyph()
{
    TBitmap* glyph = BlankGlyph(7, 4);
    glyph->Canvas().Brush().SetColor(clBlack);
    for (Integer y = 0; y < 4; ++y) glyph->Canvas().FillRect(Rect(y, y, 7 - y, y + 1));
    return glyph;
}

}  // namespace

// The glyph of the image kinds the edit draws itself: the class's default image (the button at
// least its width + 6), the ellipsis, the drop-down arrow (the button a scroll bar wide).
void TEcCustomComboEdit::ApplyButtonGlyph()
{
    std::unique_ptr<TBitmap> glyph;
    switch (FImageKind) {
    case ikDefault:
        glyph = std::make_unique<TBitmap>();
        LoadDefaultGlyph(*glyph);
        if (glyph->Empty()) return;
        if (ButtonWidth() < glyph->Width() + 6) SetButtonWidth(glyph->Width() + 6);
        break;
    case ikEllipsis: glyph.reset(EllipsisGlyph(ButtonWidth())); break;
    case ikDropDown:
    case ikDatePicker:
        glyph.reset(ComboArrowGlyph());
        SetButtonWidth(GetSystemMetrics(SM_CXVSCROLL));
        break;
    case ikCustom: return;
    }
    FButton->SetGlyph(glyph.get());
    FButton->SetNumGlyphs(1);
}

void TEcCustomComboEdit::SetDirectInput(bool value)
{
    FDirectInput = value;
    ApplyReadOnly();
}

void TEcCustomComboEdit::SetReadOnly(bool value)
{
    if (value == FReadOnly) return;
    FReadOnly = value;
    ApplyReadOnly();
    UpdateTextPainting();
}

void TEcCustomComboEdit::SetAlwaysEnableButton(bool value)
{
    FAlwaysEnableButton = value;
    ApplyReadOnly();
}

void TEcCustomComboEdit::ApplyReadOnly()
{
    FButton->SetEnabled(Enabled() && (!FReadOnly || FAlwaysEnableButton));
    TEcExCustomMaskEdit::SetReadOnly(FReadOnly || !FDirectInput);
}

void TEcCustomComboEdit::SetDisabledColor(TColor value)
{
    if (value == FDisabledColor) return;
    FDisabledColor = value;
    if (!Enabled()) Invalidate();
}

void TEcCustomComboEdit::SetDisabledTextColor(TColor value)
{
    if (value == FDisabledTextColor) return;
    FDisabledTextColor = value;
    if (!Enabled()) Invalidate();
}

void TEcCustomComboEdit::SetAlignment(TAlignment value)
{
    if (value == FAlignment) return;
    FAlignment = value;
    ApplyOptions();
    Invalidate();
}

void TEcCustomComboEdit::SelectAll()
{
    if (FDirectInput) TEcExCustomMaskEdit::SelectAll();
}

void TEcCustomComboEdit::ButtonClicked(TObject*)
{
    if (FReadOnly && !FAlwaysEnableButton) return;
    DoClick();
}

void TEcCustomComboEdit::DoClick()
{
    OnButtonClick(this);
    if (PopupVisible()) ClosePopup(true);
    else OpenPopup(true);
}

void TEcCustomComboEdit::SetClipboardCommands(TEcClipboardCommands value)
{
    if (FReadOnly) value = value * TEcClipboardCommands{caCopy};
    TEcExCustomMaskEdit::SetClipboardCommands(value);
}

void TEcCustomComboEdit::SetGroupIndex(Integer value)
{
    if (value == FGroupIndex) return;
    FGroupIndex = value;
    ClearGroup();
}

// The other combo edits of the owner in the same group are emptied.
void TEcCustomComboEdit::ClearGroup()
{
    if (FGroupIndex == -1 || !Owner()) return;
    for (Integer i = 0; i < Owner()->ComponentCount(); ++i) {
        auto* other = dynamic_cast<TEcCustomComboEdit*>(Owner()->Components(i));
        if (other && other != this && other->FGroupIndex == FGroupIndex && other->Name() != Name())
            other->TEcExCustomMaskEdit::SetText(String());
    }
}

void TEcCustomComboEdit::WMPaste(TMessage& message)
{
    ClearGroup();
    if (FDirectInput && !FReadOnly) InheritedMessage(StaticClass(), message);
}

void TEcCustomComboEdit::KeyDown(Word& Key, TShiftState Shift)
{
    // While the list of proposed names is down, the arrows, Enter and Escape work it.
    if (FSuggestions && FSuggestions->EditKeyDown(Key)) {
        Key = 0;
        return;
    }
    ClearGroup();
    TEcExCustomMaskEdit::KeyDown(Key, Shift);
    TShiftState keyShift;
    for (TShiftStateFlag flag : {ssShift, ssCtrl, ssAlt})
        if (Shift.Contains(flag)) keyShift.Include(flag);
    if (Key != 0 && FClickKey != scNone && ShortCut(Key, keyShift) == FClickKey && FBtnControl->Visible()) {
        DoClick();
        Key = 0;
    }
}

void TEcCustomComboEdit::KeyPress(char16_t& Key)
{
    if (PopupVisible() && (Key == u'\r' || Key == 27 || Key == 10)) {
        ClosePopup(Key != 27);
        Key = 0;
        return;
    }
    TEcExCustomMaskEdit::KeyPress(Key);
    if (Key == 27) FDataConnector->Reset();
    if (Key == u'\t' || Key == 10) Key = 0;
    // A typed character, or a backspace, is completed once it is in the text.
    FTypedKey = Key >= 32 || Key == u'\b' ? Key : 0;
}

void TEcCustomComboEdit::DoEnter()
{
    TEcExCustomMaskEdit::DoEnter();
    if (!TextHint().IsEmpty()) UpdateTextPainting();
}

void TEcCustomComboEdit::DoExit()
{
    if (PopupVisible()) PostClosePopup(false);
    FDataConnector->UpdateRecord();
    TEcExCustomMaskEdit::DoExit();
    if (!TextHint().IsEmpty()) UpdateTextPainting();
}

void TEcCustomComboEdit::Change()
{
    if (const char16_t typed = FTypedKey) {
        FTypedKey = 0;
        CompleteTypedText(typed == u'\b');
    }
    FDataConnector->Modify();
    if (!TextHint().IsEmpty()) UpdateTextPainting();
    FireChange();
}

void TEcCustomComboEdit::FireChange()
{
    if (PopupVisible()) OnPopupChange(this);
    else OnChange(this);
}

// ---- the pop-up
void TEcCustomComboEdit::SetPopup(TEcPopupWindow* popup)
{
    FPopup = popup;
    if (FPopup) FPopup->OnCloseUp = TCloseUpEvent(this, &TEcCustomComboEdit::PopupCloseUp);
}

void TEcCustomComboEdit::PopupCloseUp(TObject*, bool accept)
{
    ClosePopup(accept);
}

namespace {

// The work area of the monitor showing a screen point; the primary one's when none does.
TRect WorkAreaAt(TPoint p)
{
    for (Integer i = 0; i < Screen->MonitorCount(); ++i) {
        const TRect bounds = Screen->Monitors(i)->BoundsRect();
        if (PtInRect(bounds, p)) return Screen->Monitors(i)->WorkareaRect();
    }
    return Screen->WorkAreaRect();
}

}  // namespace

TPoint PopupPlacement(const TRect& editBounds, TSize popupSize, const TRect& workArea, TPopupAlign align)
{
    TPoint p;
    p.Y = editBounds.Bottom;
    if (p.Y + popupSize.cy > workArea.Bottom) p.Y = editBounds.Top - popupSize.cy;
    if (align == epaRight) {
        p.X = editBounds.Right - popupSize.cx;
        if (p.X < workArea.Left) p.X = editBounds.Left;
    } else {
        p.X = editBounds.Left;
        if (p.X + popupSize.cx > workArea.Right) p.X = editBounds.Right - popupSize.cx;
    }
    if (p.X < workArea.Left) p.X = workArea.Left;
    if (p.X + popupSize.cx > workArea.Right) p.X = workArea.Right - popupSize.cx;
    return p;
}

TPoint TEcCustomComboEdit::PopupOrigin(TSize popupSize) const
{
    const TPoint corner = ClientToScreen(TPoint{0, 0});
    return PopupPlacement(Bounds(corner.X, corner.Y, Width(), Height()), popupSize, WorkAreaAt(corner), FPopupAlign);
}

void TEcCustomComboEdit::OpenPopup(bool disableTyping)
{
    if (FPopupVisible || (FReadOnly && !FAlwaysShowPopup)) return;
    BeforePopup();
    if (!FPopup) return;
    const TPoint origin = PopupOrigin(TSize{FPopup->Width(), FPopup->Height()});
    WritePopupValue(Text());
    if (CanFocus()) SetFocus();
    ShowPopupWindow(origin);
    FButton->SetPopupVisible(true);
    FPopupVisible = true;
    if (disableTyping) TEcExCustomMaskEdit::SetReadOnly(true);
    UpdateTextPainting();
}

void TEcCustomComboEdit::ShowPopupWindow(TPoint origin)
{
    FPopup->Show(origin);
    OnPopupShown(this);
}

void TEcCustomComboEdit::HidePopupWindow()
{
    FPopup->Hide();
    OnPopupHidden(this);
}

void TEcCustomComboEdit::ClosePopup(bool accept)
{
    if (!FPopup || !FPopupVisible) return;
    if (GetCaptureControl()) CancelMode();
    String value;
    try {
        value = ReadPopupValue();
        FButton->SetPopupVisible(false);
        HidePopupWindow();
    } catch (...) {
        FPopupVisible = false;
        throw;
    }
    FPopupVisible = false;
    UpdateTextPainting();
    TCustomForm* form = GetParentForm(this);
    if (FInCMExit == 0 && CanFocus() && form && form->Visible()) SetFocus();
    ApplyReadOnly();
    Invalidate();
    if (accept && CanAcceptPopupValue() && !FReadOnly) {
        try {
            AcceptPopupValue(value);
        } catch (...) {
            RejectPopupValue();
            throw;
        }
        if (Focused()) SelectAll();
    } else {
        RejectPopupValue();
    }
}

void TEcCustomComboEdit::AcceptPopupValue(const String& value)
{
    if (value != Text()) {
        TEcExCustomMaskEdit::SetText(value);
        SetModified(true);
    }
    OnPopupValueAccepted(this);
}

void TEcCustomComboEdit::PopupTextChanged()
{
    if (FPopup) FPopup->Invalidate();
}

void TEcCustomComboEdit::PostClosePopup(bool accept)
{
    if (ComponentState().Contains(csDestroying)) return;
    PostMessage(this, CM_ECCLOSEPOPUP, accept ? 1 : 0, 0);
}

void TEcCustomComboEdit::CMCancelMode(TMessage& message)
{
    auto* sender = reinterpret_cast<TControl*>(message.LParam);
    const bool ours = sender == this || sender == FButton || sender == FBtnControl ||
                      (FPopup && (sender == FPopup || FPopup->ContainsControl(sender)));
    if (!ours) ClosePopup(false);
}

void TEcCustomComboEdit::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (Button == mbLeft && FPopup) {
        if (CanFocus() && !Focused()) SetFocus();
        ClosePopup(false);
    }
    TEcExCustomMaskEdit::MouseDown(Button, Shift, X, Y);
}

void TEcCustomComboEdit::WMClosePopup(TMessage& message)
{
    ClosePopup(message.WParam != 0);
}
