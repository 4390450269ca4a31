#include "CclassPicture.h"

#include <QFileDialog>
#include <QImageReader>
#include <QPixmap>

CclassPicture::CclassPicture() = default;

CclassPicture::~CclassPicture()
{
    if (m_hBitmap)
        DeleteObject(m_hBitmap);
}

BOOL CclassPicture::Load(const CString& path)
{
    if (path.IsEmpty())
        return FALSE;
    QImageReader reader(AfxNativePath(path.ToQString()));
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull())
        return FALSE;
    HBITMAP bitmap = AfxBitmapHandle(QPixmap::fromImage(image));
    if (!bitmap)
        return FALSE;
    if (m_hBitmap)
        DeleteObject(m_hBitmap);
    m_hBitmap = bitmap;
    m_strPath = path;
    m_nWidth = image.width();
    m_nHeight = image.height();
    return TRUE;
}

BOOL CclassPicture::SelectFileAndLoad(CWnd* parent)
{
    AfxModalRequest request;
    request.kind = AfxModalKind::Chooser;
    request.chooser = "openfile";
    request.text = "Выбор фотографии";
    request.caption = "Выбор фотографии";
    QWidget* owner = parent ? parent->GetQWidget() : nullptr;
    const QString start = m_strPath.ToQString();
    request.show = [owner, start](AfxModalRequest& r) {
        const QString path = QFileDialog::getOpenFileName(
            owner, QStringLiteral("Выбор фотографии"), start,
            QStringLiteral("Рисунки (*.png *.jpg *.jpeg *.bmp *.gif);;Все файлы (*)"));
        r.answer = CString(path);
        return path.isEmpty() ? 0 : 1;
    };
    if (AfxRunModal(request) == 0 || request.answer.IsEmpty())
        return FALSE;
    if (!Load(request.answer)) {
        AfxMessageBox(CString("Файл не является рисунком: ") + request.answer, MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    return TRUE;
}
