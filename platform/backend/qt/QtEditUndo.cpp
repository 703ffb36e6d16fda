// Undo of the native edits: the line edit's and the plain-text edit's own undo histories.
#include <QSignalBlocker>

#include "platform/backend/qt/QtWindowSystem.h"

namespace qtbackend {
namespace {

class TQtEditUndo : public TEditUndo {
public:
    bool CanUndo(TWindowHandle* h) override
    {
        if (auto* e = qobject_cast<QLineEdit*>(h->W)) return e->isUndoAvailable();
        if (auto* m = qobject_cast<QPlainTextEdit*>(h->W)) return m->document()->isUndoAvailable();
        return false;
    }
    void Undo(TWindowHandle* h) override
    {
        if (auto* e = qobject_cast<QLineEdit*>(h->W)) e->undo();
        else if (auto* m = qobject_cast<QPlainTextEdit*>(h->W)) m->undo();
    }
    void EmptyUndoBuffer(TWindowHandle* h) override
    {
        if (auto* m = qobject_cast<QPlainTextEdit*>(h->W)) {
            m->document()->clearUndoRedoStacks();
        } else if (auto* e = qobject_cast<QLineEdit*>(h->W)) {
            // the line edit forgets its history when its text is set: set the same text again,
            // keeping the selection, without telling anyone of a change
            const int start = e->selectionStart(), length = e->selectedText().size(), cursor = e->cursorPosition();
            const bool modified = e->isModified();
            QSignalBlocker quiet(e);
            e->setText(e->text());
            if (length > 0) e->setSelection(cursor == start ? start + length : start, cursor == start ? -length : length);
            else e->setCursorPosition(cursor);
            e->setModified(modified);
        }
    }
};

}  // namespace

void RegisterQtEditUndo()
{
    static TQtEditUndo undo;
    RegisterEditUndo(&undo);
}

}  // namespace qtbackend
