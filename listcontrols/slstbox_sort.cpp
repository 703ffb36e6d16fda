// Work on all rows or all sections at once: sorting sections by caption and sub-items by text
// (ordinal order of the UTF-16 code units), tab stops from the widths of tab-separated columns,
// and the horizontal extent that keeps the list as wide as its widest row.
#include "listcontrols/slstbox.h"

#include "platform/graphics/GdiApi.h"

void TListSection::SortSubItems()
{
    if (FSubItems.Count() == 0) return;
    if (FState == lssContracted) {
        QuickSortSubItems(0, FSubItems.Count() - 1);
        return;
    }
    SetState(lssContracted);
    QuickSortSubItems(0, FSubItems.Count() - 1);
    SetState(lssExpanded);
}

void TListSection::QuickSortSubItems(Integer L, Integer R)
{
    const bool descending = FSortDirection == sdDescending;
    const String pivot = FSubItems[(L + R) / 2];
    Integer i = L, j = R;
    do {
        if (descending) {
            while (CompareStr(pivot, FSubItems[i]) < 0 && i < R) ++i;
            while (CompareStr(pivot, FSubItems[j]) > 0 && j > L) --j;
        } else {
            while (CompareStr(pivot, FSubItems[i]) > 0 && i < R) ++i;
            while (CompareStr(pivot, FSubItems[j]) < 0 && j > L) --j;
        }
        if (i <= j) {
            if (i != j) {
                const String text = FSubItems[i];
                TObject* object = FSubItems.Objects(i);
                FSubItems.Put(i, FSubItems[j]);
                FSubItems.PutObject(i, FSubItems.Objects(j));
                FSubItems.Put(j, text);
                FSubItems.PutObject(j, object);
            }
            ++i;
            --j;
        }
    } while (i <= j);
    if (L < j) QuickSortSubItems(L, j);
    if (i < R) QuickSortSubItems(i, R);
}

void TSectionListBox::QuickSortSections(Integer L, Integer R)
{
    const String pivot = FSections->Items((L + R) / 2)->Caption();
    Integer i = L, j = R;
    do {
        while (CompareStr(FSections->Items(i)->Caption(), pivot) < 0) ++i;
        while (CompareStr(FSections->Items(j)->Caption(), pivot) > 0) --j;
        if (i <= j) {
            if (i != j) FSections->SwapSections(i, j);
            ++i;
            --j;
        }
    } while (i <= j);
    if (L < j) QuickSortSections(L, j);
    if (i < R) QuickSortSections(i, R);
}

void TSectionListBox::SortAllSections()
{
    if (FSections->Count() == 0) return;
    BeginUpdate();
    QuickSortSections(0, FSections->Count() - 1);
    EndUpdate();
}

void TSectionListBox::SortAllSubItems()
{
    BeginUpdate();
    for (Integer i = 0; i < FSections->Count(); ++i) FSections->Items(i)->SortSubItems();
    EndUpdate();
}

void TSectionListBox::SortAll()
{
    if (FSections->Count() == 0) return;
    BeginUpdate();
    SortAllSections();
    SortAllSubItems();
    EndUpdate();
}

void TSectionListBox::OptimizeTabs(Integer padding)
{
    Integer widths[21] = {};
    Integer widest = 0;
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    const Integer imageWidth = FSubItemImages ? FSubItemImages->Width() : 0;
    for (Integer row = 0; row < RowCount(); ++row) {
        String t = RowText(row);
        Integer c = 0;
        for (Integer tab = Pos("\t", t); tab > 0 && c <= 19; tab = Pos("\t", t)) {
            widths[c] = std::max(widths[c], canvas.TextWidth(Copy(t, 1, tab - 1)));
            Delete(t, 1, tab);
            widest = std::max(widest, ++c);
        }
        widths[c] = std::max(widths[c], canvas.TextWidth(t));
    }
    if (RowCount() > 0) {
        Integer x = padding;
        for (Integer k = 1; k <= widest; ++k) {
            const Integer stop = widths[k - 1] + x + FSubItemIndent + imageWidth;
            if (FTabPositions.Count() < k)
                FTabPositions.Add()->SetTabPosition(stop);
            else
                FTabPositions.Items(k - 1)->SetTabPosition(
                    stop + (FTabPositions.Items(k - 1)->TabType() == tabright ? widths[k] : 0));
            x += widths[k - 1] + padding;
        }
    }
    Invalidate();
}

void TSectionListBox::UpdateHorzExtent()
{
    if (FUpdateCount > 0 || FDestroying || (!HandleAllocated() && !Parent())) return;
    if (FWordWrap) {
        Perform(LB_SETHORIZONTALEXTENT, 0, 0);
        return;
    }
    std::vector<Integer> stops;
    ValidTabStops(stops, false);
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    Integer widest = 0;
    TRowSections sections(*FSections);
    for (Integer row = 0; row < RowCount(); ++row) {
        const Integer sectionIdx = sections.IndexOf(row);
        TListSection* section = sectionIdx >= 0 ? FSections->Items(sectionIdx) : nullptr;
        if (section && section->EndEllipsis()) continue;
        String text = PlainRowText(RowText(row));
        if (Pos("</", text) > 0) text = String();
        const Integer cr = Pos("\r", text);
        if (cr > 0) text = Copy(text, 1, cr);
        const Cardinal extent = GetTabbedTextExtent(canvas.Handle(), text, -1, static_cast<int>(stops.size()),
                                                    stops.empty() ? nullptr : stops.data());
        widest = std::max(widest, static_cast<Integer>((extent & 0xFFFF) + FSubItemIndent) & 0xFFFF);
    }
    Perform(LB_SETHORIZONTALEXTENT, widest < Width() ? 0 : widest, 0);
}
