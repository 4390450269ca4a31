// A person's photo: loaded from a path or from the file the user chooses; a
// file that is no picture, or choosing nothing, keeps the photo there was.
#include "InteractionScript.h"
#include "appcore.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void Answer(afxtest::InteractionScript& script, const QString& path)
{
    script.chooser(QStringLiteral("openfile"), [path](afxtest::DialogStep& d) {
        d.request().answer = CString(path);
        d.request().result = path.isEmpty() ? 0 : 1;
    });
}

} // namespace

TEST(Picture, LoadedFromAPathOrTheFileChosen)
{
    QTemporaryDir dir;
    const QString photo = dir.filePath("фото.png");
    const QString wide = dir.filePath("wide.jpg");
    const QString text = dir.filePath("notes.txt");
    QImage(30, 20, QImage::Format_RGB32).save(photo);
    QImage(64, 16, QImage::Format_RGB32).save(wide);
    QFile notes(text);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("не рисунок");
    notes.close();

    CclassPicture picture;
    EXPECT_FALSE(picture.Load(""));
    ASSERT_TRUE(picture.Load(CString(photo)));
    EXPECT_NE(picture.GetBitmap(), nullptr);
    EXPECT_EQ(picture.GetWidth(), 30);
    EXPECT_EQ(picture.GetHeight(), 20);
    EXPECT_EQ(picture.GetPath(), CString(photo));
    EXPECT_FALSE(picture.Load(CString(text)));
    EXPECT_FALSE(picture.Load(CString(dir.filePath("нет.png"))));
    EXPECT_EQ(picture.GetPath(), CString(photo)) << "a failed load keeps the photo";

    afxtest::InteractionScript script;
    Answer(script, wide);
    Answer(script, QString());
    Answer(script, text);
    script.message(QStringLiteral("Файл не является рисунком: ") + text, IDOK);
    EXPECT_TRUE(picture.SelectFileAndLoad());
    EXPECT_EQ(picture.GetPath(), CString(wide));
    EXPECT_EQ(picture.GetWidth(), 64);
    EXPECT_FALSE(picture.SelectFileAndLoad()) << "nothing chosen";
    EXPECT_FALSE(picture.SelectFileAndLoad()) << "not a picture";
    script.verify();
    EXPECT_EQ(picture.GetPath(), CString(wide));
    EXPECT_EQ(picture.GetHeight(), 16);
}
