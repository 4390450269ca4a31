// Every kind of numbered document, saved as a clerk saves it while another
// program saves one of the same kind: both forms propose the same number;
// the other program's save holds the document counter's row with its
// document written under that number and commits while this form's save
// waits for the row. The form's save then finds the number taken, stores the
// document under the next free one and says so; "Да" to the offer of a new
// document proposes the number after it. A number the clerk typed is kept.
#include "CAvansOtchView.h"
#include "CBankFinansView.h"
#include "CBankPostupView.h"
#include "CBankSpisView.h"
#include "CBudgAsegView.h"
#include "CBudgObyazView.h"
#include "CBudgRasshView.h"
#include "CBudgZayavView.h"
#include "CCheckBookView.h"
#include "CDocObyavlView.h"
#include "CDovPoluchCheckaView.h"
#include "CDoverennostView.h"
#include "CMatPrixView.h"
#include "CMaterialsSpisView.h"
#include "CMolTransferView.h"
#include "COfkView.h"
#include "COsNaklView.h"
#include "COsPokupView.h"
#include "COsSpisView.h"
#include "CPrnDogMatOtv.h"
#include "CPrnPkoView.h"
#include "CPrnRkoView.h"
#include "CPrnSchFakView.h"
#include "CRodNuchOstView.h"
#include "CRodPostView.h"
#include "FreshDatabase.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "SharedCommands.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <functional>
#include <thread>

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

const QString kSaveQuestion = QStringLiteral("Записать изменения ? ");
const QString kOffer = QStringLiteral("Документ успешно записан.\nЖелаете внести новый документ ? ");

const QString kBook = QStringLiteral("Сделать изменения в книге счет-фактур полученных ? ");
const QString kTaken = QStringLiteral("Номер 1 уже занят другим документом: документ записан под номером 2.");

// One kind: the document the menu opens, its table, what a clerk fills in,
// and the messages after the question, in order (the offer of a new document
// is answered "Да" and the number proposed then is looked at).
struct NumberedKind {
    const char* document;
    int mode;
    const char* table;
    std::function<void(CPostingDocView*)> fill;
    QStringList after = {kTaken};
};

void Cells(CCellwork& grid, long row, std::initializer_list<std::pair<int, const char*>> cells)
{
    if (grid.GetNRows() <= row + 1)
        grid.SetNRows(row + 2);
    for (const auto& [col, text] : cells)
        grid.SetCellValue(col, row, text);
}

template <class T>
T* As(CPostingDocView* view)
{
    return dynamic_cast<T*>(view);
}

class DocumentNumbers : public LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        qputenv("VORNAL_PROGRAM_DIR", std::getenv("VORNAL_BIN"));
        CWinApp* app = AfxGetApp();
        app->WriteProfileInt("constants", "select_fil", 1);
        app->WriteProfileString("constants", "pko_sch0", "220104510");
        app->WriteProfileString("constants", "rko_sch0", "220104610");
        app->WriteProfileString("constants", "ledmark_avans_otch_sch", "220826660");
        app->WriteProfileString("constants", "mat_prix_deb", "110536340");
        app->WriteProfileString("constants", "mat_prix_kred", "130234730");
        app->WriteProfileString("constants", "mat_spis_deb", "140101272");
        app->WriteProfileString("constants", "mat_spis_kred", "110536440");
        app->WriteProfileString("constants", "os_pokup_kred", "130219730");
        app->WriteProfileString("constants", "os_spis_deb", "140101172");
        app->WriteProfileString("constants", "os_spis_ekr", "311000");
        // Stock of item 2 and asset card 2 for the documents that issue them.
        Run("delete from ledmark_provodki\n"
            "insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, deb_sb3, kbk_deb, "
            "kred0, kred1, kred2, kred3, kol, s, fil_id) values "
            "(900, 1, makedate(year(curdate()), 1), '1', '105', '36', '340', '2', '1', null, 2, '1', '000', '00', "
            "'000', 10, 450, 1), "
            "(900, 2, makedate(year(curdate()), 1), '1', '105', '36', '340', '2', '3', null, 2, '1', '000', '00', "
            "'000', 10, 450, 1), "
            "(900, 3, makedate(year(curdate()), 1), '1', '105', '32', '340', '2', '1', null, 2, '1', '000', '00', "
            "'000', 10, 25, 1), "
            "(900, 4, makedate(year(curdate()), 1), '1', '101', '34', '310', '2', '4', '1', 2, '1', '000', '00', "
            "'000', 10, 450, 1)\n"
            "insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, kred0, kred1, kred2, "
            "kred3, kol, s, fil_id) values (900, 5, makedate(year(curdate()), 1), '1', '105', '36', '340', 2, '1', '1', "
            "'000', '00', '000', 10, 1000, 1)\n"
            "insert ignore into system_doc_counter (id, last_id) values (1, 0)\n"
            "delete from spr_osn_sr where id>=900\n"
            "insert into spr_osn_sr (id,name,fil_id,kol,first_price,ekr,sch,sch_iz,kbk_deb,kbk_kred,iznos_all,mol,prd) "
            "values (901,'Шкаф',1,1,1000,310000,'110136310','110436410',2,2,null,4,1)");
    }
    void TearDown() override
    {
        qunsetenv("VORNAL_PROGRAM_DIR");
        LedgerProgram::TearDown();
    }
    CPostingDocView* OpenNew(const NumberedKind& kind)
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0(kind.document, kind.mode, nullptr), 1);
        Settle();
        return Active<CPostingDocView>();
    }
    CString Numbers(const char* table)
    {
        return Text(FormatText("select group_concat(number order by real_id separator ',') as str from %s", table));
    }
};

