// Mini-HTML text on a shown form, drawn through the canvas back end: styled runs, fonts and
// colours, an anchor under the mouse, a bullet list, a highlight, a rule, a picture from the
// container, a wrapped paragraph and a paragraph with a background holding controls.
#include <gtest/gtest.h>

#include "graphics/GxGraphicsHTMLEngine.h"
#include "graphics/PictureContainer.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/testing/Driver.h"

namespace {

const char* const Sample =
    "<B>Gravity dam</B> <I>stability</I> <U>check</U> <S>draft</S><BR>"
    "<FONT SIZE=\"4\" COLOR=\"#004080\">Load case</FONT> <FONT FACE=\"Courier New\">usual</FONT> "
    "<FONT BGCOLOR=\"#FFE080\">flood</FONT> H<SUB>2</SUB>O x<SUP>2</SUP><BR>"
    "See <A href=\"joints\">lift joints</A> and <A href=\"uplift\">uplift</A>.<HR COLOR=\"#808080\">"
    "<UL><LI>Sliding <HI>factor</HI> 1.52<UL><LI>base joint</UL>"
    "<LI TYPE=\"SQUARE\" COLOR=\"#C00000\">Overturning <IMG SRC=\"dam\" WIDTH=\"24\"> resultant in the third</UL>"
    "<P ALIGN=\"CENTER\">The section is stable for every load combination checked here.</P>"
    "<P BGCOLOR=\"#F8F0E8\"><CONTROL TYPE=\"CHECK\" VALUE=\"TRUE\" ID=\"uplift\"> Uplift "
    "<CONTROL TYPE=\"RADIO\" VALUE=\"TRUE\" ID=\"drained\"> Drained "
    "<CONTROL TYPE=\"BUTTON\" WIDTH=\"64\" ID=\"run\" VALUE=\"Check\"></P>";

class THTMLPainter : public TObject {
public:
    explicit THTMLPainter(TPaintBox* ABox) : FBox(ABox), FContainer(nullptr)
    {
        TPictureItem* item = FContainer.Items()->Add();
        item->SetName("Dam");
        TStringStream svg("<svg viewBox='0 0 24 12'><rect width='24' height='12' fill='#3a7fc0'/>"
                          "<polygon points='8,1 12,1 20,12 8,12' fill='#9a9a9a'/></svg>");
        static_cast<THTMLPicture*>(item->Picture())->LoadFromStream(svg);
    }
    void Paint(TObject*)
    {
        TCanvas& canvas = FBox->Canvas();
        canvas.Brush().SetColor(clWhite);
        canvas.FillRect(Rect(0, 0, FBox->Width(), FBox->Height()));
        TGxGraphics g(&canvas, false);
        g.Font()->BeginUpdate();
        g.Font()->SetName("Tahoma");
        g.Font()->SetSize(9);
        g.Font()->SetColor(clBlack);
        g.Font()->EndUpdate();
        TGxHTMLOptions options;
        options.AWordWrap = true;
        options.APictureContainer = &FContainer;
        options.AMouseX = 60;
        options.AMouseY = 60;
        options.AHoverColor = 0xFFF0E0;
        options.AHighlightColor = 0x00FFFF;
        options.AHighlightTextColor = clBlack;
        DrawGraphicsHTML(g, Sample, TRectF{6, 6, static_cast<float>(FBox->Width() - 6), static_cast<float>(FBox->Height())},
                         options, Result);
    }
    TGxHTMLResult Result;

private:
    TPaintBox* FBox;
    TPictureContainer FContainer;
};

}  // namespace

TEST(GxGraphicsHTMLScreenshots, TheSampleShowsEveryTagFamily)
{
    TestInitialize();
    auto* form = new TForm(nullptr);
    form->SetCaption("Mini-HTML");
    form->SetClientWidth(360);
    form->SetClientHeight(228);
    auto* box = new TPaintBox(form);
    box->SetParent(form);
    box->SetBounds(0, 0, 360, 228);
    THTMLPainter painter(box);
    box->OnPaint = TNotifyEvent(&painter, &THTMLPainter::Paint);
    form->Show();
    TestProcess();
    TBitmap shot;
    TestScreenshot(form, "graphics-minihtml", shot);
    EXPECT_EQ(painter.Result.AAnchorCount, 2);
    EXPECT_EQ(painter.Result.AAnchor, String("joints"));   // the mouse rests on the first anchor
    EXPECT_LE(painter.Result.AHeight, 228);
    delete form;
    TestProcess();
}
