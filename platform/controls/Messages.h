#pragma once
// Window and component messages: the published numeric ids of the window messages and of the
// edit, list box, combo box and button messages, the class library's component (CM_*) and
// reflected notification (CN_*) messages, virtual-key codes, and the message records that give
// a TMessage's parameters their names.
#include <cstdint>

#include "platform/classes/Object.h"
#include "platform/rtl/Types.h"

// ---------------------------------------------------------------- window messages
enum : Cardinal {
    WM_NULL = 0x0000, WM_CREATE = 0x0001, WM_DESTROY = 0x0002, WM_MOVE = 0x0003, WM_SIZE = 0x0005,
    WM_ACTIVATE = 0x0006, WM_SETFOCUS = 0x0007, WM_KILLFOCUS = 0x0008, WM_ENABLE = 0x000A,
    WM_SETREDRAW = 0x000B, WM_SETTEXT = 0x000C, WM_GETTEXT = 0x000D, WM_GETTEXTLENGTH = 0x000E,
    WM_PAINT = 0x000F, WM_CLOSE = 0x0010, WM_QUERYENDSESSION = 0x0011, WM_QUIT = 0x0012,
    WM_ERASEBKGND = 0x0014, WM_SYSCOLORCHANGE = 0x0015, WM_SHOWWINDOW = 0x0018, WM_SETTINGCHANGE = 0x001A,
    WM_ACTIVATEAPP = 0x001C, WM_CANCELMODE = 0x001F, WM_SETCURSOR = 0x0020, WM_MOUSEACTIVATE = 0x0021,
    WM_CHILDACTIVATE = 0x0022, WM_GETMINMAXINFO = 0x0024, WM_NEXTDLGCTL = 0x0028, WM_DRAWITEM = 0x002B,
    WM_MEASUREITEM = 0x002C, WM_SETFONT = 0x0030, WM_GETFONT = 0x0031, WM_WINDOWPOSCHANGING = 0x0046,
    WM_WINDOWPOSCHANGED = 0x0047, WM_COPYDATA = 0x004A, WM_NOTIFY = 0x004E, WM_HELP = 0x0053,
    WM_CONTEXTMENU = 0x007B, WM_NCCALCSIZE = 0x0083, WM_NCHITTEST = 0x0084, WM_NCPAINT = 0x0085,
    WM_NCACTIVATE = 0x0086, WM_GETDLGCODE = 0x0087, WM_NCMOUSEMOVE = 0x00A0, WM_NCLBUTTONDOWN = 0x00A1,
    WM_NCLBUTTONUP = 0x00A2, WM_NCLBUTTONDBLCLK = 0x00A3, WM_NCRBUTTONDOWN = 0x00A4, WM_NCRBUTTONUP = 0x00A5,
    WM_NCRBUTTONDBLCLK = 0x00A6, WM_NCMBUTTONDOWN = 0x00A7, WM_NCMBUTTONUP = 0x00A8, WM_NCMBUTTONDBLCLK = 0x00A9,
    WM_KEYFIRST = 0x0100, WM_KEYDOWN = 0x0100, WM_KEYUP = 0x0101, WM_CHAR = 0x0102, WM_SYSKEYDOWN = 0x0104,
    WM_SYSKEYUP = 0x0105, WM_SYSCHAR = 0x0106, WM_KEYLAST = 0x0108, WM_COMMAND = 0x0111,
    WM_SYSCOMMAND = 0x0112, WM_TIMER = 0x0113, WM_HSCROLL = 0x0114, WM_VSCROLL = 0x0115,
    WM_INITMENUPOPUP = 0x0117, WM_MENUSELECT = 0x011F, WM_CTLCOLOREDIT = 0x0133, WM_CTLCOLORLISTBOX = 0x0134,
    WM_CTLCOLORBTN = 0x0135, WM_CTLCOLORSTATIC = 0x0138, WM_MOUSEFIRST = 0x0200, WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201, WM_LBUTTONUP = 0x0202, WM_LBUTTONDBLCLK = 0x0203, WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205, WM_RBUTTONDBLCLK = 0x0206, WM_MBUTTONDOWN = 0x0207, WM_MBUTTONUP = 0x0208,
    WM_MBUTTONDBLCLK = 0x0209, WM_MOUSEWHEEL = 0x020A, WM_MOUSELAST = 0x020A, WM_PARENTNOTIFY = 0x0210,
    WM_ENTERMENULOOP = 0x0211, WM_EXITMENULOOP = 0x0212, WM_CAPTURECHANGED = 0x0215, WM_MDICREATE = 0x0220,
    WM_MDIDESTROY = 0x0221, WM_MDIACTIVATE = 0x0222, WM_MDIRESTORE = 0x0223, WM_MDINEXT = 0x0224,
    WM_MDIMAXIMIZE = 0x0225, WM_MDITILE = 0x0226, WM_MDICASCADE = 0x0227, WM_MDIICONARRANGE = 0x0228,
    WM_MDIGETACTIVE = 0x0229, WM_DROPFILES = 0x0233, WM_MOUSEHOVER = 0x02A1, WM_MOUSELEAVE = 0x02A3,
    WM_CUT = 0x0300, WM_COPY = 0x0301, WM_PASTE = 0x0302, WM_CLEAR = 0x0303, WM_UNDO = 0x0304,
    WM_THEMECHANGED = 0x031A, WM_USER = 0x0400, WM_APP = 0x8000
};

