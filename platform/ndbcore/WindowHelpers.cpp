#include "WindowHelpers.h"

#include <QFileDialog>
#include <cstring>

int BrowseForFolder(HWND, LPCTSTR title, CString& folder)
{
    AfxModalRequest request;
    request.kind = AfxModalKind::Chooser;
    request.chooser = "folder";
    request.text = title ? title : "";
    request.caption = request.text;
    request.answer = folder;
    request.show = [](AfxModalRequest& r) {
        const QString chosen = QFileDialog::getExistingDirectory(nullptr, r.caption.ToQString(), r.answer.ToQString());
        r.answer = CString(chosen);
        return chosen.isEmpty() ? 0 : 1;
    };
    if (!AfxRunModal(request) || request.answer.IsEmpty())
        return 0;
    folder = request.answer;
    return 1;
}

int BrowseForFolder(HWND parent, LPCTSTR title, char* buffer)
{
    const int capacity = 261;
    CString folder(buffer ? buffer : "");
    if (!BrowseForFolder(parent, title, folder))
        return 0;
    const std::string utf8 = folder.ToStdString();
    if (!buffer || utf8.size() >= static_cast<std::size_t>(capacity))
        return 0;
    std::memcpy(buffer, utf8.c_str(), utf8.size() + 1);
    return 1;
}

HBITMAP LoadIconAsBitmap(HINSTANCE module, UINT iconId)
{
    const QPixmap picture = AfxLoadPicture(MAKEINTRESOURCE(iconId), module);
    if (picture.isNull())
        return nullptr;
    return AfxBitmapHandle(picture.scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void ShowDbErrorReport(const DbErrorReport& report)
{
    // One line of what failed; the kind's advice, the driver's diagnostics
    // and the statement below it, behind "Подробнее".
    if (report.headline.IsEmpty()) {
        AfxMessageBoxWithDetails(report.message, report.details, MB_OK | MB_ICONSTOP);
        return;
    }
    CString details = report.message;
    if (!report.details.IsEmpty())
        details += "\n\n" + report.details;
    AfxMessageBoxWithDetails(report.headline, details, MB_OK | MB_ICONSTOP);
}
