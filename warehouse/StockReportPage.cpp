#include "StockReportPage.h"

#include "appcore.h"
#include "ndbcore.h"

namespace nstovan {

CString HtmlText(const CString& text)
{
    return CString(text.ToQString().toHtmlEscaped());
}

StockReportPage::StockReportPage(const CString& header, const CString& head) : m_html(header + head) {}

BOOL StockReportPage::AddRows(const CString& sql, const std::function<CString(_RecordsetPtr& row)>& cells)
{
    const long rows = ForEachRow(sql, [&](_RecordsetPtr& row) {
        const CString text = cells(row);
        if (!text.IsEmpty())  // else a record the report leaves out
            AddRow(text);
    });
    if (rows < 0)
        m_incomplete = true;
    return rows >= 0;
}

void StockReportPage::AddRow(const CString& cells)
{
    m_colour = m_colour == "#eeeeee" ? "#dddddd" : "#eeeeee";
    m_html += FormatText("<tr bgcolor=%s>", m_colour) + cells + "</tr>";
}

CString StockReportPage::Html() const
{
    CString html = m_html + "</table>" + m_footer;
    if (m_incomplete)
        html += "<p><font color=red><b>Отчет неполный: строки прочитаны не все из-за ошибки базы данных.</b></font></p>";
    return html + "</td></tr></table>";
}

CString MaterialHead(const CString& cells)
{
    return "<table width=100% border=1 cellpadding=0 cellspacing=0><tr bgcolor=#CCCCFF><td width=60 align=center>"
           "<b>н/п</b></td><td align=center><b>Наименование</b></td><td align=center width=70><b>Ед.изм.</b></td>" +
        cells + "</tr>";
}

CString MaterialCells(_RecordsetPtr& row)
{
    return FormatText("<td align=right>%s&nbsp;</td><td>&nbsp;%s</td><td align=right>%s&nbsp;</td>",
                      SafeArayToString(row->GetCollect("id")), HtmlText(SafeArayToString(row->GetCollect("name"))),
                      HtmlText(SafeArayToString(row->GetCollect("iei"))));
}

void ShowStockReport(const CString& html, const char* title, int landscape, int fontSize)
{
    CHelpers::DisplayMessage(html, title, landscape, fontSize, "#f5f5FF", -1, -1);
}

} // namespace nstovan
