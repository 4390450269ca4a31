// Each platform library exports the names of its public header and keeps the
// rest inside: a module's class or function that happens to share a name with a
// library's inner helper can never be bound to that helper, nor the reverse.
// Looked up by their linker names in the libraries the program loads.
#include <gtest/gtest.h>

#include <cstdlib>
#include <dlfcn.h>
#include <string>

namespace {

struct Library {
    const char* file;
    const char* exported;     // a name of the public header
    const char* inner;        // a helper of the library's own inner headers
};

TEST(LibraryExports, OnlyThePublicHeadersNamesAreExported)
{
    const Library libraries[] = {
        {"libafx.so", "_ZN7CStringC1EPKc" /* CString(const char*) */,
         "_ZN14WndHandleTable10findWidgetEPK7QWidget" /* the table of live windows */},
        {"libafx.so", "_Z13AfxMessageBoxPKcjj", "_Z12AfxReadFullyiPvmRm" /* file reading */},
        {"libado.so", nullptr, "_ZN6vornal3ado18StatementForReportERK7QString" /* ODBC diagnostics */},
        {"libndbcore.so", "_Z10MakeSqlStrPKc", "_Z10RunCommandR11_ConnectionRK7QString" /* scalar queries */},
        {"libgridbase.so", "_Z9MakeParamPKc",
         "_ZN8gridbase11RatioWidthsERKSt6vectorIiSaIiEERKS0_IbSaIbEEi" /* column widths */},
        {"libappcore.so", "_ZN7appcore15FindDocTemplateERK7CStringP11HINSTANCE__",
         "_ZN7appcore16ScriptNumberTextB5cxx11Ed" /* script answers */},
        {"libnaddviews.so", "_ZN9CExtFuncs13OnSprPlanSch0EP4CWndiiPKciS3_S3_",
         "_ZN9naddviews14EmployeesQueryEv" /* the selection views' queries */},
    };
    const std::string folder = std::string(std::getenv("VORNAL_BIN")) + "/";
    for (const Library& library : libraries) {
        SCOPED_TRACE(library.file);
        void* handle = dlopen((folder + library.file).c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << dlerror();
        if (library.exported) {
            EXPECT_NE(dlsym(handle, library.exported), nullptr) << library.exported;
        }
        EXPECT_EQ(dlsym(handle, library.inner), nullptr) << library.inner;
        dlclose(handle);
    }
}

} // namespace
