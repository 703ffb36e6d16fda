// The custom edit's text layout while a long text is edited anywhere: every cursor position
// stays where the text measured afresh puts it, and the editor shows exactly what the whole text
// drawn at the scroll offset shows.
#include <gtest/gtest.h>

#include "platform/graphics/GdiApi.h"
#include "platform/testing/Driver.h"
#include "styledcontrols/StyCustomEdit.h"

namespace {

// A 160 x 21 edit in Tahoma 8 at (10, 10) of a shown form.
struct StyEditLayout : ::testing::Test {
    TForm* Form = nullptr;
    TStyCustomEdit* Edit = nullptr;
    void SetUp() override
    {
        TestInitialize();
        StyApplication()->SetEditMode({emInsert});
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 260, 80);
        Edit = new TStyCustomEdit(Form);
        Edit->SetBounds(10, 10, 160, 21);
        Edit->Font().SetName("Tahoma");
        Edit->Font().SetSize(8);
        Edit->SetParent(Form);
        Form->Show();
        Edit->SetFocus();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
    // Each cursor position's x from the text's left edge, as the layout has it.
    std::vector<Integer> LayoutXs()
    {
        std::vector<Integer> xs;
        const Integer origin = Edit->TextRect().Left + Edit->Layout().ScrollOffset();
        for (Integer p = 1; p <= Edit->GetLength() + 1; ++p) xs.push_back(Edit->Layout().CharPosToX(p) - origin);
        return xs;
    }
    // The same from the widths of the displayed text's leading parts on a canvas of its own.
    std::vector<Integer> MeasuredXs()
    {
        TBitmap bmp(1, 1);
        bmp.Canvas().Font().Assign(Edit->Font());
        const Integer extra = Edit->Font3D()->Tracing();
        const String& shown = Edit->Layout().Text();
        std::vector<Integer> xs;
        for (Integer p = 1; p <= shown.Length() + 1; ++p)
            xs.push_back(bmp.Canvas().TextWidth(Copy(shown, 1, p - 1)) + extra * (p - 1) + 1);
        return xs;
    }
    void Type(const String& s)
    {
        for (Integer i = 1; i <= s.Length(); ++i) Edit->Perform(WM_CHAR, s[i]);
    }
};

TEST_F(StyEditLayout, PositionsFollowEveryEditAnywhereInTheText)
{
    struct Step {
        const char* Name;
        std::function<void(StyEditLayout&)> Do;
    };
    const Step steps[] = {
        {"typed at the end", [](StyEditLayout& t) { t.Type(" and more"); }},
        {"typed at the start", [](StyEditLayout& t) { t.Edit->SetCurrentChar(1); t.Type("Dam: "); }},
        {"a word replaced in the middle",
         [](StyEditLayout& t) { t.Edit->Replace(12, 5, "WATER"); }},
        {"a space taken out, two words joined",
         [](StyEditLayout& t) { t.Edit->Replace(17, 1, ""); }},
        {"a space put between letters", [](StyEditLayout& t) { t.Edit->Replace(24, 0, " "); }},
        {"undone once", [](StyEditLayout& t) { t.Edit->Undo(); }},
        {"undone to the start", [](StyEditLayout& t) { while (t.Edit->CanUndo() && t.Edit->GetLength() > 30) t.Edit->Undo(); }},
        {"a bigger font", [](StyEditLayout& t) { t.Edit->Font().SetSize(11); }},
        {"typed in the bigger font", [](StyEditLayout& t) { t.Edit->SetCurrentChar(20); t.Type("WW"); }},
        {"letters spaced out", [](StyEditLayout& t) { t.Edit->Font3D()->SetTracing(2); }},
        {"typed with spaced letters", [](StyEditLayout& t) { t.Edit->SetCurrentChar(3); t.Type("ij "); }},
        {"a password character", [](StyEditLayout& t) { t.Edit->SetPasswordChar(u'*'); }},
        {"typed behind the password character", [](StyEditLayout& t) { t.Type("secret"); }},
        {"the whole text replaced", [](StyEditLayout& t) { t.Edit->SetText("Crest 156.00 m"); }},
    };
    // (no letters the font joins, such as "fl": inside a ligature the text's own measure and that
    // of its leading part differ)
    Edit->SetText("Normal water level 152.40 m, high level 155.10 m, crest 156.00 m");
    Edit->SetCurrentChar(Edit->GetLength() + 1);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.Name);
        s.Do(*this);
        EXPECT_EQ(LayoutXs(), MeasuredXs());
        EXPECT_EQ(Edit->Layout().Width(), MeasuredXs().back() - 1);
    }
}

// A text many times the editor's width, scrolled to its end, to its middle (a selection there)
// and back to its start: the editor's text rectangle holds the pixels of the whole text written
// at the scroll offset, clipped to the rectangle.
TEST_F(StyEditLayout, ALongTextShowsAsTheWholeTextWrittenAtTheScrollOffset)
{
    String text;
    for (int i = 0; i < 20; ++i) text = text + "Uplift at joint " + String(std::to_string(i).c_str()) + " is 0.25 MPa; ";
    Edit->SetText(text);
    struct Case {
        const char* Name;
        Integer Cursor;
    };
    const Case cases[] = {{"end", text.Length() + 1}, {"middle", text.Length() / 2}, {"start", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Edit->SetCurrentChar(c.Cursor);
        TestProcess();
        Edit->Caret()->Disable();   // the caret's bar is no part of the text
        TestProcess();
        const TRect r = Edit->TextRect();
        TBitmap want(Edit->ClientWidth(), Edit->ClientHeight());
        want.Canvas().Brush().SetColor(clWindow);
        want.Canvas().FillRect(Rect(0, 0, want.Width(), want.Height()));
        want.Canvas().Font().Assign(Edit->Font());
        want.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
        want.Canvas().ExtTextOut(r.Left + Edit->Layout().ScrollOffset(), r.Top, ETO_CLIPPED, &r, text);
        TBitmap got;
        TestGrab(Edit, got);
        const Integer border = Edit->BorderWidthNC();
        Integer differing = 0, ink = 0;
        for (Integer y = r.Top; y < r.Bottom; ++y)
            for (Integer x = r.Left; x < r.Right; ++x) {
                const TColor w = want.Canvas().Pixel(x, y);
                differing += got.Canvas().Pixel(x + border, y + border) != w;
                ink += w != clWhite;
            }
        EXPECT_EQ(differing, 0);
        EXPECT_GT(ink, 100);
    }
}

}  // namespace
