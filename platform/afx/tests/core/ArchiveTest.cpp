// Run-time classes create objects by name, and an archive written through CFile
// reads back value for value, objects included; damage is reported, not read.
#include "afx.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace archive_test {

class CShape : public CObject {
    DECLARE_SERIAL(CShape)
public:
    CString m_name;
    int m_corners = 0;
    CShape* m_inner = nullptr;
    ~CShape() override { delete m_inner; }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_name << m_corners << m_inner;
        else
            ar >> m_name >> m_corners >> m_inner;
    }
};
IMPLEMENT_SERIAL(CShape, CObject, 1)

class CSquare : public CShape {
    DECLARE_DYNCREATE(CSquare)
};
IMPLEMENT_DYNCREATE(CSquare, CShape)

class CPlain : public CObject {
    DECLARE_DYNAMIC(CPlain)
};
IMPLEMENT_DYNAMIC(CPlain, CObject)

TEST(CRuntimeClass, CreatesByNameAndKnowsTheTree)
{
    CObject* o = CRuntimeClass::CreateObject("CSquare");
    ASSERT_NE(o, nullptr);
    EXPECT_TRUE(o->IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(o->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(o->IsKindOf(RUNTIME_CLASS(CPlain)));
    EXPECT_STREQ(o->GetRuntimeClass()->m_lpszClassName, "CSquare");
    EXPECT_EQ(o->GetRuntimeClass()->GetBaseClass(), RUNTIME_CLASS(CShape));
    EXPECT_NE(DYNAMIC_DOWNCAST(CShape, o), nullptr);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CPlain, o), nullptr);
    delete o;

    EXPECT_EQ(CRuntimeClass::FromName("CShape", reinterpret_cast<const void*>(&CShape::CreateObject)),
              RUNTIME_CLASS(CShape));
    EXPECT_EQ(CRuntimeClass::CreateObject("CPlain"), nullptr) << "not dynamically creatable";
    EXPECT_EQ(CRuntimeClass::FromName("CNoSuchView"), nullptr);
    EXPECT_TRUE(CFileException(CFileException::none).IsKindOf(RUNTIME_CLASS(CException)));
}

class Archive : public testing::Test {
protected:
    QTemporaryDir dir;
    CString path() const { return CString(dir.filePath("конфигурация.arc")); }
};

TEST_F(Archive, RoundTripsValuesAndObjects)
{
    const CString longText(u'ж', 3000); // longer than the 512-byte buffer
    {
        CFile file(path(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store, 512);
        auto* outer = new CSquare;
        outer->m_name = "Квадрат";
        outer->m_corners = 4;
        outer->m_inner = new CShape;
        outer->m_inner->m_name = "Точка";
        ar << BYTE(200) << short(-2) << WORD(65535) << -123456 << DWORD(4000000000u) << LONGLONG(-1)
           << 2.5 << true << CString("Счёт 230405000") << CString() << longText << outer
           << static_cast<CObject*>(nullptr);
        ar.WriteCount(70000);
        ar.Close();
        file.Close();
        delete outer;
    }
    CFile file(path(), CFile::modeRead | CFile::shareDenyWrite);
    CArchive ar(&file, CArchive::load, 4096);
    BYTE b = 0;
    short s = 0;
    WORD w = 0;
    int i = 0;
    DWORD d = 0;
    LONGLONG ll = 0;
    double f = 0;
    bool flag = false;
    CString text, empty("x"), big;
    CObject* object = nullptr;
    CObject* none = ar.GetFile(); // overwritten by the null object
    ar >> b >> s >> w >> i >> d >> ll >> f >> flag >> text >> empty >> big >> object >> none;
    EXPECT_EQ(b, 200);
    EXPECT_EQ(s, -2);
    EXPECT_EQ(w, 65535);
    EXPECT_EQ(i, -123456);
    EXPECT_EQ(d, 4000000000u);
    EXPECT_EQ(ll, -1);
    EXPECT_EQ(f, 2.5);
    EXPECT_TRUE(flag);
    EXPECT_STREQ(text, "Счёт 230405000");
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(big, longText);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(ar.ReadCount(), 70000u);
    auto* square = DYNAMIC_DOWNCAST(CSquare, object);
    ASSERT_NE(square, nullptr);
    EXPECT_STREQ(square->m_name, "Квадрат");
    EXPECT_EQ(square->m_corners, 4);
    ASSERT_NE(square->m_inner, nullptr);
    EXPECT_STREQ(square->m_inner->m_name, "Точка");
    EXPECT_EQ(square->m_inner->m_inner, nullptr);
    delete object;

    int past = 0;
    try {
        ar >> past;
        ADD_FAILURE() << "read past the end";
    } catch (CArchiveException* e) {
        EXPECT_EQ(e->m_cause, CArchiveException::endOfFile);
        char message[200];
        EXPECT_TRUE(e->GetErrorMessage(message, sizeof message));
        EXPECT_NE(std::string(message).find("конфигурация.arc"), std::string::npos) << message;
        e->Delete();
    }
}

TEST_F(Archive, RefusesUnknownClassesAndWrongDirection)
{
    {
        CFile file(path(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        ar << WORD(1) << CString("CNoSuchClass") << DWORD(1);
    }
    CFile file(path(), CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    CObject* object = nullptr;
    try {
        ar >> object;
        ADD_FAILURE() << "unknown class read";
    } catch (CArchiveException* e) {
        EXPECT_EQ(e->m_cause, CArchiveException::badClass);
        e->Delete();
    }
    try {
        ar << 1;
        ADD_FAILURE() << "wrote into a loading archive";
    } catch (CArchiveException* e) {
        EXPECT_EQ(e->m_cause, CArchiveException::readOnly);
        e->Delete();
    }
}

TEST_F(Archive, MissingFileIsReported)
{
    CFileException error;
    CFile file;
    EXPECT_FALSE(file.Open(CString(dir.path()) + "\\нет\\файла.arc", CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    char message[256];
    error.GetErrorMessage(message, sizeof message);
    EXPECT_NE(std::string(message).find("файла.arc"), std::string::npos) << message;
    EXPECT_THROW(CFile(CString(dir.path()) + "/нет.arc", CFile::modeRead), CFileException*);
}

} // namespace archive_test
