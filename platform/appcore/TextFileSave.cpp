#include "TextFileSave.h"

#include <QFileDialog>
#include <QSaveFile>

namespace appcore {

BOOL SaveTextFile(const CString& suggestedName, const CString& text)
{
    AfxModalRequest request;
    request.kind = AfxModalKind::Chooser;
    request.chooser = "savefile";
    request.text = "Сохранить файл";
    request.caption = suggestedName;
    request.show = [suggested = suggestedName.ToQString()](AfxModalRequest& r) {
        QWidget* owner = AfxGetMainWnd() ? AfxGetMainWnd()->GetQWidget() : nullptr;
        QString path = QFileDialog::getSaveFileName(owner, QStringLiteral("Сохранить файл"), suggested);
        r.answer = CString(path);
        return path.isEmpty() ? 0 : 1;
    };
    if (AfxRunModal(request) == 0 || request.answer.IsEmpty())
        return FALSE;
    // Written beside and renamed into place: a failed write leaves an older
    // file of that name as it was.
    QSaveFile file(request.answer.ToQString());
    const std::string bytes = text.ToStdString();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())
        || !file.commit()) {
        AfxMessageBox(CString("Не удалось записать файл ") + request.answer, MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    return TRUE;
}

} // namespace appcore