TEST_F(DocumentNumbers, ANumberAnotherProgramTookWhileTheFormWasOpenIsReplacedByTheNextFree)
{
    const NumberedKind kinds[] = {
        {"Прих.орд.", 0, "ledmark_pko",
         [](CPostingDocView* v) {
             v->SetDlgItemText(IDC_CO_KBK_DEBIT, "3");
             v->SetDlgItemText(IDC_SET_SOURCE, "1");
             Cells(As<CCashOrderView>(v)->m_grid, 0, {{CO_KBK, "4"}, {CO_ACCOUNT, "240101130"}, {CO_SUM, "10"}});
         }},
        {"Расх.орд", 0, "ledmark_rko",
         [](CPostingDocView* v) {
             v->SetDlgItemText(IDC_CO_KBK_CREDIT, "3");
             Cells(As<CCashOrderView>(v)->m_grid, 0,
                   {{CO_KBK, "4"}, {CO_ACCOUNT, "220826560"}, {CO_SB1, "1"}, {CO_SB2, "226000"}, {CO_SUM, "10"}});
         }},
        {"Банк поступ.", 0, "ledmark_bank_postup",
         [](CPostingDocView* v) {
             afxtest::typeInto(v, IDC_BANK_DEBIT, QStringLiteral("230405000"));
             afxtest::setChecked(v, IDC_BANK_THROUGH, false);
             Cells(As<CBankPostupView>(v)->m_grid, 0,
                   {{POSTUP_EKR, "130000"}, {POSTUP_CREDIT, "240101130"}, {POSTUP_SUM, "100"}});
         }},
        {"Банк поступ.", 1, "ledmark_bank_postup0",
         [](CPostingDocView* v) {
             afxtest::typeInto(v, IDC_BANK_DEBIT, QStringLiteral("230405000"));
             afxtest::setChecked(v, IDC_BANK_THROUGH, false);
             Cells(As<CBankPostupView>(v)->m_grid, 0,
                   {{POSTUP_EKR, "130000"}, {POSTUP_CREDIT, "240101130"}, {POSTUP_SUM, "100"}});
         }},
        {"Банк спис.", 0, "ledmark_bank_spis",
         [](CPostingDocView* v) {
             afxtest::setChecked(v, IDC_BANK_THROUGH, false);
             Cells(As<CBankSpisView>(v)->m_grid, 0,
                   {{SPIS_EKR, "211000"}, {SPIS_DEBIT, "130301830"}, {SPIS_SUM, "1300"}});
         }},
        {"Финансир.", 0, "ledmark_bank_postup0",
         [](CPostingDocView* v) {
             auto* view = As<CBankFinansView>(v);
             view->m_strContr = "2";
             view->UpdateData(FALSE);
             Cells(view->m_grid, 0, {{FINANS_EKR, "211000"}, {FINANS_SUM, "1000"}});
         },
         {kTaken, kOffer}},
        {"Аванс.отчет", 0, "ledmark_avans_otch",
         [](CPostingDocView* v) {
             v->SetDlgItemText(IDC_SET_TN, "1");
             v->SetDlgItemText(IDC_AV_ICN, "Хозяйственные нужды");
             v->SetDlgItemText(IDC_AV_SUM, "100");
             const CString from = LedgerProgram::ThisYear("01.03"), to = LedgerProgram::ThisYear("02.03");
             Cells(As<CAvansOtchView>(v)->m_grid, 0,
                   {{0, from}, {1, to}, {2, "15"}, {3, "Ремонт"}, {4, "100"}, {5, "100"}, {6, "226000"},
                    {7, "230226830"}, {8, "1"}, {9, "226000"}, {10, "2"}});
         }},
        {"сч.фак.выд.", 0, "paymar_sch_fak",
         [](CPostingDocView* v) {
             v->SendMessage(WM_COMMAND, IDC_SF_NEXT_NUMBER);  // the year's next number, proposed
             v->SetDlgItemText(IDC_SF_LS, "2");
             v->SetDlgItemText(IDC_SET_ORG, "1");
             v->SetDlgItemText(IDC_SF_DEBIT, "220531560");
             v->SetDlgItemText(IDC_SF_CREDIT, "240101130");
             v->SetDlgItemText(IDC_SF_KBK_DEBIT, "3");
             v->SetDlgItemText(IDC_SF_KBK_CREDIT, "3");
             v->SetDlgItemText(IDC_SUM, "100");
         }},
        {"Доверенность", 0, "ledmark_dov",
         [](CPostingDocView* v) {
             v->SetDlgItemText(IDC_SET_ORG, "1");
             v->SetDlgItemText(IDC_SET_TN, "4");
             v->SetDlgItemText(IDC_DOV_VALID, LedgerProgram::ThisYear("20.12"));
             v->SetDlgItemText(IDC_DOV_DOC_NAME, "Счет");
             v->SetDlgItemText(IDC_DOV_DOC_NUMBER, "118");
             As<CDoverennostView>(v)->m_grid.SetCellValue(1, 0, "Бумага");
         }},
        {"Дов.пол.чека", 0, "ledmark_dov_pol_cheka",
         [](CPostingDocView* v) {
             v->SetDlgItemText(IDC_SET_TN, "2");
             Cells(As<CDovPoluchCheckaView>(v)->m_grid, 0,
                   {{DOVCH_ACCOUNT, "03234012345"}, {DOVCH_EKR, "211000"}, {DOVCH_SUM, "300"}});
         }},
        {"Заявл.чек.кн.", 0, "ledmark_check_book", [](CPostingDocView* v) { v->SetDlgItemText(IDC_SET_TN, "1"); }},
        {"Объяв.Взн.Нал.", 0, "ledmark_obyavl",
         [](CPostingDocView* v) {
             v->SetDlgItemText(IDC_SET_ACCOUNT, "2");
             v->SetDlgItemText(IDC_OB_SUM, "100,50");
             v->SetDlgItemText(IDC_SET_SOURCE_NAME, "Выручка столовой");
             v->SetDlgItemText(IDC_SET_ORG, "1");
         }},
        {"заявка на пол.ден.", 0, "ledmark_dov_pol_den",
         [](CPostingDocView* v) {
             v->SetDlgItemText(kTnEditId, "1");
             v->SetDlgItemText(IDC_OFK_LS, "1");
             v->SetDlgItemText(IDC_OFK_SER, "АБ");
             v->SetDlgItemText(IDC_OFK_N, "123456");
             v->SetDlgItemText(IDC_OFK_DATE_POL, LedgerProgram::ThisYear("20.01"));
             v->SetDlgItemText(IDC_OFK_CPEC, "на хозяйственные нужды");
             Cells(As<COfkView>(v)->m_grid, 0,
                   {{OFK_FKR, "07507010100000590111"}, {OFK_EKR, "211000"}, {OFK_SUM, "100"}});
         }},
        {"пост.мат.", kMatReceipt, "ledmark_mat_prix",
         [](CPostingDocView* v) {
             v->SetDlgItemText(IDC_SET_TN, "1");
             v->SetDlgItemText(IDC_MP_SB1, "1");
             v->SetDlgItemText(IDC_MP_SB2, "340000");
             v->SetDlgItemText(IDC_MP_SB3, "2");
             Cells(As<CMatPrixView>(v)->m_grid, 0,
                   {{MP_ITEM, "2"}, {MP_KOL, "10"}, {MP_SUM, "100"}, {MP_EKR, "340000"}});
         },
         {kBook, kTaken, kOffer}},
        {"спис.мат.", 0, "ledmark_mat_spis",
         [](CPostingDocView* v) {
             v->SetDlgItemText(IDC_SET_TN, "1");
             v->SetDlgItemText(IDC_MS_SB2, "3");
             Cells(As<CMaterialsSpisView>(v)->m_grid, 0, {{MS_ITEM, "2"}, {MS_KOL, "1"}});
         },
         {kTaken, kOffer}},
        {"Накладная по МЗ", 1, "ledmark_mat_nakl",
         [](CPostingDocView* v) {
             v->SetDlgItemText(IDC_ON_DEBIT, "110535340");
             v->SetDlgItemText(IDC_ON_DEBIT_SB2, "4");
             v->SetDlgItemText(IDC_ON_DEBIT_SB3, "2");
             v->SetDlgItemText(IDC_ON_CREDIT, "110536340");
             v->SetDlgItemText(IDC_ON_CREDIT_SB2, "3");
             v->SetDlgItemText(IDC_ON_KBK_DEBIT, "2");
             v->SetDlgItemText(IDC_ON_KBK_CREDIT, "2");
             Cells(As<COsNaklView>(v)->m_grid, 0,
                   {{ON_ITEM, "2"}, {ON_ASKED, "2"}, {ON_RELEASED, "2"}, {ON_PRICE, "45"}});
         }},
        {"Поступл.ОС", 0, "ledmark_os_pokup",
         [](CPostingDocView* v) {
             auto* view = As<COsPokupView>(v);
             v->SetDlgItemText(IDC_OP_SB1, "4");
             v->SetDlgItemText(IDC_OP_SB3, "5");
             v->SetDlgItemText(IDC_OP_KBK, "2");
             view->m_grid.SetCellValue(OP_ASSET, 0, "901");
             view->FillRow(0, TRUE);
             view->m_grid.SetCellValue(OP_EKR, 0, "310000");
             view->EnsureSpareRow();
         },
         {kBook, kTaken}},
        {"Спис.ОС", 0, "ledmark_os_spis",
         [](CPostingDocView* v) {
             v->SetDlgItemText(IDC_OSS_ZAB, "");
             Cells(As<COsSpisView>(v)->m_grid, 0, {{OSS_CARD, "901"}, {OSS_KOL, "1"}});
         },
         {kTaken, kOffer}},
        {"Внтр.пер.МЗ", 0, "ledmark_mat_mol_to_mol",
         [](CPostingDocView* v) {
             v->SetDlgItemText(IDC_SET_TN, "12");
             v->SetDlgItemText(IDC_MTM_TN2, "11");
         },
         {kTaken, QStringLiteral("У отправителя нет остатков на дату документа: ничего не перемещено")}},
        {"дог.мат.отв.", 0, "ledmark_dog_mat_otv", [](CPostingDocView* v) { v->SetDlgItemText(IDC_SET_TN, "4"); }},
        {"Бюдж.обяз-во", 0, "ledmark_budg_obyaz",
         [](CPostingDocView* v) {
             auto* view = As<CBudgObyazView>(v);
             view->m_strContract = "2";
             view->m_strEkr = "226000";
             view->m_strPrd = "2";
             view->UpdateData(FALSE);
             view->m_grid.SetCellValue(OBYAZ_SUM, 2, "1500");
         }},
        {"Бюдж.ассигн.", 0, "ledmark_budg_assig",
         [](CPostingDocView* v) {
             auto* view = As<CBudgAsegView>(v);
             view->m_strPrd = "2";
             view->UpdateData(FALSE);
             Cells(view->m_grid, 0, {{ASEG_EKR, "211000"}, {ASEG_SUM, "500"}});
         }},
        {"Бюдж.заявка", 0, "ledmark_budg_zayavka",
         [](CPostingDocView* v) {
             auto* view = As<CBudgZayavView>(v);
             v->SetDlgItemText(IDC_REQ_DEB_SB1, "1");
             v->SetDlgItemText(IDC_REQ_DEB_SB2, "2");
             Cells(view->m_grid, 0, {{ZAYAV_NAME, "Фонд оплаты труда"}, {ZAYAV_QUANTITY, "3"}, {ZAYAV_PRICE, "1000"},
                                     {ZAYAV_SUM, "3000"}, {ZAYAV_TAX, "786"}, {ZAYAV_TOTAL, "3.786"}});
         }},
        {"расш.к договору", 0, "ledmark_budg_rassh",
         [](CPostingDocView* v) {
             v->SetDlgItemText(IDC_BUDG_CONTRACT, "2");
             Cells(As<CBudgRasshView>(v)->m_grid, 0,
                   {{RASSH_EKR, "226000"}, {RASSH_JANUARY, "100"}, {RASSH_SOURCE, "1"}, {RASSH_KBK, "2"}});
         }},
        {"пост.род.платы", 0, "ledmark_rod_post",
         [](CPostingDocView* v) {
             Cells(As<CRodPostView>(v)->m_grid, 0, {{ROD_CODE, "1"}, {ROD_SUM, "100"}, {ROD_TEACHER, "2"}});
         }},
    };
    for (const NumberedKind& kind : kinds) {
        SCOPED_TRACE(testing::Message() << kind.document << " " << kind.mode);
        Run(FormatText("delete from %s", kind.table));
        CPostingDocView* view = OpenNew(kind);
        ASSERT_NE(view, nullptr);
        kind.fill(view);
        CString proposed;
        view->GetDlgItemText(IDC_NUMBER, proposed);
        EXPECT_EQ(proposed, CString("1"));
        const long me = GetServerId();

        // The other program's save: the counter's row held, its document
        // written under the same number, committed once this save waits for
        // the row (or after a few seconds: a save that did not wait has read
        // the numbers before and stores a second number 1).
        _ConnectionPtr other = vornal::testing::OpenRawConnection();
        other->BeginTrans();
        other->Execute("update system_doc_counter set last_id=last_id+1 where id=1", nullptr, adExecuteNoRecords);
        other->Execute(_bstr_t(FormatText("insert into %s (number,d) values ('1',curdate())", kind.table)), nullptr,
                       adExecuteNoRecords);
        std::thread commit([&] {
            vornal::testing::WaitForCount(
                vornal::testing::OpenRawConnection(),
                QStringLiteral("select count(*) from information_schema.innodb_trx "
                               "where trx_state='LOCK WAIT' and trx_mysql_thread_id=%1")
                    .arg(me),
                [](long long waiting) { return waiting > 0; }, 5000);
            other->CommitTrans();
        });

        afxtest::InteractionScript script;
        script.message(kSaveQuestion, IDYES);
        for (const QString& text : kind.after)
            script.message(text, text == kOffer ? IDYES : text == kBook ? IDNO : IDOK);
        afxtest::click(view, IDOK);
        commit.join();
        script.verify();
        Settle();
        for (const auto& refusal : scripts.messages)
            ADD_FAILURE() << refusal;
        scripts.Clear();
        EXPECT_EQ(Numbers(kind.table), CString("1,2"));
        if (kind.after.contains(kOffer)) {
            CPostingDocView* again = Active<CPostingDocView>();
            ASSERT_NE(again, nullptr);
            CString next;
            again->GetDlgItemText(IDC_NUMBER, next);
            EXPECT_EQ(next, CString("3")) << "the next proposal counts the number just taken";
        }
        for (int i = 0; i < 3 && ChildCount() > 0; ++i) {
            if (CPostingDocView* open = Active<CPostingDocView>())
                open->GetParentFrame()->SendMessage(WM_CLOSE);
            Settle();
        }
    }
}

}  // namespace
