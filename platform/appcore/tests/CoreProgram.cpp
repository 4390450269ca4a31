#include "CoreProgram.h"

#include "GuiDriver.h"

#include <QMdiArea>
#include <gtest/gtest.h>

namespace coretest {

QStringList& log()
{
    static QStringList lines;
    return lines;
}

IMPLEMENT_DYNCREATE(CTestDocView, CDocumentView)

BEGIN_MESSAGE_MAP(CTestDocView, CDocumentView)
    ON_COMMAND(ID_TEST_SAVE_AND_CLOSE, OnSaveAndClose)
END_MESSAGE_MAP()

CTestDocView::CTestDocView() : CDocumentView(IDD_TEST_DOC) {}

void CTestDocView::OnInitialUpdate()
{
    CDocumentView::OnInitialUpdate();
    seenRealId = GetRealId();
    seenParam = GetDocument() ? GetDocument()->m_nParam : -99;
    SetSql();
}

void CTestDocView::SetSql()
{
    ++loads;
    CString number;
    number.Format("%ld", GetRealId());
    SetDlgItemText(IDC_TEST_NUMBER, number);
    log() << QStringLiteral("load %1").arg(GetRealId());
}

int CTestDocView::Write(int ask)
{
    log() << QStringLiteral("write %1").arg(ask);
    return 1;
}

void CTestDocView::OnSaveAndClose()
{
    OnCancel();
    PostOK(1, 1);
    SetRealId(-1);
    SetSql();
}

IMPLEMENT_DYNCREATE(CTestFormView, CderivedFormview)

CTestFormView::CTestFormView() : CderivedFormview(IDD_TEST_FORM_VIEW) {}

void CTestFormView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    seenParamText = GetDocument() ? GetDocument()->m_strParam : CString("?");
}

namespace {

const char kFormScript[] = R"lua(
function prn(id) return "<h1>Документ " .. id .. "</h1><p>Сумма прописью</p>" end
function Broken() error("нет такого отчета") end
)lua";

// A list of stored documents: its rows are documents of kind 4, the key first.
const char kDocumentListScript[] = R"lua(
function Fill(kind, p) return "select 12 as real_id, '5' as number union all select 13, '6'" .. (later or "") end
function Choose(key) app.open_document("ТестДок", tonumber(key), 4) end
)lua";

CConfigContents Configuration()
{
    CConfigContents contents;
    CDocKindRecord kind;
    kind.m_nId = 50;
    kind.m_strTitle = "Тестовый документ";
    kind.m_strTable = "appcore_test_doc";
    kind.m_strDocument = "Тест.док";
    kind.m_strName = "ТестДок";
    contents.m_docKinds.push_back(kind);
    CFormRecord form;
    form.m_strName = "ТестВыбор";
    form.m_strTitle = "Выбор кода";
    form.m_strKind = "grid";
    contents.m_forms.push_back(form);
    form.m_strName = "ТестСписок";
    form.m_strTitle = "Список";
    contents.m_forms.push_back(form);
    form.m_strName = "ТестДокументы";
    form.m_strTitle = "Документы";
    contents.m_forms.push_back(form);
    CSprRecord departments;
    departments.m_nId = 8;
    departments.m_strTable = "spr_prd";
    departments.m_strName = "Подразделения";
    departments.m_strFieldId = "id";
    departments.m_strFieldName = "name";
    contents.m_sprs.push_back(departments);
    CSprRecord goods;
    goods.m_nId = 90;
    goods.m_strTable = "appcore_test_book";
    goods.m_strName = "Товары";
    goods.m_strFieldId = "code";
    goods.m_strFieldName = "name";
    goods.m_fields = {{"code", "Код", 60}, {"name", "Наименование", 200}, {"kol", "Количество", 80},
                      {"d", "Дата поступления", 80, false}, {"kind", "Вид", 40, false}};
    contents.m_sprs.push_back(goods);
    CSprRecord hostile;  // a book whose table is no plain table name
    hostile.m_nId = 91;
    hostile.m_strTable = "spr_prd where 1=1";
    hostile.m_strName = "Чужой";
    hostile.m_strFieldId = "id";
    hostile.m_strFieldName = "name";
    contents.m_sprs.push_back(hostile);
    return contents;
}

} // namespace

Program::Program()
{
    log().clear();
    app = new CWinApp("Тест");
    auto* main = new CMDIFrameWnd;
    EXPECT_TRUE(main->LoadFrame(IDR_TEST_MAIN, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
    frame = main;
    app->m_pMainWnd = frame;
    frame->GetQWidget()->resize(1200, 900);
    afxtest::showActive(frame);
    app->AddDocTemplate(new CMultiDocTemplate(IDD_TEST_DOC, RUNTIME_CLASS(CconfigDocument),
                                              RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(CTestDocView)));
    app->AddDocTemplate(new CMultiDocTemplate(IDD_TEST_FORM_VIEW, RUNTIME_CLASS(CderivedDocument),
                                              RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CTestFormView)));
    app->AddDocTemplate(new CMultiDocTemplate(IDR_TEST_STORNO, RUNTIME_CLASS(CStornoDoc),
                                              RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(CStornoView)));
    app->AddDocTemplate(new CMultiDocTemplate(IDR_TEST_DOC_PROV, RUNTIME_CLASS(CderivedDocument),
                                              RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CDocProvView)));
    GetDataArchive()->SetContents(Configuration());
    EXPECT_EQ(CInterpriter::mcc_dll_Global_init0(), 1);
    CInterpriter::GetMain()->AddContext("Form.ТестВыбор");
    EXPECT_TRUE(CInterpriter::GetMain()->LoadScript(
        "Form.ТестСписок", "list.lua",
        "function Fill(kind, p) return \"select \" .. kind .. \" as code, '\" .. p .. \"' as name\" end"));
    EXPECT_TRUE(CInterpriter::GetMain()->LoadScript("Form.Тест.док", "test.lua", kFormScript));
    EXPECT_TRUE(CInterpriter::GetMain()->LoadScript("Form.ТестДокументы", "documents.lua", kDocumentListScript));
    EXPECT_TRUE(CInterpriter::GetMain()->LoadScript(nullptr, "g.lua", "function GL_Verify_Date0(d) return 1 end"));
    appcore::RouteScriptMessagesToUser();
}

Program::~Program()
{
    afxtest::closeProgramWindows(app);
    CInterpriter::mcc_dll_Global_uninit();
    GetDataArchive()->SetContents(CConfigContents());
    delete app;
}

int Program::ChildCount() const
{
    return int(frame->GetMdiArea()->subWindowList().size());
}

} // namespace coretest