// Edit messages.
enum : Cardinal {
    EM_GETSEL = 0x00B0, EM_SETSEL = 0x00B1, EM_GETRECT = 0x00B2, EM_SETRECT = 0x00B3, EM_SETRECTNP = 0x00B4,
    EM_SCROLL = 0x00B5, EM_LINESCROLL = 0x00B6, EM_SCROLLCARET = 0x00B7, EM_GETMODIFY = 0x00B8,
    EM_SETMODIFY = 0x00B9, EM_GETLINECOUNT = 0x00BA, EM_LINEINDEX = 0x00BB, EM_SETHANDLE = 0x00BC,
    EM_GETHANDLE = 0x00BD, EM_GETTHUMB = 0x00BE, EM_LINELENGTH = 0x00C1, EM_REPLACESEL = 0x00C2,
    EM_GETLINE = 0x00C4, EM_LIMITTEXT = 0x00C5, EM_CANUNDO = 0x00C6, EM_UNDO = 0x00C7, EM_FMTLINES = 0x00C8,
    EM_LINEFROMCHAR = 0x00C9, EM_SETTABSTOPS = 0x00CB, EM_SETPASSWORDCHAR = 0x00CC,
    EM_EMPTYUNDOBUFFER = 0x00CD, EM_GETFIRSTVISIBLELINE = 0x00CE, EM_SETREADONLY = 0x00CF,
    EM_SETWORDBREAKPROC = 0x00D0, EM_GETWORDBREAKPROC = 0x00D1, EM_GETPASSWORDCHAR = 0x00D2,
    EM_SETMARGINS = 0x00D3, EM_GETMARGINS = 0x00D4, EM_SETLIMITTEXT = EM_LIMITTEXT, EM_GETLIMITTEXT = 0x00D5,
    EM_POSFROMCHAR = 0x00D6, EM_CHARFROMPOS = 0x00D7, EM_FORMATRANGE = WM_USER + 57,
    EM_SETBKGNDCOLOR = WM_USER + 67, EM_SHOWBALLOONTIP = 0x1503, EM_HIDEBALLOONTIP = 0x1504
};

// List box, combo box and button messages.
enum : Cardinal {
    LB_ADDSTRING = 0x0180, LB_INSERTSTRING = 0x0181, LB_DELETESTRING = 0x0182, LB_RESETCONTENT = 0x0184,
    LB_SETSEL = 0x0185, LB_SETCURSEL = 0x0186, LB_GETSEL = 0x0187, LB_GETCURSEL = 0x0188, LB_GETTEXT = 0x0189,
    LB_GETTEXTLEN = 0x018A, LB_GETCOUNT = 0x018B, LB_GETTOPINDEX = 0x018E, LB_FINDSTRING = 0x018F,
    LB_GETSELCOUNT = 0x0190, LB_GETHORIZONTALEXTENT = 0x0193, LB_SETHORIZONTALEXTENT = 0x0194,
    LB_SETTOPINDEX = 0x0197, LB_GETITEMRECT = 0x0198, LB_GETITEMDATA = 0x0199, LB_SETITEMDATA = 0x019A,
    LB_SETITEMHEIGHT = 0x01A0, LB_GETITEMHEIGHT = 0x01A1, LB_FINDSTRINGEXACT = 0x01A2, LB_ITEMFROMPOINT = 0x01A9,
    CB_GETEDITSEL = 0x0140, CB_LIMITTEXT = 0x0141, CB_SETEDITSEL = 0x0142, CB_ADDSTRING = 0x0143,
    CB_DELETESTRING = 0x0144, CB_GETCOUNT = 0x0146, CB_GETCURSEL = 0x0147, CB_GETLBTEXT = 0x0148,
    CB_GETLBTEXTLEN = 0x0149, CB_INSERTSTRING = 0x014A, CB_RESETCONTENT = 0x014B, CB_FINDSTRING = 0x014C,
    CB_SELECTSTRING = 0x014D, CB_SETCURSEL = 0x014E, CB_SHOWDROPDOWN = 0x014F, CB_GETITEMDATA = 0x0150,
    CB_SETITEMDATA = 0x0151, CB_GETDROPPEDCONTROLRECT = 0x0152, CB_SETITEMHEIGHT = 0x0153,
    CB_GETITEMHEIGHT = 0x0154, CB_GETDROPPEDSTATE = 0x0157, CB_FINDSTRINGEXACT = 0x0158,
    CB_GETDROPPEDWIDTH = 0x015F, CB_SETDROPPEDWIDTH = 0x0160,
    BM_GETCHECK = 0x00F0, BM_SETCHECK = 0x00F1, BM_GETSTATE = 0x00F2, BM_SETSTATE = 0x00F3,
    BM_SETSTYLE = 0x00F4, BM_CLICK = 0x00F5
};

