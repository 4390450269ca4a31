// The personal card as the personnel clerk uses it: the employee loaded from
// his number with the names of his codes and the address, an empty number
// emptying the card, the address pickers with what they need, the street's
// element, the photo shown and cleared, and the demo head's card drawn.
#include "CardFixture.h"
#include "ChooserForm.h"
#include "LichKartRecord.h"
#include "res/AppcoreResource.h"

#include <QCoreApplication>
#include <QFile>

namespace {

using nperso::CLichKartView;

class CardView : public stafftest::CardFixture {};

TEST_F(CardView, ANumberLoadsTheEmployeeAndAnEmptyOneEmptiesTheCard)
{
    CLichKartView* card = OpenCard("3");
    ASSERT_NE(card, nullptr);
    const std::pair<int, const char*> shown[] = {
        {IDC_LK_F, "Смирнова"},
        {IDC_LK_DR, "03.09.1971"},
        {IDC_DOL_NAME, "Заведующий"},
        {IDC_PRD_NAME, "Администрация"},
        {IDC_LK_NN_NAME, "Русский"},
        {IDC_LK_OB_NAME, "Высшее"},
        {IDC_LK_SPL_NAME, "Замужем (женат)"},
        {IDC_LK_DAREG_NAME, "Ольмарский край"},
        {IDC_LK_DA2_NAME, "Ольмарск"},
        {IDC_LK_DAYL, "Садовая ул"},
        {IDC_LK_OT, "28.06.1994"},
        {IDC_LK_KV1, "ОВД Центрального района г. Ольмарска"},
    };
    for (const auto& [id, text] : shown)
        EXPECT_EQ(Text(card, id), QString(text)) << id;
    EXPECT_EQ(card->IsDlgButtonChecked(IDC_LK_MROSN), 1u);
    EXPECT_EQ(Text(card, IDC_LK_POL), QString("Жен"));
    EXPECT_EQ(card->m_strPhotoPath, CString("photos/3.png"));

    card->SetDlgItemText(IDC_TN, "");
    for (const nperso::CardColumn& column : nperso::CardColumns())
        if (column.control && column.control != IDC_LK_MROSN && column.control != IDC_LK_POL) {
            EXPECT_EQ(Text(card, column.control), QString()) << column.name;
        }
    for (int name : {IDC_DOL_NAME, IDC_PRD_NAME, IDC_LK_NN_NAME, IDC_LK_DAREG_NAME, IDC_LK_DA2_NAME})
        EXPECT_EQ(Text(card, name), QString()) << name;
    EXPECT_EQ(card->IsDlgButtonChecked(IDC_LK_MROSN), 0u);
    EXPECT_TRUE(card->m_strPhotoPath.IsEmpty());
}

TEST_F(CardView, CityAndSettlementNamesAreLookedUpUnderTheirDistrict)
{
    CLichKartView* card = OpenCard();
    ASSERT_NE(card, nullptr);
    struct Case {
        const char* region;
        const char* district;
        const char* city;
        const char* settlement;
        const char* districtName;
        const char* cityName;
        const char* settlementName;
    };
    const Case cases[] = {
        {"1", "", "1", "", "", "Ольмарск", ""},
        {"1", "2", "1", "1", "Лесной район", "Лесогорск", "пос. Сосновый"},
        {"1", "1", "1", "2", "Заречный район", "пгт Заречный", "д. Ключи"},
        {"1", "", "", "3", "", "", ""},
        {"", "1", "1", "1", "", "", ""},
        {"1", "1", "1;", "x", "Заречный район", "", ""},
    };
    for (const Case& c : cases) {
        Fill(card, {{IDC_DAREG, c.region}, {IDC_DARAYON, c.district}, {IDC_DA2, c.city}, {IDC_DANP, c.settlement}});
        EXPECT_EQ(Text(card, IDC_LK_DARAYON_NAME), QString(c.districtName)) << c.district;
        EXPECT_EQ(Text(card, IDC_LK_DA2_NAME), QString(c.cityName)) << c.region << c.district << c.city;
        EXPECT_EQ(Text(card, IDC_LK_DANP_NAME), QString(c.settlementName)) << c.settlement;
    }
}

TEST_F(CardView, AddressPickersListTheRegionsEntriesAndNeedWhatTheyAreUnder)
{
    CLichKartView* card = OpenCard();
    ASSERT_NE(card, nullptr);
    afxtest::InteractionScript script;
    script.message("Укажите код региона", IDOK);
    afxtest::click(card, IDC_DARAYON_BTN);
    script.verify();
    EXPECT_EQ(CWnd::GetFocus(), card->GetDlgItem(IDC_DAREG));

    card->SetDlgItemText(IDC_DAREG, "1");
    script.message("Укажите код района", IDOK)
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
            EXPECT_EQ(pickertest::Rows(d), QStringList({"1   Ольмарск", "2   Северогорск"}));
            pickertest::ClickRows(d, {"2   Северогорск"});
        })
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
            EXPECT_EQ(pickertest::Rows(d), QStringList({"1   Заречный район", "2   Лесной район"}));
            pickertest::ClickRows(d, {"2   Лесной"});
        })
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
            EXPECT_EQ(pickertest::Rows(d), QStringList({"1   Лесогорск"}));
            pickertest::ClickRows(d, {"1   Лесогорск"});
        })
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
            EXPECT_EQ(pickertest::Rows(d), QStringList({"1   пос. Сосновый"}));
            pickertest::ClickRows(d, {"1   пос"});
        });
    afxtest::click(card, IDC_DANP_BTN);
    EXPECT_EQ(CWnd::GetFocus(), card->GetDlgItem(IDC_DARAYON));
    afxtest::click(card, IDC_DA2_BTN);
    EXPECT_EQ(Text(card, IDC_DA2), QString("2")) << "the city's code, not the first column of the list";
    EXPECT_EQ(Text(card, IDC_LK_DA2_NAME), QString("Северогорск"));
    afxtest::click(card, IDC_DARAYON_BTN);
    afxtest::click(card, IDC_DA2_BTN);
    afxtest::click(card, IDC_DANP_BTN);
    script.verify();
    EXPECT_EQ(Text(card, IDC_LK_DARAYON_NAME), QString("Лесной район"));
    EXPECT_EQ(Text(card, IDC_LK_DA2_NAME), QString("Лесогорск"));
    EXPECT_EQ(Text(card, IDC_LK_DANP_NAME), QString("пос. Сосновый"));
}

