// The custom edit: its text layout (measuring, position and pixel mapping, horizontal scrolling),
// the text painter, the password mask, the cue banner, the automatic height and the embedded
// buttons.
#include "styledcontrols/StyCustomEdit.h"

#include <algorithm>

#include "platform/classes/FormReader.h"
#include "platform/graphics/GdiApi.h"
#include "platform/rtl/Exceptions.h"

// ---------------------------------------------------------------- TStyEditTextLayout

void TStyEditTextLayout::Invalidate(TStyEditChanges AChanges)
{
    if (AChanges.Contains(euTextLayout)) FValid = {};
    if (AChanges.Contains(euCursorAppearance)) FValid.Exclude(tsCaret);
    if (AChanges.Contains(euCursorChanged)) FCaretIntoView = true;
}

void TStyEditTextLayout::Invalidate(TStyEditChanges AChanges, const String& AText, bool ACheckSpell)
{
    FText = AText;
    FCheckSpell = ACheckSpell;
    FHideCaretError = true;
    FValid = {};
    Invalidate(AChanges);
}

// Measures the displayed text with the editor's font and the 3D font's character spacing.
void TStyEditTextLayout::ValidateLayout()
{
    if (FValid.Contains(tsLayout)) return;
    TCanvas& c = FEdit->Canvas();
    c.Font().Assign(FEdit->EffectiveFont());
    const int oldExtra = SetTextCharacterExtra(c.Handle(), FEdit->Font3D()->Tracing());
    FTextDX.assign(static_cast<size_t>(FText.Length()), 0);
    const BOOL ok = GetTextExtentExPoint(c.Handle(), FText, FText.Length(), 0, nullptr, FTextDX.data(), &FTextSize);
    SetTextCharacterExtra(c.Handle(), oldExtra);
    if (!ok) throw EOSError("A call to an OS function failed");
    FValid.Include(tsLayout);
}

Integer TStyEditTextLayout::Offset(Integer p)
{
    ValidateLayout();
    const Integer length = FText.Length();
    if (length == 0 || p < 2) return 1;
    return FTextDX[static_cast<size_t>(std::min(p - 2, length - 1))] + 1;
}

Integer TStyEditTextLayout::Width()
{
    ValidateLayout();
    return FTextSize.cx;
}

Integer TStyEditTextLayout::CharPosToX(Integer APos)
{
    const Integer offset = ScrollOffset();
    return offset + FEdit->TextRect().Left + Offset(APos);
}

void TStyEditTextLayout::CharsBetween(Integer ALeft, Integer ARight, Integer& AFirst, Integer& ACount, Integer& AX)
{
    const Integer origin = ScrollOffset() + FEdit->TextRect().Left;
    if (!std::is_sorted(FTextDX.begin(), FTextDX.end())) {   // right-to-left runs: all of it
        AFirst = 1;
        ACount = FText.Length();
        AX = origin;
        return;
    }
    // character i spans from FTextDX[i - 2] (0 for the first) to FTextDX[i - 1]
    auto after = [&](Integer x) {
        return static_cast<Integer>(std::upper_bound(FTextDX.begin(), FTextDX.end(), x - origin) - FTextDX.begin()) + 1;
    };
    AFirst = after(ALeft);
    ACount = std::max(0, std::min(after(ARight - 1), FText.Length()) - AFirst + 1);
    AX = origin + Offset(AFirst) - 1;
}

// The character whose nearer edge lies next to X; a tie goes to the left edge.
Integer TStyEditTextLayout::GetCharNear(Integer X)
{
    const Integer x = X - FEdit->TextRect().Left - ScrollOffset() + 1;
    const Integer length = FText.Length();
    for (Integer i = 1; i <= length; ++i) {
        const Integer c = FTextDX[static_cast<size_t>(i - 1)];
        if (c > x) {
            const Integer b = i == 1 ? 0 : FTextDX[static_cast<size_t>(i - 2)];
            return c - x < x - b ? i + 1 : i;
        }
    }
    return length + 1;
}