// Notification codes carried by WM_COMMAND.
enum : Word {
    BN_CLICKED = 0, EN_SETFOCUS = 0x0100, EN_KILLFOCUS = 0x0200, EN_CHANGE = 0x0300, EN_UPDATE = 0x0400,
    LBN_SELCHANGE = 1, LBN_DBLCLK = 2, CBN_SELCHANGE = 1, CBN_DBLCLK = 2, CBN_SETFOCUS = 3, CBN_KILLFOCUS = 4,
    CBN_EDITCHANGE = 5, CBN_EDITUPDATE = 6, CBN_DROPDOWN = 7, CBN_CLOSEUP = 8, CBN_SELENDOK = 9,
    CBN_SELENDCANCEL = 10
};

// ---------------------------------------------------------------- component messages
// Sent by the controls to themselves and to each other; CN_* carry a window message reflected
// back to the control it concerns (CN_BASE + the message).
constexpr Cardinal CM_BASE = 0xB000, CN_BASE = 0xBC00;
enum : Cardinal {
    CM_ACTIVATE = CM_BASE + 0, CM_DEACTIVATE = CM_BASE + 1, CM_GOTFOCUS = CM_BASE + 2,
    CM_LOSTFOCUS = CM_BASE + 3, CM_CANCELMODE = CM_BASE + 4, CM_DIALOGKEY = CM_BASE + 5,
    CM_DIALOGCHAR = CM_BASE + 6, CM_FOCUSCHANGED = CM_BASE + 7, CM_PARENTFONTCHANGED = CM_BASE + 8,
    CM_PARENTCOLORCHANGED = CM_BASE + 9, CM_HITTEST = CM_BASE + 10, CM_VISIBLECHANGED = CM_BASE + 11,
    CM_ENABLEDCHANGED = CM_BASE + 12, CM_COLORCHANGED = CM_BASE + 13, CM_FONTCHANGED = CM_BASE + 14,
    CM_CURSORCHANGED = CM_BASE + 15, CM_CTL3DCHANGED = CM_BASE + 16, CM_PARENTCTL3DCHANGED = CM_BASE + 17,
    CM_TEXTCHANGED = CM_BASE + 18, CM_MOUSEENTER = CM_BASE + 19, CM_MOUSELEAVE = CM_BASE + 20,
    CM_MENUCHANGED = CM_BASE + 21, CM_APPKEYDOWN = CM_BASE + 22, CM_APPSYSCOMMAND = CM_BASE + 23,
    CM_BUTTONPRESSED = CM_BASE + 24, CM_SHOWINGCHANGED = CM_BASE + 25, CM_ENTER = CM_BASE + 26,
    CM_EXIT = CM_BASE + 27, CM_DESIGNHITTEST = CM_BASE + 28, CM_ICONCHANGED = CM_BASE + 29,
    CM_WANTSPECIALKEY = CM_BASE + 30, CM_INVOKEHELP = CM_BASE + 31, CM_WINDOWHOOK = CM_BASE + 32,
    CM_RELEASE = CM_BASE + 33, CM_SHOWHINTCHANGED = CM_BASE + 34, CM_PARENTSHOWHINTCHANGED = CM_BASE + 35,
    CM_SYSCOLORCHANGE = CM_BASE + 36, CM_WININICHANGE = CM_BASE + 37, CM_FONTCHANGE = CM_BASE + 38,
    CM_TIMECHANGE = CM_BASE + 39, CM_TABSTOPCHANGED = CM_BASE + 40, CM_UIACTIVATE = CM_BASE + 41,
    CM_UIDEACTIVATE = CM_BASE + 42, CM_DOCWINDOWACTIVATE = CM_BASE + 43, CM_CONTROLLISTCHANGE = CM_BASE + 44,
    CM_GETDATALINK = CM_BASE + 45, CM_CHILDKEY = CM_BASE + 46, CM_DRAG = CM_BASE + 47,
    CM_HINTSHOW = CM_BASE + 48, CM_DIALOGHANDLE = CM_BASE + 49, CM_ISTOOLCONTROL = CM_BASE + 50,
    CM_RECREATEWND = CM_BASE + 51, CM_INVALIDATE = CM_BASE + 52, CM_SYSFONTCHANGED = CM_BASE + 53,
    CM_CONTROLCHANGE = CM_BASE + 54, CM_CHANGED = CM_BASE + 55, CM_BORDERCHANGED = CM_BASE + 59,
    CM_MOUSEWHEEL = CM_BASE + 67, CM_ISSHORTCUT = CM_BASE + 68, CM_STYLECHANGED = CM_BASE + 81,
    CN_CHARTOITEM = CN_BASE + 0x002F, CN_COMMAND = CN_BASE + WM_COMMAND, CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT,
    CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX, CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC,
    CN_DRAWITEM = CN_BASE + WM_DRAWITEM, CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM,
    CN_HSCROLL = CN_BASE + WM_HSCROLL, CN_VSCROLL = CN_BASE + WM_VSCROLL, CN_KEYDOWN = CN_BASE + WM_KEYDOWN,
    CN_KEYUP = CN_BASE + WM_KEYUP, CN_CHAR = CN_BASE + WM_CHAR, CN_NOTIFY = CN_BASE + WM_NOTIFY
};