TEST_F(CardView, TheStreetsElementReplacesAnElementOrFollowsTheStreet)
{
    CLichKartView* card = OpenCard();
    ASSERT_NE(card, nullptr);
    struct Case {
        const char* street;
        const char* chosen;
        const char* result;
    };
    const Case cases[] = {
        {"Ленина ул", "пер", "Ленина пер"},
        {"Маркса К. пл", "пр-кт", "Маркса К. пр-кт"},
        {"Ленина", "ул", "Ленина ул"},
        {"Ленина г", "ул", "Ленина г ул"},
        {"", "ул", "ул"},
    };
    for (const Case& c : cases) {
        card->SetDlgItemText(IDC_LK_DAYL, c.street);
        afxtest::InteractionScript script;
        script.dialog(IDD_SPR_PICKER, [&](afxtest::DialogStep& d) {
            EXPECT_EQ(pickertest::Rows(d).size(), 7) << "the street's elements alone";
            pickertest::ClickRows(d, {QString(c.chosen) + "   "});
        });
        afxtest::click(card, IDC_LK_ELEM_BTN);
        script.verify();
        EXPECT_EQ(Text(card, IDC_LK_DAYL), QString(c.result)) << c.street;
        EXPECT_EQ(CWnd::GetFocus(), card->GetDlgItem(IDC_LK_DAYL));
    }
}

TEST_F(CardView, NamesAreWrittenWithCapitalsOnLeavingTheirFields)
{
    CLichKartView* card = OpenCard();
    ASSERT_NE(card, nullptr);
    card->GetDlgItem(IDC_LK_F)->SetFocus();
    card->SetDlgItemText(IDC_LK_F, "  иванова-петрова ");
    card->GetDlgItem(IDC_LK_I)->SetFocus();
    EXPECT_EQ(Text(card, IDC_LK_F), QString("Иванова-Петрова"));
}

TEST_F(CardView, ThePhotoIsShownScaledAndClearedOnlyWhenConfirmed)
{
    CLichKartView* card = OpenCard();
    ASSERT_NE(card, nullptr);
    const QString path = Picture("photo.png", 100, 150);
    afxtest::InteractionScript script;
    ChooseFile(script, path);
    afxtest::click(card, IDC_LK_PHOTO_SELECT);
    script.verify();
    EXPECT_EQ(card->m_strPhotoPath, CString(path));
    const QImage shown = AfxQPixmap(card->m_photoFrame.GetBitmap()).toImage();
    EXPECT_EQ(shown.size(), QSize(200, 300));

    script.message("Очистить снимок? ", IDNO);
    afxtest::click(card, IDC_LK_PHOTO_CLEAR);
    EXPECT_EQ(card->m_strPhotoPath, CString(path));
    EXPECT_NE(card->m_photoFrame.GetBitmap(), nullptr);
    script.message("Очистить снимок? ", IDYES);
    afxtest::click(card, IDC_LK_PHOTO_CLEAR);
    script.verify();
    EXPECT_TRUE(card->m_strPhotoPath.IsEmpty());
    EXPECT_EQ(card->m_photoFrame.GetBitmap(), nullptr);
    EXPECT_EQ(CWnd::GetFocus(), card->GetDlgItem(IDC_TN));

    // A picture without a size is shown as none.
    card->m_picture.m_nWidth = 0;
    card->ShowPhoto();
    EXPECT_EQ(card->m_photoFrame.GetBitmap(), nullptr);
}

TEST_F(CardView, TheHeadsCardWithHerPhoto)
{
    const QString folder = AfxGetProfileFolder() + "/photos";
    QDir().mkpath(folder);
    QFile::remove(folder + "/3.png");
    ASSERT_TRUE(QFile::copy(qEnvironmentVariable("VORNAL_ROOT") + "/db/photos/3.png", folder + "/3.png"));
    CLichKartView* card = OpenCard("3");
    ASSERT_NE(card, nullptr);
    EXPECT_NE(card->m_photoFrame.GetBitmap(), nullptr);
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(card->GetParentFrame());
    EXPECT_GT(afxtest::distinctColours(picture), 50);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/lich_kart.png"));
}

} // namespace
