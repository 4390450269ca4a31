#include "PayrollPage.h"

#include "appcore.h"
#include "gridbase.h"
#include "ndbcore.h"

namespace npaymar {

PayrollPage::~PayrollPage()
{
    Close();
}

BOOL PayrollPage::Start(const CString& folder)
{
    CString where = folder;
    if (where.IsEmpty()) {
        char path[MAX_PATH] = {};
        if (GetTempPath(MAX_PATH, path) > 0)
            where = path;
    }
    char name[MAX_PATH] = {};
    if (where.IsEmpty() || GetTempFileName(where, "0", 0, name) == 0) {
        AfxMessageBox("Ошибка создания временного файла", MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    return StartIn(name);
}

BOOL PayrollPage::StartIn(const CString& file)
{
    Close();
    HANDLE handle = CreateFile(file, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        AfxMessageBox("Ошибка создания файла " + file, MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    m_handle = handle;
    m_file = file;
    m_cut = false;
    CString head = "<html><head>" + GetHtmlStyle(m_styleSize, "Arial", 1);
    if (!m_title.IsEmpty())
        head += "<title>" + HtmlText(m_title) + "</title>";
    return Write(head + "</head><body bgcolor=#FAF6E4>");
}

BOOL PayrollPage::IsStarted() const
{
    return m_handle != nullptr;
}

BOOL PayrollPage::Write(const CString& html)
{
    return m_handle && WriteToFile(m_handle, html, m_file, 0) != 0;
}

BOOL PayrollPage::WritePiece(const CString& piece)
{
    QString text = piece.ToQString();
    return Write(CString(text.replace(QStringLiteral("%%"), QStringLiteral("%"))));
}

void PayrollPage::MarkCut(const char* why)
{
    if (m_cut)
        return;
    m_cut = true;
    const CString reason = why && *why ? HtmlText(why) : CString("данные прочитаны не все из-за ошибки базы данных");
    Write("<p><font color=red><b>Отчет неполный: " + reason + ".</b></font></p>");
}

int PayrollPage::Show(const char* title, int mode, int landscape)
{
    if (!m_handle)
        return 0;
    Write("</body></html>");
    Close();
    return CHelpers::ShowReport(m_file, title, landscape, mode, -1);
}

CString HtmlText(const CString& text)
{
    return CString(text.ToQString().toHtmlEscaped());
}

void PayrollPage::Close()
{
    if (m_handle) {
        CloseHandle(m_handle);
        m_handle = nullptr;
    }
}

} // namespace npaymar