// Keeps the caret in view (a quarter of the width inside the edge it left by) while the text is
// wider than the text rectangle; a text that fits stands by the editor's alignment.
void TStyEditTextLayout::ValidateCaret()
{
    ValidateLayout();
    if (FValid.Contains(tsCaret)) return;
    const TRect& r = FEdit->TextRect();
    const Integer W = r.Width(), T = FTextSize.cx;
    Integer offset = FScrollOffset;
    if (T > W) {
        if (FCaretIntoView) {
            const Integer c = Offset(FEdit->CurrentChar()) - 1 + r.Left + offset;
            if (c < r.Left) offset = r.Left + W / 4 + offset - c;
            else if (c >= r.Right) offset = offset + r.Right - c - W / 4;
        }
        offset = std::max(std::min(offset, 0), W - T);
    } else {
        switch (FEdit->Alignment()) {
        case taLeftJustify: offset = 0; break;
        case taRightJustify: offset = W - T; break;
        case taCenter: offset = (W - T) / 2; break;
        }
    }
    FCaretIntoView = false;
    FValid.Include(tsCaret);
    if (offset != FScrollOffset) {
        FScrollOffset = offset;
        if (FScrolled) *FScrolled = true;
    }
    // the spelling error under the caret is hidden once after a text change
    bool redraw = false;
    FEdit->SpellLink()->InvalidateCaret(FHideCaretError, redraw);
    FHideCaretError = false;
    if (redraw && FRedraw) *FRedraw = true;
}

void TStyEditTextLayout::GetSpellText(const char16_t*& AText, Integer& ALength, Integer& APosOffset)
{
    AText = FText.c_str();
    ALength = FText.Length();
    APosOffset = 1;
}

void TStyEditTextLayout::GetSpellArea(Integer AStart, Integer ACount, Integer& X1, Integer& X2)
{
    X1 = Offset(AStart);
    X2 = Offset(AStart + ACount) - 1;
}

// ---------------------------------------------------------------- TStyEditSpellHost

void TStyEditSpellHost::Changed(TStySpellChange AChange)
{
    FEdit->NotifyChange(AChange == lcSettings ? euSpellSettings : euTextAppearance);
}

bool TStyEditSpellHost::GetFragment(const Integer* APrev, Integer& AFragmentId)
{
    AFragmentId = APrev ? *APrev + 1 : 0;
    return AFragmentId == 0;
}

void TStyEditSpellHost::GetCaret(Integer& AFragmentId, Integer& ACaret)
{
    AFragmentId = 0;
    ACaret = FEdit->CurrentChar();
}

void TStyEditSpellHost::GetText(Integer, const char16_t*& AText, Integer& ALength, Integer& APosOffset)
{
    FEdit->FDisplayText->GetSpellText(AText, ALength, APosOffset);
}

void TStyEditSpellHost::ReplaceText(Integer, Integer AStart, Integer ACount, const String& S)
{
    FEdit->Replace(AStart, ACount, S);
}

void TStyEditSpellHost::GetLayout(Integer, Integer, TStyAreaAdder& AErrors)
{
    Integer start = 0, count = 0, x1 = 0, x2 = 0;
    while (AErrors.Next(start, count)) {
        FEdit->FDisplayText->GetSpellArea(start, count, x1, x2);
        AErrors.AddArea(x1, x2);
    }
}

void TStyEditSpellHost::SelectError(Integer, Integer AStart, Integer ACount)
{
    FEdit->BeginUpdate();
    FEdit->SetCurrentChar(AStart);
    FEdit->SetSelStart(AStart);
    FEdit->SetSelLength(ACount);
    FEdit->EndUpdate();
}

void TStyEditSpellHost::Invalidate(TStyEditChanges AChanges)
{
    if (AChanges.Contains(euTextChanged) || AChanges.Contains(euSpellSettings)) FLink->Invalidate(liErrors);
    else if (AChanges.Contains(euTextLayout)) FLink->Invalidate(liAreas);
}

Integer TStyEditTextLayout::ScrollOffset()
{
    ValidateCaret();
    return FScrollOffset;
}

