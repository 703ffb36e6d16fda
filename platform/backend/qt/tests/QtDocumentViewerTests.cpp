// The document window: a PDF document opened at the page the program names, within the
// document, under its stored name; a file it cannot read leaves the window as it was.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <QApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QWidget>

#include "platform/backend/qt/QtServices.h"
#include "platform/rtl/tests/TempFolder.h"
#include "platform/services/DocumentViewer.h"
#include "platform/testing/Driver.h"

namespace {

// A document of `pages` pages, each showing its number.
void WritePdf(const std::string& file, int pages)
{
    QPdfWriter writer(QString::fromStdString(file));
    QPainter painter(&writer);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1) writer.newPage();
        painter.drawText(100, 100, QString::number(page));
    }
}

TEST(DocumentViewer, OpensADocumentAtThePageNamed)
{
    TestInitialize();
    InitQtServices();
    TempFolder folder;
    std::filesystem::create_directory(folder / "Doc");
    const std::string manual = folder / "Doc/User Manual.pdf";
    WritePdf(manual, 5);
    std::ofstream(folder / "Doc/Notes.pdf") << "not a document";
    const struct {
        std::string Name;
        Integer Page;
        bool Shown;
        Integer PageOnView;
    } cases[] = {
        {manual, 4, true, 4},
        {manual, 1, true, 1},
        {manual, 62, true, 5},   // past the end: the last page
        {manual, 0, true, 1},
        {folder / "doc\\user manual.pdf", 3, true, 3},   // a stored name
        {folder / "Doc/Notes.pdf", 2, false, 3},         // the window keeps the manual at 3
        {folder / "Doc/Missing.pdf", 2, false, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShowDocumentPage(String(c.Name), c.Page), c.Shown) << c.Name << " " << c.Page;
        TestProcess();
        EXPECT_EQ(DocumentViewer().Document(), String(manual)) << c.Name << " " << c.Page;
        EXPECT_EQ(DocumentViewer().DocumentPage(), c.PageOnView) << c.Name << " " << c.Page;
    }
    // The window as the user sees it, for people to look at.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == "User Manual.pdf")
            if (const char* folder = std::getenv("DORVANE_SCREENSHOTS")) {
                std::filesystem::create_directories(folder);
                w->grab().save(QString::fromUtf8(folder) + "/document-viewer.png");
            }
    DocumentViewer().CloseDocument();
    TestProcess();
    EXPECT_EQ(DocumentViewer().Document(), String());
    EXPECT_EQ(DocumentViewer().DocumentPage(), 0);
}

}  // namespace
