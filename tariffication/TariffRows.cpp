#include "TariffRows.h"

#include "CVenz.h"
#include "gridbase.h"

#include <cstdlib>
#include <memory>

#include <QString>

namespace nvenzol {

RowReader::RowReader(_RecordsetPtr& rows) : m_rows(rows)
{
    FieldsPtr fields = rows->GetFields();
    for (long i = 0; i < fields->GetCount(); ++i)
        m_index.emplace(QString(fields->GetItem(i)->GetName()).toLower().toStdString(), i);
}

CString RowReader::Text(const char* name) const
{
    const auto found = m_index.find(QString::fromUtf8(name).toLower().toStdString());
    return found == m_index.end() ? CString() : SafeArayToString(m_rows->GetCollect(_variant_t(found->second)));
}

double RowReader::Number(const char* name, double start) const
{
    const CString text = Text(name);
    return text.IsEmpty() ? start : atof(text);
}

TariffInput ReadRow(const RowReader& r, bool newVariant)
{
    TariffInput in;
    in.tn = r.Text("tn");
    in.npp = r.Text("npp");
    in.fio = r.Text("fio");
    in.idol = r.Text("idol");
    in.raz = r.Text("raz");
    in.raz1 = r.Text("raz1");
    in.raz2 = r.Text("raz2");
    in.raz3 = r.Text("raz3");
    in.ktgr = r.Text("ktgr");
    in.dateKat = r.Text("date_kat");
    in.noKat = r.Text("no_kat");
    in.du = r.Text("du");
    in.nsr = r.Text("nsr");
    in.nsrU = r.Text("nsr_u");
    in.kof = r.Number("kof");
    in.st = r.Number("st", 1);
    in.vr = r.Number("vr");
    in.okl = r.Number("okl");
    in.zasRAB = r.Number("zasRAB");
    in.zasVRNull = r.Text("zasVR").IsEmpty();
    in.zasVR = r.Number("zasVR");
    in.prZv = r.Number("pr_zv");
    in.premiya = r.Number("premiya");
    in.prRab = double(long(r.Number("pr_rab")));
    in.plusKat = r.Number("plus_kat");
    in.plusUchSt = r.Number("plus_uch_st");
    in.plusZv = r.Number("plus_zv");
    in.plusOpas = r.Number("plus_opas");
    in.plusDopl = r.Number("plus_dopl");
    in.dnbs = atol(r.Text("dnbs"));
    in.dnbsU = atol(r.Text("dnbs_u"));
    in.uch = r.Number("uch") != 0;
    in.uchVred = r.Number("uch_vred") != 0;
    in.uchStaj = r.Number("UchStaj") != 0;
    if (newVariant)
        in.oklGr = r.Number("OklGr");
    return in;
}

bool OpenTariffContext(const CString& d1, const CString& d2, TariffContext& list)
{
    bool ok = false;
    list.digits = CVenz::GetDigitFormatOkl(d1, ok);
    if (!ok)
        return false;
    list.d1 = d1;
    list.d2 = d2;
    list.scale = ReadPayScale(d1);
    auto known = std::make_shared<std::map<int, double>>();
    const CString kofDate = d2;
    list.gradeKof = [known, kofDate](int grade, double& kof) {
        const auto found = known->find(grade);
        if (found != known->end()) {
            kof = found->second;
            return true;
        }
        bool answered = false;
        kof = CVenz::GetKof(grade, kofDate, answered);
        if (answered)
            (*known)[grade] = kof;
        return answered;
    };
    return true;
}

} // namespace nvenzol