Integer TStyEditTextLayout::GetCaretPos(bool& ARedraw, bool& AScrolled)
{
    FRedraw = &ARedraw;
    FScrolled = &AScrolled;
    ValidateCaret();
    FRedraw = FScrolled = nullptr;
    return FScrollOffset + FEdit->TextRect().Left + Offset(FEdit->CurrentChar()) - 1;
}

// ---------------------------------------------------------------- TStyCustomEdit

TClass TStyCustomEdit::StaticClass()
{
    static const TMetaClass meta("TStyCustomEdit", TStyBaseEdit::StaticClass(), NewComponent<TStyCustomEdit>, [](TMetaClass& m) {
        m.OnMessage(CM_FONTCHANGED, &TStyCustomEdit::CMFontChanged);
        m.OnMessage(UM_BEVELCHANGED, &TStyCustomEdit::UMBevelChanged);
        m.OnMessage(EM_GETPASSWORDCHAR, &TStyCustomEdit::EMGetPasswordChar);
        m.OnMessage(EM_SETPASSWORDCHAR, &TStyCustomEdit::EMSetPasswordChar);
        TPublished<TStyCustomEdit>(&m)
            .Property("AutoSize", &TStyCustomEdit::AutoSize, &TStyCustomEdit::SetAutoSize)
            .Default(false)
            .Property("CueBanner", &TStyCustomEdit::CueBanner, &TStyCustomEdit::SetCueBanner)
            .Property("DraggingAllowed", &TStyCustomEdit::DraggingAllowed, &TStyCustomEdit::SetDraggingAllowed)
            .Default(true)
            .Property("CharCase", &TStyCustomEdit::CharCase, &TStyCustomEdit::SetCharCase)
            .Default(ecNormal)
            .Property("Font3D", &TStyCustomEdit::Font3D, &TStyCustomEdit::SetFont3D)
            .Property("MaxLength", &TStyCustomEdit::MaxLength, &TStyCustomEdit::SetMaxLength)
            .Default(0)
            .Property("HideSelection", &TStyCustomEdit::HideSelection, &TStyCustomEdit::SetHideSelection)
            .Default(true)
            .Property("AutoSelect", &TStyCustomEdit::AutoSelect, &TStyCustomEdit::SetAutoSelect)
            .Default(false)
            .Property("OEMConvert", &TStyCustomEdit::OEMConvert, &TStyCustomEdit::SetOEMConvert)
            .Default(false)
            .Property("Options", &TStyCustomEdit::Options, &TStyCustomEdit::SetOptions)
            .Default(TStyEditOptions{eoAllowCopy, eoAllowCut, eoAllowPaste})
            .Property("ParentFont").Default(true);
    });
    return &meta;
}

TStyCustomEdit::TStyCustomEdit(TComponent* AOwner)
    : TStyBaseEdit(AOwner),
      FDisplayText(std::make_unique<TStyEditTextLayout>(this)),
      FCustomButtons(std::make_unique<TStySpecialButtons>(this, true)),
      FSpellHost(new TStyEditSpellHost(this))
{
    FCursor2EndOnSelectAll = true;
    FCustomXP = IsThemed();
    CreateSpellLink(FSpellHost);
}

TStyCustomEdit::~TStyCustomEdit()
{
    Destroying();
    FSpellLink.reset();   // its host reaches into the layout
}

void TStyCustomEdit::SetPasswordChar(char16_t Value)
{
    FPasswordChar = Value;
    NotifyChange(euTextChanged, 1);
}

void TStyCustomEdit::SetAutoSize(bool Value)
{
    if (Value == FAutoSize) return;
    FAutoSize = Value;
    if (HandleAllocated()) AdjustHeight();
}

void TStyCustomEdit::SetCueBanner(const String& Value)
{
    if (Value == FCueBanner) return;
    FCueBanner = Value;
    Invalidate();
}

void TStyCustomEdit::GetDisplayText(String& S, bool& ACheckSpell)
{
    if (FPasswordChar == 0) return;
    S = StringOfChar(FPasswordChar, FText.Length());
    ACheckSpell = false;
}

void TStyCustomEdit::PointFromChar(Integer APos, Integer& X, Integer& Y)
{
    X = FDisplayText->CharPosToX(APos);
    Y = FTextRect.Top;
}

