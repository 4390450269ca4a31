// Opens the tests' login dialog as a real window and prints how it ended.
#include "afx.h"
#include "res/resource.h"
#include <QApplication>
#include <clocale>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    CDialog dlg(IDD_LOGIN);
    INT_PTR result = dlg.DoModal();
    std::printf("%s\n", result == IDOK ? "IDOK" : (result == IDCANCEL ? "IDCANCEL" : "failed"));
    return result == -1 ? 1 : 0;
}