// WM_NOTIFY and CN_NOTIFY carry a TNMHdr* in LParam (or a record that starts with one).
class TWinControl;
struct TNMHdr {
    TWinControl* hwndFrom = nullptr;
    std::uintptr_t idFrom = 0;
    Integer code = 0;
};
enum : Integer { DTN_FIRST = -760, DTN_DATETIMECHANGE = DTN_FIRST + 1 };
// The arrow of a tool bar's drop-down button was pressed: the button's menu item comes along.
class TMenuItem;
struct TNMToolBar {
    TNMHdr hdr;
    TMenuItem* Item = nullptr;
};
enum : Integer { TBN_FIRST = -700, TBN_DROPDOWN = TBN_FIRST - 10 };

// WM_GETDLGCODE answers.
enum : Cardinal {
    DLGC_WANTARROWS = 0x0001, DLGC_WANTTAB = 0x0002, DLGC_WANTALLKEYS = 0x0004, DLGC_WANTMESSAGE = 0x0004,
    DLGC_HASSETSEL = 0x0008, DLGC_DEFPUSHBUTTON = 0x0010, DLGC_UNDEFPUSHBUTTON = 0x0020,
    DLGC_RADIOBUTTON = 0x0040, DLGC_WANTCHARS = 0x0080, DLGC_STATIC = 0x0100, DLGC_BUTTON = 0x2000
};

// WM_ACTIVATE states.
enum : Cardinal { WA_INACTIVE = 0, WA_ACTIVE = 1, WA_CLICKACTIVE = 2 };

// Mouse-message key flags (WParam).
enum : Cardinal { MK_LBUTTON = 0x0001, MK_RBUTTON = 0x0002, MK_SHIFT = 0x0004, MK_CONTROL = 0x0008,
                  MK_MBUTTON = 0x0010 };

// Hit-test answers of WM_NCHITTEST.
enum : Integer { HTERROR = -2, HTTRANSPARENT = -1, HTNOWHERE = 0, HTCLIENT = 1, HTCAPTION = 2, HTHSCROLL = 6,
                 HTVSCROLL = 7, HTLEFT = 10, HTRIGHT = 11, HTTOP = 12, HTTOPLEFT = 13, HTTOPRIGHT = 14, HTBOTTOM = 15,
                 HTBOTTOMLEFT = 16, HTBOTTOMRIGHT = 17, HTBORDER = 18 };