void TStyCustomEdit::TextAssigned()
{
    BeginUpdate();
    SetSelStart(1);
    SetSelLength(0);
    NotifyChange(euTextChanged, 1);
    EndUpdate();
}

void TStyCustomEdit::GetCaretXY(Integer& X, Integer& Y, bool& AScrolled, bool& ARedraw)
{
    X = FDisplayText->GetCaretPos(ARedraw, AScrolled);
    Y = FTextRect.Top;
}

void TStyCustomEdit::DoChanges(TStyEditChanges AChanges, Integer At)
{
    TStyBaseEdit::DoChanges(AChanges, At);
    if (AChanges.Contains(euTextChanged)) {
        FIsEmpty = false;
        String s = FText;
        bool checkSpell = true;
        GetDisplayText(s, checkSpell);
        FDisplayText->Invalidate(AChanges, s, checkSpell);
    } else {
        FDisplayText->Invalidate(AChanges);
    }
    FSpellHost->Invalidate(AChanges);
}

// Up and Down move like Left and Right on the one line; Enter may teach the auto-completion.
void TStyCustomEdit::KeyProcessing(Word& Key)
{
    if (Key == VK_UP) Key = VK_LEFT;
    else if (Key == VK_DOWN) Key = VK_RIGHT;
    TStyBaseEdit::KeyProcessing(Key);
    if (Key == VK_RETURN && FAutoComplete && FAutoComplete->AddUnknownOn().Contains(aaControlReturn))
        FAutoComplete->Add(this, FText);
}

void TStyCustomEdit::SetAutoComplete(TStyEditAutoComplete* Value)
{
    if (Value == FAutoComplete) return;
    if (FAutoComplete) FAutoComplete->RemoveFreeNotification(this);
    FAutoComplete = Value;
    if (FAutoComplete) FAutoComplete->FreeNotification(this);
}

// With inline completion, Backspace takes the completed tail and the letter before it.
bool TStyCustomEdit::ExtendSelectionOnBackspace()
{
    return FAutoComplete && FAutoComplete->Enabled() && FAutoComplete->Mode().Contains(amText);
}

void TStyCustomEdit::AfterChange()
{
    if (FAutoComplete) FAutoComplete->AutoCompleteText(this, FText);
}

void TStyCustomEdit::FocusLost()
{
    TStyBaseEdit::FocusLost();
    if (FAutoComplete && FAutoComplete->AddUnknownOn().Contains(aaControlExit)) FAutoComplete->Add(this, FText);
}

void TStyCustomEdit::Notification(TComponent* AComponent, TOperation Operation)
{
    TStyBaseEdit::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FAutoComplete) FAutoComplete = nullptr;
}

void TStyCustomEdit::PaintTextWith(TCanvas& Canvas, TStyEditTextLayout& ALayout)
{
    const bool own = &ALayout == FDisplayText.get();
    if (!Focused() && IsTextEmpty() && !FCueBanner.IsEmpty() && own) {
        PaintCueBanner(Canvas);
        return;
    }
    Canvas.Font().Assign(EffectiveFont());
    const int oldExtra = Canvas.SetTextCharacterExtra(FFont3D->Tracing());
    // Only the characters over the text rectangle are written, and those a row's height beside
    // it (overhanging letters, the layers of a 3D font): a long text costs no more than a short one.
    const Integer margin = GetRowHeight();
    Integer first = 1, count = 0, x = 0;
    ALayout.CharsBetween(FTextRect.Left - margin, FTextRect.Right + margin, first, count, x);
    const String shown = ::Copy(ALayout.Text(), first, count);
    TRect r = FTextRect;
    OffsetRect(r, x - FTextRect.Left, 0);
    const bool enabled = own ? Enabled() && !FIsEmpty : Enabled();
    const TStyDrawTextStyles styles{enabled ? dtEnabled : dtDisabled};
    BeforePaintText(Canvas);
    Canvas.Brush().SetStyle(TBrushStyle::bsClear);
    DrawCaptionText(Canvas, shown, FFont3D.get(), r, 0x80000004, styles, nullptr);
    if (own && FSelLength > 0 && !SelectionHidden()) {
        Canvas.Font().SetColor(FHighTextColor);
        Canvas.Brush().SetColor(FHighBackColor);
        const int saved = Canvas.SaveDC();
        try {
            const Integer x1 = ALayout.CharPosToX(FSelStart) - 1, x2 = ALayout.CharPosToX(FSelStart + FSelLength);
            Canvas.IntersectClipRect(x1, FTextRect.Top, x2, FTextRect.Top + GetRowHeight());
            Canvas.FillRect(FTextRect);
            Canvas.Brush().SetStyle(TBrushStyle::bsClear);
            DrawCaptionText(Canvas, shown, FFont3D.get(), r, 0x80000004, styles, nullptr);
        } catch (...) {
            Canvas.RestoreDC(saved);
            throw;
        }
        Canvas.RestoreDC(saved);
    }
    if (own && ALayout.CheckSpell())
        FSpellLink->DrawErrors(Canvas.Handle(), 0, 0, FTextRect.Left + ALayout.ScrollOffset(),
                               GetRowHeight() + FTextRect.Top - 2, nullptr);
    Canvas.SetTextCharacterExtra(oldExtra);
}

