// The kinds of stored documents as the cash book reads them (fields in order,
// entries and fields by the grid separators) and the forms that open a stored
// document named by a module.
#include "CDataArchive.h"
#include "ConfigGlobals.h"
#include "DocumentKinds.h"
#include "gridbase.h"

#include <gtest/gtest.h>

namespace {

TEST(DocumentKinds, ListAndStoredDocumentNames)
{
    CConfigContents contents;
    contents.m_docKinds = {
        {2, "Приходный ордер", "ledmark_pko", "fio as icn", "", "Прих.орд.", ""},
        {3, "Расходный ордер", "ledmark_rko", "fio as icn", "x", "Расх.орд", ""},
        {9, "Книга покупок", "ledmark_kniga_pok", "icn", "", "книга покупок", "КнигаПокупок"},
    };
    GetDataArchive()->SetContents(contents);
    CString list = I_GetDocumentsList();
    ASSERT_EQ(Length(list, GetDelimiter()), 3);
    CString second = GetPart(list, GetDelimiter(), 2);
    const char* fields[] = {"3", "Расходный ордер", "ledmark_rko", "fio as icn", "x"};
    ASSERT_EQ(Length(second, GetDelimiter0()), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(GetPart(second, GetDelimiter0(), i + 1), CString(fields[i]));

    EXPECT_EQ(appcore::StoredDocumentForm("КнигаПокупок"), CString("книга покупок"));
    EXPECT_EQ(appcore::StoredDocumentForm("Аванс.отчет"), CString("Аванс.отчет"));
    EXPECT_EQ(appcore::StoredDocumentForm(""), CString(""));

    GetDataArchive()->SetContents(CConfigContents());
    EXPECT_EQ(I_GetDocumentsList(), CString(""));
}

} // namespace
