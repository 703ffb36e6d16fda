#include "platform/stdctrls/StdCtrlsRegistry.h"

#include "platform/stdctrls/UpDown.h"

const TEnumTypeInfo& TypeInfoOf(TAlignment)
{
    static const TEnumTypeInfo info("TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TScrollStyle)
{
    static const TEnumTypeInfo info("TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TDTDateFormat)
{
    static const TEnumTypeInfo info("TDTDateFormat", {"dfShort", "dfLong"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TToolButtonStyle)
{
    static const TEnumTypeInfo info("TToolButtonStyle", {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TTextLayout)
{
    static const TEnumTypeInfo info("TTextLayout", {"tlTop", "tlCenter", "tlBottom"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TCheckBoxState)
{
    static const TEnumTypeInfo info("TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TListBoxStyle)
{
    static const TEnumTypeInfo info("TListBoxStyle", {"lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TComboBoxStyle)
{
    static const TEnumTypeInfo info("TComboBoxStyle", {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed",
                                                       "csOwnerDrawVariable"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TGridOption)
{
    static const TEnumTypeInfo info("TGridOption",
                                    {"goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect",
                                     "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving", "goColMoving",
                                     "goEditing", "goTabs", "goRowSelect", "goAlwaysShowEditor", "goThumbTracking"},
                                    "TGridOptions");
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TStatusPanelBevel)
{
    static const TEnumTypeInfo info("TStatusPanelBevel", {"pbNone", "pbLowered", "pbRaised"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TStatusPanelStyle)
{
    static const TEnumTypeInfo info("TStatusPanelStyle", {"psText", "psOwnerDraw"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TProgressBarOrientation)
{
    static const TEnumTypeInfo info("TProgressBarOrientation", {"pbHorizontal", "pbVertical"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TPanelBevel)
{
    static const TEnumTypeInfo info("TPanelBevel", {"bvNone", "bvLowered", "bvRaised", "bvSpace"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TBevelStyle)
{
    static const TEnumTypeInfo info("TBevelStyle", {"bsLowered", "bsRaised"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TBevelShape)
{
    static const TEnumTypeInfo info("TBevelShape", {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine",
                                                    "bsRightLine", "bsSpacer"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TShapeType)
{
    static const TEnumTypeInfo info("TShapeType", {"stRectangle", "stSquare", "stRoundRect", "stRoundSquare",
                                                   "stEllipse", "stCircle"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TBitBtnKind)
{
    static const TEnumTypeInfo info("TBitBtnKind", {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose",
                                                    "bkAbort", "bkRetry", "bkIgnore", "bkAll"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TButtonLayout)
{
    static const TEnumTypeInfo info("TButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TScrollBarKind)
{
    static const TEnumTypeInfo info("TScrollBarKind", {"sbHorizontal", "sbVertical"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TTrackBarOrientation)
{
    static const TEnumTypeInfo info("TTrackBarOrientation", {"trHorizontal", "trVertical"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TUDOrientation)
{
    static const TEnumTypeInfo info("TUDOrientation", {"udHorizontal", "udVertical"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TPopupAlignment)
{
    static const TEnumTypeInfo info("TPopupAlignment", {"paLeft", "paRight", "paCenter"});
    return info;
}

namespace {

void PublishNativeControls()
{
    TPublished<TCustomEdit>(TCustomEdit::StaticClass())
        .Property("Color").Default(clWindow)
        .Property("ParentColor").Default(false)
        .Property("TabStop").Default(true)
        .Property("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect).Default(true)
        .Property("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength).Default(0)
        .Property("PasswordChar", &TCustomEdit::PasswordChar, &TCustomEdit::SetPasswordChar).Default(0)
        .Property("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly).Default(false)
        .Property("Text", [](TCustomEdit* e) { return e->Text(); }, &TCustomEdit::SetText)
        .Property("OnChange", &TCustomEdit::OnChange);

    TPublished<TButton>(TButton::StaticClass())
        .Property("TabStop").Default(true)
        .Property("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false)
        .Property("Default", &TButton::Default, &TButton::SetDefault).Default(false)
        .Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Default(0);

    TPublished<TMenuItem>(TMenuItem::StaticClass())
        .Property("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck).Default(false)
        .Property("Caption", [](TMenuItem* i) { return i->Caption(); }, &TMenuItem::SetCaption)
        .Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(false)
        .Property("Default", &TMenuItem::Default, &TMenuItem::SetDefault).Default(false)
        .Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true)
        .Property("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex).Default(0)
        .Property("HelpContext", &TMenuItem::HelpContext, &TMenuItem::SetHelpContext).Default(0)
        .Property("Hint", [](TMenuItem* i) { return i->Hint(); }, &TMenuItem::SetHint)
        .Property("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex).Default(-1)
        .Property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).Default(false)
        .Property("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut).Type("TShortCut").Default(0)
        .Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true)
        .Property("OnClick", &TMenuItem::OnClick);

    TPublished<TMainMenu>(TMainMenu::StaticClass())
        .Property("AutoMerge", &TMainMenu::AutoMerge, &TMainMenu::SetAutoMerge).Default(false);

    TPublished<TPopupMenu>(TPopupMenu::StaticClass())
        .Property("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment).Default(paLeft)
        .Property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true)
        .Property("OnPopup", &TPopupMenu::OnPopup);

    TPublished<TTimer>(TTimer::StaticClass())
        .Property("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true)
        .Property("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000)
        .Property("OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer);
}

void PublishButtons()
{
    TPublished<TBitBtn>(TBitBtn::StaticClass())
        .Property("Kind", &TBitBtn::Kind, &TBitBtn::SetKind).Default(bkCustom)
        .Property("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs).Default(1);
    TPublished<TSpeedButton>(TSpeedButton::StaticClass())
        .Property("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp).Default(false)
        .Property("Down", &TSpeedButton::Down, &TSpeedButton::SetDown).Default(false)
        .Property("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).Default(false)
        .Property("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex).Default(0)
        .Property("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout).Default(blGlyphLeft);
}

void PublishStdCtrls()
{
    TPublished<TCustomLabel>(TCustomLabel::StaticClass())
        .Property("Alignment", &TCustomLabel::Alignment, &TCustomLabel::SetAlignment).Default(taLeftJustify)
        .Property("AutoSize").Default(true)
        .Property("FocusControl", &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl)
        .Property("Layout", &TCustomLabel::Layout, &TCustomLabel::SetLayout).Default(tlTop)
        .Property("ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar).Default(true)
        .Property("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent).Default(false)
        .Property("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap).Default(false);

    TPublished<TButtonControl>(TButtonControl::StaticClass())
        .Property("Alignment", &TButtonControl::Alignment, &TButtonControl::SetAlignment).Default(taRightJustify)
        .Property("Checked", &TButtonControl::Checked, &TButtonControl::SetChecked).Default(false)
        .Property("TabStop").Default(true);
    TPublished<TCustomCheckBox>(TCustomCheckBox::StaticClass())
        .Property("AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed).Default(false)
        .Property("State", &TCustomCheckBox::State, &TCustomCheckBox::SetState).Default(cbUnchecked);

    TPublished<TCustomListBox>(TCustomListBox::StaticClass())
        .Property("BorderStyle", &TCustomListBox::BorderStyle, &TCustomListBox::SetBorderStyle).Default(bsSingle)
        .Property("Color").Default(clWindow)
        .Property("ExtendedSelect", &TCustomListBox::ExtendedSelect, &TCustomListBox::SetExtendedSelect).Default(true)
        .Property("ItemHeight", [](TCustomListBox* l) { return l->Style() == lbStandard ? 16 : l->ItemHeight(); },
                  &TCustomListBox::SetItemHeight).Default(16)
        .Property("Items", [](TCustomListBox* l) { return &l->Items(); }, nullptr)
        .Property("MultiSelect", &TCustomListBox::MultiSelect, &TCustomListBox::SetMultiSelect).Default(false)
        .Property("ParentColor").Default(false)
        .Property("ScrollWidth", &TCustomListBox::ScrollWidth, &TCustomListBox::SetScrollWidth).Default(0)
        .Property("Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted).Default(false)
        .Property("Style", &TCustomListBox::Style, &TCustomListBox::SetStyle).Default(lbStandard)
        .Property("TabStop").Default(true)
        .Property("OnDrawItem", &TCustomListBox::OnDrawItem)
        .Property("OnMeasureItem", &TCustomListBox::OnMeasureItem);

    TPublished<TScrollBar>(TScrollBar::StaticClass())
        .Property("Kind", &TScrollBar::Kind, &TScrollBar::SetKind).Default(sbHorizontal)
        .Property("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange).Default(1)
        .Property("Max", &TScrollBar::Max, &TScrollBar::SetMax).Default(100)
        .Property("Min", &TScrollBar::Min, &TScrollBar::SetMin).Default(0)
        .Property("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize).Default(0)
        .Property("Position", &TScrollBar::Position, &TScrollBar::SetPosition).Default(0)
        .Property("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange).Default(1)
        .Property("TabStop").Default(true)
        .Property("OnChange", &TScrollBar::OnChange)
        .Property("OnScroll", &TScrollBar::OnScroll);

    TPublished<TCustomMaskEdit>(TCustomMaskEdit::StaticClass())
        .Property("EditMask", [](TCustomMaskEdit* e) { return e->EditMask(); }, &TCustomMaskEdit::SetEditMask);

    TPublished<TCustomMemo>(TCustomMemo::StaticClass())
        .Property("Lines", [](TCustomMemo* m) { return &m->Lines(); }, nullptr)
        .Property("ScrollBars", &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars).Default(ssNone)
        .Property("WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns).Default(true)
        .Property("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap).Default(true);

    TPublished<TCustomComboBox>(TCustomComboBox::StaticClass())
        .Property("Color").Default(clWindow)
        .Property("DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount).Default(8)
        .Property("ItemHeight", &TCustomComboBox::ItemHeight, &TCustomComboBox::SetItemHeight).Default(16)
        .Property("Items", [](TCustomComboBox* c) { return &c->Items(); }, nullptr)
        .Property("ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex).Default(-1)
        .Property("MaxLength", &TCustomComboBox::MaxLength, &TCustomComboBox::SetMaxLength).Default(0)
        .Property("ParentColor").Default(false)
        .Property("Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted).Default(false)
        .Property("Style", &TCustomComboBox::Style, &TCustomComboBox::SetStyle).Default(csDropDown)
        .Property("TabStop").Default(true)
        .Property("Text", [](TCustomComboBox* c) { return c->Text(); }, &TCustomComboBox::SetText)
        .Property("OnChange", &TCustomComboBox::OnChange)
        .Property("OnCloseUp", &TCustomComboBox::OnCloseUp)
        .Property("OnDrawItem", &TCustomComboBox::OnDrawItem)
        .Property("OnDropDown", &TCustomComboBox::OnDropDown)
        .Property("OnMeasureItem", &TCustomComboBox::OnMeasureItem)
        .Property("OnSelect", &TCustomComboBox::OnSelect);
}

void PublishGrids()
{
    TPublished<TCustomGrid>(TCustomGrid::StaticClass())
        .Property("Color").Default(clWindow)
        .Property("ColCount", &TCustomGrid::ColCount, &TCustomGrid::SetColCount).Default(5)
        .Property("DefaultColWidth", &TCustomGrid::DefaultColWidth, &TCustomGrid::SetDefaultColWidth).Default(64)
        .Property("DefaultDrawing", &TCustomGrid::DefaultDrawing, &TCustomGrid::SetDefaultDrawing).Default(true)
        .Property("DefaultRowHeight", &TCustomGrid::DefaultRowHeight, &TCustomGrid::SetDefaultRowHeight).Default(24)
        .Property("FixedColor", &TCustomGrid::FixedColor, &TCustomGrid::SetFixedColor).Type("TColor").Default(clBtnFace)
        .Property("FixedCols", &TCustomGrid::FixedCols, &TCustomGrid::SetFixedCols).Default(1)
        .Property("FixedRows", &TCustomGrid::FixedRows, &TCustomGrid::SetFixedRows).Default(1)
        .Property("GridLineWidth", &TCustomGrid::GridLineWidth, &TCustomGrid::SetGridLineWidth).Default(1)
        .Property("Options", &TCustomGrid::Options, &TCustomGrid::SetOptions)
            .Default(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect})
        .Property("ParentColor").Default(false)
        .Property("RowCount", &TCustomGrid::RowCount, &TCustomGrid::SetRowCount).Default(5)
        .Property("TabStop").Default(true)
        .Property("OnColumnMoved", &TCustomGrid::OnColumnMoved)
        .Property("OnDrawCell", &TCustomGrid::OnDrawCell)
        .Property("OnSelectCell", &TCustomGrid::OnSelectCell)
        .Property("OnTopLeftChanged", &TCustomGrid::OnTopLeftChanged);
}

// A tool bar's or a menu item's picture from its image list: the image on the face colour, or
// its disabled look.
bool ImageListPicture(TComponent* images, Integer index, bool enabled, TBitmap& picture)
{
    const auto* list = dynamic_cast<const TCustomImageList*>(images);
    if (!list || index < 0 || index >= list->Count()) return false;
    picture.SetPixelFormat(TPixelFormat::pf32bit);
    picture.SetSize(list->Width(), list->Height());
    picture.Canvas().FillRectColor(TRect{0, 0, list->Width(), list->Height()}, clBtnFace);
    list->Draw(picture.Canvas(), 0, 0, index, enabled);
    return true;
}

void PublishToolBar()
{
    TPublished<TToolBar>(TToolBar::StaticClass())
        .Property("Images", [](TToolBar* b) { return dynamic_cast<TCustomImageList*>(b->Images()); },
                  [](TToolBar* b, TCustomImageList* images) { b->SetImages(images); })
        .Property("DisabledImages", [](TToolBar* b) { return dynamic_cast<TCustomImageList*>(b->DisabledImages()); },
                  [](TToolBar* b, TCustomImageList* images) { b->SetDisabledImages(images); });
    TPublished<TToolButton>(TToolButton::StaticClass())
        .Property("Caption", &TToolButton::Caption, &TToolButton::SetCaption)
        .Property("DropdownMenu", &TToolButton::DropdownMenu, &TToolButton::SetDropdownMenu)
        .Property("Down", &TToolButton::Down, &TToolButton::SetDown).Default(false)
        .Property("Enabled", &TToolButton::Enabled, &TToolButton::SetEnabled).Default(true)
        .Property("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped).Default(false)
        .Property("Hint", &TToolButton::Hint, &TToolButton::SetHint)
        .Property("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex).Default(-1)
        .Property("MenuItem", &TToolButton::MenuItem, &TToolButton::SetMenuItem)
        .Property("Style", &TToolButton::Style, &TToolButton::SetStyle).Default(tbsButton)
        .Property("OnClick", &TToolButton::OnClick);
    TToolBar::SetPictureSource(ImageListPicture);
    TMenuItem::SetPictureSource(ImageListPicture);
}

void PublishComCtrls()
{
    PublishToolBar();
    TPublished<TStatusPanel>(TStatusPanel::StaticClass())
        .Property("Alignment", &TStatusPanel::Alignment, &TStatusPanel::SetAlignment).Default(taLeftJustify)
        .Property("Bevel", &TStatusPanel::Bevel, &TStatusPanel::SetBevel).Default(pbLowered)
        .Property("Style", &TStatusPanel::Style, &TStatusPanel::SetStyle).Default(psText)
        .Property("Text", [](TStatusPanel* p) { return p->Text(); }, &TStatusPanel::SetText)
        .Property("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth).Default(50);
    TPublished<TStatusBar>(TStatusBar::StaticClass())
        .Property("Align").Default(alBottom)
        .Property("Color").Default(clBtnFace)
        .Property("Panels", [](TStatusBar* s) { return &s->Panels(); }, nullptr)
        .Property("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel).Default(false)
        .Property("SimpleText", [](TStatusBar* s) { return s->SimpleText(); }, &TStatusBar::SetSimpleText)
        .Property("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip).Default(true)
        .Property("OnDrawPanel", &TStatusBar::OnDrawPanel);

    TPublished<TTabSheet>(TTabSheet::StaticClass())
        .Property("PageControl", &TTabSheet::PageControl, &TTabSheet::SetPageControl).Stored(false)
        .Property("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible).Default(true);
    TPublished<TPageControl>(TPageControl::StaticClass())
        .Property("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage)
        .Property("TabStop").Default(true)
        .Property("OnChange", &TPageControl::OnChange)
        .Property("OnChanging", &TPageControl::OnChanging);

    TPublished<TCustomUpDown>(TCustomUpDown::StaticClass())
        .Property("Associate", &TCustomUpDown::Associate, &TCustomUpDown::SetAssociate)
        .Property("Increment", &TCustomUpDown::Increment, &TCustomUpDown::SetIncrement).Default(1)
        .Property("Max", &TCustomUpDown::Max, &TCustomUpDown::SetMax).Default(100)
        .Property("Min", &TCustomUpDown::Min, &TCustomUpDown::SetMin).Default(0)
        .Property("Orientation", &TCustomUpDown::Orientation, &TCustomUpDown::SetOrientation).Default(udVertical)
        .Property("Position", &TCustomUpDown::Position, &TCustomUpDown::SetPosition).Default(0)
        .Property("Wrap", &TCustomUpDown::Wrap, &TCustomUpDown::SetWrap).Default(false)
        .Property("OnChanging", &TCustomUpDown::OnChanging)
        .Property("OnClick", &TCustomUpDown::OnClick);

    TPublished<TDateTimePicker>(TDateTimePicker::StaticClass())
        .Property("Color").Default(clWindow)
        .Property("ParentColor").Default(false)
        .Property("TabStop").Default(true)
        .Property("Date", &TDateTimePicker::Date, &TDateTimePicker::SetDate).Type("TDate")
        .Property("DateFormat", &TDateTimePicker::DateFormat, &TDateTimePicker::SetDateFormat).Default(dfShort)
        .Property("OnChange", &TDateTimePicker::OnChange);

    TPublished<TTrackBar>(TTrackBar::StaticClass())
        .Property("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency).Default(1)
        .Property("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize).Default(1)
        .Property("Max", &TTrackBar::Max, &TTrackBar::SetMax).Default(10)
        .Property("Min", &TTrackBar::Min, &TTrackBar::SetMin).Default(0)
        .Property("Orientation", &TTrackBar::Orientation, &TTrackBar::SetOrientation).Default(trHorizontal)
        .Property("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize).Default(2)
        .Property("Position", &TTrackBar::Position, &TTrackBar::SetPosition).Default(0)
        .Property("TabStop").Default(true)
        .Property("OnChange", &TTrackBar::OnChange);

    TPublished<TProgressBar>(TProgressBar::StaticClass())
        .Property("Max", &TProgressBar::Max, &TProgressBar::SetMax).Default(100)
        .Property("Min", &TProgressBar::Min, &TProgressBar::SetMin).Default(0)
        .Property("Orientation", &TProgressBar::Orientation, &TProgressBar::SetOrientation).Default(pbHorizontal)
        .Property("Position", &TProgressBar::Position, &TProgressBar::SetPosition).Default(0)
        .Property("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth).Default(false)
        .Property("Step", &TProgressBar::Step, &TProgressBar::SetStep).Default(10);
}

void PublishExtCtrls()
{
    TPublished<TCustomPanel>(TCustomPanel::StaticClass())
        .Property("Alignment", &TCustomPanel::Alignment, &TCustomPanel::SetAlignment).Default(taCenter)
        .Property("BevelInner", &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner).Default(TPanelBevel::bvNone)
        .Property("BevelOuter", &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter).Default(TPanelBevel::bvRaised)
        .Property("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth).Default(1)
        .Property("BorderStyle", &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle).Default(bsNone)
        .Property("BorderWidth", &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth).Default(0)
        .Property("Color").Default(clBtnFace);
    TPublished<TBevel>(TBevel::StaticClass())
        .Property("Shape", &TBevel::Shape, &TBevel::SetShape).Default(bsBox)
        .Property("Style", &TBevel::Style, &TBevel::SetStyle).Default(bsLowered);
    TPublished<TShape>(TShape::StaticClass())
        .Property("Shape", &TShape::Shape, &TShape::SetShape).Default(stRectangle);
    TPublished<TPaintBox>(TPaintBox::StaticClass())
        .Property("OnPaint", &TPaintBox::OnPaint);
    TPublished<TImage>(TImage::StaticClass())
        .Property("Center", &TImage::Center, &TImage::SetCenter).Default(false)
        .Property("Proportional", &TImage::Proportional, &TImage::SetProportional).Default(false)
        .Property("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(false)
        .Property("Transparent", &TImage::Transparent, &TImage::SetTransparent).Default(false);
    TPublished<TCustomRadioGroup>(TCustomRadioGroup::StaticClass())
        .Property("Columns", &TCustomRadioGroup::Columns, &TCustomRadioGroup::SetColumns).Default(1)
        .Property("ItemIndex", &TCustomRadioGroup::ItemIndex, &TCustomRadioGroup::SetItemIndex).Default(-1)
        .Property("Items", [](TCustomRadioGroup* g) { return &g->Items(); }, nullptr);
    TPublished<TScrollBox>(TScrollBox::StaticClass())
        .Property("BorderStyle", &TScrollBox::BorderStyle, &TScrollBox::SetBorderStyle).Default(bsSingle)
        .Property("Color").Default(clBtnFace);
    TPublished<TSplitter>(TSplitter::StaticClass())
        .Property("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize).Default(30)
        .Property("OnMoved", &TSplitter::OnMoved);
}

}  // namespace

void RegisterStdControlClasses()
{
    static bool done = false;
    if (done) return;
    done = true;
    RegisterControlClasses();
    PublishNativeControls();
    PublishStdCtrls();
    PublishButtons();
    PublishGrids();
    PublishComCtrls();
    PublishExtCtrls();
    PublishCheckListBox();
    PublishGauge();
    PublishSpinEdit();
    PublishControlBar();
    RegisterClasses({TControlBar::StaticClass(), TCheckListBox::StaticClass(), TGauge::StaticClass(), TSpinEdit::StaticClass(), TEdit::StaticClass(), TButton::StaticClass(), TToolBar::StaticClass(), TMenuItem::StaticClass(),
                     TMainMenu::StaticClass(), TPopupMenu::StaticClass(), TTimer::StaticClass(), TLabel::StaticClass(), TGroupBox::StaticClass(), TCheckBox::StaticClass(),
                     TRadioButton::StaticClass(), TListBox::StaticClass(), TComboBox::StaticClass(),
                     TMaskEdit::StaticClass(), TMemo::StaticClass(), TDateTimePicker::StaticClass(), TBitBtn::StaticClass(), TSpeedButton::StaticClass(),
                     TDrawGrid::StaticClass(), TStringGrid::StaticClass(), TStatusBar::StaticClass(),
                     TStatusPanel::StaticClass(), TPageControl::StaticClass(), TTabSheet::StaticClass(),
                     TProgressBar::StaticClass(), TCustomUpDown::StaticClass(), TPanel::StaticClass(),
                     TBevel::StaticClass(), TShape::StaticClass(), TPaintBox::StaticClass(), TImage::StaticClass(),
                     TRadioGroup::StaticClass(), TSplitter::StaticClass(), TScrollBox::StaticClass(),
                     TScrollBar::StaticClass(), TTrackBar::StaticClass(), TToolButton::StaticClass()});
}
