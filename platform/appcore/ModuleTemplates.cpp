#include "ModuleTemplates.h"

namespace appcore {

int AddModuleTemplates(const ModuleTemplate* rows, size_t count, HINSTANCE module)
{
    CWinApp* app = AfxGetApp();
    for (size_t i = 0; app && i < count; ++i)
        app->AddDocTemplate(new CMultiDocTemplate(rows[i].id, rows[i].document, rows[i].frame, rows[i].view, module));
    return 1;
}

} // namespace appcore
