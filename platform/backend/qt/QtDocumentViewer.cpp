// The document window on the toolkit's PDF view: one window for the program's documents, all
// pages in a column, turned to the page asked for.
#include <algorithm>

#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QPointer>

#include "platform/backend/qt/QtServices.h"
#include "platform/backend/qt/QtSupport.h"
#include "platform/services/DocumentViewer.h"

namespace qtbackend {
namespace {

// The view owns its documents, which it lets go before it goes: a document that closes tells
// its view.
class TDocumentView : public QPdfView {
public:
    ~TDocumentView() override { setDocument(nullptr); }
};

class QtDocumentViewer : public TDocumentViewer {
public:
    bool ShowDocument(const String& file, Integer page) override
    {
        auto* document = new QPdfDocument();
        if (document->load(QS(file)) != QPdfDocument::Error::None || document->pageCount() < 1) {
            delete document;
            return false;
        }
        if (!FView) {
            FView = new TDocumentView();
            FView->setAttribute(Qt::WA_DeleteOnClose);
            FView->setPageMode(QPdfView::PageMode::MultiPage);
            FView->setZoomMode(QPdfView::ZoomMode::FitToWidth);
            FView->resize(820, 900);
        }
        QPdfDocument* before = FView->document();
        document->setParent(FView);
        FView->setDocument(document);
        delete before;
        FView->setWindowTitle(QS(file).section('/', -1));
        FFile = file;
        FView->show();
        FView->raise();
        FView->activateWindow();
        FView->pageNavigator()->jump(std::clamp<int>(page, 1, document->pageCount()) - 1, {}, 0);
        return true;
    }
    void CloseDocument() override { delete FView.data(); }
    String Document() override { return FView ? FFile : String(); }
    Integer DocumentPage() override { return FView ? FView->pageNavigator()->currentPage() + 1 : 0; }

private:
    QPointer<TDocumentView> FView;
    String FFile;
};

}  // namespace

TDocumentViewer& QtDocumentViewerWindow()
{
    static QtDocumentViewer viewer;
    return viewer;
}

}  // namespace qtbackend
