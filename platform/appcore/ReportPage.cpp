#include "ReportPage.h"

#include "afx.h"

#include <QFileDialog>
#include <QRegularExpression>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

namespace appcore {

ReportPage::ReportPage(QWidget* parent) : QWidget(parent), m_browser(new QTextBrowser(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QToolBar(this);
    QAction* print = bar->addAction(QStringLiteral("Печать"), this, [this] { Print(false); });
    print->setObjectName(QStringLiteral("print"));
    QAction* pdf = bar->addAction(QStringLiteral("Сохранить в PDF"), this, [this] { SaveAsPdf(); });
    pdf->setObjectName(QStringLiteral("pdf"));
    QAction* close = bar->addAction(QStringLiteral("Закрыть"), this, [this] { emit closeRequested(); });
    close->setObjectName(QStringLiteral("close"));
    layout->addWidget(bar);
    layout->addWidget(m_browser);
    m_browser->setOpenExternalLinks(false);
}

void ReportPage::SetPage(const QString& html, const QString& title, const ReportLook& look)
{
    m_title = title;
    m_look = look;
    QFont font = m_browser->font();
    if (look.fontSize >= 6 && look.fontSize <= 24)
        font.setPointSize(look.fontSize);
    m_browser->document()->setDefaultFont(font);
    QColor background(look.background.isEmpty() ? QStringLiteral("#ffffff") : look.background);
    QPalette palette = m_browser->palette();
    palette.setColor(QPalette::Base, background.isValid() ? background : QColor(Qt::white));
    m_browser->setPalette(palette);
    m_browser->setHtml(html);
}

QString ReportPage::Html() const
{
    return m_browser->toHtml();
}

bool ReportPage::Print(bool direct)
{
    return PrintDocument(*m_browser->document(), m_title, m_look.landscape, direct);
}

bool ReportPage::SaveAsPdf()
{
    AfxModalRequest request;
    request.kind = AfxModalKind::Chooser;
    request.chooser = "savefile";
    request.text = "Сохранить в PDF";
    request.caption = CString(m_title);
    QWidget* owner = this;
    request.show = [owner, title = m_title](AfxModalRequest& r) {
        QString path = QFileDialog::getSaveFileName(owner, QStringLiteral("Сохранить в PDF"), title + ".pdf",
                                                    QStringLiteral("PDF (*.pdf)"));
        r.answer = CString(path);
        return path.isEmpty() ? 0 : 1;
    };
    if (AfxRunModal(request) == 0 || request.answer.IsEmpty())
        return false;
    if (!WritePdf(*m_browser->document(), request.answer.ToQString(), m_look.landscape)) {
        AfxMessageBox(CString("Не удалось записать файл ") + request.answer, MB_OK | MB_ICONSTOP);
        return false;
    }
    return true;
}

bool PageAsksLandscape(const QString& html)
{
    static const QRegularExpression across(
        QStringLiteral("<meta\\s+name\\s*=\\s*\"orientation\"\\s+content\\s*=\\s*\"landscape\"\\s*/?>"),
        QRegularExpression::CaseInsensitiveOption);
    return across.match(html).hasMatch();
}

bool WritePdf(QTextDocument& document, const QString& path, bool landscape)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    document.print(&printer);
    QFile file(path);
    return file.exists() && file.size() > 0;
}

bool PrintDocument(QTextDocument& document, const QString& title, bool landscape, bool direct)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDocName(title);
    AfxModalRequest request;
    request.kind = AfxModalKind::Chooser;
    request.chooser = "print";
    request.text = direct ? "Печать без просмотра" : "Печать";
    request.caption = CString(title);
    request.show = [&printer, direct](AfxModalRequest&) {
        if (direct)
            return 1;
        QPrintDialog dialog(&printer);
        return dialog.exec() == QDialog::Accepted ? 1 : 0;
    };
    if (AfxRunModal(request) == 0)
        return false;
    if (!request.answer.IsEmpty())
        return WritePdf(document, request.answer.ToQString(), landscape);
    document.print(&printer);
    return true;
}

} // namespace appcore
