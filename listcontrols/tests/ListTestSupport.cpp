#include "ListTestSupport.h"

TSectionListFixture::TSectionListFixture()
{
    TestInitialize();
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBounds(0, 0, 300, 400);
    List = new TSectionListBox(Form.get());
    List->SetParent(Form.get());
    List->SetBounds(10, 10, 200, 300);
}

TListSection* TSectionListFixture::AddSection(const String& caption, std::initializer_list<const char*> items)
{
    TListSection* section = List->Sections().Add();
    section->SetCaption(caption);
    for (const char* item : items) section->SubItems().Add(item);
    return section;
}

std::vector<String> TSectionListFixture::Rows()
{
    std::vector<String> rows;
    for (Integer i = 0; i < List->Items().Count(); ++i)
        rows.push_back((List->Perform(LB_GETITEMDATA, i, 0) == 1 ? "S:" : "  ") + List->Items()[i]);
    return rows;
}
