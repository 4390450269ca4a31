// The personal card's save: the personnel number kept, given as typed or by
// the database, the checks in their order, texts stored exactly, the
// counterparty row following the name and written with the employee's row or
// not at all, two clerks adding employees at once, a row deleted meanwhile,
// the photo copied into the photo folder, and the statements of SQL Server
// and PostgreSQL as text.
#include "CardFixture.h"
#include "LichKartRecord.h"
#include "PhotoStore.h"
#include "ndbcore.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include <atomic>
#include <thread>

namespace {

using nperso::CLichKartView;

class CardSave : public stafftest::CardFixture {
protected:
    long long Employees() { return Count("select count(*) as cnt from tn"); }
    long long LastNumber() { return Count("select max(tn) as cnt from tn"); }
    CString Column(const QString& tn, const char* column)
    {
        return Text(FormatText("select %s as str from tn where tn=%s", column, CString(tn)));
    }
    CString Contr(const QString& tn)
    {
        return Text(FormatText("select name as str from spr_contr where tip=2 and id_tip=%s", CString(tn)));
    }
    long long ContrRows(const QString& tn)
    {
        return Count(FormatText("select count(*) as cnt from spr_contr where tip=2 and id_tip=%s", CString(tn)));
    }
    static bool Selected(CWnd* card, int id)
    {
        auto* edit = qobject_cast<QLineEdit*>(card->GetDlgItem(id)->GetQWidget());
        return edit && !edit->text().isEmpty() && edit->selectedText() == edit->text();
    }
};

TEST_F(CardSave, TheNumberIsKeptGivenAsTypedOrByTheDatabase)
{
    Run("insert into tn (tn, f) values (50, 'Пятидесятая')");
    CLichKartView* card = OpenCard();
    ASSERT_NE(card, nullptr);
    struct Case {
        const char* typed;
        const char* surname;
        bool exists;
        int answer;
        bool replaced;  // above the last: the database's number, and a message
    };
    const Case cases[] = {
        {"3", "Смирнова-Орлова", true, IDYES, false},
        {"40", "Сорокова", false, IDYES, false},
        {"999", "Девятисотая", false, IDYES, true},
        {"", "Новая", false, IDYES, false},
        {"", "Отказная", false, IDNO, false},
        {"3", "Отказная", true, IDNO, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.surname);
        card->SetDlgItemText(IDC_TN, c.typed);  // loads the employee, or an empty card
        if (c.exists)
            card->SetDlgItemText(IDC_LK_F, c.surname);
        else
            FillNew(card, c.surname);
        const long long before = Employees();
        const CString next = FormatText("%lld", LastNumber() + 1);
        afxtest::InteractionScript script;
        if (c.replaced)
            script.message("Добавить нового работника ? ", IDYES)
                .message(QString("Табельный № 999 больше последнего: новому работнику присвоен табельный № ")
                             + next.ToQString(),
                         IDOK);
        else
            script.message(c.exists ? "Записать изменения ? " : "Добавить нового работника ? ", c.answer);
        afxtest::click(card, IDOK);
        script.verify();
        if (c.answer == IDNO) {
            EXPECT_EQ(Employees(), before);
            EXPECT_EQ(Text(card, IDC_LK_F), QString(c.surname)) << "the card stays as typed";
            EXPECT_EQ(Count("select count(*) as cnt from tn where f='Отказная'"), 0);
            continue;
        }
        const QString tn = c.exists || (*c.typed && !c.replaced) ? QString(c.typed) : next.ToQString();
        EXPECT_EQ(Text(card, IDC_TN), tn) << "the card shows the number written";
        EXPECT_EQ(Employees(), before + (c.exists ? 0 : 1));
        EXPECT_EQ(Column(tn, "f"), CString(c.surname));
        EXPECT_EQ(Text(card, IDC_LK_F), QString(c.surname)) << "loaded back";
        EXPECT_EQ(Contr(tn), Column(tn, "fio_r"));
        if (!c.exists) {
            EXPECT_EQ(Column(tn, "NN"), CString()) << "empty optional codes pass as no code";
            EXPECT_EQ(Column(tn, "image_path"), CString());
        }
    }
}

TEST_F(CardSave, ChecksComeInTheirOrderAndWriteNothing)
{
    CLichKartView* card = OpenCard("12а");  // the number first: typing it loads the card
    ASSERT_NE(card, nullptr);
    FillNew(card);
    struct Case {
        int field;
        const char* text;
        const char* message;
        bool selected;
    };
    // Each case's fault stays while the earlier ones are added, so each
    // message shows that every check before it comes first.
    const Case cases[] = {
        {IDC_TN, "12а", "Табельный номер должен быть целым числом", true},
        {IDC_DARAYON, "1a", "Укажите целое число: Район", true},
        {IDC_LK_OT, "31.02.1994", "Неверная дата: Дата диплома", true},
        {IDC_SPL, "9", "Нет такого семейного положения", true},
        {IDC_OB, "9", "Нет такого образования", true},
        {IDC_NN, "9", "Нет такой национальности", true},
        {IDC_LK_DAYL, "Садовая", "Укажите элемент адреса", false},
        {IDC_DAREG, "", "Укажите код региона", false},
        {IDC_PRD, "99", "Нет такого подразделения", true},
        {IDC_PRD, " ", "Укажите цех затрат", false},
        {IDC_DOL, "99", "Нет такой должности", true},
        {IDC_DOL, "", "Укажите основную должность", false},
        {IDC_LK_I, "", "Укажите имя", false},
        {IDC_LK_F, " ", "Укажите Фамилию", false},
    };
    const long long before = Employees();
    for (const Case& c : cases) {
        card->SetDlgItemText(c.field, c.text);
        afxtest::InteractionScript script;
        script.message(c.message, IDOK);
        afxtest::click(card, IDOK);
        script.verify();
        EXPECT_EQ(CWnd::GetFocus(), card->GetDlgItem(c.field)) << c.message;
        EXPECT_EQ(Selected(card, c.field), c.selected) << c.message;
    }
    EXPECT_EQ(Employees(), before);
}

TEST_F(CardSave, TextsAreStoredAsTypedAndTheCounterpartyFollowsTheName)
{
    CLichKartView* card = OpenCard();
    ASSERT_NE(card, nullptr);
    const QString surname = QString::fromUtf8("Д'Арк\\ \"Жанна\"\nЛотарингская");
    FillNew(card);
    card->SetDlgItemText(IDC_LK_F, CString(surname));
    card->SetDlgItemText(IDC_LK_O, "");
    Fill(card, {{IDC_LK_DAYL, "Мира  ул"}, {IDC_LK_PU, "100%_'; drop table tn; --"}, {IDC_LK_DR, "5.3.80"}});
    afxtest::InteractionScript script;
    Save(card, script, "Добавить нового работника ? ");
    script.verify();
    const QString tn = Text(card, IDC_TN);
    ASSERT_FALSE(tn.isEmpty());
    EXPECT_EQ(Column(tn, "f").ToQString(), surname);
    EXPECT_EQ(Text(card, IDC_LK_F), surname) << "shown back as stored";
    EXPECT_EQ(Column(tn, "PU"), CString("100%_'; drop table tn; --"));
    EXPECT_EQ(Column(tn, "dr"), CString("05.03.1980"));
    EXPECT_EQ(Column(tn, "fio_r").ToQString(), surname + " Вера ") << "the blank stays without a patronymic";

    card->SetDlgItemText(IDC_LK_O, "Ивановна");
    Save(card, script, "Записать изменения ? ");
    script.verify();
    EXPECT_EQ(ContrRows(tn), 1);
    EXPECT_EQ(Contr(tn).ToQString(), surname + " Вера Ивановна");
}

TEST_F(CardSave, ACounterpartyThatCannotBeWrittenLeavesNoEmployee)
{
    CLichKartView* card = OpenCard();
    ASSERT_NE(card, nullptr);
    FillNew(card, "Безконтрагентная");
    Run("rename table spr_contr to spr_contr_away");
    afxtest::InteractionScript script;
    Save(card, script, "Добавить нового работника ? ");
    script.verify();
    Run("rename table spr_contr_away to spr_contr");
    EXPECT_FALSE(dbReports.reports().empty());
    dbReports.clear(1);
    EXPECT_EQ(Count("select count(*) as cnt from tn where f='Безконтрагентная'"), 0);
    EXPECT_EQ(Text(card, IDC_LK_F), QString("Безконтрагентная")) << "the card stays as typed";
}

TEST_F(CardSave, AnEmployeeDeletedWhileTheQuestionWaitsIsNotWrittenAgain)
{
    Run("insert into tn (tn, f, i, prd, dol, DAreg) values (45, 'Удаляемая', 'Ира', 3, 3, 1)");
    CLichKartView* card = OpenCard("45");
    ASSERT_NE(card, nullptr);
    afxtest::InteractionScript script;
    script.message("Записать изменения ? ", IDYES, [this] { Run("delete from tn where tn=45"); })
        .message("Работник не найден в базе данных: его удалил другой пользователь.", IDOK);
    afxtest::click(card, IDOK);
    script.verify();
    EXPECT_EQ(Count("select count(*) as cnt from tn where tn=45"), 0);
    EXPECT_EQ(ContrRows("45"), 0);
}

TEST_F(CardSave, TwoClerksAddingEmployeesAtOnceEachGetTheirOwnNumberAndPhoto)
{
    const QString photo = Picture("clerk.png");
    std::atomic<bool> stop{false};
    std::atomic<int> others{0};
    std::thread other([&] {
        CDbThreadSession session;
        ASSERT_TRUE(session.IsOpen());
        while (!stop) {
            if (ExecuteSql("insert into tn (f, i) values ('Другая', 'Касса')"))
                ++others;
        }
    });
    CLichKartView* card = OpenCard();
    ASSERT_NE(card, nullptr);
    QStringList numbers;
    for (int i = 0; i < 6; ++i) {
        card->SetDlgItemText(IDC_TN, "");
        const CString surname = FormatText("Кадровая%d", i);
        FillNew(card, surname);
        afxtest::InteractionScript script;
        ChooseFile(script, photo);
        afxtest::click(card, IDC_LK_PHOTO_SELECT);
        Save(card, script, "Добавить нового работника ? ");
        script.verify();
        numbers << Text(card, IDC_TN);
        EXPECT_EQ(Column(numbers.last(), "f"), surname);
        EXPECT_EQ(Contr(numbers.last()), Column(numbers.last(), "fio_r"));
        EXPECT_EQ(Column(numbers.last(), "image_path").ToQString(), "photos/" + numbers.last() + ".png");
    }
    stop = true;
    other.join();
    EXPECT_GT(others.load(), 0);
    EXPECT_EQ(Count("select count(*) as cnt from tn where f like 'Кадровая%'"), 6);
    EXPECT_EQ(Count("select count(*) as cnt from tn where image_path is not null and f='Другая'"), 0);
}

TEST_F(CardSave, ThePhotoIsCopiedUnderTheNumberIntoTheFolderTheConstantNames)
{
    const QString absolute = pictures.filePath("Общая папка");
    struct Case {
        QString constant;
        QString source;    // "" for no photo
        QString stored;    // %1 for the number
        QString file;      // where the copy lies, "" for none
    };
    const Case cases[] = {
        {"photos", Picture("my.photos/portrait.png"), "photos/%1.png", AfxGetProfileFolder() + "/photos/%1.png"},
        {"Фото/Кадры/", Picture("Снимок.JPG"), "Фото/Кадры/%1.JPG", AfxGetProfileFolder() + "/Фото/Кадры/%1.JPG"},
        {absolute, Picture("без_расширения"), absolute + "/%1", absolute + "/%1"},
        {"photos", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source.toStdString());
        Run(FormatText("update system_const set val='%s' where name='pics_lich_kart'", MakeSqlStr(CString(c.constant))));
        CLichKartView* card = OpenCard();
        ASSERT_NE(card, nullptr);
        card->SetDlgItemText(IDC_TN, "");
        FillNew(card);
        afxtest::InteractionScript script;
        if (!c.source.isEmpty()) {
            ChooseFile(script, c.source);
            afxtest::click(card, IDC_LK_PHOTO_SELECT);
        }
        Save(card, script, "Добавить нового работника ? ");
        script.verify();
        const QString tn = Text(card, IDC_TN);
        EXPECT_EQ(Column(tn, "image_path").ToQString(), c.stored.arg(tn));
        if (!c.file.isEmpty()) {
            EXPECT_TRUE(QFileInfo::exists(c.file.arg(tn))) << c.file.arg(tn).toStdString();
        }
        EXPECT_EQ(card->m_strPhotoPath.ToQString(), c.stored.arg(tn)) << "loaded back";
        EXPECT_EQ(card->m_photoFrame.GetBitmap() != nullptr, !c.source.isEmpty());

        // Saved again, the stored photo is its own destination and is not copied onto itself.
        Save(card, script, "Записать изменения ? ");
        script.verify();
        EXPECT_EQ(Column(tn, "image_path").ToQString(), c.stored.arg(tn));
    }
}

TEST_F(CardSave, APhotoThatCannotBeStoredKeepsTheRowsAndTheOldPath)
{
    CLichKartView* card = OpenCard();
    ASSERT_NE(card, nullptr);
    FillNew(card, "Снимкова");
    afxtest::InteractionScript script;
    ChooseFile(script, Picture("first.png"));
    afxtest::click(card, IDC_LK_PHOTO_SELECT);
    Save(card, script, "Добавить нового работника ? ");
    script.verify();
    const QString tn = Text(card, IDC_TN);
    const CString stored = Column(tn, "image_path");
    ASSERT_EQ(stored.ToQString(), "photos/" + tn + ".png");

    const QString gone = Picture("gone.png");
    ChooseFile(script, gone);
    afxtest::click(card, IDC_LK_PHOTO_SELECT);
    ASSERT_TRUE(QFile::remove(gone));
    card->SetDlgItemText(IDC_LK_O, "Петровна");
    script.message("Записать изменения ? ", IDYES).messageContaining("Cannot copy file " + gone, IDOK);
    afxtest::click(card, IDOK);
    script.verify();
    EXPECT_EQ(Column(tn, "o"), CString("Петровна")) << "the rows stay written";
    EXPECT_EQ(Contr(tn), CString("Снимкова Вера Петровна"));
    EXPECT_EQ(Column(tn, "image_path"), stored);
    EXPECT_EQ(card->m_strPhotoPath, stored) << "the card is loaded again";

    Run("update system_const set val='' where name='pics_lich_kart'");
    ChooseFile(script, Picture("second.png"));
    afxtest::click(card, IDC_LK_PHOTO_SELECT);
    script.message("Записать изменения ? ", IDYES)
        .message("Не задана папка фотографий работников (константа pics_lich_kart): снимок не сохранен", IDOK);
    afxtest::click(card, IDOK);
    script.verify();
    EXPECT_EQ(Column(tn, "image_path"), stored);
}

TEST(CardStatements, EachDialectsTextOfTheSave)
{
    nperso::CardRecord record;
    record.texts = {{"f", "О'Нил"}, {"i", "Шон"}, {"dol", "3"}, {"prd", "2"}, {"DAreg", "1"},
                    {"DAyl", "Садовая ул"}, {"dr", "14.05.1978"}, {"pol", "Муж"}, {"NN", ""}};
    record.mainPlace = 1;
    SetDriverId(2);
    const CString values = "NULL,2,'О''Нил Шон ',40,'О''Нил','Шон','','1978-05-14',3,'',NULL,'','','','Садовая ул','',1,"
                           "NULL,NULL,NULL,'','','',NULL,'',NULL,'','','','','','',NULL,'',NULL,NULL,NULL,NULL,NULL,"
                           "'',NULL,'',NULL,'',NULL,NULL,'Муж',1,'','',NULL,NULL";
    const CString columns = "NSR_u,prd,fio_r,tn,f,i,o,dr,dol,da1,da2,DAd,DAkor,DAkv,DAyl,KV1,DAreg,DArayon,DAnp,NSR,"
                            "NOp,SerP,MR1,NN,TEL,OB,UZ1,FAK,GO,SP,KV,NO,OT,OPR,OS,PENS,NS,SRPS,SRPD,PMR1,DRB,PU,SPL,"
                            "INV,DVpus,du,pol,MRosn,inn,SNo,dnbs,dnbs_u";
    EXPECT_EQ(nperso::CardInsertSql(record, "40"), "insert into tn (" + columns + ") values (" + values + ")");
    EXPECT_EQ(nperso::CardInsertSql(record, "").Find(",tn,"), -1) << "numbered by the database";
    const CString update = nperso::CardUpdateSql(record, "40");
    EXPECT_TRUE(update.ToQString().startsWith("update tn set NSR_u=NULL,prd=2,fio_r='О''Нил Шон ',f='О''Нил',"));
    EXPECT_TRUE(update.ToQString().endsWith(",dnbs=NULL,dnbs_u=NULL where tn=40")) << update.GetString();
    EXPECT_EQ(nperso::ContrInsertSql("О'Нил Шон ", "40"),
              CString("insert into spr_contr (name,tip,id_tip) values ('О''Нил Шон ',2,40)"));

    SetDriverId(0);
    struct Case {
        const char* tn;
        bool exists;
        QStringList lines;  // the batch's lines, the row's statement by its beginning
    };
    const Case cases[] = {
        {"40", true, {"set nocount on", "declare @id int", "declare @tn int", "select @tn=40",
                      "update tn set NSR_u=NULL,prd=2,fio_r='О''Нил Шон '"}},
        {"40", false, {"set nocount on", "declare @id int", "declare @tn int", "select @tn=40",
                       "set identity_insert tn on", "insert into tn (NSR_u,prd,fio_r,tn,f,", "set identity_insert tn off"}},
        {"", false, {"set nocount on", "declare @id int", "declare @tn int", "insert into tn (NSR_u,prd,fio_r,f,",
                     "select @tn=@@IDENTITY"}},
    };
    const QStringList counterparty = {"select @id=id from spr_contr where tip=2 and id_tip=@tn",
                                      "if @id is null insert into spr_contr (name,tip,id_tip) values ('О''Нил Шон ',2,@tn)",
                                      "else update spr_contr set name='О''Нил Шон ' where id=@id", "select @tn as str"};
    for (const Case& c : cases) {
        const QStringList batch = nperso::CardBatchSql(record, c.tn, c.exists).ToQString().split('\n');
        const QStringList expected = c.lines + counterparty;
        ASSERT_EQ(batch.size(), expected.size()) << nperso::CardBatchSql(record, c.tn, c.exists).GetString();
        for (int i = 0; i < batch.size(); ++i)
            EXPECT_TRUE(batch[i].startsWith(expected[i])) << batch[i].toStdString();
    }
    EXPECT_NE(nperso::CardBatchSql(record, "40", true).Find("where tn=@tn"), -1);
    SetDriverId(1);
}

} // namespace
