// Drag and drop between the controls of a window, started by a press (DragMode dmAutomatic) or
// by BeginDrag, driven with the mouse as the user drives it; dock drags; and the drag, dock and
// style properties in form descriptions.
#include <gtest/gtest.h>

#include <string>

#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/testing/Driver.h"

namespace {

std::string NameOf(TObject* o)
{
    if (!o) return "nil";
    if (auto* c = dynamic_cast<TComponent*>(o)) return c->Name().ToUtf8();
    return "object";
}

std::string At(Integer x, Integer y) { return " " + std::to_string(x) + "," + std::to_string(y); }

// Notes every drag event; the controls whose names are in Accepting take the drop.
class TDragEvents : public TObject {
public:
    std::string Log;
    std::string Accepting;
    TDragObject* Given = nullptr;   // handed to OnStartDrag
    Integer PressStarts = -2;       // a press starts a drag with this threshold (-2: none; 0: at once)

    void StartDrag(TObject* s, TDragObject*& o)
    {
        Log += NameOf(s) + ".start;";
        o = Given;
    }
    void StartDock(TObject* s, TDragDockObject*&) { Log += NameOf(s) + ".startdock;"; }
    void Over(TObject* s, TObject* source, Integer x, Integer y, TDragState state, bool& accept)
    {
        static const char* const states[] = {"enter", "leave", "move"};
        Log += NameOf(s) + "." + states[state] + " " + NameOf(source) + At(x, y) + ";";
        accept = Accepting.find(NameOf(s)) != std::string::npos;
    }
    void Drop(TObject* s, TObject* source, Integer x, Integer y) { Log += NameOf(s) + ".drop " + NameOf(source) + At(x, y) + ";"; }
    void EndDrag(TObject* s, TObject* target, Integer x, Integer y) { Log += NameOf(s) + ".end " + NameOf(target) + At(x, y) + ";"; }
    void EndDock(TObject* s, TObject* target, Integer x, Integer y) { Log += NameOf(s) + ".enddock " + NameOf(target) + At(x, y) + ";"; }
    void Down(TObject* s, TMouseButton, TShiftState, Integer, Integer)
    {
        Log += NameOf(s) + ".down;";
        if (PressStarts > -2) static_cast<TControl*>(s)->BeginDrag(PressStarts == 0, PressStarts);
    }
    void Click(TObject* s) { Log += NameOf(s) + ".click;"; }
};

class TBox : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
};
class TMarker : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
};

// A 320 x 240 form: Source (windowed) at (10, 10) 80 x 60, Target (windowed) at (150, 10)
// 100 x 80, and Marker (windowless) at (150, 120) 60 x 40.  Target's client point (20, 30)
// is Source's (160, 30); Marker's (10, 10) is Source's (150, 120).
struct DragFixture : ::testing::Test {
    TForm* Form = nullptr;
    TBox* Source = nullptr;
    TBox* Target = nullptr;
    TMarker* Marker = nullptr;
    TDragEvents Events;

    template <class T>
    T* Place(const char* name, Integer x, Integer y, Integer w, Integer h)
    {
        T* c = new T(Form);
        c->SetName(name);
        c->SetBounds(x, y, w, h);
        c->SetParent(Form);
        c->OnDragOver = TDragOverEvent(&Events, &TDragEvents::Over);
        c->OnDragDrop = TDragDropEvent(&Events, &TDragEvents::Drop);
        c->OnStartDrag = TStartDragEvent(&Events, &TDragEvents::StartDrag);
        c->OnEndDrag = TEndDragEvent(&Events, &TDragEvents::EndDrag);
        c->OnStartDock = TStartDockEvent(&Events, &TDragEvents::StartDock);
        c->OnEndDock = TEndDragEvent(&Events, &TDragEvents::EndDock);
        c->OnMouseDown = TMouseEvent(&Events, &TDragEvents::Down);
        c->OnClick = TNotifyEvent(&Events, &TDragEvents::Click);
        return c;
    }
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetName("Form");
        Form->SetBounds(0, 0, 320, 240);
        Source = Place<TBox>("Source", 10, 10, 80, 60);
        Target = Place<TBox>("Target", 150, 10, 100, 80);
        Marker = Place<TMarker>("Marker", 150, 120, 60, 40);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
};

