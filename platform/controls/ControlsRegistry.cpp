// Published properties and class registration of the controls, and of the graphics objects
// their properties hold (fonts, colours, cursors).
#include "platform/controls/ActnList.h"
#include "platform/stdctrls/Menus.h"

const TEnumTypeInfo& TypeInfoOf(TAlign)
{
    static const TEnumTypeInfo info("TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TAnchorKind)
{
    static const TEnumTypeInfo info("TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"}, "TAnchors");
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TFormBorderStyle)
{
    static const TEnumTypeInfo info("TFormBorderStyle",
                                    {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TFontStyle)
{
    static const TEnumTypeInfo info("TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}, "TFontStyles");
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TFontPitch)
{
    static const TEnumTypeInfo info("TFontPitch", {"fpDefault", "fpVariable", "fpFixed"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TPenStyle)
{
    static const TEnumTypeInfo info("TPenStyle", {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear",
                                                  "psInsideFrame", "psUserStyle", "psAlternate"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TBrushStyle)
{
    static const TEnumTypeInfo info("TBrushStyle", {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                                                    "bsBDiagonal", "bsCross", "bsDiagCross"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TDragMode)
{
    static const TEnumTypeInfo info("TDragMode", {"dmManual", "dmAutomatic"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TDragKind)
{
    static const TEnumTypeInfo info("TDragKind", {"dkDrag", "dkDock"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyleElement)
{
    static const TEnumTypeInfo info("TStyleElement", {"seFont", "seClient", "seBorder"}, "TStyleElements");
    return info;
}

namespace {

const struct {
    TCursor Value;
    const char* Name;
} CursorNames[] = {
    {crDefault, "crDefault"}, {crNone, "crNone"}, {crArrow, "crArrow"}, {crCross, "crCross"}, {crIBeam, "crIBeam"},
    {crSizeNESW, "crSizeNESW"}, {crSizeNS, "crSizeNS"}, {crSizeNWSE, "crSizeNWSE"}, {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"}, {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"}, {crNoDrop, "crNoDrop"},
    {crHSplit, "crHSplit"}, {crVSplit, "crVSplit"}, {crMultiDrag, "crMultiDrag"}, {crSQLWait, "crSQLWait"},
    {crNo, "crNo"}, {crAppStart, "crAppStart"}, {crHelp, "crHelp"}, {crHandPoint, "crHandPoint"},
    {crSizeAll, "crSizeAll"},
};

const struct {
    Integer Value;
    const char* Name;
} CharsetNames[] = {{ANSI_CHARSET, "ANSI_CHARSET"}, {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
                    {SYMBOL_CHARSET, "SYMBOL_CHARSET"}, {OEM_CHARSET, "OEM_CHARSET"}};

template <class Table>
void RegisterNames(const char* typeName, const Table& table)
{
    RegisterIntegerConsts(
        typeName,
        [&table](const String& ident, Int64& value) {
            for (const auto& c : table)
                if (SameText(ident, c.Name)) {
                    value = c.Value;
                    return true;
                }
            return false;
        },
        [&table](Int64 value, String& ident) {
            for (const auto& c : table)
                if (c.Value == value) {
                    ident = c.Name;
                    return true;
                }
            return false;
        });
}

void RegisterIdents()
{
    RegisterIntegerConsts(
        "TColor",
        [](const String& ident, Int64& value) {
            TColor c;
            if (!IdentToColor(ident, c)) return false;
            value = c;
            return true;
        },
        [](Int64 value, String& ident) {
            String s = ColorToString(static_cast<TColor>(value));
            if (s.IsEmpty() || s[1] == u'$') return false;
            ident = s;
            return true;
        });
    RegisterNames("TCursor", CursorNames);
    RegisterNames("TFontCharset", CharsetNames);
}

void PublishGraphics()
{
    TPublished<TFont>(TFont::StaticClass())
        .Property("Charset", &TFont::Charset, &TFont::SetCharset).Type("TFontCharset").Default(DEFAULT_CHARSET)
        .Property("Color", &TFont::Color, &TFont::SetColor).Type("TColor").Default(clWindowText)
        .Property("Height", &TFont::Height, &TFont::SetHeight)
        .Property("Name", &TFont::Name, &TFont::SetName)
        .Property("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(TFontPitch::fpDefault)
        .Property("Style", &TFont::Style, &TFont::SetStyle).Default(TFontStyles{});
}

void PublishControls()
{
    TPublished<TSizeConstraints>(TSizeConstraints::StaticClass())
        .Property("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight).Default(0)
        .Property("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth).Default(0)
        .Property("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight).Default(0)
        .Property("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth).Default(0);

    TPublished<TControl>(TControl::StaticClass())
        .Property("Action", &TControl::Action, &TControl::SetAction)
        .Property("Left", &TControl::Left, &TControl::SetLeft)
        .Property("Top", &TControl::Top, &TControl::SetTop)
        .Property("Width", &TControl::Width, &TControl::SetWidth)
        .Property("Height", &TControl::Height, &TControl::SetHeight)
        .Property("Align", &TControl::Align, &TControl::SetAlign).Default(alNone)
        .Property("Anchors", &TControl::Anchors, &TControl::SetAnchors).Default(TAnchors{akLeft, akTop})
        .Property("AutoSize", &TControl::AutoSize, &TControl::SetAutoSize).Default(false)
        .Property("Caption", &TControl::Caption, &TControl::SetCaption)
        .Property("Color", &TControl::Color, &TControl::SetColor).Type("TColor")
            .Stored([](TControl* c) { return !c->ParentColor(); })
        .Property("Constraints", [](TControl* c) { return &c->Constraints(); },
                  [](TControl* c, TSizeConstraints* v) { if (v) c->Constraints().Assign(v); })
        .Property("Cursor", &TControl::Cursor, &TControl::SetCursor).Type("TCursor").Default(crDefault)
        .Property("DragCursor", &TControl::DragCursor, &TControl::SetDragCursor).Type("TCursor").Default(crDrag)
        .Property("DragKind", &TControl::DragKind, &TControl::SetDragKind).Default(dkDrag)
        .Property("DragMode", &TControl::DragMode, &TControl::SetDragMode).Default(dmManual)
        .Property("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(true)
        .Property("Font", [](TControl* c) { return &c->Font(); }, [](TControl* c, TFont* v) { if (v) c->SetFont(*v); })
            .Stored([](TControl* c) { return !c->ParentFont(); })
        .Property("HelpContext", &TControl::HelpContext, &TControl::SetHelpContext).Default(0)
        .Property("Hint", [](TControl* c) { return c->Hint(); }, &TControl::SetHint)
        .Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(true)
        .Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(true)
        .Property("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint).Default(true)
        .Property("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
        .Property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
            .Stored([](TControl* c) { return !c->ParentShowHint(); })
        .Property("StyleElements", &TControl::StyleElements, &TControl::SetStyleElements)
            .Default(TStyleElements{seFont, seClient, seBorder})
        .Property("Visible", &TControl::Visible, &TControl::SetVisible).Default(true)
        .Property("OnClick", &TControl::OnClick)
        .Property("OnDblClick", &TControl::OnDblClick)
        .Property("OnDragDrop", &TControl::OnDragDrop)
        .Property("OnDragOver", &TControl::OnDragOver)
        .Property("OnEndDock", &TControl::OnEndDock)
        .Property("OnEndDrag", &TControl::OnEndDrag)
        .Property("OnMouseDown", &TControl::OnMouseDown)
        .Property("OnMouseMove", &TControl::OnMouseMove)
        .Property("OnMouseUp", &TControl::OnMouseUp)
        .Property("OnResize", &TControl::OnResize)
        .Property("OnStartDock", &TControl::OnStartDock)
        .Property("OnStartDrag", &TControl::OnStartDrag);

    TPublished<TWinControl>(TWinControl::StaticClass())
        .Property("Ctl3D", &TWinControl::Ctl3D, &TWinControl::SetCtl3D)
            .Stored([](TWinControl* w) { return !w->ParentCtl3D(); })
        .Property("ParentCtl3D", &TWinControl::ParentCtl3D, &TWinControl::SetParentCtl3D).Default(true)
        .Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
            .Stored([](TWinControl* w) { return w->Parent() != nullptr; })
        .Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(false)
        .Property("OnEnter", &TWinControl::OnEnter)
        .Property("OnExit", &TWinControl::OnExit)
        .Property("OnKeyDown", &TWinControl::OnKeyDown)
        .Property("OnKeyPress", &TWinControl::OnKeyPress)
        .Property("OnKeyUp", &TWinControl::OnKeyUp);
}

}  // namespace

void RegisterControlClasses()
{
    static bool done = false;
    if (done) return;
    done = true;
    RegisterIdents();
    RegisterActionClasses();
    PublishGraphics();
    PublishControls();
    RegisterClasses({TControl::StaticClass(), TWinControl::StaticClass(), TCustomControl::StaticClass(),
                     TGraphicControl::StaticClass()});
}