// Scroll-bar codes of WM_HSCROLL / WM_VSCROLL, and scroll-bar kinds.
enum : Word { SB_LINEUP = 0, SB_LINELEFT = 0, SB_LINEDOWN = 1, SB_LINERIGHT = 1, SB_PAGEUP = 2, SB_PAGELEFT = 2,
              SB_PAGEDOWN = 3, SB_PAGERIGHT = 3, SB_THUMBPOSITION = 4, SB_THUMBTRACK = 5, SB_TOP = 6,
              SB_LEFT = 6, SB_BOTTOM = 7, SB_RIGHT = 7, SB_ENDSCROLL = 8 };
enum : int { SB_HORZ = 0, SB_VERT = 1, SB_CTL = 2, SB_BOTH = 3 };

// Window styles the controls read in CreateParams.
enum : Cardinal {
    WS_BORDER = 0x00800000, WS_VSCROLL = 0x00200000, WS_HSCROLL = 0x00100000, WS_CLIPCHILDREN = 0x02000000,
    WS_CLIPSIBLINGS = 0x04000000, WS_TABSTOP = 0x00010000, WS_CHILD = 0x40000000, WS_VISIBLE = 0x10000000,
    WS_DISABLED = 0x08000000, WS_POPUP = 0x80000000, WS_CAPTION = 0x00C00000, WS_SYSMENU = 0x00080000,
    WS_THICKFRAME = 0x00040000,
    WS_EX_CLIENTEDGE = 0x00000200, WS_EX_STATICEDGE = 0x00020000, WS_EX_TOOLWINDOW = 0x00000080,
    WS_EX_TOPMOST = 0x00000008, WS_EX_TRANSPARENT = 0x00000020,
    CS_VREDRAW = 0x0001, CS_HREDRAW = 0x0002, CS_DBLCLKS = 0x0008, CS_SAVEBITS = 0x0800
};
// Edit styles: the text alignment (ES_LEFT, ES_CENTER, ES_RIGHT) and the multi-line style.
enum : Cardinal { ES_LEFT = 0, ES_CENTER = 1, ES_RIGHT = 2, ES_ALIGNMASK = 3, ES_MULTILINE = 4 };

// Push-button styles and states; owner-draw item kinds, actions and states.
enum : Cardinal {
    BS_PUSHBUTTON = 0x0, BS_DEFPUSHBUTTON = 0x1, BS_OWNERDRAW = 0xB, BS_TYPEMASK = 0xF,
    BST_UNCHECKED = 0x0, BST_CHECKED = 0x1, BST_PUSHED = 0x4, BST_FOCUS = 0x8,
    ODT_MENU = 1, ODT_LISTBOX = 2, ODT_COMBOBOX = 3, ODT_BUTTON = 4,
    ODA_DRAWENTIRE = 1, ODA_SELECT = 2, ODA_FOCUS = 4,
    ODS_SELECTED = 0x1, ODS_GRAYED = 0x2, ODS_DISABLED = 0x4, ODS_CHECKED = 0x8, ODS_FOCUS = 0x10, ODS_DEFAULT = 0x20
};

// Virtual-key codes.
enum : Word {
    VK_LBUTTON = 0x01, VK_RBUTTON = 0x02, VK_CANCEL = 0x03, VK_MBUTTON = 0x04, VK_BACK = 0x08, VK_TAB = 0x09,
    VK_CLEAR = 0x0C, VK_RETURN = 0x0D, VK_SHIFT = 0x10, VK_CONTROL = 0x11, VK_MENU = 0x12, VK_PAUSE = 0x13,
    VK_CAPITAL = 0x14, VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_END = 0x23,
    VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28, VK_SELECT = 0x29,
    VK_EXECUTE = 0x2B, VK_SNAPSHOT = 0x2C, VK_INSERT = 0x2D, VK_DELETE = 0x2E, VK_HELP = 0x2F,
    VK_LWIN = 0x5B, VK_RWIN = 0x5C, VK_APPS = 0x5D, VK_NUMPAD0 = 0x60, VK_NUMPAD9 = 0x69, VK_MULTIPLY = 0x6A,
    VK_ADD = 0x6B, VK_SEPARATOR = 0x6C, VK_SUBTRACT = 0x6D, VK_DECIMAL = 0x6E, VK_DIVIDE = 0x6F, VK_F1 = 0x70,
    VK_F2 = 0x71, VK_F3 = 0x72, VK_F4 = 0x73, VK_F5 = 0x74, VK_F6 = 0x75, VK_F7 = 0x76, VK_F8 = 0x77,
    VK_F9 = 0x78, VK_F10 = 0x79, VK_F11 = 0x7A, VK_F12 = 0x7B, VK_NUMLOCK = 0x90, VK_SCROLL = 0x91,
    VK_OEM_1 = 0xBA, VK_OEM_PLUS = 0xBB, VK_OEM_COMMA = 0xBC, VK_OEM_MINUS = 0xBD, VK_OEM_PERIOD = 0xBE,
    VK_OEM_2 = 0xBF, VK_OEM_3 = 0xC0, VK_OEM_4 = 0xDB, VK_OEM_5 = 0xDC, VK_OEM_6 = 0xDD, VK_OEM_7 = 0xDE
};