TEST_F(DragFixture, AnAutomaticDragDropsOnTheControlThatTakesItAndShowsItsCursor)
{
    Source->SetDragMode(dmAutomatic);
    Source->SetDragCursor(crHandPoint);
    Events.Accepting = "Target";
    TestMouseDown(Source, 20, 20);
    EXPECT_EQ(Events.Log, "Source.start;");   // the press starts the drag, and is no press
    EXPECT_TRUE(Source->Dragging());
    TestMouseMove(Source, 24, 24, {ssLeft});   // within the threshold of 5 pixels: nothing yet
    EXPECT_EQ(Events.Log, "Source.start;");
    TestMouseMove(Source, 25, 20, {ssLeft});
    EXPECT_EQ(GetCursor(), crNoDrop);
    TestMouseMove(Source, 160, 30, {ssLeft});
    EXPECT_EQ(GetCursor(), crHandPoint);
    TestMouseMove(Source, 162, 31, {ssLeft});
    TestMouseUp(Source, 162, 31);
    EXPECT_EQ(Events.Log, "Source.start;"
                          "Source.enter Source 25,20;"
                          "Source.leave Source 160,30;Target.enter Source 20,30;"
                          "Target.move Source 22,31;"
                          "Target.drop Source 22,31;Source.end Target 22,31;");
    EXPECT_FALSE(Source->Dragging());
    EXPECT_EQ(GetCaptureControl(), nullptr);

    // a press on a control that drags by hand is a press as ever
    Events.Log.clear();
    TestClick(Target, 5, 5);
    EXPECT_EQ(Events.Log, "Target.down;Target.click;");
}

TEST_F(DragFixture, ADropWhereNothingTakesItEndsTheDragWithoutTarget)
{
    // The program starts the drag from its press handler, at once: the source is under the
    // mouse first and hears it leave.
    struct Case {
        const char* accepting;
        TPoint release;   // in Source's client area
        const char* log;
    } cases[] = {
        // Marker refuses: no drop, the point is Marker's
        {"Target", {155, 125}, "Marker.enter Source 15,15;Marker.leave Source 15,15;Source.end nil 15,15;"},
        // a windowless control takes it
        {"Marker", {155, 125}, "Marker.enter Source 15,15;Marker.drop Source 15,15;Source.end Marker 15,15;"},
        // off the form: the screen point
        {"Target", {-200, -200}, "Source.end nil #;"},
    };
    Events.PressStarts = 0;
    for (const Case& c : cases) {
        Events.Accepting = c.accepting;
        TestMouseDown(Source, 10, 10);
        EXPECT_TRUE(Source->Dragging());
        Events.Log.clear();
        TestMouseMove(Source, c.release.X, c.release.Y, {ssLeft});
        TestMouseUp(Source, c.release.X, c.release.Y);
        const TPoint screen = Source->ClientToScreen(c.release);
        std::string log = c.log;
        if (const auto hash = log.find('#'); hash != std::string::npos)
            log.replace(hash, 1, At(screen.X, screen.Y).substr(1));
        EXPECT_EQ(Events.Log, "Source.leave Source" + At(c.release.X, c.release.Y) + ";" + log) << c.accepting;
        EXPECT_FALSE(Source->Dragging());
    }
}

TEST_F(DragFixture, ThresholdEscapeAndTheProgramsOwnDragObject)
{
    // the drag moves once the mouse is the threshold away along either axis
    for (Integer threshold : {3, 10}) {
        Events.PressStarts = threshold;
        TestMouseDown(Source, 20, 20);
        Events.Log.clear();
        TestMouseMove(Source, 20 + threshold - 1, 20 - threshold + 1, {ssLeft});
        EXPECT_EQ(Events.Log, "") << threshold;
        TestMouseMove(Source, 20, 20 - threshold, {ssLeft});
        EXPECT_EQ(Events.Log, "Source.enter Source" + At(20, 20 - threshold) + ";") << threshold;
        Source->EndDrag(false);
        EXPECT_FALSE(Source->Dragging());
        TestMouseUp(Source, 20, 20);
    }

    // Escape cancels: the target hears it leave, the source that nothing took it
    Events.PressStarts = -2;
    Events.Accepting = "Target";
    TDragObject carried;
    Events.Given = &carried;
    Source->SetDragMode(dmAutomatic);
    TestMouseDown(Source, 20, 20);
    TestMouseMove(Source, 160, 30, {ssLeft});
    Events.Log.clear();
    TestPressKey(Form, VK_ESCAPE);
    EXPECT_EQ(Events.Log, "Target.leave object 20,30;Source.end nil 20,30;");
    EXPECT_FALSE(Source->Dragging());
    EXPECT_EQ(GetCursor(), crDefault);
}

TEST_F(DragFixture, ADockDragOnlyStartsAndEnds)
{
    Source->SetDragKind(dkDock);
    Source->SetDragMode(dmAutomatic);
    Events.Accepting = "Target";
    TestMouseDown(Source, 20, 20);
    TestMouseMove(Source, 160, 30, {ssLeft});
    TestMouseUp(Source, 160, 30);
    const TPoint screen = Source->ClientToScreen({160, 30});
    EXPECT_EQ(Events.Log, "Source.startdock;Source.enddock nil" + At(screen.X, screen.Y) + ";");
    EXPECT_FALSE(Source->Dragging());
}

