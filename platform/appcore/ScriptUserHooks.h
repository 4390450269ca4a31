// Points the script hooks at the user: script errors and the scripts' message
// boxes and questions go through the interaction point (AfxMessageBox), their
// report pages (app.report) to the report window. The
// application calls it at start; tools without windows keep the defaults.
#pragma once

namespace appcore {

void RouteScriptMessagesToUser();

} // namespace appcore