// ---------------------------------------------------------------- parameter packing
constexpr Word LoWord(std::intptr_t v) { return static_cast<Word>(v & 0xFFFF); }
constexpr Word HiWord(std::intptr_t v) { return static_cast<Word>((v >> 16) & 0xFFFF); }
constexpr SmallInt LoSmall(std::intptr_t v) { return static_cast<SmallInt>(v & 0xFFFF); }
constexpr SmallInt HiSmall(std::intptr_t v) { return static_cast<SmallInt>((v >> 16) & 0xFFFF); }
constexpr std::intptr_t MakeLong(Integer lo, Integer hi)
{
    return static_cast<std::intptr_t>(static_cast<Integer>((static_cast<Cardinal>(hi & 0xFFFF) << 16) |
                                                           static_cast<Cardinal>(lo & 0xFFFF)));
}
constexpr std::intptr_t MakeWParam(Integer lo, Integer hi) { return MakeLong(lo, hi); }
constexpr std::intptr_t MakeLParam(Integer lo, Integer hi) { return MakeLong(lo, hi); }

// ---------------------------------------------------------------- message records
// Named views of a message's parameters; each wraps the TMessage it was made from.
struct TWMMouse {
    TMessage& M;
    Cardinal Keys() const { return static_cast<Cardinal>(M.WParam); }
    SmallInt XPos() const { return LoSmall(M.LParam); }
    SmallInt YPos() const { return HiSmall(M.LParam); }
    std::intptr_t& Result() const { return M.Result; }
};
using TWMLButtonDown = TWMMouse;
using TWMLButtonUp = TWMMouse;
using TWMLButtonDblClk = TWMMouse;
using TWMRButtonDown = TWMMouse;
using TWMRButtonUp = TWMMouse;
using TWMMouseMove = TWMMouse;

struct TWMMouseWheel {
    TMessage& M;
    Cardinal Keys() const { return LoWord(M.WParam); }
    SmallInt WheelDelta() const { return HiSmall(M.WParam); }
    SmallInt XPos() const { return LoSmall(M.LParam); }   // screen coordinates
    SmallInt YPos() const { return HiSmall(M.LParam); }
};

// Keys: CharCode is the virtual key (WM_KEYDOWN) or the character (WM_CHAR); KeyData holds the
// modifier state the layer sends (see KeyDataToShiftState).
struct TWMKey {
    TMessage& M;
    Word CharCode() const { return static_cast<Word>(M.WParam); }
    void SetCharCode(Word v) const { M.WParam = v; }
    Integer KeyData() const { return static_cast<Integer>(M.LParam); }
    std::intptr_t& Result() const { return M.Result; }
};
using TWMKeyDown = TWMKey;
using TWMKeyUp = TWMKey;
using TWMChar = TWMKey;

struct TWMSize {
    TMessage& M;
    Cardinal SizeType() const { return static_cast<Cardinal>(M.WParam); }
    Word Width() const { return LoWord(M.LParam); }
    Word Height() const { return HiWord(M.LParam); }
};
enum : Cardinal { SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2 };

struct TWMScroll {
    TMessage& M;
    Word ScrollCode() const { return LoWord(M.WParam); }
    SmallInt Pos() const { return HiSmall(M.WParam); }
};

struct TWMTimer {
    TMessage& M;
    std::intptr_t TimerID() const { return M.WParam; }
};

struct TWMCommand {
    TMessage& M;
    Word ItemID() const { return LoWord(M.WParam); }
    Word NotifyCode() const { return HiWord(M.WParam); }
};

// CM_MOUSEENTER / CM_MOUSELEAVE / CM_ENTER ...: LParam may name the control concerned.
template <class T>
T* MessageControl(const TMessage& m)
{
    return reinterpret_cast<T*>(m.LParam);
}
