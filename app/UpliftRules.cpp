// The uplift-pressures dialog's rules: guideline list, notes, pictures, OK and the consistency
// warning with the cracking options.
#include "app/UpliftRules.h"

const std::array<TUpliftGuideline, 5> UpliftGuidelines{{
    {"CDSA 1995", cCDSA, ulExternal, "Alternatives CDSA.bmp"},
    {"USACE 1995", cUSACE, ulExternal, "Alternatives USACE.bmp"},
    {"FERC 1999", cFERC1999, ulExternal, "Alternatives USACE.bmp"},
    {"FERC 1991", cFERC, ulInternal, "Alternatives USACE.bmp"},
    {"USBR 1987", cUSBR, ulExternal, "Alternatives USBR.bmp"},
}};

Integer TUpliftRules::GuidelineIndex(TCode code)
{
    for (std::size_t i = 0; i < UpliftGuidelines.size(); ++i)
        if (UpliftGuidelines[i].Code == code) return static_cast<Integer>(i);
    return -1;
}

void TUpliftRules::ChooseGuideline(Integer entry)
{
    if (entry >= 0 && entry < static_cast<Integer>(UpliftGuidelines.size()))
        FModel.Drainage.Code = UpliftGuidelines[entry].Code;
}

std::array<String, 2> TUpliftRules::Notes() const
{
    const Integer i = Guideline();
    if (i < 0) return {};
    if (UpliftGuidelines[i].Load == ulInternal)
        return {"Uplift pressures are considered as an internal load.",
                "Dorva will do calculations using total stresses."};
    return {"Uplift pressures are considered as an external load.",
            "Dorva will do calculations using effective stresses."};
}

String TUpliftRules::Picture(bool drain) const
{
    if (!drain) return "No Drain.wmf";
    const Integer i = Guideline();
    if (i < 0) return String();
    return UpliftGuidelines[i].Picture;
}

String TUpliftRules::ApplyOk(const TUpliftEntries& e)
{
    TDrainage& d = FModel.Drainage;
    ChooseGuideline(e.Guideline);
    FModel.UpliftCode = d.Code;
    FModel.Drain = e.Drain;
    if (!e.Drain) {
        FModel.Donnees.Exclude(daDrain);
        return String();
    }
    FModel.Donnees.Include(daDrain);
    d.Xdrain = e.Xdrain;
    d.GalleryElev = e.GalleryElev;
    d.DrainOver = e.DrainOver;
    d.MaxElevation = e.MaxElevation;
    d.K1 = e.K1;
    d.K2 = e.K2;
    d.Alternative = e.Alternative == 2 ? 2 : 1;
    d.effectiveness = e.Effectiveness;
    FModel.DrainEfficiency.Activated = e.Computed;
    FModel.UpliftLoad = d.Code == cFERC ? ulInternal : ulExternal;
    return CrackOverWarning(d.Code, d.CrackOver);
}

String TUpliftRules::CrackOverWarning(TCode code, TCrackOverDrain crackOver)
{
    struct TExpectation {
        TCode Code;
        TCrackOverDrain Expected;
        const char* Text;
    };
    static const TExpectation expectations[] = {
        {cCDSA, cdNoDrain,
         "Please check consistency between the drainage system and the cracking options.\r"
         "CDSA guideline for drain under cracking condition is not the selected one."},
        {cUSACE, cdNotEffective,
         "Please check the drainage section in the cracking options\r"
         "the USACE guideline for drain under cracking condition is not the selected one"},
        {cFERC1999, cdFullFull,
         "Please check the drainage section in the cracking options\r"
         "the FERC guideline for drain under cracking condition is not the selected one"},
        {cFERC, cdFullFull,
         "Please check the drainage section in the cracking options\r"
         "the FERC guideline for drain under cracking condition is not the selected one"},
        {cUSBR, cdNoDrain,
         "Please check the drainage section in the cracking options\r"
         "the USBR guideline for drain under cracking condition is not the selected one"},
    };
    for (const TExpectation& x : expectations)
        if (x.Code == code) return x.Expected == crackOver ? String() : String(x.Text);
    return String();
}
