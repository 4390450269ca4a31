#include "CheckBookPage.h"

#include "CHelpers.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ncalcset.h"
#include "ndbcore.h"

namespace nledmark {

namespace {

// The treasury body the application is addressed to: the database constant
// "ORG_KAZNA" where the institution has set one.
CString TreasuryBody()
{
    const CString body = GetConstant("ORG_KAZNA", 1);
    return body.IsEmpty() ? CString("Министерство Финансов Ольмарского края") : body;
}

CString Spaces(int count)
{
    CString text;
    for (int i = 0; i < count; ++i)
        text += "&nbsp;";
    return text;
}

// An underlined blank holding a text, padded on both sides.
CString Blank(const CString& html, int before, int after)
{
    return "<u>" + Spaces(before) + html + Spaces(after) + "</u>";
}

// A bordered box of a figure.
CString Box(const CString& html)
{
    return "<table border=1 cellpadding=0 cellspacing=0 width=15%><tr><td align=center>" + Spaces(4) + html
        + Spaces(4) + "</td></tr></table>";
}

CString Head(const CCheckBookRecord& r)
{
    const COleDateTime date = qwDMG(r.date, 1);
    const bool dated = date.GetStatus() == COleDateTime::valid;
    return FormatText("<table cellpadding=0 cellspacing=0 border=0 width=100%%><tr><td><table width=100%%>"
                      "<tr><td><table width=100%%><tr><td align=center><b>Заявление № %s<br>на получение денежных "
                      "чековых книжек</b></td><td rowspan=2 align=right>%s</td></tr>"
                      "<tr><td align=center><b>от %2d %s %dг.</b></td></tr></table>"
                      "<br><b>Наименование клиента</b> %s"
                      "<br><b>Наименование органа<br>федерального казначейства</b> %s</td></tr>",
                      HtmlText(r.number), GetOKUD("", nullptr, "0510031"), dated ? date.GetDay() : 0,
                      dated ? GetMonthName0(date.GetMonth()) : CString(), dated ? date.GetYear() : 0,
                      HtmlText(GetFilName(r.branch)), HtmlText(TreasuryBody()));
}

CString Counts(const CCheckBookRecord& r)
{
    const CString words = CHelpers::GetWrittenRubles(atof(r.books), 1);
    return "<tr height=40><td><table width=100%><tr><td>Просим выдать денежные чековые книжки в количестве "
        + Blank("<i>" + HtmlText(words) + "</i>", 9, 9) + "&nbsp;&nbsp;шт.&nbsp;</td><td width=15%>"
        + Box(HtmlText(r.books)) + "</td></tr><tr><td align=center>(прописью)</td><td></td></tr></table></td></tr>"
        + "<tr height=40><td><table width=100%><tr><td>Количество листов в денежной чековой книжке, шт.</td>"
          "<td width=15%>"
        + Box(HtmlText(r.leaves)) + "</td></tr></table></td></tr>";
}

CString Trustee(const CCheckBookRecord& r)
{
    const CString position = GetFromSPR("ssv", GetTN(r.tn, "dol"), nullptr);
    const CString employee = FormatText("%s %s", HtmlText(position), HtmlText(GetFio(r.tn)));
    return "<tr height=50><td>Чековые книжки обязуемся хранить под ключом, в безопасном от огня и хищения "
           "помещении.<br>Чековые книжки доверяем получить работнику:</td></tr>"
           "<tr><td>"
        + Blank(employee, 59, 60) + "<br>(должность, фамилия, имя, отчество)</td></tr>"
        + "<tr height=60><td>Документ, удостоверяющий личность: " + Blank("паспорт", 6, 6) + " "
        + Blank(HtmlText(GetTN(r.tn, "serp")), 6, 6) + "&nbsp;№&nbsp;" + Blank(HtmlText(GetTN(r.tn, "nop")), 6, 6)
        + "<br>(наименование документа)</td></tr>"
        + "<tr height=60><td>Выдан: " + Blank(HtmlText(GetTN(r.tn, "dvpus")), 6, 6) + " "
        + Blank(HtmlText(GetTN(r.tn, "kv1")), 6, 6) + "<br>(дата выдачи) (кем выдан)</td></tr>"
        + "<tr height=60><td>Подпись доверенного лица " + Blank(CString(), 57, 0)
        + "&nbsp;&nbsp;удостоверяем.</td></tr>";
}

CString Signatures(const CCheckBookRecord& r)
{
    return FormatText("<tr><td><table width=100%%><tr><td colspan=6><br>Руководитель: _________________ / %s /<br><br>"
                      "Гл. бухгалтер  ______________________ / %s /</td></tr></table></td></tr></table></td></tr>",
                      HtmlText(GetFilRuk(r.branch, 1)), HtmlText(GetConstant("ORG_GL_BUH", 1)));
}

} // namespace

CString HtmlText(const CString& text)
{
    return CString(text.ToQString().toHtmlEscaped());
}

CString CheckBookPage(const CCheckBookRecord& record)
{
    return Head(record) + Counts(record) + Trustee(record) + Signatures(record) + "</table>";
}

} // namespace nledmark
