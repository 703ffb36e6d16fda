// Dialogs on the toolkit: message boxes, the open and save file dialogs and the print dialog.
#include "platform/backend/qt/QtWindowSystem.h"

namespace qtbackend {

int TQtWindowSystem::MessageBox(const String& caption, const String& text, TMessageBoxIcon icon, const std::vector<int>& buttons, int defaultButton)
{
    static const QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Warning, QMessageBox::Critical,
                                              QMessageBox::Information, QMessageBox::Question};
    QMessageBox box(icons[static_cast<int>(icon)], QS(caption), QS(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    std::map<QAbstractButton*, int> results;
    for (int result : buttons) {
        QAbstractButton* b = box.addButton(StandardButton(result));
        results[b] = result;
        if (result == defaultButton) box.setDefaultButton(static_cast<QPushButton*>(b));
    }
    box.exec();
    auto it = results.find(box.clickedButton());
    return it == results.end() ? 2 : it->second;
}

TFileDialogAnswer TQtWindowSystem::FileDialog(const TFileDialogRequest& r)
{
    QFileDialog dlg(QApplication::activeWindow(), QS(r.Title), QS(r.InitialDir));
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setAcceptMode(r.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(r.Save ? QFileDialog::AnyFile
                           : r.MultiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (!r.OverwritePrompt) dlg.setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filters;
    for (const auto& [desc, patterns] : r.Filters)
        filters << QS(desc) + " (" + QS(patterns).replace(';', ' ') + ")";
    dlg.setNameFilters(filters);
    if (r.FilterIndex >= 1 && r.FilterIndex <= filters.size()) dlg.selectNameFilter(filters[r.FilterIndex - 1]);
    if (!r.FileName.IsEmpty()) dlg.selectFile(QS(r.FileName));
    QStringList history;
    for (const String& name : r.History) history << QS(name);
    if (!history.isEmpty()) dlg.setHistory(history);
    TFileDialogAnswer a;
    if (dlg.exec() != QDialog::Accepted) return a;
    a.Accepted = true;
    for (const QString& f : dlg.selectedFiles()) a.Files.push_back(VS(f));
    a.FilterIndex = static_cast<int>(filters.indexOf(dlg.selectedNameFilter())) + 1;
    return a;
}

bool TQtWindowSystem::PrintDialog(int& copies)
{
    QPrinter printer;
    printer.setCopyCount(copies);
    QPrintDialog dlg(&printer, QApplication::activeWindow());
    if (dlg.exec() != QDialog::Accepted) return false;
    copies = printer.copyCount();
    return true;
}

QMessageBox::StandardButton TQtWindowSystem::StandardButton(int result)
{
    switch (result) {
    case 1: return QMessageBox::Ok;
    case 2: return QMessageBox::Cancel;
    case 3: return QMessageBox::Abort;
    case 4: return QMessageBox::Retry;
    case 5: return QMessageBox::Ignore;
    case 6: return QMessageBox::Yes;
    case 7: return QMessageBox::No;
    case 8: return QMessageBox::YesToAll;
    case 9: return QMessageBox::NoToAll;
    case 10: return QMessageBox::YesToAll;
    default: return QMessageBox::Close;
    }
}

}  // namespace qtbackend
