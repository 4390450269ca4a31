#include "COsNaklPage.h"

#include "AccountDimensionRows.h"
#include "CHelpers.h"
#include "CheckBookPage.h"
#include "LineCells.h"
#include "appcore.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ncalcset.h"
#include "ndbcore.h"

#include <initializer_list>

namespace nledmark {

namespace {

// The value of the side's analytic dimension kept in one of `books`, with
// the book it is kept in; "" when the account keeps none of them.
CString SideValue(const CString& account, const CString values[3], std::initializer_list<const char*> books,
                  CString* book = nullptr)
{
    for (int k = 1; k <= 3; ++k) {
        const CString table = I_GetSprTableName(ChartDimensionBook(account, k));
        for (const char* wanted : books)
            if (!table.IsEmpty() && table == wanted && !values[k - 1].IsEmpty()) {
                if (book)
                    *book = table;
                return values[k - 1];
            }
    }
    return CString();
}

// An institution or department by its name in its book (the code when the
// book has none).
CString PartyName(const CString& account, const CString values[3], std::initializer_list<const char*> books)
{
    CString book;
    const CString code = SideValue(account, values, books, &book);
    if (code.IsEmpty())
        return CString();
    const CString name = GetFromSPR(book, code, nullptr);
    return name.IsEmpty() ? code : name;
}

CString Responsible(const CString& account, const CString values[3])
{
    return SideValue(account, values, {"tn"});
}

// A blank date line: day, month and the whole year to be written by hand.
CString BlankDate()
{
    return "&laquo;____&raquo;&nbsp;_______________&nbsp;________&nbsp;г.";
}

CString Approval(int branch)
{
    return "<table border=0 cellspacing=0 cellpadding=2>"
           "<tr><td colspan=3 align=center><b>УТВЕРЖДАЮ</b></td></tr>"
           "<tr><td colspan=3>Руководитель<br>учреждения</td></tr>"
           "<tr><td align=center>______________<br><small>(подпись)</small></td><td>&nbsp;</td>"
           "<td align=center><u>"
        + HtmlText(GetFilRuk(branch, 1)) + "</u><br><small>(расшифровка подписи)</small></td></tr>"
        + "<tr><td colspan=3>" + BlankDate() + "</td></tr></table>";
}

CString Head(const COsNaklRecord& r)
{
    const COleDateTime date = qwDMG(r.date, 1);
    const bool dated = date.GetStatus() == COleDateTime::valid && !r.date.IsEmpty();
    const CString when = dated ? FormatText("%d %s %d г.", date.GetDay(), GetMonthName0(date.GetMonth()),
                                            date.GetYear())
                               : CString();
    return "<table width=100% border=0><tr><td valign=top><small>Утверждена приказом Министерства финансов "
           "Российской Федерации от 30.12.99 № 107н</small></td><td align=right>"
        + Approval(r.branch) + "</td></tr></table>"
        + "<table width=100% border=0><tr><td width=75% align=center><b>НАКЛАДНАЯ (ТРЕБОВАНИЕ) №&nbsp;<u>"
        + HtmlText(r.number) + "</u></b><br>за " + HtmlText(when) + "</td><td align=right>"
        + GetOKUD("434", nullptr, "0504234") + "</td></tr></table>"
        + "<table width=100% border=0>"
          "<tr><td width=35%>Учреждение-получатель<br>(централизованная бухгалтерия)</td><td><u>"
        + HtmlText(GetFilName(r.branch)) + "</u></td></tr>"
        + "<tr><td>Структурное подразделение</td><td>______________________________</td></tr>"
          "<tr><td>Учреждение (отправитель)</td><td>______________________________</td></tr>"
          "<tr><td>Материально ответственное лицо</td><td>______________________________</td></tr></table>";
}

CString Parties(const COsNaklRecord& r)
{
    const CString recipient = PartyName(r.debit, r.debitSb, {"spr_prd"});
    const CString sender = PartyName(r.credit, r.creditSb, {"spr_prd", "spr_org", "spr_contr"});
    const CString recipientTn = Responsible(r.debit, r.debitSb);
    const CString senderTn = Responsible(r.credit, r.creditSb);
    return "<br><table width=100% border=1 cellspacing=0 cellpadding=2>"
           "<tr><th colspan=2>Получатель</th><th colspan=2>Отправитель</th><th rowspan=2>Вид<br>операции</th></tr>"
           "<tr><th>учреждение (подразделение)</th><th>МОЛ</th><th>учреждение (подразделение)</th><th>МОЛ</th></tr>"
           "<tr><td>"
        + HtmlText(recipient) + "&nbsp;</td><td>" + HtmlText(recipientTn.IsEmpty() ? CString() : GetFio(recipientTn))
        + "&nbsp;</td><td>" + HtmlText(sender) + "&nbsp;</td><td>"
        + HtmlText(senderTn.IsEmpty() ? CString() : GetFio(senderTn)) + "&nbsp;</td><td>" + HtmlText(r.icn)
        + "&nbsp;</td></tr></table>";
}

CString Items(const COsNaklRecord& r, double& total)
{
    // Widths of the whole line, the name the widest: on an upright sheet no
    // caption or name is cut at an arbitrary letter.
    CString html = "<br><table width=100% border=1 cellspacing=0 cellpadding=2>"
                   "<tr><th rowspan=2 width=30%>Наименование материальных<br>ценностей, сорт, размер,<br>"
                   "номенклатурный номер</th><th rowspan=2 width=8%>Единица<br>измере-<br>ния</th>"
                   "<th colspan=2>Бухгалтерская запись</th><th colspan=2>Количество</th>"
                   "<th rowspan=2 width=10%>Цена, руб.</th><th rowspan=2 width=10%>Сумма, руб.</th></tr>"
                   "<tr><th width=12%>Д-т</th><th width=12%>К-т</th><th width=9%>затре-<br>бовано</th>"
                   "<th width=9%>отпу-<br>щено</th></tr>"
                   "<tr>";
    for (int n = 1; n <= 8; ++n)
        html += FormatText("<td align=center>%d</td>", n);
    html += "</tr>";
    const CString debit = HtmlText(GL_Printable(r.debit)), credit = HtmlText(GL_Printable(r.credit));
    total = 0;
    for (const OsNaklLine& line : r.lines) {
        if (line.Empty())
            continue;
        total += atof(line.sum);
        const CString unit = r.Kind().materials && IsIdText(line.item) ? GL_GetMatEI(line.item) : CString();
        html += "<tr><td align=left>" + HtmlText(line.name) + "&nbsp;</td><td align=left>" + HtmlText(unit)
            + "&nbsp;</td><td>" + debit + "</td><td>" + credit + "</td><td align=right>" + HtmlText(line.asked)
            + "&nbsp;</td><td align=right>" + HtmlText(line.released) + "&nbsp;</td><td align=right>"
            + HtmlText(line.price) + "&nbsp;</td><td align=right>" + HtmlText(line.sum) + "&nbsp;</td></tr>";
    }
    html += FormatText("<tr><td colspan=7 align=center>Итого</td><td align=right>%s&nbsp;</td></tr></table>",
                       FormatNumber(total, "", 2));
    return html;
}

CString Signature(const char* caption, const CString& tn)
{
    const CString position = tn.IsEmpty() ? CString() : GetFromSPR("ssv", GetTN(tn, "dol"), nullptr);
    const CString name = tn.IsEmpty() ? CString() : GetFio(tn);
    return FormatText("<td width=50%% valign=top><b>%s</b><table border=0 cellspacing=0 cellpadding=2>"
                      "<tr><td align=center><u>%s&nbsp;</u><br><small>(должность)</small></td></tr>"
                      "<tr><td align=center><u>%s&nbsp;</u><br><small>(Фамилия, Имя, Отчество)</small></td></tr>"
                      "<tr><td align=center>______________<br><small>(Подпись)</small></td></tr>"
                      "<tr><td>%s</td></tr></table></td>",
                      caption, HtmlText(position), HtmlText(name), BlankDate());
}

} // namespace

CString OsNaklPage(const COsNaklRecord& r)
{
    double total = 0;
    const CString items = Items(r, total);
    return "<html><body>" + Head(r) + Parties(r) + items + "<br>Всего отпущено:<br>на сумму: <i>"
        + HtmlText(CHelpers::GetWrittenRubles(total, 0)) + "</i><br><br><table width=100% border=0><tr>"
        + Signature("Отпустил", Responsible(r.credit, r.creditSb))
        + Signature("Получил", Responsible(r.debit, r.debitSb)) + "</tr></table></body></html>";
}

} // namespace nledmark
