// Published properties of the section list box, its sections and tab stops, with their declared
// defaults, so that the result windows' form descriptions create and fill them by name; the combo
// box, the tooltip and the stylers publish theirs from their own units.
#include "listcontrols/slstbox.h"

#include "listcontrols/GxAppStyler.h"
#include "listcontrols/GxCombo.h"
#include "platform/stdctrls/StdCtrlsRegistry.h"

const TEnumTypeInfo& TypeInfoOf(TListSectionState)
{
    static const TEnumTypeInfo info("TListSectionState", {"lssExpanded", "lssContracted"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TVAlignment)
{
    static const TEnumTypeInfo info("TVAlignment", {"vtaCenter", "vtaTop", "vtaBottom"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TSectionLines)
{
    static const TEnumTypeInfo info("TSectionLines", {"slNone", "slVertical", "slHorizontal", "slBoth"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TFontUsage)
{
    static const TEnumTypeInfo info("TFontUsage", {"fuSubItems", "fuSection", "fuBoth"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TSectionControlType)
{
    static const TEnumTypeInfo info("TSectionControlType", {"scText", "scCheckbox", "scRadiobutton"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TSortDirection)
{
    static const TEnumTypeInfo info("TSortDirection", {"sdNone", "sdAscending", "sdDescending"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TTabType)
{
    static const TEnumTypeInfo info("TTabType", {"tableft", "tabright"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TActiveSection)
{
    static const TEnumTypeInfo info("TActiveSection", {"asFull", "asNodeOnly"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TListNodeType)
{
    static const TEnumTypeInfo info("TListNodeType", {"lnFlat", "ln3D", "lnGlyph"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TSectionFocus)
{
    static const TEnumTypeInfo info("TSectionFocus", {"sfDash", "sf3D", "sfNone"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TSListScrollStyle)
{
    static const TEnumTypeInfo info("TSListScrollStyle", {"slsNormal", "slsFlat", "slsEncarta"});
    return info;
}

namespace {

// A section's properties carry no stream default: all are always written.
void PublishSection()
{
    using S = TListSection;
    TPublished<S>(S::StaticClass())
        .Property("Alignment", &S::Alignment, &S::SetAlignment)
        .Property("VAlignment", &S::VAlignment, &S::SetVAlignment)
        .Property("AutoEdit", &S::AutoEdit, &S::SetAutoEdit)
        .Property("AutoSize", &S::AutoSize, &S::SetAutoSize)
        .Property("Caption", [](S* s) { return s->Caption(); }, &S::SetCaption).NoDefault()
        .Property("Fixed", &S::Fixed, &S::SetFixed)
        .Property("ImageIndex", &S::ImageIndex, &S::SetImageIndex)
        .Property("State", &S::State, &S::SetState)
        .Property("SubItems", [](S* s) { return static_cast<TStrings*>(&s->SubItems()); },
                  [](S* s, TStrings* v) { if (v) s->SetSubItems(*v); })
        .Property("Color", &S::Color, &S::SetColor).Type("TColor")
        .Property("Lines", &S::Lines, &S::SetLines)
        .Property("Font", [](S* s) { return &s->Font(); }, [](S* s, TFont* v) { if (v) s->SetFont(*v); })
        .Property("FontUsage", &S::FontUsage, &S::SetFontUsage)
        .Property("EndEllipsis", &S::EndEllipsis, &S::SetEndEllipsis)
        .Property("ControlType", &S::ControlType, &S::SetControlType)
        .Property("RadioIndex", &S::RadioIndex, &S::SetRadioIndex)
        .Property("SortDirection", &S::SortDirection, &S::SetSortDirection)
        .Property("SortShow", &S::SortShow, &S::SetSortShow)
        .Property("Tag", &S::Tag, &S::SetTag)
        .Property("OwnerDraw", &S::OwnerDraw, &S::SetOwnerDraw)
        .Property("ReadOnly", &S::ReadOnly, &S::SetReadOnly)
        .Property("ItemHeight", &S::ItemHeight, &S::SetItemHeight);
    TPublished<TTabPositionItem>(TTabPositionItem::StaticClass())
        .Property("TabPosition", &TTabPositionItem::TabPosition, &TTabPositionItem::SetTabPosition)
        .Property("TabType", &TTabPositionItem::TabType, &TTabPositionItem::SetTabType);
    TPublished<TURLSettings>(TURLSettings::StaticClass())
        .Property("URLAware", &TURLSettings::URLAware, &TURLSettings::SetURLAware).Default(false)
        .Property("URLColor", &TURLSettings::URLColor, &TURLSettings::SetURLColor).Type("TColor").Default(clBlue)
        .Property("URLFull", &TURLSettings::URLFull, &TURLSettings::SetURLFull).Default(false);
}

void PublishListBox()
{
    using L = TSectionListBox;
    TPublished<L>(L::StaticClass())
        .Property("Sections", [](L* l) { return &l->Sections(); },
                  [](L* l, TListSectionCollection* v) { if (v) l->SetSections(*v); })
        .Property("TabPositions", [](L* l) { return &l->TabPositions(); },
                  [](L* l, TTabPositionCollection* v) { if (v) l->SetTabPositions(*v); })
        .Property("TabPosMove", &L::TabPosMove, &L::SetTabPosMove).Default(false)
        .Property("WordWrap", &L::WordWrap, &L::SetWordWrap).Default(false)
        .Property("Wallpaper", [](L* l) { return &l->Wallpaper(); },
                  [](L* l, TBitmap* v) { if (v) l->SetWallpaper(*v); })
        .Property("OneExpanded", &L::OneExpanded, &L::SetOneExpanded).Default(false)
        .Property("FullFocus", &L::FullFocus, &L::SetFullFocus).Default(true)
        .Property("ImageSpacing", &L::ImageSpacing, &L::SetImageSpacing).Default(SmallInt(0))
        .Property("SubItemHeight", &L::SubItemHeight, &L::SetSubItemHeight).Default(13)
        .Property("PictureContainer", &L::PictureContainer, &L::SetPictureContainer)
        .Property("Flat", &L::Flat, &L::SetFlat).Default(false)
        .Property("SectionHeight", &L::SectionHeight, &L::SetSectionHeight).Default(14)
        .Property("SectionFont", [](L* l) { return &l->SectionFont(); },
                  [](L* l, TFont* v) { if (v) l->SetSectionFont(*v); })
        .Property("SectionIndent", &L::SectionIndent, &L::SetSectionIndent).Default(14)
        .Property("SectionImages", &L::SectionImages, &L::SetSectionImages)
        .Property("SubItemImages", &L::SubItemImages, &L::SetSubItemImages)
        .Property("SubItemIndent", &L::SubItemIndent, &L::SetSubItemIndent).Default(14)
        .Property("URLSettings", [](L* l) { return &l->URLSettings(); },
                  [](L* l, TURLSettings* v) { if (v) l->SetURLSettings(*v); })
        .Property("ExpandDisable", &L::ExpandDisable, &L::SetExpandDisable).Default(false)
        .Property("ContractDisable", &L::ContractDisable, &L::SetContractDisable).Default(false)
        .Property("ExpandGlyph", [](L* l) { return &l->ExpandGlyph(); },
                  [](L* l, TBitmap* v) { if (v) l->SetExpandGlyph(*v); })
        .Property("ContractGlyph", [](L* l) { return &l->ContractGlyph(); },
                  [](L* l, TBitmap* v) { if (v) l->SetContractGlyph(*v); })
        .Property("SectionColor", &L::SectionColor, &L::SetSectionColor).Type("TColor").Default(clBtnFace)
        .Property("ActiveSection", &L::ActiveSection, &L::SetActiveSection).Default(asFull)
        .Property("NodeType", &L::NodeType, &L::SetNodeType).Default(lnFlat)
        .Property("SectionFocus", &L::SectionFocus, &L::SetSectionFocus).Default(TSectionFocus::sfDash)
        .Property("ScrollTrack", &L::ScrollTrack, &L::SetScrollTrack).Default(true)
        .Property("ScrollStyle", &L::ScrollStyle, &L::SetScrollStyle).Default(slsNormal)
        .Property("ScrollColor", &L::ScrollColor, &L::SetScrollColor).Type("TColor").Default(clNone)
        .Property("ScrollWidth", &L::ScrollWidth, &L::SetScrollWidth)
        .Property("SelectionColor", &L::SelectionColor, &L::SetSelectionColor).Type("TColor").Default(clHighlight)
        .Property("SelectionTextColor", &L::SelectionTextColor, &L::SetSelectionTextColor)
        .Type("TColor")
        .Default(clHighlightText)
        .Property("Version", [](L* l) { return l->Version(); }, &L::SetVersion).Stored(false)
        .Property("OnExpandSection", &L::OnExpandSection)
        .Property("OnContractSection", &L::OnContractSection)
        .Property("OnSectionClick", &L::OnSectionClick)
        .Property("OnSectionRClick", &L::OnSectionRClick)
        .Property("OnSectionDblClk", &L::OnSectionDblClk)
        .Property("OnChange", &L::OnChange)
        .Property("OnSubItemClick", &L::OnSubItemClick)
        .Property("OnCheckBoxClick", &L::OnCheckBoxClick)
        .Property("OnRadioClick", &L::OnRadioClick)
        .Property("OnSubItemRClick", &L::OnSubItemRClick)
        .Property("OnSubItemDblClk", &L::OnSubItemDblClk)
        .Property("OnSubItemRDblClk", &L::OnSubItemRDblClk)
        .Property("OnInsertSubItem", &L::OnInsertSubItem)
        .Property("OnDeleteSubItem", &L::OnDeleteSubItem)
        .Property("OnInsertSection", &L::OnInsertSection)
        .Property("OnDeleteSection", &L::OnDeleteSection)
        .Property("OnDrawItem", &L::OnDrawItem)
        .Property("OnDrawItemProp", &L::OnDrawItemProp)
        .Property("OnStartEdit", &L::OnStartEdit)
        .Property("OnEndEdit", &L::OnEndEdit)
        .Property("OnAnchorClick", &L::OnAnchorClick)
        .Property("OnAnchorEnter", &L::OnAnchorEnter)
        .Property("OnAnchorExit", &L::OnAnchorExit)
        .Property("OnSectionHeight", &L::OnSectionHeight);
}

}  // namespace

void RegisterListControlClasses()
{
    static bool done = false;
    if (done) return;
    done = true;
    RegisterStdControlClasses();
    RegisterGxComboClasses();
    RegisterGxStylerClasses();
    PublishSection();
    PublishListBox();
    RegisterClasses({TSectionListBox::StaticClass(), TListSection::StaticClass(), TTabPositionItem::StaticClass()});
}
