// What the personnel module exports: its entry class and what the payroll
// module, which links it, calls. Everything else stays hidden.
#pragma once

#define NPERSO_EXPORT __attribute__((visibility("default")))
