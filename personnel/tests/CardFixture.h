// The personal card on the test program: opened as the menu opens it, filled
// by field id, saved through the interaction script; pictures written into a
// folder of the test's own.
#pragma once
#include "CLichKartView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "StaffProgram.h"
#include "../res/resource.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <initializer_list>
#include <utility>

namespace stafftest {

class CardFixture : public StaffProgram {
protected:
    void SetUp() override
    {
        StaffProgram::SetUp();
        ASSERT_TRUE(pictures.isValid());
    }

    nperso::CLichKartView* OpenCard(const char* tn = nullptr)
    {
        CHelpers::FN_OpenDocument0("Личная карточка", 0, nullptr, nullptr, nullptr, nullptr, nullptr);
        auto* card = Active<nperso::CLichKartView>();
        if (card && tn)
            card->SetDlgItemText(IDC_TN, tn);
        return card;
    }
    using StaffDatabase::Text;
    static QString Text(CWnd* card, int id) { return afxtest::text(card, id); }
    static void Fill(CWnd* card, std::initializer_list<std::pair<int, const char*>> fields)
    {
        for (const auto& [id, text] : fields)
            card->SetDlgItemText(id, text);
    }
    // What a new employee needs: surname, name, position, department, region.
    static void FillNew(CWnd* card, const char* surname = "Тестова")
    {
        Fill(card, {{IDC_LK_F, surname}, {IDC_LK_I, "Вера"}, {IDC_LK_O, "Ивановна"}, {IDC_DOL, "3"},
                    {IDC_PRD, "3"}, {IDC_DAREG, "1"}});
    }
    // Saves, answering the card's question `question` with `answer`; the
    // steps after it are the caller's.
    static void Save(CWnd* card, afxtest::InteractionScript& script, const char* question, int answer = IDYES)
    {
        script.message(question, answer);
        afxtest::click(card, IDOK);
    }
    // A picture file of the given size in the test's folder (a subfolder when
    // the name has one).
    QString Picture(const QString& name, int width = 30, int height = 40) const
    {
        const QString path = pictures.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        const QString suffix = QFileInfo(path).suffix().toLower();
        image.save(path, suffix.isEmpty() ? "PNG" : suffix.toLatin1().constData());
        return path;
    }
    static void ChooseFile(afxtest::InteractionScript& script, const QString& path)
    {
        script.chooser("openfile", [path](afxtest::DialogStep& d) {
            d.request().answer = CString(path);
            d.request().result = 1;
        });
    }

    QTemporaryDir pictures;
};

} // namespace stafftest