TEST_F(DragFixture, AControlFreedInTheDragIsNoLongerTold)
{
    // the form, under the mouse once Target is gone, takes nothing
    Events.Accepting = "Target";
    Source->SetDragMode(dmAutomatic);
    TestMouseDown(Source, 20, 20);
    TestMouseMove(Source, 160, 30, {ssLeft});
    delete Target;
    Target = nullptr;
    Events.Log.clear();
    TestMouseMove(Source, 161, 30, {ssLeft});
    TestMouseUp(Source, 161, 30);
    EXPECT_EQ(Events.Log, "Source.end nil 171,40;");

    // a source freed in its drag leaves neither the drag nor the mouse behind
    TestMouseDown(Source, 20, 20);
    delete Source;
    Source = nullptr;
    EXPECT_EQ(GetCaptureControl(), nullptr);
    Events.Log.clear();
    TestMouseUp(Form, 30, 30);
    TestClick(Marker, 5, 5);
    EXPECT_EQ(Events.Log, "Marker.down;Marker.click;");
}

// A form whose handlers have the drag and dock events' signatures.
class TDragForm : public TForm {
    DECLARE_CLASS(TDragForm, TForm)
public:
    using TForm::TForm;
    void DropHere(TObject*, TObject*, Integer, Integer) {}
    void OverHere(TObject*, TObject*, Integer, Integer, TDragState, bool&) {}
    void Started(TObject*, TDragObject*&) {}
    void Ended(TObject*, TObject*, Integer, Integer) {}
    void DockStarted(TObject*, TDragDockObject*&) {}
};

TClass TDragForm::StaticClass()
{
    static const TMetaClass meta("TDragForm", TForm::StaticClass(), NewComponent<TDragForm>, [](TMetaClass& m) {
        TPublished<TDragForm>(&m)
            .Method("DropHere", &TDragForm::DropHere)
            .Method("OverHere", &TDragForm::OverHere)
            .Method("Started", &TDragForm::Started)
            .Method("Ended", &TDragForm::Ended)
            .Method("DockStarted", &TDragForm::DockStarted);
    });
    return &meta;
}

TEST(DragProperties, AreReadFromAndWrittenToFormDescriptionsWithoutDefaults)
{
    TestInitialize();
    RegisterControlClasses();
    RegisterClass(TDragForm::StaticClass());
    const char* const lines[] = {
        "DragCursor = crHandPoint", "DragKind = dkDock", "DragMode = dmAutomatic", "StyleElements = [seFont, seBorder]",
        "OnDragDrop = DropHere", "OnDragOver = OverHere", "OnEndDock = Ended", "OnEndDrag = Ended",
        "OnStartDock = DockStarted", "OnStartDrag = Started",
    };
    std::string description = "object DragForm: TDragForm\n  object Set: TCustomControl\n";
    for (const char* line : lines) description += std::string("    ") + line + "\n";
    description += "  end\n  object Plain: TCustomControl\n  end\nend\n";
    TDragForm form(nullptr);
    ReadComponentText(String(description.c_str()), &form);
    auto* set = static_cast<TControl*>(form.FindComponent("Set"));
    EXPECT_EQ(set->DragCursor(), crHandPoint);
    EXPECT_EQ(set->DragKind(), dkDock);
    EXPECT_EQ(set->DragMode(), dmAutomatic);
    EXPECT_EQ(set->StyleElements(), (TStyleElements{seFont, seBorder}));
    EXPECT_EQ(set->OnDragOver.Data(), &form);
    EXPECT_EQ(set->OnStartDock.Data(), &form);

    const std::string written = WriteComponentText(&form).ToUtf8();
    for (const char* line : lines) EXPECT_NE(written.find(std::string("    ") + line + "\n"), std::string::npos) << line;
    // a new control's values are the defaults, and none is written
    auto* plain = static_cast<TControl*>(form.FindComponent("Plain"));
    EXPECT_EQ(plain->DragCursor(), crDrag);
    EXPECT_EQ(plain->DragKind(), dkDrag);
    EXPECT_EQ(plain->DragMode(), dmManual);
    EXPECT_EQ(plain->StyleElements(), (TStyleElements{seFont, seClient, seBorder}));
    const std::string plainPart = written.substr(written.find("object Plain"));
    for (const char* name : {"Drag", "StyleElements", "Dock"})
        EXPECT_EQ(plainPart.find(name), std::string::npos) << name;
}

}  // namespace
