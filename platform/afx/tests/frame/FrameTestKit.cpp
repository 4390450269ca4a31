#include "FrameTestKit.h"
#include "GuiDriver.h"
#include <QCoreApplication>
#include <QMap>
#include <gtest/gtest.h>

namespace frametest {

QStringList& log()
{
    static QStringList l;
    return l;
}

int& alive(const char* what)
{
    static QMap<QString, int> counts;
    return counts[QString::fromUtf8(what)];
}

BEGIN_MESSAGE_MAP(TestApp, CWinApp)
    ON_COMMAND(ID_APP_CMD, OnAppCmd)
    ON_COMMAND(ID_DISABLED_CMD, OnDisabled)
    ON_UPDATE_COMMAND_UI(ID_DISABLED_CMD, OnUpdateDisabled)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(MainFrame, CMDIFrameWnd)
BEGIN_MESSAGE_MAP(MainFrame, CMDIFrameWnd)
    ON_COMMAND(ID_FRAME_CMD, OnFrameCmd)
    ON_COMMAND(ID_PRINT, OnPrint)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(TestDoc, CDocument)
BEGIN_MESSAGE_MAP(TestDoc, CDocument)
    ON_COMMAND(ID_DOC_CMD, OnDocCmd)
END_MESSAGE_MAP()

BOOL TestDoc::OnNewDocument()
{
    ++m_nNewCalls;
    return CDocument::OnNewDocument();
}

IMPLEMENT_DYNCREATE(ChildFrame, CMDIChildWnd)

IMPLEMENT_DYNCREATE(PkoView, CFormView)
BEGIN_MESSAGE_MAP(PkoView, CFormView)
    ON_COMMAND(ID_VIEW_CMD, OnViewCmd)
    ON_BN_CLICKED(IDOK, OnSave)
END_MESSAGE_MAP()

void PkoView::OnInitialUpdate()
{
    auto* kind = static_cast<CComboBox*>(GetDlgItem(IDC_KIND));
    if (kind && kind->GetCount() == 0) {
        kind->AddString("Приход");
        kind->AddString("Расход");
    }
    ++m_nInitialUpdates;
    CFormView::OnInitialUpdate();
}

void PkoView::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_NUMBER, m_number);
    DDX_CBIndex(pDX, IDC_KIND, m_kind);
}

void PkoView::OnSave()
{
    UpdateData(TRUE);
    log() << QStringLiteral("view:save %1").arg(m_number.ToQString());
}

IMPLEMENT_DYNCREATE(SharedView, CFormView)

namespace {

QWidget* createGrid(const AfxControlCreate& cc)
{
    auto* w = new QWidget(cc.parent);
    w->setGeometry(cc.rect);
    w->setFocusPolicy(Qt::StrongFocus);
    return w;
}

struct GridClass {
    GridClass()
    {
        AfxRegisterControlClass({ "FrameTestGrid", &createGrid, [] { return new CWnd; }, nullptr, nullptr });
    }
};

} // namespace

Program::Program()
{
    static GridClass grid;
    log().clear();
    app = new TestApp;
    frame = new MainFrame;
    EXPECT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
    app->m_pMainWnd = frame;
    frame->GetQWidget()->resize(1200, 900);
    afxtest::showActive(frame);
    pko = new CMultiDocTemplate(IDR_PKO, RUNTIME_CLASS(TestDoc), RUNTIME_CLASS(ChildFrame), RUNTIME_CLASS(PkoView));
    bank = new CMultiDocTemplate(IDR_BANK, RUNTIME_CLASS(TestDoc), RUNTIME_CLASS(ChildFrame),
                                 RUNTIME_CLASS(SharedView));
    app->AddDocTemplate(pko);
    app->AddDocTemplate(bank);
}

Program::~Program()
{
    afxtest::closeProgramWindows(app);
    delete app;
}

TestDoc* Program::open(CMultiDocTemplate* t)
{
    CDocument* doc = (t ? t : pko)->OpenDocumentFile(nullptr);
    return dynamic_cast<TestDoc*>(doc);
}

CView* firstView(CDocument* doc)
{
    POSITION pos = doc ? doc->GetFirstViewPosition() : nullptr;
    return pos ? doc->GetNextView(pos) : nullptr;
}

} // namespace frametest
