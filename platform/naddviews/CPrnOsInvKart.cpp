#include "CPrnOsInvKart.h"

#include "CHelpers.h"
#include "gridbase.h"
#include "ndbcore.h"

#include <QMap>
#include <QRegularExpression>
#include <algorithm>
#include <QStringList>
#include <vector>

namespace {

// A movement of an asset: one posting on its asset or depreciation account.
struct CardMove {
    QString date, document, operation, account, note;
    double kol = 0, sum = 0;
};

// One asset as its card prints it, with its figures.
struct CardAsset {
    QString id, name, code, kol, firstPrice, dPost, dEkspl, normIzn, sch, schIz, mol, prd;
    double value = 0, count = 0, depreciation = 0;
    std::vector<CardMove> moves;
    bool incomplete = false;
};

QString Html(const CString& text)
{
    return text.ToQString().toHtmlEscaped();
}

QString Money(double value)
{
    return QString::number(value, 'f', 2);
}

QString QuantityText(double value)
{
    QString text = QString::number(value, 'f', 3);
    while (text.contains('.') && (text.endsWith('0') || text.endsWith('.')))
        text.chop(1);
    return text;
}

// The whole numbers of the list, each once, in their order.
std::vector<long> IdsOf(const char* ids)
{
    std::vector<long> list;
    const QStringList parts = QString::fromUtf8(ids ? ids : "").split(',', Qt::SkipEmptyParts);
    static const QRegularExpression whole(QStringLiteral("^[0-9]{1,9}$"));
    for (const QString& part : parts) {
        const QString id = part.trimmed();
        if (!whole.match(id).hasMatch())
            continue;
        const long value = id.toLong();
        if (std::find(list.begin(), list.end(), value) == list.end())
            list.push_back(value);
    }
    return list;
}

CString Text(_RecordsetPtr& rs, const char* column)
{
    return SafeArayToString(rs->GetCollect(column)).Trim();
}

// The card and its movements up to the end of the working period.
bool ReadAsset(long id, int branch, CardAsset& asset)
{
    bool found = false;
    ForEachRow(FormatText("select c.id,c.name,c.code,c.kol,c.first_price,c.d_post,c.d_ekspl,c.norm_izn,c.sch,c.sch_iz,"
                          "c.mol,(select name from spr_prd where spr_prd.id=c.prd) as prd_name from spr_osn_sr c "
                          "where c.id=%ld",
                          id),
               [&](_RecordsetPtr& rs) {
                   found = true;
                   asset.id = Text(rs, "id").ToQString();
                   asset.name = Text(rs, "name").ToQString();
                   asset.code = Text(rs, "code").ToQString();
                   asset.kol = Text(rs, "kol").ToQString();
                   asset.firstPrice = Text(rs, "first_price").ToQString();
                   asset.dPost = Text(rs, "d_post").ToQString();
                   asset.dEkspl = Text(rs, "d_ekspl").ToQString();
                   asset.normIzn = Text(rs, "norm_izn").ToQString();
                   asset.sch = Text(rs, "sch").ToQString();
                   asset.schIz = Text(rs, "sch_iz").ToQString();
                   const CString mol = Text(rs, "mol");
                   asset.mol = mol.IsEmpty() ? QString() : GetFio(mol).ToQString();
                   asset.prd = Text(rs, "prd_name").ToQString();
               });
    if (!found)
        return false;
    const CString end = ChangeDateUS0(GetDPV2(), 0);
    const CString inBranch = branch >= 0 ? FormatText(" and fil_id=%d", branch) : CString();
    const long rows = ForEachRow(
        FormatText("select d,id,deb1,kred1,deb_sb1,kred_sb1,kol,s,prim from ledmark_provodki where "
                   "((deb1 in ('101','104') and deb_sb1='%ld') or (kred1 in ('101','104') and kred_sb1='%ld')) "
                   "and d<=%s%s order by d,id,npp",
                   id, id, end, inBranch),
        [&](_RecordsetPtr& rs) {
            // A posting between the asset's own accounts (the depreciation
            // written off against its value) moves both: each side is a
            // movement of its own.
            const CString key = FormatText("%ld", id);
            const double sum = atof(Text(rs, "s"));
            const double kol = atof(Text(rs, "kol"));
            for (const bool debit : {true, false}) {
                const CString account = Text(rs, debit ? "deb1" : "kred1");
                if (Text(rs, debit ? "deb_sb1" : "kred_sb1") != key || (account != "101" && account != "104"))
                    continue;
                QString operation;
                double quantity = 0;
                if (account == "101") {
                    asset.value += debit ? sum : -sum;
                    asset.count += debit ? kol : -kol;
                    quantity = kol;
                    operation = debit ? QStringLiteral("Поступление") : QStringLiteral("Выбытие");
                } else {
                    asset.depreciation += debit ? -sum : sum;
                    operation =
                        debit ? QStringLiteral("Списание амортизации") : QStringLiteral("Начисление амортизации");
                }
                asset.moves.push_back({Text(rs, "d").ToQString(), Text(rs, "id").ToQString(), operation,
                                       account.ToQString(), Text(rs, "prim").ToQString(), quantity, sum});
            }
        });
    asset.incomplete = rows < 0;
    return true;
}

// The movements' documents named as the journal's kinds name them
// ("Списание основных средств № 3"); a posting of no stored document keeps
// its number as "Операция 234".
void NameDocuments(std::vector<CardAsset>& assets)
{
    QStringList ids;
    for (const CardAsset& a : assets)
        for (const CardMove& m : a.moves)
            if (!ids.contains(m.document))
                ids << m.document;
    QMap<QString, QString> names;
    CString answer;
    const CString call = CString("Ledger and Ledger.document_names and Ledger.document_names(\"")
                         + CString(ids.join(',')) + "\") or \"\"";
    if (!ids.isEmpty() && CHelpers::EXEC_GetFunctionValue(call, answer, nullptr)) {
        for (const QString& line : answer.ToQString().split('\n', Qt::SkipEmptyParts)) {
            const int equals = line.indexOf('=');
            if (equals > 0)
                names.insert(line.left(equals), line.mid(equals + 1));
        }
    }
    for (CardAsset& a : assets)
        for (CardMove& m : a.moves)
            m.document = names.value(m.document, QStringLiteral("Операция ") + m.document);
}

QString MoveRows(const std::vector<CardMove>& moves)
{
    QString rows;
    for (const CardMove& m : moves)
        rows += QStringLiteral("<tr><td nowrap>%1</td><td>%2</td><td>%3</td><td align=center>%4</td>"
                               "<td align=right>%5</td><td align=right>%6</td><td>%7</td></tr>")
                    .arg(m.date.toHtmlEscaped(), m.document.toHtmlEscaped(), m.operation, m.account.toHtmlEscaped(),
                         m.kol != 0 ? QuantityText(m.kol) : QString(), Money(m.sum), m.note.toHtmlEscaped());
    return rows;
}

QString Head(const char* code, const QString& title)
{
    return QStringLiteral("<table align=right border=1 cellspacing=0 cellpadding=2><tr><td>Форма по ОКУД</td>"
                          "<td align=center>%1</td></tr></table>")
               .arg(QString::fromLatin1(code))
           + QStringLiteral("<p>%1</p>").arg(Html(GetConstant("ORG_NAME")))
           + QStringLiteral("<h3 align=center>%1</h3>").arg(title);
}

QString Incomplete(bool incomplete)
{
    return incomplete ? QStringLiteral("<p><b>Карточка неполная: движения не удалось прочитать.</b></p>") : QString();
}

QString OneCard(const CardAsset& a)
{
    auto row = [](const QString& caption, const QString& value) {
        return QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(caption, value.toHtmlEscaped());
    };
    return Head("0504031", QStringLiteral("ИНВЕНТАРНАЯ КАРТОЧКА УЧЕТА ОСНОВНЫХ СРЕДСТВ № %1").arg(a.code.toHtmlEscaped()))
           + QStringLiteral("<table border=0 cellpadding=2>")
           + row(QStringLiteral("Объект основных средств"), a.name)
           + row(QStringLiteral("Инвентарный номер"), a.code) + row(QStringLiteral("Код карточки"), a.id)
           + row(QStringLiteral("Счет"), a.sch) + row(QStringLiteral("Счет амортизации"), a.schIz)
           + row(QStringLiteral("Дата принятия к учету"), a.dPost)
           + row(QStringLiteral("Дата ввода в эксплуатацию"), a.dEkspl)
           + row(QStringLiteral("Срок полезного использования, мес."), a.normIzn)
           + row(QStringLiteral("Первоначальная стоимость, руб."), a.firstPrice)
           + row(QStringLiteral("Материально ответственное лицо"), a.mol)
           + row(QStringLiteral("Подразделение"), a.prd) + QStringLiteral("</table>")
           + QStringLiteral("<p><b>Движение</b></p><table border=1 cellspacing=0 cellpadding=3 width=100%>"
                            "<tr><th>Дата</th><th>Документ</th><th>Операция</th><th>Счет</th><th>Количество</th>"
                            "<th>Сумма, руб.</th><th>Содержание</th></tr>")
           + MoveRows(a.moves) + QStringLiteral("</table>") + Incomplete(a.incomplete)
           + QStringLiteral("<table border=1 cellspacing=0 cellpadding=3><tr><th>Количество</th><th>Стоимость, "
                            "руб.</th><th>Амортизация, руб.</th><th>Остаточная стоимость, руб.</th></tr>"
                            "<tr><td align=right>%1</td><td align=right>%2</td><td align=right>%3</td>"
                            "<td align=right>%4</td></tr></table>")
                 .arg(QuantityText(a.count), Money(a.value), Money(a.depreciation), Money(a.value - a.depreciation))
           + QStringLiteral("<p>Ответственный исполнитель _____________ _____________________</p>");
}

QString GroupCard(const std::vector<CardAsset>& assets)
{
    QString rows;
    double count = 0, value = 0, depreciation = 0;
    bool incomplete = false;
    int n = 0;
    for (const CardAsset& a : assets) {
        rows += QStringLiteral("<tr><td align=center>%1</td><td>%2</td><td align=center>%3</td><td>%4</td>"
                               "<td align=right>%5</td><td align=right>%6</td><td align=right>%7</td>"
                               "<td align=right>%8</td></tr>")
                    .arg(++n)
                    .arg(a.name.toHtmlEscaped(), a.code.toHtmlEscaped(), a.dPost.toHtmlEscaped(),
                         QuantityText(a.count), Money(a.value), Money(a.depreciation),
                         Money(a.value - a.depreciation));
        count += a.count;
        value += a.value;
        depreciation += a.depreciation;
        incomplete = incomplete || a.incomplete;
    }
    const CardAsset& first = assets.front();
    return Head("0504032", QStringLiteral("ИНВЕНТАРНАЯ КАРТОЧКА ГРУППОВОГО УЧЕТА ОСНОВНЫХ СРЕДСТВ"))
           + QStringLiteral("<p>Материально ответственное лицо: <u>%1</u> &nbsp; Подразделение: <u>%2</u></p>")
                 .arg(first.mol.toHtmlEscaped(), first.prd.toHtmlEscaped())
           + QStringLiteral("<table border=1 cellspacing=0 cellpadding=3 width=100%><tr><th>№</th>"
                            "<th>Наименование объекта</th><th>Инвентарный номер</th><th>Дата принятия к учету</th>"
                            "<th>Количество</th><th>Стоимость, руб.</th><th>Амортизация, руб.</th>"
                            "<th>Остаточная стоимость, руб.</th></tr>")
           + rows
           + QStringLiteral("<tr><td colspan=4 align=right>Итого</td><td align=right>%1</td><td align=right>%2</td>"
                            "<td align=right>%3</td><td align=right>%4</td></tr></table>")
                 .arg(QuantityText(count), Money(value), Money(depreciation), Money(value - depreciation))
           + Incomplete(incomplete)
           + QStringLiteral("<p>Ответственный исполнитель _____________ _____________________</p>");
}

int Show(const CString& page, const char* title)
{
    if (page.IsEmpty()) {
        AfxMessageBox("Нет таких основных средств");
        return 0;
    }
    CHelpers::DisplayMessage(page, title, 0, 9, "", -1, -1);
    return 1;
}

} // namespace

CString CPrnOsInvKart::Page(const char* ids, int branch, bool group)
{
    CWaitCursor wait;
    std::vector<CardAsset> assets;
    for (long id : IdsOf(ids)) {
        CardAsset asset;
        if (ReadAsset(id, branch, asset))
            assets.push_back(asset);
    }
    if (assets.empty())
        return CString();
    NameDocuments(assets);
    QString body;
    if (group) {
        body = GroupCard(assets);
    } else {
        for (size_t n = 0; n < assets.size(); ++n)
            body += (n ? QStringLiteral("<div style=\"page-break-before:always\"></div>") : QString())
                    + OneCard(assets[n]);
    }
    return CString(QStringLiteral("<html><body>") + body + QStringLiteral("</body></html>"));
}

int CPrnOsInvKart::prn(const char* ids, int branch)
{
    return Show(Page(ids, branch, false), "Инвентарная карточка");
}

int CPrnOsInvKart::prn0(const char* ids, int branch)
{
    return Show(Page(ids, branch, true), "Групповая инвентарная карточка");
}
