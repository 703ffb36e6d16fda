// Forms on the Qt back end, offscreen: key preview, modal loops, MDI with merged menus and tool
// buttons, closing, exceptions in handlers, message boxes and file dialogs.
#include <gtest/gtest.h>

#include "platform/rtl/Streams.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/Edits.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/ToolBar.h"
#include "platform/testing/Driver.h"

namespace {

struct TEnvironment : ::testing::Environment {
    void SetUp() override { TestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

class THandlers : public TObject {
public:
    TCustomForm* Form = nullptr;
    std::string Log;
    int Ticks = 0;
    TButton* Ok = nullptr;
    bool AllowClose = true;
    TCloseAction Action = caHide;

    // Enter moves on as Tab does (form-level key preview).
    void EnterAsTab(TObject*, char16_t& key)
    {
        if (key == u'\r') {
            Form->SelectNext(Form->ActiveControl(), true, true);
            key = 0;
        }
    }
    void Tick(TObject*)
    {
        if (++Ticks == 3) TestClick(Ok, 3, 3);
    }
    void Pump(TObject*)
    {
        Log += "pump;";
        Application->ProcessMessages();
    }
    void Fail(TObject*) { throw EConvertError("'abc' is not a valid floating point value"); }
    void Count(TObject* s) { Log += static_cast<TComponent*>(s)->Name().ToUtf8() + ";"; }
    void OnException(TObject* sender, Exception& e)
    {
        Log += static_cast<TComponent*>(sender)->Name().ToUtf8() + ":" + e.Message().ToUtf8() + ";";
    }
    void CloseQuery(TObject*, bool& canClose)
    {
        Log += "query;";
        canClose = AllowClose;
        if (!AllowClose) {
            // Refused once; the user then closes the window.
            AllowClose = true;
            PostMessage(Form, WM_CLOSE, 0, 0);
        }
    }
    void Close(TObject*, TCloseAction& action)
    {
        Log += "close;";
        action = Action;
    }
    void Destroyed(TObject*) { Log += "destroyed;"; }
    // An exit handler that refuses to let the focus go: it takes it back and raises.
    void RefuseExit(TObject* s)
    {
        Log += "exit;";
        static_cast<TWinControl*>(s)->SetFocus();
        throw EConvertError("Value must be between 0 and 10");
    }
};

TEST(KeyPreview, EnterMovesToTheNextFieldLikeTab)
{
    TForm form(nullptr);
    THandlers h;
    h.Form = &form;
    auto* e1 = new TEdit(&form);
    e1->SetParent(&form);
    auto* e2 = new TEdit(&form);
    e2->SetTop(30);
    e2->SetParent(&form);
    form.SetKeyPreview(true);
    form.OnKeyPress = TKeyPressEvent(&h, &THandlers::EnterAsTab);
    form.Show();
    TestProcess();
    EXPECT_EQ(form.ActiveControl(), e1);
    TestTypeText(e1, "12");
    TestPressKey(e1, VK_RETURN);
    EXPECT_EQ(form.ActiveControl(), e2);
    EXPECT_EQ(e1->Text(), "12");   // the Enter never reached the edit
    TestTypeText(e2, "3");
    EXPECT_EQ(e2->Text(), "3");
}

TEST(DialogKeys, EnterIsTheFocusedButtonsElseTheDefaultButtons)
{
    TForm dlg(nullptr);
    auto* edit = new TEdit(&dlg);
    edit->SetParent(&dlg);
    auto button = [&](const char* caption, TModalResult result, Integer left) {
        auto* b = new TButton(&dlg);
        b->SetCaption(caption);
        b->SetModalResult(result);
        b->SetBounds(left, 40, 75, 25);
        b->SetParent(&dlg);
        return b;
    };
    TButton* ok = button("OK", mrOk, 0);
    ok->SetDefault(true);
    TButton* cancel = button("Cancel", mrCancel, 80);
    TButton* retry = button("Retry", mrRetry, 160);
    struct Step {
        TWinControl* focus;
        TModalResult result;
    };
    const Step steps[] = {{edit, mrOk}, {cancel, mrCancel}, {edit, mrOk}, {ok, mrOk}};
    for (const Step& s : steps) {
        TestAnswerNextModal([&](TCustomForm*) {
            s.focus->SetFocus();
            TestProcess();
            TestPressKey(s.focus, VK_RETURN);
        });
        EXPECT_EQ(dlg.ShowModal(), s.result) << s.focus->Caption().ToUtf8();
    }
    // Made the default while the edit has the focus, another button takes Enter at once.
    TestAnswerNextModal([&](TCustomForm*) {
        edit->SetFocus();
        TestProcess();
        ok->SetDefault(false);
        retry->SetDefault(true);
        TestPressKey(edit, VK_RETURN);
    });
    EXPECT_EQ(dlg.ShowModal(), mrRetry);
}

TEST(Modal, ShowModalReturnsTheClickedButtonsResultWhileATimerFires)
{
    TForm dlg(nullptr);
    THandlers h;
    h.Ok = new TButton(&dlg);
    h.Ok->SetCaption("OK");
    h.Ok->SetModalResult(mrOk);
    h.Ok->SetParent(&dlg);
    auto* cancel = new TButton(&dlg);
    cancel->SetCaption("Cancel");
    cancel->SetModalResult(mrCancel);
    cancel->SetLeft(80);
    cancel->SetParent(&dlg);
    TTimer timer(nullptr);
    timer.SetInterval(5);
    timer.SetOnTimer(TNotifyEvent(&h, &THandlers::Tick));
    EXPECT_EQ(dlg.ShowModal(), mrOk);
    EXPECT_GE(h.Ticks, 3);
    EXPECT_FALSE(dlg.Visible());
    timer.SetEnabled(false);
    TestAnswerNextModalWithButton("&Cancel");
    EXPECT_EQ(dlg.ShowModal(), mrCancel);
    dlg.Show();
    EXPECT_THROW(dlg.ShowModal(), EInvalidOperation);
}

TEST(Modal, AnErrorInOnShowLeavesShowModal)
{
    TForm dlg(nullptr);
    dlg.SetName("Export");
    THandlers h;
    dlg.OnShow = TNotifyEvent(&h, &THandlers::Fail);
    EXPECT_THROW(dlg.ShowModal(), EConvertError);
    EXPECT_FALSE(dlg.Visible());
    EXPECT_FALSE(dlg.Modal());
    dlg.OnShow = nullptr;
    TestAnswerNextModal([](TCustomForm* f) { f->SetModalResult(mrAbort); });
    EXPECT_EQ(dlg.ShowModal(), mrAbort);
}

TEST(Modal, CloseQueryCanKeepAModalFormOpen)
{
    TForm dlg(nullptr);
    THandlers h;
    h.Form = &dlg;
    dlg.OnCloseQuery = TCloseQueryEvent(&h, &THandlers::CloseQuery);
    dlg.OnClose = TCloseEvent(&h, &THandlers::Close);
    h.AllowClose = false;
    TestAnswerNextModal([](TCustomForm* f) { f->SetModalResult(mrOk); });
    EXPECT_EQ(dlg.ShowModal(), mrCancel);
    EXPECT_EQ(h.Log, "query;query;close;");
}

// A dialog freed right after its modal showing, and the next one shown at once with nothing
// handled in between; the next one handles what is pending as soon as it is active, as a
// window that starts its work on activation does.
TEST(Modal, TheNextModalFormShowsRightAfterTheLastOneIsFreed)
{
    TForm owner(nullptr);
    owner.SetBounds(0, 0, 300, 200);
    owner.Show();
    TestProcess();
    THandlers h;
    for (TModalResult result : {mrOk, mrCancel}) {
        auto* first = new TForm(nullptr);
        auto* button = new TButton(first);
        button->SetModalResult(result);
        button->SetParent(first);
        TestAnswerNextModal([button](TCustomForm*) {
            button->SetFocus();
            TestClick(button, 4, 4);
        });
        EXPECT_EQ(first->ShowModal(), result);
        delete first;
        TForm next(nullptr);
        next.OnActivate = TNotifyEvent(&h, &THandlers::Pump);
        TestAnswerNextModal([](TCustomForm* f) { f->SetModalResult(mrOk); });
        EXPECT_EQ(next.ShowModal(), mrOk);
    }
    EXPECT_EQ(h.Log, "pump;pump;");
}

// The window that was active before a modal form is active again once the form has gone.
TEST(Modal, TheWindowActiveBeforeIsActiveAgainAfterwards)
{
    TForm owner(nullptr);
    owner.SetBounds(0, 0, 300, 200);
    owner.Show();
    TestProcess();
    ASSERT_EQ(Screen->ActiveForm(), &owner);
    TForm dlg(nullptr);
    TestAnswerNextModal([](TCustomForm* f) { f->Close(); });
    EXPECT_EQ(dlg.ShowModal(), mrCancel);
    TestProcess();
    EXPECT_EQ(Screen->ActiveForm(), &owner);
    EXPECT_TRUE(WindowSystem().IsActive(owner.WindowHandle()));

    // From a document window: the frame is active again, with the document active in it.
    auto* frame = new TForm(nullptr);
    frame->SetFormStyle(fsMDIForm);
    frame->SetBounds(0, 0, 400, 300);
    Application->SetMainForm(frame);
    frame->Show();
    TForm* document = nullptr;
    for (int i = 0; i < 2; ++i) {
        document = new TForm(frame);
        document->SetFormStyle(fsMDIChild);
        document->Show();
        TestProcess();
    }
    ASSERT_EQ(Screen->ActiveForm(), document);
    TestAnswerNextModal([](TCustomForm* f) { f->Close(); });
    EXPECT_EQ(dlg.ShowModal(), mrCancel);
    TestProcess();
    EXPECT_TRUE(WindowSystem().IsActive(frame->WindowHandle()));
    EXPECT_EQ(frame->ActiveMDIChild(), document);
    Application->SetMainForm(nullptr);
    delete frame;
    TestProcess();
}

TEST(Close, CloseActionsHideOrFreeTheForm)
{
    THandlers h;
    auto* form = new TForm(nullptr);
    form->SetName("Doc");
    form->OnClose = TCloseEvent(&h, &THandlers::Close);
    form->OnDestroy = TNotifyEvent(&h, &THandlers::Destroyed);
    form->Show();
    form->Close();
    EXPECT_FALSE(form->Visible());
    h.Action = caFree;
    form->Show();
    form->Close();
    EXPECT_EQ(Screen->FormCount() > 0, true);
    const Integer before = Screen->FormCount();
    EXPECT_EQ(h.Log, "close;close;");
    TestProcess();   // Release: freed by the loop
    EXPECT_EQ(Screen->FormCount(), before - 1);
    EXPECT_EQ(h.Log, "close;close;destroyed;");
}

TEST(Exceptions, AnExceptionInOnClickReachesHandleExceptionAndTheProgramGoesOn)
{
    TForm form(nullptr);
    THandlers h;
    auto* b = new TButton(&form);
    b->SetName("Compute");
    b->SetParent(&form);
    b->OnClick = TNotifyEvent(&h, &THandlers::Fail);
    form.Show();
    TestProcess();
    Application->OnException = TExceptionEvent(&h, &THandlers::OnException);
    TestClick(b, 5, 5);
    EXPECT_EQ(h.Log, "Compute:'abc' is not a valid floating point value;");
    Application->OnException = nullptr;
    // Without a handler: the standard error box, with a full stop added.
    TestClearMessageBoxes();
    TestAnswerNextMessageBox(mrOk);
    TestClick(b, 5, 5);
    ASSERT_EQ(TestMessageBoxes().size(), 1u);
    EXPECT_EQ(TestMessageBoxes()[0].Text, "'abc' is not a valid floating point value.");
    EXPECT_EQ(TestMessageBoxes()[0].Icon, TMessageBoxIcon::Error);
    b->OnClick = TNotifyEvent(&h, &THandlers::Count);
    h.Log.clear();
    TestClick(b, 5, 5);
    EXPECT_EQ(h.Log, "Compute;");
}

TEST(Exceptions, AnExitHandlerThatRaisesKeepsTheFocusAndIsAskedOnce)
{
    TForm form(nullptr);
    THandlers h;
    auto* first = new TEdit(&form);
    first->SetParent(&form);
    auto* second = new TEdit(&form);
    second->SetTop(30);
    second->SetParent(&form);
    form.Show();
    TestProcess();
    first->SetFocus();
    TestProcess();
    first->OnExit = TNotifyEvent(&h, &THandlers::RefuseExit);
    TestClearMessageBoxes();
    TestAnswerNextMessageBox(mrOk);
    TestPressKey(first, VK_TAB);
    EXPECT_EQ(h.Log, "exit;");
    EXPECT_EQ(TestMessageBoxes().size(), 1u);
    EXPECT_EQ(form.ActiveControl(), first);
    EXPECT_TRUE(first->Focused());
    first->OnExit = nullptr;
    TestPressKey(first, VK_TAB);
    EXPECT_EQ(form.ActiveControl(), second);
}

// An edit that notes who pressed the mouse elsewhere on its form while it was the active control.
struct CancelModeEdit : TEdit {
    explicit CancelModeEdit(TComponent* owner) : TEdit(owner) {}
    std::vector<TControl*> Senders;
    void WndProc(TMessage& message) override
    {
        if (message.Msg == CM_CANCELMODE) Senders.push_back(reinterpret_cast<TControl*>(message.LParam));
        TEdit::WndProc(message);
    }
};

TEST(CancelMode, ALeftPressTellsTheActiveControlWhichControlWasPressed)
{
    TForm form(nullptr);
    auto* edit = new CancelModeEdit(&form);
    edit->SetParent(&form);
    auto* panel = new TPanel(&form);
    panel->SetBounds(0, 40, 100, 40);
    panel->SetParent(&form);
    auto* label = new TLabel(&form);
    label->SetBounds(5, 5, 40, 15);
    label->SetCaption("Label");
    label->SetParent(panel);
    form.Show();
    TestProcess();
    edit->SetFocus();
    TestProcess();
    TestClick(panel, 60, 20);
    TestClick(label, 3, 3);
    TestClick(panel, 60, 20, mbRight);   // only the left button
    ASSERT_EQ(edit->Senders.size(), 2u);
    EXPECT_EQ(edit->Senders[0], panel);
    EXPECT_EQ(edit->Senders[1], label);
}

TEST(MessageBoxes, CaptionsButtonsAndAnswers)
{
    struct TCase {
        TMsgDlgType Type;
        TMsgDlgButtons Buttons;
        const char* Caption;
        std::vector<Integer> Shown;
        Integer Default;
    };
    const TCase cases[] = {
        {mtWarning, {mbOK}, "Warning", {mrOk}, mrOk},
        {mtError, {mbOK}, "Error", {mrOk}, mrOk},
        {mtInformation, {mbOK}, "Information", {mrOk}, mrOk},
        {mtConfirmation, mbYesNoCancel, "Confirm", {mrYes, mrNo, mrCancel}, mrYes},
        {mtConfirmation, mbOKCancel, "Confirm", {mrOk, mrCancel}, mrOk},
    };
    for (const TCase& c : cases) {
        TestClearMessageBoxes();
        TestAnswerNextMessageBox(c.Shown.back());
        EXPECT_EQ(MessageDlg("Save changes?", c.Type, c.Buttons, 0), c.Shown.back());
        ASSERT_EQ(TestMessageBoxes().size(), 1u);
        EXPECT_EQ(TestMessageBoxes()[0].Caption, c.Caption);
        EXPECT_EQ(TestMessageBoxes()[0].Buttons, c.Shown);
        EXPECT_EQ(TestMessageBoxes()[0].DefaultButton, c.Default);
    }
    TestClearMessageBoxes();
    TestAnswerNextMessageBox([](const TMessageBoxRequest& r) { return r.Buttons[1]; });
    EXPECT_EQ(Application->MessageBox("Overwrite?", "", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(TestMessageBoxes()[0].Caption, Application->Title());
    TestAnswerNextMessageBox(mrOk);
    ShowMessage("Done");
    EXPECT_EQ(TestMessageBoxes()[1].Buttons, std::vector<Integer>{mrOk});
}

TEST(FileDialogs, FiltersAndOneBasedFilterIndex)
{
    TOpenDialog open(nullptr);
    open.SetFilter("Dam files (*.dam)|*.dam|Text files|*.txt;*.lst|All files (*.*)|*.*");
    open.SetFilterIndex(2);
    TestAnswerNextFileDialog({"/tmp/a.lst"}, 3);
    ASSERT_TRUE(open.Execute());
    const TFileDialogRequest& r = TestLastFileDialog();
    ASSERT_EQ(r.Filters.size(), 3u);
    EXPECT_EQ(r.Filters[1].first, "Text files");
    EXPECT_EQ(r.Filters[1].second, "*.txt;*.lst");
    EXPECT_EQ(r.FilterIndex, 2);
    EXPECT_EQ(open.FileName(), "/tmp/a.lst");
    EXPECT_EQ(open.FilterIndex(), 3);
    TSaveDialog save(nullptr);
    save.SetDefaultExt("dam");
    TestAnswerNextFileDialog({"/tmp/model"}, 1);
    ASSERT_TRUE(save.Execute());
    EXPECT_TRUE(TestLastFileDialog().Save);
    EXPECT_EQ(save.FileName(), "/tmp/model.dam");
    TestAnswerNextFileDialog({});
    EXPECT_FALSE(save.Execute());
    EXPECT_EQ(save.FileName(), "/tmp/model.dam");
}

TEST(FileDialogs, TheHistoryIsOfferedInTheComboBoxStyleOnly)
{
    TOpenDialog open(nullptr);
    TStringList used;
    used.Add("/data/in.dam");
    used.Add("/data/out.dam");
    open.SetHistoryList(&used);
    for (TFileEditStyle style : {fsEdit, fsComboBox}) {
        open.SetFileEditStyle(style);
        TestAnswerNextFileDialog({});
        open.Execute();
        const std::vector<String> offered = style == fsComboBox ? std::vector<String>{"/data/in.dam", "/data/out.dam"}
                                                                : std::vector<String>{};
        EXPECT_EQ(TestLastFileDialog().History, offered) << style;
    }
}

// ---------------------------------------------------------------- MDI
class TDocCommands : public TObject {
public:
    int Runs = 0;
    void Run(TObject*) { ++Runs; }
};

TMenuItem* AddTop(TMainMenu* menu, const char* caption, Byte group, const char* sub)
{
    auto* top = new TMenuItem(menu->Owner());
    top->SetCaption(caption);
    top->SetGroupIndex(group);
    auto* item = new TMenuItem(menu->Owner());
    item->SetCaption(sub);
    top->Add(item);
    menu->Items()->Add(top);
    return item;
}

std::vector<String> BarCaptions(TCustomForm* frame)
{
    std::vector<String> r;
    auto* child = frame->ActiveMDIChild();
    for (TMenuItem* i : frame->Menu()->MergedItems(child ? child->Menu() : nullptr)) r.push_back(i->Caption());
    return r;
}

TEST(Mdi, TwoChildrenMergeMenusByGroupIndexAndAToolButtonFollowsItsItem)
{
    auto* frame = new TForm(nullptr);
    frame->SetFormStyle(fsMDIForm);
    frame->SetBounds(0, 0, 640, 480);
    Application->SetMainForm(frame);
    auto* menu = new TMainMenu(frame);
    AddTop(menu, "&File", 0, "&Open");
    TMenuItem* tile = AddTop(menu, "&Window", 9, "&Tile");
    frame->SetMenu(menu);
    frame->SetWindowMenu(tile->Parent());
    auto* bar = new TToolBar(frame);
    bar->SetParent(frame);
    frame->Show();

    TDocCommands cmds[2];
    TMenuItem* start[2];
    TForm* kids[2];
    for (int i = 0; i < 2; ++i) {
        kids[i] = new TForm(frame);
        kids[i]->SetCaption(i ? "Doc B" : "Doc A");
        kids[i]->SetFormStyle(fsMDIChild);
        auto* m = new TMainMenu(kids[i]);
        start[i] = AddTop(m, i ? "&Analysis B" : "&Analysis A", 5, "&Start analyses");
        AddTop(m, "&Edit", 0, "&Copy");   // replaces the frame's File menu (group 0)
        start[i]->OnClick = TNotifyEvent(&cmds[i], &TDocCommands::Run);
        kids[i]->SetMenu(m);
        kids[i]->Show();
        TestProcess();
    }
    EXPECT_EQ(frame->MDIChildCount(), 2);
    EXPECT_EQ(frame->ActiveMDIChild(), kids[1]);
    EXPECT_EQ(frame->MDIChildren(0), kids[1]);
    EXPECT_EQ(BarCaptions(frame), (std::vector<String>{"&Edit", "&Analysis B", "&Window"}));
    kids[0]->Show();   // brings it to the front
    TestProcess();
    EXPECT_EQ(frame->ActiveMDIChild(), kids[0]);
    EXPECT_EQ(BarCaptions(frame), (std::vector<String>{"&Edit", "&Analysis A", "&Window"}));
    // The window menu lists the children, the active one checked.
    TMenuItem* window = tile->Parent();
    ASSERT_EQ(window->Count(), 4);
    EXPECT_EQ(window->Items(2)->Caption(), "&1 Doc A");
    EXPECT_TRUE(window->Items(2)->Checked());
    EXPECT_EQ(window->Items(3)->Caption(), "&2 Doc B");
    // A child captioned anew is listed under its new caption.
    kids[1]->SetCaption("/dams/Doc B.dam");
    ASSERT_EQ(window->Count(), 4);
    EXPECT_EQ(window->Items(3)->Caption(), "&2 /dams/Doc B.dam");

    bar->AddButton(start[1]);
    TestProcess();
    EXPECT_TRUE(bar->ButtonEnabled(0));
    start[1]->SetEnabled(false);
    EXPECT_FALSE(bar->ButtonEnabled(0));
    start[1]->SetEnabled(true);
    TRect r = bar->ButtonRect(0);
    TestClick(bar, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    EXPECT_EQ(cmds[1].Runs, 1);
    EXPECT_EQ(cmds[0].Runs, 0);

    frame->Tile();
    frame->Cascade();
    delete kids[1];
    TestProcess();
    EXPECT_EQ(frame->MDIChildCount(), 1);
    EXPECT_EQ(bar->ButtonCount(), 0);   // the button went with its item
    Application->SetMainForm(nullptr);
    delete frame;
    TestProcess();
}

// Where the WM_MOVE messages of a window said its client area went.
class TMoveLog : public TObject {
public:
    TWndMethod Old;
    std::vector<TPoint> Places;
    void Proc(TMessage& m)
    {
        if (m.Msg == WM_MOVE) Places.push_back({LoSmall(m.LParam), HiSmall(m.LParam)});
        Old(m);
    }
};

// The frame's windows in its own order, the most recently active first.
std::vector<TCustomForm*> DocumentWindows(TCustomForm* frame)
{
    std::vector<TCustomForm*> list;
    for (Integer i = 0; i < frame->MDIChildCount(); ++i) list.push_back(frame->MDIChildren(i));
    return list;
}

TEST(Mdi, ArrangingPlacesTheDocumentWindowsAndTellsEachItsPlaceAndState)
{
    auto* frame = new TForm(nullptr);
    frame->SetFormStyle(fsMDIForm);
    frame->SetBounds(0, 0, 640, 480);
    TCustomForm* mainBefore = Application->MainForm();
    Application->SetMainForm(frame);
    frame->Show();
    TMoveLog logs[3];
    std::vector<TForm*> kids;
    for (int i = 0; i < 3; ++i) {
        kids.push_back(new TForm(frame));
        kids[i]->SetFormStyle(fsMDIChild);
        kids[i]->SetBounds(20 * i, 20 * i, 200, 150);
        kids[i]->Show();
        logs[i].Old = kids[i]->WindowProc;
        kids[i]->WindowProc = TWndMethod(&logs[i], &TMoveLog::Proc);
    }
    kids[0]->SetWindowState(wsMaximized);
    TestProcess();
    const Integer areaWidth = frame->ClientWidth(), areaHeight = frame->ClientHeight();
    const auto placeHeard = [&](TCustomForm* w) {
        const auto i = std::find(kids.begin(), kids.end(), w) - kids.begin();
        const Integer b = w->BorderWidthNC();
        const TPoint place{w->Left() + b, w->Top() + b};
        return logs[i].Places.empty() ? place == TPoint{20 * Integer(i) + b, 20 * Integer(i) + b}
                                      : logs[i].Places.back() == place;
    };

    // tbHorizontal: one above the other at full width; tbVertical: side by side at full height
    for (TTileMode mode : {tbHorizontal, tbVertical}) {
        frame->SetTileMode(mode);
        frame->Tile();
        TestProcess();
        const bool stacked = mode == tbHorizontal;
        Integer next = 0;
        for (TCustomForm* w : DocumentWindows(frame)) {
            EXPECT_EQ(w->WindowState(), wsNormal) << stacked;
            EXPECT_EQ(stacked ? w->Left() : w->Top(), 0) << stacked;
            EXPECT_EQ(stacked ? w->Width() : w->Height(), stacked ? areaWidth : areaHeight) << stacked;
            EXPECT_EQ(stacked ? w->Top() : w->Left(), next) << stacked;
            EXPECT_NEAR(stacked ? w->Height() : w->Width(), (stacked ? areaHeight : areaWidth) / 3, 1) << stacked;
            EXPECT_TRUE(placeHeard(w)) << stacked;
            next += stacked ? w->Height() : w->Width();
        }
        EXPECT_EQ(next, stacked ? areaHeight : areaWidth) << stacked;
    }

    // cascaded: one size, each window down and to the right of the one before
    frame->Cascade();
    TestProcess();
    std::vector<TCustomForm*> cascaded{kids.begin(), kids.end()};
    std::sort(cascaded.begin(), cascaded.end(), [](auto* a, auto* b) { return a->Top() < b->Top(); });
    for (size_t i = 1; i < cascaded.size(); ++i) {
        EXPECT_GT(cascaded[i]->Left(), cascaded[i - 1]->Left());
        EXPECT_GT(cascaded[i]->Top(), cascaded[i - 1]->Top());
        EXPECT_EQ(cascaded[i]->Width(), cascaded[0]->Width());
        EXPECT_EQ(cascaded[i]->Height(), cascaded[0]->Height());
        EXPECT_TRUE(placeHeard(cascaded[i]));
    }

    // minimising each window, last to first, keeps the frame's order and minimises them all
    const std::vector<TCustomForm*> before = DocumentWindows(frame);
    for (Integer i = frame->MDIChildCount() - 1; i >= 0; --i) {
        frame->MDIChildren(i)->SetWindowState(wsMinimized);
        TestProcess();
        EXPECT_EQ(DocumentWindows(frame), before) << i;
    }
    for (TForm* w : kids) EXPECT_EQ(w->WindowState(), wsMinimized);

    // arranged icons: a row along the bottom, left to right in the frame's order
    kids[1]->SetBounds(100, 50, kids[1]->Width(), kids[1]->Height());
    frame->ArrangeIcons();
    TestProcess();
    Integer left = 0;
    for (TCustomForm* w : DocumentWindows(frame)) {
        EXPECT_EQ(w->Left(), left);
        EXPECT_EQ(w->Top() + w->Height(), areaHeight);
        EXPECT_TRUE(placeHeard(w));
        left += w->Width();
    }
    Application->SetMainForm(mainBefore);
    delete frame;
    TestProcess();
}

}  // namespace

namespace {

class THelpLog : public TObject {
public:
    std::vector<std::intptr_t> Contexts;
    void Help(Word, std::intptr_t data, bool& callHelp)
    {
        Contexts.push_back(data);
        callHelp = false;
    }
};

TEST(Help, F1AsksForTheHelpContextOfTheControlOrItsForm)
{
    TForm form(nullptr);
    form.SetHelpContext(100);
    auto* e1 = new TEdit(&form);
    e1->SetHelpContext(120);
    e1->SetParent(&form);
    auto* e2 = new TEdit(&form);
    e2->SetTop(30);
    e2->SetParent(&form);
    THelpLog log;
    Application->OnHelp = THelpEvent(&log, &THelpLog::Help);
    form.Show();
    TestPressKey(e1, VK_F1);
    TestPressKey(e2, VK_F1);
    Application->OnHelp = nullptr;
    EXPECT_EQ(log.Contexts, (std::vector<std::intptr_t>{120, 100}));
}

TEST(Cursors, NamedCursorFromResourcesGoesIntoTheScreensTable)
{
    EXPECT_THROW(LoadCursorFromResource("CURNOWHERE"), EResNotFound);
    // A 1x1 cursor file: header, one entry (hot spot 0, 0), a 32-bit image with its masks.
    std::vector<Byte> cur = {0, 0, 2, 0, 1, 0, 1, 1, 0, 0, 0, 0, 0, 0, 48, 0, 0, 0, 22, 0, 0, 0};
    const Byte header[] = {40, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 1, 0, 32, 0};
    cur.insert(cur.end(), std::begin(header), std::end(header));
    cur.resize(22 + 48, 0);
    RegisterResource("CURHAND", "CURSOR", cur);
    const TCursor handle = LoadCursorFromResource("CURHAND");
    EXPECT_GT(handle, 0);
    Screen->SetCursors(1, handle);
    EXPECT_EQ(Screen->Cursors(1), handle);
    EXPECT_EQ(Screen->Cursors(crHandPoint), crHandPoint);
    TForm form(nullptr);
    form.SetCursor(1);
    form.Show();
    TestProcess();
    EXPECT_EQ(form.Cursor(), 1);
}

}  // namespace

namespace {

class TRunLog : public TObject {
public:
    int Runs = 0;
    void Run(TObject*) { ++Runs; }
};

TEST(Accelerators, AltAndTheUnderlinedLetterClickTheButton)
{
    EXPECT_TRUE(IsAccel('R', "&Run"));
    EXPECT_TRUE(IsAccel('r', "Start &run"));
    EXPECT_FALSE(IsAccel('S', "&&Save"));
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    auto* run = new TButton(&form);
    run->SetCaption("&Run");
    run->SetTop(40);
    run->SetParent(&form);
    TRunLog log;
    run->OnClick = TNotifyEvent(&log, &TRunLog::Run);
    form.Show();
    TestProcess();
    TestTypeText(edit, "r");          // an edit takes plain characters
    EXPECT_EQ(log.Runs, 0);
    TestPressKey(edit, 'R', {ssAlt});
    EXPECT_EQ(log.Runs, 1);
    EXPECT_EQ(edit->Text(), "r");
}

}  // namespace

namespace {
class TActiveLog : public TObject {
public:
    std::string Log;
    void Changed(TObject* sender)
    {
        auto* screen = static_cast<TScreen*>(sender);
        Log += (screen->ActiveForm() ? screen->ActiveForm()->Name().ToUtf8() : std::string("none")) + ";";
    }
};
}  // namespace

TEST(ActiveForm, TheScreenTellsWhenAnotherFormBecomesActive)
{
    TActiveLog log;
    Screen->OnActiveFormChange = TNotifyEvent(&log, &TActiveLog::Changed);
    {
        TForm first(nullptr), second(nullptr);
        first.SetName("First");
        second.SetName("Second");
        first.Show();
        TestProcess();
        second.Show();
        TestProcess();
        WindowSystem().Activate(first.WindowHandle());
        TestProcess();
        WindowSystem().Activate(first.WindowHandle());   // already active: no news
        TestProcess();
        EXPECT_EQ(Screen->ActiveForm(), &first);
    }
    Screen->OnActiveFormChange = nullptr;
    EXPECT_EQ(log.Log, "First;Second;First;none;");   // the active form's going leaves none
}

// A panel that wants its window before its form has one gets a single window, and the windowed
// controls on it show in the form (plain or MDI frame).
TEST(Forms, WindowedChildOfAPanelShowsWhenThePanelWantsItsWindowFirst)
{
    for (TFormStyle style : {fsNormal, fsMDIForm}) {
        auto* frame = new TForm(nullptr);
        frame->SetFormStyle(style);
        frame->SetBounds(0, 0, 400, 300);
        auto* strip = new TPanel(frame);
        strip->SetParent(frame);
        strip->SetAlign(alBottom);
        strip->SetHeight(30);
        strip->SetBevelOuter(TPanelBevel::bvNone);
        auto* inner = new TPanel(frame);
        inner->SetParent(strip);
        inner->SetBevelOuter(TPanelBevel::bvNone);
        inner->SetColor(clRed);
        inner->SetBounds(10, 5, 50, 20);
        strip->HandleNeeded();   // the strip wants its window before the frame has one
        frame->Show();
        TestProcess();
        TBitmap shot;
        TestGrab(frame, shot);
        // the grab holds the frame's menu bar above the client area
        const Byte* row = shot.ScanLine(shot.Height() - frame->ClientHeight() + strip->Top() + 15);
        EXPECT_EQ(RGB(row[30 * 4 + 2], row[30 * 4 + 1], row[30 * 4]), clRed) << "form style " << int(style);
        delete frame;
    }
}

TEST(Close, OnlyAFrameWithASystemMenuOffersTheCloseBox)
{
    struct TCase {
        TFormBorderStyle Style;
        TBorderIcons Icons;
        bool CloseBox;
    };
    const TCase cases[] = {
        {bsSizeable, {biSystemMenu, biMinimize, biMaximize}, true},
        {bsDialog, {biSystemMenu}, true},
        {bsDialog, {}, false},
        {bsSingle, {biMinimize, biMaximize}, false},   // no system menu, no boxes at all
        {bsToolWindow, {biSystemMenu}, true},
        {bsNone, {biSystemMenu}, false},
    };
    for (const TCase& c : cases) {
        TForm form(nullptr);
        THandlers h;
        form.OnClose = TCloseEvent(&h, &THandlers::Close);
        form.SetBorderStyle(c.Style);
        form.SetBorderIcons(c.Icons);
        form.Show();
        TestProcess();
        EXPECT_EQ(TestClickCloseBox(&form), c.CloseBox) << int(c.Style);
        EXPECT_EQ(form.Visible(), !c.CloseBox) << int(c.Style);
        EXPECT_EQ(h.Log, c.CloseBox ? "close;" : "") << int(c.Style);
    }
}

TEST(Close, BorderIconsChangedWhileHiddenReachTheWindow)
{
    TForm form(nullptr);
    form.SetFormStyle(fsStayOnTop);
    form.SetBorderIcons({});
    form.Show();
    TestProcess();
    EXPECT_FALSE(TestClickCloseBox(&form));
    form.Hide();
    form.SetBorderIcons({biSystemMenu});
    EXPECT_TRUE(TestClickCloseBox(&form));
}

TEST(Close, BorderIconsChangedWhileShownReachTheShownWindow)
{
    TForm form(nullptr);
    THandlers h;
    form.OnClose = TCloseEvent(&h, &THandlers::Close);
    form.SetBorderIcons({});
    form.Show();
    TestProcess();
    form.SetBorderIcons({biSystemMenu});
    TestProcess();
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(h.Log, "");
    EXPECT_TRUE(TestClickCloseBox(&form));
    EXPECT_EQ(h.Log, "close;");
    form.Show();
    TestProcess();
    form.SetBorderIcons({});
    TestProcess();
    EXPECT_TRUE(form.Visible());
    EXPECT_FALSE(TestClickCloseBox(&form));
}

class THintLog : public TObject {
public:
    std::vector<String> Hints;
    void Hint(TObject*) { Hints.push_back(Application->Hint()); }
};

TEST(Hints, TheHighlightedItemsLongHintReachesTheApplication)
{
    TForm form(nullptr);
    auto* menu = new TMainMenu(&form);
    TMenuItem* open = AddTop(menu, "&File", 0, "&Open");
    open->SetHint("Open|Opens a model file");
    TMenuItem* save = new TMenuItem(&form);
    save->SetCaption("&Save");
    save->SetHint("Saves the model");
    open->Parent()->Add(save);
    form.SetMenu(menu);
    form.Show();
    TestProcess();

    THintLog log;
    TNotifyEvent before = Application->OnHint;
    Application->OnHint = TNotifyEvent(&log, &THintLog::Hint);
    TestHighlightMenuItem(open);
    TestHighlightMenuItem(save);   // a hint without bar is its own long hint
    MenuItemSelected(nullptr);     // the menus close
    Application->OnHint = before;
    EXPECT_EQ(log.Hints, (std::vector<String>{"Opens a model file", "Saves the model", ""}));
    EXPECT_EQ(GetShortHint("Open|Opens a model file"), "Open");
    EXPECT_EQ(GetShortHint("Saves the model"), "Saves the model");
}

TEST(Icon, TheApplicationsIconReachesItsWindows)
{
    TIcon icon;
    icon.SetSize(32, 32);
    icon.Image().Canvas().FillRectColor(TRect{0, 0, 32, 32}, clNavy);
    Application->Icon().Assign(&icon);
    EXPECT_EQ(WindowSystem().ApplicationIconSize(), (TSize{32, 32}));
    Application->Icon().SetSize(0, 0);
    EXPECT_EQ(WindowSystem().ApplicationIconSize(), (TSize{0, 0}));
}

// Document windows inside a frame show the program's icon in their title bars, the ones open when
// the icon changes included.
TEST(Icon, DocumentWindowsShowTheApplicationsIcon)
{
    auto setIcon = [](TColor color) {
        TIcon icon;
        icon.SetSize(32, 32);
        icon.Image().Canvas().FillRectColor(TRect{0, 0, 32, 32}, color);
        for (Integer y = 0; y < 32; ++y)   // opaque: straight alpha 255
            for (Integer x = 0; x < 32; ++x) icon.Image().ScanLine(y)[x * 4 + 3] = 0xFF;
        Application->Icon().Assign(&icon);
    };
    auto* frame = new TForm(nullptr);
    frame->SetFormStyle(fsMDIForm);
    frame->SetBounds(0, 0, 400, 300);
    TCustomForm* mainBefore = Application->MainForm();
    Application->SetMainForm(frame);
    frame->Show();
    auto pixelsOf = [frame](TColor color) {
        TestProcess();
        TBitmap shot;
        TestGrab(frame, shot);
        int count = 0;
        for (Integer y = 0; y < shot.Height(); ++y) {
            const Byte* row = shot.ScanLine(y);
            for (Integer x = 0; x < shot.Width(); ++x)
                count += static_cast<TColor>(RGB(row[x * 4 + 2], row[x * 4 + 1], row[x * 4])) == color;
        }
        return count;
    };
    setIcon(clFuchsia);
    auto* child = new TForm(frame);
    child->SetCaption("Doc");
    child->SetFormStyle(fsMDIChild);
    child->SetBounds(10, 10, 200, 150);
    child->Show();
    EXPECT_GE(pixelsOf(clFuchsia), 100);   // a title-bar icon of at least 10 x 10 pixels
    setIcon(clLime);
    EXPECT_EQ(pixelsOf(clFuchsia), 0);
    EXPECT_GE(pixelsOf(clLime), 100);
    Application->SetMainForm(mainBefore);
    delete frame;
    Application->Icon().SetSize(0, 0);
}