void TStyCustomEdit::PaintCueBanner(TCanvas& Canvas)
{
    const int oldMode = Canvas.SetBkMode(TRANSPARENT);
    Canvas.Font().Assign(EffectiveFont());
    Canvas.Handle();   // the font in place, so that the grey below is not replaced by its colour
    const TColor oldColor = Canvas.SetTextColor(TColor(0x808080));
    Canvas.ExtTextOut(FTextRect.Left, FTextRect.Top, ETO_CLIPPED, &FTextRect, FCueBanner);
    Canvas.SetTextColor(oldColor);
    Canvas.SetBkMode(oldMode);
}

// With AutoSize the height follows the row height: a quarter more, plus the frame.
void TStyCustomEdit::AdjustHeight()
{
    BeginUpdate();
    Canvas().Font().Assign(EffectiveFont());
    if (FAutoSize) {
        const Integer row = GetRowHeight() * 5 / 4;
        const Integer h = EffectiveBevel()->Mode() == bmWindows ? row + 5 : row + 2 * EffectiveBevel()->BevelExtend();
        SetBounds(Left(), Top(), std::max(Width(), FCustomButtons->Count() * FCustomButtonWidth + 30), h);
    }
    EndUpdate();
}

void TStyCustomEdit::CorrectWidth()
{
    Canvas().Font().Assign(EffectiveFont());
    TRect q = Rect(0, 0, 0, 0);
    MeasureCaptionOnCanvas(Canvas(), "Q", FFont3D.get(), q, Canvas().Font(), false, false, 0, 0);
    SetBounds(Left(), Top(), FDisplayText->Width() + q.Width(), Height());
}

void TStyCustomEdit::CMFontChanged(TMessage& message)
{
    BeginUpdate();
    InheritedMessage(StaticClass(), message);
    AdjustHeight();
    EndUpdate();
}

void TStyCustomEdit::UMBevelChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    AdjustHeight();
}

void TStyCustomEdit::EMGetPasswordChar(TMessage& message) { message.Result = FPasswordChar; }
void TStyCustomEdit::EMSetPasswordChar(TMessage& message)
{
    SetPasswordChar(static_cast<char16_t>(message.WParam & 0xFFFF));
}

void TStyCustomEdit::Loaded()
{
    BeginUpdate();
    TStyBaseEdit::Loaded();
    AdjustHeight();
    UpdateButtonsTheme();
    EndUpdate();
}

// ---------------------------------------------------------------- embedded buttons

void TStyCustomEdit::SetCustomButtonWidth(Integer Value)
{
    if (Value == FCustomButtonWidth) return;
    FCustomButtonWidth = Value;
    if (Parent()) Perform(WM_SIZE, 0, 0);
}

void TStyCustomEdit::SetCustomButtonsStyle(TStyUserButtonStyle Value)
{
    if (Value == FCustomButtonStyle) return;
    FCustomButtonStyle = Value;
    if (!ComponentState().Contains(csLoading) && HandleAllocated() && !IsUpdating()) Perform(WM_SIZE, 0, 0);
}

void TStyCustomEdit::SetCustomButtonParentCtlXP(bool Value)
{
    if (Value == FCustomXP) return;
    FCustomXP = Value;
    if (Value)
        for (int i = 0; i < FCustomButtons->Count(); ++i) FCustomButtons->Items(i)->SetThemeMode(ThemeMode());
    ThemeChanged();
}

void TStyCustomEdit::UpdateButtonsTheme()
{
    for (int i = 0; i < FCustomButtons->Count(); ++i) {
        TStySpecialButton* item = FCustomButtons->Items(i);
        if (FCustomXP) item->SetThemeMode(ThemeMode());
        else item->Btn()->Perform(WM_THEMECHANGED, 0, 0);
    }
}

void TStyCustomEdit::ThemeChanged()
{
    TStyBaseEdit::ThemeChanged();
    UpdateButtonsTheme();
}

// The buttons take the editor's list; an index the list has no image for becomes -1.
void TStyCustomEdit::ImageListChanged()
{
    TStyBaseEdit::ImageListChanged();
    for (int i = 0; i < FCustomButtons->Count(); ++i) {
        TStySpecialButton* item = FCustomButtons->Items(i);
        if (!ImageListValidItem(FImageList, item->ListIndex(), item->ImageIndex())) item->SetImageIndex(-1);
        item->SetImageList(FImageList);
    }
}

void TStyCustomEdit::DoBtnClick(TObject* Btn, Integer index) { OnBtnClick(this, Btn, index); }

void TStyCustomEdit::BtnClick(Integer index)
{
    if (index >= 0 && index < FCustomButtons->Count()) FCustomButtons->Items(index)->Btn()->Click();
}

// The buttons take their width out of the paint rectangle at either end; with a frame that is not
// the platform's plain one, a further pixel on each side.
void TStyCustomEdit::AdjustPaintRect()
{
    if (FCustomButtons->Count() > 0) {
        FPaintRect.Left += FCustomButtons->LeftCount() * FCustomButtonWidth;
        FPaintRect.Right -= FCustomButtons->RightCount() * FCustomButtonWidth;
        if (EffectiveBevel()->Mode() != bmWindows || IsThemed()) InflateRect(FPaintRect, -1, 0);
    }
    SetBorders();
}

void TStyCustomEdit::SetBorders()
{
    const bool framed = EffectiveBevel()->Mode() != bmWindows || IsThemed();
    const Integer w = FCustomButtonWidth;
    Integer xLeft = FPaintRect.Left - FCustomButtons->LeftCount() * w, xRight = FPaintRect.Right;
    const Integer top = framed ? FPaintRect.Top + 1 : 0;
    const Integer height = framed ? FPaintRect.Height() - 2 : FPaintRect.Height();
    for (int i = 0; i < FCustomButtons->Count(); ++i) {
        TStySpeedButton* b = FCustomButtons->Items(i)->Btn();
        b->SetButtonStyle(FCustomButtonStyle);
        Integer& x = FCustomButtons->Items(i)->Alignment() == taRightJustify ? xRight : xLeft;
        b->SetBounds(x, top, w, height);
        x += w;
    }
}

void TStyCustomEdit::DefineProperties(TFiler* Filer)
{
    TStyBaseEdit::DefineProperties(Filer);
    // The button look of older forms, with the theme flag it used to carry.
    Filer->DefineProperty(
        "CustomButtonStyle",
        [this](TReader* r) {
            TStyUserButtonStyle style = FCustomButtonStyle;
            bool xp = FCustomButtons->Count() > 0 && FCustomButtons->Items(0)->CtlXP();
            ReadButtonStyleIdent(r->ReadIdent(), style, xp);
            SetCustomButtonsStyle(style);
            if (FCustomButtons->Count() > 0 && xp != FCustomButtons->Items(0)->CtlXP())
                FCustomButtons->Items(0)->SetCtlXP(xp);
        },
        nullptr, false);
}
